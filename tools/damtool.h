#pragma once
// damtool: reads, writes and lists ".dam" files from the command line for tests.
//
// Every command is an entry of the tool's command table. A file adds its own commands with
//   static const bool registered = RegisterDamToolCommand({"name", "ARGS", Run, "what it does"});
// where Run receives the arguments after the command name and returns the exit code.
#include <string>
#include <vector>

#include "engine/Unites.h"

using TDamToolArgs = std::vector<std::string>;

struct TDamToolCommand {
    const char* Name;
    const char* Arguments;
    int (*Run)(const TDamToolArgs& args);
    const char* Description;
};

bool RegisterDamToolCommand(const TDamToolCommand& command);

// Exit codes: 0 done, 1 the command failed (a file refused or not written), 2 bad usage.
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Reads a model file as the program does (no document open); when the file is refused,
// prints the warning on stderr and returns false.
bool ReadModelFile(const std::string& fileName, TParametres& model);

// Saves the model; prints the failure on stderr and returns false when it was not written.  A
// model whose lift joints are not highest first is not written.
bool WriteModelFile(const std::string& fileName, TParametres& model);
