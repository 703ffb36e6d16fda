// The per-object JSON operations: a round trip through text, exclusions for one call, reading
// without type members, and the process-wide settings unchanged after every call.
#include <gtest/gtest.h>

#include <cstdio>

#include "graphics/GxGraphics.h"
#include "graphics/GxGraphicsSVGEngine.h"
#include "graphics/GxPersistence.h"
#include "graphics/GxTypes.h"
#include "platform/rtl/Exceptions.h"

namespace {

// A crest gauge with three simple properties.
class TCrestGauge : public TPersistent {
    DECLARE_CLASS(TCrestGauge, TPersistent)
public:
    Integer Reading = 0;
    String Station;
    double Elevation = 0;
};

TClass TCrestGauge::StaticClass()
{
    static const TMetaClass meta("TCrestGauge", TPersistent::StaticClass(), NewObject<TCrestGauge>, [](TMetaClass& m) {
        TPublished<TCrestGauge>(&m)
            .Property("Reading", &TCrestGauge::Reading)
            .Property("Station", &TCrestGauge::Station)
            .Property("Elevation", &TCrestGauge::Elevation);
    });
    return &meta;
}

bool Contains(const String& text, const char* part) { return text.ToUtf8().find(part) != std::string::npos; }

}  // namespace

TEST(GxObjectJSONHelper, TextMadeByToJSONRestoresTheObject)
{
    TCrestGauge gauge;
    gauge.Reading = 42;
    gauge.Station = "Left abutment";
    gauge.Elevation = 301.25;
    const String json = TGxObjectJSONHelper::ToJSON(&gauge);
    EXPECT_TRUE(Contains(json, "\"$type\""));
    TCrestGauge copy;
    TGxObjectJSONHelper::FromJSON(&copy, json);
    EXPECT_EQ(copy.Reading, 42);
    EXPECT_EQ(copy.Station, String("Left abutment"));
    EXPECT_EQ(copy.Elevation, 301.25);
    // text without type members reads as well
    TCrestGauge plain;
    TGxObjectJSONHelper::FromJSON(&plain, "{\"Reading\": 7, \"Station\": \"Toe\"}");
    EXPECT_EQ(plain.Reading, 7);
    EXPECT_EQ(plain.Station, String("Toe"));
}

TEST(GxObjectJSONHelper, ExclusionsAndSettingsHoldForOneCallOnly)
{
    TCrestGauge gauge;
    gauge.Reading = 3;
    EXPECT_FALSE(Contains(TGxObjectJSONHelper::ToJSON(&gauge, {"Reading"}), "Reading"));
    EXPECT_TRUE(Contains(TGxObjectJSONHelper::ToJSON(&gauge), "Reading"));
    EXPECT_TRUE(TGxPersistence::PersistenceExcludeProperties.empty());

    TCrestGauge other;
    EXPECT_ANY_THROW(TGxObjectJSONHelper::FromJSON(&other, "{\"Reading\": "));
    EXPECT_EQ(TGxPersistence::PersistenceTypeName, String("$type"));
    EXPECT_EQ(TGxPersistence::PersistenceIOReference, nullptr);
    EXPECT_TRUE(Contains(TGxObjectJSONHelper::ToJSON(&gauge), "\"$type\""));
}

TEST(GxObjectJSONHelper, StreamsAndFilesCarryTheObject)
{
    TCrestGauge gauge;
    gauge.Reading = 11;
    gauge.Station = "Crest";
    TMemoryStream stream;
    TGxObjectJSONHelper::SaveToJSONStream(&gauge, &stream);
    TCrestGauge fromStream;
    TGxObjectJSONHelper::LoadFromJSONStream(&fromStream, &stream);
    EXPECT_EQ(fromStream.Reading, 11);

    const String file = String(::testing::TempDir() + "crest-gauge.json");
    TGxObjectJSONHelper::SaveToJSONFile(&gauge, file);
    TCrestGauge fromFile;
    TGxObjectJSONHelper::LoadFromJSONFile(&fromFile, file);
    EXPECT_EQ(fromFile.Station, String("Crest"));
    std::remove(file.ToUtf8().c_str());
}

namespace {
// A gauge that offers the operations itself, as the library's classes do.
class TOwnGauge : public TCrestGauge, public TGxJSONOperations<TOwnGauge> {};
}  // namespace

TEST(GxObjectJSONHelper, ClassesOfferTheOperationsOnThemselves)
{
    TOwnGauge gauge;
    gauge.Reading = 5;
    gauge.Station = "Gallery";
    EXPECT_EQ(gauge.JSON(), TGxObjectJSONHelper::ToJSON(&gauge));
    EXPECT_FALSE(Contains(gauge.ToJSON({"Station"}), "Station"));
    TOwnGauge copy;
    copy.SetJSON(gauge.JSON());
    EXPECT_EQ(copy.Reading, 5);
    EXPECT_EQ(copy.Station, String("Gallery"));
    TMemoryStream stream;
    gauge.Reading = 6;
    gauge.SaveToJSONStream(&stream);
    copy.LoadFromJSONStream(&stream);
    EXPECT_EQ(copy.Reading, 6);

    // the library's own classes hand themselves over in the same way
    TGxGraphicsColorObject colour(0x00FF00);
    EXPECT_EQ(colour.ToJSON(), TGxObjectJSONHelper::ToJSON(&colour));
    TGxGraphicsSVGElement element;
    EXPECT_EQ(element.JSON(), TGxObjectJSONHelper::ToJSON(&element));
    std::unique_ptr<TGxGraphics> graphics = TGxGraphics::CreateBitmapCanvas(4, 4);
    EXPECT_EQ(graphics->ToJSON(), TGxObjectJSONHelper::ToJSON(graphics.get()));
    EXPECT_EQ(graphics->Context()->ToJSON(), TGxObjectJSONHelper::ToJSON(graphics->Context()));
}
