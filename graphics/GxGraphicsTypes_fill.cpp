// Fill, stroke, font and saved state: value holders that tell one listener of each change
// (BeginUpdate/EndUpdate group changes into one announcement), and the canvas gradient painter.
#include <cmath>

#include "graphics/GxGraphicsTypes.h"

const TEnumTypeInfo& TypeInfoOf(TGxGraphicsFillKind)
{
    static const TEnumTypeInfo info("TGxGraphicsFillKind", {"gfkNone", "gfkSolid", "gfkGradient", "gfkTexture"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TGxGraphicsFillOrientation)
{
    static const TEnumTypeInfo info("TGxGraphicsFillOrientation", {"gfoHorizontal", "gfoVertical", "gfoCustom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TGxGraphicsTextureMode)
{
    static const TEnumTypeInfo info("TGxGraphicsTextureMode", {"gtmOriginal", "gtmFit", "gtmStretch", "gtmCenter", "gtmTile"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TGxGraphicsStrokeKind)
{
    static const TEnumTypeInfo info("TGxGraphicsStrokeKind",
                                    {"gskNone", "gskSolid", "gskDash", "gskDot", "gskDashDot", "gskDashDotDot"});
    return info;
}

namespace {

// A colour as stored: "no colour" becomes -1, the default colour the button face.
TColor StoredColor(TColor value)
{
    if (value == clNone) return -1;
    if (value == clDefault) return clBtnFace;
    return value;
}

// Floats differ also when either is not a number.
bool FloatDiffers(float a, float b) { return a != b || std::isnan(a) || std::isnan(b); }

}  // namespace

// ---------------------------------------------------------------- gradient items

TClass TGxGraphicsFillGradientItem::StaticClass()
{
    static const TMetaClass meta("TGxGraphicsFillGradientItem", TCollectionItem::StaticClass(),
                                 NewCollectionItem<TGxGraphicsFillGradientItem>, [](TMetaClass& m) {
                                     using T = TGxGraphicsFillGradientItem;
                                     TPublished<T>(&m)
                                         .Property("Color", &T::Color, &T::SetColor).Type("TColor").Default(clWhite)
                                         .Property("Position", &T::Position, &T::SetPosition)
                                         .Property("Opacity", &T::Opacity, &T::SetOpacity)
                                         .Stored([](T* t) { return t->Opacity() != 1; });
                                 });
    return &meta;
}

void TGxGraphicsFillGradientItem::Assign(TPersistent* Source)
{
    auto* item = dynamic_cast<TGxGraphicsFillGradientItem*>(Source);
    if (!item) return inherited::Assign(Source);
    FColor = item->FColor;
    FOpacity = item->FOpacity;
    FPosition = item->FPosition;
}

void TGxGraphicsFillGradientItem::FillChanged()
{
    if (auto* items = dynamic_cast<TGxGraphicsFillGradientItems*>(Collection()); items && items->Fill())
        items->Fill()->Changed();
}

void TGxGraphicsFillGradientItem::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    FillChanged();
}

void TGxGraphicsFillGradientItem::SetPosition(float Value)
{
    if (!FloatDiffers(FPosition, Value)) return;
    FPosition = Value;
    FillChanged();
}

void TGxGraphicsFillGradientItem::SetOpacity(float Value)
{
    if (!FloatDiffers(FOpacity, Value)) return;
    FOpacity = Value;
    FillChanged();
}

IMPLEMENT_CLASS(TGxGraphicsFillGradientItems, TOwnedCollection, nullptr)

TGxGraphicsFillGradientItems::TGxGraphicsFillGradientItems(TGxCustomGraphicsFill* AOwner)
    : TOwnedCollection(AOwner, TGxGraphicsFillGradientItem::StaticClass()), FOwner(AOwner)
{
}

// ---------------------------------------------------------------- fill

IMPLEMENT_CLASS(TGxCustomGraphicsFill, TPersistent, nullptr)

TGxCustomGraphicsFill::TGxCustomGraphicsFill(TGxGraphicsFillKind AKind, TColor AColor, TColor AColorTo,
                                             TColor AColorMirror, TColor AColorMirrorTo)
    : GradientMatrix(TGxGraphicsMatrix::Identity()),
      FKind(AKind),
      FDefaultKind(AKind),
      FColor(AColor),
      FDefaultColor(AColor),
      FColorTo(AColorTo),
      FColorMirror(AColorMirror),
      FColorMirrorTo(AColorMirrorTo),
      FDefaultColorTo(AColorTo),
      FDefaultColorMirror(AColorMirror),
      FDefaultColorMirrorTo(AColorMirrorTo),
      FTexture(std::make_unique<TGxBitmap>()),
      FGradientItems(std::make_unique<TGxGraphicsFillGradientItems>(this))
{
    FTexture->OnChange = [this] { Changed(); };
}

TGxCustomGraphicsFill::~TGxCustomGraphicsFill()
{
    FTexture->OnChange = nullptr;
}

void TGxCustomGraphicsFill::Changed()
{
    if (OnChanged.Assigned() && FUpdateCount == 0) OnChanged(this);
}

void TGxCustomGraphicsFill::BeginUpdate() { ++FUpdateCount; }

void TGxCustomGraphicsFill::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TGxCustomGraphicsFill::SetColorValue(TColor& field, TColor value)
{
    if (field == value) return;
    field = StoredColor(value);
    Changed();
}

void TGxCustomGraphicsFill::SetColor(TColor Value) { SetColorValue(FColor, Value); }
void TGxCustomGraphicsFill::SetColorTo(TColor Value) { SetColorValue(FColorTo, Value); }
void TGxCustomGraphicsFill::SetColorMirror(TColor Value) { SetColorValue(FColorMirror, Value); }
void TGxCustomGraphicsFill::SetColorMirrorTo(TColor Value) { SetColorValue(FColorMirrorTo, Value); }

template <class T>
static void StoreAndAnnounce(TGxCustomGraphicsFill& fill, T& field, T value)
{
    if (field == value) return;
    field = value;
    fill.Changed();
}

void TGxCustomGraphicsFill::SetKind(TGxGraphicsFillKind Value) { StoreAndAnnounce(*this, FKind, Value); }
void TGxCustomGraphicsFill::SetOrientation(TGxGraphicsFillOrientation Value)
{
    StoreAndAnnounce(*this, FOrientation, Value);
}
void TGxCustomGraphicsFill::SetTextureMode(TGxGraphicsTextureMode Value) { StoreAndAnnounce(*this, FTextureMode, Value); }
void TGxCustomGraphicsFill::SetGradientMode(TGxGraphicsFillGradientMode Value)
{
    StoreAndAnnounce(*this, FGradientMode, Value);
}
void TGxCustomGraphicsFill::SetGradientType(TGxGraphicsFillGradientType Value)
{
    StoreAndAnnounce(*this, FGradientType, Value);
}
void TGxCustomGraphicsFill::SetGradientCenterColor(TColor Value) { StoreAndAnnounce(*this, FGradientCenterColor, Value); }

void TGxCustomGraphicsFill::SetOpacity(float Value)
{
    if (!FloatDiffers(FOpacity, Value)) return;
    FOpacity = Value;
    Changed();
}

void TGxCustomGraphicsFill::SetGradientAngle(float Value)
{
    if (!FloatDiffers(FGradientAngle, Value)) return;
    FGradientAngle = Value;
    Changed();
}

void TGxCustomGraphicsFill::SetGradientCenterPoint(const TPointF& Value)
{
    FGradientCenterPoint = Value;
    Changed();
}

void TGxCustomGraphicsFill::SetTexture(TGxBitmap* Value)
{
    if (Value == FTexture.get()) return;
    FTexture->Assign(Value);
}

void TGxCustomGraphicsFill::ClearGradientItems() { FGradientItems->Clear(); }

TGxGraphicsFillGradientItem* TGxCustomGraphicsFill::AddGradientItem(TColor AColor, float APosition, float AOpacity)
{
    TGxGraphicsFillGradientItem* item = FGradientItems->Add();
    item->SetColor(AColor);
    item->SetPosition(APosition);
    item->SetOpacity(AOpacity);
    return item;
}

void TGxCustomGraphicsFill::Assign(TPersistent* Source)
{
    ++FUpdateCount;
    if (auto* fill = dynamic_cast<TGxCustomGraphicsFill*>(Source)) {
        FColor = fill->FColor;
        FColorTo = fill->FColorTo;
        FColorMirror = fill->FColorMirror;
        FColorMirrorTo = fill->FColorMirrorTo;
        FKind = fill->FKind;
        FOrientation = fill->FOrientation;
        FOpacity = fill->FOpacity;
        FTexture->Assign(fill->FTexture.get());
        FTextureMode = fill->FTextureMode;
        FGradientMode = fill->FGradientMode;
        FGradientAngle = fill->FGradientAngle;
        FGradientCenterPoint = fill->FGradientCenterPoint;
        FGradientItems->Assign(fill->FGradientItems.get());
        FGradientType = fill->FGradientType;
        FGradientCenterColor = fill->FGradientCenterColor;
    } else if (auto* stroke = dynamic_cast<TGxCustomGraphicsStroke*>(Source)) {
        FColor = stroke->Color();
        FColorTo = FColorMirror = FColorMirrorTo = -1;
        FKind = gfkSolid;
        FOrientation = gfoVertical;
        FOpacity = 1;
    }
    --FUpdateCount;
    Changed();
}

TClass TGxGraphicsFill::StaticClass()
{
    static const TMetaClass meta("TGxGraphicsFill", TGxCustomGraphicsFill::StaticClass(), nullptr, [](TMetaClass& m) {
        using T = TGxGraphicsFill;
        TPublished<T>(&m)
            .Property("OnChanged", &T::OnChanged)
            .Property("Kind", &T::Kind, &T::SetKind).Stored([](T* f) { return f->Kind() != f->DefaultKind(); })
            .Property("Orientation", &T::Orientation, &T::SetOrientation).Default(gfoVertical)
            .Property("Color", &T::Color, &T::SetColor).Type("TColor")
                .Stored([](T* f) { return f->Color() != f->DefaultColor(); })
            .Property("ColorTo", &T::ColorTo, &T::SetColorTo).Type("TColor")
                .Stored([](T* f) { return f->ColorTo() != f->DefaultColorTo(); })
            .Property("ColorMirror", &T::ColorMirror, &T::SetColorMirror).Type("TColor")
                .Stored([](T* f) { return f->ColorMirror() != f->DefaultColorMirror(); })
            .Property("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo).Type("TColor")
                .Stored([](T* f) { return f->ColorMirrorTo() != f->DefaultColorMirrorTo(); })
            .Property("TextureMode", &T::TextureMode, &T::SetTextureMode).Default(gtmStretch)
            .Property("Texture", &T::Texture, &T::SetTexture);
    });
    return &meta;
}

// ---------------------------------------------------------------- stroke

IMPLEMENT_CLASS(TGxCustomGraphicsStroke, TPersistent, nullptr)

TGxCustomGraphicsStroke::TGxCustomGraphicsStroke(TGxGraphicsStrokeKind AKind, TColor AColor)
    : FKind(AKind), FColor(AColor), FDefaultKind(AKind), FDefaultColor(AColor)
{
}

void TGxCustomGraphicsStroke::Changed()
{
    if (OnChanged.Assigned() && FUpdateCount == 0) OnChanged(this);
}

void TGxCustomGraphicsStroke::BeginUpdate() { ++FUpdateCount; }

void TGxCustomGraphicsStroke::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TGxCustomGraphicsStroke::SetKind(TGxGraphicsStrokeKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    Changed();
}

void TGxCustomGraphicsStroke::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = StoredColor(Value);
    Changed();
}

void TGxCustomGraphicsStroke::SetWidth(float Value)
{
    if (!FloatDiffers(FWidth, Value)) return;
    FWidth = Value;
    Changed();
}

void TGxCustomGraphicsStroke::SetOpacity(float Value)
{
    if (!FloatDiffers(FOpacity, Value)) return;
    FOpacity = Value;
    Changed();
}

void TGxCustomGraphicsStroke::Assign(TPersistent* Source)
{
    if (auto* stroke = dynamic_cast<TGxCustomGraphicsStroke*>(Source)) {
        FColor = stroke->FColor;
        FKind = stroke->FKind;
        FOpacity = stroke->FOpacity;
        FWidth = stroke->FWidth;
    } else if (auto* fill = dynamic_cast<TGxCustomGraphicsFill*>(Source)) {
        FColor = fill->Color();
        FKind = gskSolid;
        FOpacity = 1;
        FWidth = 1;
    }
    Changed();
}

TClass TGxGraphicsStroke::StaticClass()
{
    static const TMetaClass meta("TGxGraphicsStroke", TGxCustomGraphicsStroke::StaticClass(), nullptr, [](TMetaClass& m) {
        using T = TGxGraphicsStroke;
        TPublished<T>(&m)
            .Property("OnChanged", &T::OnChanged)
            .Property("Kind", &T::Kind, &T::SetKind).Stored([](T* s) { return s->Kind() != s->DefaultKind(); })
            .Property("Color", &T::Color, &T::SetColor).Type("TColor")
                .Stored([](T* s) { return s->Color() != s->DefaultColor(); })
            .Property("Width", &T::Width, &T::SetWidth).Stored([](T* s) { return s->Width() != 1; });
    });
    return &meta;
}

// ---------------------------------------------------------------- font and saved state

IMPLEMENT_CLASS(TGxGraphicsFont, TFont, NewObject<TGxGraphicsFont>)

TGxGraphicsFont::TGxGraphicsFont()
{
    SetHeight(-11);
    OnChange = [this] { Changed(); };
}

void TGxGraphicsFont::Changed()
{
    if (OnChanged.Assigned() && FUpdateCount == 0) OnChanged(this);
}

void TGxGraphicsFont::BeginUpdate() { ++FUpdateCount; }

void TGxGraphicsFont::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TGxGraphicsFont::Assign(TPersistent* Source)
{
    ++FUpdateCount;
    try {
        TFont::Assign(Source);
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    Changed();
}

IMPLEMENT_CLASS(TGxGraphicsSaveState, TPersistent, NewObject<TGxGraphicsSaveState>)

TGxGraphicsSaveState::TGxGraphicsSaveState()
    : FFont(std::make_unique<TGxGraphicsFont>()),
      FStroke(std::make_unique<TGxGraphicsStroke>(gskSolid, clSilver)),
      FFill(std::make_unique<TGxGraphicsFill>(gfkSolid, clWhite, clGray, -1, -1))
{
}

// ---------------------------------------------------------------- gradient painter

void DrawCanvasGradient(TCanvas& ACanvas, TColor AColor, TColor AColorTo, const TRect& ARect, float ARounding,
                        TGxGraphicsCorners ACorners, bool AHorizontal)
{
    const Integer extent = AHorizontal ? ARect.Right - ARect.Left : ARect.Bottom - ARect.Top;
    const Integer n = extent == 0 ? 1 : extent;
    const Cardinal c1 = static_cast<Cardinal>(ColorToRGB(AColor)), c2 = static_cast<Cardinal>(ColorToRGB(AColorTo));
    const int r1 = GetRValue(c1), g1 = GetGValue(c1), b1 = GetBValue(c1);
    // the steps are held as 32-bit floats: 255 / 100 is 2.5499999523
    const float dr = static_cast<float>(GetRValue(c2) - r1) / n;
    const float dg = static_cast<float>(GetGValue(c2) - g1) / n;
    const float db = static_cast<float>(GetBValue(c2) - b1) / n;
    const float bandLength = static_cast<float>(extent) / n;
    auto round = [](double v) { return static_cast<Integer>(std::nearbyint(v)); };

    const TColor savedBrushColor = ACanvas.Brush().Color(), savedPenColor = ACanvas.Pen().Color();
    const TBrushStyle savedBrushStyle = ACanvas.Brush().Style();
    const TPenStyle savedPenStyle = ACanvas.Pen().Style();
    ACanvas.Pen().SetStyle(TPenStyle::psSolid);
    ACanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    const double r = ARounding;
    for (Integer i = 0; i < n; ++i) {
        const TColor color = (r1 + round(i * static_cast<double>(dr))) + (g1 + round(i * static_cast<double>(dg))) * 256 +
                             (b1 + round(i * static_cast<double>(db))) * 65536;
        ACanvas.Pen().SetColor(color);
        ACanvas.Brush().SetColor(ACanvas.Pen().Color());
        const Integer p = round(i * static_cast<double>(bandLength));
        const Integer length = static_cast<Integer>(bandLength);
        TRect R = ARect;
        // the inset of a rounded corner at distance k from its end
        auto inset = [&](double k) { return round(r - std::sqrt(std::max(0.0, r * r - (r - k) * (r - k)))); };
        // corners of the first and the last end: A on the top (left) side, B on the bottom (right)
        const TGxGraphicsCorner firstA = gcTopLeft, lastB = gcBottomRight;
        const TGxGraphicsCorner firstB = AHorizontal ? gcBottomLeft : gcTopRight;
        const TGxGraphicsCorner lastA = AHorizontal ? gcTopRight : gcBottomLeft;
        Integer insetA = 0, insetB = 0;
        if (i <= r && (ACorners.Contains(firstA) || ACorners.Contains(firstB))) {
            const Integer d = inset(i);
            insetA = ACorners.Contains(firstA) ? d : 0;
            insetB = ACorners.Contains(firstB) ? d : 0;
        } else if (i >= n - r && (ACorners.Contains(lastA) || ACorners.Contains(lastB))) {
            const Integer d = inset(n - i);
            insetA = ACorners.Contains(lastA) ? d : 0;
            insetB = ACorners.Contains(lastB) ? d : 0;
        }
        if (AHorizontal) {
            ACanvas.Rectangle(R.Left + p, R.Top + insetA, std::min(R.Left + p + length, R.Right), R.Bottom - insetB);
        } else {
            ACanvas.Rectangle(R.Left + insetA, R.Top + p, R.Right - insetB, std::min(R.Top + p + length, R.Bottom));
        }
    }
    ACanvas.Brush().SetColor(savedBrushColor);
    ACanvas.Brush().SetStyle(savedBrushStyle);
    ACanvas.Pen().SetColor(savedPenColor);
    ACanvas.Pen().SetStyle(savedPenStyle);
}
