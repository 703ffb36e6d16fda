#include "platform/graphics/Codecs.h"

#include "platform/graphics/Backend.h"

#include <gif_lib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs FILE and size_t first
#include <jpeglib.h>

IMPLEMENT_CLASS(TCodecGraphic, TGraphic, nullptr)
IMPLEMENT_CLASS(TPngImage, TCodecGraphic, NewObject<TPngImage>)
IMPLEMENT_CLASS(TJPEGImage, TCodecGraphic, NewObject<TJPEGImage>)
IMPLEMENT_CLASS(TGIFImage, TCodecGraphic, NewObject<TGIFImage>)
IMPLEMENT_CLASS(TTIFFImage, TCodecGraphic, NewObject<TTIFFImage>)

namespace {
std::vector<Byte> ReadRest(TStream& stream)
{
    Int64 size = stream.Size() - stream.Position();
    if (size < 0 || size > 0x7FFFFFFF) throw EInvalidGraphic("Stream is too large");
    std::vector<Byte> data(static_cast<size_t>(size));
    if (size > 0) stream.ReadBuffer(data.data(), static_cast<Integer>(size));
    return data;
}

Cardinal* PixelsOf(TBitmap& bmp)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    return px.Bits;
}
}  // namespace

// ---------------------------------------------------------------- common

TCodecGraphic::TCodecGraphic() { FImage.SetPixelFormat(TPixelFormat::pf32bit); }

void TCodecGraphic::Assign(TPersistent* source)
{
    if (auto* c = dynamic_cast<TCodecGraphic*>(source)) {
        FImage.Assign(c->FImage);
        FHasAlpha = c->FHasAlpha;
    } else if (auto* b = dynamic_cast<TBitmap*>(source)) {
        FImage.Assign(*b);
        FImage.SetPixelFormat(TPixelFormat::pf32bit);
        FHasAlpha = false;
    } else {
        inherited::Assign(source);
        return;
    }
    Changed();
}

void TCodecGraphic::AssignTo(TPersistent* dest)
{
    if (auto* b = dynamic_cast<TBitmap*>(dest)) b->Assign(FImage);
    else inherited::AssignTo(dest);
}

void TCodecGraphic::SetSize(Integer width, Integer height)
{
    FImage.SetSize(width, height);
    Changed();
}

void TCodecGraphic::DrawOn(TCanvas& canvas, const TRect& dest)
{
    if (FHasAlpha) DrawWithAlpha(canvas, dest, FImage);
    else FImage.DrawOn(canvas, dest);
}

// ---------------------------------------------------------------- PNG

namespace {
// The PNG file image at the stream's position: the signature and the chunks up to IEND.
std::vector<Byte> ReadPng(TStream& stream)
{
    std::vector<Byte> data(8);
    if (stream.Read(data.data(), 8) != 8) throw EInvalidGraphic("The PNG image is not valid");
    for (;;) {
        Byte head[8];
        if (stream.Read(head, 8) != 8) throw EInvalidGraphic("The PNG image is not valid");
        const Cardinal length = Cardinal(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
        if (length > 0x7FFFFFF0u - 12 || Int64(length) + 4 > stream.Size() - stream.Position())
            throw EInvalidGraphic("The PNG image is not valid");
        const size_t at = data.size();
        data.resize(at + 8 + length + 4);
        std::memcpy(data.data() + at, head, 8);
        stream.ReadBuffer(data.data() + at + 8, static_cast<Integer>(length + 4));
        if (std::memcmp(head + 4, "IEND", 4) == 0) return data;
    }
}
}  // namespace

void TPngImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadPng(stream);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
        throw EInvalidGraphic("The PNG image is not valid");
    const bool alpha = image.format & PNG_FORMAT_FLAG_ALPHA;
    image.format = PNG_FORMAT_BGRA;
    if (Int64(image.width) * image.height > MaxPicturePixels) {
        png_image_free(&image);
        throw EInvalidGraphic("The PNG image is not valid");
    }
    TBitmap bmp(static_cast<Integer>(image.width), static_cast<Integer>(image.height));
    if (!png_image_finish_read(&image, nullptr, PixelsOf(bmp), 0, nullptr)) {
        png_image_free(&image);
        throw EInvalidGraphic("The PNG image is not valid");
    }
    FImage.Assign(bmp);
    FHasAlpha = alpha;
    Changed();
}

