// The chart and the mouse: panning, zoom windows, drag zoom, rubber bands, the mouse box,
// crosshair and text-label dragging, axis dragging, the mouse trace and the cursors.
// Rubber bands are drawn in XOR mode straight onto the control, outside painting, so
// drawing the same figure again takes it away.
#include <cmath>
#include <cstdlib>

#include "chart/VEZ_dizure.h"
#include "platform/forms/Forms.h"
#include "platform/rtl/RtlMath.h"

namespace {

bool IsPanMode(TMouseActMode m) { return m == maPan || m == maPanHoriz || m == maPanVert || m == maPanGrid; }
bool IsWindowMode(TMouseActMode m)
{
    return m == maRubberBand || m == maZoomWind || m == maZoomWindPos || m == maSelectRect;
}

}  // namespace

TCursor TCustomDIzure::ChartCursor(Integer index)
{
    static const char* const names[] = {"CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"};
    static TCursor cursors[4] = {};
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        for (int i = 0; i < 4; ++i) {
            try {
                cursors[i] = LoadCursorFromResource(names[i]);
            } catch (const Exception&) {
                cursors[i] = i == 0 ? crHandPoint : crCross;   // a program without its cursor resources
            }
        }
    }
    return index >= 1 && index <= 4 ? cursors[index - 1] : crDefault;
}

TCanvas& TCustomDIzure::ControlCanvas()
{
    if (HandleAllocated()) return Canvas();
    if (FSurface.Width() != FWidth || FSurface.Height() != FHeight) {
        FSurface.SetPixelFormat(TPixelFormat::pf32bit);
        FSurface.SetSize(FWidth, FHeight);
    }
    return FSurface.Canvas();
}

bool TCustomDIzure::InDataArea(Integer X, Integer Y) const
{
    return X >= RcLRim && X <= FWidth - RcRRim - F3DRim && Y >= RcTRim && Y <= FHeight - RcBRim - F3DRim;
}

void TCustomDIzure::ClampToDataArea(Integer& X, Integer& Y) const
{
    X = Max(RcLRim, Min(X, FWidth - RcRRim - F3DRim));
    Y = Max(RcTRim, Min(Y, FHeight - RcBRim - F3DRim));
}

void TCustomDIzure::StoreAnchors(Integer X, Integer Y)
{
    FMAnchorScrX = X;
    FMAnchorScrY = Y;
    for (Integer L = 1; L <= 16; ++L) {
        FMAnchorRcLoX[L] = FScalePropsX[L]->RangeLow();
        FMAnchorRcHiX[L] = FScalePropsX[L]->RangeHigh();
        FMAnchorRcLoY[L] = FScalePropsY[L]->RangeLow();
        FMAnchorRcHiY[L] = FScalePropsY[L]->RangeHigh();
    }
}

// A line or a rectangle in XOR mode with a white pen on the control.
void TCustomDIzure::XorFigure(bool line, Integer x1, Integer y1, Integer x2, Integer y2)
{
    TCanvas& cv = ControlCanvas();
    cv.Pen().SetMode(TPenMode::pmXor);
    cv.Pen().SetColor(clWhite);
    cv.Pen().SetStyle(TPenStyle::psSolid);
    cv.Pen().SetWidth(1);
    cv.Brush().SetStyle(TBrushStyle::bsClear);
    if (line) {
        cv.MoveTo(x1, y1);
        cv.LineTo(x2, y2);
    } else {
        cv.Rectangle(Min(x1, x2), Min(y1, y2), Max(x1, x2) + 1, Max(y1, y2) + 1);
    }
    cv.Pen().SetMode(TPenMode::pmCopy);
    cv.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TCustomDIzure::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FWasDblClk) {
        FWasDblClk = false;
        return;
    }
    inherited::MouseDown(Button, Shift, X, Y);
    if (MouseBoxState == msFirstCorner) {
        if (Button == mbRight) {
            MouseBoxState = msNormal;
        } else {
            MouseBoxX1 = MouseBoxX2 = X;
            MouseBoxY1 = MouseBoxY2 = Y;
            MouseBoxState = msRectDraw;
        }
    }
    if (IsWindowMode(RcMouseAction) && Button == mbLeft && FZoomState == zsNormal && InDataArea(X, Y)) {
        FZoomState = zsDrawWin;
        WindAnchorX = WindOldCornerX = X;
        WindAnchorY = WindOldCornerY = Y;
    }
}

