#include <gtest/gtest.h>

#include "chart/VEZ_dizure.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"

namespace {

const char* const Description =
    "object PlotForm: TForm\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  object Plot: TDIzure\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Width = 280\n"
    "    Height = 200\n"
    "    MarginLeft = 60\n"
    "    ChartColor = clYellow\n"
    "    MouseAction = maZoomWindPos\n"
    "    Scale1X.RangeHigh = 100\n"
    "    CrossHair1.Mode = chBoth\n"
    "  end\n"
    "end\n";

class ChartForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestInitialize();
        RegisterChartClasses();
    }
};

TEST_F(ChartForm, PlacedFromADescriptionAndWrittenBackWithoutDefaults)
{
    TForm form(nullptr);
    ReadComponentText(Description, &form);
    auto* plot = dynamic_cast<TDIzure*>(form.FindComponent("Plot"));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->Parent(), &form);
    EXPECT_EQ(plot->MarginLeft(), 60);
    EXPECT_EQ(plot->MarginTop(), 20);   // not in the description: the standard layout's value
    EXPECT_EQ(plot->ChartColor(), clYellow);
    EXPECT_EQ(plot->MouseAction(), maZoomWindPos);
    EXPECT_EQ(plot->Scale1X().RangeHigh(), 100);
    EXPECT_EQ(plot->CrossHair(1).Mode(), chBoth);
    EXPECT_EQ(plot->GrafBmp().Width(), 280 - 60 - 20 + 1);

    const std::string written = WriteComponentText(&form).ToUtf8();
    for (const char* stored : {"    MarginLeft = 60\n", "    ChartColor = clYellow\n", "    MouseAction = maZoomWindPos\n",
                               "    Scale1X.RangeHigh = 100", "    CrossHair1.Mode = chBoth\n",
                               // after creation 20 and 40, declared 10 and 32: written
                               "    MarginRight = 20\n", "    MarginBottom = 40\n"})
        EXPECT_NE(written.find(stored), std::string::npos) << stored;
    for (const char* omitted : {"WindColor", "AutoRedraw", "MouseCursorFixed", "AllocSize", "StandardLayout",
                                "LRim", "TextBkColor", "CrossHair2.Mode", "ShadowWidth"})
        EXPECT_EQ(written.find(omitted), std::string::npos) << omitted;

    // Read back into a new form: the same chart settings.
    TForm again(nullptr);
    ReadComponentText(String(written.c_str()), &again);
    auto* copy = dynamic_cast<TDIzure*>(again.FindComponent("Plot"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->MarginLeft(), 60);
    EXPECT_EQ(copy->Scale1X().RangeHigh(), 100);
    EXPECT_EQ(WriteComponentText(&again).ToUtf8(), written);
}

}  // namespace
