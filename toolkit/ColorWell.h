// Colour wells: a grid of colour cells with an optional "&Other..." button
// that opens the colour dialog, and the drop-down well that a well button
// opens under itself.
#pragma once

#include <windows.h>

#include "Controls.h"
#include "GdiObjects.h"
#include "ToolkitResources.h"
#include "WellGeometry.h"
#include "Wnd.h"

// A colour was chosen (wParam the well's id, or 0 from a drop-down; lParam
// the COLORREF), and the drop-down's request for the colour dialog.
#define WM_SEC_COLORCHOSEN (WM_USER + 101)
#define WM_SEC_COLORDIALOG (WM_USER + 102)
#define SEC_IDC_WELL_OTHER 0xEA31

class SECWellButton;
class SECColorWell;

// The well's "&Other..." push button.
class SECWellOtherButton : public CButton {
public:
    explicit SECWellOtherButton(SECColorWell* well) : m_well(well) {}

protected:
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    SECColorWell* m_well;
};

class SECColorWell : public CWnd {
    DECLARE_DYNAMIC(SECColorWell)

public:
    SECColorWell();
    ~SECColorWell() override;

    virtual BOOL Create(DWORD style, int x, int y, CWnd* parent, UINT id, BOOL dialogUnits = FALSE,
                        BOOL other = FALSE, LPVOID param = nullptr);
    virtual void SetColorDialogFlags(DWORD flags) { m_colorDialogFlags = flags; }
    virtual void SetCustomColors(COLORREF* colours) { m_customColours = colours; }
    virtual void Reset();
    virtual void DrawCell(CDC* dc, int column, int row);
    virtual void DrawSelectedCell(CDC* dc, int column, int row);
    virtual void Notify();
    virtual void OnSelect(int column, int row, int how);
    virtual BOOL CreateGridPalette();
    virtual void SetGridSize();
    virtual void AdjustColors(PALETTEENTRY* /*entries*/, int /*count*/, int /*filled*/) {}
    virtual UINT GetClassStyle() const { return 0; }
    virtual BOOL HasFocusFrame() const { return TRUE; }
    virtual void CalcRect(RECT& rect, CWnd* parent, int x, int y, BOOL dialogUnits);

    void SelectColor(COLORREF colour);
    COLORREF GetSelectedColor() const { return CellColor(m_selection.x, m_selection.y); }
    COLORREF CellColor(int column, int row) const;
    const well_geometry::Grid& GetGrid() const { return m_grid; }
    POINT GetSelection() const { return m_selection; }
    CButton* GetOtherButton() const { return m_otherButton; }

    // The default colours of the grid, by palette index.
    static COLORREF DefaultColor(int index);

protected:
    void SetSelection(int column, int row);
    void InvalidateCell(int column, int row);
    void RunColorDialog();
    void Paint(CDC* dc);
    void DrawFocusFrame();

    afx_msg void OnPaint();
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnOther();
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    friend class SECWellOtherButton;

    well_geometry::Grid m_grid;
    CPalette m_palette;
    POINT m_selection = {0, 0};
    BOOL m_tracking = FALSE;
    BOOL m_focused = FALSE;
    SECWellOtherButton* m_otherButton = nullptr;
    DWORD m_colorDialogFlags = CC_RGBINIT | CC_FULLOPEN;
    COLORREF* m_customColours = nullptr;
    CBrush m_faceBrush;
};

// The drop-down well: an owned pop-up under its well button that captures
// the mouse; a pick, Enter, Escape, a click outside or a loss of focus ends it.
class SECPopupColorWell : public SECColorWell {
    DECLARE_DYNAMIC(SECPopupColorWell)

public:
    BOOL Open(DWORD style, const RECT& buttonRect, CWnd* parent, BOOL other = FALSE, LPVOID param = nullptr);
    void SetOwner(SECWellButton* owner) { m_owner = owner; }
    BOOL IsActive() const { return m_active; }

    void PostNcDestroy() override;
    void Reset() override;
    void Notify() override;
    void OnSelect(int column, int row, int how) override;
    UINT GetClassStyle() const override { return CS_SAVEBITS; }
    BOOL HasFocusFrame() const override { return FALSE; }

protected:
    void Close();

    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnOther();
    DECLARE_MESSAGE_MAP()

private:
    SECWellButton* m_owner = nullptr;
    BOOL m_active = FALSE;
    BOOL m_closing = FALSE;
};
