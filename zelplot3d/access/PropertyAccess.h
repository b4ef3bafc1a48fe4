// Setting and reading properties by code: the property lists and the
// setters behind them, which store a value, keep derived state consistent
// and record which parts of the picture must be drawn again.
#pragma once

#include "properties/PropertyTable.h"

// 1 when the value changed (its damage is recorded), 0 when nothing changed
// or the value was refused, -1 for an unknown code.
int set_resource(Zel3dChart* chart, int code, const PropertyValue& value);
int text_set_resource(Zel3dText* text, int code, const PropertyValue& value);
// The value of a code; false (and a null value) when the code is refused.
bool get_resource(Zel3dChart* chart, Zel3dText* text, int code, bool is_text, PropertyValue* value);
int zel3d_check_range(const Zel3dChart* chart, int value, int min, int max, bool use_fallback, int fallback,
                      const char* name);
// Extends the data styles to cover every series of the surface data.
void zel3d_extend_data_styles(Zel3dChart* chart);
