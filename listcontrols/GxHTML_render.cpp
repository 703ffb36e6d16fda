// The mini-HTML renderer: the markup is prepared, then laid out line by line.  Each line is read
// twice from the same source: a measuring pass finds how much of the source fits and how high
// the line is, and a second pass draws it (or only hit-tests it) in the rectangle the first one
// gave.  Fonts carry over between lines separately for the measuring and the drawing passes.
#include <algorithm>
#include <cmath>

#include "listcontrols/GxHTML.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/RtlMath.h"
#include "platform/services/ShellIcons.h"
#include "platform/stdctrls/ImgList.h"

namespace {

enum TPass { pMeasure, pDraw, pHitTest };

Integer RoundEven(double v) { return static_cast<Integer>(std::nearbyint(v)); }

// The value of an attribute: the text between the first two double quotes after its name (the
// name found anywhere in the upper-cased attribute text); empty when written without quotes.
bool AttrValue(const String& attrs, const char* name, String& value, bool keepCase = false)
{
    const String upper = AnsiUpperCase(attrs);
    const Integer p = Pos(name, upper);
    if (p == 0) return false;
    value = String();
    const Integer q1 = Pos("\"", upper, p + static_cast<Integer>(std::strlen(name)));
    if (q1 == 0) return true;
    const Integer q2 = Pos("\"", upper, q1 + 1);
    if (q2 == 0) return true;
    value = Copy(keepCase ? attrs : upper, q1 + 1, q2 - q1 - 1);
    return true;
}

TColor ColorValue(const String& value)
{
    if (value.IsEmpty()) return clNone;
    if (value[1] == u'#') return ColorFromHex(value);
    return ColorFromName(AnsiLowerCase(value));
}

// The integer in quotes after the first `letter` (any case) of the attribute text.
bool LetterValue(const String& attrs, char16_t letter, Integer& value, bool whole)
{
    const String upper = AnsiUpperCase(attrs);
    const Integer p = Pos(String(std::u16string(1, letter)), upper);
    if (p == 0) return false;
    const Integer q1 = Pos("\"", upper, p + 1);
    const Integer q2 = q1 ? Pos("\"", upper, q1 + 1) : 0;
    if (q2 == 0) return false;
    const String text = Copy(upper, q1 + 1, q2 - q1 - 1);
    if (whole) return TryStrToInt(text, value);
    value = LeadingInteger(Copy(upper, q1 + 1));
    return true;
}

void SetBrushColor(TCanvas& c, TColor color)
{
    if (color == clNone) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Brush().SetColor(color);
    }
}

TColor BrushColor(TCanvas& c) { return c.Brush().Style() == TBrushStyle::bsClear ? clNone : c.Brush().Color(); }

class THTMLLayout {
public:
    THTMLLayout(TCanvas& canvas, const THTMLRenderParams& params, THTMLRenderResult& result, TRect area)
        : C(canvas), P(params), R(result), FArea(area)
    {
    }
    bool Run(const String& markup);

private:
    String Prepare(const String& markup) const;
    String Line(TPass pass, String& source, TRect rect);
    // One tag at the start of the source; false when it stops the line.
    void Tag(TPass pass, const String& source, TRect& rect, Integer& cl);
    void OpenAnchor(TPass pass, const String& attrs, const TRect& rect, Integer cl);
    void CloseAnchor(TPass pass, const TRect& rect, Integer cl);
    // The focused anchor's rectangle, closed at the right and the bottom, drawn one pixel wider on either side.
    void DrawFocus(Integer right, Integer bottom);
    void FontTag(TPass pass, const String& attrs);
    void ImageTag(TPass pass, const String& attrs, const TRect& rect, Integer& cl);
    void ListItem(TPass pass, const String& attrs, const TRect& rect, Integer& cl);
    void Paragraph(TPass pass, const String& attrs, const TRect& rect);
    void PageBackground(const String& attrs, const TRect& rect, Integer cl);
    // Image `index` of the image list at a point; for the printer a stretched bitmap of its size
    // times the printer scale.
    void DrawListImage(Integer index, TPoint at);
    TGraphic* Picture(const String& source);
    void WavyLine(Integer left, Integer right, Integer bottom);
    void SetStyle(TFontStyle style, bool on);
    Integer TextHeight() { return C.TextHeight("gh"); }
    Integer ChunkWidth(const String& chunk, const TRect& rect);

    TCanvas& C;
    const THTMLRenderParams& P;
    THTMLRenderResult& R;
    TRect FArea;
    Cardinal FFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
    double FScale = 1.0;
    Integer FListUnit = 12;
    TFont FSaved;                 // the font closing tags restore name, size and colour from
    TColor FEntryBrush = clNone;  // the canvas brush on entry
    // Layout state carried from line to line.
    Integer FAlign = 0;           // 0 left, 1 right, 2 centre
    bool FParaEnded = false;
    Integer FParaIndent = 0;
    Integer FLineOffset = 0;
    Integer FFloatLeft = 0, FFloatRight = 0, FFloatHeight = 0;
    double FLineHeightFactor = 1.0;
    Integer FParaFloat = 0;
    TPoint FFloatReturn;
    bool FInAnchor = false, FAnchorOpen = false, FShadow = false, FHidden = false, FErrorLine = false;
    bool FSub = false, FSup = false, FParaBack = false, FOrdered = false;
    String FHref, FTitle;
    Integer FListLevel = 0, FListNumber = 1;
    Integer FImageCount = 0;
    TColor FSavedBrush = clNone, FSavedParaBrush = clNone, FSavedPen = clBlack;
    TColor FHiColor = clNone, FHiBrush = clNone, FHotBrush = clNone, FHotText = clNone;
    TFontStyles FHiStyle;
    Integer FRotationSaved = 0;
    // One line.
    Integer FIncoming = 0;
    Integer FLineWidth = 0, FLineHeight = 0, FSubExtra = 0, FSupExtra = 0, FTextRaise = 0;
    bool FFull = false, FStopped = false, FListOnLine = false;
    bool FAnchorHit = false, FImageHit = false;
    TPoint FAnchorStart;
    Integer FLineTop = 0;
    TRect FFocus;
};

