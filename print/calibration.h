#pragma once
// Where the data go on a pre-printed certificate: 58 named positions in micrometres (entries 0
// and 1 are the offsets of the front and the back), the two default tables, the sections of the
// back, and calibration files ("*.kal": the 58 pairs x, y as 32-bit little-endian integers).

#include <array>
#include <cstdint>

#include <wx/string.h>

namespace kw {

constexpr int kCalibrationEntries = 58;
constexpr size_t kCalibrationFileSize = kCalibrationEntries * 8;  // 464 bytes

struct CalibrationEntry {
    int32_t x = 0;
    int32_t y = 0;
    wxString name;
};

struct CalibrationTable {
    wxString name;
    std::array<CalibrationEntry, kCalibrationEntries> entries;
};

// Table A when the class prints the MEN-I/45/1 sheet (option 123), table B otherwise; named
// "Domyślne".
CalibrationTable DefaultCalibration(bool sheetOption);

// The certificate back's text boxes: 1 behaviour, 2 compulsory education, 3 additional and other
// classes, 4 individual programme, 5 special achievements. Line k of a box goes to entry
// first + k.
int SectionFirstEntry(int section, bool sheetOption);
// How many rows the form has for the section (its named entries); a box may have more lines.
int SectionRows(int section, bool sheetOption);

// Reads a calibration file into a fresh default table (the names are the table's, the numbers
// the file's); bytes after the 464th are ignored. A file that cannot be opened or is too short
// is reported ("Nastąpił błąd odczytu ustawień wydruku") and leaves table unchanged; diagnostic
// then says where the reading stopped (" x - entry - bytes read - end of file").
bool ReadCalibrationFile(const wxString& path, bool sheetOption, CalibrationTable& table,
                         wxString* diagnostic = nullptr);
// Writes the 464 bytes; a failure is reported ("Nastąpił błąd zapisu ustawień wydruku") and
// leaves no file behind.
bool WriteCalibrationFile(const wxString& path, const CalibrationTable& table);

// A file's name without folder and extension names the table; 31 characters or more are refused
// with these warnings (caption "Ostrzeżenie"), different when reading and when saving.
constexpr size_t kMaxCalibrationName = 30;
wxString CalibrationNameOf(const wxString& path);
wxString CalibrationReadNameTooLong();
wxString CalibrationSaveNameTooLong();

// The window shows whole millimetres (truncated toward zero) and takes back the leading integer
// of a cell (0 when there is none), in millimetres.
wxString CalibrationCell(int32_t micrometres);
int32_t ParseCalibrationCell(const wxString& cell);

}  // namespace kw
