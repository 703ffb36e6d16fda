// The mini-HTML engine through a recording back end whose texts are 6 units a character wide and
// as high as their font in pixels (the drawing object measures one more): entities, the layout of each tag family, anchors and their hit
// tests, word wrapping and highlighting.
#include <gtest/gtest.h>

#include <algorithm>

#include "GraphicsRecorder.h"
#include "graphics/GxGraphicsHTMLEngine.h"
#include "graphics/PictureContainer.h"
#include "platform/stdctrls/ImgList.h"

namespace {

using Calls = std::vector<std::string>;

struct TRecordedHTML {
    TGxGraphics Graphics{nullptr, MakeGraphicsRecorder};
    TGxHTMLResult Result;
    bool OnAnchor = false;
    TGraphicsRecorder& Recorder() { return *static_cast<TGraphicsRecorder*>(Graphics.Context()); }

    Calls Draw(const String& text, const TRectF& rect = {0, 0, 500, 200}, const TGxHTMLOptions& options = {})
    {
        Recorder().LogFonts = true;
        Recorder().Calls.clear();
        OnAnchor = DrawGraphicsHTML(Graphics, text, rect, options, Result);
        return Recorder().Calls;
    }
};

}  // namespace

TEST(GxGraphicsHTMLEngine, NumericEntitiesAndLineBreaksArePrepared)
{
    struct Case {
        const char16_t* text;
        const char16_t* prepared;
    } cases[] = {
        {u"A&#66;C", u"ABC"},
        {u"&#x41;", u"A"},
        {u"&#x3A9; &#937;", u"\u03A9 \u03A9"},    // the whole hexadecimal value
        {u"&#x1D11E;", u"\U0001D11E"},            // a character beyond 16 bits whole
        {u"&#x1F30A;", u"<J \uF30A >"},           // pictographs are consumed unseen
        {u"a &# b", u"a &# b"},                   // no ";" after it: text
        {u"&#ab;x&#66;", u"&#ab;xB"},             // letters are no number; the rest is still read
        {u"one\r\ntwo", u"one<BR>two"},
        {u"<#tag>x", u"#tagx"},
    };
    for (const Case& c : cases) EXPECT_EQ(PrepareGraphicsHTML(c.text), String(c.prepared)) << String(c.text);
}

TEST(GxGraphicsHTMLEngine, RunsOfOneLineAreLaidOutLeftToRightWithTheirStyles)
{
    TRecordedHTML r;
    r.Graphics.Font()->SetColor(0);
    EXPECT_EQ(r.Draw("<B>Dam</B> <I>crest</I> <U>toe</U> <S>heel</S>"),
              (Calls{"text Dam at 0,0 000000 11px b", "text   at 18,0 000000 11px", "text crest at 24,0 000000 11px i",
                     "text   at 54,0 000000 11px", "text toe at 60,0 000000 11px u", "text   at 78,0 000000 11px",
                     "text heel at 84,0 000000 11px s"}));
    EXPECT_EQ(r.Result.ALineCount, 1);
    EXPECT_EQ(r.Result.AWidth, 108 + 2);
    EXPECT_EQ(r.Result.AHeight, 12 + 3 + 3);   // the tallest run and a quarter of it up and down
    EXPECT_EQ(r.Result.APlainText, String("Dam crest toe heel"));
    EXPECT_EQ(r.Graphics.Font()->Style(), TFontStyles());   // the font is as before
}

