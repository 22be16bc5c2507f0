#include "print/pictures.h"

#include <cmath>
#include <initializer_list>
#include <numeric>

namespace kw {
namespace {

// The emblem is drawn in a 180 × 200 grid of 0.1 mm.
struct P {
    double x, y;
};

void Poly(cairo_t* cr, const P* points, size_t n, bool mirror) {
    for (size_t i = 0; i < n; ++i) {
        const double x = mirror ? 180 - points[i].x : points[i].x;
        if (i == 0) cairo_move_to(cr, x, points[i].y);
        else cairo_line_to(cr, x, points[i].y);
    }
    cairo_close_path(cr);
}

template <size_t N>
void Poly(cairo_t* cr, const P (&points)[N], bool mirror = false) {
    Poly(cr, points, N, mirror);
}

void ShieldPath(cairo_t* cr, double inset) {
    const double l = 6 + inset, r = 174 - inset, t = 4 + inset;
    cairo_move_to(cr, l, t);
    cairo_line_to(cr, r, t);
    cairo_line_to(cr, r, 118);
    cairo_curve_to(cr, r, 158 - inset / 2, 132 - inset, 182 - inset, 90, 196 - inset);
    cairo_curve_to(cr, 48 + inset, 182 - inset, l, 158 - inset / 2, l, 118);
    cairo_close_path(cr);
}

// One wing, spread up and out, its feathers ending in points; mirrored for the other side.
constexpr P kWing[] = {
    {80, 64},  {66, 54},  {50, 44},  {36, 34},  {24, 30},  {16, 34},  {20, 42},  {12, 48},
    {18, 56},  {10, 62},  {18, 70},  {12, 78},  {22, 84},  {18, 92},  {30, 96},  {28, 104},
    {40, 104}, {42, 112}, {54, 108}, {60, 114}, {68, 104}, {78, 96},
};
// Lines between the wing's feathers.
constexpr P kFeathers[][2] = {
    {{62, 70}, {20, 42}}, {{62, 76}, {18, 56}}, {{64, 82}, {18, 70}},
    {{66, 88}, {22, 84}}, {{68, 92}, {30, 96}}, {{70, 96}, {40, 104}},
    {{72, 98}, {54, 108}},
};
constexpr P kTail[] = {
    {80, 124}, {70, 140}, {62, 156}, {72, 154}, {74, 166}, {82, 160}, {90, 172},
    {98, 160}, {106, 166}, {108, 154}, {118, 156}, {110, 140}, {100, 124},
};
constexpr P kLeg[] = {
    {82, 118}, {72, 124}, {64, 130}, {56, 132}, {60, 136}, {54, 140}, {62, 140},
    {60, 146}, {67, 140}, {72, 136}, {80, 130}, {86, 126},
};
constexpr P kCrown[] = {
    {76, 42}, {75, 28}, {81, 34}, {87, 24}, {93, 34}, {99, 28}, {98, 42},
};

// Each part is filled on its own: overlapping parts drawn in opposite directions would leave
// holes under the winding rule.
void EagleBody(cairo_t* cr) {
    // Neck and body: from under the head down to the tail.
    cairo_move_to(cr, 82, 56);
    cairo_curve_to(cr, 72, 68, 72, 98, 81, 127);
    cairo_line_to(cr, 99, 127);
    cairo_curve_to(cr, 108, 98, 108, 68, 96, 56);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The head, turned to the eagle's right, with a hooked beak.
    cairo_arc(cr, 87, 50, 8.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 81, 44);
    cairo_curve_to(cr, 73, 43, 66, 47, 65, 56);
    cairo_curve_to(cr, 68, 53, 71, 53, 73, 56);
    cairo_line_to(cr, 82, 55);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void DrawEmblem(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 100, 100);  // 0.1 mm
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    // The shield: white, a strong outline and a fine one inside.
    ShieldPath(cr, 0);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    ShieldPath(cr, 5);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);

    // The eagle in black.
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (bool mirror : {false, true}) {
        Poly(cr, kWing, mirror);
        cairo_fill(cr);
        Poly(cr, kLeg, mirror);
        cairo_fill(cr);
    }
    Poly(cr, kTail);
    cairo_fill(cr);
    EagleBody(cr);
    // The crown, a band with three points and a pearl on each.
    Poly(cr, kCrown);
    cairo_fill(cr);
    for (double px : {75.0, 87.0, 99.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, px, px == 87.0 ? 23 : 27, 2.2, 0, 2 * M_PI);
    }
    cairo_fill(cr);

