#include "platform/graphics/Bitmaps.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Raster.h"
#include "platform/rtl/RtlConsts.h"

IMPLEMENT_CLASS(TGraphic, TPersistent, nullptr)
IMPLEMENT_CLASS(TBitmap, TGraphic, NewObject<TBitmap>)
IMPLEMENT_CLASS(TIcon, TGraphic, NewObject<TIcon>)
IMPLEMENT_CLASS(TPicture, TPersistent, NewObject<TPicture>)

namespace {
void Put16(std::vector<Byte>& out, Word v)
{
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
}
void Put32(std::vector<Byte>& out, Cardinal v)
{
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}
Cardinal Get16(const Byte* p) { return p[0] | (p[1] << 8); }
Cardinal Get32(const Byte* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (Cardinal(p[3]) << 24); }

std::vector<Byte> ReadAll(TStream& stream)
{
    Int64 size = stream.Size() - stream.Position();
    if (size < 0 || size > 0x7FFFFFFF) throw EInvalidGraphic("Stream is too large");
    std::vector<Byte> data(static_cast<size_t>(size));
    if (size > 0) stream.ReadBuffer(data.data(), static_cast<Integer>(size));
    return data;
}

std::vector<Cardinal> DefaultPalette(int bits)
{
    if (bits == 1) return {0x000000, 0xFFFFFF};
    std::vector<Cardinal> pal = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    if (bits == 4) return pal;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) pal.push_back(Cardinal(r * 51) << 16 | Cardinal(g * 51) << 8 | Cardinal(b * 51));
    for (int i = 0; i < 24; ++i) pal.push_back(Cardinal(i * 10 + 8) * 0x010101);
    return pal;
}

int BitsOf(TPixelFormat f)
{
    switch (f) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    default: return 32;
    }
}
}  // namespace

// ---------------------------------------------------------------- TGraphic

void TGraphic::LoadFromFile(const String& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName)
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::SetTransparent(bool value)
{
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange) OnChange();
}

// ---------------------------------------------------------------- TBitmap

class TBitmap::TDevice : public TPaintDevice {
public:
    explicit TDevice(TBitmap& owner) : FOwner(owner) {}
    bool GetPixels(TPixelBuffer& buffer) override
    {
        FOwner.SyncPixels();
        FOwner.FNativeCurrent = FOwner.FFormat == TPixelFormat::pf32bit || FOwner.FFormat == TPixelFormat::pfDevice;
        return FOwner.GetPixels(buffer);
    }
    TSize DeviceSize() const override { return {FOwner.FWidth, FOwner.FHeight}; }
    bool Monochrome() const override { return FOwner.FFormat == TPixelFormat::pf1bit; }

private:
    TBitmap& FOwner;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(Integer width, Integer height, TPixelFormat format)
{
    SetPixelFormat(format);
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

int TBitmap::Bits() const { return BitsOf(FFormat); }

Integer TBitmap::RowBytes() const { return ((FWidth * Bits() + 31) / 32) * 4; }

void TBitmap::Assign(TPersistent* source)
{
    if (auto* b = dynamic_cast<TBitmap*>(source)) Assign(*b);
    else if (!source) SetSize(0, 0);
    else inherited::Assign(source);
}

void TBitmap::Assign(const TBitmap& s)
{
    if (this == &s) return;
    s.SyncPixels();
    FWidth = s.FWidth;
    FHeight = s.FHeight;
    FFormat = s.FFormat;
    FPixels = s.FPixels;
    FPalette = s.FPalette;
    FPixelsCurrent = true;
    FNativeCurrent = false;
    FTransparent = s.FTransparent;
    FTransparentColor = s.FTransparentColor;
    FTransparentMode = s.FTransparentMode;
    FAlphaFormat = s.FAlphaFormat;
    Changed();
}

void TBitmap::SetSize(Integer width, Integer height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    SyncPixels();
    std::vector<Cardinal> pixels(size_t(width) * height, 0xFFFFFF);
    for (Integer y = 0; y < std::min(height, FHeight); ++y)
        std::copy_n(FPixels.begin() + ptrdiff_t(y) * FWidth, std::min(width, FWidth),
                    pixels.begin() + ptrdiff_t(y) * width);
    FPixels = std::move(pixels);
    FWidth = width;
    FHeight = height;
    FPixelsCurrent = true;
    FNativeCurrent = false;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == FFormat) return;
    SyncPixels();
    FFormat = value;
    FPalette = Bits() <= 8 ? DefaultPalette(Bits()) : std::vector<Cardinal>{};
    // the pixels take the new format's colours at once (fewer colours are matched to the palette)
    FNativeCurrent = false;
    SyncNative();
    FPixelsCurrent = false;
    SyncPixels();
    Changed();
}

void TBitmap::SetMonochrome(bool value)
{
    if (value) SetPixelFormat(TPixelFormat::pf1bit);
    else if (Monochrome()) SetPixelFormat(TPixelFormat::pfDevice);
}

void TBitmap::SetPalette(const std::vector<Cardinal>& colors)
{
    if (Bits() > 8) return;
    SyncNative();
    FPalette = colors;
    FPalette.resize(size_t(1) << Bits(), 0);
    FPixelsCurrent = false;
    Changed();
}

Cardinal TBitmap::Nearest(Cardinal p) const
{
    Cardinal best = 0;
    Int64 bestDist = -1;
    for (size_t i = 0; i < FPalette.size(); ++i) {
        Int64 dr = Int64((p >> 16) & 0xFF) - ((FPalette[i] >> 16) & 0xFF);
        Int64 dg = Int64((p >> 8) & 0xFF) - ((FPalette[i] >> 8) & 0xFF);
        Int64 db = Int64(p & 0xFF) - (FPalette[i] & 0xFF);
        Int64 d = dr * dr + dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = static_cast<Cardinal>(i);
        }
    }
    return best;
}

