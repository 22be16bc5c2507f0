#include "cli/class_texts.h"

#include "app/app_state.h"
#include "app/class_walk.h"
#include "app/core.h"
#include "oc/print_texts.h"
#include "oc/register_texts.h"

namespace kw {
namespace {

std::string Utf8(const wxString& s) {
    const wxScopedCharBuffer b = s.utf8_str();
    return std::string(b.data(), b.length());
}

wxString Stripped(const wxString& s) { return s.Strip(wxString::both); }

// The current pupil's register number, and first name and surname.
struct PupilName {
    wxString number, name;
};

PupilName CurrentPupilName(Core& core) {
    PupilFields& fields = core.PupilPage();
    PupilName p{Stripped(fields.Text(212).Text()), Stripped(fields.Text(203).Text())};
    const wxString surname = Stripped(fields.Text(204).Text());
    if (!p.name.empty() && !surname.empty()) p.name += ' ';
    p.name += surname;
    return p;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(const wxString& text) {
    const std::string s = Utf8(text);
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

WalkPlan RegisterPlan(Core& core, int kind) {
    WalkPlan plan;
    plan.pupils = core.PupilsByRegisterNumber();
    plan.pick = WalkPick::NewestOfKind;
    plan.kind = kind;
    plan.pupilsWithout = true;
    return plan;
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

void WriteClassTexts(Core& core, std::ostream& out) {
    out << '[';
    bool first = true;
    WalkClass(core, WalkPlan{}, [&](const WalkItem& item) {
        nlohmann::ordered_json o;
        o["pupil"] = item.pupilIndex;
        o["assessment"] = item.assessmentIndex;
        o.update(CurrentAssessmentTexts(core));
        if (!first) out << ',';
        first = false;
        out << o.dump();
        return out.good();
    });
    out << "]\n";
}

void WriteRegisterTxt(Core& core, int kind, std::ostream& out) {
    const wxString missing = wxString::FromUTF8("(brak oceny rodzaju: ") +
                             words::AssessmentKinds().at(static_cast<size_t>(kind)) + ")";
    WalkClass(core, RegisterPlan(core, kind), [&](const WalkItem& item) {
        // As the pupil selectors show a pupil: "12. Zofia Żurawska".
        const PupilName pupil = CurrentPupilName(core);
        wxString block = pupil.number.empty() ? pupil.name : pupil.number + ". " + pupil.name;
        block += "\n\n";
        const wxString text =
            item.assessment ? RegisterText(CurrentPrintTexts(core.Editor())) : missing;
        if (!text.empty()) block += text + "\n\n";
        out << Utf8(block);
        return out.good();
    });
}

void WriteRegisterCsv(Core& core, int kind, std::ostream& out) {
    out << "Nr," << CsvField(wxString::FromUTF8("Uczeń"));
    for (const RegisterSection& s : RegisterSections(PrintTexts{}))
        out << ',' << CsvField(s.heading);
    out << "\r\n";
    WalkClass(core, RegisterPlan(core, kind), [&](const WalkItem& item) {
        const PupilName pupil = CurrentPupilName(core);
        const PrintTexts texts = item.assessment ? CurrentPrintTexts(core.Editor()) : PrintTexts{};
        std::string row = CsvField(pupil.number) + ',' + CsvField(pupil.name);
        for (const RegisterSection& s : RegisterSections(texts)) row += ',' + CsvField(s.text);
        out << row << "\r\n";
        return out.good();
    });
}

}  // namespace kw
