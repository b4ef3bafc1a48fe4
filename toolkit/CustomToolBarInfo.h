// The saved data of a customisable toolbar: its title and its buttons,
// each a command id (0 for a separator) with the button's own data (at
// most 255 bytes). Stored as an archive, in a profile section ("Title" and
// the packed list "Buttons") or in a tree node's child "ToolBarInfoEx".
//
// Packed list: per button the command id (32 bits, little-endian), the
// data length (8 bits) and the data. A damaged list is refused whole.
#pragma once

#include <windows.h>

#include <vector>

#include "SECDockState.h"

// The bar-state type of customisable toolbars.
constexpr int SEC_BARTYPE_CUSTOMTOOLBAR = 1;

struct SECBtnInfo {
    UINT id;
    std::vector<BYTE> data;
};

class SECCustomToolBarInfoEx : public SECControlBarInfoEx {
    DECLARE_DYNCREATE(SECCustomToolBarInfoEx)

public:
    void Serialize(CArchive& archive, SECDockState* dockState) override;
    BOOL LoadState(SECPersistentTreeNode* node) override;
    BOOL LoadState(LPCSTR profileSection) override;
    BOOL SaveState(SECPersistentTreeNode* node) override;
    BOOL SaveState(LPCSTR profileSection) override;
    void GetFrom(SECControlBar* bar) override;
    void ApplyTo(SECControlBar* bar) override;

    std::vector<BYTE> Pack() const;
    // FALSE (and no buttons) for a list that runs past its end.
    BOOL Unpack(const BYTE* data, size_t size);

    CString m_strTitle;
    std::vector<SECBtnInfo> m_buttons;
};
