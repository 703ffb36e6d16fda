#include "styledcontrols/StyCustomHint.h"

#include <algorithm>

#include "foundation/StySysInfo.h"

IMPLEMENT_CLASS(TStyBaseHint, TStyCustomComponent, nullptr)
IMPLEMENT_CLASS(TStyBaseHintWindow, THintWindow, nullptr)
IMPLEMENT_CLASS(TStyHintBevel, TStyBevel, nullptr)
IMPLEMENT_CLASS(TStyCustomHint, TStyBaseHint, NewComponent<TStyCustomHint>)
IMPLEMENT_CLASS(TStyCustomHintWindow, TStyBaseHintWindow, NewComponent<TStyCustomHintWindow>)
IMPLEMENT_CLASS(TStyCustomHTMLHint, TStyCustomHint, NewComponent<TStyCustomHTMLHint>)
IMPLEMENT_CLASS(TStyCustomHTMLHintWindow, TStyBaseHintWindow, NewComponent<TStyCustomHTMLHintWindow>)

namespace {
TStyBaseHint* gHookInForce = nullptr;    // the component whose window class the hints use
TStyBaseHint* gCreatingWith = nullptr;   // the component a window being made belongs to
}

// ---------------------------------------------------------------- base hint

TStyBaseHint::TStyBaseHint(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyBaseHint::~TStyBaseHint()
{
    FEnabled = false;
    ApplyEnabled();
    while (!FWindows.empty()) delete FWindows.back();
}

TStyBaseHint* TStyBaseHint::HookInForce() { return gHookInForce; }

void TStyBaseHint::Loaded()
{
    TStyCustomComponent::Loaded();
    ApplyEnabled();
}

void TStyBaseHint::SetEnabled(bool Value)
{
    if (Value == FEnabled) return;
    FEnabled = Value;
    ApplyEnabled();
}

// The application's hint window class follows the enabled component: enabling one disables the
// one in force; disabling puts back the class that was replaced.  The application makes its hint
// window again for the next hint.
void TStyBaseHint::ApplyEnabled()
{
    if (FEnabled == FHookEnabled || !CanHook() || !Application) return;
    Application->CancelHint();
    if (FEnabled) {
        if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
        if (gHookInForce && gHookInForce != this) gHookInForce->SetEnabled(false);
        gHookInForce = this;
        FOldHintClass = HintWindowClass;
        HintWindowClass = GetHintWindowClass();
    } else {
        if (gHookInForce == this) gHookInForce = nullptr;
        if (FOldHintClass) HintWindowClass = FOldHintClass;
        FOldHintClass = nullptr;
    }
    const bool show = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetShowHint(show);
    FHookEnabled = FEnabled;
}

void TStyBaseHint::ApplyEnabledAgain()
{
    if (FHookEnabled) {
        const bool enabled = FEnabled;
        FEnabled = false;
        ApplyEnabled();
        FEnabled = enabled;
    }
    ApplyEnabled();
}

Integer TStyBaseHint::RealMaxWidth() const
{
    if (FMaxWidth >= 0) return FMaxWidth;
    return Screen->WorkAreaRect().Width() / -FMaxWidth;
}

TStyBaseHintWindow::TStyBaseHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : THintWindow(AOwner)
{
    if (!AHintControl) AHintControl = gCreatingWith;
    FIsCustom = AHintControl != nullptr;
    FHintControl = AHintControl ? AHintControl : TStyBaseHint::HookInForce();
    if (FHintControl) FHintControl->FWindows.push_back(this);
}

TStyBaseHintWindow* TStyBaseHintWindow::CreateCustom(TClass WindowClass, TComponent* AOwner, TStyBaseHint* AHintControl)
{
    gCreatingWith = AHintControl;
    TObject* window = nullptr;
    try {
        window = WindowClass->Create(AOwner);
    } catch (...) {
        gCreatingWith = nullptr;
        throw;
    }
    gCreatingWith = nullptr;
    return static_cast<TStyBaseHintWindow*>(window);
}

TStyBaseHintWindow::~TStyBaseHintWindow()
{
    if (FHintControl) std::erase(FHintControl->FWindows, this);
    FHintControl = nullptr;
}

// ---------------------------------------------------------------- plain hint

TStyHintBevel::TStyHintBevel(TPersistent* AOwner) : TStyBevel(AOwner) { SetStyleOuter(bvLowered); }

TStyCustomHint::TStyCustomHint(TComponent* AOwner, bool Hookable) : TStyBaseHint(AOwner)
{
    FFont.SetName("MS Sans Serif");
    FFont.SetSize(8);
    FFont.SetColor(clInfoText);
    if (Hookable) ApplyEnabledAgain();
}

TStyCustomHint::~TStyCustomHint() = default;

TClass TStyCustomHint::GetHintWindowClass() const { return TStyCustomHintWindow::StaticClass(); }

// The screen's hint font is the system's: Tahoma of 8 points, whose bold face is a true one.
const TFont& TStyCustomHint::GetHintFont() const
{
    static const TFont screenHintFont = [] {
        TFont f;
        f.SetName("Tahoma");
        f.SetHeight(-11);
        f.SetColor(clInfoText);
        return f;
    }();
    return FUseFont ? screenHintFont : FFont;
}

void TStyCustomHint::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyCustomHint*>(Source);
    if (!source) {
        TStyBaseHint::Assign(Source);
        return;
    }
    FBevel.Assign(&source->FBevel);
    FColor = source->FColor;
    FFont3D.Assign(&source->FFont3D);
    FMaxWidth = source->FMaxWidth;
    FFont.Assign(source->FFont);
    FUseFont = source->FUseFont;
}

