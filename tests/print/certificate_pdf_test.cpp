// The certificate as written into a PDF, read back word by word with poppler and compared with
// the layout: the whole form, and a pre-printed form with a calibration of its own.

#include <gtest/gtest.h>

#include <cmath>

#include "app/utf8.h"
#include "print/certificate_layout.h"
#include "print/documents.h"
#include "print/fonts.h"
#include "print/page_output.h"
#include "print/pictures.h"
#include "support/pdf_words.h"
#include "support/test_support.h"

namespace {

using kw::U;

constexpr int L = 37500, R = 172500, T = 4000;
// Where pdftotext puts a word and where the layout put the text agree to a tenth of a millimetre.
constexpr double kNear = 100;

kw::FrontData Front() {
    kw::FrontData d;
    d.schoolYear = {16, "2026/2027"};
    d.grade = 2;
    d.schoolNumber = "12";
    d.schoolName1 = U("Szkoła Podstawowa nr 12");
    d.schoolName2 = "(puste)";
    d.patron1 = U("Marii Konopnickiej");
    d.patron2 = "(kreska)";
    d.schoolTown = U("Kraków");
    d.schoolVoivodeship = U("małopolskie");
    d.documentTown = U("Kraków");
    d.documentDay = "26";
    d.documentMonth = {5, "czerwca"};
    d.documentYear = {16, "2026"};
    d.firstName = "Zofia";
    d.surname = "Nowak";
    d.birthDay = "14";
    d.birthMonth = {2, "marca"};
    d.birthYear = "2017";
    d.evidenceNumber = "17(d)/2023";
    return d;
}

kw::BackData Back(int fontSize) {
    kw::BackData d;
    d.texts.behaviour = U("Jest koleżeńska, pracowita i uczynna. Przestrzega norm społecznych i "
                          "klasowych. Na zajęciach jest aktywna i chętnie pomaga innym.");
    wxString education;
    for (int i = 0; i < 12; ++i) education += U("Czyta płynnie i ze zrozumieniem, pisze starannie. ");
    d.texts.education = education;
    d.texts.additional = U("Koło szachowe");
    d.texts.achievements = U("Laureatka konkursu recytatorskiego.");
    d.texts.religion = U("bardzo dobry");
    d.texts.ethics = "(puste)";
    d.teacherName = U("Maria Wiśniewska");
    d.fontSize = fontSize;
    return d;
}

kw::DocumentSources Sources(const kw::FrontData& front, const kw::BackData& back,
                            const kw::CalibrationTable& table) {
    kw::DocumentSources s;
    s.front = front;
    s.back = back;
    s.calibration = table;
    return s;
}

class CertificatePdf : public ::testing::Test {
protected:
    void SetUp() override {
        wxString error;
        metrics = kw::PangoTextMetrics::Create(&error);
        ASSERT_TRUE(metrics) << error.utf8_string();
    }
    // Writes the documents and reads the words back.
    std::vector<kwtest::PdfWord> Render(const kw::DocumentSources& s, kw::PageMode mode,
                                        const std::string& name) {
        const std::string path = dir.File(name);
        kw::TextFitter fitter(*metrics);
        std::vector<kw::PageDrawing> pages;
        for (int d : {1, 2})
            pages.push_back([&, d](kw::PagePainter& p) { kw::DrawDocument(p, fitter, d, s); });
        wxString error;
        EXPECT_TRUE(kw::WritePdf(path, *metrics, mode, pages, &error)) << error.utf8_string();
        return kwtest::PdfWords(path);
    }
    int Width(int font, const wxString& text, int size = 10) {
        return metrics->Width(text, kw::TableFont(font, size));
    }
    // The word is on the page with its top-left corner at (x, y) (of its copies, the nearest).
    void ExpectAt(const std::vector<kwtest::PdfWord>& words, int page, const char* word, double x,
                  double y) {
        const kwtest::PdfWord* best = kwtest::NearestWord(words, page, word, x, y);
        ASSERT_TRUE(best) << word << " is not on page " << page;
        EXPECT_NEAR(best->xMin, x, kNear) << word;
        EXPECT_NEAR(best->yMin, y, kNear) << word;
    }

