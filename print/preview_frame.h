#pragma once
// The print preview window: the shared header and the two options stored with the class. The
// documents and their printing come with the print preview itself.

#include "app/top_window.h"
#include "controls/ctr_views.h"

namespace kw {

class Core;
class WizardModel;

class PreviewFrame : public TopWindow {
public:
    PreviewFrame(Core& core, WizardModel& model, std::function<void()> onBack);

private:
    ViewSet views_;
};

}  // namespace kw
