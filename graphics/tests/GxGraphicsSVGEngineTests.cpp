// The SVG engine: its value readers as tables, documents read into elements, hostile documents
// refused or bounded, and documents drawn through a recording back end and into pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "GraphicsRecorder.h"
#include "graphics/GxGraphicsSVGEngine.h"
#include "platform/rtl/Exceptions.h"

namespace {

TPointF Apply(const String& transform, TPointF p) { return p * SVGTransform(transform); }

std::vector<TPointF> PointsOf(const TGxGraphicsPath& path)
{
    std::vector<TPointF> points;
    for (const auto& p : path.PathData()) points.push_back(p.Point);
    return points;
}

Integer CurveCount(const TGxGraphicsPath& path)
{
    Integer n = 0;
    for (const auto& p : path.PathData()) n += p.Kind == gppCurveTo;
    return n / 3;
}

std::unique_ptr<TGxGraphicsSVGImport> Load(const std::string& text)
{
    auto svg = std::make_unique<TGxGraphicsSVGImport>();
    svg->LoadFromText(String(text));
    return svg;
}

}  // namespace

// ---------------------------------------------------------------- value readers

TEST(SVGValues, LengthsCarryTheirUnitFactors)
{
    struct Case {
        const char* text;
        float length;
        const char* unit;
    } cases[] = {
        {"12pt", 15, "pt"}, {"2cm", 200, "cm"}, {"2mm", 20, "mm"}, {"1in", 25.4f, "in"}, {"1pc", 15, "pc"},
        {"50%", 50, "%"},   {"3em", 3, "em"},   {"2ex", 2, "ex"},  {"10px", 10, "px"},  {"7.5", 7.5f, ""},
        {"abc", 0, ""},     {"", 0, ""},        {"-4", -4, ""},    {"1e1", 10, ""},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(SVGLength(c.text), c.length) << c.text;
        EXPECT_EQ(SVGLengthUnit(c.text), String(c.unit)) << c.text;
    }
}

TEST(SVGValues, RgbColoursReadDecimalHexadecimalAndPercentComponents)
{
    struct Case {
        const char* text;
        TColor color;   // platform order: red in the low byte
        Integer alpha;
    } cases[] = {
        {"rgb(255,0,0)", 0x0000FF, 255},
        {"rgb(100%,0%,50%)", 0x8000FF, 255},   // 50 x 2.55 = 127.5, halves to even
        {"rgba(0,0,0,0)", 0x000000, 0},
        {"rgba(0,0,0,0.5)", 0x000000, -1},     // an alpha that is no whole number does not read
        {"rgb(300, 20 ,#10)", 0x1014FF, 255},   // above 255 is 255; "#10" is sixteen
        {"rgb(ff,0,0)", 0x0000FF, 255},
        {"rgb(1,2)", -1, -1},
        {"rgb(a.5,0,0)", -1, 255},
        {"rgbx", -1, -1},
    };
    for (const Case& c : cases) {
        Integer alpha = 7;
        EXPECT_EQ(SVGRGBColor(c.text, alpha), c.color) << c.text;
        EXPECT_EQ(alpha, c.alpha) << c.text;
    }
}

TEST(SVGValues, FontFamiliesLoseStyleWordsAndTakeTheSecondOfAList)
{
    struct Case {
        const char* text;
        const char* family;
        bool bold, italic;
    } cases[] = {
        {"Arial-BoldMT", "Arial", true, false},     {"Times-Italic", "Times", false, true},
        {"Arial-BoldItalicMT", "Arial", true, true}, {"'Foo', Arial", "Arial", false, false},
        {"Helvetica", "Helvetica", false, false},    {"Symbol-MT", "Symbol", false, false},
    };
    for (const Case& c : cases) {
        TFontStyles style;
        EXPECT_EQ(SVGFontFamily(c.text, style), String(c.family)) << c.text;
        EXPECT_EQ(style.Contains(TFontStyle::fsBold), c.bold) << c.text;
        EXPECT_EQ(style.Contains(TFontStyle::fsItalic), c.italic) << c.text;
    }
}