void TCustomDIzure::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (MouseMoveActive) return;
    MouseMoveActive = true;
    LastMouseX = X;
    LastMouseY = Y;
    inherited::MouseMove(Shift, X, Y);
    const bool left = Shift.Contains(ssLeft);

    if (MouseBoxState == msRectDraw) {
        Integer cx = X, cy = Y;
        ClampToDataArea(cx, cy);
        XorFigure(false, MouseBoxX1, MouseBoxY1, MouseBoxX2, MouseBoxY2);
        XorFigure(false, MouseBoxX1, MouseBoxY1, cx, cy);
        MouseBoxX2 = cx;
        MouseBoxY2 = cy;
    }

    if (!left) {
        LButtonWasDown = false;
        FDragStarted = false;
    } else if (LButtonWasDown) {
        if (DragAxes(X, Y) && OnZoomPan) OnZoomPan(this);
    } else if (!FDragStarted && DetectScale(X, Y) != 0) {
        StoreAnchors(X, Y);
        LButtonWasDown = true;
    }

    if (left) {
        if (IsPanMode(RcMouseAction) || RcMouseAction == maZoomDrag) {
            if (!FDragStarted) {
                StoreAnchors(X, Y);
                FDragStarted = true;
            } else if (InDataArea(X, Y)) {
                const bool saved = FSuppressPaint;
                FSuppressPaint = true;
                if (RcMouseAction == maZoomDrag)
                    DragZoomLayers(X, Y);
                else
                    PanLayers(X, Y);
                FSuppressPaint = saved;
                Repaint();
                if (OnZoomPan) OnZoomPan(this);
            }
        } else if (RcMouseAction == maDragCrossH) {
            DragCrossHair(X, Y);
        } else if (RcMouseAction == maDragLabel) {
            DragTextLabel(X, Y);
        } else if (RcMouseAction == maDrawMTrace && FZoomState == zsNormal) {
            AddTracePoint(X, Y);
        }
    }

    if (FZoomState == zsDrawWin && IsWindowMode(RcMouseAction)) {
        Integer cx = X, cy = Y;
        ClampToDataArea(cx, cy);
        const bool line = RcMouseAction == maRubberBand;
        if (!line && FIsometric && (RcMouseAction == maZoomWind || RcMouseAction == maZoomWindPos)) {
            const Integer side = std::abs(cx - WindAnchorX);
            cy = WindAnchorY + (cy < WindAnchorY ? -side : side);
            ClampToDataArea(cx, cy);
        }
        XorFigure(line, WindAnchorX, WindAnchorY, WindOldCornerX, WindOldCornerY);
        XorFigure(line, WindAnchorX, WindAnchorY, cx, cy);
        WindOldCornerX = cx;
        WindOldCornerY = cy;
    }

    double wx = 0, wy = 0;
    M2R(FActiveLayer, X, Y, wx, wy);
    const bool inChart = InDataArea(X, Y);
    if (inChart) {
        FMousePosX = wx;
        FMousePosY = wy;
    }
    UpdateMouseCursor(X, Y);
    MouseMoveActive = false;
    if (OnMouseMoveInChart) OnMouseMoveInChart(this, inChart, Shift, wx, wy);
}

