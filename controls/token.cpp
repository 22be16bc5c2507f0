#include "controls/token.h"

#include <algorithm>

#include "app/assertion.h"
#include "app/messages.h"
#include "app/utf8.h"

namespace kw {
namespace {

constexpr int kMinPoints = -2;
constexpr int kMaxPoints = 3;

int Find(const wxString& text, wxUniChar c, int from) {
    const int n = static_cast<int>(text.length());
    if (n == 0 || from < 0 || from >= n) return -1;
    for (int i = from; i < n; ++i)
        if (text[i] == c) return i;
    return -1;
}

bool IsMarkStart(wxUniChar c) { return c == '[' || c == '<' || c == '{'; }

bool IsSpace(wxUniChar c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One "%d" of formatted input: white space, an optional sign and at least one digit.
bool ScanInt(const wxString& t, size_t& i, int& out) {
    size_t j = i;
    while (j < t.length() && IsSpace(t[j])) ++j;
    bool neg = false;
    if (j < t.length() && (t[j] == '+' || t[j] == '-')) neg = t[j++] == '-';
    if (j >= t.length() || t[j] < '0' || t[j] > '9') return false;
    long long v = 0;
    while (j < t.length() && t[j] >= '0' && t[j] <= '9') {
        if (v < 1000000000LL) v = v * 10 + (t[j].GetValue() - '0');
        ++j;
    }
    out = static_cast<int>(neg ? -v : v);
    i = j;
    return true;
}

// " , " of the pattern: any white space, a comma, any white space.
bool ScanComma(const wxString& t, size_t& i) {
    size_t j = i;
    while (j < t.length() && IsSpace(t[j])) ++j;
    if (j >= t.length() || t[j] != ',') return false;
    i = j + 1;
    return true;
}

}  // namespace

Token::Token() = default;

Token& TheToken() {
    static Token token;
    return token;
}

void Token::CheckClear() const {
    KW_ASSERT_MSG(!error_, "controls", "a phrase text had a syntax error earlier");
}

void Token::Report(const wxString& message, bool setsFlag) {
    TheMessages().Show(message, U("Błąd składni"), Buttons::Ok, Icon::Error);
    if (setsFlag) error_ = true;
}

int Token::ScoreOfPoints(int points) {
    switch (points) {
        case -2: return 1;
        case -1: return 20;
        case 0: return 0;
        case 1: return 80;
        case 2: return 90;
        case 3: return 100;
        default: return -1;
    }
}

int Token::Points(const wxString& text, int from) {
    CheckClear();
    const int open = Find(text, '[', from);
    if (open < 0) return 0;
    if (Find(text, ']', open + 1) < 0) {
        Report(U("Brak zamknięcia nawiasu ]"));
        return 0;
    }
    int v[3] = {0, 0, 0};
    int read = 0;
    size_t i = static_cast<size_t>(open) + 1;
    while (read < 3) {
        if (read > 0 && !ScanComma(text, i)) break;
        if (!ScanInt(text, i, v[read])) break;
        ++read;
    }
    for (int value : v) {
        if (value < kMinPoints || value > kMaxPoints) {
            Report(wxString::Format(U("Niewłaściwa wartość punktu %d\nPowinno być od %d do %d"),
                                    value, kMinPoints, kMaxPoints));
            return 0;
        }
    }
    switch (read) {
        case 1: return v[0];
        case 2: v[2] = v[1]; [[fallthrough]];
        case 3: {
            const int grade = Context().grade;
            return grade >= 0 && grade <= 2 ? v[grade] : v[0];
        }
        default:
            Report(U("Brak punktów lub nieprawidłowe liczby w nawiasie []"));
            return 0;
    }
}

int Token::Score(const wxString& text, int from) {
    const int p = Points(text, from);
    const int score = ScoreOfPoints(p);
    if (score < 0) {
        Report(wxString::Format(U("Niewłaściwa wartość punktu %d\nPowinno być od %d do %d"), p,
                                kMinPoints, kMaxPoints));
        return 0;
    }
    return score;
}

int Token::SignClass(const wxString& text, int from) {
    const int p = Points(text, from);
    if (p >= 2) return 2;
    if (p == 1) return 1;
    if (p == 0) return 0;
    return -1;
}

wxString Token::Gender(const wxString& text, int pos, int mode) {
    CheckClear();
    const int open = Find(text, '<', pos);
    if (open < 0) return wxString();
    const int close = Find(text, '>', open + 1);
    if (close < 0) {
        Report(U("Brak zamknięcia nawiasu >"));
        return wxString();
    }
    const int n = static_cast<int>(text.length());
    const int comma = Find(text, ',', open + 1);
    if (comma < 0 || comma > close) {
        Report(U("Brak przecinka po rodzaju męskim\nMusi Wystąpić jeśli nawet nie ma sufiksu dla "
                 "niego np. 'musiał<,a>'"));
        return wxString();
    }
    // Only the form itself is searched: the next "/" of the text may lie far beyond it.
    auto splitBetween = [&](int a, int b) {
        for (int k = a + 1; k < b && k < n; ++k)
            if (text[k] == '/') return true;
        return false;
    };
    wxString form[2][2];  // [masculine, feminine][second, third]
    auto nested = [&]() { Report(U("Zagnieżdżone nawiasy")); };

    // Masculine form.
    bool split = splitBetween(open, comma);
    int person = 0;
    int i = open + 1;
    for (;; ++i) {
        if (i >= n || text[i] == '[' || text[i] == '{') {
            nested();
            return wxString();
        }
        const wxUniChar c = text[i];
        if (c == ',') break;
        if (c == '/') {
            person = 1;
            if (i + 1 < n && text[i + 1] == ',') {
                ++i;
                break;
            }
            continue;
        }
        if (split) form[0][person] += c;
        else {
            form[0][0] += c;
            form[0][1] += c;
        }
    }
    // Feminine form, after the comma.
    const int fem = i;
    split = splitBetween(fem, close);
    person = 0;
    bool closed = false;
    for (i = fem + 1;; ++i) {
        if (i >= n || text[i] == '[' || text[i] == '{') {
            nested();
            return wxString();
        }
        const wxUniChar c = text[i];
        if (c == '>') {
            closed = true;
            break;
        }
        if (c == ',') break;
        if (c == '/') {
            person = 1;
            continue;
        }
        if (split) form[1][person] += c;
        else {
            form[1][0] += c;
            form[1][1] += c;
        }
    }
    if (!closed) {
        Report(U("Brak zamknięcia nawiasu >"));
        return wxString();
    }
    const TokenContext ctx = Context();
    const int p = ctx.Second() ? 0 : 1;
    if (mode == 1) return form[0][p];
    if (mode == 0) return form[1][p];
    return ctx.male ? form[0][p] : form[1][p];
}

wxString Token::Second(const wxString& text, int pos, int mode) {
    CheckClear();
    const int open = Find(text, '{', pos);
    if (open < 0) return wxString();
    if (Find(text, '}', open + 1) < 0) {
        Report(U("Brak zamknięcia nawiasu }"));
        return wxString();
    }
    wxString content;
    for (size_t i = static_cast<size_t>(open) + 1;; ++i) {
        if (i >= text.length() || text[i] == '[' || text[i] == '<') {
            Report(U("Zagnieżdżone nawiasy"));
            return wxString();
        }
        if (text[i] == '}') break;
        content += text[i];
    }
    if (mode == 2) return content;
    if (mode == 3) return wxString();
    return Context().Second() ? content : wxString();
}

// The walk of Plain and Label: point marks skipped; a gender alternative as the current sex's form
// (plain) or as "masculine/feminine" (label); a second-person insertion kept in the second person
// (plain) or dropped (label). A mark without its closing character ends the walk with an empty
// text; only in a caption does it set the sticky flag. Text between marks is copied in runs.
wxString Token::Render(const wxString& text, bool label) {
    CheckClear();
    wxString out;
    out.reserve(std::max<size_t>(128, text.length()));
    const size_t n = text.length();
    size_t i = 0;
    while (i < n) {
        size_t mark = i;
        while (mark < n && !IsMarkStart(text[mark])) ++mark;
        if (mark == n) {
            out.append(text, i, wxString::npos);
            break;
        }
        out.append(text, i, mark - i);
        const wxUniChar c = text[mark];
        const int at = static_cast<int>(mark);
        if (c == '<') {
            out += Gender(text, at, label ? 1 : -1);
            if (label && !error_) out += '/' + Gender(text, at, 0);
            if (error_) return wxString();
        } else if (c == '{' && !label) {
            out += Second(text, at, -1);
            if (error_) return wxString();
        }
        const char close = c == '[' ? ']' : c == '<' ? '>' : '}';
        const int j = Find(text, close, at);
        if (j < 0) {
            Report(wxString::Format(U("Brak zamknięcia nawiasu %c"), close), label);
            return wxString();
        }
        i = static_cast<size_t>(j) + 1;
    }
    return out;
}

wxString Token::Plain(const wxString& text) { return Render(text, false); }

wxString Token::Label(const wxString& text) { return Render(text, true); }

wxString Token::Expand(const wxString& text) {
    TheToken().CheckClear();
    wxString out;
    out.reserve(text.length() + 16);
    const size_t n = text.length();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '(' && i + 2 < n && text[i + 2] == ')' &&
            (text[i + 1] == '+' || text[i + 1] == '-' || text[i + 1] == '=')) {
            out += text[i + 1] == '+' ? "[2]" : text[i + 1] == '-' ? "[-1]" : "[1]";
            i += 3;
            if (i >= n) break;
            out += text[i];  // taken as it is, without looking for a shorthand here
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace kw
