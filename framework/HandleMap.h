// Maps Win32 handles to the framework objects that wrap them.
//
// A handle has a permanent object while an object owns or subclassed it
// (Attach, Create, SubclassWindow). FromHandle on any other handle makes a
// temporary wrapper that lives until the thread goes idle, so a caller may
// use, but never keep, a pointer it got that way.
#pragma once

#include <windows.h>

#include <unordered_map>
#include <utility>
#include <vector>

#include "Diagnostics.h"

template <class Object, class Handle>
class CHandleMap {
public:
    // Makes the temporary wrapper of a handle that has no permanent object;
    // by default a new Object whose handle member is set.
    using Factory = Object* (*)(Handle);

    explicit CHandleMap(Handle Object::*member, Factory make = nullptr) : member_(member), make_(make) {}
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    Object* FromHandle(Handle handle) {
        if (!handle) return nullptr;
        if (Object* object = LookupPermanent(handle)) return object;
        auto temp = temporary_.find(handle);
        if (temp != temporary_.end()) return temp->second;
        Object* wrapper = make_ ? make_(handle) : new Object;
        wrapper->*member_ = handle;
        temporary_[handle] = wrapper;
        return wrapper;
    }

    Object* LookupPermanent(Handle handle) const {
        auto found = permanent_.find(handle);
        return found == permanent_.end() ? nullptr : found->second;
    }

    // Makes `object` the permanent owner of `handle`; false for a null
    // handle. A temporary wrapper of the same handle leaves the map but
    // lives (still wrapping the handle) until the next DeleteTemp, since a
    // caller may still hold it.
    BOOL Attach(Object* object, Handle handle) {
        ASSERT(object->*member_ == nullptr);
        if (!handle) return FALSE;
        auto temp = temporary_.find(handle);
        if (temp != temporary_.end()) {
            retired_.reserve(retired_.size() + 1);
            retired_.push_back(temp->second);
            temporary_.erase(temp);
        }
        object->*member_ = handle;
        permanent_[handle] = object;
        return TRUE;
    }

    // Unbinds the object from its handle and returns the handle.
    Handle Detach(Object* object) {
        Handle handle = object->*member_;
        if (handle) permanent_.erase(handle);
        object->*member_ = nullptr;
        return handle;
    }

    // Deletes every temporary wrapper (at idle time).
    void DeleteTemp() {
        auto temporary = std::move(temporary_);
        temporary_.clear();
        auto retired = std::move(retired_);
        retired_.clear();
        for (auto& entry : temporary) Destroy(entry.second);
        for (Object* wrapper : retired) Destroy(wrapper);
    }

private:
    // A wrapper never owned its handle: it lets go before it is deleted.
    void Destroy(Object* wrapper) {
        wrapper->*member_ = nullptr;
        delete wrapper;
    }

    Handle Object::*member_;
    Factory make_;
    std::unordered_map<Handle, Object*> permanent_;
    std::unordered_map<Handle, Object*> temporary_;
    std::vector<Object*> retired_;  // temporary wrappers whose handle got an owner
};
