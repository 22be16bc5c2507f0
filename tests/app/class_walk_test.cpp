// The walk over a class's assessments: what it visits, in which order, and that it leaves the
// program as it found it.

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "app/class_walk.h"
#include "app/utf8.h"
#include "controls/registry.h"
#include "support/core_fixture.h"
#include "support/program_snapshot.h"

namespace {

using kw::U;

using Visit = std::pair<int, int>;  // pupil and assessment index, file order

using Snapshot = kwtest::ProgramSnapshot;

class ClassWalk : public kwtest::CoreTest {
protected:
    // File order: Żurawska (register number 3) with certificates 1, 3, 3 and a periodic 2;
    // Nowak (1) with a letter; Ślązak (2) without assessments.
    void SetUp() override {
        CoreTest::SetUp();
        kw::Ocena* first = assessment;
        NameCurrentPupil("3", "Żurawska", false);
        behaviour().OwnText().SetText(U("Ocena A."));
        assessments = {first, AddOwn(0, "3", "Ocena B."), AddOwn(1, "2", "Ocena C."),
                       AddOwn(0, "3", "Ocena D.")};
        pupils.push_back(pupil);
        for (const auto& [number, surname] : {std::pair{"1", "Nowak"}, {"2", "Ślązak"}}) {
            kw::Uczen* p = klasa()->AddPupil();
            kw::SelectPupil(p);
            NameCurrentPupil(number, surname, true);
            pupils.push_back(p);
        }
        kw::SelectPupil(pupils[1]);
        AddOwn(2, "1", "Ocena E.");
        kw::SelectPupil(pupils[0]);
        kw::ReadPupilList();
        kw::SelectPupil(pupils[0]);
        kw::SelectAssessment(assessments[2]);
        // Edits not yet in the records: they must be seen by the walk and survive it.
        behaviour().OwnText().SetText(U("Na żywo."));
        catalogue().Radio(11104).Select(catalogue().Radio(11104).Count() - 1);  // "WYŁĄCZ"
        catalogue().Checks(11100).SetTicked(1, true);
        core->PupilPage().Sex().Select(1);
        core->AssessmentPage().Notes().SetText(U("notatka"));
        editor().UpdateSpace();
    }

    void NameCurrentPupil(const char* number, const char* surname, bool boy) {
        core->PupilPage().Text(212).SetText(U(number));
        core->PupilPage().Text(204).SetText(U(surname));
        core->PupilPage().Sex().Select(boy ? 1 : 0);
    }
    kw::Ocena* AddOwn(int kind, const char* number, const char* own) {
        kw::Ocena* a = AddAssessment(kind, number);
        behaviour().OwnText().SetText(U(own));
        return a;
    }

    Snapshot Take() { return kwtest::TakeSnapshot(*core); }

    // Walks and records each visit with the own text the controls then hold.
    std::vector<Visit> Walk(const kw::WalkPlan& plan, std::vector<wxString>* texts = nullptr) {
        std::vector<Visit> visits;
        kw::WalkClass(*core, plan, [&](const kw::WalkItem& item) {
            EXPECT_EQ(klasa()->CurrentPupil(), item.pupil);
            EXPECT_EQ(klasa()->CurrentAssessment(), item.assessment);
            visits.emplace_back(item.pupilIndex, item.assessmentIndex);
            if (texts) texts->push_back(behaviour().BehaviourPrintText());
            return true;
        });
        return visits;
    }

