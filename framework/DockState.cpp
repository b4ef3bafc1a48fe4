#include "DockState.h"

#include <algorithm>

#include "Archive.h"
#include "Exceptions.h"
#include "WinApp.h"

IMPLEMENT_SERIAL(CDockState, CObject, 1)

namespace {

// Dock bar ids (top, bottom, left, right, floating).
constexpr UINT kFirstDockBarId = 0xE81B;
constexpr UINT kLastDockBarId = 0xE81F;
constexpr int kNoPosition = -1;
constexpr int kDefaultMRUWidth = 32767;

CString Numbered(LPCSTR format, int index) {
    CString text;
    text.Format(format, index);
    return text;
}

}  // namespace

// --- profile store ----------------------------------------------------------

void ProfileBarStateStore::WriteInt(LPCSTR key, int value) {
    if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(m_strSection, key, value);
}

void ProfileBarStateStore::WriteString(LPCSTR key, LPCSTR value) {
    if (CWinApp* app = AfxGetApp()) app->WriteProfileString(m_strSection, key, value);
}

void ProfileBarStateStore::WriteBinary(LPCSTR key, const BYTE* data, UINT size) {
    if (CWinApp* app = AfxGetApp()) app->WriteProfileBinary(m_strSection, key, const_cast<LPBYTE>(data), size);
}

BOOL ProfileBarStateStore::Has(LPCSTR key) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return FALSE;
    // A number is there when two different defaults read the same; a text
    // when the default does not come back.
    const BOOL number = app->GetProfileInt(m_strSection, key, 1) == app->GetProfileInt(m_strSection, key, 2);
    return number || app->GetProfileString(m_strSection, key, "\x01") != "\x01";
}

int ProfileBarStateStore::ReadInt(LPCSTR key, int defaultValue) {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? static_cast<int>(app->GetProfileInt(m_strSection, key, defaultValue)) : defaultValue;
}

CString ProfileBarStateStore::ReadString(LPCSTR key, LPCSTR defaultValue) {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->GetProfileString(m_strSection, key, defaultValue) : CString(defaultValue);
}

BOOL ProfileBarStateStore::ReadBinary(LPCSTR key, std::vector<BYTE>& data) {
    data.clear();
    CWinApp* app = AfxGetApp();
    LPBYTE bytes = nullptr;
    UINT size = 0;
    if (app == nullptr || !app->GetProfileBinary(m_strSection, key, &bytes, &size)) return FALSE;
    data.assign(bytes, bytes + size);
    delete[] bytes;
    return TRUE;
}

// --- one bar's record -------------------------------------------------------

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(TRUE), m_bFloating(FALSE), m_bHorz(TRUE), m_bDockBar(FALSE),
      m_pointPos(kNoPosition, kNoPosition), m_nMRUWidth(kDefaultMRUWidth), m_bDocking(FALSE), m_uMRUDockID(0),
      m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0), m_ptMRUFloatPos(0, 0), m_pBar(nullptr) {}

CString CControlBarInfo::SectionName(LPCSTR profileName, int index) {
    CString name;
    name.Format("%s-Bar%d", profileName, index);
    return name;
}

BOOL CControlBarInfo::IsWorthSaving() const {
    return !(m_bDockBar && m_bVisible && !m_bFloating && m_pointPos.x == kNoPosition &&
             m_pointPos.y == kNoPosition && m_arrBarID.GetSize() <= 1);
}

