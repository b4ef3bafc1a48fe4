// SECRegistry: one open registry key on this or another machine, with the
// platform's key and value operations. Every operation returns TRUE or
// FALSE (the raw forms the platform code) and leaves the platform's error
// code of the call in the wrapper (GetErrorCode).
//
//   SECRegistry reg;
//   reg.Connect(HKEY_CURRENT_USER);
//   reg.Create("Software\\Maker\\Program");
//   reg.SetValue("Width", DWORD(640));
//
// Reads are sized from the value itself, so a value written a moment ago
// reads back whole; strings are cut at their length and always terminated.
#pragma once

#include <windows.h>

#include "Arrays.h"
#include "ObjectModel.h"
#include "TextString.h"

class SECRegistry : public CObject {
    DECLARE_DYNAMIC(SECRegistry)

public:
    // Access asked when a caller gives none.
    static constexpr REGSAM kDefaultAccess = KEY_READ | KEY_WRITE;

    SECRegistry();
    ~SECRegistry() override;
    SECRegistry(const SECRegistry&) = delete;
    SECRegistry& operator=(const SECRegistry&) = delete;

    // Forgets keys, names, query results and the error (closes nothing).
    virtual void Initialize();

    // Connects to a predefined root here or, with a machine name, remotely;
    // closes what was open first. The classes root and the current user
    // cannot be reached remotely (error 6).
    virtual BOOL Connect(HKEY root = HKEY_CURRENT_USER, LPCSTR machine = nullptr, BOOL closeRoot = TRUE);
    // Opens `path` below the root (the classes root when not connected). On
    // failure no key is open.
    virtual BOOL Open(LPCSTR path, REGSAM access = kDefaultAccess);
    // Creates or opens `path` below the root; `disposition` receives
    // REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
    virtual BOOL Create(LPCSTR path, LPCSTR className = nullptr, DWORD options = REG_OPTION_NON_VOLATILE,
                        REGSAM access = kDefaultAccess, LPSECURITY_ATTRIBUTES security = nullptr,
                        LPDWORD disposition = nullptr);
    // Closes the key (unless it is the root) and the root when asked to.
    virtual BOOL Close();
    // Reads counts, lengths, class and write time of the open key.
    virtual BOOL QueryInfo();

    // Deletes a subkey of the open key (or, with a leading backslash or when
    // not found there, the key of that path below the root); `recursive`
    // deletes its subkeys first. A whole root is never deleted.
    virtual BOOL DeleteKey(LPCSTR name, BOOL recursive = FALSE);
    virtual BOOL DeleteValue(LPCSTR name);

    // Enumeration: FALSE at the end, on any error, and when a name or the
    // data does not fit (ERROR_MORE_DATA is not success).
    virtual LONG EnumerateKeysRaw(DWORD index, LPSTR name, LPDWORD nameSize, LPSTR className,
                                  LPDWORD classSize);
    virtual BOOL EnumerateKeys(DWORD index, CString& name, CString& className);
    virtual BOOL EnumerateKeys(DWORD index, CString& name);
    virtual BOOL EnumerateValues(DWORD index, CString& name);
    virtual BOOL EnumerateValues(DWORD index, CString& name, DWORD& type);
    virtual BOOL EnumerateValuesRaw(DWORD index, CString& name, DWORD& type, LPBYTE data, LPDWORD size);

    virtual BOOL Flush();

    // Typed reads: the value must have the type asked (REG_SZ also takes
    // REG_EXPAND_SZ); a failed read empties the output.
    virtual BOOL GetBinaryValue(LPCSTR name, CByteArray& value);
    virtual BOOL GetDoubleWordValue(LPCSTR name, DWORD& value);
    virtual BOOL GetSecurity(SECURITY_INFORMATION what, PSECURITY_DESCRIPTOR descriptor, LPDWORD size);
    virtual BOOL GetStringValue(LPCSTR name, CString& value);
    virtual BOOL GetStringArrayValue(LPCSTR name, CStringArray& value);
    virtual BOOL QueryValue(LPCSTR name, CString& value);
    virtual BOOL QueryValue(LPCSTR name, CStringArray& value);
    virtual BOOL QueryValue(LPCSTR name, DWORD& value);
    virtual BOOL QueryValue(LPCSTR name, CByteArray& value);

