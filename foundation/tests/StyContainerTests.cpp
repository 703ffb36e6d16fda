// List containers: the file and stream forms of each kind, the checks that refuse damaged files,
// and the list operations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "FoundationTestSupport.h"
#include "foundation/StyCont.h"
#include "foundation/StyImageList.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/stdctrls/ImgList.h"

namespace {

std::string TempFile(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / "dorvane-foundation";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

std::vector<Byte> FileBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A canonical 44-byte PCM header: 2 channels, 44100 samples per second, 16 bits (block align 4).
std::vector<Byte> PcmWave()
{
    std::vector<Byte> w = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                           1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0,
                           0, 0};
    return w;
}

void LoadWave(TStyWave& wave, const std::vector<Byte>& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    s.SetPosition(0);
    wave.LoadFromStream(s);
}

// One filled container of each kind, saved to its file.
struct TSamples {
    TSamples()
    {
        TBitmap a;
        FilledBitmap(a, 5, 3, clRed);
        a.Canvas().SetPixel(1, 1, clBlue);
        auto* b1 = static_cast<TStyBitmapListItem*>(bitmaps.GetItem(bitmaps.Add()));
        b1->SetBitmap(a);
        b1->SetDescription("A");
        auto* b2 = static_cast<TStyBitmapListItem*>(bitmaps.GetItem(bitmaps.Add()));
        b2->SetBitmap(a);
        b2->SetIdent(7);
        b2->SetCompressed(true);
        b2->SetPixelFormat(spf8bit);

        auto* s1 = strings.GetArrayItem(strings.Add());
        s1->Items().Add("first line");
        s1->Items().Add("second");
        s1->SetDescription("words");
        auto* s2 = strings.GetArrayItem(strings.Add());
        s2->SetCompressed(true);
        for (int i = 0; i < 50; ++i) s2->Items().Add("repeated text repeated text");
        strings.Add();   // no lines: the header alone

        auto* w1 = waves.GetArrayItem(waves.Add());
        LoadWave(w1->Wave(), PcmWave());
        auto* w2 = waves.GetArrayItem(waves.Add());
        LoadWave(w2->Wave(), PcmWave());
        w2->SetCompressed(true);
        waves.Add();

        auto* i1 = images.GetArrayItem(images.Add());
        i1->SetWidth(4);
        i1->SetHeight(4);
        i1->SetMasked(true);
        TBitmap cell;
        FilledBitmap(cell, 8, 4, clLime);
        i1->Add(&cell);
        i1->Add(&cell);
        images.Add();   // an empty strip
    }
    TStyBitmapList bitmaps{nullptr};
    TStyStringList strings{nullptr};
    TStyWaveList waves{nullptr};
    TStyImageList images{nullptr};
};

std::vector<Byte> ItemRecord(TStyListItem& item)
{
    TMemoryStream s;
    item.SaveItemData(s);
    const Byte* p = static_cast<const Byte*>(s.Memory());
    return {p, p + s.Size()};
}

// Little-endian fields appended to a byte list.
void Put(std::vector<Byte>& out, Cardinal value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<Byte>(value >> (8 * i)));
}

}  // namespace

TEST(StyContainers, AnEmptyContainerFileIsItsSignatureAndACount)
{
    TStyBitmapList list(nullptr);
    const std::string file = TempFile("empty.bml");
    list.SaveToFile(String(file));
    EXPECT_EQ(FileBytes(file), (std::vector<Byte>{8, 'S', 'T', 'Y', 'B', 'M', 'L', '3', '0', 0, 0, 0, 0}));
    TStyStringList strings(nullptr);
    strings.SaveToFile(String(file));
    EXPECT_EQ(FileBytes(file)[4], 'S');   // "STYSLL30"
    EXPECT_EQ(ContainerFileExt(icImageList, true), String(".iml"));
    EXPECT_EQ(ContainerFileExt(icInvalid, true), String(""));
}

