// The toolkit's saved bar layout: SECControlBarInfo adds to the framework's
// record the toolkit bar's sizes, styles, MDI-child state and what it takes
// to create the bar again (class name, caption, resource id); an
// extension record (SECControlBarInfoEx) carries a bar kind's own data (the
// customisable toolbar's title and buttons). SECDockState keeps them in
// three forms: the application profile, a persistent tree and an archive.
//
// Restoring creates missing bars by the stored class name, but only classes
// that are toolkit control bars: any other class named by edited data is
// refused and its record dropped. Everything copied from a store is
// bounded (counts capped, the window placement taken only at its size).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "DockState.h"
#include "ObjectModel.h"
#include "TextString.h"

class CArchive;
class CControlBar;
class CDockBar;
class CFrameWnd;
class SECControlBar;
class SECControlBarManager;
class SECDockState;
class SECPersistentTreeNode;

// A bar kind's own saved data; the base has none.
class SECControlBarInfoEx : public CObject {
    DECLARE_DYNCREATE(SECControlBarInfoEx)

public:
    virtual void Serialize(CArchive& archive, SECDockState* dockState);
    virtual BOOL LoadState(SECPersistentTreeNode* node);
    virtual BOOL LoadState(LPCSTR profileSection);
    virtual BOOL SaveState(SECPersistentTreeNode* node);
    virtual BOOL SaveState(LPCSTR profileSection);
    // Takes the data of a bar, and gives it to a bar.
    virtual void GetFrom(SECControlBar* bar);
    virtual void ApplyTo(SECControlBar* bar);
};

class SECControlBarInfo : public CControlBarInfo {
public:
    explicit SECControlBarInfo(SECControlBarManager* manager = nullptr);
    ~SECControlBarInfo() override;

    BOOL WriteKeys(BarStateWriter& store) const override;
    void ReadKeys(BarStateReader& store, CDockState* dockState) override;

    // Tree form: node "Bar-<index>" under `root`.
    virtual BOOL SaveState(SECPersistentTreeNode* root, int index);
    virtual BOOL LoadState(SECPersistentTreeNode* node, CDockState* dockState);
    BOOL SaveState(LPCSTR profileName, int index) override;
    BOOL LoadState(LPCSTR profileName, int index, CDockState* dockState) override;

    // The extension record for the record's class (none for most bars).
    void CreateExtension();

    CSize m_szHorzDocked;
    CSize m_szVertDocked;
    CSize m_szFloat;
    DWORD m_dwMRUDockingState;
    DWORD m_dwDockStyle;
    float m_fPctWidth;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    BOOL m_bPrevFloating;
    BOOL m_bMDIChild;
    WINDOWPLACEMENT m_wpMDIChild;
    CString m_strClassName;
    CString m_strWindowName;
    int m_nResourceID;
    int m_nTypeID;
    std::unique_ptr<SECControlBarInfoEx> m_pInfoEx;
    SECControlBarManager* m_pManager;

protected:
    void SerializeExtra(CArchive& archive, CDockState* dockState) override;
};

class SECDockState : public CDockState {
    DECLARE_DYNCREATE(SECDockState)

public:
    SECDockState();
    explicit SECDockState(SECControlBarManager* manager);

    CControlBarInfo* NewBarInfo() override { return CreateBarInfo(m_pManager); }
    virtual SECControlBarInfo* CreateBarInfo(SECControlBarManager* manager);
    SECControlBarInfo* GetInfo(INT_PTR index) const { return static_cast<SECControlBarInfo*>(GetBarInfo(index)); }

    // Tree form: node "DockState" under `root` (FALSE when loading finds none).
    virtual BOOL SaveState(SECPersistentTreeNode* root);
    virtual BOOL LoadState(SECPersistentTreeNode* root);
    using CDockState::LoadState;
    using CDockState::SaveState;

    // A frame's layout: a record per toolkit bar and per dock bar (the
    // frame's sides, and the dock bar of each floating frame or floating
    // MDI child holding toolkit bars). Plain framework bars are left out.
    virtual void GetState(CFrameWnd* frame);
    // Gives a frame the layout: bars found by id, or known to the manager,
    // or created by class name; each docked into its saved dock bar, row
    // and place, or floated where it was; sizes, styles and visibility
    // restored. Records whose bar can't be had are dropped.
    virtual void SetState(CFrameWnd* frame);
    // The bar of each record (made for floating dock bars); `mdi` when the
    // frame can host bars in MDI children.
    virtual void FindOrCreateBars(CFrameWnd* frame, BOOL mdi);
    // Ex-styles given again, floating frames placed and shown.
    virtual void AfterSetState();
    // Each floating MDI child that holds bars gets its saved placement.
    virtual void RestoreMDIChildPlacements(CFrameWnd* frame);

    // Before saving: a hidden bar's entry stays only in its own most
    // recent dock bar's list; later duplicates become 0; each non-empty
    // list ends in exactly one 0.
    void Normalize();

    // A new bar of the named class for a record, or null when the class is
    // unknown, not creatable or not a toolkit control bar. A toolkit frame
    // adopts the bar (deletes it with itself); for other frames the caller
    // owns it.
    virtual SECControlBar* CreateControlBar(LPCSTR className, CFrameWnd* frame, SECControlBarInfo* info);
    virtual CRuntimeClass* FindRuntimeClass(LPCSTR className);

    SECControlBarManager* m_pManager;
    // When set, every bar created while restoring is added to it.
    std::vector<SECControlBar*>* m_pCreatedBars = nullptr;

protected:
    // The record of a dock bar: its id, floating or not, where its floating
    // frame is, and its bars in rows (0 ending a row; a hidden bar's id
    // with kHiddenBarFlag).
    void GetDockBarInfo(CDockBar* dockBar, SECControlBarInfo* info);
    // Puts the bars the record lists into its dock bar, row by row, each at
    // its saved place.
    void SetDockBarInfo(SECControlBarInfo* info, std::vector<CControlBar*>& placed);
    // The bar of the record (not a dock bar's) with that id, or null.
    CControlBar* FindRecordBar(UINT id) const;
    // A floating frame (or MDI child, with `mdiChild`) for a floating dock
    // bar's record; its dock bar, or null.
    CDockBar* CreateFloatingDockBar(CFrameWnd* frame, SECControlBarInfo* info, BOOL mdiChild);
};
