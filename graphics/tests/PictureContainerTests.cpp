// The pictures of mini-HTML text: addresses, GIF frames and their timing, the cache by address
// and the container of named pictures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "graphics/GxUtils.h"
#include "graphics/PictureContainer.h"
#include "platform/rtl/Exceptions.h"

namespace {

const std::string Svg = "<svg viewBox='0 0 24 12'><rect width='24' height='12'/></svg>";

// A GIF of 2 x 2 pixels whose frames have the given delays (hundredths of a second); frame i
// sits at left i + 4, top i + 6 (i from 0).
std::vector<Byte> Gif(const std::vector<int>& delays)
{
    std::vector<Byte> b = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF};
    for (size_t i = 0; i < delays.size(); ++i) {
        const int left = static_cast<int>(i) + 4, top = static_cast<int>(i) + 6;
        const std::vector<Byte> frame = {0x21, 0xF9, 0x04, 0x00, static_cast<Byte>(delays[i]),
                                         static_cast<Byte>(delays[i] >> 8), 0x00, 0x00, 0x2C,
                                         static_cast<Byte>(left), 0, static_cast<Byte>(top), 0, 2, 0, 2, 0, 0x00,
                                         0x02, 0x02, 0x44, 0x01, 0x00};
        b.insert(b.end(), frame.begin(), frame.end());
    }
    b.push_back(0x3B);
    return b;
}

void Load(THTMLPicture& picture, const std::vector<Byte>& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    picture.LoadFromStream(stream);
}

void Load(THTMLPicture& picture, const std::string& text) { Load(picture, std::vector<Byte>(text.begin(), text.end())); }

}  // namespace

TEST(HTMLPicture, AnimatedGifFramesTheirDelaysAndPositions)
{
    THTMLPicture gif;
    Load(gif, Gif({10, 20, 30}));
    EXPECT_TRUE(gif.IsGIF());
    EXPECT_EQ(gif.FrameCount(), 3);
    EXPECT_EQ(gif.GetFrameTime(2), 20);
    EXPECT_EQ(gif.GetFrameTime(5), -1);
    gif.SetFrame(2);
    EXPECT_EQ(gif.FrameXPos(), 5);
    EXPECT_EQ(gif.FrameYPos(), 7);
    gif.SetFrame(3);
    gif.FrameNext();
    EXPECT_EQ(gif.Frame(), 1);
    gif.FramePrev();
    EXPECT_EQ(gif.Frame(), 3);

    // a file cut short inside the last frame's descriptor reads no position from beyond its end
    std::vector<Byte> cut = Gif({10});
    cut.resize(19 + 11);
    THTMLPicture truncated;
    Load(truncated, cut);
    EXPECT_EQ(truncated.FrameCount(), 1);
    truncated.SetFrame(1);
    EXPECT_EQ(truncated.FrameXPos(), 0);

    THTMLPicture short4;
    Load(short4, std::string("GIF8"));
    EXPECT_FALSE(short4.IsGIF());
    EXPECT_EQ(short4.FrameCount(), -1);
    THTMLPicture svg;
    Load(svg, Svg);
    EXPECT_EQ(svg.FrameCount(), -1);
}

TEST(HTMLPicture, EachStepIsATenthOfASecondAgainstTheDelays)
{
    struct Case {
        int delay;
        std::vector<bool> changes;
    } cases[] = {{10, {false, false, true, true, true}}, {20, {false, false, false, true, false, true}}};
    for (const Case& c : cases) {
        THTMLPicture gif;
        Load(gif, Gif({c.delay, c.delay, c.delay}));
        EXPECT_FALSE(gif.Step());   // the frame count was never read
        THTMLPicture counted;
        Load(counted, Gif({c.delay, c.delay, c.delay}));
        counted.FrameCount();
        std::vector<bool> changes;
        for (size_t i = 0; i < c.changes.size(); ++i) changes.push_back(counted.Step());
        EXPECT_EQ(changes, c.changes) << c.delay;
    }
}

