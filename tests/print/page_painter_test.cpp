// Text blocks as the painter draws them: justified lines, paragraph indents, and the rules that
// strike out what a text leaves empty.

#include <gtest/gtest.h>

#include <cairo.h>

#include "app/utf8.h"
#include "print/fonts.h"
#include "print/page_output.h"
#include "print/page_painter.h"
#include "support/pdf_words.h"
#include "support/test_support.h"

namespace {

using kw::U;

class PainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        metrics = kw::PangoTextMetrics::Create(nullptr);
        ASSERT_TRUE(metrics);
    }
    // A page drawn on paper at 254 dpi: a pixel is 100 µm.
    kwtest::Raster Draw(const std::function<void(kw::PagePainter&)>& draw) {
        const int w = kw::kA4Width / 100, h = 80000 / 100;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_scale(cr, 0.01, 0.01);
        {
            kw::PagePainter p(cr, *metrics, kw::PageMode{true, true});
            p.SelectFont(6);
            draw(p);
        }
        cairo_destroy(cr);
        const std::string path = dir.File("block.png");
        cairo_surface_write_to_png(s, path.c_str());
        cairo_surface_destroy(s);
        return kwtest::ReadPng(path);
    }
    // Whether a rule lies across [x1, x2) at the height of a Rule(…, y): dark along it, and
    // nothing dark just before x1 or after x2 on that row.
    static bool RuledBetween(const kwtest::Raster& r, int x1, int x2, int y) {
        const int row = (y + 1900) / 100;
        auto dark = [&](int x) { return (r.At(x / 100, row) & 0xff) < 100; };
        for (int x = x1 + 200; x < x2 - 200; x += 500)
            if (!dark(x)) return false;
        return !dark(x1 - 400) && !dark(x2 + 400);
    }
    static bool DarkRow(const kwtest::Raster& r, int x1, int x2, int y) {
        const int row = (y + 1900) / 100;
        for (int x = x1; x < x2; x += 100)
            if ((r.At(x / 100, row) & 0xff) < 100) return true;
        return false;
    }

    kwtest::TempDir dir;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
};

TEST_F(PainterTest, StrikesOutTheRestOfAShortLastLineAndEveryEmptyLine) {
    const int a = 37500, b = 172500, c = 20000, y0 = 10000, e = 5090;
    const int J = b - a - 1000;
    const wxString shortLine = U("Krótko.");
    kwtest::Raster r = Draw([&](kw::PagePainter& p) {
        p.DrawBlock(a, b, c, y0, e, 4, {shortLine}, true);
    });
    const int t = metrics->Width(shortLine, kw::TableFont(6, 10));
    ASSERT_LT(t, 0.7 * J);
    // One line: the rule after it starts past the indent too.
    EXPECT_TRUE(RuledBetween(r, a + c + t + 10000, b - 2000, y0 - 200));
    for (int k = 1; k < 4; ++k) EXPECT_TRUE(RuledBetween(r, a + 2000, b - 2000, y0 + e * k - 200)) << k;
    EXPECT_FALSE(DarkRow(r, a, b, y0 + e * 4 - 200));

    // A last line of 70 % of the width or more is left as it is.
    wxString longLine;
    while (metrics->Width(longLine, kw::TableFont(6, 10)) < 0.7 * J) longLine += U("słowo ");
    r = Draw([&](kw::PagePainter& p) {
        p.DrawBlock(a, b, 0, y0, e, 3, {U("Pierwsza linia tekstu"), longLine}, true);
    });
    EXPECT_FALSE(DarkRow(r, a + metrics->Width(longLine, kw::TableFont(6, 10)) + 2000, b,
                         y0 + e - 200));
    EXPECT_TRUE(RuledBetween(r, a + 2000, b - 2000, y0 + 2 * e - 200));

    // An empty text: every line struck out, the first one after the indent.
    r = Draw([&](kw::PagePainter& p) { p.DrawBlock(a, b, c, y0, e, 2, {}, true); });
    EXPECT_TRUE(RuledBetween(r, a + c + 2000, b - 2000, y0 - 200));
    EXPECT_TRUE(RuledBetween(r, a + 2000, b - 2000, y0 + e - 200));

    // Without striking: nothing but the text.
    r = Draw([&](kw::PagePainter& p) { p.DrawBlock(a, b, c, y0, e, 2, {}, false); });
    EXPECT_FALSE(DarkRow(r, a, b, y0 - 200));
    EXPECT_FALSE(DarkRow(r, a, b, y0 + e - 200));
}

