#include "oc/editor_frame.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include "app/caption_fit.h"
#include "app/colours.h"
#include "app/core.h"
#include "app/help_pages.h"
#include "app/layout.h"
#include "app/utf8.h"
#include "resources/bitmaps.h"
#include "wizard/wizard_model.h"

namespace kw {
namespace {

const char kToManualTip[] =
    "Tryb edycji ręcznej pozwala na swobodne manipulowanie tekstem oceny, która ma sie pojawić na "
    "wydruku\nPo przejściu do edycji ręcznej ocena automatyczna nie zmienia się aż do jej jawnej "
    "zmiany ( np. kliknięciem w inne zdanie ) (nie ma na nią żadnego wpływu zmiana oceny "
    "ręcznej)\nJakkolwiek tekst oceny automatycznej nie jest wtedy brany pod uwagę w czasie "
    "drukowania";
const char kToAutomaticTip[] =
    "Po przejściu do edycji automatycznej tekst oceny ręcznej nie zmienia się aż do jawnego "
    "żądania wygenerowania następnego uaktualnienia (nie ma na niego bezpośredniego wpływu zmiana "
    "oceny automatycznej)\nJakkolwiek tekst oceny ręcznej nie jest wtedy brany pod uwagę w czasie "
    "drukowania";
const char kRefreshTip[] =
    "Zamienia widoczny w polu edycji tekst oceny na nowy, identyczny z tekstem oceny generowanej "
    "automatycznie\nDzięki temu tekst oceny ręcznej może być uaktualniony po drobnych zmianach w "
    "ocenie automatycznej";
const char kManualTextTip[] =
    "Pole edycji, w którym można dowolnie zmieniać tekst oceny\nJeśli rodzaj oceny to : List lub "
    "Ocena okresowa to istnieje możliwość decydowania o miejscu wystąpienia akapitów, które są "
    "reprezentowane słowem '(akapit)' w nawiasach\nW tekście oceny automatycznej akapity są "
    "generowane domyślnie na początku każdego przedmiotu";
const char kOwnTextTip[] =
    "Pole edycji pozwalające wpisać własny tekst,  który będzie się znajdował na końcu oceny "
    "automatycznej wybranego przedmiotu\n";

wxTextCtrl* Preview(wxWindow* parent) {
    auto* t = new wxTextCtrl(parent, wxID_ANY, "", ScaledPoint(0, 332), ScaledSize(785, 90),
                             wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxTE_AUTO_URL);
    t->SetToolTip(U("Podgląd tekstu oceny automatycznej, która znajdzie się na wydruku\nKwadratowe "
                    "zaznaczenie tekstu pokazuje miejsce, w którym został dodany lub usunięty "
                    "fragment tekstu (np. przez kliknięcie innego zdania)"));
    return t;
}

void Button(wxWindow* parent, const char* label, int x, const char* tip,
            std::function<void()> action) {
    auto* b = new wxButton(parent, wxID_ANY, U(label), ScaledPoint(x, 0));
    b->SetToolTip(U(tip));
    b->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
}

wxStaticText* Label(wxWindow* parent, const char* text, int x, int y) {
    return new wxStaticText(parent, wxID_ANY, U(text), ScaledPoint(x, y));
}

}  // namespace

EditorFrame::EditorFrame(Core& core, WizardModel& model, std::function<void()> onBack,
                         std::function<void()> onPrint)
    : TopWindow(model), core_(core), onBack_(std::move(onBack)), onPrint_(std::move(onPrint)) {
    EditorModel& editor = core_.Editor();
    wxWindow* panel = views_.Build(editor.Panel(), this);
    panel->SetSize(GetClientSize());
    AddHeader(panel);
    wxWindow* tutorial = AddBitmapButton(panel, 3, "bmp_oc_down_samoucz", 50, 516,
                                         "Pokazuje krok po kroku jak wykonać typowe zadania");
    tutorial->SetBackgroundColour(Orange());
    AddBitmapButton(panel, 4, "bmp_oc_down_wydruk", 210, 516,
                    "Przejście do okna podglądu wydruku i drukowania");
    AddBitmapButton(panel, 1, "bmp_oc_down_koniec", 370, 516,
                    "Przechodzi do okna edycji danych klasy, uczniów i rodzaju oceny");
    panel->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) {
        switch (e.GetId()) {
            case 1: if (onBack_) onBack_(); break;
            case 3: OpenTutorial(); break;
            case 4: if (onPrint_) onPrint_(); break;
            default: e.Skip(); break;
        }
    });

    BehaviourPage& behaviour = editor.Behaviour();
    behaviourStale_ = AddModeControls(
        11005, 11007, 596, [&behaviour] { behaviour.RefreshBehaviourManual(); },
        [&behaviour] { behaviour.SwitchToAutomatic(); },
        [&behaviour] { behaviour.SwitchToManual(); });
    if (wxWindow* manual = views_.Widget(11005)) Label(manual, "Punkty z zachowania", 618, 256);
    if (wxWindow* automatic = views_.Widget(11007)) {
        Label(automatic, "Dodatkowy tekst własny oceny automatycznej z zachowania", 0, 292);
        behaviourPreview_ = Preview(automatic);
    }
    views_.SetToolTip(11006, U(kManualTextTip));
    views_.SetToolTip(11008, U(kOwnTextTip));
    views_.SetToolTip(11013, U("Pokazuje i pozwala zmienić wartość punktową oceny z zachowania "
                               "pokazywaną  na wykresie Oceny okresowej\nDozwolone wartości: 0 "
                               "do 100"));

    EducationPage& education = editor.Education();
    educationStale_ = AddModeControls(
        12005, 12007, 646, [&education] { education.RefreshEducationManual(); },
        [&education] { education.SwitchToAutomatic(); },
        [&education] { education.SwitchToManual(); });
    if (wxWindow* manual = views_.Widget(12005)) {
        Label(manual, "Punkty z :", 556, 264);
        static const char* const kPointLabels[] = {
            "Mówienia", "Słuchania", "Czytania", "Pisania", "Matematyki",
            "Zajęć społeczno-przyrodniczych", "Zajęć artystyczno-technicznych", "Zajęć ruchowych"};
        for (int i = 0; i < kChartAreas; ++i)
            Label(manual, kPointLabels[i], i < 4 ? 452 : 580, 296 + 28 * (i % 4));
    }
    if (wxWindow* automatic = views_.Widget(12007)) educationPreview_ = Preview(automatic);
    if (wxWindow* marks = views_.Widget(editor.Marks().Page().Id())) {
        Label(marks, "Religia", 56, 52);
        Label(marks, "Etyka", 56, 82);
    }
    for (int id : {editor.Marks().Religion().Id(), editor.Marks().Ethics().Id()})
        views_.SetToolTip(id, U("Wybierz (puste) jeśli miejsce na ocene ma zostać puste lub "
                                "(kreska) gdy ma być tam kreska"));
    for (FreeTextPage* page : {&editor.Achievements(), &editor.Additional(), &editor.Other(),
                               &editor.Individual()})
        if (wxWindow* panel = views_.Widget(page->Page().Id()))
            new wxStaticText(panel, wxID_ANY, page->Heading(), ScaledPoint(348, 28));
    views_.SetToolTip(12006, U(kManualTextTip));
    for (int a = 0; a < kAreaCount; ++a) {
        const AreaInfo& area = education.Area(a).Info();
        if (wxWindow* page = views_.Widget(area.panelId)) Label(page, area.ownLabel, 0, 265);
        views_.SetToolTip(area.ownTextId, U(kOwnTextTip));
    }
    FitCaptions(this);
    editor.SetSpaceListener([this] { Update(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        if (onBack_) onBack_();
    });
}

