#pragma once
// The pictures the program draws itself, as vector paths, so that every target gets them at
// its own resolution.

#include <cairo.h>

namespace kw {

constexpr int kEmblemWidth = 18000;   // µm
constexpr int kEmblemHeight = 20000;  // µm

// The emblem: a crowned eagle on a shield, its top-left corner at (x, y) µm.
void DrawEmblem(cairo_t* cr, double x, double y);
// Fine guilloche line patterns in light colours filling the rectangle (µm).
void DrawGuilloche(cairo_t* cr, double x, double y, double width, double height);

}  // namespace kw
