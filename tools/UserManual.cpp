// usermanual HELPDIR OUT.pdf: prints the user manual from the program's help pages through the
// printer into a PDF file. The chapters follow the contents page (index.html), one page each
// at least, after a title page and a table of contents. Some windows open the manual at a fixed
// page; their chapters are pinned there, the pages before them left for notes.
//
// The help pages are ours and use a small part of HTML: h1, h2, p (classes "check" and "nav"),
// ul, ol, li, table, tr, th, td, b, a, img (pictures of the program's "images" folder, side by
// side in a paragraph of their own) and the entities &amp; &lt; &gt; &quot; &le;.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/FileSys.h"

namespace {

// Chapters that windows open at a fixed page of the manual: the incremental-load output
// options window opens it at page 62.
const std::map<std::string, int> PinnedPages = {{"860.html", 62}};

constexpr TColor Rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }
const TColor Heading = Rgb(30, 60, 120);
const TColor HeaderFill = Rgb(220, 230, 240);
const TColor CellLine = Rgb(140, 160, 180);
const TColor CheckFill = Rgb(255, 246, 220);
const TColor CheckBar = Rgb(210, 160, 0);

// ---- reading the pages -------------------------------------------------------------------

struct TRun {
    std::string Text;
    bool Bold = false;
};

enum class TBlockKind { Heading1, Heading2, Paragraph, Check, Item, Row };

struct TBlock {
    TBlockKind Kind = TBlockKind::Paragraph;
    std::vector<TRun> Runs;                 // text of a heading, paragraph or list item
    std::vector<std::vector<TRun>> Cells;   // a table row
    bool HeaderRow = false;
    std::string Marker;                     // list item: "•" or "3."
    std::vector<std::string> Pictures;      // a paragraph of pictures: their files
    int Table = -1;                          // rows of one table share the number
};

struct TChapter {
    std::string Part;   // the group of the contents page that the chapter opens, if any
    std::string File, Title;
    std::vector<TBlock> Blocks;
};

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string DecodeEntities(const std::string& text)
{
    static const std::pair<const char*, const char*> entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&le;", "\xE2\x89\xA4"}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [name, value] : entities)
            if (text.compare(i, std::char_traits<char>::length(name), name) == 0) {
                out += value;
                i += std::char_traits<char>::length(name);
                replaced = true;
                break;
            }
        if (!replaced) out += text[i++];
    }
    return out;
}

// Breaks a page into blocks: the text inside <body>, white space collapsed; picture files are
// taken relative to the page's folder.
std::vector<TBlock> ParsePage(const std::string& html, const std::string& dir, std::string& title)
{
    std::vector<TBlock> blocks;
    const size_t body = html.find("<body>");
    size_t i = body == std::string::npos ? 0 : body + 6;
    TBlock* current = nullptr;
    std::vector<TRun>* runs = nullptr;
    bool bold = false, skip = false, ordered = false;
    int itemNumber = 0, tables = 0;
    auto open = [&](TBlockKind kind) {
        blocks.push_back(TBlock{});
        current = &blocks.back();
        current->Kind = kind;
        runs = &current->Runs;
    };
    auto addText = [&](std::string text) {
        if (!runs || skip) return;
        std::string collapsed;
        for (char ch : text) {
            const bool space = ch == ' ' || ch == '\n' || ch == '\r' || ch == '\t';
            if (space && (collapsed.empty() ? runs->empty() || runs->back().Text.empty() || runs->back().Text.back() == ' '
                                            : collapsed.back() == ' '))
                continue;
            collapsed += space ? ' ' : ch;
        }
        if (!collapsed.empty()) runs->push_back({DecodeEntities(collapsed), bold});
    };
    while (i < html.size()) {
        const size_t lt = html.find('<', i);
        addText(html.substr(i, lt == std::string::npos ? std::string::npos : lt - i));
        if (lt == std::string::npos) break;
        const size_t gt = html.find('>', lt);
        const std::string tag = html.substr(lt + 1, gt - lt - 1);
        i = gt + 1;
        const std::string name = tag.substr(0, tag.find(' '));
        if (name == "h1") open(TBlockKind::Heading1);
        else if (name == "h2") open(TBlockKind::Heading2);
        else if (name == "p") {
            skip = tag.find("class=\"nav\"") != std::string::npos;
            open(tag.find("class=\"check\"") != std::string::npos ? TBlockKind::Check : TBlockKind::Paragraph);
        } else if (name == "ul" || name == "ol") {
            ordered = name == "ol";
            itemNumber = 0;
        } else if (name == "li") {
            open(TBlockKind::Item);
            current->Marker = ordered ? std::to_string(++itemNumber) + "." : "\xE2\x80\xA2";
        } else if (name == "table") {
            ++tables;
        } else if (name == "tr") {
            open(TBlockKind::Row);
            current->Table = tables;
            runs = nullptr;
        } else if (name == "th" || name == "td") {
            current->Cells.emplace_back();
            current->HeaderRow = name == "th";
            runs = &current->Cells.back();
        } else if (name == "img" && current) {
            const size_t src = tag.find("src=\"");
            if (src != std::string::npos)
                current->Pictures.push_back(dir + "/" + tag.substr(src + 5, tag.find('"', src + 5) - src - 5));
        } else if (name == "b") bold = true;
        else if (name == "/b") bold = false;
        else if (name == "/p" || name == "/h1" || name == "/h2" || name == "/li") {
            runs = nullptr;
            skip = false;
        }
    }
    for (const TBlock& b : blocks)
        if (b.Kind == TBlockKind::Heading1)
            for (const TRun& r : b.Runs) title += r.Text;
    return blocks;
}

