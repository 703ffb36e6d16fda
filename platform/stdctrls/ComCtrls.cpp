#include "platform/stdctrls/ComCtrls.h"

#include "platform/stdctrls/StdCtrls.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/DateUtils.h"

// ---------------------------------------------------------------- TStatusPanel
IMPLEMENT_CLASS(TStatusPanel, TCollectionItem, NewCollectionItem<TStatusPanel>)

void TStatusPanel::SetText(const String& value)
{
    if (FText == value) return;
    FText = value;
    Changed(false);
}

void TStatusPanel::SetWidth(Integer value)
{
    if (FWidth == value) return;
    FWidth = value;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value)
{
    if (FBevel == value) return;
    FBevel = value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Changed(false);
}

void TStatusPanel::Assign(TPersistent* Source)
{
    if (auto* panel = dynamic_cast<TStatusPanel*>(Source)) {
        FText = panel->FText;
        FWidth = panel->FWidth;
        FAlignment = panel->FAlignment;
        FBevel = panel->FBevel;
        FStyle = panel->FStyle;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(Source);
}

String TStatusPanel::GetDisplayName() { return FText.IsEmpty() ? TCollectionItem::GetDisplayName() : FText; }

// ---------------------------------------------------------------- TStatusPanels
IMPLEMENT_CLASS(TStatusPanels, TCollection, nullptr)

TStatusPanels::TStatusPanels(TStatusBar* StatusBar) : TCollection(TStatusPanel::StaticClass()), FStatusBar(StatusBar)
{
    SetPropName("Panels");
}

TPersistent* TStatusPanels::GetOwner() { return FStatusBar; }

void TStatusPanels::Update(TCollectionItem*) { FStatusBar->Invalidate(); }

// ---------------------------------------------------------------- TStatusBar
IMPLEMENT_CLASS(TStatusBar, TCustomControl, NewComponent<TStatusBar>)

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), FPanels(new TStatusPanels(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    FHeight = 19;
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() { delete FPanels; }

void TStatusBar::SetSimplePanel(bool value)
{
    if (FSimplePanel == value) return;
    FSimplePanel = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const String& value)
{
    if (FSimpleText == value) return;
    FSimpleText = value;
    if (FSimplePanel) Invalidate();
}

void TStatusBar::SetSizeGrip(bool value)
{
    if (FSizeGrip == value) return;
    FSizeGrip = value;
    Invalidate();
}

// Panels start 2 pixels below the top; each is Width wide with 2 pixels between them.
TRect TStatusBar::PanelRect(Integer index) const
{
    TRect client = ClientRect();
    if (FSimplePanel) return TRect{0, 2, client.Right, client.Bottom};
    Integer left = 0;
    for (Integer i = 0; i < index; ++i) left += FPanels->Items(i)->Width() + 2;
    bool last = index == FPanels->Count() - 1;
    Integer right = last ? std::max(left + FPanels->Items(index)->Width(), client.Right)
                         : left + FPanels->Items(index)->Width();
    return TRect{left, 2, right, client.Bottom};
}

void TStatusBar::DrawPanelText(const String& text, TRect rect, TAlignment alignment)
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    rect = TRect{rect.Left + 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1};
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &rect,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | alignments[alignment]);
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) { OnDrawPanel(this, Panel, Rect); }

