#pragma once
// TGxUtils: the static toolbox at the bottom of the graphics library.  Codecs (Base64, hexadecimal,
// URL), picture signatures, files and folders, resources and clipboard formats are in GxUtils.cpp;
// text, markup, matching and number text in GxUtils_text.cpp.
#include <functional>
#include <memory>
#include <vector>

#include "graphics/GxObjectJSONHelper.h"
#include "platform/classes/Component.h"
#include "platform/forms/Dialogs.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TControl;
class TCustomForm;
class TGxBitmap;

using TBytes = std::vector<Byte>;
using TGxUtilsCharSet = std::vector<char16_t>;
// Called by the file dialogs after they close: the file name and whether the user confirmed.
using TGxUtilsFileCallBackEvent = std::function<void(const String& AFileName, bool AResult)>;

// One picture signature: the format's extension and the first Length bytes of Header.
struct TImageData {
    String DataType;
    Integer Length;
    Byte Header[4];
};

// The picture signatures in the order they are tried; the first match wins.
extern const TImageData ImageSignatures[10];

// Clipboard formats registered when the program starts.
extern Word ClipboardFormatRichEditorText;
extern Word ClipboardFormatStream;
extern Word ClipboardFormatBitmap;
extern Word ClipboardFormatRTF;
extern Word ClipboardFormatHTML;
void RegisterGxClipboardFormats();

// Four parts of a version packed into words and a long.
Cardinal HiWordOf(Cardinal Value);
Cardinal LoWordOf(Cardinal Value);
Cardinal MakeWordOf(Cardinal A, Cardinal B);   // A or (B shl 8)
Cardinal MakeLongOf(Cardinal A, Cardinal B);   // A or (B shl 16)

// Its members are static; an instance only offers the JSON operations, whose Log is the
// toolbox's own Log(AMessage).
class TGxUtils : public TObject, public TGxJSONOperations<TGxUtils> {
public:

    // ---- scaling and fonts
    // Scale of the form that shows AOwner: its screen's pixels per inch over ADefaultDPI (over the
    // form's design pixels per inch when ADefaultDPI <= 0); 1 without form or for a form that does
    // not follow the screen's resolution.
    static float GetDPIScale(TComponent* AOwner, Integer ADefaultDPI);
    static bool IsHighDPIScale(TComponent* AOwner, Integer ADefaultDPI);
    // The control rescaled from its current pixels per inch to ADPI.
    static void ScaleForDPI(TControl* AControl, Integer ADPI);
    // The fonts inside the form taken to 96 pixels per inch, then the form rescaled to its screen's.
    static void ScaleForCurrentDPI(TCustomForm* AForm);
    // Height := -MulDivInt(Round(ASize / 96 * 72), Round(AScaleFactor * 96), 72).
    static void SetFontSize(TFont* AFont, float ASize, float AScaleFactor);
    static void GetFonts(TStrings* FontList);
    // nNumber * nNumerator / nDenominator over a 64-bit product, halves away from zero; -1 for a
    // denominator of 0.
    static Integer MulDivInt(Integer nNumber, Integer nNumerator, Integer nDenominator);
    static float MulDivSingle(float nNumber, float nNumerator, float nDenominator);
    static TCustomForm* GetOwnerForm(TComponent* AComponent);
    static TCustomForm* GetParentForm(TControl* AControl);
    // A copy of the component made by streaming; the caller owns it.
    static TComponent* Clone(TComponent* AComponent);

    // ---- pictures, streams and codecs
    // The extension of the first signature the four bytes at the stream's position (at 0 with
    // AResetPosition) match; "" when none matches.  The position is kept.
    static String GetImageType(TStream* AData, bool AResetPosition);
    static String GetImageType(TGxBitmap* ABitmap, bool AResetPosition);
    // The picture class that reads these bytes; false and null when none.
    static bool FindGraphicClass(const void* Buffer, Int64 BufferSize, TGraphicClass& GraphicClass);
    static String SaveStreamToBase64(TStream* AStream, bool AURL);
    static String SaveStreamToHexStr(TStream* AStream);
    static String SaveBitmapToBase64(TPicture* ABitmap, bool AURL);
    static String SaveBitmapToHexStr(TPicture* ABitmap);
    static TBytes Decode64ToBytes(const String& AValue, bool AURL);
    static TBytes HexStrToBytes(const String& AValue);
    static void LoadStreamFromBase64(const String& ABase64, TStream* AStream, bool AURL);
    static void LoadStreamFromHexStr(const String& AHexStr, TStream* AStream);
    static void LoadBitmapFromBase64(const String& ABase64, TPicture* ABitmap, bool AURL);
    static void LoadBitmapFromHexStr(const String& AHexStr, TPicture* ABitmap);
    static TGxBitmap* CreateBitmapFromBase64(const String& ABase64, bool AURL);
    static TGxBitmap* CreateBitmapFromHexStr(const String& AHexStr);
    // The picture as JPEG data (quality AQuality x 100 in 1..100, transparent parts on
    // ABackgroundColor or white); a JPEG picture keeps its bytes.  Null when the picture's class is
    // not known.
    static std::unique_ptr<TMemoryStream> ConvertBitmapToJPEGStream(TPicture* ABitmap, float AQuality,
                                                                    TColor ABackgroundColor);
    // The body of the image served at the address (empty when the server says it is no image).
    static std::unique_ptr<TMemoryStream> DownloadImage(const String& AURL);
    static String URLEncode(const String& AURL);
    static String URLDecode(const String& AURL);

