#pragma once
// The header that the wizard, the assessment editor and the print preview share: the class name
// and the pupil and assessment selectors. The three headers always show the same entries and the
// same selection; a choice in any of them goes to the wizard's flows.

#include <functional>
#include <vector>

#include <wx/choice.h>
#include <wx/stattext.h>

namespace kw {

class WizardModel;

class WindowHeader {
public:
    WindowHeader(wxWindow* parent, WizardModel& model);
    // Shows the model's class name, entries and selection.
    void Update();

    wxChoice* Pupils() const { return pupils_; }
    wxChoice* Assessments() const { return assessments_; }
    wxStaticText* ClassName() const { return className_; }

private:
    WizardModel& model_;
    wxStaticText* className_;
    wxChoice* pupils_;
    wxChoice* assessments_;
    bool updating_ = false;
};

}  // namespace kw