TEST(HTMLPicture, RasterDataIsMeasuredAndSvgTextIsADocument)
{
    // a 1 x 1 PNG
    const TBytes png = TGxUtils::Decode64ToBytes(
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGP4z8AAAAMBAQDJ/pLvAAAAAElFTkSuQmCC", false);
    THTMLPicture raster;
    EXPECT_TRUE(raster.Empty());
    Load(raster, std::vector<Byte>(png.begin(), png.end()));
    EXPECT_FALSE(raster.Empty());
    EXPECT_FALSE(raster.HasSVG());
    EXPECT_EQ(raster.Width(), 1);
    EXPECT_EQ(raster.FrameCount(), -1);
    TMemoryStream saved;
    raster.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), static_cast<Int64>(png.size()));

    THTMLPicture svg;
    Load(svg, Svg);
    EXPECT_TRUE(svg.HasSVG());
    EXPECT_GT(svg.Width(), svg.Height());
    THTMLPicture copy;
    copy.Assign(&svg);
    EXPECT_TRUE(copy.HasSVG());
    copy.Assign(&raster);
    EXPECT_FALSE(copy.HasSVG());
    EXPECT_EQ(copy.Width(), 1);
}

TEST(HTMLPicture, ResourceAndFileAddressesLoadOthersAreOnlyRemembered)
{
    RegisterResource("LOGO", RT_RCDATA, std::span<const Byte>(reinterpret_cast<const Byte*>(Svg.data()), Svg.size()));
    THTMLPicture resource;
    resource.LoadFromURL("res://LOGO");
    EXPECT_TRUE(resource.HasSVG());
    EXPECT_EQ(resource.ID(), String("res://LOGO"));
    THTMLPicture bare;
    bare.LoadFromURL("RES://");
    EXPECT_TRUE(bare.Empty());
    EXPECT_EQ(bare.ID(), String("RES://"));

    const std::string file = ::testing::TempDir() + "picture-container.svg";
    std::FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_TRUE(f);
    std::fputs(Svg.c_str(), f);
    std::fclose(f);
    THTMLPicture fromFile;
    fromFile.LoadFromURL(String("File://" + file));
    EXPECT_TRUE(fromFile.HasSVG());
    std::remove(file.c_str());
    THTMLPicture missing;
    missing.LoadFromURL("FILE:///no/such/picture.png");   // swallowed
    EXPECT_TRUE(missing.Empty());

    THTMLPicture remembered;
    remembered.SetAsynch(false);
    remembered.LoadFromURL("http://example.invalid/a.png");
    EXPECT_EQ(remembered.ID(), String("http://example.invalid/a.png"));
    EXPECT_TRUE(remembered.Empty());
    THTMLPicture asynch;
    asynch.LoadFromURL("http://example.invalid/a.png");
    EXPECT_TRUE(asynch.Busy());
    EXPECT_EQ(asynch.ID(), String());
    asynch.LoadFromURL("http://example.invalid/b.png");
    EXPECT_EQ(asynch.URL(), String("http://example.invalid/a.png"));
    EXPECT_TRUE(asynch.Empty());
}

TEST(HTMLPictureCache, PicturesAreFoundByTheirExactAddress)
{
    THTMLPictureCache cache;
    THTMLPicture* a = cache.AddPicture();
    a->SetID("res://Logo");
    EXPECT_EQ(cache.FindPicture("res://Logo"), a);
    EXPECT_EQ(cache.FindPicture("RES://LOGO"), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, NamesAreFoundWithoutRegardToCaseAndTheFirstWins)
{
    TPictureContainer container(nullptr);
    EXPECT_EQ(container.Version(), String("2.1.1.0"));
    container.SetVersion("9.9");
    EXPECT_EQ(container.Version(), String("2.1.1.0"));
    EXPECT_EQ(container.GetVersionNr(), 0x02010100);

    TPictureItem* first = container.Items()->Add();
    first->SetName("Logo");
    Load(*static_cast<THTMLPicture*>(first->Picture()), Svg);
    TPictureItem* second = container.Items()->Add();
    second->SetName("LOGO");
    EXPECT_EQ(container.FindPicture("logo"), first->Picture());
    EXPECT_EQ(container.FindPicture("nothing"), nullptr);
    TPicture* copy = container.FindBitmap("LoGo");
    ASSERT_TRUE(copy && copy->Graphic());
    EXPECT_NE(copy->Graphic(), first->Picture());
    EXPECT_FALSE(copy->Graphic()->Empty());
    EXPECT_EQ(container.FindBitmap("nothing"), nullptr);   // the earlier copy is freed

    TPictureItem other(nullptr);
    other.Assign(first);
    EXPECT_EQ(other.Name(), String("Logo"));
    EXPECT_FALSE(other.Picture()->Empty());
    EXPECT_THROW(other.Assign(&container), EInvalidCast);
}
