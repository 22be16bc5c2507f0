#pragma once
// Runs kwerlo-cli as a script would, with no display at all.

#include <string>

#include "support/test_support.h"

namespace kwtest {

struct CliResult {
    int exit;
    std::string out, err;
};

// args are given to the shell as they are; dir holds the captured stderr for a moment.
CliResult RunCli(const std::string& args, const TempDir& dir);
std::string Quote(const std::string& s);

}  // namespace kwtest
