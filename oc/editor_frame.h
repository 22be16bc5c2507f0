#pragma once
// The assessment editor window: the shared header and every page of the editor, built from the
// editor's control models. Its pages' buttons and gauges grow with the editor itself.

#include <memory>

#include <wx/frame.h>
#include <wx/textctrl.h>

#include "app/window_header.h"
#include "controls/ctr_views.h"

namespace kw {

class Core;
class WizardModel;

class EditorFrame : public wxFrame {
public:
    // onBack returns to the wizard; onPrint opens the print preview.
    EditorFrame(Core& core, WizardModel& model, std::function<void()> onBack);

    // Shows the modes of the current assessment (when the editor is shown or the current
    // assessment changes).
    void ApplyModes();
    void Update();
    WindowHeader& Header() { return *header_; }
    ViewSet& Views() { return views_; }

private:
    void ShowPreview(wxTextCtrl* field, const wxString& text, std::pair<int, int> mark);

    Core& core_;
    std::function<void()> onBack_;
    ViewSet views_;
    std::unique_ptr<WindowHeader> header_;
    wxTextCtrl* behaviourPreview_ = nullptr;
    wxTextCtrl* educationPreview_ = nullptr;
};

}  // namespace kw