    // White detail: the feathers, the eye, the band of the crown, the tail's feathers.
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const auto& f : kFeathers) {
        for (bool mirror : {false, true}) {
            const double x0 = mirror ? 180 - f[0].x : f[0].x;
            const double x1 = mirror ? 180 - f[1].x : f[1].x;
            cairo_move_to(cr, x0, f[0].y);
            cairo_line_to(cr, (x0 + 3 * x1) / 4, (f[0].y + 3 * f[1].y) / 4);
        }
    }
    for (double tx : {74.0, 90.0, 106.0}) {
        cairo_move_to(cr, 90 + (tx - 90) * 0.3, 132);
        cairo_line_to(cr, tx, 158);
    }
    cairo_move_to(cr, 78, 38.5);
    cairo_line_to(cr, 96, 38.5);
    cairo_stroke(cr);
    cairo_arc(cr, 84, 48, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

// A closed curve traced by a point on a circle rolling inside another (a hypotrochoid),
// the figure of a guilloche rosette.
void Rosette(cairo_t* cr, double cx, double cy, double R, double r, double d, double turn) {
    const double k = (R - r) / r;
    const int steps = 2400;
    const double period = 2 * M_PI * r / std::gcd(static_cast<long>(R), static_cast<long>(r));
    for (int i = 0; i <= steps; ++i) {
        const double t = period * i / steps;
        const double px = (R - r) * std::cos(t) + d * std::cos(k * t);
        const double py = (R - r) * std::sin(t) - d * std::sin(k * t);
        const double x = cx + px * std::cos(turn) - py * std::sin(turn);
        const double y = cy + px * std::sin(turn) + py * std::cos(turn);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

}  // namespace

void DrawGuilloche(cairo_t* cr, double x, double y, double width, double height) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    // The ground: fine waves across the sheet, each a little out of phase with the one above,
    // so that they weave a moiré.
    cairo_set_source_rgb(cr, 0.82, 0.91, 0.86);
    cairo_set_line_width(cr, 90);
    const double spacing = 1400;
    for (double row = y - spacing; row < y + height + spacing; row += spacing) {
        const double phase = (row - y) / 9000.0;
        for (double sx = x; sx <= x + width + 500; sx += 500) {
            const double u = (sx - x) / 7000.0;
            const double wy = row + 900 * std::sin(u + phase) + 350 * std::sin(3.1 * u - phase);
            if (sx == x) cairo_move_to(cr, sx, wy);
            else cairo_line_to(cr, sx, wy);
        }
        cairo_stroke(cr);
    }

    // The border: two braided bands of waves along the edges.
    cairo_set_source_rgb(cr, 0.62, 0.80, 0.72);
    cairo_set_line_width(cr, 110);
    const double band = 7000, inset = 4500;
    for (int strand = 0; strand < 6; ++strand) {
        const double shift = strand * M_PI / 3;
        const double perimeter = 2 * (width + height - 4 * inset);
        const int steps = 3000;
        for (int i = 0; i <= steps; ++i) {
            const double s = perimeter * i / steps;
            // Position on the rectangle's inner path, and the direction inwards.
            double px, py, nx, ny;
            const double w = width - 2 * inset, h = height - 2 * inset;
            if (s < w) { px = x + inset + s; py = y + inset; nx = 0; ny = 1; }
            else if (s < w + h) { px = x + width - inset; py = y + inset + (s - w); nx = -1; ny = 0; }
            else if (s < 2 * w + h) { px = x + width - inset - (s - w - h); py = y + height - inset; nx = 0; ny = -1; }
            else { px = x + inset; py = y + height - inset - (s - 2 * w - h); nx = 1; ny = 0; }
            const double a = band / 2 * (1 + std::sin(s / 2500.0 + shift));
            const double qx = px + nx * a, qy = py + ny * a;
            if (i == 0) cairo_move_to(cr, qx, qy);
            else cairo_line_to(cr, qx, qy);
        }
        cairo_stroke(cr);
    }

    // The rosette in the middle, and smaller ones in the corners.
    cairo_set_source_rgb(cr, 0.66, 0.82, 0.76);
    cairo_set_line_width(cr, 80);
    const double cx = x + width / 2, cy = y + height / 2;
    for (int k = 0; k < 3; ++k) {
        Rosette(cr, cx, cy, 60000, 22000 + 2000 * k, 30000, k * 0.35);
        cairo_stroke(cr);
    }
    for (double fx : {0.18, 0.82})
        for (double fy : {0.14, 0.86}) {
            Rosette(cr, x + width * fx, y + height * fy, 18000, 7000, 9000, 0);
            cairo_stroke(cr);
        }
    cairo_restore(cr);
}

}  // namespace kw