String THTMLLayout::Prepare(const String& markup) const
{
    String text = markup;
    if (Pos("&", text) > 0) {
        text = DecodeNamedEntities(text);
        while (ReplaceFirstNoCase("&amp;", "&&", text)) {
        }
    }
    text = UnwrapHashTags(text);
    text = DecodeNumericRefs(text);
    return LineBreaksToBR(text, true);
}

Integer THTMLLayout::ChunkWidth(const String& chunk, const TRect& rect)
{
    TRect r = rect;
    DrawTextEx(C.Handle(), chunk, -1, &r, FFlags | DT_CALCRECT, nullptr);
    return r.Width();
}

void THTMLLayout::SetStyle(TFontStyle style, bool on)
{
    TFontStyles styles = C.Font().Style();
    if (on) styles.Include(style); else styles.Exclude(style);
    C.Font().SetStyle(styles);
}

// A red wavy line under a chunk, two pixels per wave step.
void THTMLLayout::WavyLine(Integer left, Integer right, Integer bottom)
{
    C.Pen().SetColor(0x0000FF);
    C.Pen().SetWidth(1);
    Integer x = left & ~1;
    Integer phase = x % 4 == 0 ? 2 : 0;
    C.MoveTo(x, bottom + phase - 1);
    while (x < right) {
        phase = 2 - phase;
        C.LineTo(x + 2, bottom + phase - 1);
        x += 2;
    }
}

TGraphic* THTMLLayout::Picture(const String& source)
{
    if (Pos("://", source) > 0) {
        if (!P.PictureCache) return nullptr;
        TGraphic* picture = P.PictureCache->FindPicture(source);
        if (!picture) {
            THTMLPicture* loaded = P.PictureCache->AddPicture();
            loaded->SetAsynch(false);
            loaded->LoadFromURL(source);
            picture = P.PictureCache->FindPicture(source);
        }
        return picture && !picture->Empty() ? picture : nullptr;
    }
    if (Pos(":", source) > 0 || !P.Pictures) return nullptr;
    TGraphic* picture = P.Pictures->FindPicture(source);
    return picture && !picture->Empty() ? picture : nullptr;
}

bool THTMLLayout::Run(const String& markup)
{
    R = THTMLRenderResult();
    FScale = P.DpiScale > 0 ? P.DpiScale : C.GetDeviceCaps(LOGPIXELSY) / 96.0;
    TFont measureFont, measureSaved, drawFont, drawSaved;
    measureFont.Assign(C.Font());
    measureSaved.Assign(C.Font());
    drawFont.Assign(C.Font());
    drawSaved.Assign(C.Font());
    FSaved.Assign(C.Font());
    const TBrushStyle entryStyle = C.Brush().Style();
    FEntryBrush = BrushColor(C);
    SetBrushColor(C, clNone);
    FListUnit = MulDiv(12, C.GetDeviceCaps(LOGPIXELSX), 96);
    C.SetBkMode(TRANSPARENT);
    String rest = Prepare(markup);
    if (Pos(" & ", markup) > 0) FFlags |= DT_NOPREFIX;
    if (!P.Wrap) FFlags |= DT_END_ELLIPSIS;

    TRect work = FArea;
    bool result = false;
    while (!rest.IsEmpty()) {
        FSaved.Assign(measureSaved);
        C.Font().Assign(measureFont);
        const bool inAnchor = FInAnchor, shadow = FShadow;
        const String href = FHref;
        const Integer paraFloat = FParaFloat;
        FSubExtra = FSupExtra = 0;
        FSub = FSup = false;
        const Integer baseHeight = TextHeight();
        FLineHeight = baseHeight;
        rest = Trim(rest);
        if (rest.IsEmpty()) break;
        FLineHeightFactor = 1.0;
        if (FParaEnded) FAlign = 0;
        FParaEnded = false;
        const Integer links = R.LinkCount, level = FListLevel, images = FImageCount;

        String source = Line(pMeasure, rest, work);
        FInAnchor = inAnchor;
        FShadow = shadow;
        FHref = href;
        FParaFloat = paraFloat;
        measureFont.Assign(C.Font());
        measureSaved.Assign(FSaved);
        FLineHeight = RoundEven((FLineHeight + P.ExtraLineSpace) * FLineHeightFactor);
        FLineHeightFactor = 1.0;

        TRect line = work;
        if (FAlign == 1 && line.Right - FLineWidth > line.Left) line.Left = line.Right - FLineWidth;
        if (FAlign == 2 && line.Right - line.Left - FLineWidth > 0) line.Left += (line.Right - line.Left - FLineWidth) / 2;
        line.Left += FParaIndent;
        line.Bottom = line.Top + FLineHeight + FSubExtra + FSupExtra;

        if (!P.MeasureOnly) {
            FSaved.Assign(drawSaved);
            C.Font().Assign(drawFont);
            R.LinkCount = links;
            FListLevel = level;
            FImageCount = images;
            Line(P.HitTestPass ? pHitTest : pDraw, source, line);
            work.Left = FArea.Left + FFloatLeft;
            work.Right = FArea.Right - FFloatRight;
            if (line.Top > FFloatHeight) {
                FFloatLeft = FFloatRight = FFloatHeight = 0;
                work.Left = FArea.Left;
            }
            const Integer bottom = line.Bottom;
            if (FAnchorHit && bottom - FTextRaise - TextHeight() < P.PointY && P.PointY < bottom - FTextRaise) result = true;
            if (FImageHit) result = true;
            drawFont.Assign(C.Font());
            drawSaved.Assign(FSaved);
        }
        if (FParaFloat != paraFloat && FParaFloat != 0) {
            work.Left = FFloatReturn.X;
            work.Top = FFloatReturn.Y;
            FParaFloat = 0;
        } else {
            FTextRaise = 0;
            work.Top += FLineHeight + FSubExtra + FSupExtra;
            R.TotalHeight += FLineHeight + FSubExtra + FSupExtra;
        }
        if (!P.MeasureOnly && work.Top + baseHeight > work.Bottom) rest = String();
    }
    if (R.TotalHeight == 0) R.TotalHeight = TextHeight();
    SetBrushColor(C, entryStyle == TBrushStyle::bsClear ? clNone : FEntryBrush);
    C.Font().Assign(FSaved);
    return result && !P.MeasureOnly;
}

