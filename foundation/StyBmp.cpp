// Bitmap effects on raw scan lines with tables built once per call.
#include "foundation/StyBmp.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "platform/rtl/RtlMath.h"

namespace {

Integer BytesPerPixel(const TBitmap& b)
{
    switch (b.PixelFormat()) {
    case TPixelFormat::pf24bit: return 3;
    case TPixelFormat::pf32bit: return 4;
    default: return 0;
    }
}

// The common frame of the one-source effects: an unusable source is copied whole; otherwise each
// row of the rectangle is handed over with its source and target pixels.
using TRowEffect = std::function<void(const Byte* src, Byte* dst, Integer width, Integer bpp)>;

void EachRow(TBitmap& source, const TRect& r, TBitmap& target, TPoint at, Integer rows, Integer columns,
             const TRowEffect& effect)
{
    const Integer bpp = BytesPerPixel(source);
    if (!bpp) {
        target.Assign(source);
        return;
    }
    if (target.PixelFormat() != source.PixelFormat()) target.SetPixelFormat(source.PixelFormat());
    for (Integer i = 0; i < rows; ++i) {
        const Byte* src = source.ScanLine(r.Top + i) + r.Left * bpp;
        Byte* dst = target.ScanLine(at.Y + i) + at.X * bpp;
        effect(src, dst, columns, bpp);
    }
}

void EachRow(TBitmap& source, const TRect& r, TBitmap& target, TPoint at, const TRowEffect& effect)
{
    EachRow(source, r, target, at, r.Height(), r.Width(), effect);
}

// Applies a byte table to the three colour bytes of every pixel.
TRowEffect ByTable(const std::array<Byte, 256>& table)
{
    return [&table](const Byte* src, Byte* dst, Integer width, Integer bpp) {
        for (Integer x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) dst[x * bpp + c] = table[src[x * bpp + c]];
    };
}

}  // namespace

bool CheckEffectPixelFormat(const TBitmap& Bitmap, const String& Name)
{
    if (BytesPerPixel(Bitmap)) return true;
    throw EStyWrongPixelFormat("Wrong PixelFormat in " + Name + " bitmap!");
}

void BitmapGrayscaleCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint)
{
    // Weights 0.30, 0.59, 0.11, each product rounded half to even: white gives 254.
    std::array<Byte, 256> r{}, g{}, b{};
    for (int i = 0; i < 256; ++i) {
        r[i] = static_cast<Byte>(Round(static_cast<Extended>(i) * 0.30L));
        g[i] = static_cast<Byte>(Round(static_cast<Extended>(i) * 0.59L));
        b[i] = static_cast<Byte>(Round(static_cast<Extended>(i) * 0.11L));
    }
    EachRow(Source, SrcRect, Target, TargetPoint, [&](const Byte* src, Byte* dst, Integer width, Integer bpp) {
        for (Integer x = 0; x < width; ++x) {
            const Byte* p = src + x * bpp;
            const Byte grey = static_cast<Byte>(b[p[0]] + g[p[1]] + r[p[2]]);
            std::fill(dst + x * bpp, dst + x * bpp + 3, grey);
        }
    });
}

void BitmapFlipCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint)
{
    const Integer bpp = BytesPerPixel(Source);
    if (!bpp) {
        Target.Assign(Source);
        return;
    }
    if (Target.PixelFormat() != Source.PixelFormat()) Target.SetPixelFormat(Source.PixelFormat());
    const Integer h = SrcRect.Height(), bytes = SrcRect.Width() * bpp;
    // Rows through a buffer, so that flipping a bitmap onto itself works.
    std::vector<std::vector<Byte>> rows(static_cast<size_t>(h));
    for (Integer k = 0; k < h; ++k) {
        const Byte* src = Source.ScanLine(SrcRect.Top + k) + SrcRect.Left * bpp;
        rows[k].assign(src, src + bytes);
    }
    for (Integer k = 0; k < h; ++k) {
        Byte* dst = Target.ScanLine(TargetPoint.Y + (h - 1 - k)) + TargetPoint.X * bpp;
        for (Integer x = 0; x < SrcRect.Width(); ++x) std::copy_n(&rows[k][x * bpp], 3, dst + x * bpp);
    }
}

void BitmapMirrorCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint)
{
    EachRow(Source, SrcRect, Target, TargetPoint, [](const Byte* src, Byte* dst, Integer width, Integer bpp) {
        std::vector<Byte> row(src, src + width * bpp);
        for (Integer k = 0; k < width; ++k) std::copy_n(&row[k * bpp], 3, dst + (width - 1 - k) * bpp);
    });
}

void BitmapInvertCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint)
{
    std::array<Byte, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<Byte>(255 - i);
    EachRow(Source, SrcRect, Target, TargetPoint, ByTable(table));
}

void BitmapBrightnessCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TStyBrightness Amount,
                          TPoint TargetPoint)
{
    std::array<Byte, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<Byte>(std::clamp<Integer>(i + Amount, 0, 255));
    // The only effect that keeps itself inside the target.
    const Integer rows = std::min(SrcRect.Height(), Target.Height() - TargetPoint.Y);
    const Integer columns = std::min(SrcRect.Width(), Target.Width() - TargetPoint.X);
    EachRow(Source, SrcRect, Target, TargetPoint, std::max<Integer>(0, rows), std::max<Integer>(0, columns),
            ByTable(table));
}

void BitmapBlendCopy(TBitmap& Source1, TBitmap& Source2, const TRect& SrcRect, TPoint Source2Point, TBitmap& Target,
                     float Factor, TPoint TargetPoint)
{
    CheckEffectPixelFormat(Source1, "Source 1");
    CheckEffectPixelFormat(Source2, "Source 2");
    CheckEffectPixelFormat(Target, "Target");
    if (Target.PixelFormat() != Source1.PixelFormat()) Target.SetPixelFormat(Source1.PixelFormat());
    std::array<Integer, 511> table{};
    for (int d = -255; d <= 255; ++d) table[d + 255] = static_cast<Integer>(Round(static_cast<Extended>(d) * Factor));
    const Integer bpp1 = BytesPerPixel(Source1), bpp2 = BytesPerPixel(Source2), bppT = BytesPerPixel(Target);
    for (Integer i = 0; i < SrcRect.Height(); ++i) {
        const Byte* s1 = Source1.ScanLine(SrcRect.Top + i) + SrcRect.Left * bpp1;
        const Byte* s2 = Source2.ScanLine(Source2Point.Y + i) + Source2Point.X * bpp2;
        Byte* t = Target.ScanLine(TargetPoint.Y + i) + TargetPoint.X * bppT;
        for (Integer x = 0; x < SrcRect.Width(); ++x)
            for (int c = 0; c < 3; ++c) {
                const Integer a = s1[x * bpp1 + c], b = s2[x * bpp2 + c];
                t[x * bppT + c] = static_cast<Byte>(b + table[a - b + 255]);
            }
    }
}
