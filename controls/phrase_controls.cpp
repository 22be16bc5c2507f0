#include "controls/phrase_controls.h"

#include "app/assertion.h"
#include "controls/composer.h"
#include "controls/token.h"
#include "klasa/record_list.h"

namespace kw {
namespace {

constexpr int kMaxOptions = 32;
constexpr int kMaxChoiceOptions = 50;

std::vector<wxString> Labels(const Phrases& phrases) {
    std::vector<wxString> out;
    out.reserve(phrases.size());
    for (const wxString& p : phrases) out.push_back(TheToken().Label(p));
    return out;
}

// Value of the control under (id, 0) in its level's numeric list; false when missing.
bool LoadNum(RecordHolder* holder, int id, int32_t& value) {
    value = 0;
    return holder && holder->Get_num(id, 0, value);
}

}  // namespace

// ---- CtrRadioGroup

CtrRadioGroup::CtrRadioGroup(int id, uint32_t flags, const wxString& caption, Rect rect,
                             Phrases options, Callback callback)
    : CtrBase(id, flags, rect, std::move(callback)), options_(std::move(options)) {
    if (flags & kOffOption) options_.push_back(wxString::FromUTF8("WYŁĄCZ"));
    KW_ASSERT(!options_.empty() && options_.size() <= kMaxOptions, "controls");
    caption_ = TheToken().Label(caption);
    captions_ = Labels(options_);
}

Rect CtrRadioGroup::OptionRect(int i) const {
    return Rect{5, 15 + 15 * i, Geometry().w - 8, 15};
}

bool CtrRadioGroup::HasChoice() const {
    return chosen_ >= 0 && !(Has(kOffOption) && chosen_ == Count() - 1);
}

wxString CtrRadioGroup::ChosenPhrase() const {
    return chosen_ >= 0 ? options_[static_cast<size_t>(chosen_)] : wxString();
}

void CtrRadioGroup::Select(int index) {
    KW_ASSERT(index >= -1 && index < Count(), "controls");
    chosen_ = index >= -1 && index < Count() ? index : -1;
    Refresh();
}

void CtrRadioGroup::UserSelect(int index) {
    if (index == chosen_ || index < 0 || index >= Count()) return;
    chosen_ = index;
    Refresh();
    OnChange();
}

// Wide literals: the separators are appended on every composition.
wxString CtrRadioGroup::JoinChoice() const {
    return HasChoice() ? ChosenPhrase() + wxS("& ") : wxString();
}
wxString CtrRadioGroup::SentenceChoice() const {
    return HasChoice() ? ChosenPhrase() + wxS(". ") : wxString();
}
wxString CtrRadioGroup::BareChoice() const { return HasChoice() ? ChosenPhrase() : wxString(); }

void CtrRadioGroup::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, HasChoice() ? chosen_ : -1);
}

void CtrRadioGroup::Load() {
    int32_t v;
    Select(LoadNum(LevelHolder(), Id(), v) ? v : -1);
}

int CtrRadioGroup::ComputeScore() {
    return HasChoice() ? TheToken().Score(ChosenPhrase(), 0) : 0;
}

// ---- CtrCheckGroup

CtrCheckGroup::CtrCheckGroup(int id, uint32_t flags, const wxString& caption, Rect rect,
                             Phrases options, Callback callback, int rowHeight)
    : CtrBase(id, flags, rect, std::move(callback)),
      options_(std::move(options)),
      rowHeight_(rowHeight < 0 ? 15 : rowHeight) {
    KW_ASSERT(!options_.empty() && options_.size() <= kMaxOptions, "controls");
    caption_ = TheToken().Label(caption);
    captions_ = Labels(options_);
}

Rect CtrCheckGroup::OptionRect(int i) const {
    return Rect{5, 15 + rowHeight_ * i, Geometry().w - 8, rowHeight_};
}

void CtrCheckGroup::SetBits(int32_t value) {
    const uint32_t all = Count() >= 32 ? 0xFFFFFFFFu : ((1u << Count()) - 1);
    const uint32_t v = static_cast<uint32_t>(value);
    KW_ASSERT(value == -1 || (v & ~all) == 0, "controls");
    bits_ = v & all;
    Refresh();
}

void CtrCheckGroup::SetTicked(int i, bool on) {
    if (i < 0 || i >= Count()) return;
    if (on) bits_ |= 1u << i;
    else bits_ &= ~(1u << i);
    Refresh();
}

void CtrCheckGroup::UserToggle(int i) {
    if (i < 0 || i >= Count()) return;
    bits_ ^= 1u << i;
    Refresh();
    OnChange();
}

wxString CtrCheckGroup::List(const wxChar* separator) const {
    wxString out;
    out.reserve(200);
    for (int i = 0; i < Count(); ++i) {
        if (!IsTicked(i)) continue;
        out += Phrase(i);
        out += separator;
    }
    return out;
}

wxString CtrCheckGroup::JoinList() const { return List(wxS("& ")); }
wxString CtrCheckGroup::SentenceList() const { return List(wxS(". ")); }
wxString CtrCheckGroup::OptionAt(int i) const {
    return AnyTicked() && i >= 0 && i < Count() ? Phrase(i) : wxString();
}

