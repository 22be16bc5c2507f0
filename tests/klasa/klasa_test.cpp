#include <gtest/gtest.h>

#include "klasa/klasa.h"
#include "support/test_support.h"

namespace {

TEST(Klasa, NewEntitiesStartEmpty) {
    kw::Klasa klasa;
    EXPECT_TRUE(klasa.Ok());
    EXPECT_EQ(klasa.PupilCount(), 0);
    EXPECT_EQ(klasa.CurrentPupil(), nullptr);
    EXPECT_EQ(klasa.CurrentAssessment(), nullptr);
    kw::Uczen* p = klasa.AddPupil();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->RegisterNumber(), "???");
    EXPECT_EQ(p->Surname(), "???");
    kw::Ocena* a = p->AddAssessment();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Number(), "???");
    EXPECT_EQ(a->Name(), "???");
    EXPECT_EQ(a->Kind(), "");
}

TEST(Klasa, TakesNinetyNinePupilsAndAssessmentsAndRefusesTheHundredth) {
    kw::Klasa klasa;
    for (int i = 0; i < kw::kMaxPupils; ++i) ASSERT_NE(klasa.AddPupil(), nullptr) << i;
    kw::Uczen* last = klasa.Pupil(98);
    for (int i = 0; i < kw::kMaxAssessments; ++i) ASSERT_NE(last->AddAssessment(), nullptr) << i;

    kwtest::AssertRecorder asserts;
    EXPECT_EQ(klasa.AddPupil(), nullptr);
    EXPECT_EQ(last->AddAssessment(), nullptr);
    EXPECT_EQ(asserts.Count(), 2u);
    EXPECT_EQ(klasa.PupilCount(), 99);
    EXPECT_EQ(last->AssessmentCount(), 99);
}

TEST(Klasa, RemovingMovesTheLastIntoTheFreedSlot) {
    kw::Klasa klasa;
    kw::Uczen* a = klasa.AddPupil();
    kw::Uczen* b = klasa.AddPupil();
    kw::Uczen* c = klasa.AddPupil();
    klasa.RemovePupil(a);
    ASSERT_EQ(klasa.PupilCount(), 2);
    EXPECT_EQ(klasa.Pupil(0), c);
    EXPECT_EQ(klasa.Pupil(1), b);
    klasa.RemovePupil(b);  // the last one: nothing moves
    ASSERT_EQ(klasa.PupilCount(), 1);
    EXPECT_EQ(klasa.Pupil(0), c);

    kw::Ocena* x = c->AddAssessment();
    kw::Ocena* y = c->AddAssessment();
    kw::Ocena* z = c->AddAssessment();
    c->RemoveAssessment(y);
    ASSERT_EQ(c->AssessmentCount(), 2);
    EXPECT_EQ(c->Assessment(0), x);
    EXPECT_EQ(c->Assessment(1), z);
}

TEST(Klasa, RemovingTheCurrentPupilLeavesNoCurrentEntity) {
    kw::Klasa klasa;
    kw::Uczen* a = klasa.AddPupil();
    kw::Uczen* b = klasa.AddPupil();
    kw::Ocena* o = a->AddAssessment();
    klasa.SetCurrentPupil(a);
    klasa.SetCurrentAssessment(o);
    klasa.RemovePupil(b);
    EXPECT_EQ(klasa.CurrentPupil(), a);
    EXPECT_EQ(klasa.CurrentAssessment(), o);
    klasa.RemovePupil(a);
    EXPECT_EQ(klasa.CurrentPupil(), nullptr);
    EXPECT_EQ(klasa.CurrentAssessment(), nullptr);
    EXPECT_EQ(klasa.PupilCount(), 0);
}

TEST(Klasa, ClearDeletesEverythingBelowAndTheCurrentPointers) {
    kw::Klasa klasa;
    klasa.Add_num(101, 0, 3);
    klasa.Add_txt(103, 0, "7");
    kw::Uczen* p = klasa.AddPupil();
    p->AddAssessment();
    klasa.SetCurrentPupil(p);
    klasa.Clear();
    EXPECT_TRUE(klasa.Ok());
    EXPECT_EQ(klasa.PupilCount(), 0);
    EXPECT_EQ(klasa.NumList().Size(), 0u);
    EXPECT_EQ(klasa.TxtList().Size(), 0u);
    EXPECT_EQ(klasa.CurrentPupil(), nullptr);
}

TEST(Klasa, WrongIndexOrForeignEntityIsAnInternalFailure) {
    kw::Klasa klasa;
    kw::Uczen* p = klasa.AddPupil();
    kw::Uczen stranger;
    kw::Ocena foreign;
    kwtest::AssertRecorder asserts;
    EXPECT_EQ(klasa.Pupil(1), nullptr);
    EXPECT_EQ(klasa.Pupil(-1), nullptr);
    EXPECT_EQ(p->Assessment(0), nullptr);
    klasa.RemovePupil(&stranger);
    klasa.RemovePupil(nullptr);
    p->RemoveAssessment(&foreign);
    EXPECT_EQ(asserts.Count(), 6u);
    EXPECT_EQ(klasa.PupilCount(), 1);
}

TEST(Klasa, AfterAFailedReadEveryOperationReportsTheWrongRead) {
    kwtest::TempDir dir;
    kwtest::WriteBytes(dir.File("bad.kwer"),
                       kwtest::ClassFileBytes(kwtest::Body().Int(12).bytes));  // list cut short
    kw::Klasa klasa;
    kwtest::AssertRecorder asserts;
    EXPECT_FALSE(klasa.Read(dir.File("bad.kwer")));
    EXPECT_FALSE(klasa.Ok());
    EXPECT_EQ(asserts.Count(), 0u);
    EXPECT_EQ(klasa.AddPupil(), nullptr);
    EXPECT_FALSE(klasa.Save(dir.File("x.kwer")));
    ASSERT_EQ(asserts.Count(), 2u);
    for (const auto& r : asserts.Records()) {
        EXPECT_EQ(r.module, "klasa");
        EXPECT_EQ(r.message, "Klasa::Ok() = false -> wrong read !");
    }
}

}  // namespace
