#include <gtest/gtest.h>

#include <cmath>

#include "graphics/GxPersistence.h"
#include "graphics/GxTypes.h"
#include "graphics/GxUtils.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/graphics/Codecs.h"

namespace {

const char* const Arrow = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\"><path d=\"M4 12h16\"/></svg>";

std::string Bytes(const TMemoryStream& m)
{
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(const_cast<TMemoryStream&>(m).Size()));
}

TEST(GxSVGBitmap, RegisteredForSvgFilesAndStreamsWithoutRasterSignature)
{
    EXPECT_EQ(TPicture::FileFormat("svg"), TGxSVGBitmap::StaticClass());
    EXPECT_EQ(TPicture::FileFormatDescription("SVG"), "Scalable Vector Graphics (Zarn)");

    TStringStream svg(Arrow);
    EXPECT_TRUE(TGxSVGBitmap::CanLoadFromStream(svg));
    TMemoryStream png;
    TPngImage image;
    image.Image().SetSize(2, 2);
    image.SaveToStream(png);
    png.SetPosition(0);
    EXPECT_FALSE(TGxSVGBitmap::CanLoadFromStream(png));
    EXPECT_EQ(png.Position(), 0);

    // a picture loading SVG text holds it as an SVG graphic, byte for byte
    TGxBitmap picture;
    svg.SetPosition(0);
    picture.LoadFromStream(svg);
    auto* graphic = dynamic_cast<TGxSVGBitmap*>(picture.Graphic());
    ASSERT_TRUE(graphic);
    EXPECT_EQ(Bytes(graphic->Source()), Arrow);
    TMemoryStream saved;
    picture.SaveToStream(saved);
    EXPECT_EQ(Bytes(saved), Arrow);
    EXPECT_FALSE(IsPictureEmpty(&picture));
    // the SVG engine reads the bytes into its document: a 24-unit view box
    EXPECT_TRUE(picture.HasSVG());
    ASSERT_NE(picture.SVG(), nullptr);
    EXPECT_EQ(picture.SVG()->ElementCount(), 1);
    EXPECT_EQ(graphic->Width(), static_cast<Integer>(std::nearbyint(24 * TGxUtils::GetDPIScale(nullptr, -1))));
    EXPECT_THROW(graphic->SetSize(10, 10), EAbstractError);
}

TEST(GxSVGBitmap, DataIsALengthAndTheSourceBytes)
{
    TGxSVGBitmap svg;
    TStringStream text(Arrow);
    svg.LoadFromStream(text);
    TMemoryStream data;
    svg.WriteData(data);
    const std::string bytes = Bytes(data);
    const size_t n = std::string(Arrow).size();
    ASSERT_EQ(bytes.size(), n + 4);
    EXPECT_EQ(bytes.substr(0, 4), std::string({static_cast<char>(n), 0, 0, 0}));
    EXPECT_EQ(bytes.substr(4), Arrow);

    TGxSVGBitmap back;
    data.SetPosition(0);
    back.ReadData(data);
    EXPECT_EQ(Bytes(back.Source()), Arrow);

    // a length of 0 reads nothing beyond it
    TMemoryStream zero;
    zero.WriteBuffer("\0\0\0\0<svg/>", 10);
    zero.SetPosition(0);
    back.ReadData(zero);
    EXPECT_EQ(zero.Position(), 4);
    EXPECT_EQ(Bytes(back.Source()), "");
    // a length beyond the data is refused
    TMemoryStream cut;
    cut.WriteBuffer("\x10\0\0\0<svg/>", 10);
    cut.SetPosition(0);
    EXPECT_THROW(back.ReadData(cut), EReadError);
}

TEST(GxSVGBitmap, CopiesOnlyFromSvgGraphics)
{
    TGxSVGBitmap source, target;
    TStringStream text(Arrow);
    source.LoadFromStream(text);
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    TBitmap bitmap(2, 2);
    target.Assign(&bitmap);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Bytes(target.Source()), "");
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Bytes(target.Source()), Arrow);

    // setting the file name it already holds loads nothing
    const String file = "/tmp/gxtypes-arrow.svg";
    source.SaveToFile(file);
    target.SetFileName(file);
    EXPECT_EQ(target.FileName(), file);
    changes = 0;
    target.SetFileName(file);
    EXPECT_EQ(changes, 0);
    target.Clear();
    EXPECT_EQ(target.FileName(), "");
    EXPECT_EQ(Bytes(target.Source()), Arrow);   // the bytes stay
}

