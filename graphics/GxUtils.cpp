// TGxUtils: scaling and fonts, picture signatures, Base64, hexadecimal and URL codecs, JPEG
// conversion, the image download, folders, shell, dialogs, resources and the clipboard formats.
#include "graphics/GxUtils.h"

#include <curl/curl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "graphics/GxTypes.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/controls/Controls.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Codecs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"
#include "platform/services/ShellApi.h"

const TImageData ImageSignatures[10] = {
    {".gif", 3, {0x47, 0x49, 0x46, 0x00}},     {".bmp", 2, {0x42, 0x4D, 0x00, 0x00}},
    {".png", 4, {0x89, 0x50, 0x4E, 0x47}},     {".tiff", 3, {0x49, 0x49, 0x2A, 0x00}},
    {".tiff", 3, {0x4D, 0x4D, 0x2A, 0x00}},    {".jpg", 4, {0xFF, 0xD8, 0xFF, 0xE0}},
    {".jpg", 4, {0xFF, 0xD8, 0xFF, 0xE1}},     {".jpg", 4, {0xFF, 0xD8, 0xFF, 0xDB}},
    {".unknown", 4, {0x00, 0x00, 0x01, 0x00}}, {".empty", 4, {0x00, 0x00, 0x00, 0x00}}};

Word ClipboardFormatRichEditorText = 0;
Word ClipboardFormatStream = 0;
Word ClipboardFormatBitmap = 0;
Word ClipboardFormatRTF = 0;
Word ClipboardFormatHTML = 0;

void RegisterGxClipboardFormats()
{
    ClipboardFormatRichEditorText = RegisterClipboardFormat("RichEditorText");
    ClipboardFormatStream = RegisterClipboardFormat("TGxClipBoard.StreamFormat");
    ClipboardFormatBitmap = CF_BITMAP;
    ClipboardFormatRTF = RegisterClipboardFormat("Rich Text Format");
    ClipboardFormatHTML = RegisterClipboardFormat("HTML Format");
}

namespace {
// The library's formats are registered when the program starts.
[[maybe_unused]] const bool ClipboardFormatsRegistered = (RegisterGxClipboardFormats(), true);

const char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char16_t c)
{
    if (c >= u'A' && c <= u'Z') return c - u'A';
    if (c >= u'a' && c <= u'z') return c - u'a' + 26;
    if (c >= u'0' && c <= u'9') return c - u'0' + 52;
    if (c == u'+') return 62;
    if (c == u'/') return 63;
    return -1;
}

// The whole stream from its start; the position ends at its end.
TBytes WholeStream(TStream& stream)
{
    stream.SetPosition(0);
    TBytes bytes(static_cast<size_t>(stream.Size()));
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    return bytes;
}

String EncodeBase64(const TBytes& bytes)
{
    std::u16string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const Cardinal n = bytes[i] << 16 | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0) |
                           (i + 2 < bytes.size() ? bytes[i + 2] : 0);
        text += static_cast<char16_t>(Base64Alphabet[n >> 18 & 63]);
        text += static_cast<char16_t>(Base64Alphabet[n >> 12 & 63]);
        text += i + 1 < bytes.size() ? static_cast<char16_t>(Base64Alphabet[n >> 6 & 63]) : u'=';
        text += i + 2 < bytes.size() ? static_cast<char16_t>(Base64Alphabet[n & 63]) : u'=';
    }
    return String(text);
}

String EncodeHex(const TBytes& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::u16string text;
    for (Byte b : bytes) {
        text += static_cast<char16_t>(digits[b >> 4]);
        text += static_cast<char16_t>(digits[b & 15]);
    }
    return String(text);
}

// Two hexadecimal digits of either case; EConvertError otherwise.
Byte HexPair(const String& pair)
{
    Integer value = 0;
    bool ok = pair.Length() == 2;
    for (int i = 1; ok && i <= 2; ++i) {
        const char16_t c = pair[i];
        const int d = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10
                      : c >= u'a' && c <= u'f' ? c - u'a' + 10 : -1;
        ok = d >= 0;
        value = value * 16 + d;
    }
    if (!ok) throw EConvertError("'" + pair + "' is not a valid integer value");
    return static_cast<Byte>(value);
}

