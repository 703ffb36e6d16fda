#pragma once
// Reflection: the published properties, methods and fields of classes, and the
// registry of classes that form descriptions create by name.
//
// A class publishes in the declaration callback of its class reference (or, for a
// class of another layer, wherever TPublished is made for it before use):
//
//     TClass TGauge::StaticClass()
//     {
//         static const TMetaClass meta("TGauge", TGraphicControl::StaticClass(), NewComponent<TGauge>,
//             [](TMetaClass& m) {
//                 TPublished<TGauge>(&m)
//                     .Property("Progress", &TGauge::Progress, &TGauge::SetProgress).Default(0)
//                     .Property("Kind", &TGauge::Kind, &TGauge::SetKind).Default(gkHorizontalBar)
//                     .Property("ForeColor", &TGauge::ForeColor, &TGauge::SetForeColor).Type("TColor")
//                     .Property("Font", &TGauge::Font, &TGauge::SetFont)
//                     .Property("OnChange", &TGauge::FOnChange)
//                     .Property("Color").Default(clBtnFace);   // inherited one, new default
//             });
//         return &meta;
//     }
//
// A getter is a member function, a data member or a callable taking the object
// (an overloaded member function needs a cast or a lambda); a setter a member
// function, a data member, a callable (object, value) or nullptr for a read-only
// property.  A form class also publishes the methods its events bind to
// (.Method("ButtonClick", &TMainForm::ButtonClick)) and the fields that receive
// its components (.Field("Button1", &TMainForm::Button1)).  The kind follows the
// C++ type of the value:
//
//   bool, enumerations        tkEnumeration (names from TypeInfoOf(E), below)
//   char, char16_t            tkChar, tkWChar
//   other integers            tkInteger (up to 32 bits), tkInt64 (64 bits)
//   float, double, Extended   tkFloat
//   String                    tkString
//   Set<E>                    tkSet
//   TEvent<...>               tkMethod
//   pointer to a TStrings     tkStrings (a string list held by the object)
//   pointer to a TObject      tkClass: a TPersistent is stored as its own properties
//                             ("Font.Name = ..."), a TComponent by name (a reference)
//                             unless it is a sub-component of its holder
//
// An enumeration E gets its value names from a function found next to it:
//
//     const TEnumTypeInfo& TypeInfoOf(TAlign);      // in the header of TAlign
//     const TEnumTypeInfo& TypeInfoOf(TAlign)       // in its .cpp
//     {
//         static const TEnumTypeInfo info("TAlign", {"alNone", "alTop", ...});
//         return info;
//     }
//
// Streaming rules (form descriptions): a property is written when it can be read
// and written (a persistent sub-object or sub-component may be read-only), its
// stored rule allows it, and its value is not its default.  Ordinal properties
// (integer, character, enumeration, set) have a default only when one is declared
// (Default); 64-bit integer, float, string and event properties are left out when
// zero or empty unless declared NoDefault.
#include <concepts>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/UString.h"

enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkWChar,
    tkEnumeration,
    tkSet,
    tkInt64,
    tkFloat,
    tkString,
    tkClass,
    tkMethod,
    tkStrings
};

enum TFloatType { ftSingle, ftDouble, ftExtended };

// An enumeration type: its name, its value names by ordinal (0, 1, ...) and the
// name of the set type over it.
class TEnumTypeInfo {
public:
    TEnumTypeInfo(const char* Name, std::initializer_list<const char*> ValueNames, const char* SetName = nullptr);
    TEnumTypeInfo(const TEnumTypeInfo&) = delete;
    TEnumTypeInfo& operator=(const TEnumTypeInfo&) = delete;

    const String& Name() const { return FName; }
    const String& SetName() const { return FSetName; }  // "set of <Name>" when not given
    int Count() const { return static_cast<int>(FValueNames.size()); }
    String ValueName(Int64 Ordinal) const;            // "" outside 0..Count-1
    int Value(const String& ValueName) const;         // letter case ignored; -1 when none

private:
    String FName;
    String FSetName;
    std::vector<String> FValueNames;
};

const TEnumTypeInfo& TypeInfoOf(bool);  // "Boolean": False, True

