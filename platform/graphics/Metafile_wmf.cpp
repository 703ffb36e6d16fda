// Windows metafiles (".wmf"): their records are checked, then played on a metafile canvas, which
// records them again as enhanced records, so a Windows metafile draws, scales and saves like a
// recording.  A placeable file gives the picture's size (its box and units per inch); a plain one
// takes its window as the picture, one logical unit to the pixel.
#include <uwmf.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/graphics/Metafile.h"

namespace {

constexpr uint32_t PlaceableKey = 0x9AC6CDD7;

uint16_t Get16(std::string_view d, size_t at)
{
    uint16_t v;
    std::memcpy(&v, d.data() + at, 2);
    return v;
}

TColor FromCR(U_COLORREF c) { return static_cast<TColor>(RGB(c.Red, c.Green, c.Blue)); }
TRect RectOf(U_RECT16 r) { return {r.left, r.top, r.right, r.bottom}; }

bool HasPlaceableKey(std::string_view d)
{
    uint32_t key = 0;
    if (d.size() >= 4) std::memcpy(&key, d.data(), 4);
    return key == PlaceableKey;
}

// A metafile header: in memory (1) or on disk (2), nine words long, version 1 or 3.
bool IsMetafileHeader(std::string_view d)
{
    return d.size() >= 18 && (Get16(d, 0) == 1 || Get16(d, 0) == 2) && Get16(d, 2) == 9 &&
           (Get16(d, 4) == 0x100 || Get16(d, 4) == 0x300);
}

// A record of a metafile, copied with zeros after it, so that reading the fixed fields of a record
// too short for its type stays inside the copy (and reads zeros).
struct TWmfRecord {
    static constexpr size_t Padding = 64;
    TWmfRecord(const char* data, size_t size) : Bytes(data, size), Size(size) { Bytes.append(Padding, '\0'); }
    const char* Data() const { return Bytes.data(); }
    uint8_t Type() const { return reinterpret_cast<const U_METARECORD*>(Data())->iType; }
    std::string Bytes;
    size_t Size;
};

// Plays the records on the canvas: objects in the metafile's table (a new one takes the first free
// slot), drawing tools selected from it, mapping and clipping as the records set them.  The
// viewport belongs to the player: it maps the metafile's window onto the picture.
class TWmfPlayer {
public:
    TWmfPlayer(TCanvas& canvas, size_t objects) : C(canvas), Objects(std::max<size_t>(objects, 1)) {}

