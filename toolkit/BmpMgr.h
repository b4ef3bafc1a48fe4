// SECBmpMgr: a shared, reference-counted store of toolbar button images. It
// maps a command id to an image in one of its bitmap strips, and keeps each
// strip at the size of its resource (small) and, when asked, at a larger
// size, from a resource of its own or stretched from the small strip.
//
//   SECBmpMgr* images = new SECBmpMgr;          // reference count 1
//   images->AddStrip(MAKEINTRESOURCE(IDB_TOOLS), ids, count);
//   HBITMAP strip; int image;
//   if (images->GetBitmap(ID_FILE_SAVE, strip, image, TRUE)) ...
//   images->Release();
//
// Bitmaps handed in by a caller are never loaded again nor deleted here.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ObjectModel.h"
#include "TextString.h"

// A resource name: an integer id (MAKEINTRESOURCE) or a string, kept by value.
class SECResourceName {
public:
    SECResourceName() = default;
    SECResourceName(LPCSTR name);  // NOLINT: converts like the Win32 name it holds
    LPCSTR Get() const;
    BOOL IsEmpty() const { return !m_bInteger && m_strName.IsEmpty(); }

private:
    BOOL m_bInteger = FALSE;
    WORD m_nId = 0;
    CString m_strName;
};

class SECBmpMgr : public CObject {
    DECLARE_DYNAMIC(SECBmpMgr)

public:
    // Where a command's image is: its strip and its index in the strip.
    struct Item {
        int strip;
        int image;
    };

    // One strip.
    struct Record {
        SECResourceName resource;
        SECResourceName largeResource;  // empty: stretched from the small strip
        HBITMAP small = nullptr;
        HBITMAP large = nullptr;
        int imageCount = 0;
        BOOL sysColor = TRUE;           // loaded with the system-colour loader
        BOOL smallNotOwned = FALSE;
        BOOL largeNotOwned = FALSE;
    };

    SECBmpMgr();
    ~SECBmpMgr() override;
    SECBmpMgr(const SECBmpMgr&) = delete;
    SECBmpMgr& operator=(const SECBmpMgr&) = delete;

    void AddRef() { ++m_nRefCount; }
    // Drops a reference; the manager deletes itself with the last one.
    void Release();
    int GetRefCount() const { return m_nRefCount; }

    // Adds a strip loaded from a bitmap resource of the resource module;
    // image i belongs to command ids[i] (0: no command). The image count
    // is the resource width over the small image width.
    BOOL AddStrip(LPCSTR resource, const UINT* ids, int count, LPCSTR largeResource = nullptr,
                  BOOL sysColor = TRUE);
    // Adds a strip of bitmaps the caller keeps and deletes; without a large
    // bitmap the large strip is stretched from `small` (and owned here).
    BOOL AddBitmaps(HBITMAP small, HBITMAP large, const UINT* ids, int count);

    // Hands in a large strip for strip `strip` (the caller keeps and
    // deletes it); null goes back to an owned large strip.
    BOOL SetLargeBitmap(INT_PTR strip, HBITMAP large);

    // The strip and image index of a command; FALSE (outputs untouched)
    // for a command without an image.
    BOOL GetBitmap(UINT id, HBITMAP& bitmap, int& image, BOOL small = FALSE) const;
    BOOL HasImage(UINT id) const { return m_items.count(id) != 0; }

    void SetKeepBoth(BOOL keepBoth);
    BOOL GetKeepBoth() const { return m_bKeepBoth; }
    void SetUseSmallImages(BOOL useSmall);
    BOOL UsesSmallImages() const { return m_bUseSmall; }
    SIZE GetSmallImageSize() const { return m_sizeSmall; }
    SIZE GetLargeImageSize() const { return m_sizeLarge; }
    // The image size of the strips in use.
    SIZE GetImageSize() const { return m_bUseSmall ? m_sizeSmall : m_sizeLarge; }

    // Reloads every strip (with `force` also the loaded ones).
    BOOL ReloadAll(BOOL force);

    INT_PTR GetStripCount() const { return static_cast<INT_PTR>(m_records.size()); }
    const Record& GetRecord(INT_PTR index) const { return *m_records[static_cast<size_t>(index)]; }

protected:
    virtual BOOL ReloadStrip(Record& record, BOOL force);
    virtual BOOL LoadSmallStrip(Record& record);
    virtual BOOL LoadLargeStrip(Record& record);

private:
    void AddItems(int strip, const UINT* ids, int count);
    static void DeleteBitmap(HBITMAP& bitmap);

    std::map<UINT, Item> m_items;
    std::vector<std::unique_ptr<Record>> m_records;
    SIZE m_sizeSmall;
    SIZE m_sizeLarge;
    BOOL m_bUseSmall;
    BOOL m_bKeepBoth;
    int m_nRefCount;
};
