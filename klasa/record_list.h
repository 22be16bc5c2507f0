#pragma once
// The record store: every stored value of an entity is a record (key, internal, value) in one of
// its lists. A list is append-only; saving an entity clears it and appends everything anew.

#include <cstdint>
#include <string>
#include <vector>

#include <wx/string.h>

namespace kw {

struct NumRecord {
    int32_t key, internal, value;
};

struct TxtRecord {
    int32_t key, internal;
    std::string bytes;  // Windows-1250
};

class RecordList {
public:
    static constexpr size_t kNumSize = 12;
    static constexpr size_t kTxtHeaderSize = 12;

    RecordList() { Clear(); }

    void Clear();
    void AppendNum(int32_t key, int32_t internal, int32_t value);
    void AppendTxt(int32_t key, int32_t internal, const std::string& bytes);

    // First record with that key and internal. A miss gives 0 or the empty text.
    bool FindNum(int32_t key, int32_t internal, int32_t& value) const;
    bool FindTxt(int32_t key, int32_t internal, std::string& bytes) const;

    // Every whole record in list order; a damaged tail is left out.
    std::vector<NumRecord> NumRecords() const;
    std::vector<TxtRecord> TxtRecords() const;

    const std::string& Bytes() const { return buffer_; }
    std::string& MutableBytes() { return buffer_; }
    size_t Size() const { return buffer_.size(); }

private:
    std::string buffer_;
};

// Little-endian signed 32-bit, as every integer of the store and the class file.
inline int32_t ReadLE32(const char* p) {
    const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(u[0]) | static_cast<uint32_t>(u[1]) << 8 |
                                static_cast<uint32_t>(u[2]) << 16 |
                                static_cast<uint32_t>(u[3]) << 24);
}
inline void PutLE32(char* p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    p[0] = static_cast<char>(u & 0xFF);
    p[1] = static_cast<char>((u >> 8) & 0xFF);
    p[2] = static_cast<char>((u >> 16) & 0xFF);
    p[3] = static_cast<char>((u >> 24) & 0xFF);
}

// Base of the three entities: each overrides the pairs of the lists it owns. The base pairs store
// nothing and find nothing (leaving the output untouched).
class RecordHolder {
public:
    virtual ~RecordHolder() = default;
    virtual void Add_state(int32_t key, int32_t internal, int32_t value);
    virtual bool Get_state(int32_t key, int32_t internal, int32_t& value) const;
    virtual void Add_num(int32_t key, int32_t internal, int32_t value);
    virtual bool Get_num(int32_t key, int32_t internal, int32_t& value) const;
    virtual void Add_txt(int32_t key, int32_t internal, const wxString& text);
    virtual bool Get_txt(int32_t key, int32_t internal, wxString& text) const;

protected:
    // Shared bodies for the entities' overrides: the Windows-1250 boundary.
    static void AddText(RecordList& list, int32_t key, int32_t internal, const wxString& text);
    static bool GetText(const RecordList& list, int32_t key, int32_t internal, wxString& text);
};

}  // namespace kw
