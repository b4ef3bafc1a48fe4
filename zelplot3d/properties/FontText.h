// Fonts as text ("Arial,12,Bold") and font records made from them.
#pragma once

#include "chart/DeviceTable.h"

// Re-creates a font's handle from its LOGFONT.
void zel3d_recreate_font(FontRecord& font);
// Builds the font of a font text ("Arial,12") into a font record.
bool zel3d_font_from_text(const char* text, FontRecord& font);
