#include "platform/backend/qt/QtPainting.h"

#include <QImage>
#include <QPainterPath>
#include <QRegion>
#include <cmath>

#include "platform/backend/qt/QtSupport.h"
#include "platform/graphics/Bitmaps.h"

namespace qtbackend {

namespace {

QPen ToQPen(TCanvas& canvas)
{
    TPen& pen = canvas.Pen();
    if (pen.Style() == TPenStyle::psClear || pen.Mode() == TPenMode::pmNop) return QPen(Qt::NoPen);
    QPen q(QC(pen.Color()));
    q.setWidth(canvas.DevicePenWidth());
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    switch (pen.Style()) {
    case TPenStyle::psDash: q.setStyle(Qt::DashLine); break;
    case TPenStyle::psDot:
    case TPenStyle::psAlternate: q.setStyle(Qt::DotLine); break;
    case TPenStyle::psDashDot: q.setStyle(Qt::DashDotLine); break;
    case TPenStyle::psDashDotDot: q.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    return q;
}

QBrush ToQBrush(TCanvas& canvas)
{
    TBrush& brush = canvas.Brush();
    if (TBitmap* pattern = brush.Bitmap()) {
        TPixelBuffer px;
        if (pattern->GetPixels(px))
            return QBrush(QImage(reinterpret_cast<const uchar*>(px.Bits), px.Width, px.Height, px.Stride * 4,
                                 QImage::Format_RGB32).copy());
    }
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern,
                                            Qt::DiagCrossPattern};
    return QBrush(QC(brush.Color()), styles[static_cast<int>(brush.Style())]);
}

QPointF D(TCanvas& canvas, TPoint p)
{
    TPoint d = canvas.ToDevice(p);
    return QPointF(d.X, d.Y);
}

double AngleOf(const QRectF& box, QPointF p)
{
    return std::atan2(-(p.y() - box.center().y()), p.x() - box.center().x()) * 180.0 / M_PI;
}

void DrawText(QPainter& painter, TCanvas& canvas, const TCanvasOp& op)
{
    TFontSpec fontSpec = canvas.DeviceFont();
    QFont font = ToQFont(fontSpec);
    painter.setFont(font);
    QFontMetrics fm(font, painter.device());
    const QString text = QS(op.Text);
    const int width = fm.horizontalAdvance(text), height = fm.ascent() + fm.descent();
    const int align = canvas.GetTextAlign();
    double ox = (align & TA_CENTER) == TA_CENTER ? -width / 2.0 : (align & TA_RIGHT) ? -width : 0;
    double oy = (align & TA_BASELINE) == TA_BASELINE ? -fm.ascent() : (align & TA_BOTTOM) ? -height : 0;
    QPointF ref = D(canvas, op.Points[0]);
    if (op.Param1 & ETO_CLIPPED) painter.setClipRect(canvas.LPtoDP(op.Rect).Left, canvas.LPtoDP(op.Rect).Top,
                                                     canvas.LPtoDP(op.Rect).Width(), canvas.LPtoDP(op.Rect).Height(),
                                                     Qt::IntersectClip);
    if (op.Param1 & ETO_OPAQUE) painter.fillRect(QR(canvas.LPtoDP(op.Rect)), QC(canvas.GetBkColor()));
    painter.translate(ref);
    painter.rotate(-fontSpec.Orientation / 10.0);
    if (!(op.Param1 & ETO_OPAQUE) && canvas.GetBkMode() == OPAQUE)
        painter.fillRect(QRectF(ox, oy, width, height), QC(canvas.GetBkColor()));
    painter.setPen(QC(canvas.GetTextColor()));
    painter.drawText(QPointF(ox, oy + fm.ascent()), text);
}

}  // namespace

QImage ToQImage(const TBitmap& bitmap, bool premultiplied)
{
    TPixelBuffer px;
    if (!bitmap.GetPixels(px)) return QImage();
    return QImage(reinterpret_cast<const uchar*>(px.Bits), px.Width, px.Height, px.Stride * 4,
                  premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
        .copy();
}

void PaintOp(QPainter& painter, TCanvas& canvas, const TCanvasOp& op)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (const auto& clip = canvas.ClipRegion()) {
        QRegion region;
        for (const TRect& r : clip->Rects()) region += QR(r);
        painter.setClipRegion(region);
    }
    painter.setPen(ToQPen(canvas));
    painter.setBrush(ToQBrush(canvas));
    QPolygonF poly;
    for (const TPoint& p : op.Points) poly << D(canvas, p);
    const TRect box = canvas.LPtoDP(op.Rect);
    const QRectF outline(box.Left, box.Top, box.Width() - 1, box.Height() - 1);
    switch (op.Kind) {
    case TCanvasOp::opLine: painter.drawLine(poly[0], poly[1]); break;
    case TCanvasOp::opPolyline: painter.drawPolyline(poly); break;
    case TCanvasOp::opPolygon:
        if (op.Param1) painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(poly, Qt::OddEvenFill);
        break;
    case TCanvasOp::opRectangle:
        if (!box.IsEmpty()) painter.drawRect(outline);
        break;
    case TCanvasOp::opRoundRect:
        if (!box.IsEmpty()) {
            TPoint corner = canvas.ToDevice({op.Param1, op.Param2});
            TPoint origin = canvas.ToDevice({0, 0});
            painter.drawRoundedRect(outline, std::abs(corner.X - origin.X) / 2.0, std::abs(corner.Y - origin.Y) / 2.0);
        }
        break;
    case TCanvasOp::opEllipse:
        if (!box.IsEmpty()) painter.drawEllipse(outline);
        break;
    case TCanvasOp::opArc:
    case TCanvasOp::opPie:
    case TCanvasOp::opChord: {
        if (box.IsEmpty()) break;
        double start = AngleOf(outline, poly[0]), end = AngleOf(outline, poly[1]);
        double sweep = end - start;
        if (sweep <= 0) sweep += 360;
        int a = static_cast<int>(std::lround(start * 16)), s = static_cast<int>(std::lround(sweep * 16));
        if (op.Kind == TCanvasOp::opArc) painter.drawArc(outline, a, s);
        else if (op.Kind == TCanvasOp::opPie) painter.drawPie(outline, a, s);
        else painter.drawChord(outline, a, s);
        break;
    }
    case TCanvasOp::opFillRect: {
        TPoint a = canvas.ToDevice(op.Rect.TopLeft()), b = canvas.ToDevice(op.Rect.BottomRight());
        if (b.X <= a.X || b.Y <= a.Y) break;
        QRect r(a.X, a.Y, b.X - a.X, b.Y - a.Y);
        painter.fillRect(r, op.Color != clNone ? QBrush(QC(op.Color)) : ToQBrush(canvas));
        break;
    }
    case TCanvasOp::opPixel: painter.fillRect(QRectF(poly[0], QSizeF(1, 1)), QC(op.Color)); break;
    case TCanvasOp::opText: DrawText(painter, canvas, op); break;
    case TCanvasOp::opStretchBlt: {
        TPoint a = canvas.ToDevice(op.Rect.TopLeft()), b = canvas.ToDevice(op.Rect.BottomRight());
        QRectF dest(a.X, a.Y, b.X - a.X, b.Y - a.Y);
        const Cardinal rop = static_cast<Cardinal>(op.Param1);
        if (!op.Source) {
            if (rop == BLACKNESS) painter.fillRect(dest, Qt::black);
            else if (rop == WHITENESS) painter.fillRect(dest, Qt::white);
            else if (rop == PATCOPY) painter.fillRect(dest, ToQBrush(canvas));
        } else if (rop != SRCAND) {
            // a printer has no destination to combine with: the source is drawn as it is
            const TRect& s = op.SourceRect;
            painter.drawImage(dest, ToQImage(*op.Source, false), QRectF(s.Left, s.Top, s.Width(), s.Height()));
        }
        break;
    }
    case TCanvasOp::opAlphaBlend: {
        TPoint a = canvas.ToDevice(op.Rect.TopLeft()), b = canvas.ToDevice(op.Rect.BottomRight());
        const bool perPixel = (op.Param2 >> 8) & AC_SRC_ALPHA;
        painter.setOpacity((op.Param2 & 0xFF) / 255.0);
        const TRect& s = op.SourceRect;
        painter.drawImage(QRectF(a.X, a.Y, b.X - a.X, b.Y - a.Y), ToQImage(*op.Source, perPixel),
                          QRectF(s.Left, s.Top, s.Width(), s.Height()));
        break;
    }
    }
    painter.restore();
}

}  // namespace qtbackend
