// Data sets as text files with the headers GRID, IRGRID and POINT.
#pragma once

#include "zelplot3d.h"

// Reads a data set (the caller owns it); null with a message on failure.
Zel3dData* zel3d_data_read(const char* path, char* message);
// Writes a data set; 1 when the whole file was written.
int zel3d_data_write(const Zel3dData* data, const char* path, char* message);
