// The form and application stylers: styles pushed to forms, frames and their components through
// the style interfaces, Metro tones, the style chooser combo box and theme-change notification.
#include "listcontrols/GxAppStyler.h"

#include <algorithm>

#include "platform/forms/Forms.h"
#include "platform/forms/Frames.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

namespace {
bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }
bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }
bool IsFrame(const TComponent* c) { return dynamic_cast<const TCustomFrame*>(c) != nullptr; }

// The form's colour for a style.
TColor FormColor(TGxStyle AStyle)
{
    switch (AStyle) {
    case tsOffice2013White: case tsOffice2016White: case tsOffice2019White: return TColor(0xFFFFFF);
    case tsOffice2013LightGray: return TColor(0xC0C0C0);
    case tsOffice2013Gray: case tsOffice2016Gray: return TColor(0x808080);
    case tsOffice2019Gray: return TColor(0x666666);
    case tsOffice2016Black: case tsOffice2019Black: return TColor(0x000000);
    default: return clBtnFace;
    }
}
}  // namespace

// ---------------------------------------------------------------- TThemeNotifierWindow
IMPLEMENT_CLASS(TThemeNotifierWindow, TWinControl, nullptr)

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner)
{
    FVisible = false;
    FTabStop = false;
}

void TThemeNotifierWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_THEMECHANGED) OnThemeChange(this);
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------- TGxFormStyler
IMPLEMENT_CLASS(TGxFormStyler, TComponent, NewComponent<TGxFormStyler>)

TGxFormStyler::TGxFormStyler(TComponent* AOwner) : TComponent(AOwner), FTones(DefaultColorTones())
{
    FMetroColor = FTones.Selected.BrushColor;
    if (Designing(this) && AOwner && !Loading(AOwner) && !AOwner->ComponentState().Contains(csReading))
        FAppColor = TColor(0xE29E00);
    if (!Designing(this)) {
        FNotifier = new TThemeNotifierWindow(this);
        for (TComponent* c = AOwner; c; c = c->Owner())
            if (auto* windowed = dynamic_cast<TWinControl*>(c)) {
                FNotifier->SetParent(windowed);
                break;
            }
        FNotifier->OnThemeChange = TNotifyEvent(this, &TGxFormStyler::ThemeChanged);
    }
}

TGxFormStyler::~TGxFormStyler()
{
    if (FAppStyle && !Designing(this)) FAppStyle->UnRegisterFormStyler(this);
}

void TGxFormStyler::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TGxFormStyler*>(Source);
    if (!other) return;
    SetAutoThemeAdapt(other->AutoThemeAdapt());
    SetStyle(other->Style());
}

void TGxFormStyler::Loaded()
{
    TComponent::Loaded();
    if (Designing(this)) return;
    if (FAppStyle) {
        SetStyle(FAppStyle->Style());
        FTones = FAppStyle->Tones();
        SetMetro(FAppStyle->Metro());
        SetMetroStyle(FAppStyle->MetroStyle());
        SetMetroTextColor(FAppStyle->MetroTextColor());
        SetMetroColor(FAppStyle->MetroColor());
    } else {
        const TGxStyle stored = FStyle;
        SetStyle(tsCustom);
        SetStyle(stored);
    }
    if (FMetro) SetColorTones(FTones);
    ThemeChanged();
}

void TGxFormStyler::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FAppStyle) FAppStyle = nullptr;
    if (AComponent == FComboBox) FComboBox = nullptr;
}

void TGxFormStyler::ApplyStyle()
{
    if (!FEnabled) return;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) ApplyStyleToForm(form, FStyle);
    if (auto* frame = dynamic_cast<TCustomFrame*>(Owner())) ApplyStyleToFrame(frame, FStyle);
    DoChange();
}

void TGxFormStyler::StyleComponent(TComponent* C, TGxStyle AStyle)
{
    auto* withColor = dynamic_cast<IGxStyleAppColor*>(C);
    auto* styled = withColor ? nullptr : dynamic_cast<IGxStyle*>(C);
    if (!withColor && !styled) return;
    bool allow = true;
    OnApplyStyle(this, C, allow);
    if (!allow) return;
    if (withColor) withColor->ApplyComponentStyleAndColor(AStyle, FAppColor);
    else styled->ApplyComponentStyle(AStyle);
    OnAppliedStyle(this, C);
}

void TGxFormStyler::ApplyStyleToForm(TWinControl* Form, TGxStyle AStyle)
{
    Form->SetColor(FormColor(AStyle));
    StyleComponent(Form, AStyle);
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* c = Form->Components(i);
        if (IsFrame(c)) ApplyStyleToFrame(static_cast<TWinControl*>(c), AStyle);
        StyleComponent(c, AStyle);
    }
}

