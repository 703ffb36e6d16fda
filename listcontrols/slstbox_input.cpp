// The section list box and the user: selecting rows, opening and closing sections, check boxes
// and radio buttons, the sort indicator, URLs, dragging tab stops, the Insert and Delete keys,
// and editing a sub-item in place.  Events carry (section, sub-item) with -1 for a section row.
#include "listcontrols/slstbox.h"

#include "platform/graphics/GdiApi.h"
#include "platform/services/ShellApi.h"

namespace {

bool IsArrow(Word key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

}  // namespace

// ---------------------------------------------------------------- TSectionMemo
IMPLEMENT_CLASS(TSectionMemo, TMemo, NewComponent<TSectionMemo>)

TSectionMemo::TSectionMemo(TComponent* AOwner) : TMemo(AOwner) {}

TSectionListBox* TSectionMemo::ListBox() const { return dynamic_cast<TSectionListBox*>(Owner()); }

void TSectionMemo::KeyDown(Word& Key, TShiftState Shift)
{
    TMemo::KeyDown(Key, Shift);
    const bool leave = ((Key == VK_UP || Key == VK_DOWN) && Lines().Count() <= 1) ||
                       (Key == VK_RETURN && !Shift.Contains(ssCtrl));
    if (!leave) return;
    Key = 0;
    // The focus goes back first, so that the editor's exit stores the text; then it hides.
    if (TSectionListBox* list = ListBox()) list->SetFocus();
    SetVisible(false);
}

void TSectionMemo::DoExit()
{
    TMemo::DoExit();
    if (TSectionListBox* list = ListBox()) list->EndEditing(*this);
}

// Leaving the editor always stores its text: there is no cancel key.
void TSectionListBox::EndEditing(TSectionMemo& memo)
{
    if (memo.FListSection) {
        String s = memo.Text();
        while (s.Length() > 0 && (s[s.Length()] == u'\r' || s[s.Length()] == u'\n' || s[s.Length()] == u'\t'))
            s = Copy(s, 1, s.Length() - 1);
        OnEndEdit(this, memo.SectionIdx, memo.SubItemIdx, s);
        TSectionListStrings& items = memo.FListSection->SubItems();
        if (memo.SubItemIdx - 1 >= 0 && memo.SubItemIdx - 1 < items.Count()) items.Put(memo.SubItemIdx - 1, s);
        UpdateItemHeight();
    }
    memo.SetVisible(false);
    if (CanFocus()) SetFocus();
    if (memo.ItemIdx < RowCount()) SetItemIndex(memo.ItemIdx);
}

bool TSectionListBox::StartEdit(Integer idx)
{
    if (idx < 0 || idx >= RowCount() || RowIsSection(idx)) return false;
    TListSection* section = GetItemSection(idx);
    if (!section || section->ReadOnly() || section->ControlType() != scText) return false;
    TRect r = RowRect(idx);
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    FMemo->SetBounds(r.Left, r.Top, r.Width(), std::max(canvas.TextHeight("gh"), r.Height()));
    FMemo->SetColor(section->Color());
    FMemo->SetReadOnly(false);
    FMemo->SetEnabled(true);
    FMemo->ItemIdx = idx;
    FMemo->SectionIdx = GetItemSectionIndex(idx);
    FMemo->SubItemIdx = idx - GetSectionListIndex(FMemo->SectionIdx);
    FMemo->Lines().Clear();
    String s = section->SubItems()[FMemo->SubItemIdx - 1];
    OnStartEdit(this, FMemo->SectionIdx, FMemo->SubItemIdx, s);
    FMemo->Lines().Add(s);
    FMemo->SetSelStart(0);
    FMemo->SetSelLength(std::max(0, FMemo->Text().Length() - 2));
    FMemo->FListSection = section;
    FMemo->SetVisible(true);
    FMemo->SetFocus();
    return true;
}

void TSectionListBox::ToggleSection(Integer row)
{
    TListSection* section = GetItemSection(row);
    if (!section) return;
    const Integer SectionIdx = section->Index();
    if (section->State() == lssExpanded && !FOneExpanded) {
        section->SetState(lssContracted);
        OnContractSection(this, SectionIdx);
        return;
    }
    if (FOneExpanded)
        for (Integer i = 0; i < FSections->Count(); ++i)
            FSections->Items(i)->SetState(i == SectionIdx ? lssExpanded : lssContracted);
    else
        section->SetState(lssExpanded);
    OnExpandSection(this, SectionIdx);
}

void TSectionListBox::CheckClick(TListSection* section, Integer SectionIdx, Integer i)
{
    section->SetSubItemCheckState(i, !section->GetSubItemCheckState(i));
    if (section->ControlType() == scCheckbox) {
        OnCheckBoxClick(this, SectionIdx, i);
    } else if (section->ControlType() == scRadiobutton) {
        section->SetRadioIndex(i);
        OnRadioClick(this, SectionIdx, i);
    }
}

// ---------------------------------------------------------------- mouse
void TSectionListBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    const Integer row = ItemAtPos(TPoint{X, Y}, true);
    Integer SectionIdx = 0, subitemidx = 0;
    if (Shift.Contains(ssDouble)) {
        TCustomListBox::MouseDown(Button, Shift, X, Y);
        if (!GetSelectedItem(SectionIdx, subitemidx)) return;
        if (Button == mbRight)
            OnSubItemRDblClk(this, SectionIdx, subitemidx);
        else if (Button == mbLeft && subitemidx < 0)
            OnSectionDblClk(this, SectionIdx);
        else if (Button == mbLeft)
            OnSubItemDblClk(this, SectionIdx, subitemidx);
        return;
    }
    if (Button == mbRight) {
        TCustomListBox::MouseDown(Button, Shift, X, Y);
        if (row < 0 || !RowRect(row).Contains(TPoint{X, Y})) return;
        GetListItemIndex(row, SectionIdx, subitemidx);
        if (subitemidx < 0)
            OnSectionRClick(this, SectionIdx);
        else
            OnSubItemRClick(this, SectionIdx, subitemidx);
        return;
    }
    if (Button != mbLeft) {
        TCustomListBox::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (row < 0 || !RowRect(row).Contains(TPoint{X, Y})) {
        if (MultiSelect()) ClearSelection(); else SetItemIndex(-1);
        Click();
        return;
    }
    if (FTabSelect) FTabMove = true;
    const String text = RowText(row);
    if (FURLSettings.URLAware() && (Pos("://", text) > 0 || (Pos("mailto:", text) > 0 && Pos("</", text) == 0))) {
        ShellExecute(WindowHandle(), "open", text);
        return;
    }
    String anchor;
    if (Pos("</", text) > 0 && HitAnchor(row, FSubItemIndent, X, Y, anchor)) {
        if (Pos("://", anchor) > 0 || Pos("mailto:", anchor) > 0)
            ShellExecute(nullptr, "open", anchor);
        else
            OnAnchorClick(this, row, anchor);
        return;
    }
    GetListItemIndex(row, SectionIdx, subitemidx);
    TListSection* section = FSections->Items(SectionIdx);
    const bool controlZone = X > FSubItemIndent && X < FSubItemIndent + 15;
    if (controlZone && subitemidx >= 0 && !section->ReadOnly()) CheckClick(section, SectionIdx, subitemidx);
    if (row == ItemIndex() && subitemidx >= 0 && StartEdit(row)) return;

    TCustomListBox::MouseDown(Button, Shift, X, Y);
    const Integer sel = ItemIndex();
    if (sel < 0) return;
    GetListItemIndex(sel, SectionIdx, subitemidx);
    section = FSections->Items(SectionIdx);
    TRect hit = RowRect(sel);
    if (subitemidx < 0) {
        OnSectionClick(this, SectionIdx);
        const Integer right = Width() - VertScrollBarWidth();
        if (X >= right - 20 && X < right - 10) {
            if (section->SortShow()) {
                BeginUpdate();
                section->SetSortDirection(section->SortDirection() == sdAscending ? sdDescending : sdAscending);
                EndUpdate();
            }
            return;
        }
        if (FActiveSection == asNodeOnly)
            hit.Right = hit.Left + (FNodeType == lnGlyph ? FContractGlyph.Width() + 4 : 12);
    }
    if (hit.Contains(TPoint{X, Y}) && (subitemidx >= 0 || FTabSelect)) {
        if (section->ControlType() == scCheckbox && controlZone) SetItemIndex(row);
        OnSubItemClick(this, SectionIdx, sel - GetSectionListIndex(SectionIdx) - 1);
    }
}

void TSectionListBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FTabMove) {
        FTabMove = false;
        FTabPositions.Items(FTabPos)->SetTabPosition(X);
        Invalidate();
    }
    TCustomListBox::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const Integer sel = ItemIndex();
    if (sel < 0 || !IsSection(sel) || FTabSelect) return;
    TListSection* section = GetItemSection(sel);
    const bool expanded = section->State() == lssExpanded;
    if ((expanded && FContractDisable) || (!expanded && FExpandDisable) || section->Fixed()) return;
    ToggleSection(sel);
    if (section->State() == lssExpanded && section->AutoEdit() && section->SubItems().Count() > 0) StartEdit(sel + 1);
}

