#pragma once
// What the wizard, the assessment editor and the print preview share: the program's title, the
// fixed size, the icon "A", the font of the layout, the light blue background, and the header
// with the class name and the pupil and assessment selectors.

#include <memory>

#include <wx/frame.h>

#include "app/window_header.h"

namespace kw {

class WizardModel;

class TopWindow : public wxFrame {
public:
    explicit TopWindow(WizardModel& model);
    WindowHeader& Header() { return *header_; }

protected:
    // Puts the header on the panel that holds the window's controls.
    void AddHeader(wxWindow* panel);

private:
    WizardModel& model_;
    std::unique_ptr<WindowHeader> header_;
};

}  // namespace kw