    std::vector<kw::Uczen*> pupils;
    std::vector<kw::Ocena*> assessments;
};

TEST_F(ClassWalk, VisitsWhatThePlanAsksInItsOrderAndLeavesEverythingAsItWas) {
    auto plan = [](std::vector<kw::Uczen*> order, kw::WalkPick pick, int kind, bool without) {
        kw::WalkPlan p;
        p.pupils = std::move(order);
        p.pick = pick;
        p.kind = kind;
        p.pupilsWithout = without;
        return p;
    };
    auto listed = [](std::vector<kw::Uczen*> order, std::vector<kw::Ocena*> chosen) {
        kw::WalkPlan p;
        p.pupils = std::move(order);
        p.pick = kw::WalkPick::Listed;
        p.assessments = std::move(chosen);
        return p;
    };
    const std::vector<kw::Uczen*> file;
    const std::vector<kw::Uczen*> registerOrder = core->PupilsByRegisterNumber();
    kw::Ocena* letter = pupils[1]->Assessment(0);
    ASSERT_EQ(registerOrder, (std::vector<kw::Uczen*>{pupils[1], pupils[2], pupils[0]}));
    const struct {
        const char* what;
        kw::WalkPlan plan;
        std::vector<Visit> visits;
    } cases[] = {
        {"every assessment in file order", plan(file, kw::WalkPick::Every, 0, false),
         {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}}},
        {"every assessment in register order", plan(registerOrder, kw::WalkPick::Every, 0, false),
         {{1, 0}, {0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {"pupils without assessments too", plan(registerOrder, kw::WalkPick::Every, 0, true),
         {{1, 0}, {2, -1}, {0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {"the newest certificate: the first of the two numbered 3",
         plan(registerOrder, kw::WalkPick::NewestOfKind, 0, true), {{1, -1}, {2, -1}, {0, 1}}},
        {"the newest periodic assessment is the current one",
         plan(file, kw::WalkPick::NewestOfKind, 1, false), {{0, 2}}},
        {"letters", plan(file, kw::WalkPick::NewestOfKind, 2, false), {{1, 0}}},
        {"one pupil", plan({pupils[1]}, kw::WalkPick::Every, 0, false), {{1, 0}}},
        {"listed assessments in the list's order",
         listed({pupils[0]}, {assessments[3], assessments[2], assessments[0]}),
         {{0, 3}, {0, 2}, {0, 0}}},
        {"listed assessments of the plan's pupils only",
         listed({pupils[0]}, {letter, assessments[1]}), {{0, 1}}},
        {"listed assessments pupil by pupil", listed(registerOrder, {assessments[1], letter}),
         {{1, 0}, {0, 1}}},
    };
    for (bool modified : {false, true}) {
        if (modified) kw::SetModified();
        else kw::ClearModified();
        const Snapshot before = Take();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            EXPECT_EQ(Walk(c.plan), c.visits);
            EXPECT_TRUE(Take() == before) << "the walk must leave everything as it was";
        }
    }
}

TEST_F(ClassWalk, EachAssessmentIsSeenAsItIsAndTheCurrentOneWithItsUnsavedEdits) {
    std::vector<wxString> texts;
    ASSERT_EQ(Walk(kw::WalkPlan{}, &texts).size(), 5u);
    EXPECT_EQ(texts[0], U("Ocena A."));
    EXPECT_EQ(texts[1], U("Ocena B."));
    EXPECT_EQ(texts[2], U("(akapit) Jest pracowity. Na żywo."));  // the live sex, tick and text
    EXPECT_EQ(texts[3], U("Ocena D."));
    EXPECT_EQ(texts[4], U("Ocena E."));
    EXPECT_EQ(behaviour().BehaviourPrintText(), U("(akapit) Jest pracowity. Na żywo."));
}

TEST_F(ClassWalk, StopsWhenTheVisitOrTheProgressSaysSoAndStillPutsEverythingBack) {
    kw::SetModified();
    const Snapshot before = Take();
    int visits = 0;
    std::vector<std::pair<int, int>> progress;
    EXPECT_EQ(kw::WalkClass(*core, kw::WalkPlan{}, [&](const kw::WalkItem&) { return ++visits < 2; }),
              kw::WalkEnd::Stopped);
    EXPECT_EQ(visits, 2);
    EXPECT_TRUE(Take() == before);

    visits = 0;
    EXPECT_EQ(kw::WalkClass(
                  *core, kw::WalkPlan{}, [&](const kw::WalkItem&) { return ++visits > 0; },
                  [&](int done, int total) {
                      progress.emplace_back(done, total);
                      return done < 3;
                  }),
              kw::WalkEnd::Stopped);
    EXPECT_EQ(visits, 3);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}, {3, 5}}));
    EXPECT_TRUE(Take() == before);

    progress.clear();
    EXPECT_EQ(kw::WalkClass(
                  *core, kw::WalkPlan{}, [](const kw::WalkItem&) { return true; },
                  [&](int done, int total) {
                      progress.emplace_back(done, total);
                      return true;
                  }),
              kw::WalkEnd::Finished);
    EXPECT_EQ(progress.size(), 6u);
    EXPECT_EQ(progress.back(), std::make_pair(5, 5));

    EXPECT_THROW(kw::WalkClass(*core, kw::WalkPlan{},
                               [](const kw::WalkItem& item) -> bool {
                                   if (item.pupilIndex == 1) throw std::runtime_error("disk full");
                                   return true;
                               }),
                 std::runtime_error);
    EXPECT_TRUE(Take() == before);
}

TEST_F(ClassWalk, WithoutAClassThereIsNothingToVisit) {
    core->CloseClass();
    int visits = 0;
    EXPECT_EQ(kw::WalkClass(*core, kw::WalkPlan{}, [&](const kw::WalkItem&) { return ++visits > 0; }),
              kw::WalkEnd::Finished);
    EXPECT_EQ(visits, 0);
}

}  // namespace