void TBitmap::SyncNative() const
{
    if (FNativeCurrent) return;
    FNativeCurrent = true;
    const int bits = Bits();
    if (bits == 32) return;   // the 32-bit pixels are the rows themselves
    const Integer rowBytes = RowBytes();
    FNative.assign(size_t(rowBytes) * FHeight, 0);
    for (Integer y = 0; y < FHeight; ++y) {
        Byte* row = FNative.data() + size_t(y) * rowBytes;
        const Cardinal* px = FPixels.data() + size_t(y) * FWidth;
        for (Integer x = 0; x < FWidth; ++x) {
            Cardinal p = px[x];
            Cardinal r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            switch (bits) {
            case 24:
                row[3 * x] = Byte(b);
                row[3 * x + 1] = Byte(g);
                row[3 * x + 2] = Byte(r);
                break;
            case 16: {
                Word w = FFormat == TPixelFormat::pf16bit ? Word((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3))
                                                          : Word((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
                row[2 * x] = w & 0xFF;
                row[2 * x + 1] = w >> 8;
                break;
            }
            default: {
                Cardinal index = Nearest(p);
                int perByte = 8 / bits, shift = 8 - bits * (x % perByte + 1);
                row[x / perByte] |= Byte(index << shift);
            }
            }
        }
    }
}

void TBitmap::SyncPixels() const
{
    if (FPixelsCurrent) return;
    FPixelsCurrent = true;
    const int bits = Bits();
    if (bits == 32) return;
    const Integer rowBytes = RowBytes();
    FPixels.assign(size_t(FWidth) * FHeight, 0);
    auto expand = [](Cardinal v, int width) { return width == 5 ? (v << 3) | (v >> 2) : (v << 2) | (v >> 4); };
    for (Integer y = 0; y < FHeight; ++y) {
        const Byte* row = FNative.data() + size_t(y) * rowBytes;
        Cardinal* px = FPixels.data() + size_t(y) * FWidth;
        for (Integer x = 0; x < FWidth; ++x) {
            switch (bits) {
            case 24: px[x] = Cardinal(row[3 * x + 2]) << 16 | Cardinal(row[3 * x + 1]) << 8 | row[3 * x]; break;
            case 16: {
                Cardinal w = Get16(row + 2 * x);
                px[x] = FFormat == TPixelFormat::pf16bit
                            ? expand(w >> 11, 5) << 16 | expand((w >> 5) & 63, 6) << 8 | expand(w & 31, 5)
                            : expand((w >> 10) & 31, 5) << 16 | expand((w >> 5) & 31, 5) << 8 | expand(w & 31, 5);
                break;
            }
            default: {
                int perByte = 8 / bits, shift = 8 - bits * (x % perByte + 1);
                Cardinal index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
                px[x] = index < FPalette.size() ? FPalette[index] : 0;
            }
            }
        }
    }
}

bool TBitmap::GetPixels(TPixelBuffer& buffer) const
{
    SyncPixels();
    buffer = {FPixels.data(), FWidth, FHeight, FWidth};
    return FWidth > 0 && FHeight > 0;
}

Byte* TBitmap::ScanLine(Integer y)
{
    if (y < 0 || y >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
    if (Bits() == 32) {
        SyncPixels();
        FNativeCurrent = true;
        return reinterpret_cast<Byte*>(FPixels.data() + size_t(y) * FWidth);
    }
    SyncNative();
    FPixelsCurrent = false;
    return FNative.data() + size_t(y) * RowBytes();
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas) {
        FDevice = std::make_unique<TDevice>(*this);
        FCanvas = std::make_unique<TCanvas>(FDevice.get());
        FCanvas->OnChange = [this] { Changed(); };
    }
    return *FCanvas;
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == TTransparentMode::tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    SyncPixels();
    // the bottom-left pixel decides in automatic mode
    return raster::FromPixel(FPixels[size_t(FHeight - 1) * FWidth] & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor value)
{
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat value)
{
    if (value == FAlphaFormat) return;
    const bool multiply = FAlphaFormat == TAlphaFormat::afDefined && value == TAlphaFormat::afPremultiplied;
    const bool divide = FAlphaFormat == TAlphaFormat::afPremultiplied && value == TAlphaFormat::afDefined;
    if ((multiply || divide) && Bits() == 32) {
        SyncPixels();
        for (Cardinal& p : FPixels) {
            const Cardinal a = p >> 24;
            Cardinal out = a << 24;
            for (int shift = 0; shift <= 16; shift += 8) {
                Cardinal v = (p >> shift) & 0xFF;
                v = multiply ? v * a / 255 : (a ? std::min<Cardinal>(255, v * 255 / a) : 0);
                out |= v << shift;
            }
            p = out;
        }
    }
    FAlphaFormat = value;
    Changed();
}

bool TBitmap::SupportsPartialTransparency() const
{
    if (Bits() != 32 || Empty()) return false;
    SyncPixels();
    bool someAlpha = false, someNotOpaque = false;
    for (Cardinal p : FPixels) {
        someAlpha |= (p >> 24) != 0;
        someNotOpaque |= (p >> 24) != 255;
    }
    return someAlpha && someNotOpaque;
}

void TBitmap::Mask(TColor color)
{
    SyncPixels();
    const Cardinal key = raster::ToPixel(ColorToRGB(color));
    for (Cardinal& p : FPixels) p = (p & 0xFFFFFF) == key ? 0xFFFFFF : 0;
    FNativeCurrent = false;
    SetPixelFormat(TPixelFormat::pf1bit);
    Changed();
}

// Opaque bitmaps copy with the canvas's copy mode; transparent ones leave the pixels of the
// transparent colour alone.
void TBitmap::DrawOn(TCanvas& canvas, const TRect& dest)
{
    if (Empty()) return;
    const TRect all = Rect(0, 0, FWidth, FHeight);
    if (FAlphaFormat == TAlphaFormat::afDefined && Bits() == 32) {
        DrawWithAlpha(canvas, dest, *this);
        return;
    }
    if (FAlphaFormat == TAlphaFormat::afPremultiplied && Bits() == 32) {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        canvas.AlphaBlend(dest, *this, all, blend);
        return;
    }
    if (!FTransparent) {
        canvas.StretchBlt(dest, *this, all, canvas.CopyMode());
        return;
    }
    SyncPixels();
    const Cardinal key = raster::ToPixel(ColorToRGB(TransparentColor()));
    TBitmap mask(FWidth, FHeight), image(FWidth, FHeight);
    TPixelBuffer m, im;
    mask.GetPixels(m);
    image.GetPixels(im);
    for (size_t i = 0; i < FPixels.size(); ++i) {
        bool clear = (FPixels[i] & 0xFFFFFF) == key;
        m.Bits[i] = clear ? 0xFFFFFF : 0;
        im.Bits[i] = clear ? 0 : FPixels[i] & 0xFFFFFF;
    }
    canvas.StretchBlt(dest, mask, all, SRCAND);
    canvas.StretchBlt(dest, image, all, SRCPAINT);
}

// ---------------------------------------------------------------- BMP files

// Reads the file image the header announces (the stream may go on after it).
void TBitmap::LoadFromStream(TStream& stream)
{
    Byte header[14];
    if (stream.Read(header, 14) != 14 || header[0] != 'B' || header[1] != 'M')
        throw EInvalidGraphic(SInvalidBitmap);
    const Int64 rest = stream.Size() - stream.Position();
    const Int64 announced = Int64(Get32(header + 2)) - 14;
    std::vector<Byte> data(static_cast<size_t>(announced > 12 && announced <= rest ? announced : std::max<Int64>(rest, 0)));
    if (!data.empty()) stream.ReadBuffer(data.data(), static_cast<Integer>(data.size()));
    LoadDib(data.data(), data.size(), false);
}

void TBitmap::LoadDib(const Byte* data, size_t size, bool iconImage)
{
    auto invalid = [] { throw EInvalidGraphic(SInvalidBitmap); };
    if (size < 12) invalid();
    const Cardinal headerSize = Get32(data);
    if (headerSize > size || (headerSize != 12 && headerSize < 40)) invalid();
    Int64 width, height;
    Cardinal bits, compression = 0, colorsUsed = 0;
    if (headerSize == 12) {
        width = Get16(data + 4);
        height = static_cast<int16_t>(Get16(data + 6));
        bits = Get16(data + 10);
    } else {
        width = static_cast<Integer>(Get32(data + 4));
        height = static_cast<Integer>(Get32(data + 8));
        bits = Get16(data + 14);
        compression = Get32(data + 16);
        colorsUsed = Get32(data + 32);
    }
    if (iconImage) height /= 2;
    const bool topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width * height > MaxPicturePixels) invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) invalid();
    // BI_RGB, or BI_BITFIELDS with masks for 16 and 32 bits
    if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32))) invalid();
    size_t pos = headerSize;
    Cardinal masks[3] = {0, 0, 0};
    if (compression == 3) {
        if (headerSize == 40) {
            if (pos + 12 > size) invalid();
            for (int i = 0; i < 3; ++i) masks[i] = Get32(data + pos + 4 * i);
            pos += 12;
        } else {
            for (int i = 0; i < 3; ++i) masks[i] = Get32(data + 40 + 4 * i);
        }
    }
    std::vector<Cardinal> palette;
    if (bits <= 8) {
        size_t count = colorsUsed ? colorsUsed : size_t(1) << bits;
        if (count > 256) invalid();
        const size_t entry = headerSize == 12 ? 3 : 4;
        if (pos + count * entry > size) invalid();
        for (size_t i = 0; i < count; ++i) {
            const Byte* e = data + pos + i * entry;
            palette.push_back(Cardinal(e[2]) << 16 | Cardinal(e[1]) << 8 | e[0]);
        }
        pos += count * entry;
        palette.resize(size_t(1) << bits, 0);
    }
    const size_t rowBytes = ((size_t(width) * bits + 31) / 32) * 4;
    if (pos + rowBytes * size_t(height) > size) invalid();

    TPixelFormat format = bits == 1    ? TPixelFormat::pf1bit
                          : bits == 4  ? TPixelFormat::pf4bit
                          : bits == 8  ? TPixelFormat::pf8bit
                          : bits == 16 ? (compression == 3 && masks[1] == 0x07E0 ? TPixelFormat::pf16bit
                                                                                  : TPixelFormat::pf15bit)
                          : bits == 24 ? TPixelFormat::pf24bit
                                       : TPixelFormat::pf32bit;
    FFormat = format;
    FWidth = static_cast<Integer>(width);
    FHeight = static_cast<Integer>(height);
    FPalette = palette;
    FNative.assign(rowBytes * size_t(height), 0);
    FPixels.assign(size_t(FWidth) * FHeight, 0);
    for (Integer y = 0; y < FHeight; ++y) {
        const Byte* src = data + pos + rowBytes * size_t(topDown ? y : FHeight - 1 - y);
        if (bits == 32) std::memcpy(FPixels.data() + size_t(y) * FWidth, src, size_t(FWidth) * 4);
        else std::memcpy(FNative.data() + rowBytes * size_t(y), src, rowBytes);
    }
    if (bits == 32 && compression == 3 && masks[0] != 0x00FF0000) {
        // other channel masks: move each channel into place
        auto channel = [](Cardinal p, Cardinal mask) {
            if (!mask) return Cardinal(0);
            int shift = 0;
            while (!((mask >> shift) & 1)) ++shift;
            Cardinal v = (p & mask) >> shift, max = mask >> shift;
            return max ? v * 255 / max : 0;
        };
        for (Cardinal& p : FPixels) p = channel(p, masks[0]) << 16 | channel(p, masks[1]) << 8 | channel(p, masks[2]);
    }
    FPixelsCurrent = bits == 32;
    FNativeCurrent = true;
    if (iconImage && bits != 32) {
        // the AND mask after the colour rows makes the masked pixels transparent
        SyncPixels();
        const size_t maskRow = ((size_t(width) + 31) / 32) * 4;
        const size_t maskPos = pos + rowBytes * size_t(height);
        for (Integer y = 0; y < FHeight; ++y)
            for (Integer x = 0; x < FWidth; ++x) {
                bool clear = false;
                size_t at = maskPos + maskRow * size_t(topDown ? y : FHeight - 1 - y) + size_t(x / 8);
                if (at < size) clear = (data[at] >> (7 - x % 8)) & 1;
                Cardinal& p = FPixels[size_t(y) * FWidth + x];
                p = (p & 0xFFFFFF) | (clear ? 0 : 0xFF000000u);
            }
        FFormat = TPixelFormat::pf32bit;
        FNativeCurrent = true;
    }
    Changed();
}

