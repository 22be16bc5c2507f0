#include "print/calibration.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/filename.h>

#include "app/assertion.h"
#include "app/messages.h"
#include "app/utf8.h"

namespace kw {
namespace {

struct DefaultRow {
    const char* nameA;
    int ax, ay;
    const char* nameB;
    int bx, by;
};

// clang-format off
constexpr DefaultRow kDefaults[kCalibrationEntries] = {
    {"przesunięcie 1. strony", 0, 0, "przesunięcie 1. strony", 0, 0},
    {"przesunięcie 2. strony", 0, 0, "przesunięcie 2. strony", 0, 0},
    {"imię i nazwisko", 37000, 86000, "imię i nazwisko", 40500, 96000},
    {"(urodzon) y/a", 51000, 98000, "data urodzenia", 43000, 110000},
    {"dnia", 69000, 98000, "miejsce urodzenia", 85000, 110000},
    {"roku", 163000, 98000, "PESEL", 140000, 110000},
    {"w", 43000, 108000, "", 0, 0},
    {"województwo", 116000, 108000, "", 0, 0},
    {"(uczęszczał) a", 57000, 118000, "(uczęszczał) a", 53000, 123000},
    {"w roku szkolnym", 93000, 118000, "w roku szkolnym", 94000, 123000},
    {"do klasy", 139000, 118000, "do klasy", 142000, 123000},
    {"prefiks nazwy szkoły", 39000, 127000, "nazwa szkoły 1", 37000, 133000},
    {"sufiks nazwy szkoły", 38000, 136000, "nazwa szkoły 2", 37000, 143000},
    {"Nr szkoły", 43000, 146000, "Nr szkoły", 49000, 153000},
    {"szkoła imienia 1", 71000, 146000, "szkoła imienia 1", 76000, 153000},
    {"szkoła imienia 2", 38000, 155000, "szkoła imienia 2", 37000, 163000},
    {"w", 43000, 165000, "w", 42000, 173000},
    {"województwo", 116000, 165000, "województwo", 105000, 173000},
    {"Rada Pedagogiczna z dnia", 100000, 184000, "", 130000, 237000},
    {"roku", 162000, 184000, "", 0, 0},
    {"nie (otrzymał)", 39000, 194000, "nie (otrzymał)", 64000, 182000},
    {"(otrzymał) a", 65000, 194000, "(otrzymał) a", 87000, 182000},
    {"(promocj) ę", 85000, 194000, "(promocj) ę", 105000, 182000},
    {"do klasy", 116000, 194000, "do klasy", 125000, 182000},
    {"(miejscowość)", 39000, 214000, "(miejscowość)", 39000, 206000},
    {"dnia", 115000, 214000, "dnia", 113000, 206000},
    {"roku", 160000, 214000, "roku", 160000, 206000},
    {"Nr (w dzienniku)", 45000, 228000, "Nr(ewidencyjny ucznia)", 45000, 231000},
    {"zachowanie wiersz 1. (wcięcie)", 50000, 42000, "zachowanie wiersz 1. (wcięcie)", 50000, 42000},
    {"zachowanie wiersz 2.", 30000, 47000, "zachowanie wiersz 2.", 31000, 47000},
    {"zachowanie wiersz 3.", 30000, 52000, "zachowanie wiersz 3.", 31000, 52000},
    {"zachowanie wiersz 4.", 30000, 57000, "zachowanie wiersz 4.", 31000, 57000},
    {"zachowanie wiersz 5.", 30000, 63000, "zachowanie wiersz 5.", 31000, 62000},
    {"zachowanie wiersz 6.", 30000, 68000, "zachowanie wiersz 6.", 31000, 67000},
    {"zachowanie wiersz 7.", 30000, 73000, "zachowanie wiersz 7.", 31000, 72000},
    {"religia / etyka", 125000, 86000, "religia / etyka", 143000, 83000},
    {"obow. zajęcia edu. wiersz  1.", 30000, 92000, "obow. zajęcia edu. wiersz  1.", 31000, 87000},
    {"obow. zajęcia edu. wiersz  2.", 30000, 97000, "obow. zajęcia edu. wiersz  2.", 31000, 92000},
    {"obow. zajęcia edu. wiersz  3.", 30000, 102000, "obow. zajęcia edu. wiersz  3.", 31000, 97000},
    {"obow. zajęcia edu. wiersz  4.", 30000, 107000, "obow. zajęcia edu. wiersz  4.", 31000, 102000},
    {"obow. zajęcia edu. wiersz  5.", 30000, 113000, "obow. zajęcia edu. wiersz  5.", 31000, 107000},
    {"obow. zajęcia edu. wiersz  6.", 30000, 118000, "obow. zajęcia edu. wiersz  6.", 31000, 112000},
    {"obow. zajęcia edu. wiersz  7.", 30000, 124000, "obow. zajęcia edu. wiersz  7.", 31000, 118000},
    {"obow. zajęcia edu. wiersz  8.", 30000, 129000, "obow. zajęcia edu. wiersz  8.", 31000, 123000},
    {"obow. zajęcia edu. wiersz  9.", 30000, 134000, "obow. zajęcia edu. wiersz  9.", 31000, 128000},
    {"obow. zajęcia edu. wiersz 10.", 30000, 139000, "obow. zajęcia edu. wiersz 10.", 31000, 133000},
    {"obow. zajęcia edu. wiersz 11.", 30000, 145000, "obow. zajęcia edu. wiersz 11.", 31000, 138000},
    {"obow. zajęcia edu. wiersz 12.", 30000, 150000, "obow. zajęcia edu. wiersz 12.", 31000, 143000},
    {"dod. zajęcia edu. wiersz  1.", 30000, 161000, "dod. zajęcia edu. wiersz  1.", 31000, 156000},
    {"dod. zajęcia edu. wiersz  2.", 30000, 166000, "dod. zajęcia edu. wiersz  2.", 31000, 161000},
    {"indyw. program nauki wiersz  1.", 30000, 180000, "dod. zajęcia edu. wiersz  3.", 31000, 166000},
    {"indyw. program nauki wiersz  2.", 30000, 185000, "indyw. program nauki wiersz  1.", 31000, 180000},
    {"indyw. program nauki wiersz  3.", 30000, 190000, "indyw. program nauki wiersz  2.", 31000, 185000},
    {"szczególne osiągnięcia wiersz  1.", 30000, 201000, "indyw. program nauki wiersz  3.", 31000, 190000},
    {"szczególne osiągnięcia wiersz  2.", 30000, 206000, "szczególne osiągnięcia wiersz  1.", 31000, 204000},
    {"szczególne osiągnięcia wiersz  3.", 30000, 211000, "szczególne osiągnięcia wiersz  2.", 31000, 209000},
    {"szczególne osiągnięcia wiersz  4.", 30000, 216000, "szczególne osiągnięcia wiersz  3.", 31000, 214000},
    {"imię i nazwisko wychowawcy", 138000, 235000, "imię i nazwisko wychowawcy", 138000, 235000},
};
// clang-format on

void ReadError() {
    TheMessages().Show(U("Nastąpił błąd odczytu ustawień wydruku"), U("Odczyt ustawień wydruku"),
                       Buttons::Ok, Icon::Warning);
}

void WriteError() {
    TheMessages().Show(U("Nastąpił błąd zapisu ustawień wydruku"), U("Zapis ustawień wydruku"),
                       Buttons::Ok, Icon::Warning);
}

int32_t Le32(const unsigned char* p) {
    const uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                       static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(v);
}

void PutLe32(std::string& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xff));
}

}  // namespace

