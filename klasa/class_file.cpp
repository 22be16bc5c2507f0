#include "klasa/class_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/log.h>

#include "app/assertion.h"
#include "app/error_report.h"
#include "app/program.h"
#include "klasa/record_list.h"

namespace kw {
namespace {

// Compressed bytes are moved in chunks of this size; the output does not depend on it.
constexpr size_t kChunk = 64 * 1024;
// A list is read in pieces of at most this many bytes, so that a damaged length asks for no more
// memory than the body really holds.
constexpr size_t kListPiece = 1024 * 1024;

const char kVersionField[] = "4000 ";

std::string FsPath(const wxString& path) { return std::string(path.utf8_str()); }

std::string FolderOf(const std::string& path) {
    std::string copy = path;
    return std::string(dirname(copy.data()));
}

// Mode for a new file: the mode of the file it replaces, else what the umask allows.
mode_t ModeFor(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int ParseVersionField(const char* field, size_t size) {
    size_t i = 0;
    while (i < size && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < size && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    long value = 0;
    while (i < size && field[i] >= '0' && field[i] <= '9') value = value * 10 + (field[i++] - '0');
    return static_cast<int>(negative ? -value : value);
}

ClassFile::~ClassFile() { Close(); }

void ClassFile::OpenForWriting(const wxString& path) {
    KW_ASSERT(good_ && !open_, "klasa");
    if (!good_ || open_) return;
    path_ = path;
    const std::string target = FsPath(path);
    tempPath_ = target + ".tmp-XXXXXX";
    fd_ = mkstemp(tempPath_.data());
    if (fd_ < 0) {
        wxLogSysError("Cannot create file '%s'", path);
        tempPath_.clear();
        good_ = false;
        return;
    }
    fchmod(fd_, ModeFor(target));
    reading_ = false;
    std::memset(&z_, 0, sizeof z_);
    if (deflateInit(&z_, 9) != Z_OK) {
        Release();
        good_ = false;
        return;
    }
    zInit_ = true;
    zbuf_.resize(kChunk);
    open_ = true;
    const char zeros[8] = {0};
    if (!WriteRaw(kHeader, kHeaderSize) || !WriteRaw(kVersionField, kVersionSize) ||
        !WriteRaw(zeros, 4) || !WriteRaw(zeros + 4, 4))
        good_ = false;
}

void ClassFile::OpenForReading(const wxString& path) {
    KW_ASSERT(good_ && !open_, "klasa");
    if (!good_ || open_) return;
    path_ = path;
    version_ = 0;
    fd_ = ::open(FsPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        wxLogSysError("Cannot open file '%s'", path);
        good_ = false;
        return;
    }
    reading_ = true;
    std::memset(&z_, 0, sizeof z_);
    if (inflateInit(&z_) != Z_OK) {
        Release();
        good_ = false;
        return;
    }
    zInit_ = true;
    zbuf_.resize(kChunk);
    eof_ = false;
    open_ = true;
    if (!CheckHeader()) good_ = false;
}

bool ClassFile::CheckHeader() {
    char header[kHeaderSize];
    if (ReadRaw(header, kHeaderSize) < kHeaderSize) return false;
    if (std::memcmp(header, kHeader, kHeaderSize) != 0) {
        ErrorReport::Report(kDamagedFile);
        return false;
    }
    char version[kVersionSize];
    if (ReadRaw(version, kVersionSize) < kVersionSize) return false;
    version_ = ParseVersionField(version, kVersionSize);
    if (version_ > kProgramVersion) {
        ErrorReport::Report(kNewerVersion);
        return false;
    }
    char reserved[4];
    if (ReadRaw(reserved, 4) < 4 || ReadRaw(reserved, 4) < 4) return false;
    return true;
}

bool ClassFile::WriteRaw(const void* bytes, size_t count) {
    const char* p = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t n = ::write(fd_, p, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        count -= static_cast<size_t>(n);
    }
    return true;
}

size_t ClassFile::ReadRaw(void* buffer, size_t count) {
    char* p = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, p + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return done;
}

bool ClassFile::DrainDeflate(int flush) {
    do {
        z_.next_out = reinterpret_cast<Bytef*>(zbuf_.data());
        z_.avail_out = static_cast<uInt>(zbuf_.size());
        const int rc = deflate(&z_, flush);
        if (rc == Z_STREAM_ERROR) return false;
        const size_t have = zbuf_.size() - z_.avail_out;
        if (have > 0 && !WriteRaw(zbuf_.data(), have)) return false;
    } while (z_.avail_out == 0 || (flush == Z_NO_FLUSH && z_.avail_in > 0));
    return true;
}

size_t ClassFile::Write(const void* bytes, size_t count) {
    KW_ASSERT(good_ && open_ && !reading_ && bytes && count > 0, "klasa");
    if (!good_ || !open_ || reading_ || !bytes || count == 0) return 0;
    z_.next_in = static_cast<Bytef*>(const_cast<void*>(bytes));
    z_.avail_in = static_cast<uInt>(count);
    if (!DrainDeflate(Z_NO_FLUSH)) {
        good_ = false;
        return 0;
    }
    return count;
}

size_t ClassFile::Read(void* buffer, size_t count) {
    KW_ASSERT(good_ && open_ && reading_ && buffer && count > 0, "klasa");
    if (!good_ || !open_ || !reading_ || !buffer || count == 0) return 0;
    z_.next_out = static_cast<Bytef*>(buffer);
    z_.avail_out = static_cast<uInt>(count);
    while (z_.avail_out > 0) {
        if (z_.avail_in == 0 && !eof_) {
            const size_t n = ReadRaw(zbuf_.data(), zbuf_.size());
            if (n == 0) eof_ = true;
            z_.next_in = reinterpret_cast<Bytef*>(zbuf_.data());
            z_.avail_in = static_cast<uInt>(n);
        }
        const int rc = inflate(&z_, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) break;  // a finished stream: whatever was asked beyond is missing
        if (rc == Z_BUF_ERROR && z_.avail_in == 0 && eof_) break;  // the body ends here
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            good_ = false;
            return 0;
        }
    }
    return count - z_.avail_out;
}

bool ClassFile::WriteInt(int32_t v) {
    char b[4];
    PutLE32(b, v);
    return Write(b, 4) == 4;
}

bool ClassFile::ReadInt(int32_t& v) {
    char b[4];
    if (Read(b, 4) != 4) return false;
    v = ReadLE32(b);
    return true;
}

bool ClassFile::WriteList(const RecordList& list) {
    if (!WriteInt(static_cast<int32_t>(list.Size()))) return false;
    return list.Size() == 0 || Write(list.Bytes().data(), list.Size()) == list.Size();
}

bool ClassFile::ReadList(RecordList& list) {
    int32_t length = 0;
    if (!ReadInt(length)) return false;
    if (length < 0 || length > kMaxListLength) {
        KW_FAIL("klasa", "damaged class file: impossible list length");
        return false;
    }
    std::string& bytes = list.MutableBytes();
    bytes.clear();
    size_t left = static_cast<size_t>(length);
    while (left > 0) {
        const size_t piece = left < kListPiece ? left : kListPiece;
        const size_t at = bytes.size();
        bytes.resize(at + piece);
        if (Read(bytes.data() + at, piece) != piece) {
            bytes.clear();
            return false;
        }
        left -= piece;
    }
    return true;
}

bool ClassFile::Commit() {
    KW_ASSERT(open_ && !reading_, "klasa");
    if (!open_ || reading_) return false;
    bool ok = good_ && DrainDeflate(Z_FULL_FLUSH);
    ok = ok && ::fsync(fd_) == 0;
    const int fd = fd_;
    fd_ = -1;
    ok = (::close(fd) == 0) && ok;
    const std::string target = FsPath(path_);
    if (ok && std::rename(tempPath_.c_str(), target.c_str()) != 0) {
        wxLogSysError("Cannot replace file '%s'", path_);
        ok = false;
    }
    if (ok) {
        tempPath_.clear();
        // Make the rename itself durable.
        const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    Close();
    return ok;
}

void ClassFile::Release() {
    if (zInit_) {
        if (reading_) inflateEnd(&z_);
        else deflateEnd(&z_);
        zInit_ = false;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    zbuf_.clear();
    zbuf_.shrink_to_fit();
}

void ClassFile::Close() {
    Release();
    open_ = false;
    good_ = true;
}

}  // namespace kw