TEST(StyContainers, ItemHeadersCarryDescriptionAndIdent)
{
    TStyBitmapList list(nullptr);
    static_cast<TStyListItem*>(list.GetItem(list.Add()))->SetDescription("A");
    list.GetItem(list.Add())->SetIdent(7);
    const std::string file = TempFile("headers.bml");
    list.SaveToFile(String(file));
    // signature, count 2, offsets 21 and 24; then $02 'A' (length 1) and $04 with ident 7
    EXPECT_EQ(FileBytes(file), (std::vector<Byte>{8, 'S', 'T', 'Y', 'B', 'M', 'L', '3', '0', 2, 0, 0, 0, 21, 0, 0, 0,
                                                  24, 0, 0, 0, 0x02, 1, 'A', 0x04, 7, 0, 0, 0}));
}

TEST(StyContainers, EachKindReadsBackWhatItWrote)
{
    TSamples s;
    {
        const std::string file = TempFile("bitmaps.bml");
        s.bitmaps.SaveToFile(String(file));
        TStyBitmapList back(nullptr);
        back.LoadFromFile(String(file));
        ASSERT_EQ(back.Count(), 2);
        EXPECT_EQ(back.GetArrayItem(0)->Description(), String("A"));
        EXPECT_EQ(back.GetArrayItem(1)->Ident(), 7);
        EXPECT_TRUE(back.GetArrayItem(1)->Compressed());
        EXPECT_EQ(back.GetArrayItem(1)->PixelFormat(), spf8bit);
        for (int i = 0; i < 2; ++i) {
            TBitmap& b = back.GetArrayItem(i)->Bitmap();
            EXPECT_EQ(b.Width(), 5);
            EXPECT_EQ(b.Canvas().Pixel(1, 1), clBlue) << i;
            EXPECT_EQ(b.Canvas().Pixel(0, 0), clRed) << i;
        }
    }
    {
        const std::string file = TempFile("strings.sll");
        s.strings.SaveToFile(String(file));
        TStyStringList back(nullptr);
        back.LoadFromFile(String(file));
        ASSERT_EQ(back.Count(), 3);
        EXPECT_EQ(back.GetArrayItem(0)->Items().Text(), String("first line\r\nsecond\r\n"));
        EXPECT_EQ(back.GetArrayItem(1)->Items().Count(), 50);
        EXPECT_EQ(back.GetArrayItem(2)->Items().Count(), 0);
        EXPECT_EQ(back.GetArrayNameItem("words"), back.GetArrayItem(0));
        EXPECT_EQ(back.GetArrayNameItem("Words"), nullptr);   // descriptions compare exactly
    }
    {
        const std::string file = TempFile("waves.wvl");
        s.waves.SaveToFile(String(file));
        TStyWaveList back(nullptr);
        back.LoadFromFile(String(file));
        ASSERT_EQ(back.Count(), 3);
        for (int i = 0; i < 2; ++i) {
            TStyWave& w = back.GetArrayItem(i)->Wave();
            EXPECT_EQ(w.ChannelMode(), cmStereo);
            EXPECT_EQ(w.Format(), wfPCM);
            EXPECT_EQ(w.SampleRate(), 44100u);
            EXPECT_EQ(w.Bits(), 4);   // the block alignment
        }
        EXPECT_TRUE(back.GetArrayItem(2)->Wave().Empty());
        EXPECT_FALSE(back.GetArrayItem(0)->Wave().Play());   // no sound device
    }
    {
        const std::string file = TempFile("images.iml");
        s.images.SaveToFile(String(file));
        TStyImageList back(nullptr);
        back.LoadFromFile(String(file));
        ASSERT_EQ(back.Count(), 2);
        EXPECT_EQ(back.ItemCount(0), 2);   // of each 8-pixel picture only the first 4 columns
        EXPECT_EQ(back.ItemCount(1), 0);
        EXPECT_EQ(back.ItemCount(2), -1);
        EXPECT_TRUE(back.GetArrayItem(0)->Masked());
        TBitmap image;
        back.GetArrayItem(0)->GetBitmap(1, image);
        EXPECT_EQ(image.Canvas().Pixel(2, 2), clLime);
    }
    // the stream form has no signature and no offsets
    TMemoryStream stream;
    s.strings.SaveToStream(stream);
    stream.SetPosition(0);
    TStyStringList back(nullptr);
    back.LoadFromStream(stream);
    EXPECT_EQ(back.Count(), 3);
}

