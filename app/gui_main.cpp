// kwerlo: the program with its windows.

#include "app/gui_app.h"
#include "app/locale_setup.h"

wxIMPLEMENT_APP_NO_MAIN(kw::App);

int main(int argc, char** argv) {
    kw::UseUtf8Locale();
    // The class to open is taken from the raw bytes: file names are UTF-8.
    if (argc > 1) kw::App::SetStartFile(wxString::FromUTF8(argv[1]));
    return wxEntry(argc, argv);
}
