// kwerlo: the program with its windows.

#include "app/gui_app.h"

wxIMPLEMENT_APP(kw::App);
