#include "PTNRegistryStrategy.h"

namespace {

CString Numbered(LPCSTR prefix, DWORD index) {
    CString name;
    name.Format("%s%lu", prefix, static_cast<unsigned long>(index));
    return name;
}

}  // namespace

SECPTNRegistryStrategy::SECPTNRegistryStrategy(HKEY root, LPCSTR basePath)
    : m_hRoot(root), m_strBasePath(SECRegistry::NormalizePath(basePath, TRUE)), m_lErrorCode(ERROR_SUCCESS) {}

BOOL SECPTNRegistryStrategy::Fail(const SECRegistry& reg) {
    m_lErrorCode = reg.GetErrorCode() != ERROR_SUCCESS ? reg.GetErrorCode() : ERROR_INVALID_DATA;
    return FALSE;
}

BOOL SECPTNRegistryStrategy::OpenNode(const CStringArray& path, SECRegistry& reg, CString& keyPath) {
    if (path.IsEmpty() || !reg.Connect(m_hRoot, nullptr, FALSE)) return Fail(reg);
    keyPath = m_strBasePath;
    // Walk down from the root through the stored child lists to the node's
    // parent, checking each name on the way.
    for (INT_PTR level = path.GetUpperBound(); level > 0; --level) {
        CString name;
        DWORD children = 0;
        if (!reg.Open(keyPath, KEY_READ) || !reg.GetStringValue("Name", name) || name != path[level] ||
            !reg.GetDoubleWordValue("Children", children))
            return Fail(reg);
        BOOL found = FALSE;
        for (DWORD i = 0; i < children && !found; ++i) {
            CString child;
            if (!reg.GetStringValue(Numbered("Child", i), child)) return Fail(reg);
            if (child == path[level - 1]) {
                keyPath = SECRegistry::JoinPath(keyPath, Numbered("", i));
                found = TRUE;
            }
        }
        if (!found) return Fail(reg);
    }
    return TRUE;
}

BOOL SECPTNRegistryStrategy::BeginNode(const CStringArray& path) {
    SECRegistry reg;
    CString keyPath;
    if (!OpenNode(path, reg, keyPath)) return FALSE;
    reg.DeleteKey("\\" + keyPath, TRUE);  // an older node of this place, if any
    if (!reg.Create(keyPath) || !reg.SetStringValue("Name", path[0]) || !reg.SetDoubleWordValue("Values", 0) ||
        !reg.SetDoubleWordValue("Children", 0))
        return Fail(reg);
    return TRUE;
}

BOOL SECPTNRegistryStrategy::WriteValue(const CStringArray& path, LPCSTR key, LPCSTR value) {
    SECRegistry reg;
    CString keyPath;
    DWORD count = 0;
    if (!OpenNode(path, reg, keyPath) || !reg.Open(keyPath) || !reg.GetDoubleWordValue("Values", count) ||
        !reg.SetStringValue(Numbered("Key", count), key) || !reg.SetStringValue(Numbered("Value", count), value) ||
        !reg.SetDoubleWordValue("Values", count + 1))
        return Fail(reg);
    return TRUE;
}

BOOL SECPTNRegistryStrategy::EndNode(const CStringArray& path, const CStringArray& childNames) {
    SECRegistry reg;
    CString keyPath;
    if (!OpenNode(path, reg, keyPath) || !reg.Open(keyPath)) return Fail(reg);
    for (INT_PTR i = 0; i < childNames.GetSize(); ++i)
        if (!reg.SetStringValue(Numbered("Child", static_cast<DWORD>(i)), childNames[i])) return Fail(reg);
    if (!reg.SetDoubleWordValue("Children", static_cast<DWORD>(childNames.GetSize()))) return Fail(reg);
    return TRUE;
}

BOOL SECPTNRegistryStrategy::ReadNode(const CStringArray& path, CStringArray& childNames, CStringArray& keys,
                                      CStringArray& values) {
    childNames.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    SECRegistry reg;
    CString keyPath, name;
    DWORD valueCount = 0, childCount = 0;
    if (!OpenNode(path, reg, keyPath) || !reg.Open(keyPath, KEY_READ) || !reg.GetStringValue("Name", name) ||
        name != path[0] || !reg.GetDoubleWordValue("Values", valueCount) ||
        !reg.GetDoubleWordValue("Children", childCount))
        return Fail(reg);
    for (DWORD i = 0; i < valueCount; ++i) {
        CString key, value;
        if (!reg.GetStringValue(Numbered("Key", i), key) || !reg.GetStringValue(Numbered("Value", i), value))
            return Fail(reg);
        keys.Add(key);
        values.Add(value);
    }
    for (DWORD i = 0; i < childCount; ++i) {
        CString child;
        if (!reg.GetStringValue(Numbered("Child", i), child)) return Fail(reg);
        childNames.Add(child);
    }
    m_lErrorCode = ERROR_SUCCESS;
    return TRUE;
}
