#include <gtest/gtest.h>

#include "app/utf8.h"
#include "klasa/cp1250.h"
#include "klasa/klasa.h"
#include "support/test_support.h"

namespace {

using kw::U;

TEST(Cp1250, PolishLettersHaveTheirBytes) {
    struct Case {
        const char* utf8;
        unsigned char byte;
    } cases[] = {
        {"ą", 0xB9}, {"ć", 0xE6}, {"ę", 0xEA}, {"ł", 0xB3}, {"ń", 0xF1}, {"ó", 0xF3},
        {"ś", 0x9C}, {"ź", 0x9F}, {"ż", 0xBF}, {"Ą", 0xA5}, {"Ć", 0xC6}, {"Ę", 0xCA},
        {"Ł", 0xA3}, {"Ń", 0xD1}, {"Ó", 0xD3}, {"Ś", 0x8C}, {"Ź", 0x8F}, {"Ż", 0xAF},
        {"„", 0x84}, {"”", 0x94}, {"–", 0x96}, {"€", 0x80}, {"A", 0x41},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_TRUE(kw::cp1250::Encode(U(c.utf8), out)) << c.utf8;
        ASSERT_EQ(out.size(), 1u) << c.utf8;
        EXPECT_EQ(static_cast<unsigned char>(out[0]), c.byte) << c.utf8;
        EXPECT_EQ(kw::cp1250::Decode(out), U(c.utf8)) << c.utf8;
    }
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const wxString text = kw::cp1250::Decode(all);
    EXPECT_EQ(text.length(), 256u);
    std::string back;
    EXPECT_TRUE(kw::cp1250::Encode(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1250, CharactersOutsideTheCodePageAreLeftOutAndReported) {
    const struct {
        const char* utf8;
        const char* kept;
    } cases[] = {
        {"zaj\xc4\x85" "ć😀 się", "zająć się"},
        {"Ωmega", "mega"},
        {"日本", ""},
        {"żółw", "żółw"},
    };
    for (const auto& c : cases) {
        std::string out;
        const bool all = kw::cp1250::Encode(U(c.utf8), out);
        EXPECT_EQ(all, std::string(c.utf8) == c.kept) << c.utf8;
        EXPECT_EQ(kw::cp1250::Decode(out), U(c.kept)) << c.utf8;
        EXPECT_EQ(kw::cp1250::CanHold(U(c.utf8)), all) << c.utf8;
    }
}

TEST(Cp1250, AStoredTextKeepsWhatItCanAndAssertsOnTheRest) {
    kw::Uczen pupil;
    kwtest::AssertRecorder asserts;
    pupil.Add_txt(204, 0, U("Kowalska😀 Ewa"));
    ASSERT_EQ(asserts.Count(), 1u);
    EXPECT_EQ(asserts.Records()[0].module, "klasa");
    wxString back;
    EXPECT_TRUE(pupil.Get_txt(204, 0, back));
    EXPECT_EQ(back, U("Kowalska Ewa"));
}

}  // namespace
