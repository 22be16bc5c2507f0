#include "app/compact_style.h"

#include <gtk/gtk.h>

namespace kw {

void InstallCompactStyle() {
    static const char kCss[] =
        "* { font-size: 8pt; }"
        "entry { min-height: 17px; padding: 0 2px; }"
        "button, combobox button { min-height: 17px; min-width: 0; padding: 0 2px; }"
        "combobox arrow { min-width: 8px; min-height: 8px; margin: 0; }"
        "combobox button { padding: 0 1px 0 2px; }"
        "combobox cellview { padding: 0; }"
        "spinbutton button { padding: 0 1px; }"
        "check, radio { min-width: 11px; min-height: 11px; }"
        "notebook tab { padding: 1px 4px; min-height: 0; }";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

}  // namespace kw
