#include "oc/editor_frame.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "app/core.h"
#include "app/program.h"
#include "resources/bitmaps.h"
#include "wizard/wizard_model.h"

namespace kw {
namespace {

const wxColour kLightBlue(191, 219, 255);
wxString U(const char* s) { return wxString::FromUTF8(s); }

wxTextCtrl* Preview(wxWindow* parent) {
    auto* t = new wxTextCtrl(parent, wxID_ANY, "", wxPoint(0, 332), wxSize(785, 90),
                             wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxTE_AUTO_URL);
    t->SetToolTip(U("Podgląd tekstu oceny automatycznej, która znajdzie się na wydruku\nKwadratowe "
                    "zaznaczenie tekstu pokazuje miejsce, w którym został dodany lub usunięty "
                    "fragment tekstu (np. przez kliknięcie innego zdania)"));
    return t;
}

wxButton* Button(wxWindow* parent, const char* label, int x, int y, std::function<void()> action) {
    auto* b = new wxButton(parent, wxID_ANY, U(label), wxPoint(x, y));
    b->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
    return b;
}

}  // namespace

EditorFrame::EditorFrame(Core& core, WizardModel& model, std::function<void()> onBack)
    : wxFrame(nullptr, wxID_ANY, KWERLO_TITLE, wxDefaultPosition, wxSize(800, 586),
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      core_(core),
      onBack_(std::move(onBack)) {
    SetIcon(ProgramIcon());
    // The layout is in pixels for a small dialog font; the children inherit it.
    SetFont(wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS)));
    SetBackgroundColour(kLightBlue);
    EditorModel& editor = core_.Editor();
    wxWindow* panel = views_.Build(editor.Panel(), this);
    panel->SetSize(GetClientSize());
    panel->SetBackgroundColour(kLightBlue);
    header_ = std::make_unique<WindowHeader>(panel, model);

    BehaviourPage& behaviour = editor.Behaviour();
    if (wxWindow* manual = views_.Widget(11005)) {
        Button(manual, "Uaktualnij ocenę ręczną na podstawie oceny automatycznej", 12, 0,
               [this, &behaviour] {
                   behaviour.RefreshBehaviourManual();
                   Update();
               });
        Button(manual, "Przejście do edycji automatycznej", 596, 0, [this, &behaviour] {
            behaviour.SwitchToAutomatic();
            Update();
        });
        new wxStaticText(manual, wxID_ANY, U("Punkty z zachowania"), wxPoint(618, 256));
    }
    if (wxWindow* automatic = views_.Widget(11007)) {
        Button(automatic, "Przejście do edycji ręcznej", 596, 0, [this, &behaviour] {
            behaviour.SwitchToManual();
            Update();
        });
        new wxStaticText(automatic, wxID_ANY,
                         U("Dodatkowy tekst własny oceny automatycznej z zachowania"), wxPoint(0, 292));
        behaviourPreview_ = Preview(automatic);
    }
    EducationPage& education = editor.Education();
    if (wxWindow* manual = views_.Widget(12005)) {
        Button(manual, "Uaktualnij ocenę ręczną na podstawie oceny automatycznej", 12, 0,
               [this, &education] {
                   education.RefreshEducationManual();
                   Update();
               });
        Button(manual, "Przejście do edycji automatycznej", 596, 0, [this, &education] {
            education.SwitchToAutomatic();
            Update();
        });
        new wxStaticText(manual, wxID_ANY, U("Punkty z :"), wxPoint(556, 264));
        static const char* const kPointLabels[] = {
            "Mówienia", "Słuchania", "Czytania", "Pisania", "Matematyki",
            "Zajęć społeczno-przyrodniczych", "Zajęć artystyczno-technicznych", "Zajęć ruchowych"};
        for (int i = 0; i < 8; ++i)
            new wxStaticText(manual, wxID_ANY, U(kPointLabels[i]),
                             wxPoint(i < 4 ? 452 : 580, 296 + 28 * (i % 4)));
    }
    if (wxWindow* automatic = views_.Widget(12007)) {
        Button(automatic, "Przejście do edycji ręcznej", 646, 0, [this, &education] {
            education.SwitchToManual();
            Update();
        });
        educationPreview_ = Preview(automatic);
    }
    for (int a = 0; a < kAreaCount; ++a) {
        EducationArea& area = education.Area(a);
        if (wxWindow* panel = views_.Widget(area.Info().panelId))
            new wxStaticText(panel, wxID_ANY, U(area.Info().ownLabel), wxPoint(0, 265));
    }
    editor.SetSpaceListener([this] { Update(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        if (onBack_) onBack_();
    });
}

void EditorFrame::ShowPreview(wxTextCtrl* field, const wxString& text, std::pair<int, int> mark) {
    if (!field) return;
    if (field->GetValue() != text) field->ChangeValue(text);
    field->SetSelection(mark.first, mark.second + 1);
    field->ShowPosition(mark.first);
}

void EditorFrame::Update() {
    EditorModel& editor = core_.Editor();
    ShowPreview(behaviourPreview_, editor.Behaviour().PreviewText(), editor.Behaviour().PreviewMark());
    ShowPreview(educationPreview_, editor.Education().PreviewText(), editor.Education().PreviewMark());
}

void EditorFrame::ApplyModes() {
    core_.Editor().Behaviour().ApplyBehaviourMode();
    core_.Editor().Education().ApplyEducationMode();
    Update();
}

}  // namespace kw
