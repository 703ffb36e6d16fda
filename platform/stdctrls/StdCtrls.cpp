#include "platform/stdctrls/StdCtrls.h"

#include <algorithm>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ScrollBars.h"

namespace {
TCanvas& MeasureCanvas(const TFont& font)
{
    static TBitmap measure;
    if (measure.Empty()) measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(font);
    return measure.Canvas();
}
}  // namespace

Integer FontTextHeight(const TFont& font) { return MeasureCanvas(font).TextHeight("0"); }

Integer FontTextWidth(const TFont& font, const String& text) { return MeasureCanvas(font).TextWidth(text); }

// ---------------------------------------------------------------- TCustomLabel
TClass TCustomLabel::StaticClass()
{
    static const TMetaClass meta("TCustomLabel", TGraphicControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged);
        m.OnMessage(CM_FONTCHANGED, &TCustomLabel::CMFontChanged);
    });
    return &meta;
}
IMPLEMENT_CLASS(TLabel, TCustomLabel, NewComponent<TLabel>)

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    FControlStyle.Include(csOpaque);
    FWidth = 65;
    FHeight = 17;
    FAutoSize = true;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    String text = GetText();
    if ((flags & DT_CALCRECT) && (text.IsEmpty() || (FShowAccelChar && text == "&"))) text = text + " ";
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (!Enabled()) {
        // The platform's disabled text: white shifted by one pixel, then grey.
        rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
        canvas.Font().SetColor(clBtnHighlight);
        DrawText(canvas.Handle(), text, text.Length(), &rect, flags);
        rect = TRect{rect.Left - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1};
        canvas.Font().SetColor(clBtnShadow);
    }
    DrawText(canvas.Handle(), text, text.Length(), &rect, flags);
}

void TCustomLabel::Paint()
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.FillRect(rect);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    UINT flags = DT_EXPANDTABS | (FWordWrap ? UINT(DT_WORDBREAK) : 0u) | alignments[FAlignment];
    if (FLayout != tlTop) {
        TRect calc = rect;
        DoDrawText(calc, flags | DT_CALCRECT);
        Integer dy = rect.Height() - calc.Height();
        rect.Top += FLayout == tlBottom ? dy : dy / 2;
    }
    DoDrawText(rect, flags);
}

bool TCustomLabel::CanAutoSize(Integer& NewWidth, Integer& NewHeight)
{
    if (!Parent()) return false;
    TRect rect{0, 0, FWordWrap ? FWidth : 0, 0};
    DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? UINT(DT_WORDBREAK) : 0u));
    NewWidth = rect.Width();
    NewHeight = rect.Height();
    return true;
}

void TCustomLabel::TextFormatChanged()
{
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    TGraphicControl::SetAutoSize(value);
    TextFormatChanged();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (FTransparent == value) return;
    FTransparent = value;
    if (value) FControlStyle.Exclude(csOpaque); else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (FWordWrap == value) return;
    FWordWrap = value;
    TextFormatChanged();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (FShowAccelChar == value) return;
    FShowAccelChar = value;
    TextFormatChanged();
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
    if (value) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::CMTextChanged(TMessage&) { TextFormatChanged(); }

void TCustomLabel::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    TextFormatChanged();
}

// ---------------------------------------------------------------- TCustomGroupBox
TClass TCustomGroupBox::StaticClass()
{
    static const TMetaClass meta("TCustomGroupBox", TCustomControl::StaticClass(), NewComponent<TCustomGroupBox>,
                                 [](TMetaClass& m) { m.OnMessage(CM_TEXTCHANGED, &TCustomGroupBox::CMTextChanged); });
    return &meta;
}
IMPLEMENT_CLASS(TGroupBox, TCustomGroupBox, NewComponent<TGroupBox>)

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csParentBackground};
    FWidth = 185;
    FHeight = 105;
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect.Top += FontTextHeight(Font());
    Rect = TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

void TCustomGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
    Integer h = canvas.TextHeight("0");
    TRect frame{0, h / 2 - 1, Width(), Height()};
    DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    String text = GetText();
    if (text.IsEmpty()) return;
    // The caption interrupts the frame: its box is filled first.
    TRect r{8, 0, 0, h};
    DrawText(canvas.Handle(), text, text.Length(), &r, DT_CALCRECT | DT_SINGLELINE);
    r.Right += 2;
    canvas.FillRect(r);
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &r, DT_SINGLELINE | DT_CENTER);
}

void TCustomGroupBox::CMTextChanged(TMessage&)
{
    Invalidate();
    Realign();
}

// ---------------------------------------------------------------- TButtonControl
TClass TButtonControl::StaticClass()
{
    static const TMetaClass meta("TButtonControl", TCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_TEXTCHANGED, &TButtonControl::CMTextChanged);
        m.OnMessage(BM_GETCHECK, &TButtonControl::BMGetCheck);
        m.OnMessage(BM_SETCHECK, &TButtonControl::BMSetCheck);
        m.OnMessage(BM_CLICK, &TButtonControl::BMClick);
    });
    return &meta;
}
IMPLEMENT_CLASS(TCustomCheckBox, TButtonControl, NewComponent<TCustomCheckBox>)
IMPLEMENT_CLASS(TCheckBox, TCustomCheckBox, NewComponent<TCheckBox>)
IMPLEMENT_CLASS(TRadioButton, TButtonControl, NewComponent<TRadioButton>)

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Clicks come from the state changes, not from mouse-up.
    FControlStyle = {csSetCaption, csDoubleClicks, csParentBackground};
    FTabStop = true;
    FWidth = 97;
    FHeight = 17;
}

void TButtonControl::SetState(TCheckBoxState value)
{
    if (FState == value) return;
    FState = value;
    Invalidate();
    Click();
}

