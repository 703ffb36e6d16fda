// The wave object with its RIFF check and stream forms, and the wave and string lists.
#include "foundation/StyCont.h"
#include "foundation/StyClass.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlConsts.h"

#include <cstring>

#include "platform/stdctrls/ImgList.h"

IMPLEMENT_CLASS(TStyWave, TStyObject, nullptr)
IMPLEMENT_CLASS(TStyWaveListItem, TStyListItem, NewComponent<TStyWaveListItem>)
IMPLEMENT_CLASS(TStyWaveList, TStyCustomContainer, NewComponent<TStyWaveList>)
IMPLEMENT_CLASS(TStyStringListItem, TStyListItem, NewComponent<TStyStringListItem>)
IMPLEMENT_CLASS(TStyStringList, TStyCustomContainer, NewComponent<TStyStringList>)
IMPLEMENT_CLASS(TStyContainer, TStyBaseController, NewComponent<TStyContainer>)

namespace {
}

// ---- RIFF check

bool GetWaveInfo(TMemoryStream* Data, TStyWaveInfo& Info)
{
    Info = TStyWaveInfo{};
    if (!Data || Data->Size() == 0) return false;
    Data->SetPosition(0);
    auto read = [&](void* buffer, Integer count) {
        if (Data->Read(buffer, count) != count) {
            Data->SetPosition(0);
            throw EStyErrorCheckingWave(String("GetWaveData: ") + SFOpenError);
        }
    };
    auto tag = [&](const char* expected) {
        char t[4];
        read(t, 4);
        return std::memcmp(t, expected, 4) == 0;
    };
    bool ok = false;
    if (tag("RIFF")) {
        Byte b[4];
        read(b, 4);
        const Cardinal size = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<Cardinal>(b[3]) << 24);
        if (tag("WAVE") && tag("fmt ")) {
            Byte chunk[4], fmt[12], align[2];
            read(chunk, 4);
            read(fmt, 12);
            read(align, 2);
            Info.Size = size;
            Info.Format = (fmt[0] | (fmt[1] << 8)) == 1 ? wfPCM : wfUnknown;
            const Word channels = fmt[2] | (fmt[3] << 8);
            Info.Channels = channels == 1 ? cmMono : channels == 2 ? cmStereo : cmUnknown;
            Info.SampleRate = fmt[4] | (fmt[5] << 8) | (fmt[6] << 16) | (static_cast<Cardinal>(fmt[7]) << 24);
            Info.BitsCount = static_cast<Word>(align[0] | (align[1] << 8));
            ok = true;
        }
    }
    if (!ok) Info = TStyWaveInfo{};
    Data->SetPosition(0);
    return ok;
}

// ---- wave object

TStyWave::TStyWave(TPersistent* Owner) : TStyObject(Owner) {}
TStyWave::~TStyWave() = default;

TStyWaveInfo TStyWave::Info() const
{
    TStyWaveInfo info;
    if (!Empty()) GetWaveInfo(FMemoryWave.get(), info);
    return info;
}

void TStyWave::Assign(TPersistent* Source)
{
    if (!Source) {
        FreeWave();
        return;
    }
    auto* source = dynamic_cast<TStyWave*>(Source);
    if (!source) return TStyObject::Assign(Source);
    if (source == this) return;
    FMemoryWave = std::make_unique<TMemoryStream>();
    if (source->FMemoryWave) {
        source->FMemoryWave->SetPosition(0);
        FMemoryWave->CopyFrom(*source->FMemoryWave, 0);
        FMemoryWave->SetPosition(0);
    }
    Change();
}

void TStyWave::FreeWave()
{
    Stop();
    FMemoryWave.reset();
    Change();
}

void TStyWave::LoadBytes(TStream& Source, Int64 Count)
{
    if (Source.Size() == 0) {
        FreeWave();
        return;
    }
    if (Count < 0 || Count > Source.Size() - Source.Position()) throw EReadError("Stream read error");
    auto data = std::make_unique<TMemoryStream>();
    data->SetSize(Count);
    if (Count) Source.ReadBuffer(data->Memory(), static_cast<Integer>(Count));
    TStyWaveInfo info;
    if (!GetWaveInfo(data.get(), info)) throw EStyInvalidWave(ClassName() + ": " + SFOpenError);
    Stop();
    FMemoryWave = std::move(data);
    Change();
}

void TStyWave::LoadFromFile(const String& Filename)
{
    TFileStream file(Filename, fmOpenRead | fmShareDenyRead);
    LoadBytes(file, file.Size());
}

void TStyWave::LoadFromStream(TStream& Stream) { LoadBytes(Stream, Stream.Size() - Stream.Position()); }

