// A frame caption drawn by the toolkit: a gradient from black to the active
// caption colour (a solid inactive colour when inactive), the small icon,
// and the title split at its first "-": the part before it in italics, the
// rest in the plain title font, left out when there is no room for it.
//
// The frame switches it on with Enable; from then on its WM_NCPAINT,
// WM_NCACTIVATE and WM_SETTEXT go through Handle, which lets the system do
// the rest of the non-client area and draws the caption over it. A caption
// whose off-screen bitmap can't be made switches itself off.
#pragma once

#include <windows.h>

class CWnd;
class CFont;

namespace caption_geometry {

// The system sizes the caption rectangle depends on.
struct Metrics {
    int frameX, frameY;         // SM_CXFRAME, SM_CYFRAME
    int buttonWidth;            // SM_CXSIZE
    int captionHeight;          // SM_CYSIZE
};

// The caption rectangle in window coordinates, left of the caption buttons:
// `buttons` is how many of them (minimise, maximise, close) the window has.
RECT CaptionRect(int windowWidth, const Metrics& metrics, bool thickFrame, bool newShell, int buttons);
// How many vertical bands the gradient of a caption `width` wide has (60,
// fewer on a narrower caption), band i's rectangle and colour.
int BandCount(int width);
RECT BandRect(int band, int bands, const RECT& caption);
COLORREF BandColour(int band, int bands, COLORREF to);
// Where a text `textWidth` wide starts for an alignment (0 left, 1 centre,
// 2 right), never left of the caption's start.
int TextStart(int alignment, const RECT& caption, int textWidth);

}  // namespace caption_geometry

class SECCustomCaption {
public:
    enum Alignment { alignLeft = 0, alignCenter = 1, alignRight = 2 };

    void Attach(CWnd* frame) { m_frame = frame; }
    // Switches the caption on or off (nothing before the new shell); with
    // `redraw` the frame's non-client area is painted again.
    void Enable(BOOL on, BOOL redraw);
    BOOL IsEnabled() const { return m_enabled; }
    void SetAlignment(int alignment) { m_alignment = alignment; }
    int GetAlignment() const { return m_alignment; }
    BOOL IsActive() const { return m_active; }

    // The frame's WM_NCPAINT, WM_NCACTIVATE and WM_SETTEXT while the caption
    // is on; TRUE when handled (*result is the answer).
    BOOL Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The caption rectangle of the frame now, in window coordinates.
    RECT GetCaptionRect() const;
    // Draws the caption into the frame's window DC.
    void Draw();
    // The title fonts: the system caption font, and the same in italics.
    static BOOL CreateTitleFont(CFont& font);
    static BOOL CreateTitleFontItalic(CFont& font);

private:
    // Default processing of a message with the frame made invisible for
    // its duration, so the system draws no caption of its own.
    LRESULT DefaultWithoutCaption(UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* m_frame = nullptr;
    BOOL m_enabled = FALSE;
    BOOL m_active = TRUE;
    int m_alignment = alignLeft;
};
