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

void RegisterGraphicsBackend(const TGraphicsBackend& backend) { Registered() = backend; }
TFontEngine& FontEngine() { return Require(Registered().Fonts, "font engine"); }
TPrinterBackend& PrinterBackend() { return Require(Registered().Printers, "printer service"); }
TClipboardBackend& ClipboardBackend() { return Require(Registered().Clipboard, "clipboard service"); }
