#include "platform/graphics/GdiApi.h"

#include <algorithm>
#include <functional>

#include "platform/graphics/Bitmaps.h"

int SetMapMode(HDC dc, int mode) { return dc->SetMapMode(mode); }
int GetMapMode(HDC dc) { return dc->GetMapMode(); }

BOOL SetWindowExtEx(HDC dc, Integer cx, Integer cy, TSize* old)
{
    TSize o = dc->SetWindowExt(cx, cy);
    if (old) *old = o;
    return true;
}

BOOL SetViewportExtEx(HDC dc, Integer cx, Integer cy, TSize* old)
{
    TSize o = dc->SetViewportExt(cx, cy);
    if (old) *old = o;
    return true;
}

BOOL SetWindowOrgEx(HDC dc, Integer x, Integer y, TPoint* old)
{
    TPoint o = dc->SetWindowOrg(x, y);
    if (old) *old = o;
    return true;
}

BOOL SetViewportOrgEx(HDC dc, Integer x, Integer y, TPoint* old)
{
    TPoint o = dc->SetViewportOrg(x, y);
    if (old) *old = o;
    return true;
}

BOOL GetWindowExtEx(HDC dc, TSize* size) { return size && (*size = dc->WindowExt(), true); }
BOOL GetViewportExtEx(HDC dc, TSize* size) { return size && (*size = dc->ViewportExt(), true); }
BOOL GetWindowOrgEx(HDC dc, TPoint* p) { return p && (*p = dc->WindowOrg(), true); }
BOOL GetViewportOrgEx(HDC dc, TPoint* p) { return p && (*p = dc->ViewportOrg(), true); }

BOOL LPtoDP(HDC dc, TPoint* points, int count)
{
    for (int i = 0; i < count; ++i) points[i] = dc->LPtoDP(points[i]);
    return true;
}

BOOL DPtoLP(HDC dc, TPoint* points, int count)
{
    for (int i = 0; i < count; ++i) points[i] = dc->DPtoLP(points[i]);
    return true;
}

int SetBkMode(HDC dc, int mode) { return dc->SetBkMode(mode); }
int GetBkMode(HDC dc) { return dc->GetBkMode(); }
TColor SetBkColor(HDC dc, TColor color) { return dc->SetBkColor(color); }
TColor GetBkColor(HDC dc) { return dc->GetBkColor(); }
TColor SetTextColor(HDC dc, TColor color) { return dc->SetTextColor(color); }
TColor GetTextColor(HDC dc) { return dc->GetTextColor(); }
UINT SetTextAlign(HDC dc, UINT align) { return static_cast<UINT>(dc->SetTextAlign(static_cast<int>(align))); }
UINT GetTextAlign(HDC dc) { return static_cast<UINT>(dc->GetTextAlign()); }
int SetROP2(HDC dc, int r2) { return dc->SetROP2(r2); }
int GetROP2(HDC dc) { return dc->GetROP2(); }
int SelectClipRgn(HDC dc, HRGN region) { return dc->SelectClipRgn(region); }
int ExtSelectClipRgn(HDC dc, HRGN region, int mode) { return dc->ExtSelectClipRgn(region, mode); }
int IntersectClipRect(HDC dc, Integer l, Integer t, Integer r, Integer b) { return dc->IntersectClipRect(l, t, r, b); }
int ExcludeClipRect(HDC dc, Integer l, Integer t, Integer r, Integer b) { return dc->ExcludeClipRect(l, t, r, b); }

int GetClipBox(HDC dc, TRect* r)
{
    if (!r) return ERROR;
    *r = dc->ClipRect();
    return dc->ClipRegion() ? dc->ClipRegion()->Kind() : SIMPLEREGION;
}

int GetClipRgn(HDC dc, HRGN region)
{
    if (!region || !dc->ClipRegion()) return 0;
    *region = *dc->ClipRegion();
    return 1;
}

