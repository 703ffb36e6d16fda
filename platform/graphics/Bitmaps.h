#pragma once
// Pictures: the TGraphic family (bitmap, icon; PNG, JPEG, GIF in Codecs.h, metafile in Metafile.h)
// and TPicture, which holds any registered graphic and picks the class by file extension.
#include <memory>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

DORVANE_EXCEPTION(EInvalidGraphic, Exception);
DORVANE_EXCEPTION(EInvalidGraphicOperation, Exception);

// The most pixels a picture read from a file may hold, about what a 4K screen shows: each reader
// refuses a larger picture with its own error before decoding it.
constexpr Int64 MaxPicturePixels = Int64(1) << 23;

class TGraphic : public TPersistent {
    DECLARE_CLASS(TGraphic, TPersistent)
public:
    virtual bool Empty() const = 0;
    virtual Integer Width() const = 0;
    virtual Integer Height() const = 0;
    virtual void SetSize(Integer width, Integer height) = 0;
    void SetWidth(Integer value) { SetSize(value, Height()); }
    void SetHeight(Integer value) { SetSize(Width(), value); }
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // Draws the whole picture into the rectangle (logical units of the canvas).
    virtual void DrawOn(TCanvas& canvas, const TRect& dest) = 0;
    // The graphic's bytes inside a picture's "Data" in a form description (its file image here;
    // a bitmap puts its length in front).
    virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
    virtual void WriteData(TStream& stream) { SaveToStream(stream); }
    std::function<void()> OnChange;

protected:
    // A graphic held by a property of its own ("Glyph.Data") stores the same bytes; an empty one
    // stores nothing.
    void DefineProperties(TFiler* filer) override;
    void Changed();
    bool FTransparent = false;
    bool FModified = false;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };
// How the top byte of 32-bit pixels is drawn: ignored, straight alpha, or alpha with the colours
// already multiplied by it.
enum class TAlphaFormat { afIgnored, afDefined, afPremultiplied };

class TBitmap : public TGraphic {
    DECLARE_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(Integer width, Integer height, TPixelFormat format = TPixelFormat::pf32bit);
    ~TBitmap() override;
    void Assign(TPersistent* source) override;
    void Assign(const TBitmap& source);

    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    Integer Width() const override { return FWidth; }
    Integer Height() const override { return FHeight; }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(Integer width, Integer height) override;
    TPixelFormat PixelFormat() const { return FFormat; }
    void SetPixelFormat(TPixelFormat value);
    bool Monochrome() const { return FFormat == TPixelFormat::pf1bit; }
    void SetMonochrome(bool value);
    // Colour table of 1, 4 and 8-bit bitmaps, $00RRGGBB entries.
    const std::vector<Cardinal>& Palette() const { return FPalette; }
    void SetPalette(const std::vector<Cardinal>& colors);

    TCanvas& Canvas();
    // Row y (0 = top) in the pixel format's layout: 32-bit B, G, R, A; 24-bit B, G, R;
    // 15/16-bit words; 8, 4, 1-bit palette indices, most significant bits first.
    Byte* ScanLine(Integer y);
    Integer RowBytes() const;
    // Bits of one pixel in the pixel format: 1, 4, 8, 16 (15 and 16-bit formats), 24 or 32.
    int BitsPerPixel() const { return Bits(); }
    // The pixels as 32-bit 0x00RRGGBB (alpha in the top byte), for drawing.
    bool GetPixels(TPixelBuffer& buffer) const;

    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    // Between afDefined and afPremultiplied the colours are multiplied or divided by the alpha.
    void SetAlphaFormat(TAlphaFormat value);
    // 32 bits per pixel with alpha values that are neither all 0 nor all 255.
    bool SupportsPartialTransparency() const;
    // Turns the bitmap into its mask: black where the colour is not `color`, white where it is.
    void Mask(TColor color);

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // A bitmap compiled into the program (a ".bmp" under resources/, type BITMAP) by name;
    // EResNotFound when there is none, and the bitmap stays as it was.
    void LoadFromResourceName(HINSTANCE instance, const String& name);
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;
    void DrawOn(TCanvas& canvas, const TRect& dest) override;
    // Reads a device-independent bitmap (an info header, colours and rows) from memory; an icon's
    // image has twice its height and an AND mask after the colour rows.
    void LoadDib(const Byte* data, size_t size, bool iconImage);

private:
    class TDevice;
    int Bits() const;
    void SyncPixels() const;   // native rows -> 32-bit pixels
    void SyncNative() const;   // 32-bit pixels -> native rows
    Cardinal Nearest(Cardinal pixel) const;

