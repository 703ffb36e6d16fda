#include "platform/stdctrls/EditCompletion.h"

#include <algorithm>

namespace {

// The length of the start all names share, letter case ignored.
Integer SharedStart(const std::vector<String>& names)
{
    const String first = AnsiUpperCase(names.front());
    Integer length = first.Length();
    for (const String& name : names) {
        const String upper = AnsiUpperCase(name);
        Integer same = 0;
        while (same < std::min(length, upper.Length()) && upper[same + 1] == first[same + 1]) ++same;
        length = same;
    }
    return length;
}

}  // namespace

std::vector<String> NamesStartingWith(const std::vector<String>& names, const String& typed)
{
    std::vector<String> result;
    const String start = AnsiUpperCase(typed);
    for (const String& name : names)
        if (AnsiUpperCase(Copy(name, 1, start.Length())) == start) result.push_back(name);
    return result;
}

void CompleteEditText(TCustomEdit& edit, const std::vector<String>& names)
{
    if (names.empty()) return;
    const Integer caret = edit.SelStart();
    const Integer shared = SharedStart(names);
    if (shared <= caret) return;
    // The typed part takes the letter case of the names found.
    edit.Perform(EM_SETSEL, 0, caret + edit.SelLength());
    edit.SetSelText(Copy(names.front(), 1, shared));
    edit.Perform(EM_SETSEL, caret, shared);
}

std::vector<String> CompleteEditFileName(TCustomEdit& edit, TCompletionKind kind)
{
    std::vector<String> names = CompleteFileName(Copy(edit.Text(), 1, edit.SelStart()), kind);
    CompleteEditText(edit, names);
    return names;
}

// ---------------------------------------------------------------- TEditSuggestions
IMPLEMENT_CLASS(TEditSuggestions, TCustomListBox, nullptr)

TEditSuggestions::TEditSuggestions(TCustomEdit* edit) : TCustomListBox(edit), FEdit(edit)
{
    FVisible = false;
    FTabStop = false;
    SetBorderStyle(bsNone);
}

void TEditSuggestions::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.Kind = TWindowKind::wkHint;   // in front of its window, never activated
}

void TEditSuggestions::Suggest(TCompletionKind kind)
{
    Suggest(CompleteFileName(Copy(FEdit->Text(), 1, FEdit->SelStart()), kind));
}

void TEditSuggestions::Suggest(const std::vector<String>& names)
{
    const String typed = Copy(FEdit->Text(), 1, FEdit->SelStart());
    if (names.empty() || (names.size() == 1 && names.front() == typed) || !FEdit->HandleAllocated()) {
        CloseUp();
        return;
    }
    Font().Assign(FEdit->Font());
    Items().BeginUpdate();
    Items().Clear();
    for (const String& name : names) Items().Add(name);
    Items().EndUpdate();
    SetItemIndex(-1);
    // As wide as the edit, its top edge on the edit's bottom edge, at most MaxRows rows high.
    const Integer rows = std::min<Integer>(static_cast<Integer>(names.size()), MaxRows);
    const TPoint at = FEdit->ClientToScreen(TPoint{-FEdit->BorderWidthNC(), FEdit->Height() - FEdit->BorderWidthNC()});
    SetBounds(at.X, at.Y, FEdit->Width(), rows * ItemHeight() + 2);
    SetTopIndex(0);
    if (!Visible()) {
        SetWindowPos(this, HWND_TOP, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        SetVisible(true);
    }
    Invalidate();
}

void TEditSuggestions::CloseUp()
{
    if (!Visible()) return;
    ShowWindow(this, 0);
    SetVisible(false);
}

bool TEditSuggestions::EditKeyDown(Word Key)
{
    if (!DroppedDown()) return false;
    switch (Key) {
    case VK_DOWN: SetItemIndex(std::min(ItemIndex() + 1, Items().Count() - 1)); return true;
    case VK_UP: SetItemIndex(ItemIndex() <= 0 ? -1 : ItemIndex() - 1); return true;   // above the first: none
    case VK_RETURN:
        if (ItemIndex() < 0) {
            CloseUp();
            return false;
        }
        Take(ItemIndex());
        break;
    case VK_ESCAPE: CloseUp(); break;
    default: return false;
    }
    // Enter and Escape used here do not reach the edit or its window as characters.
    TMsg pending;
    PeekMessage(&pending, FEdit, WM_CHAR, WM_CHAR, PM_REMOVE);
    return true;
}

// A click chooses a name without taking the focus from the edit.
void TEditSuggestions::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) SetItemIndex(ItemAtPos(TPoint{X, Y}, true));
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TEditSuggestions::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const Integer index = ItemAtPos(TPoint{X, Y}, true);
    if (Button == mbLeft && index >= 0) Take(index);
}

// The name becomes the edit's text, the caret after it; the edit hears of the change.
void TEditSuggestions::Take(Integer index)
{
    const String name = Items()[index];
    CloseUp();
    FEdit->SetText(name);
    FEdit->SetSelStart(name.Length());
}