// Lists placed on a form keep their items: each item is written inside its list with its record,
// and read back into the list of the same name.
TEST(StyContainers, ListsOnAFormReadBackTheirItemsByteForByte)
{
    RegisterClasses({TStyBitmapList::StaticClass(), TStyImageList::StaticClass(), TStyStringList::StaticClass(),
                     TStyWaveList::StaticClass()});
    TSamples s;
    TComponent form(nullptr);
    form.SetName("Form1");
    // the items of an image list live in its container
    auto items = [](TComponent* list) -> TStyCustomContainer& {
        if (auto* images = dynamic_cast<TStyCustomImageList*>(list)) return images->Items();
        return *dynamic_cast<TStyCustomContainer*>(list);
    };
    const std::pair<const char*, TPersistent*> samples[] = {
        {"Bitmaps", &s.bitmaps}, {"Images", &s.images}, {"Strings", &s.strings}, {"Waves", &s.waves}};
    for (const auto& [name, sample] : samples) {
        auto* list = static_cast<TComponent*>(sample->ClassType()->Create(&form));
        list->SetName(name);
        list->Assign(sample);
    }
    const String written = WriteComponentText(&form);
    EXPECT_NE(written.ToUtf8().find("Internal = {"), std::string::npos) << written.ToUtf8();
    TComponent back(nullptr);
    ReadComponentText(written, &back);
    for (const auto& [name, sample] : samples) {
        ASSERT_EQ(items(form.FindComponent(name)).Count(), items(static_cast<TComponent*>(sample)).Count());
        TComponent* read = back.FindComponent(name);
        ASSERT_NE(read, nullptr) << name;
        TStyCustomContainer &list = items(read), &original = items(form.FindComponent(name));
        ASSERT_EQ(list.Count(), original.Count()) << name;
        for (Integer i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.GetItem(i)->Owner(), &list) << name << " " << i;
            EXPECT_EQ(ItemRecord(*list.GetItem(i)), ItemRecord(*original.GetItem(i))) << name << " " << i;
        }
    }
    EXPECT_EQ(WriteComponentText(&back), written);
}

// The DIB of a bitmap field: "BM", total size, offset of the bits; a 40-byte header with the
// size, 1 plane, the bit count, no compression, the image size and 0 in every other field; a
// colour table below 24 bits.  Code 0 keeps the bitmap's own depth; 16 and 32 bits become 24.
TEST(StyContainers, BitmapFieldsAreDIBsWithTheHeaderOfTheirBitCount)
{
    struct Case {
        TPixelFormat source;
        Integer code;
        Cardinal bits;
    };
    const Case cases[] = {
        {TPixelFormat::pf24bit, 2, 1},  {TPixelFormat::pf24bit, 16, 4},   {TPixelFormat::pf24bit, 256, 8},
        {TPixelFormat::pf24bit, 65536, 24}, {TPixelFormat::pf8bit, 0, 8}, {TPixelFormat::pf4bit, 0, 4},
        {TPixelFormat::pf24bit, 0, 24}, {TPixelFormat::pf32bit, 0, 24},   {TPixelFormat::pf16bit, 0, 24},
        {TPixelFormat::pf1bit, 0, 1},   {TPixelFormat::pf1bit, 256, 1},
    };
    for (const Case& c : cases) {
        TBitmap bmp(5, 3, c.source);
        bmp.Canvas().Brush().SetColor(clWhite);
        bmp.Canvas().FillRect(Rect(0, 0, 5, 3));
        bmp.Canvas().SetPixel(1, 1, clBlack);
        TMemoryStream dib;
        BitmapToDIBStream(dib, bmp, c.code);
        const Cardinal colours = c.bits == 24 ? 0 : 1u << c.bits, header = 40 + 4 * colours;
        const Cardinal image = 3 * ((5 * c.bits + 31) / 32 * 4);
        std::vector<Byte> expected = {'B', 'M'};
        Put(expected, 14 + header + image, 4);
        Put(expected, 0, 4);
        Put(expected, 14 + header, 4);
        for (Cardinal v : {40u, 5u, 3u}) Put(expected, v, 4);
        Put(expected, 1, 2);
        Put(expected, c.bits, 2);
        Put(expected, 0, 4);
        Put(expected, image, 4);
        for (int field = 0; field < 4; ++field) Put(expected, 0, 4);
        const Byte* p = static_cast<const Byte*>(dib.Memory());
        EXPECT_EQ(std::vector<Byte>(p, p + 54), expected) << c.code << " " << c.bits;
        EXPECT_EQ(dib.Size(), 14 + header + image) << c.code << " " << c.bits;
        EXPECT_EQ(dib.Position(), 0);
        TBitmap back;
        back.LoadFromStream(dib);
        EXPECT_EQ(Picture(back, {{'w', clWhite}, {'K', clBlack}}), "wwwww/wKwww/wwwww") << c.code << " " << c.bits;
    }
}

