#include "support/test_support.h"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include <gtest/gtest.h>
#include <zlib.h>

#include "klasa/record_list.h"

namespace kwtest {

namespace {
AssertRecorder* g_recorder = nullptr;
}

AssertRecorder::AssertRecorder() : previous_(g_recorder) { g_recorder = this; }
AssertRecorder::~AssertRecorder() { g_recorder = previous_; }

bool RecordAssert(const AssertRecord& r) {
    if (!g_recorder) return false;
    g_recorder->Push(r);
    return true;
}

void OnAssert(const wxString& file, int line, const wxString&, const wxString& cond,
              const wxString& msg) {
    AssertRecord r{std::string(file.utf8_str()), line,
                   std::string((msg.empty() ? cond : msg).utf8_str())};
    if (!RecordAssert(r))
        ADD_FAILURE() << "unexpected internal check failure " << r.module << ":" << r.line << ": "
                      << r.message;
}

ScriptedMessages::ScriptedMessages() { kw::SetMessages(this); }
ScriptedMessages::~ScriptedMessages() { kw::SetMessages(nullptr); }

kw::Answer ScriptedMessages::Show(const wxString& text, const wxString& caption,
                                  kw::Buttons buttons, kw::Icon) {
    shown.push_back({text, caption, buttons});
    if (!answers.empty()) {
        kw::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == kw::Buttons::Ok ? kw::Answer::Ok : kw::Answer::Cancel;
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/kwerlo-test-XXXXXX";
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    const std::string cmd = "rm -rf '" + path_ + "'";
    if (std::system(cmd.c_str()) != 0) {
    }
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> out;
    if (DIR* d = opendir(path_.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..") out.push_back(n);
        }
        closedir(d);
    }
    return out;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Body& Body::Int(int32_t v) {
    char b[4];
    kw::PutLE32(b, v);
    bytes.append(b, 4);
    return *this;
}

Body& Body::List(const std::string& records) {
    Int(static_cast<int32_t>(records.size()));
    bytes += records;
    return *this;
}

std::string Body::Num(int32_t key, int32_t internal, int32_t value) {
    char b[12];
    kw::PutLE32(b, key);
    kw::PutLE32(b + 4, internal);
    kw::PutLE32(b + 8, value);
    return std::string(b, 12);
}

std::string Body::Txt(int32_t key, int32_t internal, const std::string& cp1250) {
    char b[12];
    kw::PutLE32(b, key);
    kw::PutLE32(b + 4, internal);
    kw::PutLE32(b + 8, static_cast<int32_t>(cp1250.size()));
    return std::string(b, 12) + cp1250;
}

std::string ClassFileBytes(const std::string& body, const std::string& version) {
    std::string out = "Kwerlo klasy 1,2,3 VXQ ver. ";
    out += version;
    out.append(8, '\0');
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    std::string z(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(z.data()), &size,
                  reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()),
                  9) != Z_OK)
        throw std::runtime_error("compress2 failed");
    z.resize(size);
    return out + z;
}

std::string InflateAll(const std::string& compressed, bool* finished) {
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    std::string out;
    char buf[65536];
    int rc;
    do {
        z.next_out = reinterpret_cast<Bytef*>(buf);
        z.avail_out = sizeof buf;
        rc = inflate(&z, Z_NO_FLUSH);
        out.append(buf, sizeof buf - z.avail_out);
    } while (rc == Z_OK);
    if (finished) *finished = rc == Z_STREAM_END;
    inflateEnd(&z);
    return out;
}

}  // namespace kwtest
