#include "print/preview_frame.h"

#include <wx/panel.h>
#include <wx/stattext.h>

#include "app/caption_fit.h"
#include "app/core.h"
#include "app/layout.h"

namespace kw {

PreviewFrame::PreviewFrame(Core& core, WizardModel& model, std::function<void()> onBack)
    : TopWindow(model) {
    auto* panel = new wxPanel(this, wxID_ANY);
    AddHeader(panel);
    views_.Build(core.Print().NoChart(), panel);
    new wxStaticText(panel, wxID_ANY, wxString::FromUTF8("Wielkość czcionki oceny na świadectwie:"),
                     ScaledPoint(220, 68));
    views_.Build(core.Print().FontSize(), panel);
    FitCaptions(this);
    Bind(wxEVT_CLOSE_WINDOW, [onBack](wxCloseEvent&) {
        if (onBack) onBack();
    });
}

}  // namespace kw
