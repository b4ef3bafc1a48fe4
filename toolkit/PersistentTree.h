// The persistent tree: named nodes holding ordered string key/value pairs
// and named children, written to and read from a storage medium through a
// storage strategy that sees one node at a time by its path.
//
//   SECPersistentTreeNode root;
//   root.Create("Settings");
//   SECPersistentTreeNode* bars = root.GetFactory()->CreateNode("Bars", &root);
//   bars->SetIntValue("Count", 3);
//   root.SaveTree(&storage);
//
// Integers are kept in decimal, flags as "True"/"False", binary data as
// letter pairs ('A' + low nibble, 'A' + high nibble) cut into pieces of 250
// characters ("<key>_BinCount" and "<key>_BinVal<n>").
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Arrays.h"
#include "ObjectModel.h"
#include "TextString.h"

// Result codes of the node operations: bits, 0 is success.
enum : UINT {
    PTN_SUCCESS = 0,
    PTN_ALREADY_CREATED = 1,
    PTN_NOT_CREATED = 2,
    PTN_NO_NAME = 4,
    PTN_NO_KEY = 8,
    PTN_KEY_EXISTS = 16,
    PTN_CHILD_EXISTS = 32,
    PTN_KEY_NOT_FOUND = 64,
    PTN_NO_DATA = 128,
    PTN_ENCODE_FAILED = 256,
    PTN_FAILED = 0xFFFF,
};

// The storage medium of a tree. A node's path lists the names from the
// node itself up to the root of the tree (the node's own name first). A
// node is written as BeginNode, one WriteValue per pair in order and
// EndNode with its child names in order; ReadNode returns what was written,
// in the same order.
class SECPTNStrategy {
public:
    virtual ~SECPTNStrategy() = default;
    virtual BOOL BeginNode(const CStringArray& path) = 0;
    virtual BOOL WriteValue(const CStringArray& path, LPCSTR key, LPCSTR value) = 0;
    virtual BOOL EndNode(const CStringArray& path, const CStringArray& childNames) = 0;
    virtual BOOL ReadNode(const CStringArray& path, CStringArray& childNames, CStringArray& keys,
                          CStringArray& values) = 0;
};

struct SECPersTreeNodeKeyValuePair {
    CString m_strKey;
    CString m_strValue;
};

class SECPersistentTreeNode;

// Creates the nodes of a tree and owns them: they are deleted with it.
class SECPTNFactory {
public:
    // `nodeClass` must derive from SECPersistentTreeNode and be creatable.
    explicit SECPTNFactory(CRuntimeClass* nodeClass);
    ~SECPTNFactory();
    SECPTNFactory(const SECPTNFactory&) = delete;
    SECPTNFactory& operator=(const SECPTNFactory&) = delete;

    // A new created node of the node class under `parent`, or null when it
    // could not be made or created (nothing is kept then).
    SECPersistentTreeNode* CreateNode(LPCSTR name, SECPersistentTreeNode* parent);
    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_nodes.size()); }

private:
    CRuntimeClass* m_pNodeClass;
    std::vector<std::unique_ptr<SECPersistentTreeNode>> m_nodes;
};

class SECPersistentTreeNode : public CObject {
    DECLARE_DYNCREATE(SECPersistentTreeNode)

public:
    SECPersistentTreeNode();
    ~SECPersistentTreeNode() override;
    SECPersistentTreeNode(const SECPersistentTreeNode&) = delete;
    SECPersistentTreeNode& operator=(const SECPersistentTreeNode&) = delete;

    // Names the node and, with a parent, adds it as that parent's child.
    virtual UINT Create(LPCSTR name, SECPersistentTreeNode* parent = nullptr);

    virtual UINT SetIntValue(LPCSTR key, int value, BOOL overwrite = TRUE);
    virtual UINT SetValue(LPCSTR key, LPCSTR value, BOOL overwrite = TRUE);
    virtual UINT SetBoolValue(LPCSTR key, BOOL value, BOOL overwrite = TRUE);
    // Writes `length` bytes as letter pairs, in pieces when longer than 250
    // characters; whatever the key held before (one value or pieces) is
    // replaced entirely.
    virtual UINT SetBinaryValue(LPCSTR key, const BYTE* data, UINT length, BOOL overwrite = TRUE);
    virtual UINT RemoveValue(LPCSTR key);

    // Getters store the default first, then the value when the key exists.
    virtual UINT GetValue(LPCSTR key, CString& value, LPCSTR defaultValue = "") const;
    virtual UINT GetIntValue(LPCSTR key, int& value, int defaultValue = 0) const;
    virtual UINT GetUIntValue(LPCSTR key, UINT& value, UINT defaultValue = 0) const;
    virtual UINT GetLongValue(LPCSTR key, long& value, long defaultValue = 0) const;
    virtual UINT GetULongValue(LPCSTR key, unsigned long& value, unsigned long defaultValue = 0) const;
    virtual UINT GetBoolValue(LPCSTR key, BOOL& value, BOOL defaultValue = FALSE) const;
    // A new[] buffer of the decoded bytes, owned by the caller. Text that is
    // not letter pairs, or pieces missing or of the wrong length, are
    // refused (PTN_FAILED) and give no buffer.
    virtual UINT GetBinaryValue(LPCSTR key, BYTE** data, UINT* length) const;

    // Writes this node and its subtree through `storage`; TRUE when every
    // node was written.
    virtual BOOL SaveTree(SECPTNStrategy* storage);
    // Reads this node's pairs and children from `storage` (a child that
    // exists already is loaded in place); TRUE when every node was read.
    virtual BOOL LoadTree(SECPTNStrategy* storage);
    virtual UINT AddChild(SECPersistentTreeNode* node);

    SECPersistentTreeNode* FindChild(LPCSTR name) const;
    BOOL IsCreated() const { return m_bCreated; }
    const CString& GetName() const { return m_strName; }
    SECPersistentTreeNode* GetParent() const { return m_pParent; }
    INT_PTR GetChildCount() const { return static_cast<INT_PTR>(m_children.size()); }
    SECPersistentTreeNode* GetChild(INT_PTR index) const { return m_children[static_cast<size_t>(index)]; }
    INT_PTR GetValueCount() const { return static_cast<INT_PTR>(m_values.size()); }
    const SECPersTreeNodeKeyValuePair& GetPair(INT_PTR index) const { return m_values[static_cast<size_t>(index)]; }
    // The names from this node up to the root, this node's first.
    void GetPath(CStringArray& path) const;
    // The factory of this node's children (made on first use).
    SECPTNFactory* GetFactory();

    // Binary text of `length` bytes, and its decoding (FALSE for text that
    // is not an even run of letters 'A' to 'P').
    static CString EncodeBinary(const BYTE* data, UINT length);
    static BOOL DecodeBinary(const CString& text, std::vector<BYTE>& bytes);

private:
    const SECPersTreeNodeKeyValuePair* FindPair(LPCSTR key) const;
    void RemovePieces(LPCSTR key, INT_PTR from);

    CString m_strName;
    SECPersistentTreeNode* m_pParent;
    std::unique_ptr<SECPTNFactory> m_pFactory;
    std::vector<SECPersistentTreeNode*> m_children;
    std::vector<SECPersTreeNodeKeyValuePair> m_values;
    BOOL m_bCreated;
};
