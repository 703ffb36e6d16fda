// The run-time-bound GDI+ wrapper: font families, fonts, string formats, images and bitmaps, and
// the shared generic families and formats that the process frees before GDI+ stops.
#include "graphics/GxGDIPlusClasses.h"

#include <algorithm>
#include <cstring>

namespace {
// The five shared objects, in the order they are freed.
TGPFontFamily* SharedSansSerif = nullptr;
TGPFontFamily* SharedSerif = nullptr;
TGPFontFamily* SharedMonospace = nullptr;
TGPStringFormat* SharedTypographic = nullptr;
TGPStringFormat* SharedDefault = nullptr;
}  // namespace

void FreeSharedGdiplusObjects()
{
    for (TGPFontFamily** family : {&SharedSansSerif, &SharedSerif, &SharedMonospace}) {
        delete *family;
        *family = nullptr;
    }
    for (TGPStringFormat** format : {&SharedTypographic, &SharedDefault}) {
        delete *format;
        *format = nullptr;
    }
}

// ---- Font families

TGPFontFamily::TGPFontFamily() = default;
TGPFontFamily::TGPFontFamily(const String& name, TGPFontCollection* fontCollection)
{
    lastResult = GdipCall(eGdipCreateFontFamilyFromName, name.c_str(),
                          fontCollection ? fontCollection->Native() : nullptr, &nativeFamily);
}
TGPFontFamily::TGPFontFamily(void* nativeOrig, Status status) : nativeFamily(nativeOrig), lastResult(status) {}
TGPFontFamily::~TGPFontFamily() { GdipCall(eGdipDeleteFontFamily, nativeFamily); }

namespace {
TGPFontFamily* Generic(TGPFontFamily*& shared, TGdiplusEntry getter)
{
    if (!shared) {
        void* handle = nullptr;
        Status status = GdipCall(getter, &handle);
        shared = new TGPFontFamily(handle, status);
    }
    return shared;
}
}  // namespace

TGPFontFamily* TGPFontFamily::GenericSansSerif() { return Generic(SharedSansSerif, eGdipGetGenericFontFamilySansSerif); }
TGPFontFamily* TGPFontFamily::GenericSerif() { return Generic(SharedSerif, eGdipGetGenericFontFamilySerif); }
TGPFontFamily* TGPFontFamily::GenericMonospace() { return Generic(SharedMonospace, eGdipGetGenericFontFamilyMonospace); }

// GDI+ fills 32 wide characters; the name ends at the first zero.
Status TGPFontFamily::GetFamilyName(String& name, Word language)
{
    name = String();
    char16_t buffer[33] = {};
    Status status = SetStatus(GdipCall(eGdipGetFamilyName, nativeFamily, &buffer[0], language));
    name = String(std::u16string(buffer, std::find(buffer, buffer + 32, u'\0')));
    return status;
}
std::unique_ptr<TGPFontFamily> TGPFontFamily::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneFontFamily, nativeFamily, &copy));
    return std::make_unique<TGPFontFamily>(copy, lastResult);
}
bool TGPFontFamily::IsStyleAvailable(Integer style)
{
    int result = 0;
    return SetStatus(GdipCall(eGdipIsStyleAvailable, nativeFamily, style, &result)) == Ok && result != 0;
}
Word TGPFontFamily::GetEmHeight(Integer style)
{
    Word value = 0;
    SetStatus(GdipCall(eGdipGetEmHeight, nativeFamily, style, &value));
    return value;
}
Word TGPFontFamily::GetCellAscent(Integer style)
{
    Word value = 0;
    SetStatus(GdipCall(eGdipGetCellAscent, nativeFamily, style, &value));
    return value;
}
Word TGPFontFamily::GetCellDescent(Integer style)
{
    Word value = 0;
    SetStatus(GdipCall(eGdipGetCellDescent, nativeFamily, style, &value));
    return value;
}
Word TGPFontFamily::GetLineSpacing(Integer style)
{
    Word value = 0;
    SetStatus(GdipCall(eGdipGetLineSpacing, nativeFamily, style, &value));
    return value;
}

