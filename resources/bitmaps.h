#pragma once
// The program's bitmaps, drawn when first asked for: orange rounded buttons with a small icon
// at the left and the caption in white, orange notebook tabs with the word in white, and the
// window icon "A".

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/string.h>

namespace kw {

// A named button or tab image ("bmp_wiz_klasa_nowa", "bmp_wiz_nb_klasa", ...). An unknown name
// is an internal error and gives a plain orange image.
wxBitmap NamedBitmap(const wxString& name);
// The caption drawn on a named image.
wxString BitmapCaption(const wxString& name);
wxIcon ProgramIcon();

}  // namespace kw
