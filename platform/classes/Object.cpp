#include "platform/classes/Object.h"

#include "platform/rtl/Exceptions.h"

TMetaClass::TMetaClass(const char* name, TClass parent, TCreateInstance create, TDeclareHandlers declare)
    : FName(name), FParent(parent), FCreate(create)
{
    if (declare) declare(*this);
}

bool TMetaClass::ClassNameIs(const String& name) const
{
    return SameText(FName, name);
}

bool TMetaClass::InheritsFrom(TClass ancestor) const
{
    for (TClass cls = this; cls; cls = cls->FParent)
        if (cls == ancestor) return true;
    return false;
}

TObject* TMetaClass::Create(TObject* owner) const
{
    if (!FCreate) throw EAbstractError("Abstract Error");
    return FCreate(owner);
}

TMessageHandler TMetaClass::FindOwnHandler(Cardinal msg) const
{
    for (const THandlerEntry& entry : FHandlers)
        if (entry.Msg == msg) return entry.Handler;
    return nullptr;
}

TClass TObject::StaticClass()
{
    static const TMetaClass meta("TObject", nullptr, NewObject<TObject>);
    return &meta;
}

void TObject::Dispatch(TMessage& message)
{
    DispatchFrom(ClassType(), message);
}

void TObject::DefaultHandler(TMessage&) {}

bool TObject::GetInterface(const TGUID&, void** obj)
{
    *obj = nullptr;
    return false;
}

void TObject::InheritedMessage(TClass declaringClass, TMessage& message)
{
    DispatchFrom(declaringClass->ClassParent(), message);
}

void TObject::DispatchFrom(TClass cls, TMessage& message)
{
    for (; cls; cls = cls->ClassParent()) {
        if (TMessageHandler handler = cls->FindOwnHandler(message.Msg)) {
            (this->*handler)(message);
            return;
        }
    }
    DefaultHandler(message);
}

IMPLEMENT_CLASS(TInterfacedObject, TObject, NewObject<TInterfacedObject>)

HResult TInterfacedObject::QueryInterface(const TGUID& iid, void** obj)
{
    if (!GetInterface(iid, obj)) return E_NOINTERFACE;
    _AddRef();
    return S_OK;
}

Integer TInterfacedObject::_AddRef()
{
    return ++FRefCount;
}

Integer TInterfacedObject::_Release()
{
    Integer count = --FRefCount;
    if (count == 0) delete this;
    return count;
}

bool TInterfacedObject::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IInterface::IID) return ProvideInterface<IInterface>(this, obj);
    return TObject::GetInterface(iid, obj);
}
