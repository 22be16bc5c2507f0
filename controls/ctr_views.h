#pragma once
// The widgets of the control models: each view creates its wx widget at the model's place,
// mirrors the model, and passes the teacher's actions to the model's user operations.

#include <map>
#include <memory>
#include <vector>

#include <wx/window.h>

#include "controls/ctr_base.h"

namespace kw {

class ViewSet {
public:
    ViewSet() = default;
    ~ViewSet();
    ViewSet(const ViewSet&) = delete;
    ViewSet& operator=(const ViewSet&) = delete;

    // Creates the widgets of every control below root inside parent, following the registry's
    // tree: boxes and groups hold their children, notebooks their pages.
    void BuildChildren(const CtrBase& root, wxWindow* parent, wxPoint offset = wxPoint(0, 0));
    // Creates a control's widget (and those below it) and returns it; nullptr for a control
    // without one. offset: where the control's coordinate origin lies in parent, on the screen
    // (a box's children are its siblings, placed inside its frame).
    wxWindow* Build(CtrBase& control, wxWindow* parent, wxPoint offset = wxPoint(0, 0));

    // The widget made for a control, or nullptr.
    wxWindow* Widget(int id) const;
    void SetToolTip(int id, const wxString& tip);

private:
    std::vector<std::unique_ptr<CtrView>> views_;
    std::vector<CtrBase*> models_;
    std::map<int, wxWindow*> widgets_;
};

}  // namespace kw
