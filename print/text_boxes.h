#pragma once
// The measuring passes of the documents' text boxes: the certificate's boxes, and the one box of
// the letter and of the periodic report.

#include "print/fitting.h"

namespace kw {

struct CertificateBox {
    int indent;
    int lines;
};
constexpr CertificateBox kBehaviourBox{20000, 7};
constexpr CertificateBox kEducationBox{0, 11};
constexpr CertificateBox kAdditionalBox{0, 3};
constexpr CertificateBox kOtherBox{0, 3};
constexpr CertificateBox kIndividualBox{0, 3};
constexpr CertificateBox kAchievementsBox{0, 4};
constexpr int kCertificateLineSpacing = 5090;

constexpr int kLetterTextBudget = 235000;  // height of the letter's text, µm
constexpr int kReportTextBudget = 150000;

// A line break typed into a text is a space on paper: a box has lines of its own.
wxString BoxText(const wxString& text);
// "(akapit)" becomes the paragraph marker (the letter and the report only).
wxString WithParagraphMarkers(const wxString& text);

// In font 6 of the given size, between the certificate frame's edges.
FitResult CertificatePercent(TextFitter& fitter, int fontSize, CertificateBox box,
                             const wxString& text);

// Lines of the letter's or the report's box: the budget over the height of "a" in its font.
int LetterLineCount(TextMetrics& metrics);
int ReportLineCount(TextMetrics& metrics);
FitResult LetterPercent(TextFitter& fitter, const wxString& text);
FitResult ReportPercent(TextFitter& fitter, const wxString& text);

}  // namespace kw
