#pragma once
// The extension layer under the edit controls' own controls: the class library's control
// notifications turned into overridable operations, mouse enter and leave with a MouseOver flag,
// dialog-code negotiation as a set, and an erase message painted through a canvas.
// TEcExCustomControl extends windowed custom controls, TEcExGraphicControl windowless ones.
#include "platform/forms/Forms.h"

// The dialog codes a control asks for (WM_GETDLGCODE); dcNative keeps the window's own answer.
enum TDialogCode { dcWantAllKeys, dcWantArrows, dcWantChars, dcButton, dcHasSetSel, dcWantTab, dcNative };
using TDialogCodes = Set<TDialogCode>;

// Alt 0x20000000, Ctrl 0x10000000, Shift 0x08000000.
Integer ShiftToKeyData(TShiftState Shift);
TDialogCodes DlgcToDialogCodes(Cardinal Dlgc);
Cardinal DialogCodesToDlgc(TDialogCodes Codes);   // dcNative has no window flag

// The colour of a control's hint from its own hint colour: clNone gives the application's hint
// colour, clDefault the colour its parent gives the hint (unchanged without a parent), any other
// value itself.
void ResolveHintColor(THintInfo& HintInfo, TControl* Control, TColor HintColor);
// A control's own look for its hint: its colour as ResolveHintColor gives it, and its hint-window
// class when it has one.
void ApplyOwnHintLook(THintInfo& HintInfo, TControl* Control, TColor HintColor, THintWindowClass WindowClass);

// The "DotNet" focus frame: two nested one-pixel frames, both in the highlight blue $00733800
// when highlighted, else grey $00808080 outside and Color inside.
void DrawDotNetFrame(HDC DC, const TRect& Rect, TColor Color, bool Highlighted);
// The frame over the whole window of the control, highlighted while it has the focus or the mouse.
void PaintDotNetHighlight(TWinControl* Control, TColor Color, bool MouseOver);
// Focus, frame painting and mouse enter and leave redraw the frame; leaving also repaints the
// two-pixel ring under it.  Nothing at design time.
void HandleDotNetHighlight(TWinControl* Control, const TMessage& Message, bool MouseOver, TColor Color);

// Theming code asks whether a control wants to be left alone; none of ours does.
constexpr Cardinal CM_ISTHEMINGEXEMPT = 0xB7D0;

// The notifications both extension classes answer; each default forwards the class library's
// message to the base class.
class TEcExNotifications {
public:
    virtual ~TEcExNotifications() = default;
    virtual void TextChanged() = 0;
    virtual bool WantKey(Integer Key, TShiftState Shift) = 0;
    virtual bool HitTest(Integer X, Integer Y) = 0;
    virtual void FocusChanged(TControl* Control) = 0;
    virtual void VisibleChanged() = 0;
    virtual void EnabledChanged() = 0;
    virtual void ColorChanged() = 0;
    virtual void FontChanged() = 0;
    virtual void ParentFontChanged() = 0;
    virtual void ParentColorChanged() = 0;
    virtual void ParentShowHintChanged() = 0;
    // The hint about to show; true: no hint.
    virtual bool HintShow(THintInfo& HintInfo) = 0;
    virtual void MouseEnter(TControl* Control) = 0;
    virtual void MouseLeave(TControl* Control) = 0;
};

// Runs the operation of a notification message; false for any other message.
bool DispatchExNotification(TEcExNotifications& target, TMessage& message);

// The extension over a control class of the class library: each notification reaches its
// operation, whose default hands the class library's message to the base class; mouse enter and
// leave keep MouseOver; a hint comes in the control's own colour and window class.
template <class Base>
class TEcExControl : public Base, public TEcExNotifications {
public:
    explicit TEcExControl(TComponent* AOwner) : Base(AOwner) {}
    void WndProc(TMessage& message) override
    {
        if (!DispatchExNotification(*this, message)) Base::WndProc(message);
    }
    bool MouseOver() const { return FMouseOver; }