TEST(SVGValues, AnglesInDegreesGradiansAndRadians)
{
    const float quarter = static_cast<float>(M_PI / 2);
    struct Case {
        const char* text;
        float radians;
    } cases[] = {{"90", quarter}, {"90deg", quarter}, {"100grad", quarter}, {"1.5708rad", 1.5708f},
                 {"-45", -quarter / 2}, {"abc", 0}};
    for (const Case& c : cases) EXPECT_NEAR(SVGAngle(c.text), c.radians, 1e-6) << c.text;
}

TEST(SVGValues, TransformListsActRightmostFirstAsSVGHasIt)
{
    struct Case {
        const char* transform;
        TPointF from, to;
    } cases[] = {
        {"translate(10,0) rotate(90)", {1, 0}, {10, 1}},
        {"translate(10,20) scale(2)", {1, 1}, {12, 22}},   // scaled, then moved
        {"scale(2) translate(10,20)", {1, 1}, {22, 42}},   // moved, then scaled
        {"matrix(1 0 0 1 5 5)", {0, 0}, {5, 5}},
        {"matrix(2,0,0,3,0,0)", {1, 1}, {2, 3}},
        {"translate(7)", {0, 0}, {7, 0}},
        {"scale(2, 3)", {1, 1}, {2, 3}},
        {"rotate(100grad)", {1, 0}, {0, 1}},
        {"rotate(90, 10, 10)", {20, 10}, {10, 20}},
        {"rotate(90) translate(10,0)", {0, 0}, {0, 10}},
        {"skewX(45)", {0, 1}, {1, 1}},
        {"skewY(45)", {1, 0}, {1, 1}},
        {"matrix(1 2 3)", {4, 5}, {4, 5}},   // a wrong count is the identity
        {"frobnicate(3)", {4, 5}, {4, 5}},
        {"", {4, 5}, {4, 5}},
    };
    for (const Case& c : cases) {
        const TPointF p = Apply(c.transform, c.from);
        EXPECT_NEAR(p.X, c.to.X, 1e-4) << c.transform;
        EXPECT_NEAR(p.Y, c.to.Y, 1e-4) << c.transform;
    }
    EXPECT_FLOAT_EQ(SVGTransform("skewX(45)").m21, 1);
    EXPECT_NEAR(Apply("rotate(1.5708rad)", {1, 0}).Y, 1, 1e-5);
    EXPECT_THROW(SVGTransform("rotate()"), EListError);
}

TEST(SVGValues, PathDataMakesImplicitCommandsExplicit)
{
    struct Case {
        const char* d;
        std::vector<TPointF> points;
    } cases[] = {
        {"M 10 10 20 20 30 30", {{10, 10}, {20, 20}, {30, 30}}},
        {"m 10 10 20 20", {{10, 10}, {30, 30}}},
        {"M0,0L10-5", {{0, 0}, {10, -5}}},
        {"M.5.5", {{0.5f, 0.5f}}},
        {"M1e-3 0", {{0.001f, 0}}},
        {"M 1 2 H 5 V 7 h -1 v -2", {{1, 2}, {5, 2}, {5, 7}, {4, 7}, {4, 5}}},
        {"M 0 0 A 0 5 0 0 1 10 0", {{0, 0}, {10, 0}}},   // a zero radius draws a line
        {"M 0 0 A 5 5 0 0 1 0 0", {{0, 0}}},             // an arc to its start adds nothing
        {"M 0 0 Q 5 5 10 0", {{0, 0}, {5, 5}, {5, 5}, {10, 0}}},
        {"M 0 0 C 1 1 2 2 3 0 S 5 -2 6 0", {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {4, -2}, {5, -2}, {6, 0}}},
        {"M 0 0 Q 2 2 4 0 T 8 0", {{0, 0}, {2, 2}, {2, 2}, {4, 0}, {6, -2}, {6, -2}, {8, 0}}},
        {"L 5 5 M 1 1", {{1, 1}}},   // before the first move there is no path
    };
    for (const Case& c : cases) {
        TGxGraphicsSVGElementPathList paths;
        SVGPathData(c.d, paths);
        ASSERT_EQ(paths.size(), 1u) << c.d;
        const std::vector<TPointF> points = PointsOf(*paths[0]);
        ASSERT_EQ(points.size(), c.points.size()) << c.d;
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].X, c.points[i].X, 1e-5) << c.d << " point " << i;
            EXPECT_NEAR(points[i].Y, c.points[i].Y, 1e-5) << c.d << " point " << i;
        }
    }
}

