// The combo box: creation and loading, its properties, the attached label, the colour sets of the
// styles, the validation tooltip and the edit's balloon tip.
#include "listcontrols/GxCombo.h"

#include <cmath>

#include "platform/forms/Forms.h"
#include "platform/rtl/RtlMath.h"
#include "platform/services/SysInfo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const TEnumTypeInfo& TypeInfoOf(TGxCustomCombo::TLabelPosition)
{
    static const TEnumTypeInfo info(
        "TLabelPosition", {"lpLeftTop", "lpLeftCenter", "lpLeftBottom", "lpTopLeft", "lpBottomLeft", "lpLeftTopLeft",
                           "lpLeftCenterLeft", "lpLeftBottomLeft", "lpTopCenter", "lpBottomCenter", "lpRightTop",
                           "lpRightCenter", "lpRighBottom", "lpTopRight", "lpBottomRight"});
    return info;
}

namespace {
bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }
bool Loading(const TComponent* c) { return c->ComponentState().Contains(csLoading); }
Integer RoundInt(double v) { return static_cast<Integer>(std::nearbyint(v)); }

// The vertical scroll bar's width at a resolution.
Integer ScrollBarWidthAt(Integer PPI) { return MulDiv(GetSystemMetrics(SM_CXVSCROLL), PPI, 96); }
}  // namespace

IMPLEMENT_CLASS(TGxComboBox, TGxCustomCombo, NewComponent<TGxComboBox>)

TGxCustomCombo::TGxCustomCombo(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    FButtonWidth = ScrollBarWidthAt(CurrentPPI());
    FIsWinXP = IsWinXPOrLater();
    FIsThemed = IsComCtl6();
    FLabelFont.Assign(Font());
    FLabelFont.OnChange = [this] { LabelFontChanged(); };
    ButtonColor = ButtonColorHot = ButtonColorDown = ButtonTextColor = ButtonTextColorHot = ButtonTextColorDown =
        ButtonBorderColor = clNone;
    FDesignCreate = Designing(this) && AOwner && !Loading(AOwner) && !AOwner->ComponentState().Contains(csReading);
    if (FDesignCreate) ApplyUIStyle(GetOwnerFormStyle(AOwner, tsCustom));
}

TGxCustomCombo::~TGxCustomCombo()
{
    FLabelFont.OnChange = nullptr;
    if (FLabel) {
        FLabel->SetParent(nullptr);
        delete FLabel;
    }
}

Integer TGxCustomCombo::GetVersionNr() const { return (2 << 24) | 6; }

String TGxCustomCombo::Version() const { return VersionText(GetVersionNr()); }

void TGxCustomCombo::Loaded()
{
    FLoaded = true;
    TCustomComboBox::Loaded();
    FLblFntHeight = FLabelFont.Height();
    if (FDropWidth > 0) SetDropWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat) TControl::SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
        UpdateLabel();
        if (ParentFont()) FLabel->Font().Assign(Font());
    }
    FParentFnt = ParentFont();
    if (FLabel) UpdateLabel();
    Init();
    if (!Designing(this) && IsCustomStyleActive(StyleServices(), false)) SetLabelTransparent(true);
}

void TGxCustomCombo::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    FDPIScale = GetControlDPIScale(this, &Canvas());
    if (!FLoaded && !ParentFont() && !LabelCaption().IsEmpty() && !Designing(this) && !Loading(this)) {
        FLblUpdate = true;
        FLabelFont.SetHeight(RoundInt(FLblFntHeight * FDPIScale));
        FLblUpdate = false;
    }
    if (FLabel) UpdateLabelPos();
    // The edit child's messages come through the box first.
    COMBOBOXINFO info;
    info.cbSize = 52;
    if (GetComboBoxInfo(this, &info) && info.hwndItem &&
        info.hwndItem->WindowProc != TWndMethod(this, &TGxCustomCombo::EditSubclassProc)) {
        FWinProc = info.hwndItem->WindowProc;
        info.hwndItem->WindowProc = TWndMethod(this, &TGxCustomCombo::EditSubclassProc);
    }
}

void TGxCustomCombo::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FToolTip) FToolTip = nullptr;
    if (Operation == opRemove && AComponent == FToolTipWindow) FToolTipWindow = nullptr;
    if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TGxCustomCombo::SetParent(TWinControl* AParent)
{
    TCustomComboBox::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        if (AParent) UpdateLabel();
    }
}

