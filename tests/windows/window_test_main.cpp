// Window tests: the real windows under a display (Xvfb in CI), driven by the events a teacher's
// clicks and keys send.

#include <gtest/gtest.h>
#include <wx/app.h>

#include "app/compact_style.h"
#include "support/test_support.h"

namespace {
class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void OnAssert(const wxString& file, int line, const wxString&, const wxString& cond,
              const wxString& msg) {
    kwtest::AssertRecord r{std::string(file.utf8_str()), line,
                           std::string((msg.empty() ? cond : msg).utf8_str())};
    if (!kwtest::RecordAssert(r))
        ADD_FAILURE() << "unexpected internal check failure " << r.module << ":" << r.line << ": "
                      << r.message;
}
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
    wxSetAssertHandler(OnAssert);
    kw::InstallCompactStyle();
    const int rc = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return rc;
}