// Pairs of digits; a last odd digit is ignored.
TBytes DecodeHexPairs(const String& text)
{
    TBytes bytes;
    for (int i = 1; i + 1 <= text.Length(); i += 2) bytes.push_back(HexPair(Copy(text, i, 2)));
    return bytes;
}

void WriteBytes(TStream& stream, const TBytes& bytes)
{
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

// The picture's graphic in its own file format.
TBytes PictureBytes(TPicture* picture)
{
    if (!picture || !picture->Graphic() || picture->Graphic()->Empty()) return {};
    TMemoryStream m;
    picture->Graphic()->SaveToStream(m);
    return WholeStream(m);
}

size_t AppendBody(char* data, size_t size, size_t count, void* target)
{
    static_cast<TMemoryStream*>(target)->WriteBuffer(data, static_cast<Integer>(size * count));
    return size * count;
}

// The documents folder from the user's folder settings (user-dirs.dirs in the settings folder).
String XdgDocumentsDir(const String& home)
{
    const String file = UserConfigDir() + "user-dirs.dirs";
    if (!FileExists(file)) return String();
    TStringList lines;
    lines.LoadFromFile(file);
    for (Integer i = 0; i < lines.Count(); ++i) {
        String line = Trim(lines.Get(i));
        if (Pos("XDG_DOCUMENTS_DIR=", line) != 1) continue;
        String value = Copy(line, 19);
        if (value.Length() >= 2 && value[1] == u'"' && value[value.Length()] == u'"')
            value = Copy(value, 2, value.Length() - 2);
        return StringReplace(value, "$HOME", home, rfReplaceAll);
    }
    return String();
}

}  // namespace

Cardinal HiWordOf(Cardinal Value) { return Value >> 16; }
Cardinal LoWordOf(Cardinal Value) { return Value & 0xFFFF; }
Cardinal MakeWordOf(Cardinal A, Cardinal B) { return A | (B << 8); }
Cardinal MakeLongOf(Cardinal A, Cardinal B) { return A | (B << 16); }

// ---------------------------------------------------------------- scaling, fonts, forms

float TGxUtils::GetDPIScale(TComponent* AOwner, Integer ADefaultDPI)
{
    TCustomForm* form = nullptr;
    if (auto* f = dynamic_cast<TCustomForm*>(AOwner)) form = f;
    else if (AOwner) {
        if (auto* control = dynamic_cast<TControl*>(AOwner)) form = GetParentForm(control);
        if (!form) form = GetOwnerForm(AOwner);
    } else if (Application) {
        form = Application->MainForm();
    }
    if (!form || !form->Scaled()) return 1;
    const Integer base = ADefaultDPI > 0 ? ADefaultDPI : form->PixelsPerInch();
    return static_cast<float>(form->Monitor()->PixelsPerInch()) / static_cast<float>(base);
}

void TGxUtils::ScaleForDPI(TControl* AControl, Integer ADPI)
{
    if (AControl) AControl->ScaleForPPI(ADPI);
}

namespace {
// The children's children first, then the child itself.
void FontsTo96(TWinControl* parent)
{
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) FontsTo96(windowed);
        TFont& font = child->Font();
        font.SetHeight(TGxUtils::MulDivInt(font.Height(), 96, font.PixelsPerInch()));
    }
}
}  // namespace

void TGxUtils::ScaleForCurrentDPI(TCustomForm* AForm)
{
    if (!AForm) return;
    FontsTo96(AForm);
    AForm->ScaleForPPI(Screen->PixelsPerInch());
    if (AForm->ClassNameIs("TGxCustomPopupForm")) {
        const float scale = GetDPIScale(AForm, 96);
        AForm->SetBounds(AForm->Left(), AForm->Top(), static_cast<Integer>(std::nearbyint(AForm->Width() * scale)),
                         static_cast<Integer>(std::nearbyint(AForm->Height() * scale)));
    }
}

bool TGxUtils::IsHighDPIScale(TComponent* AOwner, Integer ADefaultDPI) { return GetDPIScale(AOwner, ADefaultDPI) > 1; }

