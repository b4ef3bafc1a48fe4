#include "SECDockState.h"

#include <algorithm>
#include <cstdlib>

#include "Archive.h"
#include "CustomToolBar.h"
#include "CustomToolBarInfo.h"
#include "DialogBar.h"
#include "DockBar.h"
#include "Exceptions.h"
#include "FloatingMDIChild.h"
#include "FrameFeatures.h"
#include "FrameWnd.h"
#include "MDIFrame.h"
#include "MiniFrameWnd.h"
#include "PersistentTree.h"
#include "SECControlBar.h"
#include "ToolBarManager.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(SECControlBarInfoEx, CObject)
IMPLEMENT_DYNCREATE(SECDockState, CDockState)

namespace {

constexpr DWORD kPlacementBytes = 44;  // eleven 32-bit fields

// A persistent-tree node as a store of bar keys.
class TreeBarStateStore : public BarStateWriter, public BarStateReader {
public:
    explicit TreeBarStateStore(SECPersistentTreeNode* node) : m_node(node) {}
    void WriteInt(LPCSTR key, int value) override { m_node->SetIntValue(key, value); }
    void WriteBool(LPCSTR key, BOOL value) override { m_node->SetBoolValue(key, value); }
    void WriteString(LPCSTR key, LPCSTR value) override { m_node->SetValue(key, value); }
    void WriteBinary(LPCSTR key, const BYTE* data, UINT size) override { m_node->SetBinaryValue(key, data, size); }
    BOOL Has(LPCSTR key) override {
        CString value;
        return m_node->GetValue(key, value) == PTN_SUCCESS;
    }
    int ReadInt(LPCSTR key, int defaultValue) override {
        int value = defaultValue;
        m_node->GetIntValue(key, value, defaultValue);
        return value;
    }
    BOOL ReadBool(LPCSTR key, BOOL defaultValue) override {
        BOOL value = defaultValue;
        m_node->GetBoolValue(key, value, defaultValue);
        return value;
    }
    CString ReadString(LPCSTR key, LPCSTR defaultValue) override {
        CString value;
        m_node->GetValue(key, value, defaultValue);
        return value;
    }
    BOOL ReadBinary(LPCSTR key, std::vector<BYTE>& data) override {
        data.clear();
        BYTE* bytes = nullptr;
        UINT size = 0;
        if (m_node->GetBinaryValue(key, &bytes, &size) != PTN_SUCCESS) return FALSE;
        data.assign(bytes, bytes + size);
        delete[] bytes;
        return TRUE;
    }

private:
    SECPersistentTreeNode* m_node;
};

// The child of `parent` with that name, made when missing, its values
// cleared (an earlier save may have written keys this one leaves out).
SECPersistentTreeNode* FreshChild(SECPersistentTreeNode* parent, LPCSTR name) {
    SECPersistentTreeNode* child = parent->FindChild(name);
    if (child == nullptr) child = parent->GetFactory()->CreateNode(name, parent);
    if (child == nullptr) return nullptr;
    while (child->GetValueCount() > 0) child->RemoveValue(child->GetPair(0).m_strKey);
    return child;
}

CString BarNodeName(int index) {
    CString name;
    name.Format("Bar-%d", index);
    return name;
}

void PutPlacement(const WINDOWPLACEMENT& placement, BYTE* out) {
    const LONG fields[11] = {static_cast<LONG>(kPlacementBytes), static_cast<LONG>(placement.flags),
                             static_cast<LONG>(placement.showCmd), placement.ptMinPosition.x, placement.ptMinPosition.y,
                             placement.ptMaxPosition.x, placement.ptMaxPosition.y, placement.rcNormalPosition.left,
                             placement.rcNormalPosition.top, placement.rcNormalPosition.right,
                             placement.rcNormalPosition.bottom};
    for (int i = 0; i < 11; ++i)
        for (int b = 0; b < 4; ++b) out[i * 4 + b] = static_cast<BYTE>(static_cast<DWORD>(fields[i]) >> (8 * b));
}

WINDOWPLACEMENT GetPlacement(const BYTE* in) {
    LONG fields[11];
    for (int i = 0; i < 11; ++i)
        fields[i] = static_cast<LONG>(static_cast<DWORD>(in[i * 4]) | static_cast<DWORD>(in[i * 4 + 1]) << 8 |
                                      static_cast<DWORD>(in[i * 4 + 2]) << 16 | static_cast<DWORD>(in[i * 4 + 3]) << 24);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = static_cast<UINT>(fields[1]);
    placement.showCmd = static_cast<UINT>(fields[2]);
    placement.ptMinPosition = POINT{fields[3], fields[4]};
    placement.ptMaxPosition = POINT{fields[5], fields[6]};
    placement.rcNormalPosition = RECT{fields[7], fields[8], fields[9], fields[10]};
    return placement;
}

}  // namespace

