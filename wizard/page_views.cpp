#include "wizard/page_views.h"

#include <wx/bmpbuttn.h>

#include "app/core.h"
#include "app/layout.h"
#include "app/utf8.h"
#include "klasa/klasa.h"
#include "resources/bitmaps.h"
#include "wizard/wizard_model.h"

namespace kw {
namespace {

const char kKreskaTip[] =
    "wpisz (kreska) jeśli ma być kreska, (puste) jeśli pole ma zostać puste";

// Rebuilds a report list from rows of columns, selecting one row.
void FillList(wxListCtrl* list, const std::vector<std::vector<wxString>>& rows, int selected) {
    list->DeleteAllItems();
    for (size_t r = 0; r < rows.size(); ++r) {
        const long item = list->InsertItem(static_cast<long>(r), rows[r][0]);
        for (size_t c = 1; c < rows[r].size(); ++c) list->SetItem(item, static_cast<int>(c), rows[r][c]);
    }
    if (selected >= 0 && selected < list->GetItemCount()) {
        list->SetItemState(selected, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        list->EnsureVisible(selected);
    }
}

wxPanel* ButtonPanel(wxWindow* page) {
    auto* p = new wxPanel(page, wxID_ANY, ScaledPoint(620, 0), ScaledSize(165, 417));
    p->SetBackgroundColour(page->GetBackgroundColour());
    return p;
}

}  // namespace

void AddLabels(wxWindow* page, std::initializer_list<PageLabel> labels) {
    for (const PageLabel& l : labels)
        new wxStaticText(page, wxID_ANY, U(l.text), ScaledPoint(l.x, l.y));
}

ClassPageView::ClassPageView(wxPanel* page, Core& core, ViewSet& views) {
    views.BuildChildren(core.ClassPage().Page(), page);
    AddLabels(page, {{"Rok szkolny", 4, 12}, {"Numer klasy", 181, 12}, {"Sufiks klasy", 316, 12},
                     {"Numer szkoły", 456, 12}, {"Nazwa  szkoły 1", 4, 44}, {"Nazwa  szkoły 2", 316, 44},
                     {"Szkoła imienia 1", 4, 76}, {"Szkoła imienia 2", 315, 76},
                     {"W (miejscowości)", 4, 108}, {"Województwo", 315, 108},
                     {"Data rady pedagogicznej :", 4, 152}, {"Dzień", 172, 152},
                     {"Miesiąc", 268, 152}, {"Rok", 436, 152},
                     {"Miejscowość wystawienia świadectwa", 4, 188}, {"Wychowawca", 416, 188},
                     {"Data wystawienia świadectwa :", 4, 220}, {"Dzień", 172, 220},
                     {"Miesiąc", 272, 220}, {"Rok", 436, 220},
                     {"Data wypełnienia arkusza ocen :", 4, 248}, {"Dzień", 172, 248},
                     {"Miesiąc", 272, 248}, {"Rok", 436, 248},
                     {"Notatki o klasie ( nie drukowane )", 4, 276}});
    views.SetToolTip(118, U("Litera wystepująca po numerze klasy (np.: 'c' w '3c') dodawana do "
                            "numeru klasy na wydruku arkusza ocen i oceny okresowej"));
    for (int id : {103, 104, 105, 106, 107}) views.SetToolTip(id, U(kKreskaTip));
    views.SetToolTip(109, U("Po naciśnięciu klawisza F5 województwo zostanie zapamiętane"));
    views.SetToolTip(117, U("Przechowuje ogólne informacje o klasie, które nie będą drukowane"));
    views.SetToolTip(119, U("Imię i nazwisko wychowawcy klasy, drukowane na świadectwie, w "
                            "arkuszu ocen i w ocenie okresowej"));
    if (wxWindow* option = views.Widget(123)) {
        option->SetForegroundColour(*wxBLUE);
        option->Hide();  // stored with the class, never shown
    }
    wxPanel* buttons = ButtonPanel(page);
    AddBitmapButton(buttons, 8, "bmp_wiz_klasa_nowa", 12, 24, "Tworzy nową klasę o podanej nazwie");
    AddBitmapButton(buttons, 9, "bmp_wiz_klasa_odczyt", 12, 64, "Odczytuje klasę z komputera");
    AddBitmapButton(buttons, 10, "bmp_wiz_klasa_zapisz", 12, 104,
                    "Zapisuje aktualną klasę w komputerze ");
}

PupilsPageView::PupilsPageView(wxPanel* page, Core& core, ViewSet& views, WizardModel& model)
    : views_(views), model_(model) {
    views.BuildChildren(core.PupilPage().Page(), page);
    AddLabels(page, {{"Imię", 4, 12}, {"Nazwisko", 4, 44}, {"Dzień", 4, 136}, {"Miesiąc", 96, 136},
                     {"Rok", 252, 136}, {"Płeć", 4, 168}, {"Promocja", 188, 168},
                     {"Numer w dzienniku", 4, 200}, {"Numer ewidencyjny", 188, 200},
                     {"Ilość godzin opuszczonych: ", 4, 228},
                     {"W tym nieusprawiedliwionych:", 188, 228}, {"Tytuł listu", 4, 260},
                     {"Notatki o uczniu ( nie drukowane )", 4, 288}, {"Lista uczniów", 424, 4}});
    voivodeshipLabel_ = new wxStaticText(page, wxID_ANY, U("Województwo"), ScaledPoint(4, 104));
    // The place of birth and the PESEL are kept but not shown.
    if (wxWindow* w = views.Widget(205)) w->Hide();
    views.SetToolTip(203, U("Po naciśnięciu klawisza F5 imię zostanie zapamiętane"));
    views.SetToolTip(206, U("Po naciśnięciu klawisza F5 województwo urodzenia zostanie zapamiętane"));
    views.SetToolTip(210, U("Potrzebna do automatycznego układania oceny"));
    views.SetToolTip(214, U("Napis pojawiający się jako tytuł w liście do ucznia ( np. Drogi Tomku )"));
    views.SetToolTip(215, U("Bieżące notatki o uczniu, które nie pojawiają się na wydrukach"));
    ApplyVisibility(false);

    list_ = new wxListCtrl(page, wxID_ANY, ScaledPoint(424, 24), ScaledSize(189, 393),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    list_->InsertColumn(0, "Nr", wxLIST_FORMAT_LEFT, Scaled(25));
    list_->InsertColumn(1, "Nazwisko", wxLIST_FORMAT_LEFT, Scaled(160));
    list_->SetToolTip(U("Lista wszystkich uczniów aktualnej klasy ( numer w dzienniku oraz nazwisko )"));
    list_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) {
        if (!updating_ && e.GetIndex() != model_.PupilRow()) model_.SelectPupilRow(static_cast<int>(e.GetIndex()));
    });
    wxPanel* buttons = ButtonPanel(page);
    AddBitmapButton(buttons, 12, "bmp_wiz_uczniowie_nowy", 12, 24,
                    "Dodaje nowego ucznia do listy uczniów");
    deleteButton_ = AddBitmapButton(
        buttons, 13, "bmp_wiz_uczniowie_usun", 12, 64,
        "Usuwa dane osobowe oraz wszystkie oceny aktualnie wybranego ucznia");
}

void PupilsPageView::ApplyVisibility(bool option123) {
    if (wxWindow* w = views_.Widget(218)) w->Hide();
    if (wxWindow* w = views_.Widget(206)) w->Show(option123);
    voivodeshipLabel_->Show(option123);
}

void PupilsPageView::Update() {
    updating_ = true;
    std::vector<std::vector<wxString>> rows;
    for (const Uczen* p : model_.PupilRows()) rows.push_back({p->RegisterNumber(), p->Surname()});
    FillList(list_, rows, model_.PupilRow());
    deleteButton_->Enable(model_.PupilFieldsEnabled());
    updating_ = false;
}

AssessmentsPageView::AssessmentsPageView(wxPanel* page, Core& core, ViewSet& views,
                                         WizardModel& model)
    : model_(model) {
    views.BuildChildren(core.AssessmentPage().Page(), page);
    AddLabels(page, {{"Numer oceny", 8, 16}, {"Rodzaj oceny", 312, 16}, {"Nazwa oceny", 8, 44},
                     {"Lista ocen ( ostatnio utworzona jest na górze listy )", 4, 80},
                     {"Notatki o ocenie ( nie drukowane )", 4, 332}});
    views.SetToolTip(304, U("Numer kolejnej oceny. Zaleca się nadawać ocenom numery według "
                            "kolejności czasu ich powstawania ( 1,2,3... ) Ma to znaczenie przy "
                            "pokazywaniu wykresu przebiegu zmian ocen z wybranych przedmiotów w "
                            "ciągu roku szkolnego"));
    views.SetToolTip(305, U("Od wybranego rodzaju oceny zależy ( oprócz oczywiście innej formy "
                            "wydruku ) ilość dostępnego miejsca na tekst oceny.\n\n- Świadectwo i "
                            "arkusz ocen dysponują tym samym (najmniejszym dostępnym) miejscem\n- "
                            "List do ucznia umożliwia zamieszczenie większej ilości tekstu\n- Ocena "
                            "okresowa pozwala wydrukować najdłuższy tekst\n\nNa wykresie będą się "
                            "znajdować wyłącznie oceny okresowe ze względu na ich kompleksowość "
                            "(obszerność)"));
    views.SetToolTip(306, U("Nazwa oceny powinna zawierać czas lub okoliczności jej sporządzenia"));
    views.SetToolTip(307, U("Bieżące notatki o ocenie, które nie będą znajdować się na wydruku"));
    list_ = new wxListCtrl(page, wxID_ANY, ScaledPoint(4, 100), ScaledSize(609, 221),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    list_->InsertColumn(0, "Nr", wxLIST_FORMAT_LEFT, Scaled(25));
    list_->InsertColumn(1, "Rodzaj", wxLIST_FORMAT_LEFT, Scaled(150));
    list_->InsertColumn(2, "Nazwa", wxLIST_FORMAT_LEFT, Scaled(400));
    list_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) {
        if (!updating_ && e.GetIndex() != model_.AssessmentRow())
            model_.SelectAssessmentRow(static_cast<int>(e.GetIndex()));
    });
    wxPanel* buttons = ButtonPanel(page);
    AddBitmapButton(buttons, 14, "bmp_wiz_oceny_nowa", 12, 24,
                    "Dodaje nową ocenę do listy dla aktualnego ucznia (rodzaj oceny wybrany przy jej "
                    "tworzeniu można później w każdej chwili zmienić)");
    AddBitmapButton(buttons, 15, "bmp_wiz_oceny_powiel", 12, 64,
                    "Kopiuje informację (oprócz jej numeru, rodzaju i nazwy) z aktualnie "
                    "zaznaczonej oceny do nowo tworzonej.\nFunkcję wykorzystuje się przy "
                    "tworzeniu kolejnej oceny dla tego samego ucznia\n(wtedy wystarczy "
                    "wprowadzić jedynie małe poprawki by była już gotowa)");
    currentOnly_.push_back(AddBitmapButton(buttons, 16, "bmp_wiz_oceny_edyt", 12, 104,
                                           "Pojawia się okno edycji oceny z którego mozna "
                                           "przejść do podglądu drukowania"));
    currentOnly_.push_back(AddBitmapButton(buttons, 17, "bmp_wiz_oceny_wyczysc", 12, 144,
                                           "Usuwa wszystkie dane oceny oprócz jej numeru, "
                                           "nazwy i rodzaju"));
    currentOnly_.push_back(
        AddBitmapButton(buttons, 18, "bmp_wiz_oceny_usun", 12, 184, "Usuwa całą ocenę z listy"));
}

void AssessmentsPageView::Update() {
    updating_ = true;
    std::vector<std::vector<wxString>> rows;
    for (const Ocena* a : model_.AssessmentRows()) rows.push_back({a->Number(), a->Kind(), a->Name()});
    FillList(list_, rows, model_.AssessmentRow());
    for (wxWindow* b : currentOnly_) b->Enable(model_.AssessmentFieldsEnabled());
    updating_ = false;
}

}  // namespace kw
