#include "styledcontrols/StyCustomComboBox.h"

#include "platform/graphics/GdiApi.h"
#include "platform/services/SysInfo.h"
#include "platform/stdctrls/ListBox.h"

IMPLEMENT_CLASS(TStyCustomComboBox, TStyThemedComboBox, NewComponent<TStyCustomComboBox>)

TStyCustomComboBox::TStyCustomComboBox(TComponent* AOwner) : TStyThemedComboBox(AOwner)
{
    TControlStyle style = ControlStyle();
    style.Include(csReplicatable);
    SetControlStyle(style);
}

TStyCustomComboBox::~TStyCustomComboBox()
{
    if (FHookedEdit && FHookedEdit == EditHandle()) FHookedEdit->WindowProc = FEditProc;
}

void TStyCustomComboBox::Loaded()
{
    TStyThemedComboBox::Loaded();
    Perform(CB_SETDROPPEDWIDTH, FWidth, 0);
}

void TStyCustomComboBox::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

// ---------------------------------------------------------------- validator

void TStyCustomComboBox::SetValidator(TStyValidationEntity* Value)
{
    if (Value == FValidator) return;
    FValidator = Value;
    if (FValidator) FValidator->FreeNotification(this);
}

void TStyCustomComboBox::RespondToError(Integer ErrorLevel)
{
    FErrorIndication = ErrorLevel > 0;
    if (FErrorIndication) OnValidationError(this, ErrorLevel);
}

void TStyCustomComboBox::Validate()
{
    if (FValidator) RespondToError(FValidator->Validate(this));
}

void TStyCustomComboBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyThemedComboBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FValidator) FValidator = nullptr;
}

void TStyCustomComboBox::Change()
{
    Validate();
    TStyThemedComboBox::Change();
}

void TStyCustomComboBox::DoSelect()
{
    TStyThemedComboBox::Select();
    Validate();
}

// ---------------------------------------------------------------- flat frame

bool TStyCustomComboBox::FlatLookShown() const
{
    const bool designing = ComponentState().Contains(csDesigning);
    return FFlat && ((!designing && !FMouseAbove && !Focused() && !FFocused) || FRepaint);
}

// On the whole window, frame included: flat, two rings of the face colour around one of the
// window colour; else the sunken three-dimensional frame.
void TStyCustomComboBox::PaintFlatFrame()
{
    if (IsThemed() || !HandleAllocated()) return;
    HDC dc = GetWindowDC(this);
    if (!dc) return;
    TRect r{0, 0, Width(), Height()};
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    if (FlatLookShown()) {
        FrameRect(dc, &r, face);
        InflateRect(r, -1, -1);
        FrameRect(dc, &r, face);
        InflateRect(r, -1, -1);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    } else {
        TRect inner{r.Left + 1, r.Top + 1, r.Right, r.Bottom};
        FrameRect(dc, &inner, GetSysColorBrush(COLOR_WINDOWFRAME));
        inner = {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
        FrameRect(dc, &inner, face);
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    ReleaseDC(this, dc);
}

void TStyCustomComboBox::MouseEntered()
{
    TStyThemedComboBox::MouseEntered();
    if (FFlat && !Focused() && !FFocused) PaintFlatFrame();
}

void TStyCustomComboBox::MouseLeft()
{
    TStyThemedComboBox::MouseLeft();
    if (FFlat && !Focused() && !FFocused && !DroppedDown()) PaintFlatFrame();
}

void TStyCustomComboBox::ExitHandling()
{
    if (!FMouseAbove && !FFocused) {
        FRepaint = true;
        PaintFlatFrame();
        FRepaint = false;
    }
    FreeTimer();
}

void TStyCustomComboBox::SetDropDownWidth(Integer Value)
{
    if (Value == FWidth) return;
    FWidth = Value;
    Perform(CB_SETDROPPEDWIDTH, Value, 0);
}

void TStyCustomComboBox::SetSearch(bool Value)
{
    if (Value == FSearch) return;
    FSearch = Value;
    if (auto* items = dynamic_cast<TStringList*>(&Items()); items && !items->Sorted()) items->SetSorted(true);
}

void TStyCustomComboBox::SetMRUList(bool Value)
{
    if (Value == FMRUList) return;
    FMRUList = Value;
    if (!Value) {
        for (; FMRUCount > 0; --FMRUCount) Items().Delete(0);
    } else {
        SetStyle(csOwnerDrawFixed);
    }
}

void TStyCustomComboBox::SetMRUMax(Integer Value)
{
    if (Value == FMRUMax) return;
    FMRUMax = Value;
    while (FMRUMax < FMRUCount) {
        Items().Delete(FMRUCount - 1);
        --FMRUCount;
    }
}

String TStyCustomComboBox::ValidationText() const
{
    return FValidatedValue == vlvIndex ? IntToStr(ItemIndex()) : Text();
}

void TStyCustomComboBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FFocusCtrl && FFocusCtrl->CanFocus()) {
        FFocusCtrl->SetFocus();
        ExitHandling();
    }
    TStyThemedComboBox::KeyDown(Key, Shift);
    if (FSearch) {
        if (FTimer) FTimer->SetEnabled(false);
        else FTimer = std::make_unique<TStyTimer>(static_cast<Word>(FTimerInterval), TNotifyEvent(this, &TStyCustomComboBox::SearchTimer), false, FUseGlobalTimer);
        if (Key == VK_BACK || Key == VK_DELETE) {
            FTimer->SetInterval(static_cast<Word>(FTimerInterval + 1000));
            FTimer->SetEnabled(true);
        } else if (Key > 31) {
            FTimer->SetInterval(static_cast<Word>(FTimerInterval));
            FTimer->SetEnabled(true);
        }
    }
    FKeyed = Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN);
}