wxStaticText* EditorFrame::AddModeControls(int manualId, int automaticId, int toManualX,
                                           std::function<void()> refresh,
                                           std::function<void()> toAutomatic,
                                           std::function<void()> toManual) {
    auto then = [this](std::function<void()> action) {
        return [this, action] {
            action();
            Update();
        };
    };
    wxStaticText* stale = nullptr;
    if (wxWindow* manual = views_.Widget(manualId)) {
        Button(manual, "Uaktualnij ocenę ręczną na podstawie oceny automatycznej", 12, kRefreshTip,
               then(refresh));
        stale = Label(manual, "Tekst oceny ręcznej jest nieaktualny", 334, 4);
        stale->SetForegroundColour(*wxRED);
        stale->Hide();
        Button(manual, "Przejście do edycji automatycznej", 596, kToAutomaticTip,
               then(toAutomatic));
    }
    if (wxWindow* automatic = views_.Widget(automaticId))
        Button(automatic, "Przejście do edycji ręcznej", toManualX, kToManualTip, then(toManual));
    return stale;
}

void EditorFrame::ShowPreview(wxTextCtrl* field, const wxString& text, std::pair<int, int> mark) {
    if (!field) return;
    if (field->GetValue() != text) field->ChangeValue(text);
    field->SetSelection(mark.first, mark.second + 1);
    field->ShowPosition(mark.first);
}

void EditorFrame::Update() {
    EditorModel& editor = core_.Editor();
    if (behaviourStale_) behaviourStale_->Show(editor.Behaviour().StaleLabelShown());
    if (educationStale_) educationStale_->Show(editor.Education().StaleLabelShown());
    ShowPreview(behaviourPreview_, editor.Behaviour().PreviewText(),
                editor.Behaviour().PreviewMark());
    ShowPreview(educationPreview_, editor.Education().PreviewText(),
                editor.Education().PreviewMark());
}

void EditorFrame::ApplyModes() {
    core_.Editor().Behaviour().ApplyBehaviourMode();
    core_.Editor().Education().ApplyEducationMode();
    Update();
}

}  // namespace kw
