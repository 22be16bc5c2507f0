#pragma once
// The composer's steps written literally, one character at a time: a space inserted into the
// text after each punctuation mark and every double space erased where it stands; the rendering
// appending one character after another; the conjunction pass erasing and inserting in place.
// The tests and the benchmarks hold the program's steps against these.

#include <wx/string.h>

namespace kwref {

void LiteralRespace(wxString& text);
// Token::Plain (label false) or Token::Label (label true) for the current context. A mark
// without its closing character gives an empty text.
wxString LiteralRender(const wxString& text, bool label);
void LiteralJoinConjunctions(wxString& text, int mode);

}  // namespace kwref
