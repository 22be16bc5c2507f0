#include "print/documents.h"

#include <algorithm>

#include "app/assertion.h"
#include "print/certificate_layout.h"
#include "print/grade_sheet_layout.h"
#include "print/letter_report_layout.h"

namespace kw {

bool CanDraw(int document) { return document >= 1 && document <= 5; }

DocumentSources CurrentSources(Core& core, const std::vector<int>& documents,
                               const CalibrationTable& calibration) {
    auto wanted = [&](int d) {
        return std::find(documents.begin(), documents.end(), d) != documents.end();
    };
    DocumentSources s;
    s.calibration = calibration;
    if (wanted(1)) s.front = CurrentFrontData(core);
    if (wanted(2)) s.back = CurrentBackData(core);
    if (wanted(3)) s.sheet = CurrentGradeSheetData(core);
    if (wanted(4)) s.letter = CurrentLetterData(core);
    if (wanted(5)) s.report = CurrentReportData(core);
    return s;
}

void DrawDocument(PagePainter& p, TextFitter& fitter, int document, const DocumentSources& s) {
    switch (document) {
        case 1:
            p.SetFrame(FrameKind::Certificate);
            DrawCertificateFront(p, s.front, s.calibration);
            return;
        case 2:
            p.SetFrame(FrameKind::Certificate);
            DrawCertificateBack(p, s.back, s.calibration, fitter);
            return;
        case 3:
            p.SetFrame(FrameKind::GradeSheet);
            DrawGradeSheet(p, s.sheet, fitter);
            return;
        case 4:
            p.SetFrame(FrameKind::Letter);
            DrawLetter(p, s.letter, fitter);
            return;
        case 5:
            p.SetFrame(FrameKind::Report);
            DrawReport(p, s.report, fitter);
            return;
    }
    KW_FAIL("print", "no such document");
}

}  // namespace kw
