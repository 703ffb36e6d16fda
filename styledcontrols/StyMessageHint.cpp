#include "styledcontrols/StyMessageHint.h"

#include "styledcontrols/StyCustomControl.h"

const TEnumTypeInfo& TypeInfoOf(TStyHintStyle)
{
    static const TEnumTypeInfo info("TStyHintStyle",
                                    {"hsRect", "hsRoundRect", "hsEllipse", "hsNoseRect", "hsNoseRoundRect", "hsNoseEllipse"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyHintPosition)
{
    static const TEnumTypeInfo info("TStyHintPosition", {"hpAboveLeft", "hpAboveRight", "hpBelowLeft", "hpBelowRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyHintOption)
{
    static const TEnumTypeInfo info("TStyHintOption",
                                    {"hoShowTitle", "hoShowCloseButton", "hoShowIcon", "hoRightAngledNose"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyHintCloseBtnType)
{
    static const TEnumTypeInfo info("TStyHintCloseBtnType", {"hcbCustom", "hcbToolTip", "hcbToolWindow"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyHintHtml)
{
    static const TEnumTypeInfo info("TStyHintHtml", {"hhAuto", "hhYes"});
    return info;
}

// What a form description may set of a message hint.
TClass TStyMessageHint::StaticClass()
{
    static const TMetaClass meta("TStyMessageHint", TStyCustomShapeHint::StaticClass(), NewComponent<TStyMessageHint>,
                                 [](TMetaClass& m) {
        using C = TStyMessageHint;
        TPublished<C>(&m)
            .Property("About", &C::About, &C::SetAbout).Stored(false)
            .Property("AllowMultipleHints", &C::AllowMultipleHints, &C::SetAllowMultipleHints)
            .Property("BorderColor", &C::BorderColor, &C::SetBorderColor).Type("TColor").Default(clBlack)
            .Property("CloseBtnType", &C::CloseBtnType, &C::SetCloseBtnType).Default(hcbToolTip)
            .Property("CloseBtnStyle", &C::CloseBtnStyle, &C::SetCloseBtnStyle).Default(ubsWin40)
            .Property("Color", &C::Color, &C::SetColor).Type("TColor").Default(clInfoBk)
            .Property("DefaultTitle", [](C* c) { return c->DefaultTitle(); }, &C::SetDefaultTitle)
            .Property("Distance", &C::Distance, &C::SetDistance).Default(1)
            .Property("EnableHtml", &C::EnableHtml, &C::SetEnableHtml).Default(hhAuto)
            .Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true)
            .Property("Font", [](C* c) { return &c->Font(); }, [](C* c, TFont* f) { c->Font().Assign(f); })
            .Stored([](C* c) { return !c->UseScreenHintFont(); })
            .Property("Font3D", [](C* c) { return &c->Font3D(); }, [](C* c, TSty3DCaption* f) { c->Font3D().Assign(f); })
            .Property("Gradient", [](C* c) { return &c->Gradient(); }, [](C* c, TStyGradient* g) { c->Gradient().Assign(g); })
            .Property("HideAccelChar", &C::HideAccelChar, &C::SetHideAccelChar).Default(true)
            .Property("LinkColor", &C::LinkColor, &C::SetLinkColor).Type("TColor").Default(TColor(0xFF0000))
            .Property("LinkStyle", &C::LinkStyle, &C::SetLinkStyle).Default(TFontStyles{TFontStyle::fsUnderline})
            .Property("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(-4)
            .Property("NoseAngleWidth", &C::NoseAngleWidth, &C::SetNoseAngleWidth).Default(25)
            .Property("NoseLength", &C::NoseLength, &C::SetNoseLength).Default(25)
            .Property("NoseWidth", &C::NoseWidth, &C::SetNoseWidth).Default(25)
            .Property("Options", &C::Options, &C::SetOptions).Default(TStyHintOptions{})
            .Property("Position", &C::Position, &C::SetPosition).Default(hpAboveRight)
            .Property("RoundRectWidth", &C::RoundRectWidth, &C::SetRoundRectWidth).Default(18)
            .Property("SetCapture", &C::SetCapture, &C::SetSetCapture).Default(true)
            .Property("Shadow", [](C* c) { return &c->Shadow(); }, [](C* c, TStyShadow* s) { c->Shadow().Assign(s); })
            .Property("Style", &C::Style, &C::SetStyle).Default(hsNoseRoundRect)
            .Property("ThemeGlobalMode", &C::ThemeGlobalMode, &C::SetThemeGlobalMode).Default(false)
            .Property("ThemeMode", &C::ThemeMode, &C::SetThemeMode).Default(ttmPlatform)
            .Property("TitleFont", [](C* c) { return &c->TitleFont(); }, [](C* c, TFont* f) { c->TitleFont().Assign(f); })
            .Property("TitleFont3D", [](C* c) { return &c->TitleFont3D(); },
                      [](C* c, TSty3DCaption* f) { c->TitleFont3D().Assign(f); })
            .Property("UseGradient", &C::UseGradient, &C::SetUseGradient).Default(false)
            .Property("UseScreenHintFont", &C::UseScreenHintFont, &C::SetUseScreenHintFont).Default(true)
            .Property("UseSystemShadow", &C::UseSystemShadow, &C::SetUseSystemShadow).Default(false)
            .Property("OnCloseHintWindow", &C::OnCloseHintWindow)
            .Property("OnHide", &C::OnHide)
            .Property("OnShow", &C::OnShow)
            .Property("OnImageNeeded", &C::OnImageNeeded)
            .Property("OnImageNeededEx", &C::OnImageNeededEx)
            .Property("OnVariableNeeded", &C::OnVariableNeeded)
            .Property("OnTagFound", &C::OnTagFound)
            .Property("OnLinkClick", &C::OnLinkClick);
    });
    return &meta;
}
IMPLEMENT_CLASS(TStyMessageHintWindow, TStyShapeHintWindow, nullptr)

TStyMessageHint::TStyMessageHint(TComponent* AOwner) : TStyCustomShapeHint(AOwner, false) {}

TStyMessageHint::~TStyMessageHint() { HideMessages(-1); }

TClass TStyMessageHint::GetHintWindowClass() const { return TStyMessageHintWindow::StaticClass(); }

void TStyMessageHint::SetAllowMultipleHints(bool Value)
{
    FAllowMultipleHints = Value;
    if (Value) FSetCapture = false;
}

void TStyMessageHint::ShowMessage(const String& Msg, Integer x, Integer y, const String& aTitle, TColor aColor,
                                  TStyHintIconType aIcon, Integer aDisplayOrder)
{
    if (!FAllowMultipleHints) HideMessage();
    auto* window = new TStyMessageHintWindow(this, this);
    window->SetTitle(aTitle);
    if (aColor != clNone) window->SetColor(aColor);
    window->SetIconType(aIcon);
    window->SetDisplayOrder(aDisplayOrder);
    if (FAllowMultipleHints) window->SetTag(static_cast<Integer>(FWindows.size()) - 1);
    window->ActivateHintExt({x, y, -1, -1}, Msg);
}

void TStyMessageHint::ShowControlMessage(const String& Msg, TControl* aControl, const String& aTitle, TColor aColor,
                                         TStyHintIconType aIcon, Integer aDisplayOrder)
{
    if (!FAllowMultipleHints) HideMessage();
    if (!aControl || !aControl->Visible() || !aControl->Parent()) return;
    TPoint p = aControl->Parent()->ClientToScreen({aControl->Left(), aControl->Top()});
    ShowMessage(Msg.IsEmpty() ? aControl->Hint() : Msg, p.X + aControl->Width() / 2, p.Y + aControl->Height() / 2,
                aTitle, aColor, aIcon, aDisplayOrder);
}

void TStyMessageHint::HideMessage(TStyMessageHintWindow* AWindow)
{
    if (!AWindow) return;
    AWindow->Dismiss();   // hides it (OnHide) unless a key or click did so already
    delete AWindow;
}

void TStyMessageHint::HideMessages(Integer aDisplayOrder)
{
    for (Integer i = static_cast<Integer>(FWindows.size()) - 1; i >= 0; --i) {
        auto* window = static_cast<TStyMessageHintWindow*>(FWindows[static_cast<size_t>(i)]);
        if (aDisplayOrder == -1 || window->DisplayOrder() == aDisplayOrder) HideMessage(window);
    }
}

void TStyMessageHint::DoHide(TStyBaseHintWindow* Window)
{
    TStyCustomShapeHint::DoHide(Window);
}

TStyMessageHintWindow::TStyMessageHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyShapeHintWindow(AOwner, AHintControl)
{
}

TStyMessageHintWindow::~TStyMessageHintWindow()
{
    if (FCapturing) {
        SetKeyPreviewHook(nullptr);
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    }
}

void TStyMessageHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    TStyShapeHintWindow::ActivateHint(Rect, AHint);
    auto* hint = static_cast<TStyMessageHint*>(FHintControl);
    if (!hint || !hint->SetCapture()) return;
    SetCaptureControl(this);
    FCapturing = true;
    // Keys go to the focused window, not to the one holding the mouse: watch them all.
    SetKeyPreviewHook([this](TWinControl*, Word) {
        Dismiss();
        return true;
    });
}

void TStyMessageHintWindow::Dismiss()
{
    if (FCapturing) {
        FCapturing = false;
        SetKeyPreviewHook(nullptr);
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    }
    if (HandleAllocated() || Visible()) ReleaseHandle();
}

void TStyMessageHintWindow::WndProc(TMessage& Message)
{
    if (FCapturing) {
        const Cardinal m = Message.Msg;
        const bool button = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_LBUTTONUP ||
                            m == WM_RBUTTONUP || m == WM_MBUTTONUP || m == WM_LBUTTONDBLCLK;
        if (button || m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_CHAR || m == WM_NCMOUSEMOVE ||
            m == WM_ACTIVATE || m == WM_COMMAND) {
            Dismiss();
            if (m != WM_LBUTTONDOWN) return;
        }
    }
    TStyShapeHintWindow::WndProc(Message);
}