// --- extension records ------------------------------------------------------

void SECControlBarInfoEx::Serialize(CArchive&, SECDockState*) {}
BOOL SECControlBarInfoEx::LoadState(SECPersistentTreeNode* node) { return node != nullptr; }
BOOL SECControlBarInfoEx::LoadState(LPCSTR) { return TRUE; }
BOOL SECControlBarInfoEx::SaveState(SECPersistentTreeNode* node) { return node != nullptr; }
BOOL SECControlBarInfoEx::SaveState(LPCSTR) { return TRUE; }
void SECControlBarInfoEx::GetFrom(SECControlBar*) {}
void SECControlBarInfoEx::ApplyTo(SECControlBar*) {}

// --- one bar's record -------------------------------------------------------

SECControlBarInfo::SECControlBarInfo(SECControlBarManager* manager)
    : m_szHorzDocked(0, 0), m_szVertDocked(0, 0), m_szFloat(0, 0), m_dwMRUDockingState(0), m_dwDockStyle(0),
      m_fPctWidth(1.0f), m_dwStyle(0), m_dwExStyle(0), m_bPrevFloating(FALSE), m_bMDIChild(FALSE), m_wpMDIChild{},
      m_nResourceID(0), m_nTypeID(0), m_pManager(manager) {
    m_wpMDIChild.length = sizeof m_wpMDIChild;
}

SECControlBarInfo::~SECControlBarInfo() = default;

void SECControlBarInfo::CreateExtension() {
    if (m_pInfoEx != nullptr) return;
    const CRuntimeClass* barClass = CRuntimeClass::FromName(m_strClassName);
    const BOOL customToolBar = m_nTypeID == SEC_BARTYPE_CUSTOMTOOLBAR ||
                               (barClass != nullptr && barClass->IsDerivedFrom(RUNTIME_CLASS(SECCustomToolBar)));
    if (customToolBar) {
        m_nTypeID = SEC_BARTYPE_CUSTOMTOOLBAR;
        m_pInfoEx = std::make_unique<SECCustomToolBarInfoEx>();
    }
}

BOOL SECControlBarInfo::WriteKeys(BarStateWriter& store) const {
    if (!CControlBarInfo::WriteKeys(store)) return FALSE;
    store.WriteInt("Style", static_cast<int>(m_dwStyle));
    store.WriteInt("ExStyle", static_cast<int>(m_dwExStyle));
    store.WriteInt("PrevFloating", m_bPrevFloating ? 1 : 0);
    store.WriteInt("MDIChild", m_bMDIChild ? 1 : 0);
    if (m_bMDIChild) {
        BYTE placement[kPlacementBytes];
        PutPlacement(m_wpMDIChild, placement);
        store.WriteBinary("MDIChildWindowPlacement", placement, kPlacementBytes);
    }
    CString pct;
    pct.Format("%d", static_cast<int>(m_fPctWidth * 1000000.0));
    store.WriteString("PctWidth", pct);
    store.WriteInt("MRUFloatCX", m_szFloat.cx);
    store.WriteInt("MRUFloatCY", m_szFloat.cy);
    store.WriteInt("MRUHorzDockCX", m_szHorzDocked.cx);
    store.WriteInt("MRUHorzDockCY", m_szHorzDocked.cy);
    store.WriteInt("MRUVertDockCX", m_szVertDocked.cx);
    store.WriteInt("MRUVertDockCY", m_szVertDocked.cy);
    store.WriteInt("MRUDockingState", static_cast<int>(m_dwMRUDockingState));
    store.WriteInt("DockingStyle", static_cast<int>(m_dwDockStyle));
    store.WriteInt("TypeID", m_nTypeID);
    store.WriteString("ClassName", m_strClassName);
    store.WriteString("WindowName", m_strWindowName);
    store.WriteInt("ResourceID", m_nResourceID);
    return TRUE;
}