String THTMLLayout::Line(TPass pass, String& source, TRect rect)
{
    String consumed;
    FLineWidth = 0;
    FTitle = String();
    const Integer incoming = FLineHeight;
    FIncoming = incoming;
    FLineHeight = 0;
    FAnchorHit = FImageHit = false;
    FFull = FStopped = FListOnLine = false;
    FLineTop = rect.Top;
    rect.Bottom -= FSubExtra;
    Integer cl = rect.Left + (pass == pDraw ? FLineOffset : 0);
    Integer trailingBlank = 0;
    if (pass == pDraw && FParaBack) {
        FSavedPen = C.Pen().Color();
        C.Pen().SetColor(BrushColor(C));
        C.Rectangle(FArea.Left, rect.Top, FArea.Right, rect.Top + incoming);
    }
    while (!source.IsEmpty() && !FFull && !FStopped) {
        Integer end = Pos("<", source);
        if (P.Wrap) {
            const Integer blank = Pos(" ", source);
            if (blank > 0 && (end == 0 || blank < end)) end = blank + 1;
        }
        const String raw = end == 0 ? source : Copy(source, 1, end - 1);
        String chunk = StringReplace(raw, "&nbsp;", " ", rfReplaceAll);
        chunk = StringReplace(chunk, "&lt;", "<", rfReplaceAll);
        chunk = StringReplace(chunk, "&gt;", ">", rfReplaceAll);
        if (!chunk.IsEmpty()) {
            if (FLineHeight == 0) FLineHeight = incoming;
            const Integer h = C.TextHeight(chunk);
            if (FSub) FSubExtra = std::max(FSubExtra, h / 4);
            if (FSup) FSupExtra = std::max(FSupExtra, h / 4);
            FLineHeight = std::max(FLineHeight, h);
            R.VisibleText += chunk;
            if (FHidden) {
                Delete(source, 1, raw.Length());
                continue;
            }
            const Integer w = ChunkWidth(chunk, rect);
            FLineWidth += w;
            if (pass != pDraw && FInAnchor && P.PointX - rect.Left >= FLineWidth - w && P.PointX - rect.Left <= FLineWidth) {
                FAnchorHit = true;
                if (P.PointY > rect.Top) {
                    R.LinkHref = FHref;
                    R.LinkTitle = FTitle;
                }
            }
            if (pass == pDraw) {
                TRect cr{cl, rect.Top, rect.Right, rect.Bottom};
                if (FSup) cr.Bottom -= FSupExtra;
                if (FSub) cr.Bottom += FSubExtra;
                cr.Bottom -= FTextRaise;
                TRect extent = cr;
                DrawTextEx(C.Handle(), chunk, -1, &extent, FFlags | DT_CALCRECT, nullptr);
                if (C.Font().Style().Contains(TFontStyle::fsItalic)) cr.Right += 2;
                const bool visible = P.Wrap || cl < rect.Right - C.TextWidth("l");
                if (visible) {
                    const Cardinal flags = FFlags & ~Cardinal(DT_EXTERNALLEADING);
                    if (FShadow) {
                        const TColor color = C.Font().Color();
                        C.Font().SetColor(P.ShadowTint);
                        TRect shadow{cr.Left + P.ShadowShift, cr.Top + P.ShadowShift, cr.Right + P.ShadowShift,
                                     cr.Bottom + P.ShadowShift};
                        DrawTextEx(C.Handle(), chunk, -1, &shadow, flags, nullptr);
                        C.Font().SetColor(color);
                    }
                    DrawTextEx(C.Handle(), chunk, -1, &cr, flags, nullptr);
                }
                if (FInAnchor && R.LinkCount - 1 == P.FocusedLink) R.LinkTitle = FHref;
                if (FErrorLine) WavyLine(cl, cl + extent.Width(), rect.Bottom);
                cl += extent.Width();
            }
            const Integer available = rect.Width() - FLineOffset;
            if (FLineWidth < available || w >= available || !P.Wrap) {
                consumed += raw;
                Delete(source, 1, raw.Length());
                trailingBlank = chunk[chunk.Length()] == u' ' ? C.TextWidth(" ") : 0;
            } else {
                FFull = true;
                FLineWidth -= w;
            }
        }
        if (FFull || source.IsEmpty() || source[1] != u'<') continue;
        if (source.Length() <= 2) {
            source = String();
            break;
        }
        Tag(pass, source, rect, cl);
        if (FStopped) break;
        const Integer close = Pos(">", source);
        if (close == 0) {
            source = String();
            break;
        }
        consumed += Copy(source, 1, close);
        Delete(source, 1, close);
    }
    FLineWidth -= trailingBlank;
    if (FLineWidth > R.WidestLine) R.WidestLine = FLineWidth + 2;
    // The focused anchor goes on below: its rectangle closes with this line and starts anew.
    if (pass == pDraw && FAnchorOpen && R.LinkCount - 1 == P.FocusedLink) {
        DrawFocus(cl, rect.Bottom);
        FFocus = TRect{rect.Left + 1, rect.Bottom, rect.Left + 1, rect.Bottom};
    }
    return consumed;
}

