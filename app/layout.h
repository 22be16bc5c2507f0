#pragma once
// One layout scale for every window. The positions and sizes written in the code are pixels of
// the 8-point Windows dialog font the layout was made for; the theme's font is larger, so every
// position and size, the windows' own included, grows by the ratio of the theme font's metrics
// to that font's, and the layout keeps its proportions. When the windows would then not fit the
// screen, the font is made smaller with the scale.

#include <wx/font.h>
#include <wx/gdicmn.h>

class wxWindow;

namespace kw {

class Layout {
public:
    // Measures the theme's font once, before the first window is built; later calls keep the
    // first result.
    static void Init();
    static double Scale();
    // The font of every window and dialog of the program.
    static const wxFont& Font();
};

// A length of the layout on the screen; -1 (the toolkit's default size) stays -1.
int Scaled(int pixels);
wxPoint ScaledPoint(int x, int y);
wxSize ScaledSize(int w, int h);
// The size of a rectangle at (x, y) with its edges scaled, so that neighbours of the layout stay
// neighbours on the screen.
wxSize ScaledSize(int x, int y, int w, int h);

// A one-line field (text, choice, combo box, spin) of the layout: where no height is given, the
// height such a field had for the layout's font, 21 pixels.
wxSize ScaledFieldSize(int w, int h = -1);
// Gives a widget at least the size GTK needs to draw it whole. It grows to the right, or to the
// left where its panel ends.
void KeepNeededSize(wxWindow* widget);
// A check box or radio button as high as GTK needs it, at the top of its place in the layout:
// some of the layout's places are taller than the theme's buttons, and the spare height would
// lie over the control below.
void HugHeight(wxWindow* widget);

}  // namespace kw