// "[akLeft,akTop]" (without brackets when Brackets is false); members past the
// type's names are left out.
String SetToString(const TEnumTypeInfo& Info, Int64 Bits, bool Brackets = true);
// The members of "[a,b]" or "a, b"; EPropertyError "Invalid enumeration name: x".
Int64 StringToSet(const TEnumTypeInfo& Info, const String& Text);

struct TPropInfo {
    String Name;
    TTypeKind Kind = tkUnknown;
    String TypeName;                          // "Integer", "TColor", "TAlign", "TFont" ...
    const TEnumTypeInfo* EnumType = nullptr;  // tkEnumeration; tkSet: the members' type
    TClass PropClass = nullptr;               // tkClass: the declared class
    TClass (*ClassOf)() = nullptr;            // tkClass: gives PropClass on the first query
    TFloatType FloatType = ftDouble;          // tkFloat
    const std::type_info* Signature = nullptr;  // tkMethod: typeid(void(Args...))
    Int64 MinValue = 0;                       // tkInteger, tkChar, tkWChar, tkEnumeration
    Int64 MaxValue = 0;
    bool ReadOnly = false;

    // Access by kind (only those of the property's kind are set; a read-only
    // property has no setter).  Ordinal kinds travel as Int64, sets as their bits.
    std::function<Int64(TObject*)> GetOrd;
    std::function<void(TObject*, Int64)> SetOrd;
    std::function<Extended(TObject*)> GetFloat;
    std::function<void(TObject*, Extended)> SetFloat;
    std::function<String(TObject*)> GetStr;
    std::function<void(TObject*, const String&)> SetStr;
    std::function<TObject*(TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(TObject*)> GetMethod;
    std::function<void(TObject*, const TMethod&)> SetMethod;
    std::function<TStrings*(TObject*)> GetStrings;

    // Streaming: the declared default of an ordinal property, NoDefault (always
    // written), and the stored rule (empty: stored).
    bool HasDefault = false;
    Int64 Default = 0;
    bool NoDefault = false;
    std::function<bool(TObject*)> Stored;

    bool IsOrdinal() const
    {
        return Kind == tkInteger || Kind == tkChar || Kind == tkWChar || Kind == tkEnumeration || Kind == tkSet ||
               Kind == tkInt64;
    }
};

// A published field of a form: the component of that name read from the form's
// description is stored in it.
struct TFieldInfo {
    String Name;
    TClass FieldClass = nullptr;
    TClass (*ClassOf)() = nullptr;  // gives FieldClass on the first query
    std::function<void(TObject* Instance, TComponent* Value)> Set;
};

namespace typinfo_detail {

TPropInfo* PublishProperty(TClass Class, std::unique_ptr<TPropInfo> Info);
void PublishMethod(TClass Class, const String& Name, const TMethodCode& Code);
void PublishField(TClass Class, TFieldInfo Info);

template <class V>
struct TSetTraits : std::false_type {};
template <class E>
struct TSetTraits<Set<E>> : std::true_type {
    using Element = E;
};

template <class V>
struct TEventTraits : std::false_type {};
template <class... A>
struct TEventTraits<TEvent<A...>> : std::true_type {
    static const std::type_info& Signature() { return typeid(void(A...)); }
};

template <class V>
Int64 ToOrd(const V& value)
{
    if constexpr (TSetTraits<V>::value)
        return static_cast<Int64>(value.ToBits());
    else if constexpr (std::is_same_v<V, char>)
        return static_cast<unsigned char>(value);
    else
        return static_cast<Int64>(value);
}

template <class V>
V FromOrd(Int64 value)
{
    if constexpr (TSetTraits<V>::value)
        return V::FromBits(static_cast<std::uint64_t>(value));
    else if constexpr (std::is_same_v<V, bool>)
        return value != 0;
    else
        return static_cast<V>(value);
}

template <class T, class S, class V>
void Store(const S& setter, T* self, V value)
{
    if constexpr (std::is_member_object_pointer_v<S>)
        std::invoke(setter, self) = std::move(value);
    else
        std::invoke(setter, self, std::move(value));
}

}  // namespace typinfo_detail

template <class T>
class TPublished {
public:
    explicit TPublished(TClass Class) : FClass(Class) {}

