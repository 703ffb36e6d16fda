#include <gtest/gtest.h>

#include "graphics/PictureContainer.h"
#include "listcontrols/GxHTML.h"
#include "platform/graphics/Codecs.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/graphics/PaintDevice.h"
#include "platform/services/ShellIcons.h"
#include "platform/testing/Driver.h"

namespace {

// A device that keeps what is drawn on it: each text with its place and the font it was drawn in,
// and each line and filled shape.
class TRecordingDevice : public TPaintDevice {
public:
    struct TText {
        String Text;
        TPoint At;
        TRect Box;
        String Font;
        Integer Height;
        TFontStyles Style;
        TColor Color;
        TColor Brush;   // clNone when the brush is clear
    };
    std::vector<TText> Texts;
    std::vector<TCanvasOp> Shapes;
    std::vector<TColor> ShapePens;   // the pen of each shape
    void Execute(TCanvas& canvas, const TCanvasOp& op) override
    {
        if (op.Kind == TCanvasOp::opText) {
            const bool clear = canvas.Brush().Style() == TBrushStyle::bsClear;
            Texts.push_back({op.Text, op.Points.empty() ? TPoint{} : op.Points[0], op.Rect, canvas.Font().Name(),
                             canvas.Font().Height(), canvas.Font().Style(), canvas.Font().Color(),
                             clear ? clNone : canvas.Brush().Color()});
        } else {
            Shapes.push_back(op);
            ShapePens.push_back(canvas.Pen().Color());
        }
    }
    TSize DeviceSize() const override { return {400, 300}; }
};

class MiniHTML : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestInitialize();
        Canvas.Font().SetName("Tahoma");
        Canvas.Font().SetHeight(-11);
        Gh = Canvas.TextHeight("gh");
    }
    bool Render(const String& markup, TRect area = {0, 0, 300, 200})
    {
        return RenderMiniHTML(Canvas, markup, area, Params, Result);
    }
    const TRecordingDevice::TText& Text(const char* text)
    {
        for (const auto& t : Device.Texts)
            if (t.Text == String(text)) return t;
        static TRecordingDevice::TText none;
        ADD_FAILURE() << "no text " << text;
        return none;
    }
    TRecordingDevice Device;
    TCanvas Canvas{&Device};
    THTMLRenderParams Params;
    THTMLRenderResult Result;
    Integer Gh = 0;
};

TEST_F(MiniHTML, AnEmptyTextIsOneLineHighAndDrawsNothing)
{
    EXPECT_FALSE(Render(""));
    EXPECT_EQ(Result.TotalHeight, Gh);
    EXPECT_EQ(Result.WidestLine, 0);
    EXPECT_TRUE(Device.Texts.empty());
}

TEST_F(MiniHTML, BreaksMakeLinesAsHighAsTheStartingFont)
{
    Render("a<BR>b");
    ASSERT_EQ(Device.Texts.size(), 2u);
    EXPECT_EQ(Result.TotalHeight, 2 * Gh);
    EXPECT_EQ(Text("b").Box.Bottom - Text("a").Box.Bottom, Gh);   // text sits on the line's bottom
    Params.MeasureOnly = true;
    Render("a<BR>b");
    EXPECT_EQ(Result.VisibleText, String("a\rb"));
    Render("<BR><BR>");
    EXPECT_EQ(Result.TotalHeight, 2 * Gh);
}

