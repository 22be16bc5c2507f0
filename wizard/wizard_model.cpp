#include "wizard/wizard_model.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "app/app_state.h"
#include "app/assertion.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "app/error_report.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/utf8.h"
#include "controls/registry.h"
#include "klasa/klasa.h"

namespace kw {
namespace {

constexpr size_t kMaxClassName = 30;

void Warn(const char* text) {
    TheMessages().Show(U(text), U("Ostrzeżenie"), Buttons::Ok, Icon::Warning);
}

// The questions before deleting something default to No.
Answer Ask(const wxString& caption, const char* text) {
    return TheMessages().Show(U(text), caption, Buttons::YesNoCancelNoDefault, Icon::Question);
}

}  // namespace

WizardModel::WizardModel(Core& core, WizardDialogs& dialogs) : core_(core), dialogs_(dialogs) {
    PupilFields& pupil = core_.PupilPage();
    pupil.Text(212).SetCallback([this] { PupilListRefresh(); });
    pupil.Text(204).SetCallback([this] { PupilListRefresh(); });
    AssessmentFields& assessment = core_.AssessmentPage();
    assessment.Number().SetCallback([this] { AssessmentRefresh(); });
    assessment.Name().SetCallback([this] { AssessmentRefresh(); });
    assessment.Kind().SetCallback([this] {
        AssessmentRefresh();
        core_.Editor().ContextChanged();
    });
    Changed();
}

wxString WizardModel::ClassesFolder() {
    const wxString folder =
        wxStandardPaths::Get().GetDocumentsDir() + wxFILE_SEP_PATH + "Kwerlo" + wxFILE_SEP_PATH + "klasy";
    if (!wxFileName::DirExists(folder)) wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    return folder;
}

void WizardModel::Changed() {
    const bool classOpen = OpenClass() != nullptr;
    const bool pupil = PupilFieldsEnabled();
    const bool assessment = AssessmentFieldsEnabled();
    // Runs after every edit that refreshes a list: touch only the controls whose state changes.
    for (CtrBase* c : core_.Registry().All()) {
        bool enable;
        switch (c->Flags() & kLevelMask) {
            case kLevelClass: enable = classOpen; break;
            case kLevelPupil: enable = pupil; break;
            case kLevelAssessment: enable = assessment; break;
            default: continue;
        }
        if (c->Enabled() != enable) c->Enable(enable);
    }
    if (changed_) changed_();
}

bool WizardModel::ClassFieldsEnabled() const { return OpenClass() != nullptr; }
bool WizardModel::PupilFieldsEnabled() const { return OpenClass() && OpenClass()->CurrentPupil(); }
bool WizardModel::AssessmentFieldsEnabled() const {
    return PupilFieldsEnabled() && OpenClass()->CurrentAssessment();
}

// ---- class page

bool WizardModel::AskToSave(const wxString& caption, const wxString& text) {
    if (!IsModified()) return true;
    const Answer a = TheMessages().Show(text, caption, Buttons::YesNoCancel, Icon::Question);
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes) return SaveFlow();
    return true;
}

wxString WizardModel::DialogFolder() const {
    return classFile_.empty() ? ClassesFolder() : wxFileName(classFile_).GetPath();
}

void WizardModel::CloseClass() {
    core_.CloseClass();
    className_.clear();
    classFile_.clear();
    pupilRows_.clear();
    assessmentRows_.clear();
}

void WizardModel::NewClass() {
    if (OpenClass()) {
        if (!AskToSave(U("Nowa klasa"),
                       U("Po stworzeniu nowej klasy wszystkie informacje aktualnej klasy zostaną "
                         "utracone jeśli ich się nie zapisze.\n\nCzy zapisac infomację aktualnej "
                         "klasy ?")))
            return;
        CloseClass();
        Changed();  // the windows show no class while the name is asked for
    }
    wxString name;
    if (dialogs_.AskClassName(name)) {
        core_.NewClass();
        className_ = name;
    }
    Changed();
}