// Dragging an axis: every layer whose axis has a mouse action and lies under the pointer.
bool TCustomDIzure::DragAxes(Integer X, Integer Y)
{
    if (FZoomState == zsDrawWin) return false;
    bool changed = false;
    const Integer right = FWidth - RcRRim, bottom = FHeight - RcBRim;
    for (Integer L = 1; L <= 16; ++L) {
        for (bool xAxis : {true, false}) {
            TScaleProps& p = xAxis ? static_cast<TScaleProps&>(*FScalePropsX[L]) : *FScalePropsY[L];
            if (p.MouseAction() == maNone) continue;
            const Integer pos = p.ScalePos();
            bool inBand;
            TScaleType type;
            if (xAxis) {
                const bool below = FScalePropsX[L]->ScaleLocation() == slBottom;
                const Integer b = below ? FHeight + pos - RcBRim : RcTRim - pos;
                inBand = below ? (Y > b && Y < b + 50) : (Y > b - 50 && Y < b);
                inBand = inBand && X > RcLRim && X < right;
                type = below ? sctXB : sctXT;
            } else {
                const bool rightSide = FScalePropsY[L]->ScaleLocation() == slRight;
                const Integer b = rightSide ? FWidth + pos - RcRRim : RcLRim - pos;
                inBand = rightSide ? (X > b && X < b + 50) : (X > b - 50 && X < b);
                inBand = inBand && Y > RcTRim && Y < bottom;
                type = rightSide ? sctYR : sctYL;
            }
            if (!inBand) continue;
            TPanZoomInput in;
            in.X = X;
            in.Y = Y;
            in.AnchorX = FMAnchorScrX;
            in.AnchorY = FMAnchorScrY;
            in.Low = p.RangeLow();
            in.High = p.RangeHigh();
            in.AnchorLow = xAxis ? FMAnchorRcLoX[L] : FMAnchorRcLoY[L];
            in.AnchorHigh = xAxis ? FMAnchorRcHiX[L] : FMAnchorRcHiY[L];
            in.Logarithmic = p.Logarithmic();
            in.ScaleType = type;
            in.Action = p.MouseAction();
            in.MarginLeft = RcLRim;
            in.MarginRight = RcRRim + F3DRim;
            in.MarginTop = RcTRim;
            in.MarginBottom = RcBRim + F3DRim;
            in.Width = FWidth;
            in.Height = FHeight;
            double lo = 0, hi = 0;
            if (!PanZoomRange(in, lo, hi)) continue;
            TScaleProps& px = *FScalePropsX[L];
            TScaleProps& py = *FScalePropsY[L];
            if (xAxis)
                ApplyRangeWithJoints(L, false, lo, py.RangeLow(), hi, py.RangeHigh(), true);
            else
                ApplyRangeWithJoints(L, false, px.RangeLow(), lo, px.RangeHigh(), hi, true);
            changed = true;
        }
    }
    return changed;
}

void TCustomDIzure::PanLayers(Integer X, Integer Y)
{
    const double W = FWidth - RcLRim - RcRRim - F3DRim;
    const double H = FHeight - RcTRim - RcBRim - F3DRim;
    if (W <= 0 || H <= 0) return;   // no data area to measure the drag against
    const bool moveX = RcMouseAction != maPanVert, moveY = RcMouseAction != maPanHoriz;
    const bool grid = RcMouseAction == maPanGrid;
    for (Integer L = 1; L <= 16; ++L) {
        if (!FMouseAffLayer[L]) continue;
        const TScaleProps& px = *FScalePropsX[L];
        const TScaleProps& py = *FScalePropsY[L];
        double xLo = px.RangeLow(), xHi = px.RangeHigh(), yLo = py.RangeLow(), yHi = py.RangeHigh();
        if (moveX && !(grid && px.Logarithmic())) {
            if (px.Logarithmic()) {
                const double f = std::exp(std::log(xHi / xLo) * (FMAnchorScrX - X) / W);
                xLo = FMAnchorRcLoX[L] * f;
                xHi = FMAnchorRcHiX[L] * f;
            } else {
                const double shift = (X - FMAnchorScrX) * (xHi - xLo) / W;
                xLo = FMAnchorRcLoX[L] - shift;
                xHi = FMAnchorRcHiX[L] - shift;
                if (grid && FPanGridDx > 0) {
                    const double snapped = Int(xLo / FPanGridDx) * FPanGridDx + FPanGridOffsX;
                    xHi += snapped - xLo;
                    xLo = snapped;
                }
            }
        }
        if (moveY && !(grid && py.Logarithmic())) {
            if (py.Logarithmic()) {
                const double f = std::exp(std::log(yHi / yLo) * (Y - FMAnchorScrY) / H);
                yLo = FMAnchorRcLoY[L] * f;
                yHi = FMAnchorRcHiY[L] * f;
            } else {
                const double shift = (Y - FMAnchorScrY) * (yHi - yLo) / H;
                yLo = FMAnchorRcLoY[L] + shift;
                yHi = FMAnchorRcHiY[L] + shift;
                if (grid && FPanGridDy > 0) {
                    const double snapped = Int(yLo / FPanGridDy) * FPanGridDy + FPanGridOffsY;
                    yHi += snapped - yLo;
                    yLo = snapped;
                }
            }
        }
        ApplyRangeWithJoints(L, false, xLo, yLo, xHi, yHi, true);
    }
}