BOOL CControlBarInfo::WriteKeys(BarStateWriter& store) const {
    if (!IsWorthSaving()) return FALSE;
    store.WriteInt("BarID", static_cast<int>(m_nBarID));
    if (!m_bVisible) store.WriteBool("Visible", FALSE);
    if (m_bFloating) {
        store.WriteBool("Horz", m_bHorz);
        store.WriteBool("Floating", TRUE);
    }
    if (m_pointPos.x != kNoPosition) store.WriteInt("XPos", m_pointPos.x);
    if (m_pointPos.y != kNoPosition) store.WriteInt("YPos", m_pointPos.y);
    if (m_nMRUWidth != kDefaultMRUWidth) store.WriteInt("MRUWidth", m_nMRUWidth);
    if (m_bDocking) {
        store.WriteBool("Docking", TRUE);
        store.WriteInt("MRUDockID", static_cast<int>(m_uMRUDockID));
        store.WriteInt("MRUDockLeftPos", m_rectMRUDockPos.left);
        store.WriteInt("MRUDockTopPos", m_rectMRUDockPos.top);
        store.WriteInt("MRUDockRightPos", m_rectMRUDockPos.right);
        store.WriteInt("MRUDockBottomPos", m_rectMRUDockPos.bottom);
        store.WriteInt("MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle));
        store.WriteInt("MRUFloatXPos", m_ptMRUFloatPos.x);
        store.WriteInt("MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    if (m_bDockBar && m_arrBarID.GetSize() > 1) {
        store.WriteInt("Bars", static_cast<int>(m_arrBarID.GetSize()));
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i)
            store.WriteInt(Numbered("Bar#%d", static_cast<int>(i)), static_cast<int>(m_arrBarID[i]));
    }
    return TRUE;
}

void CControlBarInfo::ReadKeys(BarStateReader& store, CDockState* dockState) {
    m_nBarID = static_cast<UINT>(store.ReadInt("BarID", 0));
    m_bDockBar = m_nBarID >= kFirstDockBarId && m_nBarID <= kLastDockBarId;
    m_bVisible = store.ReadBool("Visible", TRUE);
    m_bHorz = store.ReadBool("Horz", TRUE);
    m_bFloating = store.ReadBool("Floating", FALSE);
    m_pointPos = CPoint(store.ReadInt("XPos", kNoPosition), store.ReadInt("YPos", kNoPosition));
    if (dockState != nullptr && m_pointPos != CPoint(kNoPosition, kNoPosition)) dockState->ScalePoint(m_pointPos);
    m_nMRUWidth = store.ReadInt("MRUWidth", kDefaultMRUWidth);
    m_bDocking = store.ReadBool("Docking", FALSE);
    if (m_bDocking) {
        m_uMRUDockID = static_cast<UINT>(store.ReadInt("MRUDockID", 0));
        m_rectMRUDockPos = CRect(store.ReadInt("MRUDockLeftPos", 0), store.ReadInt("MRUDockTopPos", 0),
                                 store.ReadInt("MRUDockRightPos", 0), store.ReadInt("MRUDockBottomPos", 0));
        m_dwMRUFloatStyle = static_cast<DWORD>(store.ReadInt("MRUFloatStyle", 0));
        m_ptMRUFloatPos = CPoint(store.ReadInt("MRUFloatXPos", 0), store.ReadInt("MRUFloatYPos", 0));
        if (dockState != nullptr) {
            dockState->ScaleRectPos(m_rectMRUDockPos);
            dockState->ScalePoint(m_ptMRUFloatPos);
        }
    }
    const int count = std::max(0, std::min(store.ReadInt("Bars", 0), kMaxBarIds));
    m_arrBarID.RemoveAll();
    for (int i = 0; i < count; ++i) m_arrBarID.Add(static_cast<DWORD>(store.ReadInt(Numbered("Bar#%d", i), 0)));
}

BOOL CControlBarInfo::SaveState(LPCSTR profileName, int index) {
    if (!IsWorthSaving()) return FALSE;
    const CString section = SectionName(profileName, index);
    // A section used before may hold keys this record leaves out.
    if (CWinApp* app = AfxGetApp()) app->WriteProfileString(section, nullptr, nullptr);
    ProfileBarStateStore store(section);
    return WriteKeys(store);
}

BOOL CControlBarInfo::LoadState(LPCSTR profileName, int index, CDockState* dockState) {
    ProfileBarStateStore store(SectionName(profileName, index));
    if (!store.Has("BarID")) return FALSE;  // no record there
    ReadKeys(store, dockState);
    return TRUE;
}

void CControlBarInfo::SerializeExtra(CArchive&, CDockState*) {}

void CControlBarInfo::Serialize(CArchive& archive, CDockState* dockState) {
    const DWORD version = dockState != nullptr ? dockState->GetVersion() : 2;
    if (archive.IsStoring()) {
        archive << static_cast<DWORD>(m_nBarID) << static_cast<DWORD>(m_bVisible) << static_cast<DWORD>(m_bFloating)
                << static_cast<DWORD>(m_bHorz) << m_pointPos.x << m_pointPos.y;
        if (version > 1) {
            archive << static_cast<DWORD>(m_nMRUWidth) << static_cast<DWORD>(m_bDocking);
            if (m_bDocking) {
                archive << static_cast<DWORD>(m_uMRUDockID) << m_rectMRUDockPos.left << m_rectMRUDockPos.top
                        << m_rectMRUDockPos.right << m_rectMRUDockPos.bottom << m_dwMRUFloatStyle << m_ptMRUFloatPos.x
                        << m_ptMRUFloatPos.y;
            }
        }
        SerializeExtra(archive, dockState);
        archive << static_cast<WORD>(m_arrBarID.GetSize());
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) archive << m_arrBarID[i];
        return;
    }
    DWORD id = 0, visible = 0, floating = 0, horz = 0;
    archive >> id >> visible >> floating >> horz >> m_pointPos.x >> m_pointPos.y;
    m_nBarID = id;
    m_bDockBar = m_nBarID >= kFirstDockBarId && m_nBarID <= kLastDockBarId;
    m_bVisible = visible != 0;
    m_bFloating = floating != 0;
    m_bHorz = horz != 0;
    if (dockState != nullptr && m_pointPos != CPoint(kNoPosition, kNoPosition)) dockState->ScalePoint(m_pointPos);
    if (version > 1) {
        DWORD width = 0, docking = 0;
        archive >> width >> docking;
        m_nMRUWidth = static_cast<int>(width);
        m_bDocking = docking != 0;
        if (m_bDocking) {
            DWORD dockId = 0;
            archive >> dockId >> m_rectMRUDockPos.left >> m_rectMRUDockPos.top >> m_rectMRUDockPos.right >>
                m_rectMRUDockPos.bottom >> m_dwMRUFloatStyle >> m_ptMRUFloatPos.x >> m_ptMRUFloatPos.y;
            m_uMRUDockID = dockId;
            if (dockState != nullptr) {
                dockState->ScaleRectPos(m_rectMRUDockPos);
                dockState->ScalePoint(m_ptMRUFloatPos);
            }
        }
    }
    SerializeExtra(archive, dockState);
    WORD count = 0;
    archive >> count;
    if (count > kMaxBarIds) AfxThrowArchiveException(CArchiveException::badIndex);
    m_arrBarID.RemoveAll();
    for (WORD i = 0; i < count; ++i) {
        DWORD entry = 0;
        archive >> entry;
        m_arrBarID.Add(entry);
    }
}

