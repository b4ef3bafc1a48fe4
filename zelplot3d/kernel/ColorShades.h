// Colour arithmetic of the borders and the palette: conversion between RGB
// and HSV, and the dark and light shades of a colour.
#pragma once

// Hue in whole degrees 0-359, saturation and value in whole percent, red,
// green and blue 0-255.
void zel3d_rgb_to_hsv(int r, int g, int b, int* hue, int* saturation, int* value);
void zel3d_hsv_to_rgb(int hue, int saturation, int value, int* r, int* g, int* b);

// The dark and the light shade of a colour (0xBBGGRR).
int zel3d_dark_shade(int color);
int zel3d_light_shade(int color);
