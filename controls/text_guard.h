#pragma once
// The typing rules of a text widget, for every way text gets in. Typed keys go through the key
// filter; whatever GTK is about to insert (a paste, a drop, an input method) is fitted first: the
// characters the field refuses are dropped and the rest is cut to the room left, without a
// message. The GTK buffer is never changed inside its own insert handler: a fitted insertion is
// made once that handler has returned.

#include <wx/string.h>

#include "controls/key_filter.h"

class wxComboBox;
class wxTextCtrl;
class wxTextEntry;
class wxWindow;

namespace kw {

class TextGuard {
public:
    // Attaches to the widget for its lifetime (the guard goes with the widget's GTK object).
    // enterPresses: Enter presses the window's default button instead of being swallowed (the
    // fields of a dialog).
    static TextGuard& Attach(wxTextCtrl* text, const KeyFilter& filter, bool enterPresses = false);
    static TextGuard& Attach(wxComboBox* combo, const KeyFilter& filter);

    // The program's own text, already fitted: shown as it is, with no text event.
    void ChangeValue(const wxString& text);

    // Called by GTK's insert handlers: returns false when GTK must not insert the text (a
    // fitted one follows).
    bool Inserting(const wxString& text, int length, long at);

private:
    TextGuard(wxWindow* window, wxTextEntry* entry, const KeyFilter& filter, bool multiLine);

    wxWindow* window_;
    wxTextEntry* entry_;
    KeyFilter filter_;
    bool multiLine_;
    bool programmatic_ = false;
};

}  // namespace kw
