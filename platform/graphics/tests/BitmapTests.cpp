#include <gtest/gtest.h>

#include <gif_lib.h>

#include <cstdlib>

#include "TestSupport.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Raster.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::vector<Byte> FileBytes(const String& name)
{
    TMemoryStream m;
    m.LoadFromFile(name);
    return std::vector<Byte>(m.Memory(), m.Memory() + m.Size());
}

Cardinal U32(const std::vector<Byte>& b, size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | Cardinal(b[at + 3]) << 24; }

// A picture with every kind of pixel: colours of the default 16-colour table in blocks.
void Sample(TBitmap& bmp, Integer w, Integer h)
{
    static const TColor colors[] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clSilver,
                                    clGray, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(w, h);
    for (Integer y = 0; y < h; ++y)
        for (Integer x = 0; x < w; ++x) bmp.Canvas().SetPixel(x, y, colors[(x / 2 + y * 3) % 16]);
}

std::vector<Cardinal> Pixels(const TBitmap& bmp)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    std::vector<Cardinal> out;
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x) out.push_back(px.Row(y)[x] & 0xFFFFFF);
    return out;
}

namespace {
std::string HexBytes(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}
// The bytes, the stream rewound.
void WriteBytes(TMemoryStream& m, const std::string& bytes)
{
    m.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    m.SetPosition(0);
}
}  // namespace

TEST(BitmapFiles, HeadersOf24And32BitFiles)
{
    struct Case {
        TPixelFormat Format;
        Word Bits;
        Cardinal FileSize;
    };
    // rows are padded to four bytes: 10 pixels take 32 bytes at 24 bits, 40 at 32 bits
    TempFolder folder;
    for (Case c : {Case{TPixelFormat::pf24bit, 24, 54 + 32 * 7}, Case{TPixelFormat::pf32bit, 32, 54 + 40 * 7},
                   Case{TPixelFormat::pf8bit, 8, 54 + 1024 + 12 * 7}, Case{TPixelFormat::pf1bit, 1, 54 + 8 + 4 * 7}}) {
        TBitmap bmp(10, 7, c.Format);
        const String file = folder / "a.bmp";
        bmp.SaveToFile(file);
        std::vector<Byte> b = FileBytes(file);
        ASSERT_EQ(b.size(), c.FileSize);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), c.FileSize);
        EXPECT_EQ(U32(b, 6), 0u);
        EXPECT_EQ(U32(b, 10), c.FileSize - U32(b, 34));   // pixel data offset
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(U32(b, 18), 10u);
        EXPECT_EQ(U32(b, 22), 7u);
        EXPECT_EQ(b[26] | b[27] << 8, 1);
        EXPECT_EQ(b[28] | b[29] << 8, c.Bits);
        EXPECT_EQ(U32(b, 30), 0u);   // uncompressed
    }
}

TEST(BitmapFiles, BottomRowComesFirst)
{
    TBitmap bmp(1, 2, TPixelFormat::pf24bit);
    bmp.Canvas().SetPixel(0, 0, clRed);
    bmp.Canvas().SetPixel(0, 1, clBlue);
    TempFolder folder;
    const String file = folder / "b.bmp";
    bmp.SaveToFile(file);
    std::vector<Byte> b = FileBytes(file);
    EXPECT_EQ(std::vector<Byte>(b.begin() + 54, b.end()), (std::vector<Byte>{255, 0, 0, 0, 0, 0, 255, 0}));
}

TEST(BitmapFiles, RoundTripsEveryPixelFormat)
{
    TBitmap source;
    Sample(source, 13, 5);
    TempFolder folder;
    for (TPixelFormat f : {TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit,
                           TPixelFormat::pf16bit}) {
        TBitmap bmp;
        bmp.Assign(source);
        bmp.SetPixelFormat(f);
        const String file = folder / "c.bmp";
        bmp.SaveToFile(file);
        TBitmap back;
        back.LoadFromFile(file);
        EXPECT_EQ(back.PixelFormat(), f);
        EXPECT_EQ(Pixels(back), Pixels(bmp)) << static_cast<int>(f);
        if (f != TPixelFormat::pf16bit) {
            EXPECT_EQ(Pixels(back), Pixels(source)) << static_cast<int>(f);
        }
    }
}

