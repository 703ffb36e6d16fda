#pragma once
// Sounds and string lists in list containers: the wave object holding one RIFF/WAVE sound in
// memory, the wave and string list items and lists, and the global container that holds one
// bitmap, image, string and wave list for the whole program.
#include <memory>

#include "foundation/StyCustomContainer.h"
#include "foundation/StyImageList.h"
#include "foundation/StyObject.h"
#include "platform/stdctrls/ImgList.h"

DORVANE_EXCEPTION(EStyInvalidWave, Exception);
DORVANE_EXCEPTION(EStyErrorCheckingWave, Exception);

enum TStyWaveFormat : Byte { wfUnknown, wfPCM };
enum TStyChannelMode : Byte { cmUnknown, cmMono, cmStereo };
enum TStySndPlayMode : Byte { sdSync, sdAsync, sdLoop };

struct TStyWaveInfo {
    Cardinal Size = 0;   // the RIFF chunk's size field
    Cardinal SampleRate = 0;
    TStyChannelMode Channels = cmUnknown;
    TStyWaveFormat Format = wfUnknown;
    Word BitsCount = 0;   // the format chunk's block alignment
};

// Reads the RIFF header at the start of the data: false (record cleared) for no data or a tag
// that does not match; EStyErrorCheckingWave for a header cut short.  The position is left at 0.
bool GetWaveInfo(TMemoryStream* Data, TStyWaveInfo& Info);

class TStyWave : public TStyObject {
    DECLARE_CLASS(TStyWave, TStyObject)
public:
    explicit TStyWave(TPersistent* Owner = nullptr);
    ~TStyWave() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const { return !FMemoryWave || FMemoryWave->Size() == 0; }
    Integer Size() const { return Empty() ? 0 : static_cast<Integer>(FMemoryWave->Size()); }
    TStyWaveInfo Info() const;
    Cardinal SampleRate() const { return Info().SampleRate; }
    TStyChannelMode ChannelMode() const { return Info().Channels; }
    TStyWaveFormat Format() const { return Info().Format; }
    Word Bits() const { return Info().BitsCount; }

    void FreeWave();
    void LoadFromFile(const String& Filename);
    void LoadFromStream(TStream& Stream);
    void LoadFromStreamEx(TStream& Stream);
    void LoadCompressedFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream);
    void SaveToStreamEx(TStream& Stream);
    void SaveCompressedToStream(TStream& Stream);
    void SaveToFile(const String& Filename);
    void DefineProperties(TFiler* Filer) override;

    // No wave output exists here: playing reports false and raises nothing.
    bool Play();
    bool PlaySoundExt(TStySndPlayMode aValue);
    void Stop() {}

private:
    void LoadBytes(TStream& Source, Int64 Count);
    std::unique_ptr<TMemoryStream> FMemoryWave;
};

class TStyWaveListItem : public TStyListItem {
    DECLARE_CLASS(TStyWaveListItem, TStyListItem)
public:
    explicit TStyWaveListItem(TComponent* AOwner);
    TStyWave& Wave() { return FWave; }
    void SetWave(TStyWave& value) { FWave.Assign(&value); }
    bool GetEmpty() const override { return FWave.Empty(); }
    void FreeData() override { FWave.FreeWave(); }
    void Assign(TPersistent* Source) override;
    Byte GetHeaderFlags() const override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;

private:
    TStyWave FWave;
};

class TStyWaveList : public TStyCustomContainer {
    DECLARE_CLASS(TStyWaveList, TStyCustomContainer)
public:
    explicit TStyWaveList(TComponent* AOwner);
    TStyWaveListItem* GetArrayItem(Integer Index) const { return static_cast<TStyWaveListItem*>(GetItem(Index)); }
    TStyWaveListItem* GetArrayNameItem(const String& Name) const
    {
        return static_cast<TStyWaveListItem*>(GetItemByName(Name));
    }
};

class TStyStringListItem : public TStyListItem {
    DECLARE_CLASS(TStyStringListItem, TStyListItem)
public:
    explicit TStyStringListItem(TComponent* AOwner);
    TStringList& Items() { return FStrList; }
    void SetItems(const TStrings& value) { FStrList.Assign(value); }
    bool GetEmpty() const override { return FStrList.Count() == 0; }
    void FreeData() override { FStrList.Clear(); }
    void Assign(TPersistent* Source) override;
    Byte GetHeaderFlags() const override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;

private:
    TStringList FStrList;
};

class TStyStringList : public TStyCustomContainer {
    DECLARE_CLASS(TStyStringList, TStyCustomContainer)
public:
    explicit TStyStringList(TComponent* AOwner);
    TStyStringListItem* GetArrayItem(Integer Index) const { return static_cast<TStyStringListItem*>(GetItem(Index)); }
    TStyStringListItem* GetArrayNameItem(const String& Name) const
    {
        return static_cast<TStyStringListItem*>(GetItemByName(Name));
    }
};

class TCustomImageList;

// One bitmap list, image list, string list and wave list; writing a list property copies the
// given list into the container's own.
class TStyContainer : public TStyBaseController {
    DECLARE_CLASS(TStyContainer, TStyBaseController)
public:
    explicit TStyContainer(TComponent* AOwner);
    ~TStyContainer() override;
    TStyBitmapList& BitmapList() { return *FBitmapList; }
    void SetBitmapList(TStyBitmapList* value) { FBitmapList->Assign(value); }
    TStyImageList& ImageList() { return *FImageList; }
    void SetImageList(TStyImageList* value) { FImageList->Assign(value); }
    TStyWaveList& WaveList() { return *FWaveList; }
    void SetWaveList(TStyWaveList* value) { FWaveList->Assign(value); }
    TStyStringList& StringList() { return *FStringList; }
    void SetStringList(TStyStringList* value) { FStringList->Assign(value); }

private:
    // A list's change: a design-time container other than the global one mirrors it into the
    // global container's list of the same kind.
    void ListChanged(TObject* Sender);

    std::unique_ptr<TStyBitmapList> FBitmapList;
    std::unique_ptr<TStyImageList> FImageList;
    std::unique_ptr<TStyWaveList> FWaveList;
    std::unique_ptr<TStyStringList> FStringList;
};

// The program's one container, kept for the whole run.
TStyContainer& GlobalContainer();
// The global bitmap and image lists are written into forms as their signature texts.
void WriteGlobalListRef(TWriter& Writer, const TObject* List);
TObject* ReadGlobalListRef(TReader& Reader);
bool IsGlobalImageList(const TObject* List);
// Library and platform image lists alike.
bool ImageListValidItem(TObject* List, Integer ListIndex, Integer Index);
void GetImageListBitmap(TObject* List, Integer ListIndex, Integer Index, TColor TransColor, TBitmap* Bitmap);
// The class of image lists that the program links as its own; none while unset.
extern TClass LinkedImageListClass;
bool IsLinkedImageListClass(const TObject* List);

// A control's subscription to the changes of its image list, of the library or of the platform:
// OnChange fires with the list as Sender after each change of its images.
class TStyImageListLink : public TObject {
    DECLARE_CLASS(TStyImageListLink, TObject)
public:
    TStyImageListLink();
    ~TStyImageListLink() override;
    // Leaves the former list and subscribes to List (null: to none).
    void Link(TObject* List);
    TObject* List() const { return FList; }
    TNotifyEvent OnChange;

private:
    void ListChanged(TObject* Sender);
    TObject* FList = nullptr;
    TChangeLink FPlatformLink;
    TStyChangeLink FLibraryLink;
};