CalibrationTable DefaultCalibration(bool sheetOption) {
    CalibrationTable t;
    t.name = U("Domyślne");
    for (int i = 0; i < kCalibrationEntries; ++i) {
        const DefaultRow& r = kDefaults[i];
        CalibrationEntry& e = t.entries[static_cast<size_t>(i)];
        e.name = U(sheetOption ? r.nameA : r.nameB);
        e.x = sheetOption ? r.ax : r.bx;
        e.y = sheetOption ? r.ay : r.by;
    }
    return t;
}

int SectionFirstEntry(int section, bool sheetOption) {
    switch (section) {
        case 1: return 28;
        case 2: return 36;
        case 3: return 48;
        case 4: return sheetOption ? 50 : 51;
        case 5: return sheetOption ? 53 : 54;
    }
    KW_FAIL("print", "no such section");
    return 28;
}

int SectionRows(int section, bool sheetOption) {
    switch (section) {
        case 1: return 7;
        case 2: return 12;
        case 3: return sheetOption ? 2 : 3;
        case 4: return 3;
        case 5: return sheetOption ? 4 : 3;
    }
    KW_FAIL("print", "no such section");
    return 0;
}

bool ReadCalibrationFile(const wxString& path, bool sheetOption, CalibrationTable& table,
                         wxString* diagnostic) {
    FILE* f = std::fopen(path.fn_str(), "rb");
    if (!f) {
        ReadError();
        return false;
    }
    unsigned char bytes[kCalibrationFileSize];
    const size_t got = std::fread(bytes, 1, sizeof bytes, f);
    const bool atEnd = std::feof(f) != 0;
    std::fclose(f);
    if (got < kCalibrationFileSize) {
        if (diagnostic) {
            // Which value was being read when the bytes ran out, and how many of its bytes came.
            const size_t value = got / 4;
            *diagnostic = wxString::Format("%s - %d - %d - %d", value % 2 ? " y" : " x",
                                           static_cast<int>(value / 2),
                                           static_cast<int>(got % 4), atEnd ? 1 : 0);
        }
        ReadError();
        return false;
    }
    CalibrationTable read = DefaultCalibration(sheetOption);
    for (size_t i = 0; i < kCalibrationEntries; ++i) {
        read.entries[i].x = Le32(bytes + 8 * i);
        read.entries[i].y = Le32(bytes + 8 * i + 4);
    }
    table = read;
    return true;
}

