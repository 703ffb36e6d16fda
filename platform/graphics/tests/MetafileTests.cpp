#include <gtest/gtest.h>
#include <uwmf.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "TestSupport.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/tests/TempFolder.h"

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
    TempFolder folder;
    const String file = folder / "scene.emf";
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

// A picture sized before its recording keeps its size: a drawing that leaves margins empty, or
// runs past the edges, does not change it.
TEST(Metafile, SizeSetBeforeTheRecordingIsThePicturesFrame)
{
    struct Case {
        TRect drawn;
    };
    const Case cases[] = {{Rect(10, 10, 20, 20)}, {Rect(-5, 30, 90, 70)}};
    for (const Case& c : cases) {
        TMetafile mf;
        mf.SetSize(64, 48);
        {
            TMetafileCanvas mc(mf);
            mc.Brush().SetColor(clRed);
            mc.FillRect(c.drawn);
        }
        EXPECT_EQ(mf.Width(), 64) << c.drawn.Left;
        EXPECT_EQ(mf.Height(), 48) << c.drawn.Left;
        // Replayed at its own size, the red square stays where it was drawn.
        TBitmap replayed;
        WhiteBitmap(replayed, 64, 48);
        replayed.Canvas().Draw(0, 0, mf);
        const TRect inside = c.drawn.Left < 0 ? Rect(0, 30, 64, 48) : c.drawn;
        EXPECT_EQ(replayed.Canvas().Pixel(inside.Left, inside.Top), clRed) << c.drawn.Left;
        EXPECT_EQ(replayed.Canvas().Pixel(inside.Right - 1, inside.Bottom - 1), clRed) << c.drawn.Left;
        EXPECT_EQ(replayed.Canvas().Pixel(5, 5), clWhite) << c.drawn.Left;
    }
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

namespace {

// A Windows metafile of the given records (each freed): a placeable header giving the picture's size
// in inches at `unitsPerInch` logical units (a plain header without it), the records, end of file.
std::string WindowsMetafile(std::vector<char*> records, uint16_t objects, const U_PAIRF* inches = nullptr,
                            unsigned unitsPerInch = 0)
{
    U_PAIRF size = inches ? *inches : U_PAIRF{0, 0};
    char* header = U_WMRHEADER_set(inches ? &size : nullptr, unitsPerInch);
    const size_t headerSize = inches ? 40 : 18;
    std::string out(header, headerSize);
    std::free(header);
    records.push_back(U_WMREOF_set());
    for (char* r : records) {
        out.append(r, U_wmr_size(reinterpret_cast<U_METARECORD*>(r)));
        std::free(r);
    }
    const size_t at = headerSize - 18;   // the metafile header, after the placeable one
    const uint32_t words = static_cast<uint32_t>(out.size() - at) / 2;
    std::memcpy(out.data() + at + 6, &words, 4);
    std::memcpy(out.data() + at + 10, &objects, 2);
    return out;
}

U_RECT16 Rect16(int16_t l, int16_t t, int16_t r, int16_t b) { return U_RECT16{l, t, r, b}; }

void LoadMetafile(TMetafile& mf, const std::string& bytes)
{
    TMemoryStream m;
    m.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    m.SetPosition(0);
    mf.LoadFromStream(m);
}

// A text record whose length runs past the record: its point, after the text, is never read.
TEST(Metafile, TextRecordsLongerThanTheirRecordAreSkipped)
{
    char* text = U_WMRTEXTOUT_set(U_POINT16{1, 1}, const_cast<char*>("Dam"));
    const int16_t length = 30000;
    std::memcpy(text + 6, &length, 2);
    const std::string wmf = WindowsMetafile({U_WMRSETMAPMODE_set(U_MM_TEXT), text}, 0);
    TMetafile mf;
    LoadMetafile(mf, wmf);
    TBitmap picture;
    WhiteBitmap(picture, 20, 10);
    picture.Canvas().Draw(0, 0, mf);
    for (Integer y = 0; y < 10; ++y)
        for (Integer x = 0; x < 20; ++x) EXPECT_EQ(picture.Canvas().Pixel(x, y), clWhite) << x << "," << y;
}

TEST(Metafile, PlaceableWindowsMetafileDrawsInItsBoxWithItsObjectTable)
{
    // a box of 12 x 6 logical units at 48 per inch: a quarter by an eighth of an inch, 24 x 12 pixels
    const U_PAIRF inches{0.25f, 0.125f};
    const std::string wmf = WindowsMetafile(
        {U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWORG_set(U_POINT16{0, 0}),
         U_WMRSETWINDOWEXT_set(U_POINT16{12, 6}),
         U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_SOLID, 0, colorref_set(0, 0, 0))),             // object 0
         U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref_set(0, 0, 0), 0)),      // object 1
         U_WMRSELECTOBJECT_set(0), U_WMRSELECTOBJECT_set(1), U_WMRRECTANGLE_set(Rect16(1, 1, 4, 3)),
         U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref_set(255, 0, 0), 0)),    // object 2
         U_WMRSELECTOBJECT_set(2), U_WMRDELETEOBJECT_set(1),
         U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_SOLID, 0, colorref_set(255, 0, 0))),           // object 1 again
         U_WMRSELECTOBJECT_set(1), U_WMRRECTANGLE_set(Rect16(7, 2, 11, 5))},
        3, &inches, 48);
    TMetafile mf;
    LoadMetafile(mf, wmf);
    EXPECT_EQ(mf.Width(), 24);
    EXPECT_EQ(mf.Height(), 12);
    TBitmap bmp;
    WhiteBitmap(bmp, 24, 12);
    bmp.Canvas().Draw(0, 0, mf);
    // each logical unit is two pixels: (1,1)-(4,3) black, (7,2)-(11,5) red with the reused slot's red pen
    EXPECT_EQ(Picture(bmp, clBlack), std::string(
        "......................../......................../..XXXXXX................/..XXXXXX................/"
        "..XXXXXX................/..XXXXXX................/......................../......................../"
        "......................../......................../......................../........................"));
    EXPECT_EQ(Picture(bmp, clRed), std::string(
        "......................../......................../......................../......................../"
        "..............XXXXXXXX../..............XXXXXXXX../..............XXXXXXXX../..............XXXXXXXX../"
        "..............XXXXXXXX../..............XXXXXXXX../......................../........................"));
}