TEST(StyContainers, AFileOfAnotherKindIsRefusedAndTheItemsStay)
{
    TSamples s;
    const std::string file = TempFile("kind.wvl");
    s.waves.SaveToFile(String(file));
    try {
        s.bitmaps.LoadFromFile(String(file));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("Impossible d'ouvrir le fichier %s: TStyBitmapList"));
    }
    EXPECT_EQ(s.bitmaps.Count(), 2);
    Integer count = 0;
    std::vector<Integer> offsets;
    EXPECT_EQ(ReadContainerIndex(String(file), count, &offsets), icWave);
    EXPECT_EQ(count, 3);
    TStyWaveListItem item(nullptr);
    EXPECT_TRUE(LoadItemFromFile(String(file), icWave, nullptr, item, 1));
    EXPECT_EQ(item.Wave().SampleRate(), 44100u);
    EXPECT_THROW(LoadItemFromFile(String(file), icBitmap, nullptr, item, 0), Exception);
}

// A string-list file of one item "ab" and the same file with one field damaged: the whole
// signature, the count, the offset and the data lengths are each checked against the file.
TEST(StyContainers, EachFieldOfAFileIsCheckedBeforeTheItemsAreReplaced)
{
    const std::vector<Byte> good = {8,   'S', 'T', 'Y', 'S', 'L', 'L', '3', '0',   // signature
                                    1,   0,   0,   0,                              // one item
                                    17,  0,   0,   0,                              // at offset 17
                                    0x08,                                          // data follows
                                    4,   0,   0,   0,   'a', 'b', '\r', '\n'};     // text of 4 bytes
    struct Case {
        const char* what;
        size_t at;
        std::vector<Byte> bytes;   // written over the good file from `at`; empty: the file is cut at `at`
        bool signature;            // refused as a file of another kind
    };
    const Case cases[] = {
        {"length byte 7", 0, {7}, true},
        {"length byte 255", 0, {255}, true},
        {"length byte 0", 0, {0}, true},
        {"last signature letter", 8, {'1'}, true},
        {"signature cut short", 5, {}, true},
        {"count past the file", 9, {100, 0, 0, 0}, false},
        {"negative count", 9, {0xFF, 0xFF, 0xFF, 0xFF}, false},
        {"count without a table", 13, {}, false},
        {"offset inside the table", 13, {16, 0, 0, 0}, false},
        {"offset past the file", 13, {26, 0, 0, 0}, false},
        {"text length past the file", 18, {5, 0, 0, 0}, false},
        {"negative text length", 18, {0xFF, 0xFF, 0xFF, 0x7F}, false},
        {"description length past the file", 17, {0x0A, 200}, false},
    };
    // Checked against the writer: the good file is what a string list writes.
    TStyStringList source(nullptr);
    source.GetArrayItem(source.Add())->Items().Add("ab");
    TMemoryStream written;
    source.SaveToFileStream(written);
    ASSERT_EQ(std::vector<Byte>(written.Memory(), written.Memory() + written.Size()), good);

    for (const Case& c : cases) {
        std::vector<Byte> bytes = good;
        if (c.bytes.empty()) bytes.resize(c.at);
        else std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.at));
        TMemoryStream damaged;
        damaged.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        damaged.SetPosition(0);
        TStyStringList list(nullptr);
        list.GetArrayItem(list.Add())->Items().Add("kept");
        try {
            list.LoadFromFileStream(damaged);
            ADD_FAILURE() << c.what << ": read";
        } catch (const EReadError&) {
            EXPECT_FALSE(c.signature) << c.what;
        } catch (const Exception& e) {
            EXPECT_TRUE(c.signature) << c.what;
            EXPECT_EQ(e.Message(), String("Impossible d'ouvrir le fichier %s: TStyStringList")) << c.what;
        }
        ASSERT_EQ(list.Count(), 1) << c.what;
        EXPECT_EQ(list.GetArrayItem(0)->Items().Text(), String("kept\r\n")) << c.what;

        // the index routines refuse the same files
        const std::string file = TempFile("damaged.sll");
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        TStyStringListItem item(nullptr);
        if (c.signature) {
            Integer count = -1;
            EXPECT_EQ(ReadContainerIndex(String(file), count, nullptr), icInvalid) << c.what;
            EXPECT_EQ(count, 0) << c.what;
        }
        EXPECT_THROW(LoadItemFromFile(String(file), icStringList, nullptr, item, 0), Exception) << c.what;
    }
}