Integer TGPFontCollection::GetFamilyCount()
{
    Integer count = 0;
    lastResult = GdipCall(eGdipGetFontCollectionFamilyCount, nativeFontCollection, &count);
    return count;
}

// The families are copied into the caller's family objects; the array must hold numSought.
Status TGPFontCollection::GetFamilies(Integer numSought, std::vector<TGPFontFamily*>& gpfamilies, Integer& numFound)
{
    if (numSought < 1 || gpfamilies.empty()) {
        lastResult = InvalidParameter;
        return InvalidParameter;
    }
    numFound = 0;
    std::vector<void*> handles(static_cast<size_t>(numSought));
    lastResult = GdipCall(eGdipGetFontCollectionFamilyList, nativeFontCollection, numSought, handles.data(), &numFound);
    if (lastResult == Ok) {
        Integer count = std::min<Integer>(numFound, static_cast<Integer>(gpfamilies.size()));
        for (Integer i = 0; i < count; ++i)
            GdipCall(eGdipCloneFontFamily, handles[static_cast<size_t>(i)], &gpfamilies[static_cast<size_t>(i)]->nativeFamily);
    }
    return lastResult;
}

// ---- Fonts

TGPFont::TGPFont(HDC hdc) { lastResult = GdipCall(eGdipCreateFontFromDC, hdc, &nativeFont); }
TGPFont::TGPFont(HDC hdc, const LOGFONTA* logfont)
{
    lastResult = logfont ? GdipCall(eGdipCreateFontFromLogfontA, hdc, logfont, &nativeFont)
                         : GdipCall(eGdipCreateFontFromDC, hdc, &nativeFont);
}
TGPFont::TGPFont(HDC hdc, const LOGFONTW* logfont)
{
    lastResult = logfont ? GdipCall(eGdipCreateFontFromLogfontW, hdc, logfont, &nativeFont)
                         : GdipCall(eGdipCreateFontFromDC, hdc, &nativeFont);
}
TGPFont::TGPFont(HDC hdc, TFont* hfont)
{
    if (hfont) {
        LOGFONTW logfont = LogFontOf(*hfont);
        lastResult = GdipCall(eGdipCreateFontFromLogfontW, hdc, static_cast<const LOGFONTW*>(&logfont), &nativeFont);
    } else {
        lastResult = GdipCall(eGdipCreateFontFromDC, hdc, &nativeFont);
    }
}
TGPFont::TGPFont(TGPFontFamily* family, Single emSize, Integer style, Unit_ unit)
{
    lastResult = GdipCall(eGdipCreateFont, family ? family->nativeFamily : nullptr, emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(const String& familyName, Single emSize, Integer style, Unit_ unit, TGPFontCollection* fontCollection)
{
    std::unique_ptr<TGPFontFamily> family(new TGPFontFamily(familyName, fontCollection));
    lastResult = family->GetLastStatus();
    void* familyHandle = family->nativeFamily;
    if (lastResult != Ok) {
        familyHandle = TGPFontFamily::GenericSansSerif()->nativeFamily;
        lastResult = TGPFontFamily::GenericSansSerif()->lastResult;
        if (lastResult != Ok) return;
    }
    lastResult = GdipCall(eGdipCreateFont, familyHandle, emSize, style, unit, &nativeFont);
    if (lastResult != Ok) {
        lastResult = TGPFontFamily::GenericSansSerif()->lastResult;
        if (lastResult == Ok)
            lastResult = GdipCall(eGdipCreateFont, TGPFontFamily::GenericSansSerif()->nativeFamily, emSize, style, unit,
                                  &nativeFont);
    }
}
TGPFont::TGPFont(void* font, Status status) : nativeFont(font), lastResult(status) {}
TGPFont::~TGPFont() { GdipCall(eGdipDeleteFont, nativeFont); }

std::unique_ptr<TGPFont> TGPFont::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneFont, nativeFont, &copy));
    return std::make_unique<TGPFont>(copy, lastResult);
}
Status TGPFont::GetLogFontA(TGPGraphics* g, LOGFONTA& logfontA)
{
    return SetStatus(GdipCall(eGdipGetLogFontA, nativeFont, g ? g->Native() : nullptr, &logfontA));
}
Status TGPFont::GetLogFontW(TGPGraphics* g, LOGFONTW& logfontW)
{
    return SetStatus(GdipCall(eGdipGetLogFontW, nativeFont, g ? g->Native() : nullptr, &logfontW));
}
Integer TGPFont::GetStyle()
{
    Integer style = 0;
    SetStatus(GdipCall(eGdipGetFontStyle, nativeFont, &style));
    return style;
}
Single TGPFont::GetSize()
{
    Single size = 0;
    SetStatus(GdipCall(eGdipGetFontSize, nativeFont, &size));
    return size;
}
Unit_ TGPFont::GetUnit()
{
    Unit_ unit = UnitWorld;
    SetStatus(GdipCall(eGdipGetFontUnit, nativeFont, &unit));
    return unit;
}
Single TGPFont::GetHeight(TGPGraphics* graphics)
{
    Single height = 0;
    SetStatus(GdipCall(eGdipGetFontHeight, nativeFont, graphics ? graphics->Native() : nullptr, &height));
    return height;
}
Single TGPFont::GetHeight(Single dpi)
{
    Single height = 0;
    SetStatus(GdipCall(eGdipGetFontHeightGivenDPI, nativeFont, dpi, &height));
    return height;
}
Status TGPFont::GetFamily(TGPFontFamily* family)
{
    if (!family) return SetStatus(InvalidParameter);
    void* handle = nullptr;
    Status status = GdipCall(eGdipGetFamily, nativeFont, &handle);
    family->nativeFamily = handle;
    family->SetStatus(status);
    return SetStatus(status);
}

