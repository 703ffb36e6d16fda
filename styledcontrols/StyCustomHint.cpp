#include "styledcontrols/StyCustomHint.h"

#include <algorithm>

IMPLEMENT_CLASS(TStyBaseHint, TStyCustomComponent, nullptr)
IMPLEMENT_CLASS(TStyBaseHintWindow, THintWindow, nullptr)
IMPLEMENT_CLASS(TStyCustomHTMLHint, TStyBaseHint, NewComponent<TStyCustomHTMLHint>)
IMPLEMENT_CLASS(TStyCustomHTMLHintWindow, TStyBaseHintWindow, nullptr)

TStyBaseHint::TStyBaseHint(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyBaseHint::~TStyBaseHint()
{
    while (!FWindows.empty()) delete FWindows.back();
}

Integer TStyBaseHint::RealMaxWidth() const
{
    if (FMaxWidth >= 0) return FMaxWidth;
    return Screen->WorkAreaRect().Width() / -FMaxWidth;
}

TStyBaseHintWindow::TStyBaseHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : THintWindow(AOwner), FHintControl(AHintControl), FIsCustom(AHintControl != nullptr)
{
    if (FHintControl) FHintControl->FWindows.push_back(this);
}

TStyBaseHintWindow::~TStyBaseHintWindow()
{
    if (FHintControl) std::erase(FHintControl->FWindows, this);
    FHintControl = nullptr;
}

TStyCustomHTMLHint::TStyCustomHTMLHint(TComponent* AOwner) : TStyBaseHint(AOwner)
{
    FFont.SetName("Tahoma");
    FFont.SetHeight(-11);
    FFont.SetColor(clInfoText);
}

TStyCustomHTMLHint::~TStyCustomHTMLHint() = default;

const TFont& TStyCustomHTMLHint::GetHintFont() const { return FFont; }

TStyCustomHTMLHintWindow::TStyCustomHTMLHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyBaseHintWindow(AOwner, AHintControl)
{
    SetCaption(String());
    FMaxWidth = Screen->Width();
    if (TStyCustomHTMLHint* hint = HTMLHint()) {
        FRender.OnVariableNeeded = hint->OnVariableNeeded;
        FRender.OnImageNeeded = hint->OnImageNeeded;
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
        ::DrawText(c.Handle(), AHint, -1, &r, DT_CALCRECT | DT_NOPREFIX | (FWordWrap ? DT_WORDBREAK : 0));
    }
    r.Right += 4;
    r.Bottom += 4;
    return r;
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
    Invalidate();
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
        ::DrawText(c.Handle(), Caption(), -1, &r, DT_NOPREFIX | (FWordWrap ? DT_WORDBREAK : 0));
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
            if (TStyCustomHTMLHint* hint = HTMLHint()) hint->OnLinkClick(this, href);
            return;
        }
    }
    TStyBaseHintWindow::WndProc(Message);
}
