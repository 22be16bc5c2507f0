// kwerlo-cli run as a teacher or a script would run it, on real files.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/cli_runner.h"

namespace {

using Result = kwtest::CliResult;
using kwtest::Quote;
using kwtest::RunCli;

const std::string kSample = std::string(KWERLO_TEST_DATA) + "/small_class.json";

// `texts` of a class built from one of the test data files.
Result TextsOf(const char* dataFile, const kwtest::TempDir& dir, const std::string& options = "") {
    const std::string file = dir.File("texts.kwer");
    const Result built = RunCli("build " + Quote(std::string(KWERLO_TEST_DATA) + "/" + dataFile) +
                                    " " + Quote(file),
                                dir);
    if (built.exit != 0) return built;
    return RunCli("texts " + Quote(file) + options, dir);
}

TEST(Cli, HelpAndUsage) {
    kwtest::TempDir dir;
    Result help = RunCli("--help", dir);
    EXPECT_EQ(help.exit, 0);
    EXPECT_NE(help.out.find("kwerlo-cli dump FILE.kwer"), std::string::npos);
    for (const char* bad : {"", "dump", "build a.json", "frobnicate x"}) {
        Result r = RunCli(bad, dir);
        EXPECT_EQ(r.exit, 2) << bad;
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << bad;
    }
}

TEST(Cli, BuildThenDumpGivesTheSameDocumentAndTheSameFile) {
    kwtest::TempDir dir;
    const std::string a = dir.File("a.kwer"), b = dir.File("b.json"), c = dir.File("c.kwer");
    ASSERT_EQ(RunCli("build " + Quote(kSample) + " " + Quote(a), dir).exit, 0);
    Result first = RunCli("dump " + Quote(a), dir);
    ASSERT_EQ(first.exit, 0) << first.err;
    EXPECT_EQ(nlohmann::json::parse(first.out), nlohmann::json::parse(kwtest::ReadBytes(kSample)));
    kwtest::WriteBytes(b, first.out);
    ASSERT_EQ(RunCli("build " + Quote(b) + " " + Quote(c), dir).exit, 0);
    Result second = RunCli("dump " + Quote(c), dir);
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(kwtest::ReadBytes(c), kwtest::ReadBytes(a));
    EXPECT_EQ(first.out.rfind("{\"version\":4000,\"class\":{\"num\":[[101,0,14],", 0), 0u);
}

TEST(Cli, DumpShowsAnIndependentlyWrittenFileInFileOrder) {
    kwtest::TempDir dir;
    using kwtest::Body;
    const std::string body = Body()
                                 .List(Body::Num(102, 0, 1) + Body::Num(101, 0, 3))
                                 .List(Body::Txt(104, 0, "Szko\xb3" "a"))
                                 .Int(1)
                                 .List("")
                                 .List(Body::Txt(204, 0, "\xaf" "ak"))
                                 .Int(1)
                                 .List(Body::Num(11001, 1, 90))
                                 .List("")
                                 .List("")
                                 .bytes;
    kwtest::WriteBytes(dir.File("i.kwer"), kwtest::ClassFileBytes(body, "3900 "));
    Result r = RunCli("dump " + Quote(dir.File("i.kwer")), dir);
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"version\":3900,\"class\":{\"num\":[[102,0,1],[101,0,3]],\"txt\":[[104,0,"
              "\"Szkoła\"]]},\"pupils\":[{\"num\":[],\"txt\":[[204,0,\"Żak\"]],\"assessments\":[{"
              "\"state\":[[11001,1,90]],\"num\":[],\"txt\":[]}]}]}\n");
}

