#pragma once
// The style sheet of the whole program: the layout's font for every window (set through GTK's
// style, so that each widget has it from its creation on, before it is measured), and compact
// entries, choices, buttons and tabs, whose theme padding would not fit the layout's places.

#include <wx/font.h>

class wxWindow;
typedef struct _GtkWidget GtkWidget;

namespace kw {

// After Layout::Init, before the first window.
void InstallCompactStyle();

// One widget (with the parts it is made of) in a smaller font than the rest.
void SetWidgetFontSize(wxWindow* widget, double points);
void SetWidgetFontSize(GtkWidget* widget, double points);

}  // namespace kw
