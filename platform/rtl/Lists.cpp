#include "platform/rtl/Lists.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace {

String IndexMessage(Integer index)
{
    return StringReplace(SListIndexError, "%d", IntToStr(index), 0);
}

}  // namespace

// ---------------------------------------------------------------- TList

void TList::CheckIndex(Integer index) const
{
    if (index < 0 || index >= Count())
        throw EListError(IndexMessage(index));
}

Integer TList::Add(void* item)
{
    Insert(Count(), item);
    return Count() - 1;
}

void TList::Insert(Integer index, void* item)
{
    if (index < 0 || index > Count())
        throw EListError(IndexMessage(index));
    FItems.insert(FItems.begin() + index, item);
    FCapacity = std::max(FCapacity, Count());
    if (item)
        Notify(item, lnAdded);
}

void TList::Delete(Integer index)
{
    CheckIndex(index);
    void* item = FItems[static_cast<size_t>(index)];
    FItems.erase(FItems.begin() + index);
    if (item)
        Notify(item, lnDeleted);
}

Integer TList::Remove(void* item)
{
    Integer index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* item)
{
    Integer index = IndexOf(item);
    if (index < 0)
        return nullptr;
    FItems.erase(FItems.begin() + index);
    Notify(item, lnExtracted);
    return item;
}

Integer TList::IndexOf(void* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

void* TList::Items(Integer index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)];
}

void TList::SetItems(Integer index, void* item)
{
    CheckIndex(index);
    void* old = FItems[static_cast<size_t>(index)];
    if (old == item)
        return;
    FItems[static_cast<size_t>(index)] = item;
    if (old)
        Notify(old, lnDeleted);
    if (item)
        Notify(item, lnAdded);
}

void TList::SetCount(Integer count)
{
    if (count < 0)
        throw EListError(StringReplace("List count out of bounds (%d)", "%d", IntToStr(count), 0));
    while (Count() > count)
        Delete(Count() - 1);
    FItems.resize(static_cast<size_t>(count), nullptr);
    FCapacity = std::max(FCapacity, count);
}

void TList::SetCapacity(Integer capacity)
{
    if (capacity < Count())
        throw EListError(StringReplace("List capacity out of bounds (%d)", "%d", IntToStr(capacity), 0));
    FCapacity = capacity;
    FItems.reserve(static_cast<size_t>(capacity));
}