bool WriteCalibrationFile(const wxString& path, const CalibrationTable& table) {
    std::string bytes;
    for (const CalibrationEntry& e : table.entries) {
        PutLe32(bytes, e.x);
        PutLe32(bytes, e.y);
    }
    FILE* f = std::fopen(path.fn_str(), "wb");
    if (!f) {
        WriteError();
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!ok || !closed) {
        std::remove(path.fn_str());
        WriteError();
        return false;
    }
    return true;
}

wxString CalibrationNameOf(const wxString& path) { return wxFileName(path).GetName(); }

wxString CalibrationReadNameTooLong() {
    return U("Nazwa pliku jest za długa - maximum 30 znaków.\nNależy zmienić nazwę za krótszą.");
}

wxString CalibrationSaveNameTooLong() {
    return U("Nazwa pliku jest za długa - maksimum 30 znaków");
}

wxString CalibrationCell(int32_t micrometres) {
    return wxString::Format("%d", static_cast<int>(micrometres / 1000));
}

int32_t ParseCalibrationCell(const wxString& cell) {
    const std::string s = cell.ToStdString();
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const char* start = s.c_str() + i;
    char* end = nullptr;
    errno = 0;
    long mm = std::strtol(start, &end, 10);
    if (end == start) return 0;
    // The table holds 32-bit micrometres.
    const long limit = INT32_MAX / 1000;
    if (errno == ERANGE || mm > limit) mm = limit;
    if (mm < -limit) mm = -limit;
    return static_cast<int32_t>(mm * 1000);
}

}  // namespace kw
