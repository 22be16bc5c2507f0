// The grade sheet, the letter and the periodic report with its chart as written into a PDF, read
// back word by word with poppler and rasterised, and compared with their layouts.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/utf8.h"
#include "print/documents.h"
#include "print/fonts.h"
#include "print/grade_sheet_layout.h"
#include "print/letter_report_layout.h"
#include "print/page_output.h"
#include "print/progress_chart.h"
#include "print/text_boxes.h"
#include "support/pdf_words.h"
#include "support/test_support.h"

namespace {

using kw::U;

// Where pdftotext puts a word and where the layout put the text agree to a tenth of a millimetre.
constexpr double kNear = 100;
constexpr int kDpi = 300;
constexpr int kLinesDpi = 150;  // enough to tell a table's or a rule's line from none

kw::GradeSheetData Sheet(int grade) {
    kw::GradeSheetData d;
    d.grade = grade;
    d.classSuffix = "b";
    d.schoolYear = "2025/2026";
    d.registerNumber = "7";
    d.promoted = false;
    d.missedHours = "12";
    d.unexcusedHours = "3";
    d.councilDate = U("20 czerwca 2026");
    d.teacherLine = U("26 czerwca 2026  Maria Wiśniewska");
    d.texts.behaviour = U("Pogodna i uczynna, chętnie pomaga innym. (akapit) Przestrzega norm.");
    d.texts.education = U("Czyta płynnie i ze zrozumieniem, pisze starannie.");
    d.texts.individual = U("Program własny z matematyki.");
    d.texts.additional = U("Koło szachowe.");
    d.texts.other = U("Chór szkolny.");
    d.texts.achievements = U("Laureatka konkursu recytatorskiego.");
    d.texts.religion = U("bardzo dobry");
    d.texts.ethics = "(puste)";
    d.fontSize = 10;
    return d;
}

class DocumentsPdf : public ::testing::Test {
protected:
    void SetUp() override {
        wxString error;
        metrics = kw::PangoTextMetrics::Create(&error);
        ASSERT_TRUE(metrics) << error.utf8_string();
    }
    // Writes one page of each document asked for and reads the words back.
    std::vector<kwtest::PdfWord> Render(const kw::DocumentSources& s, const std::vector<int>& docs,
                                        const std::string& name = "doc.pdf",
                                        kw::PageMode mode = kw::PageMode{true, true}) {
        path = dir.File(name);
        kw::TextFitter fitter(*metrics);
        std::vector<kw::PageDrawing> pages;
        for (int d : docs)
            pages.push_back([&, d](kw::PagePainter& p) { kw::DrawDocument(p, fitter, d, s); });
        wxString error;
        EXPECT_TRUE(kw::WritePdf(path, *metrics, mode, pages, &error))
            << error.utf8_string();
        return kwtest::PdfWords(path);
    }
    kwtest::Raster Raster(int page = 1, int dpi = kDpi) {
        return kwtest::RasterisePdf(path, page, dpi, dir.Path());
    }
    int Width(int font, const wxString& text) { return metrics->Width(text, kw::TableFont(font, 10)); }
    int Height(int font) { return metrics->Height("a", kw::TableFont(font, 10)); }
    void ExpectAt(const std::vector<kwtest::PdfWord>& words, const std::string& word, double x,
                  double y, int page = 1) {
        const kwtest::PdfWord* w = kwtest::NearestWord(words, page, word, x, y);
        ASSERT_TRUE(w) << word << " is not on page " << page;
        EXPECT_NEAR(w->xMin, x, kNear) << word;
        EXPECT_NEAR(w->yMin, y, kNear) << word;
    }