void TStyWave::LoadFromStreamEx(TStream& Stream)
{
    const Integer count = ReadLength(Stream);
    LoadBytes(Stream, count);
}

void TStyWave::LoadCompressedFromStream(TStream& Stream)
{
    TMemoryStream plain;
    DecompressStreamBlocks(Stream, plain, 0);
    plain.SetPosition(0);
    LoadFromStream(plain);
}

void TStyWave::SaveToStream(TStream& Stream)
{
    if (Empty()) return;
    Stream.WriteBuffer(FMemoryWave->Memory(), static_cast<Integer>(FMemoryWave->Size()));
}

void TStyWave::SaveToStreamEx(TStream& Stream)
{
    WriteInt32(Stream, Size());
    SaveToStream(Stream);
}

void TStyWave::SaveCompressedToStream(TStream& Stream)
{
    TMemoryStream plain;
    SaveToStream(plain);
    plain.SetPosition(0);
    CompressStreamBlocks(plain, Stream, static_cast<Integer>(plain.Size()), 0);
}

void TStyWave::SaveToFile(const String& Filename)
{
    TFileStream file(Filename, fmCreate);
    SaveToStream(file);
}

void TStyWave::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(
        "Data", [this](TStream* s) { LoadFromStreamEx(*s); }, [this](TStream* s) { SaveToStreamEx(*s); },
        FMemoryWave != nullptr);
}

bool TStyWave::Play() { return PlaySoundExt(sdAsync); }

bool TStyWave::PlaySoundExt(TStySndPlayMode) { return false; }

// ---- wave list

TStyWaveListItem::TStyWaveListItem(TComponent* AOwner) : TStyListItem(AOwner) {}

void TStyWaveListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyWaveListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FWave.Assign(&source->FWave);
}

Byte TStyWaveListItem::GetHeaderFlags() const
{
    return TStyListItem::GetHeaderFlags() | (FWave.Empty() ? 0 : hfData);
}

void TStyWaveListItem::ReadData(TStream& Stream, Byte Flags)
{
    if (!(Flags & hfData)) FWave.FreeWave();
    else if (Flags & hfCompressed) FWave.LoadCompressedFromStream(Stream);
    else FWave.LoadFromStreamEx(Stream);
}

void TStyWaveListItem::WriteData(TStream& Stream)
{
    if (FWave.Empty()) return;
    if (Compressed()) FWave.SaveCompressedToStream(Stream);
    else FWave.SaveToStreamEx(Stream);
}

TStyWaveList::TStyWaveList(TComponent* AOwner)
    : TStyCustomContainer(AOwner, icWave, [](TComponent* owner) { return new TStyWaveListItem(owner); })
{
    RegisterClass(TStyWaveListItem::StaticClass());
}

// ---- string list

TStyStringListItem::TStyStringListItem(TComponent* AOwner) : TStyListItem(AOwner) {}

void TStyStringListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyStringListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FStrList.Assign(source->FStrList);
}

Byte TStyStringListItem::GetHeaderFlags() const
{
    return TStyListItem::GetHeaderFlags() | (FStrList.Count() ? hfData : 0);
}

void TStyStringListItem::ReadData(TStream& Stream, Byte Flags)
{
    if (Flags & hfData) ReadStringListData(Stream, FStrList, Flags & hfCompressed);
    else FStrList.Clear();
}

void TStyStringListItem::WriteData(TStream& Stream)
{
    if (FStrList.Count()) WriteStringListData(Stream, FStrList, Compressed());
}

TStyStringList::TStyStringList(TComponent* AOwner)
    : TStyCustomContainer(AOwner, icStringList, [](TComponent* owner) { return new TStyStringListItem(owner); })
{
    RegisterClass(TStyStringListItem::StaticClass());
}

// ---- the global container

TStyContainer::TStyContainer(TComponent* AOwner)
    : TStyBaseController(AOwner),
      FBitmapList(std::make_unique<TStyBitmapList>(nullptr)),
      FImageList(std::make_unique<TStyImageList>(nullptr)),
      FWaveList(std::make_unique<TStyWaveList>(nullptr)),
      FStringList(std::make_unique<TStyStringList>(nullptr))
{
    const TNotifyEvent changed(this, &TStyContainer::ListChanged);
    FBitmapList->OnChange = changed;
    FImageList->OnChange = changed;
    FWaveList->OnChange = changed;
    FStringList->OnChange = changed;
}

TStyContainer::~TStyContainer()
{
    FBitmapList->OnChange = TNotifyEvent();
    FImageList->OnChange = TNotifyEvent();
    FWaveList->OnChange = TNotifyEvent();
    FStringList->OnChange = TNotifyEvent();
}

