#pragma once
// Interfaces: identified by a GUID, reference-counted through _AddRef/_Release and
// asked for with QueryInterface.  An interface is a struct deriving virtually from
// IInterface with a static IID; ComPtr holds one reference.
#include <cstdint>
#include <utility>

#include "platform/rtl/Types.h"

struct TGUID {
    Cardinal D1 = 0;
    Word D2 = 0;
    Word D3 = 0;
    Byte D4[8] = {};

    // Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; used in constant expressions,
    // where a malformed text fails to compile.
    static constexpr TGUID Parse(const char* text)
    {
        TGUID g;
        int pos = 0;
        auto expect = [&](char c) {
            if (text[pos] != c) throw "malformed GUID";
            ++pos;
        };
        auto hex = [&](int digits) {
            std::uint32_t v = 0;
            for (int i = 0; i < digits; ++i, ++pos) {
                char c = text[pos];
                int d = c >= '0' && c <= '9' ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : -1;
                if (d < 0) throw "malformed GUID";
                v = v * 16 + static_cast<std::uint32_t>(d);
            }
            return v;
        };
        expect('{');
        g.D1 = hex(8);
        expect('-');
        g.D2 = static_cast<Word>(hex(4));
        expect('-');
        g.D3 = static_cast<Word>(hex(4));
        expect('-');
        for (int i = 0; i < 8; ++i) {
            if (i == 2) expect('-');
            g.D4[i] = static_cast<Byte>(hex(2));
        }
        expect('}');
        if (text[pos] != '\0') throw "malformed GUID";
        return g;
    }

    friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

using HResult = Integer;
constexpr HResult S_OK = 0;
constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);

// The base of every interface.  Objects are never deleted through an interface
// pointer; _Release decides whether the object goes.
struct IInterface {
    static constexpr TGUID IID = TGUID::Parse("{00000000-0000-0000-C000-000000000046}");
    // On success *obj receives the interface asked for, with one reference added.
    virtual HResult QueryInterface(const TGUID& iid, void** obj) = 0;
    virtual Integer _AddRef() = 0;
    virtual Integer _Release() = 0;

protected:
    ~IInterface() = default;
};

// One counted reference to an interface.
template <class I>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(I* intf) : FIntf(intf) { if (FIntf) FIntf->_AddRef(); }  // NOLINT: implicit like an assignment
    ComPtr(const ComPtr& other) : ComPtr(other.FIntf) {}
    ComPtr(ComPtr&& other) noexcept : FIntf(other.FIntf) { other.FIntf = nullptr; }
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(FIntf, other.FIntf);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference already counted (the result of QueryInterface).
    void Attach(I* intf)
    {
        Reset();
        FIntf = intf;
    }
    void Reset()
    {
        if (FIntf) std::exchange(FIntf, nullptr)->_Release();
    }

    I* Get() const { return FIntf; }
    I* operator->() const { return FIntf; }
    explicit operator bool() const { return FIntf != nullptr; }
    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.FIntf == b.FIntf; }

private:
    I* FIntf = nullptr;
};

// Asks an interface (may be null) for another one by identifier.
inline bool Supports(IInterface* intf, const TGUID& iid, void** obj)
{
    *obj = nullptr;
    return intf && intf->QueryInterface(iid, obj) == S_OK && *obj;
}

template <class I>
bool Supports(IInterface* intf, ComPtr<I>& result)
{
    void* obj = nullptr;
    if (!Supports(intf, I::IID, &obj)) {
        result.Reset();
        return false;
    }
    result.Attach(static_cast<I*>(obj));
    return true;
}

// For implementers of GetInterface: hands out intf (no reference added).
template <class I>
bool ProvideInterface(I* intf, void** obj)
{
    *obj = intf;
    return true;
}