    kwtest::TempDir dir;
    std::string path;
    std::unique_ptr<kw::PangoTextMetrics> metrics;
};

// ---- grade sheet

struct SheetLayout {
    int grade;
    int left, a, b;  // the table's left edge, the label and the value column
    const char* secondOption;
    // The boxes' places: behaviour, education, individual, additional, other, achievements.
    std::array<std::pair<int, int>, 6> boxes;
};

const int L = 15000, R = 195000, y0 = 15000;  // the grade-sheet frame, T + 5000

const SheetLayout kFirstGrade{
    0, L - 8000, L - 2000, L + 46000, "niepromowany.",
    {{{L, y0 + 33000}, {L + 47000, y0 + 71000}, {L + 47000, y0 + 117000},
      {L + 47000, y0 + 135000}, {L + 47000, y0 + 161000}, {L, y0 + 188000}}}};
const SheetLayout kSecondGrade{
    1, L, L + 9000, L + 52000, "niepromowany",
    {{{L + 53000, y0 + 32000}, {L + 53000, y0 + 72000}, {L + 53000, y0 + 120000},
      {L + 53000, y0 + 148000}, {L + 53000, y0 + 168000}, {L + 53000, y0 + 186500}}}};

TEST_F(DocumentsPdf, GradeSheetInBothLayouts) {
    for (const SheetLayout& l : {kFirstGrade, kSecondGrade}) {
        SCOPED_TRACE(l.grade == 0 ? "first grade" : "second grade");
        kw::DocumentSources s;
        s.sheet = Sheet(l.grade);
        const auto words = Render(s, {3});
        const int a = l.a, b = l.b;

        ExpectAt(words, "Rok", a + 2000, y0 + 1000);
        ExpectAt(words, "w", a + 2000, y0 + 16500);
        ExpectAt(words, "Lp.", l.grade == 0 ? l.left + 1500 : L + 2000, y0 + 14000);
        ExpectAt(words, "Wyniki", l.grade == 0 ? b : L + 90000, y0 + 22000);
        ExpectAt(words, "Zachowanie", a + 2000, y0 + 28000);
        ExpectAt(words, "Edukacja", a + 2000, y0 + (l.grade == 0 ? 71000 : 72000));
        ExpectAt(words, "Szczególne", a + 2000, y0 + (l.grade == 0 ? 180000 : 182000));
        ExpectAt(words, "Dodatkowe", a + 2000, y0 + (l.grade == 0 ? 130000 : 141500));
        ExpectAt(words, "uchwały", a + 2000 + Width(14, "Data "), y0 + (l.grade == 0 ? 230000 : 231000));
        ExpectAt(words, "wypełniającego", a + 2000, y0 + 253000);
        ExpectAt(words, "2025/2026", b + 2000, y0 + 1000);
        ExpectAt(words, l.grade == 0 ? "pierwsza" : "druga", b + 2000, y0 + 7000);
        ExpectAt(words, "b", b + 2000 + Width(14, kw::ClassWord(l.grade) + " "), y0 + 7000);
        ExpectAt(words, "7", b + 2000, y0 + 13000);
        ExpectAt(words, "12", b + 2000, y0 + 210000);
        ExpectAt(words, "3", b + 2000, y0 + 218000);
        ExpectAt(words, "20", b + 2000, y0 + 231000);
        // A pupil not promoted: "-niepromowany" next to the second option.
        ExpectAt(words, "-niepromowany", b + 2000, y0 + 240000);
        ASSERT_TRUE(kwtest::FindWord(words, 1, l.secondOption));
        EXPECT_EQ(kwtest::CountWords(words, 1, "-promowany"), 0);
        ExpectAt(words, "26", b + 2000, y0 + 250000);
        ExpectAt(words, "bardzo", b + 2000, y0 + 65000);
        EXPECT_EQ(kwtest::CountWords(words, 1, "str."), l.grade == 0 ? 0 : 1);

        // The boxes, each text's first word where its box begins.
        const char* first[] = {"Pogodna", "Czyta", "Program", "Koło", "Chór", "Laureatka"};
        for (size_t i = 0; i < 6; ++i) ExpectAt(words, first[i], l.boxes[i].first, l.boxes[i].second);
        // "(akapit)" stays as it is written; the individual programme has no label.
        EXPECT_EQ(kwtest::CountWords(words, 1, "(akapit)"), 1);
        EXPECT_EQ(kwtest::CountWords(words, 1, "Indywidualny"), 0);
        EXPECT_EQ(kwtest::CountWords(words, 1, "(puste)"), 0);

        // The table: its frame from its left edge, 8 mm further left in the first grade, lines
        // that meet, and the value column's line only where the layout has it.
        const kwtest::Raster r = Raster(1, kLinesDpi);
        ASSERT_GT(r.width, 0);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, l.left, y0, l.left, y0 + 260000), 0.99);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, R, y0, R, y0 + 260000), 0.99);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, l.left, y0 + 260000, R, y0 + 260000), 0.99);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, a, y0, a, y0 + 260000), 0.99);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, l.left, y0 + 64000, R, y0 + 64000), 0.99);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, a, y0 + 12000, R, y0 + 12000), 0.99);
        EXPECT_LT(kwtest::LineCoverage(r, kLinesDpi, l.left + 1000, y0 + 12000, a - 1000, y0 + 12000),
                  0.01);
        EXPECT_GT(kwtest::LineCoverage(r, kLinesDpi, b, y0 + 209000, b, y0 + 259000), 0.99);
        const double valueColumn = kwtest::LineCoverage(r, kLinesDpi, b, y0 + 27500, b, y0 + 32500);
        if (l.grade == 0) {
            EXPECT_EQ(valueColumn, 0.0);
        } else {
            EXPECT_GT(valueColumn, 0.99);
            EXPECT_EQ(kwtest::LineCoverage(r, kLinesDpi, L - 8000, y0, L - 8000, y0 + 260000), 0.0);
        }
    }
}

