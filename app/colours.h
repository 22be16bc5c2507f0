#pragma once
// The program's colours: light blue for every page and panel, orange behind the about and the
// tutorial buttons.

#include <wx/colour.h>

namespace kw {
inline wxColour LightBlue() { return wxColour(191, 219, 255); }
inline wxColour Orange() { return wxColour(255, 187, 100); }
}  // namespace kw