// A component with a picture, written to a form description and read back.
class TPictureHolder : public TComponent {
    DECLARE_CLASS(TPictureHolder, TComponent)
public:
    using TComponent::TComponent;
    TGxBitmap Picture;
};

TClass TPictureHolder::StaticClass()
{
    static const TMetaClass meta("TPictureHolder", TComponent::StaticClass(), NewComponent<TPictureHolder>,
                                 [](TMetaClass& m) {
                                     TPublished<TPictureHolder>(&m).Property(
                                         "Picture", [](TPictureHolder* h) { return &h->Picture; },
                                         [](TPictureHolder* h, TGxBitmap* v) { h->Picture.Assign(v); });
                                 });
    return &meta;
}

TEST(GxSVGBitmap, SvgPicturesInFormDescriptionsAndJson)
{
    RegisterClass(TPictureHolder::StaticClass());
    TPictureHolder holder(nullptr);
    TStringStream text(Arrow);
    holder.Picture.LoadFromStream(text);
    const String description = WriteComponentText(&holder);
    EXPECT_GT(Pos("Picture.Data", description), 0) << description.ToUtf8();
    std::unique_ptr<TComponent> back(ReadComponentText(description));
    auto* holderBack = dynamic_cast<TPictureHolder*>(back.get());
    ASSERT_TRUE(holderBack);
    auto* graphic = dynamic_cast<TGxSVGBitmap*>(holderBack->Picture.Graphic());
    ASSERT_TRUE(graphic);
    EXPECT_EQ(Bytes(graphic->Source()), Arrow);

    TStringStream json;
    TGxPersistence::SaveSettingsToStream(&holder, &json);
    TPictureHolder fromJson(nullptr);
    TGxPersistence::LoadSettingsFromStream(&fromJson, &json);
    auto* jsonGraphic = dynamic_cast<TGxSVGBitmap*>(fromJson.Picture.Graphic());
    ASSERT_TRUE(jsonGraphic);
    EXPECT_EQ(Bytes(jsonGraphic->Source()), Arrow);
}

// A component with bitmaps per display scale.
class TScaledHolder : public TComponent {
    DECLARE_CLASS(TScaledHolder, TComponent)
public:
    using TComponent::TComponent;
    TGxScaledBitmaps Bitmaps{this};
};

TClass TScaledHolder::StaticClass()
{
    static const TMetaClass meta("TScaledHolder", TComponent::StaticClass(), NewComponent<TScaledHolder>,
                                 [](TMetaClass& m) {
                                     TPublished<TScaledHolder>(&m).Property(
                                         "Bitmaps", [](TScaledHolder* h) { return &h->Bitmaps; },
                                         [](TScaledHolder* h, TGxScaledBitmaps* v) { h->Bitmaps.Assign(v); });
                                 });
    return &meta;
}

TEST(GxScaledBitmaps, InFormDescriptionsWithTheirScales)
{
    RegisterClass(TScaledHolder::StaticClass());
    TScaledHolder holder(nullptr);
    holder.Bitmaps.AddBitmapName("Arrow", 1);
    TGxBitmap picture;
    TStringStream text(Arrow);
    picture.LoadFromStream(text);
    holder.Bitmaps.AddBitmap(&picture, 1.5f);
    const std::string description = WriteComponentText(&holder).ToUtf8();
    EXPECT_NE(description.find("BitmapName = 'Arrow'"), std::string::npos) << description;
    EXPECT_EQ(description.find("Scale = 1.0"), std::string::npos) << description;   // the default is left out
    EXPECT_NE(description.find("Scale = 1.5"), std::string::npos) << description;
    std::unique_ptr<TComponent> back(ReadComponentText(String(description)));
    auto* holderBack = dynamic_cast<TScaledHolder*>(back.get());
    ASSERT_TRUE(holderBack);
    ASSERT_EQ(holderBack->Bitmaps.Count(), 2);
    EXPECT_EQ(holderBack->Bitmaps.Items(0)->BitmapName(), "Arrow");
    EXPECT_FLOAT_EQ(holderBack->Bitmaps.Items(1)->Scale(), 1.5f);
    auto* graphic = dynamic_cast<TGxSVGBitmap*>(holderBack->Bitmaps.Items(1)->Bitmap()->Graphic());
    ASSERT_TRUE(graphic);
    EXPECT_EQ(Bytes(graphic->Source()), Arrow);
}

