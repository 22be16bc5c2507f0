// Text measured with Pango: the faces fontconfig gives, and metrics that do not depend on a
// device.

#include <gtest/gtest.h>

#include <pango/pangocairo.h>

#include "app/utf8.h"
#include "print/fitting.h"
#include "print/fonts.h"
#include "print/pango_metrics.h"
#include "print/text_boxes.h"
#include "support/varied_texts.h"

namespace {

using kw::U;

std::unique_ptr<kw::PangoTextMetrics> Metrics() {
    wxString error;
    auto m = kw::PangoTextMetrics::Create(&error);
    EXPECT_TRUE(m) << error.utf8_string();
    return m;
}

// The face Pango really loads for a table font: fontconfig must not fall back to another family,
// nor fake the style or the weight.
TEST(PangoMetrics, EveryTableFontIsAnInstalledListedFace) {
    auto metrics = Metrics();
    ASSERT_TRUE(metrics);
    PangoFontMap* map = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(map);
    for (kw::Face face : {kw::Face::Serif, kw::Face::Narrow}) {
        const wxString family = metrics->Family(face);
        const std::vector<wxString> listed = kw::FaceCandidates(face);
        EXPECT_NE(std::find(listed.begin(), listed.end(), family), listed.end())
            << "fontconfig resolved to \"" << family.utf8_string()
            << "\", which is none of the listed faces; install fonts-liberation";
    }
    for (int index : {1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 15, 16}) {
        const kw::FontSpec spec = kw::TableFont(index, 10);
        PangoFont* font = pango_font_map_load_font(map, context, metrics->Describe(spec));
        ASSERT_TRUE(font) << index;
        PangoFontDescription* loaded = pango_font_describe(font);
        EXPECT_EQ(wxString::FromUTF8(pango_font_description_get_family(loaded)),
                  metrics->Family(spec.face))
            << "font " << index << ": fontconfig picked another face";
        EXPECT_EQ(pango_font_description_get_style(loaded) == PANGO_STYLE_ITALIC, spec.italic) << index;
        EXPECT_EQ(pango_font_description_get_weight(loaded) >= PANGO_WEIGHT_BOLD, spec.bold) << index;
        pango_font_description_free(loaded);
        g_object_unref(font);
    }
    g_object_unref(context);
}

TEST(PangoMetrics, WidthsAreUnhintedAndScaleWithTheSize) {
    auto m = Metrics();
    ASSERT_TRUE(m);
    const kw::FontSpec serif10{kw::Face::Serif, 10, false, false};
    const kw::FontSpec narrow10{kw::Face::Narrow, 10, false, false};
    // Times New Roman and its stand-in: "a" is 909/2048 em; Arial Narrow: 934/2048 em.
    EXPECT_NEAR(m->Width("a", serif10), 909.0 / 2048 * 10 * 25400 / 72, 1.0);
    EXPECT_NEAR(m->Width("a", narrow10), 934.0 / 2048 * 10 * 25400 / 72, 1.0);
    const wxString text = U("Świadectwo szkolne, zajęcia edukacyjne");
    for (int points : {7, 9, 13, 22}) {
        kw::FontSpec f = serif10;
        f.points = points;
        // Pango keeps glyph positions in 1/1024 of a unit: a few µm over a line.
        EXPECT_NEAR(m->Width(text, f), m->Width(text, serif10) * points / 10.0, 10.0) << points;
    }
    // A line is about 1.15 em high.
    EXPECT_NEAR(m->Height("a", serif10), 10 * 1.15 * 25400 / 72, 200);
    // Tabs only mark a paragraph's end.
    EXPECT_EQ(m->Width("ab\t", serif10), m->Width("ab", serif10));
    // Long texts do not overflow.
    wxString longText;
    for (int i = 0; i < 4000; ++i) longText += "slowo ";
    EXPECT_NEAR(m->Width(longText, serif10), 4000.0 * m->Width("slowo ", serif10), 4000.0);
}

// The fast break gives the remeasuring one's lines with real shaping too (kerning, ligatures).
TEST(PangoMetrics, FastLineBreaksMatchRemeasuring) {
    auto m = Metrics();
    ASSERT_TRUE(m);
    kw::TextFitter fast(*m, kw::BreakMethod::Fast), slow(*m, kw::BreakMethod::Remeasure);
    const std::vector<wxString> texts = kwtest::VariedTexts(150, 11, 70);
    for (const wxString& text : texts) {
        for (int size : {9, 13}) {
            for (auto box : {kw::kBehaviourBox, kw::kEducationBox}) {
                const kw::FitResult a = kw::CertificatePercent(slow, size, box, text);
                const kw::FitResult b = kw::CertificatePercent(fast, size, box, text);
                ASSERT_EQ(a.percent, b.percent) << text.utf8_string();
                ASSERT_EQ(a.lines, b.lines) << text.utf8_string();
            }
        }
        const kw::FitResult a = kw::LetterPercent(slow, text), b = kw::LetterPercent(fast, text);
        ASSERT_EQ(a.percent, b.percent) << text.utf8_string();
        ASSERT_EQ(a.lines, b.lines) << text.utf8_string();
    }
}

}  // namespace