void TGxUtils::SetFontSize(TFont* AFont, float ASize, float AScaleFactor)
{
    // sizes from markup beyond the largest font height are cut to it first
    const float size = std::clamp(ASize, -float(MaxFontHeight), float(MaxFontHeight));
    const Integer points = static_cast<Integer>(std::nearbyint(size / 96.0f * 72.0f));
    const Integer dpi = static_cast<Integer>(std::nearbyint(AScaleFactor * 96.0f));
    AFont->SetHeight(-MulDivInt(points, dpi, 72));
}

void TGxUtils::GetFonts(TStrings* FontList)
{
    FontList->BeginUpdate();
    FontList->Clear();
    String last;
    for (const String& family : Screen->Fonts()) {
        const String name = Copy(family, 1, 32);
        if (FontList->Count() > 0 && SameText(name, last)) continue;
        FontList->Add(name);
        last = name;
    }
    if (auto* list = dynamic_cast<TStringList*>(FontList)) list->Sort();
    FontList->EndUpdate();
}

Integer TGxUtils::MulDivInt(Integer nNumber, Integer nNumerator, Integer nDenominator)
{
    if (nDenominator == 0) return -1;
    const double quotient = static_cast<double>(static_cast<Int64>(nNumber) * nNumerator) / nDenominator;
    return static_cast<Integer>(quotient >= 0 ? quotient + 0.5 : quotient - 0.5);
}

float TGxUtils::MulDivSingle(float nNumber, float nNumerator, float nDenominator)
{
    if (nDenominator == 0) return -1;
    return nNumber * nNumerator / nDenominator;
}