void CtrCheckGroup::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, static_cast<int32_t>(bits_));
}

void CtrCheckGroup::Load() {
    int32_t v;
    SetBits(LoadNum(LevelHolder(), Id(), v) ? v : 0);
}

int CtrCheckGroup::ComputeScore() {
    ScoreAccumulator acc;
    for (int i = 0; i < Count(); ++i)
        if (IsTicked(i)) acc.Add(TheToken().Score(Phrase(i), 0));
    return acc.Packed();
}

// ---- CtrCheck, CtrRadio

CtrCheck::CtrCheck(int id, uint32_t flags, const wxString& phrase, Rect rect, Callback callback)
    : CtrBase(id, flags, rect, std::move(callback)),
      phrase_(phrase),
      caption_(TheToken().Label(phrase)) {}

void CtrCheck::SetOn(bool on) {
    on_ = on;
    Refresh();
}

void CtrCheck::UserToggle() {
    on_ = !on_;
    Refresh();
    OnChange();
}

wxString CtrCheck::JoinBox() const { return on_ ? phrase_ + wxS("& ") : wxString(); }
wxString CtrCheck::SentenceBox() const { return on_ ? phrase_ + wxS(". ") : wxString(); }

void CtrCheck::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, on_ ? 1 : 0);
}

void CtrCheck::Load() {
    int32_t v;
    const bool found = LoadNum(LevelHolder(), Id(), v);
    KW_ASSERT(!found || v == 0 || v == 1, "controls");
    SetOn(found && v != 0);
}

int CtrCheck::ComputeScore() { return on_ ? TheToken().Score(phrase_, 0) : 0; }

void CtrRadio::UserRadioEvent(bool on) {
    const bool turnedOn = on && !wasOn_;
    wasOn_ = on;
    on_ = on;
    if (on) TurnOthersOff();
    Refresh();
    if (turnedOn) OnChange();
}

void CtrRadio::SetOn(bool on) {
    CtrCheck::SetOn(on);
    wasOn_ = on;
    if (on) TurnOthersOff();
}

void CtrRadio::JoinGroup(CtrRadio& other) {
    if (!other.group_) other.group_ = std::make_shared<std::vector<CtrRadio*>>(1, &other);
    group_ = other.group_;
    group_->push_back(this);
}

void CtrRadio::TurnOthersOff() {
    if (!group_) return;
    for (CtrRadio* r : *group_) {
        if (r == this || !r->on_) continue;
        r->CtrCheck::SetOn(false);
        r->wasOn_ = false;
    }
}

// ---- CtrChoice

CtrChoice::CtrChoice(int id, uint32_t flags, Rect rect, Phrases options, Callback callback)
    : CtrBase(id, flags, rect, std::move(callback)), options_(std::move(options)) {
    KW_ASSERT(options_.size() <= kMaxChoiceOptions, "controls");
    captions_ = Labels(options_);
}

void CtrChoice::Select(int index) {
    KW_ASSERT(index >= -1 && index < Count(), "controls");
    selection_ = index >= -1 && index < Count() ? index : -1;
    Refresh();
}

void CtrChoice::UserSelect(int index) {
    if (index < -1 || index >= Count()) return;
    selection_ = index;
    Refresh();
    OnChange();
}

bool CtrChoice::SelectByCaption(const wxString& caption) {
    for (int i = 0; i < Count(); ++i) {
        if (captions_[static_cast<size_t>(i)] == caption) {
            Select(i);
            return true;
        }
    }
    return false;
}

wxString CtrChoice::SelectedCaption() const {
    return selection_ >= 0 ? captions_[static_cast<size_t>(selection_)] : wxString();
}

void CtrChoice::Save() {
    if (RecordHolder* h = LevelHolder()) h->Add_num(Id(), 0, selection_);
}

void CtrChoice::Load() {
    int32_t v;
    if (!LoadNum(LevelHolder(), Id(), v)) {
        Select(-1);
        return;
    }
    KW_ASSERT(v >= -1 && v <= kMaxChoiceOptions - 1, "controls");
    Select(v >= -1 && v < Count() ? v : -1);
}

int CtrChoice::ComputeScore() {
    return selection_ >= 0 ? TheToken().Score(Phrase(selection_), 0) : 0;
}

// ---- containers

CtrBox::CtrBox(int id, uint32_t flags, const wxString& caption, Rect rect)
    : CtrBase(id, flags, rect), caption_(TheToken().Label(caption)) {}

CtrPanel::CtrPanel(int id, uint32_t flags, Rect rect) : CtrBase(id, flags, rect) {}

void CtrPanel::Show(bool shown) {
    shown_ = shown;
    Refresh();
}

CtrNotebook::CtrNotebook(int id, uint32_t flags, Rect rect) : CtrBase(id, flags, rect) {}

void CtrNotebook::AddPage(CtrPanel* page, const wxString& label) {
    pages_.push_back(page);
    labels_.push_back(label);
}

}  // namespace kw
