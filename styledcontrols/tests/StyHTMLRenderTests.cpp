// The hints' HTML renderer: parsing, entities, layout, drawing through a recording device, exports.
#include <gtest/gtest.h>

#include "platform/graphics/PaintDevice.h"
#include "styledcontrols/StyHTMLUnit.h"

namespace {

// Keeps every text drawn with its position, font and colour.
class TRecordingDevice : public TPaintDevice {
public:
    struct TText {
        String Text;
        TPoint At;
        TFontStyles Style;
        TColor Color;
        Integer Height;
    };
    std::vector<TText> Texts;
    std::vector<TCanvasOp> Shapes;
    void Execute(TCanvas& canvas, const TCanvasOp& op) override
    {
        if (op.Kind == TCanvasOp::opText)
            Texts.push_back({op.Text, op.Points.empty() ? TPoint{} : op.Points[0], canvas.Font().Style(),
                             canvas.Font().Color(), canvas.Font().Height()});
        else
            Shapes.push_back(op);
    }
    TSize DeviceSize() const override { return {400, 300}; }
};

class StyHTMLRender : public ::testing::Test {
protected:
    // Parses without wrapping and answers the texts of the text items, separated by '|'.
    String Runs(const String& markup)
    {
        Render.PrepareText(markup, 1000, false);
        String s;
        for (TStyHTMLItem* item : Render.Data()->Items())
            if (item->ItemType() == hitChar || item->ItemType() == hitVar) s += (s.IsEmpty() ? "" : "|") + item->Text();
        return s;
    }
    TStyHTMLItem* FirstText()
    {
        for (TStyHTMLItem* item : Render.Data()->Items())
            if (item->ItemType() == hitChar) return item;
        return nullptr;
    }
    // Height of the default font's line, measured independently of the renderer.
    Integer LineHeight(Integer height = -11)
    {
        TBitmap b(1, 1);
        b.Canvas().Font().SetName("MS Sans Serif");
        b.Canvas().Font().SetHeight(height);
        return b.Canvas().GetTextMetrics().tmHeight;
    }
    TStyHTMLRender Render;
};

}  // namespace

TEST_F(StyHTMLRender, TheEntityTableHas103EntriesInOrder)
{
    const auto& t = TStyHTMLRender::Entities();
    ASSERT_EQ(t.size(), 103u);
    EXPECT_STREQ(t[0].first, "nbsp");
    EXPECT_STREQ(t[5].first, "iexcl");
    EXPECT_EQ(t[5].second, 161);
    EXPECT_STREQ(t[99].first, "yuml");
    EXPECT_EQ(t[99].second, 255);
    EXPECT_EQ(t[100].second, 8482);
    EXPECT_EQ(t[101].second, 8364);
    EXPECT_EQ(t[102].second, 9);
}

