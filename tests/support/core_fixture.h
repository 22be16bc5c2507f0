#pragma once
// A running core with an open class, one pupil and one assessment current, scripted messages and
// a clock the test sets.

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"
#include "support/test_support.h"

namespace kwtest {

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        kw::State().clock = [this] { return now; };
        core = std::make_unique<kw::Core>();
        core->NewClass();
        pupil = klasa()->AddPupil();
        kw::SelectPupil(pupil);
        assessment = AddAssessment(0, "1");
        kw::ClearModified();
    }
    void TearDown() override {
        core.reset();
        kw::State().clock = nullptr;
    }

    kw::Klasa* klasa() { return kw::OpenClass(); }
    kw::EditorModel& editor() { return core->Editor(); }
    kw::BehaviourPage& behaviour() { return core->Editor().Behaviour(); }
    kw::BehaviourCatalogue& catalogue() { return behaviour().Catalogue(); }

    // A new assessment of the current pupil, made current, with its kind and number.
    kw::Ocena* AddAssessment(int kind, const char* number) {
        kw::Ocena* a = kw::OpenClass()->CurrentPupil()->AddAssessment();
        kw::SelectAssessment(a);
        kw::ClearAssessmentControls(true);
        core->AssessmentPage().Kind().Select(kind);
        core->AssessmentPage().Number().SetText(number);
        return a;
    }
    void SetContext(int grade, bool boy, int kind) {
        core->ClassPage().ClassNumber().Select(grade);
        core->PupilPage().Sex().Select(boy ? 1 : 0);
        core->AssessmentPage().Kind().Select(kind);
    }

    ScriptedMessages messages;
    long now = 1000000;
    std::unique_ptr<kw::Core> core;
    kw::Uczen* pupil = nullptr;
    kw::Ocena* assessment = nullptr;
};

}  // namespace kwtest