void THTMLLayout::Tag(TPass pass, const String& source, TRect& rect, Integer& cl)
{
    const String upper = AnsiUpperCase(source);
    const bool closing = source[2] == u'/' && source.Length() > 3;
    const char16_t letter = closing ? upper[3] : upper[2];
    const char16_t next = source.Length() >= (closing ? 4 : 3) ? upper[closing ? 4 : 3] : u'\0';
    const Integer gt = Pos(">", source);
    auto attrs = [&](Integer from) { return gt > 0 ? Copy(source, from, gt - from) : Copy(source, from); };
    const bool draw = pass == pDraw;
    if (closing) {
        switch (letter) {
        case u'A': CloseAnchor(pass, rect, cl); break;
        case u'B':
            if (next == u'>') SetStyle(TFontStyle::fsBold, false); else C.Font().SetColor(FSaved.Color());
            break;
        case u'E':
            if (draw) FErrorLine = false;
            break;
        case u'F':
            C.Font().SetName(FSaved.Name());
            C.Font().SetSize(FSaved.Size());
            if (draw && !P.IsSelected) {
                C.Font().SetColor(FSaved.Color());
                SetBrushColor(C, FSavedBrush);
            }
            break;
        case u'H':
            if (next == u'I' && draw) {
                C.Font().SetColor(FHiColor);
                C.Font().SetStyle(FHiStyle);
                SetBrushColor(C, FHiBrush);
            }
            break;
        case u'I': SetStyle(TFontStyle::fsItalic, false); break;
        case u'L': FFull = true; break;
        case u'O':
            if (next == u'>') {
                FLineOffset = 0;
            } else if (FListLevel > 0) {
                --FListLevel;
                if (draw) FOrdered = false;
            } else {
                FLineOffset = 0;
            }
            break;
        case u'P':
            FFull = true;
            FParaEnded = true;
            if (draw) {
                FLineHeightFactor = 1.0;
                FParaBack = false;
                FAlign = 0;
                if (!P.IsSelected) SetBrushColor(C, FSavedParaBrush);
            }
            break;
        case u'R': C.Font().SetOrientation(FRotationSaved); break;
        case u'S':
            if (next == u'T') {
                SetStyle(upper.Length() >= 6 && upper[6] == u'O' ? TFontStyle::fsBold : TFontStyle::fsStrikeOut, false);
            } else if (next == u'U') {
                FSub = FSup = false;
            } else if (next == u'P') {
                SetBrushColor(C, FSavedBrush);
                SetBrushColor(C, clNone);
            } else if (next == u'H') {
                FShadow = false;
            } else {
                SetStyle(TFontStyle::fsStrikeOut, false);
            }
            break;
        case u'U':
            if (next == u'>') SetStyle(TFontStyle::fsUnderline, false);
            else if (FListLevel > 0) --FListLevel;
            else SetStyle(TFontStyle::fsUnderline, false);
            break;
        case u'Z': FHidden = false; break;
        default: break;
        }
        return;
    }
    switch (letter) {
    case u'A': OpenAnchor(pass, attrs(3), rect, cl); break;
    case u'B':
        if (next == u'>') {
            SetStyle(TFontStyle::fsBold, true);
        } else if (next == u'L') {
            if (!P.BlinkPhase) C.Font().SetColor(FEntryBrush);
        } else if (next == u'O') {
            if (draw && !P.IsSelected) PageBackground(attrs(6), rect, cl);
        } else if (next == u'R') {
            FFull = true;
            if (FLineHeight == 0) FLineHeight = FIncoming;   // an empty line keeps its height
            R.VisibleText += "\r";
        }
        break;
    case u'E':
        if (draw) FErrorLine = true;
        break;
    case u'F':
        if (gt > 0) FontTag(pass, attrs(6));
        break;
    case u'H':
        if (next == u'I' && draw) {
            FHiColor = C.Font().Color();
            FHiStyle = C.Font().Style();
            FHiBrush = BrushColor(C);
            SetBrushColor(C, P.HiliteBackColor);
            C.Font().SetColor(P.HiliteTextColor);
            C.Font().SetStyle(P.HiliteStyle);
        } else if (next == u'R') {
            FFull = true;
            if (draw) {
                String value;
                const bool hasColor = AttrValue(attrs(4), "COLOR", value, true);
                const TColor pen = C.Pen().Color();
                C.Pen().SetWidth(1);
                C.Pen().SetColor(hasColor ? ColorValue(value) : clBlack);
                C.MoveTo(FArea.Left, rect.Bottom + 1);
                C.LineTo(FArea.Right, rect.Bottom + 1);
                C.Pen().SetColor(pen);
            }
        }
        break;
    case u'I':
        if (next == u'>') {
            SetStyle(TFontStyle::fsItalic, true);
        } else if (next == u'N') {
            Integer x = 0;
            if (LetterValue(attrs(3), u'X', x, true) && FLineWidth < x * FScale) {
                FLineWidth = RoundEven(x * FScale);
                cl = FArea.Left + RoundEven(x * FScale);
            }
        } else if (next == u'M') {
            ImageTag(pass, attrs(3), rect, cl);
        }
        break;
    case u'J':
        if (!FHidden && source.Length() >= 5) cl += DrawColorEmoji(C, cl, FLineTop, !draw, Copy(source, 4, 2), C.Font().Size());
        break;
    case u'L':
        if (gt > 0) ListItem(pass, attrs(3), rect, cl);
        break;
    case u'O':
        if (next == u'L') {
            ++FListLevel;
            if (FLineWidth > 0) FFull = true;
            FOrdered = true;
            FListNumber = 1;
        } else if (next == u'F') {
            Integer offset = 0;
            LetterValue(attrs(3), u'X', offset, false);
            FLineOffset = offset;
            cl = FArea.Left + offset;
            FLineWidth = offset;
        }
        break;
    case u'P':
        if (gt > 0) Paragraph(pass, attrs(3), rect);
        break;
    case u'R': {
        Integer angle = 0;
        LetterValue(attrs(3), u'A', angle, false);
        FRotationSaved = C.Font().Orientation();
        C.Font().SetOrientation(angle * 10);
        break;
    }
    case u'S':
        if (upper.Length() >= 5 && Copy(upper, 1, 5) == "<SUB>") {
            FSub = true;
        } else if (upper.Length() >= 5 && Copy(upper, 1, 5) == "<SUP>") {
            FSup = true;
        } else if (next == u'>') {
            SetStyle(TFontStyle::fsStrikeOut, true);
        } else if (next == u'T') {
            SetStyle(upper.Length() >= 5 && upper[5] == u'O' ? TFontStyle::fsBold : TFontStyle::fsStrikeOut, true);
        } else if (next == u'H') {
            FShadow = true;
        } else if (next == u'P' && gt > 0) {
            String style;
            const String a = attrs(6);
            const Integer eq = Pos("=", a);
            const Integer q = eq ? Pos("\"", a, eq) : 0;
            if (q > 0) style = Copy(AnsiUpperCase(a), q + 1);
            if (Copy(style, 1, 17) == "BACKGROUND-COLOR:") {
                style = Copy(style, 18);
                if (!style.IsEmpty() && style[1] == u'#') {
                    FSavedBrush = BrushColor(C);
                    SetBrushColor(C, ColorFromHex(style));
                }
            }
        }
        break;
    case u'U':
        if (next == u'>') {
            SetStyle(TFontStyle::fsUnderline, true);
        } else {
            ++FListLevel;
            if (FLineWidth > 0) FFull = true;
            FOrdered = false;
        }
        break;
    case u'Z': FHidden = true; break;
    default: break;
    }
}