TEST_F(DocumentsPdf, GradeSheetLeavesOutWhatDoesNotFitTheCertificate) {
    // One line more than the certificate's box for it holds: the sentence over and over.
    auto tooLong = [&](kw::CertificateBox box) {
        kw::TextFitter fitter(*metrics);
        wxString text = U("Wyróżnia się");
        while (kw::CertificatePercent(fitter, 10, box, text).Drawn()) text += U(" aktywnością");
        return text;
    };
    kw::DocumentSources s;
    s.sheet = Sheet(1);
    s.sheet.texts.behaviour = tooLong(kw::kBehaviourBox);
    s.sheet.texts.additional = tooLong(kw::kAdditionalBox);
    const auto words = Render(s, {3});
    EXPECT_EQ(kwtest::CountWords(words, 1, "Wyróżnia"), 0);
    EXPECT_TRUE(kwtest::FindWord(words, 1, "Czyta"));
    EXPECT_TRUE(kwtest::FindWord(words, 1, "Chór"));
}

TEST_F(DocumentsPdf, GradeSheetReligionAndEthicsWrittenRuledOrBlank) {
    const int b = kSecondGrade.b, rule = y0 + 65000 + 1900;
    const struct {
        const char* religion;
        const char* ethics;
        const char* word;  // written at its place
        int wordX;
        bool religionRule, ethicsRule, acrossRule;
    } cases[] = {
        {"bardzo dobry", "(puste)", "bardzo", b + 2000, false, false, false},
        {"(kreska)", "celujący", "celujący", b + 22000, true, false, false},
        {"(puste)", "", nullptr, 0, false, false, true},  // an empty ethics: one rule for both
        {"", "(kreska)", nullptr, 0, true, true, false},
        {"(puste)", "(puste)", nullptr, 0, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.religion) + " / " + c.ethics);
        kw::DocumentSources s;
        s.sheet = Sheet(1);
        s.sheet.texts.religion = U(c.religion);
        s.sheet.texts.ethics = U(c.ethics);
        const auto words = Render(s, {3});
        if (c.word) ExpectAt(words, c.word, c.wordX, y0 + 65000);
        for (const char* hidden : {"(kreska)", "(puste)"}) EXPECT_EQ(kwtest::CountWords(words, 1, hidden), 0);
        const kwtest::Raster r = Raster(1, kLinesDpi);
        const double religion = kwtest::LineCoverage(r, kLinesDpi, b + 2500, rule, b + 19000, rule);
        const double gap = kwtest::LineCoverage(r, kLinesDpi, b + 19800, rule, b + 21200, rule);
        const double ethics = kwtest::LineCoverage(r, kLinesDpi, b + 22000, rule, b + 37500, rule);
        if (c.acrossRule) {
            EXPECT_GT(religion, 0.99);
            EXPECT_GT(gap, 0.99);
            EXPECT_GT(ethics, 0.99);
            continue;
        }
        EXPECT_EQ(gap, 0.0);
        if (c.religionRule) {
            EXPECT_GT(religion, 0.99);
        } else if (!c.word || c.wordX != b + 2000) {
            EXPECT_EQ(religion, 0.0);
        }
        if (c.ethicsRule) {
            EXPECT_GT(ethics, 0.99);
        } else if (!c.word || c.wordX != b + 22000) {
            EXPECT_EQ(ethics, 0.0);
        }
    }
}

