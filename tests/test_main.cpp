// Test programs start wxBase and route failed internal checks to the test that caused them.

#include <gtest/gtest.h>
#include <wx/init.h>

#include "support/test_support.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    wxInitializer init;
    if (!init.IsOk()) return 1;
    wxSetAssertHandler(kwtest::OnAssert);
    return RUN_ALL_TESTS();
}