int SaveDC(HDC dc) { return dc->SaveDC(); }
int SetTextCharacterExtra(HDC dc, int extra) { return dc->SetTextCharacterExtra(extra); }
int GetTextCharacterExtra(HDC dc) { return dc->GetTextCharacterExtra(); }
int SetStretchBltMode(HDC dc, int mode) { return dc->SetStretchBltMode(mode); }
BOOL BeginPath(HDC dc) { return dc->BeginPath(), true; }
BOOL EndPath(HDC dc) { return dc->EndPath(), true; }
BOOL AbortPath(HDC dc) { return dc->AbortPath(), true; }
BOOL CloseFigure(HDC dc) { return dc->CloseFigure(), true; }
BOOL StrokePath(HDC dc) { return dc->StrokePath(), true; }
BOOL FillPath(HDC dc) { return dc->FillPath(), true; }
BOOL StrokeAndFillPath(HDC dc) { return dc->StrokeAndFillPath(), true; }
BOOL WidenPath(HDC dc) { return dc->WidenPath(); }
HRGN PathToRegion(HDC dc)
{
    std::optional<TRegion> region = dc->PathToRegion();
    return region ? new TRegion(std::move(*region)) : nullptr;
}
int SetPolyFillMode(HDC dc, int mode) { return dc->SetPolyFillMode(mode); }
int GetPolyFillMode(HDC dc) { return dc->GetPolyFillMode(); }
BOOL MoveToEx(HDC dc, Integer x, Integer y, TPoint* old)
{
    if (old) *old = dc->PenPos();
    dc->MoveTo(x, y);
    return true;
}
BOOL LineTo(HDC dc, Integer x, Integer y) { return dc->LineTo(x, y), true; }
BOOL RestoreDC(HDC dc, int saved) { return dc->RestoreDC(saved); }
int GetDeviceCaps(HDC dc, int index) { return dc->GetDeviceCaps(index); }

BOOL GetTextMetrics(HDC dc, TTextMetric* tm)
{
    if (!tm) return false;
    *tm = dc->GetTextMetrics();
    return true;
}

namespace {
String Counted(const String& text, int count) { return count < 0 || count >= text.Length() ? text : Copy(text, 1, count); }
}  // namespace

BOOL GetTextExtentPoint32(HDC dc, const String& text, int count, TSize* size)
{
    if (!size) return false;
    *size = dc->TextExtent(Counted(text, count));
    return true;
}

BOOL GetTextExtentExPoint(HDC dc, const String& text, int count, int maxExtent, int* fit, int* dx, TSize* size)
{
    if (!size || count < 0) return false;
    const String s = Counted(text, count);
    const std::vector<Integer> extents = dc->PartialExtents(s);
    if (fit) {
        *fit = 0;
        while (*fit < static_cast<int>(extents.size()) && extents[*fit] <= maxExtent) ++*fit;
    }
    if (dx) std::copy(extents.begin(), extents.end(), dx);
    // the whole text's extent is that of its last character: no second measuring of a long text
    *size = {extents.empty() ? 0 : extents.back(), dc->TextExtent(String()).cy};
    return true;
}

BOOL TextOut(HDC dc, Integer x, Integer y, const String& text, int count)
{
    dc->ExtTextOut(x, y, 0, nullptr, Counted(text, count));
    return true;
}

BOOL ExtTextOut(HDC dc, Integer x, Integer y, UINT options, const TRect* r, const String& text, int count,
                const Integer* dx)
{
    const String s = Counted(text, count);
    if (!dx) {
        dc->ExtTextOut(x, y, static_cast<int>(options), r, s);
        return true;
    }
    // explicit advances: the background once, then character by character
    if (r && (options & ETO_OPAQUE)) dc->FillRectColor(*r, dc->GetBkColor());
    int bk = dc->SetBkMode(TRANSPARENT);
    Integer at = x;
    for (int i = 1; i <= s.Length(); ++i) {
        dc->ExtTextOut(at, y, static_cast<int>(options & ETO_CLIPPED), r, Copy(s, i, 1));
        at += dx[i - 1];
    }
    dc->SetBkMode(bk);
    return true;
}

