#pragma once
// The checks before a document is shown or printed: missing data, and texts too long for their
// printed place. The assessment checks also set the editor's space gauges.

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <wx/string.h>

#include "print/fitting.h"

namespace kw {

class Core;
struct PrintTexts;

struct CheckFlags {
    bool reportMissing = false;  // also the "Brak ..." messages
    bool force = false;          // run while loading; report every too-long text again
    bool printing = false;       // ask whether to print anyway
};

// How much of each box of the certificate's back the texts fill, 0..100.
struct CertificateFill {
    int behaviour = 0, education = 0, additional = 0, other = 0, individual = 0,
        achievements = 0;
};

class PrePrintChecks {
public:
    explicit PrePrintChecks(Core& core);
    ~PrePrintChecks();

    // The checks with their common end: nothing to report gives true; otherwise the teacher is
    // shown the list, and while printing answers whether to print anyway (true for Yes). A check
    // that does not run (while loading, unforced) gives false.
    bool FrontCheck(CheckFlags flags);
    bool CertificateCheck(CheckFlags flags);
    bool LetterCheck(CheckFlags flags);
    bool ReportCheck(CheckFlags flags);
    // The check of an assessment kind: 0 certificate, 1 periodic report, 2 letter.
    bool AssessmentCheck(int kind, CheckFlags flags);

    // The same checks without the common end: their messages in order, each ending in "\n", or
    // nothing when the check did not run. The remembered values and the gauges change as in the
    // checks themselves.
    std::optional<std::vector<wxString>> FrontMessages(CheckFlags flags);
    std::optional<std::vector<wxString>> AssessmentMessages(int kind, CheckFlags flags);

    // The common end: shows the messages (if any) and gives the check's result.
    static bool CommonEnd(const std::vector<wxString>& messages, bool printing);

    // The certificate check's measuring: the texts fitted into the back's boxes.
    CertificateFill FitCertificate(const PrintTexts& texts, int fontSize);

    // How lines are broken (the remeasuring reference for comparisons), and forgetting the
    // remembered word widths.
    void SetBreakMethod(BreakMethod method);
    void ForgetWordWidths();

private:
    using Messages = std::vector<wxString>;
    Messages Front(CheckFlags flags);
    Messages Certificate(CheckFlags flags);
    Messages LetterOrReport(bool letter, CheckFlags flags);
    void MissingAreas(const PrintTexts& t, bool withLanguageAndComputing, Messages& out) const;
    TextFitter& Fitter();
    bool Skipped(CheckFlags flags) const;

    Core& core_;
    std::unique_ptr<TextFitter> fitter_;
    TextMetrics* fitterMetrics_ = nullptr;
    BreakMethod method_ = BreakMethod::Fast;
    std::map<int, wxString> frontRemembered_;  // by the row of the front check
    size_t behaviourLength_ = 0, educationLength_ = 0, achievementsLength_ = 0;
    size_t letterLength_ = 0, reportLength_ = 0;
};

}  // namespace kw
