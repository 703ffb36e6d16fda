#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graphics/GxGraphicsTypes.h"
#include "platform/graphics/Bitmaps.h"

namespace {

TGxGraphicsMatrix Rows(std::initializer_list<float> values)
{
    TGxGraphicsMatrix m = MatrixEmpty();
    int i = 0;
    for (float v : values) m.M[i / 3].V[i % 3] = v, ++i;
    return m;
}

void ExpectMatrixNear(const TGxGraphicsMatrix& actual, const TGxGraphicsMatrix& expected, float tolerance,
                      const char* name)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(actual.M[r].V[c], expected.M[r].V[c], tolerance) << name << " (" << r + 1 << "," << c + 1 << ")";
}

TEST(GxMatrix, ProductsMapPointsInOrder)
{
    struct Case {
        const char* Name;
        TGxGraphicsMatrix Matrix;
        TPointF Point, Expected;
    } cases[] = {
        {"translate then scale", MatrixCreateTranslation(10, 0) * MatrixCreateScaling(2, 2), {1, 1}, {22, 2}},
        {"scale then translate", MatrixCreateScaling(2, 2) * MatrixCreateTranslation(10, 0), {1, 1}, {12, 2}},
        {"quarter turn of x", MatrixCreateRotation(std::numbers::pi_v<float> / 2), {1, 0}, {0, 1}},
        {"quarter turn of y", MatrixCreateRotation(std::numbers::pi_v<float> / 2), {0, 1}, {-1, 0}},
        {"identity", MatrixIdentity(), {3.5f, -2}, {3.5f, -2}},
        {"third column left out", Rows({1, 0, 7, 0, 1, 7, 2, 3, 7}), {1, 1}, {3, 4}},
    };
    for (const Case& c : cases) {
        const TPointF p = MatrixMultiplyPoint(c.Point, c.Matrix);
        EXPECT_NEAR(p.X, c.Expected.X, 1e-6f) << c.Name;
        EXPECT_NEAR(p.Y, c.Expected.Y, 1e-6f) << c.Name;
    }
    // the product of matrices by rows and columns
    const TGxGraphicsMatrix a = Rows({1, 2, 3, 4, 5, 6, 7, 8, 9}), b = Rows({9, 8, 7, 6, 5, 4, 3, 2, 1});
    ExpectMatrixNear(MatrixMultiply(a, b), Rows({30, 24, 18, 84, 69, 54, 138, 114, 90}), 0, "product");
}

TEST(GxMatrix, DeterminantsAndInverses)
{
    // a matrix of determinant 1 with a known integer inverse
    const TGxGraphicsMatrix m = Rows({1, 2, 3, 0, 1, 4, 5, 6, 0});
    EXPECT_FLOAT_EQ(m.Determinant(), 1);
    ExpectMatrixNear(m.Adjoint(), Rows({-24, 18, 5, 20, -15, -4, -5, 4, 1}), 0, "adjugate");
    ExpectMatrixNear(m.Inverse(), Rows({-24, 18, 5, 20, -15, -4, -5, 4, 1}), 0, "inverse");

    struct Case {
        const char* Name;
        TGxGraphicsMatrix Matrix, Inverse;
    } cases[] = {
        {"translation", MatrixCreateTranslation(5, 7), MatrixCreateTranslation(-5, -7)},
        {"scaling", MatrixCreateScaling(2, 4), MatrixCreateScaling(0.5f, 0.25f)},
        {"rotation", MatrixCreateRotation(0.3f), MatrixCreateRotation(-0.3f)},
        {"all zero", MatrixEmpty(), MatrixIdentity()},
        {"singular", Rows({1, 2, 0, 2, 4, 0, 0, 0, 1}), MatrixIdentity()},
        {"below 1E-40", MatrixCreateScaling(1e-21f, 1e-21f), MatrixIdentity()},
        {"tiny but regular", MatrixCreateScaling(1e-19f, 1e-19f), MatrixCreateScaling(1e19f, 1e19f)},
    };
    for (const Case& c : cases) {
        const float tolerance = c.Inverse.m11 > 1e10f ? 1e13f : 1e-6f;
        ExpectMatrixNear(c.Matrix.Inverse(), c.Inverse, tolerance, c.Name);
    }
    EXPECT_FLOAT_EQ(Rows({2, 0, 0, 0, 3, 0, 1, 1, 1}).Determinant(), 6);
    EXPECT_TRUE(IsMatrixEmpty(MatrixEmpty()));
    EXPECT_FALSE(IsMatrixEmpty(MatrixIdentity()));
    EXPECT_FALSE(IsMatrixEmpty(Rows({0, 0, 0, 0, 0, 0, 0, 0, 1e-30f})));
}

