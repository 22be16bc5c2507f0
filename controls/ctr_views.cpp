#include "controls/ctr_views.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "app/layout.h"
#include "controls/phrase_controls.h"
#include "controls/registry.h"
#include "controls/text_guard.h"
#include "controls/value_controls.h"

namespace kw {
namespace {

// A model's place on the screen; offset is already on the screen (a box's place in its parent).
wxPoint Pos(const Rect& r, wxPoint offset = wxPoint(0, 0)) {
    return ScaledPoint(r.x, r.y) + offset;
}
wxSize Size(const Rect& r) { return ScaledSize(r.x, r.y, r.w, r.h); }

// Programmatic updates of a widget must not come back as the teacher's changes.
class Guarded : public CtrView {
protected:
    bool refreshing_ = false;
    struct Scope {
        bool& flag;
        explicit Scope(bool& f) : flag(f) { flag = true; }
        ~Scope() { flag = false; }
    };
};

class WindowView : public Guarded {
public:
    explicit WindowView(wxWindow* w) : window_(w) {}
    void Refresh() override {}
    void SetEnabled(bool enabled) override { window_->Enable(enabled); }

protected:
    wxWindow* window_;
};

class PanelView : public WindowView {
public:
    PanelView(CtrPanel& m, wxWindow* w) : WindowView(w), model_(m) {}
    void Refresh() override { window_->Show(model_.Shown()); }

private:
    CtrPanel& model_;
};

class RadioGroupView : public Guarded {
public:
    RadioGroupView(CtrRadioGroup& m, wxWindow* parent, wxPoint offset) : model_(m) {
        const wxPoint at = Pos(m.Geometry(), offset);
        box_ = new wxStaticBox(parent, wxID_ANY, m.Caption(), at, Size(m.Geometry()));
        for (int i = 0; i < m.Count(); ++i) {
            const Rect r = m.OptionRect(i);
            auto* b = new wxRadioButton(parent, wxID_ANY, m.OptionCaption(i), Pos(r, at), Size(r),
                                        i == 0 ? wxRB_GROUP : 0);
            b->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) {
                if (!refreshing_) model_.UserSelect(i);
            });
            buttons_.push_back(b);
        }
        // Nothing chosen shows no button on.
        hidden_ = new wxRadioButton(parent, wxID_ANY, "", wxPoint(-100, -100), wxSize(1, 1));
        hidden_->Hide();
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        if (model_.Chosen() >= 0) buttons_[static_cast<size_t>(model_.Chosen())]->SetValue(true);
        else hidden_->SetValue(true);
    }
    void SetEnabled(bool e) override {
        box_->Enable(e);
        for (wxRadioButton* b : buttons_) b->Enable(e);
    }
    wxWindow* Window() const { return box_; }

private:
    CtrRadioGroup& model_;
    wxStaticBox* box_;
    std::vector<wxRadioButton*> buttons_;
    wxRadioButton* hidden_;
};

class CheckGroupView : public Guarded {
public:
    CheckGroupView(CtrCheckGroup& m, wxWindow* parent, wxPoint offset) : model_(m) {
        const wxPoint at = Pos(m.Geometry(), offset);
        box_ = new wxStaticBox(parent, wxID_ANY, m.Caption(), at, Size(m.Geometry()));
        for (int i = 0; i < m.Count(); ++i) {
            const Rect r = m.OptionRect(i);
            auto* c = new wxCheckBox(parent, wxID_ANY, m.OptionCaption(i), Pos(r, at), Size(r));
            c->Bind(wxEVT_CHECKBOX, [this, i](wxCommandEvent&) {
                if (!refreshing_) model_.UserToggle(i);
            });
            boxes_.push_back(c);
        }
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        for (int i = 0; i < model_.Count(); ++i) boxes_[static_cast<size_t>(i)]->SetValue(model_.IsTicked(i));
    }
    void SetEnabled(bool e) override {
        box_->Enable(e);
        for (wxCheckBox* c : boxes_) c->Enable(e);
    }
    wxWindow* Window() const { return box_; }

private:
    CtrCheckGroup& model_;
    wxStaticBox* box_;
    std::vector<wxCheckBox*> boxes_;
};

class CheckView : public WindowView {
public:
    CheckView(CtrCheck& m, wxCheckBox* w) : WindowView(w), model_(m), box_(w) {
        w->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
            if (!refreshing_) model_.UserToggle();
        });
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        box_->SetValue(model_.IsOn());
    }

private:
    CtrCheck& model_;
    wxCheckBox* box_;
};

