#include "app/top_window.h"

#include "app/colours.h"
#include "app/layout.h"
#include "app/program.h"
#include "resources/bitmaps.h"

namespace kw {

TopWindow::TopWindow(WizardModel& model)
    : wxFrame(nullptr, wxID_ANY, KWERLO_TITLE, wxDefaultPosition, ScaledSize(800, 586),
              wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      model_(model) {
    SetIcon(ProgramIcon());
    // The font the layout was scaled for, in which the windows measure their texts (GTK draws
    // every widget in it through the program's style sheet).
    SetFont(Layout::Font());
    SetBackgroundColour(LightBlue());
}

void TopWindow::AddHeader(wxWindow* panel) {
    panel->SetBackgroundColour(LightBlue());
    header_ = std::make_unique<WindowHeader>(panel, model_);
}

}  // namespace kw
