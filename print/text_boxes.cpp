#include "print/text_boxes.h"

#include <algorithm>

#include "print/fonts.h"
#include "print/page_frames.h"

namespace kw {

wxString BoxText(const wxString& text) {
    wxString out = text;
    out.Replace("\r\n", " ");
    out.Replace("\n", " ");
    out.Replace("\r", " ");
    return out;
}

wxString WithParagraphMarkers(const wxString& text) {
    wxString out = text;
    out.Replace("(akapit)", kParagraphMarker);
    return out;
}

FitResult CertificatePercent(TextFitter& fitter, int fontSize, CertificateBox box,
                             const wxString& text) {
    const PageFrame f = Frame(FrameKind::Certificate);
    return fitter.Fit(TableFont(6, fontSize), f.left, f.right, box.indent, box.lines,
                      BoxText(text));
}

namespace {
int LineCount(TextMetrics& metrics, int font, int budget) {
    const int h = metrics.Height("a", TableFont(font, 0));
    return std::max(2, h > 0 ? budget / h : 2);
}
}  // namespace

int LetterLineCount(TextMetrics& metrics) { return LineCount(metrics, 10, kLetterTextBudget); }
int ReportLineCount(TextMetrics& metrics) { return LineCount(metrics, 12, kReportTextBudget); }

FitResult LetterPercent(TextFitter& fitter, const wxString& text) {
    const PageFrame f = Frame(FrameKind::Letter);
    return fitter.Fit(TableFont(10, 0), f.left, f.right, 0, LetterLineCount(fitter.Metrics()),
                      WithParagraphMarkers(BoxText(text)));
}

FitResult ReportPercent(TextFitter& fitter, const wxString& text) {
    const PageFrame f = Frame(FrameKind::Report);
    return fitter.Fit(TableFont(12, 0), f.left, f.right, 0, ReportLineCount(fitter.Metrics()),
                      WithParagraphMarkers(BoxText(text)));
}

}  // namespace kw