// ---- String formats

TGPStringFormat::TGPStringFormat(Integer formatFlags, Word language)
{
    lastError = GdipCall(eGdipCreateStringFormat, formatFlags, language, &nativeFormat);
}
TGPStringFormat::TGPStringFormat(TGPStringFormat* format)
{
    lastError = GdipCall(eGdipCloneStringFormat, format ? format->nativeFormat : nullptr, &nativeFormat);
}
TGPStringFormat::TGPStringFormat(void* native, Status status) : nativeFormat(native), lastError(status) {}
TGPStringFormat::~TGPStringFormat() { GdipCall(eGdipDeleteStringFormat, nativeFormat); }

TGPStringFormat* TGPStringFormat::GenericDefault()
{
    if (!SharedDefault) {
        void* handle = nullptr;
        Status status = GdipCall(eGdipStringFormatGetGenericDefault, &handle);
        SharedDefault = new TGPStringFormat(handle, status);
    }
    return SharedDefault;
}
TGPStringFormat* TGPStringFormat::GenericTypographic()
{
    if (!SharedTypographic) {
        void* handle = nullptr;
        Status status = GdipCall(eGdipStringFormatGetGenericTypographic, &handle);
        SharedTypographic = new TGPStringFormat(handle, status);
    }
    return SharedTypographic;
}

