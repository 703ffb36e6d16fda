#include "platform/graphics/Metafile.h"

#include <uemf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/graphics/Raster.h"

IMPLEMENT_CLASS(TMetafile, TGraphic, NewObject<TMetafile>)

namespace {

// The reference device of recordings: the screen, 96 pixels per inch.
constexpr Integer RefPixelsX = 1920, RefPixelsY = 1440;
constexpr Integer RefMillimetresX = 508, RefMillimetresY = 381;
// Hundredths of a millimetre of a number of reference pixels.
Integer Hundredths(Integer pixels) { return static_cast<Integer>(std::lround(pixels * 2540.0 / 96)); }

// Object table slots: each kind alternates between two, so the new object is selected before the
// old one is deleted.
enum { SlotPen = 1, SlotBrush = 2, SlotFont = 3, SlotCount = 7 };

U_POINTL PL(TPoint p) { return point32_set(p.X, p.Y); }
U_RECTL RL(const TRect& r) { return U_RECTL{r.Left, r.Top, r.Right, r.Bottom}; }
U_COLORREF CR(TColor c)
{
    c = ColorToRGB(c);
    return colorref3_set(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
TColor FromCR(U_COLORREF c) { return static_cast<TColor>(RGB(c.Red, c.Green, c.Blue)); }

Cardinal Get32(const std::string& d, size_t at)
{
    Cardinal v;
    std::memcpy(&v, d.data() + at, 4);
    return v;
}

// A bitmap as a 32-bit bottom-up DIB: the info header, and the rows returned.
std::vector<Byte> DibOf(const TBitmap& bmp, U_BITMAPINFOHEADER& header)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    header = bitmapinfoheader_set(px.Width, px.Height, 1, 32, U_BI_RGB, 0, 0, 0, 0, 0);
    std::vector<Byte> bits(size_t(px.Width) * px.Height * 4);
    for (Integer y = 0; y < px.Height; ++y)
        std::memcpy(bits.data() + size_t(px.Height - 1 - y) * px.Width * 4, px.Row(y), size_t(px.Width) * 4);
    return bits;
}

}  // namespace

// ---------------------------------------------------------------- recording

class TMetafileCanvas::TRecorder : public TPaintDevice {
public:
    explicit TRecorder(Integer dpiX, Integer dpiY) : FDpiX(dpiX), FDpiY(dpiY) {}

    TSize DeviceSize() const override { return {RefPixelsX, RefPixelsY}; }
    Integer LogPixelsX() const override { return FDpiX; }
    Integer LogPixelsY() const override { return FDpiY; }

    void Execute(TCanvas& c, const TCanvasOp& op) override
    {
        SyncState(c, op.Kind == TCanvasOp::opPolygon && op.Param1);
        std::vector<U_POINTL> pts;
        for (const TPoint& p : op.Points) pts.push_back(PL(p));
        const U_RECTL box = RL(op.Rect);
        const U_RECTL bounds = Bounds(c, op);
        switch (op.Kind) {
        case TCanvasOp::opLine:
            if (!FHasPosition || !(FPosition == op.Points[0])) Add(U_EMRMOVETOEX_set(pts[0]));
            Add(U_EMRLINETO_set(pts[1]));
            FPosition = op.Points[1];
            FHasPosition = true;
            break;
        case TCanvasOp::opPolyline: Add(U_EMRPOLYLINE_set(bounds, Cardinal(pts.size()), pts.data())); break;
        case TCanvasOp::opPolygon: Add(U_EMRPOLYGON_set(bounds, Cardinal(pts.size()), pts.data())); break;
        case TCanvasOp::opRectangle: Add(U_EMRRECTANGLE_set(box)); break;
        case TCanvasOp::opRoundRect: Add(U_EMRROUNDRECT_set(box, sizel_set(op.Param1, op.Param2))); break;
        case TCanvasOp::opEllipse: Add(U_EMRELLIPSE_set(box)); break;
        case TCanvasOp::opArc: Add(U_EMRARC_set(box, pts[0], pts[1])); break;
        case TCanvasOp::opPie: Add(U_EMRPIE_set(box, pts[0], pts[1])); break;
        case TCanvasOp::opChord: Add(U_EMRCHORD_set(box, pts[0], pts[1])); break;
        case TCanvasOp::opPixel: Add(U_EMRSETPIXELV_set(pts[0], CR(op.Color))); break;
        case TCanvasOp::opFillRect: {
            // a fill is a pattern blit with the brush (or a brush of the given colour)
            if (op.Color != clNone) SelectBrush(op.Color, TBrushStyle::bsSolid);
            PatBlt(bounds, op.Rect, PATCOPY);
            if (op.Color != clNone) FBrushValid = false;
            break;
        }
        case TCanvasOp::opText: Text(c, op, bounds); break;
        case TCanvasOp::opStretchBlt:
            if (!op.Source) PatBlt(bounds, op.Rect, static_cast<Cardinal>(op.Param1));
            else Blit(op, bounds);
            break;
        case TCanvasOp::opAlphaBlend: Blit(op, bounds); break;
        }
    }

    void SetFrame(const TRect& frame) { FFrame = frame; }

