#pragma once
// Event closures: an object and one of its member functions, called together.
//
// TEvent<Args...> binds an object (a TObject descendant) with a member function
// void(Args...).  Two closures are equal when they hold the same object and the
// same member function; all empty closures are equal.  Closures copy freely, test as Assigned, and calling
// an empty one does nothing.
//
// TMethod is the closure without its signature: the object, and TMethodCode (the
// member function plus the signature it was bound with).  A registry of published
// methods keeps TMethodCode per method name; TEvent::FromMethod turns such a code
// with an object back into a callable closure after checking the signature.
#include <concepts>
#include <cstddef>
#include <cstring>
#include <typeinfo>
#include <utility>

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"

// A member function with its signature erased.
struct TMethodCode {
    using TThunk = void (*)();  // the typed caller, cast back by TEvent

    TThunk Thunk = nullptr;
    alignas(void*) unsigned char Member[2 * sizeof(void*)] = {};  // the member function pointer's bits
    const std::type_info* Signature = nullptr;                    // typeid(void(Args...))

    bool IsEmpty() const { return Thunk == nullptr; }
    // The caller stands for the class and the signature, the bits for the member.
    friend bool operator==(const TMethodCode& a, const TMethodCode& b)
    {
        return a.Thunk == b.Thunk && std::memcmp(a.Member, b.Member, sizeof a.Member) == 0;
    }
};

// An object with a member function, signature erased.
struct TMethod {
    TObject* Data = nullptr;
    TMethodCode Code;

    bool IsEmpty() const { return Code.IsEmpty(); }
    friend bool operator==(const TMethod& a, const TMethod& b) = default;
};

template <class... Args>
class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}  // NOLINT: "FOnChange = nullptr" clears the handler

    // object->method; the object must outlive the closure's use.
    template <class T, class C>
    TEvent(T* object, void (C::*method)(Args...))
    {
        if (!object || !method) return;
        C* target = object;
        FMethod.Data = target;
        FMethod.Code = MakeCode(method);
    }

    // The code of a member function, for a registry of published methods.
    template <class C>
    static TMethodCode MakeCode(void (C::*method)(Args...))
    {
        static_assert(std::derived_from<C, TObject>, "handlers are members of TObject descendants");
        static_assert(sizeof method <= sizeof(TMethodCode::Member), "member function pointer too large");
        TMethodCode code;
        std::memcpy(code.Member, &method, sizeof method);
        code.Thunk = reinterpret_cast<TMethodCode::TThunk>(&Call<C>);
        code.Signature = &typeid(void(Args...));
        return code;
    }

    // Rebuilds a closure from a type-erased method; a method bound with another
    // signature raises EInvalidCast, one without object gives an empty closure.
    static TEvent FromMethod(const TMethod& method)
    {
        TEvent event;
        if (method.IsEmpty() || !method.Data) return event;
        if (!method.Code.Signature || *method.Code.Signature != typeid(void(Args...)))
            throw EInvalidCast("Invalid class typecast");
        event.FMethod = method;
        return event;
    }

    const TMethod& Method() const { return FMethod; }
    TObject* Data() const { return FMethod.Data; }
    bool Assigned() const { return !FMethod.IsEmpty(); }
    explicit operator bool() const { return Assigned(); }

    void operator()(Args... args) const
    {
        if (!Assigned()) return;
        auto call = reinterpret_cast<TCaller>(FMethod.Code.Thunk);
        call(FMethod.Data, FMethod.Code.Member, std::forward<Args>(args)...);
    }

    friend bool operator==(const TEvent& a, const TEvent& b) { return a.FMethod == b.FMethod; }

private:
    using TCaller = void (*)(TObject*, const unsigned char*, Args...);

    template <class C>
    static void Call(TObject* object, const unsigned char* member, Args... args)
    {
        void (C::*method)(Args...);
        std::memcpy(&method, member, sizeof method);
        (static_cast<C*>(object)->*method)(std::forward<Args>(args)...);
    }

    TMethod FMethod;
};

template <class... Args>
bool Assigned(const TEvent<Args...>& event)
{
    return event.Assigned();
}

// The plain notification: a handler (Sender: TObject).
using TNotifyEvent = TEvent<TObject*>;
