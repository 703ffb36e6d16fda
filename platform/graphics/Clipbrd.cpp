#include "platform/graphics/Clipbrd.h"

#include <map>

#include "platform/graphics/Backend.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"

namespace {
const char* const MimeText = "text/plain";
const char* const MimePng = "image/png";
const char* const MimeEmf = "image/x-emf";

std::vector<String>& RegisteredNames()
{
    static std::vector<String> names;
    return names;
}

std::string MimeOf(Word format)
{
    switch (format) {
    case CF_TEXT:
    case CF_UNICODETEXT: return MimeText;
    case CF_BITMAP:
    case CF_DIB: return MimePng;
    case CF_ENHMETAFILE: return MimeEmf;
    default: break;
    }
    const auto& names = RegisteredNames();
    if (format >= 0xC000 && size_t(format - 0xC000) < names.size())
        return "application/x-" + names[size_t(format - 0xC000)].ToUtf8();
    return "application/x-clipboard-format-" + std::to_string(format);
}

std::string PngOf(TBitmap& bmp)
{
    TPngImage png;
    png.Assign(&bmp);
    TMemoryStream m;
    png.SaveToStream(m);
    return std::string(reinterpret_cast<const char*>(m.Memory()), size_t(m.Size()));
}
}  // namespace

Word RegisterClipboardFormat(const String& name)
{
    auto& names = RegisteredNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], name)) return static_cast<Word>(0xC000 + i);
    names.push_back(name);
    return static_cast<Word>(0xC000 + names.size() - 1);
}

void TClipboard::Open()
{
    if (FOpenCount++ == 0) FPending.clear();
}

void TClipboard::Close()
{
    if (FOpenCount == 0 || --FOpenCount > 0) return;
    ClipboardBackend().SetData(FPending);
    FPending.clear();
}

void TClipboard::Clear()
{
    FPending.clear();
    if (FOpenCount == 0) ClipboardBackend().SetData({});
}

// Outside Open/Close each call replaces the clipboard's contents, as the platform's clipboard does.
void TClipboard::Put(const std::string& mime, const std::string& bytes)
{
    if (FOpenCount > 0) {
        FPending.push_back({mime, bytes});
        return;
    }
    ClipboardBackend().SetData({{mime, bytes}});
}

bool TClipboard::HasFormat(Word format) const
{
    const std::string mime = MimeOf(format);
    for (const std::string& f : ClipboardBackend().Formats())
        if (f == mime) return true;
    return false;
}

String TClipboard::AsText() const { return String(ClipboardBackend().GetData(MimeText)); }
void TClipboard::SetAsText(const String& text) { Put(MimeText, text.ToUtf8()); }

void TClipboard::SetBuffer(Word format, const std::string& bytes) { Put(MimeOf(format), bytes); }
std::string TClipboard::GetBuffer(Word format) const { return ClipboardBackend().GetData(MimeOf(format)); }

void TClipboard::Assign(TPersistent* source)
{
    if (auto* pic = dynamic_cast<TPicture*>(source)) source = pic->Graphic();
    if (auto* mf = dynamic_cast<TMetafile*>(source)) {
        // the EMF, and a picture of it for programs that take images only
        TBitmap bmp(std::max(mf->Width(), 1), std::max(mf->Height(), 1));
        bmp.Canvas().Brush().SetColor(clWhite);
        bmp.Canvas().FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
        bmp.Canvas().Draw(0, 0, *mf);
        Open();
        Put(MimeEmf, mf->Data());
        Put(MimePng, PngOf(bmp));
        Close();
    } else if (auto* g = dynamic_cast<TGraphic*>(source)) {
        TBitmap bmp;
        bmp.Assign(g);
        Put(MimePng, PngOf(bmp));
    } else {
        throw EConvertError("Cannot assign a " + (source ? source->ClassName() : String("nil")) + " to a TClipboard");
    }
}

bool TClipboard::GetPicture(TPersistent* dest) const
{
    auto* pic = dynamic_cast<TPicture*>(dest);
    const std::string emf = ClipboardBackend().GetData(MimeEmf);
    if (!emf.empty() && (dynamic_cast<TMetafile*>(dest) || pic)) {
        TMetafile mf;
        mf.SetData(emf);
        if (pic) pic->SetGraphic(&mf);
        else dest->Assign(&mf);
        return true;
    }
    const std::string png = ClipboardBackend().GetData(MimePng);
    if (png.empty()) return false;
    TMemoryStream m;
    m.WriteBuffer(png.data(), static_cast<Integer>(png.size()));
    m.SetPosition(0);
    TPngImage image;
    image.LoadFromStream(m);
    TBitmap bmp;
    bmp.Assign(&image);
    if (pic) pic->SetGraphic(&bmp);
    else dest->Assign(&bmp);
    return true;
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