TEST(BitmapFiles, DamagedFilesAreRefused)
{
    TBitmap bmp(4, 4, TPixelFormat::pf24bit);
    TMemoryStream m;
    bmp.SaveToStream(m);
    for (Int64 cut : {Int64(2), Int64(30), m.Size() - 1}) {
        TMemoryStream part;
        part.WriteBuffer(m.Memory(), static_cast<Integer>(cut));
        part.SetPosition(0);
        TBitmap back;
        try {
            back.LoadFromStream(part);
            ADD_FAILURE() << "a file cut after " << cut << " bytes was read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), String("Image de bitmap non valide")) << cut;   // the runtime's text
        }
    }
}

TEST(BitmapFiles, PicturesInsideLongerStreamsAreReadToTheirEnd)
{
    TBitmap bmp(3, 2, TPixelFormat::pf24bit);
    TPngImage png;
    png.Assign(&bmp);
    TMemoryStream m;
    bmp.SaveToStream(m);
    png.SaveToStream(m);
    m.WriteBuffer("tail", 4);
    m.SetPosition(0);
    TBitmap b;
    b.LoadFromStream(m);
    TPngImage p;
    p.LoadFromStream(m);
    char tail[4];
    m.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "tail");
    EXPECT_EQ(p.Width(), 3);
}

TEST(BitmapScanLine, RowsInThePixelFormatsLayout)
{
    TBitmap bmp(3, 2, TPixelFormat::pf24bit);
    Byte* row = bmp.ScanLine(1);
    row[0] = 0x10;   // blue
    row[1] = 0x20;   // green
    row[2] = 0x30;   // red
    EXPECT_EQ(bmp.Canvas().Pixel(0, 1), 0x102030);
    bmp.Canvas().SetPixel(2, 1, 0x0A0B0C);
    EXPECT_EQ(bmp.ScanLine(1)[6], 0x0A);
    EXPECT_EQ(bmp.ScanLine(1)[8], 0x0C);
    TBitmap mono(9, 1, TPixelFormat::pf1bit);
    mono.Canvas().Brush().SetColor(clBlack);
    mono.Canvas().FillRect(Rect(0, 0, 9, 1));
    mono.Canvas().SetPixel(1, 0, clWhite);
    mono.Canvas().SetPixel(8, 0, clWhite);
    EXPECT_EQ(mono.ScanLine(0)[0], 0x40);
    EXPECT_EQ(mono.ScanLine(0)[1], 0x80);
}

TEST(BitmapScanLine, EachPixelFormatHasItsBitCount)
{
    const std::pair<TPixelFormat, int> cases[] = {
        {TPixelFormat::pf1bit, 1},   {TPixelFormat::pf4bit, 4},   {TPixelFormat::pf8bit, 8},
        {TPixelFormat::pf15bit, 16}, {TPixelFormat::pf16bit, 16}, {TPixelFormat::pf24bit, 24},
        {TPixelFormat::pf32bit, 32}, {TPixelFormat::pfDevice, 32},
    };
    for (const auto& [format, bits] : cases) {
        TBitmap bmp(32, 1, format);
        EXPECT_EQ(bmp.BitsPerPixel(), bits) << static_cast<int>(format);
        EXPECT_EQ(bmp.RowBytes(), 4 * bits) << static_cast<int>(format);   // 32 pixels a row
    }
}

TEST(BitmapTransparency, TransparentColourLeavesTheDestination)
{
    TBitmap dest;
    WhiteBitmap(dest, 3, 1);
    TBitmap sprite(3, 1);
    sprite.Canvas().SetPixel(0, 0, clFuchsia);
    sprite.Canvas().SetPixel(1, 0, clNavy);
    sprite.Canvas().SetPixel(2, 0, clFuchsia);   // bottom-left pixel sets the colour in automatic mode
    sprite.SetTransparent(true);
    EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
    dest.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(Picture(dest, clWhite), "X.X");
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clNavy);
}

