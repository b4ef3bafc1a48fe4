// Text converters of the type classes (see PropertyTable.h for the
// protocol) and the colour names.
#pragma once

#include "properties/PropertyTable.h"

bool zel3d_parse_boolean(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_int(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_double(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_color(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_bit_set(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_enum(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_string(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_string_list(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_value_labels(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_xy_colors(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_line_style(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_data_styles(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_contour_styles_file(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_distn_table_file(const char* text, int type_class, PropertyValue& out);
bool zel3d_parse_data_file(const char* text, int type_class, PropertyValue& out);

char* zel3d_print_int(int type_class, const PropertyValue& value);
char* zel3d_print_double(int type_class, const PropertyValue& value);
char* zel3d_print_color(int type_class, const PropertyValue& value);
char* zel3d_print_bit_set(int type_class, const PropertyValue& value);
char* zel3d_print_enum(int type_class, const PropertyValue& value);
char* zel3d_print_string(int type_class, const PropertyValue& value);
char* zel3d_print_string_list(int type_class, const PropertyValue& value);
char* zel3d_print_value_labels(int type_class, const PropertyValue& value);
char* zel3d_print_xy_colors(int type_class, const PropertyValue& value);
char* zel3d_print_line_style(int type_class, const PropertyValue& value);
char* zel3d_print_data_styles(int type_class, const PropertyValue& value);

// Colour names: the first name with that value, or null.
const char* zel3d_color_name(int color);
// Colour by name, ignoring case and blanks; false when no name matches.
bool zel3d_color_from_name(const char* name, int* color);
