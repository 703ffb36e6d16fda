// The mini-HTML text engine: the markup prepared (entities, line breaks), then laid out line by
// line; each line is measured first and then drawn, or hit-tested, from the same markup.
#include "graphics/GxGraphicsHTMLEngine.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "graphics/GxUtils.h"
#include "graphics/PictureContainer.h"
#include "platform/rtl/FileSys.h"
#include "platform/stdctrls/ImgList.h"

namespace {

using U16 = std::u16string;

U16 Upper(U16 s)
{
    for (char16_t& c : s)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    return s;
}

void ReplaceAll(U16& s, const U16& from, const U16& to)
{
    for (size_t at = s.find(from); at != U16::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHexDigit(char16_t c) { return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// The value of a numeric entity as text: one character, a surrogate pair above $FFFF, or for
// the pictographs from 126980 up a tag the layout consumes without drawing.
U16 EntityText(long value)
{
    if (value >= 126980) return u"<J " + U16(1, static_cast<char16_t>(value & 0xFFFF)) + u" >";
    if (value < 0x10000) return U16(1, static_cast<char16_t>(value));
    const long v = value - 0x10000;
    return {static_cast<char16_t>(0xD800 + (v >> 10)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
}

// Numeric entities "&#nnn;" (one to six decimal digits) and "&#xhhh;" (the whole hexadecimal
// value) become their characters; an entity that does not read stays as text.
U16 DecodeNumericEntities(const U16& s)
{
    const size_t first = s.find(u"&#");
    if (first == U16::npos || (first > 0 && s[first - 1] == u'&')) return s;
    U16 out;
    size_t at = 0;
    while (at < s.size()) {
        const size_t start = s.find(u"&#", at);
        if (start == U16::npos) {
            out += s.substr(at);
            break;
        }
        out += s.substr(at, start - at);
        const size_t semi = s.find(u';', start);
        if (semi == U16::npos) {
            out += s.substr(start);   // no ";" anywhere after: the rest is text
            break;
        }
        const bool hex = start + 2 < s.size() && (s[start + 2] == u'x' || s[start + 2] == u'X');
        const size_t digits = start + (hex ? 3 : 2);
        size_t end = semi;
        if (semi - start > 7 + (hex ? 2 : 0)) {
            // a ";" far away: the number ends at its first character that is no digit
            end = digits;
            while (end < s.size() && (hex ? IsHexDigit(s[end]) : IsDigit(s[end]))) ++end;
        }
        const U16 number = s.substr(digits, end - digits);
        const bool valid = !number.empty() && number.size() <= 6 &&
                           std::all_of(number.begin(), number.end(), hex ? IsHexDigit : IsDigit);
        const long value = valid ? std::stol(std::string(number.begin(), number.end()), nullptr, hex ? 16 : 10) : -1;
        if (value < 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            out += u"&#";
            at = start + 2;
            continue;
        }
        out += EntityText(value);
        at = std::min(end + 1, s.size());
    }
    return out;
}

bool IsNameChar(char16_t c) { return IsDigit(c) || (c >= u'A' && c <= u'Z') || c == u'-' || c == u'_'; }

// The value of an attribute: the text between the first two double quotes after its name, the
// name searched in the upper-cased tag after column `after` as a whole word followed by "=" (so
// that ID is not found in WIDTH); an empty name takes the first quoted value; empty when absent.
U16 Attribute(const U16& tag, const U16& upper, const char16_t* name, size_t after)
{
    const U16 key(name);
    size_t at = std::min(after, upper.size());
    if (!key.empty()) {
        for (at = upper.find(key, at); at != U16::npos; at = upper.find(key, at + 1)) {
            size_t next = at + key.size();
            while (next < upper.size() && upper[next] == u' ') ++next;
            const bool wordStart = !IsNameChar(key[0]) || at == 0 || !IsNameChar(upper[at - 1]);
            if (wordStart && next < upper.size() && upper[next] == u'=') break;
        }
        if (at == U16::npos) return {};
    }
    const size_t open = tag.find(u'"', at);
    if (open == U16::npos) return {};
    const size_t close = tag.find(u'"', open + 1);
    return close == U16::npos ? U16() : tag.substr(open + 1, close - open - 1);
}

// The value after the first "x" of the tag ("<IN x=20>", "<OF x=\"20\">").
float XValue(const U16& tag)
{
    const size_t x = Upper(tag).find(u'X');
    if (x == U16::npos) return 0;
    U16 digits;
    for (size_t i = x + 1; i < tag.size(); ++i)
        if (IsDigit(tag[i]) && digits.size() < 6) digits += tag[i];
        else if (!digits.empty()) break;
    return digits.empty() ? 0 : static_cast<float>(std::stol(std::string(digits.begin(), digits.end())));
}

TColor ColorOf(const U16& value)
{
    if (value.empty()) return -1;
    if (value[0] == u'#') return TGxGraphics::HTMLToColor(String(value));
    return TGxGraphics::TextToColor(String(value));
}

// The text state that carries from run to run and from line to line.
struct TState {
    String FontName;
    float FontSize = 11;   // pixels, as the font-size helper takes them
    TFontStyles Styles;
    TColor Color = 0;
    bool InAnchor = false, AnchorHovered = false;
    Integer AnchorIndex = 0;
    String AnchorTarget;
    float AnchorStartX = 0, AnchorTop = 0;
    TColor AnchorKeptColor = 0;
    bool Hidden = false, Sub = false, Sup = false, Shadow = false, Error = false, Blink = false;
    Integer ListLevel = 0;
    TColor PendingBackground = -1;
    TColor HighlightKeptColor = 0;
    TFontStyles HighlightKeptStyles;
    float XOffset = -1;
    TColor ParagraphColor = -1;   // the background of the open paragraph, outlining its further lines
};

// A picture at the left or right edge that the following lines flow beside.
struct TFloat {
    float Width = 0, Height = 0;
    bool Right = false;
};

struct TLine {
    size_t End = 0;
    float Width = 0, Height = 0, SubOffset = 0, SupOffset = 0, Indent = 0;
    TGxGraphicsTextAlign Align = gtaLeading;
    std::vector<TFloat> Floats;   // the floating pictures met by the measuring pass
};

class THTMLLayout {
public:
    THTMLLayout(TGxGraphics& G, const TGxHTMLOptions& O, TGxHTMLResult& R) : G(G), O(O), R(R) {}

    // One line from `start`: measured (drawing false) or drawn in `box`.
    void RenderLine(const U16& text, size_t start, size_t stop, const TRectF& box, bool drawing, TState& s, TLine& line);

    TGxGraphics& G;
    const TGxHTMLOptions& O;
    TGxHTMLResult& R;
    TState Entry;
    TColor EntryFill = 0;
    TRectF Area;   // the whole layout rectangle
    float H = 0;   // height of "gh" at the start of the line
    Integer DrawnAnchors = 0;   // anchors met by the drawing pass so far
    bool OnAnchor = false;

private:
    void ApplyFont(const TState& s)
    {
        TGxGraphicsFont* f = G.Font();
        f->BeginUpdate();
        f->SetName(s.FontName);
        TGxUtils::SetFontSize(f, s.FontSize, 1);
        f->SetStyle(s.Styles);
        f->SetColor(s.Blink && !O.ABlinkPhase ? EntryFill : s.Color);
        f->EndUpdate();
    }
    TSizeF Measure(const String& text)
    {
        const TRectF r = G.CalculateText(text, TRectF{0, 0, 10000, 10000}, false, false);
        return {r.Width(), r.Height()};
    }
    bool MouseIn(const TRectF& r) const
    {
        return O.AMouseX >= r.Left && O.AMouseX < r.Right && O.AMouseY >= r.Top && O.AMouseY < r.Bottom;
    }
    void DrawRun(const String& run, float x, float w, float h, const TRectF& box, const TLine& line, TState& s);
    bool Picture(const U16& tag, const U16& upper, float& x, const TRectF& box, bool drawing, TLine& line,
                 const TState& s);
    bool Control(const U16& tag, const U16& upper, float& x, const TRectF& box, bool drawing, TLine& line, bool any);
    void AreaBackground(const U16& tag, const U16& upper);
    TGraphic* NamedPicture(const U16& src, std::unique_ptr<THTMLPicture>& loaded) const;
    void Tag(const U16& tag, float& x, const TRectF& box, bool drawing, TState& s, TLine& line, bool& endLine,
             bool& itemSeen);
};

void THTMLLayout::DrawRun(const String& run, float x, float w, float h, const TRectF& box, const TLine& line, TState& s)
{
    const float bottom = box.Top + line.Height;
    float y = bottom - h;
    if (s.Sup) y -= line.SupOffset;
    if (s.Sub) y += line.SubOffset;
    if (s.PendingBackground != -1) {
        G.Stroke()->SetKind(gskNone);
        G.SetFillColor(s.PendingBackground);
        G.DrawRectangle(TRectF{x, bottom - H, x + w, bottom});
        s.PendingBackground = -1;
    }
    if (s.Shadow && O.AShadowColor != -1) {
        G.Font()->SetColor(O.AShadowColor);
        G.DrawText(TRectF{x + O.AShadowOffset, y + O.AShadowOffset, x + w + O.AShadowOffset, y + h + O.AShadowOffset},
                   run, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, false);
        ApplyFont(s);
    }
    G.DrawText(TRectF{x, y, x + w, y + h}, run, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, false);
    if (s.Error) {
        // a red zigzag along the bottom of the line, 2 pixels across and 2 up and down
        G.Stroke()->BeginUpdate();
        G.Stroke()->SetKind(gskSolid);
        G.Stroke()->SetColor(255);
        G.Stroke()->SetWidth(1);
        G.Stroke()->EndUpdate();
        for (float px = x; px + 2 <= x + w; px += 2) {
            const bool up = static_cast<int>((px - x) / 2) % 2 == 0;
            G.DrawLine(TPointF{px, bottom - (up ? 0 : 2)}, TPointF{px + 2, bottom - (up ? 2 : 0)});
        }
    }
}

// A picture by address: a name in the picture container, "FILE://" and a path, or Base64 data
// after "DATA:" and "BASE64,"; one loaded here is kept in `loaded`.
TGraphic* THTMLLayout::NamedPicture(const U16& src, std::unique_ptr<THTMLPicture>& loaded) const
{
    const U16 srcUpper = Upper(src);
    if (const size_t b64 = srcUpper.find(u"BASE64,"); srcUpper.find(u"DATA:") != U16::npos && b64 != U16::npos) {
        TPicture decoded;
        TGxUtils::LoadBitmapFromBase64(String(src.substr(b64 + 7)), &decoded, false);
        if (decoded.Graphic()) {
            loaded = std::make_unique<THTMLPicture>();
            loaded->Assign(&decoded);
        }
    } else if (srcUpper.rfind(u"FILE://", 0) == 0) {
        const String file(src.substr(7));
        if (FileExists(file)) {
            loaded = std::make_unique<THTMLPicture>();
            loaded->LoadFromFile(file);
        }
    } else if (src.find(u':') == U16::npos && O.APictureContainer) {
        return O.APictureContainer->FindPicture(String(src));
    }
    return loaded.get();
}

bool THTMLLayout::Picture(const U16& tag, const U16& upper, float& x, const TRectF& box, bool drawing, TLine& line,
                          const TState& s)
{
    const U16 src = Attribute(tag, upper, u"SRC", 3);
    std::unique_ptr<THTMLPicture> loaded;
    TBitmap listed;   // an image of the image list
    TGraphic* picture = nullptr;
    float pw = 0, ph = 0;
    bool fromList = false;
    if (Upper(src).rfind(u"IDX:", 0) == 0) {
        const Integer n = StrToIntDef(Trim(String(src.substr(4))), -1);
        if (!O.AImageList || n < 0 || n >= O.AImageList->Count()) return true;
        // transparent pixels in a colour of their own that the picture leaves out
        constexpr TColor Transparent = 0xFF00FF;
        O.AImageList->GetBitmap(n, listed, Transparent);
        listed.SetTransparentMode(TTransparentMode::tmFixed);
        listed.SetTransparentColor(Transparent);
        listed.SetTransparent(true);
        picture = &listed;
        const float scale = TGxUtils::GetDPIScale(nullptr, -1);
        pw = std::nearbyint(static_cast<float>(O.AImageList->Width()) * scale);
        ph = std::nearbyint(static_cast<float>(O.AImageList->Height()) * scale);
        fromList = true;
    } else {
        picture = NamedPicture(src, loaded);
        if (!picture || picture->Empty() || picture->Width() <= 0 || picture->Height() <= 0) return true;
        pw = static_cast<float>(picture->Width());
        ph = static_cast<float>(picture->Height());
    }

    const U16 ws = Attribute(tag, upper, u"WIDTH", 3), hs = Attribute(tag, upper, u"HEIGHT", 3);
    const float aw = ws.empty() ? 0 : static_cast<float>(StrToIntDef(String(ws), 0));
    const float ah = hs.empty() ? 0 : static_cast<float>(StrToIntDef(String(hs), 0));
    float w = pw, h = ph;
    if (!fromList) {
        if (!ws.empty() && !hs.empty()) w = aw, h = ah;
        else if (!ws.empty()) w = aw, h = std::nearbyint(ph * aw / pw);
        else if (!hs.empty()) h = ah, w = std::nearbyint(pw * ah / ph);
    }
    const bool draw = drawing && !O.AHitTestOnly && !(fromList && O.ANoImageListDraw);

    const U16 floating = Upper(Attribute(tag, upper, u"FLOAT", 3));
    if (!fromList && (floating == u"LEFT" || floating == u"RIGHT")) {
        // at the edge from the line's top; this line's text starts beside a left one
        const bool right = floating == u"RIGHT";
        const TRectF at = right ? TRectF{box.Right - w, box.Top, box.Right, box.Top + h}
                                : TRectF{box.Left, box.Top, box.Left + w, box.Top + h};
        if (draw) G.DrawBitmap(picture, at);
        if (!drawing) {
            line.Floats.push_back({w + 2, h, right});
            if (s.InAnchor && MouseIn(at)) R.AAnchor = s.AnchorTarget;
        }
        if (!right && x <= box.Left) x = box.Left + w + 2;
        return true;
    }

    const float available = box.Width();
    if (O.AWordWrap && x > box.Left && x - box.Left + w >= available + 1 && w < available) return false;
    line.Height = std::max(line.Height, h);
    float top = box.Top + line.Height - h;   // at the bottom of the line
    if (fromList) {
        const U16 align = Upper(Attribute(tag, upper, u"ALIGN", 3));
        if (align == u"TOP") top = box.Top;
        else if (align == u"MIDDLE") top = box.Top + (line.Height - h) / 2;
    }
    if (draw) G.DrawBitmap(picture, TRectF{x, top, x + w, top + h});
    if (!drawing && s.InAnchor && MouseIn(TRectF{x, box.Top, x + w, box.Top + h})) R.AAnchor = s.AnchorTarget;
    x += w + 2;
    return true;
}

// A control: check box, radio button, button, or an edit, password or combo box that only takes
// space.  The line ends before one that does not fit.
bool THTMLLayout::Control(const U16& tag, const U16& upper, float& x, const TRectF& box, bool drawing, TLine& line,
                          bool any)
{
    constexpr size_t After = 8;
    const U16 type = Upper(Attribute(tag, upper, u"TYPE", After));
    const U16 widthText = Attribute(tag, upper, u"WIDTH", After);
    const bool mark = type == u"CHECK" || type == u"RADIO";
    if (widthText.empty() && !mark) return true;
    const Integer height = StrToIntDef(String(Attribute(tag, upper, u"HEIGHT", After)), 25);
    const float lineHeight = height > 25 ? static_cast<float>(height - 2) : mark ? 16.0f : 23.0f;
    float w = 0, h = 0;
    if (mark) {
        w = h = std::nearbyint(static_cast<float>(O.AScale) * 16) + 2;
    } else {
        w = static_cast<float>(StrToIntDef(String(widthText), 0));
        h = type == u"BUTTON" ? 22 : type == u"COMBO" ? 25 : Measure("gh").cy + 10;
    }
    if (O.AWordWrap && any && x - box.Left + w >= box.Width() + 1 && w < box.Width()) return false;
    line.Height = std::max(line.Height, lineHeight);
    const float top = box.Top + (line.Height - h) / 2;
    const TRectF r{x, top, x + w, top + h};
    const String id(Attribute(tag, upper, u"ID", After)), value(Attribute(tag, upper, u"VALUE", After));
    if (MouseIn(r) || (O.AHitTestOnly && !id.IsEmpty() && id == O.AControlID)) {
        R.AAnchor = "ctrl";
        R.AControlRect = r;
        R.AControlID = id;
        R.AControlValue = value;
        R.AControlType = String(type);
        if (drawing) OnAnchor = true;
    }
    if (drawing && !O.AHitTestOnly) {
        const bool focused = O.AControlFocus && id == O.AFocusedControlID;
        const bool checked = UpperCase(value) == "TRUE";
        if (type == u"CHECK") G.DrawCheckBox(r, checked, focused, true, static_cast<float>(O.AScale));
        else if (type == u"RADIO") G.DrawRadioButton(r, checked, focused, true, static_cast<float>(O.AScale));
        else if (type == u"BUTTON") {
            G.DrawButton(r, false, focused, true, false, static_cast<float>(O.AScale));
            G.DrawText(r, value, false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, false);
        }
    }
    x += w + 2;
    return true;
}

// The area background: pictures tiled and in the top corners, or one colour over the rectangle.
void THTMLLayout::AreaBackground(const U16& tag, const U16& upper)
{
    constexpr size_t After = 5;
    std::unique_ptr<THTMLPicture> loaded;
    if (TGraphic* tile = NamedPicture(Attribute(tag, upper, u"BACKGROUND", After), loaded);
        tile && !tile->Empty() && tile->Width() > 0 && tile->Height() > 0) {
        const float w = static_cast<float>(tile->Width()), h = static_cast<float>(tile->Height());
        for (float y = Area.Top; y < Area.Bottom; y += h)
            for (float x = Area.Left; x < Area.Right; x += w) G.DrawBitmap(tile, TRectF{x, y, x + w, y + h});
    }
    for (const char16_t* corner : {u"BGTOPLEFT", u"BGTOPRIGHT"}) {
        std::unique_ptr<THTMLPicture> cornerLoaded;
        TGraphic* picture = NamedPicture(Attribute(tag, upper, corner, After), cornerLoaded);
        if (!picture || picture->Empty()) continue;
        const float w = static_cast<float>(picture->Width()), h = static_cast<float>(picture->Height());
        const float left = corner[4] == u'L' ? Area.Left : Area.Right - w;
        G.DrawBitmap(picture, TRectF{left, Area.Top, left + w, Area.Top + h});
    }
    const TColor color = ColorOf(Attribute(tag, upper, u"BGCOLOR", After));
    const TColor colorTo = ColorOf(Attribute(tag, upper, u"BGCOLORTO", After));
    if (colorTo != -1) {
        G.Stroke()->SetColor(colorTo);
    } else if (color != -1) {
        G.Stroke()->BeginUpdate();
        G.Stroke()->SetKind(gskSolid);
        G.Stroke()->SetColor(color);
        G.Stroke()->EndUpdate();
        G.SetFillColor(color);
        G.Fill()->SetKind(gfkSolid);
        G.DrawRectangle(Area);
    }
}

void THTMLLayout::Tag(const U16& tag, float& x, const TRectF& box, bool drawing, TState& s, TLine& line,
                      bool& endLine, bool& itemSeen)
{
    const U16 upper = Upper(tag);
    auto is = [&](const char16_t* prefix) { return upper.rfind(prefix, 0) == 0; };
    const bool draw = drawing && !O.AHitTestOnly;
    if (is(u"<A")) {
        // anchors are counted by the measuring pass; the drawing pass finds the same indexes
        s.AnchorIndex = drawing ? ++DrawnAnchors : ++R.AAnchorCount;
        s.InAnchor = true;
        s.AnchorHovered = false;
        s.AnchorTarget = String(Attribute(tag, upper, u"", 2));
        s.AnchorStartX = x;
        s.AnchorTop = box.Top;
        if (!drawing && s.AnchorIndex == O.AFocusAnchor + 1) R.AFocusAnchorText = s.AnchorTarget;
        const bool hovered = s.AnchorIndex == O.AHoverAnchor;
        s.AnchorKeptColor = s.Color;
        if (drawing && (!O.AHoverOnly || hovered)) {
            if (O.AURLUnderline) s.Styles.Include(TFontStyle::fsUnderline);
            if (O.AHoverColor != -1) s.PendingBackground = O.AHoverColor;
            if (O.AHoverFontColor != -1) s.Color = O.AHoverFontColor;
        }
        if (!O.ASelected && !(O.AHoverOnly && hovered && O.AHoverFontColor != -1)) s.Color = O.AURLColor;
    } else if (is(u"</A")) {
        if (s.InAnchor && s.AnchorHovered) {
            R.AHoverRect = TRectF{s.AnchorTop < box.Top ? box.Left : s.AnchorStartX, s.AnchorTop, x, box.Top + line.Height};
            R.AMouseAnchor = s.AnchorIndex;
        }
        s.InAnchor = false;
        if (O.AURLUnderline) s.Styles.Exclude(TFontStyle::fsUnderline);
        s.PendingBackground = -1;
        if (!O.ASelected) s.Color = s.AnchorKeptColor;
    } else if (is(u"<BL")) s.Blink = true;
    else if (is(u"<BO")) {
        if (draw && !O.ASelected) AreaBackground(tag, upper);
    }
    else if (is(u"<BR")) {
        if (!drawing) R.APlainText += "\r";
        endLine = true;
    } else if (is(u"<B>")) s.Styles.Include(TFontStyle::fsBold);
    else if (is(u"</B>")) s.Styles.Exclude(TFontStyle::fsBold);
    else if (is(u"</B")) {
        s.Blink = false;
        s.Color = Entry.Color;
    } else if (is(u"<E")) s.Error = drawing;
    else if (is(u"</E")) s.Error = false;
    else if (is(u"<F")) {
        if (const U16 face = Attribute(tag, upper, u"FACE", 5); !face.empty()) s.FontName = String(face);
        if (const TColor c = ColorOf(Attribute(tag, upper, u" COLOR", 2)); c != -1 && !O.ASelected) s.Color = c;
        if (const TColor c = ColorOf(Attribute(tag, upper, u"BGCOLOR", 5)); c != -1 && drawing && !O.ASelected)
            s.PendingBackground = c;
        const U16 style = Attribute(tag, upper, u"STYLE", 5), styleUpper = Upper(style);
        const size_t fs = styleUpper.find(u"FONT-SIZE:"), pt = styleUpper.find(u"PT");
        if (fs != U16::npos && pt != U16::npos && pt > fs) {
            s.FontSize = static_cast<float>(StrToIntDef(Trim(String(style.substr(fs + 10, pt - fs - 10))), 8));
        } else if (const U16 size = Attribute(tag, upper, u"SIZE", 5); !size.empty()) {
            static const float sizes[] = {8, 10, 12, 14, 16};
            const Integer n = StrToIntDef(String(size), 0);
            s.FontSize = n >= 1 && n <= 5 ? sizes[n - 1] : static_cast<float>(n);
        }
    } else if (is(u"</F")) {
        s.FontName = Entry.FontName;
        s.FontSize = Entry.FontSize;
        if (!O.ASelected) {
            s.Color = Entry.Color;
            s.PendingBackground = -1;
        }
    } else if (is(u"<HI")) {
        s.HighlightKeptColor = s.Color;
        s.HighlightKeptStyles = s.Styles;
        if (O.AHighlightTextColor != -1) s.Color = O.AHighlightTextColor;
        if (O.AHighlightColor != -1 && drawing) s.PendingBackground = O.AHighlightColor;
        s.Styles = s.Styles + O.AHighlightFontStyles;
    } else if (is(u"</H")) {
        s.Color = s.HighlightKeptColor;
        s.Styles = s.HighlightKeptStyles;
        s.PendingBackground = -1;
    } else if (is(u"<HR")) {
        if (draw) {
            const TColor c = ColorOf(Attribute(tag, upper, u"COLOR", 3));
            G.Stroke()->BeginUpdate();
            G.Stroke()->SetKind(gskSolid);
            G.Stroke()->SetColor(c == -1 ? 0 : c);
            G.Stroke()->SetWidth(1);
            G.Stroke()->EndUpdate();
            const float y = box.Top + line.Height + 1;
            G.DrawLine(TPointF{box.Left, y}, TPointF{box.Right, y});
        }
        endLine = true;
    } else if (is(u"<I>")) s.Styles.Include(TFontStyle::fsItalic);
    else if (is(u"</I")) s.Styles.Exclude(TFontStyle::fsItalic);
    else if (is(u"<IN")) x = std::max(x, box.Left + XValue(tag));
    else if (is(u"<OF")) {
        s.XOffset = XValue(tag);
        x = box.Left + s.XOffset;
    } else if (is(u"</O")) s.XOffset = -1;
    else if (is(u"<P")) {
        const U16 align = Upper(Attribute(tag, upper, u"ALIGN", 2));
        line.Align = align == u"RIGHT" ? gtaTrailing : align == u"CENTER" ? gtaCenter : gtaLeading;
        line.Indent = static_cast<float>(StrToIntDef(String(Attribute(tag, upper, u"INDENT", 2)), 0));
        const TColor c = ColorOf(Attribute(tag, upper, u"BGCOLOR", 2));
        const TColor colorTo = ColorOf(Attribute(tag, upper, u"BGCOLORTO", 2));
        if (c != -1 && colorTo == -1) {
            s.ParagraphColor = c;
            if (draw) {
                G.Stroke()->SetKind(gskNone);
                G.SetFillColor(c);
                G.DrawRectangle(TRectF{box.Left, box.Top, box.Right, box.Top + line.Height});
            }
        } else if (colorTo != -1 && draw) {
            G.Stroke()->SetColor(colorTo);
        }
    } else if (is(u"</P")) {
        s.ParagraphColor = -1;
        endLine = true;
    } else if (is(u"</L")) endLine = true;
    else if (is(u"<SUB>")) s.Sub = true;
    else if (is(u"<SUP>")) s.Sup = true;
    else if (is(u"</SU")) s.Sub = s.Sup = false;
    else if (is(u"<SH")) s.Shadow = true;
    else if (is(u"</SH")) s.Shadow = false;
    else if (is(u"<S>")) s.Styles.Include(TFontStyle::fsStrikeOut);
    else if (is(u"</S")) s.Styles.Exclude(TFontStyle::fsStrikeOut);
    else if (is(u"<U>")) s.Styles.Include(TFontStyle::fsUnderline);
    else if (is(u"</U>") || (is(u"</U") && s.ListLevel < 1)) s.Styles.Exclude(TFontStyle::fsUnderline);
    else if (is(u"</U")) {
        --s.ListLevel;
        endLine = true;
    } else if (is(u"<U")) {
        ++s.ListLevel;
        endLine = true;
    } else if (is(u"<L")) {
        // a list item: the bullet at (L - 1) x 12, the text at L x 12
        itemSeen = true;
        const float level = static_cast<float>(std::max<Integer>(s.ListLevel, 1));
        const float bulletX = box.Left + (level - 1) * 12;
        x = box.Left + level * 12;
        if (draw && !s.Hidden) {
            const U16 type = Upper(Attribute(tag, upper, u"TYPE", 2));
            const TColor color = ColorOf(Attribute(tag, upper, u"COLOR", 2));
            if (type == u"SQUARE" || type == u"CIRCLE") {
                G.Stroke()->SetKind(gskNone);
                G.SetFillColor(color == -1 ? s.Color : color);
                const TRectF r{bulletX, box.Top + 2, bulletX + 8, box.Top + 10};
                if (type == u"SQUARE") G.DrawRectangle(r);
                else G.DrawEllipse(r);
            } else {
                G.Font()->BeginUpdate();
                G.Font()->SetStyle({});
                if (color != -1) G.Font()->SetColor(color);
                G.Font()->EndUpdate();
                const String bullet = static_cast<Integer>(level) % 2 == 1 ? String(u"\u2022") : String("o");
                const TSizeF size = Measure(bullet);
                const float bottom = box.Top + line.Height;
                G.DrawText(TRectF{bulletX, bottom - size.cy, bulletX + size.cx, bottom}, bullet, false, gtaLeading,
                           gtaLeading, gttNone, 0, -1, -1, false);
                ApplyFont(s);
            }
        }
    } else if (is(u"<IM")) {
        // handled by the caller, which may end the line before it
    } else if (is(u"<Z")) s.Hidden = true;
    else if (is(u"</Z")) s.Hidden = false;
    ApplyFont(s);
}

void THTMLLayout::RenderLine(const U16& text, size_t start, size_t stop, const TRectF& box, bool drawing, TState& s,
                             TLine& line)
{
    ApplyFont(s);
    if (drawing && !O.AHitTestOnly && s.ParagraphColor != -1) {
        // a further line of a paragraph with a background is outlined in it
        const TGxGraphicsFillKind kind = G.Fill()->Kind();
        G.Fill()->SetKind(gfkNone);
        G.Stroke()->BeginUpdate();
        G.Stroke()->SetKind(gskSolid);
        G.Stroke()->SetColor(s.ParagraphColor);
        G.Stroke()->SetWidth(1);
        G.Stroke()->EndUpdate();
        G.DrawRectangle(TRectF{box.Left, box.Top, box.Right, box.Top + line.Height});
        G.Fill()->SetKind(kind);
    }
    float x = box.Left + (s.XOffset >= 0 ? s.XOffset : 0);
    const float available = box.Width();
    bool itemSeen = false, any = false;
    size_t at = start;
    while (at < stop) {
        if (text[at] == u'<') {
            const size_t close = text.find(u'>', at);
            const size_t end = close == U16::npos || close >= stop ? stop : close + 1;
            const U16 tag = text.substr(at, end - at);
            const U16 upper = Upper(tag);
            if (upper.rfind(u"<L", 0) == 0 && (itemSeen || any)) break;   // a list item starts a line
            if (upper.rfind(u"<IM", 0) == 0 || upper.rfind(u"<C", 0) == 0) {
                const bool placed = s.Hidden || (upper[1] == u'I' ? Picture(tag, upper, x, box, drawing, line, s)
                                                                  : Control(tag, upper, x, box, drawing, line, any));
                if (!placed) break;
                any = true;
                at = end;
                continue;
            }
            bool endLine = false;
            Tag(tag, x, box, drawing, s, line, endLine, itemSeen);
            at = end;
            if (endLine) break;
            continue;
        }
        size_t end = text.find(u'<', at);
        if (end == U16::npos || end > stop) end = stop;
        if (O.AWordWrap)
            if (const size_t blank = text.find(u' ', at); blank != U16::npos && blank < end) end = blank + 1;
        U16 run = text.substr(at, end - at);
        ReplaceAll(run, u"&nbsp;", u" ");
        ReplaceAll(run, u"&lt;", u"<");
        ReplaceAll(run, u"&gt;", u">");
        const String runText(run);
        const TSizeF size = Measure(runText);
        if (s.Hidden) {
            if (!drawing) R.APlainText += runText;
            at = end;
            continue;
        }
        if (O.AWordWrap && any && x - box.Left + size.cx >= available + 1 && size.cx < available) break;
        if (!drawing) R.APlainText += runText;
        line.SubOffset = std::max(line.SubOffset, size.cy / 4);
        line.SupOffset = std::max(line.SupOffset, size.cy / 4);
        line.Height = std::max(line.Height, size.cy);
        if (s.InAnchor && MouseIn(TRectF{x, box.Top, x + size.cx, box.Top + std::max(line.Height, size.cy)})) {
            s.AnchorHovered = true;
            if (!drawing) R.AAnchor = s.AnchorTarget;
            else OnAnchor = true;
        }
        if (drawing && !O.AHitTestOnly) DrawRun(runText, x, size.cx, size.cy, box, line, s);
        x += size.cx;
        any = true;
        at = end;
    }
    line.End = at;
    line.Width = x - box.Left;
}

// Where visible character n (from 1) stands in the markup: characters between "<" and ">" are
// not visible.
size_t MarkupIndex(const U16& text, size_t n)
{
    size_t seen = 0;
    bool inTag = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'<') inTag = true;
        if (!inTag) {
            if (seen == n - 1) return i;
            ++seen;
        }
        if (text[i] == u'>') inTag = false;
    }
    return text.size();
}

}  // namespace

String PrepareGraphicsHTML(const String& AText)
{
    U16 s(AText.u16());
    if (s.find(u'&') != U16::npos) {
        s = TGxUtils::UnFixMarkup(String(s), false, false).u16();
        while (s.find(u"&amp;") != U16::npos) ReplaceAll(s, u"&amp;", u"&");
    }
    if (const size_t hash = s.find(u"<#"); hash != U16::npos) {
        s.erase(hash, 1);
        if (const size_t close = s.find(u'>', hash); close != U16::npos) s.erase(close, 1);
    }
    s = DecodeNumericEntities(s);
    U16 out;
    for (char16_t c : s)
        if (c == u'\r') out += u"<BR>";
        else if (c != u'\n') out += c;
    return String(out);
}

bool DrawGraphicsHTML(TGxGraphics& AGraphics, const String& AText, const TRectF& ARect, const TGxHTMLOptions& AOptions,
                      TGxHTMLResult& AResult)
{
    AResult = TGxHTMLResult();
    THTMLLayout layout(AGraphics, AOptions, AResult);

    // what is put back at the end
    TGxGraphicsFont entryFont;
    entryFont.Assign(AGraphics.Font());
    const TGxGraphicsFillKind fillKind = AGraphics.Fill()->Kind();
    const TColor fillColor = AGraphics.Fill()->Color();
    const TGxGraphicsStrokeKind strokeKind = AGraphics.Stroke()->Kind();
    const TColor strokeColor = AGraphics.Stroke()->Color();

    TState state;
    state.FontName = entryFont.Name();
    state.FontSize = static_cast<float>(std::abs(entryFont.Height()));
    state.Styles = entryFont.Style();
    state.Color = entryFont.Color();
    layout.Entry = state;
    layout.EntryFill = fillColor;

    const U16 text(PrepareGraphicsHTML(AText).u16());
    layout.Area = ARect;
    TRectF box = ARect;
    // floating pictures with the bottom of the space they take
    struct TActiveFloat {
        TFloat Float;
        float Bottom;
    };
    std::vector<TActiveFloat> floats;
    size_t at = 0;
    auto trimFrom = [&](size_t i) {
        while (i < text.size() && text[i] == u' ') ++i;
        return i;
    };
    at = trimFrom(at);
    float gh = 0;
    while (at < text.size()) {
        TState lineStart = state;
        layout.DrawnAnchors = AResult.AAnchorCount;
        AGraphics.Font()->Assign(&entryFont);
        TLine line;
        // the line flows beside the floating pictures it lies next to
        std::erase_if(floats, [&](const TActiveFloat& f) { return f.Bottom <= box.Top; });
        box.Left = ARect.Left;
        box.Right = ARect.Right;
        for (const TActiveFloat& f : floats) {
            if (f.Float.Right) box.Right -= f.Float.Width;
            else box.Left += f.Float.Width;
        }
        layout.RenderLine(text, at, text.size(), box, false, state, line);
        for (const TFloat& f : line.Floats) floats.push_back({f, box.Top + f.Height});
        {
            // height of "gh" in the font of the line's start
            TState probe = lineStart;
            TGxGraphicsFont* f = AGraphics.Font();
            f->SetName(probe.FontName);
            TGxUtils::SetFontSize(f, probe.FontSize, 1);
            f->SetStyle(probe.Styles);
            gh = AGraphics.CalculateText("gh", TRectF{0, 0, 10000, 10000}, false, false).Height();
            layout.H = gh;
        }
        if (line.End == at) line.End = text.find(u'>', at) == U16::npos ? text.size() : text.find(u'>', at) + 1;
        ++AResult.ALineCount;
        line.Height += static_cast<float>(AOptions.ALineSpacing);

        TRectF placed{box.Left, box.Top, box.Right, box.Top + line.Height};
        if (line.Align == gtaTrailing) placed.Left = std::max(placed.Left, box.Right - line.Width);
        else if (line.Align == gtaCenter && box.Width() - line.Width > 0) placed.Left += (box.Width() - line.Width) / 2;
        placed.Left += line.Indent;
        placed.Right += line.Indent;
        const float step = line.Height + line.SubOffset + line.SupOffset;
        placed.Bottom = box.Top + step;
        AResult.AWidth = std::max(AResult.AWidth, line.Width + line.Indent + 2);

        if (!AOptions.ACalculateOnly) {
            TState drawState = lineStart;
            TLine drawn = line;
            drawn.Height = line.Height;
            layout.RenderLine(text, at, line.End, placed, true, drawState, drawn);
        }
        box.Top += step;
        AResult.AHeight += step;
        at = trimFrom(line.End);
        if (!AOptions.ACalculateOnly && box.Top + gh > ARect.Bottom + 1) break;
    }
    if (AResult.AHeight == 0) {
        AGraphics.Font()->Assign(&entryFont);
        AResult.AHeight = AGraphics.CalculateText("gh", TRectF{0, 0, 10000, 10000}, false, false).Height();
    }
    AGraphics.Font()->Assign(&entryFont);
    AGraphics.Fill()->BeginUpdate();
    AGraphics.Fill()->SetKind(fillKind);
    AGraphics.Fill()->SetColor(fillColor);
    AGraphics.Fill()->EndUpdate();
    AGraphics.Stroke()->BeginUpdate();
    AGraphics.Stroke()->SetKind(strokeKind);
    AGraphics.Stroke()->SetColor(strokeColor);
    AGraphics.Stroke()->EndUpdate();
    return layout.OnAnchor || !AResult.AAnchor.IsEmpty();
}

String HilightHTMLText(const String& AText, const String& AHilight, const String& ATag, bool ADoCase)
{
    U16 text(AText.u16()), hilight(AHilight.u16());
    U16 visible(TGxUtils::HTMLStrip(AText).u16());
    if (hilight.empty()) return AText;
    if (text.find(hilight) != U16::npos && (visible.find(u'<') != U16::npos || visible.find(u'>') != U16::npos)) {
        auto escape = [](U16 v) {
            ReplaceAll(v, u"<", u"&lt;");
            ReplaceAll(v, u">", u"&gt;");
            return v;
        };
        visible = escape(visible);
        text = visible;
        hilight = escape(hilight);
    }
    const U16 open = u"<" + U16(ATag.u16()) + u">", close = u"</" + U16(ATag.u16()) + u">";
    const U16 searchIn = ADoCase ? visible : Upper(visible), searchFor = ADoCase ? hilight : Upper(hilight);
    // the insertions, last first, so that earlier markup indexes stay valid
    std::vector<std::pair<size_t, U16>> inserts;
    for (size_t p = searchIn.find(searchFor); p != U16::npos; p = searchIn.find(searchFor, p + searchFor.size())) {
        inserts.emplace_back(MarkupIndex(text, p + 1), open);
        inserts.emplace_back(MarkupIndex(text, p + searchFor.size() + 1), close);
    }
    for (auto it = inserts.rbegin(); it != inserts.rend(); ++it) text.insert(it->first, it->second);
    return String(text);
}
