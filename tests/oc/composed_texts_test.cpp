// The composer's one-pass steps against their literal forms on many texts, and the composed
// texts kept until something they depend on changes.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "app/utf8.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "oc/print_texts.h"
#include "support/core_fixture.h"
#include "support/literal_composition.h"

namespace {

using kw::U;

class ComposedTexts : public kwtest::CoreTest {
protected:
    // Random ticks on every phrase control of the editor.
    void TickAtRandom(std::mt19937& rng, int percent) {
        auto chance = [&](int p) { return static_cast<int>(rng() % 100) < p; };
        for (kw::CtrBase* c : core->Registry().Walk(editor().Panel())) {
            if (auto* radio = dynamic_cast<kw::CtrRadioGroup*>(c)) {
                radio->Select(chance(70) ? static_cast<int>(rng() % radio->Count()) : -1);
            } else if (auto* group = dynamic_cast<kw::CtrCheckGroup*>(c)) {
                uint32_t bits = 0;
                for (int i = 0; i < group->Count(); ++i)
                    if (chance(percent)) bits |= 1u << i;
                group->SetBits(static_cast<int32_t>(bits));
            } else if (auto* choice = dynamic_cast<kw::CtrChoice*>(c)) {
                choice->Select(chance(60) ? static_cast<int>(rng() % choice->Count()) : -1);
            } else if (auto* check = dynamic_cast<kw::CtrCheck*>(c)) {
                check->SetOn(chance(50));
            }
        }
    }

    // Every phrase of every catalogue and the raw texts of the behaviour page and of each area
    // for the controls as they are.
    std::vector<wxString> RawTexts() {
        std::vector<wxString> out{catalogue().Text()};
        for (int a = 0; a < kw::kAreaCount; ++a)
            out.push_back(editor().Education().Area(a).PartsText());
        return out;
    }
    std::vector<wxString> Phrases() {
        std::vector<wxString> out;
        for (kw::CtrBase* c : core->Registry().Walk(editor().Panel())) {
            if (auto* radio = dynamic_cast<kw::CtrRadioGroup*>(c))
                for (int i = 0; i < radio->Count(); ++i) out.push_back(radio->Phrase(i));
            if (auto* group = dynamic_cast<kw::CtrCheckGroup*>(c))
                for (int i = 0; i < group->Count(); ++i) out.push_back(group->Phrase(i));
            if (auto* choice = dynamic_cast<kw::CtrChoice*>(c))
                for (int i = 0; i < choice->Count(); ++i) out.push_back(choice->Phrase(i));
            if (auto* check = dynamic_cast<kw::CtrCheck*>(c)) out.push_back(check->Phrase());
        }
        return out;
    }

