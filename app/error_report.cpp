#include "app/error_report.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "app/assertion.h"
#include "app/messages.h"
#include "app/program.h"

namespace kw {

void AssertFailed(const char* module, int line, const char* func, const char* cond,
                  const char* msg) {
    wxOnAssert(module, line, func, cond, msg);
}

namespace {

const char* const kTexts[] = {
    "Bez błędu",
    "Brak wystarczającej ilości pamięci do wykonania zadania",
    "Plik z ocenami uszkodzony lub próba odczytu z niewłaściwego pliku ",
    "Nie można otworzyć pliku : %s",
    "Nie można zapisać pliku : %s",
    "Nie można odczytać pliku : %s",
    "Ta wersja programu nie może odczytać wskazanej klasy\nNależy użyć nowszej wersji ( dostepnej "
    "na stronie internetowej )",
};
constexpr int kCodeCount = sizeof(kTexts) / sizeof(kTexts[0]);

const char kSignalCaption[] = KWERLO_TITLE " - Błąd wyjątkowy";
const char kSignalPrefix[] = "Sygnał : ";
const char kSignalEnd[] = "\nProgram zakończony";
const char kSignalSecond[] =
    "Wystąpił wyjątkowy błąd wewnętrzny\nProgram zostanie zamknięty\nJeśli sytuacja będzie się "
    "powtarzać proszę o kontakt e-mail";
const char kUnexpectedText[] =
    "Wystąpił nieoczekiwany błąd wewnętrzny\nProgram zostanie zamknięty\nJeśli sytuacja będzie "
    "się powtarzać proszę o kontakt e-mail";

constexpr int kHandledSignals[] = {SIGSEGV, SIGFPE, SIGABRT, SIGTERM, SIGINT, SIGILL};

// The messages of each handled signal, built before any signal can arrive: inside the handler
// only write() and _exit() are called.
struct SignalMessage {
    int signal;
    char text[512];
    size_t length;
};
SignalMessage g_signalMessages[sizeof(kHandledSignals) / sizeof(kHandledSignals[0])];

void AppendText(SignalMessage& m, const char* s) {
    size_t n = std::strlen(s);
    if (m.length + n >= sizeof(m.text)) n = sizeof(m.text) - 1 - m.length;
    std::memcpy(m.text + m.length, s, n);
    m.length += n;
    m.text[m.length] = '\0';
}

// Same shape as StderrMessages: "caption: text" on a line of its own.
void BuildSignalMessage(SignalMessage& m, int signal) {
    m.signal = signal;
    m.length = 0;
    AppendText(m, kSignalCaption);
    AppendText(m, ": ");
    AppendText(m, kSignalPrefix);
    AppendText(m, ErrorReport::SignalName(signal));
    AppendText(m, kSignalEnd);
    AppendText(m, "\n");
    AppendText(m, kSignalCaption);
    AppendText(m, ": ");
    AppendText(m, kSignalSecond);
    AppendText(m, "\n");
}

extern "C" void OnSignal(int signal) {
    for (const SignalMessage& m : g_signalMessages) {
        if (m.signal == signal) {
            ssize_t ignored = write(STDERR_FILENO, m.text, m.length);
            (void)ignored;
            break;
        }
    }
    _exit(signal);
}

}  // namespace

ErrorReport::ErrorReport() { InstallSignalHandlers(); }

void ErrorReport::InstallSignalHandlers() {
    size_t i = 0;
    for (int signal : kHandledSignals) BuildSignalMessage(g_signalMessages[i++], signal);
    for (int signal : kHandledSignals) {
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        // A fault inside the handler must not recurse into it.
        action.sa_flags = SA_RESETHAND;
        sigaction(signal, &action, nullptr);
    }
    // A file-size limit must make a write fail (and the save report it), not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
}

wxString ErrorReport::Text(int code, const wxString& arg) {
    if (code < 0 || code >= kCodeCount) return wxString();
    wxString text = wxString::FromUTF8(kTexts[code]);
    if (code >= kCannotOpen && code <= kCannotRead) text.Replace("%s", arg);
    return text;
}

wxString ErrorReport::Caption() { return wxString::FromUTF8(KWERLO_TITLE " - Błąd"); }

void ErrorReport::Report(int code, const wxString& arg) {
    if (code < 0 || code >= kCodeCount) Unexpected("error", __LINE__);
    TheMessages().Show(Text(code, arg), Caption(), Buttons::Ok, Icon::Error);
}

void ErrorReport::Unexpected(const char*, int) {
    TheMessages().Show(wxString::FromUTF8(kUnexpectedText),
                       wxString::FromUTF8(KWERLO_TITLE " - Błąd nieoczekiwany"), Buttons::Ok,
                       Icon::Error);
    std::fflush(nullptr);
    std::_Exit(1);
}

wxString ErrorReport::SignalCaption() { return wxString::FromUTF8(kSignalCaption); }

wxString ErrorReport::SignalText(int signal) {
    return wxString::FromUTF8(kSignalPrefix) + SignalName(signal) + wxString::FromUTF8(kSignalEnd);
}

wxString ErrorReport::SignalClosingText() { return wxString::FromUTF8(kSignalSecond); }

const char* ErrorReport::SignalName(int signal) {
    switch (signal) {
        case SIGINT: return "SIGINT ";
        case SIGILL: return "SIGILL  ";
        case SIGFPE: return "SIGFPE ";
        case SIGSEGV: return "SIGSEGV ";
        case SIGTERM: return "SIGTERM ";
        case SIGABRT: return "SIGABRT ";
        default: return "unknown";
    }
}

}  // namespace kw
