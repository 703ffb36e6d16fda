// The rich edit's document: RTF read and written, and a range laid out on a canvas.
#include "platform/stdctrls/RichEdit.h"

#include "platform/rtl/RtlMath.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

IMPLEMENT_CLASS(TRichEdit, TCustomMemo, NewComponent<TRichEdit>)

namespace {

// Destinations whose text is not part of the document.
bool SkippedDestination(const std::string& word)
{
    static const char* const skipped[] = {"stylesheet", "info", "pict", "header", "headerl", "headerr",
                                          "footer", "footerl", "footerr", "footnote", "fldinst", "object",
                                          "themedata", "colorschememapping", "latentstyles", "listtable",
                                          "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "datastore",
                                          "filetbl", "revtbl", "private", "bkmkstart", "bkmkend"};
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

enum class TDestination { Text, FontTable, ColorTable, Skipped };

struct TGroupState {
    TDestination Destination = TDestination::Text;
    TRichFormat Format;
    Integer UnicodeSkip = 1;
};

class TRtfReader {
public:
    TRtfReader(const std::string& bytes, const TRichFormat& standard) : FIn(bytes), FStandard(standard)
    {
        FState.Format = standard;
    }

    void Read(std::u16string& text, std::vector<TRichFormat>& formats)
    {
        while (FPos < FIn.size()) {
            const char c = FIn[FPos++];
            if (c == '{') {
                FStack.push_back(FState);
            } else if (c == '}') {
                if (FStack.empty()) break;   // the end of the document's own group
                FState = FStack.back();
                FStack.pop_back();
            } else if (c == '\\') {
                Control(text, formats);
            } else if (c != '\r' && c != '\n') {
                Emit(Cp1252ToUtf16(std::string(1, c)), text, formats);
            }
        }
    }

private:
    void Control(std::u16string& text, std::vector<TRichFormat>& formats)
    {
        if (FPos >= FIn.size()) return;
        const char c = FIn[FPos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++FPos;
            switch (c) {
            case '\'': {
                const std::string hex = FIn.substr(FPos, 2);
                FPos += hex.size();
                Emit(Cp1252ToUtf16(std::string(1, static_cast<char>(std::strtol(hex.c_str(), nullptr, 16)))), text,
                     formats);
                break;
            }
            case '*': FState.Destination = TDestination::Skipped; break;
            case '~': Emit(u"\u00A0", text, formats); break;
            case '_': Emit(u"-", text, formats); break;
            case '\r': case '\n': Emit(u"\r", text, formats); break;
            case '\\': case '{': case '}': Emit(std::u16string(1, char16_t(c)), text, formats); break;
            default: break;   // \- and other symbols: nothing to show
            }
            return;
        }
        std::string word;
        while (FPos < FIn.size() && std::isalpha(static_cast<unsigned char>(FIn[FPos]))) word += FIn[FPos++];
        bool hasValue = false;
        long value = 0;
        const size_t start = FPos;
        if (FPos < FIn.size() && (FIn[FPos] == '-' || std::isdigit(static_cast<unsigned char>(FIn[FPos])))) {
            ++FPos;
            while (FPos < FIn.size() && std::isdigit(static_cast<unsigned char>(FIn[FPos]))) ++FPos;
            value = std::strtol(FIn.substr(start, FPos - start).c_str(), nullptr, 10);
            hasValue = true;
        }
        if (FPos < FIn.size() && FIn[FPos] == ' ') ++FPos;   // the delimiter belongs to the word
        Word(word, hasValue, value, text, formats);
    }

    void Word(const std::string& word, bool hasValue, long value, std::u16string& text,
              std::vector<TRichFormat>& formats)
    {
        TRichFormat& f = FState.Format;
        const bool on = !hasValue || value != 0;
        auto style = [&](TFontStyle s) { on ? f.Style.Include(s) : f.Style.Exclude(s); };
        if (word == "fonttbl") FState.Destination = TDestination::FontTable;
        else if (word == "colortbl") FState.Destination = TDestination::ColorTable;
        else if (SkippedDestination(word)) FState.Destination = TDestination::Skipped;
        else if (FState.Destination == TDestination::FontTable && word == "f") FFontNumber = value;
        else if (FState.Destination == TDestination::ColorTable && word == "red") FRed = value;
        else if (FState.Destination == TDestination::ColorTable && word == "green") FGreen = value;
        else if (FState.Destination == TDestination::ColorTable && word == "blue") FBlue = value;
        else if (word == "deff") FDefaultFont = value;
        else if (word == "f") f.Name = FontName(value);
        else if (word == "fs" && hasValue && value > 0) f.HalfPoints = static_cast<Integer>(value);
        else if (word == "b") style(TFontStyle::fsBold);
        else if (word == "i") style(TFontStyle::fsItalic);
        else if (word == "ul") style(TFontStyle::fsUnderline);
        else if (word == "ulnone") f.Style.Exclude(TFontStyle::fsUnderline);
        else if (word == "strike") style(TFontStyle::fsStrikeOut);
        else if (word == "cf") f.Color = value > 0 && value < static_cast<long>(FColors.size()) ? FColors[value] : clWindowText;
        else if (word == "plain") {
            f = FStandard;
            f.Name = FontName(FDefaultFont);
        } else if (word == "par" || word == "line") Emit(u"\r", text, formats);
        else if (word == "tab") Emit(u"\t", text, formats);
        else if (word == "uc") FState.UnicodeSkip = static_cast<Integer>(value);
        else if (word == "u") {
            Emit(std::u16string(1, static_cast<char16_t>(value < 0 ? value + 65536 : value)), text, formats);
            FPendingSkip = FState.UnicodeSkip;
            return;
        }
        else if (word == "emdash") Emit(u"\u2014", text, formats);
        else if (word == "endash") Emit(u"\u2013", text, formats);
        else if (word == "bullet") Emit(u"\u2022", text, formats);
        else if (word == "lquote") Emit(u"\u2018", text, formats);
        else if (word == "rquote") Emit(u"\u2019", text, formats);
        else if (word == "ldblquote") Emit(u"\u201C", text, formats);
        else if (word == "rdblquote") Emit(u"\u201D", text, formats);
        FPendingSkip = 0;
    }

    // Text of the current destination; the characters standing in for a \u character are dropped.
    void Emit(const std::u16string& chars, std::u16string& text, std::vector<TRichFormat>& formats)
    {
        for (char16_t ch : chars) {
            if (FPendingSkip > 0) {
                --FPendingSkip;
                continue;
            }
            switch (FState.Destination) {
            case TDestination::Text:
                text += ch;
                formats.push_back(FState.Format);
                break;
            case TDestination::FontTable:
                if (ch == u';') {
                    FFonts.push_back({FFontNumber, Trim(String(FFontName))});
                    FFontName.clear();
                } else {
                    FFontName += ch;
                }
                break;
            case TDestination::ColorTable:
                if (ch == u';') {
                    FColors.push_back(FRed < 0 ? clWindowText : TColor(FRed | (FGreen << 8) | (FBlue << 16)));
                    FRed = FGreen = FBlue = -1;
                }
                break;
            case TDestination::Skipped: break;
            }
        }
    }

    String FontName(long number) const
    {
        for (const auto& [n, name] : FFonts)
            if (n == number) return name;
        return FStandard.Name;
    }

    const std::string& FIn;
    size_t FPos = 0;
    TRichFormat FStandard;
    TGroupState FState;
    std::vector<TGroupState> FStack;
    std::vector<std::pair<long, String>> FFonts;
    std::vector<TColor> FColors;
    long FFontNumber = 0, FDefaultFont = 0, FRed = -1, FGreen = -1, FBlue = -1;
    std::u16string FFontName;
    Integer FPendingSkip = 0;
};

std::string Number(long value) { return std::to_string(value); }

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {}

TRichFormat TRichEdit::DefaultFormat() const
{
    TRichFormat f;
    f.Name = const_cast<TRichEdit*>(this)->Font().Name();
    f.HalfPoints = const_cast<TRichEdit*>(this)->Font().Size() * 2;
    return f;
}

TRichFormat TRichEdit::CharFormat(Integer index) const
{
    return index >= 0 && index < static_cast<Integer>(FFormats.size()) ? FFormats[index] : DefaultFormat();
}

void TRichEdit::Clear()
{
    FText.clear();
    FFormats.clear();
    ShowText();
}

void TRichEdit::ShowText()
{
    std::u16string shown;
    for (char16_t ch : FText) shown += ch == u'\r' ? std::u16string(u"\r\n") : std::u16string(1, ch);
    SetText(String(shown));
}

void TRichEdit::LoadFromStream(TStream& stream)
{
    std::string bytes(static_cast<size_t>(std::max<Int64>(0, stream.Size() - stream.Position())), '\0');
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    FText.clear();
    FFormats.clear();
    const TRichFormat standard = DefaultFormat();
    if (bytes.rfind("{\\rtf", 0) == 0) {
        TRtfReader(bytes.substr(1), standard).Read(FText, FFormats);
    } else {
        for (char16_t ch : Cp1252ToUtf16(bytes))
            if (ch != u'\n') FText += ch;
        FFormats.assign(FText.size(), standard);
    }
    ShowText();
}

void TRichEdit::SaveToStream(TStream& stream) const
{
    std::vector<String> fonts;
    std::vector<TColor> colors;
    for (const TRichFormat& f : FFormats) {
        if (std::find(fonts.begin(), fonts.end(), f.Name) == fonts.end()) fonts.push_back(f.Name);
        const TColor c = f.Color == clWindowText ? f.Color : ColorToRGB(f.Color);
        if (c != clWindowText && std::find(colors.begin(), colors.end(), c) == colors.end()) colors.push_back(c);
    }
    if (fonts.empty()) fonts.push_back(DefaultFormat().Name);
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (size_t k = 0; k < fonts.size(); ++k)
        out += "{\\f" + Number(static_cast<long>(k)) + "\\fnil " + Utf16ToCp1252(fonts[k].u16()) + ";}";
    out += "}{\\colortbl ;";
    for (TColor c : colors)
        out += "\\red" + Number(c & 0xFF) + "\\green" + Number((c >> 8) & 0xFF) + "\\blue" + Number((c >> 16) & 0xFF) + ";";
    out += "}\r\n";
    TRichFormat current = DefaultFormat();
    current.Name = fonts[0];
    bool first = true;
    for (size_t k = 0; k < FText.size(); ++k) {
        const TRichFormat& f = FFormats[k];
        std::string words;
        if (first || f.Name != current.Name)
            words += "\\f" + Number(static_cast<long>(std::find(fonts.begin(), fonts.end(), f.Name) - fonts.begin()));
        if (first || f.HalfPoints != current.HalfPoints) words += "\\fs" + Number(f.HalfPoints);
        const std::pair<TFontStyle, const char*> styles[] = {{TFontStyle::fsBold, "\\b"}, {TFontStyle::fsItalic, "\\i"},
                                                             {TFontStyle::fsUnderline, "\\ul"},
                                                             {TFontStyle::fsStrikeOut, "\\strike"}};
        for (const auto& [style, word] : styles)
            if (first || f.Style.Contains(style) != current.Style.Contains(style))
                words += std::string(word) + (f.Style.Contains(style) ? "" : "0");
        if (first || f.Color != current.Color) {
            const TColor c = f.Color == clWindowText ? f.Color : ColorToRGB(f.Color);
            words += "\\cf" + Number(c == clWindowText ? 0 : static_cast<long>(std::find(colors.begin(), colors.end(), c) - colors.begin()) + 1);
        }
        if (!words.empty()) out += words + " ";
        current = f;
        first = false;
        const char16_t ch = FText[k];
        if (ch == u'\r') out += "\\par\r\n";
        else if (ch == u'\t') out += "\\tab ";
        else if (ch == u'\\' || ch == u'{' || ch == u'}') out += std::string("\\") + static_cast<char>(ch);
        else if (ch < 0x80) out += static_cast<char>(ch);
        else {
            const std::string ansi = Utf16ToCp1252(std::u16string(1, ch));
            if (ansi != "?" && Cp1252ToUtf16(ansi) == std::u16string(1, ch)) {
                static const char hex[] = "0123456789abcdef";
                const unsigned char b = static_cast<unsigned char>(ansi[0]);
                out += std::string("\\'") + hex[b >> 4] + hex[b & 15];
            } else {
                out += "\\u" + Number(static_cast<int16_t>(ch)) + "?";
            }
        }
    }
    out += "}";
    stream.WriteBuffer(out.data(), static_cast<Integer>(out.size()));
}

void TRichEdit::SetCharColor(Integer start, Integer length, TColor color)
{
    const Integer end = std::min<Integer>(static_cast<Integer>(FFormats.size()), start + length);
    for (Integer k = std::max(0, start); k < end; ++k) FFormats[k].Color = color;
}

namespace {
// A piece of one line: characters of one format, drawn at X.
struct TPiece {
    Integer First, Count, X;
};
}  // namespace

Integer TRichEdit::FormatRange(TCanvas& canvas, const TRect& twips, Integer first, Integer last, bool render)
{
    const Integer dpiX = std::max(1, canvas.GetDeviceCaps(LOGPIXELSX)), dpiY = std::max(1, canvas.GetDeviceCaps(LOGPIXELSY));
    const TRect r{MulDiv(twips.Left, dpiX, 1440), MulDiv(twips.Top, dpiY, 1440), MulDiv(twips.Right, dpiX, 1440),
                  MulDiv(twips.Bottom, dpiY, 1440)};
    const Integer count = static_cast<Integer>(FText.size());
    const Integer end = last < 0 || last > count ? count : last;
    const Integer tab = std::max(1, dpiX / 2);
    if (render) {
        canvas.Brush().SetColor(FBackground);
        canvas.FillRect(r);
    }
    canvas.SetBkMode(TRANSPARENT);
    auto useFormat = [&](Integer index) {
        const TRichFormat f = CharFormat(index);
        canvas.Font().SetName(f.Name);
        canvas.Font().SetHeight(-MulDiv(f.HalfPoints, dpiY, 144));
        canvas.Font().SetStyle(f.Style);
        canvas.Font().SetColor(f.Color);
    };
    auto width = [&](Integer from, Integer n) {
        useFormat(from);
        return canvas.TextWidth(String(FText.substr(from, n)));
    };
    Integer y = r.Top, k = std::max(0, first);
    while (k < end) {
        // One line: words while they fit, at least one; a CR ends it.
        std::vector<TPiece> pieces;
        Integer x = r.Left, lineEnd = k, height = 0;
        while (lineEnd < end && FText[lineEnd] != u'\r') {
            Integer wordEnd = lineEnd;
            if (FText[wordEnd] == u'\t' || FText[wordEnd] == u' ') ++wordEnd;
            else
                while (wordEnd < end && FText[wordEnd] != u' ' && FText[wordEnd] != u'\t' && FText[wordEnd] != u'\r')
                    ++wordEnd;
            std::vector<TPiece> word;
            Integer wx = x;
            for (Integer p = lineEnd; p < wordEnd;) {
                Integer q = p + 1;
                while (q < wordEnd && CharFormat(q) == CharFormat(p)) ++q;
                const bool isTab = FText[p] == u'\t';
                word.push_back({p, q - p, wx});
                wx = isTab ? r.Left + ((wx - r.Left) / tab + 1) * tab : wx + width(p, q - p);
                p = q;
            }
            if (wx > r.Right && !pieces.empty() && FText[lineEnd] != u' ') break;
            for (const TPiece& piece : word) {
                useFormat(piece.First);
                height = std::max(height, canvas.TextHeight("gh"));
                pieces.push_back(piece);
            }
            x = wx;
            lineEnd = wordEnd;
        }
        if (height == 0) {
            useFormat(lineEnd < count ? lineEnd : k);
            height = canvas.TextHeight("gh");
        }
        if (y + height > r.Bottom && y > r.Top) break;
        if (render)
            for (const TPiece& piece : pieces) {
                if (FText[piece.First] == u'\t') continue;
                useFormat(piece.First);
                canvas.TextOut(piece.X, y + height - canvas.TextHeight("gh"), String(FText.substr(piece.First, piece.Count)));
            }
        y += height;
        k = lineEnd < end && FText[lineEnd] == u'\r' ? lineEnd + 1 : lineEnd;
    }
    return k;
}