void TStyContainer::ListChanged(TObject* Sender)
{
    if (ComponentState().Contains(csDesigning) && this != &GlobalContainer()) {
        TStyContainer& global = GlobalContainer();
        if (Sender == FBitmapList.get()) global.SetBitmapList(FBitmapList.get());
        else if (Sender == FImageList.get()) global.SetImageList(FImageList.get());
        else if (Sender == FWaveList.get()) global.SetWaveList(FWaveList.get());
        else if (Sender == FStringList.get()) global.SetStringList(FStringList.get());
    }
    Change();
}

// Started after the application object, so that the end of the program frees it first.
TStyContainer& GlobalContainer()
{
    static const std::unique_ptr<TStyContainer> container =
        (StyApplication(), std::make_unique<TStyContainer>(nullptr));
    return *container;
}

void WriteGlobalListRef(TWriter& Writer, const TObject* List)
{
    if (List == &GlobalContainer().BitmapList()) Writer.WriteString("STYBML30");
    else if (List == &GlobalContainer().ImageList()) Writer.WriteString("STYIML30");
}

TObject* ReadGlobalListRef(TReader& Reader)
{
    const String ref = Reader.ReadString();
    if (ref == String("STYBML30")) return &GlobalContainer().BitmapList();
    if (ref == String("STYIML30")) return &GlobalContainer().ImageList();
    return nullptr;
}

bool IsGlobalImageList(const TObject* List)
{
    return List && (List == &GlobalContainer().BitmapList() || List == &GlobalContainer().ImageList());
}

bool ImageListValidItem(TObject* List, Integer ListIndex, Integer Index)
{
    if (auto* library = dynamic_cast<TStyCustomImageList*>(List)) return library->IsValidItem(ListIndex, Index);
    if (auto* platform = dynamic_cast<TCustomImageList*>(List)) return Index >= 0 && Index < platform->Count();
    return false;
}

void GetImageListBitmap(TObject* List, Integer ListIndex, Integer Index, TColor TransColor, TBitmap* Bitmap)
{
    if (!List || !Bitmap) return;
    if (auto* library = dynamic_cast<TStyCustomImageList*>(List)) {
        library->GetBitmapItem(ListIndex, Index, Bitmap);
        return;
    }
    auto* platform = dynamic_cast<TCustomImageList*>(List);
    if (!platform) return;
    // A 32-bit list without a background keeps its alpha over black; any other list's image lies
    // on the transparent colour ($FF01FF unless one is given).
    if (platform->ColorDepth() == cd32Bit && (platform->BkColor() == clNone || platform->DrawingStyle() == dsTransparent)) {
        Bitmap->SetPixelFormat(TPixelFormat::pf32bit);
        Bitmap->SetAlphaFormat(TAlphaFormat::afDefined);
        Bitmap->SetTransparentMode(TTransparentMode::tmAuto);
        Bitmap->Canvas().Brush().SetColor(clBlack);
    } else {
        const TColor colour = TransColor == clNone ? 0xFF01FF : TransColor;
        Bitmap->SetPixelFormat(TPixelFormat::pfDevice);
        Bitmap->SetAlphaFormat(TAlphaFormat::afIgnored);
        Bitmap->SetTransparentColor(colour);
        Bitmap->Canvas().Brush().SetColor(colour);
    }
    Bitmap->SetSize(platform->Width(), platform->Height());
    Bitmap->Canvas().FillRect(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
    platform->Draw(Bitmap->Canvas(), 0, 0, Index);
}

TClass LinkedImageListClass = nullptr;

bool IsLinkedImageListClass(const TObject* List)
{
    return List && LinkedImageListClass && List->InheritsFrom(LinkedImageListClass);
}

IMPLEMENT_CLASS(TStyImageListLink, TObject, nullptr)

TStyImageListLink::TStyImageListLink()
{
    FPlatformLink.OnChange = TNotifyEvent(this, &TStyImageListLink::ListChanged);
    FLibraryLink.OnChange = TNotifyEvent(this, &TStyImageListLink::ListChanged);
}

TStyImageListLink::~TStyImageListLink() { Link(nullptr); }

void TStyImageListLink::Link(TObject* List)
{
    if (FPlatformLink.Sender()) FPlatformLink.Sender()->UnRegisterChanges(&FPlatformLink);
    if (FLibraryLink.Sender()) FLibraryLink.Sender()->UnRegisterChanges(&FLibraryLink);
    FList = List;
    if (auto* library = dynamic_cast<TStyBaseController*>(List)) library->RegisterChanges(&FLibraryLink);
    else if (auto* platform = dynamic_cast<TCustomImageList*>(List)) platform->RegisterChanges(&FPlatformLink);
}

void TStyImageListLink::ListChanged(TObject*)
{
    if (OnChange) OnChange(FList);
}
