#include "support/cli_runner.h"

#include <cstdio>
#include <sys/wait.h>

namespace kwtest {

CliResult RunCli(const std::string& args, const TempDir& dir) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(KWERLO_CLI) + " " +
                            args + " 2>'" + errFile + "'";
    CliResult r{-1, "", ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = pclose(p);
    r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    r.err = ReadBytes(errFile);
    std::remove(errFile.c_str());
    return r;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace kwtest