// BITMAPFILEHEADER (14 bytes) and BITMAPINFOHEADER (40 bytes), the colour table of 1, 4 and 8-bit
// bitmaps, bit masks of 16-bit 5-6-5 bitmaps, then the rows bottom-up, each padded to 4 bytes.
void TBitmap::SaveToStream(TStream& stream)
{
    const int bits = Bits();
    const Integer rowBytes = RowBytes();
    const bool masks = FFormat == TPixelFormat::pf16bit;
    const Cardinal colors = bits <= 8 ? (1u << bits) : 0;
    const Cardinal offBits = 14 + 40 + colors * 4 + (masks ? 12 : 0);
    const Cardinal imageSize = Cardinal(rowBytes) * FHeight;
    std::vector<Byte> out;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, static_cast<Cardinal>(FWidth));
    Put32(out, static_cast<Cardinal>(FHeight));
    Put16(out, 1);
    Put16(out, static_cast<Word>(bits));
    Put32(out, masks ? 3 : 0);
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colors);
    Put32(out, 0);
    for (Cardinal i = 0; i < colors; ++i) Put32(out, i < FPalette.size() ? FPalette[i] & 0xFFFFFF : 0);
    if (masks) {
        Put32(out, 0xF800);
        Put32(out, 0x07E0);
        Put32(out, 0x001F);
    }
    SyncPixels();
    SyncNative();
    for (Integer y = FHeight - 1; y >= 0; --y) {
        const Byte* row = bits == 32 ? reinterpret_cast<const Byte*>(FPixels.data() + size_t(y) * FWidth)
                                     : FNative.data() + size_t(y) * rowBytes;
        out.insert(out.end(), row, row + rowBytes);
    }
    stream.WriteBuffer(out.data(), static_cast<Integer>(out.size()));
}

