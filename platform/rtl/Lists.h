#pragma once
// Containers of the runtime: the pointer list TList, the string lists
// TStrings/TStringList and the bit array TBits.
#include <functional>
#include <vector>

#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TObject;   // the class layer's root; string lists hold references only
class TStream;


// ---------------------------------------------------------------- TList

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    virtual ~TList() = default;   // no Notify calls here: a descendant clears itself

    Integer Add(void* item);
    void Insert(Integer index, void* item);
    void Delete(Integer index);
    Integer Remove(void* item);      // index it had, or -1
    void* Extract(void* item);       // removed without lnDeleted; nullptr when absent
    Integer IndexOf(void* item) const;
    void* Items(Integer index) const;
    void SetItems(Integer index, void* item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    Integer Count() const { return static_cast<Integer>(FItems.size()); }
    void SetCount(Integer count);    // new slots are nullptr
    Integer Capacity() const { return FCapacity; }
    void SetCapacity(Integer capacity);

    void Exchange(Integer index1, Integer index2);
    void Move(Integer curIndex, Integer newIndex);
    // compare returns < 0, 0 or > 0 like the platform's list sort compare.
    void Sort(const std::function<int(void*, void*)>& compare);
    void Clear();
    void Pack();                     // drops nullptr items

protected:
    virtual void Notify(void* item, TListNotification action);

private:
    void CheckIndex(Integer index) const;

    std::vector<void*> FItems;
    Integer FCapacity = 0;
};

// ---------------------------------------------------------------- TStrings

enum TDuplicates { dupIgnore, dupAccept, dupError };

// Text encodings of string-list files: the default is the 8-bit Windows-1252;
// UTF8 is written with its byte-order mark, UTF8NoBOM without it; Unicode
// (UTF-16 little-endian) and BigEndianUnicode with theirs.  Reading a file that
// starts with a byte-order mark always decodes the encoding the mark names.
enum class TEncoding { Default, UTF8, UTF8NoBOM, Unicode, BigEndianUnicode };

// The encoding the byte-order mark at the start of the bytes names; `otherwise` without one.
TEncoding EncodingOfMark(const std::string& bytes, TEncoding otherwise);
String DecodeText(const std::string& bytes, TEncoding encoding);
std::string EncodeText(const String& text, TEncoding encoding);   // with the mark, but for UTF8NoBOM and Default

class TStrings {
public:
    using TNotify = std::function<void(TStrings& sender)>;

    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;
    virtual ~TStrings() = default;

    // The primitives a descendant provides.
    virtual Integer Count() const = 0;
    virtual String Get(Integer index) const = 0;
    virtual TObject* GetObject(Integer index) const;   // nullptr here
    virtual void Put(Integer index, const String& s);
    virtual void PutObject(Integer index, TObject* object);   // ignored here
    virtual void Insert(Integer index, const String& s) = 0;
    virtual void InsertObject(Integer index, const String& s, TObject* object);
    virtual void Delete(Integer index) = 0;
    virtual void Clear() = 0;

    virtual Integer Add(const String& s);
    virtual Integer AddObject(const String& s, TObject* object);
    virtual Integer IndexOf(const String& s) const;
    virtual void Exchange(Integer index1, Integer index2);
    void Move(Integer curIndex, Integer newIndex);
    void Append(const String& s) { Add(s); }
    void AddStrings(const TStrings& strings);
    void Assign(const TStrings& source);   // lines and objects
    bool Equals(const TStrings& other) const;

    String Strings(Integer index) const { return Get(index); }
    String operator[](Integer index) const { return Get(index); }
    TObject* Objects(Integer index) const { return GetObject(index); }
    Integer IndexOfObject(const TObject* object) const;

    // Name=value lines.
    String Names(Integer index) const;
    String Values(const String& name) const;
    void SetValue(const String& name, const String& value);   // an empty value deletes the line
    String ValueFromIndex(Integer index) const;
    void SetValueFromIndex(Integer index, const String& value);
    Integer IndexOfName(const String& name) const;
    char16_t NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char16_t c) { FNameValueSeparator = c; }

    // Delimited forms: CommaText is DelimitedText with "," and '"'.
    char16_t Delimiter() const { return FDelimiter; }
    void SetDelimiter(char16_t c) { FDelimiter = c; }
    char16_t QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char16_t c) { FQuoteChar = c; }
    String DelimitedText() const;
    void SetDelimitedText(const String& text);
    String CommaText() const;
    void SetCommaText(const String& text);

    // Every line followed by CR LF; setting accepts CR LF, LF or CR.
    String Text() const;
    virtual void SetText(const String& text);

    void BeginUpdate();
    void EndUpdate();
    Integer UpdateCount() const { return FUpdateCount; }

    void LoadFromStream(TStream& stream, TEncoding encoding = TEncoding::Default);
    void SaveToStream(TStream& stream, TEncoding encoding = TEncoding::Default) const;
    void LoadFromFile(const String& fileName, TEncoding encoding = TEncoding::Default);
    void SaveToFile(const String& fileName, TEncoding encoding = TEncoding::Default) const;

protected:
    // 0 when equal; the base compares without regard to letter case.
    virtual int CompareStrings(const String& a, const String& b) const;
    // Called by the outermost BeginUpdate (true) and EndUpdate (false).
    virtual void SetUpdateState(bool updating);
    void RaiseIndexError(Integer index) const;

private:
    String JoinDelimited(char16_t delimiter, char16_t quoteChar) const;
    void SplitDelimited(const String& text, char16_t delimiter, char16_t quoteChar);

    Integer FUpdateCount = 0;
    char16_t FNameValueSeparator = u'=';
    char16_t FDelimiter = u',';
    char16_t FQuoteChar = u'"';
};

// ---------------------------------------------------------------- TStringList

class TStringList : public TStrings {
public:
    using TStringListSortCompare = std::function<int(TStringList& list, Integer index1, Integer index2)>;

    Integer Count() const override { return static_cast<Integer>(FList.size()); }
    String Get(Integer index) const override;
    TObject* GetObject(Integer index) const override;
    void Put(Integer index, const String& s) override;
    void PutObject(Integer index, TObject* object) override;
    void Insert(Integer index, const String& s) override;
    void InsertObject(Integer index, const String& s, TObject* object) override;
    void Delete(Integer index) override;
    void Clear() override;
    Integer Add(const String& s) override;
    Integer AddObject(const String& s, TObject* object) override;
    Integer IndexOf(const String& s) const override;
    void Exchange(Integer index1, Integer index2) override;

    // Binary search of a sorted list: true when found; index is the match or
    // the place where s would be inserted.
    bool Find(const String& s, Integer& index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    TNotify OnChange;
    TNotify OnChanging;

protected:
    int CompareStrings(const String& a, const String& b) const override;
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct TStringItem {
        String FString;
        TObject* FObject = nullptr;
    };
    void CheckIndex(Integer index) const;
    void CheckNotSorted() const;
    void InsertItem(Integer index, const String& s, TObject* object);

    std::vector<TStringItem> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};

// ---------------------------------------------------------------- TBits

class TBits {
public:
    Integer Size() const { return static_cast<Integer>(FBits.size()); }
    void SetSize(Integer size);
    bool Bits(Integer index) const;                // EBitsError beyond the size
    void SetBits(Integer index, bool value);       // grows the array as needed
    Integer OpenBit() const;                       // first false bit, or Size()

private:
    std::vector<bool> FBits;
};
