// The per-object JSON operations: a round trip through text, exclusions for one call, reading
// without type members, and the process-wide settings unchanged after every call.
#include <gtest/gtest.h>

#include <cstdio>

#include "graphics/GxObjectJSONHelper.h"
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