void TGxFormStyler::ApplyStyleToFrame(TWinControl* Frame, TGxStyle AStyle)
{
    for (int i = 0; i < Frame->ComponentCount(); ++i) {
        TComponent* c = Frame->Components(i);
        StyleComponent(c, AStyle);
        if (IsFrame(c)) ApplyStyleToFrame(static_cast<TWinControl*>(c), AStyle);
    }
}

void TGxFormStyler::ToneComponent(TComponent* C, const TColorTones& Tones)
{
    auto* toned = dynamic_cast<IGxColorTones*>(C);
    if (!toned) return;
    bool allow = true;
    OnApplyColorTones(this, C, allow);
    if (allow) toned->ApplyColorTones(Tones);
    OnAppliedColorTones(this, C);
}

void TGxFormStyler::ApplyColorTonesToForm(TWinControl* Form, const TColorTones& Tones)
{
    ToneComponent(Form, Tones);
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* c = Form->Components(i);
        if (IsFrame(c)) ApplyColorTonesToFrame(static_cast<TWinControl*>(c), Tones);
        ToneComponent(c, Tones);
    }
}

void TGxFormStyler::ApplyColorTonesToFrame(TWinControl* Frame, const TColorTones& Tones)
{
    for (int i = 0; i < Frame->ComponentCount(); ++i) {
        TComponent* c = Frame->Components(i);
        ToneComponent(c, Tones);
        if (IsFrame(c)) ApplyColorTonesToFrame(static_cast<TWinControl*>(c), Tones);
    }
}

void TGxFormStyler::SetColorTones(const TColorTones& Tones)
{
    FMetro = true;
    FStyle = tsCustom;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) ApplyColorTonesToForm(form, Tones);
    if (auto* frame = dynamic_cast<TCustomFrame*>(Owner())) ApplyColorTonesToFrame(frame, Tones);
}

TStringList* TGxFormStyler::GetStyles()
{
    static const TGxStyle order[] = {
        tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
        tsOffice2007Silver, tsOffice2007Obsidian, tsWindowsXP, tsWindowsVista, tsWindows7, tsWindows8, tsWindows10,
        tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black, tsOffice2013White,
        tsOffice2013LightGray, tsOffice2013Gray, tsOffice2016White, tsOffice2016Gray, tsOffice2016Black,
        tsOffice2019White, tsOffice2019Gray, tsOffice2019Black, tsCustom};
    auto* list = new TStringList();
    for (TGxStyle style : order)
        list->AddObject(GxStyleDisplayName(style), reinterpret_cast<TObject*>(static_cast<std::intptr_t>(style)));
    return list;
}

void TGxFormStyler::HandleStyleSelect(TObject* Sender)
{
    auto* box = dynamic_cast<TCustomComboBox*>(Sender);
    if (!box || box->ItemIndex() < 0) return;
    SetStyle(static_cast<TGxStyle>(reinterpret_cast<std::intptr_t>(box->Items().Objects(box->ItemIndex()))));
}

void TGxFormStyler::SetComboBox(TCustomComboBox* Value)
{
    if (FComboBox) FComboBox->RemoveFreeNotification(this);
    FComboBox = Value;
    if (!FComboBox) return;
    FComboBox->FreeNotification(this);
    std::unique_ptr<TStringList> styles(GetStyles());
    FComboBox->Items().Assign(*styles);
    FComboBox->OnSelect = TNotifyEvent(this, &TGxFormStyler::HandleStyleSelect);
    FComboBox->SetStyle(csDropDownList);
    for (Integer i = 0; i < FComboBox->Items().Count(); ++i)
        if (reinterpret_cast<std::intptr_t>(FComboBox->Items().Objects(i)) == FStyle) {
            FComboBox->SetItemIndex(i);
            break;
        }
}

void TGxFormStyler::SetStyle(TGxStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    if (Value != tsCustom && !Loading(this)) ApplyStyle();
}

void TGxFormStyler::SetAppColor(TColor Value)
{
    if (FAppColor == Value) return;
    FAppColor = Value;
    if (FStyle != tsCustom && !Loading(this)) ApplyStyle();
}

void TGxFormStyler::SetAppStyle(TGxAppStyler* Value)
{
    if (FAppStyle) FAppStyle->RemoveFreeNotification(this);
    FAppStyle = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    if (!Loading(this)) SetStyle(Value->Style());
    if (!Designing(this)) Value->RegisterFormStyler(this);
}

