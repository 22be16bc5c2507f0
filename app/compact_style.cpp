#include "app/compact_style.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include "app/layout.h"

namespace kw {
namespace {

// CSS wants a full stop in numbers, whatever the locale's decimal separator.
wxString Points(double points) { return wxString::FromCDouble(points, 2) + "pt"; }

// The widget and every part it is made of: each one takes its font from the program's sheet,
// so each one needs the provider.
void AddStyle(GtkWidget* widget, GtkStyleProvider* provider) {
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), provider,
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    if (GTK_IS_CONTAINER(widget))
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer p) { AddStyle(child, GTK_STYLE_PROVIDER(p)); }, provider);
}

}  // namespace

void InstallCompactStyle() {
    // Every widget, and every part of one, in the layout's font: the theme's font setting names
    // each of them too.
    const wxFont& font = Layout::Font();
    wxString css = "* { font-family: \"" + font.GetFaceName() +
                   "\"; font-size: " + Points(font.GetFractionalPointSize()) + "; }";
    css += "entry { min-height: 0; padding: 0 2px; }"
           "button, combobox button { min-height: 0; min-width: 0; padding: 0 2px; }"
           "combobox arrow { min-width: 8px; min-height: 8px; margin: 0; }"
           "combobox button { padding: 0 1px 0 2px; }"
           "combobox cellview { padding: 0; }"
           "spinbutton, spinbutton entry { min-height: 0; }"
           "spinbutton button { padding: 0; min-height: 0; min-width: 0; }"
           "check, radio { min-width: 11px; min-height: 11px; }"
           "checkbutton, radiobutton { padding-top: 0; padding-bottom: 0; }"
           "notebook tab { padding: 1px 4px; min-height: 0; }";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.utf8_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

void SetWidgetFontSize(GtkWidget* widget, double points) {
    GtkCssProvider* provider = gtk_css_provider_new();
    const wxString css = "* { font-size: " + Points(points) + "; }";
    gtk_css_provider_load_from_data(provider, css.utf8_str(), -1, nullptr);
    AddStyle(widget, GTK_STYLE_PROVIDER(provider));
    g_object_unref(provider);
}

void SetWidgetFontSize(wxWindow* widget, double points) {
    SetWidgetFontSize(widget->GetHandle(), points);
}

}  // namespace kw
