#include <gtest/gtest.h>

#include "klasa/klasa.h"
#include "support/test_support.h"

namespace {

using kwtest::Body;

TEST(RecordList, EmptyListFindsNothing) {
    kw::RecordList list;
    int32_t v = 77;
    EXPECT_FALSE(list.FindNum(101, 0, v));
    EXPECT_EQ(v, 0);
    std::string t = "old";
    EXPECT_FALSE(list.FindTxt(103, 0, t));
    EXPECT_EQ(t, "");
}

TEST(RecordList, NumericLookups) {
    kw::RecordList list;
    list.AppendNum(5, 0, 10);
    list.AppendNum(5, 1, 11);
    list.AppendNum(5, 2, 12);
    list.AppendNum(5, 0, 99);  // duplicate: the first one wins
    list.AppendNum(7, 0, -1);
    list.AppendNum(8, 0, INT32_MIN);
    list.AppendNum(9, 0, INT32_MAX);
    const struct {
        int32_t key, internal;
        bool found;
        int32_t value;
    } cases[] = {
        {5, 0, true, 10}, {5, 1, true, 11}, {5, 2, true, 12}, {5, 3, false, 0},
        {7, 0, true, -1}, {8, 0, true, INT32_MIN}, {9, 0, true, INT32_MAX}, {0, 0, false, 0},
        {6, 0, false, 0},
    };
    for (const auto& c : cases) {
        int32_t v = 1234;
        EXPECT_EQ(list.FindNum(c.key, c.internal, v), c.found) << c.key << "/" << c.internal;
        EXPECT_EQ(v, c.value) << c.key << "/" << c.internal;
    }
    EXPECT_EQ(list.Size(), 7u * 12u);
}

TEST(RecordList, TextLookups) {
    kw::RecordList list;
    list.AppendTxt(103, 0, "12");
    list.AppendTxt(104, 0, "");
    list.AppendTxt(103, 0, "second");
    list.AppendTxt(203, 2, "Ala");
    list.AppendTxt(203, 3, "Ola");
    const struct {
        int32_t key, internal;
        bool found;
        const char* text;
    } cases[] = {
        {103, 0, true, "12"}, {104, 0, true, ""}, {203, 2, true, "Ala"},
        {203, 3, true, "Ola"}, {203, 4, false, ""}, {105, 0, false, ""},
    };
    for (const auto& c : cases) {
        std::string t = "x";
        EXPECT_EQ(list.FindTxt(c.key, c.internal, t), c.found) << c.key << "/" << c.internal;
        EXPECT_EQ(t, c.text);
    }
    // An empty text is a 12-byte header alone.
    EXPECT_EQ(list.Size(), 5u * 12u + 2 + 6 + 3 + 3);
}

TEST(RecordList, ListBytesAreLittleEndianRecords) {
    kw::RecordList list;
    list.AppendNum(0x01020304, -1, 258);
    list.AppendTxt(101, 0, "ab");
    EXPECT_EQ(list.Bytes(), std::string("\x04\x03\x02\x01\xff\xff\xff\xff\x02\x01\0\0", 12) +
                                std::string("\x65\0\0\0\0\0\0\0\x02\0\0\0ab", 14));
}

TEST(RecordList, DamagedListsAreReadOnlyAsFarAsWholeRecordsGo) {
    // A numeric list whose length is not a multiple of 12: the tail is ignored.
    kw::RecordList num;
    num.MutableBytes() = Body::Num(1, 0, 5) + Body::Num(2, 0, 6) + std::string("\x03\0\0\0\0", 5);
    int32_t v;
    EXPECT_TRUE(num.FindNum(2, 0, v));
    EXPECT_EQ(v, 6);
    EXPECT_FALSE(num.FindNum(3, 0, v));
    EXPECT_EQ(num.NumRecords().size(), 2u);

    // Text lists with a negative length or one running past the end stop the scan there.
    const struct {
        std::string bytes;
        size_t whole;
    } cases[] = {
        {Body::Txt(1, 0, "ok") + std::string("\x02\0\0\0\0\0\0\0\xff\xff\xff\xff", 12) +
             Body::Txt(3, 0, "after"),
         1},
        {Body::Txt(1, 0, "ok") + std::string("\x02\0\0\0\0\0\0\0\x40\0\0\0abc", 15), 1},
        {Body::Txt(1, 0, "ok") + std::string("\x02\0\0\0\0\0", 6), 1},
    };
    for (const auto& c : cases) {
        kw::RecordList txt;
        txt.MutableBytes() = c.bytes;
        std::string t;
        EXPECT_TRUE(txt.FindTxt(1, 0, t));
        EXPECT_EQ(t, "ok");
        EXPECT_FALSE(txt.FindTxt(2, 0, t));
        EXPECT_FALSE(txt.FindTxt(3, 0, t));
        EXPECT_EQ(txt.TxtRecords().size(), c.whole);
    }
}

TEST(RecordHolder, EachEntityUsesOnlyTheListsItOwns) {
    kw::Klasa klasa;
    kw::Uczen pupil;
    kw::Ocena assessment;
    for (kw::RecordHolder* h : std::initializer_list<kw::RecordHolder*>{&klasa, &pupil}) {
        h->Add_state(11001, 1, 70);
        int32_t v = 42;
        EXPECT_FALSE(h->Get_state(11001, 1, v));
        EXPECT_EQ(v, 42) << "a base lookup leaves the output untouched";
    }
    EXPECT_EQ(klasa.NumList().Size(), 0u);
    EXPECT_EQ(pupil.NumList().Size(), 0u);

    // The same key and internal in the state and the numeric list are separate records.
    assessment.Add_state(11001, 1, 70);
    assessment.Add_num(11001, 1, 3);
    int32_t state = 0, num = 0;
    EXPECT_TRUE(assessment.Get_state(11001, 1, state));
    EXPECT_TRUE(assessment.Get_num(11001, 1, num));
    EXPECT_EQ(state, 70);
    EXPECT_EQ(num, 3);

    kw::RecordHolder& base = assessment;
    base.Add_txt(306, 0, wxString::FromUTF8("Ocena śródroczna"));
    wxString t;
    EXPECT_TRUE(base.Get_txt(306, 0, t));
    EXPECT_EQ(t, wxString::FromUTF8("Ocena śródroczna"));
    EXPECT_FALSE(base.Get_txt(307, 0, t));
    EXPECT_EQ(t, "");
}

}  // namespace