TEST_F(MiniHTML, StyleTagsByTheirLetters)
{
    struct Case {
        const char* markup;
        const char* text;
        TFontStyles style;
    } cases[] = {
        {"<b>x</b>", "x", {TFontStyle::fsBold}},
        {"<B>x</B>", "x", {TFontStyle::fsBold}},
        {"<BOLD>x", "x", {}},               // "<BO" is the page background
        {"<BIG>x", "x", {}},
        {"<i>x</i>", "x", {TFontStyle::fsItalic}},
        {"<u>x</u>", "x", {TFontStyle::fsUnderline}},
        {"<s>x</s>", "x", {TFontStyle::fsStrikeOut}},
        {"<STRONG>x</STRONG>", "x", {TFontStyle::fsBold}},
        {"<STRIKE>x</STRIKE>", "x", {TFontStyle::fsStrikeOut}},
        {"&lt;B&gt;x", "<B>x", {}},          // an escaped bracket never opens a tag
    };
    for (const Case& c : cases) {
        Device.Texts.clear();
        Render(c.markup);
        ASSERT_FALSE(Device.Texts.empty()) << c.markup;
        EXPECT_EQ(Device.Texts.back().Text, String(c.text)) << c.markup;
        EXPECT_EQ(Device.Texts.back().Style, c.style) << c.markup;
    }
}

TEST_F(MiniHTML, FontTagsSetFaceSizeAndColourAndTheirEndRestoresThem)
{
    Render("<font face=\"Arial\" size=\"3\" color=\"#FF0000\">big</font>small");
    EXPECT_EQ(Text("big").Font, String("ARIAL"));
    EXPECT_EQ(Text("big").Color, TColor(0x0000FF));
    TFont start;
    start.SetHeight(-11);
    TFont big;
    big.SetSize(start.Size() + 4);
    EXPECT_EQ(Text("big").Height, big.Height());
    EXPECT_EQ(Text("small").Font, String("Tahoma"));
    EXPECT_EQ(Text("small").Height, -11);
    Device.Texts.clear();
    Render("<FONT color=red>x</FONT><FONT SIZE=\"10\">y</FONT><FONT SIZE=\"0\">z</FONT>");
    EXPECT_EQ(Text("x").Color, Canvas.Font().Color());   // a value without quotes reads as empty
    EXPECT_EQ(Text("y").Height, -13);
    EXPECT_EQ(Text("z").Height, 0);
    // sizes beyond any screen give the largest font
    Device.Texts.clear();
    Render("<FONT SIZE=\"-2147483648\">a</FONT><FONT SIZE=\"999999\">b</FONT><FONT STYLE=\"font-size: 999999pt\">c</FONT>");
    EXPECT_EQ(Text("a").Height, MaxFontHeight);
    EXPECT_EQ(Text("b").Height, -MaxFontHeight);
    EXPECT_EQ(Text("c").Height, -MaxFontHeight);
}

TEST_F(MiniHTML, ListsIndentAndNumberTheirItems)
{
    Render("<OL><LI>one</LI><LI>two</LI></OL><UL><LI>dot</LI></UL>");
    EXPECT_EQ(Text("1. ").Font, String("Symbol"));
    EXPECT_EQ(Text("2. ").Box.Top - Text("1. ").Box.Top, Gh);
    EXPECT_EQ(Text("\xC2\xB7").Font, String("Symbol"));   // the bullet of a first-level list
    EXPECT_GT(Text("one").Box.Left, Text("1. ").Box.Left);
    EXPECT_GT(Text("dot").Box.Left, Text("\xC2\xB7").Box.Left);
}

TEST_F(MiniHTML, HitTestingFindsTheAnchorUnderThePoint)
{
    const String markup = "Go <a href=\"joint:3\">to joint</a> now";
    const Integer goWidth = Canvas.TextWidth("Go ");
    Params.HitTestPass = true;
    Params.PointY = Gh / 2;
    Params.PointX = goWidth + 3;
    EXPECT_TRUE(Render(markup));
    EXPECT_EQ(Result.LinkHref, String("joint:3"));
    EXPECT_EQ(Result.HitLink, 1);
    EXPECT_TRUE(Device.Texts.empty());   // hit testing draws nothing
    Params.PointX = 2;
    EXPECT_FALSE(Render(markup));
    Params.PointX = goWidth + 3;
    Params.PointY = 0;   // the top row of the band does not count
    EXPECT_FALSE(Render(markup));
}

