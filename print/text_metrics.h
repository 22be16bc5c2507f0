#pragma once
// Measuring printed text: the width and height of a text in a font of the font table, in
// micrometres on paper. The drawing library measures with Pango; the core's fitting, checks and
// gauges see only this interface.

#include <wx/string.h>

namespace kw {

// The two faces of the printed documents: "Times new roman CE" and "Arial Narrow".
enum class Face { Serif, Narrow };

struct FontSpec {
    Face face = Face::Serif;
    int points = 10;
    bool italic = false;
    bool bold = false;
    bool operator==(const FontSpec& o) const {
        return face == o.face && points == o.points && italic == o.italic && bold == o.bold;
    }
    // A small number that tells fonts apart, for caches.
    int Key() const { return ((static_cast<int>(face) * 128 + points) * 2 + italic) * 2 + bold; }
};

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Widths and heights of the text's logical extent, truncated to whole micrometres. A tab
    // marks the end of a paragraph and is never drawn: it has no width.
    virtual int Width(const wxString& text, const FontSpec& font) = 0;
    virtual int Height(const wxString& text, const FontSpec& font) = 0;
};

// The front end installs the metrics the checks and gauges measure with; without them the space
// checks cannot run.
TextMetrics* InstalledTextMetrics();
void InstallTextMetrics(TextMetrics* metrics);  // nullptr removes them

}  // namespace kw
