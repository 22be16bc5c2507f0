// The pre-print checks: their messages, what they remember between runs, the common end and the
// space gauges.

#include <gtest/gtest.h>

#include "app/utf8.h"
#include "print/checks.h"
#include "support/core_fixture.h"
#include "support/fake_metrics.h"

namespace {

using kw::U;

const char kCaption[] = "Kwerlo 6.1.0.0 - Problem z napisami na wydruku.";

std::vector<wxString> List(std::initializer_list<const char*> items) {
    std::vector<wxString> out;
    for (const char* s : items) out.push_back(U(s));
    return out;
}

class CheckTest : public kwtest::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        kw::InstallTextMetrics(&metrics);
        core->Print().FontSize().Select(1);  // 10 points
    }
    void TearDown() override {
        kw::InstallTextMetrics(nullptr);
        CoreTest::TearDown();
    }
    kw::PrePrintChecks& checks() { return core->Checks(); }
    kw::CtrText& ClassText(int id) { return core->ClassPage().Text(id); }
    kw::CtrText& PupilText(int id) { return core->PupilPage().Text(id); }
    std::vector<wxString> Front(bool reportMissing, bool force) {
        return checks().FrontMessages({reportMissing, force, false}).value();
    }
    std::vector<wxString> Assessment(int kind, bool reportMissing, bool force) {
        return checks().AssessmentMessages(kind, {reportMissing, force, false}).value();
    }
    // Everything the front needs, within every limit.
    void FillFront() {
        for (int id : {103, 104, 105, 106, 107, 108, 109, 110, 113, 114}) ClassText(id).SetText("1");
        for (int id : {101, 111, 112, 115, 116}) core->ClassPage().Choice(id).Select(0);
        for (int id : {203, 204, 205, 206, 207, 209, 212}) PupilText(id).SetText("x");
        core->PupilPage().Choice(208).Select(0);
    }
    static wxString Repeat(const char* word, int times) {
        wxString s;
        for (int i = 0; i < times; ++i) s += U(word);
        return s;
    }

    kwtest::FakeMetrics metrics;
};

TEST_F(CheckTest, FrontReportsEveryMissingFieldInOrder) {
    const char* hint = " - wpisz (kreska) jeśli ma być kreska, (puste) jeśli pole ma zostać puste\n";
    const std::vector<wxString> common = {
        U("Brak 'numeru szkoły'") + U(hint),
        U("Brak 'nazwy szkoły 1'") + U(hint),
        U("Brak 'nazwy szkoły 2'") + U(hint),
        U("Brak 'Szkoła imienia 1'") + U(hint),
        U("Brak 'Szkoła imienia 2'") + U(hint),
        U("Brak adresu  ( miejscowości ) szkoły.\n"),
        U("Brak adresu  ( województwa ) szkoły.\n"),
        U("Brak adresu  ( miejscowości ) dokumentu.\n"),
        U("Brak roku szkolnego.\n"),
        U("Brak dnia rady.\n"),
        U("Brak miesiąca rady.\n"),
        U("Brak roku rady.\n"),
        U("Brak dnia dokumentu.\n"),
        U("Brak miesiąca dokumentu.\n"),
        U("Brak roku dokumentu.\n"),
        U("Brak imienia.\n"),
        U("Brak nazwiska.\n"),
    };
    const std::vector<wxString> tail = List({"Brak dnia urodzenia.\n", "Brak miesiąca urodzenia.\n",
                                             "Brak roku urodzenia.\n", "Brak numeru w dzienniku.\n"});
    std::vector<wxString> expected = common;
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Front(true, true), expected);

    // The class prints MEN-I/45/1: the voivodeship of birth is asked for too.
    core->ClassPage().SheetOption().SetOn(true);
    expected = common;
    expected.push_back(U("Brak województwa urodzenia ucznia.\n"));
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Front(true, true), expected);

    // Without "report missing" none of them.
    EXPECT_TRUE(Front(false, true).empty());
    FillFront();
    EXPECT_TRUE(Front(true, true).empty());
}

