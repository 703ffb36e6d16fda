#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestSupport.h"
#include "chart/VEZ_NumLab.h"
#include "numerics/VEZ_math1.h"

namespace {

struct TextCase {
    TDisplay Type;
    Integer Precision;
    double Value;
    const char* Text;
};

// The value texts of every display format.
TEST(NumLab, TextsOfTheDisplayFormats)
{
    const TextCase cases[] = {
        {dtFixP, 2, 0.05, "0.05"},
        {dtFixP, 2, -3, "-3.00"},
        {dtFloat, 2, 987, "9.9E002"},
        {dtFloat, 2, 0.00005, "5E-005"},
        {dtFloat, 2, 0.0001, "0.0001"},
        {dtFloat, 0, 3.14159, "3.1"},
        {dtExp, 3, 1234, "1.23E+003"},
        {dtExp, 3, 0, "0.00E+000"},
        {dtZeroInt, 4, 42.5, "0042"},
        {dtZeroInt, 4, 3e9, "*********"},
        {dtInt, 4, 41.5, "42"},
        {dtHex, 4, 255, "00FF"},
        {dtHex, 4, -1, "FFFF"},
        {dtHex, 4, 5e9, "*********"},
        {dtBin, 8, 5, "00000101"},
        {dtBin, 0, 5, ""},
        {dtOct, 3, 8, "010"},
        {dtOct, 12, 8, "00000000010"},
        {dtDeg, 1, 12.34, "12.3\u00B0"},
        {dtDegMin, 2, -0.5, "-0\u00B0 30.00'"},
        {dtDegMin, 2, 10.5, "10\u00B0 30.00'"},
        {dtDegMinSec, 0, 1.5, "1\u00B0 30'   0\""},
        {dtState, 2, 1, "undefined"},
        {dtDateTime, 2, 44197.5, "Jan-01, 2021"},
    };
    TNumLab lab(nullptr);
    for (const TextCase& c : cases) {
        lab.SetDisplayType(c.Type);
        lab.SetPrecision(c.Precision);
        lab.SetValue(c.Value);
        EXPECT_EQ(lab.ValueText().ToUtf8(), c.Text) << c.Type << " " << c.Precision << " " << c.Value;
    }
    lab.SetDisplayType(dtEEng);
    lab.SetPrecision(3);
    lab.SetValue(4700);
    EXPECT_EQ(lab.ValueText(), FormatEngineering(3, 4700));
    lab.SetDisplayType(dtEEngNoDP);
    EXPECT_EQ(lab.ValueText(), FormatEngineering(-3, 4700));
}

TEST(NumLab, DecimalSeparatorAndSign)
{
    TNumLab lab(nullptr);
    lab.SetValue(0.05);
    lab.SetComma(true);
    EXPECT_EQ(lab.ValueText().ToUtf8(), "0,05");
    lab.SetComma(false);
    lab.SetForcePlusSign(true);
    for (auto [v, text] : {std::pair{3.0, "+3.00"}, {0.0, "0.00"}, {-3.0, "-3.00"}}) {
        lab.SetValue(v);
        EXPECT_EQ(lab.ValueText().ToUtf8(), text);
    }
    lab.SetValue(std::nan(""));
    EXPECT_EQ(lab.ValueText().ToUtf8().substr(0, 1), "+");
}

TEST(NumLab, PropertyRules)
{
    TNumLab lab(nullptr);
    EXPECT_EQ(lab.Width(), 160);
    EXPECT_EQ(lab.Height(), 28);
    EXPECT_EQ(lab.DisplayType(), dtFixP);
    EXPECT_EQ(lab.OverflowIndicator().ToUtf8(), "*********");
    lab.SetPrecision(20);
    EXPECT_EQ(lab.Precision(), 15);
    lab.SetPrecision(-1);
    EXPECT_EQ(lab.Precision(), 15);
    lab.SetLeftSpace(500);
    EXPECT_EQ(lab.LeftSpace(), 160);
    lab.SetLeftSpace(-1);
    EXPECT_EQ(lab.LeftSpace(), 160);
}

TEST(NumLab, WideTextsShowTheOverflowIndicatorButStatesDoNot)
{
    TNumLab lab(nullptr);
    lab.SetLabelWidth(40);
    lab.SetValue(123456789);
    TBitmap narrow;
    lab.PaintTo(narrow);
    lab.SetValue(1);
    TBitmap ok;
    lab.PaintTo(ok);
    EXPECT_NE(Picture(narrow, clBlack), Picture(ok, clBlack));
    // The indicator is what a label showing the indicator as its state draws.
    TNumLab ind(nullptr);
    ind.SetLabelWidth(40);
    ind.SetDisplayType(dtState);
    ind.SetStateText("*********");
    TBitmap indicator;
    ind.PaintTo(indicator);
    EXPECT_EQ(Picture(narrow, clBlack), Picture(indicator, clBlack));
    // A state wider than the box is drawn as it is, clipped to the box.
    ind.SetStateText("a state far wider than the box");
    ind.PaintTo(indicator);
    EXPECT_NE(Picture(narrow, clBlack), Picture(indicator, clBlack));
}

TEST(NumLab, FrameOfTheBox)
{
    TNumLab lab(nullptr);
    lab.SetEmpty(true);
    TBitmap bmp;
    lab.PaintTo(bmp);
    // Lowered frame from (LeftSpace + 1, 0) to (LeftSpace + LabelWidth, Height - 2).
    EXPECT_EQ(bmp.Canvas().Pixel(36, 10), clGray);
    EXPECT_EQ(bmp.Canvas().Pixel(115, 10), clWhite);
    EXPECT_EQ(bmp.Canvas().Pixel(37, 10), clBlack);
    EXPECT_EQ(bmp.Canvas().Pixel(60, 26), clWhite);
}

}  // namespace