void WizardModel::ReadClass() {
    wxString folder = ClassesFolder();
    if (OpenClass()) {
        if (!AskToSave(U("Odczyt klasy"),
                       U("Po odczytaniu klasy wszystkie informacje aktualnej klasy zostaną "
                         "utracone jeśli ich się wcześniej nie zapisze.\n\nCzy ZAPISAĆ infomację "
                         "aktualnej klasy ?")))
            return;
        // The class that was open shows where the teacher keeps her classes.
        folder = DialogFolder();
        CloseClass();
        Changed();
    }
    wxString path;
    while (dialogs_.AskOpenPath(folder, path)) {
        if (wxFileName(path).GetName().length() <= kMaxClassName) {
            OpenClassFile(path);
            return;
        }
        Warn("Nazwa klasy jest za długa - maximum 30 znaków.\nNależy zmienić jej nazwę za krótszą.");
    }
}

bool WizardModel::OpenClassFile(const wxString& path) {
    LoadingGuard loading;
    CloseClass();
    // Reading fills the pupils' cached texts and makes the first of them current.
    const bool ok = core_.ReadClass(path);
    if (ok) {
        className_ = wxFileName(path).GetName();
        classFile_ = path;
        pupilRows_ = core_.PupilsByRegisterNumber();
        if (Uczen* pupil = OpenClass()->CurrentPupil()) assessmentRows_ = AssessmentsNewestFirst(*pupil);
    }
    ClearModified();
    Changed();
    return ok;
}

bool WizardModel::SaveFlow() {
    if (!OpenClass()) {
        Warn("Brak klasy. Odczytaj lub utwórz nową klasę");
        return false;
    }
    if (!dialogs_.AskSaveIntro(ClassesFolder())) return false;
    LoadingGuard loading;
    wxString path;
    while (dialogs_.AskSavePath(DialogFolder(), className_ + ".kwer", path)) {
        wxFileName file(path);
        if (!file.HasExt()) file.SetExt("kwer");
        if (file.GetName().length() > kMaxClassName) {
            Warn("Nazwa klasy jest za długa - maksimum 30 znaków");
            continue;
        }
        if (!core_.SaveClass(file.GetFullPath())) {
            // The old file is still whole; the class stays unsaved, under its old name.
            ErrorReport::Report(kCannotWrite, file.GetFullPath());
            Changed();
            return false;
        }
        // Saving under another name renames the class.
        className_ = file.GetName();
        classFile_ = file.GetFullPath();
        Changed();
        return true;
    }
    return false;
}

// ---- pupils page

void WizardModel::RefillPupilList() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "wizard");
    pupilRows_.clear();
    assessmentRows_.clear();
    if (!klasa) return;
    ReadPupilList();  // fills the cached texts; no pupil is current afterwards
    pupilRows_ = core_.PupilsByRegisterNumber();
    core_.ResetPupilFields();
    ClearAssessmentControls(false);
}

void WizardModel::RefillAssessmentList() {
    Klasa* klasa = OpenClass();
    assessmentRows_.clear();
    if (!klasa || !klasa->CurrentPupil()) return;
    ReadAssessmentList(klasa->CurrentPupil());
    assessmentRows_ = AssessmentsNewestFirst(*klasa->CurrentPupil());
}

void WizardModel::SelectPupilRow(int row) {
    if (row < 0 || row >= static_cast<int>(pupilRows_.size())) return;
    LoadingGuard loading;
    // The walk reads the pupil's assessment list and makes the newest one current.
    Uczen* pupil = pupilRows_[static_cast<size_t>(row)];
    kw::SelectPupil(pupil);
    assessmentRows_ = AssessmentsNewestFirst(*pupil);
    Changed();
}

void WizardModel::SelectPupil(Uczen* pupil) {
    for (size_t i = 0; i < pupilRows_.size(); ++i)
        if (pupilRows_[i] == pupil) return SelectPupilRow(static_cast<int>(i));
    KW_FAIL("wizard", "the pupil is not in the list");
}

void WizardModel::PupilListRefresh() {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentPupil()) {
        Changed();
        return;
    }
    LoadingGuard loading;
    Uczen* pupil = klasa->CurrentPupil();
    SavePupilRecords();
    if (klasa->CurrentAssessment()) SaveAssessmentRecords();
    RefillPupilList();
    SelectPupil(pupil);
}

