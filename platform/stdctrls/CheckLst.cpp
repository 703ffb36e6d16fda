#include "platform/stdctrls/CheckLst.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/SysFormat.h"

IMPLEMENT_CLASS(TCheckListBox, TCustomListBox, NewComponent<TCheckListBox>)

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

const TCheckListBox::TCheck& TCheckListBox::Row(Integer index) const
{
    if (index < 0 || index >= static_cast<Integer>(FChecks.size()))
        throw EListError(Format(SListIndexError, {index}));
    return FChecks[static_cast<size_t>(index)];
}

TCheckBoxState TCheckListBox::State(Integer index) const { return Row(index).State; }

void TCheckListBox::SetState(Integer index, TCheckBoxState value)
{
    Row(index);
    if (FChecks[static_cast<size_t>(index)].State == value) return;
    FChecks[static_cast<size_t>(index)].State = value;
    InvalidateRow(index);
}

bool TCheckListBox::ItemEnabled(Integer index) const { return Row(index).Enabled; }

void TCheckListBox::SetItemEnabled(Integer index, bool value)
{
    Row(index);
    if (FChecks[static_cast<size_t>(index)].Enabled == value) return;
    FChecks[static_cast<size_t>(index)].Enabled = value;
    InvalidateRow(index);
}

void TCheckListBox::SetFlat(bool value)
{
    if (FFlat == value) return;
    FFlat = value;
    Invalidate();
}

void TCheckListBox::InvalidateRow(Integer index)
{
    if (HandleAllocated()) InvalidateRect(ItemRect(index), false);
}

// Rows come and go through the list's messages: the boxes follow them.
void TCheckListBox::WndProc(TMessage& message)
{
    const Cardinal msg = message.Msg;
    const Integer index = static_cast<Integer>(message.WParam);
    TCustomListBox::WndProc(message);
    const Integer result = static_cast<Integer>(message.Result);
    switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (result >= 0 && result <= static_cast<Integer>(FChecks.size())) FChecks.insert(FChecks.begin() + result, TCheck{});
        break;
    case LB_DELETESTRING:
        if (result != LB_ERR && index >= 0 && index < static_cast<Integer>(FChecks.size())) FChecks.erase(FChecks.begin() + index);
        break;
    case LB_RESETCONTENT: FChecks.clear(); break;
    default: break;
    }
}

void TCheckListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    // the box on the list's own colour, the row's text (selected or not) to its right
    TRect box = Rect;
    box.Right = box.Left + CheckWidth;
    TCanvas& canvas = Canvas();
    const TColor brush = canvas.Brush().Color();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(box);
    canvas.Brush().SetColor(brush);
    if (Index >= 0 && Index < static_cast<Integer>(FChecks.size())) {
        const TCheck& check = FChecks[static_cast<size_t>(Index)];
        const Integer size = 13;
        TRect glyph = Bounds(box.Left + (CheckWidth - size) / 2, box.Top + (box.Height() - size) / 2, size, size);
        UINT kind = DFCS_BUTTONCHECK;
        if (check.State == cbChecked) kind |= DFCS_CHECKED;
        if (check.State == cbGrayed) kind = DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!check.Enabled || !Enabled()) kind |= DFCS_INACTIVE;
        if (FFlat) kind |= DFCS_FLAT;
        DrawFrameControl(canvas.Handle(), &glyph, DFC_BUTTON, kind);
    }
    Rect.Left += CheckWidth;
    TCustomListBox::DrawItem(Index, Rect, State);
}

void TCheckListBox::Toggle(Integer index)
{
    TCheck& check = FChecks[static_cast<size_t>(index)];
    switch (check.State) {
    case cbUnchecked: check.State = cbChecked; break;
    case cbChecked: check.State = FAllowGrayed ? cbGrayed : cbUnchecked; break;
    case cbGrayed: check.State = cbUnchecked; break;
    }
    InvalidateRow(index);
    ClickCheck();
}

void TCheckListBox::ClickCheck() { OnClickCheck(this); }

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomListBox::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || Shift.Contains(ssDouble)) return;
    const Integer index = ItemAtPos(TPoint{X, Y}, true);
    if (index < 0 || index >= static_cast<Integer>(FChecks.size()) || !FChecks[static_cast<size_t>(index)].Enabled) return;
    const TRect row = ItemRect(index);
    if (X >= row.Left && X < row.Left + CheckWidth) Toggle(index);
}

void TCheckListBox::KeyPress(char16_t& Key)
{
    TCustomListBox::KeyPress(Key);
    const Integer index = ItemIndex();
    if (Key == u' ' && index >= 0 && index < static_cast<Integer>(FChecks.size()) &&
        FChecks[static_cast<size_t>(index)].Enabled) {
        Toggle(index);
        Key = 0;
    }
}

void PublishCheckListBox()
{
    TPublished<TCheckListBox>(TCheckListBox::StaticClass())
        .Property("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed).Default(false)
        .Property("Flat", &TCheckListBox::Flat, &TCheckListBox::SetFlat).Default(true)
        .Property("OnClickCheck", &TCheckListBox::OnClickCheck);
}
