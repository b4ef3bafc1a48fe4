// Stores a persistent tree in the registry, below one base key.
//
// The tree's root node is the base key itself; each child is the subkey
// named by its position among its parent's children ("0", "1", ...), so
// child names need not be valid key names and are told apart by case. A
// node's key holds:
//   "Name"                   the node's name (checked on reading)
//   "Values", "Children"     counts (REG_DWORD)
//   "Key<i>", "Value<i>"     its pairs in order (REG_SZ)
//   "Child<i>"               its children's names in order (REG_SZ)
// Writing a node replaces its whole key, so nothing of an older tree stays.
// Trees are saved and loaded from their root.
#pragma once

#include <windows.h>

#include "PersistentTree.h"
#include "Registry.h"

class SECPTNRegistryStrategy : public SECPTNStrategy {
public:
    SECPTNRegistryStrategy(HKEY root, LPCSTR basePath);

    BOOL BeginNode(const CStringArray& path) override;
    BOOL WriteValue(const CStringArray& path, LPCSTR key, LPCSTR value) override;
    BOOL EndNode(const CStringArray& path, const CStringArray& childNames) override;
    BOOL ReadNode(const CStringArray& path, CStringArray& childNames, CStringArray& keys,
                  CStringArray& values) override;

    // The platform error of the last failed registry call (0 when none).
    LONG GetErrorCode() const { return m_lErrorCode; }

private:
    // Opens the key of the node at `path` in `reg` (walking the stored
    // child lists from the base key).
    BOOL OpenNode(const CStringArray& path, SECRegistry& reg, CString& keyPath);
    BOOL Fail(const SECRegistry& reg);

    HKEY m_hRoot;
    CString m_strBasePath;
    LONG m_lErrorCode;
};