TEST_F(CheckTest, FrontTellsATooLongValueOnceUntilItChanges) {
    FillFront();
    metrics.fixed[U("long A")] = 200000;
    metrics.fixed[U("long B")] = 200000;
    const char* message = "'Nazwa szkoły 1' jest za długa.\n";
    const struct {
        const char* value;
        bool force;
        bool told;
    } steps[] = {
        {"long A", false, true},   // new
        {"long A", false, false},  // told already
        {"long B", false, true},   // another value
        {"long B", true, true},    // forced
        {"short", false, false},   // within the limit: remembered
        {"long B", false, true},   // differs from the remembered value again
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.value);
        ClassText(104).SetText(U(s.value));
        EXPECT_EQ(Front(false, s.force), s.told ? List({message}) : std::vector<wxString>{});
    }
}

TEST_F(CheckTest, FrontLimitsAreInclusive) {
    FillFront();
    const struct {
        int id;  // a class field; 0: the pupil's surname (the name is measured with it)
        int limit;
        const char* message;
    } fields[] = {
        {104, 138000, "'Nazwa szkoły 1' jest za długa.\n"},
        {105, 138000, "'Nazwa szkoły 2' jest za długa.\n"},
        {103, 20000, "Numer szkoły jest za długi.\n"},
        {106, 98000, "Tekst w polu : 'Szkoła imienia' jest za długi.\n"},
        {107, 138000, "'Szkoła imienia 2' jest za długi.\n"},
        {108, 58000, "Adres szkoły ( miejscowość ) jest za długi.\n"},
        {109, 58000, "Adres szkoły ( województwo ) jest za długi.\n"},
        {113, 58000, "Adres dokumentu ( miejscowość ) jest za długi.\n"},
        {0, 138000, "Imię i nazwisko są za długie.\n"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.message);
        kw::CtrText& field = f.id ? ClassText(f.id) : PupilText(204);
        const wxString measured = [&](const wxString& v) {
            return f.id ? v : PupilText(203).Text() + " " + v;
        }("at limit");
        metrics.fixed[measured] = f.limit;
        field.SetText("at limit");
        EXPECT_TRUE(Front(false, true).empty());
        metrics.fixed[measured] = f.limit + 1;
        EXPECT_EQ(Front(false, true), List({f.message}));
        field.SetText("x");
    }
}

TEST_F(CheckTest, FrontBirthVoivodeshipOnlyWithTheSheetOption) {
    FillFront();
    PupilText(206).SetText("12 opolskie");
    PupilText(205).SetText("Wola");
    metrics.fixed[U("Wola")] = 58001;
    metrics.fixed[U("12 opolskie")] = 58001;
    EXPECT_EQ(Front(false, true), List({"Nazwa miejscowości urodzenia jest za długa.\n"}));
    core->ClassPage().SheetOption().SetOn(true);
    EXPECT_EQ(Front(false, true),
              List({"Województwo urodzenia ucznia ma cyfry zamiast liter.\n",
                    "województwo urodzenia ucznia jest za długie.\n",
                    "Nazwa miejscowości urodzenia jest za długa.\n"}));
}

TEST_F(CheckTest, ChecksWaitWhileLoadingUnlessForced) {
    kw::LoadingGuard loading;
    EXPECT_FALSE(checks().FrontMessages({true, false, false}).has_value());
    EXPECT_FALSE(checks().FrontCheck({true, false, false}));
    EXPECT_FALSE(checks().AssessmentMessages(0, {true, false, false}).has_value());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(checks().FrontMessages({true, true, false}).has_value());
}

TEST_F(CheckTest, CommonEndInformsOrAsksWhetherToPrint) {
    // Nothing to tell: true, no message.
    EXPECT_TRUE(kw::PrePrintChecks::CommonEnd({}, true));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(checks().FrontCheck({true, true, false}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, U(kCaption));
    EXPECT_EQ(messages.shown[0].buttons, kw::Buttons::Ok);
    EXPECT_TRUE(messages.shown[0].text.StartsWith(U("Brak 'numeru szkoły'")));
    EXPECT_TRUE(messages.shown[0].text.EndsWith(U("Brak numeru w dzienniku.\n")));

    for (kw::Answer answer : {kw::Answer::Yes, kw::Answer::No}) {
        messages.shown.clear();
        messages.answers = {answer};
        // Nothing to report without "report missing": printing goes on without a question.
        EXPECT_TRUE(checks().FrontCheck({false, true, true}));
        ASSERT_EQ(messages.shown.size(), 0u);
        messages.answers = {answer};
        EXPECT_EQ(checks().CertificateCheck({true, true, true}), answer == kw::Answer::Yes);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].buttons, kw::Buttons::YesNoNoDefault);
        EXPECT_TRUE(messages.shown[0].text.EndsWith(U("zostać puste\n\n\n DRUKOWAĆ pomimo kłopotów ?")));
    }
}

