// Doubly linked lists walked by POSITION: the CList template and the typed
// lists built on it.
//
//   for (POSITION at = list.GetHeadPosition(); at != nullptr;)
//       Use(list.GetNext(at));   // returns the element, then moves `at` on
//
// A POSITION stays valid until its own element is removed, so an element may
// be removed while walking once GetNext has moved past it.
#pragma once

#include <windows.h>

#include "ObjectModel.h"
#include "TextString.h"

// An opaque place in a collection; null means "none" (end of a walk).
struct CollectionPosition;
typedef CollectionPosition* POSITION;
// The start of a walk over a map (before its first element).
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<INT_PTR>(-1)))

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
public:
    // blockSize is accepted for compatibility; nodes are allocated singly.
    explicit CList(INT_PTR blockSize = 10) { (void)blockSize; }
    ~CList() override { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    INT_PTR GetCount() const { return count_; }
    INT_PTR GetSize() const { return count_; }
    BOOL IsEmpty() const { return count_ == 0; }

    TYPE& GetHead() { return NodeAt(ToPosition(head_))->value; }
    const TYPE& GetHead() const { return NodeAt(ToPosition(head_))->value; }
    TYPE& GetTail() { return NodeAt(ToPosition(tail_))->value; }
    const TYPE& GetTail() const { return NodeAt(ToPosition(tail_))->value; }

    TYPE RemoveHead() { return Take(head_); }
    TYPE RemoveTail() { return Take(tail_); }

    POSITION AddHead(ARG_TYPE element) { return Link(new Node(element), nullptr, head_); }
    POSITION AddTail(ARG_TYPE element) { return Link(new Node(element), tail_, nullptr); }
    // Copies every element of `other` (which may be this list) to the front or the back.
    void AddHead(CList* other) {
        ASSERT(other != nullptr);
        if (other == nullptr) return;
        POSITION at = other->GetTailPosition();
        for (INT_PTR left = other->GetCount(); left > 0; --left) AddHead(TYPE(other->GetPrev(at)));
    }
    void AddTail(CList* other) {
        ASSERT(other != nullptr);
        if (other == nullptr) return;
        POSITION at = other->GetHeadPosition();
        for (INT_PTR left = other->GetCount(); left > 0; --left) AddTail(TYPE(other->GetNext(at)));
    }

    void RemoveAll() {
        while (head_ != nullptr) delete Unlink(head_);
    }

    POSITION GetHeadPosition() const { return ToPosition(head_); }
    POSITION GetTailPosition() const { return ToPosition(tail_); }
    // The element at `position`; moves `position` to the next (previous) one.
    TYPE& GetNext(POSITION& position) { return Step(position, &Node::next); }
    const TYPE& GetNext(POSITION& position) const { return Step(position, &Node::next); }
    TYPE& GetPrev(POSITION& position) { return Step(position, &Node::prev); }
    const TYPE& GetPrev(POSITION& position) const { return Step(position, &Node::prev); }

    TYPE& GetAt(POSITION position) { return NodeAt(position)->value; }
    const TYPE& GetAt(POSITION position) const { return NodeAt(position)->value; }
    void SetAt(POSITION position, ARG_TYPE element) { NodeAt(position)->value = element; }
    void RemoveAt(POSITION position) { delete Unlink(NodeAt(position)); }

    POSITION InsertBefore(POSITION position, ARG_TYPE element) {
        if (position == nullptr) return AddHead(element);
        Node* at = NodeAt(position);
        return Link(new Node(element), at->prev, at);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE element) {
        if (position == nullptr) return AddTail(element);
        Node* at = NodeAt(position);
        return Link(new Node(element), at, at->next);
    }

    // The first element equal to `value` after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const {
        Node* at = startAfter ? NodeAt(startAfter)->next : head_;
        for (; at != nullptr; at = at->next)
            if (at->value == value) return ToPosition(at);
        return nullptr;
    }
    // The index-th element from the head, or null when out of range.
    POSITION FindIndex(INT_PTR index) const {
        if (index < 0 || index >= count_) return nullptr;
        Node* at = head_;
        while (index-- > 0) at = at->next;
        return ToPosition(at);
    }

private:
    struct Node {
        explicit Node(ARG_TYPE element) : value(element) {}
        Node* prev = nullptr;
        Node* next = nullptr;
        TYPE value;
    };

    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* NodeAt(POSITION position) {
        ASSERT(position != nullptr);
        return reinterpret_cast<Node*>(position);
    }

    TYPE& Step(POSITION& position, Node* Node::*link) const {
        Node* at = NodeAt(position);
        position = ToPosition(at->*link);
        return at->value;
    }

    POSITION Link(Node* node, Node* before, Node* after) {
        node->prev = before;
        node->next = after;
        (before ? before->next : head_) = node;
        (after ? after->prev : tail_) = node;
        ++count_;
        return ToPosition(node);
    }

    Node* Unlink(Node* node) {
        (node->prev ? node->prev->next : head_) = node->next;
        (node->next ? node->next->prev : tail_) = node->prev;
        --count_;
        return node;
    }

    TYPE Take(Node* node) {
        ASSERT(node != nullptr);
        TYPE value(NodeAt(ToPosition(node))->value);
        delete Unlink(node);
        return value;
    }

    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    INT_PTR count_ = 0;
};

class CPtrList : public CList<void*, void*> {
public:
    explicit CPtrList(INT_PTR blockSize = 10) : CList(blockSize) {}
};

class CObList : public CList<CObject*, CObject*> {
public:
    explicit CObList(INT_PTR blockSize = 10) : CList(blockSize) {}
};
