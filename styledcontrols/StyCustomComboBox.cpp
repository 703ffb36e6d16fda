#include "styledcontrols/StyCustomComboBox.h"

IMPLEMENT_CLASS(TStyCustomComboBox, TCustomComboBox, NewComponent<TStyCustomComboBox>)

TStyCustomComboBox::TStyCustomComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    TControlStyle style = ControlStyle();
    style.Include(csReplicatable);
    SetControlStyle(style);
}

TStyCustomComboBox::~TStyCustomComboBox() = default;

void TStyCustomComboBox::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
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
    TCustomComboBox::KeyDown(Key, Shift);
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
    TCustomComboBox::Select();
    if (FMRUList) UpdateMRU();
    if (!DroppedDown() && !FKeyed && FFocusCtrl && FFocusCtrl->CanFocus()) FFocusCtrl->SetFocus();
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

void TStyCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    TCustomComboBox::DrawItem(Index, Rect, State);
    if (!FMRUList || !DroppedDown() || Index != FMRUCount - 1) return;
    TCanvas& c = Canvas();
    c.Pen().SetColor(clBlack);
    c.Pen().SetStyle(TPenStyle::psSolid);
    for (Integer y : {Rect.Bottom - 3, Rect.Bottom - 1}) {
        c.MoveTo(Rect.Left, y);
        c.LineTo(Rect.Right, y);
    }
}

void TStyCustomComboBox::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_KILLFOCUS) FreeTimer();
    TCustomComboBox::WndProc(Message);
}
