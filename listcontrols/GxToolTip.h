#pragma once
// A small pop-up that points at a control: TGxToolTip holds its settings (colours, font, shape,
// side, margins, icon); TGxToolTipWindow measures, shapes, places and paints one tip for one
// control with GDI+.  While a tip shows, a control with a "BorderColor" property wears the tip's
// border colour, and gets its own back when the tip goes.
#include "platform/controls/Controls.h"
#include "platform/stdctrls/ImgList.h"

enum TGxToolTipPosition : Byte {
    ttTopRight, ttTopLeft, ttTopCenter, ttRight, ttBottomLeft, ttBottomCenter, ttBottomRight, ttCustom
};
enum TGxToolTipShape : Byte { tsBalloon, tsRectangle };
const TEnumTypeInfo& TypeInfoOf(TGxToolTipPosition);
const TEnumTypeInfo& TypeInfoOf(TGxToolTipShape);

class TGxToolTip : public TComponent {
    DECLARE_CLASS(TGxToolTip, TComponent)
public:
    explicit TGxToolTip(TComponent* AOwner);
    void Assign(TPersistent* Source) override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer Value) { FMaxWidth = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor ControlBorderColor() const { return FControlBorderColor; }
    void SetControlBorderColor(TColor Value) { FControlBorderColor = Value; }
    TFont& Font() { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    Integer X() const { return FX; }
    void SetX(Integer Value) { FX = Value; }
    Integer Y() const { return FY; }
    void SetY(Integer Value) { FY = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }
    TGxToolTipPosition Position() const { return FPosition; }
    void SetPosition(TGxToolTipPosition Value) { FPosition = Value; }
    Integer Rounding() const { return FRounding; }
    void SetRounding(Integer Value) { FRounding = Value; }
    TGxToolTipShape Shape() const { return FShape; }
    void SetShape(TGxToolTipShape Value) { FShape = Value; }
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer Value) { FMargin = Value; }
    // 1, 0, 0, 3 one byte per part, major highest; the text "1.0.0.3".
    Integer GetVersionNr() const;
    String Version() const;
    // The icon is drawn: an image index of 0 or more with an image list.
    bool HasImage() const { return FImageIndex >= 0 && FImages; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TColor FBorderColor = clRed;
    TCustomImageList* FImages = nullptr;
    Integer FMaxWidth = 0;
    TColor FColor = clRed;
    TColor FControlBorderColor = clRed;
    TFont FFont;
    Integer FX = 0, FY = 0;
    Integer FImageIndex = -1;
    TGxToolTipPosition FPosition = ttRight;
    Integer FRounding = 2;
    TGxToolTipShape FShape = tsBalloon;
    Integer FMargin = 0;
};

class TGxToolTipWindow : public TCustomControl {
    DECLARE_CLASS(TGxToolTipWindow, TCustomControl)
public:
    explicit TGxToolTipWindow(TComponent* AOwner);
    ~TGxToolTipWindow() override;

    // Points the tip at the control with these settings (null: the window's own defaults) and
    // shows it; a null control only stores the settings.
    void Show(TControl* AControl, TGxToolTip* AToolTip);
    // A tip goes away when its window is freed: hiding does nothing.
    void Hide() {}
    TGxToolTip* ActiveToolTip() const { return FToolTip ? FToolTip : FInternalToolTip; }
    TControl* Control() const { return FControl; }

    const String& Text() const { return FText; }
    void SetText(const String& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    virtual void UpdateSize();
    virtual void UpdatePosition();

protected:
    void CreateWnd() override;
    void Paint() override;
    void WMEraseBkgnd(TMessage& message);
    void WMPaint(TMessage& message);
    void CMFontChanged(TMessage& message);

private:
    void UpdateRegion();

    TGxToolTip* FInternalToolTip;
    TControl* FControl = nullptr;
    TColor FColor = TColor(0x0000FF);
    String FText;
    TGxToolTip* FToolTip = nullptr;
    bool FBorderSet = false;
    TColor FOldBorderColor = clNone;
};

// A windowed control that paints its windowless children onto a device context.
class TWinCtrl : public TWinControl {
    DECLARE_CLASS(TWinCtrl, TWinControl)
public:
    using TWinControl::TWinControl;
    void PaintCtrls(HDC DC, TControl* First) { PaintControls(*DC, First); }
};

// The rounded rectangle (x, y, w, h) with corners of diameter r, filled and, when the border
// colour is neither clNone nor the fill colour, outlined one pixel wide; nothing without surface.
namespace GxGDIP { class TGPGraphics; }
void FillRoundedRect(GxGDIP::TGPGraphics* Graphics, Integer X, Integer Y, Integer W, Integer H, Integer R,
                     TColor BorderColor, TColor FillColor);
