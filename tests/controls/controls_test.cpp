#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/key_filter.h"
#include "controls/phrase_controls.h"
#include "controls/registry.h"
#include "controls/token.h"
#include "controls/value_controls.h"
#include "klasa/klasa.h"
#include "support/test_support.h"

namespace {

using kw::U;

// A fresh registry and an open class with a current pupil and assessment.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        kw::SetRegistry(&registry);
        kw::State().klasa = std::make_unique<kw::Klasa>();
        kw::Uczen* p = kw::OpenClass()->AddPupil();
        kw::OpenClass()->SetCurrentPupil(p);
        kw::OpenClass()->SetCurrentAssessment(p->AddAssessment());
        kw::ClearModified();
    }
    void TearDown() override {
        kw::State().klasa.reset();
        kw::ClearModified();
        kw::SetRegistry(nullptr);
    }
    kw::Ocena& assessment() { return *kw::OpenClass()->CurrentAssessment(); }

    kw::ControlRegistry registry;
    kwtest::ScriptedMessages messages;
    int calls = 0;
    kw::CtrBase::Callback counter = [this] { ++calls; };
};

TEST_F(ControlsTest, RadioGroupWithTheOffOption) {
    kw::CtrRadioGroup g(11110, kw::kPhraseScoredOff, U(" Na zajęciach jest{eś} "),
                        {296, 140, 141, 85},
                        {U("[2]aktywn<y,a>"), U("[1]czasami aktywn<y,a>"), U("[-1]mało aktywn<y,a>")},
                        counter);
    ASSERT_EQ(g.Count(), 4);
    EXPECT_EQ(g.OptionCaption(3), U("WYŁĄCZ"));
    EXPECT_EQ(g.OptionCaption(0), U("aktywny/a"));
    EXPECT_EQ(g.Caption(), U(" Na zajęciach jest "));
    EXPECT_EQ(g.OptionRect(2).y, 45);
    EXPECT_EQ(g.OptionRect(2).w, 133);

    g.UserSelect(0);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(kw::IsModified());
    EXPECT_EQ(g.ComputeScore(), 90);
    EXPECT_EQ(g.JoinChoice(), U("[2]aktywn<y,a>& "));

    kw::ClearModified();
    g.UserSelect(0);  // the chosen option again: nothing
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(kw::IsModified());

    g.UserSelect(3);
    EXPECT_FALSE(g.HasChoice());
    EXPECT_EQ(g.JoinChoice(), U(""));
    EXPECT_EQ(g.SentenceChoice(), U(""));
    EXPECT_EQ(g.ComputeScore(), 0);
    g.Save();
    int32_t v = 7;
    EXPECT_TRUE(assessment().Get_num(11110, 0, v));
    EXPECT_EQ(v, -1) << "WYŁĄCZ is stored as no choice";
    g.Select(1);
    g.Load();
    EXPECT_EQ(g.Chosen(), -1);
}

TEST_F(ControlsTest, CheckGroupBitsAndScore) {
    kw::CtrCheckGroup g(11100, kw::kPhraseScored, U(" Jest{eś} "), {0, 0, 129, 169},
                        {U("[1]a"), U("[-1]b"), U("[0]c"), U("[2]d")}, counter, -1);
    EXPECT_EQ(g.OptionRect(3).y, 60);
    g.UserToggle(0);
    g.UserToggle(2);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(g.Bits(), 5u);
    g.Save();
    g.Clear();
    EXPECT_FALSE(g.AnyTicked());
    g.Load();
    EXPECT_TRUE(g.IsTicked(0));
    EXPECT_FALSE(g.IsTicked(1));
    EXPECT_TRUE(g.IsTicked(2));
    EXPECT_EQ(g.JoinList(), U("[1]a& [0]c& "));
    EXPECT_EQ(g.SentenceList(), U("[1]a. [0]c. "));
    EXPECT_EQ(g.OptionAt(3), U("[2]d"));

    g.SetBits(0b0111);
    EXPECT_EQ(g.ComputeScore(), 2 * 65536 + 100) << "80 and 20 count, the 0 does not";
    g.SetBits(-1);
    EXPECT_EQ(g.Bits(), 15u);

    // A missing record unticks all.
    assessment().Clear();
    g.Load();
    EXPECT_EQ(g.Bits(), 0u);
    EXPECT_EQ(g.OptionAt(3), U(""));
}