TEST_F(StyHTMLRender, TextSpacesLineEndsAndEntities)
{
    struct TCase {
        const char* markup;
        const char16_t* runs;
    } cases[] = {
        {"a  b", u"a b"},
        {"a&nbsp;&nbsp;b", u"a  b"},
        {"x\r\ny", u"xy"},
        {"x\ny", u"x\ny"},
        {"&amp;&AMP;", u"&&"},
        {"a&unknown;b", u"ab"},
        {"&#65;", u"A"},
        {"& b", u"& b"},
        {"&Agrave;", u"\u00E0"},
        {"a<!-- <b>bold</b> -->b", u"ab"},
        {"a<br/>b", u"ab"},
        {"a<zz>b", u"ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(Runs(c.markup), String(c.runs)) << c.markup;
}

TEST_F(StyHTMLRender, FontSizesAndColours)
{
    struct TCase {
        const char* markup;
        Integer height;
        TColor color;
    } cases[] = {
        {"<font size=2>x", -21, clWindowText},
        {"<font size=12>x", 12, clWindowText},
        {"<font size=3px>x", 3, clWindowText},
        {"<font size=+2>x", -14, clWindowText},
        {"<font color=#FF0000>x", 11 * -1, clRed},
        {"<font color=blue>x", -11, clBlue},
        {"<font color=clGreen>x", -11, clGreen},
        {"<font color=nothing>x", -11, clWindowText},
        {"<font color=#zzzzzz>x", -11, clWindowText},
    };
    for (const auto& c : cases) {
        Runs(c.markup);
        ASSERT_NE(FirstText(), nullptr) << c.markup;
        EXPECT_EQ(FirstText()->FontHeight, c.height) << c.markup;
        EXPECT_EQ(FirstText()->FontColor, c.color) << c.markup;
    }
    Runs("<font bgcolor=#xyz>x");
    EXPECT_EQ(FirstText()->FontBgColor, clNone);
}

TEST_F(StyHTMLRender, StyleTagsKeepTheDocumentDefault)
{
    Render.Data()->FDefaultStyle = TFontStyles{TFontStyle::fsBold};
    Runs("<b>a</b>b");
    const auto& items = Render.Data()->Items();
    EXPECT_TRUE(items.back()->FontStyle.Contains(TFontStyle::fsBold));
    Render.Data()->FDefaultStyle = {};
    Runs("<i>a</i>b");
    EXPECT_FALSE(Render.Data()->Items().back()->FontStyle.Contains(TFontStyle::fsItalic));
}

TEST_F(StyHTMLRender, AVariableTakesItsValueAndASpaceFollows)
{
    struct TAnswer : TObject {
        void Need(TObject*, const String& name, String& value) { value = name == "user" ? "Ann" : ""; }
    } answer;
    Render.OnVariableNeeded = TStyHTMLVariableNeededEvent(&answer, &TAnswer::Need);
    EXPECT_EQ(Runs("<~~user>x"), String("Ann| x"));
    EXPECT_EQ(TStyHTMLRender::GenerateHTML(*Render.Data()), String("<html><~~Ann> x</html>"));
}

TEST_F(StyHTMLRender, AWordLongerThanTheLineBreaksBeforeTheOverflowingCharacter)
{
    TBitmap b(1, 1);
    b.Canvas().Font().SetName("MS Sans Serif");
    b.Canvas().Font().SetHeight(-11);
    Integer w = b.Canvas().TextWidth("abcd") + 1;
    Render.PrepareText("abcdefgh", w, true);
    EXPECT_EQ(Render.AsText(), String("abcdefgh"));
    std::vector<String> lines;
    for (TStyHTMLItem* item : Render.Data()->Items())
        if (item->ItemType() == hitChar) lines.push_back(item->Text());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], String("abcd"));
    Render.PrepareText("one two three", b.Canvas().TextWidth("one two ") + 2, true);
    ASSERT_GE(Render.Data()->Items().size(), 4u);
    EXPECT_EQ(Render.Data()->Items()[1]->Text(), String("one two "));
    EXPECT_EQ(Render.Data()->Items()[2]->ItemType(), hitSoftBreak);
}

// A hundred nested lists indent the text far past the line's width: each character then stands
// on a line of its own.
TEST_F(StyHTMLRender, TextIndentedPastTheLineWrapsOneCharacterALine)
{
    String markup;
    for (int i = 0; i < 100; ++i) markup += "<ul><li>";
    Render.PrepareText(markup + "deep text", 200, true);
    std::vector<String> lines;
    for (TStyHTMLItem* item : Render.Data()->Items())
        if (item->ItemType() == hitChar && !item->Text().IsEmpty()) lines.push_back(item->Text());
    EXPECT_EQ(lines, (std::vector<String>{"d", "e", "e", "p", " ", "t", "e", "x", "t"}));
}

TEST_F(StyHTMLRender, LayoutAddsTheLinesAndKeepsTheLineSpacing)
{
    Render.PrepareText("a<br>b", 1000, false);
    EXPECT_EQ(Render.Data()->TextSize().cy, 2 * LineHeight());
    EXPECT_EQ(Render.Data()->LineCount(), 2);
    Render.Data()->SetLineSpacing(30);
    Render.PrepareText("a<br><br>b", 1000, false);
    // A line that starts at a break is at least as high as the spacing; the first line starts a paragraph.
    EXPECT_EQ(Render.Data()->TextSize().cy, LineHeight() + 30 + std::max(30, LineHeight()));
    Render.Data()->SetLineSpacing(0);
    Render.PrepareText("a<sup>b</sup>", 1000, false);
    Integer h = LineHeight(-9);
    EXPECT_EQ(Render.Data()->TextSize().cy, std::max(LineHeight(), h + 2 * h / 3));
}

