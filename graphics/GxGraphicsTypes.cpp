// The geometry of the drawing layers: the 3 x 3 matrix with its products, determinant, adjugate
// and inverse, and the point and polygon tests.
#include "graphics/GxGraphicsTypes.h"

#include <algorithm>
#include <cmath>

namespace {

TGxGraphicsMatrix Matrix(double m11, double m12, double m13, double m21, double m22, double m23, double m31,
                         double m32, double m33)
{
    TGxGraphicsMatrix m;
    m.m11 = static_cast<float>(m11);
    m.m12 = static_cast<float>(m12);
    m.m13 = static_cast<float>(m13);
    m.m21 = static_cast<float>(m21);
    m.m22 = static_cast<float>(m22);
    m.m23 = static_cast<float>(m23);
    m.m31 = static_cast<float>(m31);
    m.m32 = static_cast<float>(m32);
    m.m33 = static_cast<float>(m33);
    return m;
}

// The smallest determinant that still has an inverse: 1E-40 as a 32-bit float (a denormal).
constexpr float MinDeterminant = 1E-40f;

}  // namespace

TGxGraphicsMatrix TGxGraphicsMatrix::Identity() { return Matrix(1, 0, 0, 0, 1, 0, 0, 0, 1); }

TGxGraphicsMatrix TGxGraphicsMatrix::CreateRotation(float AAngle)
{
    const double c = std::cos(static_cast<double>(AAngle)), s = std::sin(static_cast<double>(AAngle));
    return Matrix(c, s, 0, -s, c, 0, 0, 0, 1);
}

TGxGraphicsMatrix TGxGraphicsMatrix::CreateScaling(float AScaleX, float AScaleY)
{
    return Matrix(AScaleX, 0, 0, 0, AScaleY, 0, 0, 0, 1);
}

TGxGraphicsMatrix TGxGraphicsMatrix::CreateTranslation(float ADeltaX, float ADeltaY)
{
    return Matrix(1, 0, 0, 0, 1, 0, ADeltaX, ADeltaY, 1);
}

float TGxGraphicsMatrix::Determinant() const
{
    const double a11 = m11, a12 = m12, a13 = m13, a21 = m21, a22 = m22, a23 = m23, a31 = m31, a32 = m32, a33 = m33;
    return static_cast<float>((a22 * a33 - a32 * a23) * a11 - (a21 * a33 - a31 * a23) * a12 +
                              (a21 * a32 - a31 * a22) * a13);
}

TGxGraphicsMatrix TGxGraphicsMatrix::Adjoint() const
{
    const double a11 = m11, a12 = m12, a13 = m13, a21 = m21, a22 = m22, a23 = m23, a31 = m31, a32 = m32, a33 = m33;
    return Matrix(a22 * a33 - a32 * a23, -(a33 * a12 - a32 * a13), a23 * a12 - a22 * a13,
                  -(a33 * a21 - a23 * a31), a33 * a11 - a31 * a13, -(a23 * a11 - a21 * a13),
                  a32 * a21 - a22 * a31, -(a32 * a11 - a31 * a12), a22 * a11 - a21 * a12);
}

TGxGraphicsMatrix TGxGraphicsMatrix::Inverse() const
{
    const float d = Determinant();
    if (!(std::fabs(d) >= MinDeterminant)) return Identity();
    const TGxGraphicsMatrix adjoint = Adjoint();
    const double scale = 1.0 / d;
    TGxGraphicsMatrix result;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            result.M[row].V[col] = static_cast<float>(adjoint.M[row].V[col] * scale);
    return result;
}

TGxGraphicsMatrix operator*(const TGxGraphicsMatrix& AMatrix1, const TGxGraphicsMatrix& AMatrix2)
{
    TGxGraphicsMatrix result;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += static_cast<double>(AMatrix1.M[i].V[k]) * static_cast<double>(AMatrix2.M[k].V[j]);
            result.M[i].V[j] = static_cast<float>(sum);
        }
    return result;
}

TPointF operator*(const TPointF& APoint, const TGxGraphicsMatrix& AMatrix)
{
    const double x = APoint.X, y = APoint.Y;
    return {static_cast<float>(x * AMatrix.m11 + y * AMatrix.m21 + AMatrix.m31),
            static_cast<float>(x * AMatrix.m12 + y * AMatrix.m22 + AMatrix.m32)};
}

TGxGraphicsMatrix MatrixIdentity() { return TGxGraphicsMatrix::Identity(); }
TGxGraphicsMatrix MatrixEmpty() { return Matrix(0, 0, 0, 0, 0, 0, 0, 0, 0); }

bool IsMatrixEmpty(const TGxGraphicsMatrix& AMatrix)
{
    for (const TGxGraphicsVector& row : AMatrix.M)
        for (float v : row.V)
            if (v != 0) return false;
    return true;
}

TGxGraphicsMatrix MatrixCreateRotation(float AAngle) { return TGxGraphicsMatrix::CreateRotation(AAngle); }
TGxGraphicsMatrix MatrixCreateScaling(float AScaleX, float AScaleY)
{
    return TGxGraphicsMatrix::CreateScaling(AScaleX, AScaleY);
}
TGxGraphicsMatrix MatrixCreateTranslation(float ADeltaX, float ADeltaY)
{
    return TGxGraphicsMatrix::CreateTranslation(ADeltaX, ADeltaY);
}
TGxGraphicsMatrix MatrixMultiply(const TGxGraphicsMatrix& AMatrix1, const TGxGraphicsMatrix& AMatrix2)
{
    return AMatrix1 * AMatrix2;
}
TPointF MatrixMultiplyPoint(const TPointF& APoint, const TGxGraphicsMatrix& AMatrix) { return APoint * AMatrix; }

bool PointInPolygon(const TPointF& P, const TGxGraphicsPathPolygon& APolygon)
{
    if (APolygon.empty()) return false;
    float minX = APolygon[0].X, maxX = minX, minY = APolygon[0].Y, maxY = minY;
    for (const TPointF& v : APolygon) {
        minX = std::min(minX, v.X);
        maxX = std::max(maxX, v.X);
        minY = std::min(minY, v.Y);
        maxY = std::max(maxY, v.Y);
    }
    if (P.X < minX || P.X > maxX || P.Y < minY || P.Y > maxY) return false;
    bool inside = false;
    size_t j = APolygon.size() - 1;
    for (size_t i = 0; i < APolygon.size(); j = i++) {
        const TPointF& pi = APolygon[i];
        const TPointF& pj = APolygon[j];
        if ((P.Y < pi.Y) != (P.Y < pj.Y) && pj.Y - pi.Y != 0) {
            const double x = pi.X + (static_cast<double>(pj.X) - pi.X) * (static_cast<double>(P.Y) - pi.Y) /
                                        (static_cast<double>(pj.Y) - pi.Y);
            if (x > P.X) inside = !inside;
        }
    }
    return inside;
}

bool AnyPolygonPointInRect(const TGxGraphicsPathPolygon& APolygon, const TRectF& R)
{
    for (const TPointF& v : APolygon)
        if (R.Left <= v.X && v.X < R.Right && R.Top <= v.Y && v.Y < R.Bottom) return true;
    return false;
}

TRectF ModifyRect(const TRectF& R, TGxGraphicsModifyRectMode) { return R; }