void TGxCustomCombo::ChangeScale(Integer M, Integer D)
{
    TCustomComboBox::ChangeScale(M, D);
    FLblUpdate = true;
    FLabelFont.SetHeight(MulDiv(FLabelFont.Height(), M, D));
    FLblUpdate = false;
    FDPIScale = GetControlDPIScale(this, HandleAllocated() ? &Canvas() : nullptr);
    FButtonWidth = ScrollBarWidthAt(CurrentPPI());
    if (HandleAllocated()) SetDropWidth(FDropWidth);
}

// ---------------------------------------------------------------- property writers
void TGxCustomCombo::SetColor(TColor Value)
{
    if (Loading(this)) FLoadedColor = Value;
    TControl::SetColor(Value);
    FNormalColor = Value;
}

void TGxCustomCombo::SetButtonWidth(Integer Value)
{
    if (Value < 14 || Value > 32) return;
    FButtonWidth = Value;
    Invalidate();
}

void TGxCustomCombo::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    if (HandleAllocated()) Perform(WM_NCPAINT);
}

void TGxCustomCombo::SetDropWidth(Integer Value)
{
    FDropWidth = Value;
    if (Value > 0) Perform(CB_SETDROPPEDWIDTH, RoundInt(Value * FDPIScale));
}

void TGxCustomCombo::SetEmptyText(const String& Value)
{
    FEmptyText = Value;
    Invalidate();
}

void TGxCustomCombo::SetEmptyTextStyle(TFontStyles Value)
{
    FEmptyTextStyle = Value;
    Invalidate();
}

void TGxCustomCombo::SetEtched(bool Value)
{
    FEtched = Value;
    Invalidate();
}

void TGxCustomCombo::SetFlatLineColor(TColor Value)
{
    FFlatLineColor = Value;
    Invalidate();
}

void TGxCustomCombo::SetFlatParentColor(bool Value)
{
    FFlatParentColor = Value;
    Invalidate();
}

void TGxCustomCombo::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    SetCtl3D(!Value);
    if (!FFlatParentColor || !FFlat) TControl::SetColor(FLoadedColor);
    else if (Parent()) TControl::SetColor(ParentBrushColor());
    Invalidate();
}

void TGxCustomCombo::SetToolTip(TGxToolTip* Value)
{
    if (FToolTip == Value) return;
    if (FToolTip) FToolTip->RemoveFreeNotification(this);
    FToolTip = Value;
    if (FToolTip) FToolTip->FreeNotification(this);
}

void TGxCustomCombo::SetLabelFont(const TFont& Value)
{
    if (!ParentFont()) FLabelFont.Assign(Value);
}

TColor TGxCustomCombo::ParentBrushColor() const { return Parent() ? Parent()->Color() : Color(); }

// ---------------------------------------------------------------- enabled, visible, fonts
void TGxCustomCombo::CMEnabledChanged(TMessage& message)
{
    if (FFlat && !Loading(this)) {
        if (Enabled()) {
            SetParentColor(FOldParentColor);
            TControl::SetColor(FOldColor);
        } else {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        }
    }
    InheritedMessage(StaticClass(), message);
    if (FLabel && !FLabelAlwaysEnabled && !Loading(this) && !Designing(this)) {
        FLabel->SetEnabled(Enabled());
        FLabel->Invalidate();
    }
}

void TGxCustomCombo::CMVisibleChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FLabel) FLabel->SetVisible(Visible());
}

void TGxCustomCombo::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (Designing(this) && !Loading(this) && FLabelFontEqual) {
        FLabelFont.Assign(Font());
        if (FLabel) FLabel->Font().Assign(Font());
    }
}

void TGxCustomCombo::CMParentFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FLabel && ParentFont()) FLabel->Font().Assign(Font());
}

void TGxCustomCombo::LabelFontChanged()
{
    if (FLabel) UpdateLabel();
    if (!Loading(this) && !FDesignCreate) SetParentFont(false);
    if (!Loading(this) && !FLblUpdate) FLblFntHeight = FLabelFont.Height();
    FLabelFontEqual = SameFont(Font(), FLabelFont);
}

// ---------------------------------------------------------------- selection
void TGxCustomCombo::SelectItem(const String& AText)
{
    const Integer index = Items().IndexOf(AText);
    if (index < 0) return;
    SetItemIndex(index);
    Change();
}