// ---- letter and report

TEST_F(DocumentsPdf, LetterTitleAndParagraphs) {
    const int L = 20000, R = 190000, T = 15000;
    kw::DocumentSources s;
    s.letter.title = U("Droga Zosiu");
    wxString first;
    for (int i = 0; i < 6; ++i) first += U("Jesteś koleżeńska, pracowita i zawsze uśmiechnięta. ");
    s.letter.text = U("(akapit) ") + first + U("(akapit) Czytasz płynnie. (akapit) Liczysz biegle.");
    const auto words = Render(s, {4});
    const int h = Height(10), indent = Width(10, "####");

    ExpectAt(words, "Droga", L + ((R - L) - Width(1, U("Droga Zosiu"))) / 2, T);
    // Each paragraph starts on a new line, indented by the marker's width; the lines follow h
    // apart from T + 15000.
    ExpectAt(words, "Jesteś", L + indent, T + 15000);
    const kwtest::PdfWord* reads = kwtest::FindWord(words, 1, "Czytasz");
    ASSERT_TRUE(reads);
    const int paragraphLines = static_cast<int>(std::lround((reads->yMin - (T + 15000)) / h));
    EXPECT_GE(paragraphLines, 2);
    ExpectAt(words, "Czytasz", L + indent, T + 15000 + paragraphLines * h);
    ExpectAt(words, "Liczysz", L + indent, T + 15000 + (paragraphLines + 1) * h);
    // The first paragraph's lines but its last are justified to the box's width less 1 mm
    // (reached or passed by less than a space); its last line keeps single spaces.
    auto line = [&](int k) {
        std::vector<kwtest::PdfWord> out;
        for (const auto& w : words)
            if (std::abs(w.yMin - (T + 15000 + k * h)) < kNear) out.push_back(w);
        std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
        return out;
    };
    const int space = Width(10, " ");
    const auto justified = line(0), ragged = line(paragraphLines - 1);
    ASSERT_GE(justified.size(), 3u);
    ASSERT_GE(ragged.size(), 2u);
    EXPECT_GE(justified.back().xMax, R - 1000 - kNear);
    EXPECT_LE(justified.back().xMax, R - 1000 + space + kNear);
    for (size_t i = 1; i < ragged.size(); ++i)
        EXPECT_NEAR(ragged[i].xMin - ragged[i - 1].xMax, space, kNear) << ragged[i].text;
    EXPECT_EQ(kwtest::CountWords(words, 1, "(akapit)"), 0);
    EXPECT_EQ(kwtest::CountWords(words, 1, "####"), 0);

    // No title: nothing above the text, which starts where it did.
    s.letter.title.clear();
    s.letter.text = U("Czytasz płynnie.");
    const auto untitled = Render(s, {4});
    ASSERT_FALSE(untitled.empty());
    for (const auto& w : untitled) EXPECT_GE(w.yMin, T + 15000 - kNear) << w.text;
    ExpectAt(untitled, "Czytasz", L, T + 15000);
}

TEST_F(DocumentsPdf, LetterAndReportLeaveOutATextThatFillsTheirBox) {
    kw::TextFitter fitter(*metrics);
    wxString text = U("Bardzo");
    while (kw::LetterPercent(fitter, text).Drawn() || kw::ReportPercent(fitter, text).Drawn())
        text += U(" długi tekst listu, zdanie za zdaniem.");
    kw::DocumentSources s;
    s.letter.title = U("Drogi Janku");
    s.letter.text = text;
    s.report.text = text;
    s.report.withChart = false;
    const auto words = Render(s, {4, 5});
    EXPECT_TRUE(kwtest::FindWord(words, 1, "Drogi"));
    EXPECT_EQ(kwtest::CountWords(words, 1, "Bardzo"), 0);
    EXPECT_TRUE(kwtest::FindWord(words, 2, "okresowa"));
    EXPECT_EQ(kwtest::CountWords(words, 2, "Bardzo"), 0);
}