std::unique_ptr<TGPStringFormat> TGPStringFormat::Clone()
{
    void* copy = nullptr;
    lastError = GdipCall(eGdipCloneStringFormat, nativeFormat, &copy);
    if (lastError != Ok) return nullptr;
    return std::unique_ptr<TGPStringFormat>(new TGPStringFormat(copy, Ok));
}
Status TGPStringFormat::SetFormatFlags(Integer flags) { return SetStatus(GdipCall(eGdipSetStringFormatFlags, nativeFormat, flags)); }
Integer TGPStringFormat::GetFormatFlags()
{
    Integer flags = 0;
    SetStatus(GdipCall(eGdipGetStringFormatFlags, nativeFormat, &flags));
    return flags;
}
Status TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GdipCall(eGdipSetStringFormatAlign, nativeFormat, align));
}
StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment align = StringAlignmentNear;
    SetStatus(GdipCall(eGdipGetStringFormatAlign, nativeFormat, &align));
    return align;
}
Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipCall(eGdipSetStringFormatLineAlign, nativeFormat, align));
}
StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment align = StringAlignmentNear;
    SetStatus(GdipCall(eGdipGetStringFormatLineAlign, nativeFormat, &align));
    return align;
}
Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipCall(eGdipSetStringFormatHotkeyPrefix, nativeFormat, hotkeyPrefix));
}
HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    HotkeyPrefix prefix = HotkeyPrefixNone;
    SetStatus(GdipCall(eGdipGetStringFormatHotkeyPrefix, nativeFormat, &prefix));
    return prefix;
}
Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipCall(eGdipSetStringFormatTrimming, nativeFormat, trimming));
}
StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming trimming = StringTrimmingNone;
    SetStatus(GdipCall(eGdipGetStringFormatTrimming, nativeFormat, &trimming));
    return trimming;
}
Status TGPStringFormat::SetTabStops(Single firstTabOffset, Integer count, const Single* tabStops)
{
    return SetStatus(GdipCall(eGdipSetStringFormatTabStops, nativeFormat, firstTabOffset, count, tabStops));
}
Integer TGPStringFormat::GetTabStopCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetStringFormatTabStopCount, nativeFormat, &count));
    return count;
}
Status TGPStringFormat::GetTabStops(Integer count, Single& firstTabOffset, Single* tabStops)
{
    return SetStatus(GdipCall(eGdipGetStringFormatTabStops, nativeFormat, count, &firstTabOffset, tabStops));
}
Status TGPStringFormat::SetDigitSubstitution(Word language, StringDigitSubstitute substitute)
{
    return SetStatus(GdipCall(eGdipSetStringFormatDigitSubstitution, nativeFormat, language, substitute));
}
Word TGPStringFormat::GetDigitSubstitutionLanguage()
{
    Word language = 0;
    SetStatus(GdipCall(eGdipGetStringFormatDigitSubstitution, nativeFormat, &language,
                       static_cast<StringDigitSubstitute*>(nullptr)));
    return language;
}
StringDigitSubstitute TGPStringFormat::GetDigitSubstitutionMethod()
{
    StringDigitSubstitute method = StringDigitSubstituteUser;
    SetStatus(GdipCall(eGdipGetStringFormatDigitSubstitution, nativeFormat, static_cast<Word*>(nullptr), &method));
    return method;
}
Status TGPStringFormat::SetMeasurableCharacterRanges(Integer rangeCount, const TCharacterRange* ranges)
{
    return SetStatus(GdipCall(eGdipSetStringFormatMeasurableCharacterRanges, nativeFormat, rangeCount, ranges));
}
Integer TGPStringFormat::GetMeasurableCharacterRangeCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetStringFormatMeasurableCharacterRangeCount, nativeFormat, &count));
    return count;
}

// ---- Images

TGPImage::TGPImage(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? eGdipLoadImageFromFileICM : eGdipLoadImageFromFile,
                          filename.c_str(), &nativeImage);
}
TGPImage::TGPImage(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? eGdipLoadImageFromStreamICM : eGdipLoadImageFromStream, stream,
                          &nativeImage);
}
TGPImage::TGPImage(void* ANativeImage, Status status) : nativeImage(ANativeImage), lastResult(status) {}
TGPImage::~TGPImage() { GdipCall(eGdipDisposeImage, nativeImage); }

