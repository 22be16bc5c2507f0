#include "app/help_pages.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#include "app/error_report.h"
#include "app/shipped_data.h"

namespace kw {
namespace {

const char kWebPage[] = "https://www.kwerlo.pl/";

// Opens an address in the browser; when that fails the teacher gets the program's own message
// instead of the toolkit's.
void Open(const wxString& address, const wxString& shown) {
    bool opened;
    {
        wxLogNull quiet;
        opened = wxLaunchDefaultBrowser(address);
    }
    if (!opened) ErrorReport::Report(kCannotOpen, shown);
}

// A help page shipped next to the program, as a properly escaped file address.
void OpenHelp(const char* page) {
    const wxFileName file(ShippedDataFolder() + "/help/" + page);
    if (file.FileExists()) Open(wxFileName::FileNameToURL(file), file.GetFullPath());
    else ErrorReport::Report(kCannotOpen, file.GetFullPath());
}

}  // namespace

void OpenTutorial() { OpenHelp("flash/main_menu.htm"); }
void OpenQuestions() { OpenHelp("szk_faq.htm"); }
void OpenWebPage() { Open(kWebPage, kWebPage); }

}  // namespace kw
