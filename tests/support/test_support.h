#pragma once
// Shared helpers of the test programs: recorded assertions and messages, temporary folders, and an
// independent writer of class files (plain zlib, not the program's writer).

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/messages.h"

// Failed comparisons show texts, not character codes.
inline void PrintTo(const wxString& s, std::ostream* os) { *os << '"' << s.utf8_str().data() << '"'; }

namespace kwtest {

struct AssertRecord {
    std::string module;
    int line;
    std::string message;
};

// While one exists, failed internal checks are recorded instead of failing the test.
class AssertRecorder {
public:
    AssertRecorder();
    ~AssertRecorder();
    const std::vector<AssertRecord>& Records() const { return records_; }
    size_t Count() const { return records_.size(); }
    void Push(const AssertRecord& r) { records_.push_back(r); }

private:
    std::vector<AssertRecord> records_;
    AssertRecorder* previous_;
};

// Records r with the active recorder; false when there is none.
bool RecordAssert(const AssertRecord& r);
// The test programs' assertion handler: a failed check is recorded, or fails the running test.
void OnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
              const wxString& msg);

struct ShownMessage {
    wxString text, caption;
    kw::Buttons buttons;
};

// Installs itself as the message interface; answers from a script, then Ok/Cancel.
class ScriptedMessages : public kw::Messages {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;
    kw::Answer Show(const wxString& text, const wxString& caption, kw::Buttons buttons,
                    kw::Icon icon) override;
    std::vector<ShownMessage> shown;
    std::deque<kw::Answer> answers;
};

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> Entries() const;

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The body of a class file, built by hand.
struct Body {
    std::string bytes;
    Body& Int(int32_t v);
    Body& List(const std::string& records);
    static std::string Num(int32_t key, int32_t internal, int32_t value);
    static std::string Txt(int32_t key, int32_t internal, const std::string& cp1250);
};

// Header, the 5-byte version field, two zero words, then the body compressed by zlib's
// compress2 (a finished stream, with its check value).
std::string ClassFileBytes(const std::string& body, const std::string& version = "4000 ");

// Inflates a zlib stream that may end with a full flush instead of a final block.
std::string InflateAll(const std::string& compressed, bool* finished = nullptr);

}  // namespace kwtest