// ---------------------------------------------------------------- styles
void TGxCustomCombo::ApplyUIStyle(TGxStyle AStyle)
{
    FGxStyle = AStyle;
    if (AStyle == tsCustom) return;
    struct TRow {
        TColor Color, FlatLine, LabelColor, TextColor;
        bool Buttons;                 // the seven button colours below are set
        TColor Button[7];
    };
    TRow row{0xFFFFFF, clWindowText, clWindowText, clWindowText, true, {clNone, clNone, clNone, clNone, clNone,
                                                                         clNone, clNone}};
    switch (AStyle) {
    case tsOffice2013LightGray: case tsOffice2013Gray: case tsOffice2016White:
        row.Buttons = false;
        break;
    case tsOffice2016Gray: row = {0xB2B2B2, 0x444444, clWindowText, clWindowText, false, {}}; break;
    case tsOffice2016Black: row = {0x363636, 0x444444, 0xC0C0C0, 0xC0C0C0, false, {}}; break;
    case tsOffice2019White:
        row = {0xFFFFFF, 0xABABAB, clWindowText, 0x444648, true,
               {0xFFFFFF, 0xF2E1D5, 0xE3BDA3, 0x444648, 0x232425, 0x232425, 0xABABAB}};
        break;
    case tsOffice2019Gray:
        row = {0xB8BBBE, 0x808080, 0xFFFFFF, 0x232425, true,
               {0xB8BBBE, 0x969696, 0x666666, 0x232425, 0x232425, 0x232425, 0x808080}};
        break;
    case tsOffice2019Black:
        row = {0x444444, 0x686868, 0xFFFFFF, 0xFFFFFF, true,
               {0x444444, 0x686868, 0x828282, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x686868}};
        break;
    default: break;
    }
    if (FFlat && Parent()) {
        if (FFlatParentColor) TControl::SetColor(ParentBrushColor());
    } else {
        TControl::SetColor(row.Color);
    }
    FFlatLineColor = row.FlatLine;
    FLabelFont.SetColor(row.LabelColor);
    Font().SetColor(row.TextColor);
    FFontColor = row.TextColor;
    FFocusFontColor = row.TextColor;
    if (row.Buttons) {
        TColor* buttons[7] = {&ButtonColor, &ButtonColorHot, &ButtonColorDown, &ButtonTextColor, &ButtonTextColorHot,
                              &ButtonTextColorDown, &ButtonBorderColor};
        for (int i = 0; i < 7; ++i) *buttons[i] = row.Button[i];
    }
    Invalidate();
}

// ---------------------------------------------------------------- tooltip and balloon
void TGxCustomCombo::ShowBalloon(const String& Title, const String& Text, TBalloonType BalloonType)
{
    COMBOBOXINFO info;
    info.cbSize = 52;
    if (!GetComboBoxInfo(this, &info) || !info.hwndItem) return;
    EDITBALLOONTIP tip;
    tip.cbStruct = 16;
    tip.pszTitle = Title;
    tip.pszText = Text;
    tip.ttiIcon = static_cast<Integer>(BalloonType);
    SendMessage(info.hwndItem, EM_SHOWBALLOONTIP, 0, reinterpret_cast<std::intptr_t>(&tip));
}

void TGxCustomCombo::HideBalloon()
{
    COMBOBOXINFO info;
    info.cbSize = 52;
    if (GetComboBoxInfo(this, &info) && info.hwndItem) SendMessage(info.hwndItem, EM_HIDEBALLOONTIP, 0, 0);
}

void TGxCustomCombo::ShowValidation(const String& AText)
{
    if (!FToolTipWindow) {
        FToolTipWindow = new TGxToolTipWindow(this);
        FToolTipWindow->FreeNotification(this);
    }
    FToolTipWindow->SetText(AText);
    FToolTipWindow->Show(this, FToolTip);
}

void TGxCustomCombo::HideValidation()
{
    delete FToolTipWindow;
    FToolTipWindow = nullptr;
}

// ---------------------------------------------------------------- the attached label
void TGxCustomCombo::CreateLabel()
{
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFocusControl(this);
    FLabel->Font().Assign(FLabelFont);
    FLabel->OnClick = TNotifyEvent(this, &TGxCustomCombo::LabelClicked);
    FLabel->OnDblClick = TNotifyEvent(this, &TGxCustomCombo::LabelDblClicked);
    FLabel->SetParentFont(ParentFont());
}

String TGxCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }

void TGxCustomCombo::SetLabelCaption(const String& Value)
{
    if (!FLabel) {
        if (Value.IsEmpty()) return;
        CreateLabel();
    } else if (FLabel->Caption() == Value) {
        return;
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TGxCustomCombo::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    if (FLabel) UpdateLabel();
}

void TGxCustomCombo::SetLabelMargin(Integer Value)
{
    FLabelMargin = Value;
    if (FLabel) UpdateLabel();
}

void TGxCustomCombo::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel) UpdateLabel();
}

void TGxCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (FLabel) UpdateLabel();
}