TEST_F(PainterTest, OnAPreprintedFormRulesRunAlongTheFormsRowsOnly) {
    const int a = 37500, b = 172500;
    kw::FormRows rows;
    rows.at = {{31000, 10000}, {31000, 16000}, {31000, 22000}, {31000, 28000}};
    rows.onForm = 3;  // the fourth line lies below the form's rows
    const wxString shortLine = U("Krótko.");
    const kwtest::Raster r = Draw([&](kw::PagePainter& p) {
        p.DrawBlock(a, b, 0, 0, 5090, 4, {shortLine}, true, &rows);
    });
    const int t = metrics->Width(shortLine, kw::TableFont(6, 10));
    EXPECT_TRUE(RuledBetween(r, 31000 + t + 10000, 31000 + 135000, 10000 - 200));
    EXPECT_TRUE(RuledBetween(r, 31000, 31000 + 135000, 16000 - 200));
    EXPECT_TRUE(RuledBetween(r, 31000, 31000 + 135000, 22000 - 200));
    EXPECT_FALSE(DarkRow(r, a, b, 28000 - 200));
}

TEST_F(PainterTest, JustifiesInnerLinesAndIndentsParagraphs) {
    const int a = 20000, b = 190000, J = b - a - 1000;
    const std::vector<wxString> lines = {
        U("Pierwszy akapit ma tylko jedną linię.\t"),
        U("####Drugi akapit zaczyna się od wcięcia i jest wyrównany do prawej krawędzi"),
        U("a jego ostatnia linia już nie."),
    };
    const std::string path = dir.File("block.pdf");
    ASSERT_TRUE(kw::WritePdf(path, *metrics, kw::PageMode{true, true},
                             {[&](kw::PagePainter& p) {
                                 p.SelectFont(10);
                                 p.DrawBlock(a, b, 0, 20000, 6000, 10, lines, false);
                             }},
                             nullptr));
    const auto words = kwtest::PdfWords(path);
    const kw::FontSpec font = kw::TableFont(10, 10);
    // The paragraph's last line is ragged, the next one starts a marker's width in, and the line
    // after that (not the last) reaches the justification width.
    const kwtest::PdfWord* first = kwtest::FindWord(words, 1, "Pierwszy");
    const kwtest::PdfWord* end = kwtest::FindWord(words, 1, "linię.");
    const kwtest::PdfWord* drugi = kwtest::FindWord(words, 1, "Drugi");
    const kwtest::PdfWord* edge = kwtest::FindWord(words, 1, "krawędzi");
    const kwtest::PdfWord* last = kwtest::FindWord(words, 1, "nie.");
    ASSERT_TRUE(first && end && drugi && edge && last);
    EXPECT_NEAR(first->xMin, a, 100);
    EXPECT_NEAR(end->xMax, a + metrics->Width(lines[0], font), 300);
    EXPECT_NEAR(drugi->xMin, a + metrics->Width("####", font), 100);
    EXPECT_GE(edge->xMax, a + J - 300);
    EXPECT_LE(edge->xMax, a + J + metrics->Width(" ", font) + 300);
    EXPECT_NEAR(last->xMax, a + metrics->Width(lines[2], font), 300);
    EXPECT_EQ(kwtest::CountWords(words, 1, "####"), 0);
    EXPECT_EQ(kwtest::CountWords(words, 1, "####Drugi"), 0);
}

TEST_F(PainterTest, DashOrBlankFields) {
    const struct {
        const char* value;
        kw::FieldLook look;
    } cases[] = {{"", kw::FieldLook::Rule},        {"(kreska)", kw::FieldLook::Rule},
                 {"kreska puste", kw::FieldLook::Rule}, {"(puste)", kw::FieldLook::Blank},
                 {"Kreska", kw::FieldLook::Text},  {"PUSTE", kw::FieldLook::Text},
                 {"12", kw::FieldLook::Text}};
    for (const auto& c : cases) EXPECT_EQ(kw::LookOf(c.value), c.look) << c.value;
}