    virtual BOOL Load(LPCSTR subkey, LPCSTR file);
    virtual BOOL NotifyChange(HANDLE event, DWORD filter, BOOL subtree = FALSE, BOOL asynchronous = TRUE);
    virtual BOOL QueryValueRaw(LPCSTR name, LPDWORD type, LPBYTE buffer, LPDWORD size);
    virtual BOOL Replace(LPCSTR subkey, LPCSTR newFile, LPCSTR oldFile);
    virtual BOOL Restore(LPCSTR file, DWORD flags = 0);
    virtual BOOL Save(LPCSTR file, LPSECURITY_ATTRIBUTES security = nullptr);

    virtual BOOL SetBinaryValue(LPCSTR name, const CByteArray& value);
    virtual BOOL SetDoubleWordValue(LPCSTR name, DWORD value);
    virtual BOOL SetSecurity(SECURITY_INFORMATION what, PSECURITY_DESCRIPTOR descriptor);
    virtual BOOL SetStringValue(LPCSTR name, LPCSTR value);
    virtual BOOL SetStringArrayValue(LPCSTR name, const CStringArray& value);
    virtual BOOL SetValue(LPCSTR name, LPCSTR value);
    virtual BOOL SetValue(LPCSTR name, const CStringArray& value);
    virtual BOOL SetValue(LPCSTR name, DWORD value);
    virtual BOOL SetValue(LPCSTR name, const CByteArray& value);
    virtual BOOL SetValueRaw(LPCSTR name, DWORD type, const BYTE* data, DWORD size);
    virtual BOOL UnLoad(LPCSTR subkey);

    LONG GetErrorCode() const { return m_lErrorCode; }
    HKEY GetKey() const { return m_hKey; }
    HKEY GetRoot() const { return m_hRootKey; }
    const CString& GetRootName() const { return m_strRootName; }
    const CString& GetKeyPath() const { return m_strKeyPath; }
    const CString& GetMachineName() const { return m_strMachineName; }
    const CString& GetClassName() const { return m_strClassName; }
    DWORD GetSubkeyCount() const { return m_dwSubkeyCount; }
    DWORD GetValueCount() const { return m_dwValueCount; }
    DWORD GetMaxValueDataLength() const { return m_dwMaxValueDataLength; }
    const FILETIME& GetLastWriteTime() const { return m_lastWriteTime; }
    BOOL IsRemote() const { return m_bRemote; }
    BOOL GetCloseRoot() const { return m_bCloseRoot; }

    // The name of a predefined root ("HKEY_CURRENT_USER"...), or null. The
    // handles compare by their 32-bit value, as they are sign-extended on
    // 64-bit Windows.
    static LPCSTR RootName(HKEY root);
    static BOOL IsPredefinedRoot(HKEY key);
    // Path rules: one trailing backslash goes, and with `leading` one
    // leading backslash too; joining puts one backslash between two parts.
    static CString NormalizePath(LPCSTR path, BOOL leading = FALSE);
    static CString JoinPath(LPCSTR first, LPCSTR second);

private:
    // Keeps `code` as the last error; TRUE when it is ERROR_SUCCESS.
    BOOL Record(LONG code);
    BOOL HasKey();
    void CloseKeyUnlessRoot();
    // Reads a whole value of the expected type into `bytes` (sized from
    // the value itself, retried while it grows).
    BOOL ReadValue(LPCSTR name, DWORD expectedType, DWORD alsoType, CByteArray& bytes);

    LONG m_lErrorCode;
    HKEY m_hKey;
    HKEY m_hRootKey;
    DWORD m_dwMaxSubkeyNameLength;
    DWORD m_dwMaxClassLength;
    DWORD m_dwMaxValueNameLength;
    DWORD m_dwMaxValueDataLength;
    DWORD m_dwSecurityDescriptorLength;
    FILETIME m_lastWriteTime;
    CString m_strClassName;
    CString m_strMachineName;
    CString m_strKeyPath;
    CString m_strRootName;
    DWORD m_dwSubkeyCount;
    DWORD m_dwValueCount;
    BOOL m_bRemote;
    BOOL m_bCloseRoot;
};