TEST(Cli, BuildRefusesBadInputAndLeavesTheTargetUntouched) {
    std::string hundredPupils = "{\"pupils\":[";
    for (int i = 0; i < 100; ++i) hundredPupils += std::string(i ? "," : "") + "{}";
    hundredPupils += "]}";
    std::string hundredAssessments = "{\"pupils\":[{\"assessments\":[";
    for (int i = 0; i < 100; ++i) hundredAssessments += std::string(i ? "," : "") + "{}";
    hundredAssessments += "]}]}";
    const struct {
        const char* what;
        std::string json;
        const char* message;
    } cases[] = {
        {"not JSON", "{\"class\":", "not valid JSON"},
        {"not an object", "[1,2]", "document: expected an object"},
        {"text where a number belongs", "{\"class\":{\"num\":[[101,0,\"5\"]]}}",
         "class.num[0][2]: expected an integer"},
        {"number where a text belongs", "{\"class\":{\"txt\":[[103,0,5]]}}",
         "class.txt[0][2]: expected a text"},
        {"short record", "{\"class\":{\"num\":[[101,0]]}}", "class.num[0]: expected [key"},
        {"out of range", "{\"class\":{\"num\":[[101,0,2147483648]]}}", "32-bit range"},
        {"fraction", "{\"class\":{\"num\":[[101,0,1.5]]}}", "expected an integer"},
        {"unknown member", "{\"klass\":{}}", "unknown member \"klass\""},
        {"100 pupils", hundredPupils, "100 pupils, at most 99"},
        {"100 assessments", hundredAssessments, "pupils[0].assessments: 100 assessments"},
        {"text outside Windows-1250",
         "{\"pupils\":[{\"txt\":[[204,0,\"Kowalski\"]]},{\"txt\":[[204,0,\"Ωmega\"]]}]}",
         "pupils[1].txt[0][2]: the text has characters that Windows-1250 cannot hold"},
        {"pupils not a list", "{\"pupils\":{}}", "document.pupils: expected an array"},
    };
    kwtest::TempDir dir;
    const std::string out = dir.File("out.kwer");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kwtest::WriteBytes(out, "previous contents");
        kwtest::WriteBytes(dir.File("in.json"), c.json);
        Result r = RunCli("build " + Quote(dir.File("in.json")) + " " + Quote(out), dir);
        EXPECT_EQ(r.exit, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(kwtest::ReadBytes(out), "previous contents");
    }
}