TEST_F(CheckTest, CertificateReportsMissingTextsAreasAndMarks) {
    const char* choiceHint =
        " - wybierz (kreska) jeśli ma być kreska, (puste) jeśli pole ma zostać puste\n";
    EXPECT_EQ(Assessment(0, true, true),
              (std::vector<wxString>{U("Brak oceny z zachowania.\n"),
                                     U("Brak oceny z zajęć edukacyjnych.\n"),
                                     U("Brak oceny z religii") + U(choiceHint),
                                     U("Brak oceny z etyki") + U(choiceHint)}));
    // One area written, the others missing, in the order of the messages.
    editor().Education().Area(2).OwnText().SetText("Czyta dobrze.");
    editor().Marks().Religion().Select(0);
    editor().Marks().Ethics().Select(2);
    behaviour().OwnText().SetText("Jest grzeczna.");
    EXPECT_EQ(Assessment(0, true, true),
              List({"Brak oceny z mówienia.\n", "Brak oceny ze słuchania.\n",
                    "Brak oceny z pisania.\n", "Brak oceny z matematyki.\n",
                    "Brak oceny z języka obcego.\n",
                    "Brak oceny z zajęć społeczno-przyrodniczych.\n",
                    "Brak oceny z informatyki.\n",
                    "Brak oceny z zajęć artystyczno-technicznych.\n",
                    "Brak oceny z zajęć ruchowych.\n"}));
    // The letter and the report ask neither for the foreign language nor for computing.
    EXPECT_EQ(Assessment(2, true, true),
              List({"Brak oceny z mówienia.\n", "Brak oceny ze słuchania.\n",
                    "Brak oceny z pisania.\n", "Brak oceny z matematyki.\n",
                    "Brak oceny z zajęć społeczno-przyrodniczych.\n",
                    "Brak oceny z zajęć artystyczno-technicznych.\n",
                    "Brak oceny z zajęć ruchowych.\n"}));
    EXPECT_TRUE(Assessment(0, false, true).empty());
}

TEST_F(CheckTest, CertificateTellsFullBoxesAndSetsTheGauges) {
    // 10-point narrow text: 500 µm a character, 260 to a line of the certificate.
    behaviour().OwnText().SetText(Repeat("abcd ", 150));  // 750 characters: three lines
    EXPECT_TRUE(Assessment(0, false, false).empty());
    const kw::SpaceGauges& g = editor().Gauges();
    EXPECT_GT(g.behaviour, 30);
    EXPECT_LT(g.behaviour, 50);
    EXPECT_FALSE(kw::GaugeRed(g.behaviour));

    const struct {
        const char* what;
        std::function<void(const wxString&)> set;
        int grow;  // characters that overfill the box
        const char* message;
        const int* gauge;
        bool remembers;  // told again only when it grows
    } boxes[] = {
        {"behaviour", [&](const wxString& t) { behaviour().OwnText().SetText(t); }, 2000,
         "Za długa ocena z zachowania.\n", &g.behaviour, true},
        {"education", [&](const wxString& t) { editor().Education().Area(0).OwnText().SetText(t); },
         3200, "Za długa ocena z zajęć edukacyjnych.\n", &g.education, true},
        {"achievements", [&](const wxString& t) { editor().Achievements().Field().SetText(t); },
         1200, "Za długi tekst szczególnych osiągnięć\n", &g.achievements, true},
        {"additional", [&](const wxString& t) { editor().Additional().Field().SetText(t); }, 900,
         "Za długi tekst dodatkowych zajęć edukacyjnych\n", nullptr, false},
        {"other", [&](const wxString& t) { editor().Other().Field().SetText(t); }, 900,
         "Za długi tekst Innych zajęć\n", nullptr, false},
        {"individual", [&](const wxString& t) { editor().Individual().Field().SetText(t); }, 900,
         "Za długi tekst indywidualnego programu nauki\n", nullptr, false},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.what);
        b.set(Repeat("abcd ", b.grow / 5));
        EXPECT_EQ(Assessment(0, false, false), List({b.message}));
        if (b.gauge) {
            EXPECT_TRUE(kw::GaugeRed(*b.gauge));
        }
        // The same text again: told again only by the boxes that do not remember.
        EXPECT_EQ(Assessment(0, false, false).size(), b.remembers ? 0u : 1u);
        EXPECT_EQ(Assessment(0, false, true), List({b.message}));  // forced
        b.set(Repeat("abcd ", b.grow / 5 + 1));                     // grown
        EXPECT_EQ(Assessment(0, false, false), List({b.message}));
        b.set("");
    }
    EXPECT_EQ(g.letterReport, 0);
}