TEST(GxGraphicsHTMLEngine, FontsColoursBreaksRulesAndHighlights)
{
    TRecordedHTML r;
    r.Graphics.Font()->SetColor(0);
    TGxHTMLOptions options;
    options.AHighlightColor = 0x00FFFF;
    options.AHighlightTextColor = 0x0000FF;
    EXPECT_EQ(r.Draw("<FONT SIZE=\"3\">a</FONT><FONT STYLE=\"font-size:20pt\">b</FONT><BR>"
                     "<FONT COLOR=\"#FF0000\" BGCOLOR=\"#00FF00\">c</FONT><HR COLOR=\"blue\"><HI>d</HI><Z>e</Z>",
                     {0, 0, 500, 200}, options),
              (Calls{"text a at 0,8 000000 12px", "text b at 6,0 000000 20px",   // size 3 is 12, bottoms aligned
                     "rect 0,31.5-6,43.5 00FF00", "text c at 0,31.5 0000FF 11px",    // the background first
                     "line 0,44.5-500,44.5 FF0000",                                  // one below the line
                     "rect 0,49.5-6,61.5 00FFFF", "text d at 0,49.5 0000FF 11px"}));
    EXPECT_EQ(r.Result.ALineCount, 3);
    EXPECT_EQ(r.Result.APlainText, String("ab\rcde"));   // hidden text is in the plain text only
}

TEST(GxGraphicsHTMLEngine, FontSizesBeyondAnyScreenAreCutToTheLargestFont)
{
    TRecordedHTML r;
    const Calls calls = r.Draw("<FONT SIZE=\"999999\">x</FONT><FONT STYLE=\"font-size:-2147483648pt\">y</FONT>");
    ASSERT_EQ(calls.size(), 2u);
    for (const std::string& call : calls) EXPECT_NE(call.find(" 4096px"), std::string::npos) << call;
}

TEST(GxGraphicsHTMLEngine, ListItemsStandAtTheirLevelWithTheirBullets)
{
    TRecordedHTML r;
    r.Graphics.Font()->SetColor(0);
    EXPECT_EQ(r.Draw("<UL><LI>dam<UL><LI>joint</UL><LI TYPE=\"SQUARE\" COLOR=\"#0000FF\">crest</UL>"),
              (Calls{"text \xE2\x80\xA2 at 0,0 000000 11px", "text dam at 12,0 000000 11px",
                     "text o at 12,18 000000 11px", "text joint at 24,18 000000 11px",   // level 2: "o" at 12
                     "rect 0,38-8,46 FF0000", "text crest at 12,36 000000 11px"}));
}

TEST(GxGraphicsHTMLEngine, AnchorsAreHitTestedAndHoverStylesFollowTheOptions)
{
    TRecordedHTML r;
    r.Graphics.Font()->SetColor(0);
    TGxHTMLOptions options;
    options.AMouseX = 50;
    options.AMouseY = 4;
    options.AFocusAnchor = 0;
    options.AURLColor = 0x800000;
    const String text = "<A href=\"dam\">Dam</A> and <A href=\"crest\">crest</A>";
    r.Draw(text, {0, 0, 500, 200}, options);
    EXPECT_TRUE(r.OnAnchor);
    EXPECT_EQ(r.Result.AAnchor, String("crest"));
    EXPECT_EQ(r.Result.AMouseAnchor, 2);
    EXPECT_EQ(r.Result.AAnchorCount, 2);
    EXPECT_EQ(r.Result.AFocusAnchorText, String("dam"));
    EXPECT_EQ(r.Result.AHoverRect, (TRectF{48, 0, 78, 12}));

    options.AMouseX = 30;   // between the anchors
    options.AHoverOnly = true;
    options.AHoverAnchor = 2;
    EXPECT_EQ(r.Draw(text, {0, 0, 500, 200}, options),
              (Calls{"text Dam at 0,0 800000 11px", "text  and  at 18,0 000000 11px",
                     "text crest at 48,0 800000 11px u"}));   // only the hovered anchor is underlined
    EXPECT_FALSE(r.OnAnchor);
    EXPECT_EQ(r.Result.AMouseAnchor, -1);
}

TEST(GxGraphicsHTMLEngine, WordWrapBreaksAtBlanksAndALongWordOverflows)
{
    TRecordedHTML r;
    r.Graphics.Font()->SetColor(0);
    TGxHTMLOptions options;
    options.AWordWrap = true;
    EXPECT_EQ(r.Draw("gravity dam stability", {0, 0, 60, 200}, options),
              (Calls{"text gravity  at 0,0 000000 11px", "text dam  at 0,18 000000 11px",
                     "text stability at 0,36 000000 11px"}));
    EXPECT_EQ(r.Result.ALineCount, 3);
    r.Draw("overtopping", {0, 0, 30, 200}, options);
    EXPECT_EQ(r.Result.ALineCount, 1);
    EXPECT_EQ(r.Result.AWidth, 66 + 2);
}

