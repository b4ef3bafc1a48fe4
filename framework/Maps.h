// Hash maps from keys to values: the CMap template.
//
//   POSITION at = map.GetStartPosition();
//   while (at != nullptr) { map.GetNextAssoc(at, key, value); ... }
//
// Keys are hashed by HashKey (overload it for a key type of your own) and
// compared with ==. A walk visits buckets in order and, within a bucket, the
// newest entry first.
#pragma once

#include <windows.h>

#include <vector>

#include "Lists.h"
#include "ObjectModel.h"
#include "TextString.h"

template <class KEY>
inline UINT HashKey(KEY key) {
    return static_cast<UINT>(static_cast<UINT_PTR>(key));
}
template <class T>
inline UINT HashKey(T* key) {
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
}
UINT HashKey(LPCSTR key);
inline UINT HashKey(const CString& key) { return HashKey(static_cast<LPCSTR>(key)); }

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    // blockSize is accepted for compatibility; entries are allocated singly.
    explicit CMap(INT_PTR blockSize = 10) { (void)blockSize; }
    ~CMap() override { RemoveAll(); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;

    INT_PTR GetCount() const { return count_; }
    INT_PTR GetSize() const { return count_; }
    BOOL IsEmpty() const { return count_ == 0; }
    UINT GetHashTableSize() const { return static_cast<UINT>(buckets_.size()); }

    // Sets the number of buckets; only while the map is empty.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE) {
        (void)allocNow;
        ASSERT(count_ == 0 && hashSize > 0);
        if (count_ == 0 && hashSize > 0) buckets_.assign(hashSize, nullptr);
    }

    BOOL Lookup(ARG_KEY key, VALUE& value) const {
        const Entry* entry = Find(key);
        if (entry == nullptr) return FALSE;
        value = entry->value;
        return TRUE;
    }
    // The value of `key`, added with a default value when missing.
    VALUE& operator[](ARG_KEY key) {
        if (Entry* found = Find(key)) return found->value;
        if (buckets_.empty()) buckets_.assign(kDefaultHashSize, nullptr);
        Entry*& head = buckets_[Bucket(key)];
        head = new Entry(key, head);
        ++count_;
        return head->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE value) { (*this)[key] = value; }

    BOOL RemoveKey(ARG_KEY key) {
        if (buckets_.empty()) return FALSE;
        for (Entry** link = &buckets_[Bucket(key)]; *link != nullptr; link = &(*link)->next) {
            if ((*link)->key == key) {
                Entry* gone = *link;
                *link = gone->next;
                delete gone;
                --count_;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll() {
        for (Entry*& head : buckets_)
            while (head != nullptr) {
                Entry* gone = head;
                head = gone->next;
                delete gone;
            }
        count_ = 0;
    }

    POSITION GetStartPosition() const { return count_ == 0 ? nullptr : BEFORE_START_POSITION; }
    // Gives the entry at `position` and moves `position` to the next one
    // (null after the last).
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const {
        ASSERT(position != nullptr);
        const Entry* entry = position == BEFORE_START_POSITION
                                 ? FirstFrom(0)
                                 : reinterpret_cast<const Entry*>(position);
        if (entry == nullptr) {
            position = nullptr;
            return;
        }
        key = entry->key;
        value = entry->value;
        const Entry* next = entry->next ? entry->next : FirstFrom(Bucket(entry->key) + 1);
        position = reinterpret_cast<POSITION>(const_cast<Entry*>(next));
    }

private:
    static constexpr UINT kDefaultHashSize = 17;

    struct Entry {
        Entry(ARG_KEY k, Entry* n) : key(k), value(), next(n) {}
        KEY key;
        VALUE value;
        Entry* next;
    };

    size_t Bucket(ARG_KEY key) const { return HashKey(key) % buckets_.size(); }

    Entry* Find(ARG_KEY key) const {
        if (buckets_.empty()) return nullptr;
        for (Entry* at = buckets_[Bucket(key)]; at != nullptr; at = at->next)
            if (at->key == key) return at;
        return nullptr;
    }

    const Entry* FirstFrom(size_t bucket) const {
        for (; bucket < buckets_.size(); ++bucket)
            if (buckets_[bucket] != nullptr) return buckets_[bucket];
        return nullptr;
    }

    std::vector<Entry*> buckets_;
    INT_PTR count_ = 0;
};
