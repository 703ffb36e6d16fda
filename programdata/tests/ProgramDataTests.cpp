// The program's data as it is staged next to the executables: a help page for every help
// context the windows ask for, every picture the windows load, and the user manual with its
// chapters on the pages the windows open.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/HtmlHelp.h"

namespace {

const std::string DataDir = PROGRAMDATA_DIR;

std::string FileText(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Shell(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// Every help context of the main window, its menus, the document window and the dialogs, with
// the title of its page (the window's caption where it has one).
const struct {
    Cardinal Context;
    const char* Title;
} HelpPages[] = {
    {10, "Dorvane: the main window and the document window"},
    {210, "File menu"},
    {230, "Window menu"},
    {240, "Help menu"},
    {310, "Parameters menu"},
    {320, "Analysis menu"},
    {330, "Results menu"},
    {380, "MS Excel: Model parameters"},
    {390, "MS Excel: Loads"},
    {400, "MS Excel: Analysis results"},
    {410, "About Dorvane"},
    {420, "Section geometry &amp; Basic data"},
    {430, "Lift joints"},
    {440, "Reservoir, Ice, Silt &amp; Floating Debris"},
    {450, "Material Properties (joints and rock)"},
    {460, "Post-tensioning cables"},
    {470, "Cracking options"},
    {480, "Pseudo-static method (seismic coefficient)"},
    {490, "Applied forces"},
    {500, "General Informations"},
    {540, "Uplift Pressures &amp; Drainage System"},
    {550, "Pseudo-dynamic method (Chopra 1988)"},
    {560, "Load Combinations"},
    {570, "Analysis in progress"},
    {610, "Added Mass(es)"},
    {620, "Add a mass / Edit mass properties"},
    {630, "MS Excel export"},
    {640, "Stresses, uplift pressures and resultant"},
    {820, "Pre-Cracked Joint(s)"},
    {830, "Probabilistic Analyses"},
    {840, "Probabilistic Analyses - Output Options"},
    {850, "Incremental Load Analysis - Input Parameters"},
    {860, "Incremental Load Analysis - Output Options"},
    {880, "Force data"},
};

TEST(ProgramData, EveryHelpContextHasItsOwnPage)
{
    // The program names its help file "help\dorvane.chm"; the pages live beside it.
    const String helpFile = NativePath(String(DataDir) + "help\\dorvane.chm");
    for (const auto& p : HelpPages) {
        const std::string page = HelpContextPage(helpFile, p.Context).ToUtf8();
        ASSERT_EQ(page, DataDir + "help/dorvane/" + std::to_string(p.Context) + ".html") << p.Context;
        const std::string html = FileText(page);
        EXPECT_NE(html.find(std::string("<title>") + p.Title + "</title>"), std::string::npos) << p.Context;
        EXPECT_NE(html.find("<link rel=\"stylesheet\" type=\"text/css\" href=\"dorvane.css\">"), std::string::npos) << p.Context;
    }
}

TEST(ProgramData, HelpLinksLeadToPagesThatExist)
{
    const std::regex link("href=\"([^\"#]+)\"");
    for (const auto& p : HelpPages) {
        const std::string html = FileText(DataDir + "help/dorvane/" + std::to_string(p.Context) + ".html");
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it)
            EXPECT_TRUE(FileExists(String(DataDir + "help/dorvane/" + (*it)[1].str()))) << p.Context << " " << (*it)[1];
    }
    const std::string index = FileText(DataDir + "help/dorvane/index.html");
    for (const auto& p : HelpPages)
        EXPECT_NE(index.find("href=\"" + std::to_string(p.Context) + ".html\""), std::string::npos) << p.Context;
}

// The pictures by the names the windows load them; the class is chosen by extension and the
// file read by its content, as the program does.
TEST(ProgramData, EveryPictureTheWindowsLoadReads)
{
    InitQtGraphics();
    const struct {
        const char* Name;
        Integer Width, Height;  // 0: any size
    } pictures[] = {
        {"Big sky.bmp", 0, 0},                 {"Concrete.bmp", 64, 64},         {"Texture fondation.bmp", 64, 64},
        {"DimAeqB.bmp", 0, 0},                 {"DimBgtA.bmp", 0, 0},            {"DimAgtB.bmp", 0, 0},
        {"Joint angle sign.bmp", 0, 0},        {"Roc passive strength.wmf", 0, 0}, {"OverTopping.bmp", 0, 0},
        {"No Drain.wmf", 0, 0},                {"Alternatives CDSA.bmp", 0, 0},  {"Alternatives USACE.bmp", 0, 0},
        {"Alternatives USBR.bmp", 0, 0},       {"Posttension.bmp", 0, 0},        {"Drain5.bmp", 0, 0},
        {"Drain1.bmp", 0, 0},                  {"Drain2.bmp", 0, 0},             {"Drain3.bmp", 0, 0},
    };
    for (const auto& p : pictures) {
        TPicture picture;
        ASSERT_NO_THROW(picture.LoadFromFile(NativePath(String(DataDir) + "images\\" + p.Name))) << p.Name;
        EXPECT_GT(picture.Width(), 16) << p.Name;
        EXPECT_GT(picture.Height(), 16) << p.Name;
        if (p.Width) {
            EXPECT_EQ(picture.Width(), p.Width) << p.Name;
            EXPECT_EQ(picture.Height(), p.Height) << p.Name;
        }
    }
}

// The incremental-load output options window opens the manual at page 62: its chapter starts
// there; the first chapter follows the title page and the contents.
TEST(ProgramData, ManualChaptersStartOnTheirPages)
{
    const std::string manual = DataDir + "Doc/Dorvane User Manual.pdf";
    ASSERT_TRUE(FileExists(String(manual)));
    const std::string info = Shell("pdfinfo '" + manual + "'");
    EXPECT_NE(info.find("Title:           Dorvane User Manual"), std::string::npos) << info;
    auto firstLine = [&](int page) {
        const std::string text =
            Shell("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + manual + "' -");
        return text.substr(0, text.find('\n'));
    };
    EXPECT_EQ(firstLine(1), "Dorvane");
    EXPECT_EQ(firstLine(2), "Contents");
    EXPECT_EQ(firstLine(3), "Dorvane: the main window and the document window");
    EXPECT_EQ(firstLine(62), "Incremental Load Analysis - Output Options");
    EXPECT_EQ(firstLine(61), "This page is left blank for notes.");

    // Every entry of the contents names the page on which its chapter starts.
    const std::string contents = Shell("pdftotext -layout -f 2 -l 2 '" + manual + "' -");
    const std::regex entry("^ +(.+?) {2,}([0-9]+)$");
    int entries = 0;
    std::istringstream lines(contents);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, entry)) continue;
        ++entries;
        EXPECT_EQ(firstLine(std::stoi(m[2])), m[1].str()) << line;
    }
    EXPECT_EQ(entries, int(std::size(HelpPages)) + 3);   // with units, load cases and the sample
}

}  // namespace