// The chapters in the order of the contents page's links; a bold title before a group of
// links names the part that its first chapter opens.
std::vector<TChapter> ReadChapters(const std::string& dir)
{
    const std::string index = ReadFile(dir + "/index.html");
    std::vector<TChapter> chapters;
    std::string part;
    for (size_t at = index.find_first_of('<'); at != std::string::npos; at = index.find('<', at + 1)) {
        if (index.compare(at, 3, "<b>") == 0) {
            part = DecodeEntities(index.substr(at + 3, index.find("</b>", at) - at - 3));
            continue;
        }
        if (index.compare(at, 9, "<a href=\"") != 0) continue;
        const size_t end = index.find('"', at + 9);
        const std::string file = index.substr(at + 9, end - at - 9);
        if (file.size() < 5 || file.substr(file.size() - 5) != ".html") continue;
        TChapter chapter;
        chapter.Part = part;
        part.clear();
        chapter.File = file;
        chapter.Blocks = ParsePage(ReadFile(dir + "/" + file), dir, chapter.Title);
        chapters.push_back(std::move(chapter));
    }
    return chapters;
}

// ---- laying out and printing -------------------------------------------------------------

// Writes pages on the printer: text flows down the page and a new page starts when the next
// line does not fit.
class TManualPrinter {
public:
    explicit TManualPrinter(TPrinter& printer)
        : FPrinter(printer), FCanvas(printer.Canvas()), FDpi(FCanvas.GetDeviceCaps(LOGPIXELSX)),
          FLeft(Points(54)), FRight(printer.PageWidth() - Points(54)), FTop(Points(54)),
          FBottom(printer.PageHeight() - Points(60))
    {
        FY = FTop;
    }

    Integer Points(double pt) const { return Integer(pt * FDpi / 72 + 0.5); }
    Integer PageNumber() const { return FPage; }

    void StartDocument()
    {
        FPrinter.BeginDoc();
        FPage = 1;
        FY = FTop;
    }

    void NewPage()
    {
        Footer();
        FPrinter.NewPage();
        ++FPage;
        FY = FTop;
    }

    void Finish()
    {
        Footer();
        FPrinter.EndDoc();
    }

    void TitlePage()
    {
        FY = FBottom / 3;
        Line({{"Dorvane", true}}, 28, Heading, FLeft);
        FY += Points(8);
        Line({{"User Manual", false}}, 18, Heading, FLeft);
        FY += Points(24);
        Line({{"Stability of concrete gravity dams", false}}, 12, clBlack, FLeft);
        Line({{"Version 2.0.9", false}}, 12, clBlack, FLeft);
    }

