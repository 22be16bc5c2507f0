// Placeholder main while measuring.
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <wx/init.h>
#include "app/core.h"
#include "bench/busy_class.h"

int main(int argc, char** argv) {
    wxInitializer init;
    if (argc == 4 && std::strcmp(argv[1], "--write-class") == 0) {
        kw::Core core;
        kwbench::FillBusyClass(core, 99, 99, 2024, atoi(argv[3]));
        return core.SaveClass(wxString::FromUTF8(argv[2])) ? 0 : 1;
    }
    return 2;
}