    Integer FWidth = 0, FHeight = 0;
    TPixelFormat FFormat = TPixelFormat::pfDevice;
    mutable std::vector<Cardinal> FPixels;
    mutable std::vector<Byte> FNative;
    mutable bool FPixelsCurrent = true, FNativeCurrent = true;
    std::vector<Cardinal> FPalette;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
    TAlphaFormat FAlphaFormat = TAlphaFormat::afIgnored;
    std::unique_ptr<TDevice> FDevice;
    std::unique_ptr<TCanvas> FCanvas;
};

// Icon: an image with per-pixel alpha, read from and written to ".ico" files.
class TIcon : public TGraphic {
    DECLARE_CLASS(TIcon, TGraphic)
public:
    TIcon();
    void Assign(TPersistent* source) override;
    bool Empty() const override { return FImage.Empty(); }
    Integer Width() const override { return FImage.Width(); }
    Integer Height() const override { return FImage.Height(); }
    void SetSize(Integer width, Integer height) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void DrawOn(TCanvas& canvas, const TRect& dest) override;
    // The image: 32-bit, straight (not premultiplied) alpha in the top byte.
    TBitmap& Image() { return FImage; }

private:
    TBitmap FImage;
};

// Draws a 32-bit bitmap with straight alpha over the canvas (icons, PNG images).
void DrawWithAlpha(TCanvas& canvas, const TRect& dest, const TBitmap& image);

using TGraphicClass = TClass;

class TPicture : public TPersistent {
    DECLARE_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;
    void Assign(TPersistent* source) override;
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(TGraphic* value);   // copies value
    TBitmap& Bitmap();                  // replaces another kind of graphic with an empty bitmap
    Integer Width() const { return FGraphic ? FGraphic->Width() : 0; }
    Integer Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // The graphic class by the file's extension; EInvalidGraphic "Unknown picture file extension (.xyz)".
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName);
    // Reads a graphic from the stream's position: the first registered format whose test accepts
    // the data picks the class (bitmaps by "BM", PNG, JPEG, GIF, icons and metafiles by their
    // signatures); EInvalidGraphic "Unknown picture format" when none does.
    void LoadFromStream(TStream& stream);
    // The same from a raw-data resource of the module, by name or by number; EResNotFound when
    // the module has no such resource, and the picture stays as it was.
    void LoadFromResourceName(HINSTANCE instance, const String& name);
    void LoadFromResourceID(HINSTANCE instance, Integer id);
    // The graphic in its own file format; nothing without a graphic.
    void SaveToStream(TStream& stream);
    // "Data" in form descriptions: the graphic's class name (a short string) and its data.
    void DefineProperties(TFiler* filer) override;
    void ReadData(TStream& stream);     // EInvalidGraphic for a class that is not registered
    void WriteData(TStream& stream);
    std::function<void()> OnChange;

    // Tells whether a stream, at its position, holds data of the format; the position is restored
    // by the caller.
    using TFormatTest = std::function<bool(TStream& stream)>;
    // A format without test is only chosen by file extension.
    static void RegisterFileFormat(const String& extension, const String& description, TGraphicClass graphicClass,
                                   TFormatTest test = nullptr);
    static String FileFormatDescription(const String& extension);   // "" when none is registered
    // The class of the first registered format whose test accepts the stream; null when none.
    static TGraphicClass GraphicClassOfStream(TStream& stream);
    static void UnregisterGraphicClass(TGraphicClass graphicClass);
    static TGraphicClass FileFormat(const String& extension);   // null when none is registered
    // "All (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|..." for file dialogs.
    static String GraphicFilter(TGraphicClass graphicClass);

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};
