// kwerlo-cli pdf, png and check on a real class file, with no display.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"
#include "support/pdf_words.h"

namespace {

using kwtest::Quote;
using kwtest::RunCli;

class PrintCli : public ::testing::Test {
protected:
    void SetUp() override { BuildClass(kwtest::ReadBytes(DataFile())); }
    static std::string DataFile() { return std::string(KWERLO_TEST_DATA) + "/print_class.json"; }
    void BuildClass(const std::string& json) {
        kwtest::WriteBytes(dir.File("class.json"), json);
        ASSERT_EQ(RunCli("build " + Quote(dir.File("class.json")) + " " + Quote(cls), dir).exit, 0);
        classBytes = kwtest::ReadBytes(cls);
    }
    kwtest::CliResult Run(const std::string& args) {
        kwtest::CliResult r = RunCli(args, dir);
        EXPECT_EQ(kwtest::ReadBytes(cls), classBytes) << "the class file changed: " << args;
        return r;
    }
    static size_t Count(const std::string& s, const std::string& part) {
        size_t n = 0;
        for (size_t p = s.find(part); p != std::string::npos; p = s.find(part, p + 1)) ++n;
        return n;
    }

    kwtest::TempDir dir;
    const std::string cls = dir.File("klasa.kwer");
    std::string classBytes;
};

TEST_F(PrintCli, CheckGivesTheMessagesAndTheGauges) {
    // The newest assessment, a periodic one, is current when the class opens.
    kwtest::CliResult r = Run("check " + Quote(cls));
    ASSERT_EQ(r.exit, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(r.out.rfind("{\"kind\":1,\"front\":[", 0), 0u) << r.out;
    EXPECT_EQ(j["front"], nlohmann::json::array({"Brak dnia dokumentu.\n"}));
    EXPECT_EQ(j["assessment"], nlohmann::json::array({"Brak oceny z zajęć edukacyjnych.\n"}));
    EXPECT_EQ(j["gauges"]["behaviour"], 0);
    EXPECT_EQ(j["gauges"]["education"], 0);
    EXPECT_EQ(j["gauges"]["achievements"], 0);
    EXPECT_GT(j["gauges"]["letter_report"].get<int>(), 0);
    EXPECT_LT(j["gauges"]["letter_report"].get<int>(), 100);

    r = Run("check " + Quote(cls) + " --pupil 0 --assessment 0");
    ASSERT_EQ(r.exit, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["kind"], 0);
    EXPECT_EQ(j["assessment"], nlohmann::json::array({"Brak oceny z zajęć ruchowych.\n"}));
    EXPECT_EQ(r.out.substr(r.out.find("\"gauges\"")).rfind(
                  "\"gauges\":{\"behaviour\":", 0), 0u);
    for (const char* g : {"behaviour", "education", "achievements"}) {
        EXPECT_GT(j["gauges"][g].get<int>(), 0) << g;
        EXPECT_LT(j["gauges"][g].get<int>(), 100) << g;
    }
    EXPECT_EQ(j["gauges"]["letter_report"], 0);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(PrintCli, PdfWritesAPagePerDocumentAfterItsCheck) {
    const std::string out = dir.File("out.pdf");
    kwtest::CliResult r = Run("pdf " + Quote(cls) + " " + Quote(out) + " --assessment 0");
    ASSERT_EQ(r.exit, 0) << r.err;
    // Each document's check as printing runs it, answered Yes: the front's first.
    EXPECT_EQ(Count(r.err, "DRUKOWAĆ pomimo kłopotów ?"), 2u) << r.err;
    EXPECT_LT(r.err.find("Brak dnia dokumentu."), r.err.find("Brak oceny z zajęć ruchowych."));
    auto words = kwtest::PdfWords(out);
    EXPECT_TRUE(kwtest::FindWord(words, 1, "ŚWIADECTWO"));
    EXPECT_TRUE(kwtest::FindWord(words, 2, "WYNIKI"));
    EXPECT_TRUE(kwtest::FindWord(words, 2, "koleżeński,"));
    EXPECT_FALSE(kwtest::FindWord(words, 3, "WYNIKI"));

    ASSERT_EQ(Run("pdf " + Quote(cls) + " " + Quote(out) +
                  " --assessment 0 --document 2 --document 1").exit,
              0);
    words = kwtest::PdfWords(out);
    EXPECT_TRUE(kwtest::FindWord(words, 1, "WYNIKI"));
    EXPECT_TRUE(kwtest::FindWord(words, 2, "ŚWIADECTWO"));

    // On a pre-printed form: the data alone, moved by a calibration file's offset.
    ASSERT_EQ(Run("pdf " + Quote(cls) + " " + Quote(out) + " --assessment 0 --preprinted").exit, 0);
    words = kwtest::PdfWords(out);
    EXPECT_FALSE(kwtest::FindWord(words, 1, "ŚWIADECTWO"));
    const kwtest::PdfWord* name = kwtest::FindWord(words, 1, "Jan");
    ASSERT_TRUE(name);
    const double x = name->xMin, y = name->yMin;
    std::string kal;
    auto le = [&](int32_t v) {
        for (int k = 0; k < 4; ++k) kal.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xff));
    };
    le(3000);
    le(-2000);  // the front's offset
    for (int i = 1; i < 58; ++i) {
        le(i == 2 ? 40500 : 0);  // the name where table B has it; the rest at the corner
        le(i == 2 ? 96000 : 0);
    }
    kwtest::WriteBytes(dir.File("form.kal"), kal);
    ASSERT_EQ(Run("pdf " + Quote(cls) + " " + Quote(out) + " --assessment 0 --document 1 " +
                  "--preprinted --calibration " + Quote(dir.File("form.kal")))
                  .exit,
              0);
    words = kwtest::PdfWords(out);
    name = kwtest::FindWord(words, 1, "Jan");
    ASSERT_TRUE(name);
    EXPECT_NEAR(name->xMin - x, 3000, 50);
    EXPECT_NEAR(name->yMin - y, -2000, 50);
}

TEST_F(PrintCli, PngDrawsThePreviewAtAResolution) {
    const std::string out = dir.File("out.png");
    kwtest::CliResult r =
        Run("png " + Quote(cls) + " " + Quote(out) + " --assessment 0 --document 2 --dpi 50");
    ASSERT_EQ(r.exit, 0) << r.err;
    // The preview's check informs; nothing is asked.
    EXPECT_NE(r.err.find("Brak oceny z zajęć ruchowych."), std::string::npos);
    EXPECT_EQ(r.err.find("DRUKOWAĆ"), std::string::npos);
    kwtest::Raster png = kwtest::ReadPng(out);
    EXPECT_EQ(png.width, 414);
    EXPECT_EQ(png.height, 585);
    ASSERT_EQ(Run("png " + Quote(cls) + " " + Quote(out) + " --assessment 0 --document 1").exit, 0);
    png = kwtest::ReadPng(out);
    EXPECT_EQ(png.width, 794);
    EXPECT_EQ(png.height, 1123);
}

TEST_F(PrintCli, UsageErrorsWriteNothing) {
    const std::string out = dir.File("out.pdf");
    const std::string c = Quote(cls) + " " + Quote(out);
    const struct {
        std::string args;
        const char* message;
    } cases[] = {
        {"pdf " + c, "the assessment's kind 1 (Ocena okresowa + wykres) offers no document that "
                     "can be drawn yet"},
        {"pdf " + c + " --assessment 0 --document 4",
         "--document 4: the assessment's kind 0 (Świadectwo/arkusz ocen) offers 1 (Świadectwo "
         "Przód), 2 (Świadectwo Tył)"},
        {"pdf " + c + " --assessment 0 --document 3",
         "--document 3 (Arkusz ocen) is not drawn by this version: the assessment's kind 0 "
         "(Świadectwo/arkusz ocen) offers 1 (Świadectwo Przód), 2"},
        {"pdf " + c + " --pupil 1", "--pupil 1: the class has 1 pupils"},
        {"pdf " + c + " --assessment 2", "--assessment 2: the pupil has 2 assessments"},
        {"pdf " + c + " --pupil x", "--pupil takes a whole number, not \"x\""},
        {"pdf " + c + " --assessment 0 --calibration x.kal", "--calibration goes with --preprinted"},
        {"pdf " + c + " --assessment 0 --dpi 96", "unknown option --dpi"},
        {"pdf " + Quote(cls), "wrong number of files"},
        {"pdf " + c + " --document", "--document needs a value"},
        {"png " + c + " --assessment 0", "png draws one --document"},
        {"png " + c + " --assessment 0 --document 1 --document 2", "png draws one --document"},
        {"png " + c + " --assessment 0 --document 1 --dpi 29", "--dpi takes 30 to 1200"},
        {"check " + Quote(cls) + " --document 1", "unknown option --document"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.args);
        const kwtest::CliResult r = Run(k.args);
        EXPECT_EQ(r.exit, 2);
        EXPECT_NE(r.err.find(k.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(dir.Entries().size(), 2u);  // the class and its JSON only
    }
}

TEST_F(PrintCli, FilesThatCannotBeReadOrWrittenAreTold) {
    kwtest::WriteBytes(dir.File("short.kal"), std::string(463, '\0'));
    kwtest::WriteBytes(dir.File("keep.pdf"), "previous contents");
    const struct {
        std::string args;
        const char* message;
        const char* output;
    } cases[] = {
        {"check " + Quote(dir.File("missing.kwer")), "Nie można odczytać pliku : ", nullptr},
        {"pdf " + Quote(dir.File("missing.kwer")) + " " + Quote(dir.File("a.pdf")),
         "Nie można odczytać pliku : ", "a.pdf"},
        {"pdf " + Quote(cls) + " " + Quote(dir.File("b.pdf")) +
             " --assessment 0 --preprinted --calibration " + Quote(dir.File("short.kal")),
         "Odczyt ustawień wydruku: Nastąpił błąd odczytu ustawień wydruku", "b.pdf"},
        {"pdf " + Quote(cls) + " " + Quote(dir.File("no/such/folder/c.pdf")) + " --assessment 0",
         "Nie można zapisać pliku : ", nullptr},
        {"png " + Quote(cls) + " " + Quote(dir.File("no/such/folder/d.png")) +
             " --assessment 0 --document 1",
         "Nie można zapisać pliku : ", nullptr},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.args);
        const kwtest::CliResult r = Run(k.args);
        EXPECT_EQ(r.exit, 1);
        EXPECT_NE(r.err.find(k.message), std::string::npos) << r.err;
        if (k.output) {
            EXPECT_TRUE(kwtest::ReadBytes(dir.File(k.output)).empty());
        }
    }
    // Only the files the test wrote are there: nothing half-written was left.
    EXPECT_EQ(dir.Entries().size(), 4u);
    EXPECT_EQ(kwtest::ReadBytes(dir.File("keep.pdf")), "previous contents");
}

TEST_F(PrintCli, AClassWithoutACertificateFontSizeGetsTenAndStaysAsItWas) {
    std::string json = kwtest::ReadBytes(DataFile());
    const std::string option = ",[1001,0,2]";
    ASSERT_NE(json.find(option), std::string::npos);
    json.erase(json.find(option), option.size());
    BuildClass(json);
    const std::string out = dir.File("out.pdf");
    const kwtest::CliResult r =
        Run("pdf " + Quote(cls) + " " + Quote(out) + " --assessment 0 --document 2");
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(Count(r.err, "Informacja: Oceny nowoutworzone oraz odczytane ze starszej wersji "
                           "programu nie mają ustawionej wielkości czcionki."),
              1u)
        << r.err;
    // At 10 points the texts stand 300 µm above their place at 9.
    const auto words = kwtest::PdfWords(out);
    const kwtest::PdfWord* first = kwtest::FindWord(words, 1, "Jest");
    ASSERT_TRUE(first);
    EXPECT_NEAR(first->yMin, 4000 + 44000 - 300, 100);
}

}  // namespace