    // A property read by Get and written by Set (nullptr: read-only).
    template <class G, class S>
    TPublished& Property(const char* Name, G Get, S Set)
    {
        using V = std::remove_cvref_t<std::invoke_result_t<G, T*>>;
        auto info = std::make_unique<TPropInfo>();
        info->Name = Name;
        info->ReadOnly = std::is_null_pointer_v<S>;
        Describe<V>(*info);
        Bind<V>(*info, Get, Set);
        FLast = typinfo_detail::PublishProperty(FClass, std::move(info));
        return *this;
    }

    // A property that is a data member, read and written directly.
    template <class F, class C>
        requires std::is_member_object_pointer_v<F C::*>
    TPublished& Property(const char* Name, F C::*Field)
    {
        return Property(Name, Field, Field);
    }

    // The inherited property of that name published again, to change its default
    // or stored rule (EPropertyError when no ancestor publishes it).
    TPublished& Property(const char* Name);

    // Modifiers of the property published last.
    template <class V>
    TPublished& Default(const V& Value)
    {
        if (!FLast->IsOrdinal()) throw EPropertyError("Property " + FLast->Name + " cannot have a default");
        FLast->HasDefault = true;
        FLast->Default = typinfo_detail::ToOrd(Value);
        FLast->NoDefault = false;
        return *this;
    }
    TPublished& NoDefault()
    {
        FLast->HasDefault = false;
        FLast->NoDefault = true;
        return *this;
    }
    TPublished& Stored(bool Value)
    {
        FLast->Stored = [Value](TObject*) { return Value; };
        return *this;
    }
    // A predicate: a member function bool() const or a callable taking the object.
    template <class P>
        requires(!std::is_same_v<P, bool>)
    TPublished& Stored(P Predicate)
    {
        FLast->Stored = [Predicate](TObject* o) { return static_cast<bool>(std::invoke(Predicate, Self(o))); };
        return *this;
    }
    // The type's name where the C++ type does not tell it ("TColor" for an Integer).
    TPublished& Type(const char* TypeName)
    {
        FLast->TypeName = TypeName;
        return *this;
    }

    // A published method: events in form descriptions bind to it by name.
    template <class C, class... A>
    TPublished& Method(const char* Name, void (C::*Code)(A...))
    {
        typinfo_detail::PublishMethod(FClass, Name, TEvent<A...>::MakeCode(Code));
        return *this;
    }

    // A published field of a form, set to the component of that name when the
    // form's description is read.
    template <class X, class C>
    TPublished& Field(const char* Name, X* C::*Member)
    {
        static_assert(std::derived_from<X, TComponent>, "fields hold components");
        TFieldInfo info;
        info.Name = Name;
        info.ClassOf = &X::StaticClass;
        info.Set = [Member](TObject* o, TComponent* c) { Self(o)->*Member = dynamic_cast<X*>(c); };
        typinfo_detail::PublishField(FClass, std::move(info));
        return *this;
    }

private:
    static T* Self(TObject* o) { return static_cast<T*>(o); }

    template <class V>
    static void Describe(TPropInfo& info)
    {
        using namespace typinfo_detail;
        if constexpr (std::is_same_v<V, bool> || std::is_enum_v<V>) {
            info.Kind = tkEnumeration;
            info.EnumType = &TypeInfoOf(V{});
            info.TypeName = info.EnumType->Name();
            info.MaxValue = info.EnumType->Count() - 1;
        } else if constexpr (std::is_same_v<V, char> || std::is_same_v<V, char16_t>) {
            info.Kind = std::is_same_v<V, char> ? tkChar : tkWChar;
            info.TypeName = std::is_same_v<V, char> ? "AnsiChar" : "Char";
            info.MaxValue = std::is_same_v<V, char> ? 0xFF : 0xFFFF;
        } else if constexpr (std::is_integral_v<V>) {
            static_assert(sizeof(V) < 8 || std::is_signed_v<V>, "unsigned 64-bit properties are not supported");
            info.Kind = sizeof(V) == 8 ? tkInt64 : tkInteger;
            info.TypeName = IntegerTypeName(sizeof(V), std::is_signed_v<V>);
            info.MinValue = std::numeric_limits<V>::min();
            info.MaxValue = std::numeric_limits<V>::max();
        } else if constexpr (std::is_floating_point_v<V>) {
            info.Kind = tkFloat;
            info.FloatType = std::is_same_v<V, float> ? ftSingle : std::is_same_v<V, double> ? ftDouble : ftExtended;
            info.TypeName = std::is_same_v<V, float> ? "Single" : std::is_same_v<V, double> ? "Double" : "Extended";
        } else if constexpr (std::is_same_v<V, String>) {
            info.Kind = tkString;
            info.TypeName = "string";
        } else if constexpr (TSetTraits<V>::value) {
            info.Kind = tkSet;
            info.EnumType = &TypeInfoOf(typename TSetTraits<V>::Element{});
            info.TypeName = info.EnumType->SetName();
        } else if constexpr (TEventTraits<V>::value) {
            info.Kind = tkMethod;
            info.Signature = &TEventTraits<V>::Signature();
            info.TypeName = std::is_same_v<V, TNotifyEvent> ? "TNotifyEvent" : "TMethod";
        } else if constexpr (std::is_pointer_v<V> && std::derived_from<std::remove_pointer_t<V>, TStrings>) {
            info.Kind = tkStrings;
            info.TypeName = "TStrings";
        } else {
            static_assert(std::is_pointer_v<V> && std::derived_from<std::remove_pointer_t<V>, TObject>,
                          "no published property kind for this type");
            // The class reference is asked for later: the class may be the one
            // being declared.
            info.Kind = tkClass;
            info.ClassOf = &std::remove_pointer_t<V>::StaticClass;
        }
    }

