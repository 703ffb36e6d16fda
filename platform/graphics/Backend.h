#pragma once
// The services the graphics layer needs from the toolkit back end: font rendering, print jobs,
// the clipboard and the picture formats read through the toolkit's image readers.  The back end registers them at start-up (platform/backend/qt).
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/PaintDevice.h"

// A font as the device sees it: the height in device pixels (negative: character height,
// positive: cell height), orientation in tenths of a degree.
struct TFontSpec {
    String Name;
    Integer Height = -11;
    TFontStyles Style;
    Integer Orientation = 0;
    TFontPitch Pitch = TFontPitch::fpDefault;
    TFontCharset Charset = DEFAULT_CHARSET;
};

struct TFontMetrics {
    Integer Height = 0, Ascent = 0, Descent = 0, InternalLeading = 0, ExternalLeading = 0;
    Integer AveCharWidth = 0, MaxCharWidth = 0, Weight = 400;
    bool FixedPitch = false;
    bool TrueType = false;   // an outline (scalable) font, not a bitmap font
};

// Coverage of rendered text: one byte per pixel (0 or 1, text is never antialiased).
// Pixel (0, 0) of the mask lies at OriginX, OriginY relative to the text's reference point
// (its top-left corner before rotation).
struct TGlyphMask {
    Integer Width = 0, Height = 0, OriginX = 0, OriginY = 0;
    std::vector<Byte> Bits;
};

class TFontEngine {
public:
    virtual ~TFontEngine() = default;
    virtual TFontMetrics Metrics(const TFontSpec& font) = 0;
    virtual Integer TextWidth(const TFontSpec& font, const String& text) = 0;
    // The width of each leading part of the text (1, 2, ... characters), as TextWidth measures it.
    virtual std::vector<Integer> PartialWidths(const TFontSpec& font, const String& text);
    // Only the pixels inside `visible` (relative to the reference point) are rendered.
    virtual TGlyphMask Render(const TFontSpec& font, const String& text, const TRect& visible) = 0;
    virtual std::vector<String> Families() = 0;
};

struct TPrintSettings {
    String Title;
    String PrinterName;         // empty: the default printer
    String OutputFileName;      // non-empty: print into this PDF file
    bool Landscape = false;
    Integer Copies = 1;
};

class TPrintJob : public TPaintDevice {
public:
    virtual void NewPage() = 0;
    virtual void End() = 0;
    virtual void Abort() = 0;
};

struct TPrinterInfo {
    Integer DpiX = 600, DpiY = 600;
    TSize PageSize;          // printable area in device pixels
    TSize PhysicalSize;      // paper in device pixels
    TPoint PhysicalOffset;   // printable area's offset on the paper
};

class TPrinterBackend {
public:
    virtual ~TPrinterBackend() = default;
    virtual std::vector<String> PrinterNames() = 0;
    virtual TPrinterInfo Info(const TPrintSettings& settings) = 0;
    virtual std::unique_ptr<TPrintJob> Begin(const TPrintSettings& settings) = 0;
};

// Clipboard contents by MIME type.
class TClipboardBackend {
public:
    virtual ~TClipboardBackend() = default;
    virtual void SetData(const std::vector<std::pair<std::string, std::string>>& formats) = 0;   // replaces all
    virtual std::vector<std::string> Formats() = 0;
    virtual std::string GetData(const std::string& mime) = 0;
};

// A picture as the image readers and writers exchange it: rows of 0xAARRGGBB pixels, straight
// alpha in the top byte when HasAlpha.
struct TDecodedImage {
    Integer Width = 0, Height = 0;
    std::vector<Cardinal> Pixels;
    bool HasAlpha = false;
};

class TImageCodecBackend {
public:
    virtual ~TImageCodecBackend() = default;
    // Format is the file extension ("tiff"); false when the bytes are no picture of it.
    virtual bool Decode(const std::string& format, const std::vector<Byte>& data, TDecodedImage& image) = 0;
    // Empty when the picture cannot be written in the format.
    virtual std::vector<Byte> Encode(const std::string& format, const TDecodedImage& image) = 0;
};

struct TGraphicsBackend {
    TFontEngine* Fonts = nullptr;
    TPrinterBackend* Printers = nullptr;
    TClipboardBackend* Clipboard = nullptr;
    TImageCodecBackend* ImageCodecs = nullptr;
};
void RegisterGraphicsBackend(const TGraphicsBackend& backend);
// Raises EInvalidOperation naming the missing service when nothing is registered.
TFontEngine& FontEngine();
TPrinterBackend& PrinterBackend();
TClipboardBackend& ClipboardBackend();
TImageCodecBackend& ImageCodecBackend();
