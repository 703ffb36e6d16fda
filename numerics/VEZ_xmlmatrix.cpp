#include "numerics/VEZ_xmlframe.h"

#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"

// ---- The XML matrix frame ----------------------------------------------------------

std::vector<String> XMLMatrixHead(bool CreateHeader, const String& className, Integer dim, const String& id,
                                  const std::vector<Integer>& counts)
{
    static const char* const countTags[] = {"numcols", "numrows", "numplanes"};
    std::vector<String> lines;
    if (CreateHeader) lines.push_back("<?xml version=\"1.0\"?>");
    lines.push_back("");
    lines.push_back("<!-- " + className + " / VEZ Component Suite -->");
    lines.push_back("<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"" + IntToStr(dim) + "\" id=\"" + id + "\">");
    for (size_t i = 0; i < counts.size() && i < 3; ++i) {
        const String tag = countTags[i];
        lines.push_back("<" + tag + ">" + IntToStr(counts[i]) + "</" + tag + ">");
    }
    return lines;
}

String XMLCellLine(const std::vector<Integer>& indices, const String& value)
{
    static const char* const names[] = {"ix", "iy", "iz"};
    String line = "<cell";
    for (size_t i = 0; i < indices.size() && i < 3; ++i)
        line += String(" ") + names[i] + "=\"" + IntToStr(indices[i]) + "\"";
    return line + ">" + value + "</cell>";
}

void WriteXMLLines(TStream& out, const std::vector<String>& lines)
{
    for (const String& line : lines) WriteLineToStream(out, line);
}

void WriteXMLLines(TextFile& out, const std::vector<String>& lines)
{
    for (const String& line : lines) Writeln(out, line);
}

Integer XMLAttributeInt(const String& attributes, const String& name)
{
    const String text = LowerCase(attributes);
    Integer at = Pos(LowerCase(name) + "=", text);
    while (at > 1 && text[at - 1] != u' ') at = Pos(LowerCase(name) + "=", text, at + 1);
    if (at == 0) return 0;
    Integer pos = FindNthOccurrence("\"", text, at, false, 1);
    if (pos == 0) return 0;
    ++pos;
    return ParseIntegerAt(text, pos);
}

// The identification of a start line: the text between the double quotes of
// the id attribute, blanks stripped; empty without one.
static String StartLineId(const String& line)
{
    Integer at = Pos(" id=", line);
    if (at == 0) return "";
    const Integer open = FindNthOccurrence("\"", line, at, false, 1);
    const Integer close = FindNthOccurrence("\"", line, at, false, 2);
    if (open == 0 || close == 0) return "";
    return StripBlanks(Copy(line, open + 1, close - open - 1));
}

static bool IsStartLine(const String& line, Integer dim, const String& id)
{
    if (Pos("<matrix", line) == 0 || Pos("dizudeziv", line) == 0) return false;
    Integer at = Pos("dim=", line);
    if (at == 0) return false;
    Integer pos = FindNthOccurrence("\"", line, at, false, 1);
    if (pos == 0) return false;
    ++pos;
    if (ParseIntegerAt(line, pos) != dim) return false;
    return id.IsEmpty() || StartLineId(line) == id;
}

TXMLInput XMLInputOf(TStream& in)
{
    TXMLInput input;
    input.ReadLine = [&in](bool& endOfInput, String& line) { ReadLineFromStream(in, endOfInput, 0, line); };
    input.ReadElement = [&in](const TTagList& tags, String& attributes, String& contents) {
        return ReadXMLElement(in, tags, attributes, contents);
    };
    return input;
}

TXMLInput XMLInputOf(TextFile& in)
{
    TXMLInput input;
    input.ReadLine = [&in](bool& endOfInput, String& line) {
        line = "";
        endOfInput = Eof(in);
        if (endOfInput) return;
        Read(in, line);
        Readln(in);
        endOfInput = Eof(in);
    };
    input.ReadElement = [&in](const TTagList& tags, String& attributes, String& contents) {
        return ReadXMLElementFromText(in, tags, attributes, contents);
    };
    return input;
}

bool ReadXMLMatrix(const TXMLInput& in, Integer dim, const String& DataID, TXMLMatrixTarget& target)
{
    const String id = LowerCase(DataID);
    bool endOfStream = false;
    bool found = false;
    String line;
    while (!found && !endOfStream) {
        in.ReadLine(endOfStream, line);
        line = LowerCase(line);
        found = IsStartLine(line, dim, id);
    }
    if (!found) return false;
    target.Started(StartLineId(line));

    enum { tNumCols, tNumRows, tNumPlanes, tNumTimeSlots, tCell, tMatrix, tEndMatrix, tInvalid };
    static const TTagList tags = {"numcols", "numrows", "numplanes", "numtimeslots",
                                  "cell",    "matrix",  "/matrix",   "invalidtag"};
    bool firstCell = true;
    for (;;) {
        String attributes, contents;
        const Integer tag = in.ReadElement(tags, attributes, contents);
        Integer pos = 1;
        switch (tag) {
        case tNumCols:
            target.Cols = ParseIntegerAt(contents, pos);
            break;
        case tNumRows:
            target.Rows = ParseIntegerAt(contents, pos);
            break;
        case tNumPlanes:
            if (dim == 3) target.Layers = ParseIntegerAt(contents, pos);
            break;
        case tNumTimeSlots:
        case tMatrix:
            break;
        case tCell:
            if (firstCell) {
                firstCell = false;
                if (!target.Size(target.Cols, target.Rows, target.Layers)) return false;
            }
            target.Cell(attributes, contents);
            break;
        case tEndMatrix:
            return true;
        default:
            return false;
        }
    }
}

bool ReadXMLContainer(const TXMLInput& in, Integer dim, const String& DataID, TXMLMatrixTarget target,
                      String& dataID, bool& firstCell, const std::function<void()>& changed)
{
    bool started = false;
    target.Started = [&](const String& id) {
        started = true;
        dataID = id;
        firstCell = true;
    };
    const auto size = target.Size;
    target.Size = [&](Integer cols, Integer rows, Integer layers) {
        firstCell = false;
        return size(cols, rows, layers);
    };
    const bool found = ReadXMLMatrix(in, dim, DataID, target);
    if (started) changed();
    return found;
}
