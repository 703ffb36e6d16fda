#include "platform/stdctrls/ScrollBars.h"

#include <algorithm>

#include "platform/graphics/GdiApi.h"

namespace {

struct TBarParts {
    TRect First, Last, Thumb;
    bool HasThumb = false;
};

TBarParts Parts(const TRect& bar, bool vertical, Integer pos, Integer page, Integer range)
{
    TBarParts parts;
    Integer length = vertical ? bar.Height() : bar.Width();
    Integer arrow = std::min(ScrollBarSize, length / 2);
    parts.First = vertical ? TRect{bar.Left, bar.Top, bar.Right, bar.Top + arrow}
                           : TRect{bar.Left, bar.Top, bar.Left + arrow, bar.Bottom};
    parts.Last = vertical ? TRect{bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom}
                          : TRect{bar.Right - arrow, bar.Top, bar.Right, bar.Bottom};
    Integer track = length - 2 * arrow;
    if (track < ScrollBarThumbMin || page >= range || range <= 0) return parts;
    // the thumb's length shows the visible part; its place is rounded to the nearest pixel
    Integer size = std::max(ScrollBarThumbMin, track * page / range);
    Integer span = track - size, steps = std::max(1, range - page);
    Integer start = arrow + (2 * std::clamp(pos, 0, range - page) * span + steps) / (2 * steps);
    parts.Thumb = vertical ? TRect{bar.Left, bar.Top + start, bar.Right, bar.Top + start + size}
                           : TRect{bar.Left + start, bar.Top, bar.Left + start + size, bar.Bottom};
    parts.HasThumb = true;
    return parts;
}

}  // namespace

void PaintScrollBar(TCanvas& canvas, const TRect& bar, bool vertical, Integer pos, Integer page, Integer range)
{
    TBarParts parts = Parts(bar, vertical, pos, page, range);
    // the track: a checker of the highlight and the face, the highlight where x + y is odd
    canvas.FillRectColor(bar, clBtnFace);
    for (Integer y = bar.Top; y < bar.Bottom; ++y)
        for (Integer x = bar.Left + 1 - (y - bar.Top) % 2; x < bar.Right; x += 2) canvas.SetPixel(x, y, clBtnHighlight);
    UINT inactive = parts.HasThumb ? 0u : UINT(DFCS_INACTIVE);
    DrawFrameControl(canvas.Handle(), &parts.First, DFC_SCROLL, (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive);
    DrawFrameControl(canvas.Handle(), &parts.Last, DFC_SCROLL, (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive);
    if (parts.HasThumb) DrawEdge(canvas.Handle(), &parts.Thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

Integer ScrollTarget(HWND window, int bar, Word code, Integer line, Integer page)
{
    SCROLLINFO i;
    i.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &i);
    switch (code) {
    case SB_LINEUP: return i.nPos - line;
    case SB_LINEDOWN: return i.nPos + line;
    case SB_PAGEUP: return i.nPos - page;
    case SB_PAGEDOWN: return i.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return i.nTrackPos;
    case SB_TOP: return i.nMin;
    case SB_BOTTOM: return i.nMax;
    default: return i.nPos;
    }
}

TScrollHit ScrollBarHit(const TRect& bar, bool vertical, TPoint p, Integer pos, Integer page, Integer range)
{
    if (!bar.Contains(p)) return shNone;
    TBarParts parts = Parts(bar, vertical, pos, page, range);
    if (parts.First.Contains(p)) return shLineBack;
    if (parts.Last.Contains(p)) return shLineForward;
    if (!parts.HasThumb) return shNone;
    if (parts.Thumb.Contains(p)) return shThumb;
    Integer at = vertical ? p.Y : p.X;
    return at < (vertical ? parts.Thumb.Top : parts.Thumb.Left) ? shPageBack : shPageForward;
}