TEST_F(ControlsTest, CheckAndRadio) {
    kw::CtrCheck c(1000, kw::kLevelClass | kw::kStored, U("Bez wykresu"), {}, counter);
    c.UserToggle();
    EXPECT_TRUE(c.IsOn());
    EXPECT_TRUE(kw::IsModified());
    c.Save();
    c.Clear();
    c.Load();
    EXPECT_TRUE(c.IsOn());

    kw::OpenClass()->NumList().Clear();
    kw::OpenClass()->Add_num(1000, 0, 2);
    kwtest::AssertRecorder asserts;
    c.Load();
    EXPECT_EQ(asserts.Count(), 1u);
    EXPECT_TRUE(c.IsOn()) << "the value is still applied";

    kw::CtrRadio r(11500, kw::kPhraseScored, U("[1]x"), {}, counter);
    calls = 0;
    r.UserRadioEvent(true);
    r.UserRadioEvent(true);
    r.UserRadioEvent(false);
    r.UserRadioEvent(true);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(r.ComputeScore(), 80);
    EXPECT_EQ(r.JoinBox(), U("[1]x& "));
    r.Clear();
    EXPECT_EQ(r.ComputeScore(), 0);
    EXPECT_EQ(r.SentenceBox(), U(""));
}

TEST_F(ControlsTest, ChoiceShowsCaptionsAndStoresTheIndex) {
    kw::CtrChoice c(17118, kw::kPhraseScored, {},
                    {U("[-1,-2]20"), U("[1,-1,-2]30"), U("[2,1,-2]100")}, counter);
    EXPECT_EQ(c.SelectedCaption(), U(""));
    EXPECT_EQ(c.ComputeScore(), 0);
    c.UserSelect(1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(c.SelectedCaption(), U("30"));
    EXPECT_EQ(c.ComputeScore(), 80);
    c.Save();
    c.Clear();
    c.Load();
    EXPECT_EQ(c.Selection(), 1);
    assessment().Clear();
    c.Load();
    EXPECT_EQ(c.Selection(), -1);
}

TEST_F(ControlsTest, LoadingNeverMarksTheClassChanged) {
    kw::CtrCheckGroup g(11100, kw::kPhraseScored, "", {}, {U("[1]a")}, counter);
    kw::CtrText t(306, kw::kAssessmentStored, "", {}, counter, 30, 1);
    {
        kw::LoadingGuard loading;
        g.UserToggle(0);
        t.UserSetText("abc");
    }
    EXPECT_FALSE(kw::IsModified());
    // Containers and unstored controls never mark it either.
    kw::CtrCheckGroup unstored(11101, 0, "", {}, {U("[1]a")});
    unstored.UserToggle(0);
    EXPECT_FALSE(kw::IsModified());
    t.UserSetText("abcd");
    EXPECT_TRUE(kw::IsModified());
}

TEST_F(ControlsTest, SaveScoreWritesTheStateList) {
    kw::CtrCheckGroup g(11100, kw::kPhraseScored, "", {}, {U("[1]a"), U("[-1]b")});
    kw::CtrSpin spin(11013, kw::kPhraseScored, {}, 0, 100, 0);
    g.SetBits(3);
    spin.SetValue(150);
    g.SaveScore();
    spin.SaveScore();
    spin.Save();
    int32_t v;
    EXPECT_TRUE(assessment().Get_state(11100, 1, v));
    EXPECT_EQ(v, 2 * 65536 + 100);
    EXPECT_TRUE(assessment().Get_state(11013, 1, v));
    EXPECT_EQ(v, 100);
    EXPECT_TRUE(assessment().Get_num(11013, 0, v));
    EXPECT_EQ(v, 100);
}

TEST_F(ControlsTest, SectionScoreOverASubtree) {
    kw::CtrPanel root(11010, 0, {});
    kw::ParentScope in(root);
    kw::CtrRadioGroup r1(11103, kw::kPhraseScoredOff, "", {}, {U("[1]a"), U("[-1]b")});
    kw::CtrRadioGroup r2(11104, kw::kPhraseScoredOff, "", {}, {U("[1]a"), U("[-1]b")});
    kw::CtrCheckGroup g(11100, kw::kPhraseScored, "", {}, {U("[1]a"), U("[-1]b"), U("[0]c")});
    kw::CtrCheckGroup notScored(11101, kw::kAssessmentStored, "", {}, {U("[-2]a")});
    EXPECT_EQ(kw::SectionScore(root), 0);
    r1.Select(0);
    r2.Select(2);  // WYŁĄCZ does not lower the mean
    g.SetBits(0b111);
    notScored.SetBits(1);
    EXPECT_EQ(kw::SectionScore(root), (80 + 80 + 20) / 3);
    EXPECT_EQ(kw::State().loading, 0);
}

TEST_F(ControlsTest, RegistryWalksDepthFirstInRegistrationOrder) {
    kw::CtrPanel a(1, 0, {});
    std::unique_ptr<kw::CtrPanel> b, c, d;
    {
        kw::ParentScope inA(a);
        b = std::make_unique<kw::CtrPanel>(2, 0, kw::Rect{});
        {
            kw::ParentScope inB(*b);
            c = std::make_unique<kw::CtrPanel>(3, 0, kw::Rect{});
        }
        d = std::make_unique<kw::CtrPanel>(4, 0, kw::Rect{});
    }
    kw::CtrPanel e(5, 0, {});
    auto ids = [](const std::vector<kw::CtrBase*>& v) {
        std::vector<int> out;
        for (auto* c : v) out.push_back(c->Id());
        return out;
    };
    EXPECT_EQ(ids(registry.All()), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(ids(registry.Walk(a)), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(ids(registry.Walk(*b)), (std::vector<int>{3}));
    EXPECT_TRUE(registry.Walk(e).empty());
    EXPECT_EQ(registry.Find(3), c.get());
    // A control registered later is seen by the next walk.
    kw::ParentScope inE(e);
    kw::CtrPanel f(6, 0, {});
    EXPECT_EQ(ids(registry.Walk(e)), (std::vector<int>{6}));
}

TEST_F(ControlsTest, ReusedIdsAndParentMistakesAreReported) {
    kw::CtrPanel a(12345, 0, {});
    kw::CtrPanel other(12346, 0, {});
    kwtest::AssertRecorder asserts;
    kw::CtrPanel again(12345, 0, {});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("reused ctr_id : 12345"));
    EXPECT_EQ(messages.shown[0].caption, U("Message"));
    EXPECT_EQ(asserts.Count(), 1u);

    registry.PushParent(a);
    registry.PopParent(other);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text,
              wxString::Format("%d %d", a.RegistryIndex(), other.RegistryIndex()));
    EXPECT_EQ(asserts.Count(), 2u);

    kw::CtrPanel tooBig(30001, 0, {});
    EXPECT_EQ(asserts.Count(), 3u);
}

TEST_F(ControlsTest, OperationsThatDoNotApplyAreInternalErrors) {
    kw::CtrPanel p(10001, 0, {});
    kw::CtrText t(306, kw::kAssessmentStored, "", {}, {}, 30, 1);
    kwtest::AssertRecorder asserts;
    p.Save();
    t.SaveList();
    EXPECT_EQ(t.ComputeScore(), 0);
    EXPECT_EQ(asserts.Count(), 3u);
}

TEST(KeyFilter, Kinds) {
    const int kBackspace = 8, kDelete = 127, kLeft = 314, kEnter = 13;
    const struct {
        int max, kind;
        const char* set;
        const char* accepted;
        const char* refused;
    } cases[] = {
        {10, 2, "", "0123456789", "a .-"},
        {10, 3, "", "abc ĄĘ-_(", "\\/:*?\"<>|."},
        {10, 4, "<>[]{}", "(+)abc", "<>[]{}"},
        {10, 5, "abc", "abc", "dA1"},
        {10, 1, "", "a1.<[ ż", ""},
    };
    for (const auto& c : cases) {
        const kw::KeyFilter f(c.max, c.kind, U(c.set));
        const wxString ok = U(c.accepted), no = U(c.refused);
        for (wxString::const_iterator i = ok.begin(); i != ok.end(); ++i)
            EXPECT_TRUE(f.AcceptChar(*i, 0)) << c.kind << " " << wxString(*i);
        for (wxString::const_iterator i = no.begin(); i != no.end(); ++i)
            EXPECT_FALSE(f.AcceptChar(*i, 0)) << c.kind << " " << wxString(*i);
        for (int special : {kBackspace, kDelete, kLeft}) EXPECT_TRUE(f.Accept(special, 0));
        EXPECT_FALSE(f.Accept(kEnter, 0)) << "a text field never takes a line break";
    }
    // At the maximum length only special keys pass.
    const kw::KeyFilter digits(10, 2);
    EXPECT_FALSE(digits.AcceptChar('5', 10));
    EXPECT_TRUE(digits.Accept(kBackspace, 10));
    EXPECT_TRUE(digits.Accept(kLeft, 10));
    EXPECT_TRUE(digits.Accept(kDelete, 10));
    // A combo box lets Enter through.
    EXPECT_TRUE(kw::KeyFilter(10, 1, "", false).Accept(kEnter, 0));
    // A character the class file cannot hold is refused whatever the kind.
    EXPECT_FALSE(kw::KeyFilter(10, 1).AcceptChar(wxUniChar(0x03A9), 0));
}

TEST(KeyFilter, PastedTextIsCutToTheMaximumAndCleaned) {
    const kw::KeyFilter f(10, 1);
    EXPECT_EQ(f.Fit("123456789012"), "1234567890");
    EXPECT_EQ(f.Fit("12345678901"), "1234567890") << "one character over is cut too";
    EXPECT_EQ(f.Fit(U("Żółw😀 Ωx")), U("Żółw x"));
    EXPECT_EQ(f.Fit("short"), "short");
}

TEST(KeyFilter, InsertedTextKeepsWhatTheFieldTakesAndFitsTheRoomLeft) {
    const struct {
        int max, kind;
        const char* set;
        bool multiLine;
        int length;  // characters already in the field
        const char* inserted;
        const char* kept;
    } cases[] = {
        {10, 1, "", false, 0, "1234567890", "1234567890"},
        {10, 1, "", false, 0, "12345678901", "1234567890"},
        {10, 1, "", false, 8, "abcdef", "ab"},
        {10, 1, "", false, 10, "abc", ""},
        {10, 1, "", false, 12, "abc", ""},  // already over: nothing more
        {20, 1, "", false, 0, "Żółw😀 Ωx", "Żółw x"},
        {20, 1, "", false, 0, "a\nb\r\nc\td", "abc\td"},
        {20, 1, "", true, 0, "a\nb\r\nc", "a\nb\nc"},
        {10, 2, "", false, 0, "1a2 3-4", "1234"},
        {30, 3, "", false, 0, "Nowak/3a.kwer", "Nowak3akwer"},
        {40, 4, "<>[]{}", true, 0, "Lubi <rysować>(+) [i] {śpiewać}.", "Lubi rysować(+) i śpiewać."},
        // Refused characters take no room.
        {3, 2, "", false, 0, "a1b2c3d4", "123"},
    };
    for (const auto& c : cases) {
        const kw::KeyFilter f(c.max, c.kind, U(c.set));
        EXPECT_EQ(f.FitInsert(U(c.inserted), c.length, c.multiLine), U(c.kept)) << c.inserted;
    }
}

TEST_F(ControlsTest, TextFieldsFitWhatTheyAreGiven) {
    kw::CtrText t(304, kw::kAssessmentStored, "", {}, counter, 2, 2);
    t.UserSetText("12345");
    EXPECT_EQ(t.Text(), "12");
    EXPECT_EQ(calls, 1);
    t.UserSetText("12");  // no change, no OnChange
    EXPECT_EQ(calls, 1);
    assessment().Add_txt(304, 0, "9876");
    t.Load();
    EXPECT_EQ(t.Text(), "98");
}

TEST_F(ControlsTest, ComboRemembersEntriesForTheClass) {
    kw::CtrCombo c(203, kw::kLevelPupil | kw::kStored | kw::kList, "", {}, {}, counter, 50, 1);
    c.SetText("ul. Polna 1");
    c.Remember();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Zapamiętano pozycję..."));
    c.SetText("");
    c.Remember();  // an empty entry is kept now, dropped on reading
    c.SetText("Ala");
    c.Remember();
    ASSERT_EQ(c.Entries().size(), 3u);
    c.SaveList();
    int32_t n;
    EXPECT_TRUE(kw::OpenClass()->Get_num(203, 1, n));
    EXPECT_EQ(n, 3);
    wxString t;
    EXPECT_TRUE(kw::OpenClass()->Get_txt(203, 4, t));
    EXPECT_EQ(t, "Ala");

    kw::CtrCombo fresh(205, kw::kLevelPupil | kw::kStored | kw::kList, "", {}, {}, {}, 50, 1);
    kw::OpenClass()->Add_num(205, 1, 3);
    kw::OpenClass()->Add_txt(205, 2, "ul. Polna 1");
    kw::OpenClass()->Add_txt(205, 3, "");
    kw::OpenClass()->Add_txt(205, 4, "Ala");
    fresh.SetText("kept");
    fresh.LoadList();
    EXPECT_EQ(fresh.Entries(), (std::vector<wxString>{"ul. Polna 1", "Ala"}));
    EXPECT_EQ(fresh.Text(), "kept");
}

TEST_F(ControlsTest, SpinClampsTypedValues) {
    kw::CtrSpin s(11013, kw::kPhraseScored, {}, 0, 100, 0, counter);
    s.UserSetValue(150);
    EXPECT_EQ(s.Value(), 100);
    EXPECT_EQ(calls, 0) << "no page callback";
    EXPECT_TRUE(kw::IsModified());
    s.UserSetValue(-5);
    EXPECT_EQ(s.Value(), 0);
    s.SetValue(55);
    s.Load();  // no record
    EXPECT_EQ(s.Value(), 0);
}

TEST_F(ControlsTest, HoldersMarkTheClassChanged) {
    kw::CtrNumber n(11002, kw::kAssessmentEarly, 0);
    kw::CtrString s(301, kw::kAssessmentEarly);
    n.SetValue(5);
    EXPECT_TRUE(kw::IsModified());
    kw::ClearModified();
    s.SetText("3");
    EXPECT_TRUE(kw::IsModified());
    n.Save();
    s.Save();
    n.Clear();
    s.Clear();
    n.Load();
    s.Load();
    EXPECT_EQ(n.Value(), 5);
    EXPECT_EQ(s.Text(), "3");
}

TEST_F(ControlsTest, ALevelWithoutItsEntityIsAnInternalError) {
    kw::CtrText t(306, kw::kAssessmentStored, "", {}, {}, 30, 1);
    kw::OpenClass()->SetCurrentAssessment(nullptr);
    kwtest::AssertRecorder asserts;
    t.Save();
    EXPECT_EQ(asserts.Count(), 1u);
}

}  // namespace