std::unique_ptr<TGPImage> TGPImage::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneImage, nativeImage, &copy));
    return std::make_unique<TGPImage>(copy, lastResult);
}
ImageType TGPImage::GetType()
{
    ImageType type = ImageTypeUnknown;
    SetStatus(GdipCall(eGdipGetImageType, nativeImage, &type));
    return type;
}
Cardinal TGPImage::GetWidth()
{
    Cardinal width = 0;
    SetStatus(GdipCall(eGdipGetImageWidth, nativeImage, &width));
    return width;
}
Cardinal TGPImage::GetHeight()
{
    Cardinal height = 0;
    SetStatus(GdipCall(eGdipGetImageHeight, nativeImage, &height));
    return height;
}
Single TGPImage::GetHorizontalResolution()
{
    Single dpi = 0;
    SetStatus(GdipCall(eGdipGetImageHorizontalResolution, nativeImage, &dpi));
    return dpi;
}
Single TGPImage::GetVerticalResolution()
{
    Single dpi = 0;
    SetStatus(GdipCall(eGdipGetImageVerticalResolution, nativeImage, &dpi));
    return dpi;
}
Cardinal TGPImage::GetFlags()
{
    Cardinal flags = 0;
    SetStatus(GdipCall(eGdipGetImageFlags, nativeImage, &flags));
    return flags;
}
Integer TGPImage::GetPixelFormat()
{
    Integer format = 0;
    SetStatus(GdipCall(eGdipGetImagePixelFormat, nativeImage, &format));
    return format;
}
Status TGPImage::GetPhysicalDimension(TGPSizeF& size)
{
    Single width = 0, height = 0;
    Status status = SetStatus(GdipCall(eGdipGetImageDimension, nativeImage, &width, &height));
    size = {width, height};
    return status;
}
Status TGPImage::GetBounds(TGPRectF& srcRect, Unit_& srcUnit)
{
    srcUnit = UnitWorld;
    return SetStatus(GdipCall(eGdipGetImageBounds, nativeImage, &srcRect, &srcUnit));
}
std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(Cardinal thumbWidth, Cardinal thumbHeight, ImageAbort callback,
                                                      void* callbackData)
{
    void* thumb = nullptr;
    SetStatus(GdipCall(eGdipGetImageThumbnail, nativeImage, thumbWidth, thumbHeight, &thumb, callback, callbackData));
    return std::make_unique<TGPImage>(thumb, lastResult);
}
Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipCall(eGdipImageRotateFlip, nativeImage, rotateFlipType));
}
std::unique_ptr<TGPImage> TGPImage::FromFile(const String& filename, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPImage>(filename, useEmbeddedColorManagement);
}
std::unique_ptr<TGPImage> TGPImage::FromStream(IStream* stream, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPImage>(stream, useEmbeddedColorManagement);
}
Status TGPImage::Save(const String& filename, const void* clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(eGdipSaveImageToFile, nativeImage, filename.c_str(), clsidEncoder, encoderParams));
}
Status TGPImage::SaveAdd(const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(eGdipSaveAdd, nativeImage, encoderParams));
}
Status TGPImage::SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams)
{
    if (!newImage) return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(eGdipSaveAddImage, nativeImage, newImage->nativeImage, encoderParams));
}
Status TGPImage::GetRawFormat(std::uint8_t (&format)[16])
{
    return SetStatus(GdipCall(eGdipGetImageRawFormat, nativeImage, &format[0]));
}
Integer TGPImage::GetPaletteSize()
{
    Integer size = 0;
    SetStatus(GdipCall(eGdipGetImagePaletteSize, nativeImage, &size));
    return size;
}
Status TGPImage::GetPalette(ColorPalette* palette, Integer size)
{
    return SetStatus(GdipCall(eGdipGetImagePalette, nativeImage, palette, size));
}
Status TGPImage::SetPalette(const ColorPalette* palette) { return SetStatus(GdipCall(eGdipSetImagePalette, nativeImage, palette)); }
Cardinal TGPImage::GetFrameDimensionsCount()
{
    Cardinal count = 0;
    SetStatus(GdipCall(eGdipImageGetFrameDimensionsCount, nativeImage, &count));
    return count;
}
Status TGPImage::GetFrameDimensionsList(std::uint8_t (*dimensionIDs)[16], Cardinal count)
{
    return SetStatus(GdipCall(eGdipImageGetFrameDimensionsList, nativeImage, dimensionIDs, count));
}
Cardinal TGPImage::GetFrameCount(const std::uint8_t (&dimensionID)[16])
{
    Cardinal count = 0;
    SetStatus(GdipCall(eGdipImageGetFrameCount, nativeImage, &dimensionID[0], &count));
    return count;
}
Status TGPImage::SelectActiveFrame(const std::uint8_t (&dimensionID)[16], Cardinal frameIndex)
{
    return SetStatus(GdipCall(eGdipImageSelectActiveFrame, nativeImage, &dimensionID[0], frameIndex));
}
Cardinal TGPImage::GetPropertyCount()
{
    Cardinal count = 0;
    SetStatus(GdipCall(eGdipGetPropertyCount, nativeImage, &count));
    return count;
}
Status TGPImage::GetPropertyIdList(Cardinal numOfProperty, Cardinal* list)
{
    return SetStatus(GdipCall(eGdipGetPropertyIdList, nativeImage, numOfProperty, list));
}
Cardinal TGPImage::GetPropertyItemSize(Cardinal propId)
{
    Cardinal size = 0;
    SetStatus(GdipCall(eGdipGetPropertyItemSize, nativeImage, propId, &size));
    return size;
}
Status TGPImage::GetPropertyItem(Cardinal propId, Cardinal propSize, PropertyItem* buffer)
{
    return SetStatus(GdipCall(eGdipGetPropertyItem, nativeImage, propId, propSize, buffer));
}
Status TGPImage::GetPropertySize(Cardinal& totalBufferSize, Cardinal& numProperties)
{
    totalBufferSize = 0;
    numProperties = 0;
    return SetStatus(GdipCall(eGdipGetPropertySize, nativeImage, &totalBufferSize, &numProperties));
}
Status TGPImage::GetAllPropertyItems(Cardinal totalBufferSize, Cardinal numProperties, PropertyItem* allItems)
{
    return SetStatus(GdipCall(eGdipGetAllPropertyItems, nativeImage, totalBufferSize, numProperties, allItems));
}
Status TGPImage::RemovePropertyItem(Cardinal propId) { return SetStatus(GdipCall(eGdipRemovePropertyItem, nativeImage, propId)); }
Status TGPImage::SetPropertyItem(const PropertyItem& item)
{
    return SetStatus(GdipCall(eGdipSetPropertyItem, nativeImage, &item));
}
Cardinal TGPImage::GetEncoderParameterListSize(const void* clsidEncoder)
{
    Cardinal size = 0;
    SetStatus(GdipCall(eGdipGetEncoderParameterListSize, nativeImage, clsidEncoder, &size));
    return size;
}
Status TGPImage::GetEncoderParameterList(const void* clsidEncoder, Cardinal size, EncoderParameters* buffer)
{
    return SetStatus(GdipCall(eGdipGetEncoderParameterList, nativeImage, clsidEncoder, size, buffer));
}
Status TGPImage::Save(IStream* stream, const void* clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(eGdipSaveImageToStream, nativeImage, stream, clsidEncoder, encoderParams));
}

