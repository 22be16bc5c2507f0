#pragma once
// The wizard window: the header, the notebook with the class, pupils and assessments pages, and
// the buttons for leaving the program and for help.

#include <memory>

#include <wx/notebook.h>

#include "app/top_window.h"
#include "controls/ctr_views.h"
#include "wizard/page_views.h"

namespace kw {

class Core;
class WizardModel;

class WizardFrame : public TopWindow {
public:
    // onEdit opens the editor; onClose closes the application.
    WizardFrame(Core& core, WizardModel& model, std::function<void()> onEdit,
                std::function<void()> onClose);

    void Update();
    wxNotebook* Notebook() const { return notebook_; }
    PupilsPageView& PupilsPage() { return *pupils_; }
    AssessmentsPageView& AssessmentsPage() { return *assessments_; }
    ViewSet& Views() { return views_; }
    // The exit button and the close box.
    void Exit();

private:
    void OnButton(wxCommandEvent& e);
    void OnPageChanging(wxBookCtrlEvent& e);

    Core& core_;
    WizardModel& model_;
    std::function<void()> onEdit_, onClose_;
    ViewSet views_;
    wxNotebook* notebook_ = nullptr;
    std::unique_ptr<ClassPageView> class_;
    std::unique_ptr<PupilsPageView> pupils_;
    std::unique_ptr<AssessmentsPageView> assessments_;
    bool built_ = false;
};

}  // namespace kw