TEST(SVGValues, PathDataStartsAPathPerMoveAndClosesToTheStart)
{
    TGxGraphicsSVGElementPathList paths;
    SVGPathData("M 0 0 L 10 0 L 10 10 Z l 5 5 M 20 20 L 30 20", paths);
    ASSERT_EQ(paths.size(), 2u);
    const auto& first = paths[0]->PathData();
    EXPECT_EQ(first[3].Kind, gppClose);
    EXPECT_EQ(first.back().Point, (TPointF{5, 5}));   // after Z the current point is the start
    EXPECT_EQ(paths[1]->LastPoint(), (TPointF{30, 20}));
    EXPECT_THROW(SVGPathData("M 10", paths), EListError);   // values run past the end
}

TEST(SVGValues, ArcsFollowTheEndpointToCentreConversion)
{
    // half a circle of radius 5 from (0, 0) to (10, 0), sweeping through (5, -5)
    TGxGraphicsSVGElementPathList half;
    SVGPathData("M 0 0 A 5 5 0 0 1 10 0", half);
    EXPECT_EQ(CurveCount(*half[0]), 2);
    const auto& points = half[0]->PathData();
    const TPointF middle = points[4].Point, end = points.back().Point;
    EXPECT_NEAR(middle.X, 5, 1e-4);
    EXPECT_NEAR(middle.Y, -5, 1e-4);
    EXPECT_NEAR(end.X, 10, 1e-4);
    EXPECT_NEAR(end.Y, 0, 1e-4);
    // the other sweep goes below
    TGxGraphicsSVGElementPathList other;
    SVGPathData("M 0 0 A 5 5 0 0 0 10 0", other);
    EXPECT_NEAR(other[0]->PathData()[4].Point.Y, 5, 1e-4);
    // radii too small for the chord are scaled up: the centre is the chord's middle
    TGxGraphicsSVGElementPathList small;
    SVGPathData("M 0 0 A 1 1 0 0 1 10 0", small);
    EXPECT_NEAR(small[0]->PathData()[4].Point.Y, -5, 1e-4);
    // a sweep near a whole turn takes four segments
    TGxGraphicsSVGElementPathList whole;
    SVGPathData("M 0 0 A 5 5 0 1 1 0.01 0", whole);
    EXPECT_EQ(CurveCount(*whole[0]), 4);
}

// ---------------------------------------------------------------- the document model