namespace {
// Lays out (and, when draw is set, writes) tabbed text; returns the extent.
Cardinal TabbedText(HDC dc, Integer x, Integer y, const String& text, int tabCount, const Integer* tabStops,
                    Integer tabOrigin, bool draw)
{
    const TTextMetric tm = dc->GetTextMetrics();
    const Integer defaultStop = std::max<Integer>(1, tm.tmAveCharWidth * 8);
    // the stop after position `at` (relative to the origin); negative: right-aligned
    auto nextStop = [&](Integer at) {
        if (tabCount <= 0 || !tabStops) return (at / defaultStop + 1) * defaultStop;
        if (tabCount == 1) {
            const Integer step = std::max<Integer>(1, std::abs(tabStops[0]));
            return (at / step + 1) * step;
        }
        for (int i = 0; i < tabCount; ++i)
            if (std::abs(tabStops[i]) > at) return tabStops[i];
        return (at / defaultStop + 1) * defaultStop;
    };
    Integer at = x;
    int start = 1;
    for (int i = 1; i <= text.Length() + 1; ++i) {
        if (i <= text.Length() && text[i] != u'\t') continue;
        String piece = Copy(text, start, i - start);
        if (draw) dc->ExtTextOut(at, y, 0, nullptr, piece);
        at += dc->TextWidth(piece);
        start = i + 1;
        if (i > text.Length()) break;
        Integer stop = nextStop(at - tabOrigin);
        if (stop < 0) {
            // the text up to the next tab ends at the stop
            int j = start;
            while (j <= text.Length() && text[j] != u'\t') ++j;
            at = std::max(at, tabOrigin - stop - dc->TextWidth(Copy(text, start, j - start)));
        } else {
            at = tabOrigin + stop;
        }
    }
    return (Cardinal(at - x) & 0xFFFF) | (Cardinal(tm.tmHeight) << 16);
}
}  // namespace

Cardinal TabbedTextOut(HDC dc, Integer x, Integer y, const String& text, int count, int tabCount,
                       const Integer* tabStops, Integer tabOrigin)
{
    return TabbedText(dc, x, y, Counted(text, count), tabCount, tabStops, tabOrigin, true);
}

Cardinal GetTabbedTextExtent(HDC dc, const String& text, int count, int tabCount, const Integer* tabStops)
{
    return TabbedText(dc, 0, 0, Counted(text, count), tabCount, tabStops, 0, false);
}

// ---------------------------------------------------------------- blits

namespace {
// The pixels of a raster device context as a bitmap, for blits between contexts.
bool SourceBitmap(HDC source, TBitmap& bmp)
{
    TPixelBuffer px;
    if (!source || !source->GetPixels(px)) return false;
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(px.Width, px.Height);
    for (Integer y = 0; y < px.Height; ++y)
        std::copy(px.Row(y), px.Row(y) + px.Width, reinterpret_cast<Cardinal*>(bmp.ScanLine(y)));
    return true;
}

bool NeedsSource(Cardinal rop)
{
    // a ternary operation uses the source when its table differs between S = 0 and S = 1
    const unsigned table = (rop >> 16) & 0xFF;
    return ((table >> 2) & 0x33) != (table & 0x33);
}
}  // namespace

BOOL StretchBlt(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
                Integer sw, Integer sh, Cardinal rop)
{
    if (!NeedsSource(rop)) return PatBlt(dest, x, y, width, height, rop);
    TBitmap bmp;
    if (!SourceBitmap(source, bmp)) return false;
    TPoint a = source->LPtoDP(Point(sx, sy)), b = source->LPtoDP(Point(sx + sw, sy + sh));
    if (source->Device()->Monochrome()) bmp.SetPixelFormat(TPixelFormat::pf1bit);   // keeps its colours' meaning
    dest->StretchBlt(Rect(x, y, x + width, y + height), bmp, Rect(a.X, a.Y, b.X, b.Y), rop, source->GetBkColor());
    return true;
}

BOOL BitBlt(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
            Cardinal rop)
{
    return StretchBlt(dest, x, y, width, height, source, sx, sy, width, height, rop);
}

BOOL PatBlt(HDC dc, Integer x, Integer y, Integer width, Integer height, Cardinal rop)
{
    dc->PatBlt(Rect(x, y, x + width, y + height), rop);
    return true;
}

