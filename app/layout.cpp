#include "app/layout.h"

#include <algorithm>
#include <cmath>

#include <gtk/gtk.h>
#include <wx/dcscreen.h>
#include <wx/display.h>
#include <wx/settings.h>
#include <wx/window.h>

namespace kw {
namespace {

// The 8-point Windows dialog font at 96 dpi: a line 13 pixels high, letters about 5.8 pixels
// wide on average over the alphabet.
constexpr double kDesignLineHeight = 13.0;
constexpr double kDesignLetterWidth = 5.8;
const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The windows' size in the layout, and what the window manager adds above them.
constexpr int kWindowWidth = 800, kWindowHeight = 586, kTitleBar = 40;

struct Measured {
    bool ready = false;
    double scale = 1.0;
    wxFont font;
};

Measured& Current() {
    static Measured m;
    return m;
}

// How much larger than the layout's font a font is: the larger of its letters' mean width and
// its line height, each against the layout font's.
double FontScale(const wxFont& font) {
    wxScreenDC dc;
    dc.SetFont(font);
    const double letters = dc.GetTextExtent(kAlphabet).x / double(sizeof(kAlphabet) - 1);
    return std::max(letters / kDesignLetterWidth, dc.GetCharHeight() / kDesignLineHeight);
}

// The largest scale at which a window still fits the screen's work area.
double ScreenScale() {
    const wxRect area = wxDisplay(0u).GetClientArea();
    return std::min(area.width / double(kWindowWidth),
                    (area.height - kTitleBar) / double(kWindowHeight));
}

}  // namespace

void Layout::Init() {
    Measured& m = Current();
    if (m.ready) return;
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    double scale = FontScale(font);
    const double fits = ScreenScale();
    // A screen too small for the theme's font: the same layout with a smaller font.
    while (scale > fits && font.GetFractionalPointSize() > 6.0) {
        font.SetFractionalPointSize(font.GetFractionalPointSize() - 0.25);
        scale = FontScale(font);
    }
    m.font = font;
    m.scale = std::min(scale, fits);
    m.ready = true;
}

double Layout::Scale() {
    Init();
    return Current().scale;
}

const wxFont& Layout::Font() {
    Init();
    return Current().font;
}

int Scaled(int pixels) {
    return pixels < 0 ? pixels : static_cast<int>(std::lround(pixels * Layout::Scale()));
}

wxPoint ScaledPoint(int x, int y) { return wxPoint(Scaled(x), Scaled(y)); }

wxSize ScaledSize(int w, int h) { return wxSize(Scaled(w), Scaled(h)); }

wxSize ScaledSize(int x, int y, int w, int h) {
    return wxSize(w < 0 ? w : Scaled(x + w) - Scaled(x), h < 0 ? h : Scaled(y + h) - Scaled(y));
}

wxSize ScaledFieldSize(int w, int h) { return ScaledSize(w, h < 0 ? 21 : h); }

void KeepNeededSize(wxWindow* widget) {
    GtkRequisition least;
    gtk_widget_get_preferred_size(widget->GetHandle(), &least, nullptr);
    wxRect r = widget->GetRect();
    if (r.width >= least.width && r.height >= least.height) return;
    if (r.width < least.width) {
        const int room = widget->GetParent()->GetClientSize().x;
        if (room > 0 && r.x + least.width > room) r.x = std::max(0, room - least.width);
        r.width = least.width;
    }
    r.height = std::max(r.height, least.height);
    widget->SetSize(r);
}

void HugHeight(wxWindow* widget) {
    GtkRequisition least;
    gtk_widget_get_preferred_size(widget->GetHandle(), &least, nullptr);
    const wxSize size = widget->GetSize();
    if (size.y != least.height) widget->SetSize(wxSize(size.x, least.height));
    KeepNeededSize(widget);
}

}  // namespace kw