kw::ReportData Report() {
    kw::ReportData d;
    d.grade = 2;
    d.classSuffix = "c";
    d.teacherName = U("Anna Nowak");
    d.firstName = U("Zofia");
    d.surname = U("Żurawska");
    d.assessmentName = U("Półrocze");
    d.text = U("(akapit) Jest pogodna. (akapit) Czyta płynnie.");
    return d;
}

TEST_F(DocumentsPdf, ReportHeaderAndText) {
    const int L = 15000, R = 195000, T = 15000;
    kw::DocumentSources s;
    s.report = Report();
    const auto words = Render(s, {5});
    EXPECT_EQ(kw::ReportClassLine(s.report), U("3c, wychowawca: Anna Nowak"));
    ExpectAt(words, "Ocena", L + ((R - L) - Width(1, U("Ocena okresowa"))) / 2, T);
    ExpectAt(words, "Klasa", L, T + 10000);
    ExpectAt(words, "3c,", L + 15000, T + 10000);
    ExpectAt(words, "Nowak", L + 15000 + Width(2, U("3c, wychowawca: Anna ")), T + 10000);
    ExpectAt(words, "Uczeń", L, T + 14000);
    ExpectAt(words, "Zofia", L + 15000, T + 14000);
    ExpectAt(words, "Ocena", L, T + 18000);
    ExpectAt(words, "Półrocze", L + 15000, T + 18000);
    const int indent = Width(12, "####");
    ExpectAt(words, "Jest", L + indent, T + 25000);
    ExpectAt(words, "Czyta", L + indent, T + 25000 + Height(12));
}

TEST_F(DocumentsPdf, ChartLabelsAndBarHeights) {
    const int x0 = 15000, y0c = 15000 + kw::kReportChartTop;
    kw::DocumentSources s;
    s.report = Report();
    // Thirteen columns; in panel k column c scores the table's value.
    const int scores[] = {100, 50, 0, 20, 80, 35, 90, 1, 60, 40, 75, 10, 99};
    for (int c = 0; c < 13; ++c) {
        kw::ChartColumn col;
        for (int k = 0; k < kw::kChartPanels; ++k)
            col.scores[static_cast<size_t>(k)] = scores[(c + k) % 13];
        s.report.chart.columns.push_back(col);
    }
    const auto words = Render(s, {5});

    ExpectAt(words, "Zachowanie", x0, y0c + 6000);
    ExpectAt(words, "Pisanie", x0, y0c + 66000);
    ExpectAt(words, "Matematyka", x0 + 95000, y0c + 6000);
    ExpectAt(words, "przyrodnicze", x0 + 95000, y0c + 25000);
    ExpectAt(words, "artystyczno-", x0 + 95000, y0c + 36000);
    ExpectAt(words, "ruchowe", x0 + 95000, y0c + 53000);
    EXPECT_EQ(kwtest::CountWords(words, 1, "Zajęcia"), 3);
    for (const char* level : {"80", "60", "40", "20"}) EXPECT_EQ(kwtest::CountWords(words, 1, level), 9);
    ExpectAt(words, "80", x0 + 95000 + 17000, y0c + 45000 + 1000);
    ExpectAt(words, "20", x0 + 17000, y0c + 60000 + 10000);

    // A bar's top edge is where the score puts it: 100 at the top of the plot area, 50 half way.
    const kwtest::Raster r = Raster();
    ASSERT_GT(r.width, 0);
    const double px = 25400.0 / kDpi;
    for (size_t k = 0; k < kw::ChartPanels().size(); ++k) {
        const kw::ChartPanel& panel = kw::ChartPanels()[k];
        for (int c = 0; c < 13; ++c) {
            const int score = scores[(c + static_cast<int>(k)) % 13];
            SCOPED_TRACE("panel " + std::to_string(k) + " slot " + std::to_string(c));
            const int x = x0 + panel.x + kw::BarLeft(c), bottom = y0c + panel.y + kw::kPlotHeight;
            // The first row up from the bottom edge that is dark across the bar's middle.
            double top = -1;
            for (double y = bottom - 300; y > bottom - kw::kPlotHeight - 1000; y -= px)
                // (a dotted level line is dark in one pixel of three)
                if (kwtest::DarkPixels(r, kDpi, x + 1000, static_cast<int>(y), 1000,
                                       static_cast<int>(px) + 1) >= 9) {
                    top = y;
                    break;
                }
            if (kw::BarHeight(score) < 400) {
                // Too low to tell from the bottom edge: nothing but the bottom is dark.
                EXPECT_TRUE(top < bottom - kw::BarHeight(score) - 400 || top > bottom - 400);
                continue;
            }
            EXPECT_NEAR(top, bottom - kw::BarHeight(score), 150) << score;
        }
    }
    EXPECT_EQ(kw::BarHeight(100), 15000);
    EXPECT_EQ(kw::BarHeight(50), 7500);
    EXPECT_EQ(kw::BarHeight(0), 0);
}