    void Play(const TWmfRecord& r)
    {
        const char* d = r.Data();
        U_POINT16 p{}, q{};
        U_RECT16 box{};
        U_COLORREF color{};
        uint16_t mode = 0;
        switch (r.Type()) {
        case U_WMR_SETBKCOLOR: if (U_WMRSETBKCOLOR_get(d, &color)) C.SetBkColor(FromCR(color)); break;
        case U_WMR_SETTEXTCOLOR: if (U_WMRSETTEXTCOLOR_get(d, &color)) C.SetTextColor(FromCR(color)); break;
        case U_WMR_SETBKMODE: if (U_WMRSETBKMODE_get(d, &mode)) C.SetBkMode(mode); break;
        case U_WMR_SETMAPMODE: if (U_WMRSETMAPMODE_get(d, &mode)) C.SetMapMode(mode); break;
        case U_WMR_SETROP2: if (U_WMRSETROP2_get(d, &mode)) C.SetROP2(mode); break;
        case U_WMR_SETPOLYFILLMODE: if (U_WMRSETPOLYFILLMODE_get(d, &mode)) C.SetPolyFillMode(mode); break;
        case U_WMR_SETTEXTALIGN: if (U_WMRSETTEXTALIGN_get(d, &mode)) C.SetTextAlign(mode); break;
        case U_WMR_SETTEXTCHAREXTRA: if (U_WMRSETTEXTCHAREXTRA_get(d, &mode)) C.SetTextCharacterExtra(mode); break;
        case U_WMR_SETWINDOWORG: if (U_WMRSETWINDOWORG_get(d, &p)) C.SetWindowOrg(p.x, p.y); break;
        case U_WMR_SETWINDOWEXT: if (U_WMRSETWINDOWEXT_get(d, &p)) C.SetWindowExt(p.x, p.y); break;
        case U_WMR_OFFSETWINDOWORG:
            if (U_WMROFFSETWINDOWORG_get(d, &p)) C.SetWindowOrg(C.WindowOrg().X + p.x, C.WindowOrg().Y + p.y);
            break;
        case U_WMR_SCALEWINDOWEXT:
            if (U_WMRSCALEWINDOWEXT_get(d, &p, &q) && p.x && p.y)
                C.SetWindowExt(C.WindowExt().cx * q.x / p.x, C.WindowExt().cy * q.y / p.y);
            break;
        case U_WMR_SAVEDC: C.SaveDC(); ++FSaved; break;
        case U_WMR_RESTOREDC: RestoreDC(d); break;
        case U_WMR_INTERSECTCLIPRECT:
            if (U_WMRINTERSECTCLIPRECT_get(d, &box)) C.IntersectClipRect(box.left, box.top, box.right, box.bottom);
            break;
        case U_WMR_EXCLUDECLIPRECT:
            if (U_WMREXCLUDECLIPRECT_get(d, &box)) C.ExcludeClipRect(box.left, box.top, box.right, box.bottom);
            break;
        case U_WMR_CREATEPENINDIRECT:
        case U_WMR_CREATEBRUSHINDIRECT:
        case U_WMR_CREATEFONTINDIRECT:
        case U_WMR_CREATEPALETTE:
        case U_WMR_CREATEPATTERNBRUSH:
        case U_WMR_DIBCREATEPATTERNBRUSH:
        case U_WMR_CREATEREGION: Create(r); break;
        case U_WMR_SELECTOBJECT: if (U_WMRSELECTOBJECT_get(d, &mode)) Select(mode); break;
        case U_WMR_DELETEOBJECT:
            if (U_WMRDELETEOBJECT_get(d, &mode) && mode < Objects.size()) Objects[mode] = TObject{};
            break;
        case U_WMR_MOVETO: if (U_WMRMOVETO_get(d, &p)) C.SetPenPos({p.x, p.y}); break;
        case U_WMR_LINETO:
            if (U_WMRLINETO_get(d, &p)) {
                C.Execute({.Kind = TCanvasOp::opLine, .Points = {C.PenPos(), {p.x, p.y}}});
                C.SetPenPos({p.x, p.y});
            }
            break;
        case U_WMR_POLYLINE: C.Execute({.Kind = TCanvasOp::opPolyline, .Points = PointList(r)}); break;
        case U_WMR_POLYGON: C.Execute({.Kind = TCanvasOp::opPolygon, .Points = PointList(r)}); break;
        case U_WMR_POLYPOLYGON: PolyPolygon(r); break;
        case U_WMR_RECTANGLE:
            if (U_WMRRECTANGLE_get(d, &box)) C.Execute({.Kind = TCanvasOp::opRectangle, .Rect = RectOf(box)});
            break;
        case U_WMR_ELLIPSE:
            if (U_WMRELLIPSE_get(d, &box)) C.Execute({.Kind = TCanvasOp::opEllipse, .Rect = RectOf(box)});
            break;
        case U_WMR_ROUNDRECT: {
            int16_t w = 0, h = 0;
            if (U_WMRROUNDRECT_get(d, &w, &h, &box))
                C.Execute({.Kind = TCanvasOp::opRoundRect, .Rect = RectOf(box), .Param1 = w, .Param2 = h});
            break;
        }
        case U_WMR_ARC: if (U_WMRARC_get(d, &p, &q, &box)) Curve(TCanvasOp::opArc, box, p, q); break;
        case U_WMR_PIE: if (U_WMRPIE_get(d, &p, &q, &box)) Curve(TCanvasOp::opPie, box, p, q); break;
        case U_WMR_CHORD: if (U_WMRCHORD_get(d, &p, &q, &box)) Curve(TCanvasOp::opChord, box, p, q); break;
        case U_WMR_SETPIXEL:
            if (U_WMRSETPIXEL_get(d, &color, &p))
                C.Execute({.Kind = TCanvasOp::opPixel, .Points = {{p.x, p.y}}, .Color = FromCR(color)});
            break;
        case U_WMR_PATBLT: {
            uint32_t rop = 0;
            if (U_WMRPATBLT_get(d, &p, &q, &rop)) PatBlt(Bounds(p.x, p.y, q.x, q.y), rop);
            break;
        }
        case U_WMR_TEXTOUT: {
            // the point follows the text: a length that passes the record's end is refused first
            int16_t length = 0;
            std::memcpy(&length, d + 6, 2);
            const char* text = nullptr;
            if (length >= 0 && 8 + size_t((length + 1) & ~1) + 4 <= r.Size &&
                U_WMRTEXTOUT_get(d, &p, &length, &text) && Inside(r, text, length))
                Text(p, 0, nullptr, Decode(text, length));
            break;
        }
        case U_WMR_EXTTEXTOUT: {
            int16_t length = 0;
            uint16_t options = 0;
            const char* text = nullptr;
            const int16_t* dx = nullptr;
            if (!U_WMREXTTEXTOUT_get(d, &p, &length, &options, &text, &dx, &box) || !Inside(r, text, length)) break;
            const TRect rect = RectOf(box);
            const int clip = options & (U_ETO_OPAQUE | U_ETO_CLIPPED);
            Text(p, clip, clip ? &rect : nullptr, Decode(text, length));
            break;
        }
        case U_WMR_STRETCHDIB: {
            U_POINT16 dest{}, destSize{}, src{}, srcSize{};
            uint16_t usage = 0;
            uint32_t rop = 0;
            const char* dib = nullptr;
            if (U_WMRSTRETCHDIB_get(d, &dest, &destSize, &src, &srcSize, &usage, &rop, &dib))
                Blit(r, dib, Bounds(dest.x, dest.y, destSize.x, destSize.y), src, srcSize, rop, true);
            break;
        }
        case U_WMR_DIBSTRETCHBLT: {
            U_POINT16 dest{}, destSize{}, src{}, srcSize{};
            uint32_t rop = 0;
            const char* dib = nullptr;
            if (U_WMRDIBSTRETCHBLT_get(d, &dest, &destSize, &src, &srcSize, &rop, &dib))
                Blit(r, dib, Bounds(dest.x, dest.y, destSize.x, destSize.y), src, srcSize, rop, false);
            break;
        }
        case U_WMR_DIBBITBLT: {
            U_POINT16 dest{}, size{}, src{};
            uint32_t rop = 0;
            const char* dib = nullptr;
            if (U_WMRDIBBITBLT_get(d, &dest, &size, &src, &rop, &dib))
                Blit(r, dib, Bounds(dest.x, dest.y, size.x, size.y), src, size, rop, false);
            break;
        }
        default: break;   // palettes, escapes, regions as clips: nothing to draw
        }
    }

private:
    struct TObject {
        enum { Free, Pen, Brush, Font, Other } Kind = Free;
        U_PEN P{};
        U_WLOGBRUSH B{};
        std::vector<char> F;   // the font record's bytes from its height on
    };