void TStyCustomHint::ShowHint(const String& Msg, Integer x, Integer y, Word ms)
{
    TStyBaseHintWindow* window = TStyBaseHintWindow::CreateCustom(GetHintWindowClass(), this, this);
    window->ActivateHint({x, y, -1, -1}, Msg);
    ProcessMessagesFor(ms);
    delete window;
}

void TStyCustomHint::ShowControlHint(const String& Msg, TControl* aControl, Word ms)
{
    if (!aControl || !aControl->Visible() || !aControl->Parent()) return;
    const TRect b = aControl->BoundsRect();
    const TPoint p = aControl->Parent()->ClientToScreen({b.Left + b.Width() / 2, b.Top + b.Height() / 2});
    ShowHint(Msg.IsEmpty() ? aControl->Hint() : Msg, p.X, p.Y, ms);
}

TStyCustomHintWindow::TStyCustomHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyBaseHintWindow(AOwner, AHintControl)
{
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
}

void TStyCustomHintWindow::CreateParams(TCreateParams& Params)
{
    TStyBaseHintWindow::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.WindowClassStyle |= CS_DROPSHADOW;
}

void TStyCustomHintWindow::CalcTextRect(const String& Text, TRect& Rect)
{
    TStyCustomHint* hint = Hint();
    TFont font;
    font.Assign(hint->GetHintFont());
    const TRect inner = hint->Bevel().ClientRect({0, 0, 100, 100});
    MeasureCaption(Text, &hint->Font3D(), Rect, font, true, !hint->HideAccelChar(), inner.Left,
                   hint->HideAccelChar() ? UINT{DT_NOPREFIX} : 0);
}

void TStyCustomHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    TStyCustomHint* hint = Hint();
    if (!hint) {
        TStyBaseHintWindow::ActivateHint(Rect, AHint);
        return;
    }
    SetColor(hint->Color());
    TRect r{0, 0, hint->RealMaxWidth(), 0};
    CalcTextRect(AHint, r);
    OffsetRect(r, Rect.Left, Rect.Top);
    r.Right += 6;
    r.Bottom += 2;
    TStyBaseHintWindow::ActivateHint(r, AHint);
}

void TStyCustomHintWindow::Paint()
{
    TStyCustomHint* hint = Hint();
    if (!hint) {
        TStyBaseHintWindow::Paint();
        return;
    }
    TCanvas& c = Canvas();
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(hint->Color());
    c.FillRect(ClientRect());
    TRect r = hint->Bevel().PaintBevel(c, ClientRect(), true);
    OffsetRect(r, 2, 2);
    c.Font().Assign(hint->GetHintFont());
    DrawHintText(c, Caption(), r);
}

void TStyCustomHintWindow::DrawHintText(TCanvas& Canvas, const String& Text, const TRect& Rect)
{
    TStyCustomHint* hint = Hint();
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TStyDrawTextStyles styles;
    styles.Include(Enabled() ? dtEnabled : dtDisabled);
    DrawCaptionText(Canvas, Text, &hint->Font3D(), Rect, DT_WORDBREAK | (hint->HideAccelChar() ? UINT{DT_NOPREFIX} : 0),
                    styles, nullptr);
}

// ---------------------------------------------------------------- HTML hint

TStyCustomHTMLHint::TStyCustomHTMLHint(TComponent* AOwner, bool Hookable) : TStyCustomHint(AOwner, Hookable)
{
    if (Hookable) ApplyEnabledAgain();
}

TStyCustomHTMLHint::~TStyCustomHTMLHint() = default;

TClass TStyCustomHTMLHint::GetHintWindowClass() const { return TStyCustomHTMLHintWindow::StaticClass(); }

TStyCustomHTMLHintWindow::TStyCustomHTMLHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyBaseHintWindow(AOwner, AHintControl)
{
    SetCaption(String());
    FMaxWidth = Screen->Width();
    if (TStyCustomHTMLHint* hint = HTMLHint()) {
        FRender.OnVariableNeeded = hint->OnVariableNeeded;
        FRender.OnImageNeeded = hint->OnImageNeeded;
        FRender.OnImageNeededEx = hint->OnImageNeededEx;
        FRender.OnTagFound = hint->OnTagFound;
        FHintFont.Assign(hint->GetHintFont());
    }
    FRender.SetDoubleBuffered(false);
}

