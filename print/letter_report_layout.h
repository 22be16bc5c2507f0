#pragma once
// The letter to the pupil and the periodic report: one text of the behaviour, education and
// special-achievements assessments with its paragraphs, under the letter's title or the report's
// header, the report with the progress chart below.

#include "print/document_data.h"
#include "print/page_painter.h"

namespace kw {

constexpr int kLetterTextTop = 15000;   // below the frame's top
constexpr int kReportTextTop = 25000;
constexpr int kReportChartTop = 185000;

// Each expects its own frame set on the painter.
void DrawLetter(PagePainter& p, const LetterData& d, TextFitter& fitter);
void DrawReport(PagePainter& p, const ReportData& d, TextFitter& fitter);

// "3c, wychowawca: Anna Nowak" for the third grade's class c.
wxString ReportClassLine(const ReportData& d);

}  // namespace kw
