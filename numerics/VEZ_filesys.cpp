#include "numerics/VEZ_filesys.h"

#include "numerics/VEZ_stringl.h"
#include "platform/rtl/FileIO.h"

namespace {

// The integer a line starts with (after blanks and tabs), when it is above 0.
bool LeadingCount(const String& line, Integer& count)
{
    int i = 1;
    while (i <= line.Length() && (line[i] == u' ' || line[i] == u'\t')) ++i;
    if (i <= line.Length() && line[i] == u'+') ++i;
    Int64 value = 0;
    int digits = 0;
    for (; i <= line.Length() && line[i] >= u'0' && line[i] <= u'9' && value <= 0x7FFFFFFF; ++i, ++digits)
        value = value * 10 + (line[i] - u'0');
    if (digits == 0 || value <= 0 || value > 0x7FFFFFFF) return false;
    count = static_cast<Integer>(value);
    return true;
}

// Takes "TRUE" or "FALSE" off the front of the text; false when neither is there.
bool TakeFlag(String& text, bool& flag)
{
    text = StripBlanks(text);
    if (Pos("TRUE", text) == 1) {
        flag = true;
        Delete(text, 1, 4);
        return true;
    }
    if (Pos("FALSE", text) == 1) {
        flag = false;
        Delete(text, 1, 5);
        return true;
    }
    return false;
}

}  // namespace

Integer ReadASCHeader(const String& FName, String& Comment, Integer& NrColumns, Integer& NrRows,
                      bool& RowAttributes, bool& ColumnNames, bool& RowNames, bool& NominalVariables)
{
    Comment = String();
    NrColumns = 0;
    NrRows = 0;
    RowAttributes = ColumnNames = RowNames = NominalVariables = false;

    TextFile f;
    AssignFile(f, FName);
    Reset(f);
    auto nextLine = [&f] {
        String line;
        Readln(f, line);
        return line;
    };
    Integer code = 0;
    Comment = nextLine();
    if (Pos(String(1, u'\n'), Comment) > 0) code = -4;
    if (!LeadingCount(nextLine(), NrColumns)) code = -1;
    if (code == 0 && !LeadingCount(nextLine(), NrRows)) code = -2;
    if (code == 0) {
        String flags = StripBlanks(UpperCase(ReplaceChar(nextLine(), u'\t', u' ')));
        for (bool* flag : {&RowAttributes, &ColumnNames, &RowNames}) {
            if (!TakeFlag(flags, *flag)) {
                code = -3;
                break;
            }
        }
        if (code == 0) NominalVariables = Pos("TRUE", StripBlanks(flags)) == 1;
    }
    CloseFile(f);
    IOResult();  // a file that could not be read leaves no pending error behind
    return code;
}
