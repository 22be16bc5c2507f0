// Every page, tab and dialog of the program as the teacher sees it: no caption is wider than its
// control, no two controls of one panel overlap, nothing is cut off at its panel's edge, every
// tab of a notebook is in view, and GTK never had to squeeze a widget below its size.
// With KWERLO_SCREENSHOTS=folder each view is also saved there as a PNG.

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtk/gtk.h>
#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/core.h"
#include "app/layout.h"
#include "klasa/klasa.h"
#include "oc/editor_frame.h"
#include "print/preview_frame.h"
#include "window_fixture.h"
#include "wizard/wizard_dialogs.h"

namespace {

using kwtest::WizardWindow;

// A widget's rectangle in its top-level window, as GTK placed it.
wxRect Placed(GtkWidget* w) {
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(w, gtk_widget_get_toplevel(w), 0, 0, &x, &y);
    return wxRect(x, y, gtk_widget_get_allocated_width(w), gtk_widget_get_allocated_height(w));
}
wxRect Placed(wxWindow* w) { return Placed(w->GetHandle()); }

std::string Describe(wxWindow* w) {
    wxString label = w->GetLabel();
    if (label.empty()) label = w->GetName();
    const wxRect r = w->GetRect();
    return std::string(wxString(w->GetClassInfo()->GetClassName()).utf8_str()) + " \"" +
           std::string(label.utf8_str()) + "\" at " + std::to_string(r.x) + "," +
           std::to_string(r.y) + " " + std::to_string(r.width) + "x" + std::to_string(r.height);
}

// The children of w that are on the screen now (a notebook shows only its current page).
std::vector<wxWindow*> ShownChildren(wxWindow* w) {
    std::vector<wxWindow*> out;
    auto* nb = dynamic_cast<wxNotebook*>(w);
    for (wxWindow* c : w->GetChildren()) {
        if (!c->IsShown() || c->IsTopLevel()) continue;
        if (nb && c != nb->GetCurrentPage()) continue;
        out.push_back(c);
    }
    return out;
}

// Panels and notebooks hold controls; every other window is one control, whatever windows of
// its own it is made of.
bool Holds(wxWindow* w) { return dynamic_cast<wxPanel*>(w) || dynamic_cast<wxNotebook*>(w); }

// Neighbours of the layout may share one of its pixels (two group boxes' frame lines), which
// the scale makes a pixel or two on the screen.
bool Overlapping(const wxRect& a, const wxRect& b) {
    const wxRect i = a.Intersect(b);
    const int shared = static_cast<int>(std::ceil(kw::Layout::Scale()));
    return i.width > shared && i.height > shared;
}
bool Inside(const wxRect& inner, const wxRect& outer) {
    const int shared = static_cast<int>(std::ceil(kw::Layout::Scale()));
    return inner.x >= outer.x - shared && inner.y >= outer.y - shared &&
           inner.GetRight() <= outer.GetRight() + shared &&
           inner.GetBottom() <= outer.GetBottom() + shared;
}

class LayoutCheck {
public:
    explicit LayoutCheck(std::string view) : view_(std::move(view)) {}

    // Looks at everything a top-level window shows.
    void Look(wxWindow* top) {
        Collect(top, Placed(top));
        for (size_t i = 0; i < leaves_.size(); ++i)
            for (size_t j = i + 1; j < leaves_.size(); ++j) Overlap(leaves_[i], leaves_[j]);
    }

    const std::vector<std::string>& Problems() const { return problems_; }

private:
    struct Leaf {
        wxRect placed;
        bool box;  // a group box: its options lie inside it
        std::string name;
    };

    void Problem(const std::string& what) { problems_.push_back(view_ + ": " + what); }

