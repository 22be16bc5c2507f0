#pragma once
// Drawing a document by its number, from the data gathered for it.

#include <vector>

#include "print/calibration.h"
#include "print/document_data.h"
#include "print/page_painter.h"

namespace kw {

class Core;

struct DocumentSources {
    FrontData front;
    BackData back;
    CalibrationTable calibration;
    GradeSheetData sheet;
    LetterData letter;
    ReportData report;
};

// 1 to 5.
bool CanDraw(int document);
// What the documents need from the current pupil and assessment (only that: the report's chart
// reads the pupil's other periodic assessments).
DocumentSources CurrentSources(Core& core, const std::vector<int>& documents,
                               const CalibrationTable& calibration);
// Sets the document's frame and draws it. The grade sheet, the letter and the report are always
// drawn as whole forms.
void DrawDocument(PagePainter& p, TextFitter& fitter, int document, const DocumentSources& s);

}  // namespace kw
