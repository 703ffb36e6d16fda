#pragma once
// Buttons: the native push button (modal result, default and cancel roles), the bitmap button
// (the push button with a standard kind that sets its caption, modal result and default or
// cancel role) and the speed button drawn by the layer.
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"

// What an owner-drawn button is asked to draw with CN_DRAWITEM (LParam points at it).
struct TDrawItemStruct {
    Cardinal CtlType = ODT_BUTTON;
    Cardinal CtlID = 0;
    Cardinal itemID = 0;
    Cardinal itemAction = ODA_DRAWENTIRE;
    Cardinal itemState = 0;   // ODS_SELECTED while pushed, ODS_FOCUS with the focus, ODS_DISABLED
    TWinControl* hwndItem = nullptr;
    TCanvas* hDC = nullptr;
    TRect rcItem;
    std::intptr_t itemData = 0;
};
// CN_MEASUREITEM asks an owner-drawn item for its size.
struct TMeasureItemStruct {
    Cardinal CtlType = ODT_BUTTON;
    Cardinal CtlID = 0;
    Cardinal itemID = 0;
    Cardinal itemWidth = 0;
    Cardinal itemHeight = 0;
    std::intptr_t itemData = 0;
};

// With BS_OWNERDRAW in its style the button is drawn by its program: every paint sends it
// CN_DRAWITEM, and the layer keeps the pushed state that mouse and Space key give it (shown as
// ODS_SELECTED, set by BM_SETSTATE).  It clicks when released over itself, or on Space up.
class TButton : public TWinControl {
    DECLARE_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* AOwner);
    Integer ModalResult() const { return FModalResult; }
    void SetModalResult(Integer value) { FModalResult = value; }
    bool Default() const { return FDefault; }
    // The default button takes Enter while no other button has the focus.
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // The parent form's ModalResult := ModalResult (when not 0), then OnClick.
    void Click() override;
    // BM_SETSTYLE: BS_DEFPUSHBUTTON gives the native button the default frame.
    void DefaultHandler(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMFocusChanged(TMessage& message);
    void WMGetDlgCode(TMessage& message);
    void BMSetState(TMessage& message);
    void BMGetState(TMessage& message);
    void WMFocusChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void PaintWindow(TCanvas& canvas) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    bool IsOwnerDrawnButton();
    void SetPushed(bool value);

private:
    bool FPushed = false;       // shown pushed (owner-drawn buttons)
    bool FMouseDown = false;    // the left button went down on it
    bool FSpaceDown = false;
    Integer FModalResult = 0;
    bool FDefault = false;
    // Enter is this button's: it has the focus, or it is the default and no button has it.
    bool FActive = false;
    bool FCancel = false;
};

// What a form's ModalResult is set through (the forms layer registers it).
void SetModalResultHook(void (*hook)(TWinControl* form, Integer result));

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// The glyph is kept for the program; the native button shows the caption only.
// A push button with a picture left of its caption.  The glyph holds NumGlyphs pictures side by
// side (up, disabled, clicked, down); the colour of its bottom-left pixel is transparent.  Without
// a second picture the disabled one is the first embossed.  A button of a kind other than
// bkCustom shows the kind's own picture while its glyph is empty.
class TBitBtn : public TButton {
    DECLARE_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* AOwner);
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind value);
    TBitmap& Glyph() { return FGlyph; }   // changes to it reach the button
    void SetGlyph(TBitmap* value) { FGlyph.Assign(value); }
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer value);

protected:
    void InitializeWindow() override;

private:
    void UpdateGlyph();
    TBitBtnKind FKind = bkCustom;
    TBitmap FGlyph;
    Integer FNumGlyphs = 1;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A windowless button.  Pressed with the mouse it shows down until released; released over it,
// it clicks.  With a GroupIndex it stays down when clicked and lets the other buttons of its
// group in the same parent up (a down one comes up again only with AllowAllUp).
class TSpeedButton : public TGraphicControl {
    DECLARE_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer value) { FGroupIndex = value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap& Glyph() { return FGlyph; }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void CMTextChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);

private:
    enum TButtonState { bsUp, bsPressed, bsExclusive };
    TButtonState FState = bsUp;
    bool FDown = false;
    Integer FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FDragging = false;
    bool FMouseInControl = false;
    TBitmap FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
};
