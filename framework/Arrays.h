// Growable arrays indexed from 0: the CArray template and the typed arrays
// built on it. Indexes are checked by ASSERT in debug builds; SetAtGrow and
// SetSize grow the array, filling new elements with default values.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

#include "ObjectModel.h"
#include "TextString.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return items_.empty(); }

    // Grows or shrinks to newSize; growBy is accepted for compatibility
    // (the storage grows geometrically whatever it says).
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        (void)growBy;
        ASSERT(newSize >= 0);
        items_.resize(newSize > 0 ? static_cast<size_t>(newSize) : 0);
    }
    void FreeExtra() { items_.shrink_to_fit(); }
    void RemoveAll() { items_.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return items_[Checked(index)]; }
    TYPE& GetAt(INT_PTR index) { return items_[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { items_[Checked(index)] = element; }
    TYPE& ElementAt(INT_PTR index) { return items_[Checked(index)]; }
    const TYPE& ElementAt(INT_PTR index) const { return items_[Checked(index)]; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }

    // The elements in order; valid until the array changes size.
    const TYPE* GetData() const { return items_.data(); }
    TYPE* GetData() { return items_.data(); }

    void SetAtGrow(INT_PTR index, ARG_TYPE element) {
        ASSERT(index >= 0);
        if (index >= GetSize()) {
            TYPE copy(element);  // `element` may refer into the array
            items_.resize(static_cast<size_t>(index) + 1);
            items_[static_cast<size_t>(index)] = std::move(copy);
        } else {
            items_[static_cast<size_t>(index)] = element;
        }
    }
    // Appends and returns the new element's index.
    INT_PTR Add(ARG_TYPE element) {
        items_.push_back(TYPE(element));
        return GetUpperBound();
    }
    // Appends every element of `other` and returns the index of the first.
    INT_PTR Append(const CArray& other) {
        INT_PTR first = GetSize();
        std::vector<TYPE> copy(other.items_);  // `other` may be this array
        items_.insert(items_.end(), copy.begin(), copy.end());
        return first;
    }
    void Copy(const CArray& other) {
        if (this != &other) items_ = other.items_;
    }

    // Inserts `count` copies before index; an index past the end grows the
    // array up to it first.
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1) {
        ASSERT(index >= 0 && count >= 0);
        if (index < 0 || count <= 0) return;
        TYPE copy(element);
        if (index > GetSize()) items_.resize(static_cast<size_t>(index));
        items_.insert(items_.begin() + index, static_cast<size_t>(count), copy);
    }
    void InsertAt(INT_PTR startIndex, const CArray* other) {
        ASSERT(other != nullptr && startIndex >= 0);
        if (other == nullptr || startIndex < 0) return;
        std::vector<TYPE> copy(other->items_);
        if (startIndex > GetSize()) items_.resize(static_cast<size_t>(startIndex));
        items_.insert(items_.begin() + startIndex, copy.begin(), copy.end());
    }
    // Removes `count` elements from index on (clipped to the end).
    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        ASSERT(index >= 0 && count >= 0 && index + count <= GetSize());
        if (index < 0 || count <= 0 || index >= GetSize()) return;
        INT_PTR end = std::min(index + count, GetSize());
        items_.erase(items_.begin() + index, items_.begin() + end);
    }

private:
    size_t Checked(INT_PTR index) const {
        ASSERT(index >= 0 && index < GetSize());
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> items_;
};

class CObArray : public CArray<CObject*, CObject*> {};
class CPtrArray : public CArray<void*, void*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
class CStringArray : public CArray<CString, const CString&> {};
