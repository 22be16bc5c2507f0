#pragma once
// The grade sheet ("arkusz ocen"): the year's results as a whole table on plain paper, in the
// first grade's layout or in the one of the second and third grades.

#include "print/document_data.h"
#include "print/page_painter.h"

namespace kw {

// "pierwsza", "druga", "trzecia"; empty for any other grade.
wxString ClassWord(int grade);

// Expects the grade-sheet frame set on the painter. The layout follows the grade: the first
// grade's table lies 8 mm further left.
void DrawGradeSheet(PagePainter& p, const GradeSheetData& d, TextFitter& fitter);

}  // namespace kw
