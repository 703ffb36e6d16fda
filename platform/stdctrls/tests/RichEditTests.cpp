// The rich edit: RTF of the usual subset read into characters and formats, written back and read
// again equal, and a range laid out on a recording canvas as EM_FORMATRANGE does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/PaintDevice.h"
#include "platform/rtl/RtlMath.h"
#include "platform/stdctrls/RichEdit.h"
#include "platform/testing/Driver.h"

namespace {

// A 96 dots-per-inch device that keeps each text drawn with its place, face, styles and colour.
class TRecordingDevice : public TPaintDevice {
public:
    struct TText {
        String Text;
        TPoint At;
        String Font;
        TFontStyles Style;
        TColor Color;
    };
    std::vector<TText> Texts;
    Integer Fills = 0;
    void Execute(TCanvas& canvas, const TCanvasOp& op) override
    {
        if (op.Kind == TCanvasOp::opText)
            Texts.push_back({op.Text, op.Points.empty() ? TPoint{} : op.Points[0], canvas.Font().Name(),
                             canvas.Font().Style(), canvas.Font().Color()});
        else
            ++Fills;
    }
    TSize DeviceSize() const override { return {400, 300}; }
};

void Load(TRichEdit& rich, const std::string& rtf)
{
    TMemoryStream stream;
    stream.WriteBuffer(rtf.data(), static_cast<Integer>(rtf.size()));
    stream.SetPosition(0);
    rich.LoadFromStream(stream);
}

std::string Save(const TRichEdit& rich)
{
    TMemoryStream stream;
    rich.SaveToStream(stream);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

// Groups, both tables, styles on and off, sizes, colours, paragraphs, tabs, \'xx and \u with its
// stand-in, escapes, and destinations that are skipped.
const std::string Sample =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
    "{\\*\\generator Riched20 10.0;}{\\info{\\title Secret}}\\viewkind4\\uc1\\pard"
    "\\f0\\fs20 Dam {\\b bold}\\b0  {\\i\\cf1 red italic} \\ul under\\ulnone\\tab\\f1\\fs28\\cf2 big\\par\r\n"
    "Caf\\'e9 \\u8364? \\u937? \\{x\\}\\par\r\n}";

TEST(RichEdit, ReadsTheUsualSubsetOfRtf)
{
    TestInitialize();
    TRichEdit rich(nullptr);
    Load(rich, Sample);
    EXPECT_EQ(String(rich.RichText()), String(u"Dam bold red italic under\tbig\rCaf\u00E9 \u20AC \u03A9 {x}\r"));
    EXPECT_EQ(rich.Text(), String(u"Dam bold red italic under\tbig\r\nCaf\u00E9 \u20AC \u03A9 {x}\r\n"));
    struct Case {
        Integer index;   // a character of the sample
        const char* face;
        Integer halfPoints;
        TFontStyles style;
        TColor color;
    } cases[] = {
        {0, "Arial", 20, {}, clWindowText},                       // D
        {4, "Arial", 20, {TFontStyle::fsBold}, clWindowText},     // b of bold
        {9, "Arial", 20, {TFontStyle::fsItalic}, 0x0000FF},       // r of red
        {20, "Arial", 20, {TFontStyle::fsUnderline}, clWindowText},   // u of under
        {26, "Courier New", 28, {}, 0x800000},                   // b of big
        {30, "Courier New", 28, {}, 0x800000},                   // C of Café: the format goes on
    };
    for (const Case& c : cases) {
        const TRichFormat f = rich.CharFormat(c.index);
        EXPECT_EQ(f.Name, String(c.face)) << c.index;
        EXPECT_EQ(f.HalfPoints, c.halfPoints) << c.index;
        EXPECT_EQ(f.Style, c.style) << c.index;
        EXPECT_EQ(f.Color, c.color) << c.index;
    }
    // A text that is not RTF is taken as it is.
    Load(rich, "plain\r\ntext");
    EXPECT_EQ(String(rich.RichText()), String("plain\rtext"));
}

TEST(RichEdit, WritesRtfThatReadsBackEqual)
{
    TestInitialize();
    TRichEdit rich(nullptr), copy(nullptr);
    Load(rich, Sample);
    rich.SetCharColor(0, 3, 0x00A000);
    const std::string written = Save(rich);
    EXPECT_EQ(written.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(written.find("Caf\\'e9 \\'80 \\u937?"), std::string::npos);
    EXPECT_NE(written.find("\\{x\\}"), std::string::npos);
    Load(copy, written);
    ASSERT_EQ(copy.RichText(), rich.RichText());
    for (Integer k = 0; k < static_cast<Integer>(rich.RichText().size()); ++k)
        EXPECT_TRUE(copy.CharFormat(k) == rich.CharFormat(k)) << k;
    EXPECT_EQ(copy.CharFormat(0).Color, TColor(0x00A000));
    EXPECT_EQ(Save(copy), written);
}

TEST(RichEdit, FormatRangeLaysTheCharactersOutInTheRectangle)
{
    TestInitialize();
    TRichEdit rich(nullptr);
    Load(rich, "{\\rtf1{\\fonttbl{\\f0 Tahoma;}}{\\colortbl ;\\red255\\green0\\blue0;}\\f0\\fs16 one {\\b two}\\par "
               "three\\tab four\\par five}");
    TRecordingDevice device;
    TCanvas canvas(&device);
    // (10, 20)-(210, 50) in pixels at 96 dots per inch is (150, 300)-(3150, 750) in twips.
    const TRect twips{150, 300, 3150, 750};
    EXPECT_EQ(rich.FormatRange(canvas, twips, 0, -1, false), 19);   // measuring: two lines fit in 30 pixels
    EXPECT_TRUE(device.Texts.empty());
    const Integer fitted = rich.FormatRange(canvas, twips, 0, -1, true);
    canvas.Font().SetName("Tahoma");
    canvas.Font().SetHeight(-MulDiv(16, 96, 144));
    const Integer line = canvas.TextHeight("gh");
    ASSERT_GE(device.Texts.size(), 3u);
    EXPECT_EQ(device.Texts[0].Text, String("one"));
    EXPECT_EQ(device.Texts[0].At, (TPoint{10, 20}));
    EXPECT_EQ(device.Texts[2].Text, String("two"));
    EXPECT_TRUE(device.Texts[2].Style.Contains(TFontStyle::fsBold));
    EXPECT_EQ(device.Texts[3].Text, String("three"));
    EXPECT_EQ(device.Texts[3].At, (TPoint{10, 20 + line}));
    EXPECT_EQ(device.Texts.back().Text, String("four"));
    EXPECT_EQ(device.Texts.back().At, (TPoint{10 + 48, 20 + line}));   // the tab stop half an inch on
    EXPECT_EQ(fitted, 19);   // "five" is below the rectangle
    EXPECT_EQ(device.Fills, 1);   // the background
    // From a given character, and in a narrow rectangle words wrap.
    device.Texts.clear();
    rich.SetCharColor(0, 255, clWhite);
    rich.FormatRange(canvas, TRect{0, 0, 300, 1440}, 4, -1, true);
    EXPECT_EQ(device.Texts[0].Text, String("two"));
    EXPECT_EQ(device.Texts[0].Color, clWhite);
    EXPECT_EQ(device.Texts[1].Text, String("three"));
    EXPECT_EQ(device.Texts[1].At.X, 0);
    EXPECT_GT(device.Texts[1].At.Y, device.Texts[0].At.Y);
}

}  // namespace