    bool Inside(const TWmfRecord& r, const char* p, Integer count) const
    {
        return p && count >= 0 && p >= r.Data() && p + count <= r.Data() + r.Size;
    }

    static String Decode(const char* text, int16_t length)
    {
        return String(Cp1252ToUtf16(std::string_view(text, static_cast<size_t>(length))));
    }

    void Curve(TCanvasOp::TKind kind, U_RECT16 box, U_POINT16 start, U_POINT16 end)
    {
        C.Execute({.Kind = kind, .Points = {{start.x, start.y}, {end.x, end.y}}, .Rect = RectOf(box)});
    }

    void PatBlt(const TRect& r, uint32_t rop)
    {
        C.Execute({.Kind = TCanvasOp::opStretchBlt, .Rect = r, .Param1 = static_cast<Integer>(rop)});
    }

    // Text in the device context's text colour, background mode and alignment.
    void Text(U_POINT16 at, int options, const TRect* box, const String& text)
    {
        C.Font().SetColor(C.GetTextColor());
        TCanvasOp op{.Kind = TCanvasOp::opText, .Points = {{at.x, at.y}}, .Param1 = options, .Text = text};
        if (box) op.Rect = *box;
        C.Execute(op);
    }

    void RestoreDC(const char* d)
    {
        int16_t which = 0;
        if (!U_WMRRESTOREDC_get(d, &which)) return;
        // only states the metafile saved itself: relative (negative) levels back from the latest
        const int back = which < 0 ? -which : FSaved - which + 1;
        if (back < 1 || back > FSaved) return;
        C.RestoreDC(-back);
        FSaved -= back;
    }