void TBitmap::ReadData(TStream& stream)
{
    Integer size = 0;
    stream.ReadBuffer(&size, 4);
    if (size < 0 || size > stream.Size() - stream.Position()) throw EInvalidGraphic(SInvalidBitmap);
    TMemoryStream image;
    if (size > 0) image.CopyFrom(stream, size);
    image.SetPosition(0);
    if (size == 0) SetSize(0, 0);
    else LoadFromStream(image);
}

void TBitmap::WriteData(TStream& stream)
{
    TMemoryStream image;
    if (!Empty()) SaveToStream(image);
    const Integer size = static_cast<Integer>(image.Size());
    stream.WriteBuffer(&size, 4);
    if (size > 0) stream.WriteBuffer(image.Memory(), size);
}

// ---------------------------------------------------------------- alpha drawing, TIcon

void DrawWithAlpha(TCanvas& canvas, const TRect& dest, const TBitmap& image)
{
    TPixelBuffer src;
    if (!image.GetPixels(src)) return;
    TBitmap premultiplied(src.Width, src.Height);
    TPixelBuffer dst;
    premultiplied.GetPixels(dst);
    for (Integer y = 0; y < src.Height; ++y)
        for (Integer x = 0; x < src.Width; ++x) {
            Cardinal p = src.Row(y)[x], a = p >> 24;
            Cardinal r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
            dst.Row(y)[x] = a << 24 | r << 16 | g << 8 | b;
        }
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    canvas.AlphaBlend(dest, premultiplied, Rect(0, 0, src.Width, src.Height), blend);
}

