#include "app/core.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "app/entity_walks.h"
#include "controls/token.h"
#include "klasa/klasa.h"

namespace kw {
namespace {
Core* g_core = nullptr;

}  // namespace

Core* TheCore() { return g_core; }

Core::Core() {
    KW_ASSERT(!g_core, "app");
    g_core = this;
    SetRegistry(&registry_);
    print_ = std::make_unique<PrintOptions>();
    checks_ = std::make_unique<PrePrintChecks>(*this);
    editor_ = std::make_unique<EditorModel>();
    // The checks measure printed text: they run once the front end has installed its metrics.
    editor_->SetSpaceCheck([this](bool shown) {
        Klasa* klasa = OpenClass();
        if (!InstalledTextMetrics() || !klasa || !klasa->CurrentAssessment()) return false;
        checks_->AssessmentCheck(assessmentFields_->Kind().Selection(),
                                 CheckFlags{shown, shown, false});
        return true;
    });
    WizardHandlers handlers;
    handlers.contextChanged = [this] { editor_->ContextChanged(); };
    handlers.quietCheck = [this] {
        if (InstalledTextMetrics() && OpenClass()) checks_->FrontCheck(CheckFlags{});
    };
    wizardPanel_ = std::make_unique<CtrPanel>(1, 0, Rect{});
    {
        ParentScope inPanel(*wizardPanel_);
        wizardNotebook_ = std::make_unique<CtrNotebook>(2, 0, Rect{0, 32, 794, 449});
        ParentScope inNotebook(*wizardNotebook_);
        classFields_ = std::make_unique<ClassFields>(handlers);
        wizardNotebook_->AddPage(&classFields_->Page(), "Klasa");
        pupilFields_ = std::make_unique<PupilFields>(handlers);
        wizardNotebook_->AddPage(&pupilFields_->Page(), "Uczniowie");
        assessmentFields_ = std::make_unique<AssessmentFields>(handlers);
        wizardNotebook_->AddPage(&assessmentFields_->Page(), "Oceny");
    }

    TheToken().SetContextSource([this] {
        TokenContext ctx;
        Klasa* klasa = OpenClass();
        if (!klasa) return ctx;
        ctx.grade = classFields_->ClassNumber().Selection();
        if (klasa->CurrentPupil()) ctx.male = pupilFields_->Sex().Selection() != 0;
        if (klasa->CurrentAssessment()) ctx.kind = assessmentFields_->Kind().Selection();
        return ctx;
    });
    ResetClassFields();
    ResetPupilFields();
}

Core::~Core() {
    TheToken().SetContextSource({});
    State().klasa.reset();
    State().modified = false;
    State().loading = 0;
    SetRegistry(nullptr);
    g_core = nullptr;
}

void Core::ResetClassFields() {
    LoadingGuard loading;
    for (CtrBase* c : registry_.All())
        if ((c->Flags() & kLevelMask) == kLevelClass && c->Has(kStored)) c->Clear();
    classFields_->ClassNumber().Select(0);
}

void Core::ResetPupilFields() {
    LoadingGuard loading;
    for (CtrBase* c : registry_.All())
        if ((c->Flags() & kLevelMask) == kLevelPupil && c->Has(kStored)) c->Clear();
    pupilFields_->Sex().Select(0);
    pupilFields_->Promotion().Select(0);
}

void Core::NewClass() {
    CloseClass();
    State().klasa = std::make_unique<Klasa>();
    SetModified();
}

void Core::CloseClass() {
    {
        LoadingGuard loading;
        State().klasa.reset();
        ResetClassFields();
        ResetPupilFields();
        ClearAssessmentControls(true);
        assessmentFields_->Kind().Select(0);
    }
    ClearModified();
}

std::vector<Uczen*> Core::PupilsByRegisterNumber() const {
    std::vector<Uczen*> out;
    Klasa* klasa = OpenClass();
    if (!klasa) return out;
    for (int i = 0; i < klasa->PupilCount(); ++i) out.push_back(klasa->Pupil(i));
    std::stable_sort(out.begin(), out.end(), [](const Uczen* a, const Uczen* b) {
        return LeadingNumber(a->RegisterNumber()) < LeadingNumber(b->RegisterNumber());
    });
    return out;
}

bool Core::ReadClass(const wxString& path) {
    CloseClass();
    State().klasa = std::make_unique<Klasa>();
    if (!OpenClass()->Read(path)) {
        CloseClass();
        return false;
    }
    {
        LoadingGuard loading;
        LoadClassRecords();
        ReadPupilList();
        const std::vector<Uczen*> pupils = PupilsByRegisterNumber();
        if (!pupils.empty()) SelectPupil(pupils.front());
    }
    ClearModified();
    return true;
}

bool Core::SaveClass(const wxString& path) {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "app");
    if (!klasa) return false;
    SaveClassRecords();
    if (!klasa->Save(path)) return false;
    ClearModified();
    return true;
}

}  // namespace kw