void TButtonControl::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TButtonControl::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(ClientRect());
    const Integer box = 13;
    Integer top = (Height() - box) / 2;
    bool right = FAlignment == taRightJustify;
    TRect boxRect{right ? 0 : Width() - box, top, right ? box : Width(), top + box};
    UINT state = (IsRadio() ? DFCS_BUTTONRADIO : (FState == cbGrayed ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK)) |
                 (FState != cbUnchecked ? UINT(DFCS_CHECKED) : 0u) | (Enabled() ? 0u : UINT(DFCS_INACTIVE));
    DrawFrameControl(canvas.Handle(), &boxRect, DFC_BUTTON, state);
    String text = GetText();
    TRect textRect{right ? box + 4 : 0, 0, right ? Width() : Width() - box - 4, Height()};
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (Focused() && !text.IsEmpty()) {
        TRect focus = textRect;
        DrawText(canvas.Handle(), text, text.Length(), &focus, DT_SINGLELINE | DT_CALCRECT);
        Integer dy = (Height() - focus.Height()) / 2;
        focus = TRect{focus.Left - 1, dy - 1, focus.Right + 1, dy + focus.Height() + 1};
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.DrawFocusRect(focus);
    }
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        if (CanFocus()) SetFocus();
        Toggle();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::KeyPress(char16_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == u' ') {
        Toggle();
        Key = 0;
    }
}

void TButtonControl::CMTextChanged(TMessage&) { Invalidate(); }

void TButtonControl::BMGetCheck(TMessage& message) { message.Result = FState; }

void TButtonControl::BMSetCheck(TMessage& message)
{
    SetState(static_cast<TCheckBoxState>(std::clamp<std::intptr_t>(message.WParam, cbUnchecked, cbGrayed)));
}

void TButtonControl::BMClick(TMessage&) { Toggle(); }

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TRadioButton::SetState(TCheckBoxState value)
{
    if (value == cbGrayed) value = cbChecked;
    if (FState == value) return;
    TButtonControl::SetState(value);
    if (value != cbChecked || !Parent()) return;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
            other->SetChecked(false);
}

// ---------------------------------------------------------------- TListBoxStrings
namespace {
std::intptr_t StringParam(const String& s) { return reinterpret_cast<std::intptr_t>(&s); }
}

Integer TListBoxStrings::Count() const { return FListBox->Count(); }

String TListBoxStrings::Get(Integer index) const
{
    String text;
    if (FListBox->Perform(LB_GETTEXT, index, StringParam(text)) == LB_ERR) RaiseIndexError(index);
    return text;
}

TObject* TListBoxStrings::GetObject(Integer index) const
{
    std::intptr_t data = FListBox->Perform(LB_GETITEMDATA, index, 0);
    if (data == LB_ERR && (index < 0 || index >= Count())) RaiseIndexError(index);
    return reinterpret_cast<TObject*>(data);
}

void TListBoxStrings::PutObject(Integer index, TObject* object)
{
    if (FListBox->Perform(LB_SETITEMDATA, index, reinterpret_cast<std::intptr_t>(object)) == LB_ERR)
        RaiseIndexError(index);
}

void TListBoxStrings::Put(Integer index, const String& s)
{
    Integer selected = FListBox->ItemIndex();
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
    FListBox->SetItemIndex(selected);
}

void TListBoxStrings::Insert(Integer index, const String& s)
{
    if (FListBox->Perform(LB_INSERTSTRING, index, StringParam(s)) < 0) RaiseIndexError(index);
}

Integer TListBoxStrings::Add(const String& s)
{
    return static_cast<Integer>(FListBox->Perform(LB_ADDSTRING, 0, StringParam(s)));
}

void TListBoxStrings::Delete(Integer index)
{
    if (FListBox->Perform(LB_DELETESTRING, index, 0) == LB_ERR) RaiseIndexError(index);
}

void TListBoxStrings::Clear() { FListBox->Perform(LB_RESETCONTENT, 0, 0); }

void TListBoxStrings::SetUpdateState(bool updating) { FListBox->Perform(WM_SETREDRAW, !updating, 0); }

// ---------------------------------------------------------------- TCustomListBox
TClass TCustomListBox::StaticClass()
{
    static const TMetaClass meta("TCustomListBox", TCustomControl::StaticClass(), NewComponent<TCustomListBox>,
                                 [](TMetaClass& m) {
                                     for (Cardinal msg : std::initializer_list<Cardinal>{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                                                          LB_RESETCONTENT, LB_SETSEL, LB_SETCURSEL, LB_GETSEL,
                                                          LB_GETCURSEL, LB_GETTEXT, LB_GETTEXTLEN, LB_GETCOUNT,
                                                          LB_GETTOPINDEX, LB_FINDSTRING, LB_GETSELCOUNT,
                                                          LB_GETHORIZONTALEXTENT, LB_SETHORIZONTALEXTENT,
                                                          LB_SETTOPINDEX, LB_GETITEMRECT, LB_GETITEMDATA,
                                                          LB_SETITEMDATA, LB_SETITEMHEIGHT, LB_GETITEMHEIGHT,
                                                          LB_FINDSTRINGEXACT, LB_ITEMFROMPOINT, LB_SETCARETINDEX,
                                                          LB_GETCARETINDEX, LB_SELITEMRANGE})
                                         m.OnMessage(msg, &TCustomListBox::LBMessage);
                                     m.OnMessage(CN_COMMAND, &TCustomListBox::CNCommand);
                                     m.OnMessage(WM_SETREDRAW, &TCustomListBox::WMSetRedraw);
                                     m.OnMessage(WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode);
                                     m.OnMessage(CM_FONTCHANGED, &TCustomListBox::CMFontChanged);
                                 });
    return &meta;
}
IMPLEMENT_CLASS(TListBox, TCustomListBox, NewComponent<TListBox>)

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks, csCaptureMouse};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 121;
    FHeight = 97;
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

Integer TCustomListBox::StandardHeight() const { return FontTextHeight(Font()); }

Integer TCustomListBox::ItemHeight() const { return FStyle == lbStandard ? StandardHeight() : FItemHeight; }

void TCustomListBox::SetItemHeight(Integer value)
{
    if (value <= 0 || FItemHeight == value) return;
    FItemHeight = value;
    Changed();
}

Integer TCustomListBox::RowHeight(Integer index) const
{
    return FStyle == lbOwnerDrawVariable ? FList[index].Height : ItemHeight();
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    if (value == lbOwnerDrawVariable)
        for (Integer i = 0; i < Count(); ++i) {
            Integer h = FItemHeight;
            MeasureItem(i, h);
            FList[i].Height = h;
        }
    Changed();
}

void TCustomListBox::SetMultiSelect(bool value)
{
    if (FMultiSelect == value) return;
    FMultiSelect = value;
    for (TRow& row : FList) row.Selected = false;
    FCaret = -1;
    Changed();
}