void THTMLLayout::OpenAnchor(TPass pass, const String& attrs, const TRect& rect, Integer cl)
{
    FAnchorOpen = true;
    FSaved.SetColor(C.Font().Color());
    if (pass == pDraw && R.LinkCount == P.FocusedLink) FFocus = TRect{cl, FLineTop, cl, FLineTop};
    const Integer n = ++R.LinkCount;
    const bool hot = !P.HotLinkOnly || P.HotLink == n;
    if (pass == pDraw && hot) {
        SetStyle(TFontStyle::fsUnderline, true);
        if (P.HotLinkBackColor != clNone) {
            FHotBrush = BrushColor(C);
            SetBrushColor(C, P.HotLinkBackColor);
        }
        if (P.HotLinkTextColor != clNone) {
            FHotText = C.Font().Color();
            C.Font().SetColor(P.HotLinkTextColor);
        }
    }
    if (!P.IsSelected && !(P.HotLinkTextColor != clNone && P.HotLink == n && P.HotLinkOnly)) C.Font().SetColor(P.LinkColor);
    String value;
    if (AttrValue(attrs, "HREF", value, true)) {
        FHref = value;
        FInAnchor = true;
    }
    FTitle = AttrValue(attrs, "TITLE", value, true) ? value : String();
    FAnchorStart = TPoint{FLineWidth, FLineTop};
    (void)rect;
}

void THTMLLayout::DrawFocus(Integer right, Integer bottom)
{
    C.DrawFocusRect(TRect{FFocus.Left - 1, FFocus.Top, right + 1, bottom});
}

