#pragma once
// Everything of the current assessment that a printed page, a pre-print check or an export needs,
// taken from the editor's pages in one place.

#include <array>

#include <wx/string.h>

#include "oc/education_page.h"

namespace kw {

class EditorModel;

struct PrintTexts {
    wxString behaviour;       // BehaviourPrintText
    int behaviourPoints = 0;  // BehaviourPoints, 0..100
    wxString education;       // EducationPrintText
    std::array<bool, kAreaCount> areaHasText{};
    std::array<int, kChartAreas> areaPoints{};
    wxString achievements;  // special achievements
    wxString additional;    // additional classes
    wxString other;         // other classes
    wxString individual;    // individual programme
    wxString religion;      // the chosen mark's text, empty when none
    wxString ethics;
};

// The texts of the assessment now loaded into the editor's controls.
PrintTexts CurrentPrintTexts(EditorModel& editor);

}  // namespace kw
