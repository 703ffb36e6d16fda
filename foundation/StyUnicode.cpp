// Case mapping through lookups built once per direction and row: for each UTF-16 code unit the
// first table entry of the row whose key is that code unit.
#include "foundation/StyUnicode.h"

#include <array>
#include <memory>
#include <mutex>
#include <vector>

namespace {

enum TCaseDirection { cdLower, cdUpper };

// Index + 1 of the entry for each code unit, 0 for none.
using TCaseLookup = std::vector<Word>;

const TCaseLookup& Lookup(TCaseDirection direction, Byte row)
{
    static std::array<std::array<std::unique_ptr<TCaseLookup>, 16>, 2> lookups;
    static std::array<std::array<std::once_flag, 16>, 2> built;
    std::call_once(built[direction][row & 15], [&] {
        auto lookup = std::make_unique<TCaseLookup>(65536, 0);
        for (int i = StyCaseTableSize - 1; i >= 0; --i) {   // backwards, so the first entry wins
            const TStyCaseEntry& entry = StyCaseTable[i];
            if ((entry.Status & row) == 0) continue;
            char16_t key = direction == cdLower ? entry.Source : entry.Folded[0];
            (*lookup)[key] = static_cast<Word>(i + 1);
        }
        lookups[direction][row & 15] = std::move(lookup);
    });
    return *lookups[direction][row & 15];
}

const TStyCaseEntry* EntryFor(TCaseDirection direction, char16_t ch)
{
    Word index = Lookup(direction, StyCaseRow)[ch];
    return index ? &StyCaseTable[index - 1] : nullptr;
}

int FoldedLength(const TStyCaseEntry& entry)
{
    return entry.Folded[2] ? 3 : entry.Folded[1] ? 2 : 1;
}

}  // namespace

String UnicodeLowerCase(const String& text)
{
    std::u16string out;
    out.reserve(text.u16().size());
    for (char16_t ch : text.u16()) {
        const TStyCaseEntry* entry = EntryFor(cdLower, ch);
        if (!entry) {
            out += ch;
            continue;
        }
        out.append(entry->Folded, static_cast<size_t>(FoldedLength(*entry)));
    }
    return String(std::move(out));
}

String UnicodeUpperCase(const String& text)
{
    const std::u16string_view in = text.u16();
    std::u16string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size();) {
        const TStyCaseEntry* entry = EntryFor(cdUpper, in[i]);
        size_t length = entry ? static_cast<size_t>(FoldedLength(*entry)) : 1;
        if (entry && in.compare(i, length, entry->Folded, length) == 0) {
            out += entry->Source;
            i += length;
        } else {
            out += in[i];
            ++i;
        }
    }
    return String(std::move(out));
}

char16_t UnicodeUpperChar(char16_t ch)
{
    const TStyCaseEntry* entry = EntryFor(cdUpper, ch);
    return entry && FoldedLength(*entry) == 1 ? entry->Source : ch;
}

int UnicodeCompareText(const String& a, const String& b)
{
    int c = a.u16().compare(b.u16());
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool UnicodeSameText(const String& a, const String& b)
{
    return UnicodeCompareText(UnicodeUpperCase(a), UnicodeUpperCase(b)) == 0;
}

const char16_t* WideStrScan(const char16_t* text, char16_t ch)
{
    for (; *text; ++text)
        if (*text == ch) return text;
    return ch == 0 ? text : nullptr;
}

void FillWideChars(char16_t* dest, int count, char16_t ch)
{
    for (int i = 0; i < count; ++i) dest[i] = ch;
}
