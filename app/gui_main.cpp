// kwerlo: the program with its windows.

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

#include "app/gui_app.h"

wxIMPLEMENT_APP_NO_MAIN(kw::App);

int main(int argc, char** argv) {
    // File names are UTF-8 bytes; without a UTF-8 locale (LANG unset, "C") the command line and
    // the file names would be decoded as something else.
    // The toolkit sets the locale from the environment again, so the environment says it.
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        setenv(std::getenv("LC_ALL") ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
        std::setlocale(LC_ALL, "");
    }
    // The class to open is taken from the raw bytes: file names are UTF-8.
    if (argc > 1) kw::App::SetStartFile(wxString::FromUTF8(argv[1]));
    return wxEntry(argc, argv);
}