void TList::Exchange(Integer index1, Integer index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TList::Move(Integer curIndex, Integer newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    void* item = FItems[static_cast<size_t>(curIndex)];
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Sort(const std::function<int(void*, void*)>& compare)
{
    std::stable_sort(FItems.begin(), FItems.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Clear()
{
    SetCount(0);
    FCapacity = 0;
}

void TList::Pack()
{
    std::erase(FItems, nullptr);
}

void TList::Notify(void* /*item*/, TListNotification /*action*/) {}

// ---------------------------------------------------------------- text encodings

namespace {
const std::string Utf8Mark = "\xEF\xBB\xBF", LittleEndianMark = "\xFF\xFE", BigEndianMark = "\xFE\xFF";

String DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return String(text);
}

std::string EncodeUtf16(const String& text, bool bigEndian)
{
    std::string bytes = bigEndian ? BigEndianMark : LittleEndianMark;
    for (char16_t c : text.u16()) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
}  // namespace

TEncoding EncodingOfMark(const std::string& bytes, TEncoding otherwise)
{
    if (bytes.starts_with(Utf8Mark)) return TEncoding::UTF8;
    if (bytes.starts_with(LittleEndianMark)) return TEncoding::Unicode;
    if (bytes.starts_with(BigEndianMark)) return TEncoding::BigEndianUnicode;
    return otherwise;
}

String DecodeText(const std::string& bytes, TEncoding encoding)
{
    const TEncoding marked = EncodingOfMark(bytes, TEncoding::Default);
    std::string_view text(bytes);
    if (marked != TEncoding::Default) {
        text.remove_prefix(marked == TEncoding::UTF8 ? Utf8Mark.size() : 2);
        encoding = marked;
    }
    switch (encoding) {
    case TEncoding::UTF8:
    case TEncoding::UTF8NoBOM: return String(Utf8ToUtf16(text));
    case TEncoding::Unicode: return DecodeUtf16(text, false);
    case TEncoding::BigEndianUnicode: return DecodeUtf16(text, true);
    default: return String(Cp1252ToUtf16(text));
    }
}

std::string EncodeText(const String& text, TEncoding encoding)
{
    switch (encoding) {
    case TEncoding::UTF8: return Utf8Mark + text.ToUtf8();
    case TEncoding::UTF8NoBOM: return text.ToUtf8();
    case TEncoding::Unicode: return EncodeUtf16(text, false);
    case TEncoding::BigEndianUnicode: return EncodeUtf16(text, true);
    default: return Utf16ToCp1252(text.u16());
    }
}

// ---------------------------------------------------------------- TStrings

TObject* TStrings::GetObject(Integer /*index*/) const { return nullptr; }

void TStrings::PutObject(Integer /*index*/, TObject* /*object*/) {}

void TStrings::Put(Integer index, const String& s)
{
    TObject* object = GetObject(index);
    BeginUpdate();
    Delete(index);
    InsertObject(index, s, object);
    EndUpdate();
}

void TStrings::InsertObject(Integer index, const String& s, TObject* object)
{
    Insert(index, s);
    PutObject(index, object);
}

Integer TStrings::Add(const String& s)
{
    Integer index = Count();
    Insert(index, s);
    return index;
}

Integer TStrings::AddObject(const String& s, TObject* object)
{
    Integer index = Add(s);
    PutObject(index, object);
    return index;
}

Integer TStrings::IndexOf(const String& s) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), s) == 0)
            return i;
    return -1;
}