TEST(Metafile, PlainWindowsMetafileTakesItsWindowAsThePicture)
{
    // no placeable header: the window from (10, 10), 8 x 4 units, is the picture at a pixel a unit
    const std::string wmf = WindowsMetafile(
        {U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWORG_set(U_POINT16{10, 10}),
         U_WMRSETWINDOWEXT_set(U_POINT16{8, 4}),
         U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref_set(0, 0, 0), 0)), U_WMRSELECTOBJECT_set(0),
         U_WMRRECTANGLE_set(Rect16(10, 10, 13, 12))},
        1);
    TMetafile mf;
    LoadMetafile(mf, wmf);
    EXPECT_EQ(mf.Width(), 8);
    EXPECT_EQ(mf.Height(), 4);
    TBitmap bmp;
    WhiteBitmap(bmp, 8, 4);
    bmp.Canvas().Draw(0, 0, mf);
    EXPECT_EQ(Picture(bmp, clBlack), std::string("XXX...../XXX...../......../........"));
}

TEST(Metafile, WindowsMetafileTextIsDrawnInItsFontAndCodePage)
{
    U_FONT* font = U_FONT_set(-11, 0, 0, 0, U_FW_NORMAL, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                              U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, const_cast<char*>("Tahoma"));
    const std::string wmf = WindowsMetafile(
        {U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWEXT_set(U_POINT16{60, 20}),
         U_WMRCREATEFONTINDIRECT_set(font), U_WMRSELECTOBJECT_set(0), U_WMRSETBKMODE_set(U_TRANSPARENT),
         U_WMRSETTEXTCOLOR_set(colorref_set(0, 0, 255)), U_WMRTEXTOUT_set(U_POINT16{2, 2}, const_cast<char*>("\xC9t\xE9"))},
        1);
    std::free(font);
    TMetafile mf;
    LoadMetafile(mf, wmf);
    TBitmap fromFile, direct;
    WhiteBitmap(fromFile, 60, 20);
    WhiteBitmap(direct, 60, 20);
    fromFile.Canvas().Draw(0, 0, mf);
    TCanvas& c = direct.Canvas();
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlue);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(2, 2, u"\u00C9t\u00E9");   // the bytes are Windows-1252
    EXPECT_EQ(Picture(fromFile, clBlue), Picture(direct, clBlue));
    EXPECT_NE(Picture(direct, clBlue).find('X'), std::string::npos);
}

