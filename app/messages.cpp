#include "app/messages.h"

#include <cstdio>

namespace kw {

Answer StderrMessages::Show(const wxString& text, const wxString& caption, Buttons buttons,
                            Icon) {
    wxString line = caption + ": " + text + "\n";
    const wxScopedCharBuffer utf8 = line.utf8_str();
    std::fwrite(utf8.data(), 1, utf8.length(), stderr);
    std::fflush(stderr);
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

namespace {
StderrMessages g_stderr;
Messages* g_messages = nullptr;
}  // namespace

Messages& TheMessages() { return g_messages ? *g_messages : g_stderr; }

void SetMessages(Messages* messages) { g_messages = messages; }

}  // namespace kw
