#include "PersistentTree.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(SECPersistentTreeNode, CObject)

namespace {

// Characters of one stored piece of binary text.
constexpr int kPieceChars = 250;

CString CountKey(LPCSTR key) { return CString(key) + "_BinCount"; }

CString PieceKey(LPCSTR key, INT_PTR index) {
    CString name;
    name.Format("%s%s%d", key, "_BinVal", static_cast<int>(index));
    return name;
}

BOOL IsEmptyText(LPCSTR text) { return text == nullptr || *text == '\0'; }

// A whole non-negative decimal number, as the piece count must be.
BOOL ParseCount(const CString& text, INT_PTR& count) {
    if (text.IsEmpty() || text.GetLength() > 9) return FALSE;
    count = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] < '0' || text[i] > '9') return FALSE;
        count = count * 10 + (text[i] - '0');
    }
    return TRUE;
}

}  // namespace

// --- factory --------------------------------------------------------------

SECPTNFactory::SECPTNFactory(CRuntimeClass* nodeClass) : m_pNodeClass(nodeClass) {}

SECPTNFactory::~SECPTNFactory() {
    // Newest first, so that a node made under an earlier one goes first.
    while (!m_nodes.empty()) m_nodes.pop_back();
}

SECPersistentTreeNode* SECPTNFactory::CreateNode(LPCSTR name, SECPersistentTreeNode* parent) {
    if (m_pNodeClass == nullptr || !m_pNodeClass->IsDerivedFrom(RUNTIME_CLASS(SECPersistentTreeNode))) return nullptr;
    std::unique_ptr<CObject> made(m_pNodeClass->CreateObject());
    if (made == nullptr) return nullptr;
    std::unique_ptr<SECPersistentTreeNode> node(static_cast<SECPersistentTreeNode*>(made.release()));
    if (node->Create(name, parent) != PTN_SUCCESS) return nullptr;
    m_nodes.push_back(std::move(node));
    return m_nodes.back().get();
}

// --- node -----------------------------------------------------------------

SECPersistentTreeNode::SECPersistentTreeNode() : m_pParent(nullptr), m_bCreated(FALSE) {}