TEST(GxGraphicsHTMLEngine, PicturesComeFromTheContainerInTheirAskedSize)
{
    TRecordedHTML r;
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    TStringStream svg("<svg viewBox='0 0 20 10'><rect width='20' height='10'/></svg>");
    static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(svg);
    TGxHTMLOptions options;
    options.APictureContainer = &container;
    const float w = static_cast<float>(item->Picture()->Width()), h = static_cast<float>(item->Picture()->Height());
    EXPECT_EQ(r.Draw("<IMG SRC=\"logo\" WIDTH=\"40\">x<IMG SRC=\"none\">", {0, 0, 500, 200}, options)[0],
              "picture 0,0-40," + std::to_string(static_cast<int>(std::nearbyint(h * 40 / w))));
}

TEST(GxGraphicsHTMLEngine, AnEmptyTextIsOneLineOfGhHighAndNoLines)
{
    TRecordedHTML r;
    EXPECT_TRUE(r.Draw("").empty());
    EXPECT_EQ(r.Result.ALineCount, 0);
    EXPECT_EQ(r.Result.AHeight, 12);
}

TEST(GxGraphicsHTMLEngine, HighlightTagsEncloseEachOccurrenceInTheMarkup)
{
    EXPECT_EQ(HilightHTMLText("<B>abc</B>", "b", "HI", true), String("<B>a<HI>b</HI>c</B>"));
    EXPECT_EQ(HilightHTMLText("Dam dam", "DAM", "HI", false), String("<HI>Dam</HI> <HI>dam</HI>"));
    EXPECT_EQ(HilightHTMLText("Dam dam", "DAM", "HI", true), String("Dam dam"));
}

TEST(GxGraphicsHTMLEngine, ControlsAreDrawnAsGlyphsAndHitTested)
{
    TRecordedHTML r;
    r.Recorder().LogFrames = true;
    const String text = "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\">x"
                        "<CONTROL TYPE=\"BUTTON\" WIDTH=\"40\" ID=\"b\" VALUE=\"Run\">"
                        "<CONTROL TYPE=\"EDIT\" ID=\"e\"><CONTROL TYPE=\"EDIT\" WIDTH=\"30\" ID=\"e2\">y";
    r.Graphics.Font()->SetColor(0);
    const Calls calls = r.Draw(text);
    // line height 23 for a button; the check box 18 square and the button 22 high centred in it
    const TRectF check{0, 2.5f, 18, 20.5f};
    EXPECT_NE(std::find(calls.begin(), calls.end(), "frame 1,3.5-17,19.5 000000 width 1"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "line 4.2,6.7-12.8,15.3 000000 width 2"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "frame 26,0.5-66,22.5 A9A9A9 width 1"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "text Run at 26,0.5 000000 11px"), calls.end());
    // the edit without width takes no space, the one with a width only space
    EXPECT_NE(std::find(calls.begin(), calls.end(), "text y at 100,11 000000 11px"), calls.end());

    TGxHTMLOptions options;
    options.AMouseX = 30;
    options.AMouseY = 10;
    r.Draw(text, {0, 0, 500, 200}, options);
    EXPECT_TRUE(r.OnAnchor);
    EXPECT_EQ(r.Result.AAnchor, String("ctrl"));
    EXPECT_EQ(r.Result.AControlID, String("b"));
    EXPECT_EQ(r.Result.AControlValue, String("Run"));
    EXPECT_EQ(r.Result.AControlType, String("BUTTON"));
    EXPECT_EQ(r.Result.AControlRect, (TRectF{26, 0.5f, 66, 22.5f}));
    options.AMouseX = 5;
    r.Draw(text, {0, 0, 500, 200}, options);
    EXPECT_EQ(r.Result.AControlRect, check);
    EXPECT_EQ(r.Result.AControlValue, String("true"));

    // a hit test finds the control of the asked ID wherever the point is, and draws nothing
    options.AMouseX = options.AMouseY = -1;
    options.AHitTestOnly = true;
    options.AControlID = "e2";
    EXPECT_TRUE(r.Draw(text, {0, 0, 500, 200}, options).empty());
    EXPECT_TRUE(r.OnAnchor);
    EXPECT_EQ(r.Result.AControlType, String("EDIT"));
    EXPECT_EQ(r.Result.AControlRect.Left, 68);
}

