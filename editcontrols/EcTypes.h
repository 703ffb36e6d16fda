#pragma once
// Types shared by the edit controls: their exception class, clipboard commands, hot-track font
// options, and the owned value objects that report their changes.
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Set.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"

DORVANE_EXCEPTION(EEcLibException, Exception);

enum TEcClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };
using TEcClipboardCommands = Set<TEcClipboardCommand>;

enum TEcTrackFontOption {
    hoFollowFont, hoPreserveCharSet, hoPreserveColor, hoPreserveHeight, hoPreserveName, hoPreservePitch,
    hoPreserveStyle, hoPreserveOrientation, hoPreserveQuality
};
using TEcTrackFontOptions = Set<TEcTrackFontOption>;
const TEnumTypeInfo& TypeInfoOf(TEcTrackFontOption);

using TEcPropertyChangeEvent = TEvent<TObject*, const String&>;

// A value object owned by a persistent that need not be a component; it is a sub-component of
// its owner when the owner is one.
class TEcPersistent : public TComponent {
    DECLARE_CLASS(TEcPersistent, TComponent)
public:
    explicit TEcPersistent(TPersistent* AOwner);
    TPersistent* Owner() { return GetOwner(); }
    TPersistent* GetOwner() override { return FOwner; }
    // "Owner.Name" when the owner has a name path of its own.
    String GetNamePath() override;

private:
    TPersistent* FOwner;
};

// A value object that reports changes: OnChanging / OnChanged once per outermost update, and
// per property by name.
class TEcPersistentProperty : public TEcPersistent {
    DECLARE_CLASS(TEcPersistentProperty, TEcPersistent)
public:
    explicit TEcPersistentProperty(TPersistent* AOwner) : TEcPersistent(AOwner) {}
    virtual void BeginUpdate();
    virtual void EndUpdate();
    Integer UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChanging, OnChanged;
    TEcPropertyChangeEvent OnChangingProperty, OnChangedProperty;

protected:
    virtual void Changed();
    virtual void Changing();
    virtual void ChangedProperty(const String& PropName);
    virtual void ChangingProperty(const String& PropName);
    virtual void SetUpdateState(bool Updating);

private:
    Integer FUpdateCount = 0;
};
