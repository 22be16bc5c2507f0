#include "app/shipped_data.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace kw {

wxString ShippedDataFolder(const wxString& exeFolder) {
    // The build copies the help pages next to the executable; an installed bin/ has none.
    if (wxFileName::FileExists(exeFolder + "/help/szk_faq.htm")) return exeFolder;
    // KWERLO_DATA_FROM_BIN: the way from the install's bin/ to its share/kwerlo, set by the build.
    wxFileName installed = wxFileName::DirName(exeFolder + "/" + KWERLO_DATA_FROM_BIN);
    installed.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return installed.GetPath();
}

wxString ShippedDataFolder() {
    return ShippedDataFolder(wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath());
}

}  // namespace kw