void THTMLLayout::CloseAnchor(TPass pass, const TRect& rect, Integer cl)
{
    FAnchorOpen = false;
    const Integer n = R.LinkCount;
    if (pass == pDraw && n - 1 == P.FocusedLink) {
        const Integer bottom = rect.Bottom - FTextRaise;
        FFocus.Top = bottom - TextHeight();
        DrawFocus(cl, bottom);
    }
    if (pass == pDraw && (!P.HotLinkOnly || P.HotLink == n)) {
        SetStyle(TFontStyle::fsUnderline, false);
        if (P.HotLinkBackColor != clNone) SetBrushColor(C, FHotBrush);
        if (P.HotLinkTextColor != clNone) C.Font().SetColor(FHotText);
    }
    if (!P.IsSelected) C.Font().SetColor(FSaved.Color());
    if (FAnchorHit && FInAnchor && P.PointY > rect.Top) {
        const TPoint start = FAnchorStart.Y == FLineTop ? FAnchorStart : TPoint{0, FLineTop};
        R.HitLinkRect = TRect{rect.Left + start.X, start.Y, rect.Left + FLineWidth, rect.Bottom};
        R.HitLink = n;
    }
    FInAnchor = false;
}

void THTMLLayout::FontTag(TPass pass, const String& attrs)
{
    FSavedBrush = BrushColor(C);
    String value;
    if (AttrValue(attrs, "FACE", value)) C.Font().SetName(value);
    if (AttrValue(attrs, " COLOR", value) && !P.IsSelected && pass == pDraw) {
        if (!FAnchorOpen) FSaved.SetColor(C.Font().Color());
        if (!value.IsEmpty()) C.Font().SetColor(ColorValue(value));
    }
    if (AttrValue(attrs, "BGCOLOR", value) && pass == pDraw && !P.IsSelected && !value.IsEmpty())
        SetBrushColor(C, ColorValue(value));
    const String upper = AnsiUpperCase(attrs);
    if (Pos("STYLE", upper) > 0) {
        const Integer eq = Pos("=", upper);
        const Integer q = eq ? Pos("\"", upper, eq) : 0;
        String style = q ? Copy(upper, q + 1) : String();
        if (Copy(style, 1, 10) == "FONT-SIZE:") {
            style = Copy(style, 11);
            const Integer pt = Pos("PT", style);
            if (pt > 0) C.Font().SetSize(LeadingInteger(Trim(Copy(style, 1, pt - 1))));
        }
    } else if (AttrValue(attrs, "SIZE", value)) {
        const Integer n = std::clamp(LeadingInteger(value), -MaxFontHeight, MaxFontHeight);
        static const Integer steps[] = {0, 1, 2, 4, 6, 8};
        if (n >= 1 && n <= 5) {
            C.Font().SetSize(FSaved.Size() + steps[n]);
        } else if (!P.ScaledFonts) {
            C.Font().SetHeight(-RoundEven(n * 96.0 / 72.0));
        } else if (P.DpiScale != -1) {
            C.Font().SetHeight(-RoundEven(n * P.DpiScale * 96.0 / 72.0));
        } else {
            C.Font().SetHeight(-RoundEven(n * C.GetDeviceCaps(LOGPIXELSX) / 72.0));
        }
    }
}

