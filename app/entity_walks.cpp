#include "app/entity_walks.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "controls/phrase_controls.h"
#include "controls/registry.h"
#include "controls/value_controls.h"
#include "klasa/klasa.h"

namespace kw {
namespace {

// The holders and fields the walks copy between.
enum : int {
    kPupilNumberHolder = 201,
    kPupilSurnameHolder = 202,
    kPupilSurname = 204,
    kPupilNumber = 212,
    kAssessmentNumberHolder = 301,
    kAssessmentKindHolder = 302,
    kAssessmentNameHolder = 303,
    kAssessmentNumber = 304,
    kAssessmentKind = 305,
    kAssessmentName = 306,
};

template <class T>
T* Control(int id) {
    T* c = dynamic_cast<T*>(TheRegistry().Find(id));
    KW_ASSERT_MSG(c, "controls", "a control the walks need is not registered");
    return c;
}

bool Stored(const CtrBase* c, uint32_t level) {
    return (c->Flags() & kLevelMask) == level && c->Has(kStored);
}

void SaveLevel(uint32_t level, bool early) {
    for (CtrBase* c : TheRegistry().All()) {
        if ((c->Flags() & kLevelMask) != level || c->Has(kEarly) != early) continue;
        if (c->Has(kStored)) c->Save();
        if (level == kLevelAssessment && c->Has(kScored)) c->SaveScore();
    }
}

void LoadLevel(uint32_t level, bool early) {
    for (CtrBase* c : TheRegistry().All())
        if (Stored(c, level) && c->Has(kEarly) == early) c->Load();
}


}  // namespace

void SaveClassRecords() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "controls");
    if (!klasa) return;
    LoadingGuard loading;
    klasa->NumList().Clear();
    klasa->TxtList().Clear();
    for (CtrBase* c : TheRegistry().All()) {
        if (Stored(c, kLevelClass)) c->Save();
        if (c->Has(kList)) c->SaveList();
    }
    if (klasa->CurrentPupil()) SavePupilRecords();
    if (klasa->CurrentAssessment()) SaveAssessmentRecords();
}

void LoadClassRecords() {
    KW_ASSERT(OpenClass(), "controls");
    if (!OpenClass()) return;
    LoadingGuard loading;
    for (CtrBase* c : TheRegistry().All()) {
        if (Stored(c, kLevelClass)) c->Load();
        if (c->Has(kList)) c->LoadList();
    }
}

void SavePupilRecords() {
    Klasa* klasa = OpenClass();
    Uczen* pupil = klasa ? klasa->CurrentPupil() : nullptr;
    KW_ASSERT(pupil, "controls");
    if (!pupil) return;
    LoadingGuard loading;
    Control<CtrString>(kPupilNumberHolder)->SetText(Control<CtrText>(kPupilNumber)->Text());
    Control<CtrString>(kPupilSurnameHolder)->SetText(Control<CtrText>(kPupilSurname)->Text());
    pupil->NumList().Clear();
    pupil->TxtList().Clear();
    SaveLevel(kLevelPupil, true);
    SaveLevel(kLevelPupil, false);
}

void LoadPupilEarly() {
    Klasa* klasa = OpenClass();
    Uczen* pupil = klasa ? klasa->CurrentPupil() : nullptr;
    KW_ASSERT(pupil, "controls");
    if (!pupil) return;
    LoadingGuard loading;
    LoadLevel(kLevelPupil, true);
    pupil->SetRegisterNumber(Control<CtrString>(kPupilNumberHolder)->Text());
    pupil->SetSurname(Control<CtrString>(kPupilSurnameHolder)->Text());
}

void LoadPupilRecords() {
    if (!OpenClass() || !OpenClass()->CurrentPupil()) {
        KW_FAIL("controls", "no current pupil");
        return;
    }
    LoadingGuard loading;
    LoadPupilEarly();
    LoadLevel(kLevelPupil, false);
    Control<CtrText>(kPupilNumber)->SetText(Control<CtrString>(kPupilNumberHolder)->Text());
    Control<CtrText>(kPupilSurname)->SetText(Control<CtrString>(kPupilSurnameHolder)->Text());
}

void SaveAssessmentRecords() {
    Klasa* klasa = OpenClass();
    Ocena* assessment = klasa ? klasa->CurrentAssessment() : nullptr;
    KW_ASSERT(assessment && klasa->CurrentPupil(), "controls");
    if (!assessment) return;
    LoadingGuard loading;
    Control<CtrString>(kAssessmentNumberHolder)
        ->SetText(Control<CtrText>(kAssessmentNumber)->Text());
    Control<CtrString>(kAssessmentKindHolder)
        ->SetText(Control<CtrChoice>(kAssessmentKind)->SelectedCaption());
    Control<CtrString>(kAssessmentNameHolder)->SetText(Control<CtrText>(kAssessmentName)->Text());
    assessment->Clear();
    SaveLevel(kLevelAssessment, true);
    SaveLevel(kLevelAssessment, false);
}