TEST_F(MiniHTML, AnchorsAreBlueAndUnderlinedOnlyWhenHotUnlessSelected)
{
    Render("<a href=\"x\">link</a>");
    EXPECT_EQ(Text("link").Color, TColor(0xFF0000));
    EXPECT_FALSE(Text("link").Style.Contains(TFontStyle::fsUnderline));   // no anchor is hot
    Device.Texts.clear();
    Params.HotLinkOnly = false;
    Render("<a href=\"x\">link</a>");
    EXPECT_TRUE(Text("link").Style.Contains(TFontStyle::fsUnderline));
    Device.Texts.clear();
    Params.IsSelected = true;
    Canvas.Font().SetColor(clWhite);
    Render("<a href=\"x\">link</a>");
    EXPECT_EQ(Text("link").Color, clWhite);
}

// The anchor numbered FocusedLink (from 0) gets a dotted focus rectangle one pixel wider than its
// text on either side; an anchor that goes on to the next line gets one rectangle per line.
TEST_F(MiniHTML, TheFocusedAnchorIsFramedLineByLine)
{
    struct Case {
        const char* markup;
        Integer focused, width;
        size_t frames;
        const char* framedText;   // the text whose left the first frame starts 1 pixel before
    } cases[] = {{"<a href=\"a\">link</a> and <a href=\"b\">other</a>", 1, 300, 1, "other"},
                 {"<a href=\"a\">link</a> and <a href=\"b\">other</a>", 0, 300, 1, "link"},
                 {"<a href=\"a\">link</a> and <a href=\"b\">other</a>", -1, 300, 0, nullptr},
                 {"<a href=\"a\">link</a> and <a href=\"b\">other</a>", 2, 300, 0, nullptr},
                 {"<a href=\"a\">one two three</a>", 0, 40, 3, "one "}};
    for (const Case& c : cases) {
        Device.Texts.clear();
        Device.Shapes.clear();
        Params.FocusedLink = c.focused;
        Render(c.markup, TRect{0, 0, c.width, 200});
        std::vector<TRect> frames;
        for (const TCanvasOp& op : Device.Shapes) {
            if (op.Kind != TCanvasOp::opPolygon) continue;
            TRect box{op.Points[0].X, op.Points[0].Y, op.Points[0].X, op.Points[0].Y};
            for (TPoint p : op.Points) box = TRect{std::min(box.Left, p.X), std::min(box.Top, p.Y),
                                                   std::max(box.Right, p.X), std::max(box.Bottom, p.Y)};
            frames.push_back(box);
        }
        ASSERT_EQ(frames.size(), c.frames) << c.markup << " " << c.focused;
        if (!c.framedText) continue;
        const auto& text = Text(c.framedText);
        EXPECT_EQ(frames[0].Left, text.At.X - 1) << c.markup << " " << c.focused;
        EXPECT_GE(frames[0].Right, text.At.X + Canvas.TextWidth(Trim(String(c.framedText))) - 1) << c.markup;
        for (size_t k = 1; k < frames.size(); ++k) EXPECT_GT(frames[k].Top, frames[k - 1].Top) << c.markup;
    }
}

TEST_F(MiniHTML, HighlightAndMarkTags)
{
    Render("a <hi>b</hi> <e>c</e>");
    EXPECT_EQ(Text("b").Color, clHighlightText);
    bool red = false;
    for (const TCanvasOp& op : Device.Shapes) red = red || (op.Kind == TCanvasOp::opLine || op.Kind == TCanvasOp::opPolyline);
    EXPECT_TRUE(red);   // the wavy underline
}

TEST_F(MiniHTML, MeasuringAddsExtraLineSpaceAndLineHeightFactors)
{
    Params.MeasureOnly = true;
    Params.ExtraLineSpace = 3;
    Render("a<BR>b");
    EXPECT_EQ(Result.TotalHeight, 2 * (Gh + 3));
    Params.ExtraLineSpace = 0;
    Render("<P LINE-HEIGHT=\"2\">a</P>");
    EXPECT_EQ(Result.TotalHeight, 2 * Gh);
}

