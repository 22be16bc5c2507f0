#include "controls/ctr_base.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/assertion.h"
#include "controls/registry.h"
#include "klasa/klasa.h"

namespace kw {

namespace {
uint64_t g_clock = 0;
}  // namespace

void CtrBase::Touch() const { lastChange_ = ++g_clock; }

ChangeWatch::ChangeWatch(const CtrBase& root) {
    controls_.push_back(&root);
    for (CtrBase* c : TheRegistry().Walk(root)) controls_.push_back(c);
}

uint64_t ChangeWatch::Latest() const {
    uint64_t latest = 0;
    for (const CtrBase* c : controls_) latest = std::max(latest, c->LastChange());
    return latest;
}

CtrBase::CtrBase(int id, uint32_t flags, Rect rect, Callback callback)
    : id_(id), flags_(flags), rect_(rect), callback_(std::move(callback)) {
    index_ = TheRegistry().Register(this, id);
}

void CtrBase::OnChange() {
    if (callback_) callback_();
    MarkChanged();
}

void CtrBase::MarkChanged() const {
    if ((flags_ & (kStored | kScored)) && !Loading()) SetModified();
}

RecordHolder* CtrBase::LevelHolder() const {
    Klasa* klasa = OpenClass();
    RecordHolder* holder = nullptr;
    switch (flags_ & kLevelMask) {
        case kLevelClass: holder = klasa; break;
        case kLevelPupil: holder = klasa ? klasa->CurrentPupil() : nullptr; break;
        case kLevelAssessment: holder = klasa ? klasa->CurrentAssessment() : nullptr; break;
        default: KW_FAIL("controls", "a stored control needs exactly one level"); return nullptr;
    }
    KW_ASSERT_MSG(holder, "controls", "the control's entity does not exist");
    return holder;
}

int CtrBase::NotApplicable(const char* operation) const {
    KW_FAIL("controls", operation);
    return 0;
}

void CtrBase::Clear() { NotApplicable("Clear() does not apply"); }
void CtrBase::Save() { NotApplicable("Save() does not apply"); }
void CtrBase::Load() { NotApplicable("Load() does not apply"); }
void CtrBase::SaveList() { NotApplicable("SaveList() does not apply"); }
void CtrBase::LoadList() { NotApplicable("LoadList() does not apply"); }
int CtrBase::ComputeScore() { return NotApplicable("ComputeScore() does not apply"); }

void CtrBase::SaveScore() {
    Klasa* klasa = OpenClass();
    Ocena* assessment = klasa ? klasa->CurrentAssessment() : nullptr;
    KW_ASSERT_MSG(assessment, "controls", "SaveScore() without a current assessment");
    if (assessment) assessment->Add_state(id_, 1, ComputeScore());
}

void CtrBase::Enable(bool enabled) {
    enabled_ = enabled;
    if (view_) view_->SetEnabled(enabled);
}

}  // namespace kw
