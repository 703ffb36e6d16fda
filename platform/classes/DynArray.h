#pragma once
// Dynamic array with reference semantics: copying a DynArray shares its elements
// (a write through one copy is seen through the other); SetLength, even to the
// same length, gives the array its own storage.  Indices start at 0.  Elements are
// held in a plain array (not std::vector, whose bool form has no addressable elements).
#include <initializer_list>
#include <memory>

template <class T>
class DynArray {
public:
    DynArray() = default;
    DynArray(std::initializer_list<T> items)
    {
        SetLength(static_cast<int>(items.size()));
        int i = 0;
        for (const T& item : items) FData[i++] = item;
    }

    int Length() const { return FLength; }
    int High() const { return Length() - 1; }
    bool IsEmpty() const { return Length() == 0; }

    // Resizes into fresh storage: kept elements are copied, new ones value-initialised.
    void SetLength(int length)
    {
        if (length <= 0) {
            FData.reset();
            FLength = 0;
            return;
        }
        std::shared_ptr<T[]> fresh = std::make_shared<T[]>(static_cast<size_t>(length));
        int keep = FLength < length ? FLength : length;
        for (int i = 0; i < keep; ++i) fresh[i] = FData[i];
        FData = std::move(fresh);
        FLength = length;
    }

    // An independent copy of the elements.
    DynArray Copy() const
    {
        DynArray r;
        r.SetLength(FLength);
        for (int i = 0; i < FLength; ++i) r.FData[i] = FData[i];
        return r;
    }

    // True when both arrays refer to the same storage (or both are empty).
    bool SharesWith(const DynArray& other) const { return FData == other.FData; }

    T& operator[](int i) { return FData[i]; }
    const T& operator[](int i) const { return FData[i]; }

    T* begin() { return FData.get(); }
    T* end() { return FData.get() + FLength; }
    const T* begin() const { return FData.get(); }
    const T* end() const { return FData.get() + FLength; }

private:
    std::shared_ptr<T[]> FData;
    int FLength = 0;
};

template <class T> int Length(const DynArray<T>& a) { return a.Length(); }
template <class T> int High(const DynArray<T>& a) { return a.High(); }
template <class T> void SetLength(DynArray<T>& a, int length) { a.SetLength(length); }
