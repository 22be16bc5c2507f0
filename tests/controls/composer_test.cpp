#include <gtest/gtest.h>

#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "support/test_support.h"

namespace {

using kw::U;

// Every test here renders through the program's processor with a context of its own.
class ComposerTest : public ::testing::Test {
protected:
    void SetUp() override { Use(0, false, 0); }
    void TearDown() override { kw::TheToken().SetContextSource({}); }
    void Use(int grade, bool male, int kind) {
        kw::TokenContext c;
        c.grade = grade;
        c.male = male;
        c.kind = kind;
        kw::TheToken().SetContextSource([c] { return c; });
    }
    wxString Finish(const wxString& raw) {
        wxString t = kw::TheToken().Plain(raw);
        kw::Respace(t);
        return t;
    }
};

TEST_F(ComposerTest, EndSentence) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"abc", "abc."}, {"abc, ", "abc."}, {"abc.", "abc."}, {"", ""},
        {"Jest{eś} [1]pracowit<y,a>& ", "Jest{eś} [1]pracowit<y,a>."},
        {"abc   ", "abc."}, {"a", "a."}, {"&", "."}, {"x. ", "x."},
    };
    for (const auto& c : cases) {
        wxString t = U(c.in);
        kw::EndSentence(t);
        EXPECT_EQ(t, U(c.out)) << c.in;
    }
}

TEST_F(ComposerTest, Conjunctions) {
    const struct {
        const char* raw;
        int mode;
        const char* joined;
    } cases[] = {
        // The last two phrases of a sentence decide.
        {"Jest [2]a& [1]b.", -1, "Jest [2]a i  [1]b."},
        {"Jest [1]a& [0]b.", -1, "Jest [1]a i  [0]b."},
        {"Jest [-1]a& [-2]b.", -1, "Jest [-1]a i  [-2]b."},
        {"Jest [1]a& [-1]b.", -1, "Jest [1]a,ale  [-1]b."},
        {"Jest [-1]a& [1]b.", -1, "Jest [-1]a,ale  [1]b."},
        {"Jest [1]a& b.", -1, "Jest [1]a i  b."},
        {"Jest [-1]a& b.", -1, "Jest [-1]a,ale  b."},
        {"Jest [1]a& [1]b& [-1]c.", -1, "Jest [1]a, [1]b,ale  [-1]c."},
        {"Jest [1]a& [-1]b.", 1, "Jest [1]a i  [-1]b."},
        // Each sentence on its own; later positions follow earlier insertions.
        {"Jest [1]a& [1]b.Ma [-1]c& [1]d.", -1, "Jest [1]a i  [1]b.Ma [-1]c,ale  [1]d."},
        // A phrase without points after the "&" is 0 even when a later sentence has points.
        {"Jest [-1]a& b.Ma [-1]c.", -1, "Jest [-1]a,ale  b.Ma [-1]c."},
        // Sentence-mode phrases have no "&".
        {"[1]Przestrzega{sz} norm. [-1]Nie panuje{sz}. ", -1,
         "[1]Przestrzega{sz} norm. [-1]Nie panuje{sz}. "},
        // Text after the last full stop is no sentence; its "&" becomes a comma.
        {"Jest [1]a& [1]b", -1, "Jest [1]a, [1]b"},
        {"", -1, ""},
    };
    for (const auto& c : cases) {
        wxString t = U(c.raw);
        kw::JoinConjunctions(t, c.mode);
        EXPECT_EQ(t, U(c.joined)) << c.raw;
    }
}

TEST_F(ComposerTest, Respace) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Jest miła,ale  pilna.", "Jest miła, ale pilna."},
        {"ab.", "ab."},
        {"  ab.  ", "ab."},
        {"x a...b", "x a. . . b"},
        {"liczy 3,5 i 7", "liczy 3, 5 i 7"},
        {"Laureat konkursu:  recytatorskiego ,2010", "Laureat konkursu: recytatorskiego , 2010"},
        {"Czy?Tak!Nie;", "Czy? Tak! Nie;"},
        {"a    b", "a b"},
        {"", ""},
    };
    for (const auto& c : cases) {
        wxString t = U(c.in);
        kw::Respace(t);
        EXPECT_EQ(t, U(c.out)) << c.in;
    }
}

TEST_F(ComposerTest, ChangeRange) {
    const struct {
        const char* oldText;
        const char* newText;
        int start, end;
    } cases[] = {
        {"Jest miła.", "Jest miła, ale pilna.", 9, 12},
        {"Jest miła.", "Jest miła.", 7, 9},
        {"Jest miła, ale pilna.", "Je", 0, 1},
        {"", "", 0, 0},
        {"abcdef", "abXdef", 2, 5},
        {"Jest miła, ale pilna.", "Jest miła", 6, 8},
    };
    for (const auto& c : cases) {
        const auto r = kw::ChangeRange(U(c.oldText), U(c.newText));
        EXPECT_EQ(r.first, c.start) << c.oldText << " -> " << c.newText;
        EXPECT_EQ(r.second, c.end) << c.oldText << " -> " << c.newText;
    }
}

TEST_F(ComposerTest, ScoreAccumulator) {
    kw::ScoreAccumulator a;
    EXPECT_EQ(a.Mean(), 0);
    for (int v : {80, 20, 0}) a.Add(v);
    EXPECT_EQ(a.Count(), 2);
    EXPECT_EQ(a.Sum(), 100);
    EXPECT_EQ(a.Packed(), 131172);
    EXPECT_EQ(a.Mean(), 50);

    kw::ScoreAccumulator b;
    b.Add(131172);  // a packed group: count 2, sum 100
    b.Add(90);
    b.Add(65536 * 3);  // a packed group with a zero sum does not count
    EXPECT_EQ(b.Count(), 3);
    EXPECT_EQ(b.Sum(), 190);
    EXPECT_EQ(b.Mean(), 63);
}

TEST_F(ComposerTest, WorkedExampleGirlCertificate) {
    wxString raw = U("Jest{eś} [1]koleżeńsk<i,a>& [1]pracowit<y,a>& [-1]agresywn<y,a>& ");
    kw::EndSentence(raw);
    EXPECT_EQ(raw, U("Jest{eś} [1]koleżeńsk<i,a>& [1]pracowit<y,a>& [-1]agresywn<y,a>."));
    kw::JoinConjunctions(raw, -1);
    EXPECT_EQ(raw, U("Jest{eś} [1]koleżeńsk<i,a>, [1]pracowit<y,a>,ale  [-1]agresywn<y,a>."));
    EXPECT_EQ(kw::TheToken().Plain(raw), U("Jest koleżeńska, pracowita,ale  agresywna."));
    EXPECT_EQ(Finish(raw), U("Jest koleżeńska, pracowita, ale agresywna."));
}

TEST_F(ComposerTest, ParagraphMarkOnlyForPeriodicAndLetter) {
    const struct {
        int kind;
        const char* mark;
    } cases[] = {{-1, ""}, {0, ""}, {1, " (akapit) "}, {2, " (akapit) "}};
    for (const auto& c : cases) {
        Use(0, true, c.kind);
        EXPECT_EQ(kw::ParagraphMark(), U(c.mark)) << c.kind;
    }
}

TEST_F(ComposerTest, PreviewDropsParagraphMarks) {
    EXPECT_EQ(kw::WithoutParagraphs(U(" (akapit) Jest miła.")), U("Jest miła."));
}

}  // namespace