class RadioView : public WindowView {
public:
    RadioView(CtrRadio& m, wxRadioButton* w) : WindowView(w), model_(m), button_(w) {
        w->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
            if (!refreshing_) model_.UserRadioEvent(button_->GetValue());
        });
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        button_->SetValue(model_.IsOn());
    }

private:
    CtrRadio& model_;
    wxRadioButton* button_;
};

class ChoiceView : public WindowView {
public:
    ChoiceView(CtrChoice& m, wxChoice* w) : WindowView(w), model_(m), choice_(w) {
        for (int i = 0; i < m.Count(); ++i) w->Append(m.OptionCaption(i));
        w->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
            if (!refreshing_) model_.UserSelect(choice_->GetSelection());
        });
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        choice_->SetSelection(model_.Selection() >= 0 ? model_.Selection() : wxNOT_FOUND);
    }

private:
    CtrChoice& model_;
    wxChoice* choice_;
};

// A text widget of a text model: the guard keeps out what the field refuses; the teacher's
// edits go to the model.
template <class Widget>
class TextLikeView : public WindowView {
public:
    TextLikeView(CtrText& m, Widget* w)
        : WindowView(w), model_(m), widget_(w), guard_(TextGuard::Attach(w, m.Filter())) {
        w->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
            if (refreshing_) return;
            inTextEvent_ = true;
            model_.UserSetText(widget_->GetValue());
            inTextEvent_ = false;
        });
        Refresh();
    }
    void Refresh() override {
        // A text event comes from inside GTK's insert handler, where the buffer must not change.
        if (inTextEvent_) {
            widget_->CallAfter([this] { Refresh(); });
            return;
        }
        Scope s(refreshing_);
        ShowText();
    }

protected:
    void ShowText() {
        if (widget_->GetValue() != model_.Text()) guard_.ChangeValue(model_.Text());
    }

    CtrText& model_;
    Widget* widget_;
    TextGuard& guard_;
    bool inTextEvent_ = false;
};

class ComboView : public TextLikeView<wxComboBox> {
public:
    ComboView(CtrCombo& m, wxComboBox* w) : TextLikeView(m, w), combo_(m) {
        w->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
            if (e.GetKeyCode() == WXK_F5) {
                combo_.Remember();
                widget_->SetFocus();
            }
            e.Skip();
        });
        Refresh();
    }
    void Refresh() override {
        if (inTextEvent_) {
            widget_->CallAfter([this] { Refresh(); });
            return;
        }
        Scope s(refreshing_);
        const std::vector<wxString>& entries = combo_.Entries();
        bool same = widget_->GetCount() == entries.size();
        for (size_t i = 0; same && i < entries.size(); ++i)
            same = widget_->GetString(static_cast<unsigned>(i)) == entries[i];
        if (!same) {
            widget_->Clear();
            for (const wxString& e : entries) widget_->Append(e);
        }
        ShowText();
    }

private:
    CtrCombo& combo_;
};

class SpinView : public WindowView {
public:
    SpinView(CtrSpin& m, wxSpinCtrl* w) : WindowView(w), model_(m), spin_(w) {
        auto changed = [this](wxCommandEvent&) {
            if (refreshing_) return;
            model_.UserSetValue(spin_->GetValue());
            Refresh();
        };
        w->Bind(wxEVT_SPINCTRL, changed);
        w->Bind(wxEVT_TEXT, changed);
        Refresh();
    }
    void Refresh() override {
        Scope s(refreshing_);
        if (spin_->GetValue() != model_.Value()) spin_->SetValue(model_.Value());
    }

private:
    CtrSpin& model_;
    wxSpinCtrl* spin_;
};

}  // namespace

ViewSet::~ViewSet() {
    for (CtrBase* m : models_) m->AttachView(nullptr);
}

wxWindow* ViewSet::Widget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

void ViewSet::SetToolTip(int id, const wxString& tip) {
    if (wxWindow* w = Widget(id)) w->SetToolTip(tip);
}

