// The JSON operations every object of the library offers, over JSON persistence.
#include <utility>

#include "graphics/GxPersistence.h"
#include "graphics/GxTypes.h"
#include "graphics/GxUtils.h"

namespace {
// Sets a process-wide setting for one call and puts the old value back on every exit.
template <typename T>
class TSettingForCall {
public:
    TSettingForCall(T& ASetting, T AValue) : FSetting(ASetting), FSaved(std::exchange(ASetting, std::move(AValue))) {}
    ~TSettingForCall() { FSetting = std::move(FSaved); }
    TSettingForCall(const TSettingForCall&) = delete;
    TSettingForCall& operator=(const TSettingForCall&) = delete;

private:
    T& FSetting;
    T FSaved;
};
}  // namespace

String TGxObjectJSONHelper::ToJSON(TObject* AObject)
{
    TStringStream stream;
    TGxPersistence::SaveSettingsToStream(AObject, &stream);
    return stream.DataString();
}

String TGxObjectJSONHelper::ToJSON(TObject* AObject, const TGxObjectExcludePropertyListArray& AExcludedProperties)
{
    TSettingForCall excluded(TGxPersistence::PersistenceExcludeProperties, AExcludedProperties);
    return ToJSON(AObject);
}

void TGxObjectJSONHelper::FromJSON(TObject* AObject, const String& Value)
{
    TSettingForCall typeName(TGxPersistence::PersistenceTypeName, String());
    TSettingForCall reference(TGxPersistence::PersistenceIOReference, AObject);
    TStringStream stream(Value);
    TGxPersistence::LoadSettingsFromStream(AObject, &stream);
}

void TGxObjectJSONHelper::Log(TObject* AObject) { TGxUtils::Log(ToJSON(AObject)); }

void TGxObjectJSONHelper::SaveToJSONFile(TObject* AObject, const String& AFileName)
{
    TGxPersistence::SaveSettingsToFile(AObject, AFileName);
}

void TGxObjectJSONHelper::LoadFromJSONFile(TObject* AObject, const String& AFileName)
{
    TGxPersistence::LoadSettingsFromFile(AObject, AFileName);
}

void TGxObjectJSONHelper::SaveToJSONStream(TObject* AObject, TStream* AStream)
{
    TGxPersistence::SaveSettingsToStream(AObject, AStream);
}

void TGxObjectJSONHelper::LoadFromJSONStream(TObject* AObject, TStream* AStream)
{
    TGxPersistence::LoadSettingsFromStream(AObject, AStream);
}
