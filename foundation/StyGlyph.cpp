// Button glyphs: the strip, the state images made from it, and the standard glyphs.
#include "foundation/StyGlyph.h"

#include "platform/rtl/Streams.h"

IMPLEMENT_CLASS(TStyGlyph, TObject, nullptr)

TStyGlyph::TStyGlyph() : FMaster(std::make_unique<TBitmap>()), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this] { Changed(true); };
}

TStyGlyph::~TStyGlyph()
{
    FreeCache();
    FGlyph->OnChange = nullptr;
}

void TStyGlyph::SetNumGlyphs(Integer value)
{
    value = std::clamp<Integer>(value, 1, 5);
    if (value == FNumGlyphs) return;
    FNumGlyphs = static_cast<TStyNumGlyphs>(value);
    Changed(false);
}

void TStyGlyph::SetStyle(TStyGlyphStyle value)
{
    if (value == FStyle) return;
    FStyle = value;
    Changed(false);
}

void TStyGlyph::FreeCache()
{
    for (auto& image : FCache) image.reset();
}

void TStyGlyph::Changed(bool AGuessGlyphNum)
{
    bool handled = false;
    if (OnGetBitmap) {
        FMaster = std::make_unique<TBitmap>();
        OnGetBitmap(this, *FMaster, handled);
    }
    if (!handled) {
        FMaster = std::make_unique<TBitmap>();
        FMaster->Assign(*FGlyph);
        if (!FMaster->Empty()) FMaster->SetAlphaFormat(TAlphaFormat::afDefined);
    }
    if (AGuessGlyphNum) {
        const Integer w = FMaster->Width(), h = FMaster->Height();
        Integer n = 1;
        if (!FMaster->Empty() && w % h == 0) n = w / h;
        FNumGlyphs = static_cast<TStyNumGlyphs>(n > 5 ? 1 : n);
    }
    FreeCache();
    if (OnChange) OnChange(this);
}

// Each state's image is one cell, w x h: its own cell, or one derived from the first cell.
std::unique_ptr<TBitmap> TStyGlyph::MakeImage(Integer index)
{
    const Integer w = FMaster->Width() / FNumGlyphs, h = FMaster->Height();
    auto image = std::make_unique<TBitmap>();
    const bool ownCell = index < FNumGlyphs && !(index == 0 && FStyle == gsExplorer);
    const TPixelFormat format = FMaster->PixelFormat();
    image->SetPixelFormat(format == TPixelFormat::pfCustom ? TPixelFormat::pf24bit : format);
    image->SetSize(w, h);
    image->SetAlphaFormat(FMaster->AlphaFormat());
    const Integer cell = ownCell ? index : 0;
    image->Canvas().CopyRect(Rect(0, 0, w, h), FMaster->Canvas(), Bounds(cell * w, 0, w, h));
    image->SetTransparentColor(FMaster->TransparentColor());
    if (ownCell || FMaster->SupportsPartialTransparency() || index > 1) return image;
    auto derived = std::make_unique<TBitmap>();
    if (index == 0) {   // explorer look: a shaded copy
        CreateShadedBitmap(*derived, *image);
    } else {   // disabled: embossed
        derived->SetPixelFormat(TPixelFormat::pf24bit);
        derived->SetSize(w, h);
        DrawDisabledBitmap(*derived, *image, 0, 0);
    }
    derived->SetTransparentMode(TTransparentMode::tmAuto);
    return derived;
}

TBitmap* TStyGlyph::StateImage(TStyButtonState State)
{
    Integer index = State;
    if (State == bsDisabledUp || State == bsDisabledDown) index = 1;
    else if (index >= FNumGlyphs) {
        if (FStyle == gsStandard) index = 0;
        else index = State == bsDropDownOpen ? bsDown : bsMouseOver;
    }
    if (FMaster->Empty()) return nullptr;
    auto& slot = FCache[index];
    if (!slot) slot = MakeImage(index);
    return slot.get();
}

void TStyGlyph::GetStateBitmap(TStyButtonState State, TBitmap& bmp)
{
    if (TBitmap* image = StateImage(State)) bmp.Assign(*image);
}

TRect TStyGlyph::CalcGlyphAndTextRect(TCanvas& aCanvas, const String& aString, TSty3DCaption* Effects, TRect& aDest,
                                      TStyButtonState State, TStyGlyphTextLayout* aLayout, TStyDrawTextStyles ExtFlags,
                                      bool MultiLine, Cardinal flags)
{
    TBitmap* image = StateImage(State);
    FDrawnRect = image ? Rect(0, 0, image->Width(), image->Height()) : TRect{};
    TRect glyphRect = FDrawnRect;
    TStyLayoutRects rects;
    TStyGlyphTransparency none;
    ExtFlags.Include(dtCalculate);
    DrawGlyphTextLayout(aCanvas, aString, Effects, aDest, image ? &image->Canvas() : nullptr, glyphRect, aLayout,
                        MultiLine, false, none, ExtFlags, flags, rects);
    return glyphRect;
}

void TStyGlyph::DrawButtonGlyphAndText(TCanvas& aCanvas, const String& aString, TSty3DCaption* Effects, TRect& aDest,
                                       TStyButtonState State, TStyGlyphTextLayout* aLayout,
                                       TStyDrawTextStyles ExtFlags, bool MultiLine, Cardinal flags)
{
    TBitmap* image = StateImage(State);
    TStyGlyphTransparency t;
    if (image) {
        FDrawnRect = Rect(0, 0, image->Width(), image->Height());
        const bool found = TransparencyFromAlpha(t, image, TAlphaFormat::afIgnored) || TransparencyFromColor(t, image);
        SetTransparencyDefault(t, found, 0);
    } else {
        FDrawnRect = TRect{};
    }
    TRect glyphRect = FDrawnRect;
    TStyLayoutRects rects;
    DrawGlyphTextLayout(aCanvas, aString, Effects, aDest, image ? &image->Canvas() : nullptr, glyphRect, aLayout,
                        MultiLine, true, t, ExtFlags, flags, rects);
    FGlyphRect = rects.Glyph;
    FTextRect = rects.Text;
}

void LoadStandardGlyph(TBitmap* Bitmap, TStyGlyphKind Kind)
{
    if (!Bitmap) return;
    TResourceStream stream("StyBMPGLYPH", "BITMAP");
    Bitmap->LoadFromStream(stream);
    if (Kind != gkEllipsis) {
        const Integer k = Kind;
        Bitmap->Canvas().CopyRect(Rect(0, 0, 13, 14), Bitmap->Canvas(), Rect(13 * (k - 1), 0, 13 * k, 14));
    }
    Bitmap->SetWidth(13);
}
