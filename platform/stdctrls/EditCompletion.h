#pragma once
// Completion in an edit, for the edits where a known name is typed (a file or folder, or an item
// of a list): in place, the text before the caret is completed to the longest start the matching
// names share (letter case ignored) with the added part selected, so that typing on replaces it;
// or the matching names are proposed in a list under the edit.
#include <vector>

#include "platform/services/FileCompletion.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ListBox.h"

// The names that begin with `typed` (letter case ignored), in their order.
std::vector<String> NamesStartingWith(const std::vector<String>& names, const String& typed);
// The text before the caret completed in place to the start the names (which match it) share;
// the edit is left alone when that adds nothing.
void CompleteEditText(TCustomEdit& edit, const std::vector<String>& names);
// The same with the matching file names, which it answers, for a list the caller may show.
std::vector<String> CompleteEditFileName(TCustomEdit& edit, TCompletionKind kind);

// The names that match what is typed, in a list under the edit: a list box in a window of its
// own, shown without taking the activation, so the edit keeps the focus and the keys.  The edit
// passes its key-downs on: Up and Down move the choice, Enter takes the chosen name into the
// edit, Escape closes the list; a click takes the name clicked.  The edit closes the list when it
// loses the focus.  The edit owns it.
class TEditSuggestions : public TCustomListBox {
    DECLARE_CLASS(TEditSuggestions, TCustomListBox)
public:
    explicit TEditSuggestions(TCustomEdit* edit);
    // Shows the names (those matching the text before the edit's caret), none chosen; closes the
    // list when there are none, or when the only one is the text itself.
    void Suggest(const std::vector<String>& names);
    // The same with the file names matching the text before the caret.
    void Suggest(TCompletionKind kind);
    void CloseUp();
    bool DroppedDown() const { return Visible(); }
    // A key-down of the edit while the list is down; true when the list used it (its character
    // is then taken away too).
    bool EditKeyDown(Word Key);
    static constexpr Integer MaxRows = 8;

protected:
    void CreateParams(TCreateParams& Params) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    void Take(Integer index);
    TCustomEdit* FEdit;
};
