// Pictures behind chart areas: a bitmap or metafile file read once into an
// image record of moveable global memory, kept in the area's image slot
// until the image property changes.
#pragma once

#include <windows.h>

#include "zelplot3d.h"

struct Zel3dChart;
struct ImageSlot;

// Image kinds.
enum ImageKind { kImageBitmap = 1, kImagePlaceableMetafile = 2, kImageEnhancedMetafile = 3, kImageMetafile = 4 };

// A picture read into memory; the three blocks stay locked while it lives.
using AreaImage = Zel3dImageData;

// Unlocks and frees the blocks and the record.
void zel3d_image_free(AreaImage* image);
// Frees a slot's picture and, with `with_name`, its file name.
void zel3d_image_slot_free(ImageSlot* slot, bool with_name);
// Reads the slot's file into its picture; 1 on success, 0 leaves no picture.
int zel3d_load_image_file(Zel3dChart* chart, ImageSlot* slot);
// The slot of an image property code (0x1500-0x1505), or null.
ImageSlot* zel3d_image_slot(Zel3dChart* chart, Zel3dText* text, int code);