BOOL AlphaBlend(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
                Integer sw, Integer sh, BLENDFUNCTION blend)
{
    if (width < 0 || height < 0 || sw < 0 || sh < 0) return false;
    TBitmap bmp;
    if (!SourceBitmap(source, bmp)) return false;
    dest->AlphaBlend(Rect(x, y, x + width, y + height), bmp, Rect(sx, sy, sx + sw, sy + sh), blend);
    return true;
}

// ---------------------------------------------------------------- rectangles

namespace {
// Runs fn with the canvas's brush temporarily replaced.
template <class F> void WithBrush(HDC dc, HBRUSH brush, F fn)
{
    TBrush saved;
    saved.Assign(dc->Brush());
    if (brush) dc->Brush().Assign(*brush);
    fn();
    dc->Brush().Assign(saved);
}
}  // namespace

HBRUSH GetSysColorBrush(int index)
{
    static TBrush brushes[31];
    if (index < 0 || index > 30) return nullptr;
    brushes[index].SetColor(clSystemColor | index);
    return &brushes[index];
}

HBRUSH CreateSolidBrush(TColor color)
{
    auto* brush = new TBrush;
    brush->SetColor(color);
    return brush;
}

bool DeleteObject(HBRUSH brush)
{
    // the system colours' brushes are never freed
    if (!brush || (brush >= GetSysColorBrush(0) && brush <= GetSysColorBrush(30))) return false;
    delete brush;
    return true;
}

int FillRect(HDC dc, const TRect* r, HBRUSH brush)
{
    if (!r) return 0;
    WithBrush(dc, brush, [&] { dc->FillRect(*r); });
    return 1;
}

int FrameRect(HDC dc, const TRect* r, HBRUSH brush)
{
    if (!r) return 0;
    WithBrush(dc, brush, [&] { dc->FrameRect(*r); });
    return 1;
}

BOOL InvertRect(HDC dc, const TRect* r) { return r && (dc->InvertRect(*r), true); }
BOOL DrawFocusRect(HDC dc, const TRect* r) { return r && (dc->DrawFocusRect(*r), true); }

// ---------------------------------------------------------------- DrawText

namespace {

struct TLine {
    String Text;
    Integer Underline = 0;   // 1-based position of the accelerator character, 0 for none
};

// "&x" marks x as the accelerator, "&&" is one "&".
TLine StripPrefix(const String& s)
{
    TLine line;
    for (int i = 1; i <= s.Length(); ++i) {
        if (s[i] == u'&' && i < s.Length()) {
            ++i;
            if (s[i] != u'&' && !line.Underline) line.Underline = line.Text.Length() + 1;
        }
        line.Text += s[i];
    }
    return line;
}

String ExpandTabs(HDC dc, const String& s)
{
    String out;
    const Integer tab = std::max<Integer>(1, dc->GetTextMetrics().tmAveCharWidth * 8);
    for (int i = 1; i <= s.Length(); ++i) {
        if (s[i] != u'\t') {
            out += s[i];
            continue;
        }
        Integer w = dc->TextWidth(out);
        const Integer target = (w / tab + 1) * tab;
        // spaces up to the stop; a font whose space has no width adds none
        for (Integer wider = dc->TextWidth(out + u' '); wider <= target && wider > w; wider = dc->TextWidth(out + u' ')) {
            out += u' ';
            w = wider;
        }
    }
    return out;
}

// The longest of the candidate lengths (longest first, 0 last) whose text fits, found by halving:
// a text grows no narrower with its length.  The lengths probed halve while they do not fit, so a
// long text costs a few times its own measuring, not one measuring per character dropped.
Integer LongestFitting(const std::vector<Integer>& lengths, const std::function<bool(Integer)>& fits)
{
    size_t lo = 0, hi = lengths.size() - 1;   // lengths[hi] is taken when nothing longer fits
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (fits(lengths[mid])) hi = mid; else lo = mid + 1;
    }
    return lengths[hi];
}

std::vector<Integer> AllLengths(Integer longest)
{
    std::vector<Integer> lengths;
    for (Integer n = longest; n >= 0; --n) lengths.push_back(n);
    return lengths;
}

