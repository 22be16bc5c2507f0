#include "cli/class_texts.h"

#include "app/app_state.h"
#include "app/core.h"
#include "app/entity_walks.h"
#include "klasa/klasa.h"
#include "oc/print_texts.h"

namespace kw {
namespace {
std::string Utf8(const wxString& s) {
    const wxScopedCharBuffer b = s.utf8_str();
    return std::string(b.data(), b.length());
}
}  // namespace

nlohmann::ordered_json CurrentAssessmentTexts(Core& core) {
    AssessmentFields& fields = core.AssessmentPage();
    const PrintTexts t = CurrentPrintTexts(core.Editor());
    nlohmann::ordered_json o;
    o["number"] = Utf8(fields.Number().Text());
    o["name"] = Utf8(fields.Name().Text());
    o["kind"] = fields.Kind().Selection();
    o["behaviour"] = Utf8(t.behaviour);
    o["behaviour_points"] = t.behaviourPoints;
    o["achievements"] = Utf8(t.achievements);
    o["additional"] = Utf8(t.additional);
    o["other"] = Utf8(t.other);
    o["individual"] = Utf8(t.individual);
    o["religion"] = Utf8(t.religion);
    o["ethics"] = Utf8(t.ethics);
    o["education"] = Utf8(t.education);
    o["area_has_text"] = t.areaHasText;
    o["area_points"] = t.areaPoints;
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
