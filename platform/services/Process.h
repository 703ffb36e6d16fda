#pragma once
// Starting other programs.  A program is started from an argument vector (never through a shell
// command line), in the background: the caller never waits for it, and the finished process is
// reaped so that it leaves nothing behind.
#include <functional>
#include <vector>

#include "platform/rtl/UString.h"

// Starts argv[0] (looked up on PATH when it has no "/") with the other arguments, in `directory`
// when that is not empty.  Answers 0 when the process runs, else the system's error number
// (ENOENT when the program is missing).
int StartProcess(const std::vector<String>& argv, const String& directory = String());

// Tests replace the starter to see what would be run; the previous starter is returned.
using TProcessStarter = std::function<int(const std::vector<String>& argv, const String& directory)>;
TProcessStarter SetProcessStarter(TProcessStarter starter);

// The full name of an executable program found on PATH; empty when there is none.  A name with
// a "/" is answered as it is when it names an executable file.
String FindProgram(const String& name);

// The desktop calculator: the first of the usual desktop calculators that is installed.
// StartDesktopCalculator answers false when none is installed or it could not be started.
String DesktopCalculator();
bool StartDesktopCalculator();