TEST(BitmapAlpha, FormatsMultiplyAndDraw)
{
    TBitmap bmp(2, 1);
    EXPECT_FALSE(bmp.SupportsPartialTransparency());
    TPixelBuffer px;
    bmp.GetPixels(px);
    px.Row(0)[0] = 0x80FF0000;   // half red, straight alpha
    px.Row(0)[1] = 0x00000000;
    EXPECT_TRUE(bmp.SupportsPartialTransparency());
    bmp.SetAlphaFormat(TAlphaFormat::afDefined);
    TBitmap dest;
    WhiteBitmap(dest, 2, 1);
    dest.Canvas().Draw(0, 0, bmp);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), 0x7F7FFF);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clWhite);
    bmp.SetAlphaFormat(TAlphaFormat::afPremultiplied);
    bmp.GetPixels(px);
    EXPECT_EQ(px.Row(0)[0], 0x80800000u);
    WhiteBitmap(dest, 2, 1);
    dest.Canvas().Draw(0, 0, bmp);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), 0x7F7FFF);
}

TEST(PngFiles, RoundTripIsExact)
{
    TBitmap source;
    Sample(source, 17, 9);
    TPngImage png;
    png.Assign(&source);
    TempFolder folder;
    const String file = folder / "a.png";
    png.SaveToFile(file);
    TPicture pic;
    pic.LoadFromFile(file);
    ASSERT_TRUE(dynamic_cast<TPngImage*>(pic.Graphic()));
    TBitmap back;
    back.Assign(pic.Graphic());
    EXPECT_EQ(Pixels(back), Pixels(source));
    std::vector<Byte> b = FileBytes(file);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG");
}

TEST(PngFiles, AlphaIsKeptAndBlended)
{
    TPngImage png;
    png.Image().SetSize(3, 1);
    TPixelBuffer px;
    png.Image().GetPixels(px);
    px.Row(0)[0] = 0x00FF0000;   // transparent red
    px.Row(0)[1] = 0x800000FF;   // half blue
    px.Row(0)[2] = 0xFF00FF00;   // opaque green
    png.SetHasAlpha(true);
    TMemoryStream m;
    png.SaveToStream(m);
    m.SetPosition(0);
    TPngImage back;
    back.LoadFromStream(m);
    EXPECT_TRUE(back.HasAlpha());
    TPixelBuffer bp;
    back.Image().GetPixels(bp);
    EXPECT_EQ(std::vector<Cardinal>(bp.Bits, bp.Bits + 3), std::vector<Cardinal>(px.Bits, px.Bits + 3));
    TBitmap dest;
    WhiteBitmap(dest, 3, 1);
    dest.Canvas().Draw(0, 0, back);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), 0xFF7F7F);
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clLime);
}

TEST(JpegFiles, RoundTripIsCloseAndQualityChangesTheSize)
{
    TBitmap source;
    WhiteBitmap(source, 32, 32);
    source.Canvas().Brush().SetColor(0x4080C0);
    source.Canvas().FillRect(Rect(0, 0, 16, 32));
    std::vector<Int64> sizes;
    for (Integer quality : {1, 100}) {
        TJPEGImage jpg;
        jpg.Assign(&source);
        jpg.SetCompressionQuality(quality);
        TMemoryStream m;
        jpg.SaveToStream(m);
        sizes.push_back(m.Size());
        m.SetPosition(0);
        TJPEGImage back;
        back.LoadFromStream(m);
        ASSERT_EQ(back.Width(), 32);
        if (quality == 100) {
            TBitmap b;
            b.Assign(&back);
            for (TPoint p : {Point(4, 4), Point(28, 28)}) {
                Cardinal want = raster::ToPixel(source.Canvas().Pixel(p.X, p.Y)), got = raster::ToPixel(b.Canvas().Pixel(p.X, p.Y));
                for (int shift : {0, 8, 16}) EXPECT_NEAR(int((want >> shift) & 0xFF), int((got >> shift) & 0xFF), 3);
            }
        }
    }
    EXPECT_LT(sizes[0], sizes[1]);
    TJPEGImage jpg;
    jpg.SetCompressionQuality(0);
    EXPECT_EQ(jpg.CompressionQuality(), 1);
    jpg.SetCompressionQuality(101);
    EXPECT_EQ(jpg.CompressionQuality(), 100);
}

