#pragma once
// Where the program finds the files shipped with it: the help pages, the example class and the
// uninstall script.

#include <wx/string.h>

namespace kw {

// The shipped files of a program whose executable lies in exeFolder: next to it in the build
// tree, in the install prefix's share/kwerlo when installed (the executable then lies in bin/).
wxString ShippedDataFolder(const wxString& exeFolder);

// The same for the running program (its executable's folder).
wxString ShippedDataFolder();

}  // namespace kw