TEST(GxPolygons, PointTestsAndRectangles)
{
    const TGxGraphicsPathPolygon square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        TPointF P;
        bool Inside;
    } cases[] = {{{5, 5}, true}, {{15, 5}, false}, {{5, 10}, false}, {{0, 5}, true}, {{10, 5}, false},
                 {{5, 0}, true}, {{-0.1f, 5}, false}};
    for (const Case& c : cases) EXPECT_EQ(PointInPolygon(c.P, square), c.Inside) << c.P.X << "," << c.P.Y;
    EXPECT_FALSE(PointInPolygon({0, 0}, {}));
    // a concave U: the notch is outside
    const TGxGraphicsPathPolygon u = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    EXPECT_FALSE(PointInPolygon({1.5f, 2}, u));
    EXPECT_TRUE(PointInPolygon({0.5f, 2}, u));

    EXPECT_FALSE(AnyPolygonPointInRect({{10, 10}}, {0, 0, 10, 10}));
    EXPECT_TRUE(AnyPolygonPointInRect({{10, 10}}, {0, 0, 10.5f, 10.5f}));
    EXPECT_TRUE(AnyPolygonPointInRect({{20, 20}, {0, 0}}, {0, 0, 1, 1}));
    EXPECT_FALSE(AnyPolygonPointInRect({}, {0, 0, 1, 1}));
    for (int mode = gcrmNone; mode <= gcrmShiftLeftAndExpandHeight; ++mode)
        EXPECT_EQ(ModifyRect({1, 2, 3, 4}, static_cast<TGxGraphicsModifyRectMode>(mode)), (TRectF{1, 2, 3, 4}));
}

// Counts the announcements of a value holder.
class TListener : public TObject {
public:
    void Changed(TObject* sender)
    {
        ++Count;
        Sender = sender;
    }
    int Count = 0;
    TObject* Sender = nullptr;
};

TEST(GxFill, ColoursAreStoredWithoutTheMarkers)
{
    TGxGraphicsFill fill(gfkSolid, clRed, clBlue, -1, -1);
    TListener listener;
    fill.OnChanged = TNotifyEvent(&listener, &TListener::Changed);
    fill.SetColor(clNone);
    EXPECT_EQ(fill.Color(), -1);
    EXPECT_EQ(listener.Count, 1);
    EXPECT_EQ(listener.Sender, &fill);
    fill.SetColor(-1);   // the same value: nothing happens
    EXPECT_EQ(listener.Count, 1);
    fill.SetColor(clNone);   // compared before the mapping: announced again
    EXPECT_EQ(listener.Count, 2);
    fill.SetColorTo(clDefault);
    EXPECT_EQ(fill.ColorTo(), clBtnFace);
    fill.SetColorMirror(clNone);
    fill.SetColorMirrorTo(clDefault);
    EXPECT_EQ(fill.ColorMirror(), -1);
    EXPECT_EQ(fill.ColorMirrorTo(), clBtnFace);
    EXPECT_EQ(listener.Count, 5);   // the mirror colour was -1 and clNone differs from it
}

