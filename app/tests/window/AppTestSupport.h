#pragma once
// The program started on a temporary program folder holding the sample model and the program's
// pictures, with timers on the test clock; closed and freed at the end of the test.
#include <string>
#include <vector>

#include "app/Childwin.h"
#include "app/Main.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/testing/Driver.h"

class TRunningProgram {
public:
    // Starts the program with these command-line arguments ("{sample}" stands for the sample's path).
    explicit TRunningProgram(std::vector<std::string> arguments = {}, const std::string& settings = "");
    ~TRunningProgram();
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;

    TMainForm* Main() const { return MainForm; }
    TMDIChild* Active() const { return MainForm->ActiveDocument(); }
    Integer Documents() const { return MainForm->DocumentWindowCount(); }
    // The sample model's path in the program folder, and another name there.
    String Sample() const { return String(FFolder / "GravityDam60m.dam"); }
    String InFolder(const std::string& name) const { return String(FFolder / name); }
    const TempFolder& Folder() const { return FFolder; }
    // Closes the main window as Exit does (prompts answered by the test); true when it closed.
    bool Exit();
    std::string SettingsText() const;

private:
    TempFolder FFolder;
    TTestClock FClock;
    bool FClosed = false;
};

// Starts the toolkit once for the test program.
void AppTestInitialize();
