#include <gtest/gtest.h>

#include <csignal>

#include "app/error_report.h"
#include "app/utf8.h"
#include "support/test_support.h"

namespace {

using kw::U;

TEST(ErrorReport, TextsOfTheCodes) {
    const struct {
        int code;
        const char* arg;
        const char* text;
    } cases[] = {
        {0, "", "Bez błędu"},
        {1, "", "Brak wystarczającej ilości pamięci do wykonania zadania"},
        {2, "x", "Plik z ocenami uszkodzony lub próba odczytu z niewłaściwego pliku "},
        {3, "/tmp/a.kwer", "Nie można otworzyć pliku : /tmp/a.kwer"},
        {4, "klasa 3c.kwer", "Nie można zapisać pliku : klasa 3c.kwer"},
        {5, "ż.kwer", "Nie można odczytać pliku : ż.kwer"},
        {6, "x",
         "Ta wersja programu nie może odczytać wskazanej klasy\nNależy użyć nowszej wersji ( "
         "dostepnej na stronie internetowej )"},
    };
    for (const auto& c : cases) EXPECT_EQ(kw::ErrorReport::Text(c.code, U(c.arg)), U(c.text));
}

TEST(ErrorReport, ReportShowsTheTextWithTheErrorCaption) {
    kwtest::ScriptedMessages messages;
    kw::ErrorReport::Report(kw::kCannotWrite, "plik.kwer");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Nie można zapisać pliku : plik.kwer"));
    EXPECT_EQ(messages.shown[0].caption, U("Kwerlo 6.1.0.0 - Błąd"));
    EXPECT_EQ(messages.shown[0].buttons, kw::Buttons::Ok);
}

TEST(ErrorReport, SignalNames) {
    const struct {
        int signal;
        const char* name;
    } cases[] = {
        {SIGINT, "SIGINT "},   {SIGILL, "SIGILL  "}, {SIGFPE, "SIGFPE "}, {SIGSEGV, "SIGSEGV "},
        {SIGTERM, "SIGTERM "}, {SIGABRT, "SIGABRT "}, {SIGHUP, "unknown"},
    };
    for (const auto& c : cases) EXPECT_STREQ(kw::ErrorReport::SignalName(c.signal), c.name);
}

// The texts the windows show for a termination request.
TEST(ErrorReport, SignalMessages) {
    EXPECT_EQ(kw::ErrorReport::SignalCaption(), U("Kwerlo 6.1.0.0 - Błąd wyjątkowy"));
    EXPECT_EQ(kw::ErrorReport::SignalText(SIGTERM), U("Sygnał : SIGTERM \nProgram zakończony"));
    EXPECT_EQ(kw::ErrorReport::SignalClosingText(),
              U("Wystąpił wyjątkowy błąd wewnętrzny\nProgram zostanie zamknięty\nJeśli sytuacja "
                "będzie się powtarzać proszę o kontakt e-mail"));
}

using ErrorReportDeathTest = ::testing::Test;

TEST_F(ErrorReportDeathTest, EachSignalShowsBothMessagesAndExitsWithItsNumber) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        int signal;
        const char* pattern;
    } cases[] = {
        {SIGSEGV, "Kwerlo 6.1.0.0 - Błąd wyjątkowy: Sygnał : SIGSEGV \nProgram zakończony\n"
                  "Kwerlo 6.1.0.0 - Błąd wyjątkowy: Wystąpił wyjątkowy błąd wewnętrzny\nProgram "
                  "zostanie zamknięty\nJeśli sytuacja będzie się powtarzać proszę o kontakt e-mail"},
        {SIGTERM, "Sygnał : SIGTERM \nProgram zakończony"},
        {SIGINT, "Sygnał : SIGINT \nProgram zakończony"},
        {SIGFPE, "Sygnał : SIGFPE \nProgram zakończony"},
        {SIGILL, "Sygnał : SIGILL  \nProgram zakończony"},
        {SIGABRT, "Sygnał : SIGABRT \nProgram zakończony"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                kw::ErrorReport::InstallSignalHandlers();
                std::raise(c.signal);
            },
            ::testing::ExitedWithCode(c.signal), c.pattern);
    }
}

#ifndef KWERLO_SANITIZE
// A real invalid memory access, not a raised signal (the sanitizers take those over).
TEST_F(ErrorReportDeathTest, AnInvalidMemoryAccessEndsWithCode11) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            kw::ErrorReport::InstallSignalHandlers();
            volatile int* volatile p = nullptr;
            *p = 1;
        },
        ::testing::ExitedWithCode(11), "Sygnał : SIGSEGV ");
}
#endif

TEST_F(ErrorReportDeathTest, UnexpectedErrorShowsItsMessageAndExitsWith1) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(kw::ErrorReport::Unexpected("klasa", 10), ::testing::ExitedWithCode(1),
                "Kwerlo 6.1.0.0 - Błąd nieoczekiwany: Wystąpił nieoczekiwany błąd wewnętrzny");
    EXPECT_EXIT(kw::ErrorReport::Report(7), ::testing::ExitedWithCode(1), "nieoczekiwany");
}

}  // namespace