TEST(GxFill, UpdatesGroupAnnouncements)
{
    TGxGraphicsFill fill(gfkSolid, clWhite, clGray, -1, -1);
    TListener listener;
    fill.OnChanged = TNotifyEvent(&listener, &TListener::Changed);
    fill.BeginUpdate();
    fill.SetColor(clRed);
    fill.SetKind(gfkGradient);
    fill.SetOpacity(0.5f);
    EXPECT_EQ(listener.Count, 0);
    fill.EndUpdate();
    EXPECT_EQ(listener.Count, 1);
    fill.BeginUpdate();
    fill.EndUpdate();
    EXPECT_EQ(listener.Count, 2);   // a balanced pair always announces once

    struct Case {
        const char* Name;
        void (*Change)(TGxGraphicsFill&);
        int Announcements;
    } cases[] = {
        {"same kind", [](TGxGraphicsFill& f) { f.SetKind(gfkGradient); }, 0},
        {"orientation", [](TGxGraphicsFill& f) { f.SetGradientOrientation(gfoHorizontal); }, 1},
        {"same opacity", [](TGxGraphicsFill& f) { f.SetOpacity(0.5f); }, 0},
        {"not a number", [](TGxGraphicsFill& f) { f.SetOpacity(NAN); }, 1},
        {"centre point", [](TGxGraphicsFill& f) { f.SetGradientCenterPoint(f.GradientCenterPoint()); }, 1},
        {"stop", [](TGxGraphicsFill& f) { f.AddGradientItem(clRed, 0.5f, 1); }, 2},
        {"clear stops", [](TGxGraphicsFill& f) { f.ClearGradientItems(); }, 0},
        {"texture", [](TGxGraphicsFill& f) { f.Texture()->Bitmap().SetSize(2, 2); }, 1},
        {"matrix", [](TGxGraphicsFill& f) { f.GradientMatrix = MatrixCreateScaling(2, 2); }, 0},
    };
    for (const Case& c : cases) {
        const int before = listener.Count;
        c.Change(fill);
        EXPECT_EQ(listener.Count - before, c.Announcements) << c.Name;
    }
    ASSERT_EQ(fill.GradientItems()->Count(), 0);
    TGxGraphicsFillGradientItem* item = fill.AddGradientItem(clBlue, 0.25f, 0.75f);
    EXPECT_EQ(item->Color(), clBlue);
    EXPECT_FLOAT_EQ(item->Position(), 0.25f);
    EXPECT_FLOAT_EQ(item->Opacity(), 0.75f);
    fill.AddGradientItem(clRed, 1, 1);
    std::vector<TColor> stops;
    for (TGxGraphicsFillGradientItem* stop : *fill.GradientItems()) stops.push_back(stop->Color());
    EXPECT_EQ(stops, (std::vector<TColor>{clBlue, clRed}));
    // The enumerator starts before the first stop and answers False past the last.
    auto enumerator = fill.GradientItems()->GetEnumerator();
    std::vector<TColor> enumerated;
    while (enumerator->MoveNext()) enumerated.push_back(enumerator->Current()->Color());
    EXPECT_EQ(enumerated, stops);
    EXPECT_FALSE(enumerator->MoveNext());
}

TEST(GxFill, FillsAndStrokesCopyEachOther)
{
    TGxGraphicsFill fill(gfkGradient, clRed, clBlue, clLime, clNavy);
    fill.GradientMatrix = MatrixCreateTranslation(3, 4);
    TGxGraphicsStroke stroke(gskDash, clLime);
    stroke.SetWidth(3);
    stroke.SetOpacity(0.5f);
    TListener listener;
    fill.OnChanged = TNotifyEvent(&listener, &TListener::Changed);
    fill.Assign(&stroke);
    EXPECT_EQ(listener.Count, 1);
    EXPECT_EQ(fill.Kind(), gfkSolid);
    EXPECT_EQ(fill.Color(), clLime);
    EXPECT_EQ(fill.ColorTo(), -1);
    EXPECT_EQ(fill.ColorMirror(), -1);
    EXPECT_EQ(fill.ColorMirrorTo(), -1);
    EXPECT_FLOAT_EQ(fill.Opacity(), 1);
    EXPECT_EQ(fill.Orientation(), gfoVertical);

    TGxGraphicsFill copy(gfkNone, clBlack, clBlack, -1, -1);
    fill.SetGradientAngle(30);
    fill.AddGradientItem(clRed, 1, 1);
    copy.Assign(&fill);
    EXPECT_EQ(copy.Color(), clLime);
    EXPECT_FLOAT_EQ(copy.GradientAngle(), 30);
    EXPECT_EQ(copy.GradientItems()->Count(), 1);
    EXPECT_EQ(copy.GradientMatrix.m31, 0);   // the matrix stays the target's
    EXPECT_EQ(copy.DefaultKind(), gfkNone);

    stroke.Assign(&fill);
    EXPECT_EQ(stroke.Kind(), gskSolid);
    EXPECT_EQ(stroke.Color(), clLime);
    EXPECT_FLOAT_EQ(stroke.Width(), 1);
    EXPECT_FLOAT_EQ(stroke.Opacity(), 1);
    fill.Assign(nullptr);   // nothing copied, no error
    EXPECT_EQ(fill.Color(), clLime);

    TGxGraphicsSaveState state;
    EXPECT_EQ(state.Fill()->Color(), clWhite);
    EXPECT_EQ(state.Fill()->ColorTo(), clGray);
    EXPECT_EQ(state.Stroke()->Color(), clSilver);
    EXPECT_EQ(state.Font()->Height(), -11);
    state.SetStroke(&stroke);
    EXPECT_EQ(state.Stroke()->Color(), clLime);
}