TEST(Cli, FilesThatCannotBeReadOrWrittenGiveTheProgramsMessages) {
    kwtest::TempDir dir;
    kwtest::WriteBytes(dir.File("foreign.kwer"), "Some other program's file, not a class.....");
    kwtest::WriteBytes(dir.File("newer.kwer"), kwtest::ClassFileBytes("", "5000 "));
    const struct {
        std::string args;
        const char* message;
    } cases[] = {
        {"dump " + Quote(dir.File("missing.kwer")), "Nie można odczytać pliku : "},
        {"dump " + Quote(dir.File("foreign.kwer")),
         "Plik z ocenami uszkodzony lub próba odczytu z niewłaściwego pliku "},
        {"dump " + Quote(dir.File("newer.kwer")),
         "Ta wersja programu nie może odczytać wskazanej klasy"},
        {"build " + Quote(dir.File("missing.json")) + " x.kwer", "Nie można otworzyć pliku : "},
        {"build " + Quote(kSample) + " " + Quote(dir.File("no/dir/x.kwer")),
         "Nie można zapisać pliku : "},
    };
    for (const auto& c : cases) {
        Result r = RunCli(c.args, dir);
        EXPECT_EQ(r.exit, 1) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

TEST(Cli, TextsOfEveryAssessment) {
    kwtest::TempDir dir;
    Result r = TextsOf("behaviour_class.json", dir);
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const nlohmann::json expected = nlohmann::json::parse(R"J([
      {"pupil":0,"assessment":0,"number":"1","name":"Śródroczna","kind":1,
       "behaviour":"(akapit) Jest pracowity i uczynny. Cechuje go punktualność. Nie przestrzega norm społecznych i klasowych. Na zajęciach jest aktywny.",
       "behaviour_points":70,"achievements":"Laureat konkursu: recytatorskiego , 2010",
       "additional":"Chór","other":"","individual":"","religion":"bardzo dobry","ethics":""},
      {"pupil":0,"assessment":1,"number":"2","name":"Roczna","kind":0,
       "behaviour":"Jest bardzo pilny.","behaviour_points":55,"achievements":"","additional":"",
       "other":"Koło plastyczne","individual":"Program indywidualny","religion":"","ethics":""},
      {"pupil":1,"assessment":0,"number":"1","name":"List","kind":2,
       "behaviour":"(akapit) Cechuje Cię obowiązkowość, ale niepunktualność. Lubisz rysować.",
       "behaviour_points":50,"achievements":"","additional":"","other":"","individual":"",
       "religion":"","ethics":"(kreska)"}])J");
    const nlohmann::json got = nlohmann::json::parse(r.out);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        for (auto it = expected[i].begin(); it != expected[i].end(); ++it)
            EXPECT_EQ(got[i][it.key()], it.value()) << i << " " << it.key();
    // The members come in the documented order.
    EXPECT_EQ(r.out.rfind("[{\"pupil\":0,\"assessment\":0,\"number\":\"1\",\"name\":", 0), 0u);

    Result bad = RunCli("texts " + Quote(dir.File("missing.kwer")), dir);
    EXPECT_EQ(bad.exit, 1);
    EXPECT_NE(bad.err.find("Nie można odczytać pliku"), std::string::npos);
}

TEST(Cli, TextsIncludeTheEducationAreas) {
    kwtest::TempDir dir;
    Result r = TextsOf("education_class.json", dir);
    ASSERT_EQ(r.exit, 0) << r.err;
    const nlohmann::json got = nlohmann::json::parse(r.out);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0]["education"],
              "(akapit) Wypowiada się spontanicznie i poprawnie pod względem gramatycznym. "
              "(akapit) Zna litery i poprawnie je odczytuje. Czyta tekst całościowo i w wolnym "
              "tempie. Odczytuje wskazania miary, wagi i czasu. (akapit) Potrafi samodzielnie "
              "napisać opowiadanie. Potrafi z pomocą napisać opis. (akapit) Rozumie polecenia w "
              "języku obcym. (akapit) Dodaje i odejmuje w zakresie stu. (akapit) Chętnie maluje. "
              "(akapit) Wykazuje bardzo dobry poziom sprawności ruchowej.");
    EXPECT_EQ(got[0]["area_has_text"],
              nlohmann::json::parse("[true,false,true,true,true,true,false,false,true,true]"));
    // Grade 2: reading 80, 90, 80 and three times 80 -> 81; writing "samodzielnie" 80 and
    // "z pomocą" 20; maths "stu" 80.
    EXPECT_EQ(got[0]["area_points"], nlohmann::json::parse("[80,0,81,50,80,0,0,90]"));
    EXPECT_EQ(got[1]["education"], "Tekst ręczny edukacji.");
    EXPECT_EQ(got[1]["area_points"], nlohmann::json::parse("[50,0,0,0,0,0,0,75]"));
    EXPECT_EQ(got[1]["area_has_text"], nlohmann::json::parse(
                                           "[false,false,false,false,false,false,false,false,"
                                           "false,false]"));
    EXPECT_EQ(got[1].size(), 16u);
}

// Pupils in register order (the file holds them 2, 1, 3); the newest certificate of a pupil with
// two; a pupil without one; an empty assessment; quotes, commas, a paragraph mark, Polish letters.
TEST(Cli, TextsForTheRegisterAsPlainText) {
    kwtest::TempDir dir;
    Result r = TextsOf("register_class.json", dir, " --format txt");
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(r.out,
              "1. Łukasz Nowak\n\n"
              "(brak oceny rodzaju: Świadectwo/arkusz ocen)\n\n"
              "2. Zofia Żurawska\n\n"
              "Zachowanie\nJest \"koleżeńska\", uczynna.\n\nDba o porządek.\n\n"
              "Zajęcia edukacyjne\nCzyta płynnie, pisze starannie.\n\n"
              "Dodatkowe zajęcia edukacyjne\nChór, koło \"Orlęta\"\n\n"
              "Szczególne osiągnięcia\nLaureatka konkursu „Mały Mistrz”\n\n"
              "3. Jędrzej Ślązak\n\n");

    Result letters = TextsOf("register_class.json", dir, " --format txt --kind 2");
    ASSERT_EQ(letters.exit, 0) << letters.err;
    EXPECT_EQ(letters.out,
              "1. Łukasz Nowak\n\nZachowanie\nJesteś pilny.\n\n"
              "2. Zofia Żurawska\n\n(brak oceny rodzaju: List do ucznia)\n\n"
              "3. Jędrzej Ślązak\n\n(brak oceny rodzaju: List do ucznia)\n\n");
}

