#pragma once
// Everything a walk over the class must leave as it was: the current pupil and assessment, the
// modified flag, every control's value and enabled state, every record of the class, and the
// editor's composed previews.

#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "app/core.h"
#include "klasa/klasa.h"

namespace kwtest {

struct ProgramSnapshot {
    kw::Uczen* pupil = nullptr;
    kw::Ocena* assessment = nullptr;
    bool modified = false;
    std::vector<std::pair<int32_t, wxString>> values;
    std::vector<bool> enabled;
    std::vector<std::string> records;
    wxString behaviourPreview, educationPreview;
    std::pair<int, int> behaviourMark, educationMark;

    bool operator==(const ProgramSnapshot& o) const {
        return pupil == o.pupil && assessment == o.assessment && modified == o.modified &&
               values == o.values && enabled == o.enabled && records == o.records &&
               behaviourPreview == o.behaviourPreview && educationPreview == o.educationPreview &&
               behaviourMark == o.behaviourMark && educationMark == o.educationMark;
    }
};

inline ProgramSnapshot TakeSnapshot(kw::Core& core) {
    kw::Klasa* klasa = kw::OpenClass();
    ProgramSnapshot s;
    s.pupil = klasa->CurrentPupil();
    s.assessment = klasa->CurrentAssessment();
    s.modified = kw::IsModified();
    s.behaviourPreview = core.Editor().Behaviour().PreviewText();
    s.educationPreview = core.Editor().Education().PreviewText();
    s.behaviourMark = core.Editor().Behaviour().PreviewMark();
    s.educationMark = core.Editor().Education().PreviewMark();
    for (kw::CtrBase* c : core.Registry().All()) {
        const kw::CtrValue v = c->Keep();
        s.values.emplace_back(v.number, v.text);
        s.enabled.push_back(c->Enabled());
    }
    s.records = {klasa->NumList().Bytes(), klasa->TxtList().Bytes()};
    for (int p = 0; p < klasa->PupilCount(); ++p) {
        const kw::Uczen* pupil = klasa->Pupil(p);
        s.records.push_back(pupil->NumList().Bytes() + "|" + pupil->TxtList().Bytes());
        for (int i = 0; i < pupil->AssessmentCount(); ++i) {
            const kw::Ocena* a = pupil->Assessment(i);
            s.records.push_back(a->StateList().Bytes() + "|" + a->NumList().Bytes() + "|" +
                                a->TxtList().Bytes());
        }
    }
    return s;
}

}  // namespace kwtest
