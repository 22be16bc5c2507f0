#include "print/preview_frame.h"

#include <wx/panel.h>
#include <wx/stattext.h>

#include "app/core.h"
#include "app/program.h"
#include "resources/bitmaps.h"

namespace kw {

PreviewFrame::PreviewFrame(Core& core, WizardModel& model, std::function<void()> onBack)
    : wxFrame(nullptr, wxID_ANY, KWERLO_TITLE, wxDefaultPosition, wxSize(800, 586),
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX) {
    SetIcon(ProgramIcon());
    // The layout is in pixels for a small dialog font; the children inherit it.
    SetFont(wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS)));
    auto* panel = new wxPanel(this, wxID_ANY);
    panel->SetBackgroundColour(wxColour(191, 219, 255));
    header_ = std::make_unique<WindowHeader>(panel, model);
    views_.Build(core.Print().NoChart(), panel);
    new wxStaticText(panel, wxID_ANY, wxString::FromUTF8("Wielkość czcionki oceny na świadectwie:"),
                     wxPoint(220, 68));
    views_.Build(core.Print().FontSize(), panel);
    Bind(wxEVT_CLOSE_WINDOW, [onBack](wxCloseEvent&) {
        if (onBack) onBack();
    });
}

}  // namespace kw