    // The finished EMF image: header, records, end of file.
    std::string Finish(TPoint& origin, TSize& size)
    {
        const TRect b = FFrame ? *FFrame : FTouched ? FBounds : TRect{0, 0, 0, 0};
        const U_RECTL bounds{b.Left, b.Top, b.Right - 1, b.Bottom - 1};   // inclusive, device units
        // the frame in hundredths of a millimetre; its right and bottom lie on the picture's far edges
        const U_RECTL frame{Hundredths(b.Left), Hundredths(b.Top), Hundredths(b.Right), Hundredths(b.Bottom)};
        char* rec = U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(RefPixelsX, RefPixelsY),
                                    sizel_set(RefMillimetresX, RefMillimetresY), 0);
        std::string out(rec, reinterpret_cast<U_EMR*>(rec)->nSize);
        std::free(rec);
        out += FRecords;
        // end of file: no palette entries
        const Cardinal eof[5] = {U_EMR_EOF, 20, 0, 16, 20};
        out.append(reinterpret_cast<const char*>(eof), sizeof eof);
        auto* header = reinterpret_cast<U_EMRHEADER*>(out.data());
        header->nBytes = static_cast<uint32_t>(out.size());
        header->nRecords = static_cast<uint32_t>(FCount + 2);
        header->nHandles = SlotCount;
        origin = {b.Left, b.Top};
        size = {b.Width(), b.Height()};
        return out;
    }

private:
    void Add(char* rec)
    {
        if (!rec) return;
        FRecords.append(rec, reinterpret_cast<U_EMR*>(rec)->nSize);
        std::free(rec);
        ++FCount;
    }

    void AddRaw(std::initializer_list<Cardinal> words)
    {
        for (Cardinal w : words) FRecords.append(reinterpret_cast<const char*>(&w), 4);
        ++FCount;
    }

    // Device-unit bounds of the operation (inclusive), taken into the picture's bounds.
    U_RECTL Bounds(TCanvas& c, const TCanvasOp& op)
    {
        std::vector<TPoint> corners;   // device points the operation reaches
        if (op.Kind == TCanvasOp::opText) {
            TSize ext = c.TextExtent(op.Text);
            TPoint a = c.LPtoDP(op.Points[0]), b = c.LPtoDP(Point(op.Points[0].X + ext.cx, op.Points[0].Y + ext.cy));
            corners = {a, {b.X - 1, b.Y - 1}};
        } else if (op.Points.empty() || op.Kind == TCanvasOp::opArc || op.Kind == TCanvasOp::opPie ||
                   op.Kind == TCanvasOp::opChord) {
            // right and bottom edges are exclusive
            TRect d = c.LPtoDP(op.Rect);
            if (d.IsEmpty()) return {0, 0, -1, -1};
            corners = {d.TopLeft(), {d.Right - 1, d.Bottom - 1}};
        } else {
            for (const TPoint& p : op.Points) corners.push_back(c.LPtoDP(p));
        }
        TRect r{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
        for (const TPoint& p : corners)
            r = {std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X), std::max(r.Bottom, p.Y)};
        const TRect exclusive = Rect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        if (FTouched) UnionRect(FBounds, FBounds, exclusive);
        else FBounds = exclusive;
        FTouched = true;
        return RL(r);
    }