    void Collect(wxWindow* holder, const wxRect& visible) {
        for (wxWindow* c : ShownChildren(holder)) {
            const wxRect placed = Placed(c);
            if (placed.width <= 1 && placed.height <= 1) continue;  // a hidden helper
            if (Holds(c)) {
                if (auto* nb = dynamic_cast<wxNotebook*>(c)) Tabs(nb, visible);
                Collect(c, visible.Intersect(placed));
                continue;
            }
            if (!Inside(placed, visible)) Problem(Describe(c) + " is cut off");
            Caption(c);
            leaves_.push_back({placed, dynamic_cast<wxStaticBox*>(c) != nullptr, Describe(c)});
        }
    }

    // The caption's room: a check box, radio button or button at least as large as GTK needs it
    // with its whole caption, a choice as wide as its longest entry, any other widget as high as
    // GTK needs it, a group box wider than its title.
    void Caption(wxWindow* w) {
        GtkRequisition least, natural;
        gtk_widget_get_preferred_size(w->GetHandle(), &least, &natural);
        const wxSize size = Placed(w).GetSize();
        int needed = 0;
        if (dynamic_cast<wxCheckBox*>(w) || dynamic_cast<wxRadioButton*>(w) ||
            (dynamic_cast<wxButton*>(w) && !dynamic_cast<wxBitmapButton*>(w)) ||
            dynamic_cast<wxSpinCtrl*>(w))
            needed = least.width;
        else if (dynamic_cast<wxChoice*>(w))
            needed = natural.width;
        if (needed > size.x) Problem(Describe(w) + " needs " + std::to_string(needed) + " wide");
        if (least.height > size.y && !dynamic_cast<wxStaticBox*>(w))
            Problem(Describe(w) + " needs " + std::to_string(least.height) + " high");
        if (auto* box = dynamic_cast<wxStaticBox*>(w)) {
            const int title = box->GetTextExtent(box->GetLabel()).x;
            if (title + 16 > size.x)
                Problem(Describe(w) + ": the title is " + std::to_string(title) + " wide");
        }
    }

    // Every tab in view; the tabs are controls too.
    void Tabs(wxNotebook* nb, const wxRect& visible) {
        GtkNotebook* gtk = GTK_NOTEBOOK(nb->GetHandle());
        const wxRect whole = visible.Intersect(Placed(nb));
        for (size_t i = 0; i < nb->GetPageCount(); ++i) {
            GtkWidget* label = gtk_notebook_get_tab_label(gtk, nb->GetPage(i)->GetHandle());
            const wxRect tab = Placed(label);
            const std::string name =
                Describe(nb) + " tab \"" + std::string(nb->GetPageText(i).utf8_str()) + "\"";
            if (!gtk_widget_get_mapped(label) || !Inside(tab, whole))
                Problem(name + " is out of view");
            else
                leaves_.push_back({tab, false, name});
        }
    }

    void Overlap(const Leaf& a, const Leaf& b) {
        if (!Overlapping(a.placed, b.placed)) return;
        if (a.box && Inside(b.placed, a.placed)) return;
        if (b.box && Inside(a.placed, b.placed)) return;
        Problem(a.name + " and " + b.name + " overlap");
    }

    std::string view_;
    std::vector<std::string> problems_;
    std::vector<Leaf> leaves_;
};

// Saves what a window shows, when screenshots are asked for.
void Screenshot(wxWindow* top, const std::string& name) {
    const char* folder = std::getenv("KWERLO_SCREENSHOTS");
    if (!folder || !*folder) return;
    GdkWindow* window = gtk_widget_get_window(top->GetHandle());
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(window, 0, 0, gdk_window_get_width(window),
                                                 gdk_window_get_height(window));
    if (!shot) return;
    std::string file = name;
    for (char& c : file)
        if (c == '/' || c == ' ') c = '_';
    gdk_pixbuf_save(shot, (std::string(folder) + "/" + file + ".png").c_str(), "png", nullptr,
                    nullptr);
    g_object_unref(shot);
}

class Layout : public WizardWindow {
protected:
    void SetUp() override {
        gtkSeen_ = kwtest::GtkMessages().size();
        WizardWindow::SetUp();
        NewClassWithOneAssessment();
    }