    // ---- paths, files, dialogs, shell and environment
    static String GetTempPath();
    static String GetAppPath();
    static String GetDocumentsPath();
    static String AddBackslash(const String& AValue);
    static String AddForwardslash(const String& AValue);
    static void OpenFile(const String& AFile, TControl* AControlReference);
    static void OpenURL(const String& AURL);
    static bool SelectFile(String& AFileName, const String& ADefaultFolder, const String& AFilter,
                           const TGxUtilsFileCallBackEvent& ACallBack);
    static bool SaveFile(String& AFileName, const String& AFilter, const TGxUtilsFileCallBackEvent& ACallBack);
    static Integer Message(const String& AMessage);
    static Integer Message(const String& AMessage, TMsgDlgType ADialogType, TMsgDlgButtons AButtons,
                           Integer AHelpContext);
    static void Log(const String& AMessage);
    static TPointF GetMousePos();
    static HINSTANCE GetHInstance();
    // A stream over the raw-data resource of that name; null when there is none.
    static std::unique_ptr<TResourceStream> GetResourceStream(const String& AResourceName);
    static std::unique_ptr<TResourceStream> GetResourceStream(const String& AResourceName, HINSTANCE AInstance);

    // ---- text, markup and matching (GxUtils_text.cpp)
    static Integer IPos(const String& su, const String& s);
    static bool TagReplaceString(const String& Srch, const String& Repl, String& Dest);
    static Integer VarPos(const String& ASubValue, const String& AValue, Integer& AResult);
    static Integer VarPosNoCase(const String& ASubValue, const String& AValue, Integer& AResult);
    static char16_t CharInStr(const String& s, Integer Index);
    static String EscapeString(const String& AValue);
    static String UnescapeString(const String& AValue);
    static Integer IndexOfTextInArray(const String& AText, const std::vector<String>& AValues);
    static Integer GetMarkupIndex(const String& Markup);
    static String GetSpecialChar(Integer Value);
    static String FixMarkup(const String& su, bool SpecialChars);
    static String UnFixMarkup(const String& su, bool SpecialChars, bool SpecialCharsOnly);
    static String HTMLStrip(const String& AHTML);
    static bool IsHTML(const String& AValue);
    static bool IsHTMLUnicode(const String& AValue);
    static TGxUtilsCharSet NumericCharSet();
    static TGxUtilsCharSet AlphaCharSet();
    static TGxUtilsCharSet CreateCharSet(const String& AValue);
    static TGxUtilsCharSet AddCharSet(const TGxUtilsCharSet& ACharSet1, const TGxUtilsCharSet& ACharSet2);
    static TGxUtilsCharSet SubCharSet(const TGxUtilsCharSet& ACharSet1, const TGxUtilsCharSet& ACharSet2);
    static bool CharInSet(char16_t ch, const TGxUtilsCharSet& ACharSet);
    static char16_t FirstChar(const TGxUtilsCharSet& ACharset, const String& AValue, Integer& spos);
    static String StripLogicSpaces(const String& AValue);
    static Integer ClosingParenthesis(const String& s1);
    static String StripThousandSep(const String& ps);
    static void Split(char16_t ADelimiter, const String& AInput, TStrings* AStrings, bool AClearEmptyStrings);
    static bool IsDate(const String& AValue, TDateTime& ADate);
    static bool Matches(const String& s0a, const String& s1a);
    static bool MatchStr(const String& AValue1, const String& AValue2, bool ACaseSensitive);
    static bool MatchStrEx(const String& AValue1, const String& AValue2, bool ACaseSensitive);
    // Number text with "." as decimal and "," as thousands separator, whatever the user's settings
    // (which stay as they are).
    static bool TryStrToFloatDot(const String& AValue, double& AResult);
    static double StrToFloatDot(const String& AValue);
    static String FloatToStrDot(double AValue);
    static TDateTime EpochToDateTime(const String& AEpoch);
    static String FormatBytesAsString(Extended ASize);
    static String EnDeCrypt(const String& AValue);
};
