#include "wizard/wizard_dialogs.h"

#include <wx/bmpbuttn.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_state.h"
#include "app/caption_fit.h"
#include "app/colours.h"
#include "app/layout.h"
#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/text_guard.h"
#include "resources/bitmaps.h"

namespace kw {
namespace {

// A fixed-size dialog with the program's font and background, laid out in the layout's pixels.
class FormDialog : public wxDialog {
public:
    FormDialog(wxWindow* parent, const char* title, int width, int height)
        : wxDialog(parent, wxID_ANY, U(title), wxDefaultPosition, ScaledSize(width, height),
                   wxCAPTION | wxSYSTEM_MENU) {
        SetFont(Layout::Font());
        SetBackgroundColour(LightBlue());
    }

    wxStaticText* Label(const char* text, int x, int y) {
        return new wxStaticText(this, wxID_ANY, U(text), ScaledPoint(x, y));
    }

    // A text field with a key filter of the given kind.
    wxTextCtrl* Field(int x, int y, int width, int max, int kind) {
        auto* t = new wxTextCtrl(this, wxID_ANY, "", ScaledPoint(x, y), ScaledFieldSize(width));
        KeepNeededSize(t);
        // Enter presses OK, the dialog's default button.
        TextGuard::Attach(t, KeyFilter(max, kind), true);
        return t;
    }

    // Shown modally once its captions fit.
    int Run() {
        FitCaptions(this);
        return ShowModal();
    }

    // OK runs check; the dialog ends only when it says so.
    void Buttons(int okX, int cancelX, int y, std::function<bool()> check) {
        wxBitmapButton* ok = AddBitmapButton(this, wxID_OK, "bmp_comm_ok", okX, y, nullptr);
        AddBitmapButton(this, wxID_CANCEL, "bmp_comm_cancel", cancelX, y, nullptr);
        ok->SetDefault();
        ok->Bind(wxEVT_BUTTON, [this, check](wxCommandEvent&) {
            if (check()) EndModal(wxID_OK);
        });
    }
};

wxString Trimmed(const wxTextCtrl* t) {
    wxString s = t->GetValue();
    Trim(s);
    return s;
}

}  // namespace

bool WxWizardDialogs::AskClassName(wxString& name) {
    FormDialog d(parent_, "Nowa klasa", 400, 160);
    d.Label("Wpisz nazwisko wychowawcy nowej klasy, numer i sufiks klasy", 16, 12);
    d.Label("(np.: Anna Nowak 3C). Program utworzy plik z klasą o podanej nazwie.", 16, 36);
    wxTextCtrl* field = d.Field(80, 60, 150, 30, 3);
    d.Buttons(25, 210, 96, [&] { return !Trimmed(field).empty(); });
    field->SetFocus();
    if (d.Run() != wxID_OK) return false;
    name = Trimmed(field);
    return true;
}

bool WxWizardDialogs::AskPupil(wxString& number, wxString& surname) {
    FormDialog d(parent_, "Nowy uczeń", 316, 160);
    d.Label("Wpisz numer w dzienniku", 8, 16);
    d.Label("Wpisz nazwisko", 8, 56);
    wxTextCtrl* num = d.Field(144, 12, 30, 2, 2);
    wxTextCtrl* sur = d.Field(100, 52, 150, 30, 3);
    d.Buttons(15, 160, 92, [&] { return !Trimmed(num).empty() && !Trimmed(sur).empty(); });
    num->SetFocus();
    if (d.Run() != wxID_OK) return false;
    number = Trimmed(num);
    surname = Trimmed(sur);
    return true;
}

bool WxWizardDialogs::AskAssessment(wxString& number, int& kind, wxString& name) {
    FormDialog d(parent_, "Nowa ocena", 320, 200);
    d.Label("Wpisz numer oceny", 8, 16);
    d.Label("Wybierz rodzaj oceny", 8, 56);
    d.Label("Wpisz nazwę oceny", 8, 96);
    wxTextCtrl* num = d.Field(116, 12, 30, 2, 2);
    auto* kinds = new wxChoice(&d, wxID_ANY, ScaledPoint(116, 52), ScaledFieldSize(180));
    KeepNeededSize(kinds);
    for (const wxString& k : words::AssessmentKinds()) kinds->Append(k);
    kinds->SetSelection(0);
    wxTextCtrl* nam = d.Field(116, 92, 180, 30, 3);
    d.Buttons(15, 160, 132, [&] { return !Trimmed(num).empty() && !Trimmed(nam).empty(); });
    num->SetFocus();
    if (d.Run() != wxID_OK) return false;
    number = Trimmed(num);
    name = Trimmed(nam);
    kind = kinds->GetSelection();
    return true;
}

bool WxWizardDialogs::AskOpenPath(const wxString& folder, wxString& path) {
    wxFileDialog d(parent_, U("Odczytywanie klasy"), folder, "", U("Pliki ocen (*.kwer)|*.kwer"),
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (d.ShowModal() != wxID_OK) return false;
    path = d.GetPath();
    return true;
}

bool WxWizardDialogs::AskSaveIntro(const wxString& classesFolder) {
    FormDialog d(parent_, "Zapisywanie klasy", 416, 150);
    d.Label("Wybierz miejsce do zapisu klasy.\n\nKlasy są przechowywane w folderze:", 18, 12);
    // A long folder name loses its middle, not its end.
    auto* folder = new wxStaticText(&d, wxID_ANY, "", ScaledPoint(18, 56), ScaledSize(380, -1),
                                    wxST_ELLIPSIZE_MIDDLE | wxST_NO_AUTORESIZE);
    folder->SetLabelText(classesFolder);
    new wxButton(&d, wxID_OK, U("Wybierz folder"), ScaledPoint(90, 90));
    new wxButton(&d, wxID_CANCEL, U("Anuluj"), ScaledPoint(220, 90));
    return d.Run() == wxID_OK;
}

bool WxWizardDialogs::AskSavePath(const wxString& folder, const wxString& defaultName,
                                  wxString& path) {
    wxFileDialog d(parent_, U("Zapisywanie klasy"), folder, defaultName,
                   U("Pliki ocen (*.kwer)|*.kwer"), wxFD_SAVE);
    if (d.ShowModal() != wxID_OK) return false;
    path = d.GetPath();
    return true;
}

}  // namespace kw