TEST(GifFiles, FirstFrameWithItsTransparentColour)
{
    // a 3 x 1 picture written with the library: red, transparent, blue
    TempFolder folder;
    const String file = folder / "a.gif";
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.ToUtf8().c_str(), false, &error);
    ASSERT_TRUE(gif);
    GifColorType colors[4] = {{255, 0, 0}, {0, 0, 0}, {0, 0, 255}, {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif, 3, 1, 2, 0, map);
    GraphicsControlBlock gcb{0, false, 0, 1};
    GifByteType ext[4];
    size_t len = EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), ext);
    EGifPutImageDesc(gif, 0, 0, 3, 1, false, nullptr);
    GifPixelType line[3] = {0, 1, 2};
    EGifPutLine(gif, line, 3);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);

    TPicture pic;
    pic.LoadFromFile(file);
    auto* g = dynamic_cast<TGIFImage*>(pic.Graphic());
    ASSERT_TRUE(g);
    EXPECT_TRUE(g->HasAlpha());
    TBitmap dest;
    WhiteBitmap(dest, 3, 1);
    dest.Canvas().Draw(0, 0, *g);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clWhite);
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clBlue);
}

TEST(TiffFiles, ReadThroughTheImageReadersAndWrittenBack)
{
    // A 2 x 1 uncompressed RGB file, little-endian, written out by hand: red, blue.
    const std::string file = HexBytes(
        "49492a0008000000090000010300010000000200000001010300010000000100000002010300030000007a0000000301"
        "0300010000000100000006010300010000000200000011010400010000008000000015010300010000000300000016010300"
        "010000000100000017010400010000000600000000000000080008000800ff00000000ff");
    TMemoryStream m;
    WriteBytes(m, file);
    TPicture pic;
    pic.LoadFromStream(m);
    ASSERT_TRUE(dynamic_cast<TTIFFImage*>(pic.Graphic()));
    EXPECT_EQ(pic.Width(), 2);
    EXPECT_EQ(pic.Height(), 1);
    TMemoryStream again;
    pic.SaveToStream(again);
    again.SetPosition(0);
    TPicture back;
    back.LoadFromStream(again);
    for (TPicture* p : {&pic, &back}) {
        ASSERT_TRUE(dynamic_cast<TTIFFImage*>(p->Graphic()));
        TBitmap dest;
        WhiteBitmap(dest, 2, 1);
        dest.Canvas().Draw(0, 0, *p->Graphic());
        EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);
        EXPECT_EQ(dest.Canvas().Pixel(1, 0), clBlue);
    }
    // Big-endian files are TIFF too; damaged ones are refused.
    TMemoryStream bigEndian;
    WriteBytes(bigEndian, std::string("MM\0*\0\0\0\x08", 8));
    EXPECT_EQ(TPicture::GraphicClassOfStream(bigEndian), TTIFFImage::StaticClass());
    TTIFFImage damaged;
    EXPECT_THROW(damaged.LoadFromStream(bigEndian), EInvalidGraphic);
}