TEST(GxFont, ChangesAreAnnouncedOnce)
{
    TGxGraphicsFont font, other;
    other.SetName("Arial");
    other.SetHeight(-20);
    TListener listener;
    font.OnChanged = TNotifyEvent(&listener, &TListener::Changed);
    font.SetHeight(-12);
    EXPECT_EQ(listener.Count, 1);
    font.AssignSource(&other);
    EXPECT_EQ(listener.Count, 2);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Height(), -20);
}

// The grey level of column x (horizontal gradient) of a 100-pixel gradient from black to white.
TEST(GxGradient, BandsOfAHorizontalGradient)
{
    TBitmap bmp(100, 4);
    TCanvas& canvas = bmp.Canvas();
    canvas.Brush().SetColor(clYellow);
    canvas.Brush().SetStyle(TBrushStyle::bsCross);
    canvas.Pen().SetColor(clAqua);
    canvas.Pen().SetStyle(TPenStyle::psDot);
    DrawCanvasGradient(canvas, clBlack, clWhite, Rect(0, 0, 100, 4), 0, TGxGraphicsCorners{}, true);
    // the step 255 / 100 is held as a 32-bit float (2.5499999523)
    struct Case {
        int Band, Grey;
    } cases[] = {{0, 0}, {1, 3}, {2, 5}, {10, 25}, {50, 127}, {98, 250}, {99, 252}};
    for (const Case& c : cases)
        for (int y : {0, 3}) EXPECT_EQ(canvas.Pixel(c.Band, y), c.Grey * 0x010101) << c.Band << "," << y;
    EXPECT_EQ(canvas.Brush().Color(), clYellow);
    EXPECT_EQ(canvas.Brush().Style(), TBrushStyle::bsCross);
    EXPECT_EQ(canvas.Pen().Color(), clAqua);
    EXPECT_EQ(canvas.Pen().Style(), TPenStyle::psDot);
}

