// The default calibration tables and calibration files.

#include <gtest/gtest.h>

#include "app/utf8.h"
#include "print/calibration.h"
#include "support/test_support.h"

namespace {

using kw::U;

std::string Le(int32_t v) {
    std::string s;
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xff));
    return s;
}

// 58 pairs: x = 1000 * i - 7, y = -(1000 * i) - 3.
std::string FileBytes() {
    std::string s;
    for (int i = 0; i < kw::kCalibrationEntries; ++i) s += Le(1000 * i - 7) + Le(-(1000 * i) - 3);
    return s;
}

TEST(CalibrationTable, DefaultTablesByTheClassOption) {
    const kw::CalibrationTable a = kw::DefaultCalibration(true), b = kw::DefaultCalibration(false);
    EXPECT_EQ(a.name, U("Domyślne"));
    EXPECT_EQ(b.name, U("Domyślne"));
    const struct {
        bool tableA;
        int index;
        const char* name;
        int x, y;
    } rows[] = {
        {true, 0, "przesunięcie 1. strony", 0, 0},
        {true, 2, "imię i nazwisko", 37000, 86000},
        {false, 2, "imię i nazwisko", 40500, 96000},
        {true, 3, "(urodzon) y/a", 51000, 98000},
        {false, 5, "PESEL", 140000, 110000},
        {false, 6, "", 0, 0},
        {false, 18, "", 130000, 237000},
        {false, 27, "Nr(ewidencyjny ucznia)", 45000, 231000},
        {true, 28, "zachowanie wiersz 1. (wcięcie)", 50000, 42000},
        {true, 32, "zachowanie wiersz 5.", 30000, 63000},
        {false, 32, "zachowanie wiersz 5.", 31000, 62000},
        {true, 36, "obow. zajęcia edu. wiersz  1.", 30000, 92000},
        {true, 47, "obow. zajęcia edu. wiersz 12.", 30000, 150000},
        {false, 50, "dod. zajęcia edu. wiersz  3.", 31000, 166000},
        {true, 53, "szczególne osiągnięcia wiersz  1.", 30000, 201000},
        {false, 56, "szczególne osiągnięcia wiersz  3.", 31000, 214000},
        {true, 57, "imię i nazwisko wychowawcy", 138000, 235000},
    };
    for (const auto& r : rows) {
        const kw::CalibrationEntry& e = (r.tableA ? a : b).entries[static_cast<size_t>(r.index)];
        EXPECT_EQ(e.name, U(r.name)) << r.index;
        EXPECT_EQ(e.x, r.x) << r.index;
        EXPECT_EQ(e.y, r.y) << r.index;
    }
}

TEST(CalibrationTable, SectionsOfTheBack) {
    const int firstA[] = {28, 36, 48, 50, 53}, firstB[] = {28, 36, 48, 51, 54};
    const int rowsA[] = {7, 12, 2, 3, 4}, rowsB[] = {7, 12, 3, 3, 3};
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(kw::SectionFirstEntry(s, true), firstA[s - 1]) << s;
        EXPECT_EQ(kw::SectionFirstEntry(s, false), firstB[s - 1]) << s;
        EXPECT_EQ(kw::SectionRows(s, true), rowsA[s - 1]) << s;
        EXPECT_EQ(kw::SectionRows(s, false), rowsB[s - 1]) << s;
    }
}