// Pens of whole device pixels: on the screen each line is exactly its pixels wide and lands on
// the pixel ToDevice gives, so lines that meet on paper meet on the screen; on paper a pixel is
// one of the printer's.
TEST_F(PainterTest, LinesAndRectanglesOfWholePixels) {
    const double dpi = 96;
    const int w = kw::A4Pixels(60000, dpi), h = kw::A4Pixels(40000, dpi);
    auto screen = [&](const std::function<void(kw::PagePainter&)>& draw) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_scale(cr, dpi / 25400, dpi / 25400);
        {
            kw::PagePainter p(cr, *metrics, kw::PageMode{});
            draw(p);
        }
        cairo_destroy(cr);
        const std::string path = dir.File("screen.png");
        cairo_surface_write_to_png(s, path.c_str());
        cairo_surface_destroy(s);
        return kwtest::ReadPng(path);
    };
    auto d = [&](int um) { return static_cast<int>(um * dpi / 25400); };  // ToDevice
    auto black = [](unsigned c) { return c == 0; };

    const int x = 5000, y = 5000, rw = 40000, rh = 20000, mid = 15333, col = 22222;
    kwtest::Raster r = screen([&](kw::PagePainter& p) {
        p.DottedLine(x, x + rw, y + 5000);  // under the rectangle: covered by its white
        p.Rectangle(x, y, rw, rh, 1);
        p.Line(x, mid, x + rw, mid, 1);
        p.Line(col, y, col, y + rh, 1);
    });
    const int X = d(x), Y = d(y), X2 = d(x + rw), Y2 = d(y + rh);
    ASSERT_NE(X2, X + d(rw)) << "sizes rounded on their own would miss the lines by a pixel";
    for (int i = X; i <= X2; ++i) {
        EXPECT_TRUE(black(r.At(i, Y)) && black(r.At(i, Y2))) << i;
        EXPECT_TRUE(black(r.At(i, d(mid)))) << i;  // reaches both sides: no gap at the corners
        if (i != X && i != X2 && i != d(col)) {
            EXPECT_FALSE(black(r.At(i, d(mid) - 1)) || black(r.At(i, d(mid) + 1))) << i;
        }
    }
    for (int j = Y; j <= Y2; ++j) {
        EXPECT_TRUE(black(r.At(X, j)) && black(r.At(X2, j)) && black(r.At(d(col), j))) << j;
        if (j != Y && j != Y2 && j != d(mid)) {
            EXPECT_FALSE(black(r.At(d(col) - 1, j))) << j;
        }
    }
    EXPECT_EQ(kwtest::DarkPixels(r, dpi, x + 300, y + 4000, 10000, 2000), 0);
    EXPECT_EQ(r.At(X - 1, d(mid)), 0xffffffu);

    // Two pixels wide, and a dotted line of one: every third pixel.
    r = screen([&](kw::PagePainter& p) {
        p.Line(x, mid, x + rw, mid, 2);
        p.Line(x, y, x + rw, y, 1, true);
    });
    int dots = 0;
    for (int i = X; i < X2; ++i) {
        EXPECT_TRUE(black(r.At(i, d(mid))) && black(r.At(i, d(mid) + 1))) << i;
        EXPECT_FALSE(black(r.At(i, d(mid) + 2)) || black(r.At(i, d(mid) - 1))) << i;
        dots += black(r.At(i, Y));
        EXPECT_EQ(r.At(i, Y) == 0 || r.At(i, Y) == 0xffffffu, true) << "whole pixels: " << i;
    }
    EXPECT_NEAR(dots, (X2 - X) / 3.0, 1.5);

    // On paper three pixels of a 300-dpi printer (the PDF's), or of the printer's resolution.
    for (int printerDpi : {300, 600}) {
        cairo_surface_t* s = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
        cairo_t* cr = cairo_create(s);
        kw::PageMode paper{true, true};
        paper.printerDpi = printerDpi;
        {
            kw::PagePainter p(cr, *metrics, paper);
            EXPECT_DOUBLE_EQ(p.DevicePixel(), 25400.0 / printerDpi);
            p.Line(x, mid, x + rw, mid, 3);
        }
        double left, top, inkWidth, inkHeight;
        cairo_recording_surface_ink_extents(s, &left, &top, &inkWidth, &inkHeight);
        EXPECT_NEAR(inkHeight, 3 * 25400.0 / printerDpi, 2) << printerDpi;
        EXPECT_NEAR(inkWidth, rw + 3 * 25400.0 / printerDpi, 2) << "square ends";
        cairo_destroy(cr);
        cairo_surface_destroy(s);
    }
}

}  // namespace