void TGxCustomCombo::UpdateLabel()
{
    if (!FLabel || !FLabel->Parent()) return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font().Assign(FParentFnt ? Font() : FLabelFont);
    if (FFocusLabel) SetLabelBold(Focused() || FHasFocus);
    if (FLabel->Parent()->HandleAllocated()) UpdateLabelPos();
}

void TGxCustomCombo::SetLabelBold(bool Bold)
{
    if (!FLabel) return;
    TFontStyles style = FLabel->Font().Style();
    if (Bold) style.Include(TFontStyle::fsBold);
    else style.Exclude(TFontStyle::fsBold);
    FLabel->Font().SetStyle(style);
}

// The height of "0" in a 9-point font at a resolution, measured on a screen canvas.
namespace {
Integer CharHeightAtPPI(Integer PPI)
{
    TBitmap screen(1, 1);
    screen.Canvas().Font().SetName("Tahoma");
    screen.Canvas().Font().SetHeight(-MulDiv(9, PPI, 72));
    return screen.Canvas().TextHeight("0");
}
}  // namespace

float TGxCustomCombo::GetLabelScale() const
{
    Integer ppi = 96;
    auto* form = dynamic_cast<TCustomForm*>(FormWindow());
    if (!form) ppi = Screen ? Screen->PixelsPerInch() : 96;
    else if (form->Scaled()) ppi = form->CurrentPPI();
    if (ppi == 96) return 1.0f;
    return static_cast<float>(CharHeightAtPPI(ppi)) / static_cast<float>(CharHeightAtPPI(96));
}

void TGxCustomCombo::UpdateLabelPos()
{
    if (!FLabel) return;
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(FLabel->Font());
    TRect r{0, 0, 1000, 255};
    const String caption = FLabel->Caption();
    DrawText(measure.Canvas().Handle(), caption, caption.Length(), &r, DT_CALCRECT | DT_HIDEPREFIX);
    FLabel->SetHeight(r.Height());
    const Integer w = r.Right;
    const Integer m = static_cast<Integer>(FLabelMargin * GetLabelScale());
    const Integer L = Left(), T = Top(), W = Width(), H = Height();
    const Integer lw = FLabel->Width(), lh = FLabel->Height();
    Integer top = T, left = L;
    switch (FLabelPosition) {
    case lpLeftTop: top = T; left = L - w - m; break;
    case lpLeftCenter: top = T + (H - lh) / 2; left = L - w - m; break;
    case lpLeftBottom: top = T + H - lh; left = L - w - m; break;
    case lpTopLeft: top = T - lh - m; left = L; break;
    case lpBottomLeft: top = T + H + m; left = L; break;
    case lpLeftTopLeft: top = T; left = L - m; break;
    case lpLeftCenterLeft: top = T + (H - lh) / 2; left = L - m; break;
    case lpLeftBottomLeft: top = T + H - lh; left = L - m; break;
    case lpTopCenter: top = T - lh - m; left = L + (W - lw) / 2; break;
    case lpBottomCenter: top = T + H + m; left = L + (W - lw) / 2; break;
    case lpRightTop: top = T; left = L + W + m; break;
    case lpRightCenter: top = T + (H - lh) / 2; left = L + W + m; break;
    case lpRighBottom: top = T + H - lh; left = L + W + m; break;
    case lpTopRight: top = T - lh - m; left = L + W - lw; break;
    case lpBottomRight: top = T + H + m; left = L + W - lw; break;
    }
    FLabel->SetTop(top);
    FLabel->SetLeft(left);
    FLabel->SetVisible(Visible());
}

void TGxCustomCombo::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    if (FLabel) {
        const Integer m = static_cast<Integer>(FLabelMargin * FDPIScale);
        const TAlign a = Align();
        switch (FLabelPosition) {
        case lpLeftTop: case lpLeftCenter: case lpLeftBottom:
            if (a == alTop || a == alBottom || a == alClient) {
                ALeft += m + FLabel->Width();
                AWidth -= m + FLabel->Width();
            }
            break;
        case lpTopLeft: case lpTopCenter:
            if (a == alTop || a == alLeft || a == alRight || a == alClient) ATop += FLabel->Height();
            break;
        case lpRightTop: case lpRightCenter: case lpRighBottom:
            if (a == alTop || a == alBottom || a == alClient) AWidth -= m + FLabel->Width();
            break;
        default: break;
        }
    }
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!ComponentState().Contains(csDestroying)) UpdateLabel();
}

