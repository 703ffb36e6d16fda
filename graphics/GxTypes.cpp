// Picture value types: the SVG document base and graphic, the picture that knows its SVG, bitmaps
// per display scale, and the float rectangle helpers.
#include "graphics/GxTypes.h"

#include <algorithm>
#include <cmath>

#include "graphics/GxGraphicsSVGEngine.h"
#include "graphics/GxUtils.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"

namespace {
// The characters of the Unicode number categories (decimal digits, letter numbers, other numbers)
// of the basic multilingual plane above ASCII, as ranges.
const char16_t NumberRanges[][2] = {
    {0x00B2, 0x00B3}, {0x00B9, 0x00B9}, {0x00BC, 0x00BE}, {0x0660, 0x0669}, {0x06F0, 0x06F9}, {0x07C0, 0x07C9},
    {0x0966, 0x096F}, {0x09E6, 0x09EF}, {0x09F4, 0x09F9}, {0x0A66, 0x0A6F}, {0x0AE6, 0x0AEF}, {0x0B66, 0x0B6F},
    {0x0BE6, 0x0BF2}, {0x0C66, 0x0C6F}, {0x0CE6, 0x0CEF}, {0x0D66, 0x0D78}, {0x0DE6, 0x0DEF}, {0x0E50, 0x0E59},
    {0x0ED0, 0x0ED9}, {0x0F20, 0x0F33}, {0x1040, 0x1049}, {0x1090, 0x1099}, {0x1369, 0x137C}, {0x16EE, 0x16F0},
    {0x17E0, 0x17E9}, {0x17F0, 0x17F9}, {0x1810, 0x1819}, {0x1946, 0x194F}, {0x19D0, 0x19DA}, {0x1A80, 0x1A89},
    {0x1A90, 0x1A99}, {0x1B50, 0x1B59}, {0x1BB0, 0x1BB9}, {0x1C40, 0x1C49}, {0x1C50, 0x1C59}, {0x2070, 0x2070},
    {0x2074, 0x2079}, {0x2080, 0x2089}, {0x2150, 0x2182}, {0x2185, 0x2189}, {0x2460, 0x249B}, {0x24EA, 0x24FF},
    {0x2776, 0x2793}, {0x2CFD, 0x2CFD}, {0x3007, 0x3007}, {0x3021, 0x3029}, {0x3038, 0x303A}, {0x3192, 0x3195},
    {0x3220, 0x3229}, {0x3248, 0x324F}, {0x3251, 0x325F}, {0x3280, 0x3289}, {0x32B1, 0x32BF}, {0xA620, 0xA629},
    {0xA6E6, 0xA6EF}, {0xA830, 0xA835}, {0xA8D0, 0xA8D9}, {0xA900, 0xA909}, {0xA9D0, 0xA9D9}, {0xA9F0, 0xA9F9},
    {0xAA50, 0xAA59}, {0xABF0, 0xABF9}, {0xFF10, 0xFF19}};
}  // namespace


// ---------------------------------------------------------------- the SVG document

TClass TGxSVGImport::StaticClass()
{
    static const TMetaClass meta("TGxSVGImport", TPersistent::StaticClass(), NewObject<TGxSVGImport>, [](TMetaClass& m) {
        using T = TGxSVGImport;
        TPublished<T>(&m)
            .Property("GrayScale", &T::GrayScale).Default(false)
            .Property("CustomFillColor", &T::CustomFillColor).Type("TColor")
            .Property("CustomStrokeColor", &T::CustomStrokeColor).Type("TColor")
            .Property("TintColor", &T::TintColor).Type("TColor")
            .Property("CustomOpacity", &T::CustomOpacity)
            .Property("RotationAngle", &T::RotationAngle);
    });
    return &meta;
}

namespace {
[[noreturn]] void Abstract() { throw EAbstractError("Abstract Error"); }
}  // namespace

