#pragma once
// Numbered errors of the class data layer, the signal handlers and the unexpected-error exit.

#include <wx/string.h>

namespace kw {

enum ErrorCode {
    kNoError = 0,
    kOutOfMemory = 1,
    kDamagedFile = 2,
    kCannotOpen = 3,
    kCannotWrite = 4,
    kCannotRead = 5,
    kNewerVersion = 6,
};

class ErrorReport {
public:
    // Installs the signal handlers.
    ErrorReport();

    // The message of a code; codes 3-5 take the file name in place of "%s".
    static wxString Text(int code, const wxString& arg = wxString());
    static wxString Caption();

    // Shows the message of a code and returns; a code outside 0..6 ends the program.
    static void Report(int code, const wxString& arg = wxString());

    // Shows the unexpected-error message and ends the process with exit code 1.
    [[noreturn]] static void Unexpected(const char* module, int line);

    // Name of a signal as shown in the signal message ("SIGSEGV " and so on, "unknown").
    static const char* SignalName(int signal);
    // The two messages a signal ends the program with, and their caption.
    static wxString SignalCaption();
    static wxString SignalText(int signal);
    static wxString SignalClosingText();

    static void InstallSignalHandlers();
};

}  // namespace kw
