#pragma once
// The recent-files list: file names most recent first, shown as items of a menu right after
// an anchor item, kept in the settings file, a text file or the user's registry.
#include <memory>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/rtl/Lists.h"
#include "platform/stdctrls/Menus.h"

using TMRUClickEvent = TEvent<TObject*, const String&>;

class TMRUFiles : public TComponent {
    DECLARE_CLASS(TMRUFiles, TComponent)
public:
    explicit TMRUFiles(TComponent* AOwner);
    ~TMRUFiles() override;

    void Add(const String& FileName);
    void Remove(const String& FileName);
    void Rename(const String& OldFileName, const String& NewFileName);
    void LoadFromIni(const String& IniFileName, const String& Section);
    void SaveToIni(const String& IniFileName, const String& Section) const;
    void LoadFromRegistry(const String& Key);
    void SaveToRegistry(const String& Key) const;
    void LoadFromFile(const String& FileName);
    void SaveToFile(const String& FileName) const;

    const TStringList& Files() const { return *FFiles; }
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* Value);
    Byte MaxEntries() const { return FMaxEntries; }
    void SetMaxEntries(Byte Value);
    bool Numbered() const { return FNumbered; }
    void SetNumbered(bool Value);
    TMRUClickEvent OnClick;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FilesChange(TStrings& Sender);
    void RebuildMenu();
    void RemoveMenuItems();
    void ItemClick(TObject* Sender);
    // Index of the first entry equal to the name ignoring letter case, or -1.
    Integer Find(const String& FileName) const;
    // While the list holds MaxEntries names or more, the entry at MaxEntries - 1 goes.
    void Trim();

    std::unique_ptr<TStringList> FFiles;
    Byte FMaxEntries = 9;
    TMenuItem* FMenuItem = nullptr;
    bool FNumbered = true;
    Word MenuItemCount = 0;
};