Integer TStrings::IndexOfObject(const TObject* object) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::Exchange(Integer index1, Integer index2)
{
    BeginUpdate();
    String s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

void TStrings::Move(Integer curIndex, Integer newIndex)
{
    if (curIndex == newIndex)
        return;
    BeginUpdate();
    String s = Get(curIndex);
    TObject* object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, object);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    for (Integer i = 0; i < strings.Count(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

void TStrings::Assign(const TStrings& source)
{
    if (&source == this)
        return;
    BeginUpdate();
    Clear();
    AddStrings(source);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (Count() != other.Count())
        return false;
    for (Integer i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

String TStrings::Names(Integer index) const
{
    const String s = Get(index);
    Integer p = Pos(String::FromChar(FNameValueSeparator), s);
    return p > 0 ? Copy(s, 1, p - 1) : String();
}

Integer TStrings::IndexOfName(const String& name) const
{
    const String separator = String::FromChar(FNameValueSeparator);
    for (Integer i = 0; i < Count(); ++i) {
        const String s = Get(i);
        Integer p = Pos(separator, s);
        if (p > 0 && CompareStrings(Copy(s, 1, p - 1), name) == 0)
            return i;
    }
    return -1;
}

String TStrings::Values(const String& name) const
{
    Integer index = IndexOfName(name);
    return index >= 0 ? ValueFromIndex(index) : String();
}

void TStrings::SetValue(const String& name, const String& value)
{
    Integer index = IndexOfName(name);
    if (value.IsEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    const String line = name + FNameValueSeparator + value;
    if (index < 0)
        Add(line);
    else
        Put(index, line);
}

String TStrings::ValueFromIndex(Integer index) const
{
    const String s = Get(index);
    Integer p = Pos(String::FromChar(FNameValueSeparator), s);
    return p > 0 ? Copy(s, p + 1) : String();
}

void TStrings::SetValueFromIndex(Integer index, const String& value)
{
    if (value.IsEmpty()) {
        Delete(index);
        return;
    }
    Put(index, Names(index) + FNameValueSeparator + value);
}

String TStrings::JoinDelimited(char16_t delimiter, char16_t quoteChar) const
{
    if (Count() == 1 && Get(0).IsEmpty())
        return String(2, quoteChar);
    const String q = String::FromChar(quoteChar);
    String result;
    for (Integer i = 0; i < Count(); ++i) {
        String s = Get(i);
        bool quote = std::any_of(s.u16().begin(), s.u16().end(), [&](char16_t c) {
            return c <= u' ' || c == quoteChar || c == delimiter;
        });
        if (quote)
            s = q + StringReplace(s, q, q + q, rfReplaceAll) + q;
        if (i > 0)
            result += delimiter;
        result += s;
    }
    return result;
}

// Items are separated by the delimiter or by blanks (any character up to the
// space); an item starting with the quote character runs to the matching
// quote, a doubled quote inside standing for one.
void TStrings::SplitDelimited(const String& text, char16_t delimiter, char16_t quoteChar)
{
    const std::u16string_view t = text.u16();
    const size_t n = t.size();
    auto isBlank = [](char16_t c) { return c >= 1 && c <= u' '; };
    size_t p = 0;
    auto skipBlanks = [&] { while (p < n && isBlank(t[p])) ++p; };

    BeginUpdate();
    Clear();
    skipBlanks();
    while (p < n && t[p] != 0) {
        std::u16string item;
        if (t[p] == quoteChar) {
            ++p;
            while (p < n) {
                if (t[p] == quoteChar) {
                    if (p + 1 < n && t[p + 1] == quoteChar) {
                        item += quoteChar;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += t[p++];
            }
        } else {
            while (p < n && t[p] > u' ' && t[p] != delimiter)
                item += t[p++];
        }
        Add(String(item));
        skipBlanks();
        if (p < n && t[p] == delimiter) {
            ++p;
            if (p == n)
                Add(String());   // a trailing delimiter ends with an empty item
            skipBlanks();
        }
    }
    EndUpdate();
}

String TStrings::DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar); }
void TStrings::SetDelimitedText(const String& text) { SplitDelimited(text, FDelimiter, FQuoteChar); }
String TStrings::CommaText() const { return JoinDelimited(u',', u'"'); }
void TStrings::SetCommaText(const String& text) { SplitDelimited(text, u',', u'"'); }

String TStrings::Text() const
{
    String result;
    for (Integer i = 0; i < Count(); ++i)
        result += Get(i) + "\r\n";
    return result;
}

void TStrings::SetText(const String& text)
{
    const std::u16string_view t = text.u16();
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < t.size()) {
        size_t end = t.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos)
            end = t.size();
        Add(String(t.substr(start, end - start)));
        start = end;
        if (start < t.size() && t[start] == u'\r')
            ++start;
        if (start < t.size() && t[start] == u'\n')
            ++start;
    }
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool /*updating*/) {}

int TStrings::CompareStrings(const String& a, const String& b) const
{
    return AnsiCompareText(a, b);
}

void TStrings::RaiseIndexError(Integer index) const
{
    throw EStringListError(IndexMessage(index));
}

void TStrings::LoadFromStream(TStream& stream, TEncoding encoding)
{
    Int64 size = stream.Size() - stream.Position();
    std::string bytes(static_cast<size_t>(std::max<Int64>(size, 0)), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    SetText(DecodeText(bytes, encoding));
}

void TStrings::SaveToStream(TStream& stream, TEncoding encoding) const
{
    std::string bytes = EncodeText(Text(), encoding);
    stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TStrings::LoadFromFile(const String& fileName, TEncoding encoding)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file, encoding);
}

void TStrings::SaveToFile(const String& fileName, TEncoding encoding) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file, encoding);
}

// ---------------------------------------------------------------- TStringList

void TStringList::CheckIndex(Integer index) const
{
    if (index < 0 || index >= Count())
        RaiseIndexError(index);
}

void TStringList::CheckNotSorted() const
{
    if (FSorted)
        throw EStringListError("Operation not allowed on sorted list");
}

String TStringList::Get(Integer index) const
{
    CheckIndex(index);
    return FList[static_cast<size_t>(index)].FString;
}

TObject* TStringList::GetObject(Integer index) const
{
    CheckIndex(index);
    return FList[static_cast<size_t>(index)].FObject;
}

void TStringList::Put(Integer index, const String& s)
{
    CheckNotSorted();
    CheckIndex(index);
    Changing();
    FList[static_cast<size_t>(index)].FString = s;
    Changed();
}

void TStringList::PutObject(Integer index, TObject* object)
{
    CheckIndex(index);
    Changing();
    FList[static_cast<size_t>(index)].FObject = object;
    Changed();
}

void TStringList::Insert(Integer index, const String& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(Integer index, const String& s, TObject* object)
{
    CheckNotSorted();
    if (index < 0 || index > Count())
        RaiseIndexError(index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(Integer index, const String& s, TObject* object)
{
    Changing();
    FList.insert(FList.begin() + index, TStringItem{s, object});
    Changed();
}

void TStringList::Delete(Integer index)
{
    CheckIndex(index);
    Changing();
    FList.erase(FList.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    FList.clear();
    Changed();
}

Integer TStringList::Add(const String& s)
{
    return AddObject(s, nullptr);
}

Integer TStringList::AddObject(const String& s, TObject* object)
{
    Integer index = Count();
    if (FSorted && Find(s, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

Integer TStringList::IndexOf(const String& s) const
{
    if (!FSorted)
        return TStrings::IndexOf(s);
    Integer index;
    return Find(s, index) ? index : -1;
}

void TStringList::Exchange(Integer index1, Integer index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FList[static_cast<size_t>(index1)], FList[static_cast<size_t>(index2)]);
    Changed();
}

bool TStringList::Find(const String& s, Integer& index) const
{
    // The first of equal strings is found.
    Integer low = 0, high = Count();
    while (low < high) {
        Integer mid = (low + high) / 2;
        if (CompareStrings(FList[static_cast<size_t>(mid)].FString, s) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    index = low;
    return low < Count() && CompareStrings(FList[static_cast<size_t>(low)].FString, s) == 0;
}

void TStringList::Sort()
{
    CustomSort([](TStringList& list, Integer i, Integer j) {
        return list.CompareStrings(list.FList[static_cast<size_t>(i)].FString,
                                   list.FList[static_cast<size_t>(j)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare)
{
    if (Count() < 2)
        return;
    // The compare function sees indexes into the list as it stands, so sort a
    // permutation first and then rearrange the items once.
    std::vector<Integer> order(FList.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<Integer>(i);
    std::stable_sort(order.begin(), order.end(), [&](Integer a, Integer b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (Integer i : order)
        sorted.push_back(FList[static_cast<size_t>(i)]);
    FList = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}

int TStringList::CompareStrings(const String& a, const String& b) const
{
    return FCaseSensitive ? CompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(*this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(*this);
}

// ---------------------------------------------------------------- TBits

void TBits::SetSize(Integer size)
{
    if (size < 0)
        throw EBitsError("Bits index out of range");
    FBits.resize(static_cast<size_t>(size), false);
}

bool TBits::Bits(Integer index) const
{
    if (index < 0 || index >= Size())
        throw EBitsError("Bits index out of range");
    return FBits[static_cast<size_t>(index)];
}

void TBits::SetBits(Integer index, bool value)
{
    if (index < 0)
        throw EBitsError("Bits index out of range");
    if (index >= Size())
        SetSize(index + 1);
    FBits[static_cast<size_t>(index)] = value;
}

Integer TBits::OpenBit() const
{
    auto it = std::find(FBits.begin(), FBits.end(), false);
    return static_cast<Integer>(it - FBits.begin());
}
