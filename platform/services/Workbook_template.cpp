// Workbook templates as text. One statement per line, words separated by blanks, texts in
// double quotes (a quote inside doubled), lines starting with "#" are comments:
//   sheet NAME                      the sheet's name
//   width A[:C] WIDTH               column widths in characters
//   height ROW[:ROW] HEIGHT         row heights in points
//   style NAME WORD...              a named style: bold, italic, size=S, format="0.00",
//                                   left, center, right, wrap, border, fill=RRGGBB
//   cell BLOCK STYLE [VALUE]        every cell of the block gets the style ("plain" for none)
//                                   and the value: a "text" or a number
//   merge BLOCK                     each row of the block merged
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/rtl/SysFormat.h"
#include "platform/services/Workbook.h"

class TWorkbookTemplateReader {
public:
    TWorkbookTemplateReader(TWorkbook& book, const String& name) : FBook(book), FName(name) {}

    void Read(const std::string& text)
    {
        FBook = TWorkbook();
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            ++FLine;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::vector<std::string> words = Split(line);
            if (words.empty() || words[0][0] == '#') continue;
            Statement(words);
        }
    }

private:
    struct TWord {
        std::string Text;
        bool Quoted = false;
    };

    [[noreturn]] void Fail(const std::string& why) const
    {
        throw EWorkbookError(Format("Workbook template %s, line %d: %s", {FName, FLine, String(why)}));
    }

    // The words of a line; a quoted text keeps its quotes so that it can be told from a word.
    std::vector<std::string> Split(const std::string& line) const
    {
        std::vector<std::string> words;
        size_t i = 0;
        while (i < line.size()) {
            if (line[i] == ' ' || line[i] == '\t') {
                ++i;
                continue;
            }
            std::string word;
            bool quoted = false;
            while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
                if (line[i] == '"') {
                    if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                        word += "\"\"";
                        i += 2;
                        continue;
                    }
                    quoted = !quoted;
                }
                word += line[i++];
            }
            if (quoted) Fail("unterminated text");
            words.push_back(word);
        }
        return words;
    }

    // A word whose text was quoted: its text without the quotes.
    static bool Unquote(const std::string& word, std::string& text)
    {
        const size_t open = word.find('"');
        if (open == std::string::npos) return false;
        text.clear();
        for (size_t i = open + 1; i + 1 < word.size(); ++i) {
            text += word[i];
            if (word[i] == '"') ++i;
        }
        return true;
    }

    double Number(const std::string& word) const
    {
        double value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size()) Fail("\"" + word + "\" is no number");
        return value;
    }

    // "A:C" or "A" (columns), "3:5" or "3" (rows): the first and last.
    std::pair<std::string, std::string> Span(const std::string& word) const
    {
        const size_t colon = word.find(':');
        if (colon == std::string::npos) return {word, word};
        return {word.substr(0, colon), word.substr(colon + 1)};
    }

    TCellRange Block(const std::string& word) const
    {
        try {
            return ParseCellRange(String(word));
        } catch (const EWorkbookError&) {
            Fail("\"" + word + "\" is no cell address");
        }
    }

    void Statement(const std::vector<std::string>& w)
    {
        const std::string& verb = w[0];
        if (verb == "sheet" && w.size() == 2) {
            std::string name;
            FBook.FSheetName = String(Unquote(w[1], name) ? name : w[1]);
        } else if (verb == "width" && w.size() == 3) {
            const auto [first, last] = Span(w[1]);
            const TCellRange a = Block(first + "1"), b = Block(last + "1");
            for (int col = a.Col1; col <= b.Col1; ++col) FBook.FColWidths[col] = Number(w[2]);
        } else if (verb == "height" && w.size() == 3) {
            const auto [first, last] = Span(w[1]);
            for (int row = static_cast<int>(Number(first)); row <= static_cast<int>(Number(last)); ++row)
                FBook.FRowHeights[row] = Number(w[2]);
        } else if (verb == "style" && w.size() >= 2) {
            FStyles[w[1]] = FBook.StyleIndex(Style(w));
        } else if (verb == "cell" && (w.size() == 3 || w.size() == 4)) {
            Cells(w);
        } else if (verb == "merge" && w.size() == 2) {
            FBook.MergeRows(String(w[1]));
        } else {
            Fail("cannot read \"" + verb + "\" with " + std::to_string(w.size() - 1) + " words");
        }
    }

    TCellStyle Style(const std::vector<std::string>& w) const
    {
        TCellStyle s;
        for (size_t i = 2; i < w.size(); ++i) {
            const std::string& word = w[i];
            std::string text;
            if (word == "bold") s.Bold = true;
            else if (word == "italic") s.Italic = true;
            else if (word == "left") s.Align = TCellStyle::alLeft;
            else if (word == "center") s.Align = TCellStyle::alCenter;
            else if (word == "right") s.Align = TCellStyle::alRight;
            else if (word == "wrap") s.Wrap = true;
            else if (word == "border") s.Border = true;
            else if (word.starts_with("size=")) s.Size = Number(word.substr(5));
            else if (word.starts_with("format=") && Unquote(word, text)) s.NumFormat = String(text);
            else if (word.starts_with("fill=")) s.Fill = static_cast<unsigned>(std::stoul(word.substr(5), nullptr, 16));
            else Fail("unknown style word \"" + word + "\"");
        }
        return s;
    }

    void Cells(const std::vector<std::string>& w)
    {
        const TCellRange block = Block(w[1]);
        int style = 0;
        if (w[2] != "plain") {
            const auto it = FStyles.find(w[2]);
            if (it == FStyles.end()) Fail("unknown style \"" + w[2] + "\"");
            style = it->second;
        }
        TCellValue value;
        if (w.size() == 4) {
            std::string text;
            value = Unquote(w[3], text) ? TCellValue(String(text)) : TCellValue(Number(w[3]));
        }
        for (int row = block.Row1; row <= block.Row2; ++row)
            for (int col = block.Col1; col <= block.Col2; ++col) FBook.FCells[{row, col}] = {value, style};
    }

    TWorkbook& FBook;
    String FName;
    int FLine = 0;
    std::map<std::string, int> FStyles;
};

void TWorkbook::ReadTemplate(const std::string& text, const String& name)
{
    TWorkbookTemplateReader(*this, name).Read(text);
}

void TWorkbook::OpenTemplate(const String& fileName)
{
    std::ifstream in(fileName.ToUtf8(), std::ios::binary);
    if (!in) throw EWorkbookError("Cannot open the workbook template \"" + fileName + "\"");
    std::ostringstream text;
    text << in.rdbuf();
    ReadTemplate(text.str(), fileName);
}