    void SyncState(TCanvas& c, bool clearBrush)
    {
        if (!FStateValid || c.GetMapMode() != FMapMode) {
            Add(U_EMRSETMAPMODE_set(static_cast<uint32_t>(c.GetMapMode())));
            FMapMode = c.GetMapMode();
            FWindowExt = FViewportExt = TSize{-1, -1};
        }
        if (c.GetMapMode() >= MM_ISOTROPIC && !(c.WindowExt() == FWindowExt)) {
            FWindowExt = c.WindowExt();
            Add(U_EMRSETWINDOWEXTEX_set(sizel_set(FWindowExt.cx, FWindowExt.cy)));
        }
        if (c.GetMapMode() >= MM_ISOTROPIC && !(c.ViewportExt() == FViewportExt)) {
            FViewportExt = c.ViewportExt();
            Add(U_EMRSETVIEWPORTEXTEX_set(sizel_set(FViewportExt.cx, FViewportExt.cy)));
        }
        if (!FStateValid || !(c.WindowOrg() == FWindowOrg)) Add(U_EMRSETWINDOWORGEX_set(PL(FWindowOrg = c.WindowOrg())));
        if (!FStateValid || !(c.ViewportOrg() == FViewportOrg))
            Add(U_EMRSETVIEWPORTORGEX_set(PL(FViewportOrg = c.ViewportOrg())));
        if (!FStateValid || c.GetROP2() != FRop2) Add(U_EMRSETROP2_set(static_cast<uint32_t>(FRop2 = c.GetROP2())));
        if (!FStateValid || c.GetBkMode() != FBkMode) Add(U_EMRSETBKMODE_set(static_cast<uint32_t>(FBkMode = c.GetBkMode())));
        if (!FStateValid || c.GetBkColor() != FBkColor) Add(U_EMRSETBKCOLOR_set(CR(FBkColor = c.GetBkColor())));
        if (!FStateValid || c.GetTextColor() != FTextColor) Add(U_EMRSETTEXTCOLOR_set(CR(FTextColor = c.GetTextColor())));
        if (!FStateValid || c.GetTextAlign() != FTextAlign)
            Add(U_EMRSETTEXTALIGN_set(static_cast<uint32_t>(FTextAlign = c.GetTextAlign())));
        if (!FStateValid) Add(U_EMRSETPOLYFILLMODE_set(1));   // alternate
        SyncClip(c);
        FStateValid = true;

        if (!FPenValid || !FPen.SameAs(c.Pen())) {
            FPen.Assign(c.Pen());
            // the pen styles are in the platform's order of pen style codes
            U_LOGPEN pen = logpen_set(static_cast<uint32_t>(FPen.Style()), U_POINT{int16_t(FPen.Width()), 0},
                                      CR(FPen.Color()));
            Replace(SlotPen, U_EMRCREATEPEN_set(NextSlot(SlotPen), pen));
            FPenValid = true;
        }
        if (clearBrush) {
            SelectBrush(clWhite, TBrushStyle::bsClear);
            FBrushValid = false;
        } else if (!FBrushValid || !FBrush.SameAs(c.Brush())) {
            FBrush.Assign(c.Brush());
            SelectBrush(FBrush.Color(), FBrush.Bitmap() ? TBrushStyle::bsSolid : FBrush.Style());
            FBrushValid = true;
        }
        if (!FFontValid || !FFont.SameAs(c.Font())) {
            FFont.Assign(c.Font());
            U_LOGFONT lf;
            std::memset(&lf, 0, sizeof lf);
            lf.lfHeight = FFont.Height();
            lf.lfEscapement = lf.lfOrientation = FFont.Orientation();
            lf.lfWeight = FFont.Style().Contains(TFontStyle::fsBold) ? 700 : 400;
            lf.lfItalic = FFont.Style().Contains(TFontStyle::fsItalic);
            lf.lfUnderline = FFont.Style().Contains(TFontStyle::fsUnderline);
            lf.lfStrikeOut = FFont.Style().Contains(TFontStyle::fsStrikeOut);
            lf.lfCharSet = FFont.Charset();
            lf.lfPitchAndFamily = static_cast<uint8_t>(FFont.Pitch());
            const std::u16string name(FFont.Name().u16());
            for (size_t i = 0; i < name.size() && i + 1 < U_LF_FACESIZE; ++i) lf.lfFaceName[i] = name[i];
            Replace(SlotFont, U_EMREXTCREATEFONTINDIRECTW_set(NextSlot(SlotFont), reinterpret_cast<const char*>(&lf), nullptr));
            FFontValid = true;
        }
    }

    void SyncClip(TCanvas& c)
    {
        const std::optional<TRegion>& clip = c.ClipRegion();
        if (FStateValid && clip.has_value() == FClip.has_value() && (!clip || *clip == *FClip)) return;
        FClip = clip;
        if (!clip) {
            AddRaw({U_EMR_EXTSELECTCLIPRGN, 16, 0, RGN_COPY});
            return;
        }
        std::vector<U_RECTL> rects;
        for (const TRect& r : clip->Rects()) rects.push_back(RL(r));
        if (rects.empty()) rects.push_back({0, 0, 0, 0});   // clipped to nothing
        const TRect b = clip->BoundingRect();
        U_RGNDATAHEADER rdh = rgndataheader_set(static_cast<U_NUM_RECTL>(rects.size()), RL(b));
        PU_RGNDATA data = rgndata_set(rdh, rects.data());
        if (!data) return;
        Add(U_EMREXTSELECTCLIPRGN_set(RGN_COPY, data));
        std::free(data);
    }

    void SelectBrush(TColor color, TBrushStyle style)
    {
        const int hatch = static_cast<int>(style) - static_cast<int>(TBrushStyle::bsHorizontal);
        U_LOGBRUSH lb = logbrush_set(style == TBrushStyle::bsSolid   ? U_BS_SOLID
                                     : style == TBrushStyle::bsClear ? U_BS_NULL
                                                                     : U_BS_HATCHED,
                                     CR(color), hatch >= 0 ? hatch : 0);
        Replace(SlotBrush, U_EMRCREATEBRUSHINDIRECT_set(NextSlot(SlotBrush), lb));
    }

    Cardinal NextSlot(int kind) { return FSlot[kind] == Cardinal(kind) ? Cardinal(kind + 3) : Cardinal(kind); }

    // Creates the object (already built in `create`), selects it and deletes the one it replaces.
    void Replace(int kind, char* create)
    {
        const Cardinal slot = NextSlot(kind), old = FSlot[kind];
        Add(create);
        Add(U_EMRSELECTOBJECT_set(slot));
        if (old) Add(U_EMRDELETEOBJECT_set(old));
        FSlot[kind] = slot;
    }

    void PatBlt(const U_RECTL& bounds, const TRect& r, Cardinal rop)
    {
        U_XFORM identity = xform_set(1, 0, 0, 1, 0, 0);
        Add(U_EMRBITBLT_set(bounds, PL(r.TopLeft()), point32_set(r.Width(), r.Height()), point32_set(0, 0), identity,
                            colorref3_set(0, 0, 0), U_DIB_RGB_COLORS, rop, nullptr, 0, nullptr));
    }

