// The run-time-bound GDI+ wrapper: which calls keep their status, which return it and which store
// it unconditionally; clones, fall-backs and the layer's own answers without a flat call.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "graphics/GxGDIPlusClasses.h"

namespace {
// A call whose native object GDI+ refuses: a surface made on no image has a nil handle.
Status FailOn(TGPGraphics& g)
{
    return g.SetSmoothingMode(SmoothingModeAntiAlias);
}
}  // namespace

TEST(GxGDIPlusClasses, FailuresAreKeptUntilReadAndSuccessesDoNotClearThem)
{
    // Each row: a failing call on an object, then a call that succeeds; the status field keeps the
    // failure (or, for fonts and font collections, keeps it across reads).
    struct Case {
        const char* name;
        std::function<Status()> fail;
        std::function<Status()> succeed;
        std::function<Status()> lastStatus;
        bool resetByRead;
    };
    TGPMatrix singular(0, 0, 0, 0, 0, 0);
    TGPGraphicsPath path;
    TGPPen pen(0xFF000000, 1);
    TGPLinearGradientBrush brush(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    TGPStringFormat format;
    TGPFont font("Liberation Sans", 10);
    TGPBitmap bitmap(4, 4);
    TGPGraphics nowhere(static_cast<TGPImage*>(nullptr));
    TGPGraphics surface(&bitmap);
    const Case cases[] = {
        {"matrix", [&] { return singular.Invert(); }, [&] { return singular.Translate(1, 1); },
         [&] { return singular.GetLastStatus(); }, true},
        {"path", [&] { return path.AddPolygon(static_cast<const TGPPointF*>(nullptr), 3); },
         [&] { return path.AddLine(0, 0, 5, 5); }, [&] { return path.GetLastStatus(); }, true},
        {"pen", [&] { return pen.SetWidth(-1) == Ok ? pen.SetDashPattern(nullptr, 2) : InvalidParameter; },
         [&] { return pen.SetWidth(2); }, [&] { return pen.GetLastStatus(); }, true},
        {"brush", [&] { return brush.SetInterpolationColors(nullptr, nullptr, 0); },
         [&] { return brush.SetLinearColors(0xFF000000, 0xFF00FF00); }, [&] { return brush.GetLastStatus(); }, true},
        {"string format", [&] { return format.SetAlignment(static_cast<StringAlignment>(7)); },
         [&] { return format.SetLineAlignment(StringAlignmentCenter); }, [&] { return format.GetLastStatus(); }, true},
        {"surface", [&] { return FailOn(nowhere); }, [&] { return surface.SetSmoothingMode(SmoothingModeAntiAlias); },
         [&] { return nowhere.GetLastStatus(); }, true},
        {"font", [&] { return font.GetFamily(nullptr); }, [&] { return font.GetSize() > 0 ? Ok : GenericError; },
         [&] { return font.GetLastStatus(); }, false},
    };
    for (const Case& c : cases) {
        Status failure = c.fail();
        EXPECT_NE(failure, Ok) << c.name;
        EXPECT_EQ(c.succeed(), Ok) << c.name;
        EXPECT_EQ(c.lastStatus(), failure) << c.name;
        EXPECT_EQ(c.lastStatus(), c.resetByRead ? Ok : failure) << c.name;
    }
}

TEST(GxGDIPlusClasses, AKeptFailureIsReturnedByTheCallsThatAnswerWithTheStatusFieldAndClearedByThoseThatStoreAlways)
{
    // Each row: a failure the layer makes without asking GDI+ (kept), then a call that GDI+
    // answers Ok; what that call returns, and what the status field holds afterwards.
    struct Case {
        const char* name;
        std::function<Status()> fail;
        std::function<Status()> then;
        Status thenReturns;
        std::function<Status()> lastStatus;
        Status kept;
    };
    TGPPen pen(0xFF102030, 1);
    TGPLinearGradientBrush linear(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    TGPPointF square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    TGPPathGradientBrush radial(square, 4);
    TGPStringFormat format;
    Integer four = 4;
    ARGB color = 0x12345678, color2 = 0x12345678;
    ARGB surround[4] = {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000};
    auto penFails = [&] { return pen.GetCompoundArray(nullptr, 0); };
    auto linearFails = [&] { return linear.SetInterpolationColors(nullptr, nullptr, 0); };
    auto radialFails = [&] { return radial.GetSurroundColors(nullptr, four); };
    const Case cases[] = {
        // Calls whose result is the status field: the kept failure comes back from a call that succeeded.
        {"pen colour", penFails, [&] { return pen.GetColor(color); }, InvalidParameter,
         [&] { return pen.GetLastStatus(); }, InvalidParameter},
        {"gradient colours", linearFails, [&] { return linear.GetLinearColors(color, color2); }, InvalidParameter,
         [&] { return linear.GetLastStatus(); }, InvalidParameter},
        {"centre colour read", radialFails, [&] { return radial.GetCenterColor(color); }, InvalidParameter,
         [&] { return radial.GetLastStatus(); }, InvalidParameter},
        {"centre colour set", radialFails, [&] { return radial.SetCenterColor(0xFF00FF00); }, InvalidParameter,
         [&] { return radial.GetLastStatus(); }, InvalidParameter},
        {"surround colours set", radialFails, [&] { return radial.SetSurroundColors(surround, four); },
         InvalidParameter, [&] { return radial.GetLastStatus(); }, InvalidParameter},
        // Calls that keep: they return their own Ok and leave the failure in the field.
        {"pen width", penFails, [&] { return pen.SetWidth(2); }, Ok, [&] { return pen.GetLastStatus(); },
         InvalidParameter},
        // Calls that store unconditionally: their Ok replaces the kept failure.
        {"pen clone", penFails, [&] { return pen.Clone() ? Ok : GenericError; }, Ok,
         [&] { return pen.GetLastStatus(); }, Ok},
        {"string format clone", [&] { return format.SetAlignment(static_cast<StringAlignment>(7)); },
         [&] { return format.Clone() ? Ok : GenericError; }, Ok, [&] { return format.GetLastStatus(); }, Ok},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.fail(), InvalidParameter) << c.name;
        EXPECT_EQ(c.then(), c.thenReturns) << c.name;
        EXPECT_EQ(c.lastStatus(), c.kept) << c.name;
        c.lastStatus();
    }
    // A call answering with a kept failure leaves its outputs alone; once read, it writes them.
    linear.SetInterpolationColors(nullptr, nullptr, 0);
    color = color2 = 0x12345678;
    linear.GetLinearColors(color, color2);
    EXPECT_EQ(color, 0x12345678u);
    linear.GetLastStatus();
    EXPECT_EQ(linear.GetLinearColors(color, color2), Ok);
    EXPECT_EQ(color, 0xFF000000u);
    EXPECT_EQ(color2, 0xFFFFFFFFu);
    pen.GetCompoundArray(nullptr, 0);
    color = 0;
    pen.GetColor(color);
    EXPECT_EQ(color, 0u);
    pen.GetLastStatus();
    EXPECT_EQ(pen.GetColor(color), Ok);
    EXPECT_EQ(color, 0xFF102030u);
}

TEST(GxGDIPlusClasses, ClonesFollowTheirClassesRules)
{
    // A matrix with a kept failure clones to nil; once the failure is read it clones.
    TGPMatrix matrix(0, 0, 0, 0, 0, 0);
    matrix.Invert();
    EXPECT_EQ(matrix.Clone(), nullptr);
    matrix.GetLastStatus();
    EXPECT_NE(matrix.Clone(), nullptr);
    // Any brush clones to a plain brush with the source's status field.
    TGPLinearGradientBrush gradient(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    std::unique_ptr<TGPBrush> copy = gradient.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(dynamic_cast<TGPLinearGradientBrush*>(copy.get()), nullptr);
    EXPECT_EQ(copy->GetType(), BrushTypeLinearGradient);
    // A string format's clone stores its status unconditionally, clearing a kept failure.
    TGPStringFormat format;
    format.SetAlignment(static_cast<StringAlignment>(7));
    EXPECT_NE(format.Clone(), nullptr);
    EXPECT_EQ(format.GetLastStatus(), Ok);
    // A bitmap with a kept failure: the Integer clone overwrites it, the Single clone gives nil.
    TGPBitmap bitmap(4, 4);
    bitmap.SetPixel(10, 10, 0);   // outside
    EXPECT_NE(bitmap.Clone(Integer(0), 0, 2, 2, PixelFormat32bppARGB), nullptr);
    bitmap.SetPixel(10, 10, 0);
    EXPECT_EQ(bitmap.Clone(Single(0), Single(0), Single(2), Single(2), PixelFormat32bppARGB), nullptr);
}

TEST(GxGDIPlusClasses, TheLayersOwnAnswers)
{
    // A pen of a gradient brush has no colour: WrongState, returned and not kept.
    TGPLinearGradientBrush gradient(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    TGPPen gradientPen(&gradient, 1);
    ARGB color = 0x12345678;
    EXPECT_EQ(gradientPen.GetColor(color), WrongState);
    EXPECT_EQ(color, 0x12345678u);
    EXPECT_EQ(gradientPen.GetLastStatus(), Ok);
    std::unique_ptr<TGPBrush> penBrush = gradientPen.GetBrush();
    EXPECT_NE(dynamic_cast<TGPLinearGradientBrush*>(penBrush.get()), nullptr);
    // A pen made on a brush without a native brush: nil handle and the failure; freeing is harmless.
    TGPSolidBrush empty;
    auto* broken = new TGPPen(&empty, 1);
    EXPECT_EQ(broken->Native(), nullptr);
    EXPECT_NE(broken->GetLastStatus(), Ok);
    delete broken;
    // Counts the layer refuses without asking GDI+.
    TGPPen pen(0xFF000000, 1);
    EXPECT_EQ(pen.GetCompoundArray(nullptr, 0), InvalidParameter);
    EXPECT_EQ(pen.GetLastStatus(), InvalidParameter);
    TGPPointF square[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    TGPPathGradientBrush radial(square, 4);
    ARGB colors[4] = {};
    Integer count = 1;
    EXPECT_EQ(radial.GetSurroundColors(colors, count), InsufficientBuffer);
    EXPECT_EQ(radial.GetLastStatus(), InsufficientBuffer);
    count = 4;
    EXPECT_EQ(radial.GetSurroundColors(colors, count), Ok);
    // An empty brush answers NotImplemented.
    EXPECT_EQ(TGPBrush().GetLastStatus(), NotImplemented);
    // Drawing an image needs three or four corner points.
    TGPBitmap target(8, 8);
    TGPGraphics g(&target);
    TGPBitmap picture(2, 2);
    TGPPointF corners[3] = {{0, 0}, {4, 0}, {0, 4}};
    EXPECT_EQ(g.DrawImage(&picture, corners, 2), InvalidParameter);
    EXPECT_EQ(g.DrawImage(&picture, corners, 3), Ok);
}

TEST(GxGDIPlusClasses, MatricesPathsAndSurfaces)
{
    for (MatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
        TGPMatrix m;
        m.RotateAt(180, TGPPointF{10, 0}, order);
        TGPPointF p{0, 0};
        m.TransformPoints(&p);
        EXPECT_NEAR(p.X, 20, 1e-4) << order;
        EXPECT_NEAR(p.Y, 0, 1e-4) << order;
    }
    TGPGraphicsPath winding(FillModeWinding);
    EXPECT_EQ(winding.GetFillMode(), FillModeWinding);
    // Path data: an empty path empties the record; a larger path makes the arrays anew.
    TPathData data;
    data.Count = 3;
    data.Points = new TGPPointF[3];
    data.Types = new std::uint8_t[3];
    TGPGraphicsPath empty;
    EXPECT_EQ(empty.GetPathData(data), Ok);
    EXPECT_EQ(data.Count, 0);
    EXPECT_EQ(data.Points, nullptr);
    TGPPointF five[5] = {{0, 0}, {1, 0}, {2, 1}, {1, 2}, {0, 1}};
    TGPGraphicsPath polygon;
    polygon.AddLines(five, 5);
    data.Count = 3;
    data.Points = new TGPPointF[3];
    data.Types = new std::uint8_t[3];
    EXPECT_EQ(polygon.GetPathData(data), Ok);
    EXPECT_EQ(data.Count, 5);
    EXPECT_EQ(data.Points[2].X, 2);
    EXPECT_EQ(data.Points[2].Y, 1);
    // A surface on no image has a nil handle and status Ok; its calls then fail and are kept.
    TGPGraphics nowhere(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(nowhere.Native(), nullptr);
    EXPECT_EQ(nowhere.GetLastStatus(), Ok);
    EXPECT_EQ(nowhere.GetSmoothingMode(), -1);
    EXPECT_NE(nowhere.GetLastStatus(), Ok);
    EXPECT_TRUE(nowhere.IsVisible(0, 0, 5, 5));
    EXPECT_FALSE(nowhere.IsVisible(0, 0));
    TGPImage none(nullptr, InvalidParameter);
    TGPSizeF size{7, 7};
    EXPECT_NE(none.GetPhysicalDimension(size), Ok);
    EXPECT_EQ(size.Width, 0);
    EXPECT_EQ(size.Height, 0);
}

TEST(GxGDIPlusClasses, FontsFallBackToTheGenericSansSerif)
{
    TGPFont unknown("No Such Face Anywhere", 10, FontStyleRegular, UnitPoint);
    EXPECT_EQ(unknown.GetLastStatus(), Ok);
    ASSERT_TRUE(unknown.IsAvailable());
    TGPFontFamily family;
    EXPECT_EQ(unknown.GetFamily(&family), Ok);
    String name, generic;
    family.GetFamilyName(name);
    TGPFontFamily::GenericSansSerif()->GetFamilyName(generic);
    EXPECT_EQ(name, generic);
    EXPECT_EQ(unknown.GetSize(), 10);
    // The layer's families by their own names.
    TGPFont tahoma("Tahoma", 8, FontStyleBold, UnitPoint);
    TGPFontFamily tahomaFamily;
    tahoma.GetFamily(&tahomaFamily);
    tahomaFamily.GetFamilyName(name);
    EXPECT_EQ(name, String("Tahoma"));
    EXPECT_EQ(tahoma.GetStyle(), FontStyleBold);
}

TEST(GxGDIPlusClasses, ObjectsTheProgramDoesNotUseStillAnswer)
{
    // A font collection refuses to look for no family and touches nothing.
    TGPFontCollection installed;
    std::vector<TGPFontFamily*> none;
    Integer found = 7;
    EXPECT_EQ(installed.GetFamilies(0, none, found), InvalidParameter);
    EXPECT_EQ(found, 7);
    // A measured layout size is left as it was when the call fails.
    TGPGraphics nowhere(static_cast<TGPImage*>(nullptr));
    TGPSizeF size{3, 4};
    EXPECT_NE(nowhere.MeasureString("Dam", 3, nullptr, TGPSizeF{100, 100}, nullptr, size), Ok);
    EXPECT_EQ(size.Width, 3);
    EXPECT_EQ(size.Height, 4);
    // Character ranges need at least one region; the refusal is not kept.
    TGPBitmap target(8, 8);
    TGPGraphics g(&target);
    EXPECT_EQ(g.MeasureCharacterRanges("Dam", 3, nullptr, TGPRectF{0, 0, 50, 20}, nullptr, 0, nullptr),
              InvalidParameter);
    EXPECT_EQ(g.GetLastStatus(), Ok);
    // Entries the library lacks answer NotImplemented.
    std::uint8_t comment[2] = {1, 2};
    EXPECT_EQ(g.AddMetafileComment(comment, 2), NotImplemented);
    TGPCachedBitmap cached(&target, &g);
    EXPECT_EQ(cached.GetLastStatus(), NotImplemented);
    EXPECT_EQ(g.DrawCachedBitmap(&cached, 0, 0), NotImplemented);
    g.GetLastStatus();
    // An empty text is drawn with length 0.
    TGPSolidBrush brush(0xFF000000);
    TGPFont font("Liberation Sans", 8);
    EXPECT_EQ(g.DrawString("", &font, TGPRectF{0, 0, 8, 8}, nullptr, &brush), Ok);
    // Custom caps, image attributes and containers.
    TGPGraphicsPath arrow;
    TGPPointF head[3] = {{-2, -2}, {0, 0}, {2, -2}};
    arrow.AddLines(head, 3);
    TGPCustomLineCap cap(nullptr, &arrow);
    EXPECT_EQ(cap.GetLastStatus(), Ok);
    EXPECT_EQ(cap.SetStrokeCaps(1, 2), Ok);
    Integer start = -1, end = -1;
    EXPECT_EQ(cap.GetStrokeCaps(start, end), Ok);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    TGPPen pen(0xFF000000, 1);
    EXPECT_EQ(pen.SetCustomEndCap(&cap), Ok);
    EXPECT_EQ(pen.GetCustomEndCap(nullptr), InvalidParameter);
    TGPImageAttributes attributes;
    EXPECT_EQ(attributes.GetLastStatus(), Ok);
    EXPECT_EQ(attributes.SetColorKey(0xFF000000, 0xFF101010), Ok);
    EXPECT_EQ(attributes.ClearColorKey(), Ok);
    EXPECT_NE(attributes.Clone(), nullptr);
    Cardinal state = g.BeginContainer();
    EXPECT_EQ(g.EndContainer(state), Ok);
}

TEST(GxGDIPlusClasses, RegionsTextPathsAndLogicalFonts)
{
    // A region keeps its shape through its data.
    TGPRegion square(TGPRectF{0, 0, 10, 10});
    square.Exclude(TGPRectF{0, 0, 5, 10});
    Cardinal size = square.GetDataSize();
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> data(size);
    EXPECT_EQ(square.GetData(data.data(), size), Ok);
    TGPRegion copy(data.data(), static_cast<Integer>(size));
    EXPECT_TRUE(copy.IsVisible(7, 5));
    EXPECT_FALSE(copy.IsVisible(2, 5));
    // A text outline has points inside its layout.
    TGPGraphicsPath text;
    TGPFontFamily family("Liberation Sans");
    EXPECT_EQ(text.AddString("Dam", 3, &family, FontStyleRegular, 20, TGPPointF{0, 0}, nullptr), Ok);
    EXPECT_GT(text.GetPointCount(), 10);
    TGPRectF bounds;
    text.GetBounds(bounds);
    EXPECT_GT(bounds.Width, 20);
    // A platform font by its logical font, and back.
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    TGPFont fromFont(nullptr, &font);
    EXPECT_EQ(fromFont.GetLastStatus(), Ok);
    EXPECT_EQ(fromFont.GetSize(), 13);
    LOGFONTA logfont;
    TGPBitmap target(4, 4);
    TGPGraphics g(&target);   // libgdiplus wants a surface to convert the size
    EXPECT_EQ(fromFont.GetLogFontA(&g, logfont), Ok);
    EXPECT_STREQ(logfont.lfFaceName, "Liberation Sans");
}