TEST(Metafile, WindowsMetafilesAreFoundByContentAndDamagedOnesRefused)
{
    const U_PAIRF inches{0.25f, 0.125f};
    const std::string wmf = WindowsMetafile({U_WMRRECTANGLE_set(Rect16(0, 0, 4, 4))}, 0, &inches, 48);
    TempFolder folder;
    const String file = folder / "picture.wmf";
    {
        TFileStream f(file, fmCreate);
        f.WriteBuffer(wmf.data(), static_cast<Integer>(wmf.size()));
    }
    TPicture pic;
    pic.LoadFromFile(file);
    ASSERT_TRUE(dynamic_cast<TMetafile*>(pic.Graphic()));
    EXPECT_EQ(pic.Width(), 24);
    TMemoryStream m;
    m.WriteBuffer(wmf.data(), static_cast<Integer>(wmf.size()));
    m.SetPosition(0);
    EXPECT_EQ(TPicture::GraphicClassOfStream(m), TMetafile::StaticClass());

    // an enhanced metafile under the ".wmf" name still loads
    TMetafile emf;
    {
        TMetafileCanvas mc(emf);
        mc.Rectangle(0, 0, 7, 5);
    }
    emf.SaveToFile(file);
    pic.LoadFromFile(file);
    EXPECT_EQ(pic.Width(), 7);

    // a record running past the end, and a placeable header with no box
    const U_PAIRF none{0, 0};
    for (const std::string& damaged :
         {wmf.substr(0, wmf.size() - 10), WindowsMetafile({U_WMRRECTANGLE_set(Rect16(0, 0, 4, 4))}, 0, &none, 48)}) {
        TMetafile other;
        EXPECT_THROW(LoadMetafile(other, damaged), EInvalidGraphic);
        EXPECT_TRUE(other.Empty());
    }
}

TEST(Metafile, DamagedWindowsMetafilesLoadOrAreRefusedButNeverReadAstray)
{
    // every kind of record the reader plays, then copies cut short and with bytes changed
    const U_PAIRF inches{0.5f, 0.5f};
    U_FONT* font = U_FONT_set(-11, 0, 0, 0, U_FW_BOLD, 1, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                              U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, const_cast<char*>("Arial"));
    const U_POINT16 points[3] = {{1, 1}, {20, 5}, {8, 20}};
    const uint16_t counts[2] = {3, 3};
    const U_POINT16 twoPolygons[6] = {{1, 1}, {20, 5}, {8, 20}, {2, 2}, {3, 9}, {9, 3}};
    int16_t dx[3] = {5, 5, 5};
    const std::string good = WindowsMetafile(
        {U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC), U_WMRSETWINDOWEXT_set(U_POINT16{24, 24}),
         U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_DASH, 1, colorref_set(0, 0, 128))),
         U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_HATCHED, colorref_set(0, 128, 0), U_HS_CROSS)),
         U_WMRCREATEFONTINDIRECT_set(font), U_WMRSELECTOBJECT_set(0), U_WMRSELECTOBJECT_set(1), U_WMRSELECTOBJECT_set(2),
         U_WMRSAVEDC_set(), U_WMRINTERSECTCLIPRECT_set(Rect16(0, 0, 20, 20)), U_WMRPOLYLINE_set(3, points),
         U_WMRPOLYGON_set(3, points), U_WMRPOLYPOLYGON_set(2, counts, twoPolygons),
         U_WMRELLIPSE_set(Rect16(2, 2, 10, 10)), U_WMRROUNDRECT_set(4, 4, Rect16(3, 3, 12, 12)),
         U_WMRARC_set(U_POINT16{0, 5}, U_POINT16{5, 0}, Rect16(0, 0, 10, 10)),
         U_WMRPIE_set(U_POINT16{0, 5}, U_POINT16{5, 0}, Rect16(0, 0, 10, 10)),
         U_WMRCHORD_set(U_POINT16{0, 5}, U_POINT16{5, 0}, Rect16(0, 0, 10, 10)), U_WMRRESTOREDC_set(-1),
         U_WMRMOVETO_set(U_POINT16{0, 0}), U_WMRLINETO_set(U_POINT16{23, 23}),
         U_WMRSETPIXEL_set(colorref_set(255, 0, 0), U_POINT16{5, 5}),
         U_WMRPATBLT_set(U_POINT16{1, 1}, U_POINT16{3, 3}, U_PATCOPY),
         U_WMREXTTEXTOUT_set(U_POINT16{2, 12}, 3, U_ETO_OPAQUE, const_cast<char*>("abc"), dx, Rect16(2, 12, 20, 20)),
         U_WMRDELETEOBJECT_set(1)},
        3, &inches, 48);
    std::free(font);
    {
        TMetafile mf;
        LoadMetafile(mf, good);
        EXPECT_EQ(mf.Width(), 48);
    }
    std::mt19937 gen(2024);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        bytes.resize(gen() % (bytes.size() + 1));
        for (int k = 0; k < 4 && !bytes.empty(); ++k) bytes[gen() % bytes.size()] = static_cast<char>(gen());
        TMetafile mf;
        try {
            LoadMetafile(mf, bytes);
            TBitmap bmp;
            WhiteBitmap(bmp, 48, 48);
            bmp.Canvas().StretchDraw(Rect(0, 0, 48, 48), mf);
        } catch (const EInvalidGraphic&) {
            EXPECT_TRUE(mf.Empty());
        }
    }
}

}  // namespace