    void Contents(const std::vector<TChapter>& chapters, const std::vector<int>& pages)
    {
        Line({{"Contents", true}}, 16, Heading, FLeft);
        FY += Points(8);
        for (size_t c = 0; c < chapters.size(); ++c) {
            if (!chapters[c].Part.empty()) {
                FY += Points(4);
                Line({{chapters[c].Part, true}}, 10, Heading, FLeft);
            }
            SetFont(10, false, clBlack);
            const String number = IntToStr(Int64(pages[c]));
            FCanvas.TextOut(FLeft + Points(10), FY, String(chapters[c].Title));
            FCanvas.TextOut(FRight - FCanvas.TextWidth(number), FY, number);
            FY += LineHeight(10);
        }
    }

    void NotesPage() { Line({{"This page is left blank for notes.", false}}, 9, Rgb(128, 128, 128), FLeft); }

    void Chapter(const TChapter& chapter)
    {
        for (size_t b = 0; b < chapter.Blocks.size(); ++b) {
            const TBlock& block = chapter.Blocks[b];
            switch (block.Kind) {
            case TBlockKind::Heading1:
                Paragraph(block.Runs, 16, true, Heading, FLeft, FRight);
                FCanvas.Pen().SetColor(Heading);
                FCanvas.MoveTo(FLeft, FY);
                FCanvas.LineTo(FRight, FY);
                FY += Points(10);
                break;
            case TBlockKind::Heading2:
                FY += Points(6);
                Paragraph(block.Runs, 12, true, Heading, FLeft, FRight);
                FY += Points(2);
                break;
            case TBlockKind::Paragraph:
                Pictures(block.Pictures);
                if (!block.Runs.empty()) Paragraph(block.Runs, 10, false, clBlack, FLeft, FRight);
                FY += Points(6);
                break;
            case TBlockKind::Check: {
                const std::vector<std::vector<TRun>> lines = WrapRuns(block.Runs, 10, FRight - FLeft - Points(14));
                const Integer height = Integer(lines.size()) * LineHeight(10) + Points(6);
                if (FY + height > FBottom) NewPage();
                FCanvas.Brush().SetColor(CheckFill);
                FCanvas.FillRect(Rect(FLeft, FY, FRight, FY + height));
                FCanvas.Brush().SetColor(CheckBar);
                FCanvas.FillRect(Rect(FLeft, FY, FLeft + Points(3), FY + height));
                FY += Points(3);
                for (const auto& line : lines) Line(line, 10, clBlack, FLeft + Points(10));
                FY += Points(9);
                break;
            }
            case TBlockKind::Item:
                SetFont(10, false, clBlack);
                if (FY + LineHeight(10) > FBottom) NewPage();
                FCanvas.TextOut(FLeft + Points(6), FY, String(block.Marker));
                Paragraph(block.Runs, 10, false, clBlack, FLeft + Points(20), FRight);
                FY += Points(2);
                break;
            case TBlockKind::Row: {
                size_t end = b;
                while (end < chapter.Blocks.size() && chapter.Blocks[end].Kind == TBlockKind::Row &&
                       chapter.Blocks[end].Table == block.Table)
                    ++end;
                Table(chapter.Blocks, b, end);
                b = end - 1;
                FY += Points(6);
                break;
            }
            }
        }
    }

private:
    void SetFont(double pt, bool bold, TColor color)
    {
        FCanvas.Font().SetName("Arial");
        FCanvas.Font().SetHeight(-Points(pt));
        FCanvas.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
        FCanvas.Font().SetColor(color);
        FCanvas.Brush().SetStyle(TBrushStyle::bsClear);
    }

    Integer LineHeight(double pt) const { return Points(pt * 1.35); }

    Integer Width(const TRun& run, double pt)
    {
        SetFont(pt, run.Bold, clBlack);
        return FCanvas.TextWidth(String(run.Text));
    }