void SECControlBarInfo::ReadKeys(BarStateReader& store, CDockState* dockState) {
    CControlBarInfo::ReadKeys(store, dockState);
    m_dwStyle = static_cast<DWORD>(store.ReadInt("Style", static_cast<int>(m_dwStyle)));
    m_dwExStyle = static_cast<DWORD>(store.ReadInt("ExStyle", static_cast<int>(m_dwExStyle)));
    m_bPrevFloating = store.ReadInt("PrevFloating", 0) != 0;
    m_bMDIChild = store.ReadInt("MDIChild", 0) != 0;
    std::vector<BYTE> placement;
    // Taken only at its own size: anything else is not a placement.
    if (m_bMDIChild && store.ReadBinary("MDIChildWindowPlacement", placement) && placement.size() == kPlacementBytes)
        m_wpMDIChild = GetPlacement(placement.data());
    const long millionths = std::strtol(store.ReadString("PctWidth", "1000000"), nullptr, 10);
    m_fPctWidth = static_cast<float>(std::max(0L, millionths) * 0.000001);
    auto size = [&](LPCSTR key) { return std::max(0, store.ReadInt(key, 0)); };
    m_szFloat = CSize(size("MRUFloatCX"), size("MRUFloatCY"));
    m_szHorzDocked = CSize(size("MRUHorzDockCX"), size("MRUHorzDockCY"));
    m_szVertDocked = CSize(size("MRUVertDockCX"), size("MRUVertDockCY"));
    m_dwMRUDockingState = static_cast<DWORD>(store.ReadInt("MRUDockingState", static_cast<int>(m_dwMRUDockingState)));
    m_dwDockStyle = static_cast<DWORD>(store.ReadInt("DockingStyle", static_cast<int>(m_dwDockStyle)));
    m_nTypeID = store.ReadInt("TypeID", 0);
    m_strClassName = store.ReadString("ClassName", "");
    m_strWindowName = store.ReadString("WindowName", "");
    m_nResourceID = store.ReadInt("ResourceID", m_nResourceID);
}

BOOL SECControlBarInfo::SaveState(LPCSTR profileName, int index) {
    if (!CControlBarInfo::SaveState(profileName, index)) return FALSE;
    if (m_pInfoEx != nullptr) m_pInfoEx->SaveState(SectionName(profileName, index));
    return TRUE;
}

BOOL SECControlBarInfo::LoadState(LPCSTR profileName, int index, CDockState* dockState) {
    if (!CControlBarInfo::LoadState(profileName, index, dockState)) return FALSE;
    CreateExtension();
    return m_pInfoEx == nullptr || m_pInfoEx->LoadState(SectionName(profileName, index));
}

BOOL SECControlBarInfo::SaveState(SECPersistentTreeNode* root, int index) {
    if (root == nullptr || !IsWorthSaving()) return FALSE;
    SECPersistentTreeNode* node = FreshChild(root, BarNodeName(index));
    if (node == nullptr) return FALSE;
    TreeBarStateStore store(node);
    WriteKeys(store);
    if (m_pInfoEx != nullptr) m_pInfoEx->SaveState(node);
    return TRUE;
}