TEST(CalibrationFile, ReadsTheFirst464BytesAndRefusesShorterFiles) {
    kwtest::TempDir dir;
    const struct {
        const char* what;
        std::string bytes;
        bool ok;
        const char* diagnostic;
    } cases[] = {
        {"exactly 464 bytes", FileBytes(), true, ""},
        {"longer: the rest is ignored", FileBytes() + "trailing bytes", true, ""},
        {"463 bytes: the last y is short", FileBytes().substr(0, 463), false, " y - 57 - 3 - 1"},
        {"empty", "", false, " x - 0 - 0 - 1"},
        {"ends after an x", FileBytes().substr(0, 12), false, " y - 1 - 0 - 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kwtest::ScriptedMessages messages;
        const std::string path = dir.File("t.kal");
        kwtest::WriteBytes(path, c.bytes);
        kw::CalibrationTable table = kw::DefaultCalibration(true);
        table.entries[5].x = 4242;
        wxString diagnostic;
        EXPECT_EQ(kw::ReadCalibrationFile(path, false, table, &diagnostic), c.ok);
        if (c.ok) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(table.name, U("Domyślne"));
            EXPECT_EQ(table.entries[0].x, -7);
            EXPECT_EQ(table.entries[57].x, 56993);
            EXPECT_EQ(table.entries[57].y, -57003);
            // The numbers of the file under the names of the class's table (here B).
            EXPECT_EQ(table.entries[5].name, U("PESEL"));
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, U("Nastąpił błąd odczytu ustawień wydruku"));
            EXPECT_EQ(messages.shown[0].caption, U("Odczyt ustawień wydruku"));
            EXPECT_EQ(table.entries[5].x, 4242);  // unchanged
            EXPECT_EQ(diagnostic, c.diagnostic);
        }
    }
}

TEST(CalibrationFile, NegativeValuesSurviveWritingAndReading) {
    kwtest::TempDir dir;
    kwtest::ScriptedMessages messages;
    kw::CalibrationTable table = kw::DefaultCalibration(true);
    table.entries[0] = {-1500, -250, table.entries[0].name};
    table.entries[1] = {INT32_MIN, INT32_MAX, table.entries[1].name};
    table.entries[57].y = -1;
    const std::string path = dir.File("moja.kal");
    ASSERT_TRUE(kw::WriteCalibrationFile(path, table));
    const std::string bytes = kwtest::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 464u);
    EXPECT_EQ(bytes.substr(0, 8), Le(-1500) + Le(-250));
    kw::CalibrationTable back = kw::DefaultCalibration(true);
    ASSERT_TRUE(kw::ReadCalibrationFile(path, true, back));
    for (size_t i = 0; i < back.entries.size(); ++i) {
        EXPECT_EQ(back.entries[i].x, table.entries[i].x) << i;
        EXPECT_EQ(back.entries[i].y, table.entries[i].y) << i;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(CalibrationFile, AFileThatCannotBeWrittenIsToldAndNotLeftBehind) {
    kwtest::TempDir dir;
    kwtest::ScriptedMessages messages;
    const std::string path = dir.File("missing-folder/x.kal");
    EXPECT_FALSE(kw::WriteCalibrationFile(path, kw::DefaultCalibration(false)));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, U("Nastąpił błąd zapisu ustawień wydruku"));
    EXPECT_EQ(messages.shown[0].caption, U("Zapis ustawień wydruku"));
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(CalibrationFile, NamesAndCells) {
    EXPECT_EQ(kw::CalibrationNameOf(U("/a/b/Szkoła nr 5.kal")), U("Szkoła nr 5"));
    EXPECT_EQ(kw::CalibrationNameOf("/a/" + std::string(30, 'n') + ".kal").length(),
              kw::kMaxCalibrationName);
    EXPECT_EQ(kw::CalibrationReadNameTooLong(),
              U("Nazwa pliku jest za długa - maximum 30 znaków.\nNależy zmienić nazwę za krótszą."));
    EXPECT_EQ(kw::CalibrationSaveNameTooLong(), U("Nazwa pliku jest za długa - maksimum 30 znaków"));
    // A default of 40500 µm shows as 40 and comes back as 40000.
    EXPECT_EQ(kw::CalibrationCell(40500), "40");
    EXPECT_EQ(kw::CalibrationCell(-40500), "-40");
    const struct {
        const char* cell;
        int32_t micrometres;
    } cells[] = {{"40", 40000}, {"-12abc", -12000}, {" 7", 7000}, {"abc", 0}, {"", 0},
                 {"99999999999", 2147483000}};
    for (const auto& c : cells) EXPECT_EQ(kw::ParseCalibrationCell(c.cell), c.micrometres) << c.cell;
}

}  // namespace