void THTMLLayout::ImageTag(TPass pass, const String& attrs, const TRect& rect, Integer& cl)
{
    const String upper = AnsiUpperCase(attrs);
    ++FImageCount;
    const Integer t = TextHeight();
    TPoint at{cl, FLineTop};
    String src, value;
    AttrValue(attrs, "SRC", src, true);
    const Integer width = AttrValue(attrs, "WIDTH", value) ? LeadingInteger(value) : 0;
    const Integer height = AttrValue(attrs, "HEIGHT", value) ? LeadingInteger(value) : 0;
    String align, floating;
    AttrValue(attrs, "ALIGN", align);
    AttrValue(attrs, "FLOAT", floating);
    if (floating == "LEFT") at.X = FArea.Left;
    TSize layout{0, 0}, drawing{0, 0};
    auto offsetFor = [&](Integer h) {
        if (h >= t) return 0;
        return align == "MIDDLE" ? (t - h) / 2 : (align == "TOP" ? 0 : t - h);
    };
    const String upperSrc = AnsiUpperCase(src);
    if (Copy(upperSrc, 1, 4) == "IDX:") {
        const Integer index = LeadingInteger(Copy(src, 5));
        if (P.ImageList && index >= 0 && index < P.ImageList->Count()) {
            layout = TSize{P.ImageList->Width(), P.ImageList->Height()};
            if (pass == pDraw) DrawListImage(index, P.PrinterOutput ? at : TPoint{at.X, at.Y + offsetFor(layout.cy)});
        }
    } else if (Copy(upperSrc, 1, 5) == "SSYS:" || Copy(upperSrc, 1, 5) == "LSYS:") {
        DrawSystemIcon(C, at.X, at.Y, layout, P.PrinterScale, P.PrinterOutput, pass == pDraw, upperSrc[1] == u'L',
                       Copy(src, 6));
    } else if (TGraphic* picture = Picture(src)) {
        drawing = TSize{picture->Width(), picture->Height()};
        if (width > 0 && height > 0) drawing = TSize{width, height};
        else if (width > 0) drawing = TSize{width, RoundEven(picture->Height() * double(width) / picture->Width())};
        else if (height > 0) drawing = TSize{RoundEven(picture->Width() * double(height) / picture->Height()), height};
        if (floating == "RIGHT") at.X = rect.Right - drawing.cx;
        auto* html = dynamic_cast<THTMLPicture*>(picture);
        if (pass == pDraw && (width > 0 || height > 0)) {
            if (html) html->SetStretch(true);
            C.StretchDraw(TRect{at.X, at.Y, at.X + drawing.cx, at.Y + drawing.cy}, *picture);
        } else if (pass == pDraw && html) {
            // An animation shows its current frame at the frame's place over the background.
            if (html->FrameCount() > 1) {
                const TColor pen = C.Pen().Color(), brush = BrushColor(C);
                C.Pen().SetColor(FEntryBrush);
                SetBrushColor(C, FEntryBrush);
                C.Rectangle(at.X, at.Y, at.X + html->MaxWidth(), at.Y + html->MaxHeight());
                C.Pen().SetColor(pen);
                SetBrushColor(C, brush);
            }
            C.Draw(at.X + html->FrameXPos(), at.Y + html->FrameYPos() + offsetFor(drawing.cy), *picture);
        } else if (pass == pDraw) {
            C.Draw(at.X, at.Y + offsetFor(drawing.cy), *picture);
        }
        if (width > 0 || height > 0)
            layout = P.DpiScale > 0 ? TSize{RoundEven(P.DpiScale * drawing.cx), RoundEven(drawing.cy * P.DpiScale)}
                                    : TSize{MulDiv(drawing.cx, C.GetDeviceCaps(LOGPIXELSX), 96),
                                            MulDiv(drawing.cy, C.GetDeviceCaps(LOGPIXELSY), 96)};
        else if (html)
            layout = TSize{html->MaxWidth(), html->MaxHeight()};
        else
            layout = drawing;
    }
    if (FLineWidth < P.PointX - rect.Left && P.PointX - rect.Left < FLineWidth + layout.cx && FLineTop < P.PointY &&
        P.PointY < FLineTop + layout.cy && FInAnchor) {
        FImageHit = true;
        R.LinkHref = FHref;
        if (!FTitle.IsEmpty()) R.LinkTitle = FTitle;
    }
    if (rect.Width() < FLineWidth + layout.cx && layout.cx < rect.Width()) {
        FStopped = true;
        --FImageCount;
        return;
    }
    FLineWidth += layout.cx + 2;
    cl += layout.cx + 2;
    FLineHeight = std::max(FLineHeight, layout.cy);
    if (Pos("ALIGN", upper) > 0) {
        if (Pos("\"TOP", upper) > 0) FTextRaise = std::max(0, FLineHeight - t);
        else if (Pos("\"MIDDLE", upper) > 0) FTextRaise = std::max(0, (FLineHeight - t) / 2);
    }
    if (Pos("WRAP", upper) > 0) {
        FLineHeight = t;
        FTextRaise = 0;
    }
    if (floating == "LEFT") {
        FTextRaise = FLineHeight - t;
        FFloatLeft = drawing.cx + 2;
        FFloatHeight = drawing.cy;
        if (pass == pDraw) FLineHeight = t;
    } else if (floating == "RIGHT") {
        FTextRaise = std::max(0, FLineHeight - t);
        FFloatRight = drawing.cx + 2;
        FFloatHeight = drawing.cy;
        if (pass == pDraw) FLineHeight = t;
        FLineWidth = FArea.Right;
    }
}

void THTMLLayout::ListItem(TPass pass, const String& attrs, const TRect& rect, Integer& cl)
{
    String type, name, value;
    AttrValue(attrs, "TYPE", type);
    AttrValue(attrs, "NAME", name);
    const TColor color = AttrValue(attrs, "COLOR", value) ? ColorValue(value) : clNone;
    FLineWidth += FListUnit * FListLevel;
    if (FListOnLine) {
        FStopped = true;
        return;
    }
    FListOnLine = true;
    cl += FListUnit * (FListLevel - 1);
    if (pass == pDraw && !FHidden) {
        const Integer top = rect.Top;
        if (!type.IsEmpty()) {
            if (type == "SQUARE" || type == "CIRCLE") {
                const TColor brush = BrushColor(C);
                C.Pen().SetColor(color);
                SetBrushColor(C, color);
                if (type == "SQUARE") C.Rectangle(cl, top + 2, cl + 8, top + 10); else C.Ellipse(cl, top + 2, cl + 8, top + 10);
                SetBrushColor(C, brush);
            } else if (type == "IMAGE" && P.Pictures) {
                TGraphic* picture = P.Pictures->FindPicture(name);
                if (picture && !picture->Empty()) {
                    C.Draw(cl, top + 2, *picture);
                    if (picture->Width() > 12) cl += picture->Width() - 12;
                }
            }
        } else {
            const String fontName = C.Font().Name();
            const TColor fontColor = C.Font().Color();
            if (color != clNone) C.Font().SetColor(color);
            C.Font().SetName("Symbol");
            String bullet;
            if (FOrdered) {
                bullet = IntToStr(FListNumber++) + ". ";
                TRect r{cl, top, rect.Right, rect.Bottom};
                DrawText(C.Handle(), bullet, -1, &r, 0);
                cl += C.TextWidth(bullet) - 12;
            } else {
                bullet = FListLevel % 2 == 1 ? String(u"\u00B7") : String("o");
                TRect r{cl, top, rect.Right, rect.Bottom};
                DrawText(C.Handle(), bullet, -1, &r, 0);
            }
            C.Font().SetName(fontName);
            C.Font().SetColor(fontColor);
        }
    }
    cl += FListUnit;
}

