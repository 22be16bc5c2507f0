#pragma once
// Texts of every kind that a text box meets, for comparing two ways of fitting them: sentences of
// Polish words, paragraph markers in and between words, runs of spaces, spaces at both ends,
// words wider than any box, texts of up to three characters, empty texts, capitals for kerning.

#include <vector>

#include <wx/string.h>

namespace kwtest {

// maxWords bounds the longer texts.
std::vector<wxString> VariedTexts(int count, unsigned seed, int maxWords = 160);

}  // namespace kwtest
