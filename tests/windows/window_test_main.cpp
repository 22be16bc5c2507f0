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
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
    wxSetAssertHandler(kwtest::OnAssert);
    kw::InstallCompactStyle();
    const int rc = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return rc;
}