TEST(GxGradient, RoundedCornersAndEmptyExtents)
{
    // a 100 x 40 rectangle with corners of radius 10
    TBitmap bmp(100, 40);
    TCanvas& canvas = bmp.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 100, 40));
    const TGxGraphicsCorners all{gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight};
    DrawCanvasGradient(canvas, clRed, clRed, Rect(0, 0, 100, 40), 10, all, true);
    struct Case {
        int X, FirstRow, LastRow;
    } cases[] = {
        {0, 10, 29},   // band 0 runs from Top + 10 to Bottom - 10
        {10, 0, 39},   // band 10 spans the whole height
        {5, 1, 38},    // 10 - sqrt(100 - 25) = 1.34
        {99, 6, 33},   // the last end: 10 - sqrt(100 - 81) = 5.64
    };
    for (const Case& c : cases) {
        if (c.FirstRow > 0) { EXPECT_EQ(canvas.Pixel(c.X, c.FirstRow - 1), clWhite) << c.X; }
        EXPECT_EQ(canvas.Pixel(c.X, c.FirstRow), clRed) << c.X;
        EXPECT_EQ(canvas.Pixel(c.X, c.LastRow), clRed) << c.X;
        if (c.LastRow < 39) { EXPECT_EQ(canvas.Pixel(c.X, c.LastRow + 1), clWhite) << c.X; }
    }
    // only the left corners round the vertical gradient's first rows
    canvas.FillRect(Rect(0, 0, 100, 40));
    DrawCanvasGradient(canvas, clBlue, clBlue, Rect(0, 0, 100, 40), 10, TGxGraphicsCorners{gcTopLeft}, false);
    EXPECT_EQ(canvas.Pixel(9, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(10, 0), clBlue);
    EXPECT_EQ(canvas.Pixel(99, 0), clBlue);
    EXPECT_EQ(canvas.Pixel(0, 39), clBlue);
    // a rectangle of no width draws nothing
    canvas.FillRect(Rect(0, 0, 100, 40));
    DrawCanvasGradient(canvas, clBlue, clBlue, Rect(5, 0, 5, 40), 0, TGxGraphicsCorners{}, true);
    EXPECT_EQ(canvas.Pixel(5, 5), clWhite);
    EXPECT_EQ(canvas.Pixel(4, 5), clWhite);
}

void ExpectPoints(const TGxGraphicsPath& path, const std::vector<TGxGraphicsPathPoint>& expected, const char* name)
{
    ASSERT_EQ(path.Count(), static_cast<Integer>(expected.size())) << name;
    for (size_t i = 0; i < expected.size(); ++i) {
        const TGxGraphicsPathPoint p = path.Points(static_cast<Integer>(i));
        EXPECT_EQ(p.Kind, expected[i].Kind) << name << " point " << i;
        EXPECT_NEAR(p.Point.X, expected[i].Point.X, 1e-4f) << name << " point " << i;
        EXPECT_NEAR(p.Point.Y, expected[i].Point.Y, 1e-4f) << name << " point " << i;
    }
}

TEST(GxPath, EllipseAndRectanglePointSequences)
{
    TGxGraphicsPath ellipse;
    ellipse.AddEllipse({0, 0, 100, 50});
    // quarter curves with control points 0.5522848 of the half axes (27.61424 and 13.80712) away
    ExpectPoints(ellipse,
                 {{gppMoveTo, false, {0, 25}},
                  {gppCurveTo, false, {0, 11.19288f}}, {gppCurveTo, false, {22.38576f, 0}}, {gppCurveTo, false, {50, 0}},
                  {gppCurveTo, false, {77.61424f, 0}}, {gppCurveTo, false, {100, 11.19288f}}, {gppCurveTo, false, {100, 25}},
                  {gppCurveTo, false, {100, 38.80712f}}, {gppCurveTo, false, {77.61424f, 50}}, {gppCurveTo, false, {50, 50}},
                  {gppCurveTo, false, {22.38576f, 50}}, {gppCurveTo, false, {0, 38.80712f}}, {gppCurveTo, false, {0, 25}}},
                 "ellipse");
    EXPECT_TRUE(ellipse.IsClippable());
    EXPECT_EQ(ellipse.GetBounds(), (TRectF{0, 0, 100, 50}));
    EXPECT_TRUE(ellipse.IsPointVisible({50, 25}));
    EXPECT_FALSE(ellipse.IsPointVisible({99, 1}));
    EXPECT_TRUE(ellipse.IsRectVisible({49, -1, 51, 1}));

    TGxGraphicsPath square;
    square.AddRectangle({1, 2, 11, 12}, 0, 0);
    ExpectPoints(square,
                 {{gppMoveTo, false, {1, 2}}, {gppLineTo, false, {11, 2}}, {gppLineTo, false, {11, 12}},
                  {gppLineTo, false, {1, 12}}, {gppClose, false, {1, 2}}},
                 "square");

    // rounded: from the bottom-left corner, each arc joined by a line to its start
    TGxGraphicsPath rounded;
    rounded.AddRectangle({0, 0, 100, 50}, 10, 10);
    ASSERT_EQ(rounded.Count(), 26);
    const struct {
        int Index;
        TGxGraphicsPathPointKind Kind;
        TPointF Point;
    } marks[] = {{0, gppMoveTo, {10, 50}}, {1, gppLineTo, {10, 50}}, {4, gppCurveTo, {0, 40}}, {5, gppLineTo, {0, 40}},
                 {6, gppLineTo, {0, 10}},  {7, gppLineTo, {0, 10}},  {10, gppCurveTo, {10, 0}}, {13, gppLineTo, {90, 0}},
                 {16, gppCurveTo, {100, 10}}, {22, gppCurveTo, {90, 50}}, {24, gppLineTo, {10, 50}},
                 {25, gppClose, {10, 50}}};
    for (const auto& m : marks) {
        const TGxGraphicsPathPoint p = rounded.Points(m.Index);
        EXPECT_EQ(p.Kind, m.Kind) << m.Index;
        EXPECT_NEAR(p.Point.X, m.Point.X, 1e-4f) << m.Index;
        EXPECT_NEAR(p.Point.Y, m.Point.Y, 1e-4f) << m.Index;
    }
    EXPECT_THROW(rounded.Points(26), EListError);
    EXPECT_THROW(rounded.Points(-1), EListError);
}

