#pragma once
// The whole class at once: for every pupil in register-number order the newest assessment of a
// kind and its documents, page after page, on whatever target takes the pages (a PDF, a print
// job). The program is left as it was: the current pupil and assessment, every control's value,
// the modified flag, the records and the editor's gauges.

#include <functional>
#include <vector>

#include <wx/string.h>

#include "app/class_walk.h"
#include "print/calibration.h"
#include "print/page_output.h"

namespace kw {

class Core;
class TextFitter;

struct ClassPrintPlan {
    int kind = 0;  // 0 certificate and grade sheet, 1 periodic report, 2 letter
    // The documents of each pupil, in this order; empty: every document of the kind.
    std::vector<int> documents;
    CalibrationTable calibration;  // for certificates on pre-printed forms
};

// Each callback runs with its pupil (and assessment) current and loaded, to read them.
struct ClassPrintEvents {
    // Before the first pupil and after each one: pupils done and their total. False cancels.
    WalkProgress progress;
    // A pupil without an assessment of the kind; nothing of it is drawn.
    std::function<void(const WalkItem&)> skipped;
    // What the pre-print checks of the pupil's documents find, before its pages are drawn (the
    // checks run only when this is set).
    std::function<void(const WalkItem&, const std::vector<wxString>& messages)> problems;
};

// Draws one page on the target's context; false stops the printing (the target failed).
using PageTarget = std::function<bool(const PageDrawing&)>;

enum class ClassPrintEnd { Finished, Cancelled, TargetFailed };

struct ClassPrintResult {
    ClassPrintEnd end = ClassPrintEnd::Finished;
    int pages = 0;    // pages handed to the target
    int pupils = 0;   // pupils whose documents were drawn
    int skipped = 0;  // pupils without an assessment of the kind
};

// The documents of the kind, in the order asked: empty when one of them is not of the kind.
std::vector<int> ClassPrintDocuments(const ClassPrintPlan& plan);

ClassPrintResult PrintClass(Core& core, TextFitter& fitter, const ClassPrintPlan& plan,
                            const PageTarget& target, const ClassPrintEvents& events = {});

}  // namespace kw
