#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Metafile.h"

namespace {

// One drawing with most of the canvas's operations, state and clipping.
void Scene(TCanvas& c)
{
    c.Brush().SetColor(clWhite);
    c.FillRect(Rect(0, 0, 64, 48));
    c.Pen().SetColor(clNavy);
    c.Brush().SetColor(clYellow);
    c.Rectangle(2, 2, 20, 14);
    c.Ellipse(22, 2, 40, 16);
    c.RoundRect(42, 2, 62, 16, 6, 6);
    c.Pen().SetWidth(2);
    c.Polyline({{2, 18}, {12, 30}, {20, 18}});
    c.Pen().SetWidth(1);
    c.Brush().SetStyle(TBrushStyle::bsDiagCross);
    c.Polygon({{22, 18}, {40, 20}, {30, 32}});
    c.Brush().SetColor(clLime);
    c.Pie(42, 18, 62, 38, 62, 28, 52, 18);
    c.Pen().SetMode(TPenMode::pmXor);
    c.Pen().SetColor(clWhite);
    c.MoveTo(0, 47);
    c.LineTo(63, 20);
    c.Pen().SetMode(TPenMode::pmCopy);
    c.Pen().SetStyle(TPenStyle::psDot);
    c.MoveTo(0, 40);
    c.LineTo(40, 40);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.SetPixel(63, 47, clRed);
    c.Font().SetName("Tahoma");
    c.Font().SetSize(8);
    c.Font().SetColor(clMaroon);
    c.Brush().SetColor(clAqua);
    c.TextOut(4, 33, "Dam");
    const TRect band = Rect(56, 2, 62, 6);
    c.SetBkColor(clTeal);
    c.ExtTextOut(56, 2, ETO_OPAQUE, &band, "");   // a fill in the background colour
    TBitmap sprite(2, 2);
    sprite.Canvas().SetPixel(0, 0, clRed);
    sprite.Canvas().SetPixel(1, 1, clBlue);
    c.StretchDraw(Rect(30, 34, 36, 40), sprite);
    HRGN clip = CreateRectRgn(44, 40, 60, 46);
    SelectClipRgn(c.Handle(), clip);
    c.Brush().SetColor(clPurple);
    c.Ellipse(40, 36, 64, 48);
    TRegion nothing;
    SelectClipRgn(c.Handle(), &nothing);
    c.Rectangle(0, 0, 64, 48);   // clipped away entirely
    SelectClipRgn(c.Handle(), nullptr);
    DeleteObject(clip);
}

std::vector<Cardinal> Pixels(TBitmap& bmp)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    std::vector<Cardinal> out;
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x) out.push_back(px.Row(y)[x] & 0xFFFFFF);
    return out;
}

TEST(Metafile, ReplayEqualsTheDrawingMadeDirectly)
{
    TBitmap direct, replayed;
    WhiteBitmap(direct, 64, 48);
    WhiteBitmap(replayed, 64, 48);
    Scene(direct.Canvas());
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        Scene(mc);
    }
    EXPECT_EQ(mf.Width(), 64);
    EXPECT_EQ(mf.Height(), 48);
    replayed.Canvas().Draw(0, 0, mf);
    EXPECT_EQ(Pixels(replayed), Pixels(direct));
}

TEST(Metafile, SavedAsEmfAndLoadedBackReplaysTheSame)
{
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        Scene(mc);
    }
    String file = TempDir() + "scene.emf";
    mf.SaveToFile(file);
    TMemoryStream raw;
    raw.LoadFromFile(file);
    ASSERT_GT(raw.Size(), 88);
    const Byte* b = raw.Memory();
    EXPECT_EQ(b[0], 1);                                    // header record
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 40), 4), " EMF");
    Cardinal nBytes = b[48] | b[49] << 8 | b[50] << 16 | Cardinal(b[51]) << 24;
    EXPECT_EQ(nBytes, raw.Size());

    TPicture pic;
    pic.LoadFromFile(file);
    ASSERT_TRUE(dynamic_cast<TMetafile*>(pic.Graphic()));
    EXPECT_EQ(pic.Width(), 64);
    TBitmap direct, loaded;
    WhiteBitmap(direct, 64, 48);
    WhiteBitmap(loaded, 64, 48);
    Scene(direct.Canvas());
    loaded.Canvas().Draw(0, 0, *pic.Graphic());
    EXPECT_EQ(Pixels(loaded), Pixels(direct));
}