    kwtest::TempDir dir;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
};

TEST_F(CertificatePdf, WholeFormAtTheLayoutsPlaces) {
    const kw::DocumentSources s = Sources(Front(), Back(13), kw::DefaultCalibration(false));
    const auto words = Render(s, kw::PageMode{true, true}, "whole.pdf");

    // Front.
    ExpectAt(words, 1, "ŚWIADECTWO", L + (135000 - Width(1, U("ŚWIADECTWO  SZKOLNE"))) / 2,
             T + 65500);
    ExpectAt(words, 1, "Zofia", L + (135000 - Width(9, "Zofia Nowak")) / 2, T + 93000);
    ExpectAt(words, 1, "14", L + 47000, T + 106400);
    ExpectAt(words, 1, "uczęszczał", L, T + 122000);
    ExpectAt(words, 1, "2026/2027", L + 57000, T + 119400);
    ExpectAt(words, 1, "trzeciej", L + 105000, T + 119400);
    ExpectAt(words, 1, "czwartej", L + 87000, T + 178400);
    ExpectAt(words, 1, "12", L + (20000 - Width(5, "12")) / 2 + 5000, T + 149100);
    ExpectAt(words, 1, "Marii",
             L + (135000 - Width(5, U("Marii Konopnickiej"))) / 2 + 16000, T + 149100);
    ExpectAt(words, 1, "17/2023", L + 7000, T + 227400);  // "(d)" taken out
    ExpectAt(words, 1, "m.p.", L + 65500, T + 231000);
    ExpectAt(words, 1, "MEN-I/1/1", L + 1000, T + 271000);
    for (const char* hidden : {"(puste)", "(kreska)", "17(d)/2023"})
        EXPECT_EQ(kwtest::CountWords(words, 1, hidden), 0) << hidden;

    // Back, at 13 points: the texts 1200 µm higher than at 9.
    const int s13 = 1200;
    ExpectAt(words, 2, "WYNIKI", L + 39000, T + 35000);
    ExpectAt(words, 2, "zachowanie", L, T + 45000);
    ExpectAt(words, 2, "Jest", L + 20000, T + 44000 - s13);
    ExpectAt(words, 2, "bardzo", L + 80000, T + 79300 - s13);
    ExpectAt(words, 2, "Koło", L, T + 149500 - s13);
    ExpectAt(words, 2, "Laureatka", L, T + 209600 - s13);
    ExpectAt(words, 2, "Maria", L + (55000 - Width(2, U("Maria Wiśniewska"))) / 2 + 80000,
             T + 233500);
    ExpectAt(words, 2, "Skala", L, T + 243000);
    // The education text's lines 5090 µm apart, each beginning at the left edge.
    std::vector<double> lineTops;
    for (const auto& w : words)
        if (w.page == 2 && std::abs(w.xMin - L) < kNear && w.yMin > T + 88000 - s13 &&
            w.yMin < T + 145000 - s13)
            lineTops.push_back(w.yMin);
    ASSERT_GE(lineTops.size(), 5u);
    EXPECT_NEAR(lineTops[0], T + 89500 - s13, kNear);
    for (size_t i = 1; i < lineTops.size(); ++i)
        EXPECT_NEAR(lineTops[i] - lineTops[i - 1], 5090, 10) << i;
    EXPECT_EQ(kwtest::CountWords(words, 2, "(puste)"), 0);
}

TEST_F(CertificatePdf, FontSizeMovesTheBackTextsUp) {
    std::vector<double> tops;
    for (int size : {9, 11, 13}) {
        const kw::DocumentSources s = Sources(Front(), Back(size), kw::DefaultCalibration(false));
        const auto words = Render(s, kw::PageMode{true, true}, "size.pdf");
        const kwtest::PdfWord* w = kwtest::FindWord(words, 2, "Jest");
        ASSERT_TRUE(w);
        tops.push_back(w->yMin);
    }
    EXPECT_NEAR(tops[0] - tops[1], 600, 20);
    EXPECT_NEAR(tops[0] - tops[2], 1200, 20);
}

TEST_F(CertificatePdf, PreprintedFormGetsOnlyTheDataAtTheCalibratedPlaces) {
    for (bool sheetOption : {false, true}) {
        SCOPED_TRACE(sheetOption ? "table A" : "table B");
        kw::CalibrationTable table = kw::DefaultCalibration(sheetOption);
        table.entries[0].x = 1500;  // the front's offset
        table.entries[0].y = -1000;
        table.entries[1].x = -700;  // the back's
        table.entries[1].y = 2500;
        kw::BackData back = Back(10);
        back.sheetOption = sheetOption;
        const kw::DocumentSources s = Sources(Front(), back, table);
        const auto words = Render(s, kw::PageMode{true, false}, "pre.pdf");
        auto front = [&](int n) {
            return std::make_pair(table.entries[n].x + 1500, table.entries[n].y - 1000);
        };
        auto rear = [&](int n) {
            return std::make_pair(table.entries[n].x - 700, table.entries[n].y + 2500);
        };

        // The name is centred between its calibrated place and the frame's right edge.
        ExpectAt(words, 1, "Zofia",
                 front(2).first + ((R - table.entries[2].x) - Width(9, "Zofia Nowak")) / 2,
                 front(2).second);
        ExpectAt(words, 1, "14", front(3).first, front(3).second);
        // A school year past 2024/2025 in the form's pattern: "2026  2027".
        ExpectAt(words, 1, "2026", front(9).first, front(9).second);
        ExpectAt(words, 1, "2027", front(9).first + Width(5, "2026  "), front(9).second);
        ExpectAt(words, 1, "trzeciej", front(10).first, front(10).second);
        ExpectAt(words, 1, "Szkoła", front(11).first, front(11).second);
        ExpectAt(words, 1, "17/2023", front(27).first, front(27).second);

        ExpectAt(words, 2, "Jest", rear(28).first, rear(28).second);
        ExpectAt(words, 2, "Czyta", rear(36).first, rear(36).second);
        ExpectAt(words, 2, "bardzo", rear(35).first, rear(35).second);
        ExpectAt(words, 2, "Koło", rear(48).first, rear(48).second);
        ExpectAt(words, 2, "Laureatka", rear(sheetOption ? 53 : 54).first,
                 rear(sheetOption ? 53 : 54).second);
        ExpectAt(words, 2, "Maria", rear(57).first, rear(57).second);

        // The form carries the rest.
        for (const char* label : {"ŚWIADECTWO", "uczęszczał", "MEN-I/1/1", "m.p.", "2026/2027"})
            EXPECT_EQ(kwtest::CountWords(words, 1, label), 0) << label;
        for (const char* label : {"WYNIKI", "zachowanie", "Skala", "Obowiązkowe"})
            EXPECT_EQ(kwtest::CountWords(words, 2, label), 0) << label;
    }
}

TEST_F(CertificatePdf, SchoolYearsOnAPreprintedForm) {
    const struct {
        int index;
        const char* text;
    } years[] = {{0, "2010/2011"}, {1, "2011  2012"}, {14, "2024  2025"}, {15, "2025  2026"},
                 {30, "2040  2041"}, {-1, ""}};
    for (const auto& y : years) EXPECT_EQ(kw::PreprintedSchoolYear(y.index), y.text) << y.index;
}

// The emblem goes on blank guilloche paper, in every PDF whatever the printer's resolution; the
// screen shows the guilloche instead and a pre-printed form has its own emblem.
TEST_F(CertificatePdf, EmblemOnGuillochePaperGuillocheOnTheScreen) {
    const kw::DocumentSources s = Sources(Front(), Back(10), kw::DefaultCalibration(false));
    const int ex = L + 61000, ey = T + 32000;
    const int area = 18000 * 20000;
    for (bool guilloche : {true, false}) {
        const std::string path = dir.File(guilloche ? "g.pdf" : "f.pdf");
        kw::TextFitter fitter(*metrics);
        ASSERT_TRUE(kw::WritePdf(path, *metrics, kw::PageMode{true, guilloche},
                                 {[&](kw::PagePainter& p) { kw::DrawDocument(p, fitter, 1, s); }},
                                 nullptr));
        for (int dpi : {72, 300}) {
            const kwtest::Raster r = kwtest::RasterisePdf(path, 1, dpi, dir.Path());
            ASSERT_GT(r.width, 0);
            const double px = (25400.0 / dpi) * (25400.0 / dpi);
            const int dark = kwtest::DarkPixels(r, dpi, ex, ey, 18000, 20000);
            if (guilloche) {
                EXPECT_GT(dark * px, 0.25 * area) << dpi;  // the eagle and the shield's outline
                EXPECT_LT(dark * px, 0.75 * area) << dpi;
            } else {
                EXPECT_EQ(dark, 0) << dpi;
            }
            EXPECT_EQ(kwtest::TintedPixels(r, dpi, 0, 0, kw::kA4Width, kw::kA4Height), 0) << dpi;
        }
    }
    const std::string png = dir.File("screen.png");
    kw::TextFitter fitter(*metrics);
    ASSERT_TRUE(kw::WritePng(png, *metrics, 96,
                             [&](kw::PagePainter& p) { kw::DrawDocument(p, fitter, 1, s); }, nullptr));
    const kwtest::Raster r = kwtest::ReadPng(png);
    EXPECT_EQ(r.width, 794);
    EXPECT_EQ(r.height, 1123);
    EXPECT_EQ(kwtest::DarkPixels(r, 96, ex, ey, 18000, 20000), 0);
    // Light lines over most of the sheet, none beyond the pattern's edges.
    const int region = 642 * 945;  // 170 × 250 mm at 96 dpi
    EXPECT_GT(kwtest::TintedPixels(r, 96, 20000, 20000, 170000, 250000), region / 20);
    EXPECT_EQ(kwtest::TintedPixels(r, 96, 0, 0, 13000, kw::kA4Height), 0);
}

}  // namespace
