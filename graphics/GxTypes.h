#pragma once
// Picture value types of the graphics library: the abstract SVG document, the SVG graphic that
// lets pictures hold SVG files, the picture that knows whether it holds one, bitmaps per display
// scale, and small helpers for float rectangles, pictures and resource pictures; and the JSON
// operations the library's objects offer.
#include <memory>
#include <vector>

#include "graphics/GxObjectJSONHelper.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Streams.h"

class TGxBitmap;

// An SVG document with its drawing options.  The parser and renderer derive from it; the
// document operations of this base are abstract.
class TGxSVGImport : public TPersistent {
    DECLARE_CLASS(TGxSVGImport, TPersistent)
public:
    TGxSVGImport() = default;

    virtual bool HasElements();
    virtual Integer ElementCount();
    virtual TGxBitmap* GenerateBitmap(float AWidth, float AHeight);
    virtual void Clear();
    virtual void Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative);
    virtual void LoadFromText(const String& AText);
    virtual void LoadFromFile(const String& AFile);
    virtual void LoadFromStream(TStream& AStream);
    virtual void SaveToStream(TStream& AStream);
    virtual void SaveToFile(const String& AFile);

    // Options: -1 means none.
    float RotationAngle = 0;       // degrees
    TRectF ViewRect;               // the view box in user units
    bool GrayScale = false;
    TColor CustomFillColor = -1;
    TColor CustomStrokeColor = -1;
    TColor TintColor = -1;
    float CustomOpacity = -1;
};

// The graphic of SVG pictures: it keeps the source bytes exactly as loaded and hands them to its
// document.  The document class is the registered "TGxGraphicsSVGImport"; without it the graphic
// only holds its bytes.
class TGxSVGBitmap : public TGraphic {
    DECLARE_CLASS(TGxSVGBitmap, TGraphic)
public:
    TGxSVGBitmap();
    ~TGxSVGBitmap() override;

    void Assign(TPersistent* Source) override;
    void Clear();
    TGxSVGImport* SVG() const { return FSVG.get(); }
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value);
    virtual bool HasSVG() const;
    // The source bytes as last loaded.
    const TMemoryStream& Source() const { return FStream; }

    bool Empty() const override;
    Integer Width() const override;
    Integer Height() const override;
    void SetSize(Integer width, Integer height) override;   // EAbstractError: an SVG has no pixel size
    void LoadFromFile(const String& Filename);
    void SaveToFile(const String& FileName);
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void DrawOn(TCanvas& canvas, const TRect& dest) override;
    // "Data" in form descriptions: a 4-byte little-endian length and the source bytes.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;
    // True when the data at the stream's position has none of the raster signatures.
    static bool CanLoadFromStream(TStream& Stream);

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    // The document reads the source bytes; failures are the caller's to handle.
    void Parse();
    std::unique_ptr<TGxSVGImport> FSVG;
    TMemoryStream FStream;
    String FFileName;
};

// The picture type of fill textures and of the pictures the text engines create.
class TGxBitmap : public TPicture {
    DECLARE_CLASS(TGxBitmap, TPicture)
public:
    virtual bool HasSVG() const;
    TGxSVGImport* SVG() const;
};

// A bitmap for one display scale, or the name of a picture to look up instead.
class TGxScaledBitmap : public TCollectionItem {
    DECLARE_CLASS(TGxScaledBitmap, TCollectionItem)
public:
    explicit TGxScaledBitmap(TCollection* Collection);
    void Assign(TPersistent* Source) override;
    TGxBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TGxBitmap* Value);
    const String& BitmapName() const { return FBitmapName; }
    void SetBitmapName(const String& Value);
    float Scale() const { return FScale; }
    void SetScale(float Value);

private:
    std::unique_ptr<TGxBitmap> FBitmap;
    float FScale = 1;
    String FBitmapName;
};

class TGxScaledBitmaps : public TOwnedCollection {
    DECLARE_CLASS(TGxScaledBitmaps, TOwnedCollection)
public:
    explicit TGxScaledBitmaps(TPersistent* AOwner);
    TGxScaledBitmap* Add(float Scale);
    TGxScaledBitmap* AddBitmap(TGxBitmap* Bitmap, float Scale);
    TGxScaledBitmap* AddDrawBitmap(TGraphic* Bitmap, float Scale);
    TGxScaledBitmap* AddBitmapFromFile(const String& FileName, float Scale);
    TGxScaledBitmap* AddBitmapFromResource(const String& ResourceName, float Scale);
    TGxScaledBitmap* AddBitmapFromResource(const String& ResourceName, HINSTANCE AInstance, float Scale);
    TGxScaledBitmap* AddBitmapName(const String& BitmapName, float Scale);
    TGxScaledBitmap* Insert(int Index);
    TGxScaledBitmap* Insert(int Index, float Scale);
    TGxScaledBitmap* Items(int Index) const { return static_cast<TGxScaledBitmap*>(TCollection::Items(Index)); }
    void SetItems(int Index, TGxScaledBitmap* Value) { Items(Index)->Assign(Value); }
    // The item of exactly that scale, else the one of the largest positive scale; null when none.
    TGxScaledBitmap* GetItemByScale(float Scale) const;
    TGxBitmap* GetBitmapByScale(float Scale) const;
    TGxBitmap* Bitmap(float Scale) const { return GetBitmapByScale(Scale); }
    void SetBitmap(float Scale, TGxBitmap* Value);
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* Item) override;
};

// "0" to "9" below 128; above, any character of a number category of Unicode.
bool CharIsNumeric(char16_t c);
// No picture, no graphic or an empty graphic.
bool IsPictureEmpty(const TPicture* APicture);
TGraphic* GetPictureGraphic(const TPicture* APicture);
// A picture from the raw-data resource of that name; unchanged (empty) when there is none.
void LoadBitmapFromResource(TGxBitmap* ABitmap, const String& AName);
void LoadBitmapFromResource(TGxBitmap* ABitmap, const String& AName, HINSTANCE AInstance);
TGxBitmap* CreateBitmapFromResource(const String& AName);
TGxBitmap* CreateBitmapFromResource(const String& AName, HINSTANCE AInstance);

// Float rectangles; rounding is to the nearest with halves to even.
bool RectsIntersectEx(const TRectF& A, const TRectF& B);
bool OffsetRectEx(TRectF& R, float DX, float DY);
void InflateRectEx(TRectF& R, float DX, float DY);
bool PtInRectEx(const TRectF& R, const TPointF& P);
float RectWidthEx(const TRectF& R);
float RectHeightEx(const TRectF& R);
bool CenterRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result);
void PixelAlignRectEx(const TRectF& R, bool AHalfPixel, float AScale, TRectF& Result);
void FitRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result, float& Ratio);
void FitRectEx(const TRectF& R, const TRectF& Bounds, TRectF& Result);
bool IntersectRectEx(const TRectF& A, const TRectF& B, TRectF& Result);
bool IsRectEmptyEx(const TRectF& R);
float VectorLengthEx(const TPointF& P);
TRect CopyRectEx(const TRect& R);
TRect RectFToRect(const TRectF& R);
TRectF RectToRectF(const TRect& R);
TPointF PointToPointF(const TPoint& P);
TSize SizeFToSize(const TSizeF& S);
