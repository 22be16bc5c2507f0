#include "app/locale_setup.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

#include <wx/translation.h>

namespace kw {

void UseUtf8Locale() {
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        // The toolkit sets the locale from the environment again, so the environment says it.
        setenv(std::getenv("LC_ALL") ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
        std::setlocale(LC_ALL, "");
    }
}

void UsePolishToolkitCaptions() {
    // GTK translates through gettext, which takes LANGUAGE before the locale's own language in
    // every locale but plain "C" (UseUtf8Locale leaves none such).
    setenv("LANGUAGE", "pl", 1);
    auto* translations = new wxTranslations;
    translations->SetLanguage(wxLANGUAGE_POLISH);
    translations->AddStdCatalog();
    wxTranslations::Set(translations);  // replaces (and deletes) the one set before
}

}  // namespace kw
