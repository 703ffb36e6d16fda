#pragma once
// TComponent: a named persistent object in an ownership tree.
//
// A component created with an owner joins the owner's Components list; when the
// owner is freed it frees the components it owns, last inserted first.  Components
// are told about insertions and removals among the owner's components (Notification);
// a component outside that tree asks to be told when another one goes away with
// FreeNotification.
//
// C++ notes: the owner's Notification(opInsert) comes from the TComponent
// constructor, when only the TComponent part of the new component exists, so it can
// compare the pointer but not yet ask for the component's class.  A destructor runs
// after the destructors of the derived classes, so virtual calls made while freeing
// reach this class only.  A derived destructor that wants the csDestroying state
// during its own work calls Destroying() first.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Exceptions.h"

enum TComponentStateFlag {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = Set<TComponentStateFlag>;

enum TComponentStyleFlag { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = Set<TComponentStyleFlag>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent, public virtual IInterface {
    DECLARE_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() override;

    const String& Name() const { return FName; }
    // Checks the name (empty, or a letter or "_" followed by letters, digits and "_";
    // EComponentError "'<name>' is not a valid component name") and its uniqueness
    // among the owner's components (EComponentError "A component named <name> already exists").
    virtual void SetName(const String& NewName);
    String GetNamePath() override;  // the name

    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;  // EListError outside 0..ComponentCount-1
    // The owned component of that name, letter case ignored; null for none or "".
    TComponent* FindComponent(const String& AName) const;

    // Takes AComponent from its former owner (if any) and adds it to this one's list.
    void InsertComponent(TComponent* AComponent);
    // Removes AComponent from the list, telling the owned components first.
    void RemoveComponent(TComponent* AComponent);
    // Frees every owned component, last first.
    void DestroyComponents();

    TComponentState ComponentState() const { return FComponentState; }
    // State changes made by the form-description reader and writer and by designers.
    void IncludeState(TComponentStateFlag Flag) { FComponentState.Include(Flag); }
    void ExcludeState(TComponentStateFlag Flag) { FComponentState.Exclude(Flag); }
    // csDesigning for this component and, with SetChildren, for all it owns.
    void SetDesigning(bool Value, bool SetChildren = true);
    virtual void Updating();  // csUpdating on
    virtual void Updated();   // csUpdating off
    // csDestroying for this component and everything it owns.
    void Destroying();

    TComponentStyle ComponentStyle() const { return FComponentStyle; }
    // Marks the component as a part of the one that holds it (stored with its holder).
    void SetSubComponent(bool IsSubComponent);

    // AComponent was inserted into or is being removed from the owner's components,
    // or is going away after a FreeNotification.  This base forgets its free
    // notification link on removal and passes the news to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Asks that this component tell AComponent (with Notification opRemove) when it
    // is freed; between components of one owner the owner tells them already.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Called once the form description holding the component has been read.
    virtual void Loaded();  // csLoading off

    // Form descriptions.  GetChildren hands Proc the components written inside this
    // one; here, when this component is Root, every component it owns that has no
    // parent and is not a sub-component (a sub-component is written as a part of
    // the component holding it); a descendant with children of its own calls this
    // one first.  A component read inside another one is given that one's
    // GetChildParent with SetParentComponent, before its properties are read.
    using TGetChildProc = std::function<void(TComponent* Child)>;
    virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root)
    {
        if (Root != this) return;
        for (TComponent* component : FComponents)
            if (!component->HasParent() && !component->ComponentStyle().Contains(csSubComponent)) Proc(component);
    }
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    virtual TComponent* GetChildParent() { return this; }

    // IInterface: components are not counted; they live until freed.
    HResult QueryInterface(const TGUID& iid, void** obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& iid, void** obj) override;

protected:
    // Raises the duplicate-name error when AComponent, one of this component's own,
    // would take a name another owned component has.
    virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);
    void ChangeName(const String& NewName) { FName = NewName; }

    TComponentStyle FComponentStyle{csInheritable};

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void RemoveFreeNotifications();

    TComponent* FOwner = nullptr;
    String FName;
    std::intptr_t FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
};

// Creation function of a component class, for class references: owner is the new
// component's owner (a non-component owner raises EInvalidCast).
template <class T>
TObject* NewComponent(TObject* owner)
{
    auto* ownerComponent = dynamic_cast<TComponent*>(owner);
    if (owner && !ownerComponent) throw EInvalidCast("Invalid class typecast");
    return new T(ownerComponent);
}

bool IsValidIdent(const String& Ident);