SECPersistentTreeNode::~SECPersistentTreeNode() {
    // Children this node's factory did not make outlive it: cut them loose.
    for (SECPersistentTreeNode* child : m_children) child->m_pParent = nullptr;
    m_children.clear();
    m_pFactory.reset();
    if (m_pParent != nullptr) {
        auto& siblings = m_pParent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

SECPTNFactory* SECPersistentTreeNode::GetFactory() {
    if (m_pFactory == nullptr) m_pFactory = std::make_unique<SECPTNFactory>(GetRuntimeClass());
    return m_pFactory.get();
}

UINT SECPersistentTreeNode::Create(LPCSTR name, SECPersistentTreeNode* parent) {
    if (m_bCreated) return PTN_ALREADY_CREATED;
    if (IsEmptyText(name)) return PTN_NO_NAME;
    m_strName = name;
    if (parent != nullptr) {
        const UINT added = parent->AddChild(this);
        if (added != PTN_SUCCESS) {
            m_strName.Empty();
            return added == PTN_CHILD_EXISTS ? PTN_CHILD_EXISTS : PTN_FAILED;
        }
    }
    m_pParent = parent;
    m_bCreated = TRUE;
    return PTN_SUCCESS;
}

UINT SECPersistentTreeNode::AddChild(SECPersistentTreeNode* node) {
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (node == nullptr) return PTN_NO_NAME;
    if (FindChild(node->m_strName) != nullptr) return PTN_CHILD_EXISTS;
    m_children.push_back(node);
    return PTN_SUCCESS;
}

SECPersistentTreeNode* SECPersistentTreeNode::FindChild(LPCSTR name) const {
    if (IsEmptyText(name)) return nullptr;
    for (SECPersistentTreeNode* child : m_children)
        if (child->m_strName.Compare(name) == 0) return child;
    return nullptr;
}

void SECPersistentTreeNode::GetPath(CStringArray& path) const {
    path.RemoveAll();
    for (const SECPersistentTreeNode* node = this; node != nullptr; node = node->m_pParent) path.Add(node->m_strName);
}

const SECPersTreeNodeKeyValuePair* SECPersistentTreeNode::FindPair(LPCSTR key) const {
    for (const SECPersTreeNodeKeyValuePair& pair : m_values)
        if (pair.m_strKey.Compare(key) == 0) return &pair;
    return nullptr;
}

UINT SECPersistentTreeNode::SetValue(LPCSTR key, LPCSTR value, BOOL overwrite) {
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (IsEmptyText(key)) return PTN_NO_KEY;
    if (value == nullptr) return PTN_NO_DATA;
    for (SECPersTreeNodeKeyValuePair& pair : m_values) {
        if (pair.m_strKey.Compare(key) != 0) continue;
        if (!overwrite) return PTN_KEY_EXISTS;
        pair.m_strValue = value;
        return PTN_SUCCESS;
    }
    m_values.push_back({CString(key), CString(value)});
    return PTN_SUCCESS;
}

UINT SECPersistentTreeNode::SetIntValue(LPCSTR key, int value, BOOL overwrite) {
    CString text;
    text.Format("%d", value);
    return SetValue(key, text, overwrite);
}

UINT SECPersistentTreeNode::SetBoolValue(LPCSTR key, BOOL value, BOOL overwrite) {
    return SetValue(key, value ? "True" : "False", overwrite);
}

UINT SECPersistentTreeNode::RemoveValue(LPCSTR key) {
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (IsEmptyText(key)) return PTN_NO_KEY;
    for (auto at = m_values.begin(); at != m_values.end(); ++at) {
        if (at->m_strKey.Compare(key) == 0) {
            m_values.erase(at);
            return PTN_SUCCESS;
        }
    }
    return PTN_KEY_NOT_FOUND;
}

void SECPersistentTreeNode::RemovePieces(LPCSTR key, INT_PTR from) {
    INT_PTR storedCount = 0;
    if (const SECPersTreeNodeKeyValuePair* count = FindPair(CountKey(key))) ParseCount(count->m_strValue, storedCount);
    for (INT_PTR index = from;; ++index) {
        const BOOL removed = RemoveValue(PieceKey(key, index)) == PTN_SUCCESS;
        if (!removed && index >= storedCount) break;
    }
}

CString SECPersistentTreeNode::EncodeBinary(const BYTE* data, UINT length) {
    CString text;
    LPSTR out = text.GetBufferSetLength(static_cast<int>(length) * 2);
    for (UINT i = 0; i < length; ++i) {
        out[2 * i] = static_cast<char>('A' + (data[i] & 0x0F));
        out[2 * i + 1] = static_cast<char>('A' + (data[i] >> 4));
    }
    text.ReleaseBuffer(static_cast<int>(length) * 2);
    return text;
}

BOOL SECPersistentTreeNode::DecodeBinary(const CString& text, std::vector<BYTE>& bytes) {
    bytes.clear();
    const int length = text.GetLength();
    if (length == 0 || length % 2 != 0) return FALSE;
    bytes.reserve(static_cast<size_t>(length / 2));
    for (int i = 0; i < length; i += 2) {
        const int low = text[i] - 'A', high = text[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15) return FALSE;
        bytes.push_back(static_cast<BYTE>(high << 4 | low));
    }
    return TRUE;
}

UINT SECPersistentTreeNode::SetBinaryValue(LPCSTR key, const BYTE* data, UINT length, BOOL overwrite) {
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (IsEmptyText(key)) return PTN_NO_KEY;
    if (data == nullptr || length == 0) return PTN_NO_DATA;
    if (length > 0x3FFFFFFF) return PTN_ENCODE_FAILED;
    const CString countKey = CountKey(key);
    if (!overwrite && (FindPair(key) != nullptr || FindPair(countKey) != nullptr)) return PTN_KEY_EXISTS;

    const CString text = EncodeBinary(data, length);
    if (text.GetLength() <= kPieceChars) {
        const UINT result = SetValue(key, text, overwrite);
        // Pieces of an earlier, longer value would otherwise be read instead.
        if (result == PTN_SUCCESS) {
            RemovePieces(key, 0);
            RemoveValue(countKey);
        }
        return result;
    }
    const INT_PTR pieces = (text.GetLength() + kPieceChars - 1) / kPieceChars;
    RemovePieces(key, pieces);  // pieces past the new end belong to an older value
    for (INT_PTR index = 0; index < pieces; ++index) {
        const UINT written = SetValue(PieceKey(key, index), text.Mid(static_cast<int>(index) * kPieceChars, kPieceChars), TRUE);
        if (written != PTN_SUCCESS) return written;
    }
    const UINT result = SetIntValue(countKey, static_cast<int>(pieces), TRUE);
    if (result == PTN_SUCCESS) RemoveValue(key);
    return result;
}

UINT SECPersistentTreeNode::GetValue(LPCSTR key, CString& value, LPCSTR defaultValue) const {
    value = defaultValue != nullptr ? defaultValue : "";
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (IsEmptyText(key)) return PTN_NO_KEY;
    const SECPersTreeNodeKeyValuePair* pair = FindPair(key);
    if (pair == nullptr) return PTN_KEY_NOT_FOUND;
    value = pair->m_strValue;
    return PTN_SUCCESS;
}

UINT SECPersistentTreeNode::GetIntValue(LPCSTR key, int& value, int defaultValue) const {
    long wide = 0;
    const UINT result = GetLongValue(key, wide, defaultValue);
    value = static_cast<int>(wide);
    return result;
}

UINT SECPersistentTreeNode::GetUIntValue(LPCSTR key, UINT& value, UINT defaultValue) const {
    unsigned long wide = 0;
    const UINT result = GetULongValue(key, wide, defaultValue);
    value = static_cast<UINT>(wide);
    return result;
}

UINT SECPersistentTreeNode::GetLongValue(LPCSTR key, long& value, long defaultValue) const {
    value = defaultValue;
    CString text;
    const UINT result = GetValue(key, text);
    if (result == PTN_SUCCESS) value = std::strtol(text, nullptr, 10);
    return result;
}

UINT SECPersistentTreeNode::GetULongValue(LPCSTR key, unsigned long& value, unsigned long defaultValue) const {
    value = defaultValue;
    CString text;
    const UINT result = GetValue(key, text);
    if (result == PTN_SUCCESS) value = std::strtoul(text, nullptr, 10);
    return result;
}

UINT SECPersistentTreeNode::GetBoolValue(LPCSTR key, BOOL& value, BOOL defaultValue) const {
    value = defaultValue;
    CString text;
    const UINT result = GetValue(key, text);
    if (result == PTN_SUCCESS) {
        text.MakeUpper();
        value = text == "TRUE";
    }
    return result;
}

UINT SECPersistentTreeNode::GetBinaryValue(LPCSTR key, BYTE** data, UINT* length) const {
    if (data == nullptr || length == nullptr) return PTN_NO_DATA;
    *data = nullptr;
    *length = 0;
    if (!m_bCreated) return PTN_NOT_CREATED;
    if (IsEmptyText(key)) return PTN_NO_KEY;

    CString text;
    if (const SECPersTreeNodeKeyValuePair* count = FindPair(CountKey(key))) {
        INT_PTR pieces = 0;
        if (!ParseCount(count->m_strValue, pieces) || pieces == 0) return PTN_FAILED;
        for (INT_PTR index = 0; index < pieces; ++index) {
            // Every piece but the last is full; a missing or short one means
            // the value is damaged, and joining the rest would corrupt it.
            const SECPersTreeNodeKeyValuePair* piece = FindPair(PieceKey(key, index));
            if (piece == nullptr) return PTN_FAILED;
            const int chars = piece->m_strValue.GetLength();
            if (chars > kPieceChars || chars == 0 || (index + 1 < pieces && chars != kPieceChars)) return PTN_FAILED;
            text += piece->m_strValue;
        }
    } else {
        const SECPersTreeNodeKeyValuePair* pair = FindPair(key);
        if (pair == nullptr) return PTN_KEY_NOT_FOUND;
        text = pair->m_strValue;
    }

    std::vector<BYTE> bytes;
    if (!DecodeBinary(text, bytes)) return PTN_FAILED;
    *data = new BYTE[bytes.size()];
    std::memcpy(*data, bytes.data(), bytes.size());
    *length = static_cast<UINT>(bytes.size());
    return PTN_SUCCESS;
}

BOOL SECPersistentTreeNode::SaveTree(SECPTNStrategy* storage) {
    if (!m_bCreated || storage == nullptr) return FALSE;
    CStringArray path;
    GetPath(path);
    if (!storage->BeginNode(path)) return FALSE;
    BOOL ok = TRUE;
    for (const SECPersTreeNodeKeyValuePair& pair : m_values)
        ok = storage->WriteValue(path, pair.m_strKey, pair.m_strValue) && ok;
    CStringArray childNames;
    for (const SECPersistentTreeNode* child : m_children) childNames.Add(child->m_strName);
    ok = storage->EndNode(path, childNames) && ok;
    // Copy: a child's save must not see the list change under it.
    const std::vector<SECPersistentTreeNode*> children = m_children;
    for (SECPersistentTreeNode* child : children) ok = child->SaveTree(storage) && ok;
    return ok;
}

BOOL SECPersistentTreeNode::LoadTree(SECPTNStrategy* storage) {
    if (!m_bCreated || storage == nullptr) return FALSE;
    CStringArray path, childNames, keys, values;
    GetPath(path);
    if (!storage->ReadNode(path, childNames, keys, values) || keys.GetSize() != values.GetSize()) return FALSE;
    BOOL ok = TRUE;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i) ok = SetValue(keys[i], values[i], TRUE) == PTN_SUCCESS && ok;
    for (INT_PTR i = 0; i < childNames.GetSize(); ++i) {
        SECPersistentTreeNode* child = FindChild(childNames[i]);
        if (child == nullptr) child = GetFactory()->CreateNode(childNames[i], this);
        ok = child != nullptr && child->LoadTree(storage) && ok;
    }
    return ok;
}
