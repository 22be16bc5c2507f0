#pragma once
// The print preview window: the shared header and the two options stored with the class. The
// documents and their printing come with the print preview itself.

#include <memory>

#include <wx/frame.h>

#include "app/window_header.h"
#include "controls/ctr_views.h"

namespace kw {

class Core;
class WizardModel;

class PreviewFrame : public wxFrame {
public:
    PreviewFrame(Core& core, WizardModel& model, std::function<void()> onBack);
    WindowHeader& Header() { return *header_; }

private:
    ViewSet views_;
    std::unique_ptr<WindowHeader> header_;
};

}  // namespace kw