TEST(GifFiles, InterlacedRowsComeInFourPasses)
{
    // a 1 x 8 picture whose row y has colour y % 2, its rows stored in the order 0, 4, 2, 6, 1, 3, 5, 7
    TempFolder folder;
    const String file = folder / "i.gif";
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.ToUtf8().c_str(), false, &error);
    ASSERT_TRUE(gif);
    GifColorType colors[2] = {{255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colors);
    EGifPutScreenDesc(gif, 1, 8, 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, 1, 8, true, nullptr);
    for (int y : {0, 4, 2, 6, 1, 3, 5, 7}) {
        GifPixelType pixel = static_cast<GifPixelType>(y % 2);
        EGifPutLine(gif, &pixel, 1);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    TPicture pic;
    pic.LoadFromFile(file);
    TBitmap dest;
    WhiteBitmap(dest, 1, 8);
    dest.Canvas().Draw(0, 0, *pic.Graphic());
    for (Integer y = 0; y < 8; ++y) EXPECT_EQ(dest.Canvas().Pixel(0, y), y % 2 ? clBlue : clRed) << y;
}

// PNG chunks end with the CRC-32 of their type and data.
Cardinal Crc32(const Byte* data, size_t size)
{
    Cardinal crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

void PutBig(std::vector<Byte>& b, size_t at, Cardinal v, int bytes)
{
    for (int i = 0; i < bytes; ++i) b[at + i] = Byte(v >> (8 * (bytes - 1 - i)));
}

// A picture file declaring 38 294 x 37 780 pixels (5.8 GB of pixels) in a few hundred bytes is
// refused before decoding with the reader's error; the picture loaded before stays.
TEST(PictureFiles, PicturesLargerThanAScreenAreRefusedBeforeDecoding)
{
    TBitmap small;
    WhiteBitmap(small, 8, 8);
    auto saved = [&](TGraphic& g) {
        g.Assign(&small);
        TMemoryStream m;
        g.SaveToStream(m);
        return std::vector<Byte>(m.Memory(), m.Memory() + m.Size());
    };
    TBitmap bmp;
    TPngImage png;
    TJPEGImage jpg;
    TGIFImage gif;
    std::vector<Byte> bmpFile = saved(bmp), pngFile = saved(png), jpgFile = saved(jpg);
    bmpFile[18] = 0x96, bmpFile[19] = 0x95, bmpFile[22] = 0x94, bmpFile[23] = 0x93;   // 38294 x 37780 at 18, 22
    PutBig(pngFile, 16, 38294, 4);                                                     // IHDR width, height
    PutBig(pngFile, 20, 37780, 4);
    PutBig(pngFile, 29, Crc32(pngFile.data() + 12, 17), 4);
    for (size_t i = 2; i + 9 < jpgFile.size(); ++i)
        if (jpgFile[i] == 0xFF && jpgFile[i + 1] == 0xC0) {                             // start of frame
            PutBig(jpgFile, i + 5, 37780, 2);
            PutBig(jpgFile, i + 7, 38294, 2);
            break;
        }
    // a 1 x 1 GIF on a screen of 65535 x 65535
    const std::vector<Byte> gifFile = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0,
                                       0, 0, 0, 0xFF, 0xFF, 0xFF, ',', 0, 0, 0, 0, 1, 0, 1, 0, 0,
                                       2, 2, 0x44, 0x01, 0, ';'};
    struct Case {
        TGraphic* Reader;
        std::vector<Byte> File;
        const char* Message;
    };
    const Case cases[] = {{&bmp, bmpFile, "Image de bitmap non valide"},
                          {&png, pngFile, "The PNG image is not valid"},
                          {&jpg, jpgFile, "The JPEG image is not valid"},
                          {&gif, gifFile, "The GIF image is not valid"},
                          {&gif, {}, "The GIF image is not valid"}};
    for (const Case& c : cases) {
        c.Reader->Assign(&small);
        TMemoryStream m;
        if (!c.File.empty()) m.WriteBuffer(c.File.data(), static_cast<Integer>(c.File.size()));
        m.SetPosition(0);
        try {
            c.Reader->LoadFromStream(m);
            ADD_FAILURE() << c.Message << ": the file was read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), String(c.Message));
        }
        EXPECT_EQ(c.Reader->Width(), 8) << c.Message;
    }
}

TEST(IconFiles, RoundTripKeepsAlpha)
{
    TIcon icon;
    icon.SetSize(3, 2);
    TPixelBuffer px;
    icon.Image().GetPixels(px);
    px.Row(0)[0] = 0xFFFF0000;   // opaque red (alpha, red, green, blue)
    px.Row(0)[1] = 0x00000000;
    px.Row(1)[2] = 0xFF0000FF;   // opaque blue
    TempFolder folder;
    const String file = folder / "a.ico";
    icon.SaveToFile(file);
    TPicture pic;
    pic.LoadFromFile(file);
    auto* back = dynamic_cast<TIcon*>(pic.Graphic());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Width(), 3);
    EXPECT_EQ(back->Height(), 2);
    TBitmap dest;
    WhiteBitmap(dest, 3, 2);
    dest.Canvas().Draw(0, 0, *back);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clWhite);
    EXPECT_EQ(dest.Canvas().Pixel(2, 1), clBlue);
}

