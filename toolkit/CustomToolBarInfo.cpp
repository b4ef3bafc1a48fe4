#include "CustomToolBarInfo.h"

#include "Archive.h"
#include "CustomToolBar.h"
#include "Exceptions.h"
#include "PersistentTree.h"
#include "WinApp.h"

IMPLEMENT_DYNCREATE(SECCustomToolBarInfoEx, SECControlBarInfoEx)

namespace {

constexpr size_t kMaxButtonData = 255;
constexpr DWORD kMaxButtons = 0x10000;

}  // namespace

std::vector<BYTE> SECCustomToolBarInfoEx::Pack() const {
    std::vector<BYTE> packed;
    for (const SECBtnInfo& button : m_buttons) {
        for (int shift = 0; shift < 32; shift += 8) packed.push_back(static_cast<BYTE>(button.id >> shift));
        const size_t length = std::min(button.data.size(), kMaxButtonData);
        packed.push_back(static_cast<BYTE>(length));
        packed.insert(packed.end(), button.data.begin(), button.data.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return packed;
}

BOOL SECCustomToolBarInfoEx::Unpack(const BYTE* data, size_t size) {
    m_buttons.clear();
    std::vector<SECBtnInfo> buttons;
    size_t at = 0;
    while (at < size) {
        if (size - at < 5) return FALSE;
        SECBtnInfo button{static_cast<UINT>(data[at]) | static_cast<UINT>(data[at + 1]) << 8 |
                              static_cast<UINT>(data[at + 2]) << 16 | static_cast<UINT>(data[at + 3]) << 24,
                          {}};
        const size_t length = data[at + 4];
        at += 5;
        if (size - at < length) return FALSE;
        button.data.assign(data + at, data + at + length);
        at += length;
        buttons.push_back(std::move(button));
    }
    m_buttons = std::move(buttons);
    return TRUE;
}

void SECCustomToolBarInfoEx::Serialize(CArchive& archive, SECDockState*) {
    if (archive.IsStoring()) {
        archive << m_strTitle << static_cast<DWORD>(m_buttons.size());
        for (const SECBtnInfo& button : m_buttons) {
            const size_t length = std::min(button.data.size(), kMaxButtonData);
            archive << static_cast<DWORD>(button.id) << static_cast<BYTE>(length);
            if (length != 0) archive.Write(button.data.data(), static_cast<UINT>(length));
        }
        return;
    }
    DWORD count = 0;
    archive >> m_strTitle >> count;
    if (count > kMaxButtons) AfxThrowArchiveException(CArchiveException::badIndex);
    m_buttons.clear();
    for (DWORD i = 0; i < count; ++i) {
        DWORD id = 0;
        BYTE length = 0;
        archive >> id >> length;
        SECBtnInfo button{id, std::vector<BYTE>(length)};
        if (length != 0 && archive.Read(button.data.data(), length) != length)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        m_buttons.push_back(std::move(button));
    }
}

BOOL SECCustomToolBarInfoEx::SaveState(LPCSTR profileSection) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || profileSection == nullptr) return FALSE;
    if (!m_strTitle.IsEmpty()) app->WriteProfileString(profileSection, "Title", m_strTitle);
    std::vector<BYTE> packed = Pack();
    return app->WriteProfileBinary(profileSection, "Buttons", packed.data(), static_cast<UINT>(packed.size()));
}

BOOL SECCustomToolBarInfoEx::LoadState(LPCSTR profileSection) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || profileSection == nullptr) return FALSE;
    m_strTitle = app->GetProfileString(profileSection, "Title", "");
    LPBYTE data = nullptr;
    UINT size = 0;
    m_buttons.clear();
    if (!app->GetProfileBinary(profileSection, "Buttons", &data, &size)) return TRUE;
    const BOOL ok = Unpack(data, size);
    delete[] data;
    return ok;
}

BOOL SECCustomToolBarInfoEx::SaveState(SECPersistentTreeNode* node) {
    if (node == nullptr) return FALSE;
    SECPersistentTreeNode* child = node->FindChild("ToolBarInfoEx");
    if (child == nullptr) child = node->GetFactory()->CreateNode("ToolBarInfoEx", node);
    if (child == nullptr) return FALSE;
    child->SetValue("Title", m_strTitle);
    const std::vector<BYTE> packed = Pack();
    if (packed.empty()) {
        child->RemoveValue("Buttons");
        return TRUE;
    }
    return child->SetBinaryValue("Buttons", packed.data(), static_cast<UINT>(packed.size())) == PTN_SUCCESS;
}

BOOL SECCustomToolBarInfoEx::LoadState(SECPersistentTreeNode* node) {
    SECPersistentTreeNode* child = node != nullptr ? node->FindChild("ToolBarInfoEx") : nullptr;
    if (child == nullptr) return FALSE;
    child->GetValue("Title", m_strTitle, "");
    m_buttons.clear();
    BYTE* data = nullptr;
    UINT size = 0;
    const UINT read = child->GetBinaryValue("Buttons", &data, &size);
    if (read == PTN_KEY_NOT_FOUND) return TRUE;
    const BOOL ok = read == PTN_SUCCESS && Unpack(data, size);
    delete[] data;
    return ok;
}

void SECCustomToolBarInfoEx::GetFrom(SECControlBar* bar) {
    auto* toolBar = dynamic_cast<SECCustomToolBar*>(bar);
    if (toolBar == nullptr) return;
    toolBar->GetWindowText(m_strTitle);
    m_buttons.clear();
    for (int i = 0; i < toolBar->GetButtonCount(); ++i) {
        const SECStdBtn* button = toolBar->GetButton(i);
        SECBtnInfo info{button->IsSeparator() ? 0u : button->m_nID, std::vector<BYTE>(kMaxButtonData)};
        const int length = button->GetSavedData(info.data.data(), static_cast<int>(kMaxButtonData));
        info.data.resize(static_cast<size_t>(std::max(0, std::min(length, static_cast<int>(kMaxButtonData)))));
        m_buttons.push_back(std::move(info));
    }
}

void SECCustomToolBarInfoEx::ApplyTo(SECControlBar* bar) {
    auto* toolBar = dynamic_cast<SECCustomToolBar*>(bar);
    if (toolBar == nullptr) return;
    toolBar->RemoveAllButtons();
    if (!m_strTitle.IsEmpty()) toolBar->SetWindowText(m_strTitle);
    for (const SECBtnInfo& info : m_buttons) {
        toolBar->InsertButton(toolBar->GetButtonCount(), info.id, info.id == 0, TRUE);
        toolBar->GetButton(toolBar->GetButtonCount() - 1)
            ->SetSavedData(info.data.data(), static_cast<int>(info.data.size()));
    }
}