TEST(StyContainers, ADescriptionTooLongForItsLengthByteIsRefusedWhenWriting)
{
    TStyStringList list(nullptr);
    list.GetItem(list.Add())->SetDescription(String(std::string(256, 'x')));
    TMemoryStream stream;
    EXPECT_THROW(list.SaveToStream(stream), EWriteError);
    list.GetItem(0)->SetDescription(String(std::string(255, 'x')));
    TMemoryStream ok;
    list.SaveToStream(ok);
    ok.SetPosition(0);
    TStyStringList back(nullptr);
    back.LoadFromStream(ok);
    EXPECT_EQ(back.GetItem(0)->Description().Length(), 255);
}

TEST(StyContainers, ListOperationsNotifyOnlyOnChange)
{
    struct TCounter : TObject {
        int Count = 0;
        void Changed(TObject*) { ++Count; }
    } counter;
    TStyStringList list(nullptr);
    for (int i = 0; i < 3; ++i) list.Add();
    list.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
    TStyListItem* third = list.GetItem(2);
    list.Move(2, 2);
    EXPECT_EQ(counter.Count, 0);
    list.Move(2, 0);
    EXPECT_EQ(list.GetItem(0), third);
    EXPECT_EQ(third->ListIndex(), 0);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(counter.Count, 2);
    TStyStringList copy(nullptr);
    copy.Assign(&list);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(StyContainers, TenThousandDamagedFilesAreRefusedCleanly)
{
    TSamples s;
    struct Kind {
        TStyCustomContainer* container;
    };
    const Kind kinds[] = {{&s.bitmaps.Items()}, {&s.strings}, {&s.waves}, {&s.images.Items()}};
    std::mt19937 random(20261210);
    int refused = 0;
    for (int round = 0; round < 10000; ++round) {
        const Kind& kind = kinds[round % 4];
        TMemoryStream image;
        kind.container->SaveToFileStream(image);
        std::vector<Byte> bytes(image.Memory(), image.Memory() + image.Size());
        // one to four damaged bytes, sometimes a cut or an extension
        const int damage = 1 + static_cast<int>(random() % 4);
        for (int d = 0; d < damage; ++d) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] = static_cast<Byte>(random()); break;
            case 1: bytes[at] ^= static_cast<Byte>(1u << (random() % 8)); break;
            case 2: bytes.resize(std::max<size_t>(1, at)); break;
            default: bytes[at] = static_cast<Byte>(0xFF); break;
            }
        }
        TMemoryStream damaged;
        damaged.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        damaged.SetPosition(0);
        const Integer before = kind.container->Count();
        try {
            kind.container->LoadFromFileStream(damaged);
        } catch (const Exception&) {
            ++refused;
            ASSERT_EQ(kind.container->Count(), before) << "round " << round;
        }
        // whatever was read, the next round saves it again
        if (kind.container->Count() == 0) {
            TSamples fresh;
            if (kind.container == &s.bitmaps.Items()) s.bitmaps.Assign(&fresh.bitmaps);
            if (kind.container == &s.strings) s.strings.Assign(&fresh.strings);
            if (kind.container == &s.waves) s.waves.Assign(&fresh.waves);
            if (kind.container == &s.images.Items()) s.images.Assign(&fresh.images);
        }
    }
    EXPECT_GT(refused, 5000);
}