void TGxFormStyler::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    ThemeChanged();
}

void TGxFormStyler::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    if (Value) ApplyStyle();
}

void TGxFormStyler::SetMetro(bool Value)
{
    if (FMetro == Value) return;
    FMetro = Value;
    if (Value) UpdateMetroTones();
}

void TGxFormStyler::SetMetroColor(TColor Value)
{
    if (FMetroColor == Value) return;
    FMetroColor = Value;
    UpdateMetroTones();
}

void TGxFormStyler::SetMetroStyle(TMetroStyle Value)
{
    if (FMetroStyle == Value) return;
    FMetroStyle = Value;
    UpdateMetroTones();
}

void TGxFormStyler::SetMetroTextColor(TColor Value)
{
    if (FMetroTextColor == Value) return;
    FMetroTextColor = Value;
    UpdateMetroTones();
}

void TGxFormStyler::UpdateMetroTones()
{
    if (!FEnabled) return;
    FTones = CreateMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor);
    if (FStyle == tsCustom && FMetro) SetColorTones(FTones);
}

void TGxFormStyler::ThemeChanged(TObject*)
{
    if (FAutoThemeAdapt) SetStyle(DetectDefaultStyle(false));
}

// ---------------------------------------------------------------- TGxAppStyler
IMPLEMENT_CLASS(TGxAppStyler, TComponent, NewComponent<TGxAppStyler>)

TGxAppStyler::TGxAppStyler(TComponent* AOwner) : TComponent(AOwner)
{
    FMetroColor = DefaultColorTones().Selected.BrushColor;
    if (!Designing(this)) {
        FNotifier = new TThemeNotifierWindow(this);
        if (Application && Application->MainForm()) FNotifier->SetParent(Application->MainForm());
        FNotifier->OnThemeChange = TNotifyEvent(this, &TGxAppStyler::ThemeChanged);
    }
}

TGxAppStyler::~TGxAppStyler()
{
    const std::vector<TGxFormStyler*> forms = FForms;
    for (TGxFormStyler* styler : forms) styler->SetAppStyle(nullptr);
    FForms.clear();
}

bool TGxAppStyler::Quiet() const { return Loading(this) || Designing(this); }

void TGxAppStyler::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TGxAppStyler*>(Source);
    if (!other) return;
    SetStyle(other->Style());
    SetAutoThemeAdapt(other->AutoThemeAdapt());
}

void TGxAppStyler::Loaded()
{
    TComponent::Loaded();
    if (FAutoThemeAdapt) ThemeChanged();
}

void TGxAppStyler::ApplyStyle()
{
    if (!FEnabled) return;
    for (TGxFormStyler* styler : FForms) {
        styler->SetMetro(FMetro);
        styler->SetMetroStyle(FMetroStyle);
        styler->SetMetroColor(FMetroColor);
        styler->SetMetroTextColor(FMetroTextColor);
        styler->SetAppColor(FAppColor);
        styler->SetStyle(FStyle);
        styler->SetAppColor(FAppColor);
    }
    DoChange();
}

void TGxAppStyler::RegisterFormStyler(TGxFormStyler* AStyler)
{
    if (std::find(FForms.begin(), FForms.end(), AStyler) == FForms.end()) FForms.push_back(AStyler);
}

void TGxAppStyler::UnRegisterFormStyler(TGxFormStyler* AStyler)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), AStyler), FForms.end());
}

void TGxAppStyler::SetColorTones(const TColorTones& Tones)
{
    FTones = Tones;
    FMetro = true;
    FStyle = tsCustom;
    FMetroColor = Tones.Selected.BrushColor;
    FMetroTextColor = Tones.Background.TextColor;
    if (Tones.Background.BrushColor == TColor(0xFFFFFF)) FMetroStyle = msLight;
    else if (Tones.Background.BrushColor == TColor(0x000000)) FMetroStyle = msDark;
    if (!Quiet())
        for (TGxFormStyler* styler : FForms) styler->SetColorTones(Tones);
    DoChange();
}

void TGxAppStyler::SetStyle(TGxStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    if (!Quiet()) ApplyStyle();
}

void TGxAppStyler::SetAppColor(TColor Value)
{
    FAppColor = Value;
    if (!Quiet())
        for (TGxFormStyler* styler : FForms) {
            styler->SetStyle(FStyle);
            styler->SetAppColor(FAppColor);
        }
    DoChange();
}

void TGxAppStyler::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    ThemeChanged();
}

void TGxAppStyler::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    if (Value) ApplyStyle();
}

