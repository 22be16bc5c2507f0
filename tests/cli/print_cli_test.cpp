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
    EXPECT_EQ(Count(r.err, "DRUKOWAĆ pomimo kłopotów ?"), 3u) << r.err;
    EXPECT_LT(r.err.find("Brak dnia dokumentu."), r.err.find("Brak oceny z zajęć ruchowych."));
    auto words = kwtest::PdfWords(out);
    EXPECT_TRUE(kwtest::FindWord(words, 1, "ŚWIADECTWO"));
    EXPECT_TRUE(kwtest::FindWord(words, 2, "WYNIKI"));
    EXPECT_TRUE(kwtest::FindWord(words, 2, "koleżeński,"));
    EXPECT_TRUE(kwtest::FindWord(words, 3, "klasyfikacji"));  // the grade sheet
    EXPECT_TRUE(kwtest::FindWord(words, 3, "koleżeński,"));
    EXPECT_FALSE(kwtest::FindWord(words, 4, "WYNIKI"));

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
        {"pdf " + c + " --assessment 0 --document 4",
         "--document 4: the assessment's kind 0 (Świadectwo/arkusz ocen) offers 1 (Świadectwo "
         "Przód), 2 (Świadectwo Tył), 3 (Arkusz ocen)"},
        {"pdf " + c + " --document 3",
         "--document 3: the assessment's kind 1 (Ocena okresowa + wykres) offers 5 (Ocena "
         "okresowa)"},
        {"pdf " + c + " --all --document 5", "--document 5: kind 0 (Świadectwo/arkusz ocen) "
                                             "offers 1 (Świadectwo Przód), 2 (Świadectwo Tył), 3"},
        {"pdf " + c + " --all --kind 2 --document 1",
         "--document 1: kind 2 (List do ucznia) offers 4 (List do ucznia)"},
        {"pdf " + c + " --all --kind 3", "--kind takes 0, 1 or 2"},
        {"pdf " + c + " --kind 1", "--kind goes with --all"},
        {"pdf " + c + " --all --pupil 0", "--all takes every pupil: no --pupil or --assessment"},
        {"pdf " + c + " --all --assessment 0", "--all takes every pupil"},
        {"pdf " + c + " --all --kind 2", "no pupil has an assessment of kind 2 (List do ucznia)"},
        {"png " + c + " --all --document 1", "unknown option --all"},
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
        {"pdf " + Quote(cls) + " " + Quote(dir.File("no/such/folder/e.pdf")) + " --all",
         "Nie można zapisać pliku : ", nullptr},
        {"pdf " + Quote(dir.File("missing.kwer")) + " " + Quote(dir.File("f.pdf")) + " --all",
         "Nie można odczytać pliku : ", "f.pdf"},
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

// The whole class: every pupil in register-number order (1, 2, 3, 10 against the file's 3, 1, 2,
// 10) with the newest assessment of the kind; Zofia (3) has certificates 1 and 2 and a periodic
// 3, Adam (1) a certificate, Ewa (2) only a letter, Piotr (10) a certificate and a periodic.
TEST_F(PrintCli, PdfAllDrawsEveryPupilInRegisterOrderAndSkipsThoseWithout) {
    BuildClass(kwtest::ReadBytes(std::string(KWERLO_TEST_DATA) + "/whole_class.json"));
    const std::string out = dir.File("class.pdf");
    using Pages = std::vector<std::vector<const char*>>;  // words each page must show
    const struct {
        std::string options;
        Pages pages;
        std::vector<const char*> told;  // on stderr, in this order
    } cases[] = {
        {"--all",
         {{"Adam", "ŚWIADECTWO"}, {"Adama.", "WYNIKI"}, {"Adama.", "klasyfikacji"},
          {"Zofia", "ŚWIADECTWO"}, {"Zofii.", "Roczna", "WYNIKI"}, {"Zofii.", "klasyfikacji"},
          {"Piotr", "ŚWIADECTWO"}, {"Piotra.", "WYNIKI"}, {"Piotra.", "klasyfikacji"}},
         {"kwerlo-cli: 1. Adam Nowak:\n",
          "kwerlo-cli: skipped 2. Ewa Lis: no assessment of kind 0 (Świadectwo/arkusz ocen)\n",
          "kwerlo-cli: 3. Zofia Żurawska:\n", "kwerlo-cli: 10. Piotr Wróbel:\n"}},
        {"--all --kind 0 --document 3 --document 1",
         {{"Adama.", "klasyfikacji"}, {"Adam", "ŚWIADECTWO"}, {"Zofii.", "klasyfikacji"},
          {"Zofia", "ŚWIADECTWO"}, {"Piotra.", "klasyfikacji"}, {"Piotr", "ŚWIADECTWO"}},
         {"skipped 2. Ewa Lis"}},
        {"--all --kind 1",
         {{"Okresowa", "Zofii.", "Zachowanie"}, {"Okresowa", "Piotra.", "Zachowanie"}},
         {"skipped 1. Adam Nowak: no assessment of kind 1 (Ocena okresowa + wykres)\n",
          "skipped 2. Ewa Lis"}},
        {"--all --kind 2", {{"Droga", "Ewo", "Piszę"}},
         {"skipped 1. Adam Nowak", "skipped 3. Zofia Żurawska", "skipped 10. Piotr Wróbel"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const kwtest::CliResult r = Run("pdf " + Quote(cls) + " " + Quote(out) + " " + c.options);
        ASSERT_EQ(r.exit, 0) << r.err;
        size_t at = 0;
        for (const char* line : c.told) {
            const size_t found = r.err.find(line, at);
            ASSERT_NE(found, std::string::npos) << line << " in\n" << r.err;
            at = found;
        }
        EXPECT_EQ(r.err.find("DRUKOWAĆ"), std::string::npos) << "nothing is asked";
        const auto words = kwtest::PdfWords(out);
        int pages = 0;
        for (const auto& w : words) pages = std::max(pages, w.page);
        ASSERT_EQ(pages, static_cast<int>(c.pages.size()));
        for (size_t p = 0; p < c.pages.size(); ++p)
            for (const char* word : c.pages[p])
                EXPECT_TRUE(kwtest::FindWord(words, static_cast<int>(p) + 1, word))
                    << word << " on page " << p + 1;
        // Each pupil's newest assessment of the kind only.
        for (const auto& w : words) EXPECT_NE(w.text, "Stara") << "page " << w.page;
    }
}

}  // namespace