void WizardModel::NewPupil() {
    Klasa* klasa = OpenClass();
    if (!klasa) return;
    if (klasa->PupilCount() >= kMaxPupils) {
        Warn("Przekroczony limit maksymalnej ilości uczniów w klasie");
        return;
    }
    LoadingGuard loading;
    if (klasa->CurrentPupil()) {
        SavePupilRecords();
        if (klasa->CurrentAssessment()) SaveAssessmentRecords();
    }
    wxString number, surname;
    if (!dialogs_.AskPupil(number, surname)) return;
    Uczen* pupil = klasa->AddPupil();
    if (!pupil) return;
    klasa->SetCurrentPupil(pupil);
    klasa->SetCurrentAssessment(nullptr);
    core_.ResetPupilFields();
    ClearAssessmentControls(false);
    PupilFields& fields = core_.PupilPage();
    fields.NumberHolder().SetText(number);
    fields.SurnameHolder().SetText(surname);
    fields.Text(212).SetText(number);
    fields.Text(204).SetText(surname);
    SavePupilRecords();
    klasa->SetCurrentPupil(nullptr);
    RefillPupilList();
    SetModified();  // a new pupil is a change worth saving
    SelectPupil(pupil);
}

void WizardModel::DeletePupil() {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentPupil()) return;
    if (Ask(U("Usuwanie ucznia"), "Zostaną usunięte wszystkie oceny i dane osobowe ucznia.\n\nNa "
                                 "pewno usunąć ucznia ?") != Answer::Yes)
        return;
    LoadingGuard loading;
    klasa->RemovePupil(klasa->CurrentPupil());
    klasa->SetCurrentPupil(nullptr);
    klasa->SetCurrentAssessment(nullptr);
    RefillPupilList();
    SetModified();
    if (!pupilRows_.empty()) SelectPupilRow(0);
    else Changed();
}

// ---- assessments page

void WizardModel::SelectAssessmentRow(int row) {
    if (row < 0 || row >= static_cast<int>(assessmentRows_.size())) return;
    LoadingGuard loading;
    kw::SelectAssessment(assessmentRows_[static_cast<size_t>(row)]);
    Changed();
}

void WizardModel::AssessmentRefresh() {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentAssessment()) {
        Changed();
        return;
    }
    LoadingGuard loading;
    Ocena* assessment = klasa->CurrentAssessment();
    SaveAssessmentRecords();
    RefillAssessmentList();
    kw::SelectAssessment(assessment);
    Changed();
}

void WizardModel::NewAssessment(bool duplicate) {
    Klasa* klasa = OpenClass();
    Uczen* pupil = klasa ? klasa->CurrentPupil() : nullptr;
    KW_ASSERT(pupil, "wizard");
    if (!pupil) return;
    if (pupil->AssessmentCount() >= kMaxAssessments) {
        Warn("Przekroczony limit maksymalnej ilości ocen dla jednego ucznia.");
        return;
    }
    LoadingGuard loading;
    if (klasa->CurrentAssessment()) SaveAssessmentRecords();
    wxString number, name;
    int kind = 0;
    if (!dialogs_.AskAssessment(number, kind, name)) return;
    Ocena* assessment = pupil->AddAssessment();
    if (!assessment) return;
    klasa->SetCurrentAssessment(assessment);
    // A duplicate keeps the content the controls still hold.
    if (!duplicate) ClearAssessmentControls(true);
    AssessmentFields& fields = core_.AssessmentPage();
    const std::vector<wxString>& kinds = words::AssessmentKinds();
    const wxString kindText = kind >= 0 && kind < static_cast<int>(kinds.size())
                                  ? kinds[static_cast<size_t>(kind)]
                                  : wxString();
    fields.NumberHolder().SetText(number);
    fields.KindHolder().SetText(kindText);
    fields.NameHolder().SetText(name);
    fields.Number().SetText(number);
    if (!kindText.empty()) fields.Kind().SelectByCaption(kindText);
    fields.Name().SetText(name);
    SaveAssessmentRecords();
    klasa->SetCurrentAssessment(nullptr);
    RefillAssessmentList();
    SetModified();
    kw::SelectAssessment(assessment);
    Changed();
}