TEST(SVGDocument, TheViewRectComesFromTheViewBoxTheSizeOrTheBounds)
{
    struct Case {
        const char* svg;
        TRectF view;
    } cases[] = {
        {R"svg(<svg viewBox="10 20 100 50"><rect width="1" height="1"/></svg>)svg", {10, 20, 110, 70}},
        {R"svg(<svg viewBox="0,0,24,24"><rect x="2" y="3" width="4" height="5"/></svg>)svg", {2, 3, 6, 8}},
        {R"svg(<svg width="40" height="1in"><rect width="1" height="1"/></svg>)svg", {0, 0, 40, 25.4f}},
        {R"svg(<svg><rect x="5" y="5" width="10" height="20"/></svg>)svg", {5, 5, 15, 25}},
        {R"svg(<svg><g transform="translate(10,0)"><circle cx="0" cy="0" r="2"/></g></svg>)svg", {8, -2, 12, 2}},
        {R"svg(<svg><line x1="4" y1="9" x2="1" y2="2"/></svg>)svg", {1, 2, 4, 9}},
        {R"svg(<svg><defs><rect width="9" height="9"/></defs></svg>)svg", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto svg = Load(c.svg);
        EXPECT_EQ(svg->ViewRect, c.view) << c.svg;
    }
}

TEST(SVGDocument, ElementKindsAttributesAndSkippedContent)
{
    const auto svg = Load(R"svg(<svg viewBox="0 0 10 10">
        <title>skipped</title>
        <use href="#a"/>
        <switch><rect width="1" height="1"/></switch>
        <g id="group"><desc>skipped</desc><circle cx="1" cy="2" r="3"/></g>
        <text x="1" y="2">Dam &#x3A9; &#x1F30A;</text>
        <text><tspan x="3" y="4">crest</tspan></text>
        <path d="M 0 0 L 1 1" style="fill:red" fill="blue"/>
        <polygon points="0,0 4,0 4-3"/>
        <polyline points="0 0 1"/>
      </svg>)svg");
    const auto& e = svg->Elements();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0]->Type(), etContainer);
    EXPECT_EQ(e[0]->ID(), String("group"));
    ASSERT_EQ(e[0]->Elements().size(), 1u);
    EXPECT_EQ(e[0]->Elements()[0]->Type(), etCircle);
    EXPECT_EQ(e[0]->Elements()[0]->Rx(), 3);
    EXPECT_EQ(e[1]->Type(), etText);
    EXPECT_EQ(e[1]->Text(), String(u"Dam \u03A9 \U0001F30A"));   // character references decoded whole
    ASSERT_EQ(e[2]->Elements().size(), 1u);
    auto& span = *e[2]->Elements()[0];
    EXPECT_EQ(span.Type(), etTextSpan);
    ASSERT_EQ(span.Elements().size(), 1u);
    EXPECT_EQ(span.Elements()[0]->Type(), etTextSpanChild);
    EXPECT_EQ(span.Elements()[0]->Text(), String("crest"));
    EXPECT_EQ(e[3]->FillColorValue(), String("blue"));   // the attribute wins over the style
    EXPECT_EQ(e[3]->FillColor(), TColor(0xFF0000));
    EXPECT_EQ(PointsOf(*e[4]->CombinedPath()).back(), (TPointF{0, 0}));   // closed: the start
    const std::vector<TPointF> polygon = PointsOf(*e[4]->CombinedPath());
    EXPECT_EQ(polygon[polygon.size() - 2], (TPointF{4, -3}));   // "4-3" is two numbers
    EXPECT_FALSE(e[5]->HasPaths());   // an odd count of numbers makes no geometry
}

TEST(SVGDocument, ClassRulesBecomeDefsAndAClassNamesOneRule)
{
    const auto svg = Load(R"svg(<svg viewBox="0 0 10 10">
        <style>.a{fill:red}.b{fill:blue; stroke : #00ff00}</style>
        <rect class="a" width="1" height="1"/>
        <rect class="a b" width="1" height="1"/>
        <rect class="b" width="1" height="1"/>
      </svg>)svg");
    ASSERT_EQ(svg->Defs().size(), 2u);
    EXPECT_EQ(svg->Defs()[0]->Type(), etStyle);
    EXPECT_EQ(svg->Defs()[0]->ClassRefID(), String("a"));
    EXPECT_EQ(svg->Defs()[1]->ClassRefID(), String("b"));
    EXPECT_EQ(svg->Defs()[1]->StrokeColor(), TColor(0x00FF00));
    EXPECT_EQ(svg->Elements()[0]->ClassRef(), svg->Defs()[0].get());
    EXPECT_EQ(svg->Elements()[1]->ClassRef(), nullptr);
    EXPECT_EQ(svg->Elements()[2]->ClassRef(), svg->Defs()[1].get());
}

TEST(SVGDocument, OtherRootsAndMalformedTextGiveNoElements)
{
    EXPECT_FALSE(Load("<svgx><rect width='1' height='1'/></svgx>")->HasElements());
    EXPECT_FALSE(Load("<s:svg xmlns:s='http://www.w3.org/2000/svg'><s:rect width='1'/></s:svg>")->HasElements());
    TGxGraphicsSVGImport svg;
    svg.LoadFromText("<svg><rect width='1' height='1'/></svg>");
    EXPECT_TRUE(svg.HasElements());
    EXPECT_THROW(svg.LoadFromText("<svg><rect></svg>"), EDOMParseError);
    EXPECT_FALSE(svg.HasElements());
}

TEST(SVGDocument, EmbeddedPicturesComeFromDataAddressesOnly)
{
    // a 1 x 1 PNG
    const std::string png =
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC";
    const auto svg = Load(R"svg(<svg xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 4 4">
        <image width="4" height="4" xlink:href="data:image/png;base64,)svg" + png + R"svg("/>
        <image width="4" height="4" xlink:href="/etc/hostname"/>
      </svg>)svg");
    ASSERT_EQ(svg->Elements().size(), 2u);
    EXPECT_EQ(svg->Elements()[0]->Bitmap()->Width(), 1);
    EXPECT_FALSE(svg->Elements()[1]->HasBitmap());   // a file name is never opened
}

// ---------------------------------------------------------------- hostile documents

TEST(SVGHostile, AnExternalEntityIsNeverRead)
{
    const std::string file = ::testing::TempDir() + "svg-secret.txt";
    {
        std::FILE* f = std::fopen(file.c_str(), "w");
        ASSERT_TRUE(f);
        std::fputs("SECRET-CONTENT", f);
        std::fclose(f);
    }
    const std::string text = "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file://" + file +
                             "\">]><svg><text x='1' y='1'>&x;</text></svg>";
    TGxGraphicsSVGImport svg;
    try {
        svg.LoadFromText(String(text));
    } catch (const Exception&) {
        // refused: fine
    }
    for (const auto& e : svg.Elements()) EXPECT_EQ(e->Text().ToUtf8().find("SECRET"), std::string::npos);
    std::remove(file.c_str());
}

TEST(SVGHostile, AnEntityChainIsRefusedOrBounded)
{
    std::string text = "<!DOCTYPE svg [<!ENTITY a0 \"lollollollollollollollollollol\">";
    for (int i = 1; i < 10; ++i) {
        text += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j) text += "&a" + std::to_string(i - 1) + ";";
        text += "\">";
    }
    text += "]><svg><text x='1' y='1'>&a9;</text></svg>";
    TGxGraphicsSVGImport svg;
    try {
        svg.LoadFromText(String(text));
    } catch (const Exception&) {
        // refused: fine
    }
    for (const auto& e : svg.Elements()) EXPECT_LT(e->Text().Length(), 1'000'000);
}

