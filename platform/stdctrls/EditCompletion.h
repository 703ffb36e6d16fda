#pragma once
// File-name completion in an edit, for the edits where a file or folder name is typed: in place,
// the text before the caret is completed to the longest start the matching names share (letter
// case ignored) with the added part selected, so that typing on replaces it; or the matching
// names are proposed in a list under the edit.
#include <vector>

#include "platform/services/FileCompletion.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ListBox.h"

// The matching names, for a list the caller may show; the edit is left alone when there is
// nothing to add.
std::vector<String> CompleteEditFileName(TCustomEdit& edit, TCompletionKind kind);

// The names that match what is typed, in a list under the edit: a list box in a window of its
// own, shown without taking the activation, so the edit keeps the focus and the keys.  The edit
// passes its key-downs on: Up and Down move the choice, Enter takes the chosen name into the
// edit, Escape closes the list; a click takes the name clicked.  The edit closes the list when it
// loses the focus.  The edit owns it.
class TFileNameSuggestions : public TCustomListBox {
    DECLARE_CLASS(TFileNameSuggestions, TCustomListBox)
public:
    explicit TFileNameSuggestions(TCustomEdit* edit);
    // Shows the names matching the text before the edit's caret, none chosen; closes the list
    // when there are none, or when the only one is the text itself.
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
