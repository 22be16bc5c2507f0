#pragma once
// The phrase template language: point marks "[1]" or "[2,1,-1]", gender alternatives
// "<masc,fem>" with person splits "<Cię/go,Cię/ją>", and second-person insertions "{sz}".

#include <functional>

#include <wx/string.h>

namespace kw {

// What a rendering depends on, read when it runs.
struct TokenContext {
    int grade = -1;  // 0..2 for a class of grade 1..3; -1 when no class (or no grade) is known
    bool male = true;
    int kind = -1;   // assessment kind 0..2; -1 when there is no assessment
    bool Second() const { return kind == 2; }  // the letter speaks to the pupil
};

class Token {
public:
    using ContextSource = std::function<TokenContext()>;

    Token();

    wxString Plain(const wxString& text);
    wxString Label(const wxString& text);
    int Points(const wxString& text, int from);
    int Score(const wxString& text, int from);
    int SignClass(const wxString& text, int from);
    wxString Gender(const wxString& text, int pos, int mode);
    wxString Second(const wxString& text, int pos, int mode);
    static wxString Expand(const wxString& text);

    static int ScoreOfPoints(int points);  // -1 outside -2..3

    bool Failed() const { return error_; }
    TokenContext Context() const { return source_ ? source_() : TokenContext(); }
    void SetContextSource(ContextSource source) { source_ = std::move(source); }

    // The internal check every rendering starts with.
    void CheckClear() const;

private:
    void Report(const wxString& message, bool setsFlag = true);
    wxString Render(const wxString& text, bool label);

    bool error_ = false;
    ContextSource source_;
};

// The program's one processor.
Token& TheToken();

}  // namespace kw