void TCustomListBox::SetSorted(bool value)
{
    if (FSorted == value) return;
    FSorted = value;
    if (!value) return;
    std::stable_sort(FList.begin(), FList.end(),
                     [](const TRow& a, const TRow& b) { return AnsiCompareText(a.Text, b.Text) < 0; });
    Changed();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomListBox::SetScrollWidth(Integer value) { Perform(LB_SETHORIZONTALEXTENT, value, 0); }

void TCustomListBox::MeasureItem(Integer Index, Integer& Height) { OnMeasureItem(this, Index, Height); }

Integer TCustomListBox::InsertRow(Integer index, const String& text)
{
    if (index < 0 || index > Count()) index = Count();
    if (FSorted)
        index = static_cast<Integer>(std::upper_bound(FList.begin(), FList.end(), text,
                                                      [](const String& t, const TRow& row) {
                                                          return AnsiCompareText(t, row.Text) < 0;
                                                      }) - FList.begin());
    FList.insert(FList.begin() + index, TRow{text, 0, false, FItemHeight});
    if (FCaret >= index) ++FCaret;
    if (FAnchor >= index) ++FAnchor;
    if (FStyle == lbOwnerDrawVariable) {
        Integer h = FItemHeight;
        MeasureItem(index, h);
        FList[index].Height = h;
    }
    Changed();
    return index;
}

Integer TCustomListBox::ItemIndex() const
{
    if (FMultiSelect) return FCaret;
    return FCaret >= 0 && FList[FCaret].Selected ? FCaret : -1;
}

void TCustomListBox::SetItemIndex(Integer value)
{
    if (ItemIndex() == value) return;
    Perform(FMultiSelect ? Cardinal(LB_SETCARETINDEX) : Cardinal(LB_SETCURSEL), value, 0);
}

bool TCustomListBox::Selected(Integer index) const
{
    std::intptr_t r = const_cast<TCustomListBox*>(this)->Perform(LB_GETSEL, index, 0);
    if (r == LB_ERR) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return r != 0;
}

void TCustomListBox::SetSelected(Integer index, bool value)
{
    if (FMultiSelect) {
        if (Perform(LB_SETSEL, value, index) == LB_ERR)
            throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    } else if (value) {
        SetItemIndex(index);
    } else if (ItemIndex() == index) {
        SetItemIndex(-1);
    }
}

Integer TCustomListBox::SelCount() const
{
    return static_cast<Integer>(const_cast<TCustomListBox*>(this)->Perform(LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::ClearSelection()
{
    if (FMultiSelect) Perform(LB_SETSEL, 0, -1); else SetItemIndex(-1);
}

void TCustomListBox::SelectAll()
{
    if (FMultiSelect) Perform(LB_SETSEL, 1, -1);
}

void TCustomListBox::SetTopIndex(Integer value)
{
    if (FTopIndex != value) Perform(LB_SETTOPINDEX, value, 0);
}

TRect TCustomListBox::ListRect() const
{
    TRect r = ClientRect();
    if (NeedsVScroll()) r.Right -= ScrollBarThickness;
    if (NeedsHScroll()) r.Bottom -= ScrollBarThickness;
    return r;
}

bool TCustomListBox::NeedsVScroll() const
{
    Integer total = 0;
    Integer height = ClientRect().Height();
    for (Integer i = 0; i < Count() && total <= height; ++i) total += RowHeight(i);
    return total > height || FTopIndex > 0;
}

bool TCustomListBox::NeedsHScroll() const
{
    Integer width = ClientRect().Width();
    Integer total = 0;
    Integer height = ClientRect().Height();
    for (Integer i = 0; i < Count() && total <= height; ++i) total += RowHeight(i);
    if (total > height || FTopIndex > 0) width -= ScrollBarThickness;
    return FHorzExtent > width;
}

TRect TCustomListBox::ItemRect(Integer Index) const
{
    TRect list = ListRect();
    Integer top = list.Top;
    if (Index >= FTopIndex)
        for (Integer i = FTopIndex; i < Index && i < Count(); ++i) top += RowHeight(i);
    else
        for (Integer i = Index; i < FTopIndex; ++i) top -= RowHeight(i);
    Integer height = Index < Count() ? RowHeight(Index) : ItemHeight();
    Integer width = std::max(list.Width(), FHorzExtent);
    return TRect{list.Left - FHorzPos, top, list.Left - FHorzPos + width, top + height};
}

Integer TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    if (!ClientRect().Contains(Pos)) return -1;
    TRect list = ListRect();
    Integer top = list.Top;
    for (Integer i = FTopIndex; i < Count() && top < list.Bottom; ++i) {
        Integer bottom = top + RowHeight(i);
        if (Pos.Y >= top && Pos.Y < bottom && list.Contains(Pos)) return i;
        top = bottom;
    }
    return Existing ? -1 : Count();
}

Integer TCustomListBox::LastTopIndex() const
{
    Integer height = ListRect().Height();
    Integer total = 0;
    Integer i = Count();
    while (i > 0 && total + RowHeight(i - 1) <= height) total += RowHeight(--i);
    return std::min(i, std::max(0, Count() - 1));
}

Integer TCustomListBox::PageRows(Integer from) const
{
    Integer height = ListRect().Height();
    Integer n = 0;
    for (Integer total = 0; from + n < Count() && total + RowHeight(from + n) <= height; ++n) total += RowHeight(from + n);
    return std::max(1, n);
}

void TCustomListBox::MakeVisible(Integer index)
{
    if (index < 0 || index >= Count()) return;
    if (index < FTopIndex) {
        FTopIndex = index;
    } else {
        Integer height = ListRect().Height();
        Integer total = 0;
        for (Integer i = FTopIndex; i <= index; ++i) total += RowHeight(i);
        while (total > height && FTopIndex < index) total -= RowHeight(FTopIndex++);
    }
}

void TCustomListBox::Changed()
{
    if (FRedraw) Invalidate();
}

void TCustomListBox::NotifySelChange() { Perform(CN_COMMAND, MakeWParam(0, LBN_SELCHANGE), 0); }

void TCustomListBox::LBMessage(TMessage& message)
{
    const Integer index = static_cast<Integer>(message.WParam);
    const bool valid = index >= 0 && index < Count();
    std::intptr_t& result = message.Result;
    switch (message.Msg) {
    case LB_ADDSTRING:
        result = InsertRow(FSorted ? 0 : Count(), *reinterpret_cast<const String*>(message.LParam));
        break;
    case LB_INSERTSTRING:
        if (index < -1 || index > Count()) { result = LB_ERR; break; }
        result = InsertRow(index, *reinterpret_cast<const String*>(message.LParam));
        break;
    case LB_DELETESTRING:
        if (!valid) { result = LB_ERR; break; }
        FList.erase(FList.begin() + index);
        if (FCaret == index) FCaret = -1; else if (FCaret > index) --FCaret;
        if (FAnchor >= index) FAnchor = FAnchor == index ? -1 : FAnchor - 1;
        FTopIndex = std::min(FTopIndex, std::max(0, Count() - 1));
        result = Count();
        Changed();
        break;
    case LB_RESETCONTENT:
        FList.clear();
        FCaret = FAnchor = -1;
        FTopIndex = FHorzPos = 0;
        Changed();
        break;
    case LB_GETCOUNT: result = Count(); break;
    case LB_GETTEXT:
        if (!valid) { result = LB_ERR; break; }
        *reinterpret_cast<String*>(message.LParam) = FList[index].Text;
        result = FList[index].Text.Length();
        break;
    case LB_GETTEXTLEN: result = valid ? FList[index].Text.Length() : LB_ERR; break;
    case LB_GETITEMDATA: result = valid ? FList[index].Data : std::intptr_t(LB_ERR); break;
    case LB_SETITEMDATA:
        if (!valid) { result = LB_ERR; break; }
        FList[index].Data = message.LParam;
        break;
    case LB_SETCURSEL:
        if (FMultiSelect || index < -1 || index >= Count()) { result = LB_ERR; break; }
        if (FCaret >= 0) FList[FCaret].Selected = false;
        FCaret = index;
        if (index >= 0) {
            FList[index].Selected = true;
            MakeVisible(index);
        }
        result = index;
        Changed();
        break;
    case LB_GETCURSEL: result = FMultiSelect ? FCaret : ItemIndex(); break;
    case LB_SETCARETINDEX:
        if (index < -1 || index >= Count()) { result = LB_ERR; break; }
        FCaret = index;
        MakeVisible(index);
        Changed();
        break;
    case LB_GETCARETINDEX: result = FCaret; break;
    case LB_SETSEL: {
        if (!FMultiSelect) { result = LB_ERR; break; }
        Integer row = static_cast<Integer>(message.LParam);
        if (row == -1) {
            for (TRow& r : FList) r.Selected = message.WParam != 0;
        } else if (row >= 0 && row < Count()) {
            FList[row].Selected = message.WParam != 0;
        } else {
            result = LB_ERR;
            break;
        }
        Changed();
        break;
    }
    case LB_SELITEMRANGE: {
        if (!FMultiSelect) { result = LB_ERR; break; }
        Integer first = LoWord(message.LParam), last = HiWord(message.LParam);
        if (first > last) std::swap(first, last);
        for (Integer i = first; i <= last && i < Count(); ++i) FList[i].Selected = message.WParam != 0;
        Changed();
        break;
    }
    case LB_GETSEL: result = valid ? std::intptr_t(FList[index].Selected) : std::intptr_t(LB_ERR); break;
    case LB_GETSELCOUNT:
        result = FMultiSelect ? std::count_if(FList.begin(), FList.end(), [](const TRow& r) { return r.Selected; })
                              : std::intptr_t(LB_ERR);
        break;
    case LB_GETTOPINDEX: result = FTopIndex; break;
    case LB_SETTOPINDEX:
        if (index < 0 || (index >= Count() && index > 0)) { result = LB_ERR; break; }
        FTopIndex = std::min(index, LastTopIndex());
        Changed();
        break;
    case LB_GETHORIZONTALEXTENT: result = FHorzExtent; break;
    case LB_SETHORIZONTALEXTENT:
        FHorzExtent = std::max(0, index);
        if (!NeedsHScroll()) FHorzPos = 0;
        Changed();
        break;
    case LB_GETITEMRECT:
        if (!valid && !(index == 0 && Count() == 0)) { result = LB_ERR; break; }
        *reinterpret_cast<TRect*>(message.LParam) = ItemRect(index);
        result = 1;
        break;
    case LB_GETITEMHEIGHT:
        result = FStyle == lbOwnerDrawVariable ? (valid ? FList[index].Height : LB_ERR) : ItemHeight();
        break;
    case LB_SETITEMHEIGHT: {
        Integer h = LoWord(message.LParam);
        if (h <= 0 || h > 255) { result = LB_ERR; break; }
        if (FStyle == lbOwnerDrawVariable) {
            if (!valid) { result = LB_ERR; break; }
            FList[index].Height = h;
        } else {
            FItemHeight = h;
        }
        Changed();
        break;
    }
    case LB_ITEMFROMPOINT: {
        TPoint p{LoSmall(message.LParam), HiSmall(message.LParam)};
        TRect list = ListRect();
        Integer top = list.Top, row = FTopIndex;
        for (; row < Count() && top + RowHeight(row) <= p.Y; ++row) top += RowHeight(row);
        bool outside = !list.Contains(p) || row >= Count();
        row = std::min(row, std::max(0, Count() - 1));
        result = MakeLong(row, outside ? 1 : 0);
        break;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
        const String& text = *reinterpret_cast<const String*>(message.LParam);
        result = LB_ERR;
        Integer start = index < 0 || index >= Count() ? -1 : index;
        for (Integer n = 1; n <= Count(); ++n) {
            Integer i = (start + n) % Count();
            const String& item = FList[i].Text;
            bool match = message.Msg == LB_FINDSTRINGEXACT
                             ? AnsiSameText(item, text)
                             : AnsiSameText(Copy(item, 1, text.Length()), text);
            if (match) { result = i; break; }
        }
        break;
    }
    }
}

void TCustomListBox::CNCommand(TMessage& message)
{
    switch (HiWord(message.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    }
}

void TCustomListBox::WMSetRedraw(TMessage& message)
{
    FRedraw = message.WParam != 0;
    if (FRedraw) Invalidate();
}

void TCustomListBox::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListBox::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    Changed();
}

void TCustomListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    if (OnDrawItem && FStyle != lbStandard) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas& canvas = Canvas();
    canvas.FillRect(Rect);
    if (Index < Count()) canvas.TextOut(Rect.Left + 2, Rect.Top, FList[Index].Text);
}

void TCustomListBox::Paint()
{
    TCanvas& canvas = Canvas();
    TRect list = ListRect();
    Integer top = list.Top;
    for (Integer i = FTopIndex; i < Count() && top < list.Bottom; ++i) {
        TRect rect = ItemRect(i);
        TOwnerDrawState state;
        if (FList[i].Selected) state.Include(odSelected);
        if (i == FCaret && Focused()) state.Include(odFocused);
        if (!Enabled()) {
            state.Include(odDisabled);
            state.Include(odGrayed);
        }
        canvas.Font().Assign(Font());
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        if (state.Contains(odSelected)) {
            canvas.Brush().SetColor(clHighlight);
            canvas.Font().SetColor(clHighlightText);
        }
        if (!Enabled()) canvas.Font().SetColor(clGrayText);
        DrawItem(i, rect, state);
        if (state.Contains(odFocused)) canvas.DrawFocusRect(rect);
        top = rect.Bottom;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    if (top < list.Bottom) canvas.FillRect(TRect{list.Left, top, list.Right, list.Bottom});
    if (NeedsVScroll()) PaintScrollBar(canvas, true);
    if (NeedsHScroll()) PaintScrollBar(canvas, false);
    if (NeedsVScroll() && NeedsHScroll()) {
        TRect client = ClientRect();
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(TRect{client.Right - ScrollBarThickness, client.Bottom - ScrollBarThickness, client.Right, client.Bottom});
    }
}

void TCustomListBox::PaintScrollBar(TCanvas& canvas, bool vertical)
{
    TRect list = ListRect();
    if (vertical)
        ::PaintScrollBar(canvas, TRect{list.Right, list.Top, list.Right + ScrollBarThickness, list.Bottom}, true,
                         FTopIndex, PageRows(FTopIndex), LastTopIndex() + PageRows(LastTopIndex()));
    else
        ::PaintScrollBar(canvas, TRect{list.Left, list.Bottom, list.Right, list.Bottom + ScrollBarThickness}, false,
                         FHorzPos, list.Width(), FHorzExtent);
}

bool TCustomListBox::ScrollBarClick(TPoint p)
{
    TRect list = ListRect();
    if (NeedsVScroll()) {
        Integer page = PageRows(FTopIndex);
        switch (ScrollBarHit(TRect{list.Right, list.Top, list.Right + ScrollBarThickness, list.Bottom}, true, p, FTopIndex,
                             page, LastTopIndex() + PageRows(LastTopIndex()))) {
        case shNone: break;
        case shLineBack: SetTopIndex(std::max(0, FTopIndex - 1)); return true;
        case shLineForward: SetTopIndex(std::min(LastTopIndex(), FTopIndex + 1)); return true;
        case shPageBack: SetTopIndex(std::max(0, FTopIndex - page)); return true;
        case shPageForward: SetTopIndex(std::min(LastTopIndex(), FTopIndex + page)); return true;
        case shThumb: return true;
        }
    }
    if (NeedsHScroll()) {
        Integer step = 0;
        switch (ScrollBarHit(TRect{list.Left, list.Bottom, list.Right, list.Bottom + ScrollBarThickness}, false, p,
                             FHorzPos, list.Width(), FHorzExtent)) {
        case shNone: return false;
        case shLineBack: step = -8; break;
        case shLineForward: step = 8; break;
        case shPageBack: step = -list.Width(); break;
        case shPageForward: step = list.Width(); break;
        case shThumb: return true;
        }
        FHorzPos = std::clamp(FHorzPos + step, 0, std::max(0, FHorzExtent - list.Width()));
        Changed();
        return true;
    }
    return false;
}

void TCustomListBox::SelectRow(Integer index, TShiftState shift, bool byMouse)
{
    if (index < 0 || index >= Count()) return;
    if (!FMultiSelect) {
        bool changed = ItemIndex() != index;
        Perform(LB_SETCURSEL, index, 0);
        if (changed) NotifySelChange();
        return;
    }
    if (FExtendedSelect && shift.Contains(ssShift) && FAnchor >= 0) {
        if (!shift.Contains(ssCtrl))
            for (TRow& r : FList) r.Selected = false;
        for (Integer i = std::min(FAnchor, index); i <= std::max(FAnchor, index); ++i) FList[i].Selected = true;
    } else if (!FExtendedSelect || shift.Contains(ssCtrl)) {
        if (byMouse || !FExtendedSelect) FList[index].Selected = !FList[index].Selected;
        FAnchor = index;
    } else {
        for (TRow& r : FList) r.Selected = false;
        FList[index].Selected = true;
        FAnchor = index;
    }
    FCaret = index;
    MakeVisible(index);
    Changed();
    NotifySelChange();
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (!ScrollBarClick(TPoint{X, Y})) {
            Integer index = ItemAtPos(TPoint{X, Y}, true);
            if (Shift.Contains(ssDouble)) {
                if (index >= 0) Perform(CN_COMMAND, MakeWParam(0, LBN_DBLCLK), 0);
            } else if (index >= 0) {
                SelectRow(index, Shift, true);
                FTracking = !FMultiSelect;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FTracking) {
        Integer index = ItemAtPos(TPoint{X, Y}, true);
        if (index >= 0) SelectRow(index, {}, true);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FTracking = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Count() == 0) return;
    Integer from = std::max(FCaret, 0);
    Integer to = -1;
    switch (Key) {
    case VK_UP: to = FCaret < 0 ? 0 : from - 1; break;
    case VK_DOWN: to = FCaret < 0 ? 0 : from + 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = Count() - 1; break;
    case VK_PRIOR: to = from - PageRows(std::max(0, from - PageRows(from))) ; break;
    case VK_NEXT: to = from + PageRows(from) - 1 > from ? from + PageRows(from) - 1 : from + 1; break;
    case VK_SPACE:
        if (FMultiSelect && FCaret >= 0) SelectRow(FCaret, TShiftState{ssCtrl}, true);
        return;
    default: return;
    }
    to = std::clamp(to, 0, Count() - 1);
    SelectRow(to, FMultiSelect ? Shift : TShiftState{}, false);
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    Integer rows = -WheelDelta / 120 * 3;
    SetTopIndex(std::clamp(FTopIndex + rows, 0, LastTopIndex()));
    return true;
}

// ---------------------------------------------------------------- TComboPopupList
IMPLEMENT_CLASS(TComboPopupList, TCustomListBox, nullptr)

TComboPopupList::TComboPopupList(TCustomComboBox* combo) : TCustomListBox(nullptr), FCombo(combo)
{
    FVisible = false;
    FTabStop = false;
    SetBorderStyle(bsNone);
}

void TComboPopupList::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.Kind = TWindowKind::wkHint;
}

void TComboPopupList::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    if (FCombo->FStyle == csOwnerDrawFixed || FCombo->FStyle == csOwnerDrawVariable) {
        FCombo->FDrawCanvas = &Canvas();
        FCombo->DrawItem(Index, Rect, State);
        FCombo->FDrawCanvas = nullptr;
    } else
        TCustomListBox::DrawItem(Index, Rect, State);
}

void TComboPopupList::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomListBox::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && ItemAtPos(TPoint{X, Y}, true) >= 0) FCombo->ClosePopup(true);
}

