#pragma once
// Texts are written in the source as UTF-8 literals, byte for byte as the program shows them.

#include <wx/string.h>

namespace kw {
inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
}  // namespace kw
