// Test programs start wxBase and route failed internal checks to the test that caused them.

#include <gtest/gtest.h>
#include <wx/init.h>

#include "support/test_support.h"

namespace {
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
    wxInitializer init;
    if (!init.IsOk()) return 1;
    wxSetAssertHandler(OnAssert);
    return RUN_ALL_TESTS();
}