    template <class V, class G, class S>
    static void Bind(TPropInfo& info, G get, S set)
    {
        using namespace typinfo_detail;
        constexpr bool writable = !std::is_null_pointer_v<S>;
        if constexpr (std::is_same_v<V, String>) {
            info.GetStr = [get](TObject* o) { return String(std::invoke(get, Self(o))); };
            if constexpr (writable) info.SetStr = [set](TObject* o, const String& v) { Store(set, Self(o), v); };
        } else if constexpr (std::is_floating_point_v<V>) {
            info.GetFloat = [get](TObject* o) { return static_cast<Extended>(std::invoke(get, Self(o))); };
            if constexpr (writable)
                info.SetFloat = [set](TObject* o, Extended v) { Store(set, Self(o), static_cast<V>(v)); };
        } else if constexpr (TEventTraits<V>::value) {
            info.GetMethod = [get](TObject* o) { return std::invoke(get, Self(o)).Method(); };
            if constexpr (writable)
                info.SetMethod = [set](TObject* o, const TMethod& m) { Store(set, Self(o), V::FromMethod(m)); };
        } else if constexpr (std::is_pointer_v<V> && std::derived_from<std::remove_pointer_t<V>, TStrings>) {
            info.GetStrings = [get](TObject* o) -> TStrings* { return std::invoke(get, Self(o)); };
        } else if constexpr (std::is_pointer_v<V>) {
            info.GetObj = [get](TObject* o) -> TObject* { return std::invoke(get, Self(o)); };
            if constexpr (writable)
                info.SetObj = [set](TObject* o, TObject* v) {
                    Store(set, Self(o), dynamic_cast<V>(v));
                };
        } else {
            info.GetOrd = [get](TObject* o) { return ToOrd<V>(std::invoke(get, Self(o))); };
            if constexpr (writable) info.SetOrd = [set](TObject* o, Int64 v) { Store(set, Self(o), FromOrd<V>(v)); };
        }
    }

    static const char* IntegerTypeName(std::size_t size, bool isSigned)
    {
        switch (size) {
        case 1: return isSigned ? "ShortInt" : "Byte";
        case 2: return isSigned ? "SmallInt" : "Word";
        case 4: return isSigned ? "Integer" : "Cardinal";
        default: return "Int64";
        }
    }