TEST_F(MiniHTML, WrappingBreaksAtBlanksAndAWideWordStandsAlone)
{
    Params.MeasureOnly = true;
    // An area a little wider than "gamma": each word takes a line of its own.
    const Integer w = Canvas.TextWidth("gamma") + 4;
    Render("alpha beta gamma", TRect{0, 0, w, 100});
    EXPECT_EQ(Result.TotalHeight, 3 * Gh);
    Render("verywideword alpha", TRect{0, 0, w, 100});
    EXPECT_EQ(Result.TotalHeight, 2 * Gh);   // the wide word stands alone and overflows
    Params.Wrap = false;
    Render("alpha beta gamma", TRect{0, 0, w, 100});
    EXPECT_EQ(Result.TotalHeight, Gh);
}

// One sample of each tag family that the tests above leave out, laid out on the recording device.
TEST_F(MiniHTML, EachTagFamilyLaysOutAsItSays)
{
    // A rule: a red line across the whole area one pixel under its line, the text after it below.
    Render("a<HR COLOR=\"#FF0000\">b");
    ASSERT_EQ(Device.Shapes.size(), 1u);
    EXPECT_EQ(Device.Shapes[0].Kind, TCanvasOp::opLine);
    EXPECT_EQ(Device.Shapes[0].Points[0].X, 0);
    EXPECT_EQ(Device.Shapes[0].Points[1].X, 300);
    EXPECT_EQ(Device.Shapes[0].Points[0].Y, Device.Shapes[0].Points[1].Y);
    EXPECT_EQ(Device.ShapePens[0], TColor(0x0000FF));
    EXPECT_GT(Text("b").Box.Top, Text("a").Box.Top);
    // Subscript lower, superscript higher than the line's text.
    Device.Texts.clear();
    Render("x<SUB>2</SUB> y<SUP>3</SUP>");
    EXPECT_GT(Text("2").Box.Bottom, Text("x").Box.Bottom);
    EXPECT_LT(Text("3").Box.Bottom, Text("y").Box.Bottom);
    // A shadow: the text once more in the tint, one pixel down and right, drawn first.
    Device.Texts.clear();
    Render("<SHAD>s</SHAD>");
    ASSERT_EQ(Device.Texts.size(), 2u);
    EXPECT_EQ(Device.Texts[0].Color, TColor(0x808080));
    EXPECT_EQ(Device.Texts[0].Box.Left, Device.Texts[1].Box.Left + 1);
    // A tab and an offset move the text to the given x.
    Device.Texts.clear();
    Render("a<IND x=\"60\">b");
    EXPECT_EQ(Text("b").Box.Left, 60);
    Device.Texts.clear();
    Render("<OFS x=\"40\">c");
    EXPECT_EQ(Text("c").Box.Left, 40);
    // A paragraph aligned right ends at the area's right edge; one with a background fills its line.
    Device.Texts.clear();
    Device.Shapes.clear();
    Render("<P ALIGN=\"RIGHT\">r</P>");
    EXPECT_EQ(Text("r").Box.Left, 300 - Canvas.TextWidth("r"));
    Device.Shapes.clear();
    Render("<P BGCOLOR=\"#00FF00\">g</P>");
    ASSERT_FALSE(Device.Shapes.empty());
    EXPECT_EQ(Device.Shapes[0].Rect.Left, 0);
    EXPECT_EQ(Device.Shapes[0].Rect.Right, 300);
    // A span's background and a font's BGCOLOR under the text; hidden text is not drawn at all.
    Device.Texts.clear();
    Render("<SPAN style=\"background-color:#00FF00\">s</SPAN><FONT bgcolor=\"#FF0000\">f</FONT><Z>z</Z>!");
    EXPECT_EQ(Text("s").Brush, TColor(0x00FF00));
    EXPECT_EQ(Text("f").Brush, TColor(0x0000FF));
    for (const auto& t : Device.Texts) EXPECT_NE(t.Text, String("z"));
    EXPECT_EQ(Text("!").Box.Left, Text("f").Box.Left + Canvas.TextWidth("f"));
    // The page background fills the whole area from two pixels left of it.
    Device.Shapes.clear();
    Render("<BODY BGCOLOR=\"#0000FF\">t", TRect{10, 10, 110, 60});
    ASSERT_FALSE(Device.Shapes.empty());
    EXPECT_EQ(Device.Shapes[0].Rect, (TRect{8, 10, 110, 60}));
    // An image of the image list: 16 x 16 on a line higher than it, drawn at the line's bottom
    // and taking its width and 2 pixels.
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    for (int k = 0; k < 3; ++k) {
        TBitmap picture;
        picture.SetSize(16, 16);
        images.Add(&picture, nullptr);
    }
    Params.ImageList = &images;
    Canvas.Font().SetHeight(-20);
    const Integer t = Canvas.TextHeight("gh");
    Device.Texts.clear();
    Device.Shapes.clear();
    Render("<IMG SRC=\"IDX:2\">x");
    EXPECT_EQ(Text("x").Box.Left, 18);
    Integer top = 1000, left = 1000;
    for (const TCanvasOp& op : Device.Shapes)
        if (op.Kind == TCanvasOp::opPixel) {
            top = std::min(top, op.Points[0].Y);
            left = std::min(left, op.Points[0].X);
        }
    EXPECT_EQ(top, t - 16);   // the image sits on the line's bottom
    EXPECT_EQ(left, 0);
}