void TCustomDIzure::DragZoomLayers(Integer X, Integer Y)
{
    const double fx = 1 - static_cast<double>(X - FMAnchorScrX) / FWidth;
    const double fy = FIsometric ? fx : 1 + static_cast<double>(Y - FMAnchorScrY) / FHeight;
    for (Integer L = 1; L <= 16; ++L) {
        if (!FMouseAffLayer[L]) continue;
        const double cx = (FMAnchorRcLoX[L] + FMAnchorRcHiX[L]) / 2, sx = FMAnchorRcHiX[L] - FMAnchorRcLoX[L];
        const double cy = (FMAnchorRcLoY[L] + FMAnchorRcHiY[L]) / 2, sy = FMAnchorRcHiY[L] - FMAnchorRcLoY[L];
        ApplyRangeWithJoints(L, false, cx - sx * fx / 2, cy - sy * fy / 2, cx + sx * fx / 2, cy + sy * fy / 2, true);
    }
}

void TCustomDIzure::DragCrossHair(Integer X, Integer Y)
{
    if (!InDataArea(X, Y)) return;
    if (!FDragStarted) {
        double best = 1.7e308;
        CHNext = 1;
        for (Integer n = 1; n <= 4; ++n) {
            const TCrossHair& ch = *FCrossHair[n];
            if (ch.Mode() == chOff) continue;
            Integer cx = 0, cy = 0;
            R2M(ch.Layer(), ch.PosX(), ch.PosY(), cx, cy);
            const bool hasX = ch.Mode() != chHoriz, hasY = ch.Mode() != chVert;
            const double dx = double(X - cx) * (X - cx), dy = double(Y - cy) * (Y - cy);
            if (hasX && dx < best) {
                best = dx;
                CHNext = n;
            }
            if (hasY && dy < best) {
                best = dy;
                CHNext = n;
            }
        }
        TCrossHair& ch = *FCrossHair[CHNext];
        Integer cx = 0, cy = 0;
        R2M(ch.Layer(), ch.PosX(), ch.PosY(), cx, cy);
        bool allow = true;
        if (OnBeforeCrossHairMove) OnBeforeCrossHairMove(this, &ch, X - cx, Y - cy, allow);
        if (allow) {
            StoreAnchors(X, Y);
            FDragStarted = true;
        }
        return;
    }
    TCrossHair& ch = *FCrossHair[CHNext];
    double wx = 0, wy = 0;
    M2R(ch.Layer(), X, Y, wx, wy);
    ch.SetPos(wx, wy);
    Repaint();
    if (OnCrossHairMove) OnCrossHairMove(this, &ch);
}

void TCustomDIzure::DragTextLabel(Integer X, Integer Y)
{
    auto anchorOf = [this](TTextLabel& lab, Integer& ax, Integer& ay) {
        Integer wx = 0, wy = 0;
        R2M(lab.Layer(), lab.PosX(), lab.PosY(), wx, wy);
        const TTxtLblAttachMode m = lab.AttachToData();
        ax = (m == tlamXOnly || m == tlamBoth) ? wx : Round(lab.PosX());
        ay = (m == tlamYOnly || m == tlamBoth) ? wy : Round(lab.PosY());
    };
    if (!FDragStarted) {
        StoreAnchors(X, Y);
        double best = 1.7e308;
        TLNext = 1;
        for (Integer n = 1; n <= 30; ++n) {
            TTextLabel& lab = *FTextLabels[n];
            if (lab.Mode() == tlOff || !lab.Visible()) continue;
            Integer ax = 0, ay = 0;
            anchorOf(lab, ax, ay);
            const double d = double(X - ax) * (X - ax) + double(Y - ay) * (Y - ay);
            if (d < best) {
                best = d;
                TLNext = n;
            }
        }
        FDragStarted = true;
        return;
    }
    TTextLabel& lab = *FTextLabels[TLNext];
    double wx = 0, wy = 0;
    M2R(lab.Layer(), X, Y, wx, wy);
    const TTxtLblAttachMode m = lab.AttachToData();
    lab.SetPosX((m == tlamXOnly || m == tlamBoth) ? wx : X);
    lab.SetPosY((m == tlamYOnly || m == tlamBoth) ? wy : Y);
    Repaint();
    if (OnTextLabelMove) OnTextLabelMove(this, &lab);
}