bool TGxSVGImport::HasElements() { Abstract(); }
Integer TGxSVGImport::ElementCount() { Abstract(); }
TGxBitmap* TGxSVGImport::GenerateBitmap(float, float) { Abstract(); }
void TGxSVGImport::Clear() { Abstract(); }
void TGxSVGImport::Draw(TCanvas&, const TRectF&, bool) { Abstract(); }
void TGxSVGImport::LoadFromText(const String&) { Abstract(); }
void TGxSVGImport::LoadFromFile(const String&) { Abstract(); }
void TGxSVGImport::LoadFromStream(TStream&) { Abstract(); }
void TGxSVGImport::SaveToStream(TStream&) { Abstract(); }
void TGxSVGImport::SaveToFile(const String&) { Abstract(); }

// ---------------------------------------------------------------- the SVG graphic

IMPLEMENT_CLASS(TGxSVGBitmap, TGraphic, NewObject<TGxSVGBitmap>)

TGxSVGBitmap::TGxSVGBitmap()
{
    InitializeGxGraphicsSVGEngine();
    if (TClass document = GetClass("TGxGraphicsSVGImport"); document && document->InheritsFrom(TGxSVGImport::StaticClass()))
        FSVG.reset(static_cast<TGxSVGImport*>(document->Create()));
}

TGxSVGBitmap::~TGxSVGBitmap() = default;

void TGxSVGBitmap::Parse()
{
    FStream.SetPosition(0);
    if (FSVG) FSVG->LoadFromStream(FStream);
    FStream.SetPosition(0);
}

void TGxSVGBitmap::Clear()
{
    if (FSVG) FSVG->Clear();
    FFileName = String();
    Changed();
}

void TGxSVGBitmap::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TGxSVGBitmap*>(Source);
    if (!source) return;
    try {
        if (FSVG) FSVG->Clear();
        FStream.Clear();
        source->FStream.SaveToStream(FStream);
        Parse();
    } catch (const Exception&) {
        // the document keeps what the parser built
    }
    Changed();
}

void TGxSVGBitmap::AssignTo(TPersistent* Dest)
{
    if (auto* dest = dynamic_cast<TGxSVGBitmap*>(Dest)) dest->Assign(this);
    else inherited::AssignTo(Dest);
}

void TGxSVGBitmap::SetFileName(const String& Value)
{
    if (Value == FFileName) return;
    FFileName = Value;
    LoadFromFile(Value);
}

bool TGxSVGBitmap::HasSVG() const { return FSVG && FSVG->HasElements(); }

bool TGxSVGBitmap::Empty() const
{
    // Without document the graphic is its bytes.
    return FSVG ? !FSVG->HasElements() : const_cast<TMemoryStream&>(FStream).Size() == 0;
}

Integer TGxSVGBitmap::Width() const
{
    if (!FSVG) return 0;
    return static_cast<Integer>(std::nearbyint(FSVG->ViewRect.Width() * TGxUtils::GetDPIScale(nullptr, -1)));
}

Integer TGxSVGBitmap::Height() const
{
    if (!FSVG) return 0;
    return static_cast<Integer>(std::nearbyint(FSVG->ViewRect.Height() * TGxUtils::GetDPIScale(nullptr, -1)));
}

void TGxSVGBitmap::SetSize(Integer, Integer) { Abstract(); }

void TGxSVGBitmap::LoadFromFile(const String& Filename)
{
    FStream.Clear();
    FStream.LoadFromFile(Filename);
    Parse();
    Changed();
}

void TGxSVGBitmap::SaveToFile(const String& FileName)
{
    TFileStream file(FileName, fmCreate);
    SaveToStream(file);
}

void TGxSVGBitmap::LoadFromStream(TStream& stream)
{
    try {
        FFileName = String();
        FStream.Clear();
        FStream.CopyFrom(stream, 0);
        Parse();
    } catch (const Exception&) {
        // the document keeps what the parser built
    }
    Changed();
}

void TGxSVGBitmap::SaveToStream(TStream& stream)
{
    const Int64 size = FStream.Size();
    if (size > 0) stream.WriteBuffer(FStream.Memory(), static_cast<Integer>(size));
}

void TGxSVGBitmap::DrawOn(TCanvas& canvas, const TRect& dest)
{
    if (FSVG && !Empty()) FSVG->Draw(canvas, RectToRectF(dest), true);
}

