#include "Registry.h"

#include <vector>

IMPLEMENT_DYNAMIC(SECRegistry, CObject)

namespace {

// Names of value and class buffers: the platform's limits, so that a name
// is never cut short.
constexpr DWORD kMaxKeyNameChars = 2048;
constexpr DWORD kMaxValueNameChars = 16384;
// A value that keeps growing between the size query and the read is given
// up after this many tries.
constexpr int kReadTries = 4;

struct RootNameEntry {
    DWORD root;
    LPCSTR name;
};

const RootNameEntry kRootNames[] = {
    {0x80000000, "HKEY_CLASSES_ROOT"}, {0x80000001, "HKEY_CURRENT_USER"},
    {0x80000002, "HKEY_LOCAL_MACHINE"}, {0x80000003, "HKEY_USERS"},
    {0x80000005, "HKEY_CURRENT_CONFIG"}, {0x80000006, "HKEY_DYN_DATA"},
};

// The 32-bit value of a predefined root handle, or 0 for any other handle
// (predefined handles are sign-extended 32-bit values on 64-bit Windows).
DWORD PredefinedValue(HKEY key) {
    const LONG_PTR raw = reinterpret_cast<LONG_PTR>(key);
    const LONG low = static_cast<LONG>(raw);
    if (static_cast<LONG_PTR>(low) != raw) return 0;
    const DWORD value = static_cast<DWORD>(low);
    return value >= 0x80000000 && value <= 0x80000006 ? value : 0;
}

BOOL IsLocalOnlyRoot(HKEY root) {
    const DWORD value = PredefinedValue(root);
    return value == 0x80000000 || value == 0x80000001;
}

}  // namespace

SECRegistry::SECRegistry() { Initialize(); }

SECRegistry::~SECRegistry() {
    if (m_hKey != nullptr || m_hRootKey != nullptr) Close();
    Initialize();
}

void SECRegistry::Initialize() {
    m_lErrorCode = ERROR_SUCCESS;
    m_hKey = nullptr;
    m_hRootKey = nullptr;
    m_dwMaxSubkeyNameLength = 0;
    m_dwMaxClassLength = 0;
    m_dwMaxValueNameLength = 0;
    m_dwMaxValueDataLength = 0;
    m_dwSecurityDescriptorLength = 0;
    m_lastWriteTime = FILETIME{0, 0};
    m_strClassName.Empty();
    m_strMachineName.Empty();
    m_strKeyPath.Empty();
    m_strRootName.Empty();
    m_dwSubkeyCount = 0;
    m_dwValueCount = 0;
    m_bRemote = FALSE;
    m_bCloseRoot = TRUE;
}

BOOL SECRegistry::Record(LONG code) {
    m_lErrorCode = code;
    return code == ERROR_SUCCESS;
}

BOOL SECRegistry::HasKey() {
    if (m_hKey != nullptr) return TRUE;
    return Record(ERROR_INVALID_HANDLE);
}