// A circle ten million units across covers the whole picture: its curves are flattened into a few
// thousand points each, not into one per quarter unit of their length.
TEST(SVGHostile, HugeShapesAreDrawnFromABoundedNumberOfPoints)
{
    for (const char* shape : {"<circle cx='0' cy='0' r='1e7'/>", "<rect x='-10' y='-10' width='1e7' height='1e7' ry='1e7'/>"}) {
        const auto svg = Load(std::string("<svg viewBox='0 0 20 10'>") + shape + "</svg>");
        TBitmap picture(20, 10);
        picture.Canvas().Brush().SetColor(clWhite);
        picture.Canvas().FillRect(Rect(0, 0, 20, 10));
        svg->Draw(picture.Canvas(), TRectF{0, 0, 20, 10}, false);
        Integer black = 0;
        for (Integer y = 0; y < 10; ++y)
            for (Integer x = 0; x < 20; ++x) black += picture.Canvas().Pixel(x, y) == clBlack;
        EXPECT_EQ(black, 200) << shape;
    }
}

// The XML reader takes attribute values of up to ten million characters; a path just longer is
// refused as a whole, whatever its length beyond (a hundred megabytes the same), and one well
// within is read in one pass.
constexpr size_t ReaderValueLimit = 10'000'000;

TEST(SVGHostile, APathLongerThanTheReadersLimitIsRefusedWhole)
{
    std::string text = "<svg viewBox='0 0 1 1'><path d='M0 0";
    text.reserve(ReaderValueLimit + 100);
    while (text.size() < ReaderValueLimit + 40) text += " L1 1 L0 0";
    text += "'/></svg>";
    TGxGraphicsSVGImport svg;
    EXPECT_THROW(svg.LoadFromText(String(text)), EDOMParseError);
    EXPECT_FALSE(svg.HasElements());
}

