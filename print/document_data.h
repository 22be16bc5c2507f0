#pragma once
// The printed documents and what each takes from the class, the current pupil and the current
// assessment, gathered in one place for the checks and the layouts.

#include <vector>

#include <wx/string.h>

#include "oc/print_texts.h"

namespace kw {

class Core;

// 1 certificate front, 2 certificate back, 3 grade sheet, 4 letter, 5 periodic report.
std::vector<int> DocumentsOfKind(int kind);
wxString DocumentName(int document);  // "Świadectwo Przód" ...

// A choice's position and its text; -1 and empty when nothing is chosen.
struct Chosen {
    int index = -1;
    wxString text;
};

// The certificate front's data and what the front check measures.
struct FrontData {
    Chosen schoolYear;
    int grade = -1;  // 0 "pierwsza", 1 "druga", 2 "trzecia"
    wxString schoolNumber, schoolName1, schoolName2, patron1, patron2;
    wxString schoolTown, schoolVoivodeship, documentTown;
    wxString councilDay;
    Chosen councilMonth, councilYear;
    wxString documentDay;
    Chosen documentMonth, documentYear;
    bool sheetOption = false;  // the class prints MEN-I/45/1 (option 123)

    wxString firstName, surname, birthPlace, birthVoivodeship, birthDay, birthYear;
    Chosen birthMonth;
    bool boy = false;
    bool promoted = true;
    wxString evidenceNumber, registerNumber;
};

// The certificate back's data.
struct BackData {
    PrintTexts texts;
    wxString teacherName;
    int fontSize = 10;  // of the assessment texts, 9..13
    bool sheetOption = false;
};

FrontData CurrentFrontData(Core& core);
// Asks for the certificate's font size the way every use of it does (CertificateFontSize).
BackData CurrentBackData(Core& core);

}  // namespace kw