// --- the list of records ----------------------------------------------------

CDockState::CDockState() : m_size(CurrentScreenSize()), m_dwVersion(2) {}

CDockState::~CDockState() { Clear(); }

void CDockState::Clear() {
    for (CControlBarInfo* info : m_arrBarInfo) delete info;
    m_arrBarInfo.clear();
}

void CDockState::RemoveAt(INT_PTR index) {
    delete m_arrBarInfo[static_cast<size_t>(index)];
    m_arrBarInfo.erase(m_arrBarInfo.begin() + index);
}

CString CDockState::SummaryName(LPCSTR profileName) {
    CString name;
    name.Format("%s-Summary", profileName);
    return name;
}

CSize CDockState::CurrentScreenSize() {
    return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

void CDockState::ScalePoint(CPoint& point) const {
    const CSize screen = CurrentScreenSize();
    if (m_size.cx <= 0 || m_size.cy <= 0 || m_size == screen) return;
    point.x = ::MulDiv(point.x, screen.cx, m_size.cx);
    point.y = ::MulDiv(point.y, screen.cy, m_size.cy);
    point.x = std::max(0L, std::min(point.x, static_cast<LONG>(screen.cx - 1)));
    point.y = std::max(0L, std::min(point.y, static_cast<LONG>(screen.cy - 1)));
}

void CDockState::ScaleRectPos(CRect& rect) const {
    CPoint topLeft = rect.TopLeft();
    const CSize size = rect.Size();
    ScalePoint(topLeft);
    rect = CRect(topLeft, size);
}

void CDockState::SaveState(LPCSTR profileName) {
    int written = 0;
    for (CControlBarInfo* info : m_arrBarInfo)
        if (info->SaveState(profileName, written)) ++written;
    if (CWinApp* app = AfxGetApp()) {
        const CString summary = SummaryName(profileName);
        const CSize screen = CurrentScreenSize();
        app->WriteProfileInt(summary, "Bars", written);
        app->WriteProfileInt(summary, "ScreenCX", screen.cx);
        app->WriteProfileInt(summary, "ScreenCY", screen.cy);
    }
}

void CDockState::LoadState(LPCSTR profileName) {
    Clear();
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return;
    const CString summary = SummaryName(profileName);
    const int bars = std::max(0, std::min(static_cast<int>(app->GetProfileInt(summary, "Bars", 0)), kMaxBars));
    m_size = CSize(static_cast<int>(app->GetProfileInt(summary, "ScreenCX", 0)),
                   static_cast<int>(app->GetProfileInt(summary, "ScreenCY", 0)));
    m_dwVersion = 2;
    // Sections are numbered without gaps: the first without a bar ends the list.
    for (int i = 0; i < bars; ++i) {
        CControlBarInfo* info = NewBarInfo();
        if (!info->LoadState(profileName, i, this)) {
            delete info;
            break;
        }
        Add(info);
    }
}

void CDockState::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << static_cast<DWORD>(2);
        const CSize screen = CurrentScreenSize();
        archive << static_cast<int>(screen.cx) << static_cast<int>(screen.cy);
        archive << static_cast<WORD>(m_arrBarInfo.size());
        for (CControlBarInfo* info : m_arrBarInfo) info->Serialize(archive, this);
        return;
    }
    Clear();
    archive >> m_dwVersion;
    if (m_dwVersion == 0 || m_dwVersion > 2) AfxThrowArchiveException(CArchiveException::badSchema);
    if (m_dwVersion > 1) {
        int cx = 0, cy = 0;
        archive >> cx >> cy;
        m_size = CSize(cx, cy);
    }
    WORD count = 0;
    archive >> count;
    for (WORD i = 0; i < count; ++i) {
        CControlBarInfo* info = NewBarInfo();
        try {
            info->Serialize(archive, this);
        } catch (...) {
            delete info;
            Clear();
            throw;
        }
        Add(info);
    }
    m_dwVersion = 2;
}