TEST(Metafile, StretchDrawScalesThePicture)
{
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.Pen().SetStyle(TPenStyle::psClear);
        mc.Brush().SetColor(clWhite);
        mc.FillRect(Rect(0, 0, 10, 10));
        mc.Brush().SetColor(clBlack);
        mc.FillRect(Rect(2, 2, 4, 4));
    }
    TBitmap bmp;
    WhiteBitmap(bmp, 20, 20);
    bmp.Canvas().StretchDraw(Rect(0, 0, 20, 20), mf);
    EXPECT_EQ(Picture(bmp, clBlack), std::string(
        "..................../..................../..................../..................../"
        "....XXXX............/....XXXX............/....XXXX............/....XXXX............/"
        "..................../..................../..................../..................../"
        "..................../..................../..................../..................../"
        "..................../..................../..................../...................."));
}

TEST(Metafile, PlayingLeavesTheCanvasAsItWas)
{
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.SetMapMode(MM_ANISOTROPIC);
        mc.SetViewportOrg(3, 3);
        mc.Rectangle(0, 0, 4, 4);
    }
    TBitmap bmp;
    WhiteBitmap(bmp, 20, 20);
    TCanvas& c = bmp.Canvas();
    c.SetPlacement(1, 1, 5, 5);   // as a windowless control's origin
    c.MoveTo(1, 2);
    c.StretchDraw(Rect(0, 0, 8, 8), mf);
    EXPECT_EQ(c.GetMapMode(), MM_TEXT);
    EXPECT_EQ(c.ViewportOrg(), Point(0, 0));
    EXPECT_EQ(c.PenPos(), Point(1, 2));
    EXPECT_EQ(c.LPtoDP(Point(0, 0)), Point(5, 5));
    // the picture went to the control's rectangle, device 5..13, its pen scaled to 2 pixels
    TPixelBuffer px;
    bmp.GetPixels(px);
    EXPECT_EQ(px.Row(4)[4] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(px.Row(5)[5] & 0xFFFFFF, 0u);
    EXPECT_EQ(px.Row(13)[13] & 0xFFFFFF, 0u);
    EXPECT_EQ(px.Row(14)[14] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(px.Row(9)[9] & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Metafile, MappingIsRecordedWithTheDrawing)
{
    // a quarter-size isotropic mapping, as the chart's metafile export sets up
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.SetMapMode(MM_ISOTROPIC);
        mc.SetWindowExt(4, 4);
        mc.SetViewportExt(1, 1);
        mc.Brush().SetColor(clBlack);
        mc.FillRect(Rect(0, 0, 40, 40));
    }
    EXPECT_EQ(mf.Width(), 10);
}

TEST(Metafile, SizeSurvivesTheFileForLargePictures)
{
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.FillRect(Rect(0, 0, 12345, 3000));
    }
    EXPECT_EQ(mf.MMWidth(), 326628);   // 12345 pixels at 96 per inch in hundredths of a millimetre
    TMemoryStream m;
    mf.SaveToStream(m);
    m.SetPosition(0);
    TMetafile back;
    back.LoadFromStream(m);
    EXPECT_EQ(back.Width(), 12345);
    EXPECT_EQ(back.Height(), 3000);
}

TEST(Metafile, DamagedFilesAreRefused)
{
    TMetafile mf;
    {
        TMetafileCanvas mc(mf);
        mc.Rectangle(0, 0, 5, 5);
    }
    std::string bytes = mf.Data();
    for (std::string damaged : {bytes.substr(0, 20), bytes.substr(0, bytes.size() - 4), std::string(100, 'x')}) {
        TMetafile other;
        EXPECT_THROW(other.SetData(damaged), EInvalidGraphic);
        EXPECT_TRUE(other.Empty());
    }
}

}  // namespace
