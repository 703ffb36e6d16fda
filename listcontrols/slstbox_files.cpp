// Section files: the full layout ([SECTIONS] COUNT and one [SECTION<i>] per section with its
// caption, sub-items, check marks, control type, radio index, state, read-only flag, sort
// settings and colour) and the name-value layout (one ini section per list section).  Both are
// ini text, written back in the encoding they were read in.  Also the highlight and mark tags
// placed in the texts.
#include "listcontrols/slstbox.h"

#include "listcontrols/GxHTML.h"
#include <fstream>
#include <iterator>

#include "platform/rtl/IniFiles.h"

namespace {

// A name without a folder is taken in the current folder.
String SectionFileName(const String& filename)
{
    return Pos("\\", filename) > 0 || Pos("/", filename) > 0 ? filename : "./" + filename;
}

// The encoding a section file is read and written back in: UTF-8 for a new file and for one
// that reads as UTF-8 (with its mark when it had one), else the 8-bit code page.
TEncoding SectionFileEncoding(const String& filename)
{
    std::ifstream file(filename.ToUtf8(), std::ios::binary);
    if (!file) return TEncoding::UTF8NoBOM;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return IsValidUtf8(bytes) ? TEncoding::UTF8NoBOM : TEncoding::Default;
}

}  // namespace

void TSectionListBox::SaveToFile(const String& filename)
{
    const String name = SectionFileName(filename);
    TMemIniFile ini(name, SectionFileEncoding(name), TIniValues::AsWritten);
    ini.WriteInteger("SECTIONS", "COUNT", FSections->Count());
    for (Integer i = 0; i < FSections->Count(); ++i) {
        TListSection* section = FSections->Items(i);
        const String name = "SECTION" + IntToStr(i + 1);
        ini.WriteString(name, "CAPTION", section->Caption());
        ini.WriteInteger(name, "SUBITEMCOUNT", section->SubItems().Count());
        ini.WriteInteger(name, "CONTROL", section->ControlType());
        ini.WriteInteger(name, "RADIO", section->RadioIndex());
        ini.WriteInteger(name, "STATE", section->State());
        ini.WriteInteger(name, "READONLY", section->ReadOnly() ? 1 : 0);
        ini.WriteInteger(name, "SORTSHOW", section->SortShow() ? 1 : 0);
        ini.WriteInteger(name, "SORTDIR", section->SortDirection());
        ini.WriteInteger(name, "COLOR", section->Color());
        for (Integer j = 0; j < section->SubItems().Count(); ++j) {
            ini.WriteString(name, "SUBITEM" + IntToStr(j + 1), section->SubItems()[j]);
            ini.WriteInteger(name, "SUBVAL" + IntToStr(j + 1), section->GetSubItemCheckState(j) ? 1 : 0);
        }
    }
    ini.UpdateFile();
}

