#include "cli/class_texts.h"

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"

namespace kw {
namespace {
std::string Utf8(const wxString& s) {
    const wxScopedCharBuffer b = s.utf8_str();
    return std::string(b.data(), b.length());
}
}  // namespace

nlohmann::ordered_json CurrentAssessmentTexts(Core& core) {
    EditorModel& editor = core.Editor();
    AssessmentFields& fields = core.AssessmentPage();
    nlohmann::ordered_json o;
    o["number"] = Utf8(fields.Number().Text());
    o["name"] = Utf8(fields.Name().Text());
    o["kind"] = fields.Kind().Selection();
    o["behaviour"] = Utf8(editor.Behaviour().BehaviourPrintText());
    o["behaviour_points"] = editor.Behaviour().BehaviourPoints();
    o["achievements"] = Utf8(editor.Achievements().PrintText());
    o["additional"] = Utf8(editor.Additional().PrintText());
    o["other"] = Utf8(editor.Other().PrintText());
    o["individual"] = Utf8(editor.Individual().PrintText());
    o["religion"] = Utf8(editor.Marks().ReligionText());
    o["ethics"] = Utf8(editor.Marks().EthicsText());
    EducationPage& education = editor.Education();
    o["education"] = Utf8(education.EducationPrintText());
    nlohmann::ordered_json hasText = nlohmann::ordered_json::array();
    for (int i = 0; i < kAreaCount; ++i) hasText.push_back(education.AreaHasText(i));
    o["area_has_text"] = std::move(hasText);
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (int i = 0; i < kChartAreas; ++i) points.push_back(education.AreaPoints(i));
    o["area_points"] = std::move(points);
    return o;
}

nlohmann::ordered_json ClassTexts(Core& core) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    Klasa* klasa = OpenClass();
    if (!klasa) return out;
    for (int p = 0; p < klasa->PupilCount(); ++p) {
        Uczen* pupil = klasa->Pupil(p);
        SelectPupil(pupil);
        for (int a = 0; a < pupil->AssessmentCount(); ++a) {
            SelectAssessment(pupil->Assessment(a));
            nlohmann::ordered_json o;
            o["pupil"] = p;
            o["assessment"] = a;
            o.update(CurrentAssessmentTexts(core));
            out.push_back(std::move(o));
        }
    }
    return out;
}

}  // namespace kw
