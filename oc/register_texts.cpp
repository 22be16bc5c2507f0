#include "oc/register_texts.h"

#include "app/utf8.h"

namespace kw {
namespace {

// A mark carries a text only when it is printed as it reads.
wxString MarkText(const wxString& mark) {
    if (mark.empty() || mark.Contains("kreska") || mark.Contains("puste")) return wxString();
    return mark;
}

}  // namespace

wxString WithParagraphBreaks(const wxString& printed) {
    wxString out;
    size_t from = 0;
    while (from <= printed.length()) {
        size_t mark = printed.find("(akapit)", from);
        if (mark == wxString::npos) mark = printed.length();
        wxString paragraph = printed.substr(from, mark - from);
        paragraph.Trim(true).Trim(false);  // also the line breaks of a manual text
        if (!paragraph.empty()) {
            if (!out.empty()) out += "\n\n";
            out += paragraph;
        }
        from = mark + 8;
    }
    return out;
}

std::array<RegisterSection, kRegisterSections> RegisterSections(const PrintTexts& t) {
    return {{
        {U("Zachowanie"), WithParagraphBreaks(t.behaviour)},
        {U("Zajęcia edukacyjne"), WithParagraphBreaks(t.education)},
        {U("Religia"), MarkText(t.religion)},
        {U("Etyka"), MarkText(t.ethics)},
        {U("Dodatkowe zajęcia edukacyjne"), WithParagraphBreaks(t.additional)},
        {U("Inne zajęcia"), WithParagraphBreaks(t.other)},
        {U("Indywidualny program"), WithParagraphBreaks(t.individual)},
        {U("Szczególne osiągnięcia"), WithParagraphBreaks(t.achievements)},
    }};
}

wxString RegisterText(const PrintTexts& texts) {
    wxString out;
    for (const RegisterSection& s : RegisterSections(texts)) {
        if (s.text.empty()) continue;
        if (!out.empty()) out += "\n\n";
        out += s.heading + "\n" + s.text;
    }
    return out;
}

}  // namespace kw