TIcon::TIcon() { FImage.SetPixelFormat(TPixelFormat::pf32bit); }

void TIcon::Assign(TPersistent* source)
{
    if (auto* i = dynamic_cast<TIcon*>(source)) {
        FImage.Assign(i->FImage);
        Changed();
    } else {
        inherited::Assign(source);
    }
}

void TIcon::SetSize(Integer width, Integer height)
{
    FImage.SetSize(width, height);
    Changed();
}

// ".ico": ICONDIR, one ICONDIRENTRY per image, then each image (a DIB with its AND mask).
// The largest image is kept.
void TIcon::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadAll(stream);
    if (data.size() < 6 || Get16(&data[0]) != 0 || Get16(&data[2]) != 1) throw EInvalidGraphic("Icon image is not valid");
    const Cardinal count = Get16(&data[4]);
    if (count == 0 || 6 + size_t(count) * 16 > data.size()) throw EInvalidGraphic("Icon image is not valid");
    size_t best = 0;
    Integer bestArea = -1;
    for (Cardinal i = 0; i < count; ++i) {
        const Byte* e = &data[6 + i * 16];
        Integer w = e[0] ? e[0] : 256, h = e[1] ? e[1] : 256;
        if (w * h > bestArea) {
            bestArea = w * h;
            best = i;
        }
    }
    const Byte* e = &data[6 + best * 16];
    const Cardinal size = Get32(e + 8), offset = Get32(e + 12);
    if (size_t(offset) + size > data.size()) throw EInvalidGraphic("Icon image is not valid");
    FImage.LoadDib(&data[offset], size, true);
    FImage.SetPixelFormat(TPixelFormat::pf32bit);
    Changed();
}

