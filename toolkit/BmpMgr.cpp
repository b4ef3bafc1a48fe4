#include "BmpMgr.h"

#include "GdiObjects.h"
#include "OwnerDrawButton.h"
#include "ResourceModule.h"

IMPLEMENT_DYNAMIC(SECBmpMgr, CObject)

SECResourceName::SECResourceName(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        m_bInteger = name != nullptr;
        m_nId = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
    } else {
        m_strName = name;
    }
}

LPCSTR SECResourceName::Get() const {
    if (m_bInteger) return MAKEINTRESOURCEA(m_nId);
    return m_strName.IsEmpty() ? nullptr : m_strName.GetString();
}

SECBmpMgr::SECBmpMgr()
    : m_sizeSmall{16, 15}, m_sizeLarge{22, 24}, m_bUseSmall(TRUE), m_bKeepBoth(FALSE), m_nRefCount(1) {}

SECBmpMgr::~SECBmpMgr() {
    for (auto& record : m_records) {
        if (!record->smallNotOwned) DeleteBitmap(record->small);
        if (!record->largeNotOwned) DeleteBitmap(record->large);
    }
}

void SECBmpMgr::Release() {
    if (--m_nRefCount == 0) delete this;
}

void SECBmpMgr::DeleteBitmap(HBITMAP& bitmap) {
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    bitmap = nullptr;
}

void SECBmpMgr::AddItems(int strip, const UINT* ids, int count) {
    for (int i = 0; i < count; ++i)
        if (ids[i] != 0) m_items[ids[i]] = Item{strip, i};
}

BOOL SECBmpMgr::AddStrip(LPCSTR resource, const UINT* ids, int count, LPCSTR largeResource, BOOL sysColor) {
    if (resource == nullptr || (ids == nullptr && count != 0) || count < 0) return FALSE;
    auto record = std::make_unique<Record>();
    record->resource = resource;
    record->largeResource = largeResource;
    record->sysColor = sysColor;
    if (!LoadSmallStrip(*record)) return FALSE;
    BITMAP info{};
    ::GetObjectA(record->small, sizeof info, &info);
    record->imageCount = info.bmWidth / m_sizeSmall.cx;
    if (!ReloadStrip(*record, FALSE)) {
        DeleteBitmap(record->small);
        DeleteBitmap(record->large);
        return FALSE;
    }
    m_records.push_back(std::move(record));
    AddItems(static_cast<int>(m_records.size()) - 1, ids, count);
    return TRUE;
}

BOOL SECBmpMgr::AddBitmaps(HBITMAP small, HBITMAP large, const UINT* ids, int count) {
    if (small == nullptr || (ids == nullptr && count != 0) || count < 0) return FALSE;
    auto record = std::make_unique<Record>();
    record->small = small;
    record->large = large;
    record->smallNotOwned = TRUE;
    record->largeNotOwned = large != nullptr;
    BITMAP info{};
    if (!::GetObjectA(small, sizeof info, &info)) return FALSE;
    record->imageCount = info.bmWidth / m_sizeSmall.cx;
    if (!ReloadStrip(*record, FALSE)) return FALSE;
    m_records.push_back(std::move(record));
    AddItems(static_cast<int>(m_records.size()) - 1, ids, count);
    return TRUE;
}

BOOL SECBmpMgr::SetLargeBitmap(INT_PTR strip, HBITMAP large) {
    if (strip < 0 || strip >= GetStripCount()) return FALSE;
    Record& record = *m_records[static_cast<size_t>(strip)];
    if (!record.largeNotOwned) DeleteBitmap(record.large);
    record.large = large;
    record.largeNotOwned = large != nullptr;
    return large != nullptr || ReloadStrip(record, FALSE);
}

BOOL SECBmpMgr::GetBitmap(UINT id, HBITMAP& bitmap, int& image, BOOL small) const {
    const auto found = m_items.find(id);
    if (found == m_items.end()) return FALSE;
    const Record& record = *m_records[static_cast<size_t>(found->second.strip)];
    bitmap = small || m_bUseSmall ? record.small : record.large;
    image = found->second.image;
    return TRUE;
}

void SECBmpMgr::SetKeepBoth(BOOL keepBoth) {
    keepBoth = keepBoth ? TRUE : FALSE;
    if (keepBoth == m_bKeepBoth) return;
    m_bKeepBoth = keepBoth;
    ReloadAll(FALSE);
}