TEST(SVGHostile, ALargePathWithinTheReadersLimitIsReadInOnePass)
{
    std::string d = "M0 0";
    while (d.size() < ReaderValueLimit / 10) d += " L1 1 L0 0";
    const auto svg = Load("<svg viewBox='0 0 1 1'><path d='" + d + "'/></svg>");
    ASSERT_EQ(svg->Elements().size(), 1u);
    EXPECT_GT(svg->Elements()[0]->Paths()[0]->Count(), 180'000);
}

TEST(SVGHostile, ThePictureTypeSwallowsBrokenDocuments)
{
    for (const char* text : {"<svg><path d='M 10'/></svg>", "<svg><rect", "<svg><path transform='rotate()'/></svg>",
                             "<svg><rect fill='#zz' width='1' height='1'/></svg>", "\xEF\xBB\xBF", ""}) {
        TGxSVGBitmap picture;
        TMemoryStream stream;
        stream.WriteBuffer(text, static_cast<Integer>(std::strlen(text)));
        stream.SetPosition(0);
        EXPECT_NO_THROW(picture.LoadFromStream(stream)) << text;
        TBitmap target;
        target.SetSize(8, 8);
        EXPECT_NO_THROW(picture.DrawOn(target.Canvas(), Rect(0, 0, 8, 8))) << text;
    }
}

// ---------------------------------------------------------------- drawing through a recording back end

namespace {

using Calls = std::vector<std::string>;

// The document drawn into the rectangle through a recording drawing object, with the options
// the caller sets on it first.
template <typename Options>
Calls Recorded(const std::string& text, const TRectF& rect, Options options)
{
    TGxGraphics g(nullptr, MakeGraphicsRecorder);
    const auto svg = Load(text);
    options(*svg);
    svg->Draw(g, rect, false, false);
    return static_cast<TGraphicsRecorder*>(g.Context())->Calls;
}

Calls Recorded(const std::string& text, const TRectF& rect = {0, 0, 10, 10})
{
    return Recorded(text, rect, [](TGxGraphicsSVGImport&) {});
}

}  // namespace

TEST(SVGDrawing, ShapesAreMappedFromTheViewBoxWithTheirPaint)
{
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 10 10">
        <rect x="1" y="1" width="4" height="2" fill="#ff0000" stroke="rgb(0,0,255)" stroke-width="2"/>
        <circle cx="5" cy="5" r="2" fill="lime"/>
      </svg>)svg", {0, 0, 20, 30}),
              (Calls{"fill 2,3-10,9 0000FF", "stroke 2,3-10,9 FF0000 width 4",   // stroke width x sx
                     "fill 6,9-14,21 00FF00"}));
    // a 24 x 24 view box in a 48 x 24 rectangle: the circle becomes an ellipse twice as wide
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 24 24"><circle cx="12" cy="12" r="12"/></svg>)svg", {0, 0, 48, 24}),
              Calls{"fill 0,0-48,24 000000"});
    // the target's corner, snapped to whole user units
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 10 10"><rect width="10" height="10"/></svg>)svg", {20, 40, 30, 50}),
              Calls{"fill 20,40-30,50 000000"});
}

TEST(SVGDrawing, TransformsActOnceAndComposeWithTheirGroups)
{
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 100 100">
        <path transform="translate(10,0)" d="M0 0 L1 0 L1 1 Z"/>
        <polygon transform="translate(0,10)" points="0,0 2,0 2,2"/>
        <g transform="translate(50,50)"><rect transform="scale(2)" width="3" height="4"/>
          <polyline transform="translate(1,1)" points="0,0 2,2" fill="none" stroke="red"/></g>
        <g transform="translate(10,0) rotate(90)"><rect width="5" height="1"/></g>
      </svg>)svg", {0, 0, 100, 100}),
              (Calls{"fill 10,0-11,1 000000", "fill 0,10-2,12 000000", "fill 50,50-56,58 000000",
                     "stroke 51,51-53,53 0000FF width 1", "fill 9,0-10,5 000000"}));
}

TEST(SVGDrawing, FillStrokeAndOpacityComeFromTheNearestElementThatGivesThem)
{
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 10 10">
        <g fill="#00ff00" stroke="blue" opacity="0.5">
          <rect width="1" height="1" opacity="0.5"/>
          <rect width="2" height="2" fill="none"/>
          <g display="none"><rect width="3" height="3"/></g>
          <rect width="4" height="4" stroke-width="-2"/>
        </g>
        <rect width="5" height="5" fill="transparent"/>
      </svg>)svg"),
              (Calls{"fill 0,0-1,1 00FF00 opacity 0.5", "stroke 0,0-1,1 FF0000 width 1",   // nearest opacity wins
                     "stroke 0,0-2,2 FF0000 width 1", "fill 0,0-4,4 00FF00 opacity 0.5",
                     "stroke 0,0-4,4 FF0000 width 0"}));   // a negative width is none
}

