#include "support/literal_composition.h"

#include "controls/composer.h"
#include "controls/token.h"

namespace kwref {

void LiteralRespace(wxString& text) {
    kw::Trim(text);
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

wxString LiteralRender(const wxString& text, bool label) {
    kw::Token& token = kw::TheToken();
    wxString out;
    const int n = static_cast<int>(text.length());
    for (int i = 0; i < n; ++i) {
        const wxUniChar c = text[i];
        if (c == '<') {
            out += token.Gender(text, i, label ? 1 : -1);
            if (label && !token.Failed()) out += '/' + token.Gender(text, i, 0);
            if (token.Failed()) return wxString();
        } else if (c == '{' && !label) {
            out += token.Second(text, i, -1);
            if (token.Failed()) return wxString();
        } else if (c != '[' && c != '{') {
            out += c;
            continue;
        }
        const char close = c == '[' ? ']' : c == '<' ? '>' : '}';
        const size_t j = text.find(close, static_cast<size_t>(i));
        if (j == wxString::npos) return wxString();
        i = static_cast<int>(j);
    }
    return out;
}

void LiteralJoinConjunctions(wxString& text, int mode) {
    kw::Token& token = kw::TheToken();
    if (text.empty()) return;
    size_t start = 0;
    size_t dot = text.find('.', 1);
    while (dot != wxString::npos) {
        const size_t amp = text.find_last_of('&', dot - 1);
        if (amp != wxString::npos && amp >= start) {
            const wxString after = text.substr(amp + 1, dot - amp - 1);
            const int right = token.SignClass(after, 0);
            const wxString before = text.substr(start, amp - start);
            const size_t mark = before.find_last_of('[');
            const int left =
                mark == wxString::npos ? 0 : token.SignClass(before, static_cast<int>(mark));
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

}  // namespace kwref