// ---------------------------------------------------------------- TCustomComboBox
TClass TCustomComboBox::StaticClass()
{
    static const TMetaClass meta("TCustomComboBox", TCustomControl::StaticClass(), NewComponent<TCustomComboBox>,
                                 [](TMetaClass& m) {
                                     for (Cardinal msg : std::initializer_list<Cardinal>{
                                              CB_ADDSTRING, CB_DELETESTRING, CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT,
                                              CB_GETLBTEXTLEN, CB_INSERTSTRING, CB_RESETCONTENT, CB_FINDSTRING,
                                              CB_SELECTSTRING, CB_SETCURSEL, CB_SHOWDROPDOWN, CB_GETITEMDATA,
                                              CB_SETITEMDATA, CB_SETITEMHEIGHT, CB_GETITEMHEIGHT, CB_GETDROPPEDSTATE,
                                              CB_FINDSTRINGEXACT, CB_GETDROPPEDWIDTH, CB_SETDROPPEDWIDTH})
                                         m.OnMessage(msg, &TCustomComboBox::CBMessage);
                                     m.OnMessage(CN_COMMAND, &TCustomComboBox::CNCommand);
                                     m.OnMessage(WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode);
                                     m.OnMessage(WM_KILLFOCUS, &TCustomComboBox::WMKillFocus);
                                 });
    return &meta;
}
IMPLEMENT_CLASS(TComboBox, TCustomComboBox, NewComponent<TComboBox>)

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csDoubleClicks, csFixedHeight, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 145;
    FHeight = 21;
}

