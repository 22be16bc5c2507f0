#pragma once
// Turning ticked phrases into sentences: the join markers "& ", full stops, the conjunction pass,
// paragraph marks, spacing, and 0-100 section scores.

#include <utility>

#include <wx/string.h>

namespace kw {

class CtrBase;

extern const char kParagraphMark[];  // " (akapit) "

// Trailing spaces and one trailing "&", "," or "." become exactly one full stop.
void EndSentence(wxString& text);
// " (akapit) " for the periodic assessment and the letter, else empty.
wxString ParagraphMark();
// The last "&" of each sentence becomes " i " or ",ale " (mode -1: by the points on both sides;
// mode 1: always " i "); every other "&" becomes ",".
void JoinConjunctions(wxString& text, int mode);
void Trim(wxString& text);
// A space after each of "!;:,.?" (not at the very end); runs of spaces become one.
void Respace(wxString& text);
// Where a preview changed: start and end of the marking in the new text.
std::pair<int, int> ChangeRange(const wxString& oldText, const wxString& newText);
// The preview form of a finished text: "(akapit)" removed, respaced.
wxString WithoutParagraphs(const wxString& plain);

// Sum and count of non-zero scores; a value above 65535 carries its own count in the high bits.
class ScoreAccumulator {
public:
    void Add(int value);
    int Packed() const { return count_ * 65536 + sum_; }
    int Mean() const { return count_ ? sum_ / count_ : 0; }
    int Sum() const { return sum_; }
    int Count() const { return count_; }

private:
    int sum_ = 0, count_ = 0;
};

// Integer mean of the scores of every assessment-level scored control below root.
int SectionScore(const CtrBase& root);

}  // namespace kw