TEST(Cli, TextsForTheRegisterAsCsv) {
    kwtest::TempDir dir;
    Result r = TextsOf("register_class.json", dir, " --format csv");
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out,
              "Nr,Uczeń,Zachowanie,Zajęcia edukacyjne,Religia,Etyka,Dodatkowe zajęcia edukacyjne,"
              "Inne zajęcia,Indywidualny program,Szczególne osiągnięcia\r\n"
              "1,Łukasz Nowak,,,,,,,,\r\n"
              "2,Zofia Żurawska,\"Jest \"\"koleżeńska\"\", uczynna.\n\nDba o porządek.\","
              "\"Czyta płynnie, pisze starannie.\",,,\"Chór, koło \"\"Orlęta\"\"\",,,"
              "Laureatka konkursu „Mały Mistrz”\r\n"
              "3,Jędrzej Ślązak,,,,,,,,\r\n");

    Result periodic = TextsOf("register_class.json", dir, " --format csv --kind 1");
    ASSERT_EQ(periodic.exit, 0) << periodic.err;
    EXPECT_NE(periodic.out.find("\r\n2,Zofia Żurawska,Tekst oceny okresowej.,,,,,,,\r\n"),
              std::string::npos)
        << periodic.out;
}

TEST(Cli, TextsOptionsThatAreNotUnderstoodAreUsageErrors) {
    kwtest::TempDir dir;
    const std::string file = dir.File("r.kwer");
    ASSERT_EQ(RunCli("build " + Quote(std::string(KWERLO_TEST_DATA) + "/register_class.json") +
                         " " + Quote(file),
                     dir)
                  .exit,
              0);
    for (const char* bad : {" --kind 1", " --format", " --format xml", " --format txt --kind 3",
                            " --format txt --kind", " --format txt --kind -1",
                            " --format txt --format csv", " --format csv --kind 0 --kind 1",
                            " --format txt extra"}) {
        Result r = RunCli("texts " + Quote(file) + bad, dir);
        EXPECT_EQ(r.exit, 2) << bad;
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
    Result missing = RunCli("texts " + Quote(dir.File("missing.kwer")) + " --format csv", dir);
    EXPECT_EQ(missing.exit, 1);
    EXPECT_NE(missing.err.find("Nie można odczytać pliku"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());
}

// A file-size limit stops the write half-way: the class saved before stays whole.
TEST(Cli, BuildUnderAFileSizeLimitKeepsTheOldFile) {
    kwtest::TempDir dir;
    const std::string out = dir.File("class.kwer");
    ASSERT_EQ(RunCli("build " + Quote(kSample) + " " + Quote(out), dir).exit, 0);
    const std::string before = kwtest::ReadBytes(out);

    // Letters from a simple generator, so that the body does not compress to almost nothing.
    uint32_t seed = 1;
    auto letters = [&seed](size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) {
            seed = seed * 1103515245u + 12345u;
            s.push_back(static_cast<char>('a' + (seed >> 16) % 26));
        }
        return s;
    };
    std::string big = "{\"pupils\":[";
    for (int p = 0; p < 30; ++p) {
        big += std::string(p ? "," : "") + "{\"assessments\":[";
        for (int a = 0; a < 30; ++a)
            big += std::string(a ? "," : "") + "{\"txt\":[[22001,0,\"" + letters(200) + "\"]]}";
        big += "]}";
    }
    big += "]}";
    kwtest::WriteBytes(dir.File("big.json"), big);
    const std::string cmd = "bash -c \"ulimit -f 4; exec " + std::string(KWERLO_CLI) + " build " +
                            Quote(dir.File("big.json")) + " " + Quote(out) + "\"";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(kwtest::ReadBytes(out), before);
    for (const std::string& e : dir.Entries())
        EXPECT_EQ(e.find(".tmp"), std::string::npos) << "left behind: " << e;
}

}  // namespace
