#pragma once
// File-name completion for edits: the files and folders whose names begin with what was typed.
#include <vector>

#include "platform/rtl/UString.h"

enum class TCompletionKind { ckFilesAndFolders, ckFoldersOnly };

// `typed` is split at its last "/" into a folder (relative names are taken in the current
// folder; none means the current folder) and the start of a name.  The answer holds, for each
// entry of that folder whose name begins with that start (letter case ignored), the folder part
// as typed followed by the entry's name, sorted by name without regard to case.  Hidden entries
// (a leading ".") come only when the typed start begins with "."; "." and ".." never.  An empty
// text or a missing folder answers nothing.
std::vector<String> CompleteFileName(const String& typed, TCompletionKind kind);
