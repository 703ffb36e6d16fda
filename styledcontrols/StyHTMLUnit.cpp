#include "styledcontrols/StyHTMLUnit.h"

#include <algorithm>
#include <memory>
#include <cstdlib>

#include "foundation/StyGraph.h"
#include "foundation/StyUnicode.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/SysFormat.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr Integer kInputSize = 17;

Integer Sign(Integer v) { return v < 0 ? -1 : 1; }

TRect Moved(const TRect& r, TPoint by) { return {r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y}; }

// The value of an attribute, without its surrounding quotes.
String AttrValue(const std::vector<String>& params, const String& name)
{
    const String key = name + "=";
    for (const String& p : params)
        if (Copy(p, 1, key.Length()) == key) {
            String v = Copy(p, key.Length() + 1);
            if (v.Length() > 0 && (v[1] == u'"' || v[1] == u'\'')) {
                char16_t quote = v[1];
                v = Copy(v, 2);
                if (v.Length() > 0 && v[v.Length()] == quote) SetLength(v, v.Length() - 1);
            }
            return v;
        }
    return {};
}

bool HasAttr(const std::vector<String>& params, const String& name)
{
    const String key = name + "=";
    return std::any_of(params.begin(), params.end(), [&](const String& p) { return Copy(p, 1, key.Length()) == key; });
}

}  // namespace

// ---------------------------------------------------------------- items

bool TStyHTMLItem::IsBreak() const
{
    switch (FItemType) {
    case hitSoftBreak: case hitBreak: case hitPara: case hitLI: case hitUL: case hitOL: return true;
    default: return false;
    }
}

void TStyHTMLItem::SetText(const String& Value)
{
    FText = Value;
    FTWidth = 0xFFFF;
}

void TStyHTMLItem::Assign(const TStyHTMLItem& Source)
{
    FontStyle = Source.FontStyle;
    FontHeight = Source.FontHeight;
    FontBgColor = Source.FontBgColor;
    FontColor = Source.FontColor;
    FLinkRef = Source.FLinkRef;
    FFontRef = Source.FFontRef;
    FIndent = Source.FIndent;
    FFntCnt = Source.FFntCnt;
    FBoolState = Source.FBoolState;
}

TCanvas& TStyHTMLItem::MeasuringCanvas() const
{
    TCanvas& c = FOwner->Render()->Canvas();
    c.Font().SetName(FFontRef);
    c.Font().SetStyle(FontStyle);
    c.Font().SetHeight(IsSub() || IsSuper() ? FontHeight - 2 * Sign(FontHeight) : FontHeight);
    return c;
}

Integer TStyHTMLItem::GetWidth()
{
    switch (FItemType) {
    case hitChar: case hitVar:
        if (FTWidth == 0xFFFF) FTWidth = static_cast<Word>(MeasuringCanvas().TextWidth(FText) + 1);
        return FTWidth;
    case hitBitmap: case hitHR: case hitIndent: case hitInput: case hitControl: return FWidth;
    default: return 0;
    }
}

Integer TStyHTMLItem::GetHeight(Integer& BaseLine)
{
    Integer h = 0;
    if (FItemType == hitChar) {
        TTextMetric tm = MeasuringCanvas().GetTextMetrics();
        h = std::abs(tm.tmHeight);
        BaseLine = tm.tmDescent;
    } else if (FItemType == hitBitmap || FItemType == hitInput || FItemType == hitControl) {
        h = FHeight;
    }
    return h + FOwner->FLineGap;
}

Integer TStyHTMLBreakItem::GetWidth()
{
    if (FItemType == hitLI) return MeasuringCanvas().GetTextMetrics().tmAveCharWidth;
    if (FItemType == hitUL || FItemType == hitOL) return MeasuringCanvas().GetTextMetrics().tmMaxCharWidth;
    return 0;
}

Integer TStyHTMLBreakItem::GetHeight(Integer& BaseLine)
{
    Integer h = 0;
    if (FItemType == hitSoftBreak || FItemType == hitBreak || FItemType == hitLI) {
        const auto& items = FOwner->FArray;
        auto it = std::find(items.begin(), items.end(), this);
        bool emptyLine = it == items.end() || it + 1 == items.end() || (*(it + 1))->IsBreak();
        if (emptyLine) {
            TTextMetric tm = MeasuringCanvas().GetTextMetrics();
            h = std::abs(tm.tmHeight);
            BaseLine = tm.tmDescent;
        }
        if (FOwner->FLineSpacing != 0) h = std::max(h, FOwner->FLineSpacing);
    }
    return h + FOwner->FLineGap;
}

void TStyHTMLBreakItem::Assign(const TStyHTMLItem& Source)
{
    TStyHTMLItem::Assign(Source);
    if (auto* b = dynamic_cast<const TStyHTMLBreakItem*>(&Source)) {
        FListLevel = b->FListLevel;
        FListItemN = b->FListItemN;
        FParams = b->FParams & ~0xFFFF;
    }
}

void TStyHTMLBreakItem::AssignBreakProps(const TStyHTMLBreakItem& Source)
{
    FListLevel = Source.FListLevel;
    FListItemN = Source.FListItemN;
    FParams = Source.FParams;
}

void TStyHTMLInputItem::Assign(const TStyHTMLItem& Source)
{
    TStyHTMLItem::Assign(Source);
    if (auto* i = dynamic_cast<const TStyHTMLInputItem*>(&Source)) {
        FName = i->FName;
        FChecked = i->FChecked;
        SetInputType(i->FInputType);
        FValue = i->FValue;
    }
}

void TStyHTMLInputItem::SetInputType(TStyHTMLInputType Value)
{
    FInputType = Value;
    if (Value != itRadioButton || FName.IsEmpty()) return;
    auto& names = FOwner->FRadioList;
    auto it = std::find(names.begin(), names.end(), FName);
    if (it == names.end()) it = names.insert(names.end(), FName);
    FTag = static_cast<Integer>(it - names.begin()) + 1;
}

void TStyHTMLInputItem::SetChecked(bool Value)
{
    if (Value == FChecked) return;
    if (Value && FInputType == itRadioButton && FTag != 0)
        for (TStyHTMLItem* item : FOwner->FControlsArray)
            if (auto* other = dynamic_cast<TStyHTMLInputItem*>(item); other && other->FTag == FTag) other->FChecked = false;
    FChecked = Value;
    if (TStyHTMLRender* r = FOwner->Render()) {
        r->OnInputItemChecked(r, this);
        r->Change();
    }
}

void TStyHTMLInputItem::SetValue(const String& Value)
{
    if (Value == FValue) return;
    FValue = Value;
    if (TStyHTMLRender* r = FOwner->Render()) {
        r->OnInputItemTextChanged(r, this);
        r->Change();
    }
}

void TStyHTMLInputItem::Click()
{
    if (FInputType == itCheckBox || FChecked) SetChecked(!FChecked);
    else SetChecked(true);
    if (TStyHTMLRender* r = FOwner->Render()) r->Change();
}

void TStyHTMLInputItem::KeyDown(Word& Key)
{
    if (Key != VK_SPACE) return;
    SetChecked(FInputType == itCheckBox ? !FChecked : true);
}

