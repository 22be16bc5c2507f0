#include "klasa/record_list.h"

#include "app/assertion.h"
#include "klasa/cp1250.h"

namespace kw {

void RecordList::Clear() {
    buffer_.clear();
    buffer_.reserve(1024);
}

void RecordList::AppendNum(int32_t key, int32_t internal, int32_t value) {
    char r[kNumSize];
    PutLE32(r, key);
    PutLE32(r + 4, internal);
    PutLE32(r + 8, value);
    buffer_.append(r, kNumSize);
}

void RecordList::AppendTxt(int32_t key, int32_t internal, const std::string& bytes) {
    char r[kTxtHeaderSize];
    PutLE32(r, key);
    PutLE32(r + 4, internal);
    PutLE32(r + 8, static_cast<int32_t>(bytes.size()));
    buffer_.append(r, kTxtHeaderSize);
    buffer_.append(bytes);
}

bool RecordList::FindNum(int32_t key, int32_t internal, int32_t& value) const {
    const char* p = buffer_.data();
    for (size_t off = 0; off + kNumSize <= buffer_.size(); off += kNumSize) {
        value = ReadLE32(p + off + 8);
        if (ReadLE32(p + off) == key && ReadLE32(p + off + 4) == internal) return true;
    }
    value = 0;
    return false;
}

bool RecordList::FindTxt(int32_t key, int32_t internal, std::string& bytes) const {
    bytes.clear();
    const char* p = buffer_.data();
    size_t off = 0;
    while (off + kTxtHeaderSize <= buffer_.size()) {
        const int32_t len = ReadLE32(p + off + 8);
        // A negative length or one past the end exists only in a damaged file: stop there.
        if (len < 0 || static_cast<size_t>(len) > buffer_.size() - off - kTxtHeaderSize) break;
        if (ReadLE32(p + off) == key && ReadLE32(p + off + 4) == internal) {
            bytes.assign(p + off + kTxtHeaderSize, static_cast<size_t>(len));
            return true;
        }
        off += kTxtHeaderSize + static_cast<size_t>(len);
    }
    return false;
}

std::vector<NumRecord> RecordList::NumRecords() const {
    std::vector<NumRecord> out;
    const char* p = buffer_.data();
    for (size_t off = 0; off + kNumSize <= buffer_.size(); off += kNumSize)
        out.push_back({ReadLE32(p + off), ReadLE32(p + off + 4), ReadLE32(p + off + 8)});
    return out;
}

std::vector<TxtRecord> RecordList::TxtRecords() const {
    std::vector<TxtRecord> out;
    const char* p = buffer_.data();
    size_t off = 0;
    while (off + kTxtHeaderSize <= buffer_.size()) {
        const int32_t len = ReadLE32(p + off + 8);
        if (len < 0 || static_cast<size_t>(len) > buffer_.size() - off - kTxtHeaderSize) break;
        out.push_back({ReadLE32(p + off), ReadLE32(p + off + 4),
                       std::string(p + off + kTxtHeaderSize, static_cast<size_t>(len))});
        off += kTxtHeaderSize + static_cast<size_t>(len);
    }
    return out;
}

void RecordHolder::Add_state(int32_t, int32_t, int32_t) {}
bool RecordHolder::Get_state(int32_t, int32_t, int32_t&) const { return false; }
void RecordHolder::Add_num(int32_t, int32_t, int32_t) {}
bool RecordHolder::Get_num(int32_t, int32_t, int32_t&) const { return false; }
void RecordHolder::Add_txt(int32_t, int32_t, const wxString&) {}
bool RecordHolder::Get_txt(int32_t, int32_t, wxString&) const { return false; }

void RecordHolder::AddText(RecordList& list, int32_t key, int32_t internal,
                           const wxString& text) {
    std::string bytes;
    const bool all = cp1250::Encode(text, bytes);
    // The input fields refuse such characters; one that still arrives is kept out, not the text.
    KW_ASSERT_MSG(all, "klasa", "Add_txt(): a character outside Windows-1250 was left out");
    list.AppendTxt(key, internal, bytes);
}

bool RecordHolder::GetText(const RecordList& list, int32_t key, int32_t internal,
                           wxString& text) {
    std::string bytes;
    const bool found = list.FindTxt(key, internal, bytes);
    text = cp1250::Decode(bytes);
    return found;
}

}  // namespace kw