    // The runs cut into lines of at most `width`, at blanks; a word longer than a line stands alone.
    std::vector<std::vector<TRun>> WrapRuns(const std::vector<TRun>& runs, double pt, Integer width)
    {
        std::vector<std::vector<TRun>> lines(1);
        Integer x = 0;
        for (const TRun& run : runs) {
            size_t start = 0;
            while (start < run.Text.size()) {
                size_t end = run.Text.find(' ', start);
                end = end == std::string::npos ? run.Text.size() : end + 1;
                TRun word{run.Text.substr(start, end - start), run.Bold};
                start = end;
                TRun trimmed = word;
                while (!trimmed.Text.empty() && trimmed.Text.back() == ' ') trimmed.Text.pop_back();
                const Integer w = Width(word, pt);
                if (x > 0 && x + Width(trimmed, pt) > width) {
                    lines.emplace_back();
                    x = 0;
                    if (word.Text == " ") continue;
                }
                lines.back().push_back(word);
                x += w;
            }
        }
        return lines;
    }

    void Line(const std::vector<TRun>& runs, double pt, TColor color, Integer left)
    {
        if (FY + LineHeight(pt) > FBottom) NewPage();
        Integer x = left;
        for (const TRun& run : runs) {
            SetFont(pt, run.Bold, color);
            FCanvas.TextOut(x, FY, String(run.Text));
            x += FCanvas.TextWidth(String(run.Text));
        }
        FY += LineHeight(pt);
    }

    void Paragraph(const std::vector<TRun>& runs, double pt, bool bold, TColor color, Integer left, Integer right)
    {
        std::vector<TRun> styled = runs;
        for (TRun& r : styled) r.Bold = r.Bold || bold;
        for (const auto& line : WrapRuns(styled, pt, right - left)) Line(line, pt, color, left);
    }

    // Pictures at their size on the screen (96 per inch), side by side while they fit, scaled
    // down to the width of the text when one alone is wider.
    void Pictures(const std::vector<std::string>& files)
    {
        const Integer gap = Points(8);
        Integer x = FLeft, rowHeight = 0;
        for (const std::string& file : files) {
            TPicture picture;
            picture.LoadFromFile(NativePath(String(file)));
            Integer w = picture.Width() * FDpi / 96, h = picture.Height() * FDpi / 96;
            if (w > FRight - FLeft) {
                h = h * (FRight - FLeft) / w;
                w = FRight - FLeft;
            }
            if (x > FLeft && x + w > FRight) {
                FY += rowHeight + gap;
                x = FLeft;
                rowHeight = 0;
            }
            if (FY + h > FBottom) NewPage();
            picture.Graphic()->DrawOn(FCanvas, Rect(x, FY, x + w, FY + h));
            x += w + gap;
            rowHeight = std::max(rowHeight, h);
        }
        if (rowHeight) FY += rowHeight + gap;
    }

    // Columns share the width by their text, each at least as wide as its longest word.
    void Table(const std::vector<TBlock>& rows, size_t first, size_t end)
    {
        const double pt = 9;
        const Integer pad = Points(4), avail = FRight - FLeft;
        size_t columns = 0;
        for (size_t r = first; r < end; ++r) columns = std::max(columns, rows[r].Cells.size());
        std::vector<double> natural(columns, 1), least(columns, 0);
        for (size_t r = first; r < end; ++r)
            for (size_t c = 0; c < rows[r].Cells.size(); ++c) {
                double total = 0;
                for (const TRun& run : rows[r].Cells[c]) {
                    TRun styled{run.Text, run.Bold || rows[r].HeaderRow};
                    total += Width(styled, pt);
                    std::istringstream words(run.Text);
                    for (std::string w; words >> w;)
                        least[c] = std::max(least[c], double(Width({w, styled.Bold}, pt) + 2 * pad));
                }
                natural[c] = std::max(natural[c], total + 2 * pad);
            }
        double sum = 0;
        for (double n : natural) sum += n;
        std::vector<Integer> widths(columns);
        for (size_t c = 0; c < columns; ++c)
            widths[c] = Integer(std::max(least[c], sum <= avail ? natural[c] : avail * natural[c] / sum));
        for (size_t r = first; r < end; ++r) {
            const TBlock& row = rows[r];
            std::vector<std::vector<std::vector<TRun>>> cellLines;
            size_t lineCount = 1;
            for (size_t c = 0; c < row.Cells.size(); ++c) {
                std::vector<TRun> styled = row.Cells[c];
                for (TRun& run : styled) run.Bold = run.Bold || row.HeaderRow;
                cellLines.push_back(WrapRuns(styled, pt, widths[c] - 2 * pad));
                lineCount = std::max(lineCount, cellLines.back().size());
            }
            const Integer height = Integer(lineCount) * LineHeight(pt) + 2 * pad;
            if (FY + height > FBottom) NewPage();
            Integer x = FLeft;
            for (size_t c = 0; c < columns; ++c) {
                const TRect cell = Rect(x, FY, x + widths[c], FY + height);
                if (row.HeaderRow) {
                    FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
                    FCanvas.Brush().SetColor(HeaderFill);
                    FCanvas.FillRect(cell);
                }
                FCanvas.Brush().SetStyle(TBrushStyle::bsClear);
                FCanvas.Pen().SetColor(CellLine);
                FCanvas.Rectangle(cell);
                if (c < cellLines.size()) {
                    const Integer saved = FY;
                    FY += pad;
                    for (const auto& line : cellLines[c]) Line(line, pt, clBlack, x + pad);
                    FY = saved;
                }
                x += widths[c];
            }
            FY += height;
        }
        FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }

    void Footer()
    {
        SetFont(8, false, Rgb(100, 100, 100));
        const Integer y = FBottom + Points(24);
        FCanvas.TextOut(FLeft, y, "Dorvane User Manual");
        const String number = "Page " + IntToStr(Int64(FPage));
        FCanvas.TextOut(FRight - FCanvas.TextWidth(number), y, number);
    }

    TPrinter& FPrinter;
    TCanvas& FCanvas;
    Integer FDpi;
    Integer FLeft, FRight, FTop, FBottom;
    Integer FY = 0;
    int FPage = 0;
};

// The first page of each chapter: chapters start on a new page after the title page and the
// contents; a pinned chapter starts on its page. `pageCounts` holds each chapter's length.
std::vector<int> ChapterPages(const std::vector<TChapter>& chapters, const std::vector<int>& pageCounts)
{
    std::vector<int> pages;
    int next = 3;
    for (size_t c = 0; c < chapters.size(); ++c) {
        const auto pinned = PinnedPages.find(chapters[c].File);
        if (pinned != PinnedPages.end()) {
            if (next > pinned->second)
                throw std::runtime_error(chapters[c].File + " cannot start on page " + std::to_string(pinned->second));
            next = pinned->second;
        }
        pages.push_back(next);
        next += pageCounts[c];
    }
    return pages;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: usermanual HELPDIR OUT.pdf\n");
        return 2;
    }
    try {
        InitQtGraphics();
        const std::vector<TChapter> chapters = ReadChapters(argv[1]);
        // A first run through the chapters on a scratch file counts their pages.
        std::vector<int> pageCounts;
        {
            TPrinter scratch;
            scratch.SetOutputFileName(String(std::string(argv[2]) + ".pages"));
            TManualPrinter counter(scratch);
            counter.StartDocument();
            for (const TChapter& chapter : chapters) {
                const int first = counter.PageNumber();
                counter.Chapter(chapter);
                pageCounts.push_back(counter.PageNumber() - first + 1);
                counter.NewPage();
            }
            counter.Finish();
            std::remove((std::string(argv[2]) + ".pages").c_str());
        }
        const std::vector<int> pages = ChapterPages(chapters, pageCounts);

        TPrinter printer;
        printer.SetTitle("Dorvane User Manual");
        printer.SetOutputFileName(String(argv[2]));
        TManualPrinter manual(printer);
        manual.StartDocument();
        manual.TitlePage();
        manual.NewPage();
        manual.Contents(chapters, pages);
        if (manual.PageNumber() != 2) throw std::runtime_error("the contents take more than one page");
        for (size_t c = 0; c < chapters.size(); ++c) {
            manual.NewPage();
            while (manual.PageNumber() < pages[c]) {
                manual.NotesPage();
                manual.NewPage();
            }
            manual.Chapter(chapters[c]);
        }
        manual.Finish();
    } catch (const Exception& e) {
        std::fprintf(stderr, "usermanual: %s\n", e.Message().ToUtf8().c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "usermanual: %s\n", e.what());
        return 1;
    }
    return 0;
}
