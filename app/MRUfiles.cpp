#include "app/MRUfiles.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/SysFormat.h"

TClass TMRUFiles::StaticClass()
{
    static const TMetaClass meta("TMRUFiles", TComponent::StaticClass(), NewComponent<TMRUFiles>, [](TMetaClass& m) {
        using M = TMRUFiles;
        TPublished<M>(&m)
            .Property("MenuItem", &M::MenuItem, &M::SetMenuItem)
            .Property("MaxEntries", &M::MaxEntries, &M::SetMaxEntries).Default(9)
            .Property("Numbered", &M::Numbered, &M::SetNumbered).Default(true)
            .Property("OnClick", &M::OnClick);
    });
    return &meta;
}

TMRUFiles::TMRUFiles(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>())
{
    FFiles->OnChange = [this](TStrings& sender) { FilesChange(sender); };
}

TMRUFiles::~TMRUFiles()
{
    FFiles->OnChange = nullptr;
    Destroying();
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
}

void TMRUFiles::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMenuItem) {
        FMenuItem = nullptr;
        MenuItemCount = 0;
    }
}

Integer TMRUFiles::Find(const String& FileName) const
{
    for (Integer i = 0; i < FFiles->Count(); ++i)
        if (AnsiSameText(FFiles->Get(i), FileName)) return i;
    return -1;
}

void TMRUFiles::Trim()
{
    while (FFiles->Count() >= FMaxEntries) FFiles->Delete(FMaxEntries - 1);
}

// ---------------------------------------------------------------- the list

void TMRUFiles::Add(const String& FileName)
{
    if (FileName.IsEmpty()) return;
    FFiles->BeginUpdate();
    const Integer old = Find(FileName);
    if (old >= 0) FFiles->Delete(old);
    Trim();
    FFiles->Insert(0, FileName);
    FFiles->EndUpdate();
}

void TMRUFiles::Remove(const String& FileName)
{
    if (FileName.IsEmpty()) return;
    const Integer index = Find(FileName);
    if (index >= 0) FFiles->Delete(index);
}

void TMRUFiles::Rename(const String& OldFileName, const String& NewFileName)
{
    if (OldFileName == NewFileName) return;
    if (OldFileName.IsEmpty()) return Add(NewFileName);
    if (NewFileName.IsEmpty()) return Remove(OldFileName);
    const Integer index = Find(OldFileName);
    if (index >= 0) FFiles->Put(index, NewFileName);
}

void TMRUFiles::SetMaxEntries(Byte Value)
{
    if (Value == FMaxEntries) return;
    FMaxEntries = Value;
    FFiles->BeginUpdate();
    Trim();
    FFiles->EndUpdate();
}

void TMRUFiles::SetNumbered(bool Value)
{
    if (Value == FNumbered) return;
    FNumbered = Value;
    RebuildMenu();
}

void TMRUFiles::SetMenuItem(TMenuItem* Value)
{
    if (Value == FMenuItem) return;
    RemoveMenuItems();
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    FMenuItem = Value;
    if (FMenuItem) FMenuItem->FreeNotification(this);
    RebuildMenu();
}

// ---------------------------------------------------------------- storage

void TMRUFiles::LoadFromIni(const String& IniFileName, const String& Section)
{
    FFiles->BeginUpdate();
    FFiles->Clear();
    TIniFile ini(IniFileName);
    for (Integer i = 1; i <= FMaxEntries; ++i) {
        const String name = ini.ReadString(Section, Format("File%d", {i}), String());
        if (name.IsEmpty()) break;
        if (Find(name) < 0) FFiles->Add(name);
    }
    FFiles->EndUpdate();
}

void TMRUFiles::SaveToIni(const String& IniFileName, const String& Section) const
{
    TIniFile ini(IniFileName);
    ini.EraseSection(Section);
    for (Integer i = 0; i < FFiles->Count(); ++i) ini.WriteString(Section, Format("File%d", {i + 1}), FFiles->Get(i));
}

void TMRUFiles::LoadFromRegistry(const String& Key)
{
    FFiles->BeginUpdate();
    FFiles->Clear();
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.OpenKey(Key, false)) {
        for (Integer i = 1; i <= FMaxEntries; ++i) {
            const String value = Format("File%d", {i});
            if (!reg.ValueExists(value)) continue;
            const String name = reg.ReadString(value);
            if (!name.IsEmpty() && Find(name) < 0) FFiles->Add(name);
        }
    }
    FFiles->EndUpdate();
}

void TMRUFiles::SaveToRegistry(const String& Key) const
{
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    reg.DeleteKey(Key);
    if (!reg.OpenKey(Key, true)) return;
    for (Integer i = 0; i < FFiles->Count(); ++i) reg.WriteString(Format("File%d", {i + 1}), FFiles->Get(i));
}

void TMRUFiles::LoadFromFile(const String& FileName)
{
    FFiles->BeginUpdate();
    FFiles->Clear();
    FFiles->LoadFromFile(FileName);
    FFiles->EndUpdate();
}

void TMRUFiles::SaveToFile(const String& FileName) const { FFiles->SaveToFile(FileName); }

// ---------------------------------------------------------------- the menu

void TMRUFiles::FilesChange(TStrings&) { RebuildMenu(); }

void TMRUFiles::RemoveMenuItems()
{
    if (FMenuItem && FMenuItem->Parent()) {
        TMenuItem* parent = FMenuItem->Parent();
        const Integer first = FMenuItem->MenuIndex() + 1;
        for (Integer n = 0; n < MenuItemCount && first < parent->Count(); ++n) parent->Delete(first);
    }
    MenuItemCount = 0;
}

// The anchor is followed by a separator, then the names from the most recent to the oldest.
void TMRUFiles::RebuildMenu()
{
    if (!FMenuItem || !FMenuItem->Parent()) return;
    RemoveMenuItems();
    TMenuItem* parent = FMenuItem->Parent();
    for (Integer i = FFiles->Count() - 1; i >= 0; --i) {
        const String name = FFiles->Get(i);
        auto* item = new TMenuItem(this);
        item->SetTag(i);
        item->SetHint(Format("Opens %s", {name}));
        if (!FNumbered) item->SetCaption(name);
        else if (i < 10) item->SetCaption(Format("&%d %s", {i + 1, name}));
        else item->SetCaption(Format("  %s", {name}));
        item->OnClick = TNotifyEvent(this, &TMRUFiles::ItemClick);
        parent->Insert(FMenuItem->MenuIndex() + 1, item);
        ++MenuItemCount;
    }
    if (FFiles->Count() > 0) {
        auto* separator = new TMenuItem(this);
        separator->SetCaption("-");
        parent->Insert(FMenuItem->MenuIndex() + 1, separator);
        ++MenuItemCount;
    }
}

void TMRUFiles::ItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!OnClick || !item) return;
    OnClick(this, FFiles->Get(item->Tag()));
}