TEST(GxSVGImport, DocumentOperationsOfTheBaseAreAbstract)
{
    TGxSVGImport import;
    EXPECT_EQ(import.CustomFillColor, -1);
    EXPECT_EQ(import.CustomOpacity, -1);
    EXPECT_THROW(import.HasElements(), EAbstractError);
    EXPECT_THROW(import.ElementCount(), EAbstractError);
    EXPECT_THROW(import.LoadFromText("<svg/>"), EAbstractError);
    // the drawing options are published
    SetOrdProp(&import, "TintColor", clRed);
    SetFloatProp(&import, "RotationAngle", 90);
    EXPECT_EQ(import.TintColor, clRed);
    EXPECT_FLOAT_EQ(import.RotationAngle, 90);
    EXPECT_EQ(GetPropInfo(TGxSVGImport::StaticClass(), "GrayScale")->Kind, tkEnumeration);
}

TEST(GxScaledBitmaps, ItemsByScale)
{
    TGxScaledBitmaps bitmaps(nullptr);
    EXPECT_EQ(bitmaps.GetItemByScale(1), nullptr);
    int changes = 0;
    struct TCounter : TObject {
        int* Count;
        void Changed(TObject*) { ++*Count; }
    } counter;
    counter.Count = &changes;
    bitmaps.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
    TGxScaledBitmap* one = bitmaps.Add(1);
    TGxScaledBitmap* twoA = bitmaps.Add(2);
    TGxScaledBitmap* twoB = bitmaps.Add(2);
    EXPECT_GT(changes, 0);
    struct Case {
        float Scale;
        TGxScaledBitmap* Expected;
    } cases[] = {{1, one}, {2, twoA}, {1.5f, twoA}, {3, twoA}, {0.5f, twoA}};
    for (const Case& c : cases) EXPECT_EQ(bitmaps.GetItemByScale(c.Scale), c.Expected) << c.Scale;
    (void)twoB;
    TGxScaledBitmaps only(nullptr);
    only.Add(1);
    TGxScaledBitmap* three = only.Add(3);
    EXPECT_EQ(only.GetItemByScale(1.5f), three);   // no nearest-scale search
    TGxScaledBitmaps none(nullptr);
    none.Add(0);
    EXPECT_EQ(none.GetBitmapByScale(1), nullptr);

    TGxBitmap picture;
    picture.Bitmap().SetSize(4, 4);
    bitmaps.SetBitmap(7, &picture);   // no item of scale 7: the largest scale takes it
    EXPECT_EQ(bitmaps.Count(), 3);
    EXPECT_EQ(twoA->Bitmap()->Width(), 4);
    TGxScaledBitmaps empty(nullptr);
    empty.SetBitmap(7, &picture);
    ASSERT_EQ(empty.Count(), 1);
    EXPECT_EQ(empty.Items(0)->Scale(), 7);
    EXPECT_EQ(empty.Bitmap(7)->Width(), 4);
    const int before = changes;
    one->SetBitmapName("Arrow");
    EXPECT_EQ(changes, before + 1);
    one->Bitmap()->Bitmap().SetSize(2, 2);
    EXPECT_GT(changes, before + 1);
}