TCustomComboBox::~TCustomComboBox() { delete FPopup; }

void TCustomComboBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomComboBox::TComboItems::Changed()
{
    TStringList::Changed();
    if (UpdateCount() == 0) FCombo->ItemsChanged();
}

void TCustomComboBox::ItemsChanged()
{
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    Invalidate();
}

void TCustomComboBox::SetItemIndex(Integer value)
{
    if (value < -1 || value >= FItems.Count()) value = -1;
    if (FItemIndex == value) return;
    FItemIndex = value;
    FText = value >= 0 ? FItems[value] : String();
    Invalidate();
}

void TCustomComboBox::SetText(const String& value)
{
    FText = value;
    Integer i = FItems.IndexOf(value);
    FItemIndex = i;
    if (FStyle == csDropDownList && i < 0) FText = String();
    Invalidate();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Invalidate();
}

void TCustomComboBox::SetItemHeight(Integer value)
{
    if (value <= 0 || FItemHeight == value) return;
    FItemHeight = value;
    Invalidate();
}

bool TCustomComboBox::DroppedDown() const { return FPopup && FPopup->Visible(); }

void TCustomComboBox::SetDroppedDown(bool value) { Perform(CB_SHOWDROPDOWN, value, 0); }

TRect TCustomComboBox::ButtonRect() const
{
    TRect c = ClientRect();
    return TRect{c.Right - 17, c.Top, c.Right, c.Bottom};
}

