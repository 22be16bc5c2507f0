#include "klasa/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include <wx/strconv.h>

namespace kw::cp1250 {
namespace {

// The upper half of the code page, taken once from the toolkit's converter.
struct Table {
    std::array<wchar_t, 128> upper{};
    std::vector<std::pair<wchar_t, unsigned char>> reverse;  // sorted by character

    Table() {
        wxCSConv conv(wxFONTENCODING_CP1250);
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char byte[2] = {static_cast<char>(b), '\0'};
            wchar_t wide[4] = {0, 0, 0, 0};
            const size_t n = conv.ToWChar(wide, 4, byte, 1);
            wchar_t c = (n != wxCONV_FAILED && n >= 1 && wide[0] != 0) ? wide[0]
                                                                        : static_cast<wchar_t>(b);
            upper[b - 0x80] = c;
            reverse.emplace_back(c, static_cast<unsigned char>(b));
        }
        std::sort(reverse.begin(), reverse.end());
    }

    // -1 when the character has no byte.
    int ByteOf(wxUniChar c) const {
        const wxUint32 v = c.GetValue();
        if (v < 0x80) return static_cast<int>(v);
        auto it = std::lower_bound(reverse.begin(), reverse.end(),
                                   std::make_pair(static_cast<wchar_t>(v), (unsigned char)0));
        if (it != reverse.end() && static_cast<wxUint32>(it->first) == v) return it->second;
        return -1;
    }
};

const Table& TheTable() {
    static const Table table;
    return table;
}

}  // namespace

bool Encode(const wxString& text, std::string& out) {
    const Table& t = TheTable();
    bool all = true;
    out.reserve(out.size() + text.length());
    for (wxString::const_iterator i = text.begin(); i != text.end(); ++i) {
        const int b = t.ByteOf(*i);
        if (b < 0) {
            all = false;
            continue;
        }
        out.push_back(static_cast<char>(b));
    }
    return all;
}

bool CanHold(wxUniChar c) { return TheTable().ByteOf(c) >= 0; }

bool CanHold(const wxString& text) {
    for (wxString::const_iterator i = text.begin(); i != text.end(); ++i)
        if (!CanHold(*i)) return false;
    return true;
}

wxString Decode(const char* bytes, size_t length) {
    const Table& t = TheTable();
    std::wstring wide;
    wide.resize(length);
    for (size_t i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        wide[i] = b < 0x80 ? static_cast<wchar_t>(b) : t.upper[b - 0x80];
    }
    return wxString(wide);
}

}  // namespace kw::cp1250