void TStatusBar::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    auto frame = [&](TRect r, TStatusPanelBevel bevel) {
        if (bevel != pbNone) DrawEdge(canvas.Handle(), &r, bevel == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    };
    if (FSimplePanel) {
        TRect r = PanelRect(0);
        frame(r, pbLowered);
        DrawPanelText(FSimpleText, r, taLeftJustify);
    } else {
        for (Integer i = 0; i < FPanels->Count(); ++i) {
            TStatusPanel* panel = FPanels->Items(i);
            TRect r = PanelRect(i);
            frame(r, panel->Bevel());
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            if (panel->Style() == psOwnerDraw)
                DrawPanel(panel, TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
            else
                DrawPanelText(panel->Text(), r, panel->Alignment());
        }
    }
    if (FSizeGrip) {
        TRect grip{Width() - ScrollBarSize, Height() - ScrollBarSize, Width(), Height()};
        DrawFrameControl(canvas.Handle(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

// ---------------------------------------------------------------- TTabSheet
TClass TTabSheet::StaticClass()
{
    static const TMetaClass meta("TTabSheet", TCustomControl::StaticClass(), NewComponent<TTabSheet>,
                                 [](TMetaClass& m) { m.OnMessage(CM_TEXTCHANGED, &TTabSheet::CMTextChanged); });
    return &meta;
}

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csSetCaption, csParentBackground, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    FVisible = false;
    SetAlign(alClient);
}

TTabSheet::~TTabSheet()
{
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    auto* pages = dynamic_cast<TPageControl*>(AParent);
    if (FPageControl && FPageControl != pages) FPageControl->RemovePage(this);
    TCustomControl::SetParent(AParent);
    if (pages && FPageControl != pages) pages->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

Integer TTabSheet::PageIndex() const
{
    if (!FPageControl) return -1;
    auto& pages = FPageControl->FPages;
    return static_cast<Integer>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool value)
{
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (!FPageControl) return;
    if (!value && FPageControl->ActivePage() == this) FPageControl->SetActivePage(FPageControl->FindNextPage(this, true));
    FPageControl->Invalidate();
}

void TTabSheet::Paint()
{
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TTabSheet::CMTextChanged(TMessage&)
{
    if (FPageControl) FPageControl->Invalidate();
}

// ---------------------------------------------------------------- TPageControl
IMPLEMENT_CLASS(TPageControl, TCustomControl, NewComponent<TPageControl>)

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csDoubleClicks, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 289;
    FHeight = 193;
}

TPageControl::~TPageControl()
{
    for (TTabSheet* page : FPages) page->FPageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page)
{
    FPages.push_back(page);
    page->FPageControl = this;
    if (!FActivePage && page->TabVisible()) SetActivePage(page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    TTabSheet* next = FActivePage == page ? FindNextPage(page, true) : FActivePage;
    FPages.erase(std::remove(FPages.begin(), FPages.end(), page), FPages.end());
    page->FPageControl = nullptr;
    if (next == page) next = nullptr;
    if (FActivePage == page) {
        FActivePage = nullptr;
        SetActivePage(next);
    }
    Invalidate();
}

Integer TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(Integer value)
{
    SetActivePage(value >= 0 && value < PageCount() ? FPages[value] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->FPageControl != this) return;
    if (page == FActivePage) return;
    if (page) {
        page->BringToFront();
        page->SetVisible(true);
    }
    if (FActivePage) FActivePage->SetVisible(false);
    FActivePage = page;
    Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward) const
{
    Integer n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), CurPage);
    Integer start = it == FPages.end() ? (GoForward ? n - 1 : 0) : static_cast<Integer>(it - FPages.begin());
    for (Integer step = 1; step <= n; ++step) {
        Integer i = ((start + (GoForward ? step : -step)) % n + n) % n;
        if (FPages[i]->TabVisible()) return FPages[i];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward)
{
    TTabSheet* next = FindNextPage(FActivePage, GoForward);
    if (next && next != FActivePage) ChangeActivePage(next);
}

bool TPageControl::CanChange()
{
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() { OnChange(this); }

void TPageControl::ChangeActivePage(TTabSheet* page)
{
    if (page == FActivePage || !CanChange()) return;
    SetActivePage(page);
    Change();
}

Integer TPageControl::TabHeight() const { return FontTextHeight(Font()) + 6; }

TRect TPageControl::TabRect(Integer index) const
{
    if (index < 0 || index >= PageCount() || !FPages[index]->TabVisible()) return TRect{};
    Integer left = 2;
    for (Integer i = 0; i < index; ++i)
        if (FPages[i]->TabVisible()) left += FontTextWidth(Font(), FPages[i]->Caption()) + 12;
    return TRect{left, 2, left + FontTextWidth(Font(), FPages[index]->Caption()) + 12, 2 + TabHeight()};
}

Integer TPageControl::IndexOfTabAt(Integer X, Integer Y) const
{
    for (Integer i = 0; i < PageCount(); ++i)
        if (TabRect(i).Contains(TPoint{X, Y})) return i;
    return -1;
}

TRect TPageControl::DisplayRect() const
{
    TRect r = ClientRect();
    return TRect{r.Left + 4, r.Top + 2 + TabHeight() + 2, r.Right - 4, r.Bottom - 4};
}

void TPageControl::AdjustClientRect(TRect& Rect) { Rect = DisplayRect(); }

void TPageControl::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    TRect body = ClientRect();
    body.Top = 2 + TabHeight();
    DrawEdge(canvas.Handle(), &body, EDGE_RAISED, BF_RECT | BF_SOFT);
    canvas.Font().Assign(Font());
    for (Integer i = 0; i < PageCount(); ++i) {
        TRect tab = TabRect(i);
        if (tab.Width() == 0) continue;
        bool active = FPages[i] == FActivePage;
        if (active) tab = TRect{tab.Left - 2, tab.Top - 2, tab.Right + 2, tab.Bottom + 1};
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(tab);
        TRect edge = tab;
        DrawEdge(canvas.Handle(), &edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
        String text = FPages[i]->Caption();
        TRect textRect = tab;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        DrawText(canvas.Handle(), text, text.Length(), &textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (active && Focused()) {
            TRect focus{tab.Left + 3, tab.Top + 3, tab.Right - 3, tab.Bottom - 2};
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.DrawFocusRect(focus);
        }
    }
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        Integer index = IndexOfTabAt(X, Y);
        if (index >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            ChangeActivePage(FPages[index]);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_TAB && Shift.Contains(ssCtrl)) SelectNextPage(!Shift.Contains(ssShift));
    else if (Key == VK_RIGHT) SelectNextPage(true);
    else if (Key == VK_LEFT) SelectNextPage(false);
}

// ---------------------------------------------------------------- TProgressBar
IMPLEMENT_CLASS(TProgressBar, TCustomControl, NewComponent<TProgressBar>)

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 150;
    FHeight = 16;
}

void TProgressBar::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_STATICEDGE;
}

void TProgressBar::SetMin(Integer value)
{
    if (FMin == value) return;
    FMin = value;
    FPosition = std::max(FPosition, FMin);
    Invalidate();
}

void TProgressBar::SetMax(Integer value)
{
    if (FMax == value) return;
    FMax = value;
    FPosition = std::min(FPosition, FMax);
    Invalidate();
}

void TProgressBar::SetPosition(Integer value)
{
    value = std::clamp(value, FMin, std::max(FMin, FMax));
    if (FPosition == value) return;
    FPosition = value;
    Invalidate();
}

void TProgressBar::SetSmooth(bool value)
{
    if (FSmooth == value) return;
    FSmooth = value;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    Invalidate();
}

// The filled part grows from the left (from the bottom when vertical), in blocks two thirds of
// the bar's thickness wide with a 2-pixel gap, or as one bar when Smooth.
void TProgressBar::Paint()
{
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    canvas.FillRectColor(client, Color());
    bool vertical = FOrientation == pbVertical;
    Integer length = vertical ? client.Height() - 2 : client.Width() - 2;
    Integer thickness = vertical ? client.Width() - 2 : client.Height() - 2;
    Integer range = std::max(1, FMax - FMin);
    Integer filled = static_cast<Integer>(static_cast<Int64>(length) * (FPosition - FMin) / range);
    auto fill = [&](Integer from, Integer to) {
        TRect r = vertical ? TRect{1, client.Bottom - 1 - to, 1 + thickness, client.Bottom - 1 - from}
                           : TRect{1 + from, 1, 1 + to, 1 + thickness};
        canvas.FillRectColor(r, clHighlight);
    };
    if (FSmooth) {
        fill(0, filled);
        return;
    }
    Integer block = std::max(2, thickness * 2 / 3);
    for (Integer at = 0; at < filled; at += block + 2) fill(at, std::min(at + block, length));
}

// ---------------------------------------------------------------- TTrackBar
namespace {
constexpr Integer ThumbLength = 11, ThumbThickness = 21, ChannelMargin = 8;
}

TClass TTrackBar::StaticClass()
{
    static const TMetaClass meta("TTrackBar", TCustomControl::StaticClass(), NewComponent<TTrackBar>,
                                 [](TMetaClass& m) { m.OnMessage(WM_GETDLGCODE, &TTrackBar::WMGetDlgCode); });
    return &meta;
}

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 150;
    FHeight = 45;
}

void TTrackBar::SetMin(Integer value)
{
    FMin = value;
    FMax = std::max(FMax, value);
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMax(Integer value)
{
    FMax = value;
    FMin = std::min(FMin, value);
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetPosition(Integer value)
{
    value = std::clamp(value, FMin, FMax);
    if (FPosition == value) return;
    FPosition = value;
    Invalidate();
    OnChange(this);
}

void TTrackBar::SetFrequency(Integer value)
{
    if (FFrequency == value) return;
    FFrequency = value;
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

Integer TTrackBar::ChannelLength() const
{
    return (FOrientation == trHorizontal ? Width() : Height()) - 2 * ChannelMargin - ThumbLength;
}

TRect TTrackBar::ThumbRect() const
{
    Integer range = std::max(1, FMax - FMin);
    Integer at = ChannelMargin + static_cast<Integer>(static_cast<Int64>(ChannelLength()) * (FPosition - FMin) / range);
    return FOrientation == trHorizontal ? TRect{at, 4, at + ThumbLength, 4 + ThumbThickness}
                                        : TRect{4, at, 4 + ThumbThickness, at + ThumbLength};
}

Integer TTrackBar::PositionAt(Integer along) const
{
    Integer length = std::max(1, ChannelLength());
    Integer offset = along - ChannelMargin - ThumbLength / 2;
    Int64 scaled = static_cast<Int64>(offset) * (FMax - FMin);
    return FMin + static_cast<Integer>((scaled + (scaled >= 0 ? length / 2 : -length / 2)) / length);
}

void TTrackBar::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.FillRectColor(ClientRect(), Color());
    bool horizontal = FOrientation == trHorizontal;
    Integer start = ChannelMargin + ThumbLength / 2, length = ChannelLength();
    TRect channel = horizontal ? TRect{ChannelMargin, 12, ChannelMargin + length + ThumbLength, 16}
                               : TRect{12, ChannelMargin, 16, ChannelMargin + length + ThumbLength};
    DrawEdge(canvas.Handle(), &channel, EDGE_SUNKEN, BF_RECT);
    canvas.Pen().SetColor(clWindowText);
    Integer range = std::max(1, FMax - FMin);
    for (Integer v = FMin; FFrequency > 0 && v <= FMax; v += FFrequency) {
        Integer at = start + static_cast<Integer>(static_cast<Int64>(length) * (v - FMin) / range);
        if (horizontal) {
            canvas.MoveTo(at, 4 + ThumbThickness + 2);
            canvas.LineTo(at, 4 + ThumbThickness + 5);
        } else {
            canvas.MoveTo(4 + ThumbThickness + 2, at);
            canvas.LineTo(4 + ThumbThickness + 5, at);
        }
    }
    TRect thumb = ThumbRect();
    DrawEdge(canvas.Handle(), &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    if (Focused()) {
        TRect focus = ClientRect();
        canvas.DrawFocusRect(focus);
    }
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    TRect thumb = ThumbRect();
    if (thumb.Contains(TPoint{X, Y})) {
        FDragging = true;
        return;
    }
    Integer along = FOrientation == trHorizontal ? X : Y;
    Integer thumbStart = FOrientation == trHorizontal ? thumb.Left : thumb.Top;
    SetPosition(FPosition + (along < thumbStart ? -FPageSize : FPageSize));
}

void TTrackBar::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) SetPosition(PositionAt(FOrientation == trHorizontal ? X : Y));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDragging = false;
}

void TTrackBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(FPosition - FLineSize); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(FPosition + FLineSize); break;
    case VK_PRIOR: SetPosition(FPosition - FPageSize); break;
    case VK_NEXT: SetPosition(FPosition + FPageSize); break;
    case VK_HOME: SetPosition(FMin); break;
    case VK_END: SetPosition(FMax); break;
    default: break;
    }
}

void TTrackBar::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS; }

// ---------------------------------------------------------------- TDateTimePicker
TClass TDateTimePicker::StaticClass()
{
    static const TMetaClass meta("TDateTimePicker", TWinControl::StaticClass(), NewComponent<TDateTimePicker>,
                                 [](TMetaClass& m) { m.OnMessage(CN_NOTIFY, &TDateTimePicker::CNNotify); });
    return &meta;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner)
{
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 186;
    FHeight = 21;
    FDateTime = Now();
}

void TDateTimePicker::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkDatePicker;
}

void TDateTimePicker::InitializeWindow()
{
    TWinControl::InitializeWindow();
    ShowDate();
}

void TDateTimePicker::ShowDate()
{
    if (FHandle)
        WindowSystem().SetPickerDate(FHandle, std::trunc(FDateTime),
                                     FDateFormat == dfLong ? FormatSettings.LongDateFormat : FormatSettings.ShortDateFormat);
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    FDateTime = value;
    ShowDate();
}

TDateTime TDateTimePicker::Date() const { return std::trunc(FDateTime); }

// The day's whole part with the time of DateTime (a fraction's magnitude is the time on either
// side of the epoch).
TDateTime TDateTimePicker::WithTime(TDateTime day) const
{
    const TDateTime time = std::fabs(FDateTime - std::trunc(FDateTime));
    day = std::trunc(day);
    return day < 0 ? day - time : day + time;
}

void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(WithTime(value)); }

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    FDateFormat = value;
    ShowDate();
}

void TDateTimePicker::Change() { OnChange(this); }

void TDateTimePicker::CNNotify(TMessage& message)
{
    const auto* header = reinterpret_cast<const TNMHdr*>(message.LParam);
    if (!header || header->code != DTN_DATETIMECHANGE || !FHandle) return;
    FDateTime = WithTime(WindowSystem().PickerDate(FHandle));
    Change();
}
