#include "bench/full_assessment.h"

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"

namespace kwbench {
namespace {

void Tick(kw::CtrBase* c) {
    if (auto* r = dynamic_cast<kw::CtrRadioGroup*>(c)) r->Select(0);
    if (auto* g = dynamic_cast<kw::CtrCheckGroup*>(c)) g->SetBits(-1);
    if (auto* h = dynamic_cast<kw::CtrChoice*>(c)) h->Select(1);
    // Two mathematics boxes switch the others off.
    if (auto* k = dynamic_cast<kw::CtrCheck*>(c)) k->SetOn(c->Id() != 17101 && c->Id() != 17107);
}

}  // namespace

void TickEverything(kw::Core& core, int kind) {
    core.NewClass();
    kw::Uczen* p = kw::OpenClass()->AddPupil();
    kw::SelectPupil(p);
    kw::SelectAssessment(p->AddAssessment());
    kw::ClearAssessmentControls(true);
    core.ClassPage().ClassNumber().Select(1);
    core.PupilPage().Sex().Select(0);
    core.AssessmentPage().Kind().Select(kind);
    for (kw::CtrBase* c : core.Editor().Behaviour().Catalogue().PhraseControls()) Tick(c);
    kw::EducationPage& education = core.Editor().Education();
    for (int a = 0; a < kw::kAreaCount; ++a)
        for (kw::CtrBase* c : education.Area(a).Controls().PhraseControls()) Tick(c);
}

}  // namespace kwbench