TEST(GxPath, ArcsTurnClockwiseOnScreen)
{
    // a quarter circle: control points 4/3 tan(pi/8) = 0.5522847 of the radius away
    TGxGraphicsPath quarter;
    quarter.AddArc({0, 0}, {10, 10}, 0, 90);
    ExpectPoints(quarter,
                 {{gppMoveTo, false, {10, 0}}, {gppCurveTo, false, {10, 5.522847f}},
                  {gppCurveTo, false, {5.522847f, 10}}, {gppCurveTo, false, {0, 10}}},
                 "quarter");
    struct Case {
        float Start, Sweep;
        int Count;
        TPointF First, Last;
    } cases[] = {
        {0, 360, 13, {10, 0}, {10, 0}},    {0, 400, 13, {10, 0}, {10, 0}},  {0, 0, 0, {}, {}},
        {450, 90, 4, {0, 10}, {-10, 0}},   {90, 90, 4, {0, 10}, {-10, 0}},  {0, -90, 4, {10, 0}, {0, -10}},
        {-90, 45, 4, {0, -10}, {7.071068f, -7.071068f}}, {0, 135, 7, {10, 0}, {-7.071068f, 7.071068f}},
    };
    for (const Case& c : cases) {
        TGxGraphicsPath path;
        path.AddArc({0, 0}, {10, 10}, c.Start, c.Sweep);
        ASSERT_EQ(path.Count(), c.Count) << c.Start << " " << c.Sweep;
        if (c.Count == 0) continue;
        EXPECT_NEAR(path.Points(0).Point.X, c.First.X, 1e-4f) << c.Start << " " << c.Sweep;
        EXPECT_NEAR(path.Points(0).Point.Y, c.First.Y, 1e-4f) << c.Start << " " << c.Sweep;
        EXPECT_NEAR(path.LastPoint().X, c.Last.X, 1e-4f) << c.Start << " " << c.Sweep;
        EXPECT_NEAR(path.LastPoint().Y, c.Last.Y, 1e-4f) << c.Start << " " << c.Sweep;
    }
    // on a path with points the arc is joined by a line
    TGxGraphicsPath joined;
    joined.MoveTo({0, 0});
    joined.AddArc({0, 0}, {10, 10}, 0, 90);
    EXPECT_EQ(joined.Points(1).Kind, gppLineTo);
}