void TCustomComboBox::MeasureItem(Integer Index, Integer& Height) { OnMeasureItem(this, Index, Height); }

void TCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    TCanvas& canvas = Canvas();
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    canvas.FillRect(Rect);
    if (Index >= 0 && Index < FItems.Count()) canvas.TextOut(Rect.Left + 2, Rect.Top, FItems[Index]);
}

void TCustomComboBox::Paint()
{
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    TRect button = ButtonRect();
    TRect text{client.Left, client.Top, button.Left, client.Bottom};
    canvas.FillRectColor(text, Color());
    TRect item{text.Left + 1, text.Top + 1, text.Right - 1, text.Bottom - 1};
    TOwnerDrawState state{odComboBoxEdit};
    bool focused = Focused() && !DroppedDown();
    if (focused) {
        state.Include(odSelected);
        state.Include(odFocused);
    }
    if (!Enabled()) state.Include(odDisabled);
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(focused ? clHighlight : Color());
    if (focused) canvas.Font().SetColor(clHighlightText);
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) {
        DrawItem(FItemIndex, item, state);
    } else {
        canvas.FillRect(item);
        TRect t = item;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        DrawText(canvas.Handle(), FText, FText.Length(), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        t.Left += 1;
    }
    if (focused) canvas.DrawFocusRect(item);
    DrawFrameControl(canvas.Handle(), &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (DroppedDown() ? UINT(DFCS_PUSHED | DFCS_FLAT) : 0u) |
                         (Enabled() ? 0u : UINT(DFCS_INACTIVE)));
}

void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::Select()
{
    if (OnSelect) OnSelect(this); else Change();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }

void TCustomComboBox::CloseUp() { OnCloseUp(this); }

void TCustomComboBox::ChooseByUser(Integer index)
{
    if (index < 0 || index >= FItems.Count() || index == FItemIndex) return;
    SetItemIndex(index);
    Perform(CN_COMMAND, MakeWParam(0, CBN_SELCHANGE), 0);
}

void TCustomComboBox::ClosePopup(bool accept)
{
    if (!DroppedDown()) return;
    Integer chosen = FPopup->ItemIndex();
    FPopup->Hide();
    Invalidate();
    if (accept) ChooseByUser(chosen);
    Perform(CN_COMMAND, MakeWParam(0, CBN_CLOSEUP), 0);
}