    TClass FClass;
    TPropInfo* FLast = nullptr;
};

// ---------------------------------------------------------------- queries

// The property of that name published by the class or its nearest ancestor
// (letter case ignored); null when none.
const TPropInfo* GetPropInfo(TClass Class, const String& PropName);
const TPropInfo* GetPropInfo(const TObject* Instance, const String& PropName);
// Every published property, ancestors' first, each in its order of publication; a
// property published again by a descendant keeps its ancestor's place.
std::vector<const TPropInfo*> GetPropList(TClass Class);
bool IsPublishedProp(const TObject* Instance, const String& PropName);

bool IsStoredProp(TObject* Instance, const TPropInfo* PropInfo);
// The value equals the default, so a form description leaves it out.
bool IsDefaultPropValue(TObject* Instance, const TPropInfo* PropInfo);

// Values by kind.  A property of another kind raises EPropertyError
// "Invalid property type: <type name>", writing a read-only one
// "Property <name> is read-only", a name no class publishes
// "Property <name> does not exist".
Int64 GetOrdProp(TObject* Instance, const TPropInfo* PropInfo);  // integer, character, enumeration, set, Int64
void SetOrdProp(TObject* Instance, const TPropInfo* PropInfo, Int64 Value);
String GetEnumProp(TObject* Instance, const TPropInfo* PropInfo);  // the value's name
void SetEnumProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value);
String GetSetProp(TObject* Instance, const TPropInfo* PropInfo, bool Brackets = true);
void SetSetProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value);
Extended GetFloatProp(TObject* Instance, const TPropInfo* PropInfo);
void SetFloatProp(TObject* Instance, const TPropInfo* PropInfo, Extended Value);
String GetStrProp(TObject* Instance, const TPropInfo* PropInfo);
void SetStrProp(TObject* Instance, const TPropInfo* PropInfo, const String& Value);
TObject* GetObjectProp(TObject* Instance, const TPropInfo* PropInfo);
void SetObjectProp(TObject* Instance, const TPropInfo* PropInfo, TObject* Value);
TMethod GetMethodProp(TObject* Instance, const TPropInfo* PropInfo);
void SetMethodProp(TObject* Instance, const TPropInfo* PropInfo, const TMethod& Value);
TStrings* GetStringsProp(TObject* Instance, const TPropInfo* PropInfo);

// The same by property name.
const TPropInfo* FindPropInfo(const TObject* Instance, const String& PropName);  // raises when none
Int64 GetOrdProp(TObject* Instance, const String& PropName);
void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value);
String GetEnumProp(TObject* Instance, const String& PropName);
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value);
String GetSetProp(TObject* Instance, const String& PropName, bool Brackets = true);
void SetSetProp(TObject* Instance, const String& PropName, const String& Value);
Extended GetFloatProp(TObject* Instance, const String& PropName);
void SetFloatProp(TObject* Instance, const String& PropName, Extended Value);
String GetStrProp(TObject* Instance, const String& PropName);
void SetStrProp(TObject* Instance, const String& PropName, const String& Value);
TObject* GetObjectProp(TObject* Instance, const String& PropName);
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value);
TMethod GetMethodProp(TObject* Instance, const String& PropName);
void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value);
TStrings* GetStringsProp(TObject* Instance, const String& PropName);

// Published methods: the code of the method of that name (letter case ignored;
// empty when none), and the name of a code ("" when the class publishes none).
TMethodCode MethodAddress(TClass Class, const String& Name);
String MethodName(TClass Class, const TMethodCode& Code);

// The published field of that name of the class or an ancestor; null when none.
const TFieldInfo* FindFieldInfo(TClass Class, const String& Name);

// Names for the values of an integer type ("clRed" for a TColor): form
// descriptions write a value by its name when it has one and read names back.
using TIdentToInt = std::function<bool(const String& Ident, Int64& Value)>;
using TIntToIdent = std::function<bool(Int64 Value, String& Ident)>;
void RegisterIntegerConsts(const String& TypeName, TIdentToInt IdentToInt, TIntToIdent IntToIdent);
bool IdentToInt(const String& TypeName, const String& Ident, Int64& Value);
bool IntToIdent(const String& TypeName, Int64 Value, String& Ident);

// ---------------------------------------------------------------- class registry

// Classes that form descriptions may create by name.  Registering a class twice
// does nothing; another class of a registered name raises EFilerError
// "A class named <name> already exists".
void RegisterClass(TClass Class);
void RegisterClasses(std::initializer_list<TClass> Classes);
void UnRegisterClass(TClass Class);
TClass GetClass(const String& ClassName);   // letter case ignored; null when not registered
TClass FindClass(const String& ClassName);  // EClassNotFound "Class <name> not found"

template <class T>
TPublished<T>& TPublished<T>::Property(const char* Name)
{
    const TPropInfo* inherited = GetPropInfo(FClass->ClassParent(), Name);
    if (!inherited) throw EPropertyError(String("Property ") + Name + " does not exist");
    FLast = typinfo_detail::PublishProperty(FClass, std::make_unique<TPropInfo>(*inherited));
    return *this;
}