    void Blit(const TCanvasOp& op, const U_RECTL& bounds)
    {
        if (op.Source->Empty()) return;
        U_BITMAPINFOHEADER header;
        std::vector<Byte> bits = DibOf(*op.Source, header);
        U_BITMAPINFO bmi;
        std::memset(&bmi, 0, sizeof bmi);
        bmi.bmiHeader = header;
        const TRect& s = op.SourceRect;
        // the DIB is bottom-up: its source rectangle is measured from the bottom row
        const U_POINTL src = point32_set(s.Left, header.biHeight - s.Bottom);
        const U_POINTL dest = PL(op.Rect.TopLeft()), cDest = point32_set(op.Rect.Width(), op.Rect.Height());
        const U_POINTL cSrc = point32_set(s.Width(), s.Height());
        if (op.Kind == TCanvasOp::opAlphaBlend) {
            U_BLEND blend{0, 0, uint8_t(op.Param2 & 0xFF), uint8_t((op.Param2 >> 8) & 0xFF)};
            Add(U_EMRALPHABLEND_set(bounds, dest, cDest, src, cSrc, xform_set(1, 0, 0, 1, 0, 0), colorref3_set(0, 0, 0),
                                    U_DIB_RGB_COLORS, blend, &bmi, static_cast<uint32_t>(bits.size()),
                                    reinterpret_cast<char*>(bits.data())));
        } else {
            Add(U_EMRSTRETCHDIBITS_set(bounds, dest, cDest, src, cSrc, U_DIB_RGB_COLORS, static_cast<uint32_t>(op.Param1),
                                       &bmi, static_cast<uint32_t>(bits.size()), reinterpret_cast<char*>(bits.data())));
        }
    }

    void Text(TCanvas& c, const TCanvasOp& op, const U_RECTL& bounds)
    {
        const std::u16string_view s = op.Text.u16();
        // advances of the characters, as the platform stores them beside the text
        std::vector<uint32_t> dx;
        Integer before = 0;
        for (size_t i = 1; i <= s.size(); ++i) {
            Integer w = c.TextWidth(String(s.substr(0, i)));
            dx.push_back(static_cast<uint32_t>(w - before));
            before = w;
        }
        // the library wants buffers even for no characters (a fill in the background colour)
        std::vector<uint16_t> chars(s.begin(), s.end());
        chars.push_back(0);
        dx.push_back(0);
        char* text = emrtext_set(PL(op.Points[0]), static_cast<U_NUM_STR>(s.size()), 2, chars.data(),
                                 static_cast<uint32_t>(op.Param1), RL(op.Rect), dx.data());
        if (!text) return;
        Add(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 0, 0, reinterpret_cast<PU_EMRTEXT>(text)));
        std::free(text);
    }

    Integer FDpiX, FDpiY;
    std::optional<TRect> FFrame;
    std::string FRecords;
    size_t FCount = 0;
    TRect FBounds;
    bool FTouched = false;
    bool FStateValid = false, FPenValid = false, FBrushValid = false, FFontValid = false;
    int FMapMode = 0, FRop2 = 0, FBkMode = 0, FTextAlign = 0;
    TSize FWindowExt, FViewportExt;
    TPoint FWindowOrg, FViewportOrg;
    TColor FBkColor = 0, FTextColor = 0;
    std::optional<TRegion> FClip;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    Cardinal FSlot[4] = {0, 0, 0, 0};
    TPoint FPosition;
    bool FHasPosition = false;
};

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile, HDC referenceDevice)
    : FRecorder(std::make_unique<TRecorder>(referenceDevice ? referenceDevice->GetDeviceCaps(LOGPIXELSX) : 96,
                                            referenceDevice ? referenceDevice->GetDeviceCaps(LOGPIXELSY) : 96)),
      FMetafile(metafile)
{
    // A picture given a size before the recording keeps that size, whatever is drawn.
    if (metafile.Width() > 0 && metafile.Height() > 0) SetFrame(Rect(0, 0, metafile.Width(), metafile.Height()));
    SetDevice(FRecorder.get());
}

void TMetafileCanvas::SetFrame(const TRect& frame) { FRecorder->SetFrame(frame); }

TMetafileCanvas::~TMetafileCanvas()
{
    TPoint origin;
    TSize size;
    FMetafile.FData = FRecorder->Finish(origin, size);
    FMetafile.FOrigin = origin;
    FMetafile.FWidth = size.cx;
    FMetafile.FHeight = size.cy;
    SetDevice(nullptr);
    if (FMetafile.OnChange) FMetafile.OnChange();
}

// ---------------------------------------------------------------- the metafile

TMetafile::TMetafile() = default;

void TMetafile::Assign(TPersistent* source)
{
    if (auto* m = dynamic_cast<TMetafile*>(source)) {
        FData = m->FData;
        FWidth = m->FWidth;
        FHeight = m->FHeight;
        FOrigin = m->FOrigin;
        Changed();
    } else if (!source) {
        Clear();
    } else {
        inherited::Assign(source);
    }
}

