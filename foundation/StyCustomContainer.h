#pragma once
// List containers: a component owning an ordered list of items of one kind that it saves to a
// container file (a 9-byte signature, the item count, an offset table, the item records) or to
// any stream, and loads back.  Every item record starts with the same header (flags, optional
// description and ident); the item kinds add their data blocks.  Files are read defensively:
// the signature, the item count, the offsets and every data length are checked against the
// stream, and a file refused part way leaves the container as it was.
#include <functional>
#include <memory>
#include <vector>

#include "foundation/StyBaseController.h"
#include "foundation/StyGraph.h"
#include "foundation/StyProcs.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/Lists.h"

enum TStyListItemClassType : Byte { icImageList, icBitmap, icWave, icStringList, icGeneric, icImageListItem,
                                    icInvalid };
enum TStyContainerSource : Byte { sdComponent, sdFile, sdAppResource, sdLibResource, sdPath };

// The 9-byte signature of a container kind: a length byte 8 and eight characters.
using TStySignature = std::array<Byte, 9>;
const TStySignature& ContainerSignature(TStyListItemClassType Kind);

// Header flags of an item record.
enum : Byte {
    hfCompressed = 0x01, hfDescription = 0x02, hfIdent = 0x04, hfData = 0x08,
    hfMono = 0x10, hf4bit = 0x20, hf8bit = 0x40, hf16bit = 0x80
};

class TStyCustomContainer;
class TEnumTypeInfo;

class TStyListItem : public TStyCustomComponent {
    DECLARE_CLASS(TStyListItem, TStyCustomComponent)
public:
    explicit TStyListItem(TComponent* AOwner);
    ~TStyListItem() override;   // leaves its container's list

    const String& Description() const { return FDescription; }
    void SetDescription(const String& value);
    Word Ident() const { return FIdent; }
    void SetIdent(Word value);
    bool Compressed() const { return FCompressed; }
    void SetCompressed(bool value);
    // The index in the owning container; -1 without one.
    Integer ListIndex() const;
    void AssignHeader(const TStyListItem& Source);

    virtual bool GetEmpty() const { return false; }
    // The item record without its header's first byte handling: see ReadItem / WriteItem.
    virtual void LoadItemData(TStream& Stream);
    virtual void SaveItemData(TStream& Stream);
    virtual Byte GetHeaderFlags() const;
    virtual void FreeData() {}
    void LoadFromStream(TStream& Stream) { LoadItemData(Stream); }
    void SaveToStream(TStream& Stream) { SaveItemData(Stream); }

    // The item's OnChange, then the container's with the item as sender.
    void Change() override;

    // In a form an item is written inside its container, its record as the binary property
    // "Internal"; an item read there joins the container.
    void DefineProperties(TFiler* Filer) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

protected:
    // The header: flags, description, ident.  Returns the flags read.
    Byte ReadHeader(TStream& Stream);
    void WriteHeader(TStream& Stream);
    // The kind's data block after the header.
    virtual void ReadData(TStream& Stream, Byte Flags);
    virtual void WriteData(TStream& Stream);

private:
    String FDescription;
    Word FIdent = 0;
    bool FCompressed = false;
};

using TStyListItemFactory = std::function<TStyListItem*(TComponent* Owner)>;

class TStyCustomContainer : public TStyBaseController {
    DECLARE_CLASS(TStyCustomContainer, TStyBaseController)
public:
    TStyCustomContainer(TComponent* AOwner, TStyListItemClassType ListType, TStyListItemFactory ListClass);
    ~TStyCustomContainer() override;

    Integer Count() const { return static_cast<Integer>(FList.size()); }
    bool Empty() const { return FList.empty(); }
    TStyListItem* GetItem(Integer Index) const;
    // The first item whose description is exactly Name.
    TStyListItem* GetItemByName(const String& Name) const;
    Integer IndexOf(TStyListItem* aValue) const;