void TGxSVGBitmap::ReadData(TStream& stream)
{
    Byte length[4];
    stream.ReadBuffer(length, 4);
    const Integer n = static_cast<Integer>(length[0] | length[1] << 8 | length[2] << 16 | static_cast<Cardinal>(length[3]) << 24);
    FStream.Clear();
    if (n < 0 || n > stream.Size() - stream.Position()) throw EReadError("Stream read error");
    if (n > 0) {
        FStream.SetSize(n);
        stream.ReadBuffer(FStream.Memory(), n);
        Parse();
    }
}

void TGxSVGBitmap::WriteData(TStream& stream)
{
    const Cardinal n = static_cast<Cardinal>(FStream.Size());
    const Byte length[4] = {static_cast<Byte>(n), static_cast<Byte>(n >> 8), static_cast<Byte>(n >> 16),
                            static_cast<Byte>(n >> 24)};
    stream.WriteBuffer(length, 4);
    SaveToStream(stream);
}

bool TGxSVGBitmap::CanLoadFromStream(TStream& Stream) { return TGxUtils::GetImageType(&Stream, false).IsEmpty(); }

namespace {
// SVG files are pictures from the program's start to its end.
struct TSVGRegistration {
    TSVGRegistration()
    {
        TPicture::RegisterFileFormat("SVG", "Scalable Vector Graphics (Zarn)", TGxSVGBitmap::StaticClass(),
                                     TGxSVGBitmap::CanLoadFromStream);
    }
    ~TSVGRegistration() { TPicture::UnregisterGraphicClass(TGxSVGBitmap::StaticClass()); }
} SVGRegistration;
}  // namespace

// ---------------------------------------------------------------- pictures

IMPLEMENT_CLASS(TGxBitmap, TPicture, NewObject<TGxBitmap>)

bool TGxBitmap::HasSVG() const
{
    auto* svg = dynamic_cast<TGxSVGBitmap*>(Graphic());
    return svg && svg->HasSVG();
}

TGxSVGImport* TGxBitmap::SVG() const { return HasSVG() ? static_cast<TGxSVGBitmap*>(Graphic())->SVG() : nullptr; }

TClass TGxScaledBitmap::StaticClass()
{
    static const TMetaClass meta("TGxScaledBitmap", TCollectionItem::StaticClass(), NewCollectionItem<TGxScaledBitmap>,
                                 [](TMetaClass& m) {
                                     using T = TGxScaledBitmap;
                                     TPublished<T>(&m)
                                         .Property("Bitmap", &T::Bitmap, &T::SetBitmap)
                                         .Property("BitmapName", &T::BitmapName, &T::SetBitmapName)
                                         .Property("Scale", &T::Scale, &T::SetScale)
                                         .Stored([](T* item) { return item->Scale() != 1; });
                                 });
    return &meta;
}

TGxScaledBitmap::TGxScaledBitmap(TCollection* Collection)
    : TCollectionItem(Collection), FBitmap(std::make_unique<TGxBitmap>())
{
    FBitmap->OnChange = [this] { Changed(false); };
}

void TGxScaledBitmap::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TGxScaledBitmap*>(Source);
    if (!source) return;
    FBitmap->Assign(source->FBitmap.get());
    FBitmapName = source->FBitmapName;
    FScale = source->FScale;
}

void TGxScaledBitmap::SetBitmap(TGxBitmap* Value)
{
    if (Value != FBitmap.get()) FBitmap->Assign(Value);
}

void TGxScaledBitmap::SetBitmapName(const String& Value)
{
    if (Value == FBitmapName) return;
    FBitmapName = Value;
    Changed(false);
}

void TGxScaledBitmap::SetScale(float Value)
{
    if (Value == FScale) return;
    FScale = Value;
    Changed(false);
}

IMPLEMENT_CLASS(TGxScaledBitmaps, TOwnedCollection, nullptr)

TGxScaledBitmaps::TGxScaledBitmaps(TPersistent* AOwner) : TOwnedCollection(AOwner, TGxScaledBitmap::StaticClass()) {}

