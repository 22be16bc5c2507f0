#pragma once
// The texts of an assessment as a teacher copies them into the school's electronic register:
// each section under its heading, paragraph marks turned into blank lines.

#include <array>

#include <wx/string.h>

#include "oc/print_texts.h"

namespace kw {

constexpr int kRegisterSections = 8;

struct RegisterSection {
    wxString heading;  // "Zachowanie", "Zajęcia edukacyjne", ...
    wxString text;     // empty when the section has nothing to copy
};

// The eight sections in the register's order: behaviour, education, religion, ethics,
// additional classes, other classes, individual programme, special achievements. A mark that is
// printed as a dash or left blank ("(kreska)", "(puste)", none) has no text.
std::array<RegisterSection, kRegisterSections> RegisterSections(const PrintTexts& texts);

// A printed text with each "(akapit)" as a paragraph break: paragraphs trimmed, empty ones
// dropped, separated by a blank line.
wxString WithParagraphBreaks(const wxString& printed);

// The non-empty sections, each as its heading on one line and its text below, separated by a
// blank line; empty when every section is.
wxString RegisterText(const PrintTexts& texts);

}  // namespace kw
