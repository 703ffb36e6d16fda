// Alignment: Align and Anchors of the children when a windowed control changes size.
#include "platform/controls/Controls.h"

#include <algorithm>

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

void TWinControl::EnableAlign()
{
    if (--FAlignLevel == 0) Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FControlState.Exclude(csAlignmentNeeded);
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
}

void TWinControl::AlignControl(TControl*) { Realign(); }

void TWinControl::AlignControls(TControl*, TRect& r)
{
    ++FAlignLevel;
    auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        // Controls of one alignment keep their order along the edge they stick to.
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            TRect b = c->BoundsRect();
            switch (align) {
            case alTop: b = Bounds(r.Left, r.Top, r.Width(), c->Height()); r.Top += c->Height(); break;
            case alBottom: b = Bounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height()); r.Bottom -= c->Height(); break;
            case alLeft: b = Bounds(r.Left, r.Top, c->Width(), r.Height()); r.Left += c->Width(); break;
            case alRight: b = Bounds(r.Right - c->Width(), r.Top, c->Width(), r.Height()); r.Right -= c->Width(); break;
            case alClient: b = r; break;
            default: break;
            }
            c->SetBounds(b.Left, b.Top, std::max(b.Width(), 0), std::max(b.Height(), 0));
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
    --FAlignLevel;
}

void TWinControl::ApplyAnchors(TSize oldClient)
{
    TRect client = ClientRect();
    Integer dx = client.Width() - oldClient.cx, dy = client.Height() - oldClient.cy;
    if ((dx == 0 && dy == 0) || oldClient.cx <= 0 || oldClient.cy <= 0) return;
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        Integer l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) w += dx;
            else l += dx;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) h += dy;
            else t += dy;
        }
        if (l != c->Left() || t != c->Top() || w != c->Width() || h != c->Height()) c->SetBounds(l, t, w, h);
    }
}

void TWinControl::UpdateBoundsRect(const TRect& r)
{
    TRect oldClient = ClientRect();
    const bool moved = r.Left != FLeft || r.Top != FTop;
    const Integer oldWidth = FWidth, oldHeight = FHeight;
    TControl::UpdateBoundsRect(r);
    if (FHandle) WindowSystem().SetBounds(FHandle, r);
    if (FWindowRegion && (r.Width() != oldWidth || r.Height() != oldHeight)) ApplyWindowShape();
    TRect newClient = ClientRect();
    UpdateScrollBars();
    if (oldClient.Width() != newClient.Width() || oldClient.Height() != newClient.Height()) {
        if (FSurface) {
            TSize s = SurfaceSize();
            FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
            InvalidateRect(ClientRect(), true);
            FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        }
        if (!ComponentState().Contains(csLoading)) ApplyAnchors({oldClient.Width(), oldClient.Height()});
        Realign();
        Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(newClient.Width(), newClient.Height()));
    }
    // a window that moved hears of its client area's new place in its parent
    if (moved && FHandle) {
        const Integer b = BorderWidthNC();
        Perform(WM_MOVE, 0, MakeLParam(FLeft + b, FTop + b));
    }
}

void TWinControl::WindowMoved(Integer left, Integer top)
{
    if (left == FLeft && top == FTop) return;
    TControl::UpdateBoundsRect(Bounds(left, top, FWidth, FHeight));
    const Integer b = BorderWidthNC();
    Perform(WM_MOVE, 0, MakeLParam(FLeft + b, FTop + b));
}

void TWinControl::WindowResized(Integer width, Integer height)
{
    TSize surface = SurfaceSize();
    if (width == FWidth && height == FHeight && FSurface && FSurface->Width() == surface.cx &&
        FSurface->Height() == surface.cy)
        return;
    TRect r = Bounds(FLeft, FTop, width, height);
    TRect oldClient = ClientRect();
    TControl::UpdateBoundsRect(r);
    TRect newClient = ClientRect();
    if (FSurface) {
        TSize s = SurfaceSize();
        FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        FErasePending = true;
    }
    ApplyAnchors({oldClient.Width(), oldClient.Height()});
    Realign();
    Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(newClient.Width(), newClient.Height()));
    Resize();
}