void TMetafile::Clear()
{
    FData.clear();
    FWidth = FHeight = 0;
    FOrigin = {};
    Changed();
}

void TMetafile::SetSize(Integer width, Integer height)
{
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
    Changed();
}

Integer TMetafile::MMWidth() const { return Hundredths(FWidth); }
Integer TMetafile::MMHeight() const { return Hundredths(FHeight); }

// Checks the header and that the records chain up to the end-of-file record.
void TMetafile::SetData(const std::string& bytes)
{
    auto invalid = [] { throw EInvalidGraphic("Metafile is not valid"); };
    if (bytes.size() < sizeof(U_EMRHEADER) - 12 || Get32(bytes, 0) != U_EMR_HEADER || Get32(bytes, 40) != U_ENHMETA_SIGNATURE)
        invalid();
    size_t at = 0;
    bool eof = false;
    while (at + 8 <= bytes.size()) {
        const Cardinal type = Get32(bytes, at), size = Get32(bytes, at + 4);
        if (size < 8 || size % 4 || at + size > bytes.size()) invalid();
        at += size;
        if (type == U_EMR_EOF) {
            eof = true;
            break;
        }
    }
    if (!eof) invalid();
    U_EMRHEADER header;
    std::memset(&header, 0, sizeof header);
    std::memcpy(&header, bytes.data(), std::min(sizeof header, size_t(Get32(bytes, 4))));
    const double pxPerHundredthX = double(header.szlDevice.cx) / (header.szlMillimeters.cx * 100.0);
    const double pxPerHundredthY = double(header.szlDevice.cy) / (header.szlMillimeters.cy * 100.0);
    if (!(pxPerHundredthX > 0) || !(pxPerHundredthY > 0)) invalid();
    FData = bytes.substr(0, at);
    FOrigin = {static_cast<Integer>(std::lround(header.rclFrame.left * pxPerHundredthX)),
               static_cast<Integer>(std::lround(header.rclFrame.top * pxPerHundredthY))};
    FWidth = static_cast<Integer>(std::lround(header.rclFrame.right * pxPerHundredthX)) - FOrigin.X;
    FHeight = static_cast<Integer>(std::lround(header.rclFrame.bottom * pxPerHundredthY)) - FOrigin.Y;
    Changed();
}

void TMetafile::LoadFromStream(TStream& stream)
{
    Int64 size = stream.Size() - stream.Position();
    if (size < 0 || size > 0x7FFFFFFF) throw EInvalidGraphic("Metafile is not valid");
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0) stream.ReadBuffer(bytes.data(), static_cast<Integer>(size));
    if (IsWindowsMetafile(bytes)) ReadWindowsMetafile(bytes);
    else SetData(bytes);
}

void TMetafile::SaveToStream(TStream& stream)
{
    if (!FData.empty()) stream.WriteBuffer(FData.data(), static_cast<Integer>(FData.size()));
}

// ---------------------------------------------------------------- playing

namespace {
// The top row of a source rectangle given from a DIB's bottom row, within the integer range
// whatever the record holds.
Integer RowFromBottom(const TBitmap& bmp, Integer y, Integer height)
{
    return static_cast<Integer>(std::clamp<Int64>(Int64{bmp.Height()} - y - height, INT32_MIN, INT32_MAX));
}

struct TPlayer {
    TCanvas& C;
    const std::string& D;
    double SX, SY, OX, OY;
    std::optional<TRegion> BaseClip;

    struct TObject {
        enum { None, Pen, Brush, Font } Kind = None;
        TPen P;
        TBrush B;
        TFont F;
    };
    std::vector<TObject> Objects = std::vector<TObject>(64);

    template <class T> T Rec(size_t at) const
    {
        T r;
        std::memset(&r, 0, sizeof r);
        std::memcpy(&r, D.data() + at, std::min(sizeof r, size_t(Get32(D, at + 4))));
        return r;
    }
    TPoint P(U_POINTL p) const { return {p.x, p.y}; }
    TRect R(U_RECTL r) const { return {r.left, r.top, r.right, r.bottom}; }
    TObject* Obj(Cardinal index) { return index < Objects.size() ? &Objects[index] : nullptr; }

    std::vector<TPoint> Points(size_t at) const
    {
        // rclBounds (16 bytes), count, then the points
        const Cardinal count = Get32(D, at + 24);
        std::vector<TPoint> pts;
        const size_t size = Get32(D, at + 4);
        for (Cardinal i = 0; i < count && 28 + (i + 1) * 8 <= size; ++i)
            pts.push_back({static_cast<Integer>(Get32(D, at + 28 + i * 8)), static_cast<Integer>(Get32(D, at + 32 + i * 8))});
        return pts;
    }
    std::vector<TPoint> Points16(size_t at) const
    {
        const Cardinal count = Get32(D, at + 24);
        std::vector<TPoint> pts;
        const size_t size = Get32(D, at + 4);
        for (Cardinal i = 0; i < count && 28 + (i + 1) * 4 <= size; ++i) {
            int16_t xy[2];
            std::memcpy(xy, D.data() + at + 28 + i * 4, 4);
            pts.push_back({xy[0], xy[1]});
        }
        return pts;
    }

