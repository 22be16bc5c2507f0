#pragma once
// Where a caption cannot fit its place even at the layout's scale (the theme's letters are wider
// than the layout font's in some words), the caption's group gets a smaller font; the caption
// itself is never cut. Groups: a label alone, a button alone, the options of one group box with
// its title, the tabs of one notebook.

class wxWindow;

namespace kw {

// Looks at every control below a built window, hidden ones and every notebook page included.
void FitCaptions(wxWindow* window);

}  // namespace kw