TEST(StyGlobalContainer, ListsAreCopiedInAndKnownAsGlobal)
{
    TSamples s;
    TStyContainer& global = GlobalContainer();
    EXPECT_EQ(&global, &GlobalContainer());
    TStyContainer own(nullptr);
    own.SetBitmapList(&s.bitmaps);
    EXPECT_EQ(own.BitmapList().Count(), 2);
    EXPECT_NE(&own.BitmapList(), &s.bitmaps);   // the container keeps its own list object
    EXPECT_TRUE(IsGlobalImageList(&global.ImageList()));
    EXPECT_TRUE(IsGlobalImageList(&global.BitmapList()));
    EXPECT_FALSE(IsGlobalImageList(&own.ImageList()));
    EXPECT_FALSE(IsGlobalImageList(nullptr));
    EXPECT_TRUE(ImageListValidItem(&s.images, 0, 1));
    EXPECT_FALSE(ImageListValidItem(&s.images, 0, 2));
    EXPECT_FALSE(ImageListValidItem(nullptr, 0, 0));

    // a platform list's image is drawn on $FF01FF, which becomes the transparent colour
    TCustomImageList platform(8, 8);
    TBitmap picture;
    FilledBitmap(picture, 8, 8, clRed);
    TBitmap mask;
    FilledBitmap(mask, 8, 8, clBlack);
    mask.Canvas().Brush().SetColor(clWhite);
    mask.Canvas().FillRect(Rect(0, 0, 2, 2));
    platform.Add(&picture, &mask);
    TBitmap out;
    GetImageListBitmap(&platform, 0, 0, clNone, &out);
    EXPECT_EQ(out.TransparentColor(), 0xFF01FF);
    EXPECT_EQ(out.Canvas().Pixel(4, 4), clRed);
    EXPECT_EQ(out.Canvas().Pixel(0, 0), 0xFF01FF);
    // a 32-bit list without a background keeps its alpha: the image lies on black
    platform.SetColorDepth(cd32Bit);
    GetImageListBitmap(&platform, 0, 0, clNone, &out);
    EXPECT_EQ(out.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(out.AlphaFormat(), TAlphaFormat::afDefined);
    EXPECT_EQ(out.TransparentMode(), TTransparentMode::tmAuto);
    EXPECT_EQ(ColorToRGB(out.Canvas().Pixel(0, 0)) & 0xFFFFFF, clBlack);
    EXPECT_EQ(ColorToRGB(out.Canvas().Pixel(4, 4)) & 0xFFFFFF, clRed);
    platform.SetBkColor(clYellow);   // with a background colour: on the transparent colour again
    GetImageListBitmap(&platform, 0, 0, clLime, &out);
    EXPECT_EQ(out.AlphaFormat(), TAlphaFormat::afIgnored);
    EXPECT_EQ(out.TransparentColor(), clLime);

    // the class the program links as its own image lists: none until it is set
    EXPECT_FALSE(IsLinkedImageListClass(&s.images));
    LinkedImageListClass = TStyCustomImageList::StaticClass();
    EXPECT_TRUE(IsLinkedImageListClass(&s.images));
    EXPECT_FALSE(IsLinkedImageListClass(&platform));
    EXPECT_FALSE(IsLinkedImageListClass(nullptr));
    LinkedImageListClass = nullptr;
}

TEST(StyImageLists, StripsGrowByTheirAllocationStepUpToTheirLimit)
{
    TStyImageListItem item(nullptr);   // 16 x 16, 4 images at a time
    TBitmap cell;
    FilledBitmap(cell, 16, 16, clRed);
    item.Add(&cell);
    EXPECT_EQ(item.GetImageBitmap().Width(), 64);
    for (int i = 0; i < 4; ++i) item.Add(&cell);
    EXPECT_EQ(item.GetImageBitmap().Width(), 128);

    TBitmap tall;
    FilledBitmap(tall, 16, 32, clRed);
    try {
        item.Add(&tall);
        FAIL();
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), String("Taille de l'image non valide"));
    }
    TBitmap wide;
    FilledBitmap(wide, 48, 16, clBlue);
    const Integer index = item.Add(&wide);   // only its first 16 columns are used
    EXPECT_EQ(item.Count(), 6);
    TBitmap back;
    item.GetBitmap(index, back);
    EXPECT_EQ(back.Width(), 16);
    EXPECT_EQ(back.Canvas().Pixel(15, 0), clBlue);

    item.Clear();
    for (int i = 0; i < 2048; ++i) item.Add(nullptr, nullptr);
    EXPECT_THROW(item.Add(nullptr, nullptr), EInvalidGraphicOperation);   // 2049 x 16 > 32768
}