BOOL SECControlBarInfo::LoadState(SECPersistentTreeNode* node, CDockState* dockState) {
    if (node == nullptr) return FALSE;
    TreeBarStateStore store(node);
    if (!store.Has("BarID")) return FALSE;
    ReadKeys(store, dockState);
    CreateExtension();
    return m_pInfoEx == nullptr || m_pInfoEx->LoadState(node);
}

void SECControlBarInfo::SerializeExtra(CArchive& archive, CDockState* dockState) {
    if (archive.IsStoring()) {
        CString pct;
        pct.Format("%d", static_cast<int>(m_fPctWidth * 1000000.0));
        archive << m_dwStyle << m_dwExStyle << static_cast<DWORD>(m_bPrevFloating) << static_cast<DWORD>(m_bMDIChild)
                << pct << m_szFloat.cx << m_szFloat.cy << m_szHorzDocked.cx << m_szHorzDocked.cy << m_szVertDocked.cx
                << m_szVertDocked.cy << m_dwMRUDockingState << m_dwDockStyle << static_cast<DWORD>(m_nTypeID);
        if (m_pInfoEx != nullptr) m_pInfoEx->Serialize(archive, static_cast<SECDockState*>(dockState));
        return;
    }
    DWORD prevFloating = 0, mdiChild = 0, typeId = 0;
    CString pct;
    archive >> m_dwStyle >> m_dwExStyle >> prevFloating >> mdiChild >> pct >> m_szFloat.cx >> m_szFloat.cy >>
        m_szHorzDocked.cx >> m_szHorzDocked.cy >> m_szVertDocked.cx >> m_szVertDocked.cy >> m_dwMRUDockingState >>
        m_dwDockStyle >> typeId;
    m_bPrevFloating = prevFloating != 0;
    m_bMDIChild = mdiChild != 0;
    m_fPctWidth = static_cast<float>(std::max(0L, std::strtol(pct, nullptr, 10)) * 0.000001);
    m_nTypeID = static_cast<int>(typeId);
    CreateExtension();
    if (m_pInfoEx != nullptr) m_pInfoEx->Serialize(archive, static_cast<SECDockState*>(dockState));
}

// --- the list ---------------------------------------------------------------

SECDockState::SECDockState() : m_pManager(nullptr) {}
SECDockState::SECDockState(SECControlBarManager* manager) : m_pManager(manager) {}

SECControlBarInfo* SECDockState::CreateBarInfo(SECControlBarManager* manager) { return new SECControlBarInfo(manager); }

BOOL SECDockState::SaveState(SECPersistentTreeNode* root) {
    if (root == nullptr || !root->IsCreated()) return FALSE;
    SECPersistentTreeNode* node = FreshChild(root, "DockState");
    if (node == nullptr) return FALSE;
    int written = 0;
    for (INT_PTR i = 0; i < GetCount(); ++i)
        if (GetInfo(i)->SaveState(node, written)) ++written;
    const CSize screen = CurrentScreenSize();
    node->SetIntValue("Bars", written);
    node->SetIntValue("ScreenCX", screen.cx);
    node->SetIntValue("ScreenCY", screen.cy);
    return TRUE;
}

BOOL SECDockState::LoadState(SECPersistentTreeNode* root) {
    SECPersistentTreeNode* node = root != nullptr ? root->FindChild("DockState") : nullptr;
    if (node == nullptr) return FALSE;
    Clear();
    int bars = 0, cx = 0, cy = 0;
    node->GetIntValue("Bars", bars, 0);
    node->GetIntValue("ScreenCX", cx, 0);
    node->GetIntValue("ScreenCY", cy, 0);
    m_size = CSize(cx, cy);
    m_dwVersion = 2;
    bars = std::max(0, std::min(bars, kMaxBars));
    for (int i = 0; i < bars; ++i) {
        SECPersistentTreeNode* barNode = node->FindChild(BarNodeName(i));
        if (barNode == nullptr) continue;
        SECControlBarInfo* info = CreateBarInfo(m_pManager);
        if (info->LoadState(barNode, this)) Add(info);
        else delete info;
    }
    return TRUE;
}

