#pragma once
// The clipboard: text, bitmaps, metafiles and registered formats.  Bitmaps travel as PNG image
// data, metafiles as EMF with a PNG picture beside, registered formats as "application/x-<name>".
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/graphics/Graphics.h"

enum : Word { CF_TEXT = 1, CF_BITMAP = 2, CF_DIB = 8, CF_UNICODETEXT = 13, CF_ENHMETAFILE = 14 };

// Registered formats get ids from $C000 up; the same name gives the same id.
Word RegisterClipboardFormat(const String& name);

class TClipboard {
public:
    // Between Open and Close the formats set are put on the clipboard together.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(Word format) const;
    String AsText() const;
    void SetAsText(const String& text);
    // A TBitmap, TMetafile or TPicture (its graphic); EConvertError for others.
    void Assign(TPersistent* source);
    // Fills a TBitmap, TMetafile or TPicture from the clipboard; false when no such picture is there.
    bool GetPicture(TPersistent* dest) const;
    void SetBuffer(Word format, const std::string& bytes);
    std::string GetBuffer(Word format) const;

private:
    void Put(const std::string& mime, const std::string& bytes);
    int FOpenCount = 0;
    std::vector<std::pair<std::string, std::string>> FPending;
};

TClipboard& Clipboard();