TEST(SVGDrawing, TheDrawingOptionsChangeTheColours)
{
    const std::string doc = R"svg(<svg viewBox="0 0 10 10">
        <rect width="1" height="1" fill="white"/><rect width="2" height="2" fill="#000000"/>
        <rect width="3" height="3" fill="#204060"/><path d="M0 0 L4 4 L0 4 Z"/></svg>)svg";
    EXPECT_EQ(Recorded(doc, {0, 0, 10, 10}, [](TGxGraphicsSVGImport& s) { s.TintColor = 0x0000FF; }),
              (Calls{"fill 0,0-1,1 0000FF", "fill 0,0-2,2 000000", "fill 0,0-3,3 000020", "fill 0,0-4,4 0000FF"}));
    // grey: Round(0.3 r + 0.6 g + 0.1 b) = Round(9.6 + 38.4 + 9.6) = 58 = $3A
    EXPECT_EQ(Recorded(doc, {0, 0, 10, 10}, [](TGxGraphicsSVGImport& s) { s.GrayScale = true; }),
              (Calls{"fill 0,0-1,1 FFFFFF", "fill 0,0-2,2 000000", "fill 0,0-3,3 3A3A3A", "fill 0,0-4,4 808080"}));
    EXPECT_EQ(Recorded(doc, {0, 0, 10, 10}, [](TGxGraphicsSVGImport& s) {
                  s.CustomFillColor = 0x123456;
                  s.CustomOpacity = 0.5f;
              }),
              (Calls{"fill 0,0-1,1 123456 opacity 0.5", "fill 0,0-2,2 123456 opacity 0.5",
                     "fill 0,0-3,3 123456 opacity 0.5", "fill 0,0-4,4 123456 opacity 0.5"}));
    // a quarter turn about the middle of a 10 x 20 view box
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 10 20"><rect width="2" height="1"/></svg>)svg", {0, 0, 10, 20},
                       [](TGxGraphicsSVGImport& s) { s.RotationAngle = 90; }),
              Calls{"fill 14,5-15,7 000000"});
}

TEST(SVGDrawing, GradientsTakeTheirStopsThroughTheirLinks)
{
    EXPECT_EQ(Recorded(R"svg(<svg xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 10 10">
        <defs>
          <linearGradient id="g1" x1="0" y1="0" x2="0" y2="1">
            <stop offset="0" stop-color="#ff0000"/><stop offset="50%" stop-color="blue"/></linearGradient>
          <linearGradient id="g2" xlink:href="#g1"/>
          <linearGradient id="g3" x1="1" y1="0" x2="0" y2="0"><stop offset="1" stop-color="red"/></linearGradient>
          <radialGradient id="r1"><stop offset="0" stop-color="white"/></radialGradient>
          <radialGradient id="r2" cx="25%"><stop offset="0" stop-color="white"/></radialGradient>
        </defs>
        <rect width="4" height="2" fill="url(#g2)"/>
        <rect width="4" height="2" fill="url('#g3')"/>
        <rect x="2" width="4" height="2" fill="url(#r1)"/>
        <rect width="4" height="2" fill="url(#r2)"/>
      </svg>)svg"),
              (Calls{"fill 0,0-4,2 gradient linear angle 90 centre 0,0 0000FF@0 FF0000@0.5",
                     "fill 0,0-4,2 gradient linear angle 180 centre 0,0 0000FF@1",
                     "fill 2,0-6,2 gradient radial angle 0 centre 4,1 FFFFFF@0",
                     "fill 0,0-4,2 gradient radial angle 0 centre 1,1 FFFFFF@0"}));
}