    // A DIB inside a record (info header at offBmi, rows at offBits) as a bitmap.
    bool Dib(size_t at, Cardinal offBmi, Cardinal cbBmi, Cardinal offBits, Cardinal cbBits, TBitmap& bmp) const
    {
        const size_t size = Get32(D, at + 4);
        if (!cbBmi || offBmi + size_t(cbBmi) > size || offBits + size_t(cbBits) > size) return false;
        std::string dib = D.substr(at + offBmi, cbBmi) + D.substr(at + offBits, cbBits);
        try {
            bmp.LoadDib(reinterpret_cast<const Byte*>(dib.data()), dib.size(), false);
        } catch (const EInvalidGraphic&) {
            return false;
        }
        return true;
    }

    void Clip(size_t at)
    {
        const Cardinal cb = Get32(D, at + 8), mode = Get32(D, at + 12);
        if (cb == 0) {
            if (mode == RGN_COPY) C.SelectClipRgn(BaseClip ? &*BaseClip : nullptr);
            return;
        }
        const Cardinal count = Get32(D, at + 16 + 8);
        TRegion region;
        const size_t size = Get32(D, at + 4);
        for (Cardinal i = 0; i < count && 16 + 32 + (i + 1) * 16 <= size; ++i) {
            const size_t r = at + 16 + 32 + i * 16;
            auto x = [&](size_t o) { return static_cast<Integer>(std::lround(Integer(Get32(D, r + o)) * SX + OX)); };
            auto y = [&](size_t o) { return static_cast<Integer>(std::lround(Integer(Get32(D, r + o)) * SY + OY)); };
            region.Combine(TRegion(Rect(x(0), y(4), x(8), y(12))), RGN_OR);
        }
        if (BaseClip) region.Combine(*BaseClip, RGN_AND);
        if (mode == RGN_COPY) C.SelectClipRgn(&region);
        else C.ExtSelectClipRgn(&region, static_cast<int>(mode));
    }

    void Select(Cardinal index)
    {
        if (index & 0x80000000u) {
            // stock objects
            switch (index & 0xFF) {
            case 0: C.Brush().SetColor(clWhite); C.Brush().SetStyle(TBrushStyle::bsSolid); break;
            case 4: C.Brush().SetColor(clBlack); C.Brush().SetStyle(TBrushStyle::bsSolid); break;
            case 5: C.Brush().SetStyle(TBrushStyle::bsClear); break;
            case 6: C.Pen().SetColor(clWhite); C.Pen().SetStyle(TPenStyle::psSolid); C.Pen().SetWidth(0); break;
            case 7: C.Pen().SetColor(clBlack); C.Pen().SetStyle(TPenStyle::psSolid); C.Pen().SetWidth(0); break;
            case 8: C.Pen().SetStyle(TPenStyle::psClear); break;
            default: break;
            }
            return;
        }
        TObject* o = Obj(index);
        if (!o) return;
        if (o->Kind == TObject::Pen) {
            TPenMode mode = C.Pen().Mode();
            C.Pen().Assign(o->P);
            C.Pen().SetMode(mode);
        } else if (o->Kind == TObject::Brush) {
            C.Brush().Assign(o->B);
        } else if (o->Kind == TObject::Font) {
            C.Font().Assign(o->F);
        }
    }