TCustomForm* TGxUtils::GetOwnerForm(TComponent* AComponent)
{
    for (TComponent* owner = AComponent ? AComponent->Owner() : nullptr; owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    return nullptr;
}

TCustomForm* TGxUtils::GetParentForm(TControl* AControl) { return AControl ? ::GetParentForm(AControl) : nullptr; }

TComponent* TGxUtils::Clone(TComponent* AComponent)
{
    const String name = AComponent->Name();
    TMemoryStream stream;
    AComponent->SetName(String());
    try {
        WriteComponent(stream, AComponent);
    } catch (...) {
        AComponent->SetName(name);
        throw;
    }
    AComponent->SetName(name);
    stream.SetPosition(0);
    return ReadComponent(stream);
}

// ---------------------------------------------------------------- picture signatures

String TGxUtils::GetImageType(TStream* AData, bool AResetPosition)
{
    const Int64 position = AData->Position();
    if (AResetPosition) AData->SetPosition(0);
    Byte head[4] = {};
    const Integer count = AData->Read(head, 4);
    AData->SetPosition(position);
    if (count < 4) return String();
    for (const TImageData& row : ImageSignatures)
        if (std::equal(row.Header, row.Header + row.Length, head)) return row.DataType;
    return String();
}

String TGxUtils::GetImageType(TGxBitmap* ABitmap, bool)
{
    TMemoryStream m;
    ABitmap->SaveToStream(m);
    return GetImageType(&m, true);
}

bool TGxUtils::FindGraphicClass(const void* Buffer, Int64 BufferSize, TGraphicClass& GraphicClass)
{
    GraphicClass = nullptr;
    if (BufferSize <= 0) return false;
    const Byte* b = static_cast<const Byte*>(Buffer);
    auto has = [&](Int64 count) { return BufferSize >= count; };
    auto u16 = [&](int at) { return static_cast<Cardinal>(b[at] | b[at + 1] << 8); };
    auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    String extension;
    if (has(4) && b[0] == 'I' && b[1] == 'I' && u16(2) == 42) extension = "tif";
    else if (has(2) && b[0] == 'B' && b[1] == 'M') extension = "bmp";
    else if (has(4) && b[0] == 'M' && b[1] == 'M' && b[2] == 0 && b[3] == 0x2A) extension = "tif";
    else if (has(2) && b[0] == 0xFF && b[1] == 0xD8) extension = "jpg";
    else if (has(8) && u32(0) == 0x474E5089 && u32(4) == 0x0A1A0A0D) extension = "png";
    else if ((has(4) && u32(0) == 0x9AC6CDD7) || (has(44) && u32(0) == 1 && u32(40) == 0x464D4520))
        extension = "emf";
    else if (has(3) && b[0] == 'G' && b[1] == 'I' && b[2] == 'F') extension = "gif";
    else if (has(4) && u16(2) == 1) extension = "ico";
    // The registry answers which class reads the format.
    if (!extension.IsEmpty()) GraphicClass = TPicture::FileFormat(extension);
    return GraphicClass != nullptr;
}

// ---------------------------------------------------------------- Base64 and hexadecimal

String TGxUtils::SaveStreamToBase64(TStream* AStream, bool AURL)
{
    String text = EncodeBase64(WholeStream(*AStream));
    if (AURL) {
        text = StringReplace(text, "+", "-", rfReplaceAll);
        text = StringReplace(text, "/", "_", rfReplaceAll);
        text = StringReplace(text, "=", "", rfReplaceAll);
    }
    return text;
}

String TGxUtils::SaveStreamToHexStr(TStream* AStream) { return EncodeHex(WholeStream(*AStream)); }

String TGxUtils::SaveBitmapToBase64(TPicture* ABitmap, bool AURL)
{
    const TBytes bytes = PictureBytes(ABitmap);
    if (bytes.empty()) return String();
    TMemoryStream m;
    WriteBytes(m, bytes);
    return SaveStreamToBase64(&m, AURL);
}

String TGxUtils::SaveBitmapToHexStr(TPicture* ABitmap) { return EncodeHex(PictureBytes(ABitmap)); }

TBytes TGxUtils::Decode64ToBytes(const String& AValue, bool AURL)
{
    TBytes bytes;
    Cardinal group = 0;
    int count = 0;
    for (char16_t c : AValue.u16()) {
        if (AURL && c == u'-') c = u'+';
        if (AURL && c == u'_') c = u'/';
        const int value = Base64Value(c);
        if (value < 0) continue;
        group = group << 6 | static_cast<Cardinal>(value);
        if (++count == 4) {
            bytes.push_back(static_cast<Byte>(group >> 16));
            bytes.push_back(static_cast<Byte>(group >> 8));
            bytes.push_back(static_cast<Byte>(group));
            group = 0;
            count = 0;
        }
    }
    if (count == 2) bytes.push_back(static_cast<Byte>(group >> 4));
    if (count == 3) {
        bytes.push_back(static_cast<Byte>(group >> 10));
        bytes.push_back(static_cast<Byte>(group >> 2));
    }
    return bytes;
}

TBytes TGxUtils::HexStrToBytes(const String& AValue)
{
    if (AValue.Length() % 2 != 0) throw ERangeError("Range check error");
    return DecodeHexPairs(AValue);
}

void TGxUtils::LoadStreamFromBase64(const String& ABase64, TStream* AStream, bool AURL)
{
    WriteBytes(*AStream, Decode64ToBytes(ABase64, AURL));
}

void TGxUtils::LoadStreamFromHexStr(const String& AHexStr, TStream* AStream)
{
    WriteBytes(*AStream, DecodeHexPairs(AHexStr));
}

void TGxUtils::LoadBitmapFromBase64(const String& ABase64, TPicture* ABitmap, bool AURL)
{
    String text = ABase64;
    const int marker = Pos(";base64,", text);
    if (marker > 0) text = Copy(text, marker + 8);
    TMemoryStream m;
    LoadStreamFromBase64(text, &m, AURL);
    m.SetPosition(0);
    ABitmap->LoadFromStream(m);
}

void TGxUtils::LoadBitmapFromHexStr(const String& AHexStr, TPicture* ABitmap)
{
    const TBytes bytes = DecodeHexPairs(AHexStr);
    const std::string asText(bytes.begin(), bytes.end());
    if (asText.find(";base64,") != std::string::npos) return;
    TGraphicClass graphicClass = nullptr;
    if (!FindGraphicClass(bytes.data(), static_cast<Int64>(bytes.size()), graphicClass)) return;
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->Create()));
    TMemoryStream m;
    WriteBytes(m, bytes);
    m.SetPosition(0);
    graphic->LoadFromStream(m);
    ABitmap->SetGraphic(graphic.get());
}

