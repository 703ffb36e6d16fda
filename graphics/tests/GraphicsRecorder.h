#pragma once
// The drawing-object back end that the SVG and mini-HTML tests draw through: it writes down what
// is drawn, one line per call, with its paint and geometry.
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "QuietGraphicsContext.h"

// A back end that writes down the filled and outlined paths with their paint, their bounds in
// whole units, clips, texts, filled rectangles and ellipses, lines and pictures, and when asked
// outlined rectangles and ellipses; every other call does nothing.
class TGraphicsRecorder : public TQuietGraphicsContext {
public:
    using TQuietGraphicsContext::TQuietGraphicsContext;
    std::vector<std::string> Calls;

    static std::string Bounds(TGxGraphicsPath* path)
    {
        const TRectF b = path->GetBounds();
        std::ostringstream s;
        s << std::lround(b.Left) << "," << std::lround(b.Top) << "-" << std::lround(b.Right) << ","
          << std::lround(b.Bottom);
        return s.str();
    }
    static std::string Hex(TColor c)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c) & 0xFFFFFF);
        return text;
    }
    void FillPath(TGxGraphicsFill* f, TGxGraphicsPath* p, TGxGraphicsPathDrawMode) override
    {
        std::ostringstream s;
        s << "fill " << Bounds(p);
        if (f->Kind() == gfkGradient) {
            s << " gradient " << (f->GradientType() == gfgtRadial ? "radial" : "linear") << " angle "
              << f->GradientAngle() << " centre " << f->GradientCenterPoint().X << "," << f->GradientCenterPoint().Y;
            for (auto* item : *f->GradientItems()) s << " " << Hex(item->Color()) << "@" << item->Position();
        } else {
            s << " " << Hex(f->Color());
        }
        if (f->Opacity() != 1) s << " opacity " << f->Opacity();
        Calls.push_back(s.str());
    }
    void DrawPath(TGxGraphicsStroke* st, TGxGraphicsPath* p, TGxGraphicsPathDrawMode) override
    {
        std::ostringstream s;
        s << "stroke " << Bounds(p) << " " << Hex(st->Color()) << " width " << st->Width();
        Calls.push_back(s.str());
    }
    void ClipPath(TGxGraphicsPath* p) override { Calls.push_back("clip " + Bounds(p)); }
    void DrawText(const String& t, const TRectF& r, bool, TGxGraphicsTextAlign, TGxGraphicsTextAlign,
                  TGxGraphicsTextTrimming, float) override
    {
        std::ostringstream s;
        s << "text " << t.ToUtf8() << " at " << r.Left << "," << r.Top;
        if (LogFonts) {
            TGxGraphicsFont* f = Graphics()->Font();
            s << " " << Hex(f->Color()) << " " << std::abs(f->Height()) << "px";
            for (auto [style, letter] : {std::pair{TFontStyle::fsBold, 'b'}, {TFontStyle::fsItalic, 'i'},
                                         {TFontStyle::fsUnderline, 'u'}, {TFontStyle::fsStrikeOut, 's'}})
                if (f->Style().Contains(style)) s << " " << letter;
        }
        Calls.push_back(s.str());
    }
    // Every character 6 wide, every text 10 high, or with LogFonts as high as its font in pixels.
    TRectF CalculateText(const String& t, const TRectF& r, bool) override
    {
        const float h = LogFonts ? static_cast<float>(std::abs(Graphics()->Font()->Height())) : 10;
        return {r.Left, r.Top, r.Left + (LogFonts ? 6.0f * static_cast<float>(t.Length()) : 30), r.Top + h};
    }
    void FillRect(TGxGraphicsFill* f, const TRectF& r, TGxGraphicsModifyRectMode) override
    {
        std::ostringstream s;
        s << "rect " << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom << " " << Hex(f->Color());
        Calls.push_back(s.str());
    }
    void FillEllipse(TGxGraphicsFill* f, const TRectF& r, TGxGraphicsModifyRectMode) override
    {
        std::ostringstream s;
        s << "ellipse " << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom << " " << Hex(f->Color());
        Calls.push_back(s.str());
    }
    void DrawLine(TGxGraphicsStroke* st, const TPointF& a, const TPointF& b, TGxGraphicsModifyPointMode,
                  TGxGraphicsModifyPointMode) override
    {
        std::ostringstream s;
        s << "line " << a.X << "," << a.Y << "-" << b.X << "," << b.Y << " " << Hex(st->Color());
        if (LogFrames) s << " width " << st->Width();
        Calls.push_back(s.str());
    }
    void DrawBitmap(TGraphic*, const TRectF&, const TRectF& d, float) override
    {
        std::ostringstream s;
        s << "picture " << d.Left << "," << d.Top << "-" << d.Right << "," << d.Bottom;
        Calls.push_back(s.str());
    }
    // Outlined rectangles and ellipses with their pen, and the pen width of lines.
    void DrawRect(TGxGraphicsStroke* st, const TRectF& r, TGxGraphicsSides, TGxGraphicsModifyRectMode) override
    {
        Frame("frame", st, r);
    }
    void DrawEllipse(TGxGraphicsStroke* st, const TRectF& r, TGxGraphicsModifyRectMode) override
    {
        Frame("ring", st, r);
    }
    bool LogFonts = false;
    bool LogFrames = false;

    // The other shapes are not written down.
    void FillArc(TGxGraphicsFill*, const TPointF&, const TPointF&, float, float) override {}
    void DrawArc(TGxGraphicsStroke*, const TPointF&, const TPointF&, float, float) override {}
    void FillRoundRect(TGxGraphicsFill*, const TRectF&, float, TGxGraphicsCorners, TGxGraphicsModifyRectMode) override {}
    void DrawRoundRect(TGxGraphicsStroke*, const TRectF&, float, TGxGraphicsCorners, TGxGraphicsModifyRectMode) override {}
    void DrawFocusRectangle(TGxGraphicsStroke*, const TRectF&, TColor, TGxGraphicsModifyRectMode) override {}

private:
    void Frame(const char* what, TGxGraphicsStroke* st, const TRectF& r)
    {
        if (!LogFrames) return;
        std::ostringstream s;
        s << what << " " << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom << " " << Hex(st->Color())
          << " width " << st->Width();
        Calls.push_back(s.str());
    }
};

inline std::unique_ptr<TGxGraphicsContext> MakeGraphicsRecorder(TGxGraphics* AGraphics)
{
    return std::make_unique<TGraphicsRecorder>(AGraphics);
}