void TStyHTMLInputItem::PaintTo(TCanvas& Canvas, const TRect& R)
{
    TRect box = R;
    UINT state = (FInputType == itRadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (FChecked ? UINT{DFCS_CHECKED} : 0);
    DrawFrameControl(Canvas.Handle(), &box, DFC_BUTTON, state);
    if (FOwner->FSelectedItem == this) Canvas.DrawFocusRect(R);
}

String TStyHTMLInputItem::GetItemHTML() const
{
    auto attr = [](const String& name, const String& value) { return name + "=\"" + value + "\" "; };
    String s = "<input " + attr("type", FInputType == itCheckBox ? "checkbox" : "radio");
    if (!FName.IsEmpty()) s += attr("name", FName);
    if (FChecked) s += attr("checked", "True");
    if (!FValue.IsEmpty()) s += attr("value", FValue);
    return s + ">";
}

// ---------------------------------------------------------------- document

void TStyHTMLData::ClearArray()
{
    for (TStyHTMLItem* item : FArray) delete item;
    FArray.clear();
    FControlsArray.clear();
    FRadioList.clear();
    FActiveItem = nullptr;
    FSelectedItem = nullptr;
}

Integer TStyHTMLData::LineCount() const
{
    if (FArray.size() < 2) return 0;
    return static_cast<Integer>(std::count_if(FArray.begin(), FArray.end(), [](TStyHTMLItem* i) { return i->IsBreak(); }));
}

void TStyHTMLData::SetActiveItem(TStyHTMLInputItem* Value)
{
    if (Value == FActiveItem) return;
    FActiveItem = Value;
    if (FRender) FRender->Change();
}

// ---------------------------------------------------------------- entities and tags

const std::vector<std::pair<const char*, char16_t>>& TStyHTMLRender::Entities()
{
    static const std::vector<std::pair<const char*, char16_t>> table = [] {
        std::vector<std::pair<const char*, char16_t>> t = {{"nbsp", 32}, {"quot", 34}, {"amp", 38}, {"lt", 60}, {"gt", 62}};
        static const char* latin1[] = {
            "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf", "laquo", "not", "shy",
            "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot", "cedil", "sup1",
            "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc", "Atilde", "Auml",
            "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml",
            "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times", "Oslash", "Ugrave", "Uacute",
            "Ucirc", "Uuml", "Yacute", "THORN", "szlig", "agrave", "aacute", "acirc", "atilde", "auml", "aring",
            "aelig", "ccedil", "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth",
            "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc",
            "uuml", "yacute", "thorn", "yuml"};
        char16_t code = 161;
        for (const char* name : latin1) t.push_back({name, code++});
        t.push_back({"trade", 8482});
        t.push_back({"euro", 8364});
        t.push_back({"tab", 9});
        return t;
    }();
    return table;
}

namespace {

const std::vector<String>& TagTable()
{
    static const std::vector<String> tags = {
        "sub", "/sub", "sup", "/sup", "b", "/b", "strong", "/strong", "big", "/big", "i", "/i", "em", "/em",
        "var", "/var", "cite", "/cite", "strikeout", "/strikeout", "s", "/s", "u", "/u", "ul", "/ul", "ol", "/ol",
        "li", "p", "/p", "br", "ind", "img", "a", "/a", "html", "hr", "font", "/font", "input", "control", "~~"};
    return tags;
}

bool IsTag(const String& name)
{
    const auto& t = TagTable();
    return std::find(t.begin(), t.end(), name) != t.end();
}

TFontStyles StyleOfTag(const String& n)
{
    if (n == "b" || n == "strong" || n == "big") return {TFontStyle::fsBold};
    if (n == "i" || n == "em") return {TFontStyle::fsItalic};
    if (n == "var" || n == "cite") return {TFontStyle::fsBold, TFontStyle::fsItalic};
    if (n == "strikeout" || n == "s") return {TFontStyle::fsStrikeOut};
    if (n == "u") return {TFontStyle::fsUnderline};
    return {};
}

struct TFontSettings {
    String FontName;
    Integer Height;
    TColor Color;
    TColor BgColor;
};

}  // namespace

// ---------------------------------------------------------------- parser

class TStyHTMLRender::TParser {
public:
    TParser(TStyHTMLRender& R, TStyHTMLData& D, Integer maxWidth, bool autoWrap)
        : R(R), D(D), FAutoWrap(autoWrap)
    {
        D.FMaxWidth = maxWidth;
    }
    ~TParser() { delete C; }
    void Run(const String& text);

private:
    TStyHTMLItem* NewItem(TStyHTMLItemType type, const TStyHTMLItem& from)
    {
        TStyHTMLItem* item = type == hitInput     ? new TStyHTMLInputItem(&D)
                             : type == hitControl ? new TStyHTMLControlItem(&D)
                             : (type == hitSoftBreak || type == hitBreak || type == hitPara || type == hitLI ||
                                type == hitUL || type == hitOL)
                                 ? new TStyHTMLBreakItem(&D, type)
                                 : new TStyHTMLItem(&D, type);
        item->Assign(from);
        return item;
    }
    // Starts a new current item as a copy of the old one (which the caller has placed or freed).
    void Renew(TStyHTMLItem* from)
    {
        C = NewItem(hitChar, *from);
    }
    bool Keeps(const TStyHTMLItem* item) const { return item->FItemType != hitChar || !item->FText.IsEmpty(); }
    // Adds C when it has anything to show, then starts a new one like it.
    void CloseC()
    {
        TStyHTMLItem* old = C;
        Renew(old);
        if (Keeps(old)) D.FArray.push_back(old);
        else delete old;
    }
    void AddAsIs()
    {
        TStyHTMLItem* old = C;
        Renew(old);
        D.FArray.push_back(old);
    }
    TStyHTMLBreakItem* LastBreak() const
    {
        for (auto it = D.FArray.rbegin(); it != D.FArray.rend(); ++it)
            if ((*it)->IsBreak()) return static_cast<TStyHTMLBreakItem*>(*it);
        return nullptr;
    }
    TStyHTMLBreakItem* AddBreak(TStyHTMLItemType type)
    {
        auto* b = static_cast<TStyHTMLBreakItem*>(NewItem(type, *C));
        if (TStyHTMLBreakItem* last = LastBreak()) {
            b->FListLevel = last->FListLevel;
            b->FListItemN = last->FListItemN;
        }
        D.FArray.push_back(b);
        return b;
    }
    Integer LineWidthSoFar()
    {
        Integer w = 0;
        for (auto it = D.FArray.rbegin(); it != D.FArray.rend(); ++it) {
            if ((*it)->IsBreak()) return w + (*it)->FIndent;
            w += (*it)->GetWidth();
        }
        return w;
    }
    void Append(char16_t ch)
    {
        C->SetText(C->FText + ch);
        if (FAutoWrap) Wrap();
    }
    void Wrap();
    void Tag(const String& text, Integer& i);
    void ApplyTag(String name, std::vector<String>& params);
    void Font(const std::vector<String>& params);
    TColor ParseColor(const String& value, TColor fallback, TColor current) const;
    Integer ParseSize(const String& value) const;
    void ReadEntity(const String& text, Integer& i);

    TStyHTMLRender& R;
    TStyHTMLData& D;
    bool FAutoWrap;
    TStyHTMLItem* C = nullptr;
    std::vector<TFontSettings> FStack;
    Integer FCurListItem = -1;
    Integer FLevel = 0;
    String FReread;   // characters cut by the wrap, read again after the break
};

void TStyHTMLRender::TParser::Wrap()
{
    Integer lineWidth = LineWidthSoFar();
    if (C->GetWidth() + lineWidth <= D.FMaxWidth) return;
    String& t = C->FText;
    bool firstInLine = D.FArray.empty() || D.FArray.back()->IsBreak();
    // One character alone at a line's start stays: it cannot go anywhere narrower.
    if (firstInLine && t.Length() <= 1) return;
    auto lastSpace = [&t](Integer upTo) {
        for (Integer k = upTo; k >= 1; --k)
            if (t[k] == u' ') return k;
        return 0;
    };
    String moved;
    // At a line's start a text without a space before its last character can only give that
    // character to the next line: moving the whole text would leave the line as it was.
    if (firstInLine && !lastSpace(t.Length() - 1)) {
        moved = Copy(t, t.Length(), 1);
        SetLength(t, t.Length() - 1);
    } else {
        if (t.Length() > 1) {
            FReread = Copy(t, t.Length(), 1) + FReread;
            SetLength(t, t.Length() - 1);
        }
        Integer space = lastSpace(t.Length());
        moved = Copy(t, space + 1);
        SetLength(t, space);
    }
    C->SetText(t);
    TStyHTMLItem* old = C;
    if (Keeps(old)) D.FArray.push_back(old);
    TStyHTMLBreakItem* last = LastBreak();
    auto* soft = static_cast<TStyHTMLBreakItem*>(NewItem(hitSoftBreak, *old));
    if (last) {
        soft->FListLevel = last->FListLevel;
        soft->FListItemN = last->FListItemN;
        soft->FParams = last->FParams & 0xFFFF;
    }
    D.FArray.push_back(soft);
    C = NewItem(hitChar, *old);
    C->SetText(moved);
    if (!Keeps(old)) delete old;
}

void TStyHTMLRender::TParser::Run(const String& text)
{
    D.ClearArray();
    C = new TStyHTMLItem(&D, hitChar);
    C->FontStyle = D.FDefaultStyle;
    C->FFontRef = D.FDefaultFont;
    C->FontColor = D.FDefaultColor;
    C->FontBgColor = D.FDefaultBgColor;
    C->FontHeight = D.FDefaultHeight;
    Integer i = 1;
    const Integer n = text.Length();
    while (i <= n || !FReread.IsEmpty()) {
        if (!FReread.IsEmpty()) {
            char16_t ch = FReread[1];
            FReread = Copy(FReread, 2);
            Append(ch);
            continue;
        }
        char16_t ch = text[i];
        if (ch == u'<') {
            Tag(text, i);
            if (i < 0) break;   // a tag left open ends the text
            continue;
        }
        ++i;
        if (ch == u'\r') {
            if (i <= n && text[i] == u'\n') ++i;
        } else if (ch == u' ') {
            if (C->FText.IsEmpty() || C->FText[C->FText.Length()] != u' ') Append(ch);
        } else if (ch == u'&') {
            ReadEntity(text, i);
        } else if (ch == u'\t') {
            Integer tab = D.TabWidth;
            Integer w = C->GetWidth();
            TStyHTMLItem* old = C;
            D.FArray.push_back(old);
            auto* blank = NewItem(hitChar, *old);
            blank->SetText(" ");
            blank->FTWidth = static_cast<Word>(tab - (tab > 0 ? w % tab : 0));
            D.FArray.push_back(blank);
            Renew(old);
        } else {
            Append(ch);
        }
    }
    if (Keeps(C)) {
        D.FArray.push_back(C);
        C = nullptr;
    }
    if (!D.FArray.empty() && D.FArray.front()->FItemType != hitPara) {
        auto* para = static_cast<TStyHTMLBreakItem*>(NewItem(hitPara, *D.FArray.front()));
        para->FBoolState &= ~TStyHTMLItem::bsParaEnd;
        D.FArray.insert(D.FArray.begin(), para);
    }
}

void TStyHTMLRender::TParser::ReadEntity(const String& text, Integer& i)
{
    const Integer n = text.Length();
    if (i <= n && text[i] == u' ') {
        Append(u'&');
        return;
    }
    Integer semi = Pos(";", text, i);
    if (i <= n && text[i] == u'#') {
        Integer end = semi ? semi : n + 1;
        Integer code = 0;
        if (!TryStrToInt(Copy(text, i + 1, end - i - 1), code)) code = 32;
        i = end + 1;
        if (code == 32) {
            if (C->FText.IsEmpty() || C->FText[C->FText.Length()] != u' ') Append(u' ');
        } else {
            Append(static_cast<char16_t>(code));
        }
        return;
    }
    if (!semi) {
        Append(u'&');
        return;
    }
    String name = UnicodeLowerCase(Copy(text, i, semi - i));
    i = semi + 1;
    for (const auto& [entity, code] : Entities())
        if (name == entity) {
            Append(code);
            return;
        }
}

void TStyHTMLRender::TParser::Tag(const String& text, Integer& i)
{
    const Integer n = text.Length();
    Integer k = i + 1;
    String name;
    while (k <= n && text[k] != u' ' && text[k] != u'>') {
        name += text[k++];
        if (name == "!--") {
            Integer end = Pos("-->", text, k);
            i = end ? end + 3 : n + 1;
            return;
        }
    }
    if (k > n) {
        i = -1;
        return;
    }
    std::vector<String> params;
    if (text[k] == u' ') {
        // Attributes up to ">", split at spaces outside quotes.
        String token;
        char16_t quote = 0;
        Integer positional = 0;
        auto flush = [&] {
            if (token.IsEmpty()) return;
            Integer eq = Pos("=", token);
            if (eq) params.push_back(LowerCase(Trim(Copy(token, 1, eq - 1))) + "=" + Trim(Copy(token, eq + 1)));
            else params.push_back("p" + IntToStr(++positional) + "=" + token);
            token = String();
        };
        ++k;
        while (k <= n && (quote || text[k] != u'>')) {
            char16_t ch = text[k++];
            if (quote) {
                if (ch == quote) quote = 0;
                if (ch == u' ' && !token.IsEmpty() && token[token.Length()] == u' ') continue;
                token += ch;
            } else if (ch == u'"' || ch == u'\'') {
                quote = ch;
                token += ch;
            } else if (ch == u' ') {
                flush();
            } else {
                token += ch;
            }
        }
        if (k > n) {
            i = -1;
            return;
        }
        flush();
    }
    i = k + 1;
    if (Copy(name, 1, 2) == "~~") {
        params = {"p1=" + Copy(name, 3)};
        name = "~~";
    }
    ApplyTag(LowerCase(name), params);
}

TColor TStyHTMLRender::TParser::ParseColor(const String& value, TColor fallback, TColor current) const
{
    if (value.Length() > 0 && value[1] == u'#') {
        Int64 rgb = 0;
        if (!TryStrToInt64("$" + Copy(value, 2), rgb) || Copy(value, 2).IsEmpty()) return fallback;
        return static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    }
    String ident = Copy(value, 1, 2) == "cl" ? value : "cl" + value;
    TColor color;
    return IdentToColor(ident, color) ? color : current;
}

Integer TStyHTMLRender::TParser::ParseSize(const String& value) const
{
    const Integer base = std::abs(D.FDefaultHeight);
    const Integer sign = Sign(C->FontHeight);
    if (value.Length() > 0 && (value[1] == u'+' || value[1] == u'-')) {
        Integer n = StrToIntDef(Copy(value, 2), 0) * (value[1] == u'-' ? -1 : 1);
        Integer ppi = R.Canvas().GetDeviceCaps(LOGPIXELSY);
        if (ppi <= 0) ppi = 100;
        Integer pixels = static_cast<Integer>((static_cast<Int64>(n) * ppi * 2 + (n < 0 ? -72 : 72)) / 144);
        return (pixels + base) * sign;
    }
    bool px = Pos("px", value) != 0;
    Integer n = StrToIntDef(Trim(StringReplace(value, "px", "", rfReplaceAll)), D.FDefaultHeight);
    if (n >= 1 && n <= 9 && !px) return sign * (base + 5 * n);
    return n;
}

void TStyHTMLRender::TParser::Font(const std::vector<String>& params)
{
    CloseC();
    FStack.push_back({C->FFontRef, C->FontHeight, C->FontColor, C->FontBgColor});
    if (HasAttr(params, "face")) C->FFontRef = AttrValue(params, "face");
    if (HasAttr(params, "name")) C->FFontRef = AttrValue(params, "name");
    if (HasAttr(params, "size")) C->FontHeight = ParseSize(AttrValue(params, "size"));
    if (HasAttr(params, "color")) C->FontColor = ParseColor(AttrValue(params, "color"), D.FDefaultColor, C->FontColor);
    String bg = AttrValue(params, "bgcolor");
    if (bg.IsEmpty()) bg = AttrValue(params, "background");
    if (!bg.IsEmpty()) C->FontBgColor = ParseColor(bg, D.FDefaultBgColor, C->FontBgColor);
    if (HasAttr(params, "color") || HasAttr(params, "bgcolor") || HasAttr(params, "background")) ++C->FFntCnt;
}

void TStyHTMLRender::TParser::ApplyTag(String name, std::vector<String>& params)
{
    bool closing = Pos("/", name) != 0;
    R.OnTagFound(&R, name, C, params, closing, IsTag(name));
    name = LowerCase(name);
    if (!IsTag(name)) return;
    const String bare = closing ? Copy(name, 2) : name;

    if (bare == "sub" || bare == "sup") {
        CloseC();
        Integer bit = bare == "sub" ? TStyHTMLItem::bsSub : TStyHTMLItem::bsSuper;
        C->FBoolState = closing ? C->FBoolState & ~bit : C->FBoolState | bit;
    } else if (TFontStyles style = StyleOfTag(bare); !style.IsEmpty()) {
        CloseC();
        for (TFontStyle s : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
            if (style.Contains(s)) {
                if (!closing) C->FontStyle.Include(s);
                else if (!D.FDefaultStyle.Contains(s)) C->FontStyle.Exclude(s);
            }
    } else if (name == "ul" || name == "ol") {
        if (C->FItemType != hitSoftBreak && C->FItemType != hitBreak) {
            // No empty line before a list.
            auto last = std::find_if(D.FArray.rbegin(), D.FArray.rend(), [](TStyHTMLItem* i) { return i->IsBreak(); });
            if (last != D.FArray.rend() && ((*last)->FItemType == hitSoftBreak || (*last)->FItemType == hitBreak) &&
                Trim(C->FText).IsEmpty() &&
                std::all_of(D.FArray.rbegin(), last, [](TStyHTMLItem* i) {
                    return i->FItemType == hitChar && Trim(i->FText).IsEmpty();
                })) {
                auto first = last.base() - 1;
                for (auto it = first; it != D.FArray.end(); ++it) delete *it;
                D.FArray.erase(first, D.FArray.end());
            }
            CloseC();
        }
        ++FLevel;
        FCurListItem = name == "ul" ? -1 : 1;
        TStyHTMLBreakItem* b = AddBreak(name == "ul" ? hitUL : hitOL);
        b->FListLevel = FLevel;
        Integer w = b->GetWidth();
        b->FIndent += w;
        C->FIndent += w;
    } else if (name == "/ul" || name == "/ol") {
        if (C->FItemType != hitBreak) CloseC();
        --FLevel;
        Integer w = std::unique_ptr<TStyHTMLItem>(NewItem(hitUL, *C))->GetWidth();   // measured only
        C->FIndent -= w;
        if (!D.FArray.empty() && D.FArray.back()->FItemType == hitBreak) {
            delete D.FArray.back();
            D.FArray.pop_back();
        }
        TStyHTMLBreakItem* b = AddBreak(hitBreak);
        b->FListLevel = FLevel;
        b->FListItemN = 0;
        if (name == "/ol") FCurListItem = -1;
    } else if (name == "li") {
        if (C->FItemType != hitBreak) CloseC();
        if (!D.FArray.empty() && D.FArray.back()->FItemType == hitBreak) {
            delete D.FArray.back();
            D.FArray.pop_back();
        }
        TStyHTMLBreakItem* b = AddBreak(hitLI);
        b->FListItemN = FCurListItem;
        b->FListLevel = FLevel;
        if (FCurListItem > 0) ++FCurListItem;
    } else if (name == "p" || name == "/p") {
        TStyHTMLItem* last = D.FArray.empty() ? nullptr : D.FArray.back();
        if (last && last->FItemType == hitBreak && (last->FBoolState & TStyHTMLItem::bsParaEnd)) {
            if (name == "p") last->FBoolState &= ~TStyHTMLItem::bsParaEnd;
            return;
        }
        CloseC();
        TStyHTMLBreakItem* b = AddBreak(hitPara);
        String align = LowerCase(AttrValue(params, "align"));
        b->FParams = (b->FParams & ~0xFFFF) | (align == "center" ? 1 : align == "right" ? 2 : 0);
        if (HasAttr(params, "indent")) {
            Integer indent = StrToIntDef(AttrValue(params, "indent"), 0);
            b->FIndent = indent;
            C->FIndent = indent;
        }
        if (name == "/p") {
            b->FBoolState |= TStyHTMLItem::bsParaEnd;
            C->FBoolState |= TStyHTMLItem::bsParaEnd;
        }
    } else if (name == "br") {
        CloseC();
        TStyHTMLBreakItem* last = LastBreak();
        TStyHTMLBreakItem* b = AddBreak(hitBreak);
        if (last) b->FParams = last->FParams & 0xFFFF;
    } else if (name == "ind") {
        String width = AttrValue(params, "width");
        if (width.IsEmpty()) return;
        CloseC();
        TStyHTMLItem* ind = NewItem(hitIndent, *C);
        ind->FWidth = static_cast<Word>(StrToIntDef(width, 0));
        if (LowerCase(AttrValue(params, "pos")) == "abs") ind->FBoolState |= TStyHTMLItem::bsAbsIndent;
        D.FArray.push_back(ind);
    } else if (name == "img") {
        String src = AttrValue(params, "src");
        if (src.IsEmpty()) return;
        CloseC();
        TStyHTMLItem* img = NewItem(hitBitmap, *C);
        img->FText = src;
        TPicture picture;
        R.RequestPicture(src, picture);
        img->FTransparent = LowerCase(AttrValue(params, "transparent")) != "solid";
        img->FWidth = static_cast<Word>(StrToIntDef(AttrValue(params, "width"), picture.Width()));
        img->FHeight = static_cast<Word>(StrToIntDef(AttrValue(params, "height"), picture.Height()));
        D.FArray.push_back(img);
    } else if (name == "a") {
        if (params.empty()) return;
        AddAsIs();
        C->FBoolState |= TStyHTMLItem::bsLink;
        C->FLinkRef = AttrValue(params, "href");
        C->FontColor = D.FLinkColor;
        if (HasAttr(params, "color")) {
            TColor color = clNone;
            if (!IdentToColor(AttrValue(params, "color"), color)) color = StringToColor(AttrValue(params, "color"));
            C->FontColor = color;
        }
        C->FontStyle = D.FLinkStyle;
        D.FControlsArray.push_back(C);
    } else if (name == "/a") {
        CloseC();
        C->FBoolState &= ~TStyHTMLItem::bsLink;
        C->FLinkRef = String();
        auto plain = std::find_if(D.FArray.rbegin(), D.FArray.rend(), [](TStyHTMLItem* i) { return !i->IsLink(); });
        if (plain != D.FArray.rend()) {
            C->FontStyle = (*plain)->FontStyle;
            C->FontColor = (*plain)->FontColor;
        } else {
            C->FontStyle = D.FDefaultStyle;
            C->FontColor = D.FDefaultColor;
        }
    } else if (name == "hr") {
        CloseC();
        AddBreak(hitBreak);
        TStyHTMLItem* hr = NewItem(hitHR, *C);
        hr->FWidth = static_cast<Word>(StrToIntDef(AttrValue(params, "width"), 0));
        D.FArray.push_back(hr);
        AddBreak(hitBreak);
    } else if (name == "font") {
        Font(params);
    } else if (name == "/font") {
        CloseC();
        if (!FStack.empty()) {
            TFontSettings saved = FStack.back();
            FStack.pop_back();
            if (!(saved.Color == C->FontColor && saved.BgColor == C->FontBgColor)) --C->FFntCnt;
            C->FFontRef = saved.FontName;
            C->FontHeight = saved.Height;
            C->FontColor = saved.Color;
            C->FontBgColor = saved.BgColor;
        }
    } else if (name == "input") {
        String type = LowerCase(AttrValue(params, "type"));
        if (type != "checkbox" && type != "radio") return;
        CloseC();
        auto* input = static_cast<TStyHTMLInputItem*>(NewItem(hitInput, *C));
        input->FWidth = input->FHeight = kInputSize;
        input->FName = LowerCase(AttrValue(params, "name"));
        input->FChecked = SameText(AttrValue(params, "checked"), "true");
        input->FValue = AttrValue(params, "value");
        Integer w = 0, h = 0;
        if (HasAttr(params, "width") && TryStrToInt(AttrValue(params, "width"), w)) {
            input->FWidth = static_cast<Word>(w);
            if (HasAttr(params, "height") && TryStrToInt(AttrValue(params, "height"), h)) input->FHeight = static_cast<Word>(h);
        }
        input->SetInputType(type == "checkbox" ? itCheckBox : itRadioButton);
        D.FArray.push_back(input);
        D.FControlsArray.push_back(input);
    } else if (name == "~~") {
        CloseC();
        TStyHTMLItem* var = NewItem(hitVar, *C);
        String varName = AttrValue(params, "name");
        if (varName.IsEmpty()) varName = AttrValue(params, "p1");
        String value;
        R.OnVariableNeeded(&R, varName, value);
        var->SetText(value);
        D.FArray.push_back(var);
        C->SetText(" ");
    } else if (name == "control") {
        const String cls = AttrValue(params, "vclclass");
        if (cls.IsEmpty()) return;
        CloseC();
        auto* item = static_cast<TStyHTMLControlItem*>(NewItem(hitControl, *C));
        std::vector<std::pair<String, String>> attributes;
        for (const String& p : params) {
            const Integer eq = Pos("=", p);
            if (eq <= 1) continue;
            const String key = Copy(p, 1, eq - 1);
            if (!SameText(key, "vclclass")) attributes.push_back({key, AttrValue(params, key)});
        }
        item->CreateControl(LowerCase(cls), attributes);
        D.FArray.push_back(item);
        D.FControlsArray.push_back(item);
    }
    // "html" is recognised and draws nothing here.
}

// ---------------------------------------------------------------- embedded controls

namespace {

// The classes the control tag may name.
const bool gControlClassesRegistered = [] {
    RegisterClasses({TEdit::StaticClass(), TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass()});
    return true;
}();

// Sets one published property from its text: colours by name, "#" and a decimal number, other
// numbers, enumeration names, floats, sets and strings.
void SetPropertyText(TObject* Instance, const TPropInfo* Prop, const String& Value)
{
    switch (Prop->Kind) {
    case tkInteger: case tkInt64: case tkChar: case tkWChar: {
        TColor color = 0;
        if (SameText(Copy(Value, 1, 2), "cl") && IdentToColor(Value, color)) SetOrdProp(Instance, Prop, color);
        else if (Copy(Value, 1, 1) == "#") SetOrdProp(Instance, Prop, StrToInt64(Copy(Value, 2)));
        else SetOrdProp(Instance, Prop, StrToInt64(Value));
        break;
    }
    case tkEnumeration: SetEnumProp(Instance, Prop, Value); break;
    case tkFloat: SetFloatProp(Instance, Prop, StrToFloat(Value)); break;
    case tkSet: SetSetProp(Instance, Prop, Value); break;
    case tkString: SetStrProp(Instance, Prop, Value); break;
    default: break;
    }
}

// The text of a published property, colours by their names.
String PropertyText(TObject* Instance, const TPropInfo* Prop)
{
    switch (Prop->Kind) {
    case tkInteger: case tkInt64: case tkChar: case tkWChar: {
        const Int64 v = GetOrdProp(Instance, Prop);
        if (Prop->TypeName == "TColor" && Pos("cl", ColorToString(static_cast<TColor>(v))) == 1)
            return ColorToString(static_cast<TColor>(v));
        return IntToStr(v);
    }
    case tkEnumeration: return GetEnumProp(Instance, Prop);
    case tkFloat: return FloatToStr(GetFloatProp(Instance, Prop));
    case tkSet: return GetSetProp(Instance, Prop);
    case tkString: return GetStrProp(Instance, Prop);
    default: return {};
    }
}

}  // namespace

TStyHTMLControlItem::~TStyHTMLControlItem() { FreeControl(); }

void TStyHTMLControlItem::FreeControl()
{
    if (FControlHook.Control() != FControl) FControl = nullptr;   // its owner freed it already
    FControlHook.SetControl(nullptr);
    if (FControl && (!FControl->Visible() || FControl->Parent())) delete FControl;
    FControl = nullptr;
}

void TStyHTMLControlItem::CreateControl(const String& ClassName, const std::vector<std::pair<String, String>>& Attributes)
{
    TStyHTMLRender* render = FOwner->Render();
    if (!SameText(ClassName, FControlClass)) {
        FreeControl();
        FControlClass = ClassName;
        TControl* host = render ? render->Control() : nullptr;
        TClass cls = GetClass(ClassName);
        if (host && cls && cls->InheritsFrom(TControl::StaticClass())) {
            FControl = static_cast<TControl*>(cls->Create(host));
            FControl->SetVisible(false);
            FControl->SetBounds(0, 0, FControl->Width(), FControl->Height());
            auto* windowed = dynamic_cast<TWinControl*>(host);
            FControl->SetParent(windowed ? windowed : host->Parent());
            FControlHook.SetControl(FControl);
        }
    }
    FControlPropList = Attributes;
    if (!FControl) return;
    FWidth = static_cast<Word>(FControl->Width());
    FHeight = static_cast<Word>(FControl->Height());
    Integer w = 0, h = 0;
    auto attr = [&](const char* name) -> const String* {
        for (const auto& [key, value] : Attributes)
            if (SameText(key, name)) return &value;
        return nullptr;
    };
    if (const String* width = attr("width"); width && TryStrToInt(*width, w)) {
        FWidth = static_cast<Word>(w);
        FControl->SetWidth(w);
        if (const String* height = attr("height"); height && TryStrToInt(*height, h)) {
            FHeight = static_cast<Word>(h);
            FControl->SetHeight(h);
        }
    }
    for (const auto& [key, value] : Attributes) {
        const TPropInfo* prop = GetPropInfo(FControl, key);
        if (!prop || prop->ReadOnly) continue;
        try {
            SetPropertyText(FControl, prop, value);
        } catch (const Exception&) {
            // a value the property does not take is left out
        }
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) windowed->SetTabStop(false);
    if (render) render->OnControlCreated(render, FControl);
}

String TStyHTMLControlItem::GetItemHTML() const
{
    String s = "<control vclclass=\"" + FControlClass + "\" ";
    for (const auto& [key, value] : FControlPropList) {
        const TPropInfo* prop = FControl ? GetPropInfo(FControl, key) : nullptr;
        if (prop) s += key + "=\"" + PropertyText(FControl, prop) + "\" ";
    }
    return s + ">";
}

// ---------------------------------------------------------------- render

// An embedded control goes where its item lies: in its owner, moved by the document's offsets, or
// else beside the host control in the host's parent.
void TStyHTMLRender::PlaceControl(TStyHTMLControlItem& Item, const TRect& Box)
{
    TControl* control = Item.Control();
    if (!control) return;
    Integer x = 0, y = 0;
    OnAdjustControlPosition(this, control, FData->FAuxData, x, y);
    if (auto* owner = dynamic_cast<TWinControl*>(control->Owner())) {
        control->SetParent(owner);
        control->SetBounds(x + Box.Left + FData->FHOffset, y + Box.Top + FData->FVOffset, control->Width(), control->Height());
    } else if (TControl* host = Control(); host && host->Parent()) {
        control->SetParent(host->Parent());
        control->SetBounds(host->Left() + x + Box.Left, host->Top() + y + Box.Top, control->Width(), control->Height());
    }
    bool visible = true;
    OnSetControlVisibility(this, control, FData->FAuxData, visible);
    control->SetVisible(visible);
}

void TStyHTMLRender::RequestPicture(const String& Src, TPicture& Picture)
{
    TBitmap* bitmap = nullptr;
    OnImageNeeded(this, Src, bitmap);
    if (bitmap) {
        Picture.Bitmap().Assign(bitmap);
        return;
    }
    if (!OnImageNeededEx) return;
    try {
        OnImageNeededEx(this, Src, &Picture);
    } catch (const Exception&) {
        Picture.SetGraphic(nullptr);
    }
}

TStyHTMLRender::TStyHTMLRender()
{
    FHook.OnBeforeProcess = TStyHookEvent(this, &TStyHTMLRender::FilterMessage);
}

TStyHTMLRender::~TStyHTMLRender() = default;

void TStyHTMLRender::SetData(TStyHTMLData* NewData)
{
    FData = NewData ? NewData : &FIntData;
    FData->FRender = this;
}

void TStyHTMLRender::DestroyData(TStyHTMLData* Data)
{
    if (!Data || Data == &FIntData) return;
    if (Data == FData) SetData(nullptr);
    delete Data;
}

void TStyHTMLRender::PrepareToData(const String& Text, Integer MaxWidth, bool AutoWrap, TStyHTMLData* CurData)
{
    if (!CurData) return;
    CurData->FRender = this;
    try {
        TParser parser(*this, *CurData, MaxWidth, AutoWrap);
        parser.Run(Text);
    } catch (const Exception&) {
        CurData->ClearArray();
    }
    Layout(*CurData);
}

void TStyHTMLRender::Layout(TStyHTMLData& Data)
{
    Integer widest = 0, total = 0;
    auto& items = Data.FArray;
    for (size_t start = 0; start < items.size();) {
        size_t end = start + 1;
        while (end < items.size() && !items[end]->IsBreak()) ++end;
        Integer width = 0, height = 0, depth = 0;
        for (size_t k = start; k < end; ++k) {
            TStyHTMLItem* item = items[k];
            Integer base = 0;
            item->FWidth = static_cast<Word>(item->GetWidth());
            Integer h = item->GetHeight(base);
            if (item->FItemType == hitChar && item->IsSub()) {
                base += h / 4;
                h += h / 4;
            } else if (item->FItemType == hitChar && item->IsSuper()) {
                base -= h / 2;
                h += (2 * h) / 3;
            }
            item->FHeight = static_cast<Word>(h);
            if (item->FItemType == hitIndent && (item->FBoolState & TStyHTMLItem::bsAbsIndent)) width = item->FWidth;
            else width += item->FWidth;
            height = std::max(height, h);
            depth = std::max(depth, base);
        }
        auto* line = static_cast<TStyHTMLBreakItem*>(items[start]);
        line->FHeight = static_cast<Word>(height);
        line->FWidth = static_cast<Word>(width + line->FIndent);
        line->FParams = (line->FParams & 0xFFFF) | (depth << 16);
        widest = std::max(widest, static_cast<Integer>(line->FWidth));
        total += height + Data.FLineGap;
        start = end;
    }
    Data.FTextSize = {widest, total};
}

Integer TStyHTMLRender::LineStart(const TStyHTMLBreakItem& Line, Integer AreaWidth)
{
    Integer w = Line.FWidth;
    switch (Line.Alignment()) {
    case 1: return (std::max(w, AreaWidth) - w - 1) / 2;
    case 2: return std::max(w, AreaWidth) - w - 1;
    default: return Line.FIndent;
    }
}

void TStyHTMLRender::DrawTextEx(TCanvas& ACanvas, TPoint ASrcPoint, const TRect& AR, bool UseOverColors,
                                TColor AColor, TColor ABkColor, TColor ASelColor, TColor ASelBkColor,
                                TColor AAdjustFromColor)
{
    TStyHTMLData* data = FData;
    if (!data) return;
    TCanvas* canvas = &ACanvas;
    TPoint origin{AR.Left, AR.Top};
    if (FDoubleBuffered) {
        FBuffer.SetSize(AR.Width() + 1, AR.Height() + 1);
        FBuffer.Canvas().CopyRect({0, 0, AR.Width() + 1, AR.Height() + 1}, ACanvas,
                                  {AR.Left, AR.Top, AR.Right + 1, AR.Bottom + 1});
        FBuffer.Canvas().Brush().SetColor(ACanvas.Brush().Color());
        canvas = &FBuffer.Canvas();
        origin = {0, 0};
    }
    origin.X -= ASrcPoint.X;
    origin.Y -= ASrcPoint.Y;
    int oldAlign = canvas->SetTextAlign(TA_BASELINE);
    data->FRect = AR;
    const Integer areaWidth = AR.Width() + 1;
    auto adjust = [&](TColor c) {
        if (AAdjustFromColor == clNone) return c;
        return ((ColorToHLS(AAdjustFromColor) >> 8) & 0xFF) > 160 ? DarkenColor(c, 50) : LightenColor(c, 50);
    };
    auto setBackground = [&](TColor bg) {
        if (bg == clNone) canvas->Brush().SetStyle(TBrushStyle::bsClear);
        else {
            canvas->Brush().SetStyle(TBrushStyle::bsSolid);
            canvas->Brush().SetColor(bg);
        }
    };
    auto& items = data->FArray;
    Integer y = 0;
    for (size_t start = 0; start < items.size();) {
        auto* line = static_cast<TStyHTMLBreakItem*>(items[start]);
        if (y > AR.Height() + 1 + ASrcPoint.Y) break;
        size_t end = start + 1;
        while (end < items.size() && !items[end]->IsBreak()) ++end;
        const Integer lineHeight = line->FHeight;
        const Integer depth = line->BaseLineDepth();
        Integer x = LineStart(*line, areaWidth);
        for (size_t k = start; k < end; ++k) {
            TStyHTMLItem* item = items[k];
            const bool over = UseOverColors && item->FFntCnt == 0;
            if (item->FItemType == hitLI) {
                auto* li = static_cast<TStyHTMLBreakItem*>(item);
                TColor color = over ? AColor : item->FontColor;
                TColor bg = over ? ABkColor : item->FontBgColor;
                canvas->Font().SetName(item->FFontRef);
                canvas->Font().SetHeight(item->FontHeight);
                canvas->Font().SetStyle(item->FontStyle);
                if (li->FListItemN >= 1) {
                    Integer base = 0;
                    Integer h = item->GetHeight(base);
                    Integer baseline = y + lineHeight - depth - (item->IsSuper() ? h / 2 : 0) + (item->IsSub() ? h / 4 : 0);
                    String number = IntToStr(li->FListItemN) + ".";
                    canvas->Font().SetColor(item->FontColor);
                    setBackground(bg);
                    canvas->TextOut(origin.X + x, origin.Y + baseline, number);
                    x += canvas->TextWidth(number);
                } else {
                    Integer c = item->FWidth;
                    Integer top = y + depth + (lineHeight - depth - c) / 2;
                    canvas->Pen().SetColor(color);
                    canvas->Brush().SetStyle(TBrushStyle::bsSolid);
                    canvas->Brush().SetColor(color);
                    canvas->Ellipse(origin.X + x - c - 6, origin.Y + top, origin.X + x - 6, origin.Y + top + c);
                }
                continue;
            }
            switch (item->FItemType) {
            case hitChar: case hitVar: {
                const bool selected = item == data->FSelectedItem;
                TColor bg = selected ? (UseOverColors ? ASelBkColor : data->FHighlightBgColor)
                                     : (over ? ABkColor : item->FontBgColor);
                TColor color = selected ? (UseOverColors ? ASelColor : data->FHighlightColor)
                                        : (over ? AColor : item->FontColor);
                TFontStyles style = item->FontStyle;
                if (item->IsLink() && !selected) {
                    style = data->FLinkStyle;
                    if (color == clNone) color = data->FLinkColor;
                }
                canvas->Font().SetName(item->FFontRef);
                canvas->Font().SetStyle(style);
                canvas->Font().SetHeight(item->IsSub() || item->IsSuper() ? item->FontHeight - 2 * Sign(item->FontHeight)
                                                                          : item->FontHeight);
                canvas->Font().SetColor(adjust(color));
                setBackground(bg);
                Integer base = 0;
                Integer h = item->GetHeight(base);
                Integer baseline = y + lineHeight - depth;
                if (item->IsSuper()) baseline -= h / 2;
                if (item->IsSub()) baseline += h / 4;
                String text = x == 0 ? TrimLeft(item->FText) : item->FText;
                canvas->TextOut(origin.X + x, origin.Y + baseline, text);
                x += item->FWidth;
                break;
            }
            case hitBitmap: {
                TPicture picture;
                RequestPicture(item->FText, picture);
                auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
                if (bitmap && bitmap->Transparent() && !bitmap->Empty()) {
                    // Its bottom-left pixel's colour is see-through.
                    const Integer w = item->FWidth, h = item->FHeight - data->FLineGap;
                    DrawTransparentBitmap(canvas->Handle(), *bitmap, origin.X + x, origin.Y + y + data->FLineGap,
                                          {0, 0, w, h}, bitmap->Canvas().Pixel(0, bitmap->Height() - 1));
                } else if (picture.Graphic()) {
                    TRect box{x, y + lineHeight + data->FLineGap - item->FHeight, x + item->FWidth, y + lineHeight + data->FLineGap};
                    canvas->StretchDraw(Moved(box, origin), *picture.Graphic());
                }
                x += item->FWidth + 1;
                break;
            }
            case hitHR: {
                Integer right = item->FWidth ? x + item->FWidth : std::max<Integer>(line->FWidth, areaWidth);
                TRect r{origin.X + x, origin.Y + y + lineHeight / 2, origin.X + right, origin.Y + y + lineHeight / 2 + 2};
                DrawBevelFrame(*canvas, r, bvRaised, clBtnShadow, clBtnFace, 1);
                break;
            }
            case hitIndent:
                x = (item->FBoolState & TStyHTMLItem::bsAbsIndent) ? item->FWidth : x + item->FWidth;
                break;
            case hitInput: {
                TRect box{x, y + lineHeight + data->FLineGap - item->FHeight, x + item->FWidth, y + lineHeight + data->FLineGap};
                static_cast<TStyHTMLInputItem*>(item)->PaintTo(*canvas, Moved(box, origin));
                x += item->FWidth;
                break;
            }
            case hitControl: {
                TRect box{x, y + lineHeight + data->FLineGap - item->FHeight, x + item->FWidth, y + lineHeight + data->FLineGap};
                PlaceControl(*static_cast<TStyHTMLControlItem*>(item), box);
                x += item->FWidth;
                break;
            }
            default: break;
            }
        }
        y += lineHeight;
        start = end;
    }
    canvas->SetTextAlign(oldAlign);
    if (FDoubleBuffered)
        ACanvas.CopyRect({AR.Left, AR.Top, AR.Right + 1, AR.Bottom + 1}, FBuffer.Canvas(), {0, 0, AR.Width() + 1, AR.Height() + 1});
}

TStyHTMLItem* TStyHTMLRender::ItemAtPos(TPoint Point, TPoint SrcPoint, TRect R)
{
    TStyHTMLData* data = FData;
    if (!data) return nullptr;
    if (R.Left == R.Right) R = data->FRect;
    const Integer X = Point.X + SrcPoint.X, Y = Point.Y + SrcPoint.Y;
    auto& items = data->FArray;
    Integer top = 0;
    for (size_t start = 0; start < items.size();) {
        auto* line = static_cast<TStyHTMLBreakItem*>(items[start]);
        size_t end = start + 1;
        while (end < items.size() && !items[end]->IsBreak()) ++end;
        if (top + line->FHeight > Y) {
            Integer x = line->Alignment() == 0 ? line->FIndent : LineStart(*line, R.Width());
            const Integer bottom = top + line->FHeight;
            for (size_t k = start + 1; k < end; ++k) {
                TStyHTMLItem* item = items[k];
                Integer h = item->FHeight, lift = 0;
                if (item->IsSub() || item->IsSuper()) {
                    Integer base = 0;
                    h = item->GetHeight(base);
                    if (item->IsSuper()) lift = h / 2;
                }
                if (x <= X && X <= x + item->FWidth && bottom - h - lift <= Y && Y <= bottom - lift) return item;
                x += item->FWidth;
            }
            return nullptr;
        }
        top += line->FHeight;
        start = end;
    }
    return nullptr;
}

bool TStyHTMLRender::IsCursorOverLink(TPoint Point, TPoint SrcPoint, const TRect& R, String& href)
{
    TStyHTMLItem* item = ItemAtPos(Point, SrcPoint, R);
    bool link = item && item->IsLink();
    href = link ? item->FLinkRef : String();
    return link;
}

void TStyHTMLRender::SelectLinkAt(TPoint Point, TPoint SrcPoint, const TRect& R)
{
    FData->SetSelectedItem(ItemAtPos(Point, SrcPoint, R));
}

void TStyHTMLRender::StepLink(Integer Direction)
{
    auto& items = FData->FArray;
    auto at = std::find(items.begin(), items.end(), FData->FSelectedItem);
    Integer k = at == items.end() ? (Direction > 0 ? -1 : static_cast<Integer>(items.size()))
                                  : static_cast<Integer>(at - items.begin());
    for (k += Direction; k >= 0 && k < static_cast<Integer>(items.size()); k += Direction)
        if (items[static_cast<size_t>(k)]->IsLink()) {
            FData->SetSelectedItem(items[static_cast<size_t>(k)]);
            return;
        }
}

void TStyHTMLRender::StepSuitable(Integer Direction)
{
    auto& list = FData->FControlsArray;
    if (list.empty()) return;
    const Integer n = static_cast<Integer>(list.size());
    auto at = std::find(list.begin(), list.end(), FData->FSelectedItem);
    Integer k = at == list.end() ? (Direction > 0 ? 0 : n - 1) : (static_cast<Integer>(at - list.begin()) + Direction + n) % n;
    FData->SetSelectedItem(list[static_cast<size_t>(k)]);
}

TStyHTMLInputItem* TStyHTMLRender::FindInputItemByName(const String& AName, const TStyHTMLItem* FindFrom)
{
    auto& list = FData->FControlsArray;
    auto it = FindFrom ? std::find(list.begin(), list.end(), FindFrom) : list.begin();
    if (FindFrom && it != list.end()) ++it;
    for (; it != list.end(); ++it)
        if (auto* input = dynamic_cast<TStyHTMLInputItem*>(*it); input && input->FName == AName) return input;
    return nullptr;
}

void TStyHTMLRender::MouseMoveTransfer(TShiftState, Integer X, Integer Y, const TRect& R)
{
    FData->SetActiveItem(dynamic_cast<TStyHTMLInputItem*>(ItemAtPos({X, Y}, {0, 0}, R)));
}

void TStyHTMLRender::ClickTransfer(Integer X, Integer Y, const TRect& R)
{
    FData->SetSelectedItem(nullptr);
    TStyHTMLItem* item = ItemAtPos({X, Y}, {0, 0}, R);
    if (auto* input = dynamic_cast<TStyHTMLInputItem*>(item)) {
        FData->SetSelectedItem(input);
        input->Click();
    } else if (item && item->IsLink() && FLinkSelect) {
        FData->SetSelectedItem(item);
    }
    Change();
}

void TStyHTMLRender::KeyDownTransfer(Word& Key, TShiftState Shift)
{
    if (Key == VK_TAB) {
        if (Shift.Contains(ssShift)) SelectPrevSuitableItem();
        else SelectNextSuitableItem();
        Change();
    } else if (auto* input = dynamic_cast<TStyHTMLInputItem*>(FData->FSelectedItem)) {
        input->KeyDown(Key);
    }
}

void TStyHTMLRender::FilterMessage(TObject*, TMessage& Message, bool&)
{
    auto point = [&] { return TPoint{static_cast<SmallInt>(Message.LParam & 0xFFFF), static_cast<SmallInt>((Message.LParam >> 16) & 0xFFFF)}; };
    if (Message.Msg == WM_KEYDOWN) {
        Word key = static_cast<Word>(Message.WParam);
        KeyDownTransfer(key, KeyDataToShiftState(static_cast<Integer>(Message.LParam)));
    } else if (Message.Msg == WM_MOUSEMOVE) {
        MouseMoveTransfer(KeysToShiftState(static_cast<Cardinal>(Message.WParam)), point().X, point().Y, FData->FRect);
    } else if (Message.Msg == WM_LBUTTONUP) {
        ClickTransfer(point().X, point().Y, FData->FRect);
    }
}

String TStyHTMLRender::AsText() const
{
    String s;
    bool first = true;
    for (TStyHTMLItem* item : FData->FArray) {
        switch (item->FItemType) {
        case hitChar: s += item->FText; break;
        case hitBreak: s += "\r\n"; break;
        case hitPara: if (!first) s += "\r\n\r\n"; break;
        case hitLI: s += "- "; break;
        default: break;
        }
        first = false;
    }
    return s;
}

String TStyHTMLRender::GenerateHTML(const TStyHTMLData& Data)
{
    String s = "<html>";
    for (TStyHTMLItem* item : Data.FArray) {
        switch (item->FItemType) {
        case hitChar: s += item->FText; break;
        case hitBreak: s += "<br>\r\n"; break;
        case hitInput: case hitControl: s += item->GetItemHTML() + "\r\n"; break;
        case hitVar: s += "<~~" + item->FText + ">"; break;
        default: break;
        }
    }
    return s + "</html>";
}