// The tab-stop splitter: an inverting line, so drawing it again at the same place takes it away.
void TSectionListBox::DrawTabSplitter(Integer x, Integer top, Integer bottom)
{
    TCanvas& canvas = Canvas();
    canvas.Pen().SetMode(TPenMode::pmNot);
    canvas.Pen().SetColor(clBlack);
    canvas.MoveTo(x, top);
    canvas.LineTo(x, bottom);
    canvas.Pen().SetMode(TPenMode::pmCopy);
}

void TSectionListBox::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (!FTabMove) TCustomListBox::MouseMove(Shift, X, Y);
    const Integer row = ItemAtPos(TPoint{X, Y}, true);
    if (row < 0 || row >= RowCount()) {
        SetCursor(FOldCursor);
        return;
    }
    if (FTabMove) {
        Integer sectionRow = row;
        while (sectionRow > 0 && !RowIsSection(sectionRow)) --sectionRow;
        TListSection* section = GetItemSection(sectionRow);
        const Integer last = sectionRow + (section->State() == lssExpanded ? section->SubItems().Count() : 0);
        const Integer top = RowRect(sectionRow).Top, bottom = RowRect(std::min(last, RowCount() - 1)).Bottom;
        if (Y <= bottom) {
            DrawTabSplitter(FOldTabPos, top, bottom);
            DrawTabSplitter(X, top, bottom);
            FOldTabPos = X;
        }
        return;
    }
    FTabSelect = false;
    const String text = RowText(row);
    if (RowIsSection(row)) {
        if (FTabPosMove)
            for (Integer k = 0; k < FTabPositions.Count(); ++k)
                if (std::abs(X - FTabPositions.Items(k)->TabPosition()) < 4) {
                    FTabSelect = true;
                    FTabPos = k;
                    SetCursor(crHSplit);
                    FOldTabPos = FTabPositions.Items(k)->TabPosition() - 2;
                    return;
                }
        if (Pos("</", text) == 0) SetCursor(FOldCursor);
    } else {
        SetCursor(FOldCursor);
        if ((Pos("://", text) > 0 || Pos("mailto:", text) > 0) && Pos("</", text) == 0) SetCursor(crHandPoint);
    }
    String anchor;
    const bool hit = Pos("</", text) > 0 &&
                     HitAnchor(row, RowIsSection(row) ? FSectionIndent : FSubItemIndent, X, Y, anchor);
    TrackAnchor(hit, anchor);
}

