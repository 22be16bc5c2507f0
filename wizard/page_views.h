#pragma once
// The three wizard pages on screen: the widgets of their fields (made by the control views),
// their labels, tool tips, lists and bitmap buttons.

#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "controls/ctr_views.h"

namespace kw {

class Core;
class WizardModel;

// Places the static texts of a page: {text, x, y}.
struct PageLabel {
    const char* text;
    int x, y;
};
void AddLabels(wxWindow* page, std::initializer_list<PageLabel> labels);

class ClassPageView {
public:
    ClassPageView(wxPanel* page, Core& core, ViewSet& views);
};

class PupilsPageView {
public:
    PupilsPageView(wxPanel* page, Core& core, ViewSet& views, WizardModel& model);
    void Update();
    // Entering the page: PESEL hidden, the voivodeship of birth shown with option 123.
    void ApplyVisibility(bool option123);
    wxListCtrl* List() const { return list_; }

private:
    ViewSet& views_;
    WizardModel& model_;
    wxListCtrl* list_;
    wxStaticText* voivodeshipLabel_;
    wxWindow* deleteButton_;
    bool updating_ = false;
};

class AssessmentsPageView {
public:
    AssessmentsPageView(wxPanel* page, Core& core, ViewSet& views, WizardModel& model);
    void Update();
    wxListCtrl* List() const { return list_; }

private:
    WizardModel& model_;
    wxListCtrl* list_;
    std::vector<wxWindow*> currentOnly_;  // buttons 16-18
    bool updating_ = false;
};

}  // namespace kw