TEST_F(CheckTest, LetterAndReportMeasureTheCombinedText) {
    // Letter: 14 pt, 700 µm a character, 235 to a line, 41 lines; report: 10 pt, 350 to a line,
    // 37 lines.
    const struct {
        int kind;
        int characters;
        const char* message;
    } cases[] = {
        {2, 10000, "Łączna długość ocen zachowania, zajęć edukacyjnych i osiągnięć nie mieści się "
                   "w liście.\n"},
        {1, 13500, "Łączna długość ocen zachowania, zajęć edukacyjnych i osiągnięć nie mieści się "
                   "w raporcie.\n"},
    };
    const kw::SpaceGauges& g = editor().Gauges();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        core->AssessmentPage().Kind().Select(c.kind);
        behaviour().OwnText().SetText(Repeat("abcd ", c.characters / 15));
        editor().Education().Area(0).OwnText().SetText(Repeat("abcd ", c.characters / 15));
        editor().Achievements().Field().SetText(Repeat("abcd ", c.characters / 15));
        EXPECT_EQ(Assessment(c.kind, false, false), List({c.message}));
        EXPECT_EQ(g.letterReport, 100);
        EXPECT_EQ(g.behaviour + g.education + g.achievements, 0);
        EXPECT_TRUE(Assessment(c.kind, false, false).empty());  // no growth
        editor().Achievements().Field().SetText("");
        EXPECT_TRUE(Assessment(c.kind, false, false).empty());
        EXPECT_LT(g.letterReport, 100);
        EXPECT_GT(g.letterReport, 50);
        behaviour().OwnText().SetText("");
        editor().Education().Area(0).OwnText().SetText("");
    }
}

TEST_F(CheckTest, AClassWithoutACertificateFontSizeIsToldOnceAndGetsTen) {
    core->Print().FontSize().Select(-1);
    checks().CertificateCheck({false, false, false});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, U("Informacja"));
    EXPECT_TRUE(messages.shown[0].text.StartsWith(
        U("Oceny nowoutworzone oraz odczytane ze starszej wersji programu nie mają ustawionej")));
    EXPECT_TRUE(messages.shown[0].text.EndsWith(
        U("Wielkość czcionki została teraz ustawiona domyślnie na 10 punktów")));
    EXPECT_EQ(core->Print().FontSize().Selection(), 1);
    EXPECT_FALSE(kw::IsModified());
    checks().CertificateCheck({false, false, false});
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CheckTest, EditsRunTheSpaceCheckAndTheQuietFrontCheck) {
    // An edit of an assessment text: the gauges follow, a box that overflows is told.
    behaviour().OwnText().UserSetText(Repeat("abcd ", 150));
    EXPECT_GT(editor().Gauges().behaviour, 30);
    EXPECT_TRUE(messages.shown.empty());
    behaviour().OwnText().UserSetText(Repeat("abcd ", 400));
    EXPECT_EQ(editor().Gauges().behaviour, 100);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Za długa ocena z zachowania.\n"));

    // An edit of a printed field of the wizard: a too-long value is told once.
    messages.shown.clear();
    metrics.fixed[U("bardzo długa nazwa")] = 140000;
    ClassText(104).UserSetText(U("bardzo długa nazwa"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("'Nazwa szkoły 1' jest za długa.\n"));
    ClassText(105).UserSetText(U("druga"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CheckTest, WithoutMetricsEditsOnlyComposeTheTexts) {
    kw::InstallTextMetrics(nullptr);
    behaviour().OwnText().UserSetText(Repeat("abcd ", 400));
    EXPECT_EQ(editor().Gauges().behaviour, 0);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
