#pragma once
// Text boxes: breaking a text into the lines of a box, how much of the box it fills, and
// justification. The same lines feed the gauges, the preview and the paper.

#include <unordered_map>
#include <vector>

#include <wx/hashmap.h>
#include <wx/string.h>

#include "print/text_metrics.h"

namespace kw {

extern const char kParagraphMarker[];  // "####": a paragraph starts here

struct FitResult {
    // 0..100; 100 also when the text does not fit at all.
    int percent = 0;
    // The lines in order; a line that ends a paragraph ends in "\t". Only lines that are drawn:
    // an empty line still counts towards the box but is not listed.
    std::vector<wxString> lines;
    // A text that fills the box completely is left out of the page.
    bool Drawn() const { return percent <= 99; }
};

// How a line is broken. Both give the same lines; Remeasure measures the whole line again after
// each word it moves (quadratic in the text's length) and is kept as the reference.
enum class BreakMethod { Fast, Remeasure };

class TextFitter {
public:
    explicit TextFitter(TextMetrics& metrics, BreakMethod method = BreakMethod::Fast);

    // Breaks text into at most maxLines (>= 2) lines of the box from left to right, the first
    // line indented by indent; the lines are 5000 µm narrower than the box.
    FitResult Fit(const FontSpec& font, int left, int right, int indent, int maxLines,
                  const wxString& text);

    // One line: cur keeps what fits into width, what does not is put before rest; a paragraph
    // marker inside the line also ends it. False when the first word alone is too wide.
    bool LineBreak(const FontSpec& font, wxString& cur, wxString& rest, int width);

    TextMetrics& Metrics() { return metrics_; }
    // Forgets the remembered word widths.
    void ClearCache() { words_.clear(); }

private:
    bool BreakRemeasuring(const FontSpec& font, wxString& cur, wxString& rest, int width);
    bool BreakFast(const FontSpec& font, wxString& cur, wxString& rest, int width);
    int WordWidth(const FontSpec& font, const wxString& word);

    TextMetrics& metrics_;
    BreakMethod method_;
    using WordMap = std::unordered_map<wxString, int, wxStringHash, wxStringEqual>;
    std::unordered_map<int, WordMap> words_;  // by FontSpec::Key
    size_t cached_ = 0;
};

// Widens a line with spaces, inserted gap by gap from the first, until it reaches width; a line
// of three characters or fewer, or without spaces, stays as it is.
wxString Justify(TextMetrics& metrics, const FontSpec& font, const wxString& line, int width);

// Spaces only, not tabs: a tab at the end of a line is the paragraph's end.
void TrimSpaces(wxString& text);

}  // namespace kw
