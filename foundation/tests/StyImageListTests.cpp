// Image lists: the pictures they draw beside a platform image list, the operations on the images
// of an item, the item's own file, and the bitmaps a bitmap list loads from a file, a path or the
// program's resources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstdio>
#include <functional>
#include <memory>

#include "FoundationTestSupport.h"
#include "foundation/StyImageList.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/rtl/Streams.h"

namespace {

std::string TempPath(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / "dorvane-imagelists";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

const TLegend& Colours()
{
    static const TLegend legend = {{'w', clWhite}, {'K', clBlack}, {'R', clRed},    {'L', clLime},
                                   {'B', clBlue},  {'Y', clYellow}, {'F', clFuchsia}, {'N', clNavy}};
    return legend;
}

// A 4 x 4 picture: a 2 x 2 square of the colour on fuchsia, the transparent colour.
void Square(TBitmap& bmp, TColor colour)
{
    FilledBitmap(bmp, 4, 4, clFuchsia);
    bmp.SetPixelFormat(TPixelFormat::pf24bit);
    bmp.Canvas().Brush().SetColor(colour);
    bmp.Canvas().FillRect(Rect(1, 1, 3, 3));
}

// A masked 4 x 4 item of squares of the colours.
TStyImageListItem* SquaresItem(TStyImageList& list, const std::vector<TColor>& colours)
{
    TStyImageListItem* item = list.GetArrayItem(list.Add());
    item->SetWidth(4);
    item->SetHeight(4);
    item->SetMasked(true);
    for (TColor c : colours) {
        TBitmap square;
        Square(square, c);
        item->AddMasked(&square, clFuchsia);
    }
    return item;
}

// The images of an item by the letter of their square's colour.
std::string Order(const TStyImageListItem& item)
{
    std::string order;
    for (Integer i = 0; i < item.Count(); ++i) {
        TBitmap image;
        item.GetBitmap(i, image);
        order += Picture(image, Colours())[6];   // the pixel (1, 1)
    }
    return order;
}

std::string Drawn(const std::function<void(TCanvas&)>& draw)
{
    TBitmap target;
    FilledBitmap(target, 4, 4, clWhite);
    draw(target.Canvas());
    return Picture(target, Colours());
}

}  // namespace

// Squares of three colours in a platform list and in an image-list item with the same drawing
// style, background and blend colour draw the same pixels, also when the library list is drawn
// as a platform list.
TEST(StyImageLists, EachDrawingStyleDrawsAsAPlatformList)
{
    const struct {
        TStyDrawingStyle style;
        TColor background;
    } cases[] = {{dsNormal, clNone},   {dsNormal, clYellow},   {dsTransparent, clYellow},
                 {dsFocus, clYellow},  {dsSelected, clYellow}, {dsSelected, clNone}};
    const std::vector<TColor> colours = {clBlack, clRed, clNavy};
    for (const auto& c : cases) {
        TImageList platform(nullptr);
        platform.SetWidth(4);
        platform.SetHeight(4);
        TStyImageList library(nullptr);
        TStyImageListItem* item = SquaresItem(library, colours);
        for (TColor colour : colours) {
            TBitmap square;
            Square(square, colour);
            platform.AddMasked(&square, clFuchsia);
        }
        platform.SetDrawingStyle(c.style);
        platform.SetBkColor(c.background);
        platform.SetBlendColor(clBlue);
        item->SetDrawingStyle(c.style);
        item->SetBkColor(c.background);
        item->SetBlendColor(clBlue);
        const TCustomImageList& seen = library;
        EXPECT_EQ(seen.Count(), 3);
        EXPECT_EQ(seen.Width(), 4);
        for (Integer i = 0; i < 3; ++i) {
            const std::string expected = Drawn([&](TCanvas& canvas) { platform.Draw(canvas, 0, 0, i); });
            EXPECT_EQ(Drawn([&](TCanvas& canvas) { library.Draw(canvas, 0, 0, 0, i); }), expected)
                << c.style << " " << c.background << " " << i;
            EXPECT_EQ(Drawn([&](TCanvas& canvas) { seen.Draw(canvas, 0, 0, i); }), expected)
                << c.style << " " << c.background << " " << i;
        }
    }
}

// Each operation on an item of a red, a lime and a blue square, by the order of the images after.
TEST(StyImageLists, OperationsOnTheImagesOfAnItem)
{
    const struct {
        const char* name;
        std::function<void(TStyImageListItem&, TStyImageListItem&)> run;   // the item, one of yellow, black
        const char* order;
    } cases[] = {
        {"insert", [](auto& item, auto&) { TBitmap y; Square(y, clYellow); item.InsertMasked(1, &y, clFuchsia); },
         "RYLB"},
        {"insert past the end", [](auto& item, auto&) { TBitmap y; Square(y, clYellow); item.InsertMasked(9, &y, clFuchsia); },
         "RLBY"},
        {"move right", [](auto& item, auto&) { item.Move(0, 2); }, "LBR"},
        {"move left", [](auto& item, auto&) { item.Move(2, 0); }, "BRL"},
        {"delete", [](auto& item, auto&) { item.Delete(1); }, "RB"},
        {"replace", [](auto& item, auto&) { TBitmap y; Square(y, clYellow); item.ReplaceMasked(2, &y, clFuchsia); },
         "RLY"},
        {"add images", [](auto& item, auto& other) { item.AddImages(&other); }, "RLBYK"},
        {"insert images", [](auto& item, auto& other) { item.InsertImages(1, &other); }, "RYKLB"},
    };
    for (const auto& c : cases) {
        TStyImageList list(nullptr);
        TStyImageListItem* item = SquaresItem(list, {clRed, clLime, clBlue});
        TStyImageListItem* other = SquaresItem(list, {clYellow, clBlack});
        c.run(*item, *other);
        EXPECT_EQ(Order(*item), c.order) << c.name;
        for (Integer i = 0; i < item->Count(); ++i) {
            EXPECT_EQ(item->GetImageRect(i).Left, 4 * i) << c.name;
            EXPECT_EQ(item->TransparentColor(i), clBlack) << c.name;   // masked pixels are black
            EXPECT_EQ(Drawn([&](TCanvas& canvas) { item->Draw(canvas, 0, 0, i); }).substr(0, 6), "wwww/w")
                << c.name;
        }
    }
    TStyImageListItem wide(8, 4);
    TStyImageList list(nullptr);
    EXPECT_THROW(wide.AddImages(SquaresItem(list, {clRed})), EInvalidGraphicOperation);
    EXPECT_THROW(TStyImageListItem(0, 4), EInvalidGraphicOperation);
}

// A 12 x 4 bitmap file of three squares becomes an item of three masked 4 x 4 images named after
// the file; the item's own file is the image-list signature, one item at offset 17, its record.
TEST(StyImageLists, AnItemLoadsABitmapFileAndKeepsAFileOfItsOwn)
{
    TBitmap strip;
    FilledBitmap(strip, 12, 4, clFuchsia);
    strip.SetPixelFormat(TPixelFormat::pf24bit);
    for (int i = 0; i < 3; ++i) {
        strip.Canvas().Brush().SetColor(i == 1 ? clRed : clNavy);
        strip.Canvas().FillRect(Bounds(4 * i + 1, 1, 2, 2));
    }
    const std::string bmpFile = TempPath("strip.bmp");
    strip.SaveToFile(String(bmpFile));
    TStyImageListItem item(nullptr);
    EXPECT_TRUE(item.LoadFromBitmap(String(bmpFile), 3, true));
    EXPECT_EQ(item.Count(), 3);
    EXPECT_EQ(item.Width(), 4);
    EXPECT_TRUE(item.Masked());
    EXPECT_EQ(item.Description(), String("strip.bmp"));
    EXPECT_EQ(Drawn([&](TCanvas& canvas) { item.Draw(canvas, 0, 0, 1); }), "wwww/wRRw/wRRw/wwww");
    try {
        item.LoadFromBitmap(String(bmpFile), 5, true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("Impossible d'ouvrir le fichier %s: ") + String(bmpFile));
    }
    EXPECT_EQ(item.Count(), 3);

    const std::string itemFile = TempPath("item.bmp");
    item.SaveToFile(String(itemFile));
    std::ifstream in(itemFile, std::ios::binary);
    const std::vector<Byte> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GT(bytes.size(), 17u);
    EXPECT_EQ(std::vector<Byte>(bytes.begin(), bytes.begin() + 17),
              (std::vector<Byte>{8, 'S', 'T', 'Y', 'I', 'M', 'L', '3', '0', 1, 0, 0, 0, 17, 0, 0, 0}));
    TStyImageListItem back(nullptr);
    back.LoadFromFile(String(itemFile));
    EXPECT_EQ(back.Count(), 3);
    EXPECT_EQ(Drawn([&](TCanvas& canvas) { back.Draw(canvas, 0, 0, 2); }), "wwww/wNNw/wNNw/wwww");
    try {
        back.LoadFromFile(String(bmpFile));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("Impossible d'ouvrir le fichier %s: TStyImageListItem"));
    }
}

