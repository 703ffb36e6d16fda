#include "editcontrols/EcTypes.h"

const TEnumTypeInfo& TypeInfoOf(TEcTrackFontOption)
{
    static const TEnumTypeInfo info("TEcTrackFontOption",
                                    {"hoFollowFont", "hoPreserveCharSet", "hoPreserveColor", "hoPreserveHeight",
                                     "hoPreserveName", "hoPreservePitch", "hoPreserveStyle", "hoPreserveOrientation",
                                     "hoPreserveQuality"},
                                    "TEcTrackFontOptions");
    return info;
}

IMPLEMENT_CLASS(TEcPersistent, TComponent, nullptr)
IMPLEMENT_CLASS(TEcPersistentProperty, TEcPersistent, nullptr)

TEcPersistent::TEcPersistent(TPersistent* AOwner)
    : TComponent(dynamic_cast<TComponent*>(AOwner)), FOwner(AOwner)
{
    SetSubComponent(true);
}

String TEcPersistent::GetNamePath()
{
    String path = TComponent::GetNamePath();
    if (!FOwner) return path;
    auto* component = dynamic_cast<TComponent*>(FOwner);
    const bool nested = component ? component->ComponentStyle().Contains(csSubComponent) || component->Owner()
                                  : FOwner->GetOwner() != nullptr;
    if (!nested) return path;
    const String ownerPath = FOwner->GetNamePath();
    return ownerPath.IsEmpty() ? path : ownerPath + "." + path;
}

void TEcPersistentProperty::Changing()
{
    if (FUpdateCount == 0) OnChanging(this);
}

void TEcPersistentProperty::Changed()
{
    if (FUpdateCount == 0) OnChanged(this);
}

void TEcPersistentProperty::ChangingProperty(const String& PropName) { OnChangingProperty(this, PropName); }
void TEcPersistentProperty::ChangedProperty(const String& PropName) { OnChangedProperty(this, PropName); }

void TEcPersistentProperty::SetUpdateState(bool Updating)
{
    if (Updating) Changing();
    else Changed();
}

void TEcPersistentProperty::BeginUpdate()
{
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TEcPersistentProperty::EndUpdate()
{
    --FUpdateCount;
    if (FUpdateCount == 0) SetUpdateState(false);
}