    void Create(const TWmfRecord& r)
    {
        auto slot = std::find_if(Objects.begin(), Objects.end(), [](const TObject& o) { return o.Kind == TObject::Free; });
        if (slot == Objects.end()) return;   // more objects than the header announced
        TObject o;
        o.Kind = TObject::Other;
        const char* p = nullptr;
        switch (r.Type()) {
        case U_WMR_CREATEPENINDIRECT:
            if (U_WMRCREATEPENINDIRECT_get(r.Data(), &o.P)) o.Kind = TObject::Pen;
            break;
        case U_WMR_CREATEBRUSHINDIRECT:
            if (U_WMRCREATEBRUSHINDIRECT_get(r.Data(), &p) && Inside(r, p, sizeof(U_WLOGBRUSH))) {
                std::memcpy(&o.B, p, sizeof o.B);
                o.Kind = TObject::Brush;
            }
            break;
        case U_WMR_CREATEFONTINDIRECT:
            if (U_WMRCREATEFONTINDIRECT_get(r.Data(), &p) && Inside(r, p, offsetof(U_FONT, FaceName))) {
                o.F.assign(p, r.Data() + r.Size);
                o.F.push_back('\0');   // the face name ends inside the copy
                o.Kind = TObject::Font;
            }
            break;
        default: break;
        }
        *slot = std::move(o);
    }

    void Select(uint16_t index)
    {
        if (index >= Objects.size()) return;
        const TObject& o = Objects[index];
        if (o.Kind == TObject::Pen) {
            uint16_t width;
            std::memcpy(&width, &o.P.Widthw[0], 2);
            const int style = o.P.Style & 0x0F;
            C.Pen().SetStyle(style <= int(TPenStyle::psInsideFrame) ? static_cast<TPenStyle>(style) : TPenStyle::psSolid);
            C.Pen().SetWidth(static_cast<int16_t>(width));
            C.Pen().SetColor(FromCR(o.P.Color));
        } else if (o.Kind == TObject::Brush) {
            C.Brush().SetColor(FromCR(o.B.Color));
            C.Brush().SetStyle(o.B.Style == U_BS_NULL      ? TBrushStyle::bsClear
                               : o.B.Style == U_BS_HATCHED ? static_cast<TBrushStyle>(int(TBrushStyle::bsHorizontal) +
                                                                                      std::min<int>(o.B.Hatch, 5))
                                                           : TBrushStyle::bsSolid);
        } else if (o.Kind == TObject::Font) {
            U_FONT f;
            std::memcpy(&f, o.F.data(), offsetof(U_FONT, FaceName));
            const char* face = o.F.data() + offsetof(U_FONT, FaceName);
            C.Font().SetName(String(Cp1252ToUtf16(std::string_view(face, strnlen(face, 32)))));
            C.Font().SetHeight(f.Height);
            C.Font().SetOrientation(f.Escapement);
            TFontStyles style;
            if (f.Weight >= 600) style.Include(TFontStyle::fsBold);
            if (f.Italic) style.Include(TFontStyle::fsItalic);
            if (f.Underline) style.Include(TFontStyle::fsUnderline);
            if (f.StrikeOut) style.Include(TFontStyle::fsStrikeOut);
            C.Font().SetStyle(style);
            C.Font().SetCharset(f.CharSet);
        }
    }

    // The points of a polyline or polygon: a count, then x, y pairs.
    std::vector<TPoint> PointList(const TWmfRecord& r) const
    {
        uint16_t count = 0;
        const char* data = nullptr;
        std::vector<TPoint> points;
        if (!U_WMRPOLYLINE_get(r.Data(), &count, &data) || !Inside(r, data, Integer(count) * 4)) return points;
        for (uint16_t i = 0; i < count; ++i)
            points.push_back({static_cast<int16_t>(Get16({data, size_t(count) * 4}, i * 4)),
                              static_cast<int16_t>(Get16({data, size_t(count) * 4}, i * 4 + 2))});
        return points;
    }

    void PolyPolygon(const TWmfRecord& r)
    {
        uint16_t polygons = 0;
        const uint16_t* counts = nullptr;
        const char* data = nullptr;
        if (!U_WMRPOLYPOLYGON_get(r.Data(), &polygons, &counts, &data) ||
            !Inside(r, reinterpret_cast<const char*>(counts), Integer(polygons) * 2))
            return;
        const char* at = data;
        for (uint16_t i = 0; i < polygons; ++i) {
            uint16_t n;
            std::memcpy(&n, counts + i, 2);
            if (!Inside(r, at, Integer(n) * 4)) return;
            std::vector<TPoint> points;
            for (uint16_t k = 0; k < n; ++k)
                points.push_back({static_cast<int16_t>(Get16({at, size_t(n) * 4}, k * 4)),
                                  static_cast<int16_t>(Get16({at, size_t(n) * 4}, k * 4 + 2))});
            C.Execute({.Kind = TCanvasOp::opPolygon, .Points = points});
            at += size_t(n) * 4;
        }
    }

