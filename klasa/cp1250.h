#pragma once
// Windows-1250, the encoding of every stored text. Conversion happens at the record boundary only.

#include <string>
#include <wx/string.h>

namespace kw::cp1250 {

// Appends the Windows-1250 bytes of text to out. A character the encoding cannot hold is left
// out; the result tells whether every character was kept.
bool Encode(const wxString& text, std::string& out);

// True if every character of text has a Windows-1250 byte.
bool CanHold(const wxString& text);
bool CanHold(wxUniChar c);

// Text of Windows-1250 bytes. The five bytes the code page leaves undefined read as the C1 control
// of the same number, so that they survive a round trip.
wxString Decode(const char* bytes, size_t length);
inline wxString Decode(const std::string& bytes) { return Decode(bytes.data(), bytes.size()); }

}  // namespace kw::cp1250