TGxBitmap* TGxUtils::CreateBitmapFromBase64(const String& ABase64, bool AURL)
{
    auto bitmap = std::make_unique<TGxBitmap>();
    LoadBitmapFromBase64(ABase64, bitmap.get(), AURL);
    return bitmap.release();
}

TGxBitmap* TGxUtils::CreateBitmapFromHexStr(const String& AHexStr)
{
    auto bitmap = std::make_unique<TGxBitmap>();
    LoadBitmapFromHexStr(AHexStr, bitmap.get());
    return bitmap.release();
}

std::unique_ptr<TMemoryStream> TGxUtils::ConvertBitmapToJPEGStream(TPicture* ABitmap, float AQuality,
                                                                   TColor ABackgroundColor)
{
    const TBytes bytes = PictureBytes(ABitmap);
    TGraphicClass graphicClass = nullptr;
    if (!FindGraphicClass(bytes.data(), static_cast<Int64>(bytes.size()), graphicClass)) return nullptr;
    auto result = std::make_unique<TMemoryStream>();
    if (graphicClass->InheritsFrom(TJPEGImage::StaticClass())) {
        WriteBytes(*result, bytes);
        return result;
    }
    const Integer quality = static_cast<Integer>(std::nearbyint(AQuality * 100));
    if (quality < 1 || quality > 100) throw ERangeError("Range check error");
    std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->Create()));
    TMemoryStream source;
    WriteBytes(source, bytes);
    source.SetPosition(0);
    graphic->LoadFromStream(source);
    TBitmap canvas(graphic->Width(), graphic->Height());
    const TColor background = ABackgroundColor == clNone || ABackgroundColor == -1 ? clWhite : ABackgroundColor;
    canvas.Canvas().Brush().SetColor(background);
    canvas.Canvas().FillRect(Rect(0, 0, canvas.Width(), canvas.Height()));
    graphic->DrawOn(canvas.Canvas(), Rect(0, 0, graphic->Width(), graphic->Height()));
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(quality);
    jpeg.Image().Assign(canvas);
    jpeg.SaveToStream(*result);
    return result;
}

std::unique_ptr<TMemoryStream> TGxUtils::DownloadImage(const String& AURL)
{
    CURL* curl = curl_easy_init();
    if (!curl) throw Exception("Unable to initialize Wininet");
    auto body = std::make_unique<TMemoryStream>();
    const std::string url = AURL.ToUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "TGxUtils");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, body.get());
    curl_slist* headers = curl_slist_append(nullptr, "Pragma: no-cache");
    headers = curl_slist_append(headers, "Cache-Control: no-cache");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    const CURLcode code = curl_easy_perform(curl);
    char* contentType = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType);
    // A file address has no content type: its data must show an image signature.
    const bool image = contentType ? Pos("IMAGE", UpperCase(String(contentType))) > 0
                                   : !GetImageType(body.get(), true).IsEmpty() || body->Size() == 0;
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    if (code != CURLE_OK) throw Exception(Format("Cannot open URL %s", {AURL}));
    if (!image) body->Clear();
    body->SetPosition(0);
    return body;
}

String TGxUtils::URLEncode(const String& AURL)
{
    static const char digits[] = "0123456789ABCDEF";
    String result;
    for (unsigned char b : AURL.ToUtf8()) {
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
            b == '_') {
            result += static_cast<char16_t>(b);
        } else {
            result += u'%';
            result += static_cast<char16_t>(digits[b >> 4]);
            result += static_cast<char16_t>(digits[b & 15]);
        }
    }
    return result;
}

String TGxUtils::URLDecode(const String& AURL)
{
    if (AURL.IsEmpty()) return String();
    auto upperHex = [](char16_t c) { return c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1; };
    std::string bytes;
    const int n = AURL.Length();
    for (int i = 1; i <= n; ++i) {
        const char16_t c = AURL[i];
        if (c != u'%') {
            bytes += static_cast<char>(c & 0xFF);
        } else if (i + 2 <= n) {
            const int hi = upperHex(AURL[i + 1]), lo = upperHex(AURL[i + 2]);
            if (hi >= 0 && lo >= 0) bytes += static_cast<char>(hi * 16 + lo);
            i += 2;
        }
    }
    String text(bytes);
    int first = 1, last = text.Length();
    while (first <= last && text[first] <= 32) ++first;
    while (last >= first && text[last] <= 32) --last;
    return Copy(text, first, last - first + 1);
}