void LoadAssessmentEarly() {
    Klasa* klasa = OpenClass();
    Ocena* assessment = klasa ? klasa->CurrentAssessment() : nullptr;
    KW_ASSERT(assessment, "controls");
    if (!assessment) return;
    LoadingGuard loading;
    LoadLevel(kLevelAssessment, true);
    assessment->SetNumber(Control<CtrString>(kAssessmentNumberHolder)->Text());
    assessment->SetKind(Control<CtrString>(kAssessmentKindHolder)->Text());
    assessment->SetName(Control<CtrString>(kAssessmentNameHolder)->Text());
}

void LoadAssessmentRecords() {
    if (!OpenClass() || !OpenClass()->CurrentAssessment()) {
        KW_FAIL("controls", "no current assessment");
        return;
    }
    LoadingGuard loading;
    LoadAssessmentEarly();
    LoadLevel(kLevelAssessment, false);
    Control<CtrText>(kAssessmentNumber)
        ->SetText(Control<CtrString>(kAssessmentNumberHolder)->Text());
    const wxString kind = Control<CtrString>(kAssessmentKindHolder)->Text();
    if (!kind.empty()) Control<CtrChoice>(kAssessmentKind)->SelectByCaption(kind);
    Control<CtrText>(kAssessmentName)->SetText(Control<CtrString>(kAssessmentNameHolder)->Text());
}

long LeadingNumber(const wxString& text) {
    long v = 0;
    size_t i = 0;
    while (i < text.length() && text[i] == ' ') ++i;
    while (i < text.length() && text[i] >= '0' && text[i] <= '9' && v < 100000000L)
        v = v * 10 + (text[i++].GetValue() - '0');
    return v;
}

std::vector<Ocena*> AssessmentsNewestFirst(const Uczen& pupil) {
    std::vector<Ocena*> out;
    for (int i = 0; i < pupil.AssessmentCount(); ++i) out.push_back(pupil.Assessment(i));
    std::stable_sort(out.begin(), out.end(), [](const Ocena* a, const Ocena* b) {
        return LeadingNumber(a->Number()) > LeadingNumber(b->Number());
    });
    return out;
}

wxString StoredAssessmentNumber(const Ocena& assessment) {
    wxString number;
    assessment.Get_txt(kAssessmentNumberHolder, 0, number);
    return number;
}

int StoredAssessmentKind(const Ocena& assessment) {
    // As loading does: the kind text of the holder when it names a kind, else the stored choice.
    wxString text;
    assessment.Get_txt(kAssessmentKindHolder, 0, text);
    const std::vector<wxString>& kinds = words::AssessmentKinds();
    for (size_t i = 0; i < kinds.size() && !text.empty(); ++i)
        if (kinds[i] == text) return static_cast<int>(i);
    int32_t chosen = -1;
    if (!assessment.Get_num(kAssessmentKind, 0, chosen)) return -1;
    return chosen >= 0 && chosen < static_cast<int32_t>(kinds.size()) ? chosen : -1;
}

void ClearAssessmentControls(bool enable) {
    LoadingGuard loading;
    for (CtrBase* c : TheRegistry().All()) {
        if ((c->Flags() & kLevelMask) != kLevelAssessment) continue;
        if (c->Has(kStored)) c->Clear();
        c->Enable(enable);
    }
}

void SelectPupil(Uczen* pupil) {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa && pupil, "controls");
    if (!klasa || !pupil) return;
    LoadingGuard loading;
    if (klasa->CurrentPupil()) {
        SavePupilRecords();
        if (klasa->CurrentAssessment()) SaveAssessmentRecords();
    }
    klasa->SetCurrentPupil(pupil);
    klasa->SetCurrentAssessment(nullptr);
    LoadPupilRecords();
    ReadAssessmentList(pupil);
    const std::vector<Ocena*> order = AssessmentsNewestFirst(*pupil);
    if (order.empty()) {
        ClearAssessmentControls(false);
        return;
    }
    ClearAssessmentControls(true);
    klasa->SetCurrentAssessment(order.front());
    LoadAssessmentRecords();
}

void SelectAssessment(Ocena* assessment) {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa && assessment && klasa->CurrentPupil(), "controls");
    if (!klasa || !assessment) return;
    LoadingGuard loading;
    if (klasa->CurrentAssessment()) SaveAssessmentRecords();
    klasa->SetCurrentAssessment(assessment);
    LoadAssessmentRecords();
}

void ReadPupilList() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "controls");
    if (!klasa) return;
    LoadingGuard loading;
    for (int i = 0; i < klasa->PupilCount(); ++i) {
        klasa->SetCurrentPupil(klasa->Pupil(i));
        LoadPupilEarly();
    }
    klasa->SetCurrentPupil(nullptr);
    klasa->SetCurrentAssessment(nullptr);
}

void ReadAssessmentList(Uczen* pupil) {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa && pupil, "controls");
    if (!klasa || !pupil) return;
    LoadingGuard loading;
    for (int i = 0; i < pupil->AssessmentCount(); ++i) {
        klasa->SetCurrentAssessment(pupil->Assessment(i));
        LoadAssessmentEarly();
    }
    klasa->SetCurrentAssessment(nullptr);
}

}  // namespace kw
