#include "print/document_data.h"

#include "app/core.h"
#include "print/fonts.h"

namespace kw {
namespace {

Chosen Of(const CtrChoice& c) {
    Chosen out;
    out.index = c.Selection();
    if (out.index >= 0) out.text = c.Phrase(out.index);
    return out;
}

}  // namespace

std::vector<int> DocumentsOfKind(int kind) {
    switch (kind) {
        case 0: return {1, 2, 3};
        case 1: return {5};
        case 2: return {4};
    }
    return {};
}

wxString DocumentName(int document) {
    static const char* const kNames[] = {"Świadectwo Przód", "Świadectwo Tył", "Arkusz ocen",
                                         "List do ucznia", "Ocena okresowa"};
    if (document < 1 || document > 5) return wxString();
    return wxString::FromUTF8(kNames[document - 1]);
}

FrontData CurrentFrontData(Core& core) {
    ClassFields& c = core.ClassPage();
    PupilFields& p = core.PupilPage();
    FrontData d;
    d.schoolYear = Of(c.SchoolYear());
    d.grade = c.ClassNumber().Selection();
    d.schoolNumber = c.Text(103).Text();
    d.schoolName1 = c.Text(104).Text();
    d.schoolName2 = c.Text(105).Text();
    d.patron1 = c.Text(106).Text();
    d.patron2 = c.Text(107).Text();
    d.schoolTown = c.Text(108).Text();
    d.schoolVoivodeship = c.Text(109).Text();
    d.councilDay = c.Text(110).Text();
    d.councilMonth = Of(c.Choice(111));
    d.councilYear = Of(c.Choice(112));
    d.documentTown = c.Text(113).Text();
    d.documentDay = c.Text(114).Text();
    d.documentMonth = Of(c.Choice(115));
    d.documentYear = Of(c.Choice(116));
    d.sheetOption = c.SheetOption().IsOn();

    d.firstName = p.Text(203).Text();
    d.surname = p.Text(204).Text();
    d.birthPlace = p.Text(205).Text();
    d.birthVoivodeship = p.Text(206).Text();
    d.birthDay = p.Text(207).Text();
    d.birthMonth = Of(p.Choice(208));
    d.birthYear = p.Text(209).Text();
    d.boy = p.Sex().Selection() == 1;
    d.promoted = p.Promotion().Selection() != 1;
    d.registerNumber = p.Text(212).Text();
    d.evidenceNumber = p.Text(213).Text();
    return d;
}

BackData CurrentBackData(Core& core) {
    BackData d;
    d.texts = CurrentPrintTexts(core.Editor());
    d.teacherName = core.ClassPage().TeacherName().Text();
    d.fontSize = CertificateFontSize(core.Print());
    d.sheetOption = core.ClassPage().SheetOption().IsOn();
    return d;
}

}  // namespace kw
