#include "styledcontrols/StyThemedComboBox.h"

#include "platform/classes/FormReader.h"
#include "platform/graphics/GdiApi.h"
#include "platform/services/SysInfo.h"
#include "styledcontrols/StyCustomControl.h"

IMPLEMENT_CLASS(TStyThemedComboBox, TCustomComboBox, NewComponent<TStyThemedComboBox>)

TStyThemedComboBox::TStyThemedComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    FBtnWidth = GetSystemMetrics(SM_CXVSCROLL);
}

TStyThemedComboBox::~TStyThemedComboBox() = default;

TStyThemeMode TStyThemedComboBox::EffectiveThemeMode() const
{
    return ResolveThemeMode(const_cast<TStyThemedComboBox*>(this), FParentThemeMode, FThemeGlobalMode, FThemeMode);
}

void TStyThemedComboBox::SetThemeMode(TStyThemeMode Value)
{
    if (Value == FThemeMode) return;
    FThemeMode = Value;
    if (IsThemed()) FBgrColor = Color();
    else if (FBgrColor != clNone) SetColor(FBgrColor);
    ThemeChanged();
}

void TStyThemedComboBox::SetParentThemeMode(bool Value)
{
    if (Value == FParentThemeMode) return;
    FParentThemeMode = Value;
    ThemeChanged();
}

void TStyThemedComboBox::SetThemeGlobalMode(bool Value)
{
    if (Value == FThemeGlobalMode) return;
    FThemeGlobalMode = Value;
    ThemeChanged();
}

void TStyThemedComboBox::SetCtlXP(bool Value)
{
    if (Value != CtlXP()) SetThemeMode(Value ? ttmPlatform : ttmNone);
}

void TStyThemedComboBox::ThemeChanged()
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    FBtnWidth = GetSystemMetrics(SM_CXVSCROLL);
    if (IsThemed()) FBgrColor = Color();
    else if (FBgrColor != clNone) SetColor(FBgrColor);
    Invalidate();
}

void TStyThemedComboBox::MouseEntered()
{
    FMouseAbove = true;
    Invalidate();
}

void TStyThemedComboBox::MouseLeft()
{
    FMouseAbove = FMouseAboveBtn = FPressed = false;
    Invalidate();
}

TRect TStyThemedComboBox::DropButtonRect() const
{
    const TRect c = ClientRect();
    return {c.Right - FBtnWidth, c.Top, c.Right, c.Bottom};
}

void TStyThemedComboBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && PtInRect(DropButtonRect(), {X, Y})) {
        FPressed = true;
        Invalidate();
    }
    TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

void TStyThemedComboBox::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomComboBox::MouseMove(Shift, X, Y);
    const bool above = PtInRect(DropButtonRect(), {X, Y});
    if (above == FMouseAboveBtn) return;
    FMouseAboveBtn = above;
    Invalidate();
}

void TStyThemedComboBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FPressed = false;
    Invalidate();
    TCustomComboBox::MouseUp(Button, Shift, X, Y);
}

// Without a usable theme the drop-down button is the classic one, pushed while the mouse holds it
// or the list is down, greyed when disabled.
void TStyThemedComboBox::Paint()
{
    TCustomComboBox::Paint();
    TRect button = DropButtonRect();
    DrawFrameControl(Canvas().Handle(), &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (FPressed || DroppedDown() ? UINT(DFCS_PUSHED) : 0u) |
                         (Enabled() ? 0u : UINT(DFCS_INACTIVE)));
}

void TStyThemedComboBox::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        if (Message.LParam == 0 || Message.LParam == reinterpret_cast<std::intptr_t>(this)) MouseEntered();
        break;
    case CM_MOUSELEAVE:
        TCustomComboBox::WndProc(Message);
        if (Message.LParam == 0 || Message.LParam == reinterpret_cast<std::intptr_t>(this)) MouseLeft();
        return;
    case UM_PLACEBOUNDLABEL:
        PlaceEditLabel();
        return;
    case CM_VISIBLECHANGED: case CM_ENABLEDCHANGED:
        TCustomComboBox::WndProc(Message);
        if (FEditLabel) {
            FEditLabel->SetVisible(Visible());
            FEditLabel->SetEnabled(Enabled());
        }
        return;
    }
    TCustomComboBox::WndProc(Message);
}

// ---------------------------------------------------------------- bound label

TStrings& TStyThemedComboBox::Items()
{
    TStrings& own = TCustomComboBox::Items();
    TStrings* custom = GetCustomItems(&own);
    return custom ? *custom : own;
}

void TStyThemedComboBox::SetupEditLabel()
{
    if (FEditLabel) return;
    FEditLabel = new TStyBoundLabel(this);
    FEditLabel->FreeNotification(this);
    FEditLabel->SetFocusControl(this);
    if (Parent()) FEditLabel->SetParent(Parent());
    PlaceEditLabel();
}

void TStyThemedComboBox::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    PlaceEditLabel();
}

void TStyThemedComboBox::SetLabelSpacing(Integer Value)
{
    FLabelSpacing = Value;
    PlaceEditLabel();
}

void TStyThemedComboBox::SetLabelSync(bool Value)
{
    FLabelSync = Value;
    PlaceEditLabel();
}

// Above, below, left or right of the combo box, FLabelSpacing away; with LabelSync the label
// takes the combo box's width (above, below) or height (left, right).
void TStyThemedComboBox::PlaceEditLabel()
{
    if (!FEditLabel || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    Integer w = FEditLabel->Width(), h = FEditLabel->Height();
    const bool across = FLabelPosition == lpAbove || FLabelPosition == lpBelow;
    if (FLabelSync) (across ? w : h) = across ? Width() : Height();
    const Integer s = FLabelSpacing;
    switch (FLabelPosition) {
    case lpAbove: FEditLabel->SetBounds(Left(), Top() - h - s, w, h); break;
    case lpBelow: FEditLabel->SetBounds(Left(), Top() + Height() + s, w, h); break;
    case lpLeft: FEditLabel->SetBounds(Left() - w - s, Top(), w, h); break;
    case lpRight: FEditLabel->SetBounds(Left() + Width() + s, Top(), w, h); break;
    }
}

void TStyThemedComboBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceEditLabel();
}

void TStyThemedComboBox::SetParent(TWinControl* AParent)
{
    TCustomComboBox::SetParent(AParent);
    if (!FEditLabel) return;
    FEditLabel->SetParent(AParent);
    FEditLabel->SetVisible(true);
}

void TStyThemedComboBox::Loaded()
{
    TCustomComboBox::Loaded();
    PlaceEditLabel();
}

// Old forms stored the theme switch as "CtlXP"; the bound label is kept as its
// own description.
void TStyThemedComboBox::DefineProperties(TFiler* Filer)
{
    TCustomComboBox::DefineProperties(Filer);
    Filer->DefineProperty("CtlXP", [this](TReader* Reader) { SetCtlXP(Reader->ReadBoolean()); }, nullptr, false);
    DefineBoundLabel(Filer, FEditLabel, [this] {
        SetupEditLabel();
        return FEditLabel;
    });
}

void TStyThemedComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FEditLabel) FEditLabel = nullptr;
}
