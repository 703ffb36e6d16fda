#pragma once
// TObject, the root of the class tree, and its class references.
//
// Every class has one TMetaClass (reached as TClass) holding its name, its parent
// class, a creation function and its table of message handlers.  A class declares
// itself with DECLARE_CLASS in its body and defines its class reference in its .cpp:
//
//     class TPanel : public TControl {
//         DECLARE_CLASS(TPanel, TControl)
//         void WMPaint(TMessage& message);
//     };
//
//     TClass TPanel::StaticClass()
//     {
//         static const TMetaClass meta("TPanel", TControl::StaticClass(), NewComponent<TPanel>,
//                                      [](TMetaClass& m) { m.OnMessage(WM_PAINT, &TPanel::WMPaint); });
//         return &meta;
//     }
//
// or, for a class without message handlers, IMPLEMENT_CLASS(TPanel, TControl, NewComponent<TPanel>).
// The creation function is NewObject<T> (default constructor), NewComponent<T>
// (owner), NewCollectionItem<T> (collection), or nullptr for an abstract class.
// A handler continues with the handler of the same message further up the chain by
// InheritedMessage(StaticClass(), message); the chain ends at DefaultHandler.
#include <concepts>
#include <cstdint>
#include <vector>

#include "platform/classes/Interfaces.h"
#include "platform/rtl/UString.h"

// A window or component message: its numeric id and parameters, and the answer.
struct TMessage {
    Cardinal Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

class TObject;
class TMetaClass;
using TClass = const TMetaClass*;
using TMessageHandler = void (TObject::*)(TMessage&);
// Creates an instance; owner is the component's owner or the collection item's
// collection, and is ignored by other classes.
using TCreateInstance = TObject* (*)(TObject* owner);

class TMetaClass {
public:
    using TDeclareHandlers = void (*)(TMetaClass&);

    TMetaClass(const char* name, TClass parent, TCreateInstance create, TDeclareHandlers declare = nullptr);
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const String& ClassName() const { return FName; }
    bool ClassNameIs(const String& name) const;  // letter case ignored
    TClass ClassParent() const { return FParent; }
    bool InheritsFrom(TClass ancestor) const;    // true for the class itself

    // Creation by class reference; a class without creation function (an abstract
    // one) raises EAbstractError.
    bool CanCreate() const { return FCreate != nullptr; }
    TObject* Create(TObject* owner = nullptr) const;

    // Registers the class's own handler of message id msg.
    template <class T>
    void OnMessage(Cardinal msg, void (T::*handler)(TMessage&))
    {
        static_assert(std::derived_from<T, TObject>);
        FHandlers.push_back({msg, static_cast<TMessageHandler>(handler)});
    }
    // This class's own handler of msg (not its ancestors'), or null.
    TMessageHandler FindOwnHandler(Cardinal msg) const;

private:
    struct THandlerEntry {
        Cardinal Msg;
        TMessageHandler Handler;
    };
    String FName;
    TClass FParent;
    TCreateInstance FCreate;
    std::vector<THandlerEntry> FHandlers;
};

#define DECLARE_CLASS(Cls, Base)                                  \
public:                                                           \
    using inherited = Base;                                       \
    static TClass StaticClass();                                  \
    TClass ClassType() const override { return Cls::StaticClass(); }

#define IMPLEMENT_CLASS(Cls, Base, create)                        \
    TClass Cls::StaticClass()                                     \
    {                                                             \
        static const TMetaClass meta(#Cls, Base::StaticClass(), create); \
        return &meta;                                             \
    }

// Creation function of a class with a default constructor.
template <class T>
TObject* NewObject(TObject*)
{
    return new T();
}

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    String ClassName() const { return ClassType()->ClassName(); }
    bool ClassNameIs(const String& name) const { return ClassType()->ClassNameIs(name); }
    TClass ClassParent() const { return ClassType()->ClassParent(); }
    bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

    // Calls the handler of message.Msg of the object's class or of its nearest
    // ancestor that has one; DefaultHandler when none has.
    virtual void Dispatch(TMessage& message);
    // What happens to a message no class handles; does nothing here.
    virtual void DefaultHandler(TMessage& message);

    // The interface iid of this object, or false.  No reference is added: a caller
    // keeping the interface holds it in a ComPtr.  Classes implementing interfaces
    // answer for them (ProvideInterface) and pass other ids to the inherited one.
    virtual bool GetInterface(const TGUID& iid, void** obj);

protected:
    // The inherited call inside a message handler declared by declaringClass: the
    // next handler of the same message above that class, else DefaultHandler.
    void InheritedMessage(TClass declaringClass, TMessage& message);

private:
    void DispatchFrom(TClass cls, TMessage& message);
};

// An object reached through interfaces: the last _Release frees it.
class TInterfacedObject : public TObject, public virtual IInterface {
    DECLARE_CLASS(TInterfacedObject, TObject)
public:
    HResult QueryInterface(const TGUID& iid, void** obj) override;
    Integer _AddRef() override;
    Integer _Release() override;
    Integer RefCount() const { return FRefCount; }
    bool GetInterface(const TGUID& iid, void** obj) override;

private:
    Integer FRefCount = 0;
};

// Interface queries on objects (obj may be null).
template <class I, class T>
    requires std::derived_from<T, TObject>
bool Supports(T* obj, ComPtr<I>& result)
{
    void* intf = nullptr;
    if (!obj || !obj->GetInterface(I::IID, &intf)) {
        result.Reset();
        return false;
    }
    result = ComPtr<I>(static_cast<I*>(intf));
    return true;
}

// Only asks; the object's reference count is left alone.
template <class I, class T>
    requires std::derived_from<T, TObject>
bool Supports(T* obj)
{
    void* intf = nullptr;
    return obj && obj->GetInterface(I::IID, &intf);
}