void SECBmpMgr::SetUseSmallImages(BOOL useSmall) {
    useSmall = useSmall ? TRUE : FALSE;
    if (useSmall == m_bUseSmall) return;
    m_bUseSmall = useSmall;
    ReloadAll(FALSE);
}

BOOL SECBmpMgr::ReloadAll(BOOL force) {
    for (auto& record : m_records) ReloadStrip(*record, force);
    return TRUE;
}

BOOL SECBmpMgr::ReloadStrip(Record& record, BOOL force) {
    if (!record.smallNotOwned && (m_bUseSmall || m_bKeepBoth)) {
        // A large strip handed in by the caller is the caller's to delete.
        if (m_bUseSmall && !m_bKeepBoth && !record.largeNotOwned) DeleteBitmap(record.large);
        if (force) DeleteBitmap(record.small);
        if (record.small == nullptr && !LoadSmallStrip(record)) return FALSE;
    }
    if (record.largeNotOwned || m_bUseSmall) return TRUE;
    if (!m_bKeepBoth && !record.smallNotOwned) DeleteBitmap(record.small);
    if (force) DeleteBitmap(record.large);
    if (record.large == nullptr) return LoadLargeStrip(record);
    return TRUE;
}

namespace {

// Loads a bitmap resource of the resource module, plainly or with the
// system-colour mapping; null on failure.
HBITMAP LoadStripBitmap(const SECResourceName& name, BOOL sysColor) {
    if (sysColor) {
        CBitmap bitmap;
        if (!SECLoadSysColorBitmap(bitmap, name.Get())) return nullptr;
        return static_cast<HBITMAP>(bitmap.Detach());
    }
    HINSTANCE module = AfxFindResourceHandle(name.Get(), RT_BITMAP);
    return static_cast<HBITMAP>(::LoadImageA(module, name.Get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

BOOL SECBmpMgr::LoadSmallStrip(Record& record) {
    if (record.smallNotOwned) return TRUE;
    HBITMAP loaded = LoadStripBitmap(record.resource, record.sysColor);
    if (loaded == nullptr) return FALSE;
    DeleteBitmap(record.small);
    record.small = loaded;
    return TRUE;
}

BOOL SECBmpMgr::LoadLargeStrip(Record& record) {
    if (record.largeNotOwned) return TRUE;
    if (!record.largeResource.IsEmpty()) {
        HBITMAP loaded = LoadStripBitmap(record.largeResource, record.sysColor);
        if (loaded == nullptr) return FALSE;
        DeleteBitmap(record.large);
        record.large = loaded;
        return TRUE;
    }
    // Stretched image by image from the small strip.
    const BOOL loadedSmall = record.small == nullptr;
    if (loadedSmall && !LoadSmallStrip(record)) return FALSE;
    BOOL ok = FALSE;
    HDC screen = ::GetDC(nullptr);
    HDC source = ::CreateCompatibleDC(screen);
    HDC target = ::CreateCompatibleDC(screen);
    HBITMAP large = ::CreateCompatibleBitmap(screen, m_sizeLarge.cx * record.imageCount, m_sizeLarge.cy);
    if (screen != nullptr && source != nullptr && target != nullptr && large != nullptr && record.imageCount > 0) {
        HGDIOBJ oldSource = ::SelectObject(source, record.small);
        HGDIOBJ oldTarget = ::SelectObject(target, large);
        ::SetStretchBltMode(target, COLORONCOLOR);
        ok = TRUE;
        for (int i = 0; i < record.imageCount && ok; ++i)
            ok = ::StretchBlt(target, i * m_sizeLarge.cx, 0, m_sizeLarge.cx, m_sizeLarge.cy, source,
                              i * m_sizeSmall.cx, 0, m_sizeSmall.cx, m_sizeSmall.cy, SRCCOPY);
        ::SelectObject(source, oldSource);
        ::SelectObject(target, oldTarget);
    }
    if (target != nullptr) ::DeleteDC(target);
    if (source != nullptr) ::DeleteDC(source);
    if (screen != nullptr) ::ReleaseDC(nullptr, screen);
    if (ok) {
        DeleteBitmap(record.large);
        record.large = large;
    } else if (large != nullptr) {
        ::DeleteObject(large);
    }
    if (loadedSmall && !m_bKeepBoth) DeleteBitmap(record.small);
    return ok;
}