void TIcon::SaveToStream(TStream& stream)
{
    const Integer w = FImage.Width(), h = FImage.Height();
    const Cardinal maskRow = ((Cardinal(w) + 31) / 32) * 4;
    const Cardinal imageSize = 40 + Cardinal(w) * h * 4 + maskRow * h;
    std::vector<Byte> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(Byte(w >= 256 ? 0 : w));
    out.push_back(Byte(h >= 256 ? 0 : h));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, imageSize);
    Put32(out, 22);
    Put32(out, 40);
    Put32(out, static_cast<Cardinal>(w));
    Put32(out, static_cast<Cardinal>(h * 2));
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    TPixelBuffer px;
    FImage.GetPixels(px);
    for (Integer y = h - 1; y >= 0; --y)
        for (Integer x = 0; x < w; ++x) Put32(out, px.Row(y)[x]);
    for (Integer y = h - 1; y >= 0; --y) {
        std::vector<Byte> row(maskRow, 0);
        for (Integer x = 0; x < w; ++x)
            if ((px.Row(y)[x] >> 24) == 0) row[size_t(x / 8)] |= Byte(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    stream.WriteBuffer(out.data(), static_cast<Integer>(out.size()));
}

void TIcon::DrawOn(TCanvas& canvas, const TRect& dest) { DrawWithAlpha(canvas, dest, FImage); }

// ---------------------------------------------------------------- TPicture

namespace {
struct TFileFormat {
    String Extension, Description;
    TGraphicClass Class;
    TPicture::TFormatTest Test;
};
// The first bytes of the stream at its position (fewer at its end); the position is kept.
std::vector<Byte> Head(TStream& stream, int count)
{
    const Int64 at = stream.Position();
    std::vector<Byte> head(static_cast<size_t>(count));
    head.resize(static_cast<size_t>(std::max(0, stream.Read(head.data(), count))));
    stream.SetPosition(at);
    return head;
}
bool Starts(const std::vector<Byte>& head, std::initializer_list<Byte> bytes)
{
    return head.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), head.begin());
}
Cardinal LittleEndian32(const std::vector<Byte>& head, size_t at)
{
    return head[at] | head[at + 1] << 8 | head[at + 2] << 16 | static_cast<Cardinal>(head[at + 3]) << 24;
}
bool IsBitmapData(TStream& s) { return Starts(Head(s, 2), {'B', 'M'}); }
bool IsIconData(TStream& s) { return Starts(Head(s, 4), {0, 0, 1, 0}); }
bool IsPngData(TStream& s) { return Starts(Head(s, 8), {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}); }
bool IsJpegData(TStream& s) { return Starts(Head(s, 2), {0xFF, 0xD8}); }
bool IsGifData(TStream& s) { return Starts(Head(s, 3), {'G', 'I', 'F'}); }
bool IsTiffData(TStream& s)
{
    const std::vector<Byte> head = Head(s, 4);
    return Starts(head, {'I', 'I', 42, 0}) || Starts(head, {'M', 'M', 0, 42});
}
// An enhanced metafile: record 1 (the header) with " EMF" at byte 40.
bool IsMetafileData(TStream& s)
{
    const std::vector<Byte> head = Head(s, 44);
    return head.size() == 44 && LittleEndian32(head, 0) == 1 && LittleEndian32(head, 40) == 0x464D4520;
}
bool IsWindowsMetafileData(TStream& s)
{
    const std::vector<Byte> head = Head(s, 18);
    return IsWindowsMetafile(std::string_view(reinterpret_cast<const char*>(head.data()), head.size()));
}
std::vector<TFileFormat>& FileFormats()
{
    static std::vector<TFileFormat> formats = {
        {"bmp", "Bitmaps", TBitmap::StaticClass(), IsBitmapData},
        {"ico", "Icons", TIcon::StaticClass(), IsIconData},
        {"png", "Portable Network Graphics", TPngImage::StaticClass(), IsPngData},
        {"jpg", "JPEG Image File", TJPEGImage::StaticClass(), IsJpegData},
        {"jpeg", "JPEG Image File", TJPEGImage::StaticClass(), nullptr},
        {"gif", "GIF Image", TGIFImage::StaticClass(), IsGifData},
        {"tif", "TIFF Image", TTIFFImage::StaticClass(), IsTiffData},
        {"tiff", "TIFF Image", TTIFFImage::StaticClass(), nullptr},
        {"emf", "Enhanced Metafiles", TMetafile::StaticClass(), IsMetafileData},
        {"wmf", "Metafiles", TMetafile::StaticClass(), IsWindowsMetafileData}};
    return formats;
}
String ExtensionOf(const String& fileName)
{
    int dot = 0;
    for (int i = fileName.Length(); i >= 1 && fileName[i] != '/' && fileName[i] != '\\'; --i)
        if (fileName[i] == '.') {
            dot = i;
            break;
        }
    return dot ? Copy(fileName, dot + 1) : String();
}
}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const String& extension, const String& description, TGraphicClass graphicClass,
                                  TFormatTest test)
{
    auto& formats = FileFormats();
    for (auto& f : formats)
        if (SameText(f.Extension, extension)) {
            f = {extension, description, graphicClass, std::move(test)};
            return;
        }
    formats.push_back({extension, description, graphicClass, std::move(test)});
}