TEST(StyImageLists, DeletingTheMiddleImageMovesTheRest)
{
    TStyImageListItem item(nullptr);
    item.SetWidth(4);
    item.SetHeight(4);
    for (TColor c : {clRed, clLime, clBlue}) {
        TBitmap cell;
        FilledBitmap(cell, 4, 4, c);
        item.Add(&cell);
    }
    item.Delete(1);
    ASSERT_EQ(item.Count(), 2);
    EXPECT_EQ(item.GetImageRect(0).Left, 0);
    EXPECT_EQ(item.GetImageRect(1).Left, 4);
    TBitmap second;
    item.GetBitmap(1, second);
    EXPECT_EQ(second.Canvas().Pixel(1, 1), clBlue);
    item.Delete(5);   // past the last: nothing
    EXPECT_EQ(item.Count(), 2);
}

TEST(StyImageLists, BadIndexesAndTheCurrentItem)
{
    TStyImageList images(nullptr);
    TStyBitmapList bitmaps(nullptr);
    EXPECT_EQ(images.ItemCount(0), -1);
    EXPECT_EQ(bitmaps.ItemCount(0), 0);
    images.Add();
    images.SetIndex(0);   // its current value: never raises
    EXPECT_THROW(images.SetIndex(1), EInvalidGraphicOperation);
    EXPECT_EQ(images.Index(), 0);
}

TEST(StyWaves, TheRiffHeaderIsCheckedAndTheStreamFormsKeepTheBytes)
{
    TStyWave wave;
    LoadWave(wave, PcmWave());
    EXPECT_EQ(wave.Size(), 44);
    TMemoryStream ex;
    wave.SaveToStreamEx(ex);
    ex.SetPosition(0);
    TStyWave copy;
    copy.LoadFromStreamEx(ex);
    TMemoryStream again;
    copy.SaveToStreamEx(again);
    ASSERT_EQ(again.Size(), ex.Size());
    EXPECT_TRUE(std::equal(ex.Memory(), ex.Memory() + ex.Size(), again.Memory()));

    // a chunk other than "fmt " right after "WAVE" is refused and the sound kept
    std::vector<Byte> bad = PcmWave();
    bad[12] = 'L';
    bad[13] = 'I';
    bad[14] = 'S';
    bad[15] = 'T';
    EXPECT_THROW(LoadWave(copy, bad), EStyInvalidWave);
    EXPECT_EQ(copy.SampleRate(), 44100u);
    // a header cut short
    const std::vector<Byte> whole = PcmWave();
    const std::vector<Byte> cut(whole.begin(), whole.begin() + 30);
    EXPECT_THROW(LoadWave(copy, cut), EStyErrorCheckingWave);

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Size(), 0);
    EXPECT_FALSE(copy.PlaySoundExt(sdSync));
}

TEST(StyImageListLinks, ChangesOfEitherKindOfListReachTheLinkUntilItLeaves)
{
    struct TCounter : TObject {
        int Count = 0;
        TObject* Last = nullptr;
        void Changed(TObject* Sender)
        {
            ++Count;
            Last = Sender;
        }
    } counter;
    TStyImageListLink link;
    link.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
    TCustomImageList platform(8, 8);
    TStyImageList library(nullptr);
    link.Link(&platform);
    TBitmap image(8, 8);
    platform.Add(&image, nullptr);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(counter.Last, &platform);
    link.Link(&library);   // leaves the platform list
    platform.Add(&image, nullptr);
    EXPECT_EQ(counter.Count, 1);
    library.Add();
    EXPECT_EQ(counter.Count, 2);
    EXPECT_EQ(counter.Last, &library);
    link.Link(nullptr);
    library.Add();
    EXPECT_EQ(counter.Count, 2);
    EXPECT_EQ(link.List(), nullptr);
}