void TCustomDIzure::AddTracePoint(Integer X, Integer Y)
{
    ClampToDataArea(X, Y);
    if (FNumMTrace >= 5000) return;
    if (FMTrace.Length() < 5000) FMTrace.SetLength(5000);
    TColoredPoint p;
    M2R(FActiveLayer, X, Y, p.X, p.Y);
    p.Color = FColorMTrace;
    p.Flag = FMTraceInvert ? 2 : 0;
    FMTrace[FNumMTrace] = p;
    ++FNumMTrace;
    if (FNumMTrace == 1 || (FMTrace[FNumMTrace - 2].Flag & 1)) return;
    const TColoredPoint& prev = FMTrace[FNumMTrace - 2];
    Integer px = 0, py = 0;
    R2M(FActiveLayer, prev.X, prev.Y, px, py);
    TCanvas& cv = ControlCanvas();
    cv.Pen().SetMode(FMTraceInvert ? TPenMode::pmXor : TPenMode::pmCopy);
    cv.Pen().SetColor(FColorMTrace);
    cv.Pen().SetStyle(TPenStyle::psSolid);
    cv.MoveTo(px, py);
    cv.LineTo(X, Y);
    cv.Pen().SetMode(TPenMode::pmCopy);
}

void TCustomDIzure::UpdateMouseCursor(Integer X, Integer Y)
{
    if (!InDataArea(X, Y) || FMCurFixed) {
        SetCursor(crDefault);
        return;
    }
    switch (RcMouseAction) {
    case maNone: SetCursor(crCross); break;
    case maPan:
    case maPanHoriz:
    case maPanVert:
    case maPanGrid: SetCursor(ChartCursor(1)); break;
    case maZoomWind: SetCursor(ChartCursor(2)); break;
    case maZoomWindPos: SetCursor(ChartCursor(4)); break;
    case maZoomDrag: SetCursor(ChartCursor(3)); break;
    case maRubberBand:
    case maDragCrossH:
    case maDragLabel:
    case maSelectRect: SetCursor(crDefault); break;
    default: break;
    }
}

void TCustomDIzure::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FWasDblClk) {
        FWasDblClk = false;
        return;
    }
    LButtonWasDown = false;
    const bool wasDragging = FDragStarted;
    FDragStarted = false;
    if (MouseBoxState == msRectDraw) {
        XorFigure(false, MouseBoxX1, MouseBoxY1, MouseBoxX2, MouseBoxY2);
        if (Button == mbRight) {
            MouseBoxState = msNormal;
        } else {
            ClampToDataArea(X, Y);
            MouseBoxX2 = X;
            MouseBoxY2 = Y;
            MouseBoxState = msFinished;
        }
    }
    if (RcMouseAction == maDrawMTrace && FNumMTrace > 0) FMTrace[FNumMTrace - 1].Flag |= 1;
    if (IsWindowMode(RcMouseAction) && FZoomState == zsDrawWin) FinishWindow(Button);
    if ((IsPanMode(RcMouseAction) || RcMouseAction == maZoomDrag) && wasDragging) PushZoomHistory();
    inherited::MouseUp(Button, Shift, X, Y);
}

