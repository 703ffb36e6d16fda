// Painting: the window surface and the control canvas, invalidation, WM_ERASEBKGND, WM_NCPAINT and
// WM_PAINT for invalidated areas only, graphic children painted by their parent, scrolling pixels.
#include "platform/controls/Controls.h"

#include <algorithm>

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

// ---------------------------------------------------------------- surface and canvas
bool TWindowSurface::GetPixels(TPixelBuffer& buffer)
{
    if (FPixels.empty()) return false;
    buffer.Bits = FPixels.data();
    buffer.Width = FWidth;
    buffer.Height = FHeight;
    buffer.Stride = FWidth;
    return true;
}

void TWindowSurface::Changed(const TRect& deviceArea)
{
    if (!FOwner->FInPaint && FOwner->HandleAllocated()) WindowSystem().ShowArea(FOwner->WindowHandle(), deviceArea);
}

void TWindowSurface::Resize(Integer width, Integer height, Cardinal fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    std::vector<Cardinal> pixels(static_cast<size_t>(width) * height, fill);
    for (Integer y = 0; y < std::min(height, FHeight); ++y)
        std::copy_n(FPixels.begin() + static_cast<ptrdiff_t>(y) * FWidth, std::min(width, FWidth),
                    pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    FPixels = std::move(pixels);
    FWidth = width;
    FHeight = height;
}

void TWindowSurface::Scroll(const TRect& area, Integer dx, Integer dy)
{
    TRect r;
    if (!IntersectRect(r, area, Rect(0, 0, FWidth, FHeight))) return;
    std::vector<Cardinal> copy(FPixels);
    for (Integer y = r.Top; y < r.Bottom; ++y)
        for (Integer x = r.Left; x < r.Right; ++x) {
            Integer sx = x - dx, sy = y - dy;
            if (sx >= r.Left && sx < r.Right && sy >= r.Top && sy < r.Bottom)
                FPixels[static_cast<size_t>(y) * FWidth + x] = copy[static_cast<size_t>(sy) * FWidth + sx];
        }
}

void TControlCanvas::Attach(TWindowSurface* surface, TPoint origin, const TRegion& clip)
{
    SetDevice(surface);
    if (!surface) return;
    SetViewportOrg(origin.X, origin.Y);
    SelectClipRgn(nullptr);
    SetVisibleRegion(&clip);
}

void TWinControl::ScrollBy(Integer DeltaX, Integer DeltaY) { ScrollWindow(DeltaX, DeltaY); }

void TWinControl::ScrollWindow(Integer dx, Integer dy, const TRect* area)
{
    for (TControl* c : std::vector<TControl*>(FControls))
        if (!area) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    if (!FSurface) return;
    TRect client = area ? *area : ClientRect();
    Integer b = BorderWidthNC();
    TRect dev = client;
    OffsetRect(dev, b, b);
    FSurface->Scroll(dev, dx, dy);
    // What scrolled in from outside needs painting; so do pending areas that moved.
    FUpdateRegion.Offset(dx, dy);
    TRegion exposed(dev);
    TRect kept = dev;
    OffsetRect(kept, dx, dy);
    exposed.Combine(TRegion(kept), RGN_DIFF);
    FUpdateRegion.Combine(exposed, RGN_OR);
    FErasePending = true;
    if (FHandle) {
        WindowSystem().ShowArea(FHandle, dev);
        WindowSystem().SchedulePaint(FHandle);
    }
}

Integer TWinControl::BorderWidthNC() const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    if (params.Kind != TWindowKind::wkCustom) return 0;
    if (params.ExStyle & WS_EX_CLIENTEDGE) return 2;
    if ((params.Style & WS_BORDER) || (params.ExStyle & WS_EX_STATICEDGE)) return 1;
    return 0;
}

