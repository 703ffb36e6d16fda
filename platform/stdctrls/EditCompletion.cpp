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

std::vector<String> CompleteEditFileName(TCustomEdit& edit, TCompletionKind kind)
{
    const Integer caret = edit.SelStart();
    const String typed = Copy(edit.Text(), 1, caret);
    std::vector<String> names = CompleteFileName(typed, kind);
    if (names.empty()) return names;
    const Integer shared = SharedStart(names);
    if (shared <= typed.Length()) return names;
    // The typed part takes the letter case of the names found.
    edit.Perform(EM_SETSEL, 0, caret + edit.SelLength());
    edit.SetSelText(Copy(names.front(), 1, shared));
    edit.Perform(EM_SETSEL, caret, shared);
    return names;
}
