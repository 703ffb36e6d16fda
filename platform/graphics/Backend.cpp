#include "platform/graphics/Backend.h"

#include "platform/rtl/Exceptions.h"

namespace {
TGraphicsBackend& Registered()
{
    static TGraphicsBackend backend;
    return backend;
}

template <class T> T& Require(T* service, const char* what)
{
    if (!service) throw EInvalidOperation(String("No ") + what + " is installed");
    return *service;
}
}  // namespace

std::vector<Integer> TFontEngine::PartialWidths(const TFontSpec& font, const String& text)
{
    std::vector<Integer> widths;
    for (int i = 1; i <= text.Length(); ++i) widths.push_back(TextWidth(font, Copy(text, 1, i)));
    return widths;
}

void RegisterGraphicsBackend(const TGraphicsBackend& backend) { Registered() = backend; }
TFontEngine& FontEngine() { return Require(Registered().Fonts, "font engine"); }
TPrinterBackend& PrinterBackend() { return Require(Registered().Printers, "printer service"); }
TClipboardBackend& ClipboardBackend() { return Require(Registered().Clipboard, "clipboard service"); }
TImageCodecBackend& ImageCodecBackend() { return Require(Registered().ImageCodecs, "image reader"); }