TEST_F(StyHTMLRender, DrawsOnTheBaselineWithTheirOwnColoursAndAlignment)
{
    TRecordingDevice device;
    TCanvas canvas(&device);
    Render.SetDoubleBuffered(false);
    Render.PrepareText("<p align=center>mid</p>plain <font color=red>red</font> <a href=\"x\">link</a>", 1000, false);
    Render.DrawTextEx(canvas, {0, 0}, {10, 20, 210, 120}, true, clGreen, clNone, 0, 0, clNone);
    ASSERT_GE(device.Texts.size(), 4u);
    const auto& items = Render.Data()->Items();
    Integer lineWidth = items[0]->FWidth;
    EXPECT_EQ(device.Texts[0].Text, String("mid"));
    EXPECT_EQ(device.Texts[0].At.X, 10 + (201 - lineWidth - 1) / 2);
    TBitmap b(1, 1);
    b.Canvas().Font().SetName("MS Sans Serif");
    b.Canvas().Font().SetHeight(-11);
    TTextMetric tm = b.Canvas().GetTextMetrics();
    EXPECT_EQ(device.Texts[0].At.Y, 20 + tm.tmHeight - tm.tmDescent);
    auto find = [&](const char* t) {
        for (const auto& r : device.Texts)
            if (r.Text == String(t)) return r;
        ADD_FAILURE() << t;
        return TRecordingDevice::TText{};
    };
    EXPECT_EQ(find("plain ").Color, clGreen) << "plain text takes the caller's colour";
    EXPECT_EQ(find("red").Color, clRed) << "a font colour wins over the caller's";
    EXPECT_EQ(find("plain ").At.Y, 20 + 2 * tm.tmHeight - tm.tmDescent);
    EXPECT_TRUE(find("link").Style.Contains(TFontStyle::fsUnderline));
    String href;
    TPoint linkAt{find("link").At.X - 10 + 2, tm.tmHeight + 3};
    EXPECT_TRUE(Render.IsCursorOverLink(linkAt, {0, 0}, {10, 20, 210, 120}, href));
    EXPECT_EQ(href, String("x"));
}

TEST_F(StyHTMLRender, ExportsTextAndMarkup)
{
    Render.PrepareText("<ul><li>one<li>two</ul>", 1000, false);
    EXPECT_EQ(Render.AsText(), String("- one- two\r\n"));
    Render.PrepareText("<b>bold</b><br><input type=checkbox name=Box checked=true>", 1000, false);
    EXPECT_EQ(TStyHTMLRender::GenerateHTML(*Render.Data()),
              String("<html>bold<br>\r\n<input type=\"checkbox\" name=\"box\" checked=\"True\" >\r\n</html>"));
    Render.PrepareText("p<p>q", 1000, false);
    EXPECT_EQ(Render.AsText(), String("p\r\n\r\nq"));
}

TEST_F(StyHTMLRender, RadioButtonsAndCheckBoxes)
{
    Render.PrepareText("<input type=radio name=g><input type=radio name=g><input type=checkbox>", 1000, false);
    TStyHTMLInputItem* first = Render.FindInputItemByName("g", nullptr);
    TStyHTMLInputItem* second = Render.FindInputItemByName("g", first);
    ASSERT_TRUE(first && second);
    first->Click();
    EXPECT_TRUE(first->Checked());
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked()) << "one group holds one checked button";
    second->Click();
    EXPECT_FALSE(second->Checked()) << "clicking a checked radio button unchecks it";
    second->SetChecked(true);
    Word space = VK_SPACE;
    Render.Data()->SetSelectedItem(second);
    Render.KeyDownTransfer(space, {});
    EXPECT_TRUE(second->Checked()) << "Space leaves a radio button checked";
    Word tab = VK_TAB;
    Render.KeyDownTransfer(tab, {});
    EXPECT_EQ(Render.Data()->SelectedItem()->ItemType(), hitInput);
    EXPECT_EQ(static_cast<TStyHTMLInputItem*>(Render.Data()->SelectedItem())->InputType(), itCheckBox);
}

TEST_F(StyHTMLRender, DocumentsOfTheirOwnComeAndGoWithoutLeavingTheRenderWithout)
{
    TStyHTMLData* own = Render.Data();
    TStyHTMLData* doc = Render.CreateData();
    EXPECT_EQ(doc->Render(), &Render);
    Render.SetData(doc);
    EXPECT_EQ(Runs("<b>crest</b>"), "crest");
    EXPECT_GT(doc->ItemCount(), 0);
    EXPECT_EQ(own->ItemCount(), 0);   // the text went into the current document only
    Render.DestroyData(doc);   // the current one: the render's own takes its place
    EXPECT_EQ(Render.Data(), own);
    EXPECT_EQ(Runs("toe"), "toe");
    Render.DestroyData(own);   // never freed
    Render.DestroyData(nullptr);
    EXPECT_EQ(Runs("heel"), "heel");
}