TRect TWinControl::ClientRect() const
{
    Integer b = BorderWidthNC();
    Integer w = FWidth - 2 * b, h = FHeight - 2 * b;
    if (HasScrollBar(SB_VERT)) w -= FScrollBars[1].Look.Size;
    if (HasScrollBar(SB_HORZ)) h -= FScrollBars[0].Look.Size;
    return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

bool TWinControl::TScrollBarState::Visible() const
{
    if (!Shown) return false;
    if (KeepShown) return true;
    Integer range = Info.nMax - Info.nMin + 1;
    return Info.nMax > Info.nMin && (Info.nPage == 0 || static_cast<Integer>(Info.nPage) < range);
}

bool TWinControl::HasScrollBar(int bar) const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    if (params.Kind != TWindowKind::wkCustom) return false;
    const Cardinal style = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    return (params.Style & style) && FScrollBars[bar == SB_VERT ? 1 : 0].Visible();
}

void TWinControl::UpdateScrollBars()
{
    if (!FHandle) return;
    TRect client = ClientRect();
    Integer b = BorderWidthNC();
    OffsetRect(client, b, b);
    for (int bar : {SB_HORZ, SB_VERT}) {
        const SCROLLINFO& i = ScrollBarState(bar).Info;
        WindowSystem().SetScrollBar(FHandle, bar, HasScrollBar(bar), i.nMin, i.nMax, static_cast<int>(i.nPage),
                                    i.nPos, ScrollBarState(bar).Look, client);
    }
}

TPoint TWinControl::ClientOrigin() const
{
    if (FHandle) {
        Integer b = BorderWidthNC();
        return WindowSystem().ClientToScreen(FHandle, {b, b});
    }
    return TControl::ClientOrigin();
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect(), !FControlStyle.Contains(csOpaque)); }

void TWinControl::InvalidateRect(const TRect& r, bool erase)
{
    if (!FHandle) return;
    if (!FSurface) {
        WindowSystem().SchedulePaint(FHandle);
        return;
    }
    Integer b = BorderWidthNC();
    TRect client = ClientRect();
    TRect area;
    if (!IntersectRect(area, r, client)) return;
    OffsetRect(area, b, b);
    FUpdateRegion.Combine(TRegion(area), RGN_OR);
    if (erase) FErasePending = true;
    WindowSystem().SchedulePaint(FHandle);
}

void TWinControl::ValidateRect(const TRect& r)
{
    TRect area = r;
    Integer b = BorderWidthNC();
    OffsetRect(area, b, b);
    FUpdateRegion.Combine(TRegion(area), RGN_DIFF);
}

void TWinControl::Update()
{
    if (FHandle && FSurface) PaintPending(true);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

TControlCanvas& TWinControl::WindowCanvas()
{
    if (!FWindowCanvas) FWindowCanvas = std::make_unique<TControlCanvas>(this);
    if (!FInPaint && FSurface) {
        Integer b = BorderWidthNC();
        TRect client = ClientRect();
        OffsetRect(client, b, b);
        FWindowCanvas->Attach(FSurface.get(), {b, b}, TRegion(client));
    }
    return *FWindowCanvas;
}

void TWinControl::PaintPending(bool show)
{
    if (!FSurface || FInPaint) return;
    TSize size = SurfaceSize();
    if (FSurface->Width() != size.cx || FSurface->Height() != size.cy) {
        FSurface->Resize(size.cx, size.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, size.cx, size.cy));
        FErasePending = true;
    }
    if (FUpdateRegion.IsEmpty()) return;
    TRegion region = FUpdateRegion;
    bool erase = FErasePending;
    FUpdateRegion = TRegion();
    FErasePending = false;
    Integer b = BorderWidthNC();
    if (b > 0 || (HasScrollBar(SB_HORZ) && HasScrollBar(SB_VERT))) Perform(WM_NCPAINT);
    TRect client = ClientRect();
    OffsetRect(client, b, b);
    TRegion clip = region;
    clip.Combine(TRegion(client), RGN_AND);
    TControlCanvas& canvas = WindowCanvas();
    FInPaint = true;
    try {
        canvas.Attach(FSurface.get(), {b, b}, clip);
        canvas.SetWindowOrg(0, 0);
        if (erase) Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(&canvas));
        Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(&canvas));
    } catch (...) {
        FInPaint = false;
        throw;
    }
    FInPaint = false;
    if (show && FHandle) WindowSystem().ShowArea(FHandle, region.BoundingRect());
}

