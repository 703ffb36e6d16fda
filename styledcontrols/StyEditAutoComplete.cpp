#include "styledcontrols/StyEditAutoComplete.h"

#include <algorithm>

#include "styledcontrols/StyBaseEdit.h"

// ---------------------------------------------------------------- TStyAutoCompleteList

IMPLEMENT_CLASS(TStyAutoCompleteList, TCustomListBox, nullptr)

TStyAutoCompleteList::TStyAutoCompleteList(TComponent* AOwner) : TCustomListBox(AOwner)
{
    FVisible = false;
    FTabStop = false;
    SetBorderStyle(bsNone);
}

void TStyAutoCompleteList::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW;
    Params.Kind = TWindowKind::wkHint;   // in front of its window, never activated
}

void TStyAutoCompleteList::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

// ---------------------------------------------------------------- TStyEditAutoComplete

const TEnumTypeInfo& TypeInfoOf(TStyAutoCompleteMode)
{
    static const TEnumTypeInfo info("TStyAutoCompleteMode", {"amText", "amPopup"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyAutoCompleteAddOn)
{
    static const TEnumTypeInfo info("TStyAutoCompleteAddOn", {"aaControlExit", "aaControlReturn"});
    return info;
}

TClass TStyEditAutoComplete::StaticClass()
{
    static const TMetaClass meta("TStyEditAutoComplete", TStyCustomComponent::StaticClass(),
                                 NewComponent<TStyEditAutoComplete>, [](TMetaClass& m) {
        TPublished<TStyEditAutoComplete>(&m)
            .Property("CaseSensitive", &TStyEditAutoComplete::CaseSensitive, &TStyEditAutoComplete::SetCaseSensitive)
            .Default(true)
            .Property("Enabled", &TStyEditAutoComplete::Enabled, &TStyEditAutoComplete::SetEnabled)
            .Default(true)
            .Property("StringList", &TStyEditAutoComplete::StringList, &TStyEditAutoComplete::SetStringList)
            .Property("StringListIndex", &TStyEditAutoComplete::StringListIndex,
                      &TStyEditAutoComplete::SetStringListIndex)
            .Property("Mode", &TStyEditAutoComplete::Mode, &TStyEditAutoComplete::SetMode)
            .Default(TStyAutoCompleteModes{})
            .Property("AddUnknownOn", &TStyEditAutoComplete::AddUnknownOn, &TStyEditAutoComplete::SetAddUnknownOn)
            .Default(TStyAutoCompleteAddOns{})
            .Property("IsExact", &TStyEditAutoComplete::IsExact, &TStyEditAutoComplete::SetIsExact)
            .Default(false)
            .Property("OnAdd", &TStyEditAutoComplete::OnAdd)
            .Property("OnSelect", &TStyEditAutoComplete::OnSelect);
    });
    return &meta;
}

TStyEditAutoComplete::TStyEditAutoComplete(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyEditAutoComplete::~TStyEditAutoComplete()
{
    CancelPopup();
    SetStringList(nullptr);
}

// The string list is watched so that freeing it never leaves the component pointing at it.
void TStyEditAutoComplete::SetStringList(TStyStringList* Value)
{
    if (Value == FStringList) return;
    if (FStringList) FStringList->RemoveFreeNotification(this);
    FStringList = Value;
    if (FStringList) FStringList->FreeNotification(this);
}

void TStyEditAutoComplete::SetStringListIndex(Integer Value)
{
    if (!FStringList) return;
    FStrListIndex = Value >= FStringList->Count() ? FStringList->Count() - 1 : Value;
}

TStringList* TStyEditAutoComplete::Strings() const
{
    if (!FStringList || FStrListIndex < 0 || FStrListIndex >= FStringList->Count()) return nullptr;
    return &FStringList->GetArrayItem(FStrListIndex)->Items();
}

bool TStyEditAutoComplete::StartsWith(const String& S, const String& Start) const
{
    return Fold(Copy(S, 1, Start.Length())) == Fold(Start);
}

// Nothing typed completes to nothing: an emptied editor stays empty.
String TStyEditAutoComplete::CompleteText(TStyBaseEdit* anEditControl, const String& aText)
{
    String result = aText;
    FBuffered = aText;
    TStringList* strings = Strings();
    if (FMode.Contains(amText) && strings && !aText.IsEmpty())
        for (Integer i = 0; i < strings->Count(); ++i) {
            const String& s = (*strings)[i];
            if (FIsExact ? Fold(s) == Fold(aText) : StartsWith(s, aText)) {
                result = s;
                break;
            }
        }
    if (FMode.Contains(amPopup)) {
        if (FBuffered.IsEmpty()) {
            CancelPopup();
        } else if (FSource.Contains(asStringList) && strings) {
            // the sorted run of strings that start with the typed text
            TStringList candidates;
            candidates.Assign(*strings);
            candidates.Sort();
            while (candidates.Count() > 0 && !StartsWith(candidates[0], FBuffered)) candidates.Delete(0);
            Integer run = 0;
            while (run < candidates.Count() && StartsWith(candidates[run], FBuffered)) ++run;
            while (candidates.Count() > run) candidates.Delete(run);
            CreatePopup(anEditControl, candidates);
        }
    }
    return result;
}

// (the editor passes its own text: a copy survives the replacement)
void TStyEditAutoComplete::AutoCompleteText(TStyBaseEdit* anEditControl, const String& aText)
{
    if (!FEnabled) return;
    const String typed = aText;
    const String r = CompleteText(anEditControl, typed);
    if (Fold(r) == Fold(typed)) return;
    anEditControl->BeginUpdate();
    anEditControl->SetText(r);
    anEditControl->SetCurrentChar(typed.Length() + 1);
    anEditControl->SetSelStart(typed.Length() + 1);
    anEditControl->SetSelLength(r.Length() - typed.Length());
    anEditControl->EndUpdate();
}

// An empty text is never learnt.
void TStyEditAutoComplete::Add(TStyBaseEdit* anEditControl, const String& aText)
{
    if (!FEnabled || aText.IsEmpty()) return;
    TStringList* strings = Strings();
    if (strings)
        for (Integer i = 0; i < strings->Count(); ++i)
            if (Fold((*strings)[i]) == Fold(aText)) return;
    String text = aText;
    bool add = true;
    TStyAutoCompleteSource addTo = asStringList;
    OnAdd(this, anEditControl, text, add, addTo);
    if (add && addTo == asStringList && strings) strings->Add(text);
}

void TStyEditAutoComplete::CreatePopup(TStyBaseEdit* anEditControl, const TStrings& Strings)
{
    if (Strings.Count() == 0) return;
    if (Strings.Count() == 1 && Fold(Strings[0]) == Fold(anEditControl->Text())) {
        CancelPopup();
        return;
    }
    if (FEdit != anEditControl) CancelPopup();
    if (!FPopupWindow) {
        FPopupWindow = new TStyAutoCompleteList(this);
        FPopupWindow->OnMouseUp = TMouseEvent(this, &TStyEditAutoComplete::PopupMouseUp);
    }
    if (!FEdit) {
        FEdit = anEditControl;
        FEdit->FreeNotification(this);
        FControlOldWndProc = FEdit->WindowProc;
        FEdit->WindowProc = TWndMethod(this, &TStyEditAutoComplete::ControlWndProc);
    }
    FPopupWindow->Items().Assign(Strings);
    FPopupWindow->SetItemIndex(-1);
    const Integer rows = std::min(Strings.Count(), FDropDownRows);
    const Integer height = FPopupWindow->Canvas().TextHeight(Strings[0]) * rows + 5;
    const TPoint at = FEdit->ClientToScreen(TPoint{-FEdit->BorderWidthNC(), FEdit->Height() - FEdit->BorderWidthNC()});
    FPopupWindow->SetBounds(at.X, at.Y, FEdit->Width(), height);
    FPopupWindow->SetTopIndex(0);
    if (!FPopupWindow->Visible()) {
        SetWindowPos(FPopupWindow, HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        FPopupWindow->SetVisible(true);
    }
    FPopupWindow->Invalidate();
}

// The list is hidden, not freed: a click on it closes it from inside its own mouse handling.
void TStyEditAutoComplete::CancelPopup()
{
    if (!FEdit) return;
    FEdit->WindowProc = FControlOldWndProc;
    FEdit->RemoveFreeNotification(this);
    FEdit = nullptr;
    ShowWindow(FPopupWindow, 0);
    FPopupWindow->SetVisible(false);
}

void TStyEditAutoComplete::SelectAllAtEnd()
{
    FEdit->BeginUpdate();
    FEdit->SetCurrentChar(FEdit->GetLength() + 1);
    FEdit->SelectAll();
    FEdit->EndUpdate();
}

void TStyEditAutoComplete::TakeItem()
{
    const Integer index = FPopupWindow->ItemIndex();
    if (index < 0) return;
    FEdit->SetText(FPopupWindow->Items()[index]);
    SelectAllAtEnd();
}

void TStyEditAutoComplete::Step(Integer Delta)
{
    const Integer index = FPopupWindow->ItemIndex() + Delta;
    if (index >= 0 && index < FPopupWindow->Count()) FPopupWindow->SetItemIndex(index);
    TakeItem();
}

// The editor's own procedure answers first; then the list reacts to what the editor got.
void TStyEditAutoComplete::ControlWndProc(TMessage& Message)
{
    const TWndMethod own = FControlOldWndProc;
    own(Message);
    if (!FEdit) return;   // the list closed while the editor handled the message
    switch (Message.Msg) {
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        FEdit->SetText(FBuffered);
        SelectAllAtEnd();
        CancelPopup();
        break;
    case WM_CHAR:
        if (Message.WParam == VK_ESCAPE) {
            FEdit->SetText(FBuffered);
            SelectAllAtEnd();
            CancelPopup();
        } else if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) {
            if (FPopupWindow->ItemIndex() >= 0) TakeItem();
            else SelectAllAtEnd();
            TStyBaseEdit* edit = FEdit;
            OnSelect(this, edit, edit->Text());
            CancelPopup();
        }
        break;
    case WM_KEYUP:
        if (Message.WParam == VK_UP) Step(-1);
        else if (Message.WParam == VK_DOWN) Step(1);
        break;
    case WM_MOUSEWHEEL: Step(static_cast<SmallInt>(HiWord(Message.WParam)) > 0 ? -1 : 1); break;
    default: break;
    }
}

void TStyEditAutoComplete::PopupMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    (void)Sender, (void)Button, (void)Shift;
    if (!FEdit) return;
    const Integer index = FPopupWindow->ItemAtPos(TPoint{X, Y}, true);
    if (index >= 0) FPopupWindow->SetItemIndex(index);
    if (FPopupWindow->ItemIndex() >= 0) FEdit->SetText(FPopupWindow->Items()[FPopupWindow->ItemIndex()]);
    SelectAllAtEnd();
    TStyBaseEdit* edit = FEdit;
    OnSelect(this, edit, edit->Text());
    CancelPopup();
}

// A freed editor takes no window procedure back; a freed string list leaves none behind.
void TStyEditAutoComplete::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyCustomComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FEdit) {
        FEdit = nullptr;
        ShowWindow(FPopupWindow, 0);
        FPopupWindow->SetVisible(false);
    }
    if (AComponent == FStringList) FStringList = nullptr;
    if (AComponent == FPopupWindow) FPopupWindow = nullptr;
}