TEST(GxGraphicsHTMLEngine, AreaBackgroundsAndParagraphsPaintTheirColours)
{
    TRecordedHTML r;
    r.Recorder().LogFrames = true;
    EXPECT_EQ(r.Draw("<BODY BGCOLOR=\"#FF0000\">x", {0, 0, 100, 50})[0], "rect 0,0-100,50 0000FF");
    TGxHTMLOptions selected;
    selected.ASelected = true;
    EXPECT_NE(r.Draw("<BODY BGCOLOR=\"#FF0000\">x", {0, 0, 100, 50}, selected)[0], "rect 0,0-100,50 0000FF");
    // the first line of the paragraph is filled, each further one outlined, until its end
    const Calls calls = r.Draw("<P BGCOLOR=\"#00FF00\">one<BR>two<BR>three</P>four", {0, 0, 100, 200});
    EXPECT_EQ(calls[0], "rect 0,0-100,12 00FF00");
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.rfind("frame", 0) == 0 && c.find("00FF00") != std::string::npos; }),
              2);
}

TEST(GxGraphicsHTMLEngine, ImageListPicturesAndFloatingPictures)
{
    TRecordedHTML r;
    TCustomImageList images(16, 16);
    TBitmap strip(32, 16);
    images.Add(&strip, nullptr);
    TGxHTMLOptions options;
    options.AImageList = &images;
    EXPECT_EQ(r.Draw("<IMG SRC=\"IDX:1\">a<IMG SRC=\"IDX:2\">", {0, 0, 500, 200}, options)[0], "picture 0,0-16,16");
    EXPECT_EQ(r.Result.AWidth, 16 + 2 + 6 + 2);
    options.ANoImageListDraw = true;
    EXPECT_EQ(r.Draw("<IMG SRC=\"IDX:0\">a", {0, 0, 500, 200}, options)[0].rfind("text a at 18,", 0), 0u);

    // a left floating picture 20 x 30: the lines beside it start 22 further right
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("pier");
    TStringStream svg("<svg width='20' height='30' viewBox='0 0 20 30'><rect width='20' height='30'/></svg>");
    static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(svg);
    ASSERT_EQ(item->Picture()->Height(), 30);
    TGxHTMLOptions floating;
    floating.APictureContainer = &container;
    const Calls calls = r.Draw("<IMG SRC=\"pier\" FLOAT=\"LEFT\">one<BR>two<BR>three<BR>four", {0, 0, 500, 200}, floating);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0], "picture 0,0-20,30");
    EXPECT_EQ(calls[1].rfind("text one at 22,", 0), 0u) << calls[1];
    EXPECT_EQ(calls[2].rfind("text two at 22,", 0), 0u) << calls[2];
    EXPECT_EQ(calls[3].rfind("text three at 0,", 0), 0u) << calls[3];   // below the picture

    // one floating right keeps the lines beside it off its width; the area background tiles a
    // picture over the rectangle and puts others in its top corners
    const Calls right = r.Draw("<IMG SRC=\"pier\" FLOAT=\"RIGHT\">one", {0, 0, 100, 200}, floating);
    EXPECT_EQ(right[0], "picture 80,0-100,30");
    const Calls area = r.Draw("<BODY BACKGROUND=\"pier\" BGTOPRIGHT=\"pier\">x", {0, 0, 50, 40}, floating);
    EXPECT_EQ(area, (Calls{"picture 0,0-20,30", "picture 20,0-40,30", "picture 40,0-60,30", "picture 0,30-20,60",
                           "picture 20,30-40,60", "picture 40,30-60,60", "picture 30,0-50,30", "text x at 0,0 000008 11px"}));
}