    TNotifyEvent OnMouseEnter, OnMouseLeave, OnParentColorChanged;

protected:
    void TextChanged() override { Forward(CM_TEXTCHANGED); }
    bool WantKey(Integer Key, TShiftState Shift) override
    {
        return Forward(CM_DIALOGCHAR, static_cast<Word>(Key), ShiftToKeyData(Shift)) != 0;
    }
    bool HitTest(Integer X, Integer Y) override { return Forward(CM_HITTEST, 0, MakeLParam(X, Y)) != 0; }
    void FocusChanged(TControl* Control) override { Forward(CM_FOCUSCHANGED, 0, Ptr(Control)); }
    void VisibleChanged() override { Forward(CM_VISIBLECHANGED); }
    void EnabledChanged() override { Forward(CM_ENABLEDCHANGED); }
    void ColorChanged() override { Forward(CM_COLORCHANGED); }
    void FontChanged() override { Forward(CM_FONTCHANGED); }
    void ParentFontChanged() override { Forward(CM_PARENTFONTCHANGED); }
    void ParentColorChanged() override
    {
        Forward(CM_PARENTCOLORCHANGED);
        OnParentColorChanged(this);
    }
    void ParentShowHintChanged() override { Forward(CM_PARENTSHOWHINTCHANGED); }
    bool HintShow(THintInfo& HintInfo) override
    {
        ApplyOwnHintLook(HintInfo, this, FHintColor, FHintWindowClass);
        return Forward(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&HintInfo)) != 0;
    }
    // MouseOver is set before the event, and the event fires before the base class hears of it.
    void MouseEnter(TControl* Control) override
    {
        FMouseOver = true;
        OnMouseEnter(this);
        Forward(CM_MOUSEENTER, 0, Ptr(Control));
    }
    // MouseOver is cleared first; the event fires once the base class has heard of it.
    void MouseLeave(TControl* Control) override
    {
        FMouseOver = false;
        Forward(CM_MOUSELEAVE, 0, Ptr(Control));
        OnMouseLeave(this);
    }

    // A fresh message to the base class's window procedure; its result.
    std::intptr_t Forward(Cardinal msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0)
    {
        TMessage m{msg, wParam, lParam, 0};
        Base::WndProc(m);
        return m.Result;
    }
    static std::intptr_t Ptr(TControl* control) { return reinterpret_cast<std::intptr_t>(control); }

    TColor FHintColor = clDefault;
    THintWindowClass FHintWindowClass = nullptr;   // when set, the window class of this control's hints
    bool FMouseOver = false;
};

class TEcExCustomControl : public TEcExControl<TCustomControl> {
    DECLARE_CLASS(TEcExCustomControl, TCustomControl)
public:
    explicit TEcExCustomControl(TComponent* AOwner) : TEcExControl(AOwner) {}
    void WndProc(TMessage& message) override;
    bool DotNetHighlighting() const { return FDotNetHighlighting; }
    void SetDotNetHighlighting(bool value) { FDotNetHighlighting = value; }

protected:
    virtual void BoundsChanged() {}
    virtual void GetDlgCode(TDialogCodes& Codes) { (void)Codes; }
    virtual void FocusSet(HWND PreviousWindow) { Forward(WM_SETFOCUS, reinterpret_cast<std::intptr_t>(PreviousWindow)); }
    virtual void FocusKilled(HWND NextWindow) { Forward(WM_KILLFOCUS, reinterpret_cast<std::intptr_t>(NextWindow)); }
    // Paints the background on the erase message's device context; true: erased.  A class that
    // does not override it erases as its base does.
    virtual bool PaintBackground(TCanvas& Canvas, std::intptr_t Param);
    virtual void CursorChanged() { Forward(CM_CURSORCHANGED); }
    virtual void ShowingChanged() { Forward(CM_SHOWINGCHANGED); }
    virtual void ShowHintChanged() { Forward(CM_SHOWHINTCHANGED); }
    virtual void ControlsListChanging(TControl* Control, bool Inserting);
    virtual void ControlsListChanged(TControl* Control, bool Inserting);
    // The message to the operation that stands for it, else to the base class.
    void DispatchExMessage(TMessage& message);

private:
    bool FDotNetHighlighting = false;
    bool FPaintBackgroundOverridden = true;
};

class TEcExGraphicControl : public TEcExControl<TGraphicControl> {
    DECLARE_CLASS(TEcExGraphicControl, TGraphicControl)
public:
    explicit TEcExGraphicControl(TComponent* AOwner) : TEcExControl(AOwner) {}
};
