#pragma once
// Dynamic array with reference semantics: copying a DynArray shares its elements
// (a write through one copy is seen through the other); SetLength, even to the
// same length, gives the array its own storage.  Indices start at 0.
#include <initializer_list>
#include <memory>
#include <vector>

template <class T>
class DynArray {
public:
    DynArray() = default;
    DynArray(std::initializer_list<T> items)
        : FData(items.size() ? std::make_shared<std::vector<T>>(items) : nullptr) {}

    int Length() const { return FData ? static_cast<int>(FData->size()) : 0; }
    int High() const { return Length() - 1; }
    bool IsEmpty() const { return Length() == 0; }

    // Resizes into fresh storage: kept elements are copied, new ones value-initialised.
    void SetLength(int length)
    {
        if (length <= 0) {
            FData.reset();
            return;
        }
        auto fresh = std::make_shared<std::vector<T>>(static_cast<size_t>(length));
        int keep = Length() < length ? Length() : length;
        for (int i = 0; i < keep; ++i) (*fresh)[static_cast<size_t>(i)] = (*FData)[static_cast<size_t>(i)];
        FData = std::move(fresh);
    }

    // An independent copy of the elements.
    DynArray Copy() const
    {
        DynArray r;
        if (FData) r.FData = std::make_shared<std::vector<T>>(*FData);
        return r;
    }

    // True when both arrays refer to the same storage (or both are empty).
    bool SharesWith(const DynArray& other) const { return FData == other.FData; }

    T& operator[](int i) { return (*FData)[static_cast<size_t>(i)]; }
    const T& operator[](int i) const { return (*FData)[static_cast<size_t>(i)]; }

    T* begin() { return FData ? FData->data() : nullptr; }
    T* end() { return FData ? FData->data() + FData->size() : nullptr; }
    const T* begin() const { return FData ? FData->data() : nullptr; }
    const T* end() const { return FData ? FData->data() + FData->size() : nullptr; }

private:
    std::shared_ptr<std::vector<T>> FData;
};

template <class T> int Length(const DynArray<T>& a) { return a.Length(); }
template <class T> int High(const DynArray<T>& a) { return a.High(); }
template <class T> void SetLength(DynArray<T>& a, int length) { a.SetLength(length); }
