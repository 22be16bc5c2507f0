#include "app/caption_fit.h"

#include <algorithm>
#include <vector>

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcscreen.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tokenzr.h>

#include "app/compact_style.h"
#include "app/layout.h"

namespace kw {
namespace {

// A caption gets no smaller than this part of the layout's font.
constexpr double kSmallest = 0.75;
constexpr double kStep = 0.25;

double BaseSize() { return Layout::Font().GetFractionalPointSize(); }

// The widest line of a caption in the layout's face at a size.
int TextWidth(const wxString& text, double points) {
    wxFont font = Layout::Font();
    font.SetFractionalPointSize(points);
    wxScreenDC dc;
    dc.SetFont(font);
    int widest = 0;
    wxStringTokenizer lines(text, "\n");
    while (lines.HasMoreTokens())
        widest = std::max(widest, dc.GetTextExtent(lines.GetNextToken()).x);
    return widest;
}

int LeastWidth(GtkWidget* widget) {
    GtkRequisition least;
    gtk_widget_get_preferred_size(widget, &least, nullptr);
    return least.width;
}

// What a widget needs besides its caption's letters: the check mark, the padding, the frame.
int Overhead(GtkWidget* widget, const wxString& text) {
    return std::max(0, LeastWidth(widget) - TextWidth(text, BaseSize()));
}

// The largest size, down to the smallest allowed, at which a caption with its overhead fits its
// room; the layout's own size when it fits already.
double FittingSize(const wxString& text, int overhead, int room) {
    const double base = BaseSize();
    double points = base;
    while (overhead + TextWidth(text, points) > room && points - kStep >= base * kSmallest)
        points -= kStep;
    return points;
}

std::vector<wxWindow*> Children(wxWindow* w) {
    std::vector<wxWindow*> out;
    for (wxWindow* c : w->GetChildren())
        if (!c->IsTopLevel()) out.push_back(c);
    return out;
}

bool Holds(wxWindow* w) { return dynamic_cast<wxPanel*>(w) || dynamic_cast<wxNotebook*>(w); }

// The room of a caption that sizes itself: up to the nearest sibling on its right, with a
// small gap.
int RoomRight(wxWindow* w, const std::vector<wxWindow*>& siblings) {
    const wxRect r = w->GetRect();
    int right = -1;
    for (wxWindow* s : siblings) {
        const wxRect rs = s->GetRect();
        if (s == w || rs.x <= r.x || rs.y > r.GetBottom() || rs.GetBottom() < r.y) continue;
        if (right < 0 || rs.x < right) right = rs.x;
    }
    return right < 0 ? -1 : right - r.x - Scaled(3);
}

void FitLabels(const std::vector<wxWindow*>& siblings) {
    for (wxWindow* w : siblings) {
        const bool label = dynamic_cast<wxStaticText*>(w) && !w->HasFlag(wxST_NO_AUTORESIZE);
        const bool button = dynamic_cast<wxButton*>(w) && !w->GetLabel().empty();
        if (!label && !button) continue;
        const int room = RoomRight(w, siblings);
        if (room < 0) continue;
        const wxString text = wxControl::RemoveMnemonics(w->GetLabel());
        const int overhead = Overhead(w->GetHandle(), text);
        const double points = FittingSize(text, overhead, room);
        if (points >= BaseSize()) continue;
        SetWidgetFontSize(w, points);
        w->SetSize(wxSize(overhead + TextWidth(text, points), w->GetSize().y));
    }
}

// Check boxes and radio buttons have their width from the layout; those inside one group box
// share the smallest size any of them needs, and the box's title takes it too.
void FitOptions(const std::vector<wxWindow*>& siblings) {
    struct Option {
        wxWindow* w;
        double points;
    };
    std::vector<Option> options;
    for (wxWindow* w : siblings) {
        if (!dynamic_cast<wxCheckBox*>(w) && !dynamic_cast<wxRadioButton*>(w)) continue;
        const wxString text = wxControl::RemoveMnemonics(w->GetLabel());
        options.push_back(
            {w, FittingSize(text, Overhead(w->GetHandle(), text), w->GetSize().x)});
    }
    for (wxWindow* w : siblings) {
        auto* box = dynamic_cast<wxStaticBox*>(w);
        if (!box) continue;
        const wxString title = box->GetLabelText();
        double points =
            title.empty() ? BaseSize() : FittingSize(title, Scaled(16), box->GetSize().x);
        for (const Option& o : options)
            if (box->GetRect().Contains(o.w->GetRect())) points = std::min(points, o.points);
        if (points >= BaseSize()) continue;
        SetWidgetFontSize(box, points);
        for (Option& o : options)
            if (box->GetRect().Contains(o.w->GetRect())) o.points = points;
    }
    for (const Option& o : options)
        if (o.points < BaseSize()) SetWidgetFontSize(o.w, o.points);
}

// All tabs of a notebook in one row, left of any control lying over the row.
void FitTabs(wxNotebook* nb, const std::vector<wxWindow*>& siblings) {
    const size_t count = nb->GetPageCount();
    if (count == 0) return;
    GtkNotebook* gtk = GTK_NOTEBOOK(nb->GetHandle());
    std::vector<GtkWidget*> labels;
    for (size_t i = 0; i < count; ++i)
        labels.push_back(gtk_notebook_get_tab_label(gtk, nb->GetPage(i)->GetHandle()));
    const wxRect r = nb->GetRect();
    int room = r.width;
    for (wxWindow* s : siblings) {
        const wxRect rs = s->GetRect();
        const bool inTabRow = rs.y < r.y + Scaled(20) && rs.GetBottom() > r.y;
        if (s != nb && rs.x > r.x && rs.x < r.GetRight() && inTabRow)
            room = std::min(room, rs.x - r.x);
    }
    // The tabs' own frames and spacing besides their labels.
    gtk_notebook_set_scrollable(gtk, FALSE);
    int strip = 0;
    gtk_widget_get_preferred_width(nb->GetHandle(), &strip, nullptr);
    gtk_notebook_set_scrollable(gtk, TRUE);
    int letters = 0;
    for (size_t i = 0; i < count; ++i) letters += TextWidth(nb->GetPageText(i), BaseSize());
    const int frames = std::max(0, strip - letters);
    if (strip <= room) return;
    double points = BaseSize();
    auto needed = [&](double pt) {
        int sum = frames;
        for (size_t i = 0; i < count; ++i) sum += TextWidth(nb->GetPageText(i), pt);
        return sum;
    };
    while (needed(points) > room && points - kStep >= BaseSize() * kSmallest) points -= kStep;
    for (GtkWidget* label : labels) SetWidgetFontSize(label, points);
}

}  // namespace

void FitCaptions(wxWindow* window) {
    const std::vector<wxWindow*> children = Children(window);
    FitLabels(children);
    FitOptions(children);
    for (wxWindow* c : children) {
        if (auto* nb = dynamic_cast<wxNotebook*>(c)) FitTabs(nb, children);
        if (Holds(c)) FitCaptions(c);
    }
}

}  // namespace kw