// A bitmap list whose bitmaps come from elsewhere loads an item's bitmap on its first read, by
// the item's Ident: the item at that position of a container file, the file named by the first
// three letters of the list's file name and the Ident, or the program's bitmap resource numbered
// Ident.  In a list of the form's own bitmaps nothing is loaded.
TEST(StyImageLists, BitmapListsLoadTheirBitmapsFromAFileAPathOrTheResources)
{
    auto filled = [](TColor colour) {
        auto bmp = std::make_unique<TBitmap>();
        FilledBitmap(*bmp, 3, 2, colour);
        bmp->SetPixelFormat(TPixelFormat::pf24bit);
        return bmp;
    };
    TStyBitmapList saved(nullptr);
    for (TColor colour : {clRed, clLime}) saved.GetArrayItem(saved.Add())->SetBitmap(*filled(colour));
    const std::string containerFile = TempPath("saved.bml");
    saved.SaveToFile(String(containerFile));
    filled(clBlue)->SaveToFile(String(TempPath("btn5.bmp")));
    TMemoryStream resource;
    filled(clYellow)->SaveToStream(resource);
    RegisterResource(ResourceIDName(7), "BITMAP",
                     std::span<const Byte>(static_cast<const Byte*>(resource.Memory()), resource.Size()));

    const struct {
        TStyContainerSource source;
        std::string fileName;
        Word ident;
        const char* picture;
    } cases[] = {
        {sdFile, containerFile, 1, "LLL/LLL"},
        {sdPath, TempPath("btn.bmp"), 5, "BBB/BBB"},
        {sdAppResource, "", 7, "YYY/YYY"},
        {sdComponent, "", 1, ""},
    };
    for (const auto& c : cases) {
        TStyBitmapList list(nullptr);
        list.SetSource(c.source);
        list.SetFilePrefix(ppFixed);
        list.SetFileName(String(c.fileName));
        list.GetArrayItem(list.Add())->SetIdent(c.ident);
        EXPECT_EQ(Picture(list.GetArrayItem(0)->Bitmap(), Colours()), c.picture) << c.source;
        EXPECT_EQ(list.ItemCount(0), c.picture[0] ? 1 : 0) << c.source;
    }
}