// Page backgrounds on a 60 x 40 white bitmap with the area (10, 10)-(33, 27): a 6 x 6 red picture
// from the program's resources tiles the area and nothing outside it; a 4 x 4 green image of the
// image list is drawn once at the line's start, or at the right for BGTOPRIGHT, and for the
// printer stretched by its scale.
TEST(MiniHTMLPage, BackgroundPicturesTileTheAreaAndImagesStandOnce)
{
    TestInitialize();
    TPngImage red;
    red.Image().SetSize(6, 6);
    red.Image().Canvas().FillRectColor(TRect{0, 0, 6, 6}, clRed);
    TMemoryStream bytes;
    red.SaveToStream(bytes);
    RegisterResource("MINIHTML_RED_TILE", RT_RCDATA, std::span<const Byte>(bytes.Memory(), static_cast<size_t>(bytes.Size())));
    TImageList images(nullptr);
    images.SetWidth(4);
    images.SetHeight(4);
    TBitmap green;
    green.SetSize(4, 4);
    green.Canvas().FillRectColor(TRect{0, 0, 4, 4}, clLime);
    images.Add(&green, nullptr);
    struct Case {
        const char* markup;
        TColor color;
        TRect covered;   // where the colour is, exactly
        bool printer;
    } cases[] = {{"<BODY BACKGROUND=\"RES://MINIHTML_RED_TILE\">", clRed, {10, 10, 33, 27}, false},
                 {"<BODY BGTOPLEFT=\"IDX:0\">", clLime, {10, 10, 14, 14}, false},
                 {"<BODY BGTOPRIGHT=\"IDX:0\">", clLime, {29, 10, 33, 14}, false},
                 {"<BODY BACKGROUND=\"IDX:0\">", clLime, {10, 10, 18, 18}, true}};
    for (const Case& c : cases) {
        TBitmap page;
        page.SetSize(60, 40);
        page.Canvas().FillRectColor(TRect{0, 0, 60, 40}, clWhite);
        THTMLPictureCache cache;
        THTMLRenderParams params;
        params.PictureCache = &cache;
        params.ImageList = &images;
        params.PrinterOutput = c.printer;
        params.PrinterScale = 2.0;
        THTMLRenderResult result;
        RenderMiniHTML(page.Canvas(), c.markup, TRect{10, 10, 33, 27}, params, result);
        Integer wrong = 0;
        for (Integer y = 0; y < 40; ++y)
            for (Integer x = 0; x < 60; ++x)
                wrong += (page.Canvas().Pixel(x, y) == c.color) != c.covered.Contains({x, y});
        EXPECT_EQ(wrong, 0) << c.markup << " " << c.printer;
    }
}

