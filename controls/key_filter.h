#pragma once
// What a text field lets through, as pure logic the widgets call: the key filter of the five kinds
// and the cut of text that is pasted or set from outside.

#include <wx/string.h>

namespace kw {

// The file-name characters refused by kind 3: \ / : * ? " < > | and the full stop.
extern const char kFileNameChars[];
// The characters of the phrase language, refused in every typed text of the editor.
extern const char kMarkChars[];

class KeyFilter {
public:
    // kind 1: anything; 2: digits only; 3: no file-name characters; 4: refuse the set;
    // 5: only the set. Kinds 2 and 3 take their own sets.
    KeyFilter(int maxLength, int kind, const wxString& set = wxString(), bool swallowEnter = true);

    // A key typed into a text of the given length: the character's code in the class file's code
    // page, or a key code for a key that types nothing (backspace, arrows...).
    bool Accept(int code, int length) const;
    // The same for a character typed; a character the class file cannot hold is refused.
    bool AcceptChar(wxUniChar c, int length) const;

    // Text set or pasted from outside: characters the class file cannot hold are dropped and the
    // rest cut to the maximum length.
    wxString Fit(const wxString& text) const;
    // Text the teacher inserts (pasted, dropped, typed through an input method) into a text of
    // the given length: what no key of the field could type is dropped (line breaks stay in a
    // multi-line text, tabs everywhere), the rest cut to the room left.
    wxString FitInsert(const wxString& inserted, int length, bool multiLine) const;

    int MaxLength() const { return max_; }
    int Kind() const { return kind_; }

    static bool IsSpecial(int code);
    // The code a character types (its Windows-1250 byte), or -1 when it has none.
    static int CodeOf(wxUniChar c);

private:
    // A printable character's code passes the filter kind's set.
    bool KindAccepts(int code) const;

    int max_;
    int kind_;
    wxString set_;
    bool swallowEnter_;
};

}  // namespace kw