void SECDockState::Normalize() {
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        const CControlBarInfo* first = GetBarInfo(i);
        const DWORD hidden = first->m_nBarID | CControlBarInfo::kHiddenBarFlag;
        for (INT_PTR j = 0; j < GetCount(); ++j) {
            CControlBarInfo* second = GetBarInfo(j);
            if (i == j || first->m_uMRUDockID == second->m_nBarID) continue;
            CDWordArray& ids = second->m_arrBarID;
            for (INT_PTR k = 0; k + 1 < ids.GetSize(); ++k) {
                if (ids[k] != hidden) continue;
                ids.RemoveAt(k);
                --k;
            }
        }
    }
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        CDWordArray& ids = GetBarInfo(i)->m_arrBarID;
        for (INT_PTR k = 0; k < ids.GetSize(); ++k) {
            if (ids[k] == 0) continue;
            for (INT_PTR later = k + 1; later < ids.GetSize(); ++later)
                if (ids[later] == ids[k]) ids[later] = 0;
        }
        while (ids.GetSize() > 0 && ids[ids.GetUpperBound()] == 0) ids.RemoveAt(ids.GetUpperBound());
        if (ids.GetSize() > 0) ids.Add(0);
    }
}

CRuntimeClass* SECDockState::FindRuntimeClass(LPCSTR className) {
    return className != nullptr && *className != '\0' ? CRuntimeClass::FromName(className) : nullptr;
}

SECControlBar* SECDockState::CreateControlBar(LPCSTR className, CFrameWnd* frame, SECControlBarInfo* info) {
    CRuntimeClass* barClass = FindRuntimeClass(className);
    // Stored data may name any class: only toolkit control bars are made.
    if (frame == nullptr || info == nullptr || barClass == nullptr || barClass->m_pfnCreateObject == nullptr ||
        !barClass->IsDerivedFrom(RUNTIME_CLASS(SECControlBar)))
        return nullptr;
    std::unique_ptr<SECControlBar> bar(static_cast<SECControlBar*>(barClass->CreateObject()));
    if (bar == nullptr) return nullptr;
    const DWORD style = (info->m_dwStyle & CBRS_ALL) | WS_CHILD | (info->m_bVisible ? WS_VISIBLE : 0);
    BOOL created;
    if (auto* toolBar = dynamic_cast<SECCustomToolBar*>(bar.get())) {
        toolBar->SetExBarStyle(info->m_dwExStyle, FALSE);
        created = toolBar->Create(frame, style, info->m_nBarID, info->m_strWindowName);
        if (created && info->m_pInfoEx != nullptr) info->m_pInfoEx->ApplyTo(toolBar);
    } else if (auto* dialogBar = dynamic_cast<SECDialogBar*>(bar.get())) {
        created = dialogBar->Create(frame, static_cast<UINT>(info->m_nResourceID), style, info->m_dwExStyle,
                                    info->m_nBarID);
    } else {
        created = bar->Create(frame, info->m_strWindowName, style, info->m_dwExStyle, info->m_nBarID);
    }
    if (!created) return nullptr;
    bar->SetWindowText(info->m_strWindowName);
    bar->EnableDocking(CBRS_ALIGN_ANY);
    SECControlBar* made = bar.release();
    // The frame keeps what it restored and deletes it with itself.
    if (auto* host = dynamic_cast<SECFrameFeatureHost*>(frame)) host->AdoptObject(made);
    return made;
}

// --- a frame's layout -------------------------------------------------------

