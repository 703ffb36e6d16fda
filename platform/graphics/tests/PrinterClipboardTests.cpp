#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::string Shell(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

TEST(Printer, PrintsPagesIntoAPdfWhosePageShowsTheDrawing)
{
    TempFolder folder;
    const String dir = String(folder.Path()) + "/";
    TPrinter printer;
    printer.SetOutputFileName(dir + "page.pdf");
    // before the job the canvas already answers for the printer
    EXPECT_EQ(printer.Canvas().GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_GT(printer.PageWidth(), 4000);
    printer.SetTitle("Dorvane print test");
    EXPECT_THROW(printer.NewPage(), EPrinter);
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    TCanvas& c = printer.Canvas();
    EXPECT_EQ(c.GetDeviceCaps(LOGPIXELSX), 600);
    c.Font().SetName("Tahoma");
    c.Font().SetSize(8);
    EXPECT_EQ(c.Font().Height(), -67);   // points keep their size at the printer's resolution
    const Integer w = printer.PageWidth(), h = printer.PageHeight();
    c.Brush().SetColor(clBlack);
    c.FillRect(Rect(w / 4, h / 4, w / 2, h / 2));
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(w / 4, h / 2 + 100, "Dam");
    printer.NewPage();
    c.Ellipse(0, 0, w / 2, h / 2);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());

    const std::string pdf = (dir + "page.pdf").ToUtf8();
    const std::string info = Shell("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Dorvane print test"), std::string::npos) << info;
    std::istringstream pages(info.substr(info.find("Pages:") + 6));
    int count = 0;
    pages >> count;
    EXPECT_EQ(count, 2) << info;
    Shell("pdftoppm -r 30 -f 1 -l 1 -png '" + pdf + "' '" + (dir + "page").ToUtf8() + "'");
    TPicture pic;
    pic.LoadFromFile(dir + "page-1.png");
    TBitmap page;
    page.Assign(pic.Graphic());
    // the page picture at 30 dpi: the printable area starts at the printer's offset
    const TPoint offset = {c.GetDeviceCaps(PHYSICALOFFSETX), c.GetDeviceCaps(PHYSICALOFFSETY)};
    auto at = [&](Integer x, Integer y) { return page.Canvas().Pixel((offset.X + x) * 30 / 600, (offset.Y + y) * 30 / 600); };
    EXPECT_EQ(at(w * 3 / 8, h * 3 / 8), clBlack);
    EXPECT_EQ(at(w / 8, h / 8), clWhite);
    EXPECT_EQ(at(w * 3 / 4, h * 3 / 4), clWhite);
}

TEST(Clipboard, TextAndRegisteredFormats)
{
    Clipboard().SetAsText("Barrage 1");
    EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard().AsText(), "Barrage 1");
    const Word format = RegisterClipboardFormat("RichEditorText");
    EXPECT_GE(format, 0xC000);
    EXPECT_EQ(RegisterClipboardFormat("richeditortext"), format);
    EXPECT_NE(RegisterClipboardFormat("Other"), format);
    Clipboard().Open();
    Clipboard().SetAsText("both");
    Clipboard().SetBuffer(format, std::string("\x01\x02\x00\x03", 4));
    Clipboard().Close();
    EXPECT_TRUE(Clipboard().HasFormat(format));
    EXPECT_EQ(Clipboard().GetBuffer(format), std::string("\x01\x02\x00\x03", 4));
    EXPECT_EQ(Clipboard().AsText(), "both");
    Clipboard().Clear();
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
}

TEST(Clipboard, BitmapsAndMetafiles)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 5, 4);
    bmp.Canvas().SetPixel(2, 1, clRed);
    Clipboard().Assign(&bmp);
    EXPECT_TRUE(Clipboard().HasFormat(CF_BITMAP));
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
    TBitmap back;
    ASSERT_TRUE(Clipboard().GetPicture(&back));
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Canvas().Pixel(2, 1), clRed);

    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.Rectangle(0, 0, 8, 6);
    }
    Clipboard().Assign(&mf);
    EXPECT_TRUE(Clipboard().HasFormat(CF_ENHMETAFILE));
    EXPECT_TRUE(Clipboard().HasFormat(CF_BITMAP));
    TMetafile copy;
    ASSERT_TRUE(Clipboard().GetPicture(&copy));
    EXPECT_EQ(copy.Data(), mf.Data());
}

}  // namespace