// A shell icon at the top right stands off the area's right edge by the image list's image
// width, as an image of the list would; without an image list, by its own width (16).
TEST(MiniHTMLPage, ShellIconAtTheTopRightStandsOffByTheImageListsWidth)
{
    TestInitialize();
    struct TLimeIcons : TShellIconProvider {
        bool Icon(const String&, bool large, TBitmap& into) override
        {
            into.SetSize(ShellIconSize(large), ShellIconSize(large));
            into.Canvas().FillRectColor(TRect{0, 0, into.Width(), into.Height()}, clLime);
            TPixelBuffer pixels;
            into.GetPixels(pixels);
            for (Integer y = 0; y < pixels.Height; ++y)
                for (Integer x = 0; x < pixels.Width; ++x) pixels.Row(y)[x] |= 0xFF000000u;
            return true;
        }
    } icons;
    RegisterShellIconProvider(&icons);
    TImageList images(nullptr);
    images.SetWidth(4);
    images.SetHeight(4);
    struct Case {
        TImageList* list;
        TRect covered;
    } cases[] = {{nullptr, {44, 10, 60, 26}}, {&images, {56, 10, 72, 26}}};
    for (const Case& c : cases) {
        TBitmap page;
        page.SetSize(100, 40);
        page.Canvas().FillRectColor(TRect{0, 0, 100, 40}, clWhite);
        THTMLPictureCache cache;
        THTMLRenderParams params;
        params.PictureCache = &cache;
        params.ImageList = c.list;
        THTMLRenderResult result;
        RenderMiniHTML(page.Canvas(), "<BODY BGTOPRIGHT=\"SSYS:notes.txt\">", TRect{10, 10, 60, 35}, params, result);
        Integer wrong = 0;
        for (Integer y = 0; y < 40; ++y)
            for (Integer x = 0; x < 100; ++x) wrong += (page.Canvas().Pixel(x, y) == clLime) != c.covered.Contains({x, y});
        EXPECT_EQ(wrong, 0) << (c.list ? "image list" : "no image list");
    }
    RegisterShellIconProvider(nullptr);
}

// A GIF of 2 x 2 pixels with `frames` frames; frame i sits at left i + 4, top i + 6 (i from 0).
std::vector<Byte> Gif(int frames)
{
    std::vector<Byte> b = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < frames; ++i) {
        const std::vector<Byte> frame = {0x21, 0xF9, 0x04, 0x00, 10, 0, 0x00, 0x00, 0x2C, static_cast<Byte>(i + 4), 0,
                                         static_cast<Byte>(i + 6), 0, 2, 0, 2, 0, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00};
        b.insert(b.end(), frame.begin(), frame.end());
    }
    b.push_back(0x3B);
    return b;
}

// An animated picture is laid out at its full size and drawn over a fill of the entry brush;
// a still one is drawn without.
TEST_F(MiniHTML, AnimatedPicturesShowTheirFrameOverTheBackground)
{
    TPictureContainer container(nullptr);
    for (int frames : {1, 3}) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(frames == 1 ? "still" : "anim");
        const std::vector<Byte> bytes = Gif(frames);
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        stream.SetPosition(0);
        static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(stream);
    }
    Params.Pictures = &container;
    Canvas.Brush().SetColor(clYellow);
    struct Case {
        const char* markup;
        bool filled;
    } cases[] = {{"<IMG SRC=\"anim\">x", true}, {"<IMG SRC=\"still\">x", false}};
    for (const Case& c : cases) {
        Device.Shapes.clear();
        Device.ShapePens.clear();
        Render(c.markup);
        Integer fills = 0;
        for (size_t k = 0; k < Device.Shapes.size(); ++k)
            fills += Device.Shapes[k].Kind == TCanvasOp::opRectangle && Device.ShapePens[k] == clYellow;
        EXPECT_EQ(fills, c.filled ? 1 : 0) << c.markup;
    }
}

}  // namespace