TEST_F(DocumentsPdf, BezWykresuLeavesTheChartOutAndTheTextAsItWas) {
    kw::DocumentSources s;
    s.report = Report();
    s.report.chart.columns.resize(3);
    const auto with = Render(s, {5}, "with.pdf");
    ASSERT_TRUE(kwtest::FindWord(with, 1, "Zachowanie"));
    s.report.withChart = false;
    const auto without = Render(s, {5}, "without.pdf");
    EXPECT_EQ(kwtest::CountWords(without, 1, "Zachowanie"), 0);
    EXPECT_EQ(kwtest::CountWords(without, 1, "80"), 0);
    const kwtest::Raster r = Raster();
    EXPECT_EQ(kwtest::DarkPixels(r, kDpi, 0, 15000 + kw::kReportChartTop - 1000, kw::kA4Width,
                                 kw::kA4Height - (15000 + kw::kReportChartTop - 1000)),
              0);
    // The text's words where they were.
    ASSERT_EQ(with.size() - (4 * 9 + 14), without.size());  // level labels, panel labels
    for (const auto& w : without) {
        const kwtest::PdfWord* same = kwtest::NearestWord(with, 1, w.text, w.xMin, w.yMin);
        ASSERT_TRUE(same) << w.text;
        EXPECT_NEAR(same->xMin, w.xMin, 1);
        EXPECT_NEAR(same->yMin, w.yMin, 1);
    }
    // No periodic assessment to chart: no chart either.
    s.report.withChart = true;
    s.report.chart.columns.clear();
    EXPECT_EQ(kwtest::CountWords(Render(s, {5}, "none.pdf"), 1, "Zachowanie"), 0);
}

// The grade sheet, the letter and the report have no pre-printed form: they are whole forms
// whatever paper the certificate is printed on.
TEST_F(DocumentsPdf, GradeSheetLetterAndReportAreAlwaysWholeForms) {
    kw::DocumentSources s;
    s.sheet = Sheet(1);
    s.letter.title = U("Droga Zosiu");
    s.letter.text = U("Czytasz płynnie.");
    s.report = Report();
    s.report.chart.columns.resize(1);
    const auto words = Render(s, {3, 4, 5}, "preprinted.pdf", kw::PageMode{true, false});
    for (const char* label : {"Rok", "Zachowanie", "klasyfikacji", "Lp."})
        EXPECT_TRUE(kwtest::FindWord(words, 1, label)) << label;
    EXPECT_GT(kwtest::LineCoverage(Raster(1, kLinesDpi), kLinesDpi, L, y0, R, y0), 0.99);
    EXPECT_TRUE(kwtest::FindWord(words, 2, "Droga"));
    for (const char* label : {"okresowa", "Klasa", "Uczeń", "Zachowanie", "80"})
        EXPECT_TRUE(kwtest::FindWord(words, 3, label)) << label;
}

}  // namespace
