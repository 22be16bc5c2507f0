#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/error_report.h"
#include "klasa/klasa.h"
#include "support/test_support.h"

namespace {

using kwtest::Body;
using kwtest::ClassFileBytes;

const std::string kHeader = "Kwerlo klasy 1,2,3 VXQ ver. ";

// A small class with a bit of everything: texts with Polish letters, an empty text, -1, a pupil
// without assessments.
void FillSmall(kw::Klasa& k) {
    k.Add_num(101, 0, 14);
    k.Add_num(102, 0, -1);
    k.Add_txt(104, 0, wxString::FromUTF8("Szkoła Podstawowa nr 5"));
    k.Add_txt(118, 0, "");
    kw::Uczen* p = k.AddPupil();
    p->Add_num(210, 0, 1);
    p->Add_txt(204, 0, wxString::FromUTF8("Żółkiewski"));
    kw::Ocena* o = p->AddAssessment();
    o->Add_state(11001, 1, 80);
    o->Add_num(305, 0, 2);
    o->Add_txt(306, 0, wxString::FromUTF8("Śródroczna"));
    k.AddPupil();
}

// Fills every list of the tree from a pattern that differs per pupil and assessment.
void FillFull(kw::Klasa& k, int pupils, int assessments, int recordsPer) {
    for (int r = 0; r < recordsPer; ++r) k.Add_num(101 + r, 0, r);
    k.Add_txt(104, 0, "Szkola");
    for (int p = 0; p < pupils; ++p) {
        kw::Uczen* u = k.AddPupil();
        u->Add_num(210, 0, p % 2);
        u->Add_txt(204, 0, wxString::Format("Nazwisko %d", p));
        for (int a = 0; a < assessments; ++a) {
            kw::Ocena* o = u->AddAssessment();
            for (int r = 0; r < recordsPer; ++r) {
                o->Add_state(11000 + r, 1, p * 1000 + a);
                o->Add_num(11000 + r, 0, a - r);
            }
            o->Add_txt(304, 0, wxString::Format("%d", a + 1));
            o->Add_txt(22001, 0, wxString::Format(wxString::FromUTF8("ćwiczenie %d/%d"), p, a));
        }
    }
}

// The whole tree, list by list, as one string.
std::string Tree(const kw::Klasa& k) {
    Body b;
    b.List(k.NumList().Bytes()).List(k.TxtList().Bytes()).Int(k.PupilCount());
    for (int p = 0; p < k.PupilCount(); ++p) {
        const kw::Uczen* u = k.Pupil(p);
        b.List(u->NumList().Bytes()).List(u->TxtList().Bytes()).Int(u->AssessmentCount());
        for (int a = 0; a < u->AssessmentCount(); ++a) {
            const kw::Ocena* o = u->Assessment(a);
            b.List(o->StateList().Bytes()).List(o->NumList().Bytes()).List(o->TxtList().Bytes());
        }
    }
    return b.bytes;
}

TEST(ClassFile, WrittenFileHasTheHeaderAndAnUnfinishedLevel9Stream) {
    kwtest::TempDir dir;
    kw::Klasa k;
    FillSmall(k);
    ASSERT_TRUE(k.Save(dir.File("a.kwer")));
    const std::string file = kwtest::ReadBytes(dir.File("a.kwer"));
    ASSERT_GT(file.size(), 45u);
    EXPECT_EQ(file.substr(0, 28), kHeader);
    EXPECT_EQ(file.substr(28, 5), "4000 ");
    EXPECT_EQ(file.substr(33, 8), std::string(8, '\0'));
    EXPECT_EQ(file.substr(41, 2), "\x78\xDA");
    EXPECT_EQ(file.substr(file.size() - 4), std::string("\0\0\xFF\xFF", 4));

    bool finished = true;
    const std::string body = kwtest::InflateAll(file.substr(41), &finished);
    EXPECT_FALSE(finished) << "the stream must not be finished";
    EXPECT_EQ(body, Tree(k));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"a.kwer"});
}

TEST(ClassFile, EmptyClassAndPupilWithoutAssessments) {
    kwtest::TempDir dir;
    const std::string path = dir.File("e.kwer");
    {
        kw::Klasa k;
        ASSERT_TRUE(k.Save(path));
        bool finished;
        EXPECT_EQ(kwtest::InflateAll(kwtest::ReadBytes(path).substr(41), &finished),
                  Body().Int(0).Int(0).Int(0).bytes);
    }
    {
        kw::Klasa k;
        k.AddPupil();
        ASSERT_TRUE(k.Save(path));
        bool finished;
        EXPECT_EQ(kwtest::InflateAll(kwtest::ReadBytes(path).substr(41), &finished),
                  Body().Int(0).Int(0).Int(1).Int(0).Int(0).Int(0).bytes);
        kw::Klasa back;
        ASSERT_TRUE(back.Read(path));
        ASSERT_EQ(back.PupilCount(), 1);
        EXPECT_EQ(back.Pupil(0)->AssessmentCount(), 0);
    }
}