void TStyCustomComboBox::SearchTimer(TObject*)
{
    const String typed = Text();
    auto* items = dynamic_cast<TStringList*>(&Items());
    if (items && items->Sorted() && !typed.IsEmpty()) {
        for (Integer i = 0; i < Items().Count(); ++i) {
            if (Copy(Items()[i], 1, typed.Length()) != typed) continue;
            Integer start = SelStart();
            SetItemIndex(i);
            SetSelStart(start);
            SetSelLength(Text().Length() - start);
            break;
        }
    }
    // The search is over; the timer waits, stopped, for the next key (it cannot free itself
    // from inside its own tick).
    FTimer->SetEnabled(false);
}

void TStyCustomComboBox::Select()
{
    DoSelect();
    if (FMRUList) UpdateMRU();
    if (!DroppedDown() && !FKeyed && FFocusCtrl && FFocusCtrl->CanFocus()) {
        FFocusCtrl->SetFocus();
        ExitHandling();
    }
}

void TStyCustomComboBox::UpdateMRU()
{
    const Integer index = ItemIndex();
    if (index < 0) return;
    const String text = Items()[index];
    TObject* object = Items().Objects(index);
    for (Integer i = 0; i < FMRUCount; ++i)
        if (Items()[i] == text) {
            SetItemIndex(i);
            return;
        }
    if (FMRUCount == FMRUMax) Items().Delete(FMRUMax - 1);
    else ++FMRUCount;
    Items().InsertObject(0, text, object);
    SetItemIndex(0);
}

void TStyCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyThemedComboBox::MouseDown(Button, Shift, X, Y);
    FKeyed = false;
}

void TStyCustomComboBox::HeightenListRows()
{
    auto* list = dynamic_cast<TCustomListBox*>(ListWindow());
    if (!list) return;
    const Integer row = ItemHeight() + 4;
    const Integer rows = std::clamp(Items().Count(), 1, std::max(1, DropDownCount()));
    list->SetItemHeight(row);
    list->SetBounds(list->Left(), list->Top(), list->Width(), rows * row + 2);
}

void TStyCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    TStyThemedComboBox::DrawItem(Index, Rect, State);
    if (!FMRUList || !DroppedDown() || Index != FMRUCount - 1) return;
    TCanvas& c = Canvas();
    c.Pen().SetColor(clBlack);
    c.Pen().SetStyle(TPenStyle::psSolid);
    for (Integer y : {Rect.Bottom - 3, Rect.Bottom - 1}) {
        c.MoveTo(Rect.Left, y);
        c.LineTo(Rect.Right, y);
    }
}

// The text box of an editable combo box: its focus is the combo box's, a click on it OnEditClick.
void TStyCustomComboBox::EditWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SETFOCUS) FFocused = true;
    if (Message.Msg == WM_KILLFOCUS) {
        FFocused = false;
        FreeTimer();
    }
    if (Message.Msg == WM_LBUTTONDOWN) OnEditClick(this);
    FEditProc(Message);
}

void TStyCustomComboBox::HookEdit()
{
    FHookedEdit = EditHandle();
    if (!FHookedEdit) return;
    FEditProc = FHookedEdit->WindowProc;
    FHookedEdit->WindowProc = TWndMethod(this, &TStyCustomComboBox::EditWndProc);
}

void TStyCustomComboBox::WndProc(TMessage& Message)
{
    if (EditHandle() != FHookedEdit) HookEdit();
    switch (Message.Msg) {
    case CM_EXIT:
        TStyThemedComboBox::WndProc(Message);
        ExitHandling();
        return;
    case WM_KILLFOCUS:
        FreeTimer();
        break;
    case CM_ENTER:
        TStyThemedComboBox::WndProc(Message);
        PaintFlatFrame();
        return;
    case WM_NCPAINT:
        TStyThemedComboBox::WndProc(Message);
        PaintFlatFrame();
        return;
    case CB_SHOWDROPDOWN:
        TStyThemedComboBox::WndProc(Message);
        if (Message.WParam && FMRUList) HeightenListRows();
        return;
    }
    TStyThemedComboBox::WndProc(Message);
}