void TCustomDIzure::FinishWindow(TMouseButton Button)
{
    FZoomState = zsNormal;
    const bool line = RcMouseAction == maRubberBand;
    if (Button == mbRight) {
        XorFigure(line, WindAnchorX, WindAnchorY, WindOldCornerX, WindOldCornerY);
        return;
    }
    if (Button != mbLeft || WindOldCornerX == WindAnchorX || WindOldCornerY == WindAnchorY) return;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer L = 1; L <= 16; ++L) {
        if (!FMouseAffLayer[L]) continue;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        M2R(L, WindAnchorX, WindAnchorY, x1, y1);
        M2R(L, WindOldCornerX, WindOldCornerY, x2, y2);
        if (RcMouseAction == maZoomWindPos || RcMouseAction == maSelectRect) {
            const TScaleProps& px = *FScalePropsX[L];
            const TScaleProps& py = *FScalePropsY[L];
            if ((x1 > x2) == (px.RangeLow() < px.RangeHigh())) std::swap(x1, x2);
            if ((y1 > y2) == (py.RangeLow() < py.RangeHigh())) std::swap(y1, y2);
        }
        switch (RcMouseAction) {
        case maRubberBand:
            if (OnRubberBand) OnRubberBand(this, L, x1, y1, x2, y2);
            break;
        case maSelectRect:
            if (OnSelectRect) OnSelectRect(this, L, x1, y1, x2, y2);
            break;
        default: ApplyRangeWithJoints(L, true, x1, y1, x2, y2, false); break;
        }
    }
    if (OnZoomPan) OnZoomPan(this);
    FSuppressPaint = saved;
    Repaint();
}

void TCustomDIzure::DblClick()
{
    FWasDblClk = true;
    const Integer hit = DetectScale(LastMouseX, LastMouseY);
    if (hit != 0) {
        TScaleProps& p = hit > 0 ? static_cast<TScaleProps&>(*FScalePropsY[hit]) : *FScalePropsX[-hit];
        if (p.MouseAction() == maPan)
            p.SetMouseAction(maZoom);
        else if (p.MouseAction() == maZoom)
            p.SetMouseAction(maPan);
    }
    inherited::DblClick();
}

Integer TCustomDIzure::DetectScale(Integer CoordX, Integer CoordY) const
{
    for (Integer L = 1; L <= 16; ++L) {
        const TScalePropsVert& p = *FScalePropsY[L];
        if (!p.Visible() || CoordY <= RcTRim || CoordY >= FHeight - RcBRim) continue;
        const Integer pos = p.ScalePos();
        if (p.ScaleLocation() == slRight) {
            const Integer b = FWidth + pos - RcRRim;
            if (CoordX > b && CoordX < b + 50) return L;
        } else {
            const Integer b = RcLRim - pos;
            if (CoordX > b - 50 && CoordX < b) return L;
        }
    }
    for (Integer L = 1; L <= 16; ++L) {
        const TScalePropsHoriz& p = *FScalePropsX[L];
        if (!p.Visible() || CoordX <= RcLRim || CoordX >= FWidth - RcRRim) continue;
        const Integer pos = p.ScalePos();
        if (p.ScaleLocation() == slBottom) {
            const Integer b = FHeight + pos - RcBRim;
            if (CoordY > b && CoordY < b + 40) return -L;
        } else {
            const Integer b = RcTRim - pos;
            if (CoordY > b - 40 && CoordY < b) return -L;
        }
    }
    return 0;
}

bool TCustomDIzure::MouseBox(double& xLo, double& yLo, double& xHi, double& yHi)
{
    MouseBoxState = msFirstCorner;
    while (MouseBoxState != msFinished && MouseBoxState != msNormal) Application->ProcessMessages();
    const bool finished = MouseBoxState == msFinished;
    MouseBoxState = msNormal;
    if (!finished) return false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    M2R(FActiveLayer, MouseBoxX1, MouseBoxY1, x1, y1);
    M2R(FActiveLayer, MouseBoxX2, MouseBoxY2, x2, y2);
    xLo = Min(x1, x2);
    xHi = Max(x1, x2);
    yLo = Min(y1, y2);
    yHi = Max(y1, y2);
    return true;
}

// Also takes away the rubber bands still on the control, so that no stray XOR figure stays.
void TCustomDIzure::MouseBoxAbort()
{
    if (MouseBoxState == msRectDraw) XorFigure(false, MouseBoxX1, MouseBoxY1, MouseBoxX2, MouseBoxY2);
    if (FZoomState == zsDrawWin)
        XorFigure(RcMouseAction == maRubberBand, WindAnchorX, WindAnchorY, WindOldCornerX, WindOldCornerY);
    MouseBoxState = msNormal;
    FZoomState = zsNormal;
}
