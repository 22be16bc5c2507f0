#include "oc/print_texts.h"

#include "oc/editor_model.h"

namespace kw {

PrintTexts CurrentPrintTexts(EditorModel& editor) {
    PrintTexts t;
    t.behaviour = editor.Behaviour().BehaviourPrintText();
    t.behaviourPoints = editor.Behaviour().BehaviourPoints();
    EducationPage& education = editor.Education();
    t.education = education.EducationPrintText();
    for (int i = 0; i < kAreaCount; ++i) t.areaHasText[static_cast<size_t>(i)] = education.AreaHasText(i);
    for (int i = 0; i < kChartAreas; ++i) t.areaPoints[static_cast<size_t>(i)] = education.AreaPoints(i);
    t.achievements = editor.Achievements().PrintText();
    t.additional = editor.Additional().PrintText();
    t.other = editor.Other().PrintText();
    t.individual = editor.Individual().PrintText();
    t.religion = editor.Marks().ReligionText();
    t.ethics = editor.Marks().EthicsText();
    return t;
}

}  // namespace kw