TEST(GxPath, BuildingClosingAndCurves)
{
    TGxGraphicsPath path;
    path.MoveTo({0, 0});
    path.LineTo({10, 0});
    EXPECT_FALSE(path.IsClippable());
    path.LineTo({0, 0.0001f});
    EXPECT_FALSE(path.IsClippable());
    path.LineTo({0, 0});   // back to the start point closes the figure
    EXPECT_TRUE(path.IsClippable());
    path.Clear();
    EXPECT_EQ(path.Count(), 0);
    EXPECT_TRUE(path.IsClippable());

    TGxGraphicsPath curves;
    curves.MoveTo({0, 0});
    curves.QuadCurveTo({3, 3}, {6, 0});
    curves.SmoothCurveTo({9, 3}, {12, 0});
    ExpectPoints(curves,
                 {{gppMoveTo, false, {0, 0}}, {gppCurveTo, false, {2, 2}}, {gppCurveTo, false, {4, 2}},
                  {gppCurveTo, false, {6, 0}}, {gppCurveTo, false, {8, -2}}, {gppCurveTo, false, {9, 3}},
                  {gppCurveTo, false, {12, 0}}},
                 "curves");
    TGxGraphicsPath polyline;
    polyline.AddLine({1, 1}, {2, 2});
    polyline.AddLine({3, 3}, {4, 4});
    polyline.AddPolygon({{5, 5}});
    ExpectPoints(polyline,
                 {{gppMoveTo, false, {1, 1}}, {gppLineTo, false, {2, 2}}, {gppLineTo, false, {3, 3}},
                  {gppLineTo, false, {4, 4}}, {gppLineTo, false, {5, 5}}},
                 "lines");
    TGxGraphicsPath copy;
    copy.AddPath(curves);
    copy.Assign(&polyline);
    EXPECT_EQ(copy.Count(), 5);
    EXPECT_FALSE(copy.IsClippable());
}

TEST(GxPath, BoundsAndTransforms)
{
    TGxGraphicsPath point;
    point.MoveTo({5, 5});
    EXPECT_EQ(point.GetBounds(), (TRectF{5, 5, 5.001f, 5.001f}));
    EXPECT_EQ(TGxGraphicsPath().GetBounds(), TRectF{});

    TGxGraphicsPath curve;
    curve.MoveTo({0, 0});
    curve.CurveTo({0, 100}, {100, 100}, {100, 0});
    EXPECT_EQ(curve.GetBounds(), (TRectF{0, 0, 100, 100}));   // control points count
    curve.ClosePath();
    curve.ApplyMatrix(MatrixCreateTranslation(5, 5));
    EXPECT_EQ(curve.GetBounds(), (TRectF{5, 5, 105, 105}));
    EXPECT_EQ(curve.Points(4).Point, (TPointF{0, 0}));   // the close point keeps its coordinates
}

TEST(GxPath, FlatteningIntoLinesAndPolygons)
{
    // a straight curve of length 10: one sample per half unit at flatness 0.5
    TGxGraphicsPath line;
    line.MoveTo({0, 0});
    line.CurveTo({10.0f / 3, 0}, {20.0f / 3, 0}, {10, 0});
    TGxGraphicsPath flat;
    flat.Assign(&line);
    flat.Flatten(0.5f);
    ASSERT_EQ(flat.Count(), 21);
    EXPECT_EQ(flat.Points(1).Point, (TPointF{0, 0}));
    EXPECT_NEAR(flat.Points(20).Point.X, 10, 1e-5f);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(flat.Points(i).Kind, gppLineTo);

    // flatness below 0.05 flattens as 0.05
    TGxGraphicsPath fine, limit;
    fine.Assign(&line);
    limit.Assign(&line);
    fine.Flatten(0.01f);
    limit.Flatten(0.05f);
    EXPECT_EQ(fine.Count(), limit.Count());
    EXPECT_EQ(fine.Count(), 201);

    // a curve of length 0.06 at flatness 0.05 becomes one line; the next curve starts at its end
    TGxGraphicsPath tiny;
    tiny.MoveTo({0, 0});
    tiny.CurveTo({0.02f, 0}, {0.04f, 0}, {0.06f, 0});
    tiny.CurveTo({0.06f, 1.0f / 3}, {0.06f, 2.0f / 3}, {0.06f, 1});
    tiny.Flatten(0.05f);
    EXPECT_EQ(tiny.Points(1).Kind, gppLineTo);
    EXPECT_EQ(tiny.Points(1).Point, (TPointF{0.06f, 0}));
    EXPECT_EQ(tiny.Points(2).Point, (TPointF{0.06f, 0}));
    EXPECT_EQ(tiny.Count(), 2 + 20);

    TGxGraphicsPathPolygon polygon;
    TGxGraphicsPath square;
    square.MoveTo({0, 0});
    square.LineTo({10, 0});
    square.LineTo({10, 10});
    square.LineTo({0, 10});
    square.ClosePath();
    square.FlattenToPolygon(polygon, 1);
    ASSERT_EQ(polygon.size(), 5u);
    EXPECT_EQ(polygon[4], polygon[0]);
    square.Clear();
    square.MoveTo({0, 0});
    for (TPointF p : {TPointF{10, 0}, TPointF{10, 10}, TPointF{0, 10}, TPointF{0, 0}}) square.LineTo(p);
    square.ClosePath();
    square.FlattenToPolygon(polygon, 1);
    EXPECT_EQ(polygon.size(), 5u);   // the close point equals the last vertex

    TGxGraphicsPath broken;
    broken.MoveTo({0, 0});
    broken.PathData().push_back({gppCurveTo, false, {1, 1}});
    EXPECT_THROW(broken.FlattenToPolygon(polygon, 1), EListError);
}