String Ellipsis(HDC dc, const String& s, Integer width, UINT format)
{
    if (dc->TextWidth(s) <= width) return s;
    if (format & DT_PATH_ELLIPSIS) {
        int slash = 0;
        for (int i = s.Length(); i >= 1; --i)
            if (s[i] == u'\\' || s[i] == u'/') {
                slash = i;
                break;
            }
        const String tail = slash ? Copy(s, slash) : String();
        const String head = slash ? Copy(s, 1, slash - 1) : s;
        const Integer kept = LongestFitting(AllLengths(head.Length()), [&](Integer n) {
            return dc->TextWidth(Copy(head, 1, n) + "..." + tail) <= width;
        });
        if (kept > 0 || slash) return Copy(head, 1, kept) + "..." + tail;
    }
    // A word ellipsis keeps the whole text or a part ending in a blank.
    std::vector<Integer> lengths = AllLengths(s.Length());
    if (format & DT_WORD_ELLIPSIS)
        std::erase_if(lengths, [&](Integer n) { return n > 0 && n < s.Length() && s[n] != u' '; });
    const Integer kept =
        LongestFitting(lengths, [&](Integer n) { return dc->TextWidth(Copy(s, 1, n) + "...") <= width; });
    return Copy(s, 1, kept) + "...";
}

// Lines of the text: split at line breaks unless single-line, then at spaces to fit the width.
std::vector<String> BreakLines(HDC dc, const String& text, Integer width, UINT format)
{
    std::vector<String> paragraphs;
    if (format & DT_SINGLELINE) {
        paragraphs.push_back(text);
    } else {
        String cur;
        for (int i = 1; i <= text.Length(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') {
                paragraphs.push_back(cur);
                cur = String();
                if (text[i] == u'\r' && i < text.Length() && text[i + 1] == u'\n') ++i;
            } else {
                cur += text[i];
            }
        }
        paragraphs.push_back(cur);
    }
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) return paragraphs;
    std::vector<String> lines;
    for (const String& p : paragraphs) {
        String line;
        int i = 1;
        while (i <= p.Length()) {
            int j = i;
            while (j <= p.Length() && p[j] != u' ') ++j;   // the word [i, j)
            String word = Copy(p, i, j - i);
            String candidate = line + word;
            if (!line.IsEmpty() && dc->TextWidth(TrimRight(candidate)) > width) {
                lines.push_back(TrimRight(line));
                line = String();
                candidate = word;
            }
            if ((format & DT_EDITCONTROL) && dc->TextWidth(candidate) > width) {
                // a word wider than the line is broken between characters
                for (int k = 1; k <= word.Length(); ++k) {
                    if (!line.IsEmpty() && dc->TextWidth(line + word[k]) > width) {
                        lines.push_back(line);
                        line = String();
                    }
                    line += word[k];
                }
            } else {
                line = candidate;
            }
            while (j <= p.Length() && p[j] == u' ') {
                line += u' ';
                ++j;
            }
            i = j;
        }
        lines.push_back(TrimRight(line));
    }
    return lines;
}

}  // namespace

int DrawTextEx(HDC dc, const String& text, int count, TRect* r, UINT format, const void* params)
{
    (void)params;   // tab stops and margins are not used by the program
    return DrawText(dc, text, count, r, format);
}