// ---------------------------------------------------------------- paths, shell, dialogs, resources

String TGxUtils::GetTempPath()
{
    const String dir = GetTempDir();
    return dir.IsEmpty() ? String() : IncludeTrailingPathDelimiter(dir);
}

String TGxUtils::GetAppPath() { return ProgramDir(); }

String TGxUtils::GetDocumentsPath()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) throw EOSError("System Error.  Code: 2.\nThe system cannot find the file specified", 2);
    const String documents = XdgDocumentsDir(home);
    if (!documents.IsEmpty()) return documents;
    return DirectoryExists(String(home) + "/Documents") ? String(home) + "/Documents" : String(home);
}

String TGxUtils::AddBackslash(const String& AValue)
{
    return AValue.IsEmpty() || AValue[AValue.Length()] == u'\\' ? AValue : AValue + "\\";
}

String TGxUtils::AddForwardslash(const String& AValue)
{
    return AValue.IsEmpty() || AValue[AValue.Length()] == u'/' ? AValue : AValue + "/";
}

void TGxUtils::OpenFile(const String& AFile, TControl*) { ShellExecute(nullptr, "open", AFile); }

void TGxUtils::OpenURL(const String& AURL) { ShellExecute(nullptr, "open", AURL); }

bool TGxUtils::SelectFile(String& AFileName, const String& ADefaultFolder, const String& AFilter,
                          const TGxUtilsFileCallBackEvent& ACallBack)
{
    TOpenDialog dialog(Application);
    dialog.SetOptions(TOpenOptions{ofFileMustExist});
    dialog.SetInitialDir(IncludeTrailingPathDelimiter(ADefaultFolder.IsEmpty() ? GetDocumentsPath() : ADefaultFolder));
    dialog.SetFilter(AFilter);
    const bool result = dialog.Execute();
    if (result) AFileName = dialog.FileName();
    if (ACallBack) ACallBack(AFileName, result);
    return result;
}

bool TGxUtils::SaveFile(String& AFileName, const String& AFilter, const TGxUtilsFileCallBackEvent& ACallBack)
{
    TSaveDialog dialog(Application);
    TOpenOptions options = dialog.Options();
    options.Include(ofOverwritePrompt);
    dialog.SetOptions(options);
    dialog.SetFilter(AFilter);
    const String folder = ExtractFilePath(AFileName);
    dialog.SetInitialDir(IncludeTrailingPathDelimiter(folder.IsEmpty() ? GetDocumentsPath() : folder));
    dialog.SetFileName(ExtractFileName(AFileName));
    const bool result = dialog.Execute();
    if (result) {
        String chosen = dialog.FileName();
        if (ExtractFileExt(chosen).IsEmpty()) chosen += ExtractFileExt(AFileName);
        AFileName = chosen;
    }
    if (ACallBack) ACallBack(AFileName, result);
    return result;
}

Integer TGxUtils::Message(const String& AMessage) { return Message(AMessage, mtInformation, TMsgDlgButtons{mbOK}, 0); }

Integer TGxUtils::Message(const String& AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                          Integer AHelpContext)
{
    return MessageDlg(AMessage, ADialogType, AButtons, AHelpContext);
}

void TGxUtils::Log(const String& AMessage) { std::clog << AMessage.ToUtf8() << '\n'; }

TPointF TGxUtils::GetMousePos()
{
    TPoint p;
    GetCursorPos(&p);
    return {static_cast<float>(p.X), static_cast<float>(p.Y)};
}

HINSTANCE TGxUtils::GetHInstance() { return HInstance; }

std::unique_ptr<TResourceStream> TGxUtils::GetResourceStream(const String& AResourceName)
{
    return GetResourceStream(AResourceName, GetHInstance());
}

std::unique_ptr<TResourceStream> TGxUtils::GetResourceStream(const String& AResourceName, HINSTANCE)
{
    if (!ResourceExists(AResourceName, RT_RCDATA)) return nullptr;
    return std::make_unique<TResourceStream>(AResourceName, RT_RCDATA);
}
