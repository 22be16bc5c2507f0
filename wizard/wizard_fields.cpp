#include "wizard/wizard_fields.h"

#include <stdexcept>

#include "app/app_state.h"
#include "app/utf8.h"
#include "controls/registry.h"

namespace kw {
namespace {

constexpr uint32_t kClassStored = kLevelClass | kStored;
constexpr uint32_t kPupilStored = kLevelPupil | kStored;
constexpr uint32_t kPupilEarly = kLevelPupil | kStored | kEarly;

Phrases List(std::initializer_list<const char*> items) {
    Phrases out;
    for (const char* s : items) out.push_back(U(s));
    return out;
}

struct TextSpec {
    int id;
    Rect rect;
    int max;
    bool quiet;  // runs the quiet check after an edit
    bool multiLine;
};

template <class T>
T& Get(const std::vector<std::unique_ptr<CtrBase>>& fields, int id) {
    for (const auto& f : fields)
        if (f->Id() == id) return dynamic_cast<T&>(*f);
    throw std::logic_error("no such field");
}

}  // namespace

// ---- class page (ids 100-123)

ClassFields::ClassFields(const WizardHandlers& h) {
    page_ = std::make_unique<CtrPanel>(100, 0, Rect{});
    ParentScope inPage(*page_);
    auto choice = [&](int id, Rect r, Phrases items, CtrBase::Callback cb = {}) {
        fields_.push_back(std::make_unique<CtrChoice>(id, kClassStored, r, std::move(items), cb));
    };
    auto text = [&](const TextSpec& s) {
        fields_.push_back(std::make_unique<CtrText>(s.id, kClassStored, "", s.rect,
                                                    s.quiet ? h.quietCheck : CtrBase::Callback(),
                                                    s.max, 1, "", s.multiLine));
    };
    choice(101, {96, 8, 78, -1}, words::SchoolYears());
    choice(102, {244, 8, 66, -1}, List({"pierwsza", "druga", "trzecia"}), h.contextChanged);
    text({118, {405, 8, 30, -1}, 3, true, false});
    text({103, {529, 8, 70, -1}, 10, true, false});
    text({104, {96, 40, 215, -1}, 70, true, false});
    text({105, {404, 40, 196, -1}, 70, true, false});
    text({106, {95, 72, 215, -1}, 70, true, false});
    text({107, {404, 72, 196, -1}, 70, true, false});
    text({108, {96, 104, 215, -1}, 70, true, false});
    fields_.push_back(std::make_unique<CtrCombo>(109, kClassStored, "", Rect{404, 104, 195, -1},
                                                 words::Voivodeships(), h.quietCheck, 50, 1));
    text({110, {212, 148, 21, -1}, 2, false, false});
    choice(111, {316, 148, 90, -1}, words::Months());
    choice(112, {464, 148, 65, -1}, words::Years());
    text({113, {212, 184, 194, -1}, 40, true, false});
    // The class teacher, printed on the certificate's back, the grade sheet and the report.
    text({119, {484, 184, 129, -1}, 60, false, false});
    text({114, {212, 216, 21, -1}, 2, false, false});
    choice(115, {316, 216, 90, -1}, words::Months());
    choice(116, {464, 216, 65, -1}, words::Years());
    text({120, {212, 244, 21, -1}, 2, false, false});
    choice(121, {316, 244, 90, -1}, words::Months());
    choice(122, {464, 244, 65, -1}, words::Years());
    text({117, {4, 292, 609, 125}, 2000, false, true});
    option123_ = std::make_unique<CtrCheck>(
        123, kClassStored, U("Zaznacz opcję by drukować arkusz MEN-I/45/1 dla klasy 1."),
        Rect{212, 273, 220, 15});
}

CtrChoice& ClassFields::Choice(int id) const { return Get<CtrChoice>(fields_, id); }
CtrText& ClassFields::Text(int id) const { return Get<CtrText>(fields_, id); }

// ---- pupils page (ids 200-218)

PupilFields::PupilFields(const WizardHandlers& h) {
    page_ = std::make_unique<CtrPanel>(200, 0, Rect{});
    ParentScope inPage(*page_);
    numberHolder_ = std::make_unique<CtrString>(201, kPupilEarly);
    surnameHolder_ = std::make_unique<CtrString>(202, kPupilEarly);
    auto text = [&](const TextSpec& s) {
        fields_.push_back(std::make_unique<CtrText>(s.id, kPupilStored, "", s.rect,
                                                    s.quiet ? h.quietCheck : CtrBase::Callback(),
                                                    s.max, 1, "", s.multiLine));
    };
    auto choice = [&](int id, Rect r, Phrases items, CtrBase::Callback cb = {}) {
        fields_.push_back(std::make_unique<CtrChoice>(id, kPupilStored, r, std::move(items), cb));
    };
    fields_.push_back(std::make_unique<CtrCombo>(203, kPupilStored | kList, "",
                                                 Rect{100, 8, 139, -1}, std::vector<wxString>{},
                                                 h.quietCheck, 50, 1));
    text({204, {100, 40, 142, -1}, 150, true, false});
    fields_.push_back(std::make_unique<CtrCombo>(205, kPupilStored | kList, "",
                                                 Rect{100, 72, 141, -1}, std::vector<wxString>{},
                                                 h.quietCheck, 50, 1));
    fields_.push_back(std::make_unique<CtrCombo>(206, kPupilStored, "", Rect{84, 100, 145, -1},
                                                 words::Voivodeships(), h.quietCheck, 15, 1));
    text({218, {320, 8, 77, -1}, 150, true, false});
    text({207, {65, 132, 21, -1}, 2, false, false});
    choice(208, {144, 132, 90, -1}, words::Months());
    text({209, {332, 132, 59, -1}, 4, false, false});
    choice(210, {65, 164, 120, -1}, List({"Dziewczynka", "Chłopiec"}), h.contextChanged);
    choice(211, {241, 164, 150, -1}, List({"Otrzymał/a promocję", "Nie otrzymał/a promocji"}));
    text({212, {144, 196, 40, -1}, 2, false, false});
    text({213, {332, 196, 60, -1}, 15, false, false});
    text({216, {144, 224, 40, -1}, 4, false, false});
    text({217, {331, 224, 61, -1}, 4, false, false});
    text({214, {64, 256, 250, -1}, 30, false, false});
    text({215, {4, 304, 413, 113}, 2000, false, true});
}

CtrChoice& PupilFields::Choice(int id) const { return Get<CtrChoice>(fields_, id); }
CtrText& PupilFields::Text(int id) const { return Get<CtrText>(fields_, id); }

// ---- assessments page (ids 300-307)

AssessmentFields::AssessmentFields(const WizardHandlers& h) {
    page_ = std::make_unique<CtrPanel>(300, 0, Rect{});
    ParentScope inPage(*page_);
    for (int i = 0; i < 3; ++i) holders_[i] = std::make_unique<CtrString>(301 + i, kAssessmentEarly);
    number_ = std::make_unique<CtrText>(304, kAssessmentStored, "", Rect{84, 12, 21, -1},
                                        CtrBase::Callback(), 2, 2);
    kind_ = std::make_unique<CtrChoice>(305, kAssessmentStored, Rect{392, 12, 220, -1},
                                        words::AssessmentKinds(), h.contextChanged);
    kind_->Select(0);
    name_ = std::make_unique<CtrText>(306, kAssessmentStored, "", Rect{84, 40, 220, -1},
                                      CtrBase::Callback(), 30, 1);
    notes_ = std::make_unique<CtrText>(307, kAssessmentStored, "", Rect{4, 348, 609, 69},
                                       CtrBase::Callback(), 5000, 1, "", true);
}

}  // namespace kw