int DrawText(HDC dc, const String& text, int count, TRect* r, UINT format)
{
    if (!r) return 0;
    String s = Counted(text, count);
    if (format & DT_EXPANDTABS) s = ExpandTabs(dc, s);
    const TTextMetric tm = dc->GetTextMetrics();
    const Integer lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const Integer width = r->Width();
    std::vector<TLine> lines;
    for (const String& l : BreakLines(dc, s, width, format)) {
        TLine line = (format & DT_NOPREFIX) ? TLine{l, 0} : StripPrefix(l);
        if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
            String cut = Ellipsis(dc, line.Text, width, format);
            if (cut != line.Text) line = {cut, line.Underline <= cut.Length() - 3 ? line.Underline : 0};
        }
        lines.push_back(line);
    }
    const Integer height = lineHeight * static_cast<Integer>(lines.size());
    if (format & DT_CALCRECT) {
        Integer widest = 0;
        for (const TLine& l : lines) widest = std::max(widest, dc->TextWidth(l.Text));
        r->Right = r->Left + widest;
        r->Bottom = r->Top + height;
        return height;
    }
    Integer y = r->Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = r->Top + (r->Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM) y = r->Bottom - lineHeight;
    }
    const int align = dc->SetTextAlign(TA_LEFT | TA_TOP);
    const UINT options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    for (const TLine& l : lines) {
        Integer w = dc->TextWidth(l.Text);
        Integer x = (format & DT_CENTER) ? r->Left + (width - w) / 2 : (format & DT_RIGHT) ? r->Right - w : r->Left;
        dc->ExtTextOut(x, y, static_cast<int>(options), r, l.Text);
        if (l.Underline && !(format & DT_HIDEPREFIX)) {
            Integer ux = x + dc->TextWidth(Copy(l.Text, 1, l.Underline - 1));
            Integer uw = dc->TextWidth(Copy(l.Text, l.Underline, 1));
            dc->FillRectColor(Rect(ux, y + tm.tmAscent + 1, ux + uw, y + tm.tmAscent + 2), dc->GetTextColor());
        }
        y += lineHeight;
    }
    dc->SetTextAlign(align);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) return y - r->Top;
    return height;
}

// ---------------------------------------------------------------- edges and frame controls

namespace {
// One ring of an edge: left and top in `topLeft`, right and bottom (owning the corners they
// share with the others) in `bottomRight`.
void EdgeRing(HDC dc, const TRect& r, UINT sides, TColor topLeft, TColor bottomRight)
{
    const Integer bottom = r.Bottom - ((sides & BF_BOTTOM) ? 1 : 0), right = r.Right - ((sides & BF_RIGHT) ? 1 : 0);
    if (sides & BF_LEFT) dc->FillRectColor(Rect(r.Left, r.Top, r.Left + 1, bottom), topLeft);
    if (sides & BF_TOP) dc->FillRectColor(Rect(r.Left, r.Top, right, r.Top + 1), topLeft);
    if (sides & BF_RIGHT) dc->FillRectColor(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomRight);
    if (sides & BF_BOTTOM) dc->FillRectColor(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomRight);
}

TRect Deflate(const TRect& r, UINT sides)
{
    return {r.Left + ((sides & BF_LEFT) ? 1 : 0), r.Top + ((sides & BF_TOP) ? 1 : 0),
            r.Right - ((sides & BF_RIGHT) ? 1 : 0), r.Bottom - ((sides & BF_BOTTOM) ? 1 : 0)};
}
}  // namespace