bool TSectionListBox::HitAnchor(Integer row, Integer indent, Integer X, Integer Y, String& anchor)
{
    TRect r = RowRect(row);
    r.Left += indent;
    THTMLRenderParams params = HTMLParams(false);
    params.HitTestPass = true;
    params.PointX = X;
    params.PointY = Y;
    THTMLRenderResult result;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const bool hit = RenderMiniHTML(canvas, RowText(row), r, params, result);
    anchor = result.LinkHref;
    return hit;
}

// The hand over an anchor; enter and exit events as the pointer moves onto and off anchors.
void TSectionListBox::TrackAnchor(bool hit, const String& anchor)
{
    if (hit) {
        SetCursor(crHandPoint);
        if (anchor != FOldAnchor) OnAnchorEnter(this, 1, anchor);
        FOldAnchor = anchor;
        return;
    }
    if (!FOldAnchor.IsEmpty()) {
        OnAnchorExit(this, 1, String());
        FOldAnchor = String();
    }
}

// ---------------------------------------------------------------- keys
void TSectionListBox::KeyDown(Word& Key, TShiftState Shift)
{
    const Integer sel = ItemIndex();
    if (FSections->Count() == 0 || sel < 0) {
        TCustomListBox::KeyDown(Key, Shift);
        return;
    }
    Integer S = 0, i = 0;
    GetListItemIndex(sel, S, i);
    TListSection* section = FSections->Items(S);
    const Integer count = section->SubItems().Count();
    if (IsArrow(Key) && i >= 0) {
        const Integer p = (Key == VK_LEFT || Key == VK_UP) ? i - 1 : i + 1;
        if (OnSubItemClick && p >= 0 && p < count) OnSubItemClick(this, S, p);
    }
    // Down or Right from the last sub-item (or an empty section's row), Up or Left from a section's
    // row: the neighbouring section that way opens, or the section itself at either end of the list,
    // and the others close.  Up from the last sub-item stays in its section, so that the selection
    // lands on the sub-item just announced to OnSubItemClick.
    const bool back = Key == VK_LEFT || Key == VK_UP;
    if (IsArrow(Key) && ((i == count - 1 && !back) || (i == -1 && back))) {
        Integer T = S;
        if (back && S > 0) T = S - 1;
        if (!back && S < FSections->Count() - 1) T = S + 1;
        BeginUpdate();
        if (!FContractDisable)
            for (Integer k = 0; k < FSections->Count(); ++k)
                if (k != T) FSections->Items(k)->SetState(lssContracted);
        FSections->Items(T)->SetState(lssExpanded);
        EndUpdate();
        // With every other section closed, row S lies just before T's row (Down), just after it (Up)
        // or is T's own row, so that the list's own arrow movement lands next to it.
        if (!FContractDisable) SetItemIndex(S);
        OnSectionClick(this, T);
    }
    switch (Key) {
    case VK_SPACE:
        if (i >= 0) StartEdit(sel);
        break;
    case VK_ESCAPE:
        if (MultiSelect()) ClearSelection(); else SetItemIndex(-1);
        break;
    case VK_INSERT:
        if (i < 0 && count > 0) {
            if (OnInsertSection) OnInsertSection(this, S, FSections->Add());
        } else if (OnInsertSubItem) {
            String subitem;
            OnInsertSubItem(this, S, i, subitem);
            if (!subitem.IsEmpty()) {
                if (i >= 0) section->SubItems().Insert(i, subitem); else section->SubItems().Add(subitem);
                SetItemIndex(sel);
            }
        }
        break;
    case VK_DELETE: {
        bool allow = false;
        if (i < 0 && OnDeleteSection) {
            OnDeleteSection(this, S, allow);
            if (allow) {
                FSections->Delete(S);
                SetItemIndex(std::min(sel, RowCount() - 1));
            }
        } else if (i >= 0 && OnDeleteSubItem) {
            OnDeleteSubItem(this, S, i, allow);
            if (allow) {
                section->SubItems().Delete(i);
                SetItemIndex(std::min(sel, RowCount() - 1));
            }
        }
        break;
    }
    default: break;
    }
    TCustomListBox::KeyDown(Key, Shift);
}

void TSectionListBox::KeyPress(char16_t& Key)
{
    TCustomListBox::KeyPress(Key);
    const Integer sel = ItemIndex();
    if (Key != u' ' || sel < 0 || FSections->Count() == 0) return;
    Integer S = 0, i = 0;
    GetListItemIndex(sel, S, i);
    TListSection* section = FSections->Items(S);
    if (i < 0) {
        const bool expanded = section->State() == lssExpanded;
        if (!((expanded && FContractDisable) || (!expanded && FExpandDisable) || section->Fixed())) ToggleSection(sel);
        return;
    }
    if (!section->ReadOnly() && section->ControlType() == scCheckbox) {
        section->SetSubItemCheckState(i, !section->GetSubItemCheckState(i));
        SetItemIndex(sel);
        OnCheckBoxClick(this, S, i);
    } else if (!section->ReadOnly() && section->ControlType() == scRadiobutton) {
        section->SetRadioIndex(i);
        OnRadioClick(this, S, i);
    }
    OnSubItemClick(this, S, i);
}
