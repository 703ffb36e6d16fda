#include "app/tests/window/AppTestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/backend/qt/QtServices.h"

namespace fs = std::filesystem;

void AppTestInitialize()
{
    TestInitialize();
    InitQtServices();
}

TRunningProgram::TRunningProgram(std::vector<std::string> arguments, const std::string& settings)
{
    const fs::path data(PROGRAMDATA_DIR);
    fs::copy_file(data / "samples" / "GravityDam60m.dam", FFolder / "GravityDam60m.dam");
    fs::copy(data / "images", FFolder / "images", fs::copy_options::recursive);
    if (!settings.empty()) FFolder.Make("dorvane.ini", settings);
    Application->SetExeName(String(FFolder / "dorvane"));
    Application->ResetTerminated();
    CommandLineArguments.clear();
    for (const std::string& a : arguments) CommandLineArguments.push_back(a == "{sample}" ? Sample() : String(a));
    ProgramStart([this] { FClock.Advance(100); });
    TestProcess();
}

bool TRunningProgram::Exit()
{
    MainForm->FileExitItem->Click();
    TestProcess();
    FClosed = !MainForm->Visible();
    return FClosed;
}

TRunningProgram::~TRunningProgram()
{
    if (!FClosed) {
        // Nothing is saved: every prompt is answered No.
        for (Integer i = 0; i < MainForm->DocumentWindowCount(); ++i)
            MainForm->DocumentWindow(i)->Param.Donnees.Exclude(daChanged);
        Exit();
    }
    while (MainForm->MDIChildCount() > 0) delete MainForm->MDIChildren(0);
    delete MainForm;
    MainForm = nullptr;
    Application->ResetTerminated();
    TestClearMessageBoxes();
}

std::string TRunningProgram::SettingsText() const
{
    std::ifstream in(FFolder / "dorvane.ini");
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    std::erase(s, '\r');
    return s;
}
