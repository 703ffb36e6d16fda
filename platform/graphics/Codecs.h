#pragma once
// Compressed picture files: PNG (libpng), JPEG (libjpeg), GIF (giflib, read only) and TIFF (the
// toolkit's image readers).
// Each holds its picture as a 32-bit bitmap.
#include "platform/graphics/Bitmaps.h"

class TCodecGraphic : public TGraphic {
    DECLARE_CLASS(TCodecGraphic, TGraphic)
public:
    TCodecGraphic();
    void Assign(TPersistent* source) override;
    bool Empty() const override { return FImage.Empty(); }
    Integer Width() const override { return FImage.Width(); }
    Integer Height() const override { return FImage.Height(); }
    void SetSize(Integer width, Integer height) override;
    void DrawOn(TCanvas& canvas, const TRect& dest) override;
    // The picture: 32-bit, straight alpha in the top byte when HasAlpha.
    TBitmap& Image() { return FImage; }
    bool HasAlpha() const { return FHasAlpha; }
    void SetHasAlpha(bool value) { FHasAlpha = value; }

protected:
    void AssignTo(TPersistent* dest) override;
    TBitmap FImage;
    bool FHasAlpha = false;
};

class TPngImage : public TCodecGraphic {
    DECLARE_CLASS(TPngImage, TCodecGraphic)
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
};

class TJPEGImage : public TCodecGraphic {
    DECLARE_CLASS(TJPEGImage, TCodecGraphic)
public:
    Integer CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(Integer value);   // 1..100
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool value) { FGrayscale = value; }
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

private:
    Integer FQuality = 90;
    bool FGrayscale = false;
};

// The first frame of a GIF file; its transparent colour becomes alpha 0.
class TGIFImage : public TCodecGraphic {
    DECLARE_CLASS(TGIFImage, TCodecGraphic)
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;   // EInvalidGraphicOperation: GIF files are read only
};

// The first page of a TIFF file; written as one page.
class TTIFFImage : public TCodecGraphic {
    DECLARE_CLASS(TTIFFImage, TCodecGraphic)
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
};
