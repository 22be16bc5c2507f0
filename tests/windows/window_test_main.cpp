// Window tests: the real windows under a display (Xvfb in CI), driven by the events a teacher's
// clicks and keys send.

#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <wx/app.h>

#include "app/compact_style.h"
#include "app/locale_setup.h"
#include "support/test_support.h"
#include "window_fixture.h"

namespace kwtest {
std::vector<std::string>& GtkMessages() {
    static std::vector<std::string> messages;
    return messages;
}
}  // namespace kwtest

namespace {
// GTK's warnings and critical messages are kept for the tests to look at, and shown.
void RecordGtkMessage(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
    kwtest::GtkMessages().push_back(message);
    g_log_default_handler(domain, level, message, nullptr);
}

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
}  // namespace

int main(int argc, char** argv) {
    kw::UseUtf8Locale();
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
    wxSetAssertHandler(kwtest::OnAssert);
    g_log_set_handler("Gtk", GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL),
                      RecordGtkMessage, nullptr);
    kw::InstallCompactStyle();
    const int rc = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return rc;
}