    // Looks at a window as it is shown now; GTK's complaints since the last look (building the
    // windows included) count against it.
    void Check(wxWindow* top, const std::string& view) {
        top->Raise();
        top->Update();
        Pump();
        LayoutCheck check(view);
        check.Look(top);
        for (const std::string& p : check.Problems()) ADD_FAILURE() << p;
        Screenshot(top, view);
        for (; gtkSeen_ < kwtest::GtkMessages().size(); ++gtkSeen_)
            ADD_FAILURE() << view << ": GTK: " << kwtest::GtkMessages()[gtkSeen_];
        ++views_;
    }
    size_t gtkSeen_ = 0;

    // Shows every page of the notebooks below area, nested ones included, and checks each.
    void EachPage(wxWindow* top, wxWindow* area, const std::string& view) {
        wxNotebook* nb = FirstNotebook(area);
        if (!nb) return Check(top, view);
        for (size_t i = 0; i < nb->GetPageCount(); ++i) {
            nb->SetSelection(i);
            Pump();
            EachPage(top, nb->GetPage(i), view + "/" + std::string(nb->GetPageText(i).utf8_str()));
        }
    }

    static wxNotebook* FirstNotebook(wxWindow* w) {
        for (wxWindow* c : ShownChildren(w)) {
            if (auto* nb = dynamic_cast<wxNotebook*>(c)) return nb;
            if (wxNotebook* nb = FirstNotebook(c)) return nb;
        }
        return nullptr;
    }

    int views_ = 0;
};

TEST_F(Layout, TheWizardPages) {
    // The pupils page as it looks with the voivodeship of birth.
    program->GetCore().ClassPage().SheetOption().UserToggle();
    const char* const names[] = {"Klasa", "Uczniowie", "Oceny"};
    for (int tab : {kw::kClassTab, kw::kPupilsTab, kw::kAssessmentsTab}) {
        ASSERT_TRUE(GoToTab(tab));
        Check(&frame(), std::string("wizard/") + names[tab]);
    }
}

TEST_F(Layout, EveryTabOfTheEditorInBothModes) {
    Click(16);
    kw::EditorFrame* editor = program->Editor();
    ASSERT_TRUE(editor->IsShown());
    EachPage(editor, editor, "editor/automatic");
    program->GetCore().Editor().Behaviour().SwitchToManual();
    program->GetCore().Editor().Education().SwitchToManual();
    editor->Update();
    EachPage(editor, editor, "editor/manual");
    EXPECT_GT(views_, 30) << "every area and its parts were looked at";
}

TEST_F(Layout, ThePrintPreview) {
    program->Editor()->Hide();
    program->Preview()->Show();
    Check(program->Preview(), "preview");
    program->Preview()->Hide();
}

// The dialogs are looked at while they are shown, then cancelled.
TEST_F(Layout, TheWizardDialogs) {
    kw::WxWizardDialogs wx(&frame());
    const std::vector<std::pair<std::string, std::function<void()>>> dialogs = {
        {"Nowa klasa", [&] { wxString n; wx.AskClassName(n); }},
        {"Nowy uczeń", [&] { wxString n, s; wx.AskPupil(n, s); }},
        {"Nowa ocena", [&] { wxString n, s; int k; wx.AskAssessment(n, k, s); }},
        {"Zapisywanie klasy", [&] { wx.AskSaveIntro(kw::WizardModel::ClassesFolder()); }},
    };
    for (const auto& [name, show] : dialogs) {
        bool looked = false;
        std::function<void()> look = [&] {
            wxDialog* shown = nullptr;
            for (wxWindow* w : wxTopLevelWindows)
                if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsShown()) shown = d;
            if (!shown) return wxTheApp->CallAfter(look);
            Check(shown, "dialog/" + name);
            looked = true;
            shown->EndModal(wxID_CANCEL);
        };
        wxTheApp->CallAfter(look);
        show();
        EXPECT_TRUE(looked) << name;
    }
}

}  // namespace
