#include "bench/busy_class.h"

#include <random>

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"

namespace kwbench {
namespace {

const char* const kWords[] = {
    "chętnie", "pracuje", "na", "lekcjach", "samodzielnie", "rozwiązuje", "zadania", "czyta",
    "płynnie", "ze", "zrozumieniem", "pisze", "starannie", "i", "poprawnie", "wypowiada",
    "się", "pełnymi", "zdaniami", "współpracuje", "w", "grupie", "dba", "o", "porządek",
    "śpiewa", "rysuje", "maluje", "żółw", "łąka", "ćwiczy", "ołówek", "konkurs", "(+)"};

const char* const kFirstNames[] = {"Zofia", "Łukasz", "Małgorzata", "Jędrzej", "Ewa", "Żaneta",
                                   "Bartłomiej", "Agnieszka", "Szymon", "Ściborek"};
const char* const kSurnames[] = {"Żurawska", "Nowak", "Kowalczyk", "Wiśniewski", "Dąbrowska",
                                 "Łęcki", "Źrebiec", "Grzegorczyk", "Ślązak", "Mądry"};

class Random {
public:
    explicit Random(unsigned seed) : rng_(seed) {}
    int Below(int n) { return n > 0 ? static_cast<int>(rng_() % static_cast<unsigned>(n)) : 0; }
    bool Chance(int percent) { return Below(100) < percent; }
    wxString Text(int words) {
        wxString s;
        for (int i = 0; i < words; ++i) {
            s += wxString::FromUTF8(kWords[Below(sizeof kWords / sizeof *kWords)]);
            s += Below(8) == 0 ? ". " : Below(10) == 0 ? ", " : " ";
        }
        return s;
    }

private:
    std::mt19937 rng_;
};

void Tick(const std::vector<kw::CtrBase*>& controls, Random& r, int density) {
    for (kw::CtrBase* c : controls) {
        if (auto* radio = dynamic_cast<kw::CtrRadioGroup*>(c)) {
            radio->Select(r.Chance(70) ? r.Below(radio->Count()) : -1);
        } else if (auto* group = dynamic_cast<kw::CtrCheckGroup*>(c)) {
            uint32_t bits = 0;
            for (int i = 0; i < group->Count(); ++i)
                if (r.Chance(density)) bits |= 1u << i;
            group->SetBits(static_cast<int32_t>(bits));
        } else if (auto* choice = dynamic_cast<kw::CtrChoice*>(c)) {
            choice->Select(r.Chance(60) ? r.Below(choice->Count()) : -1);
        } else if (auto* check = dynamic_cast<kw::CtrCheck*>(c)) {
            check->SetOn(r.Chance(50));
        }
    }
}

}  // namespace

void FillBusyClass(kw::Core& core, int pupils, int assessments, unsigned seed, int density) {
    Random r(seed);
    core.NewClass();
    kw::LoadingGuard loading;
    core.ClassPage().ClassNumber().Select(1);
    kw::Klasa* klasa = kw::OpenClass();
    kw::EditorModel& editor = core.Editor();
    for (int p = 0; p < pupils; ++p) {
        kw::Uczen* pupil = klasa->AddPupil();
        kw::SelectPupil(pupil);
        kw::PupilFields& fields = core.PupilPage();
        fields.Text(203).SetText(wxString::FromUTF8(kFirstNames[r.Below(10)]));
        fields.Text(204).SetText(wxString::FromUTF8(kSurnames[r.Below(10)]));
        fields.Text(212).SetText(wxString::Format("%d", pupils - p));
        fields.Sex().Select(r.Below(2));
        for (int a = 0; a < assessments; ++a) {
            kw::SelectAssessment(pupil->AddAssessment());
            kw::ClearAssessmentControls(true);
            kw::AssessmentFields& af = core.AssessmentPage();
            af.Kind().Select(a % 3);
            af.Number().SetText(wxString::Format("%d", a + 1));
            af.Name().SetText(wxString::Format("Ocena %d", a + 1));
            Tick(editor.Behaviour().Catalogue().PhraseControls(), r, density);
            editor.Behaviour().OwnText().SetText(r.Text(12));
            for (int i = 0; i < kw::kAreaCount; ++i) {
                kw::EducationArea& area = editor.Education().Area(i);
                Tick(area.Controls().PhraseControls(), r, density);
                if (r.Chance(30)) area.OwnText().SetText(r.Text(10));
            }
            if (r.Chance(10)) {
                editor.Behaviour().Mode().SetValue(1);
                editor.Behaviour().ManualText().SetText(r.Text(80));
            }
            editor.Marks().Religion().Select(r.Below(8));
            for (kw::FreeTextPage* page : {&editor.Achievements(), &editor.Additional(),
                                           &editor.Other(), &editor.Individual()})
                if (r.Chance(50)) page->Field().SetText(r.Text(25));
        }
    }
    kw::SelectPupil(klasa->Pupil(0));
}

}  // namespace kwbench