    void Record(size_t at)
    {
        const Cardinal type = Get32(D, at);
        switch (type) {
        case U_EMR_SETMAPMODE: C.SetMapMode(static_cast<int>(Get32(D, at + 8))); break;
        case U_EMR_SETWINDOWEXTEX: C.SetWindowExt(Integer(Get32(D, at + 8)), Integer(Get32(D, at + 12))); break;
        case U_EMR_SETVIEWPORTEXTEX: C.SetViewportExt(Integer(Get32(D, at + 8)), Integer(Get32(D, at + 12))); break;
        case U_EMR_SETWINDOWORGEX: C.SetWindowOrg(Integer(Get32(D, at + 8)), Integer(Get32(D, at + 12))); break;
        case U_EMR_SETVIEWPORTORGEX: C.SetViewportOrg(Integer(Get32(D, at + 8)), Integer(Get32(D, at + 12))); break;
        case U_EMR_SETROP2: C.SetROP2(static_cast<int>(Get32(D, at + 8))); break;
        case U_EMR_SETBKMODE: C.SetBkMode(static_cast<int>(Get32(D, at + 8))); break;
        case U_EMR_SETBKCOLOR: C.SetBkColor(FromCR(Rec<U_EMRSETBKCOLOR>(at).crColor)); break;
        case U_EMR_SETTEXTCOLOR: C.SetTextColor(FromCR(Rec<U_EMRSETTEXTCOLOR>(at).crColor)); break;
        case U_EMR_SETTEXTALIGN: C.SetTextAlign(static_cast<int>(Get32(D, at + 8))); break;
        case U_EMR_EXTSELECTCLIPRGN: Clip(at); break;
        case U_EMR_SAVEDC: C.SaveDC(); break;
        case U_EMR_RESTOREDC: C.RestoreDC(static_cast<int>(Get32(D, at + 8))); break;
        case U_EMR_CREATEPEN: {
            auto r = Rec<U_EMRCREATEPEN>(at);
            if (TObject* o = Obj(r.ihPen)) {
                o->Kind = TObject::Pen;
                o->P.SetColor(FromCR(r.lopn.lopnColor));
                o->P.SetWidth(r.lopn.lopnWidth.x);
                o->P.SetStyle(r.lopn.lopnStyle <= 8 ? static_cast<TPenStyle>(r.lopn.lopnStyle) : TPenStyle::psSolid);
            }
            break;
        }
        case U_EMR_CREATEBRUSHINDIRECT: {
            auto r = Rec<U_EMRCREATEBRUSHINDIRECT>(at);
            if (TObject* o = Obj(r.ihBrush)) {
                o->Kind = TObject::Brush;
                o->B.SetColor(FromCR(r.lb.lbColor));
                o->B.SetStyle(r.lb.lbStyle == U_BS_NULL      ? TBrushStyle::bsClear
                              : r.lb.lbStyle == U_BS_HATCHED ? static_cast<TBrushStyle>(
                                                                   int(TBrushStyle::bsHorizontal) + int(std::min(r.lb.lbHatch, 5u)))
                                                             : TBrushStyle::bsSolid);
            }
            break;
        }
        case U_EMR_EXTCREATEFONTINDIRECTW: {
            auto r = Rec<U_EMREXTCREATEFONTINDIRECTW>(at);
            if (TObject* o = Obj(r.ihFont)) {
                const U_LOGFONT& lf = r.elfw.elfLogFont;
                o->Kind = TObject::Font;
                std::u16string name;
                for (int i = 0; i < U_LF_FACESIZE && lf.lfFaceName[i]; ++i) name += char16_t(lf.lfFaceName[i]);
                o->F.SetName(String(name));
                o->F.SetHeight(lf.lfHeight);
                o->F.SetOrientation(lf.lfEscapement);
                TFontStyles style;
                if (lf.lfWeight >= 600) style.Include(TFontStyle::fsBold);
                if (lf.lfItalic) style.Include(TFontStyle::fsItalic);
                if (lf.lfUnderline) style.Include(TFontStyle::fsUnderline);
                if (lf.lfStrikeOut) style.Include(TFontStyle::fsStrikeOut);
                o->F.SetStyle(style);
                o->F.SetCharset(lf.lfCharSet);
                o->F.SetPitch(static_cast<TFontPitch>(std::min<int>(lf.lfPitchAndFamily & 3, 2)));
                o->F.SetColor(C.GetTextColor());
            }
            break;
        }
        case U_EMR_SELECTOBJECT: Select(Get32(D, at + 8)); break;
        case U_EMR_DELETEOBJECT:
            if (TObject* o = Obj(Get32(D, at + 8))) o->Kind = TObject::None;
            break;
        case U_EMR_MOVETOEX: C.SetPenPos(P(Rec<U_EMRMOVETOEX>(at).ptl)); break;
        case U_EMR_LINETO: {
            TPoint to = P(Rec<U_EMRLINETO>(at).ptl);
            C.Execute({.Kind = TCanvasOp::opLine, .Points = {C.PenPos(), to}});
            C.SetPenPos(to);
            break;
        }
        case U_EMR_POLYLINE: C.Execute({.Kind = TCanvasOp::opPolyline, .Points = Points(at)}); break;
        case U_EMR_POLYLINE16: C.Execute({.Kind = TCanvasOp::opPolyline, .Points = Points16(at)}); break;
        case U_EMR_POLYGON: C.Execute({.Kind = TCanvasOp::opPolygon, .Points = Points(at)}); break;
        case U_EMR_POLYGON16: C.Execute({.Kind = TCanvasOp::opPolygon, .Points = Points16(at)}); break;
        case U_EMR_RECTANGLE: C.Execute({.Kind = TCanvasOp::opRectangle, .Rect = R(Rec<U_EMRRECTANGLE>(at).rclBox)}); break;
        case U_EMR_ELLIPSE: C.Execute({.Kind = TCanvasOp::opEllipse, .Rect = R(Rec<U_EMRELLIPSE>(at).rclBox)}); break;
        case U_EMR_ROUNDRECT: {
            auto r = Rec<U_EMRROUNDRECT>(at);
            C.Execute({.Kind = TCanvasOp::opRoundRect, .Rect = R(r.rclBox), .Param1 = r.szlCorner.cx, .Param2 = r.szlCorner.cy});
            break;
        }
        case U_EMR_ARC:
        case U_EMR_PIE:
        case U_EMR_CHORD: {
            auto r = Rec<U_EMRARC>(at);
            auto kind = type == U_EMR_ARC ? TCanvasOp::opArc : type == U_EMR_PIE ? TCanvasOp::opPie : TCanvasOp::opChord;
            C.Execute({.Kind = kind, .Points = {P(r.ptlStart), P(r.ptlEnd)}, .Rect = R(r.rclBox)});
            break;
        }
        case U_EMR_SETPIXELV: {
            auto r = Rec<U_EMRSETPIXELV>(at);
            C.Execute({.Kind = TCanvasOp::opPixel, .Points = {P(r.ptlPixel)}, .Color = FromCR(r.crColor)});
            break;
        }
        case U_EMR_EXTTEXTOUTW: {
            auto r = Rec<U_EMREXTTEXTOUTW>(at);
            const size_t size = Get32(D, at + 4);
            const U_EMRTEXT& t = r.emrtext;
            if (t.offString + size_t(t.nChars) * 2 > size) break;
            std::u16string text(t.nChars, u'\0');
            std::memcpy(text.data(), D.data() + at + t.offString, size_t(t.nChars) * 2);
            TRect box;
            if (!(t.fOptions & U_ETO_NO_RECT)) {
                U_RECTL rcl;
                std::memcpy(&rcl, D.data() + at + offsetof(U_EMREXTTEXTOUTW, emrtext) + sizeof(U_EMRTEXT), sizeof rcl);
                box = R(rcl);
            }
            C.Execute({.Kind = TCanvasOp::opText, .Points = {P(t.ptlReference)}, .Rect = box,
                       .Param1 = static_cast<Integer>(t.fOptions & (ETO_OPAQUE | ETO_CLIPPED)), .Text = String(text)});
            break;
        }
        case U_EMR_BITBLT: {
            auto r = Rec<U_EMRBITBLT>(at);
            TRect dest = Bounds(r.Dest.x, r.Dest.y, r.cDest.x, r.cDest.y);
            if (r.cbBmiSrc == 0) {
                C.Execute({.Kind = TCanvasOp::opStretchBlt, .Rect = dest, .Param1 = static_cast<Integer>(r.dwRop)});
                break;
            }
            TBitmap bmp;
            if (Dib(at, r.offBmiSrc, r.cbBmiSrc, r.offBitsSrc, r.cbBitsSrc, bmp))
                C.Execute({.Kind = TCanvasOp::opStretchBlt, .Rect = dest, .Param1 = static_cast<Integer>(r.dwRop),
                           .Source = &bmp, .SourceRect = Bounds(r.Src.x, r.Src.y, r.cDest.x, r.cDest.y)});
            break;
        }
        case U_EMR_STRETCHDIBITS: {
            auto r = Rec<U_EMRSTRETCHDIBITS>(at);
            TBitmap bmp;
            if (!Dib(at, r.offBmiSrc, r.cbBmiSrc, r.offBitsSrc, r.cbBitsSrc, bmp)) break;
            // the source rectangle is measured from the DIB's bottom row
            const Integer top = RowFromBottom(bmp, r.Src.y, r.cSrc.y);
            C.Execute({.Kind = TCanvasOp::opStretchBlt, .Rect = Bounds(r.Dest.x, r.Dest.y, r.cDest.x, r.cDest.y),
                       .Param1 = static_cast<Integer>(r.dwRop), .Source = &bmp,
                       .SourceRect = Bounds(r.Src.x, top, r.cSrc.x, r.cSrc.y)});
            break;
        }
        case U_EMR_ALPHABLEND: {
            auto r = Rec<U_EMRALPHABLEND>(at);
            TBitmap bmp;
            if (!Dib(at, r.offBmiSrc, r.cbBmiSrc, r.offBitsSrc, r.cbBitsSrc, bmp)) break;
            // the DIB's own alpha bytes are kept as they were recorded
            const Integer top = RowFromBottom(bmp, r.Src.y, r.cSrc.y);
            C.Execute({.Kind = TCanvasOp::opAlphaBlend, .Rect = Bounds(r.Dest.x, r.Dest.y, r.cDest.x, r.cDest.y),
                       .Param2 = r.Blend.Global | (r.Blend.Op << 8), .Source = &bmp,
                       .SourceRect = Bounds(r.Src.x, top, r.cSrc.x, r.cSrc.y)});
            break;
        }
        default: break;
        }
    }
};

}  // namespace

void TMetafile::DrawOn(TCanvas& canvas, const TRect& dest)
{
    if (FData.empty() || FWidth <= 0 || FHeight <= 0) return;
    TRect d = canvas.LPtoDP(dest);
    const double sx = double(d.Width()) / FWidth, sy = double(d.Height()) / FHeight;
    const int saved = canvas.SaveDC();
    TPlayer player{canvas, FData, sx, sy, d.Left - FOrigin.X * sx, d.Top - FOrigin.Y * sy, canvas.ClipRegion()};
    canvas.SetMapMode(MM_TEXT);
    canvas.SetWindowOrg(0, 0);
    canvas.SetViewportOrg(0, 0);
    canvas.SetPlacement(player.SX, player.SY, player.OX, player.OY);
    const TPoint penPos = canvas.PenPos();
    size_t at = 0;
    while (at + 8 <= FData.size()) {
        const Cardinal type = Get32(FData, at), size = Get32(FData, at + 4);
        if (type == U_EMR_EOF) break;
        player.Record(at);
        at += size;
    }
    canvas.RestoreDC(saved);
    canvas.SetPenPos(penPos);
}