    // A nil value creates a new item of the container's kind.
    Integer Add(TStyListItem* aValue = nullptr);
    void AddList(TStyCustomContainer* aValue);
    void Insert(Integer Index, TStyListItem* aValue = nullptr);
    void Delete(Integer Index);
    void Move(Integer OldIndex, Integer NewIndex);
    void Clear();
    void Assign(TPersistent* Source) override;
    // The items are written in a form as the container's children.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

    void SaveToFile(const String& Filename);
    void LoadFromFile(const String& Filename);
    // The container file's image (signature, count, offsets, records) written to or read from
    // a stream; the file routines go through these.
    void SaveToFileStream(TStream& Stream);
    void LoadFromFileStream(TStream& Stream);
    void SaveToStream(TStream& Stream) { WriteContainer(Stream, false); }
    void LoadFromStream(TStream& Stream) { ReadContainer(Stream, false); }

    bool DefaultCompressed() const { return FDefault; }
    void SetDefaultCompressed(bool value) { FDefault = value; }
    TStyContainerSource Source() const { return FSource; }
    void SetSource(TStyContainerSource value);
    TStyPathPrefix FilePrefix() const { return FPrefix; }
    void SetFilePrefix(TStyPathPrefix value);
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& value) { FFileName = value; }
    TStyListItemClassType ListType() const { return FListType; }

protected:
    virtual void ReadContainer(TStream& Stream, bool FromFile);
    virtual void WriteContainer(TStream& Stream, bool ToFile);
    // A change of one item: OnChange with the item as sender, unless updating.
    virtual void ItemChanged(TStyListItem* Item);
    // The class named when a file of another kind is refused, and whether the list is being read
    // from a form: the container's own here, the image list's for the items of an image list.
    virtual String ListClassName() const { return ClassName(); }
    virtual bool Loading() const { return ComponentState().Contains(csLoading); }

private:
    friend class TStyListItem;
    void Detach(TStyListItem* item);
    // Takes an item read from a form as its own, at the end of the list.
    void Adopt(TStyListItem* item);

    bool FDefault = false;
    TStyPathPrefix FPrefix = ppProgram;
    TStyContainerSource FSource = sdComponent;
    String FFileName;
    std::vector<TStyListItem*> FList;
    TStyListItemFactory FListClass;
    TStyListItemClassType FListType;
};

// ---- stream routines
void WriteInt32(TStream& Stream, Integer Value);
void WriteByte(TStream& Stream, Byte Value);
// Reads raise EReadError "Stream read error" at the end of the stream.
Integer ReadInt32(TStream& Stream);
Byte ReadByte(TStream& Stream);
// A length read from the stream, refused (EReadError) when negative or longer than what is left.
Integer ReadLength(TStream& Stream);
// Pixel-format codes of the bitmap field: -1 the bitmap's own stream form, 2 monochrome,
// 16 four bits, 256 eight bits, 65536 24 bits, 0 the bitmap's own depth (24 for 16 and 32 bits).
Integer PixelFormatCode(TStySavePixelFormat Format);
const TEnumTypeInfo& TypeInfoOf(TStySavePixelFormat);
const TEnumTypeInfo& TypeInfoOf(TStyContainerSource);
void WriteBitmapData(TStream& Stream, TBitmap& Bitmap, bool Compressed, Integer FormatCode);
void ReadBitmapData(TStream& Stream, TBitmap& Bitmap, bool Compressed);
void BitmapToDIBStream(TMemoryStream& Stream, TBitmap& Bitmap, Integer FormatCode);
void WriteStringListData(TStream& Stream, const TStrings& List, bool Compressed);
void ReadStringListData(TStream& Stream, TStrings& List, bool Compressed);
String ContainerFileExt(TStyListItemClassType Kind, bool WithDot);
// The kind of a container file by its signature (icInvalid when none matches) and its offsets.
TStyListItemClassType ReadContainerIndex(const String& FileName, Integer& Count, std::vector<Integer>* List);
bool LoadItemFromFile(const String& FileName, TStyListItemClassType Kind, const std::vector<Integer>* List,
                      TStyListItem& Item, Integer Index);
