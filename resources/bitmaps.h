#pragma once
// The program's bitmaps, drawn when first asked for: orange rounded buttons with a small icon
// at the left and the caption in white, orange notebook tabs with the word in white, and the
// window icon "A"; and the buttons that show them.

#include <wx/bitmap.h>
#include <wx/bmpbuttn.h>
#include <wx/icon.h>
#include <wx/string.h>

namespace kw {

// A named button or tab image ("bmp_wiz_klasa_nowa", "bmp_wiz_nb_klasa", ...). An unknown name
// is an internal error and gives a plain orange image.
wxBitmap NamedBitmap(const wxString& name);
// The caption drawn on a named image.
wxString BitmapCaption(const wxString& name);
wxIcon ProgramIcon();

// A bitmap button of 140 x 25 in the layout, whose click goes to its window (frame or dialog)
// under its window id; tip may be null.
wxBitmapButton* AddBitmapButton(wxWindow* parent, int id, const char* bitmap, int x, int y,
                                const char* tip);

}  // namespace kw