TEST(SVGDrawing, ClassRulesClipsAndTexts)
{
    EXPECT_EQ(Recorded(R"svg(<svg viewBox="0 0 100 100">
        <style>.a{fill:#0000ff} .c{clip-path:url(#cp)}</style>
        <defs><clipPath id="cp"><rect width="5" height="6"/></clipPath></defs>
        <rect class="a" width="1" height="1" fill="red"/>
        <rect class="c" width="9" height="9"/>
        <text x="10" y="20" font-size="12pt">Dam</text>
      </svg>)svg", {0, 0, 100, 100}),
              (Calls{"fill 0,0-1,1 FF0000",   // the rule replaces the element's own paint
                     "clip 0,0-5,6", "fill 0,0-9,9 000000", "text Dam at 10,9"}));   // y less the measured height, 11
}

TEST(SVGDrawing, GeneratedPicturesHaveTheViewBoxOrTheAskedSize)
{
    const auto svg = Load(R"svg(<svg viewBox="0 0 16 16"><rect width="8" height="16" fill="red"/></svg>)svg");
    TGxBitmap* natural = svg->GenerateBitmap(-1, -1);
    ASSERT_TRUE(natural);
    EXPECT_EQ(natural->Width(), 16);
    EXPECT_EQ(natural->Height(), 16);
    TGxBitmap* large = svg->GenerateBitmap(32, 32);
    EXPECT_EQ(large->Width(), 32);
    EXPECT_FALSE(Load("<svg/>")->GenerateBitmap(16, 16));
}

TEST(SVGDrawing, RenderedPicturesMatchTheirGeometryWithinAPixel)
{
    // a red left half and a blue disc of radius 12 about (40, 32), drawn into 64 x 64 pixels
    const auto svg = Load(R"svg(<svg viewBox="0 0 32 32">
        <rect width="32" height="32" fill="white"/><rect width="16" height="32" fill="red"/>
        <circle cx="20" cy="16" r="6" fill="blue"/></svg>)svg");
    TGxBitmap* picture = svg->GenerateBitmap(64, 64);
    ASSERT_TRUE(picture && picture->Graphic());
    TBitmap& bitmap = picture->Bitmap();
    int wrong = 0, edge = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const double cx = x + 0.5, cy = y + 0.5, r = std::hypot(cx - 40, cy - 32);
            if (std::fabs(r - 12) < 1.5 || std::fabs(cx - 32) < 1) {
                ++edge;   // pixels on an edge may blend
                continue;
            }
            const TColor expected = r < 12 ? TColor(0xFF0000) : cx < 32 ? TColor(0x0000FF) : clWhite;
            wrong += bitmap.Canvas().Pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_LT(edge, 64 * 64 / 4);
}

TEST(SVGGlyphs, TheSixButtonGlyphsAreBlackShapesInTheirViewBoxes)
{
    // a point on the shape and one beside it, in view-box units
    struct Case {
        const char* resource;
        float size;
        TPointF on, off;
    } cases[] = {
        {"GxGRAPHICSCLOSESVG", 47.971f, {24, 24}, {24, 5}},     {"GxGRAPHICSCLOSESVG", 47.971f, {5, 5}, {5, 24}},
        {"GxGRAPHICSDOWNSVG", 330, {165, 225}, {165, 100}},      {"GxGRAPHICSEXPANDSVG", 330, {165, 225}, {165, 100}},
        {"GxGRAPHICSUPSVG", 330, {165, 105}, {165, 230}},        {"GxGRAPHICSRIGHTSVG", 330, {225, 165}, {100, 165}},
        {"GxGRAPHICSLEFTSVG", 330, {105, 165}, {230, 165}},
    };
    for (const Case& c : cases) {
        TResourceStream resource(c.resource, RT_RCDATA);
        TGxGraphicsSVGImport svg;
        svg.LoadFromStream(resource);
        EXPECT_EQ(svg.ViewRect, (TRectF{0, 0, c.size, c.size})) << c.resource;
        TGxBitmap* picture = svg.GenerateBitmap(66, 66);
        ASSERT_TRUE(picture && picture->Graphic()) << c.resource;
        const float k = 66 / c.size;
        TCanvas& canvas = picture->Bitmap().Canvas();
        EXPECT_EQ(canvas.Pixel(static_cast<int>(c.on.X * k), static_cast<int>(c.on.Y * k)), clBlack) << c.resource;
        EXPECT_NE(canvas.Pixel(static_cast<int>(c.off.X * k), static_cast<int>(c.off.Y * k)), clBlack) << c.resource;
    }
}
