#include "controls/text_guard.h"

#include <gtk/gtk.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace kw {
namespace {

void ReleaseGuard(gpointer guard, GClosure*) { delete static_cast<TextGuard*>(guard); }

// Runs before GTK's own handler, which is the one that changes the buffer.
void OnEntryInsert(GtkEditable* editable, const gchar* text, gint bytes, gint* position,
                   gpointer guard) {
    const int length = static_cast<int>(gtk_entry_get_text_length(GTK_ENTRY(editable)));
    const wxString inserted = wxString::FromUTF8(text, bytes < 0 ? strlen(text) : size_t(bytes));
    if (!static_cast<TextGuard*>(guard)->Inserting(inserted, length, *position))
        g_signal_stop_emission_by_name(editable, "insert-text");
}

void OnBufferInsert(GtkTextBuffer* buffer, GtkTextIter* location, const gchar* text, gint bytes,
                    gpointer guard) {
    const int length = gtk_text_buffer_get_char_count(buffer);
    const wxString inserted = wxString::FromUTF8(text, bytes < 0 ? strlen(text) : size_t(bytes));
    if (!static_cast<TextGuard*>(guard)->Inserting(inserted, length,
                                                   gtk_text_iter_get_offset(location)))
        g_signal_stop_emission_by_name(buffer, "insert-text");
}

// Whether a key typed into a text of the given length passes the filter.
bool KeyPasses(const KeyFilter& filter, const wxKeyEvent& key, long length) {
    const wxChar uc = key.GetUnicodeKey();
    const int n = static_cast<int>(length);
    return uc != WXK_NONE && uc >= 32 ? filter.AcceptChar(uc, n)
                                      : filter.Accept(key.GetKeyCode(), n);
}

// Enter in a dialog's field: what a click on the dialog's default button does.
void PressDefaultButton(wxWindow* field) {
    auto* top = wxDynamicCast(wxGetTopLevelParent(field), wxTopLevelWindow);
    wxWindow* button = top ? top->GetDefaultItem() : nullptr;
    if (!button || !button->IsEnabled()) return;
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

void BindKeys(wxWindow* window, wxTextEntry* entry, const KeyFilter& filter, bool enterPresses) {
    window->Bind(wxEVT_CHAR, [window, entry, filter, enterPresses](wxKeyEvent& e) {
        const int code = e.GetKeyCode();
        if (enterPresses && (code == WXK_RETURN || code == WXK_NUMPAD_ENTER)) {
            PressDefaultButton(window);
            return;
        }
        if (KeyPasses(filter, e, entry->GetLastPosition())) e.Skip();
    });
}

}  // namespace

TextGuard::TextGuard(wxWindow* window, wxTextEntry* entry, const KeyFilter& filter, bool multiLine)
    : window_(window), entry_(entry), filter_(filter), multiLine_(multiLine) {}

TextGuard& TextGuard::Attach(wxTextCtrl* text, const KeyFilter& filter, bool enterPresses) {
    auto* guard = new TextGuard(text, text, filter, text->IsMultiLine());
    GtkWidget* widget = text->GetConnectWidget();
    if (GTK_IS_TEXT_VIEW(widget)) {
        g_signal_connect_data(gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget)), "insert-text",
                              G_CALLBACK(OnBufferInsert), guard, ReleaseGuard, GConnectFlags(0));
    } else {
        g_signal_connect_data(widget, "insert-text", G_CALLBACK(OnEntryInsert), guard,
                              ReleaseGuard, GConnectFlags(0));
    }
    BindKeys(text, text, filter, enterPresses);
    return *guard;
}

TextGuard& TextGuard::Attach(wxComboBox* combo, const KeyFilter& filter) {
    auto* guard = new TextGuard(combo, combo, filter, false);
    g_signal_connect_data(combo->GetConnectWidget(), "insert-text", G_CALLBACK(OnEntryInsert),
                          guard, ReleaseGuard, GConnectFlags(0));
    BindKeys(combo, combo, filter, false);
    return *guard;
}

void TextGuard::ChangeValue(const wxString& text) {
    programmatic_ = true;
    entry_->ChangeValue(text);
    programmatic_ = false;
}

bool TextGuard::Inserting(const wxString& text, int length, long at) {
    // The program's own text was fitted by its control; only the room is checked.
    const wxString fitted = programmatic_
                                ? filter_.Fit(text).Left(static_cast<size_t>(
                                      std::max(0, filter_.MaxLength() - length)))
                                : filter_.FitInsert(text, length, multiLine_);
    if (fitted == text) return true;
    if (!fitted.empty()) {
        wxTextEntry* entry = entry_;
        // After GTK's handler has returned: the insertion that fits, where the text was meant
        // to go, the cursor after it.
        window_->CallAfter([entry, at, fitted] {
            entry->SetInsertionPoint(std::min(at, entry->GetLastPosition()));
            entry->WriteText(fitted);
        });
    }
    return false;
}

}  // namespace kw
