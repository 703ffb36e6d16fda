#include <gtest/gtest.h>

#include "platform/backend/qt/QtServices.h"
#include "platform/services/HtmlHelp.h"
#include "platform/services/ServicesBackend.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

struct HelpFolder : ::testing::Test {
    void SetUp() override
    {
        InitQtServices();
        Index = tmp.Make("help/dorvane/index.html", "<html><head><title>Dorvane Help</title></head><body>Contents</body></html>");
        Main = tmp.Make("help/dorvane/10.html", "<html><body>Main window</body></html>");
        HelpFile = String(tmp.Path()) + "\\Help\\Dorvane.chm";
    }
    void TearDown() override { ServicesBackend().CloseHelp(); }
    TempFolder tmp;
    std::string Index, Main;
    String HelpFile;
};

}  // namespace

TEST_F(HelpFolder, EachContextHasItsPageOrTheContents)
{
    EXPECT_EQ(HelpContextPage(HelpFile, 10), String(Main));
    EXPECT_EQ(HelpContextPage(HelpFile, 540), String(Index));
    EXPECT_TRUE(HelpContextPage(String(tmp.Path()) + "/other.chm", 10).IsEmpty());
}

TEST_F(HelpFolder, TheHelpWindowShowsTheContextPage)
{
    EXPECT_TRUE(HtmlHelp(nullptr, HelpFile, HH_HELP_CONTEXT, 10));
    EXPECT_EQ(ServicesBackend().HelpPage(), String(Main));
    EXPECT_TRUE(HtmlHelp(nullptr, HelpFile, HH_HELP_CONTEXT, 830));
    EXPECT_EQ(ServicesBackend().HelpPage(), String(Index));
    EXPECT_TRUE(HtmlHelp(nullptr, HelpFile, HH_CLOSE_ALL, 0));
    EXPECT_TRUE(ServicesBackend().HelpPage().IsEmpty());
    EXPECT_TRUE(HtmlHelp(nullptr, HelpFile, HH_DISPLAY_TOPIC, 0));
    EXPECT_EQ(ServicesBackend().HelpPage(), String(Index));
}

TEST_F(HelpFolder, MissingHelpShowsNothing)
{
    EXPECT_FALSE(HtmlHelp(nullptr, String(tmp.Path()) + "/other.chm", HH_HELP_CONTEXT, 10));
    EXPECT_FALSE(HtmlHelp(nullptr, HelpFile, 0x0010, 10));   // a command it does not know
    EXPECT_TRUE(ServicesBackend().HelpPage().IsEmpty());
}