// ---------------------------------------------------------------- published properties
void RegisterGxComboClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    using C = TGxCustomCombo;
    TPublished<C>(C::StaticClass())
        .Property("AutoDropWidth", &C::AutoDropWidth, &C::SetAutoDropWidth).Default(false)
        .Property("AutoFocus", &C::AutoFocus, &C::SetAutoFocus).Default(false)
        .Property("BorderColor", &C::BorderColor, &C::SetBorderColor).Type("TColor").Default(clNone)
        .Property("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth).Default(19)
        .Property("Color", [](C* c) { return c->Color(); }, &C::SetColor).Type("TColor").Default(clWindow)
        .Property("DisabledBorder", &C::DisabledBorder, &C::SetDisabledBorder).Default(true)
        .Property("DropWidth", &C::DropWidth, &C::SetDropWidth).Default(0)
        .Property("EmptyText", [](C* c) { return c->EmptyText(); }, &C::SetEmptyText)
        .Property("EmptyTextFocused", &C::EmptyTextFocused, &C::SetEmptyTextFocused).Default(false)
        .Property("EmptyTextStyle", &C::EmptyTextStyle, &C::SetEmptyTextStyle)
        .Property("Etched", &C::Etched, &C::SetEtched).Default(false)
        .Property("Flat", &C::Flat, &C::SetFlat).Default(false)
        .Property("FlatLineColor", &C::FlatLineColor, &C::SetFlatLineColor).Type("TColor").Default(clBlack)
        .Property("FlatParentColor", &C::FlatParentColor, &C::SetFlatParentColor).Default(true)
        .Property("FocusBorder", &C::FocusBorder, &C::SetFocusBorder).Default(false)
        .Property("FocusBorderColor", &C::FocusBorderColor, &C::SetFocusBorderColor).Type("TColor").Default(clNone)
        .Property("FocusColor", &C::FocusColor, &C::SetFocusColor).Type("TColor").Default(clNone)
        .Property("FocusFontColor", &C::FocusFontColor, &C::SetFocusFontColor).Type("TColor").Default(clNone)
        .Property("FocusLabel", &C::FocusLabel, &C::SetFocusLabel).Default(false)
        .Property("LabelCaption", [](C* c) { return c->LabelCaption(); }, &C::SetLabelCaption)
        .Property("LabelPosition", &C::LabelPosition, &C::SetLabelPosition).Default(TGxCustomCombo::lpLeftTop)
        .Property("LabelMargin", &C::LabelMargin, &C::SetLabelMargin).Default(4)
        .Property("LabelTransparent", &C::LabelTransparent, &C::SetLabelTransparent).Default(false)
        .Property("LabelAlwaysEnabled", &C::LabelAlwaysEnabled, &C::SetLabelAlwaysEnabled).Default(false)
        .Property("LabelFont", [](C* c) { return &c->LabelFont(); }, [](C* c, TFont* v) { if (v) c->SetLabelFont(*v); })
        .Property("ReturnIsTab", &C::ReturnIsTab, &C::SetReturnIsTab).Default(false)
        .Property("UIStyle", &C::UIStyle, &C::SetUIStyle).Default(tsCustom)
        .Property("ToolTip", &C::ToolTip, &C::SetToolTip)
        .Property("Version", [](C* c) { return c->Version(); }, &C::SetVersion)
        .Property("OnDropUp", &C::OnDropUp)
        .Property("OnLabelClick", &C::OnLabelClick)
        .Property("OnLabelDblClick", &C::OnLabelDblClick);
    using T = TGxToolTip;
    TPublished<T>(T::StaticClass())
        .Property("BorderColor", &T::BorderColor, &T::SetBorderColor).Type("TColor").Default(clRed)
        .Property("Images", &T::Images, &T::SetImages)
        .Property("MaxWidth", &T::MaxWidth, &T::SetMaxWidth).Default(0)
        .Property("Color", &T::Color, &T::SetColor).Type("TColor").Default(clRed)
        .Property("ControlBorderColor", &T::ControlBorderColor, &T::SetControlBorderColor).Type("TColor").Default(clRed)
        .Property("Font", [](T* t) { return &t->Font(); }, [](T* t, TFont* v) { if (v) t->SetFont(*v); })
        .Property("X", &T::X, &T::SetX).Default(0)
        .Property("Y", &T::Y, &T::SetY).Default(0)
        .Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1)
        .Property("Position", &T::Position, &T::SetPosition).Default(ttRight)
        .Property("Rounding", &T::Rounding, &T::SetRounding).Default(2)
        .Property("Shape", &T::Shape, &T::SetShape).Default(tsBalloon)
        .Property("Margin", &T::Margin, &T::SetMargin).Default(0)
        .Property("Version", [](T* t) { return t->Version(); }, nullptr).Stored(false);
    RegisterClasses({TGxComboBox::StaticClass(), TGxToolTip::StaticClass()});
}