// Where a list's pictures come from and how new items are saved travel in the form with it.
TEST(StyImageLists, AListsSourceAndSavingRulesReadAndWriteBack)
{
    RegisterClass(TStyBitmapList::StaticClass());
    const char* const description = R"(object Form1: TComponent
  object Bitmaps1: TStyBitmapList
    DefaultCompressed = True
    DefaultPixelFormat = spf8bit
    Source = sdPath
    FilePrefix = ppFixed
    FileName = '/data/btn.bmp'
  end
end
)";
    TComponent form(nullptr);
    ReadComponentText(String(description), &form);
    auto* list = dynamic_cast<TStyBitmapList*>(form.FindComponent("Bitmaps1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Source(), sdPath);
    EXPECT_EQ(list->DefaultPixelFormat(), spf8bit);
    EXPECT_EQ(WriteComponentText(&form).ToUtf8(), description);
}

// Taking an image out of a full strip first grows the strip by AllocBy cells; a strip as wide as
// a strip may be stays so, and the image still goes.
TEST(StyImageLists, DeletingFromAFullStripWidensItFirst)
{
    TStyImageList list(nullptr);
    TStyImageListItem* item = SquaresItem(list, {clRed, clLime, clBlue, clYellow});   // AllocBy 4: 16 pixels, full
    ASSERT_EQ(item->GetImageBitmap().Width(), 16);
    item->Delete(1);
    EXPECT_EQ(Order(*item), "RBY");
    EXPECT_EQ(item->GetImageBitmap().Width(), 32);
    item->Delete(0);   // not full: the strip keeps its width
    EXPECT_EQ(item->GetImageBitmap().Width(), 32);

    TStyImageListItem widest(16384, 1);   // two images fill the widest strip
    widest.SetAllocBy(1);
    TBitmap image;
    FilledBitmap(image, 16384, 1, clRed);
    widest.Add(&image);
    widest.Add(&image);
    ASSERT_EQ(widest.GetImageBitmap().Width(), 32768);
    EXPECT_NO_THROW(widest.Delete(0));
    EXPECT_EQ(widest.Count(), 1);
    EXPECT_EQ(widest.GetImageBitmap().Width(), 32768);
}

// An item of an older form carries its strip as "Bitmap" after its published cell size: the image
// count, then the strip; it is read, and the item is written back in today's form.
TEST(StyImageLists, AnOlderFormsBitmapPropertyGivesTheItemsImages)
{
    RegisterClass(TStyImageList::StaticClass());
    TComponent written(nullptr);
    auto* list = new TStyImageList(&written);
    list->SetName("Images1");
    TStyImageListItem* item = SquaresItem(*list, {clRed, clLime});
    item->SetName("Item1");
    item->SetMasked(false);
    std::string text = WriteComponentText(&written).ToUtf8();
    // the legacy property in place of today's record
    TMemoryStream strip;
    WriteInt32(strip, 2);
    WriteBitmapData(strip, item->GetImageBitmap(), false, PixelFormatCode(spfDefault));
    std::string hex;
    for (Int64 i = 0; i < strip.Size(); ++i) {
        char two[3];
        std::snprintf(two, sizeof two, "%02X", static_cast<const Byte*>(strip.Memory())[i]);
        hex += two;
    }
    const size_t from = text.find("Internal = {"), to = text.find('}', from);
    ASSERT_NE(from, std::string::npos);
    text.replace(from, to + 1 - from, "Bitmap = {" + hex + "}");

    TComponent form(nullptr);
    ReadComponentText(String(text), &form);
    auto* read = dynamic_cast<TStyImageList*>(form.FindComponent("Images1"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Count(), 1);
    EXPECT_EQ(Order(*read->GetArrayItem(0)), "RL");
    EXPECT_EQ(WriteComponentText(&form).ToUtf8().find("Bitmap ="), std::string::npos);
}
