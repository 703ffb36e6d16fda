#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ChartTestSupport.h"
#include "chart/VEZ_dizure.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Printers.h"
#include "platform/graphics/Raster.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::vector<Cardinal> PixelsOf(TBitmap& bmp)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    std::vector<Cardinal> out;
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x) out.push_back(px.Row(y)[x] & 0xFFFFFF);
    return out;
}

int DifferentPixels(TBitmap& a, TBitmap& b)
{
    const auto pa = PixelsOf(a), pb = PixelsOf(b);
    if (pa.size() != pb.size()) return -1;
    int n = 0;
    for (size_t i = 0; i < pa.size(); ++i) n += pa[i] != pb[i];
    return n;
}

// Rows from the first to the last that hold a pixel within 8 of the colour in every channel
// (0 when none does).
Integer InkHeight(TBitmap& bmp, TColor color)
{
    const Cardinal want = raster::ToPixel(color);
    auto near = [&](Cardinal p, int shift) { return std::abs(int((p >> shift) & 0xFF) - int((want >> shift) & 0xFF)) <= 8; };
    TPixelBuffer px;
    bmp.GetPixels(px);
    Integer top = -1, bottom = -1;
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x) {
            const Cardinal p = px.Row(y)[x];
            if (!(near(p, 0) && near(p, 8) && near(p, 16))) continue;
            if (top < 0) top = y;
            bottom = y;
        }
    return top < 0 ? 0 : bottom - top + 1;
}

class ChartExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.SetName("DIzure1");
        chart.SetBounds(0, 0, 280, 200);
        chart.SetRange(1, 0, 0, 10, 10);
        chart.SetDataColor(clRed);
        chart.MoveTo(1.0, 1.0);
        chart.DrawTo(9.0, 8.0);
        chart.SetDataColor(clBlue);
        chart.Rectangle(2.0, 5.0, 4.0, 7.0);
        chart.SetSuppressPaint(false);
    }
    String Path(const char* name) const { return String((dir / name).string().c_str()); }

    TDIzure chart{nullptr};
    TempFolder folder;
    std::filesystem::path dir{folder.Path()};
};

TEST_F(ChartExport, ClipboardBitmapIsTheRenderedChart)
{
    chart.Repaint();
    TBitmap shown;
    shown.Assign(&chart.Surface());
    chart.CopyToClipboard(false);
    TBitmap clip;
    ASSERT_TRUE(Clipboard().GetPicture(&clip));
    EXPECT_EQ(clip.Width(), 280);
    EXPECT_EQ(clip.Height(), 200);
    EXPECT_EQ(DifferentPixels(shown, clip), 0);
}

TEST_F(ChartExport, CopyToBitmapTakesTheControlSizeAndIgnoresNone)
{
    chart.CopyToBitmap(nullptr, false);
    TBitmap bmp;
    chart.CopyToBitmap(&bmp, false);
    EXPECT_EQ(bmp.Width(), 280);
    EXPECT_EQ(bmp.Height(), 200);
    TBitmap area;
    chart.CopyToBitmapDAOnly(&area, false);
    EXPECT_EQ(area.Width(), chart.GrafBmp().Width());
    EXPECT_EQ(area.Height(), chart.GrafBmp().Height());
}

TEST_F(ChartExport, BlackAndWhiteCopyLeavesTheColoursAlone)
{
    chart.SetWindColor(clGray);
    chart.Scale1X().SetColorScale(clNavy);
    chart.Scale1X().Font().SetColor(clTeal);
    TBitmap bw;
    chart.CopyToBitmap(&bw, true);
    EXPECT_EQ(bw.Canvas().Pixel(2, 2), clWhite);
    for (TColor colour : {clRed, clNavy, clTeal}) EXPECT_EQ(CountColor(bw, colour), 0) << colour;
    EXPECT_EQ(chart.WindColor(), clGray);
    EXPECT_EQ(chart.Scale1X().ColorScale(), clNavy);
    EXPECT_EQ(chart.Scale1X().Font().Color(), clTeal);
    TBitmap colour;
    chart.CopyToBitmap(&colour, false);
    EXPECT_EQ(colour.Canvas().Pixel(2, 2), clGray);
    for (TColor c : {clRed, clNavy, clTeal}) EXPECT_GT(CountColor(colour, c), 0) << c;
}

