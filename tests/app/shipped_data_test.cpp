#include <gtest/gtest.h>

#include <wx/filename.h>

#include "app/shipped_data.h"
#include "support/test_support.h"

namespace {

wxString U(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

void MakeFile(const std::string& path) {
    wxFileName::Mkdir(wxFileName(U(path)).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    kwtest::WriteBytes(path, "<html></html>");
}

// The help pages, the example class and the uninstall script are found next to the executable in
// the build tree and below the install prefix when installed.
TEST(ShippedData, FoundInTheBuildTreeAndInTheInstalledLayout) {
    const struct {
        const char* name;
        std::vector<std::string> files;
        std::string exeFolder, expected;
    } cases[] = {
        {"build tree", {"build/help/szk_faq.htm"}, "build", "build"},
        {"installed", {"usr/share/kwerlo/help/szk_faq.htm"}, "usr/bin", "usr/share/kwerlo"},
        {"build tree wins",
         {"usr/bin/help/szk_faq.htm", "usr/share/kwerlo/help/szk_faq.htm"},
         "usr/bin",
         "usr/bin"},
        {"help folder without its pages", {"usr/bin/help/other.htm"}, "usr/bin", "usr/share/kwerlo"},
        {"nothing shipped: where an install puts it", {}, "opt/bin", "opt/share/kwerlo"},
        {"spaces and Polish letters",
         {"Programy szkolne/ż/share/kwerlo/help/szk_faq.htm"},
         "Programy szkolne/ż/bin",
         "Programy szkolne/ż/share/kwerlo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kwtest::TempDir dir;
        for (const auto& f : c.files) MakeFile(dir.File(f));
        wxFileName::Mkdir(U(dir.File(c.exeFolder)), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
        EXPECT_EQ(kw::ShippedDataFolder(U(dir.File(c.exeFolder))), U(dir.File(c.expected)));
    }
}

}  // namespace