TEST(PictureData, ClassNameThenTheGraphicsData)
{
    TPicture pic;
    pic.Bitmap().SetSize(2, 2);
    pic.Bitmap().Canvas().SetPixel(1, 1, clRed);
    TMemoryStream m;
    pic.WriteData(m);
    const Byte* b = m.Memory();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b), 8), "\x07TBitmap");
    const Cardinal size = b[8] | b[9] << 8 | b[10] << 16 | Cardinal(b[11]) << 24;
    EXPECT_EQ(size + 12, m.Size());
    m.SetPosition(0);
    TPicture back;
    back.ReadData(m);
    ASSERT_TRUE(dynamic_cast<TBitmap*>(back.Graphic()));
    EXPECT_EQ(back.Bitmap().Canvas().Pixel(1, 1), clRed);
}

TEST(PictureFiles, UnknownExtensionIsRefused)
{
    TPicture pic;
    try {
        pic.LoadFromFile("/tmp/picture.xyz");
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_EQ(TPicture::GraphicFilter(TCodecGraphic::StaticClass()),
              "All (*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff)|*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff|"
              "Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|"
              "GIF Image (*.gif)|*.gif|TIFF Image (*.tif)|*.tif|TIFF Image (*.tiff)|*.tiff");
}

TEST(PictureStreams, TheDataSignaturePicksTheGraphicClass)
{
    // Each picture saved to a stream comes back as its own class, read from the stream's position.
    TBitmap bmp(3, 2, TPixelFormat::pf24bit);
    bmp.Canvas().SetPixel(2, 1, clRed);
    TPngImage png;
    png.Image().Assign(bmp);
    TJPEGImage jpeg;
    jpeg.Image().Assign(bmp);
    struct Case {
        TGraphic* Graphic;
        TClass Expected;
    } cases[] = {{&bmp, TBitmap::StaticClass()}, {&png, TPngImage::StaticClass()}, {&jpeg, TJPEGImage::StaticClass()}};
    for (const Case& c : cases) {
        TMemoryStream m;
        m.WriteBuffer("xy", 2);
        c.Graphic->SaveToStream(m);
        m.SetPosition(2);
        TPicture pic;
        pic.LoadFromStream(m);
        ASSERT_TRUE(pic.Graphic()) << c.Expected->ClassName();
        EXPECT_EQ(pic.Graphic()->ClassType(), c.Expected);
        EXPECT_EQ(pic.Width(), 3);
        TMemoryStream again;
        pic.SaveToStream(again);
        again.SetPosition(0);
        EXPECT_EQ(TPicture::GraphicClassOfStream(again), c.Expected);
        EXPECT_EQ(again.Position(), 0);
    }
}

TEST(PictureStreams, UnknownDataIsRefusedAndRegisteredTestsClaimTheirData)
{
    TStringStream text("<svg/>");
    TPicture pic;
    EXPECT_THROW(pic.LoadFromStream(text), EInvalidGraphic);
    EXPECT_EQ(TPicture::GraphicClassOfStream(text), nullptr);
    // A format registered with a test of its own is asked after the built-in ones.
    TPicture::RegisterFileFormat("pngtext", "Text pictures", TPngImage::StaticClass(),
                                 [](TStream& s) { char c = 0; return s.Read(&c, 1) == 1 && c == '<'; });
    EXPECT_EQ(TPicture::GraphicClassOfStream(text), TPngImage::StaticClass());
    EXPECT_EQ(text.Position(), 0);
    EXPECT_EQ(TPicture::FileFormatDescription("PNGTEXT"), "Text pictures");
    TPicture::RegisterFileFormat("pngtext", "", TBitmap::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOfStream(text), nullptr);
}

}  // namespace