void SECDockState::GetDockBarInfo(CDockBar* dockBar, SECControlBarInfo* info) {
    info->m_pBar = dockBar;
    info->m_nBarID = static_cast<UINT>(dockBar->GetDlgCtrlID());
    info->m_bDockBar = TRUE;
    info->m_bFloating = dockBar->m_bFloating;
    info->m_bHorz = (dockBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    info->m_dwStyle = dockBar->GetBarStyle();
    info->m_bVisible = TRUE;
    info->m_pointPos = CPoint(-1, -1);
    if (dockBar->m_bFloating) {
        CWnd* holder = dockBar->GetParent();
        CRect place;
        holder->GetWindowRect(&place);
        // A floating MDI child keeps its place in the MDI client's terms.
        if (holder->GetStyle() & WS_CHILD) holder->GetParent()->ScreenToClient(&place);
        info->m_pointPos = place.TopLeft();
        info->m_bVisible = (holder->GetStyle() & WS_VISIBLE) != 0;
        if (auto* child = dynamic_cast<CMDIChildWnd*>(holder)) {
            info->m_bMDIChild = TRUE;
            child->GetWindowPlacement(&info->m_wpMDIChild);
        }
    }
    info->m_arrBarID.RemoveAll();
    for (CControlBar* bar : dockBar->m_arrBars) {
        if (bar == nullptr || bar->m_hWnd == nullptr) {
            info->m_arrBarID.Add(0);
            continue;
        }
        DWORD id = static_cast<DWORD>(bar->GetDlgCtrlID());
        if (!bar->IsVisible()) id |= CControlBarInfo::kHiddenBarFlag;
        info->m_arrBarID.Add(id);
    }
}

void SECDockState::GetState(CFrameWnd* frame) {
    Clear();
    if (frame == nullptr) return;
    auto* host = dynamic_cast<SECFrameFeatureHost*>(frame);
    if (m_pManager == nullptr && host != nullptr) m_pManager = host->GetControlBarManager();
    m_size = CurrentScreenSize();
    m_dwVersion = 2;
    std::vector<CDockBar*> floating;
    for (CControlBar* bar : frame->m_listControlBars) {
        if (bar->m_hWnd == nullptr) continue;
        if (auto* dockBar = dynamic_cast<SECDockBar*>(bar)) {
            SECControlBarInfo* info = CreateBarInfo(m_pManager);
            GetDockBarInfo(dockBar, info);
            Add(info);
        } else if (auto* toolkitBar = dynamic_cast<SECControlBar*>(bar)) {
            SECControlBarInfo* info = CreateBarInfo(m_pManager);
            toolkitBar->GetBarInfoEx(info);
            if (CMDIChildWnd* child = SECFloatingHostOf(toolkitBar)) {
                info->m_bMDIChild = TRUE;
                child->GetWindowPlacement(&info->m_wpMDIChild);
            }
            Add(info);
            auto* holder = dynamic_cast<CDockBar*>(toolkitBar->m_pDockBar);
            if (holder != nullptr && holder->m_bFloating &&
                std::find(floating.begin(), floating.end(), holder) == floating.end())
                floating.push_back(holder);
        }
    }
    for (CDockBar* dockBar : floating) {
        SECControlBarInfo* info = CreateBarInfo(m_pManager);
        GetDockBarInfo(dockBar, info);
        Add(info);
    }
}

CControlBar* SECDockState::FindRecordBar(UINT id) const {
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        const CControlBarInfo* info = GetBarInfo(i);
        if (!info->m_bDockBar && info->m_nBarID == id) return info->m_pBar;
    }
    return nullptr;
}