void TWinControl::WMEraseBkgnd(TMessage& message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (canvas && FBrush.Bitmap()) {
        // A pattern brush tiles its bitmap from the window's top-left corner.
        canvas->Brush().Assign(FBrush);
        canvas->FillRect(canvas->ClipRect());
    } else if (canvas) {
        canvas->FillRectColor(canvas->ClipRect(), FColor);
    }
    message.Result = 1;
}

// The frame, and the corner between two window scroll bars in the face colour.
void TWinControl::WMNCPaint(TMessage&)
{
    if (!FSurface) return;
    TCreateParams params;
    CreateParams(params);
    TCanvas canvas(FSurface.get());
    FInPaint = true;
    const Integer b = BorderWidthNC();
    if (HasScrollBar(SB_HORZ) && HasScrollBar(SB_VERT)) {
        const TRect client = ClientRect();
        canvas.FillRectColor(Bounds(b + client.Width(), b + client.Height(), FScrollBars[1].Look.Size,
                                    FScrollBars[0].Look.Size), clBtnFace);
    }
    if (b > 0 && (params.ExStyle & WS_EX_CLIENTEDGE)) {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.MoveTo(0, FHeight - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(FWidth - 1, 0);
        canvas.Pen().SetColor(clBtnHighlight);
        canvas.LineTo(FWidth - 1, FHeight - 1);
        canvas.LineTo(-1, FHeight - 1);
        canvas.Pen().SetColor(cl3DDkShadow);
        canvas.MoveTo(1, FHeight - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(FWidth - 2, 1);
        canvas.Pen().SetColor(cl3DLight);
        canvas.LineTo(FWidth - 2, FHeight - 2);
        canvas.LineTo(0, FHeight - 2);
    } else if (b > 0) {
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(Rect(0, 0, FWidth, FHeight));
    }
    FInPaint = false;
}

void TWinControl::WMPaint(TMessage& message)
{
    if (!FSurface) {
        DefaultHandler(message);
        return;
    }
    PaintHandler(message);
}

void TWinControl::PaintHandler(TMessage& message)
{
    auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
    if (!canvas) return;
    // A device context of another window: the control paints onto it, not onto its own surface.
    TCanvas* const outer = FPaintCopyCanvas;
    const bool copy = canvas != FWindowCanvas.get();
    if (copy) {
        FPaintCopyCanvas = canvas;
        FControlState.Include(csPaintCopy);
    }
    try {
        PaintWindow(*canvas);
        PaintControls(*canvas);
    } catch (...) {
        FPaintCopyCanvas = outer;
        if (!outer) FControlState.Exclude(csPaintCopy);
        throw;
    }
    FPaintCopyCanvas = outer;
    if (!outer) FControlState.Exclude(csPaintCopy);
}

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::PaintControls(TCanvas& canvas, TControl* First)
{
    auto it = FControls.begin();
    if (First) it = std::find(FControls.begin(), FControls.end(), First);
    for (; it != FControls.end(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        if (!g || !g->Visible()) continue;
        TRect clip = canvas.ClipRect();
        TRect inter;
        if (!IntersectRect(inter, clip, g->BoundsRect())) continue;
        int saved = canvas.SaveDC();
        TPoint vp = canvas.ViewportOrg();
        canvas.SetViewportOrg(vp.X + g->Left(), vp.Y + g->Top());
        canvas.IntersectClipRect(0, 0, g->Width(), g->Height());
        g->FPaintCanvas = &canvas;
        try {
            g->Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(&canvas));
        } catch (...) {
            g->FPaintCanvas = nullptr;
            canvas.RestoreDC(saved);
            throw;
        }
        g->FPaintCanvas = nullptr;
        canvas.RestoreDC(saved);
    }
}