void TCustomComboBox::CNCommand(TMessage& message)
{
    switch (HiWord(message.WParam)) {
    case CBN_SELCHANGE:
        Click();
        Select();
        break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    }
}

void TCustomComboBox::CBMessage(TMessage& message)
{
    const Integer index = static_cast<Integer>(message.WParam);
    const bool valid = index >= 0 && index < FItems.Count();
    std::intptr_t& result = message.Result;
    auto text = [&]() -> const String& { return *reinterpret_cast<const String*>(message.LParam); };
    auto find = [&](bool exact) -> Integer {
        for (Integer n = 1; n <= FItems.Count(); ++n) {
            Integer i = ((index < 0 ? -1 : index) + n) % FItems.Count();
            bool match = exact ? AnsiSameText(FItems[i], text())
                               : AnsiSameText(Copy(FItems[i], 1, text().Length()), text());
            if (match) return i;
        }
        return -1;
    };
    switch (message.Msg) {
    case CB_ADDSTRING: result = FItems.Add(text()); break;
    case CB_INSERTSTRING:
        if (index < -1 || index > FItems.Count()) { result = -1; break; }
        FItems.Insert(index < 0 ? FItems.Count() : index, text());
        result = index < 0 ? FItems.Count() - 1 : index;
        break;
    case CB_DELETESTRING:
        if (!valid) { result = -1; break; }
        FItems.Delete(index);
        if (FItemIndex == index) SetItemIndex(-1); else if (FItemIndex > index) --FItemIndex;
        result = FItems.Count();
        break;
    case CB_RESETCONTENT:
        FItems.Clear();
        SetItemIndex(-1);
        break;
    case CB_GETCOUNT: result = FItems.Count(); break;
    case CB_GETCURSEL: result = FItemIndex; break;
    case CB_SETCURSEL:
        SetItemIndex(valid ? index : -1);
        result = valid ? index : -1;
        break;
    case CB_GETLBTEXT:
        if (!valid) { result = -1; break; }
        *reinterpret_cast<String*>(message.LParam) = FItems[index];
        result = FItems[index].Length();
        break;
    case CB_GETLBTEXTLEN: result = valid ? FItems[index].Length() : -1; break;
    case CB_FINDSTRING: result = FItems.Count() ? find(false) : -1; break;
    case CB_FINDSTRINGEXACT: result = FItems.Count() ? find(true) : -1; break;
    case CB_SELECTSTRING:
        result = FItems.Count() ? find(false) : -1;
        if (result >= 0) SetItemIndex(static_cast<Integer>(result));
        break;
    case CB_GETITEMDATA: result = valid ? reinterpret_cast<std::intptr_t>(FItems.Objects(index)) : -1; break;
    case CB_SETITEMDATA:
        if (!valid) { result = -1; break; }
        FItems.PutObject(index, reinterpret_cast<TObject*>(message.LParam));
        break;
    case CB_GETITEMHEIGHT: result = index == -1 ? Height() - 4 : FItemHeight; break;
    case CB_SETITEMHEIGHT:
        if (index != -1) SetItemHeight(static_cast<Integer>(message.LParam));
        break;
    case CB_GETDROPPEDSTATE: result = DroppedDown(); break;
    case CB_GETDROPPEDWIDTH: result = FDroppedWidth > 0 ? FDroppedWidth : Width(); break;
    case CB_SETDROPPEDWIDTH:
        FDroppedWidth = std::max(index, 0);
        result = FDroppedWidth > 0 ? FDroppedWidth : Width();
        break;
    case CB_SHOWDROPDOWN:
        if (message.WParam == 0) {
            ClosePopup(false);
            break;
        }
        if (DroppedDown()) break;
        Perform(CN_COMMAND, MakeWParam(0, CBN_DROPDOWN), 0);
        if (!FPopup) FPopup = new TComboPopupList(this);
        FPopup->SetStyle(FStyle == csOwnerDrawVariable ? lbOwnerDrawVariable
                         : FStyle == csOwnerDrawFixed  ? lbOwnerDrawFixed
                                                       : lbStandard);
        FPopup->SetItemHeight(FItemHeight);
        FPopup->OnMeasureItem = TMeasureItemEvent(this, &TCustomComboBox::PopupMeasure);
        FPopup->Font().Assign(Font());
        FPopup->Items().Assign(FItems);
        FPopup->SetItemIndex(FItemIndex);
        {
            Integer rows = std::clamp(FItems.Count(), 1, std::max(1, FDropDownCount));
            Integer height = 0;
            for (Integer i = 0; i < rows; ++i) height += FItems.Count() ? FPopup->ItemRect(i).Height() : FItemHeight;
            TPoint at = ClientToScreen(TPoint{-BorderWidthNC(), Height() - BorderWidthNC()});
            FPopup->SetBounds(at.X, at.Y, FDroppedWidth > 0 ? FDroppedWidth : Width(), height + 2);
        }
        FPopup->Show();
        FPopup->HandleNeeded();
        Invalidate();
        break;
    }
}

void TCustomComboBox::PopupMeasure(TWinControl*, Integer Index, Integer& Height) { MeasureItem(Index, Height); }

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDroppedDown(!DroppedDown());
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_F4 || ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt))) {
        SetDroppedDown(!DroppedDown());
        return;
    }
    if (DroppedDown()) {
        switch (Key) {
        case VK_RETURN: ClosePopup(true); return;
        case VK_ESCAPE: ClosePopup(false); return;
        case VK_UP: FPopup->SetItemIndex(std::max(0, FPopup->ItemIndex() - 1)); return;
        case VK_DOWN: FPopup->SetItemIndex(std::min(FItems.Count() - 1, FPopup->ItemIndex() + 1)); return;
        default: return;
        }
    }
    if (FItems.Count() == 0) return;
    switch (Key) {
    case VK_UP: case VK_LEFT: ChooseByUser(std::max(0, FItemIndex - 1)); break;
    case VK_DOWN: case VK_RIGHT: ChooseByUser(std::min(FItems.Count() - 1, FItemIndex + 1)); break;
    case VK_HOME: ChooseByUser(0); break;
    case VK_END: ChooseByUser(FItems.Count() - 1); break;
    default: break;
    }
}

void TCustomComboBox::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomComboBox::WMKillFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    ClosePopup(false);
}