    // The education text as composing it from scratch gives it, with the literal steps.
    wxString FreshEducationText() {
        kw::EducationPage& e = editor().Education();
        wxString source;
        if (e.Manual()) {
            source = kw::Token::Expand(e.ManualText().Text());
        } else {
            for (int a = 0; a < kw::kAreaCount; ++a) {
                const wxString area =
                    e.Area(a).PartsText() + kw::Token::Expand(e.Area(a).OwnText().Text());
                if (!kwref::LiteralRender(area, false).empty()) source += kw::ParagraphMark() + area;
            }
            kwref::LiteralJoinConjunctions(source, -1);
        }
        wxString text = kwref::LiteralRender(source, false);
        kwref::LiteralRespace(text);
        return text;
    }
    wxString FreshBehaviourText() {
        kw::BehaviourPage& b = behaviour();
        const wxString source = b.Manual() ? kw::Token::Expand(b.ManualText().Text())
                                           : catalogue().Text() + kw::Token::Expand(b.OwnText().Text());
        wxString text = kwref::LiteralRender(source, false);
        kwref::LiteralRespace(text);
        return text;
    }
};

TEST(LiteralSteps, RespaceMatchesOnCraftedAndRandomTexts) {
    std::vector<wxString> texts = {
        "", " ", "    ", "a", "ab.", " ab. ", "abcd", "a...b", "3,5", "a , b", "a  ,  b",
        "Jest miła,ale  pilna.", "Koniec.", "x!y?z;w:v", "  lead and trail  ", "a\t\tb,\nc",
        "(akapit) Jest. (akapit)Dba.", ",,,,", ". . .", "a.  ", "  .a", "?!", "ab?!"};
    std::mt19937 rng(7);
    const wxString alphabet = U("ab ąż,.!?;: \n");
    for (int i = 0; i < 5000; ++i) {
        wxString t;
        const int n = static_cast<int>(rng() % 40);
        for (int k = 0; k < n; ++k) t += alphabet[rng() % alphabet.length()];
        texts.push_back(t);
    }
    for (const wxString& t : texts) {
        wxString fast = t, literal = t;
        kw::Respace(fast);
        kwref::LiteralRespace(literal);
        ASSERT_EQ(fast, literal) << "'" << t.utf8_str().data() << "'";
    }
}

TEST_F(ComposedTexts, RenderingAndConjunctionsMatchTheLiteralStepsOnEveryCatalogue) {
    std::vector<wxString> texts = Phrases();
    std::mt19937 rng(11);
    for (int round = 0; round < 24; ++round) {
        TickAtRandom(rng, round * 4);
        for (const wxString& raw : RawTexts()) texts.push_back(raw);
    }
    // Marks at the very ends, no marks, stray closing characters, empty forms.
    for (const char* t : {"abc[2]", "[1]<y,a>{sz}", "", "WYŁĄCZ", "a/b,c>d}e]", "<,a>",
                          "<a/b,c/d>", "{}", "[0]"})
        texts.push_back(U(t));
    // A point mark without its end: the plain text is empty and the sticky flag stays clear (in
    // a caption, or in any other mark, it would be set for the rest of the run).
    const std::vector<wxString> unclosed = {U("[1"), U("abc["), U("a[1]b[2")};
    ASSERT_GT(texts.size(), 800u);
    for (int grade = 0; grade < 3; ++grade)
        for (bool boy : {false, true})
            for (int kind = 0; kind < 3; ++kind) {
                SetContext(grade, boy, kind);
                for (const wxString& t : unclosed)
                    ASSERT_EQ(kw::TheToken().Plain(t), kwref::LiteralRender(t, false));
                for (const wxString& t : texts) {
                    SCOPED_TRACE(t.utf8_str().data());
                    ASSERT_EQ(kw::TheToken().Plain(t), kwref::LiteralRender(t, false));
                    ASSERT_EQ(kw::TheToken().Label(t), kwref::LiteralRender(t, true));
                    wxString plain = kw::TheToken().Plain(t), literal = plain;
                    kw::Respace(plain);
                    kwref::LiteralRespace(literal);
                    ASSERT_EQ(plain, literal);
                    for (int mode : {-1, 1, 0}) {
                        wxString joined = t, literalJoined = t;
                        kw::JoinConjunctions(joined, mode);
                        kwref::LiteralJoinConjunctions(literalJoined, mode);
                        ASSERT_EQ(joined, literalJoined) << "mode " << mode;
                    }
                }
            }
    EXPECT_FALSE(kw::TheToken().Failed());
}

// Whatever changes, the printed texts are those that composing from scratch gives.
TEST_F(ComposedTexts, EveryChangeTheyDependOnIsSeen) {
    SetContext(1, true, 1);
    std::mt19937 rng(3);
    kw::BehaviourPage& b = behaviour();
    kw::EducationPage& e = editor().Education();
    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"phrases ticked", [&] { TickAtRandom(rng, 40); }},
        {"a behaviour phrase", [&] {
             kw::CtrCheckGroup& g = catalogue().Checks(11100);
             g.SetTicked(3, !g.IsTicked(3));
         }},
        {"the behaviour's own text", [&] { b.OwnText().SetText(U("Lubi rysować(+).")); }},
        {"an area's own text", [&] { e.Area(2).OwnText().SetText(U("Czyta dużo.")); }},
        {"the sex", [&] { core->PupilPage().Sex().Select(0); }},
        {"reading phrases whose points depend on the grade", [&] {
             const kw::Catalogue& reading = e.Area(2).Controls();
             reading.Radio(15103).Select(2);  // [1,-1,-2]sylabami
             reading.Radio(15104).Select(-1);
             reading.Radio(15105).Select(-1);
             reading.Radio(15106).Select(0);  // [2,1]ze zrozumieniem: ",ale " in grade 2
         }},
        {"the grade", [&] { core->ClassPage().ClassNumber().Select(0); }},  // now " i "
        {"the kind", [&] { core->AssessmentPage().Kind().Select(0); }},
        {"the letter", [&] { core->AssessmentPage().Kind().Select(2); }},
        {"manual behaviour", [&] { b.SwitchToManual(); }},
        {"the manual behaviour text", [&] { b.ManualText().SetText(U("Tekst ręczny,bez spacji.")); }},
        {"manual education", [&] { e.SwitchToManual(); }},
        {"the manual education text", [&] { e.ManualText().SetText(U("Czyta.(akapit)Pisze.")); }},
        {"automatic again", [&] {
             b.SwitchToAutomatic();
             e.SwitchToAutomatic();
         }},
        {"an area phrase", [&] { TickAtRandom(rng, 70); }},
        {"an assessment loaded", [&] {
             kw::SaveAssessmentRecords();
             AddAssessment(1, "2");
         }},
        {"the first one again", [&] { kw::SelectAssessment(assessment); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        const wxString behaviourBefore = b.BehaviourPrintText();
        const wxString educationBefore = e.EducationPrintText();
        c.change();
        EXPECT_EQ(b.BehaviourPrintText(), FreshBehaviourText());
        EXPECT_EQ(e.EducationPrintText(), FreshEducationText());
        EXPECT_TRUE(b.BehaviourPrintText() != behaviourBefore ||
                    e.EducationPrintText() != educationBefore)
            << "the change must show in a text";
    }
}

// Reading the texts again (the gauges, the checks, an export) composes nothing: the square
// marking of the preview stays where the teacher's click changed the text.
TEST_F(ComposedTexts, ReadingAgainKeepsTheMarkingOfTheLastChange) {
    SetContext(0, false, 0);
    kw::CtrCheckGroup& group = catalogue().Checks(11100);
    group.SetTicked(1, true);
    group.SetTicked(8, true);
    editor().UpdateSpace();
    const wxString before = behaviour().PreviewText();
    group.SetTicked(5, true);  // lands in the middle of the sentence
    editor().UpdateSpace();
    const std::pair<int, int> mark = kw::ChangeRange(before, behaviour().PreviewText());
    ASSERT_LT(mark.second + 1, static_cast<int>(behaviour().PreviewText().length()));
    EXPECT_EQ(behaviour().PreviewMark(), mark);
    kw::CurrentPrintTexts(editor());
    editor().UpdateSpace();
    EXPECT_EQ(behaviour().PreviewMark(), mark);

    // A click on another page leaves this page's texts and marking alone.
    kw::CtrRadioGroup* speaking = nullptr;
    for (kw::CtrBase* c : editor().Education().Area(0).Controls().PhraseControls())
        if (!speaking) speaking = dynamic_cast<kw::CtrRadioGroup*>(c);
    ASSERT_NE(speaking, nullptr);
    speaking->UserSelect(0);
    EXPECT_EQ(behaviour().PreviewMark(), mark);
}

}  // namespace
