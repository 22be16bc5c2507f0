#pragma once
// The class file: a 41-byte header ("Kwerlo klasy 1,2,3 VXQ ver. ", the version "4000 ", two zero
// words) and a zlib body of level 9 that ends with a full flush and is never finished.

#include <cstddef>
#include <string>

#include <wx/string.h>
#include <zlib.h>

namespace kw {

class RecordList;

class ClassFile {
public:
    static constexpr char kHeader[] = "Kwerlo klasy 1,2,3 VXQ ver. ";
    static constexpr size_t kHeaderSize = 28;
    static constexpr size_t kVersionSize = 5;
    static constexpr size_t kPrologueSize = kHeaderSize + kVersionSize + 8;
    // Longest list the reader takes; anything longer cannot come from a real class.
    static constexpr int32_t kMaxListLength = 64 * 1024 * 1024;

    ClassFile() = default;
    ~ClassFile();
    ClassFile(const ClassFile&) = delete;
    ClassFile& operator=(const ClassFile&) = delete;

    // Writing goes to a temporary file in the target's folder; Commit puts it in place.
    void OpenForWriting(const wxString& path);
    void OpenForReading(const wxString& path);

    size_t Write(const void* bytes, size_t count);
    size_t Read(void* buffer, size_t count);

    // Ends the body, flushes it to disk and renames it over the target. False (and the target
    // untouched, the temporary file gone) when anything failed now or before.
    bool Commit();
    // Releases everything; a file open for writing and not committed is thrown away.
    void Close();

    bool Good() const { return good_; }
    bool IsOpen() const { return open_; }
    bool IsReading() const { return reading_; }
    // The version field of the last file opened for reading (0 when it had no digits).
    int Version() const { return version_; }

    bool WriteInt(int32_t v);
    bool ReadInt(int32_t& v);
    bool WriteList(const RecordList& list);
    bool ReadList(RecordList& list);

private:
    bool WriteRaw(const void* bytes, size_t count);  // straight to the file, uncompressed
    size_t ReadRaw(void* buffer, size_t count);
    bool DrainDeflate(int flush);
    bool CheckHeader();
    void Release();

    wxString path_;
    std::string tempPath_;
    int fd_ = -1;
    bool zInit_ = false;
    z_stream z_{};
    std::string zbuf_;  // compressed bytes going out or coming in
    bool eof_ = false;
    bool good_ = true;
    bool open_ = false;
    bool reading_ = false;
    int version_ = 0;
};

// Leading decimal value of a version field: leading white space and a sign are taken, no digits
// give 0.
int ParseVersionField(const char* field, size_t size);

}  // namespace kw
