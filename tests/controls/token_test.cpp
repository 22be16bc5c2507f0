#include <gtest/gtest.h>

#include "app/utf8.h"
#include "controls/token.h"
#include "support/test_support.h"

namespace {

using kw::U;

kw::TokenContext Ctx(int grade, bool male, int kind) {
    kw::TokenContext c;
    c.grade = grade;
    c.male = male;
    c.kind = kind;
    return c;
}

struct Rendering {
    const char* phrase;
    kw::TokenContext ctx;
    const char* plain;
    const char* label;
    int points;
    int score;
};

TEST(Token, Renderings) {
    const kw::TokenContext boyCert = Ctx(0, true, 0), girlCert = Ctx(0, false, 0),
                           boyLetter = Ctx(0, true, 2), girlLetter = Ctx(0, false, 2),
                           girlPeriodic = Ctx(1, false, 1), none = kw::TokenContext();
    const Rendering cases[] = {
        {"[1]pracowit<y,a>", boyCert, "pracowity", "pracowity/a", 1, 80},
        {"[1]pracowit<y,a>", girlCert, "pracowita", "pracowity/a", 1, 80},
        {"[1]pracowit<y,a>", girlLetter, "pracowita", "pracowity/a", 1, 80},
        {" Cechuje <Cię/go,Cię/ją> ", boyCert, " Cechuje go ", " Cechuje go/ją ", 0, 0},
        {" Cechuje <Cię/go,Cię/ją> ", girlPeriodic, " Cechuje ją ", " Cechuje go/ją ", 0, 0},
        {" Cechuje <Cię/go,Cię/ją> ", boyLetter, " Cechuje Cię ", " Cechuje Cię/Cię ", 0, 0},
        {" Cechuje <Cię/go,Cię/ją> ", girlLetter, " Cechuje Cię ", " Cechuje Cię/Cię ", 0, 0},
        {"[-1]Nie przestrzega{sz} norm społecznych i klasowych", girlLetter,
         "Nie przestrzegasz norm społecznych i klasowych",
         "Nie przestrzega norm społecznych i klasowych", -1, 20},
        {"[-1]Nie przestrzega{sz} norm społecznych i klasowych", boyCert,
         "Nie przestrzega norm społecznych i klasowych",
         "Nie przestrzega norm społecznych i klasowych", -1, 20},
        {"Jest{eś} ", boyLetter, "Jesteś ", "Jest ", 0, 0},
        {"musiał<,a>", boyCert, "musiał", "musiał/a", 0, 0},
        {"musiał<,a>", girlCert, "musiała", "musiał/a", 0, 0},
        {"Zdarza <Ci/mu,Ci/jej> się", girlCert, "Zdarza jej się", "Zdarza mu/jej się", 0, 0},
        {"WYŁĄCZ", girlLetter, "WYŁĄCZ", "WYŁĄCZ", 0, 0},
        {"", boyCert, "", "", 0, 0},
        {"[2,2,1]cechy bohaterów", Ctx(0, true, 0), "cechy bohaterów", "cechy bohaterów", 2, 90},
        {"[2,2,1]cechy bohaterów", Ctx(1, true, 0), "cechy bohaterów", "cechy bohaterów", 2, 90},
        {"[2,2,1]cechy bohaterów", Ctx(2, true, 0), "cechy bohaterów", "cechy bohaterów", 1, 80},
        {"[2,1]w odpowiednim tempie", Ctx(0, true, 0), "w odpowiednim tempie",
         "w odpowiednim tempie", 2, 90},
        {"[2,1]w odpowiednim tempie", Ctx(1, true, 0), "w odpowiednim tempie",
         "w odpowiednim tempie", 1, 80},
        {"[2,1]w odpowiednim tempie", Ctx(2, true, 0), "w odpowiednim tempie",
         "w odpowiednim tempie", 1, 80},
        {"[1,-1,-2]sylabami", Ctx(0, true, 0), "sylabami", "sylabami", 1, 80},
        {"[1,-1,-2]sylabami", Ctx(1, true, 0), "sylabami", "sylabami", -1, 20},
        {"[1,-1,-2]sylabami", Ctx(2, true, 0), "sylabami", "sylabami", -2, 1},
        {"[1,-1,-2]sylabami", none, "sylabami", "sylabami", 1, 80},
        {"[ 3 ]x", none, "x", "x", 3, 100},
        {"[ 2 , 3 ,-2 ]x", Ctx(1, true, 0), "x", "x", 3, 100},
        {"[0]zamknięt<y,a> w sobie", girlCert, "zamknięta w sobie", "zamknięty/a w sobie", 0, 0},
        {"a, b/c > d] e}", girlCert, "a, b/c > d] e}", "a, b/c > d] e}", 0, 0},
    };
    for (const Rendering& c : cases) {
        SCOPED_TRACE(c.phrase);
        kwtest::ScriptedMessages messages;
        kw::Token t;
        const kw::TokenContext ctx = c.ctx;
        t.SetContextSource([ctx] { return ctx; });
        EXPECT_EQ(t.Plain(U(c.phrase)), U(c.plain));
        EXPECT_EQ(t.Label(U(c.phrase)), U(c.label));
        EXPECT_EQ(t.Points(U(c.phrase), 0), c.points);
        EXPECT_EQ(t.Score(U(c.phrase), 0), c.score);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_FALSE(t.Failed());
    }
}

TEST(Token, PointsScoresAndSignClassesOfEveryValue) {
    const struct {
        int points, score, sign;
    } cases[] = {{-2, 1, -1}, {-1, 20, -1}, {0, 0, 0}, {1, 80, 1}, {2, 90, 2}, {3, 100, 2}};
    kw::Token t;
    for (const auto& c : cases) {
        const wxString phrase = wxString::Format("abc [%d]x", c.points);
        EXPECT_EQ(t.Points(phrase, 0), c.points);
        EXPECT_EQ(t.Score(phrase, 0), c.score);
        EXPECT_EQ(t.SignClass(phrase, 0), c.sign);
        EXPECT_EQ(t.Points(phrase, 5), 0) << "no mark at or after position 5";
    }
}

TEST(Token, GenderAndSecondModes) {
    kw::Token t;
    t.SetContextSource([] { return Ctx(0, false, 2); });  // a girl, in a letter
    const wxString g = U("x <Cię/go,Cię/ją> y");
    EXPECT_EQ(t.Gender(g, 0, 1), U("Cię"));
    EXPECT_EQ(t.Gender(g, 0, 0), U("Cię"));
    EXPECT_EQ(t.Gender(g, 0, -1), U("Cię"));
    EXPECT_EQ(t.Gender(g, 3, -1), U(""));
    t.SetContextSource([] { return Ctx(0, false, 0); });
    EXPECT_EQ(t.Gender(g, 0, 1), U("go"));
    EXPECT_EQ(t.Gender(g, 0, -1), U("ją"));
    const wxString s = U("Jest{eś} ");
    EXPECT_EQ(t.Second(s, 0, 2), U("eś"));
    EXPECT_EQ(t.Second(s, 0, 3), U(""));
    EXPECT_EQ(t.Second(s, 0, -1), U(""));
    EXPECT_EQ(t.Second(U("brak"), 0, 2), U(""));
}

TEST(Token, SyntaxErrorsAreReportedAndRenderEmpty) {
    const struct {
        const char* phrase;
        const char* message;
        int grade;
    } cases[] = {
        {"musiał<a>",
         "Brak przecinka po rodzaju męskim\nMusi Wystąpić jeśli nawet nie ma sufiksu dla niego "
         "np. 'musiał<,a>'", 0},
        {"<a,b,c>", "Brak zamknięcia nawiasu >", 0},
        {"<a,b", "Brak zamknięcia nawiasu >", 0},
        {"Jest{eś", "Brak zamknięcia nawiasu }", 0},
        {"{a[1]b}", "Zagnieżdżone nawiasy", 0},
        {"<a[1],b>", "Zagnieżdżone nawiasy", 0},
        {"<a,b{x}>", "Zagnieżdżone nawiasy", 0},
        {"{a<b,c>}", "Zagnieżdżone nawiasy", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phrase);
        kwtest::ScriptedMessages messages;
        kwtest::AssertRecorder asserts;
        kw::Token t;
        EXPECT_EQ(t.Plain(U(c.phrase)), U(""));
        ASSERT_GE(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, U(c.message));
        EXPECT_EQ(messages.shown[0].caption, U("Błąd składni"));
        EXPECT_TRUE(t.Failed());
    }
}

TEST(Token, PointMarkErrors) {
    const struct {
        const char* phrase;
        int grade;
        const char* message;
    } cases[] = {
        {"[4]x", 0, "Niewłaściwa wartość punktu 4\nPowinno być od -2 do 3"},
        {"[1,5]x", 0, "Niewłaściwa wartość punktu 5\nPowinno być od -2 do 3"},
        {"[-3,1,1]x", 2, "Niewłaściwa wartość punktu -3\nPowinno być od -2 do 3"},
        {"[]x", 0, "Brak punktów lub nieprawidłowe liczby w nawiasie []"},
        {"[x]", 0, "Brak punktów lub nieprawidłowe liczby w nawiasie []"},
        {"[1 x", 0, "Brak zamknięcia nawiasu ]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phrase);
        kwtest::ScriptedMessages messages;
        kw::Token t;
        const int grade = c.grade;
        t.SetContextSource([grade] { return Ctx(grade, true, 0); });
        EXPECT_EQ(t.Points(U(c.phrase), 0), 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, U(c.message));
        EXPECT_TRUE(t.Failed());
    }
}

TEST(Token, AnUnclosedPointMarkInPlainTextIsReportedWithoutTheStickyFlag) {
    kwtest::ScriptedMessages messages;
    kw::Token t;
    EXPECT_EQ(t.Plain(U("abc [1 def")), U(""));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Brak zamknięcia nawiasu ]"));
    EXPECT_FALSE(t.Failed());
    EXPECT_EQ(t.Plain(U("[1]pracowit<y,a>")), U("pracowity"));

    // The same mistake in a caption does set it.
    EXPECT_EQ(t.Label(U("abc [1 def")), U(""));
    EXPECT_TRUE(t.Failed());
}

TEST(Token, AfterASyntaxErrorEveryGenderOrSecondPersonTextIsEmpty) {
    kwtest::ScriptedMessages messages;
    kwtest::AssertRecorder asserts;
    kw::Token t;
    t.Plain(U("<a,b"));
    ASSERT_TRUE(t.Failed());
    EXPECT_EQ(t.Plain(U("[1]pracowit<y,a>")), U(""));
    EXPECT_EQ(t.Plain(U("Jest{eś} ")), U(""));
    EXPECT_EQ(t.Plain(U("[1]pracowicie")), U("pracowicie"));
    EXPECT_GT(asserts.Count(), 0u) << "each rendering checks the flag first";
    for (const auto& r : asserts.Records()) EXPECT_EQ(r.module, "controls");
}

TEST(Token, ExpandTheShorthand) {
    const struct {
        const char* typed;
        const char* expanded;
    } cases[] = {
        {"Lubi rysować(+).", "Lubi rysować[2]."}, {"(-)", "[-1]"}, {"a(=)b", "a[1]b"},
        {"(+)(-)", "[2](-)"},                     {"(x)", "(x)"},  {"(+", "(+"},
        {"", ""},                                  {"((+))", "([2])"},
    };
    for (const auto& c : cases) EXPECT_EQ(kw::Token::Expand(U(c.typed)), U(c.expanded)) << c.typed;
    kw::Token t;
    EXPECT_EQ(t.Plain(kw::Token::Expand(U("Lubi rysować(+)."))), U("Lubi rysować."));
    EXPECT_EQ(t.Plain(kw::Token::Expand(U("(+)(-)"))), U("(-)"));
}

}  // namespace
