#pragma once
// The base of every registered control: its id (also the key of its records), its flags, its
// place in the registry and in the page, and the operations every walk over controls uses.
// A control is a model that works without a window; a widget can attach as its view.

#include <cstdint>
#include <functional>
#include <vector>

#include <wx/string.h>

namespace kw {

class RecordHolder;

enum CtrFlag : uint32_t {
    kLevelClass = 0x1000000,
    kLevelPupil = 0x2000000,
    kLevelAssessment = 0x4000000,
    kList = 0x8000000,
    kStored = 0x200,
    kScored = 0x100,
    kEarly = 0x10,
    kOffOption = 0x10000,
};
constexpr uint32_t kLevelMask = kLevelClass | kLevelPupil | kLevelAssessment;

// The flag words of the editor pages.
constexpr uint32_t kPhraseScored = 0x4000300;
constexpr uint32_t kPhraseScoredOff = 0x4010300;
constexpr uint32_t kAssessmentStored = 0x4000200;
constexpr uint32_t kAssessmentEarly = 0x4000210;
constexpr uint32_t kAssessmentContainer = 0x4000000;

struct Rect {
    int x = 0, y = 0, w = -1, h = -1;  // pixels; -1 is the toolkit's default size
};

// A widget showing a control. The model calls Refresh after every change the program makes, so
// the widget can show the new state; the widget reports the teacher's actions through the
// control's user operations, which run OnChange.
class CtrView {
public:
    virtual ~CtrView() = default;
    virtual void Refresh() = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// A stored control's whole value, to be put back exactly after the controls were borrowed.
struct CtrValue {
    int32_t number = 0;
    wxString text;
};

class CtrBase {
public:
    using Callback = std::function<void()>;

    CtrBase(int id, uint32_t flags, Rect rect = {}, Callback callback = {});
    virtual ~CtrBase() = default;
    CtrBase(const CtrBase&) = delete;
    CtrBase& operator=(const CtrBase&) = delete;

    int Id() const { return id_; }
    uint32_t Flags() const { return flags_; }
    bool Has(uint32_t flag) const { return (flags_ & flag) != 0; }
    int RegistryIndex() const { return index_; }
    const Rect& Geometry() const { return rect_; }

    // The teacher changed the value: page callback, then the modified flag.
    virtual void OnChange();
    virtual void Clear();
    virtual void Enable(bool enabled);
    virtual void Save();
    virtual void Load();
    virtual void SaveList();
    virtual void LoadList();
    virtual void SaveScore();
    virtual int ComputeScore();

    // Every stored control keeps and puts back its value; the others have none.
    virtual CtrValue Keep() const { return {}; }
    virtual void PutBack(const CtrValue&) {}

    // When the state last changed, on a clock shared by every control (0: never).
    uint64_t LastChange() const { return lastChange_; }

    bool Enabled() const { return enabled_; }
    void AttachView(CtrView* view) { view_ = view; }
    CtrView* View() const { return view_; }
    void SetCallback(Callback callback) { callback_ = std::move(callback); }

protected:
    // The entity of the control's level: the class, the current pupil or the current assessment.
    RecordHolder* LevelHolder() const;
    // Sets the modified flag when the control is stored or scored and nothing is loading.
    void MarkChanged() const;
    // Every change of state ends here: it is stamped, then the widget shows it.
    void Refresh() const {
        Touch();
        if (view_) view_->Refresh();
    }
    // Stamps a change the widget does not show.
    void Touch() const;
    int NotApplicable(const char* operation) const;

private:
    int id_;
    uint32_t flags_;
    int index_ = -1;
    Rect rect_;
    Callback callback_;
    bool enabled_ = true;
    CtrView* view_ = nullptr;
    mutable uint64_t lastChange_ = 0;
};

// The latest change among a control and every control registered below it: what was composed
// from them is current as long as this stays the same.
class ChangeWatch {
public:
    ChangeWatch() = default;
    explicit ChangeWatch(const CtrBase& root);
    uint64_t Latest() const;

private:
    std::vector<const CtrBase*> controls_;
};

}  // namespace kw