void TGxAppStyler::SetMetro(bool Value)
{
    if (FMetro == Value) return;
    FMetro = Value;
    UpdateMetroTones();
}

void TGxAppStyler::SetMetroColor(TColor Value)
{
    if (FMetroColor == Value) return;
    FMetroColor = Value;
    UpdateMetroTones();
}

void TGxAppStyler::SetMetroStyle(TMetroStyle Value)
{
    if (FMetroStyle == Value) return;
    FMetroStyle = Value;
    UpdateMetroTones();
}

void TGxAppStyler::SetMetroTextColor(TColor Value)
{
    if (FMetroTextColor == Value) return;
    FMetroTextColor = Value;
    UpdateMetroTones();
}

void TGxAppStyler::UpdateMetroTones()
{
    const TColorTones tones = CreateMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor);
    if (FStyle == tsCustom && FMetro) {
        if (!Quiet())
            for (TGxFormStyler* styler : FForms) styler->SetColorTones(tones);
        DoChange();
    }
}

void TGxAppStyler::ThemeChanged(TObject*)
{
    if (FAutoThemeAdapt) SetStyle(DetectDefaultStyle(false));
}

// ---------------------------------------------------------------- the form's style
TGxStyle GetOwnerFormStyle(TComponent* AComponent, TGxStyle Default)
{
    TWinControl* form = nullptr;
    if (auto* asForm = dynamic_cast<TCustomForm*>(AComponent)) form = asForm;
    else if (auto* control = dynamic_cast<TControl*>(AComponent)) form = GetParentForm(control);
    if (!form) return Default;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* styler = dynamic_cast<TGxFormStyler*>(form->Components(i));
        if (styler && styler->Enabled() && styler->Style() != tsCustom) return styler->Style();
    }
    return Default;
}

// ---------------------------------------------------------------- published properties
void RegisterGxStylerClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    using F = TGxFormStyler;
    TPublished<F>(F::StaticClass())
        .Property("Style", &F::Style, &F::SetStyle).Default(tsCustom)
        .Property("AppStyle", &F::AppStyle, &F::SetAppStyle)
        .Property("AutoThemeAdapt", &F::AutoThemeAdapt, &F::SetAutoThemeAdapt).Default(false)
        .Property("MetroStyle", &F::MetroStyle, &F::SetMetroStyle).Default(msLight)
        .Property("Metro", &F::Metro, &F::SetMetro).Default(false)
        .Property("MetroTextColor", &F::MetroTextColor, &F::SetMetroTextColor).Type("TColor").Default(clBlack)
        .Property("MetroColor", &F::MetroColor, &F::SetMetroColor).Type("TColor").Default(clHighlight)
        .Property("Enabled", &F::Enabled, &F::SetEnabled).Default(true)
        .Property("ComboBox", &F::ComboBox, &F::SetComboBox)
        .Property("AppColor", &F::AppColor, &F::SetAppColor).Type("TColor").Default(clBlack)
        .Property("Version", [](F* f) { return f->Version(); }, nullptr).Stored(false)
        .Property("OnChange", &F::OnChange)
        .Property("OnApplyStyle", &F::OnApplyStyle)
        .Property("OnApplyColorTones", &F::OnApplyColorTones)
        .Property("OnAppliedStyle", &F::OnAppliedStyle)
        .Property("OnAppliedColorTones", &F::OnAppliedColorTones);
    using A = TGxAppStyler;
    TPublished<A>(A::StaticClass())
        .Property("Style", &A::Style, &A::SetStyle).Default(tsCustom)
        .Property("AutoThemeAdapt", &A::AutoThemeAdapt, &A::SetAutoThemeAdapt).Default(false)
        .Property("MetroStyle", &A::MetroStyle, &A::SetMetroStyle).Default(msLight)
        .Property("Metro", &A::Metro, &A::SetMetro).Default(false)
        .Property("MetroTextColor", &A::MetroTextColor, &A::SetMetroTextColor).Type("TColor").Default(clBlack)
        .Property("MetroColor", &A::MetroColor, &A::SetMetroColor).Type("TColor").Default(clHighlight)
        .Property("Enabled", &A::Enabled, &A::SetEnabled).Default(true)
        .Property("AppColor", &A::AppColor, &A::SetAppColor).Type("TColor").Default(clNone)
        .Property("Version", [](A* a) { return a->Version(); }, nullptr).Stored(false)
        .Property("OnChange", &A::OnChange);
    RegisterClasses({TGxFormStyler::StaticClass(), TGxAppStyler::StaticClass()});
}
