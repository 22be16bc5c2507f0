// The drawing tests start wxBase, route failed internal checks to the test that caused them, and
// free the font caches at the end.

#include <gtest/gtest.h>
#include <wx/init.h>

#include "print/pango_metrics.h"
#include "support/test_support.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int result = 1;
    {
        wxInitializer init;
        if (!init.IsOk()) return 1;
        wxSetAssertHandler(kwtest::OnAssert);
        result = RUN_ALL_TESTS();
    }
    kw::ReleaseTextCaches();
    return result;
}