// The counts are bounded by what the file holds (its sections, the keys of a section), and the
// rows are measured once, after the load.
void TSectionListBox::LoadFromFile(const String& filename)
{
    BeginUpdate();
    try {
        Items().Clear();   // all rows at once, rather than section by section
        FSections->Clear();
        const String name = SectionFileName(filename);
        TMemIniFile ini(name, SectionFileEncoding(name), TIniValues::AsWritten);
        TStringList held;
        ini.ReadSections(held);
        const Integer n = std::min(ini.ReadInteger("SECTIONS", "COUNT", 0), held.Count());
        for (Integer i = 1; i <= n; ++i) {
            const String name = "SECTION" + IntToStr(i);
            TListSection* section = FSections->Add();
            section->SetCaption(ini.ReadString(name, "CAPTION", ""));
            const Integer control = ini.ReadInteger(name, "CONTROL", 0);
            if (control >= 0 && control <= 2) section->SetControlType(static_cast<TSectionControlType>(control));
            ini.ReadSection(name, held);
            const Integer m = std::min(ini.ReadInteger(name, "SUBITEMCOUNT", 0), held.Count());
            for (Integer j = 1; j <= m; ++j) {
                section->SubItems().Add(ini.ReadString(name, "SUBITEM" + IntToStr(j), ""));
                section->SetSubItemCheckState(j - 1, ini.ReadInteger(name, "SUBVAL" + IntToStr(j), 0) == 1);
            }
            section->SetRadioIndex(ini.ReadInteger(name, "RADIO", 0));
            section->SetReadOnly(ini.ReadInteger(name, "READONLY", 0) == 1);
            section->SetSortShow(ini.ReadInteger(name, "SORTSHOW", 0) == 1);
            const Integer sort = ini.ReadInteger(name, "SORTDIR", 0);
            if (sort >= 0 && sort <= 2) section->SetSortDirection(static_cast<TSortDirection>(sort));
            section->SetColor(ini.ReadInteger(name, "COLOR", clWindow));
            if (ini.ReadInteger(name, "STATE", 0) == 0) section->SetState(lssExpanded);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// Sub-items without "=" have no key of their own in this layout and are left out.
void TSectionListBox::SaveToInifile(const String& filename)
{
    TMemIniFile ini(filename, SectionFileEncoding(filename), TIniValues::AsWritten);
    for (Integer i = 0; i < FSections->Count(); ++i) {
        TListSection* section = FSections->Items(i);
        for (Integer j = 0; j < section->SubItems().Count(); ++j) {
            const String item = section->SubItems()[j];
            const Integer eq = Pos("=", item);
            if (eq > 0) ini.WriteString(section->Caption(), Copy(item, 1, eq - 1), Copy(item, eq + 1));
        }
    }
    ini.UpdateFile();
}

void TSectionListBox::LoadFromInifile(const String& filename)
{
    TMemIniFile ini(filename, SectionFileEncoding(filename), TIniValues::AsWritten);
    TStringList names;
    ini.ReadSections(names);
    BeginUpdate();
    for (Integer i = 0; i < names.Count(); ++i) {
        TListSection* section = FSections->Add();
        section->SetCaption(names[i]);
        TStringList values;
        ini.ReadSectionValues(names[i], values);
        section->SetSubItems(values);
    }
    EndUpdate();
}

// ---------------------------------------------------------------- highlighting and marking
String TSectionListBox::HighlightText(const String& text, const String& tag, const String* HiText, bool DoCase)
{
    String result;
    if (HiText)
        InsertHighlightTags(text, *HiText, tag, result, DoCase);
    else
        RemoveHighlightTags(text, tag, result);
    return result;
}

// The caption and every sub-item of one section get the tag around each occurrence of HiText
// (or lose the tag when HiText is null).
void TSectionListBox::HighlightSection(Integer SectionIdx, const String& tag, const String* HiText, bool DoCase)
{
    if (SectionIdx < 0 || SectionIdx >= FSections->Count()) return;
    TListSection* section = FSections->Items(SectionIdx);
    section->SetCaption(HighlightText(section->Caption(), tag, HiText, DoCase));
    for (Integer j = 0; j < section->SubItems().Count(); ++j)
        section->SubItems().Put(j, HighlightText(section->SubItems()[j], tag, HiText, DoCase));
    section->SyncRows();
}

void TSectionListBox::HilightInList(const String& HiText, bool DoCase)
{
    BeginUpdate();
    for (Integer i = 0; i < FSections->Count(); ++i) HighlightSection(i, "hi", &HiText, DoCase);
    EndUpdate();
}

void TSectionListBox::HiLightInSection(Integer SectionIdx, const String& HiText, bool DoCase)
{
    BeginUpdate();
    HighlightSection(SectionIdx, "hi", &HiText, DoCase);
    EndUpdate();
}

void TSectionListBox::HilightInSubItem(Integer SectionIdx, Integer SubItemIdx, const String& HiText, bool DoCase)
{
    if (SectionIdx < 0 || SectionIdx >= FSections->Count()) return;
    TSectionListStrings& items = FSections->Items(SectionIdx)->SubItems();
    if (SubItemIdx < 0 || SubItemIdx >= items.Count()) return;
    items.Put(SubItemIdx, HighlightText(items[SubItemIdx], "hi", &HiText, DoCase));
}

void TSectionListBox::MarkInList(const String& HiText, bool DoCase)
{
    BeginUpdate();
    for (Integer i = 0; i < FSections->Count(); ++i) HighlightSection(i, "e", &HiText, DoCase);
    EndUpdate();
}

void TSectionListBox::MarkInSection(Integer SectionIdx, const String& HiText, bool DoCase)
{
    BeginUpdate();
    HighlightSection(SectionIdx, "e", &HiText, DoCase);
    EndUpdate();
}

void TSectionListBox::MarkInSubItem(Integer SectionIdx, Integer SubItemIdx, const String& HiText, bool DoCase)
{
    if (SectionIdx < 0 || SectionIdx >= FSections->Count()) return;
    TSectionListStrings& items = FSections->Items(SectionIdx)->SubItems();
    if (SubItemIdx < 0 || SubItemIdx >= items.Count()) return;
    items.Put(SubItemIdx, HighlightText(items[SubItemIdx], "e", &HiText, DoCase));
}

void TSectionListBox::UnHilightInList()
{
    BeginUpdate();
    for (Integer i = 0; i < FSections->Count(); ++i) HighlightSection(i, "hi", nullptr, false);
    EndUpdate();
}

void TSectionListBox::UnHiLightInSection(Integer SectionIdx)
{
    BeginUpdate();
    HighlightSection(SectionIdx, "hi", nullptr, false);
    EndUpdate();
}

void TSectionListBox::UnHilightInSubItem(Integer SectionIdx, Integer SubItemIdx)
{
    if (SectionIdx < 0 || SectionIdx >= FSections->Count()) return;
    TSectionListStrings& items = FSections->Items(SectionIdx)->SubItems();
    if (SubItemIdx < 0 || SubItemIdx >= items.Count()) return;
    items.Put(SubItemIdx, HighlightText(items[SubItemIdx], "hi", nullptr, false));
}

void TSectionListBox::UnMarkInList()
{
    BeginUpdate();
    for (Integer i = 0; i < FSections->Count(); ++i) HighlightSection(i, "e", nullptr, false);
    EndUpdate();
}

void TSectionListBox::UnMarkInSection(Integer SectionIdx)
{
    BeginUpdate();
    HighlightSection(SectionIdx, "e", nullptr, false);
    EndUpdate();
}

void TSectionListBox::UnMarkInSubItem(Integer SectionIdx, Integer SubItemIdx)
{
    if (SectionIdx < 0 || SectionIdx >= FSections->Count()) return;
    TSectionListStrings& items = FSections->Items(SectionIdx)->SubItems();
    if (SubItemIdx < 0 || SubItemIdx >= items.Count()) return;
    items.Put(SubItemIdx, HighlightText(items[SubItemIdx], "e", nullptr, false));
}
