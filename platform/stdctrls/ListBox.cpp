#include "platform/stdctrls/ListBox.h"

#include <algorithm>

#include "platform/rtl/RtlConsts.h"
#include "platform/stdctrls/ScrollBars.h"
#include "platform/stdctrls/StdCtrls.h"

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
                                     m.OnMessage(WM_VSCROLL, &TCustomListBox::WMVScroll);
                                     m.OnMessage(WM_HSCROLL, &TCustomListBox::WMHScroll);
                                     m.OnMessage(WM_SIZE, &TCustomListBox::WMSize);
                                     m.OnMessage(WM_SETFOCUS, &TCustomListBox::WMFocusChanged);
                                     m.OnMessage(WM_KILLFOCUS, &TCustomListBox::WMFocusChanged);
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
    Params.Style |= WS_VSCROLL | WS_HSCROLL;
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
    if (r == LB_ERR) throw EListError(ListIndexErrorMessage(index));
    return r != 0;
}

void TCustomListBox::SetSelected(Integer index, bool value)
{
    if (FMultiSelect) {
        if (Perform(LB_SETSEL, value, index) == LB_ERR)
            throw EListError(ListIndexErrorMessage(index));
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

TRect TCustomListBox::ListRect() const { return ClientRect(); }

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
    if (!FRedraw) return;
    UpdateScrollRanges();
    Invalidate();
}

// The vertical bar counts rows from the top one: its page is the rows the last page shows, so that
// its positions are the top indexes the list can take.  The horizontal bar counts pixels of the
// horizontal extent.  A bar shown or hidden changes the other's room, hence the second round.
void TCustomListBox::UpdateScrollRanges()
{
    if (FUpdatingScrollRanges) return;
    FUpdatingScrollRanges = true;
    for (int round = 0; round < 2; ++round) {
        FTopIndex = std::min(FTopIndex, LastTopIndex());
        SCROLLINFO v;
        v.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        v.nMin = 0;
        v.nMax = std::max(0, Count() - 1);
        v.nPage = static_cast<Cardinal>(Count() > 0 ? PageRows(LastTopIndex()) : 0);
        v.nPos = FTopIndex;
        SetScrollInfo(this, SB_VERT, &v, true);
        SCROLLINFO h;
        h.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        h.nMin = 0;
        h.nMax = std::max(0, FHorzExtent - 1);
        h.nPage = static_cast<Cardinal>(std::max(0, ListRect().Width()));
        FHorzPos = std::clamp(FHorzPos, 0, std::max(0, FHorzExtent - ListRect().Width()));
        h.nPos = FHorzPos;
        SetScrollInfo(this, SB_HORZ, &h, true);
    }
    FUpdatingScrollRanges = false;
}

void TCustomListBox::WMVScroll(TMessage& message)
{
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (code == SB_ENDSCROLL) return;
    const Integer top = ScrollTarget(this, SB_VERT, code, 1, PageRows(FTopIndex));
    SetTopIndex(std::clamp(top, 0, LastTopIndex()));
}

void TCustomListBox::WMHScroll(TMessage& message)
{
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (code == SB_ENDSCROLL) return;
    const Integer width = ListRect().Width();
    const Integer pos = std::clamp(ScrollTarget(this, SB_HORZ, code, 8, width), 0, std::max(0, FHorzExtent - width));
    if (pos == FHorzPos) return;
    FHorzPos = pos;
    Changed();
}

void TCustomListBox::WMSize(TMessage& message)
{
    UpdateScrollRanges();
    TCustomControl::WMSize(message);
}

// The focused row shows the focus only while the list has it: its rows are drawn again.
void TCustomListBox::WMFocusChanged(TMessage& message)
{
    Invalidate();
    InheritedMessage(StaticClass(), message);
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
    if (State.Contains(odFocused)) canvas.DrawFocusRect(Rect);
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
        top = rect.Bottom;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetBitmap(Brush().Bitmap());   // a wallpaper shows below the rows too
    if (top < list.Bottom) canvas.FillRect(TRect{list.Left, top, list.Right, list.Bottom});
    canvas.Brush().SetBitmap(nullptr);
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
        Integer index = ItemAtPos(TPoint{X, Y}, true);
        if (Shift.Contains(ssDouble)) {
            if (index >= 0) Perform(CN_COMMAND, MakeWParam(0, LBN_DBLCLK), 0);
        } else if (index >= 0) {
            SelectRow(index, Shift, true);
            FTracking = !FMultiSelect;
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
    // A list of one column moves with Left and Right as with Up and Down.
    case VK_UP:
    case VK_LEFT: to = FCaret < 0 ? 0 : from - 1; break;
    case VK_DOWN:
    case VK_RIGHT: to = FCaret < 0 ? 0 : from + 1; break;
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