TEST_F(ChartExport, BitmapFileIsNamedUpToTheFirstDotAndHoldsThePicture)
{
    TBitmap expected;
    chart.CopyToBitmap(&expected, false);
    chart.CopyToBMP(Path("plot.final.png"), false);
    ASSERT_TRUE(std::filesystem::exists(dir / "plot.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "plot.final.png"));
    TBitmap loaded;
    loaded.LoadFromFile(Path("plot.bmp"));
    EXPECT_EQ(DifferentPixels(expected, loaded), 0);
}

TEST_F(ChartExport, MetafileReplaysToTheSamePicture)
{
    TBitmap expected;
    chart.CopyToBitmap(&expected, false);
    chart.CopyToWMF(Path("plot.emf"), false);
    ASSERT_TRUE(std::filesystem::exists(dir / "plot.wmf"));
    TMetafile mf;
    mf.LoadFromFile(Path("plot.wmf"));
    EXPECT_EQ(mf.Width(), 281);   // the zero-length line at (Width, Height) widens the bounds
    TBitmap replay;
    WhiteBitmap(replay, 280, 200);
    mf.DrawOn(replay.Canvas(), Rect(0, 0, mf.Width(), mf.Height()));
    // The same lines and fills; text may fall a pixel apart.
    EXPECT_EQ(CountColor(replay, clRed), CountColor(expected, clRed));
    EXPECT_EQ(CountColor(replay, clBlue), CountColor(expected, clBlue));
    EXPECT_LT(DifferentPixels(expected, replay), 280 * 200 / 50);
}

TEST_F(ChartExport, ClipboardMetafile)
{
    chart.CopyToClipboardWMF(false);
    EXPECT_TRUE(Clipboard().HasFormat(CF_ENHMETAFILE));
    TMetafile mf;
    ASSERT_TRUE(Clipboard().GetPicture(&mf));
    EXPECT_FALSE(mf.Empty());
}

TEST_F(ChartExport, PrintedChartIsAPdfTitledWithTheName)
{
    Printer().SetOutputFileName(Path("chart.pdf"));
    chart.PrintIt(1.0, false);
    EXPECT_EQ(Printer().Title(), "DIzure1");
    std::ifstream in(dir / "chart.pdf", std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    EXPECT_EQ(chart.Scale1X().RangeHigh(), 10);
}

// Printed at scale 1, a screen pixel is 1/96 inch: the page rendered at 96 dots per inch shows
// the caption, a 10-point text item, a character mark and a text label as high as the screen.
TEST_F(ChartExport, PrintedTextsKeepTheirSizeOnPaper)
{
    if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";
    chart.SetCaption("Caption");
    chart.Font().SetColor(clFuchsia);
    chart.SetDataColor(clGreen);
    chart.Text(5.0, 5.0, 10, "Text");
    chart.SetDataColor(clOlive);
    chart.MarkAt(8.0, 3.0, Byte('W'));
    TrcChartItem mark = chart.GetItemParams(chart.NumItems() - 1);
    mark.Param1 = 10;
    chart.SetItemParams(chart.NumItems() - 1, mark);
    chart.AddTextLabel(3.0, 8.0, clTeal, "Label", 0);
    TBitmap screen;
    chart.CopyToBitmap(&screen, false);

    Printer().SetOutputFileName(Path("texts.pdf"));
    chart.PrintIt(1.0, false);
    const std::string command = "pdftoppm -r 96 -aa no -aaVector no -png -singlefile '" + (dir / "texts.pdf").string() +
                                "' '" + (dir / "page").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    TPngImage page;
    page.LoadFromFile(Path("page.png"));
    for (TColor ink : {clFuchsia, clGreen, clOlive, clTeal}) {
        SCOPED_TRACE(ink);
        const Integer onScreen = InkHeight(screen, ink);
        EXPECT_GT(onScreen, 5);
        EXPECT_NEAR(InkHeight(page.Image(), ink), onScreen, 2);
    }
}

TEST_F(ChartExport, OpenPrinterPlacesChartsDiagonally)
{
    Printer().SetOutputFileName(Path("two.pdf"));
    Printer().BeginDoc();
    const Integer X = GetDeviceCaps(Printer().Canvas().Handle(), LOGPIXELSX);
    Integer x = 100, y = 100;
    chart.CopyToOpenPrinter(x, y, 1.0, false);
    EXPECT_EQ(x, 100 + Round(X * 280.0 / 96));
    EXPECT_EQ(y, 100 + Round(GetDeviceCaps(Printer().Canvas().Handle(), LOGPIXELSY) * 200.0 / 96));
    chart.CopyToOpenPrinter(x, y, 1.0, true);
    EXPECT_EQ(x, 100 + 2 * Round(X * 280.0 / 96));
    Printer().EndDoc();
    EXPECT_GT(std::filesystem::file_size(dir / "two.pdf"), 100u);
}

}  // namespace
