#include "controls/composer.h"

#include <string>

#include "app/app_state.h"
#include "controls/ctr_base.h"
#include "controls/registry.h"
#include "controls/token.h"

namespace kw {

const char kParagraphMark[] = " (akapit) ";

void EndSentence(wxString& text) {
    if (text.empty()) return;
    size_t i = text.length() - 1;
    while (i > 0 && text[i] == ' ') --i;
    const wxUniChar c = text[i];
    text.Truncate(c == '&' || c == ',' || c == '.' ? i : i + 1);
    text += '.';
}

wxString ParagraphMark() {
    static const wxString mark(kParagraphMark);
    const int kind = TheToken().Context().kind;
    return kind == 1 || kind == 2 ? mark : wxString();
}

void JoinConjunctions(wxString& text, int mode) {
    Token& token = TheToken();
    token.CheckClear();
    if (text.empty()) return;
    // One pass: sentences are found in the text as it came, and the result is built beside it,
    // so that no insertion moves the rest of the text.
    wxString out;
    out.reserve(text.length() + 64);
    size_t copied = 0;  // text[0, copied) is in out
    size_t start = 0;
    for (size_t dot = text.find('.', 1); dot != wxString::npos; dot = text.find('.', dot + 1)) {
        size_t amp = dot;
        while (amp > start && text[amp - 1] != '&') --amp;
        if (amp > start) {
            --amp;
            // Only the phrases of this sentence decide: a phrase without points counts as 0.
            const int right = token.SignClass(text.substr(amp + 1, dot - amp - 1), 0);
            const wxString before = text.substr(start, amp - start);
            const size_t mark = before.find_last_of('[');
            const int left = mark == wxString::npos ? 0 : token.SignClass(before, static_cast<int>(mark));
            out.append(text, copied, amp - copied);
            if (mode == -1) out += (left < 0) == (right < 0) ? wxS(" i ") : wxS(",ale ");
            else if (mode == 1) out += wxS(" i ");
            copied = amp + 1;
        }
        start = dot;
    }
    out.append(text, copied, wxString::npos);
    for (wxString::iterator it = out.begin(); it != out.end(); ++it)
        if (*it == '&') *it = ',';
    text.swap(out);
}

void Trim(wxString& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == wxString::npos) {
        text.clear();
        return;
    }
    const size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
}

namespace {
bool TakesSpaceAfter(wchar_t c) {
    return c == L'!' || c == L';' || c == L':' || c == L',' || c == L'.' || c == L'?';
}
}  // namespace

void Respace(wxString& text) {
    Trim(text);
    const size_t n = text.length();
    if (n < 4) return;
    // Built beside the text in one pass: a space after each punctuation mark but the last
    // character, and no space after a space.
    const wxWX2WCbuf source = text.wc_str();
    const wchar_t* in = source;
    std::wstring buffer(2 * n, L' ');  // at most one space after each character
    wchar_t* out = &buffer[0];
    size_t length = 0;
    wchar_t previous = 0;
    for (size_t i = 0; i < n; ++i) {
        const wchar_t c = in[i];
        if (c != L' ' || previous != L' ') out[length++] = c;
        previous = c;
        if (i + 1 < n && TakesSpaceAfter(c)) {
            out[length++] = L' ';
            previous = L' ';
        }
    }
    text = wxString(out, length);
}

std::pair<int, int> ChangeRange(const wxString& oldText, const wxString& newText) {
    const size_t shorter = std::min(oldText.length(), newText.length());
    size_t i = 0;
    while (i < shorter && oldText[i] == newText[i]) ++i;
    const int n = static_cast<int>(newText.length());
    const int at = static_cast<int>(i);
    if (at + 3 < n) return {at, at + 3};
    return {std::max(n - 3, 0), std::max(n - 1, 0)};
}

wxString WithoutParagraphs(const wxString& plain) {
    wxString text = plain;
    text.Replace(wxS("(akapit)"), wxString());
    Respace(text);
    return text;
}

void ScoreAccumulator::Add(int value) {
    if ((value & 0xFFFF) == 0) return;
    sum_ += value & 0xFFFF;
    count_ += value > 65535 ? (value >> 16) : 1;
}

int SectionScore(const CtrBase& root) {
    LoadingGuard loading;
    ScoreAccumulator acc;
    for (CtrBase* c : TheRegistry().Walk(root.RegistryIndex()))
        if ((c->Flags() & kLevelAssessment) && (c->Flags() & kScored)) acc.Add(c->ComputeScore());
    return acc.Mean();
}

}  // namespace kw
