#pragma once
// Files, folders and path names.  "/" is the path delimiter; names stored with
// "\" (program data, older settings) go through NativePath first.
#include <vector>

#include "platform/rtl/UString.h"

inline constexpr char16_t PathDelim = u'/';

bool FileExists(const String& fileName);        // an existing file that is not a folder
bool DirectoryExists(const String& dir);
bool CreateDir(const String& dir);              // one level; false when it fails
bool ForceDirectories(const String& dir);       // every missing level; true when the folder exists after
bool RemoveDir(const String& dir);              // an empty folder
bool DeleteFile(const String& fileName);
bool RenameFile(const String& oldName, const String& newName);

// Name parts.  The path keeps its trailing delimiter, the folder does not
// (except the root "/"); the extension includes its dot.
String ExtractFilePath(const String& fileName);
String ExtractFileDir(const String& fileName);
String ExtractFileName(const String& fileName);
String ExtractFileExt(const String& fileName);
String ChangeFileExt(const String& fileName, const String& extension);
String IncludeTrailingPathDelimiter(const String& path);
String ExcludeTrailingPathDelimiter(const String& path);

// The absolute name, relative to the current folder, with "." and ".."
// resolved by name (links are not followed).
String ExpandFileName(const String& fileName);
String GetCurrentDir();
bool SetCurrentDir(const String& dir);

// Searching a folder: the names matching the last part of `path` ("*" any run of characters,
// "?" one character, letter case exact), files and folders alike, in name order.  FindFirst and
// FindNext give 0 and fill the record while there is a match, 2 when there is none; FindClose
// forgets the search.
inline constexpr Integer faDirectory = 0x10, faAnyFile = 0x3F;
struct TSearchRec {
    String Name;
    Int64 Size = 0;
    Integer Attr = 0;
    std::vector<String> Pending;   // the matches still to come, full names
};
Integer FindFirst(const String& path, Integer attr, TSearchRec& rec);
Integer FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// The running program's file name and its folder with a trailing "/".
String ProgramFileName();
String ProgramDir();

// The program's command line as it was started: ParamStr(0) is the program's file name,
// ParamStr(1) .. ParamStr(ParamCount()) its arguments; beyond them, an empty string.
Integer ParamCount();
String ParamStr(Integer index);

// The temp folder (TMPDIR or /tmp) with a trailing "/"; a new, empty and
// uniquely named file in it whose name starts with prefix (empty on failure).
String GetTempDir();
String GetTempFileName(const String& prefix);

// The user's folders, with a trailing "/": settings ($XDG_CONFIG_HOME, else ~/.config), data
// ($XDG_DATA_HOME, else ~/.local/share) and the runtime folder of sockets and locks
// ($XDG_RUNTIME_DIR, else the temp folder).  A variable that holds no absolute path is ignored.
String UserConfigDir();
String UserDataDir();
String UserRuntimeDir();

// True when both names lead to the same file: the names are made absolute,
// links are resolved as far as the path exists, and the results are compared
// exactly, so names that differ only in letter case are different files.
bool SameFileName(const String& a, const String& b);

// A stored name made usable here: every "\" becomes "/", and when that name
// does not exist, each part is looked up without regard to letter case.  The
// converted name is returned as it is when no match exists.
String NativePath(const String& storedName);