    // A device-independent bitmap stretched onto the destination; the source rectangle of a
    // stretched DIB counts its rows from the bottom, that of a blit from the top.
    void Blit(const TWmfRecord& r, const char* dib, const TRect& dest, U_POINT16 src, U_POINT16 srcSize, uint32_t rop,
              bool fromBottom)
    {
        if (!dib) {
            PatBlt(dest, rop);
            return;
        }
        if (!Inside(r, dib, 0)) return;
        TBitmap bmp;
        try {
            bmp.LoadDib(reinterpret_cast<const Byte*>(dib), size_t(r.Data() + r.Size - dib), false);
        } catch (const EInvalidGraphic&) {
            return;
        }
        const Integer top = fromBottom ? bmp.Height() - src.y - srcSize.y : src.y;
        C.Execute({.Kind = TCanvasOp::opStretchBlt, .Rect = dest, .Color = clWhite, .Param1 = static_cast<Integer>(rop),
                   .Source = &bmp, .SourceRect = Bounds(src.x, top, srcSize.x, srcSize.y)});
    }

    TCanvas& C;
    std::vector<TObject> Objects;
    int FSaved = 0;
};

// The records after the header, checked to chain up to the end-of-file record (or the end of the
// data); EInvalidGraphic when one runs past the data.
std::vector<TWmfRecord> Records(const std::string& bytes, size_t at)
{
    std::vector<TWmfRecord> records;
    const char* end = bytes.data() + bytes.size();
    while (at < bytes.size()) {
        const size_t size = bytes.size() - at < 6 ? 0 : U_WMRRECSAFE_get(bytes.data() + at, end);
        if (size < 6) throw EInvalidGraphic("Metafile is not valid");
        TWmfRecord r(bytes.data() + at, size);
        if (r.Type() == U_WMR_EOF) break;
        records.push_back(std::move(r));
        at += size;
    }
    return records;
}

}  // namespace

bool IsWindowsMetafile(std::string_view head) { return HasPlaceableKey(head) || IsMetafileHeader(head); }

void TMetafile::ReadWindowsMetafile(const std::string& bytes)
{
    // the placeable header: key, handle, box (left, top, right, bottom), units per inch, reserved, checksum
    const bool placeable = HasPlaceableKey(bytes);
    const size_t headerAt = placeable ? 22 : 0;
    if (bytes.size() < headerAt || !IsMetafileHeader(std::string_view(bytes).substr(headerAt)))
        throw EInvalidGraphic("Metafile is not valid");
    const uint16_t objects = Get16(bytes, headerAt + 10);
    const std::vector<TWmfRecord> records = Records(bytes, headerAt + Get16(bytes, headerAt + 2) * 2);

    // The picture's box in logical units and their number per inch; a plain file's window, if it
    // sets one, is its box at one unit to the pixel.
    TRect box;
    int unitsPerInch = 96;
    bool hasBox = false;
    if (placeable) {
        auto at = [&](size_t offset) { return static_cast<int16_t>(Get16(bytes, offset)); };
        box = Rect(at(6), at(8), at(10), at(12));
        unitsPerInch = Get16(bytes, 14) ? Get16(bytes, 14) : 1440;
        hasBox = true;
    } else {
        U_POINT16 origin{}, extent{};
        for (const TWmfRecord& r : records) {
            if (r.Type() == U_WMR_SETWINDOWORG && !hasBox) U_WMRSETWINDOWORG_get(r.Data(), &origin);
            if (r.Type() == U_WMR_SETWINDOWEXT && U_WMRSETWINDOWEXT_get(r.Data(), &extent)) {
                hasBox = true;
                break;
            }
        }
        box = Rect(origin.x, origin.y, origin.x + extent.x, origin.y + extent.y);
    }

    const Integer width = static_cast<Integer>(std::lround(std::abs(box.Width()) * 96.0 / unitsPerInch));
    const Integer height = static_cast<Integer>(std::lround(std::abs(box.Height()) * 96.0 / unitsPerInch));
    if (hasBox && (width <= 0 || height <= 0)) throw EInvalidGraphic("Metafile is not valid");

    TMetafileCanvas canvas(*this);
    if (hasBox) {
        canvas.SetFrame(Rect(0, 0, width, height));
        canvas.SetMapMode(MM_ANISOTROPIC);
        canvas.SetWindowOrg(box.Left, box.Top);
        canvas.SetWindowExt(box.Width(), box.Height());
        canvas.SetViewportOrg(0, 0);
        canvas.SetViewportExt(width, height);
    }
    TWmfPlayer player(canvas, objects);
    for (const TWmfRecord& r : records) player.Play(r);
}
