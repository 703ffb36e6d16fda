// The per-object JSON operations: a round trip through text, exclusions for one call, reading
// without type members, and the process-wide settings unchanged after every call.
#include <gtest/gtest.h>

#include <cstdio>

#include "graphics/GxJSONReader.h"
#include "graphics/GxJSONWriter.h"
#include "graphics/GxUtils.h"
#include "graphics/GxGDIPlusClasses.h"
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

namespace {
// The operations of one object: its text is the helper's text of the object itself, reads back to
// the same text, and travels through a stream and a file.
template <class T>
void RoundTrip(T& object, const char* name)
{
    const String json = object.ToJSON();
    EXPECT_EQ(json, TGxObjectJSONHelper::ToJSON(&object)) << name;
    EXPECT_TRUE(Contains(json, "\"$type\"")) << name;
    object.FromJSON(json);
    EXPECT_EQ(object.JSON(), json) << name;
    object.SetJSON(json);
    EXPECT_EQ(object.ToJSON(TGxObjectExcludePropertyListArray{"Tag"}), json) << name;
    TMemoryStream stream;
    object.SaveToJSONStream(&stream);
    object.LoadFromJSONStream(&stream);
    const String file = String(::testing::TempDir() + "json-operations.json");
    object.SaveToJSONFile(file);
    object.LoadFromJSONFile(file);
    std::remove(file.ToUtf8().c_str());
    EXPECT_EQ(object.ToJSON(), json) << name;
}
}  // namespace

TEST(GxObjectJSONHelper, EveryClassOfTheLibraryOffersTheOperationsAndRoundTrips)
{
    TStringStream text("{}");
    TMemoryStream out;
    TGxUtils utils;
    TGxJSONStreamReader streamReader(&text);
    TGxJSONReader reader(&text);
    TGxJSONStreamWriter streamWriter(&out);
    TGxJSONWriter writer(&out);
    TGxWriter persistenceWriter(&out);
    TGxReader persistenceReader(&text);
    TGxObjectReference reference(nullptr, nullptr, "crest");
    TGxPersistence persistence;
    TGxGraphicsColorObject colour(0x00FF00);
    TGxGraphicsFill fill(gfkGradient, clRed, clBlue, -1, -1);
    fill.AddGradientItem(clRed, 0, 1);
    TGxGraphicsFillGradientItems::TEnumerator items = fill.GradientItems()->begin();
    std::unique_ptr<TGxGraphics> graphics = TGxGraphics::CreateBitmapCanvas(4, 4);
    TGxGraphicsSVGElement element;
    TGPMatrix matrix;
    RoundTrip(utils, "toolbox");
    RoundTrip(streamReader, "stream reader");
    RoundTrip(reader, "reader");
    RoundTrip(streamWriter, "stream writer");
    RoundTrip(writer, "writer");
    RoundTrip(persistenceWriter, "persistence writer");
    RoundTrip(persistenceReader, "persistence reader");
    RoundTrip(reference, "object reference");
    RoundTrip(persistence, "persistence");
    RoundTrip(colour, "colour object");
    RoundTrip(items, "gradient items' enumerator");
    RoundTrip(*graphics->Context(), "drawing context");
    RoundTrip(*graphics, "drawing object");
    RoundTrip(element, "SVG element");
    RoundTrip(static_cast<TGdiplusBase&>(matrix), "GDI+ object");
    // The toolbox's Log is its own, of a message.
    TGxUtils::Log("json operations");
}
