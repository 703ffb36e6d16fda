#pragma once
// Set of enumeration values (at most 256 members, ordinal 0..255), with the
// bit image used when a set is stored: bit n stands for the member of ordinal n.
#include <bitset>
#include <cstdint>
#include <initializer_list>

template <class E>
class Set {
public:
    Set() = default;
    Set(std::initializer_list<E> items)
    {
        for (E e : items) Include(e);
    }

    bool Contains(E e) const { return FBits.test(Ord(e)); }
    void Include(E e) { FBits.set(Ord(e)); }
    void Exclude(E e) { FBits.reset(Ord(e)); }
    bool IsEmpty() const { return FBits.none(); }
    void Clear() { FBits.reset(); }

    friend Set operator+(Set a, const Set& b) { a.FBits |= b.FBits; return a; }
    friend Set operator-(Set a, const Set& b) { a.FBits &= ~b.FBits; return a; }
    friend Set operator*(Set a, const Set& b) { a.FBits &= b.FBits; return a; }
    Set& operator+=(const Set& b) { FBits |= b.FBits; return *this; }
    Set& operator-=(const Set& b) { FBits &= ~b.FBits; return *this; }
    friend bool operator==(const Set& a, const Set& b) { return a.FBits == b.FBits; }
    // a <= b: every member of a is in b.
    friend bool operator<=(const Set& a, const Set& b) { return (a.FBits & ~b.FBits).none(); }

    // Image of members 0..63.
    std::uint64_t ToBits() const
    {
        std::uint64_t r = 0;
        for (size_t i = 0; i < 64; ++i)
            if (FBits.test(i)) r |= std::uint64_t{1} << i;
        return r;
    }
    static Set FromBits(std::uint64_t bits)
    {
        Set s;
        for (size_t i = 0; i < 64; ++i)
            if (bits & (std::uint64_t{1} << i)) s.FBits.set(i);
        return s;
    }

private:
    static size_t Ord(E e) { return static_cast<size_t>(e); }
    std::bitset<256> FBits;
};
