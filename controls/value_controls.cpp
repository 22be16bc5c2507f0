#include "controls/value_controls.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "app/messages.h"
#include "klasa/klasa.h"

namespace kw {

// ---- CtrText

CtrText::CtrText(int id, uint32_t flags, const wxString& initial, Rect rect, Callback callback,
                 int maxLength, int filterKind, const wxString& set, bool multiLine)
    : CtrText(id, flags, initial, rect, std::move(callback),
              KeyFilter(maxLength, filterKind, set, true)) {
    multiLine_ = multiLine;
}

CtrText::CtrText(int id, uint32_t flags, const wxString& initial, Rect rect, Callback callback,
                 const KeyFilter& filter)
    : CtrBase(id, flags, rect, std::move(callback)), filter_(filter), text_(filter.Fit(initial)) {}

void CtrText::SetText(const wxString& text) {
    text_ = filter_.Fit(text);
    Refresh();
}

void CtrText::UserSetText(const wxString& text) {
    const wxString fitted = filter_.Fit(text);
    const bool changed = fitted != text_;
    text_ = fitted;
    if (changed) Touch();
    if (fitted != text) Refresh();  // the widget must show what was kept
    if (changed) OnChange();
}

void CtrText::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_txt(Id(), 0, text_);
}

void CtrText::Load() {
    wxString t;
    if (RecordHolder* h = LevelHolder()) h->Get_txt(Id(), 0, t);
    SetText(t);
}

// ---- CtrCombo

CtrCombo::CtrCombo(int id, uint32_t flags, const wxString& initial, Rect rect,
                   std::vector<wxString> entries, Callback callback, int maxLength, int filterKind,
                   const wxString& set)
    : CtrText(id, flags, initial, rect, std::move(callback),
              KeyFilter(maxLength, filterKind, set, false)),
      entries_(std::move(entries)) {}

void CtrCombo::Remember() {
    TheMessages().Show(wxString::FromUTF8("Zapamiętano pozycję..."), "Message", Buttons::Ok,
                       Icon::None);
    entries_.push_back(Text());
    Refresh();
}

void CtrCombo::SaveList() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "controls");
    if (!klasa) return;
    klasa->Add_num(Id(), 1, static_cast<int32_t>(entries_.size()));
    for (size_t i = 0; i < entries_.size(); ++i)
        klasa->Add_txt(Id(), static_cast<int32_t>(i + 2), entries_[i]);
}

void CtrCombo::LoadList() {
    Klasa* klasa = OpenClass();
    KW_ASSERT(klasa, "controls");
    if (!klasa) return;
    int32_t n = 0;
    klasa->Get_num(Id(), 1, n);
    KW_ASSERT(n >= 0, "controls");
    entries_.clear();
    for (int32_t i = 0; i < n; ++i) {
        wxString entry;
        klasa->Get_txt(Id(), i + 2, entry);
        if (!entry.empty()) entries_.push_back(entry);
    }
    Refresh();
}

// ---- CtrSpin

CtrSpin::CtrSpin(int id, uint32_t flags, Rect rect, int min, int max, int initial,
                 Callback callback)
    : CtrBase(id, flags, rect, std::move(callback)), min_(min), max_(max), value_(initial) {}

void CtrSpin::SetValue(int value) {
    value_ = value;
    Refresh();
}

void CtrSpin::UserSetValue(int value) {
    value_ = std::clamp(value, 0, 100);
    Refresh();
    MarkChanged();  // no page callback: a typed score changes no text
}

void CtrSpin::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, ComputeScore());
}

void CtrSpin::Load() {
    int32_t v = 0;
    if (RecordHolder* h = LevelHolder()) h->Get_num(Id(), 0, v);
    KW_ASSERT(v >= 0 && v <= 100, "controls");
    SetValue(v);
}

// The points field's score goes to the state list like every scored control's.
void CtrSpin::SaveScore() { CtrBase::SaveScore(); }

int CtrSpin::ComputeScore() { return std::clamp(value_, 0, 100); }

// ---- CtrNumber, CtrString

CtrNumber::CtrNumber(int id, uint32_t flags, int32_t initial) : CtrBase(id, flags), value_(initial) {}

void CtrNumber::SetValue(int32_t value) {
    value_ = value;
    Touch();
    MarkChanged();
}

void CtrNumber::PutBack(const CtrValue& v) {
    value_ = v.number;
    Touch();
}

void CtrNumber::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, value_);
}

void CtrNumber::Load() {
    int32_t v = 0;
    if (RecordHolder* h = LevelHolder()) h->Get_num(Id(), 0, v);
    value_ = v;
    Touch();
}

CtrString::CtrString(int id, uint32_t flags, const wxString& initial)
    : CtrBase(id, flags), text_(initial) {}

void CtrString::SetText(const wxString& text) {
    text_ = text;
    Touch();
    MarkChanged();
}

void CtrString::PutBack(const CtrValue& v) {
    text_ = v.text;
    Touch();
}

void CtrString::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_txt(Id(), 0, text_);
}

void CtrString::Load() {
    wxString t;
    if (RecordHolder* h = LevelHolder()) h->Get_txt(Id(), 0, t);
    text_ = t;
    Touch();
}

}  // namespace kw
