#pragma once
// The picture part of the library's buttons: a strip of up to five images (one per button state),
// the image of each of the nine states made from it on first use, and the drawing of the image
// beside the caption.  Also the standard small glyphs a button can show instead of a picture.
#include <array>
#include <functional>
#include <memory>

#include "foundation/StyGraphUtils.h"

enum TStyGlyphStyle : Byte { gsStandard, gsExplorer };
using TStyNumGlyphs = Byte;   // 1..5

// Lets the owner supply the strip: it fills B and sets AHandled.
using TStyGlyphGetBitmap = std::function<void(TObject* Sender, TBitmap& B, bool& AHandled)>;

class TStyGlyph : public TObject {
    DECLARE_CLASS(TStyGlyph, TObject)
public:
    TStyGlyph();
    ~TStyGlyph() override;

    TBitmap& Glyph() { return *FGlyph; }
    void SetGlyph(const TBitmap& value) { FGlyph->Assign(value); }
    TStyNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer value);
    TStyGlyphStyle Style() const { return FStyle; }
    void SetStyle(TStyGlyphStyle value);
    const TRect& DrawnRect() const { return FDrawnRect; }
    const TRect& GlyphRect() const { return FGlyphRect; }
    const TRect& TextRect() const { return FTextRect; }

    // Refreshes the working strip; with AGuessGlyphNum the number of images follows the strip's
    // shape.  Forgets the state images and fires OnChange.
    void Changed(bool AGuessGlyphNum);
    // The state's image into bmp (nothing without a picture).
    void GetStateBitmap(TStyButtonState State, TBitmap& bmp);
    TRect CalcGlyphAndTextRect(TCanvas& aCanvas, const String& aString, TSty3DCaption* Effects, TRect& aDest,
                               TStyButtonState State, TStyGlyphTextLayout* aLayout, TStyDrawTextStyles ExtFlags,
                               bool MultiLine, Cardinal flags);
    void DrawButtonGlyphAndText(TCanvas& aCanvas, const String& aString, TSty3DCaption* Effects, TRect& aDest,
                                TStyButtonState State, TStyGlyphTextLayout* aLayout, TStyDrawTextStyles ExtFlags,
                                bool MultiLine, Cardinal flags);

    TNotifyEvent OnChange;
    TStyGlyphGetBitmap OnGetBitmap;

private:
    TBitmap* StateImage(TStyButtonState State);
    std::unique_ptr<TBitmap> MakeImage(Integer index);
    void FreeCache();

    std::unique_ptr<TBitmap> FMaster;
    std::unique_ptr<TBitmap> FGlyph;
    TStyNumGlyphs FNumGlyphs = 1;
    TStyGlyphStyle FStyle = gsStandard;
    std::array<std::unique_ptr<TBitmap>, 9> FCache;
    TRect FDrawnRect, FGlyphRect, FTextRect;
};

// Loads the standard glyph of a kind (gkEllipsis .. gkFont): 13 x 14 pixels from the strip
// "StyBMPGLYPH".
void LoadStandardGlyph(TBitmap* Bitmap, TStyGlyphKind Kind);
