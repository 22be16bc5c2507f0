#include "app/class_walk.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "controls/registry.h"
#include "klasa/klasa.h"

namespace kw {
namespace {

bool StoredAt(const CtrBase& c, uint32_t level) {
    return (c.Flags() & kLevelMask) == level && c.Has(kStored);
}

// The values of every stored control of one level, to put back exactly.
class LevelValues {
public:
    explicit LevelValues(uint32_t level) {
        for (CtrBase* c : TheRegistry().All())
            if (StoredAt(*c, level)) values_.emplace_back(c, c->Keep());
    }
    void PutBack() const {
        for (const auto& [control, value] : values_) control->PutBack(value);
    }

private:
    std::vector<std::pair<CtrBase*, CtrValue>> values_;
};

// What the walk borrows, kept on entry and put back on exit (also when a callback throws).
class Borrowed {
public:
    explicit Borrowed(Core& core)
        : core_(core),
          klasa_(*OpenClass()),
          pupil_(klasa_.CurrentPupil()),
          assessment_(klasa_.CurrentAssessment()),
          pupilValues_(kLevelPupil),
          assessmentValues_(kLevelAssessment),
          behaviour_(core.Editor().Behaviour().Keep()),
          education_(core.Editor().Education().Keep()) {}

    ~Borrowed() {
        LoadingGuard loading;
        klasa_.SetCurrentPupil(pupil_);
        klasa_.SetCurrentAssessment(assessment_);
        pupilValues_.PutBack();
        assessmentValues_.PutBack();
        // The controls are as they were, so the texts composed from them are current again.
        core_.Editor().Behaviour().PutBack(behaviour_);
        core_.Editor().Education().PutBack(education_);
    }
    Borrowed(const Borrowed&) = delete;
    Borrowed& operator=(const Borrowed&) = delete;

    Uczen* Pupil() const { return pupil_; }
    Ocena* Assessment() const { return assessment_; }

    // Makes the item current and loads it. The entities current on entry are loaded from the
    // values they had then, which may be newer than their records.
    void Load(const WalkItem& item) {
        LoadingGuard loading;
        if (item.pupil != loadedPupil_) {
            klasa_.SetCurrentPupil(item.pupil);
            klasa_.SetCurrentAssessment(nullptr);
            if (item.pupil == pupil_) pupilValues_.PutBack();
            else LoadPupilRecords();
            loadedPupil_ = item.pupil;
        }
        klasa_.SetCurrentAssessment(item.assessment);
        if (!item.assessment) {
            for (CtrBase* c : TheRegistry().All())
                if (StoredAt(*c, kLevelAssessment)) c->Clear();
        } else if (item.assessment == assessment_) {
            assessmentValues_.PutBack();
        } else {
            LoadAssessmentRecords();
        }
    }

private:
    Core& core_;
    Klasa& klasa_;
    Uczen* pupil_;
    Ocena* assessment_;
    LevelValues pupilValues_, assessmentValues_;
    BehaviourPage::Kept behaviour_;
    EducationPage::Kept education_;
    Uczen* loadedPupil_ = nullptr;
};

// The pupil's newest assessment of a kind: the highest number, the first in file order among
// equal numbers (as the assessment list puts it on top).
int NewestOfKind(const Uczen& pupil, int kind, const Borrowed& borrowed, Core& core) {
    int best = -1;
    long bestNumber = 0;
    for (int i = 0; i < pupil.AssessmentCount(); ++i) {
        const Ocena* a = pupil.Assessment(i);
        const bool live = a == borrowed.Assessment();
        const int k = live ? core.AssessmentPage().Kind().Selection() : StoredAssessmentKind(*a);
        if (k != kind) continue;
        const long number = LeadingNumber(live ? core.AssessmentPage().Number().Text()
                                               : StoredAssessmentNumber(*a));
        if (best < 0 || number > bestNumber) {
            best = i;
            bestNumber = number;
        }
    }
    return best;
}

std::vector<WalkItem> Items(const WalkPlan& plan, const Borrowed& borrowed, Core& core) {
    Klasa& klasa = *OpenClass();
    std::vector<Uczen*> pupils = plan.pupils;
    if (pupils.empty())
        for (int i = 0; i < klasa.PupilCount(); ++i) pupils.push_back(klasa.Pupil(i));
    std::vector<WalkItem> items;
    for (Uczen* pupil : pupils) {
        int index = -1;
        for (int i = 0; i < klasa.PupilCount() && index < 0; ++i)
            if (klasa.Pupil(i) == pupil) index = i;
        if (index < 0) continue;  // not a pupil of this class
        const size_t before = items.size();
        if (plan.pick == WalkPick::Every) {
            for (int a = 0; a < pupil->AssessmentCount(); ++a)
                items.push_back({pupil, index, pupil->Assessment(a), a});
        } else if (const int a = NewestOfKind(*pupil, plan.kind, borrowed, core); a >= 0) {
            items.push_back({pupil, index, pupil->Assessment(a), a});
        }
        if (items.size() == before && plan.pupilsWithout)
            items.push_back({pupil, index, nullptr, -1});
    }
    return items;
}

}  // namespace

WalkEnd WalkClass(Core& core, const WalkPlan& plan, const WalkVisit& visit,
                  const WalkProgress& progress) {
    if (!OpenClass()) return WalkEnd::Finished;
    // The callbacks run as the program does: only the loading is marked as the program's own.
    Borrowed borrowed(core);
    const std::vector<WalkItem> items = Items(plan, borrowed, core);
    const int total = static_cast<int>(items.size());
    for (int done = 0; done < total; ++done) {
        if (progress && !progress(done, total)) return WalkEnd::Stopped;
        borrowed.Load(items[static_cast<size_t>(done)]);
        if (visit && !visit(items[static_cast<size_t>(done)])) return WalkEnd::Stopped;
    }
    if (progress && !progress(total, total)) return WalkEnd::Stopped;
    return WalkEnd::Finished;
}

}  // namespace kw
