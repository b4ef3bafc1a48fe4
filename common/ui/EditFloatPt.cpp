#include "common/ui/EditFloatPt.h"

IMPLEMENT_DYNAMIC(CEditFloatPt, CEdit)

BEGIN_MESSAGE_MAP(CEditFloatPt, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

bool CEditFloatPt::WholeTextSelected(const CString& text) const {
    int start = 0, end = 0;
    GetSel(start, end);
    return start == 0 && end == text.GetLength() && end > start;
}

void CEditFloatPt::OnChar(UINT ch, UINT repeatCount, UINT flags) {
    if ((ch >= '0' && ch <= '9') || ch == VK_BACK) {
        Default();
        return;
    }
    if (ch == '.' || ch == ',' || ch == '-') {
        CString text;
        GetWindowText(text);
        const char once = ch == '-' ? '-' : '.';
        if (WholeTextSelected(text) || text.Find(once) < 0) {
            if (ch == ',')
                DefWindowProc(WM_CHAR, '.', static_cast<LPARAM>((repeatCount & 0xFFFF) | (flags << 16)));
            else
                Default();
            return;
        }
    }
    ::MessageBeep(0);
}