TGxScaledBitmap* TGxScaledBitmaps::Add(float Scale)
{
    auto* item = static_cast<TGxScaledBitmap*>(TCollection::Add());
    item->SetScale(Scale);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::AddBitmap(TGxBitmap* Bitmap, float Scale)
{
    TGxScaledBitmap* item = Add(Scale);
    item->Bitmap()->Assign(Bitmap);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::AddDrawBitmap(TGraphic* Bitmap, float Scale)
{
    TGxScaledBitmap* item = Add(Scale);
    item->Bitmap()->Assign(Bitmap);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::AddBitmapFromFile(const String& FileName, float Scale)
{
    TGxScaledBitmap* item = Add(Scale);
    item->Bitmap()->LoadFromFile(FileName);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::AddBitmapFromResource(const String& ResourceName, float Scale)
{
    return AddBitmapFromResource(ResourceName, TGxUtils::GetHInstance(), Scale);
}

TGxScaledBitmap* TGxScaledBitmaps::AddBitmapFromResource(const String& ResourceName, HINSTANCE AInstance, float Scale)
{
    TGxScaledBitmap* item = Add(Scale);
    LoadBitmapFromResource(item->Bitmap(), ResourceName, AInstance);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::AddBitmapName(const String& BitmapName, float Scale)
{
    TGxScaledBitmap* item = Add(Scale);
    item->SetBitmapName(BitmapName);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::Insert(int Index) { return static_cast<TGxScaledBitmap*>(TCollection::Insert(Index)); }

TGxScaledBitmap* TGxScaledBitmaps::Insert(int Index, float Scale)
{
    TGxScaledBitmap* item = Insert(Index);
    item->SetScale(Scale);
    return item;
}

TGxScaledBitmap* TGxScaledBitmaps::GetItemByScale(float Scale) const
{
    TGxScaledBitmap* best = nullptr;
    float bestScale = 0;
    for (int i = 0; i < Count(); ++i) {
        TGxScaledBitmap* item = Items(i);
        if (item->Scale() == Scale) return item;
        if (item->Scale() > bestScale) {
            best = item;
            bestScale = item->Scale();
        }
    }
    return best;
}

TGxBitmap* TGxScaledBitmaps::GetBitmapByScale(float Scale) const
{
    TGxScaledBitmap* item = GetItemByScale(Scale);
    return item ? item->Bitmap() : nullptr;
}

void TGxScaledBitmaps::SetBitmap(float Scale, TGxBitmap* Value)
{
    TGxScaledBitmap* item = GetItemByScale(Scale);
    if (!item) item = Add(Scale);
    item->Bitmap()->Assign(Value);
}

void TGxScaledBitmaps::Update(TCollectionItem* Item)
{
    inherited::Update(Item);
    if (OnChange.Assigned()) OnChange(this);
}

// ---------------------------------------------------------------- helpers

bool CharIsNumeric(char16_t c)
{
    if (c < 128) return c >= u'0' && c <= u'9';
    for (const auto& range : NumberRanges)
        if (c >= range[0] && c <= range[1]) return true;
    return false;
}

bool IsPictureEmpty(const TPicture* APicture)
{
    return !APicture || !APicture->Graphic() || APicture->Graphic()->Empty();
}

TGraphic* GetPictureGraphic(const TPicture* APicture) { return APicture ? APicture->Graphic() : nullptr; }

void LoadBitmapFromResource(TGxBitmap* ABitmap, const String& AName)
{
    LoadBitmapFromResource(ABitmap, AName, TGxUtils::GetHInstance());
}

void LoadBitmapFromResource(TGxBitmap* ABitmap, const String& AName, HINSTANCE AInstance)
{
    if (std::unique_ptr<TResourceStream> stream = TGxUtils::GetResourceStream(AName, AInstance))
        ABitmap->LoadFromStream(*stream);
}

TGxBitmap* CreateBitmapFromResource(const String& AName) { return CreateBitmapFromResource(AName, TGxUtils::GetHInstance()); }

TGxBitmap* CreateBitmapFromResource(const String& AName, HINSTANCE AInstance)
{
    auto bitmap = std::make_unique<TGxBitmap>();
    LoadBitmapFromResource(bitmap.get(), AName, AInstance);
    return bitmap.release();
}

namespace {
Integer RoundEven(double v) { return static_cast<Integer>(std::nearbyint(v)); }
}  // namespace

bool RectsIntersectEx(const TRectF& A, const TRectF& B)
{
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

bool OffsetRectEx(TRectF& R, float DX, float DY)
{
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
    return true;
}

void InflateRectEx(TRectF& R, float DX, float DY)
{
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
}

bool PtInRectEx(const TRectF& R, const TPointF& P) { return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom; }
float RectWidthEx(const TRectF& R) { return R.Right - R.Left; }
float RectHeightEx(const TRectF& R) { return R.Bottom - R.Top; }

bool CenterRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result)
{
    Result = {0, 0, RectWidthEx(R), RectHeightEx(R)};
    OffsetRectEx(Result, static_cast<float>(RoundEven((RectWidthEx(Bounds) - RectWidthEx(R)) / 2.0)),
                 static_cast<float>(RoundEven((RectHeightEx(Bounds) - RectHeightEx(R)) / 2.0)));
    OffsetRectEx(Result, Bounds.Left, Bounds.Top);
    return true;
}

void PixelAlignRectEx(const TRectF& R, bool AHalfPixel, float AScale, TRectF& Result)
{
    const double s = AScale > 0 ? AScale : 1;
    Result.Left = static_cast<float>(std::trunc(R.Left * s) / s);
    Result.Top = static_cast<float>(std::trunc(R.Top * s) / s);
    Result.Right = static_cast<float>(RoundEven(s * RectWidthEx(R)) / s + Result.Left);
    Result.Bottom = static_cast<float>(RoundEven(s * RectHeightEx(R)) / s + Result.Top);
    if (AHalfPixel) OffsetRectEx(Result, static_cast<float>(1 / (2 * s)), static_cast<float>(1 / (2 * s)));
}

void FitRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result, float& Ratio)
{
    if (RectWidthEx(Bounds) > 0 && RectHeightEx(Bounds) > 0) {
        Ratio = std::max(RectHeightEx(R) / RectHeightEx(Bounds), RectWidthEx(R) / RectWidthEx(Bounds));
        CenterRectEx({0, 0, RectWidthEx(R) / Ratio, RectHeightEx(R) / Ratio}, Bounds, Result);
    } else {
        Ratio = 1;
        Result = R;
    }
}

void FitRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result)
{
    float ratio = 1;
    FitRectEx(R, Bounds, Result, ratio);
}

bool IsRectEmptyEx(const TRectF& R)
{
    // equal within the single-precision tolerance: a ten-thousandth, relative above 1
    auto same = [](float a, float b) {
        const double epsilon = std::max(std::min(std::fabs(a), std::fabs(b)) * 1e-4, 1e-4);
        return std::fabs(static_cast<double>(a) - b) <= epsilon;
    };
    return R.Right < R.Left || same(R.Right, R.Left) || R.Bottom < R.Top || same(R.Bottom, R.Top);
}

bool IntersectRectEx(const TRectF& A, const TRectF& B, TRectF& Result)
{
    Result = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (!IsRectEmptyEx(Result)) return true;
    Result = {};
    return false;
}

float VectorLengthEx(const TPointF& P) { return static_cast<float>(std::sqrt(double(P.X) * P.X + double(P.Y) * P.Y)); }
TRect CopyRectEx(const TRect& R) { return R; }
TRect RectFToRect(const TRectF& R) { return {RoundEven(R.Left), RoundEven(R.Top), RoundEven(R.Right), RoundEven(R.Bottom)}; }

TRectF RectToRectF(const TRect& R)
{
    return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right), static_cast<float>(R.Bottom)};
}

TPointF PointToPointF(const TPoint& P) { return {static_cast<float>(P.X), static_cast<float>(P.Y)}; }
TSize SizeFToSize(const TSizeF& S) { return {RoundEven(S.cx), RoundEven(S.cy)}; }