TEST(PictureStreams, ResourcesByNameAndNumber)
{
    TBitmap bmp;
    Sample(bmp, 5, 2);
    TPngImage png;
    png.Image().Assign(bmp);
    TMemoryStream m;
    png.SaveToStream(m);
    const std::span<const Byte> bytes(m.Memory(), static_cast<size_t>(m.Size()));
    RegisterResource("DAMPICTURE", RT_RCDATA, bytes);
    RegisterResource(ResourceIDName(7), RT_RCDATA, bytes);

    TPicture byName, byNumber;
    byName.LoadFromResourceName(HInstance, "DamPicture");   // names ignore letter case
    byNumber.LoadFromResourceID(HInstance, 7);
    for (TPicture* p : {&byName, &byNumber}) {
        ASSERT_TRUE(dynamic_cast<TPngImage*>(p->Graphic()));
        EXPECT_EQ(Pixels(static_cast<TPngImage*>(p->Graphic())->Image()), Pixels(bmp));
    }
    EXPECT_THROW(byName.LoadFromResourceName(HInstance, "NOSUCHPICTURE"), EResNotFound);
    EXPECT_THROW(byName.LoadFromResourceID(HInstance, 8), EResNotFound);
    EXPECT_TRUE(dynamic_cast<TPngImage*>(byName.Graphic()));   // kept after the failures
}

TEST(PictureStreams, BitmapResourceByName)
{
    static TMemoryStream file;   // the registered bytes stay for the program's life
    TBitmap bmp;
    Sample(bmp, 4, 3);
    bmp.SaveToStream(file);
    RegisterResource("SLIDERTHUMB", "BITMAP", std::span<const Byte>(file.Memory(), static_cast<size_t>(file.Size())));
    TBitmap loaded;
    loaded.LoadFromResourceName(HInstance, "SliderThumb");
    EXPECT_EQ(Pixels(loaded), Pixels(bmp));
    EXPECT_THROW(loaded.LoadFromResourceName(HInstance, "NOSUCHBITMAP"), EResNotFound);
    EXPECT_EQ(Pixels(loaded), Pixels(bmp));
}

namespace {

// A component holding a picture of its own, as a button holds its glyph.
class TGlyphHolder : public TComponent {
    DECLARE_CLASS(TGlyphHolder, TComponent)
public:
    explicit TGlyphHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TBitmap Glyph;
};

}  // namespace

TClass TGlyphHolder::StaticClass()
{
    static const TMetaClass meta("TGlyphHolder", TComponent::StaticClass(), NewComponent<TGlyphHolder>,
                                 [](TMetaClass& m) {
        TPublished<TGlyphHolder>(&m).Property(
            "Glyph", [](TGlyphHolder* h) { return &h->Glyph; }, [](TGlyphHolder* h, TBitmap* v) { h->Glyph.Assign(*v); });
    });
    return &meta;
}

TEST(Bitmap, APictureHeldByAPropertyIsStoredWithItsForm)
{
    RegisterClasses({TGlyphHolder::StaticClass()});
    TGlyphHolder holder(nullptr);
    holder.SetName("Holder");
    EXPECT_EQ(WriteComponentText(&holder), "object Holder: TGlyphHolder\nend\n");   // empty: nothing
    holder.Glyph.SetSize(3, 2);
    holder.Glyph.Canvas().FillRectColor(TRect{0, 0, 3, 2}, clRed);
    holder.Glyph.Canvas().SetPixel(2, 1, clBlue);
    const String text = WriteComponentText(&holder);
    EXPECT_NE(text.ToUtf8().find("  Glyph.Data = {"), std::string::npos) << text.ToUtf8();
    std::unique_ptr<TComponent> copy(ReadComponentText(text));
    auto& glyph = static_cast<TGlyphHolder*>(copy.get())->Glyph;
    ASSERT_EQ(glyph.Width(), 3);
    ASSERT_EQ(glyph.Height(), 2);
    EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(0, 0)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(glyph.Canvas().Pixel(2, 1)), ColorToRGB(clBlue));
}