// ---- Bitmaps

TGPBitmap::TGPBitmap(Integer width, Integer height, Integer stride, Integer format, std::uint8_t* scan0)
{
    lastResult = GdipCall(eGdipCreateBitmapFromScan0, width, height, stride, format, scan0, &nativeImage);
}
TGPBitmap::TGPBitmap(Integer width, Integer height, Integer format)
{
    lastResult = GdipCall(eGdipCreateBitmapFromScan0, width, height, 0, format, static_cast<std::uint8_t*>(nullptr),
                          &nativeImage);
}
TGPBitmap::TGPBitmap(Integer width, Integer height, TGPGraphics* target)
{
    lastResult = GdipCall(eGdipCreateBitmapFromGraphics, width, height, target ? target->Native() : nullptr,
                          &nativeImage);
}
TGPBitmap::TGPBitmap(HBITMAP hbm, HPALETTE hpal)
{
    lastResult = GdipCall(eGdipCreateBitmapFromHBITMAP, hbm, hpal, &nativeImage);
}
TGPBitmap::TGPBitmap(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? eGdipCreateBitmapFromStreamICM : eGdipCreateBitmapFromStream,
                          stream, &nativeImage);
}
TGPBitmap::TGPBitmap(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? eGdipCreateBitmapFromFileICM : eGdipCreateBitmapFromFile,
                          filename.c_str(), &nativeImage);
}
TGPBitmap::TGPBitmap(HICON hicon, Integer) { lastResult = GdipCall(eGdipCreateBitmapFromHICON, hicon, &nativeImage); }
TGPBitmap::TGPBitmap(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData)
{
    lastResult = GdipCall(eGdipCreateBitmapFromGdiDib, gdiBitmapInfo, gdiBitmapData, &nativeImage);
}
TGPBitmap::TGPBitmap(HINSTANCE hInstance, const String& bitmapName)
{
    lastResult = GdipCall(eGdipCreateBitmapFromResource, hInstance, bitmapName.c_str(), &nativeImage);
}
TGPBitmap::TGPBitmap(void* nativeBitmap) { nativeImage = nativeBitmap; }
std::unique_ptr<TGPBitmap> TGPBitmap::FromBITMAPINFO(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData)
{
    return std::make_unique<TGPBitmap>(gdiBitmapInfo, gdiBitmapData);
}
std::unique_ptr<TGPBitmap> TGPBitmap::FromResource(HINSTANCE hInstance, const String& bitmapName)
{
    return std::make_unique<TGPBitmap>(hInstance, bitmapName);
}
std::unique_ptr<TGPBitmap> TGPBitmap::FromFile(const String& filename, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPBitmap>(filename, useEmbeddedColorManagement);
}
std::unique_ptr<TGPBitmap> TGPBitmap::FromStream(IStream* stream, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPBitmap>(stream, useEmbeddedColorManagement);
}
std::unique_ptr<TGPBitmap> TGPBitmap::FromHBITMAP(HBITMAP hbm, HPALETTE hpal) { return std::make_unique<TGPBitmap>(hbm, hpal); }
std::unique_ptr<TGPBitmap> TGPBitmap::FromHICON(HICON hicon) { return std::make_unique<TGPBitmap>(hicon, 0); }