void WizardModel::ClearAssessment() {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentAssessment()) return;
    if (Ask(U("Czyszczenie informacji o ocenie"),
            "Zostanie usunięta cała informacja o wybranej ocenie.\n\nCzy na pewno chcesz usunąć "
            "informację o ocenie ?\n") != Answer::Yes)
        return;
    LoadingGuard loading;
    AssessmentFields& fields = core_.AssessmentPage();
    const wxString number = fields.Number().Text(), name = fields.Name().Text();
    const int kind = fields.Kind().Selection();
    ClearAssessmentControls(true);
    fields.Number().SetText(number);
    fields.Kind().Select(kind);
    fields.Name().SetText(name);
    SetModified();
    AssessmentRefresh();
}

void WizardModel::DeleteAssessment() {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentAssessment()) return;
    if (Ask(U("Usuwanie oceny"), "Zostanie usunięta cała wybrana ocena.\n\nNa pewno usunąć ocenę ?") !=
        Answer::Yes)
        return;
    LoadingGuard loading;
    klasa->CurrentPupil()->RemoveAssessment(klasa->CurrentAssessment());
    klasa->SetCurrentAssessment(nullptr);
    RefillAssessmentList();
    SetModified();
    if (!assessmentRows_.empty()) {
        kw::SelectAssessment(assessmentRows_.front());
    } else {
        ClearAssessmentControls(false);
    }
    Changed();
}

// ---- frame

bool WizardModel::AllowPageChange(int target) {
    if (target == kPupilsTab) {
        if (!OpenClass()) {
            Warn("Brak klasy. Odczytaj lub utwórz nową klasę");
            return false;
        }
        if (core_.ClassPage().ClassNumber().Selection() < 0) {
            Warn("Brak numeru klasy. Wybierz klasę: pierwsza, druga lub trzecia");
            if (focusClassNumber_) focusClassNumber_();
            return false;
        }
    } else if (target == kAssessmentsTab) {
        if (!PupilFieldsEnabled()) {
            Warn("Brak ucznia. Utwórz nowego ucznia");
            return false;
        }
    } else {
        return true;
    }
    option123_ = core_.ClassPage().SheetOption().IsOn();
    return true;
}

bool WizardModel::ExitRequested() {
    if (!IsModified()) return true;
    if (!OpenClass()) return true;  // nothing to save: as if answered No
    switch (TheMessages().Show(U("Zapisać wprowadzone zmiany ?"),
                               U(KWERLO_TITLE " - Zamykanie programu"), Buttons::YesNoCancel,
                               Icon::Question)) {
        case Answer::Yes: return SaveFlow();
        case Answer::No: return true;
        default: return false;
    }
}

bool WizardModel::QueryEndSession(bool canRefuse) {
    if (!IsModified() || !OpenClass()) return true;
    switch (TheMessages().Show(U("Zapisać wprowadzone zmiany ?"),
                               U(KWERLO_TITLE " - Zamykanie systemu"),
                               canRefuse ? Buttons::YesNoCancel : Buttons::YesNo, Icon::Question)) {
        case Answer::Yes: SaveFlow(); return true;
        case Answer::No: return true;
        default: return !canRefuse;
    }
}

bool WizardModel::UninstallRequested() { return ExitRequested(); }

// ---- views

std::vector<wxString> WizardModel::PupilSelectorEntries() const {
    std::vector<wxString> out;
    for (const Uczen* p : pupilRows_) out.push_back(p->RegisterNumber() + ". " + p->Surname());
    return out;
}

std::vector<wxString> WizardModel::AssessmentSelectorEntries() const {
    std::vector<wxString> out;
    for (const Ocena* a : assessmentRows_)
        out.push_back(a->Number() + ". - " + a->Name() + " (" + a->Kind() + ")");
    return out;
}

int WizardModel::PupilRow() const {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentPupil()) return -1;
    for (size_t i = 0; i < pupilRows_.size(); ++i)
        if (pupilRows_[i] == klasa->CurrentPupil()) return static_cast<int>(i);
    return -1;
}

int WizardModel::AssessmentRow() const {
    Klasa* klasa = OpenClass();
    if (!klasa || !klasa->CurrentAssessment()) return -1;
    for (size_t i = 0; i < assessmentRows_.size(); ++i)
        if (assessmentRows_[i] == klasa->CurrentAssessment()) return static_cast<int>(i);
    return -1;
}

}  // namespace kw