void THTMLLayout::Paragraph(TPass pass, const String& attrs, const TRect& rect)
{
    String value;
    if (AttrValue(attrs, "ALIGN", value)) {
        if (Pos("RIGHT", value) > 0) FAlign = 1;
        if (Pos("LEFT", value) > 0) FAlign = 0;
        if (Pos("CENTER", value) > 0) FAlign = 2;
    }
    if (AttrValue(attrs, "INDENT", value)) FParaIndent = LeadingInteger(value);
    if (AttrValue(attrs, "LINE-HEIGHT", value)) {
        FLineHeightFactor = LeadingFloat(value);
        if (FLineHeightFactor == 0) FLineHeightFactor = 1.0;
    }
    if (AttrValue(attrs, "FLOAT", value) && (value == "LEFT" || value == "RIGHT")) {
        FParaFloat = value == "LEFT" ? 1 : 2;
        FFloatReturn = TPoint{rect.Left, rect.Top};
    }
    String to;
    if (AttrValue(attrs, "BGCOLOR", value) && !P.IsSelected && pass == pDraw) {
        FParaBack = true;
        if (AttrValue(attrs, "BGCOLORTO", to)) {
            C.Pen().SetColor(ColorValue(value));
            FillGradientRect(C, ColorValue(value), ColorValue(to), true, TRect{FArea.Left, rect.Top, FArea.Right, rect.Bottom + 2},
                             64, clNone);
            SetBrushColor(C, clNone);
        } else {
            FSavedParaBrush = BrushColor(C);
            FSavedPen = C.Pen().Color();
            SetBrushColor(C, ColorValue(value));
            C.Pen().SetColor(ColorValue(value));
            C.Rectangle(FArea.Left, rect.Top, FArea.Right, rect.Bottom);
        }
    }
}

void THTMLLayout::DrawListImage(Integer index, TPoint at)
{
    if (!P.PrinterOutput) {
        P.ImageList->Draw(C, at.X, at.Y, index, true);
        return;
    }
    TBitmap image;
    P.ImageList->GetBitmap(index, image);
    StretchBitmapToCanvas(C, TRect{at.X, at.Y, at.X + RoundEven(image.Width() * P.PrinterScale),
                                   at.Y + RoundEven(image.Height() * P.PrinterScale)}, image);
}

// Background pictures of the page: an image-list image or a shell icon once at the line, a named
// or URL picture tiled over the area (down its right edge for BGTOPRIGHT), clipped to it.
void THTMLLayout::PageBackground(const String& attrs, const TRect& rect, Integer cl)
{
    String value, to;
    for (const char* name : {"BACKGROUND", "BGTOPLEFT", "BGTOPRIGHT"}) {
        if (!AttrValue(attrs, name, value, true)) continue;
        const bool right = std::string(name) == "BGTOPRIGHT";
        const String upper = AnsiUpperCase(value);
        if (Copy(upper, 1, 4) == "IDX:") {
            const Integer index = LeadingInteger(Copy(value, 5));
            if (!P.ImageList || index < 0 || index >= P.ImageList->Count()) continue;
            DrawListImage(index, TPoint{right && !P.PrinterOutput ? rect.Right - P.ImageList->Width() : cl, FLineTop});
            continue;
        }
        if (Copy(upper, 1, 5) == "SSYS:" || Copy(upper, 1, 5) == "LSYS:") {
            // at the right, a shell icon stands off by the image list's image width like an image
            // of the list; without a list, by its own width
            const bool large = upper[1] == u'L';
            const Integer width = P.ImageList ? P.ImageList->Width() : ShellIconSize(large);
            TSize size;
            DrawSystemIcon(C, right ? rect.Right - width : cl, FLineTop, size, P.PrinterScale, P.PrinterOutput, true,
                           large, Copy(value, 6));
            continue;
        }
        TGraphic* picture = Picture(value);
        if (!picture) continue;
        const TRegion area(FArea);
        C.SelectClipRgn(&area);
        for (Integer y = FArea.Top; y < FArea.Bottom; y += picture->Height())
            for (Integer x = right ? FArea.Right - picture->Width() : FArea.Left; x < FArea.Right; x += picture->Width()) {
                C.Draw(x, y, *picture);
                if (right) break;
            }
        C.SelectClipRgn(nullptr);
    }
    if (!AttrValue(attrs, "BGCOLOR", value)) return;
    const TColor first = ColorValue(value);
    if (AttrValue(attrs, "BGCOLORTO", to)) {
        String dir;
        const bool horizontal = !AttrValue(attrs, "DIR", dir) || dir == "H";
        C.Pen().SetColor(first);
        FillGradientRect(C, first, ColorValue(to), horizontal, FArea, 64, clNone);
        SetBrushColor(C, clNone);
        return;
    }
    FSavedBrush = BrushColor(C);
    const TColor pen = C.Pen().Color();
    SetBrushColor(C, first);
    C.Pen().SetColor(first);
    C.Rectangle(FArea.Left - 2, FArea.Top, FArea.Right, FArea.Bottom);
    C.Pen().SetColor(pen);
}

}  // namespace

bool RenderMiniHTML(TCanvas& DrawCanvas, const String& Markup, TRect Area, const THTMLRenderParams& Params,
                    THTMLRenderResult& Result)
{
    THTMLLayout layout(DrawCanvas, Params, Result, Area);
    return layout.Run(Markup);
}