String TPicture::FileFormatDescription(const String& extension)
{
    for (auto& f : FileFormats())
        if (SameText(f.Extension, extension)) return f.Description;
    return String();
}

TGraphicClass TPicture::GraphicClassOfStream(TStream& stream)
{
    const Int64 at = stream.Position();
    for (auto& f : FileFormats()) {
        if (!f.Test) continue;
        const bool accepted = f.Test(stream);
        stream.SetPosition(at);
        if (accepted) return f.Class;
    }
    return nullptr;
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass)
{
    auto& formats = FileFormats();
    std::erase_if(formats, [&](const TFileFormat& f) { return f.Class->InheritsFrom(graphicClass); });
}

TGraphicClass TPicture::FileFormat(const String& extension)
{
    for (auto& f : FileFormats())
        if (SameText(f.Extension, extension)) return f.Class;
    return nullptr;
}

String TPicture::GraphicFilter(TGraphicClass graphicClass)
{
    String all, each, filters;
    for (auto& f : FileFormats()) {
        if (graphicClass && !f.Class->InheritsFrom(graphicClass)) continue;
        String mask = "*." + f.Extension;
        all += (all.IsEmpty() ? String() : String(";")) + mask;
        each += "|" + f.Description + " (" + mask + ")|" + mask;
    }
    return "All (" + all + ")|" + all + each;
}