void TStyCustomHTMLHintWindow::SetHintText(const String& Text)
{
    SetCaption(Text);
    TStyCustomHTMLHint* hint = HTMLHint();
    FIsHTML = (hint && hint->EnableHtml() == hhYes) || SameText(Copy(Text, 1, 6), "<html>");
}

void TStyCustomHTMLHintWindow::PrepareRender()
{
    TStyHTMLData& d = *FRender.Data();
    d.FDefaultColor = FHintFont.Color();
    d.FDefaultBgColor = clNone;
    d.FDefaultStyle = FHintFont.Style();
    d.FDefaultHeight = FHintFont.Height();
    d.FDefaultFont = FHintFont.Name();
    if (TStyCustomHTMLHint* hint = HTMLHint()) {
        d.FLinkColor = hint->LinkColor();
        d.FLinkStyle = hint->LinkStyle();
    }
}

TRect TStyCustomHTMLHintWindow::CalcHintRect(Integer MaxWidth, const String& AHint)
{
    if (TStyCustomHTMLHint* hint = HTMLHint()) FHintFont.Assign(hint->GetHintFont());
    SetHintText(AHint);
    if (AHint.IsEmpty()) return {};
    FMaxWidth = MaxWidth;
    TRect r;
    if (FIsHTML) {
        PrepareRender();
        FRender.PrepareText(AHint, MaxWidth, FWordWrap);
        r = {0, 0, FRender.Data()->TextSize().cx, FRender.Data()->TextSize().cy + 2};
    } else {
        r = {0, 0, MaxWidth, 0};
        TCanvas& c = FRender.Canvas();
        c.Font().Assign(FHintFont);
        ::DrawText(c.Handle(), AHint, -1, &r, DT_CALCRECT | DT_NOPREFIX | (FWordWrap ? UINT{DT_WORDBREAK} : 0));
    }
    AdjustHintRect(r);
    return r;
}

void TStyCustomHTMLHintWindow::AdjustHintRect(TRect& Rect)
{
    Rect.Right += 4;
    Rect.Bottom += 4;
}

void TStyCustomHTMLHintWindow::LinkClick(const String& Href)
{
    if (TStyCustomHTMLHint* hint = HTMLHint()) hint->OnLinkClick(this, Href);
}

void TStyCustomHTMLHintWindow::MeasureText(const String& Text, TRect& Rect)
{
    Rect = CalcHintRect(FMaxWidth, Text);
}

void TStyCustomHTMLHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    if (Caption().IsEmpty() && AHint.IsEmpty()) return;
    SetHintText(AHint);
    TRect r = Rect;
    r.Bottom += 4;
    const TRect desk = Screen->WorkAreaRect();
    if (r.Bottom > desk.Bottom) OffsetRect(r, 0, desk.Bottom - r.Bottom);
    if (r.Right > desk.Right) OffsetRect(r, desk.Right - r.Right, 0);
    if (r.Left < desk.Left) OffsetRect(r, desk.Left - r.Left, 0);
    if (r.Top < desk.Top) OffsetRect(r, 0, desk.Top - r.Top);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    HandleNeeded();
    SetWindowPos(this, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (!FShownTold) DoShowHint();
    Invalidate();
}

void TStyCustomHTMLHintWindow::ReleaseHandle()
{
    if (FShownTold) DoHideHint();
    TStyBaseHintWindow::ReleaseHandle();
}

void TStyCustomHTMLHintWindow::PaintHintText(const TRect& Rect)
{
    FTextRect = Rect;
    TCanvas& c = Canvas();
    c.Font().Assign(FHintFont);
    if (FIsHTML) {
        PrepareRender();
        FRender.PrepareText(Caption(), FMaxWidth - 4, true);
        FRender.DrawText(c, {0, 0}, Rect, clNone);
    } else {
        TRect r = Rect;
        c.Brush().SetStyle(TBrushStyle::bsClear);
        ::DrawText(c.Handle(), Caption(), -1, &r, DT_NOPREFIX | (FWordWrap ? UINT{DT_WORDBREAK} : 0));
    }
}

void TStyCustomHTMLHintWindow::DoShowHint()
{
    FCursor = Screen->Cursor();
    FShownTold = true;
    if (TStyCustomHTMLHint* hint = HTMLHint()) hint->DoShow(this);
}

void TStyCustomHTMLHintWindow::DoHideHint()
{
    if (FShownTold) Screen->SetCursor(FCursor);
    FShownTold = false;
    if (TStyCustomHTMLHint* hint = HTMLHint()) hint->DoHide(this);
}

void TStyCustomHTMLHintWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_LBUTTONDOWN && FIsHTML) {
        String href;
        TPoint p{static_cast<SmallInt>(Message.LParam & 0xFFFF), static_cast<SmallInt>((Message.LParam >> 16) & 0xFFFF)};
        if (FRender.IsCursorOverLink({p.X - FTextRect.Left, p.Y - FTextRect.Top}, {0, 0}, FTextRect, href)) {
            LinkClick(href);
            return;
        }
    }
    TStyBaseHintWindow::WndProc(Message);
}