TEST(GxPath, HugeCurvesAreFlattenedIntoABoundedNumberOfPoints)
{
    // a circle of radius 10 000 000, four curves 15 700 000 long, at flatness 0.25
    TGxGraphicsPath circle;
    circle.AddEllipse({-1e7f, -1e7f, 1e7f, 1e7f});
    TGxGraphicsPathPolygon polygon;
    circle.FlattenToPolygon(polygon, 0.25f);
    EXPECT_LE(polygon.size(), 4u * TGxGraphicsPath::MaxBezierPoints + 1);
    EXPECT_GT(polygon.size(), 4u * TGxGraphicsPath::MaxBezierPoints - 4);
    circle.Flatten(0.25f);
    EXPECT_LE(circle.Count(), 4 * TGxGraphicsPath::MaxBezierPoints + 2);
}

TEST(GxColors, NamedColourTable)
{
    TStringList* list = NamedColorList();
    ASSERT_EQ(list->Count(), 160);
    auto lookUp = [list](const char* name) {
        const Integer i = list->IndexOf(LowerCase(name));
        return i < 0 ? clNone : static_cast<TGxGraphicsColorObject*>(list->Objects(i))->Color;
    };
    struct Case {
        const char* Name;
        TColor Color;
    } cases[] = {
        {"Red", 0x0000FF},        {"RED", 0x0000FF},          {"red", 0x0000FF},   {"orange", 0x00A5FF},
        {"teal", 0x808000},       {"grey", 0x808080},         {"gray", 0x808080},  {"darkslategrey", 0x4F4F2F},
        {"darkslategray", 0x4F4F2F}, {"cornflowerblue", 0xED9564}, {"yellowgreen", 0x32CD9A}, {"aliceblue", 0xFFF8F0},
        {"white", 0xFFFFFF},      {"silver", 0xC0C0C0},       {"violet", 0xEE82EE}, {"lightgoldenrodyellow", 0xD2FAFA},
        {"rebeccapurple", clNone}, {"transparent", clNone},
    };
    for (const Case& c : cases) EXPECT_EQ(lookUp(c.Name), c.Color) << c.Name;
    const Integer red = list->IndexOf("red");
    EXPECT_EQ(list->Get(red + 1), "red");   // the two entries are neighbours after sorting
    for (Integer i = 1; i < list->Count(); ++i) EXPECT_LE(CompareText(list->Get(i - 1), list->Get(i)), 0);
}

TEST(GxColors, LighterColoursAndRgb)
{
    struct Case {
        TColor Color;
        Byte Percent;
        TColor Expected;
    } cases[] = {{0x000000, 40, 0x666666}, {0xFFFFFF, 85, 0xFFFFFF}, {0x0000FF, 50, 0x8080FF},
                 {0x102030, 0, 0x102030},  {0x102030, 100, 0xFFFFFF}, {clWhite, 75, clWhite}};
    for (const Case& c : cases) EXPECT_EQ(LighterColor(c.Color, c.Percent), c.Expected) << c.Color << " " << int(c.Percent);
    EXPECT_EQ(ColorFromRGB(1, 2, 3), 0x030201);
}

}  // namespace