void TPngImage::SaveToStream(TStream& stream)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(FImage.Width());
    image.height = static_cast<png_uint_32>(FImage.Height());
    image.format = FHasAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<Byte> rows;
    const void* buffer = PixelsOf(FImage);
    if (!FHasAlpha) {
        rows.reserve(size_t(FImage.Width()) * FImage.Height() * 3);
        const Cardinal* px = PixelsOf(FImage);
        for (size_t i = 0; i < size_t(FImage.Width()) * FImage.Height(); ++i)
            rows.insert(rows.end(), {Byte(px[i]), Byte(px[i] >> 8), Byte(px[i] >> 16)});
        buffer = rows.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, buffer, 0, nullptr))
        throw EInvalidGraphicOperation("The PNG image could not be written");
    std::vector<Byte> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, buffer, 0, nullptr))
        throw EInvalidGraphicOperation("The PNG image could not be written");
    stream.WriteBuffer(out.data(), static_cast<Integer>(size));
}

// ---------------------------------------------------------------- JPEG

namespace {
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

void JpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

// Decodes into `out` (B, G, R, X); false on a damaged file.  Only plain data lives here, as the
// library leaves by a long jump.
bool DecodeJpeg(const Byte* data, size_t size, std::vector<Cardinal>& out, Integer& width, Integer& height)
{
    jpeg_decompress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (Int64(info.image_width) * info.image_height > MaxPicturePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    width = static_cast<Integer>(info.output_width);
    height = static_cast<Integer>(info.output_height);
    out.assign(size_t(width) * height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out.data() + size_t(info.output_scanline) * width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool EncodeJpeg(const Cardinal* px, Integer width, Integer height, int quality, bool gray, unsigned char** out,
                unsigned long* size)
{
    jpeg_compress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    if (gray) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<Cardinal*>(px + size_t(info.next_scanline) * width));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}
}  // namespace

void TJPEGImage::SetCompressionQuality(Integer value) { FQuality = std::clamp<Integer>(value, 1, 100); }

void TJPEGImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRest(stream);
    std::vector<Cardinal> pixels;
    Integer w = 0, h = 0;
    if (!DecodeJpeg(data.data(), data.size(), pixels, w, h)) throw EInvalidGraphic("The JPEG image is not valid");
    TBitmap bmp(w, h);
    Cardinal* px = PixelsOf(bmp);
    for (size_t i = 0; i < pixels.size(); ++i) px[i] = pixels[i] & 0xFFFFFF;
    FImage.Assign(bmp);
    FHasAlpha = false;
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream)
{
    if (FImage.Empty()) throw EInvalidGraphicOperation("Cannot save an empty JPEG image");
    unsigned char* out = nullptr;
    unsigned long size = 0;
    bool ok = EncodeJpeg(PixelsOf(FImage), FImage.Width(), FImage.Height(), FQuality, FGrayscale, &out, &size);
    if (ok) {
        try {
            stream.WriteBuffer(out, static_cast<Integer>(size));
        } catch (...) {
            std::free(out);
            throw;
        }
    }
    std::free(out);
    if (!ok) throw EInvalidGraphicOperation("The JPEG image could not be written");
}

// ---------------------------------------------------------------- GIF

namespace {
struct TGifSource {
    const Byte* Data;
    size_t Size, Pos;
};

int GifRead(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* src = static_cast<TGifSource*>(gif->UserData);
    size_t n = std::min(size_t(std::max(count, 0)), src->Size - src->Pos);
    if (n > 0) std::memcpy(buffer, src->Data + src->Pos, n);
    src->Pos += n;
    return static_cast<int>(n);
}
}  // namespace

void TGIFImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRest(stream);
    TGifSource src{data.data(), data.size(), 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, GifRead, &error);
    if (!gif) throw EInvalidGraphic("The GIF image is not valid");
    auto fail = [&] {
        DGifCloseFile(gif, &error);
        throw EInvalidGraphic("The GIF image is not valid");
    };
    const auto tooLarge = [](Int64 w, Int64 h) { return w <= 0 || h <= 0 || w * h > MaxPicturePixels; };
    if (tooLarge(gif->SWidth, gif->SHeight)) fail();
    // The records up to the first image: its control block (transparency) comes before it.
    GraphicsControlBlock gcb;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    for (GifRecordType type = UNDEFINED_RECORD_TYPE; type != IMAGE_DESC_RECORD_TYPE;) {
        if (DGifGetRecordType(gif, &type) != GIF_OK || type == TERMINATE_RECORD_TYPE) fail();
        if (type != EXTENSION_RECORD_TYPE) continue;
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) != GIF_OK) fail();
        if (code == GRAPHICS_EXT_FUNC_CODE && block) DGifExtensionToGCB(block[0], block + 1, &gcb);
        while (block)
            if (DGifGetExtensionNext(gif, &block) != GIF_OK) fail();
    }
    if (DGifGetImageDesc(gif) != GIF_OK) fail();
    const GifImageDesc& d = gif->Image;
    if (tooLarge(d.Width, d.Height)) fail();
    // the rows of an interlaced image come in four passes
    std::vector<GifPixelType> raster(size_t(d.Width) * d.Height);
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (d.Interlace ? 4 : 1); ++pass)
        for (int y = d.Interlace ? starts[pass] : 0; y < d.Height; y += d.Interlace ? steps[pass] : 1)
            if (DGifGetLine(gif, raster.data() + size_t(y) * d.Width, d.Width) != GIF_OK) fail();
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map) fail();
    const Integer w = gif->SWidth, h = gif->SHeight;
    TBitmap bmp(w, h);
    Cardinal* px = PixelsOf(bmp);
    const bool transparent = gcb.TransparentColor != NO_TRANSPARENT_COLOR;
    // outside the frame: transparent, or the background colour
    Cardinal background = 0;
    if (!transparent && gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = 0xFF000000u | Cardinal(c.Red) << 16 | Cardinal(c.Green) << 8 | c.Blue;
    }
    std::fill(px, px + size_t(w) * h, background);
    for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
            const int tx = d.Left + x, ty = d.Top + y;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
            const int index = raster[size_t(y) * d.Width + x];
            if ((transparent && index == gcb.TransparentColor) || index >= map->ColorCount) continue;
            const GifColorType& c = map->Colors[index];
            px[size_t(ty) * w + tx] = 0xFF000000u | Cardinal(c.Red) << 16 | Cardinal(c.Green) << 8 | c.Blue;
        }
    DGifCloseFile(gif, &error);
    if (!transparent)
        for (size_t i = 0; i < size_t(w) * h; ++i) px[i] &= 0xFFFFFF;
    FImage.Assign(bmp);
    FHasAlpha = transparent;
    Changed();
}

void TGIFImage::SaveToStream(TStream&) { throw EInvalidGraphicOperation("GIF images cannot be saved"); }

// ---------------------------------------------------------------- TIFF

void TTIFFImage::LoadFromStream(TStream& stream)
{
    TDecodedImage decoded;
    if (!ImageCodecBackend().Decode("tiff", ReadRest(stream), decoded) || decoded.Width <= 0 || decoded.Height <= 0)
        throw EInvalidGraphic("The TIFF image is not valid");
    TBitmap bmp(decoded.Width, decoded.Height);
    std::copy(decoded.Pixels.begin(), decoded.Pixels.end(), PixelsOf(bmp));
    FImage.Assign(bmp);
    FHasAlpha = decoded.HasAlpha;
    Changed();
}

void TTIFFImage::SaveToStream(TStream& stream)
{
    TDecodedImage image{FImage.Width(), FImage.Height(), {}, FHasAlpha};
    const Cardinal* px = PixelsOf(FImage);
    image.Pixels.assign(px, px + size_t(image.Width) * image.Height);
    const std::vector<Byte> data = ImageCodecBackend().Encode("tiff", image);
    if (data.empty()) throw EInvalidGraphicOperation("The TIFF image could not be written");
    stream.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
}