TEST(ClassFile, FullClassReadsBackIdentically) {
    kwtest::TempDir dir;
    kw::Klasa k;
    FillFull(k, 99, 99, 3);
    ASSERT_TRUE(k.Save(dir.File("full.kwer")));
    kw::Klasa back;
    ASSERT_TRUE(back.Read(dir.File("full.kwer")));
    EXPECT_TRUE(back.Ok());
    EXPECT_EQ(back.PupilCount(), 99);
    EXPECT_EQ(back.Pupil(98)->AssessmentCount(), 99);
    EXPECT_EQ(Tree(back), Tree(k));
    wxString t;
    EXPECT_TRUE(back.Pupil(98)->Assessment(98)->Get_txt(22001, 0, t));
    EXPECT_EQ(t, wxString::FromUTF8("ćwiczenie 98/98"));
}

TEST(ClassFile, ListsLongerThanTheOldLimitReadBack) {
    kwtest::TempDir dir;
    kw::Klasa k;
    kw::Ocena* o = k.AddPupil()->AddAssessment();
    for (int i = 0; i < 200; ++i) o->Add_txt(22001 + i, 0, wxString(wxUniChar('x'), 300));
    ASSERT_GT(o->TxtList().Size(), 31999u);
    ASSERT_TRUE(k.Save(dir.File("big.kwer")));
    kw::Klasa back;
    ASSERT_TRUE(back.Read(dir.File("big.kwer")));
    EXPECT_EQ(Tree(back), Tree(k));
}

TEST(ClassFile, ReadsFilesOfAnIndependentWriter) {
    const std::string body = Body()
                                 .List(Body::Num(101, 0, 2) + Body::Num(102, 0, 1))
                                 .List(Body::Txt(103, 0, "12") + Body::Txt(118, 0, "c"))
                                 .Int(1)
                                 .List(Body::Num(210, 0, 0))
                                 .List(Body::Txt(204, 0, "Nowak"))
                                 .Int(1)
                                 .List(Body::Num(11001, 1, 80))
                                 .List(Body::Num(305, 0, 1))
                                 .List(Body::Txt(306, 0, "\x8c" "r\xf3" "droczna"))
                                 .bytes;
    const struct {
        const char* version;
        bool reads;
        int message;  // error code shown, -1 none
        int parsed;
    } cases[] = {
        {"4000 ", true, -1, 4000}, {"3900 ", true, -1, 3900}, {"4001 ", false, 6, 4001},
        {"5000 ", false, 6, 5000}, {"abcde", true, -1, 0},    {"  -12", true, -1, -12},
        {" 400x", true, -1, 400},  {"0    ", true, -1, 0},    {"+4000", true, -1, 4000},
    };
    kwtest::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string path = dir.File("ind.kwer");
        kwtest::WriteBytes(path, ClassFileBytes(body, c.version));
        kwtest::ScriptedMessages messages;
        kw::Klasa k;
        EXPECT_EQ(k.Read(path), c.reads);
        EXPECT_TRUE(k.Ok()) << "a refused version is not a damaged file";
        EXPECT_EQ(k.FileVersion(), c.parsed);
        if (c.message < 0) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, kw::ErrorReport::Text(c.message));
            EXPECT_EQ(messages.shown[0].caption, wxString::FromUTF8("Kwerlo 6.1.0.0 - Błąd"));
        }
        if (!c.reads) {
            EXPECT_EQ(k.PupilCount(), 0);
            continue;
        }
        int32_t v;
        wxString t;
        ASSERT_EQ(k.PupilCount(), 1);
        EXPECT_TRUE(k.Get_num(102, 0, v));
        EXPECT_EQ(v, 1);
        EXPECT_TRUE(k.Get_txt(118, 0, t));
        EXPECT_EQ(t, "c");
        const kw::Ocena* o = k.Pupil(0)->Assessment(0);
        EXPECT_TRUE(o->Get_state(11001, 1, v));
        EXPECT_EQ(v, 80);
        EXPECT_TRUE(o->Get_txt(306, 0, t));
        EXPECT_EQ(t, wxString::FromUTF8("Śródroczna"));
    }
}

TEST(ClassFile, AnyChangedHeaderByteIsReportedAsAForeignFile) {
    kwtest::TempDir dir;
    const std::string good = ClassFileBytes(Body().Int(0).Int(0).Int(0).bytes);
    for (size_t i = 0; i < 28; ++i) {
        std::string bad = good;
        bad[i] ^= 0x20;
        kwtest::WriteBytes(dir.File("h.kwer"), bad);
        kwtest::ScriptedMessages messages;
        kw::Klasa k;
        EXPECT_FALSE(k.Read(dir.File("h.kwer"))) << i;
        ASSERT_EQ(messages.shown.size(), 1u) << i;
        EXPECT_EQ(messages.shown[0].text, wxString::FromUTF8("Plik z ocenami uszkodzony lub próba "
                                                             "odczytu z niewłaściwego pliku "));
    }
}

