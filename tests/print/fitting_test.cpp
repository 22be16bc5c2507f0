// Breaking texts into the lines of a box, the filled share of the box, and justification, over
// fixed-width metrics.

#include <gtest/gtest.h>

#include "app/utf8.h"
#include "print/fitting.h"
#include "print/text_boxes.h"
#include "support/fake_metrics.h"
#include "support/test_support.h"
#include "support/varied_texts.h"

namespace {

using kw::U;

const kw::FontSpec kTen{kw::Face::Narrow, 10, false, false};  // 500 µm a character

// A box whose lines hold exactly 20 characters (10000 µm).
kw::FitResult Fit20(const wxString& text, int maxLines, int indent = 0) {
    kwtest::FakeMetrics metrics;
    kw::TextFitter fitter(metrics);
    return fitter.Fit(kTen, 0, 15000, indent, maxLines, text);
}

TEST(FitText, EdgeCases) {
    const struct {
        const char* what;
        const char* text;
        int maxLines, indent;
        int percent;
        std::vector<const char*> lines;
    } cases[] = {
        {"empty text: nothing of the box", "", 3, 0, 0, {}},
        {"half of one line of two", "aaaaaaaaa", 2, 0, 22, {"aaaaaaaaa"}},
        {"one word wider than the box", "abcdefghijklmnopqrstuvwxyz", 3, 0, 100, {}},
        {"a wide word after a fitting one", "ab abcdefghijklmnopqrstuvwxyz", 3, 0, 100, {"ab"}},
        // The space a line was cut at begins the next one and takes its room there.
        {"ends on the last line with more left", "aaaaaaaaa bbbbbbbbbb ccccccccc dddddddddd ee",
         2, 0, 100, {"aaaaaaaaa bbbbbbbbbb", "ccccccccc"}},
        {"two nearly full lines", "aaaaaaaaa bbbbbbbbbb cccccccc dddddddddd", 2, 0, 97,
         {"aaaaaaaaa bbbbbbbbbb", "cccccccc dddddddddd"}},
        {"a line exactly as wide as the box stays whole", "aaaaaaaaa bbbbbbbbbb", 3, 0, 33,
         {"aaaaaaaaa bbbbbbbbbb"}},
        {"first line narrower by the indent", "aaaa bbbb cccc dddd", 3, 5000, 48,
         {"aaaa bbbb", "cccc dddd"}},
        {"spaces at the ends of lines go", "  aaaa   bbbbbbbbbbbbbbb  ", 2, 0, 87,
         {"aaaa", "bbbbbbbbbbbbbbb"}},
        {"a paragraph marker in mid-line ends the line", "Ala ma. ####Kot ma.", 4, 0, 38,
         {"Ala ma. \t", "####Kot ma."}},
        {"a marker at a line's start stays there", "####Kot ma kota.", 2, 0, 40,
         {"####Kot ma kota."}},
        {"two markers in one line: both break it", "ab ####cd ####ef", 4, 0, 57,
         {"ab \t", "####cd \t\t", "####ef"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const kw::FitResult r = Fit20(U(c.text), c.maxLines, c.indent);
        EXPECT_EQ(r.percent, c.percent);
        std::vector<wxString> expected;
        for (const char* l : c.lines) expected.push_back(U(l));
        EXPECT_EQ(r.lines, expected);
        EXPECT_EQ(r.Drawn(), c.percent <= 99);
    }
}

TEST(FitText, ABoxOfFewerThanTwoLinesIsAnInternalError) {
    kwtest::AssertRecorder asserts;
    const kw::FitResult r = Fit20("abc def", 1);
    EXPECT_EQ(asserts.Count(), 1u);
    EXPECT_EQ(r.lines.size(), 1u);
}

// The remeasuring break and the fast one must give the same lines for every text, in boxes of
// several widths, also when a line is not the sum of its words.
TEST(LineBreak, FastBreaksExactlyWhereRemeasuringDoes) {
    const std::vector<wxString> texts = kwtest::VariedTexts(600, 7);
    for (bool kerning : {false, true}) {
        kwtest::FakeMetrics metrics(kerning);
        kw::TextFitter fast(metrics, kw::BreakMethod::Fast);
        kw::TextFitter slow(metrics, kw::BreakMethod::Remeasure);
        for (const wxString& text : texts) {
            for (const auto& box : {kw::kBehaviourBox, kw::kEducationBox, kw::kAdditionalBox}) {
                const kw::FitResult a = slow.Fit(kTen, 37500, 172500, box.indent, box.lines, text);
                const kw::FitResult b = fast.Fit(kTen, 37500, 172500, box.indent, box.lines, text);
                ASSERT_EQ(a.percent, b.percent) << text;
                ASSERT_EQ(a.lines, b.lines) << text;
            }
            for (int width : {0, 1500, 4999, 5000, 12345, 60000}) {
                wxString c1 = text, r1 = "REST", c2 = text, r2 = "REST";
                const bool ok1 = slow.LineBreak(kTen, c1, r1, width);
                const bool ok2 = fast.LineBreak(kTen, c2, r2, width);
                ASSERT_EQ(ok1, ok2) << text << " at " << width;
                if (!ok1) continue;  // what a failed break leaves behind is not used
                ASSERT_EQ(c1, c2) << text << " at " << width;
                ASSERT_EQ(r1, r2) << text << " at " << width;
            }
        }
    }
}

TEST(LineBreak, ShortTextsStayAndAWordTooWideFails) {
    kwtest::FakeMetrics metrics;
    for (auto method : {kw::BreakMethod::Fast, kw::BreakMethod::Remeasure}) {
        kw::TextFitter fitter(metrics, method);
        wxString cur = "a b", rest;
        EXPECT_TRUE(fitter.LineBreak(kTen, cur, rest, 0));  // three characters: never broken
        EXPECT_EQ(cur, "a b");
        EXPECT_EQ(rest, "");
        cur = "ab c";
        EXPECT_FALSE(fitter.LineBreak(kTen, cur, rest, 999));
        cur = "ab c";
        rest = "d";
        EXPECT_TRUE(fitter.LineBreak(kTen, cur, rest, 1000));
        EXPECT_EQ(cur, "ab");
        EXPECT_EQ(rest, " cd");
    }
}

TEST(LineBreak, FastMeasuresLittleMoreThanOneLine) {
    // A long text whose first line is wanted: the remeasuring break measures the whole rest
    // once per word it moves; the fast one a handful of prefixes.
    wxString text;
    for (int i = 0; i < 400; ++i) text += "slowo ";
    kwtest::FakeMetrics slowMetrics, fastMetrics;
    kw::TextFitter slow(slowMetrics, kw::BreakMethod::Remeasure);
    kw::TextFitter fast(fastMetrics, kw::BreakMethod::Fast);
    wxString c1 = text, r1, c2 = text, r2;
    ASSERT_TRUE(slow.LineBreak(kTen, c1, r1, 30000));
    ASSERT_TRUE(fast.LineBreak(kTen, c2, r2, 30000));
    EXPECT_EQ(c1, c2);
    EXPECT_GT(slowMetrics.calls, 350);
    EXPECT_LT(fastMetrics.calls, 10);
}

TEST(Justify, WidensLinesGapByGap) {
    kwtest::FakeMetrics metrics;
    const struct {
        const char* what;
        const char* line;
        int width;
        const char* justified;
    } cases[] = {
        {"three characters stay", "a b", 5000, "a b"},
        {"no space: stays", "abcdef", 5000, "abcdef"},
        {"already wide enough", "ab cd", 2500, "ab cd"},
        {"gaps in turn from the first", "ab cd ef", 6000, "ab   cd   ef"},
        {"round and round", "a b c", 6000, "a     b    c"},
        {"ends just past the width", "ab cd", 3200, "ab   cd"},
        {"the space after a paragraph marker goes first", "#### ab cd", 6000,
         "####ab    cd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(kw::Justify(metrics, kTen, U(c.line), c.width), U(c.justified));
    }
}

TEST(Justify, ManySpacesAtOnceGiveTheSameLineAsOneByOne) {
    kwtest::FakeMetrics metrics(true);
    const wxString line = U("Jest Awans aw Tw pracowita i uczynna. Chętnie pomaga");
    for (int width = 0; width < 60000; width += 777) {
        // One by one, as the line is widened while it is short of the width.
        wxString expected = line;
        std::vector<size_t> gaps;
        for (size_t i = 0; i < line.length(); ++i)
            if (line[i] == ' ') gaps.push_back(i);
        for (size_t g = 0; metrics.Width(expected, kTen) < width; g = (g + 1) % gaps.size()) {
            expected.insert(gaps[g], 1, ' ');
            for (size_t h = g + 1; h < gaps.size(); ++h) ++gaps[h];
        }
        EXPECT_EQ(kw::Justify(metrics, kTen, line, width), expected) << width;
    }
}

TEST(TextBoxes, LetterAndReportTurnParagraphsIntoMarkersAndCountLinesByHeight) {
    kwtest::FakeMetrics metrics;  // 14 pt: 5600 µm a line; 10 pt: 4000 µm
    kw::TextFitter fitter(metrics);
    EXPECT_EQ(kw::LetterLineCount(metrics), 235000 / 5600);
    EXPECT_EQ(kw::ReportLineCount(metrics), 150000 / 4000);
    const kw::FitResult r = kw::LetterPercent(fitter, U("Zdanie pierwsze. (akapit) Drugie."));
    EXPECT_EQ(r.lines, (std::vector<wxString>{U("Zdanie pierwsze. \t"), U("#### Drugie.")}));
    // A certificate box fits "(akapit)" as it is, and a typed line break is a space.
    const kw::FitResult c =
        kw::CertificatePercent(fitter, 10, kw::kOtherBox, U("Zdanie. (akapit)\nDrugie."));
    EXPECT_EQ(c.lines, (std::vector<wxString>{U("Zdanie. (akapit) Drugie.")}));
}

}  // namespace
