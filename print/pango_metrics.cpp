#include "print/pango_metrics.h"

#include <cmath>

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

namespace kw {
namespace {

// Measuring happens at 72 units per inch: one unit is a point, and Pango's integer units
// (1/1024 of a point) hold a whole text without overflowing.
constexpr double kMeasureDpi = 72.0;
constexpr double kMicrometresPerPoint = 25400.0 / 72.0;

}  // namespace

std::vector<wxString> FaceCandidates(Face face) {
    if (face == Face::Serif) return {"Times new roman CE", "Times New Roman", "Liberation Serif"};
    return {"Arial Narrow", "Liberation Sans Narrow"};
}

wxString ResolveFace(Face face) {
    if (!FcInit()) return wxString();
    for (const wxString& name : FaceCandidates(face)) {
        const std::string utf8 = name.utf8_string();
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
        wxString found;
        for (int i = 0; fonts && i < fonts->nfont && found.empty(); ++i) {
            // A font can carry several family names (localised ones); take the one asked for.
            FcChar8* family = nullptr;
            for (int k = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, k, &family) ==
                            FcResultMatch;
                 ++k) {
                const wxString f = wxString::FromUTF8(reinterpret_cast<const char*>(family));
                if (f.CmpNoCase(name) == 0) {
                    found = f;
                    break;
                }
            }
        }
        if (fonts) FcFontSetDestroy(fonts);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        if (!found.empty()) return found;
    }
    return wxString();
}

void ReleaseTextCaches() { pango_cairo_font_map_set_default(nullptr); }

std::string DrawnUtf8(const wxString& text) {
    if (text.find('\t') == wxString::npos) return text.utf8_string();
    wxString copy = text;
    copy.Replace("\t", "");
    return copy.utf8_string();
}

void PangoTextMetrics::Configure(PangoContext* context) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context, FALSE);
}

std::unique_ptr<PangoTextMetrics> PangoTextMetrics::Create(wxString* error) {
    std::unique_ptr<PangoTextMetrics> m(new PangoTextMetrics);
    for (Face face : {Face::Serif, Face::Narrow}) {
        m->families_[static_cast<int>(face)] = ResolveFace(face);
        if (m->families_[static_cast<int>(face)].empty()) {
            if (error) {
                *error = "no font installed for";
                for (const wxString& c : FaceCandidates(face)) *error += " \"" + c + "\"";
            }
            return nullptr;
        }
    }
    m->context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
    pango_cairo_context_set_resolution(m->context_, kMeasureDpi);
    Configure(m->context_);
    m->layout_ = pango_layout_new(m->context_);
    return m;
}

PangoTextMetrics::~PangoTextMetrics() {
    for (auto& d : descriptions_) pango_font_description_free(d.second);
    if (layout_) g_object_unref(layout_);
    if (context_) g_object_unref(context_);
}

const PangoFontDescription* PangoTextMetrics::Describe(const FontSpec& font) {
    const int key = font.Key();
    for (auto& d : descriptions_)
        if (d.first == key) return d.second;
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, Family(font.face).utf8_string().c_str());
    pango_font_description_set_size(desc, font.points * PANGO_SCALE);
    pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_weight(desc, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    descriptions_.emplace_back(key, desc);
    return desc;
}

void PangoTextMetrics::Extent(const wxString& text, const FontSpec& font, double& width,
                              double& height) {
    const std::string utf8 = DrawnUtf8(text);
    pango_layout_set_font_description(layout_, Describe(font));
    pango_layout_set_text(layout_, utf8.data(), static_cast<int>(utf8.size()));
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    width = static_cast<double>(logical.width) / PANGO_SCALE;
    height = static_cast<double>(logical.height) / PANGO_SCALE;
}

int PangoTextMetrics::Width(const wxString& text, const FontSpec& font) {
    double w, h;
    Extent(text, font, w, h);
    return static_cast<int>(std::trunc(w * kMicrometresPerPoint));
}

int PangoTextMetrics::Height(const wxString& text, const FontSpec& font) {
    double w, h;
    Extent(text, font, w, h);
    return static_cast<int>(std::trunc(h * kMicrometresPerPoint));
}

}  // namespace kw