std::unique_ptr<TGPBitmap> TGPBitmap::Clone(Integer x, Integer y, Integer width, Integer height, Integer format)
{
    void* copy = nullptr;
    lastResult = GdipCall(eGdipCloneBitmapAreaI, x, y, width, height, format, nativeImage, &copy);
    if (lastResult != Ok) return nullptr;
    return std::make_unique<TGPBitmap>(copy);
}
std::unique_ptr<TGPBitmap> TGPBitmap::Clone(const TGPRect& rect, Integer format)
{
    return Clone(rect.X, rect.Y, rect.Width, rect.Height, format);
}
std::unique_ptr<TGPBitmap> TGPBitmap::Clone(const TGPRectF& rect, Integer format)
{
    return Clone(rect.X, rect.Y, rect.Width, rect.Height, format);
}
std::unique_ptr<TGPBitmap> TGPBitmap::Clone(Single x, Single y, Single width, Single height, Integer format)
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneBitmapArea, x, y, width, height, format, nativeImage, &copy));
    if (lastResult != Ok) {
        if (copy) GdipCall(eGdipDisposeImage, copy);
        return nullptr;
    }
    return std::make_unique<TGPBitmap>(copy);
}

// libgdiplus keeps more than the published record of a lock: the whole of it stays here and
// the caller gets the published part.
Status TGPBitmap::LockBits(const TGPRect& rect, Cardinal flags, Integer format, BitmapData& lockedBitmapData)
{
    std::memset(FLockState, 0, sizeof FLockState);
    std::memcpy(FLockState, &lockedBitmapData, sizeof lockedBitmapData);
    Status status = SetStatus(GdipCall(eGdipBitmapLockBits, nativeImage, &rect, flags, format,
                                       static_cast<void*>(FLockState)));
    std::memcpy(&lockedBitmapData, FLockState, sizeof lockedBitmapData);
    return status;
}
Status TGPBitmap::UnlockBits(BitmapData& lockedBitmapData)
{
    std::memcpy(FLockState, &lockedBitmapData, sizeof lockedBitmapData);
    return SetStatus(GdipCall(eGdipBitmapUnlockBits, nativeImage, static_cast<void*>(FLockState)));
}
Status TGPBitmap::GetPixel(Integer x, Integer y, ARGB& color)
{
    color = 0;
    return SetStatus(GdipCall(eGdipBitmapGetPixel, nativeImage, x, y, &color));
}
Status TGPBitmap::SetPixel(Integer x, Integer y, ARGB color)
{
    return SetStatus(GdipCall(eGdipBitmapSetPixel, nativeImage, x, y, color));
}
Status TGPBitmap::SetResolution(Single xdpi, Single ydpi)
{
    return SetStatus(GdipCall(eGdipBitmapSetResolution, nativeImage, xdpi, ydpi));
}
Status TGPBitmap::GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn)
{
    return SetStatus(GdipCall(eGdipCreateHBITMAPFromBitmap, nativeImage, &hbmReturn, colorBackground));
}
Status TGPBitmap::GetHICON(HICON& hicon) { return SetStatus(GdipCall(eGdipCreateHICONFromBitmap, nativeImage, &hicon)); }

