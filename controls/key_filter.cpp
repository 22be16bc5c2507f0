#include "controls/key_filter.h"

#include <string>

#include "app/assertion.h"
#include "klasa/cp1250.h"

namespace kw {

const char kFileNameChars[] = "\\/:*?\"<>|.";
const char kMarkChars[] = "<>[]{}";

KeyFilter::KeyFilter(int maxLength, int kind, const wxString& set, bool swallowEnter)
    : max_(maxLength), kind_(kind), set_(set), swallowEnter_(swallowEnter) {
    KW_ASSERT(maxLength >= 1 && kind >= 1 && kind <= 5, "controls");
    if (kind == 2) {
        kind_ = 5;
        set_ = "0123456789";
    } else if (kind == 3) {
        kind_ = 4;
        set_ = kFileNameChars;
    }
}

bool KeyFilter::IsSpecial(int code) { return !((code >= 32 && code <= 126) || (code >= 128 && code <= 255)); }

int KeyFilter::CodeOf(wxUniChar c) {
    std::string byte;
    if (!cp1250::Encode(wxString(c), byte) || byte.size() != 1) return -1;
    return static_cast<unsigned char>(byte[0]);
}

bool KeyFilter::Accept(int code, int length) const {
    if (swallowEnter_ && code == 13) return false;
    if (length >= max_) return IsSpecial(code);
    return IsSpecial(code) || KindAccepts(code);
}

bool KeyFilter::KindAccepts(int code) const {
    const bool inSet = set_.find(cp1250::Decode(std::string(1, static_cast<char>(code)))) !=
                       wxString::npos;
    switch (kind_) {
        case 4: return !inSet;
        case 5: return inSet;
        default: return true;
    }
}

bool KeyFilter::AcceptChar(wxUniChar c, int length) const {
    const int code = CodeOf(c);
    return code >= 0 && Accept(code, length);
}

wxString KeyFilter::Fit(const wxString& text) const {
    std::string bytes;
    cp1250::Encode(text, bytes);
    wxString kept = cp1250::Decode(bytes);
    if (static_cast<int>(kept.length()) > max_) kept.Truncate(static_cast<size_t>(max_));
    return kept;
}

wxString KeyFilter::FitInsert(const wxString& inserted, int length, bool multiLine) const {
    wxString kept;
    for (wxString::const_iterator i = inserted.begin(); i != inserted.end(); ++i) {
        if (length + static_cast<int>(kept.length()) >= max_) break;
        const wxUniChar c = *i;
        bool keep;
        if (c == '\n') {
            keep = multiLine;
        } else if (c == '\t') {
            keep = true;
        } else {
            const int code = CodeOf(c);
            keep = code >= 0 && !IsSpecial(code) && KindAccepts(code);
        }
        if (keep) kept += c;
    }
    return kept;
}

}  // namespace kw
