#pragma once
// The assessment editor window: the shared header and every page of the editor, built from the
// editor's control models, with the buttons of the two text modes, the warning of a stale manual
// text and the previews of the automatic texts.

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/top_window.h"
#include "controls/ctr_views.h"

namespace kw {

class Core;
class WizardModel;

class EditorFrame : public TopWindow {
public:
    // onBack returns to the wizard, onPrint goes on to the print preview.
    EditorFrame(Core& core, WizardModel& model, std::function<void()> onBack,
                std::function<void()> onPrint);

    // Shows the modes of the current assessment (when the editor is shown or the current
    // assessment changes).
    void ApplyModes();
    void Update();
    ViewSet& Views() { return views_; }

private:
    // The buttons of a page with the two text modes (refresh the manual text, to automatic, to
    // manual, each followed by Update) and its red label for a stale manual text, returned.
    wxStaticText* AddModeControls(int manualId, int automaticId, int toManualX,
                                  std::function<void()> refresh, std::function<void()> toAutomatic,
                                  std::function<void()> toManual);
    void ShowPreview(wxTextCtrl* field, const wxString& text, std::pair<int, int> mark);

    Core& core_;
    std::function<void()> onBack_, onPrint_;
    ViewSet views_;
    wxTextCtrl* behaviourPreview_ = nullptr;
    wxTextCtrl* educationPreview_ = nullptr;
    wxStaticText* behaviourStale_ = nullptr;
    wxStaticText* educationStale_ = nullptr;
};

}  // namespace kw
