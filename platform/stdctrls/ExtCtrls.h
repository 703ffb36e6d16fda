#pragma once
// Extra controls drawn by the layer: panel, bevel, shape, paint box, image, radio group and
// splitter.
#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/StdCtrls.h"

// ---------------------------------------------------------------- TPanel
// Scoped: the styled controls' bevel styles use the same names.
enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// Outer bevel, border, inner bevel, then the caption centred (by Alignment) in what is left.
class TCustomPanel : public TCustomControl {
    DECLARE_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel value);
    Integer BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(Integer value);
    Integer BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(Integer value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TCanvas& Canvas() { return TCustomControl::Canvas(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMTextChanged(TMessage& message);

private:
    void Changed();
    TAlignment FAlignment = taCenter;
    TPanelBevel FBevelInner = TPanelBevel::bvNone, FBevelOuter = TPanelBevel::bvRaised;
    Integer FBevelWidth = 1, FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
};

class TPanel : public TCustomPanel {
    DECLARE_CLASS(TPanel, TCustomPanel)
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

// Draws a 3-D frame with the given bevel inside rect, width pixels wide; rect shrinks by it.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, Integer width);

// ---------------------------------------------------------------- TBevel
enum TBevelStyle { bsLowered, bsRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

class TBevel : public TGraphicControl {
    DECLARE_CLASS(TBevel, TGraphicControl)
public:
    explicit TBevel(TComponent* AOwner);
    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

// ---------------------------------------------------------------- TShape
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    DECLARE_CLASS(TShape, TGraphicControl)
public:
    explicit TShape(TComponent* AOwner);
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    TPen FPen;
    TBrush FBrush;
};

// ---------------------------------------------------------------- TPaintBox
class TPaintBox : public TGraphicControl {
    DECLARE_CLASS(TPaintBox, TGraphicControl)
public:
    explicit TPaintBox(TComponent* AOwner);
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

// ---------------------------------------------------------------- TImage
// Shows its picture at the top-left, centred, or stretched (keeping the aspect with
// Proportional); a transparent picture lets the parent show through.
class TImage : public TGraphicControl {
    DECLARE_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;
    TPicture& Picture() { return *FPicture; }
    // The picture as a bitmap (an empty picture becomes a bitmap of the control's size).
    TCanvas& Canvas();
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;
    bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;

private:
    void PictureChanged();
    void SetOption(bool& field, bool value);
    TPicture* FPicture;
    bool FStretch = false, FCenter = false, FProportional = false, FTransparent = false;
};

// ---------------------------------------------------------------- TRadioGroup
// A group box holding one radio button per item, in Columns columns; ItemIndex is the checked
// one (-1: none).  A user's choice fires OnClick.
class TCustomRadioGroup : public TCustomGroupBox {
    DECLARE_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* AOwner);
    ~TCustomRadioGroup() override;
    TStrings& Items() { return FItems; }
    Integer ItemIndex() const { return FItemIndex; }
    void SetItemIndex(Integer value);
    Integer Columns() const { return FColumns; }
    void SetColumns(Integer value);
    TRadioButton* Buttons(Integer index) const { return FButtons.at(index); }

protected:
    void Resize() override;

private:
    class TGroupItems : public TStringList {
    public:
        explicit TGroupItems(TCustomRadioGroup* group) : FGroup(group) {}
    protected:
        void Changed() override;
    private:
        TCustomRadioGroup* FGroup;
    };
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClick(TObject* Sender);
    TGroupItems FItems{this};
    std::vector<TRadioButton*> FButtons;
    Integer FItemIndex = -1;
    Integer FColumns = 1;
    bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
    DECLARE_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};

// ---------------------------------------------------------------- TSplitter
// Dragging it resizes the control aligned to the same side just before it, not below MinSize.
class TSplitter : public TGraphicControl {
    DECLARE_CLASS(TSplitter, TGraphicControl)
public:
    explicit TSplitter(TComponent* AOwner);
    Integer MinSize() const { return FMinSize; }
    void SetMinSize(Integer value) { FMinSize = value; }
    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    TControl* FindControl() const;
    TControl* FControl = nullptr;
    TPoint FDownPos;
    Integer FStartSize = 0;
    Integer FMinSize = 30;
};

// ---------------------------------------------------------------- TScrollBox
// A container whose children may reach past its client area: the window's scroll bars show
// then, and moving them moves the children (the scroll position is how far they moved).
class TScrollBox : public TCustomControl {
    DECLARE_CLASS(TScrollBox, TCustomControl)
public:
    explicit TScrollBox(TComponent* AOwner);
    Integer HorzPosition() const { return FPos[0]; }
    Integer VertPosition() const { return FPos[1]; }
    void ScrollTo(Integer x, Integer y);
    // The bars' ranges follow the children.
    void UpdateScrollBars();
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Resize() override;
    void WMHScroll(TMessage& message);
    void WMVScroll(TMessage& message);

private:
    void Scrolled(int bar, TMessage& message);
    Integer FPos[2] = {0, 0};
    TBorderStyle FBorderStyle = bsSingle;
};