void SECRegistry::CloseKeyUnlessRoot() {
    if (m_hKey != nullptr && m_hKey != m_hRootKey) ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

LPCSTR SECRegistry::RootName(HKEY root) {
    const DWORD value = PredefinedValue(root);
    for (const RootNameEntry& entry : kRootNames)
        if (entry.root == value) return entry.name;
    return nullptr;
}

BOOL SECRegistry::IsPredefinedRoot(HKEY key) { return PredefinedValue(key) != 0; }

CString SECRegistry::NormalizePath(LPCSTR path, BOOL leading) {
    CString result(path != nullptr ? path : "");
    if (!result.IsEmpty() && result[result.GetLength() - 1] == '\\') result = result.Left(result.GetLength() - 1);
    if (leading && !result.IsEmpty() && result[0] == '\\') result = result.Mid(1);
    return result;
}

CString SECRegistry::JoinPath(LPCSTR first, LPCSTR second) {
    CString head = NormalizePath(first);
    CString tail = NormalizePath(second, TRUE);
    if (head.IsEmpty()) return tail;
    if (tail.IsEmpty()) return head;
    return head + "\\" + tail;
}

BOOL SECRegistry::Connect(HKEY root, LPCSTR machine, BOOL closeRoot) {
    const BOOL oldCloseRoot = m_bCloseRoot;
    if (m_hKey != nullptr || m_hRootKey != nullptr) Close();
    m_bCloseRoot = closeRoot;
    const BOOL remote = machine != nullptr && *machine != '\0';

    HKEY connected = nullptr;
    if (IsLocalOnlyRoot(root)) {
        if (remote) {
            m_bCloseRoot = oldCloseRoot;
            return Record(ERROR_INVALID_HANDLE);
        }
        connected = root;
    } else {
        const LONG code = ::RegConnectRegistryA(remote ? machine : nullptr, root, &connected);
        if (code != ERROR_SUCCESS) {
            m_bCloseRoot = oldCloseRoot;
            return Record(code);
        }
    }
    m_hRootKey = connected;
    m_hKey = connected;
    m_bRemote = remote;
    if (remote) {
        m_strMachineName = machine;
    } else {
        char name[MAX_PATH + 1] = {};
        DWORD size = MAX_PATH + 1;
        m_strMachineName = ::GetComputerNameA(name, &size) ? name : "";
    }
    if (LPCSTR rootName = RootName(root)) m_strRootName = rootName;
    return Record(ERROR_SUCCESS);
}

BOOL SECRegistry::Open(LPCSTR path, REGSAM access) {
    if (path == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (m_hRootKey == nullptr) m_hRootKey = HKEY_CLASSES_ROOT;
    CloseKeyUnlessRoot();
    m_strKeyPath.Empty();
    const CString normalized = NormalizePath(path);
    HKEY opened = nullptr;
    const LONG code = ::RegOpenKeyExA(m_hRootKey, normalized, 0, access, &opened);
    if (code != ERROR_SUCCESS) return Record(code);
    m_hKey = opened;
    m_strKeyPath = normalized;
    QueryInfo();  // a key opened without query access still opened
    return Record(ERROR_SUCCESS);
}

BOOL SECRegistry::Create(LPCSTR path, LPCSTR className, DWORD options, REGSAM access,
                         LPSECURITY_ATTRIBUTES security, LPDWORD disposition) {
    if (path == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (m_hRootKey == nullptr) m_hRootKey = HKEY_CLASSES_ROOT;
    CloseKeyUnlessRoot();
    m_strKeyPath.Empty();
    const CString normalized = NormalizePath(path);
    HKEY created = nullptr;
    DWORD how = 0;
    const LONG code = ::RegCreateKeyExA(m_hRootKey, normalized, 0, const_cast<LPSTR>(className ? className : ""),
                                        options, access, security, &created, &how);
    if (code != ERROR_SUCCESS) return Record(code);
    m_hKey = created;
    m_strKeyPath = normalized;
    if (disposition != nullptr) *disposition = how;
    QueryInfo();
    return Record(ERROR_SUCCESS);
}

BOOL SECRegistry::Close() {
    LONG failure = ERROR_SUCCESS;
    if (m_hKey != nullptr && m_hKey != m_hRootKey) {
        const LONG code = ::RegCloseKey(m_hKey);
        if (code != ERROR_SUCCESS) failure = code;
    }
    if (m_hRootKey != nullptr && m_bCloseRoot) {
        const LONG code = ::RegCloseKey(m_hRootKey);
        if (code != ERROR_SUCCESS) failure = code;
    }
    Initialize();
    return Record(failure);
}

BOOL SECRegistry::QueryInfo() {
    if (!HasKey()) return FALSE;
    char className[kMaxKeyNameChars] = {};
    DWORD classSize = kMaxKeyNameChars;
    const LONG code = ::RegQueryInfoKeyA(m_hKey, className, &classSize, nullptr, &m_dwSubkeyCount,
                                         &m_dwMaxSubkeyNameLength, &m_dwMaxClassLength, &m_dwValueCount,
                                         &m_dwMaxValueNameLength, &m_dwMaxValueDataLength,
                                         &m_dwSecurityDescriptorLength, &m_lastWriteTime);
    if (code == ERROR_SUCCESS) m_strClassName = CString(className, static_cast<int>(classSize));
    return Record(code);
}

LONG SECRegistry::EnumerateKeysRaw(DWORD index, LPSTR name, LPDWORD nameSize, LPSTR className,
                                   LPDWORD classSize) {
    if (name == nullptr || nameSize == nullptr) {
        Record(ERROR_INVALID_PARAMETER);
        return ERROR_INVALID_PARAMETER;
    }
    if (!HasKey()) return m_lErrorCode;
    const LONG code = ::RegEnumKeyExA(m_hKey, index, name, nameSize, nullptr, className, classSize, &m_lastWriteTime);
    Record(code);
    return code;
}

BOOL SECRegistry::EnumerateKeys(DWORD index, CString& name, CString& className) {
    std::vector<char> nameBuffer(kMaxKeyNameChars), classBuffer(kMaxKeyNameChars);
    DWORD nameSize = kMaxKeyNameChars, classSize = kMaxKeyNameChars;
    if (EnumerateKeysRaw(index, nameBuffer.data(), &nameSize, classBuffer.data(), &classSize) != ERROR_SUCCESS)
        return FALSE;
    name = CString(nameBuffer.data(), static_cast<int>(nameSize));
    className = CString(classBuffer.data(), static_cast<int>(classSize));
    return TRUE;
}

BOOL SECRegistry::EnumerateKeys(DWORD index, CString& name) {
    CString className;
    return EnumerateKeys(index, name, className);
}

BOOL SECRegistry::EnumerateValues(DWORD index, CString& name) {
    DWORD type = 0;
    return EnumerateValuesRaw(index, name, type, nullptr, nullptr);
}

BOOL SECRegistry::EnumerateValues(DWORD index, CString& name, DWORD& type) {
    return EnumerateValuesRaw(index, name, type, nullptr, nullptr);
}

BOOL SECRegistry::EnumerateValuesRaw(DWORD index, CString& name, DWORD& type, LPBYTE data, LPDWORD size) {
    if (data != nullptr && size == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    std::vector<char> nameBuffer(kMaxValueNameChars);
    DWORD nameSize = kMaxValueNameChars;
    const LONG code = ::RegEnumValueA(m_hKey, index, nameBuffer.data(), &nameSize, nullptr, &type, data, size);
    if (code != ERROR_SUCCESS) return Record(code);
    name = CString(nameBuffer.data(), static_cast<int>(nameSize));
    return Record(code);
}

BOOL SECRegistry::Flush() {
    if (!HasKey()) return FALSE;
    return Record(::RegFlushKey(m_hKey));
}

BOOL SECRegistry::ReadValue(LPCSTR name, DWORD expectedType, DWORD alsoType, CByteArray& bytes) {
    bytes.RemoveAll();
    if (name == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    for (int attempt = 0; attempt < kReadTries; ++attempt) {
        DWORD type = REG_NONE, size = 0;
        LONG code = ::RegQueryValueExA(m_hKey, name, nullptr, &type, nullptr, &size);
        if (code != ERROR_SUCCESS) return Record(code);
        if (expectedType != REG_NONE && type != expectedType && type != alsoType) return Record(ERROR_INVALID_DATATYPE);
        std::vector<BYTE> buffer(size + 1u);
        DWORD read = size;
        code = ::RegQueryValueExA(m_hKey, name, nullptr, &type, buffer.data(), &read);
        if (code == ERROR_MORE_DATA) continue;  // grew meanwhile: size it again
        if (code != ERROR_SUCCESS) return Record(code);
        if (expectedType != REG_NONE && type != expectedType && type != alsoType) return Record(ERROR_INVALID_DATATYPE);
        bytes.SetSize(static_cast<INT_PTR>(read));
        for (DWORD i = 0; i < read; ++i) bytes[static_cast<INT_PTR>(i)] = buffer[i];
        return Record(ERROR_SUCCESS);
    }
    return Record(ERROR_MORE_DATA);
}

BOOL SECRegistry::GetBinaryValue(LPCSTR name, CByteArray& value) {
    return ReadValue(name, REG_NONE, REG_NONE, value);
}

BOOL SECRegistry::GetDoubleWordValue(LPCSTR name, DWORD& value) {
    CByteArray bytes;
    if (!ReadValue(name, REG_DWORD, REG_DWORD, bytes)) return FALSE;
    if (bytes.GetSize() != 4) return Record(ERROR_INVALID_DATA);
    value = static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16 |
            static_cast<DWORD>(bytes[3]) << 24;
    return TRUE;
}

BOOL SECRegistry::GetStringValue(LPCSTR name, CString& value) {
    value.Empty();
    CByteArray bytes;
    if (!ReadValue(name, REG_SZ, REG_EXPAND_SZ, bytes)) return FALSE;
    // Stored strings need not end in a terminator: take what is there.
    int length = 0;
    while (length < bytes.GetSize() && bytes[length] != 0) ++length;
    value = CString(reinterpret_cast<LPCSTR>(bytes.GetData()), length);
    return TRUE;
}

BOOL SECRegistry::GetStringArrayValue(LPCSTR name, CStringArray& value) {
    value.RemoveAll();
    CByteArray bytes;
    if (!ReadValue(name, REG_MULTI_SZ, REG_MULTI_SZ, bytes)) return FALSE;
    const LPCSTR data = reinterpret_cast<LPCSTR>(bytes.GetData());
    const INT_PTR size = bytes.GetSize();
    INT_PTR at = 0;
    while (at < size && data[at] != '\0') {
        INT_PTR end = at;
        while (end < size && data[end] != '\0') ++end;  // the last may lack its terminator
        value.Add(CString(data + at, static_cast<int>(end - at)));
        at = end + 1;
    }
    return TRUE;
}

BOOL SECRegistry::QueryValue(LPCSTR name, CString& value) { return GetStringValue(name, value); }
BOOL SECRegistry::QueryValue(LPCSTR name, CStringArray& value) { return GetStringArrayValue(name, value); }
BOOL SECRegistry::QueryValue(LPCSTR name, DWORD& value) { return GetDoubleWordValue(name, value); }
BOOL SECRegistry::QueryValue(LPCSTR name, CByteArray& value) { return GetBinaryValue(name, value); }

BOOL SECRegistry::QueryValueRaw(LPCSTR name, LPDWORD type, LPBYTE buffer, LPDWORD size) {
    if (name == nullptr || (buffer != nullptr && size == nullptr)) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegQueryValueExA(m_hKey, name, nullptr, type, buffer, size));
}

BOOL SECRegistry::GetSecurity(SECURITY_INFORMATION what, PSECURITY_DESCRIPTOR descriptor, LPDWORD size) {
    if (size == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegGetKeySecurity(m_hKey, what, descriptor, size));
}

BOOL SECRegistry::SetSecurity(SECURITY_INFORMATION what, PSECURITY_DESCRIPTOR descriptor) {
    if (descriptor == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegSetKeySecurity(m_hKey, what, descriptor));
}

BOOL SECRegistry::Load(LPCSTR subkey, LPCSTR file) {
    if (subkey == nullptr || file == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (m_hRootKey == nullptr) return Record(ERROR_INVALID_HANDLE);
    return Record(::RegLoadKeyA(m_hRootKey, subkey, file));
}

BOOL SECRegistry::UnLoad(LPCSTR subkey) {
    if (subkey == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegUnLoadKeyA(m_hKey, subkey));
}

BOOL SECRegistry::NotifyChange(HANDLE event, DWORD filter, BOOL subtree, BOOL asynchronous) {
    if (asynchronous && event == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegNotifyChangeKeyValue(m_hKey, subtree, filter, event, asynchronous));
}

BOOL SECRegistry::Replace(LPCSTR subkey, LPCSTR newFile, LPCSTR oldFile) {
    if (subkey == nullptr || newFile == nullptr || oldFile == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegReplaceKeyA(m_hKey, subkey, newFile, oldFile));
}

BOOL SECRegistry::Restore(LPCSTR file, DWORD flags) {
    if (file == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegRestoreKeyA(m_hKey, file, flags));
}

BOOL SECRegistry::Save(LPCSTR file, LPSECURITY_ATTRIBUTES security) {
    if (file == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegSaveKeyA(m_hKey, file, security));
}

BOOL SECRegistry::SetValueRaw(LPCSTR name, DWORD type, const BYTE* data, DWORD size) {
    if (name == nullptr || (data == nullptr && size != 0)) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegSetValueExA(m_hKey, name, 0, type, data, size));
}

BOOL SECRegistry::SetBinaryValue(LPCSTR name, const CByteArray& value) {
    return SetValueRaw(name, REG_BINARY, value.GetData(), static_cast<DWORD>(value.GetSize()));
}

BOOL SECRegistry::SetDoubleWordValue(LPCSTR name, DWORD value) {
    const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                           static_cast<BYTE>(value >> 24)};
    return SetValueRaw(name, REG_DWORD, bytes, 4);
}

BOOL SECRegistry::SetStringValue(LPCSTR name, LPCSTR value) {
    if (value == nullptr) return Record(ERROR_INVALID_PARAMETER);
    return SetValueRaw(name, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(lstrlenA(value) + 1));
}

BOOL SECRegistry::SetStringArrayValue(LPCSTR name, const CStringArray& value) {
    std::vector<BYTE> data;
    for (INT_PTR i = 0; i < value.GetSize(); ++i) {
        // An empty string would end the list there and lose the rest.
        if (value[i].IsEmpty()) return Record(ERROR_INVALID_PARAMETER);
        LPCSTR text = value[i];
        data.insert(data.end(), text, text + value[i].GetLength() + 1);
    }
    data.push_back(0);
    return SetValueRaw(name, REG_MULTI_SZ, data.data(), static_cast<DWORD>(data.size()));
}

BOOL SECRegistry::SetValue(LPCSTR name, LPCSTR value) { return SetStringValue(name, value); }
BOOL SECRegistry::SetValue(LPCSTR name, const CStringArray& value) { return SetStringArrayValue(name, value); }
BOOL SECRegistry::SetValue(LPCSTR name, DWORD value) { return SetDoubleWordValue(name, value); }
BOOL SECRegistry::SetValue(LPCSTR name, const CByteArray& value) { return SetBinaryValue(name, value); }

BOOL SECRegistry::DeleteValue(LPCSTR name) {
    if (name == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    return Record(::RegDeleteValueA(m_hKey, name));
}

BOOL SECRegistry::DeleteKey(LPCSTR name, BOOL recursive) {
    if (name == nullptr) return Record(ERROR_INVALID_PARAMETER);
    if (!HasKey()) return FALSE;
    // An empty name deletes the open key's own tree: never a whole root.
    if (recursive && *name == '\0' && (IsPredefinedRoot(m_hKey) || m_hKey == m_hRootKey))
        return Record(ERROR_INVALID_PARAMETER);

    // A second wrapper on the same root walks the key to delete.
    SECRegistry walker;
    walker.m_hRootKey = m_hRootKey;
    walker.m_bCloseRoot = FALSE;
    walker.m_bRemote = m_bRemote;
    walker.m_strMachineName = m_strMachineName;

    BOOL relative = FALSE;
    if (name[0] != '\\') relative = walker.Open(JoinPath(m_strKeyPath, name), KEY_ALL_ACCESS);
    if (!relative && !walker.Open(NormalizePath(name, TRUE), KEY_ALL_ACCESS)) return Record(walker.GetErrorCode());

    if (recursive) {
        CString subkey, previous;
        while (walker.EnumerateKeys(0, subkey)) {
            if (!walker.DeleteKey(subkey, TRUE)) return Record(walker.GetErrorCode());
            if (subkey == previous) return Record(ERROR_ACCESS_DENIED);  // deleted yet still there
            previous = subkey;
        }
    }
    walker.Close();

    if (relative) return Record(::RegDeleteKeyA(m_hKey, NormalizePath(name)));

    const CString path = NormalizePath(name, TRUE);
    const int split = path.ReverseFind('\\');
    const CString parent = split >= 0 ? path.Left(split) : CString();
    const CString leaf = split >= 0 ? path.Mid(split + 1) : path;
    walker.m_hRootKey = m_hRootKey;
    walker.m_bCloseRoot = FALSE;
    if (!walker.Open(parent, KEY_ALL_ACCESS)) return Record(walker.GetErrorCode());
    const LONG code = ::RegDeleteKeyA(walker.GetKey(), leaf);
    walker.Close();
    // The open key may have been inside the deleted tree: open it again, or
    // its parent. The deletion's own result is what is reported.
    if (m_hKey != m_hRootKey) {
        const CString current = m_strKeyPath;
        if (!Open(current)) Open(parent);
    }
    return Record(code);
}