void TPicture::Changed()
{
    if (OnChange) OnChange();
}

void TPicture::SetGraphic(TGraphic* value)
{
    if (!value) {
        FGraphic.reset();
    } else {
        std::unique_ptr<TGraphic> copy(static_cast<TGraphic*>(value->ClassType()->Create()));
        copy->Assign(value);
        FGraphic = std::move(copy);
        FGraphic->OnChange = [this] { Changed(); };
    }
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) {
        FGraphic = std::make_unique<TBitmap>();
        FGraphic->OnChange = [this] { Changed(); };
    }
    return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::Assign(TPersistent* source)
{
    if (!source) SetGraphic(nullptr);
    else if (auto* p = dynamic_cast<TPicture*>(source)) SetGraphic(p->Graphic());
    else if (auto* g = dynamic_cast<TGraphic*>(source)) SetGraphic(g);
    else inherited::Assign(source);
}

void TPicture::LoadFromFile(const String& fileName)
{
    String ext = ExtensionOf(fileName);
    TGraphicClass cls = FileFormat(ext);
    if (!cls) throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(cls->Create()));
    graphic->LoadFromFile(fileName);
    FGraphic = std::move(graphic);
    FGraphic->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::LoadFromStream(TStream& stream)
{
    TGraphicClass cls = GraphicClassOfStream(stream);
    if (!cls) throw EInvalidGraphic("Unknown picture format");
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(cls->Create()));
    graphic->LoadFromStream(stream);
    FGraphic = std::move(graphic);
    FGraphic->OnChange = [this] { Changed(); };
    Changed();
}

void TBitmap::LoadFromResourceName(HINSTANCE, const String& name)
{
    TResourceStream stream(name, "BITMAP");
    LoadFromStream(stream);
}

void TPicture::LoadFromResourceName(HINSTANCE, const String& name)
{
    TResourceStream stream(name, RT_RCDATA);
    LoadFromStream(stream);
}

void TPicture::LoadFromResourceID(HINSTANCE, Integer id)
{
    TResourceStream stream(id, RT_RCDATA);
    LoadFromStream(stream);
}

void TPicture::SaveToStream(TStream& stream)
{
    if (FGraphic) FGraphic->SaveToStream(stream);
}

void TGraphic::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { ReadData(*s); }, [this](TStream* s) { WriteData(*s); }, !Empty());
}

void TPicture::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { ReadData(*s); }, [this](TStream* s) { WriteData(*s); },
        FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream& stream)
{
    Byte length = 0;
    stream.ReadBuffer(&length, 1);
    std::string name(length, '\0');
    if (length) stream.ReadBuffer(name.data(), length);
    const String className = AnsiString::FromBytes(name).ToString();
    TGraphicClass cls = nullptr;
    for (auto& f : FileFormats())
        if (f.Class->ClassNameIs(className)) cls = f.Class;
    if (!cls) throw EInvalidGraphic("Unknown picture file format " + className);
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(cls->Create()));
    graphic->ReadData(stream);
    FGraphic = std::move(graphic);
    FGraphic->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::WriteData(TStream& stream)
{
    const std::string name = FGraphic ? AnsiString(FGraphic->ClassName()).Bytes() : std::string();
    const Byte length = static_cast<Byte>(std::min<size_t>(name.size(), 255));
    stream.WriteBuffer(&length, 1);
    if (length) stream.WriteBuffer(name.data(), length);
    if (FGraphic) FGraphic->WriteData(stream);
}

void TPicture::SaveToFile(const String& fileName)
{
    if (FGraphic) FGraphic->SaveToFile(fileName);
}
