#pragma once
// File-name completion in an edit, for the edits where a file or folder name is typed: called
// after a key, it completes the text before the caret to the longest start the matching names
// share (letter case ignored) and selects the added part, so that typing on replaces it.
#include <vector>

#include "platform/services/FileCompletion.h"
#include "platform/stdctrls/Edits.h"

// The matching names, for a list the caller may show; the edit is left alone when there is
// nothing to add.
std::vector<String> CompleteEditFileName(TCustomEdit& edit, TCompletionKind kind);