CDockBar* SECDockState::CreateFloatingDockBar(CFrameWnd* frame, SECControlBarInfo* info, BOOL mdiChild) {
    DWORD style = info->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
    // Floating frames of sizeable bars get a sizing border.
    for (INT_PTR k = 0; k < info->m_arrBarID.GetSize(); ++k) {
        const UINT id = info->m_arrBarID[k] & 0xFFFF;
        for (INT_PTR i = 0; id != 0 && i < GetCount(); ++i) {
            const CControlBarInfo* bar = GetBarInfo(i);
            if (!bar->m_bDockBar && bar->m_nBarID == id)
                style |= static_cast<const SECControlBarInfo*>(bar)->m_dwStyle & CBRS_SIZE_DYNAMIC;
        }
    }
    if (mdiChild) {
        auto* mdiFrame = dynamic_cast<SECMDIFrameWnd*>(frame);
        CMDIChildWnd* child = mdiFrame != nullptr ? mdiFrame->CreateFloatingMDIChild(style, nullptr) : nullptr;
        if (child == nullptr) return nullptr;
        CWnd* found = CWnd::FromHandlePermanent(::GetDlgItem(child->m_hWnd, AFX_IDW_DOCKBAR_FLOAT));
        return dynamic_cast<CDockBar*>(found);
    }
    try {
        CMiniDockFrameWnd* floating = frame->CreateFloatingFrame(style);
        return floating != nullptr ? floating->GetDockBar() : nullptr;
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

void SECDockState::FindOrCreateBars(CFrameWnd* frame, BOOL mdi) {
    // Bars first: a floating dock bar's frame is styled by its bars' records.
    for (INT_PTR i = 0; i < GetCount();) {
        SECControlBarInfo* info = GetInfo(i);
        CControlBar* bar = nullptr;
        if (!info->m_bDockBar || !info->m_bFloating) bar = frame->GetControlBar(info->m_nBarID);
        if (bar == nullptr && !info->m_bDockBar) {
            if (auto* manager = dynamic_cast<SECToolBarManager*>(m_pManager))
                for (SECCustomToolBar* known : manager->GetBars())
                    if (known->m_hWnd != nullptr && static_cast<UINT>(known->GetDlgCtrlID()) == info->m_nBarID)
                        bar = known;
            if (bar == nullptr) {
                bar = CreateControlBar(info->m_strClassName, frame, info);
                if (bar != nullptr && m_pCreatedBars != nullptr)
                    m_pCreatedBars->push_back(static_cast<SECControlBar*>(bar));
                // A toolbar made again shares the manager's images and look.
                auto* manager = dynamic_cast<SECToolBarManager*>(m_pManager);
                auto* toolBar = dynamic_cast<SECCustomToolBar*>(bar);
                if (manager != nullptr && toolBar != nullptr) manager->AttachBar(toolBar);
            }
        }
        // A dock bar's record names a dock bar, a bar's record a bar.
        if (bar != nullptr && (info->m_bDockBar != (bar->IsKindOf(RUNTIME_CLASS(CDockBar)) != FALSE))) bar = nullptr;
        if (bar == nullptr && !(info->m_bDockBar && info->m_bFloating)) {
            RemoveAt(i);
            continue;
        }
        info->m_pBar = bar;
        if (!info->m_bDockBar) {
            bar->m_pDockSite = frame;
            frame->AddControlBar(bar);
        }
        ++i;
    }
    for (INT_PTR i = 0; i < GetCount();) {
        SECControlBarInfo* info = GetInfo(i);
        if (info->m_bDockBar && info->m_bFloating) {
            info->m_pBar = CreateFloatingDockBar(frame, info, mdi && info->m_bMDIChild);
            if (info->m_pBar == nullptr) {
                RemoveAt(i);
                continue;
            }
        }
        ++i;
    }
}

void SECDockState::SetDockBarInfo(SECControlBarInfo* info, std::vector<CControlBar*>& placed) {
    auto* dockBar = static_cast<CDockBar*>(info->m_pBar);
    std::vector<CControlBar*> rows;
    for (INT_PTR k = 0; k < info->m_arrBarID.GetSize(); ++k) {
        const UINT id = info->m_arrBarID[k] & 0xFFFF;
        if (id == 0) {
            if (!rows.empty() && rows.back() != nullptr) rows.push_back(nullptr);
            continue;
        }
        CControlBar* bar = FindRecordBar(id);
        if (bar == nullptr || std::find(placed.begin(), placed.end(), bar) != placed.end()) continue;
        if (bar->m_pDockBar != dockBar || dockBar->FindBar(bar) < 0) dockBar->DockControlBar(bar, nullptr);
        placed.push_back(bar);
        rows.push_back(bar);
    }
    if (!rows.empty() && rows.back() != nullptr) rows.push_back(nullptr);
    // Bars the state does not name keep a row of their own after the others.
    for (CControlBar* bar : dockBar->m_arrBars)
        if (bar != nullptr && std::find(rows.begin(), rows.end(), bar) == rows.end()) {
            rows.push_back(bar);
            rows.push_back(nullptr);
        }
    dockBar->m_arrBars = rows;
    if (auto* toolkitDockBar = dynamic_cast<SECDockBar*>(dockBar)) toolkitDockBar->m_pIncoming = nullptr;
}

void SECDockState::SetState(CFrameWnd* frame) {
    if (frame == nullptr) return;
    auto* host = dynamic_cast<SECFrameFeatureHost*>(frame);
    if (m_pManager == nullptr && host != nullptr) m_pManager = host->GetControlBarManager();
    FindOrCreateBars(frame, dynamic_cast<SECMDIFrameWnd*>(frame) != nullptr);
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* info = GetInfo(i);
        if (auto* bar = dynamic_cast<SECControlBar*>(info->m_pBar)) bar->SetBarInfoEx(info, frame);
    }
    std::vector<CControlBar*> placed;
    for (INT_PTR i = 0; i < GetCount(); ++i)
        if (GetInfo(i)->m_bDockBar) SetDockBarInfo(GetInfo(i), placed);
    // Each bar at its saved place in its dock bar, with its saved style and
    // visibility.
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* info = GetInfo(i);
        CControlBar* bar = info->m_pBar;
        if (info->m_bDockBar || bar == nullptr) continue;
        if (dynamic_cast<SECControlBar*>(bar) != nullptr)
            bar->SetBarStyle((bar->GetBarStyle() & ~CBRS_ALL) | (info->m_dwStyle & CBRS_ALL));
        if (info->m_pointPos.x != -1 || info->m_pointPos.y != -1)
            bar->SetWindowPos(nullptr, info->m_pointPos.x, info->m_pointPos.y, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        bar->DelayShow(info->m_bVisible);
        bar->ShowWindow(info->m_bVisible ? SW_SHOWNA : SW_HIDE);
    }
    AfterSetState();
    frame->RecalcLayout();
    if (auto* mdiFrame = dynamic_cast<SECMDIFrameWnd*>(frame)) {
        RestoreMDIChildPlacements(mdiFrame);
        mdiFrame->DelayRecalcLayout();
    }
}

void SECDockState::AfterSetState() {
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* info = GetInfo(i);
        if (auto* bar = dynamic_cast<SECControlBar*>(info->m_pBar)) {
            bar->SetExBarStyle(info->m_dwExStyle, FALSE);
            continue;
        }
        auto* dockBar = dynamic_cast<CDockBar*>(info->m_pBar);
        if (dockBar == nullptr || !info->m_bDockBar || !info->m_bFloating) continue;
        CWnd* holder = dockBar->GetParent();
        holder->SetWindowPos(nullptr, info->m_pointPos.x, info->m_pointPos.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (auto* floating = dynamic_cast<CFrameWnd*>(holder)) floating->RecalcLayout();
        if (dockBar->GetDockedVisibleCount() > 0) holder->ShowWindow(SW_SHOWNA);
    }
}

void SECDockState::RestoreMDIChildPlacements(CFrameWnd*) {
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        SECControlBarInfo* info = GetInfo(i);
        auto* dockBar = dynamic_cast<CDockBar*>(info->m_pBar);
        if (dockBar == nullptr || !info->m_bMDIChild) continue;
        if (auto* child = dynamic_cast<CMDIChildWnd*>(dockBar->GetParent())) {
            WINDOWPLACEMENT placement = info->m_wpMDIChild;
            placement.length = sizeof placement;
            // The child shows only when a bar in it does.
            if (dockBar->GetDockedVisibleCount() == 0) placement.showCmd = SW_HIDE;
            else if (placement.showCmd == SW_SHOWNORMAL || placement.showCmd == SW_SHOW) placement.showCmd = SW_SHOWNOACTIVATE;
            child->SetWindowPlacement(&placement);
        }
    }
}