TEST(GxRectHelpers, FittingCentringAndAligning)
{
    TRectF result;
    float ratio = 0;
    FitRectEx({0, 0, 100, 50}, {0, 0, 50, 50}, result, ratio);
    EXPECT_FLOAT_EQ(ratio, 2);
    EXPECT_EQ(result, (TRectF{0, 12, 50, 37}));   // Round(12.5) is 12
    FitRectEx({0, 0, 10, 10}, {0, 0, 0, 50}, result, ratio);
    EXPECT_FLOAT_EQ(ratio, 1);
    EXPECT_EQ(result, (TRectF{0, 0, 10, 10}));
    FitRectEx({0, 0, 10, 5}, {10, 10, 50, 50}, result, ratio);   // a ratio below 1 enlarges
    EXPECT_FLOAT_EQ(ratio, 0.25f);
    EXPECT_EQ(result, (TRectF{10, 20, 50, 40}));

    PixelAlignRectEx({0.25f, 0.25f, 10.75f, 10.75f}, false, 1, result);
    EXPECT_EQ(result, (TRectF{0, 0, 10, 10}));
    PixelAlignRectEx({0.25f, 0.25f, 10.75f, 10.75f}, true, 1, result);
    EXPECT_EQ(result, (TRectF{0.5f, 0.5f, 10.5f, 10.5f}));
    PixelAlignRectEx({0.25f, 0.25f, 10.75f, 10.75f}, false, 2, result);
    EXPECT_EQ(result, (TRectF{0, 0, 10.5f, 10.5f}));

    CenterRectEx({5, 5, 15, 11}, {100, 200, 121, 210}, result);
    EXPECT_EQ(result, (TRectF{106, 202, 116, 208}));   // Round(5.5) = 6, Round(2) = 2

    EXPECT_TRUE(IntersectRectEx({0, 0, 10, 10}, {5, 5, 20, 20}, result));
    EXPECT_EQ(result, (TRectF{5, 5, 10, 10}));
    EXPECT_FALSE(IntersectRectEx({0, 0, 10, 10}, {10, 0, 20, 10}, result));
    EXPECT_EQ(result, TRectF{});
    EXPECT_TRUE(IsRectEmptyEx({0, 0, 0.00005f, 10}));
    EXPECT_FALSE(IsRectEmptyEx({0, 0, 0.001f, 10}));
    EXPECT_TRUE(RectsIntersectEx({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_FALSE(RectsIntersectEx({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_TRUE(PtInRectEx({0, 0, 10, 10}, {0, 9.99f}));
    EXPECT_FALSE(PtInRectEx({0, 0, 10, 10}, {10, 5}));
    TRectF r{1, 2, 3, 4};
    InflateRectEx(r, 1, 2);
    EXPECT_EQ(r, (TRectF{0, 0, 4, 6}));
    EXPECT_TRUE(OffsetRectEx(r, 1, -1));
    EXPECT_EQ(r, (TRectF{1, -1, 5, 5}));
    EXPECT_FLOAT_EQ(VectorLengthEx({3, 4}), 5);
    EXPECT_EQ(RectFToRect({0.5f, 1.5f, 2.5f, -0.5f}), Rect(0, 2, 2, 0));
    EXPECT_EQ(SizeFToSize({2.5f, 3.5f}), (TSize{2, 4}));
}

TEST(GxTypesHelpers, NumbersPicturesAndResources)
{
    struct Case {
        char16_t Char;
        bool Numeric;
    } cases[] = {{u'0', true}, {u'9', true}, {u'a', false}, {0xB2, true}, {0xBD, true}, {0x0663, true},
                 {0x2167, true}, {0xFF19, true}, {0xE9, false}, {0x4E00, false}};
    for (const Case& c : cases) EXPECT_EQ(CharIsNumeric(c.Char), c.Numeric) << int(c.Char);

    EXPECT_TRUE(IsPictureEmpty(nullptr));
    TGxBitmap picture;
    EXPECT_TRUE(IsPictureEmpty(&picture));
    EXPECT_EQ(GetPictureGraphic(nullptr), nullptr);
    picture.Bitmap();
    EXPECT_TRUE(IsPictureEmpty(&picture));
    picture.Bitmap().SetSize(1, 1);
    EXPECT_FALSE(IsPictureEmpty(&picture));

    // a resource picture by name; a missing one leaves the picture as it was
    TMemoryStream png;
    TPngImage image;
    image.Image().SetSize(3, 2);
    image.SaveToStream(png);
    RegisterResource("GXTYPES_DOT", RT_RCDATA, std::span<const Byte>(png.Memory(), static_cast<size_t>(png.Size())));
    std::unique_ptr<TGxBitmap> fromResource(CreateBitmapFromResource("GXTYPES_DOT"));
    ASSERT_TRUE(dynamic_cast<TPngImage*>(fromResource->Graphic()));
    EXPECT_EQ(fromResource->Width(), 3);
    LoadBitmapFromResource(fromResource.get(), "GXTYPES_MISSING");
    EXPECT_EQ(fromResource->Width(), 3);
    std::unique_ptr<TGxBitmap> missing(CreateBitmapFromResource("GXTYPES_MISSING"));
    EXPECT_EQ(missing->Graphic(), nullptr);
    TGxScaledBitmaps bitmaps(nullptr);
    EXPECT_EQ(bitmaps.AddBitmapFromResource("GXTYPES_DOT", HInstance, 2)->Bitmap()->Height(), 2);
    EXPECT_EQ(bitmaps.AddBitmapFromResource("GXTYPES_MISSING", 3)->Bitmap()->Graphic(), nullptr);
}

}  // namespace