// ---- Image attributes

TGPImageAttributes::TGPImageAttributes() { lastResult = GdipCall(eGdipCreateImageAttributes, &nativeImageAttr); }
TGPImageAttributes::~TGPImageAttributes() { GdipCall(eGdipDisposeImageAttributes, nativeImageAttr); }
std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneImageAttributes, nativeImageAttr, &copy));
    return std::make_unique<TGPImageAttributes>(copy, lastResult);
}
Status TGPImageAttributes::SetToIdentity(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesToIdentity, nativeImageAttr, type_));
}
Status TGPImageAttributes::Reset(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipResetImageAttributes, nativeImageAttr, type_));
}

namespace {
constexpr int Enable = -1, Disable = 0;
}  // namespace

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesColorMatrix, nativeImageAttr, type_, Enable, &colorMatrix,
                              static_cast<const ColorMatrix*>(nullptr), mode));
}
Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesColorMatrix, nativeImageAttr, type_, Disable,
                              static_cast<const ColorMatrix*>(nullptr), static_cast<const ColorMatrix*>(nullptr),
                              ColorMatrixFlagsDefault));
}
Status TGPImageAttributes::SetThreshold(Single threshold, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesThreshold, nativeImageAttr, type_, Enable, threshold));
}
Status TGPImageAttributes::ClearThreshold(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesThreshold, nativeImageAttr, type_, Disable, Single(0)));
}
Status TGPImageAttributes::SetGamma(Single gamma, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesGamma, nativeImageAttr, type_, Enable, gamma));
}
Status TGPImageAttributes::ClearGamma(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesGamma, nativeImageAttr, type_, Disable, Single(0)));
}
Status TGPImageAttributes::SetNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesNoOp, nativeImageAttr, type_, Enable));
}
Status TGPImageAttributes::ClearNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesNoOp, nativeImageAttr, type_, Disable));
}
Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesColorKeys, nativeImageAttr, type_, Enable, colorLow, colorHigh));
}
Status TGPImageAttributes::ClearColorKey(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesColorKeys, nativeImageAttr, type_, Disable, ARGB(0), ARGB(0)));
}
Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesOutputChannel, nativeImageAttr, type_, Enable, channelFlags));
}
Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType type_)
{
    return SetStatus(
        GdipCall(eGdipSetImageAttributesOutputChannel, nativeImageAttr, type_, Disable, ColorChannelFlagsLast));
}
Status TGPImageAttributes::SetOutputChannelColorProfile(const String& colorProfileFilename, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesOutputChannelColorProfile, nativeImageAttr, type_, Enable,
                              colorProfileFilename.c_str()));
}
Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesOutputChannelColorProfile, nativeImageAttr, type_, Disable,
                              static_cast<const char16_t*>(nullptr)));
}
Status TGPImageAttributes::SetRemapTable(Cardinal mapSize, const ColorMap* map, ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesRemapTable, nativeImageAttr, type_, Enable, mapSize, map));
}
Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type_)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesRemapTable, nativeImageAttr, type_, Disable, Cardinal(0),
                              static_cast<const ColorMap*>(nullptr)));
}
Status TGPImageAttributes::SetBrushRemapTable(Cardinal mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}
Status TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }
Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipCall(eGdipSetImageAttributesWrapMode, nativeImageAttr, wrap, color, static_cast<int>(clamp)));
}
Status TGPImageAttributes::GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(
        GdipCall(eGdipGetImageAttributesAdjustedPalette, nativeImageAttr, colorPalette, colorAdjustType));
}

// ---- Cached bitmaps

TGPCachedBitmap::TGPCachedBitmap(TGPBitmap* bitmap, TGPGraphics* graphics)
{
    lastResult = GdipCall(eGdipCreateCachedBitmap, bitmap ? bitmap->Native() : nullptr,
                          graphics ? graphics->Native() : nullptr, &nativeCachedBitmap);
}
TGPCachedBitmap::~TGPCachedBitmap() { GdipCall(eGdipDeleteCachedBitmap, nativeCachedBitmap); }
