#pragma once
// kwerlo-cli pdf, png and check: the printed documents and the pre-print checks of one
// assessment, without a display. Each takes the arguments after its name and gives the exit
// code: 0 done, 1 a file could not be read or written, 2 a usage error.

#include <string>
#include <vector>

namespace kw {

int PdfCommand(const std::vector<std::string>& args);
int PngCommand(const std::vector<std::string>& args);
int CheckCommand(const std::vector<std::string>& args);

// The program's message for a file error code (ErrorReport), through the message interface.
void ReportFileError(int code, const std::string& path);

extern const char kPrintUsage[];

}  // namespace kw