BOOL DrawEdge(HDC dc, TRect* r, UINT edge, UINT flags)
{
    if (!r) return false;
    const UINT sides = flags & BF_RECT;
    TRect at = *r;
    struct Ring {
        bool Present;
        TColor TopLeft, BottomRight;
    };
    Ring outer{false, 0, 0}, inner{false, 0, 0};
    if (flags & BF_MONO) {
        outer = {(edge & BDR_OUTER) != 0, clWindowFrame, clWindowFrame};
        inner = {(edge & BDR_INNER) != 0, clWindow, clWindow};
    } else if (flags & BF_FLAT) {
        outer = {(edge & BDR_OUTER) != 0, clBtnShadow, clBtnShadow};
        inner = {(edge & BDR_INNER) != 0, clBtnFace, clBtnFace};
    } else {
        const bool soft = flags & BF_SOFT;
        if (edge & BDR_RAISEDOUTER) outer = {true, soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
        else if (edge & BDR_SUNKENOUTER) outer = {true, soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
        if (edge & BDR_RAISEDINNER) inner = {true, soft ? cl3DLight : clBtnHighlight, clBtnShadow};
        else if (edge & BDR_SUNKENINNER) inner = {true, soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
    }
    for (const Ring& ring : {outer, inner}) {
        if (!ring.Present) continue;
        EdgeRing(dc, at, sides, ring.TopLeft, ring.BottomRight);
        at = Deflate(at, sides);
    }
    if (flags & BF_MIDDLE) dc->FillRectColor(at, (flags & BF_MONO) ? clWindow : clBtnFace);
    if (flags & BF_ADJUST) *r = at;
    return true;
}

namespace {
// A small glyph from rows of bits (bit 7 - x of byte y), centred in the rectangle.
void Glyph(HDC dc, const TRect& r, const Byte* rows, int w, int h, TColor color)
{
    const Integer x0 = r.Left + (r.Width() - w) / 2, y0 = r.Top + (r.Height() - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[y] & (0x80 >> x)) dc->FillRectColor(Rect(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1), color);
}

void CheckBox(HDC dc, TRect box, UINT state)
{
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    if (flat) {
        dc->FillRectColor(box, clBtnShadow);
        InflateRect(box, -1, -1);
    } else {
        DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    dc->FillRectColor(box, (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow);
    if (state & DFCS_CHECKED) {
        static const Byte check[7] = {0x02, 0x06, 0x8E, 0xDC, 0xF8, 0x70, 0x20};
        Glyph(dc, box, check, 7, 7, (state & DFCS_INACTIVE) ? clGrayText : clWindowText);
    }
}

// The 12 x 12 radio button: an outer ring (o) and an inner ring (i), each dark over the upper
// left half and light over the lower right, around the interior (w); a chosen button shows the
// dot (k) in the middle.
const char* const RadioRings[12] = {
    "....oooo....",
    "..ooiiiioo..",
    ".oiiwwwwiio.",
    ".oiwwwwwwio.",
    "oiwwwwwwwwio",
    "oiwwwwwwwwio",
    "oiwwwwwwwwio",
    "oiwwwwwwwwio",
    ".oiwwwwwwio.",
    ".oiiwwwwiio.",
    "..ooiiiioo..",
    "....oooo....",
};
const char* const RadioDot[4] = {".kk.", "kkkk", "kkkk", ".kk."};

void RadioButton(HDC dc, const TRect& box, UINT state)
{
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    const TColor interior = (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow;
    const auto put = [dc](Integer x, Integer y, TColor color) { dc->FillRectColor(Rect(x, y, x + 1, y + 1), color); };
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool upperLeft = x + y < 11;
            TColor color;
            switch (RadioRings[y][x]) {
            case 'o': color = flat ? clBtnShadow : upperLeft ? clBtnShadow : clBtnHighlight; break;
            case 'i': color = flat ? interior : upperLeft ? cl3DDkShadow : cl3DLight; break;
            case 'w': color = interior; break;
            default: continue;
            }
            put(box.Left + x, box.Top + y, color);
        }
    if (!(state & DFCS_CHECKED)) return;
    const TColor dot = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (RadioDot[y][x] == 'k') put(box.Left + 4 + x, box.Top + 4 + y, dot);
}

void ScrollButton(HDC dc, TRect r, UINT state)
{
    const UINT kind = state & 0xFF;
    if (kind == DFCS_SCROLLSIZEGRIP) {
        dc->FillRectColor(r, clBtnFace);
        for (int i = 0; i < 3; ++i) {
            const Integer o = 3 + 4 * i;
            for (Integer k = 0; k < r.Width() - o; ++k) {
                TPoint p{r.Right - 1 - k, r.Bottom - o + k};
                if (p.Y >= r.Bottom || p.X < r.Left) continue;
                dc->FillRectColor(Rect(p.X, p.Y, p.X + 1, p.Y + 1), clBtnHighlight);
                dc->FillRectColor(Rect(p.X, p.Y + 1, p.X + 1, std::min(p.Y + 3, r.Bottom)), clBtnShadow);
            }
        }
        return;
    }
    if (state & DFCS_FLAT) {
        dc->FillRectColor(r, clBtnFace);
    } else {
        DrawEdge(dc, &r, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    if (state & DFCS_PUSHED) OffsetRect(r, 1, 1);
    static const Byte down[4] = {0xFE, 0x7C, 0x38, 0x10}, up[4] = {0x10, 0x38, 0x7C, 0xFE};
    static const Byte left[7] = {0x10, 0x30, 0x70, 0xF0, 0x70, 0x30, 0x10}, right[7] = {0x80, 0xC0, 0xE0, 0xF0, 0xE0, 0xC0, 0x80};
    const TColor color = (state & DFCS_INACTIVE) ? clGrayText : clBtnText;
    switch (kind) {
    case DFCS_SCROLLUP: Glyph(dc, r, up, 7, 4, color); break;
    case DFCS_SCROLLLEFT: Glyph(dc, r, left, 4, 7, color); break;
    case DFCS_SCROLLRIGHT: Glyph(dc, r, right, 4, 7, color); break;
    default: Glyph(dc, r, down, 7, 4, color); break;
    }
}
}  // namespace

BOOL DrawFrameControl(HDC dc, TRect* r, UINT kind, UINT state)
{
    if (!r || r->IsEmpty()) return false;
    if (kind == DFC_SCROLL) {
        ScrollButton(dc, *r, state);
        return true;
    }
    if (kind != DFC_BUTTON) {
        TRect face = *r;
        DrawEdge(dc, &face, (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
        return true;
    }
    const UINT type = state & 0x1F;
    if (type == DFCS_BUTTONPUSH) {
        TRect face = *r;
        DrawEdge(dc, &face, (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT | BF_MIDDLE | BF_ADJUST | ((state & DFCS_FLAT) ? UINT(BF_FLAT) : 0u));
        if (state & DFCS_ADJUSTRECT) *r = face;
        return true;
    }
    // check boxes and radio buttons are 13 pixels square at most, against the left edge, centred vertically
    const Integer size = std::min<Integer>({13, r->Width(), r->Height()});
    TRect box = Bounds(r->Left, r->Top + (r->Height() - size) / 2, size, size);
    if (type & DFCS_BUTTONRADIO) RadioButton(dc, box, state);
    else CheckBox(dc, box, state);
    return true;
}

std::unique_ptr<TBitmap> LoadBitmap(HINSTANCE instance, UINT name)
{
    if (instance != 0 || name != OBM_CHECKBOXES) return nullptr;
    constexpr Integer cell = 13;
    const UINT kinds[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE | DFCS_INACTIVE};
    const UINT states[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
    auto strip = std::make_unique<TBitmap>(4 * cell, 3 * cell);
    TCanvas& canvas = strip->Canvas();
    canvas.FillRectColor(Rect(0, 0, strip->Width(), strip->Height()), clBtnFace);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            TRect r = Bounds(column * cell, row * cell, cell, cell);
            DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON, kinds[row] | states[column]);
        }
    return strip;
}

BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, Cardinal count, const GRADIENT_RECT* rects, Cardinal rectCount,
                  UINT mode)
{
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V) return false;
    for (Cardinal i = 0; i < rectCount; ++i) {
        if (rects[i].UpperLeft >= count || rects[i].LowerRight >= count) return false;
        const TRIVERTEX& a = vertices[rects[i].UpperLeft];
        const TRIVERTEX& b = vertices[rects[i].LowerRight];
        const TRect r = Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        const Integer steps = horizontal ? r.Width() : r.Height();
        // the colour runs from the first vertex's at its edge to the second's at the far edge
        const TRIVERTEX& from = (horizontal ? a.x <= b.x : a.y <= b.y) ? a : b;
        const TRIVERTEX& to = &from == &a ? b : a;
        for (Integer k = 0; k < steps; ++k) {
            auto mix = [&](Word c0, Word c1) { return Byte(((Int64{c0} + (Int64{c1} - c0) * k / steps)) >> 8); };
            TColor color = static_cast<TColor>(RGB(mix(from.Red, to.Red), mix(from.Green, to.Green), mix(from.Blue, to.Blue)));
            TRect line = horizontal ? Rect(r.Left + k, r.Top, r.Left + k + 1, r.Bottom) : Rect(r.Left, r.Top + k, r.Right, r.Top + k + 1);
            dc->FillRectColor(line, color);
        }
    }
    return true;
}