TEST(ClassFile, EveryTruncationFailsCleanlyAndSilently) {
    kwtest::TempDir dir;
    kw::Klasa k;
    FillSmall(k);
    ASSERT_TRUE(k.Save(dir.File("src.kwer")));
    const std::string full = kwtest::ReadBytes(dir.File("src.kwer"));
    // Only a cut into the flush marker at the very end, which carries no data, may still read;
    // then it must give the whole class.
    for (size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE(n);
        kwtest::WriteBytes(dir.File("t.kwer"), full.substr(0, n));
        kwtest::ScriptedMessages messages;
        kwtest::AssertRecorder asserts;
        kw::Klasa r;
        if (r.Read(dir.File("t.kwer"))) {
            EXPECT_GE(n, full.size() - 6);
            EXPECT_EQ(Tree(r), Tree(k));
        }
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(asserts.Count(), 0u);
    }
}

TEST(ClassFile, ImpossibleCountsAreDamage) {
    const struct {
        const char* what;
        std::string body;
    } cases[] = {
        {"negative list length", Body().Int(-12).bytes},
        {"list length beyond 64 MiB", Body().Int(64 * 1024 * 1024 + 1).bytes},
        {"100 pupils", Body().Int(0).Int(0).Int(100).bytes},
        {"negative pupil count", Body().Int(0).Int(0).Int(-1).bytes},
        {"100 assessments", Body().Int(0).Int(0).Int(1).Int(0).Int(0).Int(100).bytes},
    };
    kwtest::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kwtest::WriteBytes(dir.File("d.kwer"), ClassFileBytes(c.body));
        kwtest::AssertRecorder asserts;
        kw::Klasa k;
        EXPECT_FALSE(k.Read(dir.File("d.kwer")));
        EXPECT_FALSE(k.Ok());
        EXPECT_EQ(asserts.Count(), 1u);
    }
}

TEST(ClassFile, ALengthLongerThanTheBodyFailsWithoutReadingFurther) {
    kwtest::TempDir dir;
    kwtest::WriteBytes(dir.File("l.kwer"),
                       ClassFileBytes(Body().Int(60 * 1024 * 1024).bytes + "short"));
    kw::Klasa k;
    EXPECT_FALSE(k.Read(dir.File("l.kwer")));
    EXPECT_EQ(k.NumList().Size(), 0u);
}

TEST(ClassFile, GarbageAfterTheHeaderFails) {
    kwtest::TempDir dir;
    kwtest::WriteBytes(dir.File("g.kwer"), kHeader + "4000 " + std::string(8, '\0') +
                                               "this is not a zlib stream at all");
    kwtest::ScriptedMessages messages;
    kw::Klasa k;
    EXPECT_FALSE(k.Read(dir.File("g.kwer")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ClassFile, MissingFilesFailToReadAndToWrite) {
    kwtest::TempDir dir;
    kw::Klasa k;
    EXPECT_FALSE(k.Read(dir.File("none.kwer")));
    EXPECT_TRUE(k.Ok()) << "a file that cannot be opened leaves the class empty and ok";
    EXPECT_FALSE(k.Save(dir.File("no/such/folder/x.kwer")));
    EXPECT_TRUE(dir.Entries().empty());
}

// Saving under a file-size limit fails part-way; the file saved before must stay as it was.
TEST(ClassFile, AFailedSaveLeavesTheOldFileIntact) {
    kwtest::TempDir dir;
    const std::string path = dir.File("class.kwer");
    kw::Klasa old;
    FillSmall(old);
    ASSERT_TRUE(old.Save(path));
    const std::string before = kwtest::ReadBytes(path);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        kw::ErrorReport::InstallSignalHandlers();  // ignores SIGXFSZ
        struct rlimit limit = {16 * 1024, 16 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        kw::Klasa big;
        FillFull(big, 40, 40, 20);
        _exit(big.Save(path) ? 3 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must report its failure";
    EXPECT_EQ(kwtest::ReadBytes(path), before);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"class.kwer"}) << "no temporary file left";
}

TEST(ClassFile, SaveOverADirectoryFailsAndLeavesNoTemporaryFile) {
    kwtest::TempDir dir;
    ASSERT_EQ(mkdir(dir.File("taken.kwer").c_str(), 0755), 0);
    kw::Klasa k;
    FillSmall(k);
    EXPECT_FALSE(k.Save(dir.File("taken.kwer")));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"taken.kwer"});
}

TEST(ClassFile, SaveKeepsTheModeOfTheFileItReplaces) {
    kwtest::TempDir dir;
    const std::string path = dir.File("m.kwer");
    kwtest::WriteBytes(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    kw::Klasa k;
    ASSERT_TRUE(k.Save(path));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ClassFile, VersionFieldParsing) {
    const struct {
        const char* field;
        int value;
    } cases[] = {
        {"4000 ", 4000}, {"   12", 12}, {"-3   ", -3}, {"+7 9 ", 7}, {"x4000", 0},
        {"\t\n 42", 42}, {"     ", 0},  {"99999", 99999},
    };
    for (const auto& c : cases) EXPECT_EQ(kw::ParseVersionField(c.field, 5), c.value) << c.field;
}

}  // namespace
