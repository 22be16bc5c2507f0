#include "controls/composer.h"

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
    const int kind = TheToken().Context().kind;
    return kind == 1 || kind == 2 ? wxString(kParagraphMark) : wxString();
}

void JoinConjunctions(wxString& text, int mode) {
    Token& token = TheToken();
    token.CheckClear();
    if (text.empty()) return;
    size_t start = 0;
    size_t dot = text.find('.', 1);
    while (dot != wxString::npos) {
        const size_t amp = text.find_last_of('&', dot - 1);
        if (amp != wxString::npos && amp >= start) {
            // Only the phrases of this sentence decide: a phrase without points counts as 0.
            const wxString after = text.substr(amp + 1, dot - amp - 1);
            const int right = token.SignClass(after, 0);
            const wxString before = text.substr(start, amp - start);
            const size_t mark = before.find_last_of('[');
            const int left = mark == wxString::npos ? 0 : token.SignClass(before, static_cast<int>(mark));
            text.erase(amp, 1);
            wxString conj;
            if (mode == -1) conj = (left < 0) == (right < 0) ? " i " : ",ale ";
            else if (mode == 1) conj = " i ";
            text.insert(amp, conj);
            dot = dot - 1 + conj.length();
        }
        start = dot;
        dot = text.find('.', dot + 1);
    }
    text.Replace("&", ",");
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

void Respace(wxString& text) {
    Trim(text);
    if (text.length() < 4) return;
    static const wxString punctuation = "!;:,.?";
    for (size_t i = 0; i + 1 < text.length(); ++i) {
        if (punctuation.find(text[i]) != wxString::npos) {
            text.insert(i + 1, " ");
            ++i;
        }
    }
    for (size_t i = 0; i + 1 < text.length();) {
        if (text[i] == ' ' && text[i + 1] == ' ') text.erase(i, 1);
        else ++i;
    }
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
    text.Replace("(akapit)", "");
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