// ---------------------------------------------------------------- TScrollBar
IMPLEMENT_CLASS(TScrollBar, TCustomControl, NewComponent<TScrollBar>)

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 121;
    FHeight = ScrollBarThickness;
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (FKind == value) return;
    FKind = value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax)
{
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, std::max(AMin, AMax - std::max(FPageSize - 1, 0)));
    bool changed = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    Invalidate();
    if (changed) OnChange(this);
}

void TScrollBar::SetPageSize(Integer value)
{
    if (FPageSize == value) return;
    FPageSize = std::max(0, value);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, Integer& ScrollPos) { OnScroll(this, ScrollCode, ScrollPos); }

void TScrollBar::DoScroll(TScrollCode code, Integer pos)
{
    Scroll(code, pos);
    SetPosition(pos);
}

void TScrollBar::Paint()
{
    bool vertical = FKind == sbVertical;
    Integer page = std::max(1, FPageSize);
    ::PaintScrollBar(Canvas(), ClientRect(), vertical, FPosition - FMin, page, FMax - FMin + page);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    Integer page = std::max(1, FPageSize);
    switch (ScrollBarHit(ClientRect(), FKind == sbVertical, TPoint{X, Y}, FPosition - FMin, page, FMax - FMin + page)) {
    case shLineBack: DoScroll(scLineUp, FPosition - FSmallChange); break;
    case shLineForward: DoScroll(scLineDown, FPosition + FSmallChange); break;
    case shPageBack: DoScroll(scPageUp, FPosition - FLargeChange); break;
    case shPageForward: DoScroll(scPageDown, FPosition + FLargeChange); break;
    default: break;
    }
}

void TScrollBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_UP: case VK_LEFT: DoScroll(scLineUp, FPosition - FSmallChange); break;
    case VK_DOWN: case VK_RIGHT: DoScroll(scLineDown, FPosition + FSmallChange); break;
    case VK_PRIOR: DoScroll(scPageUp, FPosition - FLargeChange); break;
    case VK_NEXT: DoScroll(scPageDown, FPosition + FLargeChange); break;
    case VK_HOME: DoScroll(scTop, FMin); break;
    case VK_END: DoScroll(scBottom, FMax); break;
    default: break;
    }
}

// ---------------------------------------------------------------- TMemo
namespace {

// Where each line of a memo's text starts; a text ending with a line break has an empty last line.
std::vector<Integer> LineStarts(const String& text)
{
    std::vector<Integer> starts{0};
    const std::u16string& t = text.u16();
    for (size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == u'\r' && t[i + 1] == u'\n') starts.push_back(static_cast<Integer>(++i + 1));
    return starts;
}

// The line holding the character position.
Integer LineOf(const std::vector<Integer>& starts, Integer pos)
{
    return static_cast<Integer>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

}  // namespace

Integer TMemoStrings::Count() const
{
    const String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    return static_cast<Integer>(starts.size()) - (starts.back() == text.Length() ? 1 : 0);
}

String TMemoStrings::Get(Integer index) const
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    const String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] - 2 : text.Length();
    return Copy(text, starts[index] + 1, end - starts[index]);
}

void TMemoStrings::Put(Integer index, const String& s)
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] - 2 : text.Length();
    ::Delete(text, starts[index] + 1, end - starts[index]);
    ::Insert(s, text, starts[index] + 1);
    FMemo->SetText(text);
}

// Before an existing line (the empty last one included) the new line goes with its line break;
// after a last line without one, a line break goes before it.
void TMemoStrings::Insert(Integer index, const String& s)
{
    if (index < 0 || index > Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    if (index < static_cast<Integer>(starts.size())) ::Insert(s + "\r\n", text, starts[index] + 1);
    else text += "\r\n" + s;
    FMemo->SetText(text);
}

void TMemoStrings::Delete(Integer index)
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] : text.Length();
    ::Delete(text, starts[index] + 1, end - starts[index]);
    FMemo->SetText(text);
}

void TMemoStrings::Clear() { FMemo->SetText(String()); }

void TMemoStrings::SetText(const String& text) { FMemo->SetText(text); }

TClass TCustomMemo::StaticClass()
{
    static const TMetaClass meta("TCustomMemo", TCustomEdit::StaticClass(), NewComponent<TCustomMemo>,
                                 [](TMetaClass& m) { m.OnMessage(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode); });
    return &meta;
}

IMPLEMENT_CLASS(TMemo, TCustomMemo, NewComponent<TMemo>)

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FControlStyle.Exclude(csFixedHeight);
    FWidth = 185;
    FHeight = 89;
}

void TCustomMemo::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.Kind = TWindowKind::wkMemo;
}

void TCustomMemo::SetWordWrap(bool value)
{
    FOptions.WordWrap = value;
    ApplyOptions();
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    FOptions.ScrollBars = value;
    ApplyOptions();
}

// A line given as -1 is the caret's line.
void TCustomMemo::DefaultHandler(TMessage& message)
{
    if (message.Msg != EM_GETLINECOUNT && message.Msg != EM_LINEINDEX && message.Msg != EM_LINEFROMCHAR &&
        message.Msg != EM_LINELENGTH) {
        TCustomEdit::DefaultHandler(message);
        return;
    }
    const String text = Text();
    const std::vector<Integer> starts = LineStarts(text);
    const auto lines = static_cast<Integer>(starts.size());
    const auto value = static_cast<Integer>(message.WParam);
    auto lineEnd = [&](Integer line) { return line + 1 < lines ? starts[line + 1] - 2 : text.Length(); };
    switch (message.Msg) {
    case EM_GETLINECOUNT: message.Result = lines; break;
    case EM_LINEINDEX: {
        const Integer line = value < 0 ? LineOf(starts, SelStart()) : value;
        message.Result = line < lines ? starts[line] : -1;
        break;
    }
    case EM_LINEFROMCHAR: message.Result = LineOf(starts, value < 0 ? SelStart() : std::min(value, text.Length())); break;
    default: {   // EM_LINELENGTH
        const Integer line = LineOf(starts, value < 0 ? SelStart() : std::min(value, text.Length()));
        message.Result = lineEnd(line) - starts[line];
        break;
    }
    }
}

// A memo keeps Enter and the arrows for itself.
void TCustomMemo::WMGetDlgCode(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    message.Result |= DLGC_WANTALLKEYS;
}
