#include "print/letter_report_layout.h"

#include "app/utf8.h"
#include "print/progress_chart.h"
#include "print/text_boxes.h"

namespace kw {
namespace {

void CentredTitle(PagePainter& p, const wxString& title) {
    p.SelectFont(1);
    p.DrawText(p.Centred(p.TextWidth(title)), p.CurrentFrame().top, title);
}

// The text's box from top down, as many lines as the budget holds; a text that fills it
// completely is left out (its check has said so).
void TextBox(PagePainter& p, const FitResult& fit, int font, int top, int lines) {
    if (!fit.Drawn()) return;
    p.SelectFont(font);
    const PageFrame& f = p.CurrentFrame();
    p.DrawBlock(f.left, f.right, 0, top, p.TextHeight("a"), lines, fit.lines, false);
}

}  // namespace

wxString ReportClassLine(const ReportData& d) {
    return wxString::Format("%d", d.grade + 1) + d.classSuffix + ", wychowawca: " + d.teacherName;
}

void DrawLetter(PagePainter& p, const LetterData& d, TextFitter& fitter) {
    const int T = p.CurrentFrame().top;
    CentredTitle(p, d.title);
    TextBox(p, LetterPercent(fitter, d.text), 10, T + kLetterTextTop, LetterLineCount(p.Metrics()));
}

void DrawReport(PagePainter& p, const ReportData& d, TextFitter& fitter) {
    const PageFrame& f = p.CurrentFrame();
    const int L = f.left, T = f.top;
    CentredTitle(p, U("Ocena okresowa"));
    const struct {
        const char* label;
        wxString value;
        int y;
    } header[] = {
        {"Klasa :", ReportClassLine(d), T + 10000},
        {"Uczeń :", d.firstName + " " + d.surname, T + 14000},
        {"Ocena :", d.assessmentName, T + 18000},
    };
    for (const auto& row : header) {
        p.SelectFont(4);
        p.DrawText(L, row.y, U(row.label));
        p.SelectFont(2);
        p.DrawText(L + 15000, row.y, row.value);
    }
    TextBox(p, ReportPercent(fitter, d.text), 12, T + kReportTextTop, ReportLineCount(p.Metrics()));
    if (d.withChart) DrawProgressChart(p, L, T + kReportChartTop, d.chart);
}

}  // namespace kw
