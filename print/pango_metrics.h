#pragma once
// Text measured with Pango in unhinted, resolution-independent metrics, so that the lines fitted
// for a gauge are the lines drawn on the screen, into a PDF and on paper. The faces of the font
// table are resolved through fontconfig to installed families.

#include <memory>
#include <vector>

#include <pango/pango.h>

#include "print/text_metrics.h"

namespace kw {

// The families tried for a face, in order: the named face, then its metric-compatible stand-ins.
std::vector<wxString> FaceCandidates(Face face);
// The first candidate fontconfig has installed, spelled as installed; empty when none is.
wxString ResolveFace(Face face);

class PangoTextMetrics : public TextMetrics {
public:
    // Nullptr, with a message naming the missing face, when no family of a face is installed.
    static std::unique_ptr<PangoTextMetrics> Create(wxString* error);
    ~PangoTextMetrics() override;
    PangoTextMetrics(const PangoTextMetrics&) = delete;
    PangoTextMetrics& operator=(const PangoTextMetrics&) = delete;

    int Width(const wxString& text, const FontSpec& font) override;
    int Height(const wxString& text, const FontSpec& font) override;

    const wxString& Family(Face face) const { return families_[static_cast<int>(face)]; }
    // The Pango description of a table font (owned by this object).
    const PangoFontDescription* Describe(const FontSpec& font);
    // The context settings every measuring and drawing context shares: no hinting of metrics,
    // glyph positions not rounded to device units.
    static void Configure(PangoContext* context);

private:
    PangoTextMetrics() = default;
    // Logical extent in points.
    void Extent(const wxString& text, const FontSpec& font, double& width, double& height);

    wxString families_[2];
    PangoContext* context_ = nullptr;
    PangoLayout* layout_ = nullptr;
    std::vector<std::pair<int, PangoFontDescription*>> descriptions_;
};

// The text as Pango takes it: UTF-8, without the tabs that only mark a paragraph's end.
std::string DrawnUtf8(const wxString& text);

// Frees Pango's font caches at the end of a process that drew without a toolkit (kwerlo-cli, the
// tests), so that a leak checker sees only real leaks (fontconfig's configuration stays: freeing it
// while Pango may still hold fonts aborts). Nothing may measure or draw afterwards.
void ReleaseTextCaches();

}  // namespace kw