wxWindow* ViewSet::Build(CtrBase& c, wxWindow* parent, wxPoint offset) {
    const Rect& r = c.Geometry();
    const wxPoint at = Pos(r, offset);
    wxPoint childOffset(0, 0);
    wxWindow* window = nullptr;
    std::unique_ptr<CtrView> view;
    wxWindow* childParent = nullptr;
    if (auto* m = dynamic_cast<CtrRadioGroup*>(&c)) {
        auto v = std::make_unique<RadioGroupView>(*m, parent, offset);
        window = v->Window();
        view = std::move(v);
    } else if (auto* m = dynamic_cast<CtrCheckGroup*>(&c)) {
        auto v = std::make_unique<CheckGroupView>(*m, parent, offset);
        window = v->Window();
        view = std::move(v);
    } else if (auto* m = dynamic_cast<CtrRadio*>(&c)) {
        auto* w = new wxRadioButton(parent, wxID_ANY, m->Caption(), at, Size(r));
        window = w;
        view = std::make_unique<RadioView>(*m, w);
    } else if (auto* m = dynamic_cast<CtrCheck*>(&c)) {
        auto* w = new wxCheckBox(parent, wxID_ANY, m->Caption(), at, Size(r));
        window = w;
        view = std::make_unique<CheckView>(*m, w);
    } else if (auto* m = dynamic_cast<CtrChoice*>(&c)) {
        auto* w = new wxChoice(parent, wxID_ANY, at, ScaledFieldSize(r.w, r.h));
        window = w;
        view = std::make_unique<ChoiceView>(*m, w);
    } else if (auto* m = dynamic_cast<CtrCombo*>(&c)) {
        auto* w = new wxComboBox(parent, wxID_ANY, "", at, ScaledFieldSize(r.w, r.h), 0, nullptr,
                                 wxCB_DROPDOWN);
        window = w;
        view = std::make_unique<ComboView>(*m, w);
    } else if (auto* m = dynamic_cast<CtrText*>(&c)) {
        const long style = m->MultiLine() ? wxTE_MULTILINE : 0;
        auto* w = new wxTextCtrl(parent, wxID_ANY, "", at,
                                 m->MultiLine() ? Size(r) : ScaledFieldSize(r.w, r.h), style);
        window = w;
        view = std::make_unique<TextLikeView<wxTextCtrl>>(*m, w);
    } else if (auto* m = dynamic_cast<CtrSpin*>(&c)) {
        auto* w = new wxSpinCtrl(parent, wxID_ANY, "", at, ScaledFieldSize(r.w, r.h),
                                 wxSP_ARROW_KEYS, 0, 100, 0);
        window = w;
        view = std::make_unique<SpinView>(*m, w);
    } else if (auto* m = dynamic_cast<CtrBox*>(&c)) {
        auto* w = new wxStaticBox(parent, wxID_ANY, m->Caption(), at, Size(r));
        window = w;
        childParent = parent;  // the box's contents are its siblings, inside its frame
        childOffset = at;
        view = std::make_unique<WindowView>(w);
    } else if (auto* m = dynamic_cast<CtrNotebook*>(&c)) {
        const wxSize size = r.w > 0 ? Size(r) : parent->GetClientSize();
        auto* nb = new wxNotebook(parent, wxID_ANY, at, size, wxNB_MULTILINE);
        window = nb;
        view = std::make_unique<WindowView>(nb);
        for (int i = 0; i < m->PageCount(); ++i) {
            CtrPanel* page = m->Page(i);
            auto* panel = new wxPanel(nb, wxID_ANY);
            panel->SetBackgroundColour(nb->GetParent()->GetBackgroundColour());
            nb->AddPage(panel, m->PageLabel(i));
            widgets_[page->Id()] = panel;
            auto pv = std::make_unique<WindowView>(panel);
            page->AttachView(pv.get());
            models_.push_back(page);
            views_.push_back(std::move(pv));
            BuildChildren(*page, panel);
        }
    } else if (auto* m = dynamic_cast<CtrPanel*>(&c)) {
        const wxSize size = r.w > 0 ? Size(r) : parent->GetClientSize();
        auto* w = new wxPanel(parent, wxID_ANY, at, size, wxTAB_TRAVERSAL);
        w->SetBackgroundColour(parent->GetBackgroundColour());
        window = childParent = w;
        view = std::make_unique<PanelView>(*m, w);
    } else {
        return nullptr;  // the hidden holders have no widget
    }
    if (dynamic_cast<CtrRadio*>(&c) || dynamic_cast<CtrCheck*>(&c)) HugHeight(window);
    else KeepNeededSize(window);
    widgets_[c.Id()] = window;
    c.AttachView(view.get());
    models_.push_back(&c);
    view->SetEnabled(c.Enabled());
    view->Refresh();
    views_.push_back(std::move(view));
    if (childParent) BuildChildren(c, childParent, childOffset);
    return window;
}

void ViewSet::BuildChildren(const CtrBase& root, wxWindow* parent, wxPoint offset) {
    // A notebook's pages are built with the notebook.
    if (dynamic_cast<const CtrNotebook*>(&root)) return;
    for (CtrBase* child : TheRegistry().Children(root)) Build(*child, parent, offset);
}

}  // namespace kw
