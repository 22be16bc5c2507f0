#pragma once
// The wizard's input dialogs as wx dialogs: new class, new pupil, new assessment, the save
// intro and the file dialogs.

#include <wx/window.h>

#include "wizard/wizard_model.h"

namespace kw {

class WxWizardDialogs : public WizardDialogs {
public:
    explicit WxWizardDialogs(wxWindow* parent = nullptr) : parent_(parent) {}
    void SetParent(wxWindow* parent) { parent_ = parent; }
    bool AskClassName(wxString& name) override;
    bool AskPupil(wxString& number, wxString& surname) override;
    bool AskAssessment(wxString& number, int& kind, wxString& name) override;
    bool AskOpenPath(const wxString& folder, wxString& path) override;
    bool AskSaveIntro(const wxString& classesFolder) override;
    bool AskSavePath(const wxString& folder, const wxString& defaultName, wxString& path) override;

private:
    wxWindow* parent_;
};

}  // namespace kw
