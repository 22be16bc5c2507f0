#include "controls/registry.h"

#include "app/assertion.h"
#include "app/messages.h"
#include "controls/ctr_base.h"

namespace kw {
namespace {
ControlRegistry* g_registry = nullptr;
}

ControlRegistry& TheRegistry() {
    static ControlRegistry fallback;
    return g_registry ? *g_registry : fallback;
}

void SetRegistry(ControlRegistry* registry) { g_registry = registry; }

ControlRegistry::ControlRegistry() : used_(kMaxId + 1, false), byId_(kMaxId + 1, nullptr) {
    entries_.reserve(2000);
    entries_.push_back(Entry{});  // the root
}

int ControlRegistry::Register(CtrBase* control, int id) {
    if (id >= 0 && id <= kMaxId && used_[static_cast<size_t>(id)]) {
        TheMessages().Show(wxString::Format("reused ctr_id : %d", id), "Message", Buttons::Ok,
                           Icon::None);
        KW_FAIL("controls", "reused ctr_id");
    } else if (id < 0 || id > kMaxId) {
        KW_FAIL("controls", "ctr_id outside 0..30000");
    } else {
        used_[static_cast<size_t>(id)] = true;
        byId_[static_cast<size_t>(id)] = control;
    }
    Entry e;
    e.parent = parents_.empty() ? 0 : parents_.back();
    e.control = control;
    const int index = static_cast<int>(entries_.size());
    entries_.push_back(e);
    Entry& parent = entries_[static_cast<size_t>(e.parent)];
    if (parent.firstChild < 0) {
        parent.firstChild = index;
    } else {
        int i = parent.firstChild;
        while (entries_[static_cast<size_t>(i)].next >= 0) i = entries_[static_cast<size_t>(i)].next;
        entries_[static_cast<size_t>(i)].next = index;
    }
    return index;
}

void ControlRegistry::PushParent(const CtrBase& control) {
    const int index = control.RegistryIndex();
    KW_ASSERT(index >= 1 && index < Count(), "controls");
    parents_.push_back(index);
}

void ControlRegistry::PopParent(const CtrBase& control) {
    const int top = parents_.empty() ? 0 : parents_.back();
    if (top != control.RegistryIndex()) {
        TheMessages().Show(wxString::Format("%u %u", static_cast<unsigned>(top),
                                            static_cast<unsigned>(control.RegistryIndex())),
                           "Message", Buttons::Ok, Icon::None);
        KW_FAIL("controls", "parent stack out of step");
    }
    if (!parents_.empty()) parents_.pop_back();
}

void ControlRegistry::List(int first, std::vector<CtrBase*>& out) const {
    for (int i = first; i >= 0; i = entries_[static_cast<size_t>(i)].next) {
        const Entry& e = entries_[static_cast<size_t>(i)];
        KW_ASSERT(e.control, "controls");
        if (e.control) out.push_back(e.control);
        if (e.firstChild >= 0) List(e.firstChild, out);
    }
}

std::vector<CtrBase*> ControlRegistry::Walk(int root) const {
    std::vector<CtrBase*> out;
    KW_ASSERT(root >= 0 && root < Count(), "controls");
    if (root < 0 || root >= Count()) return out;
    out.reserve(root == 0 ? entries_.size() : 64);
    List(entries_[static_cast<size_t>(root)].firstChild, out);
    return out;
}

std::vector<CtrBase*> ControlRegistry::Walk(const CtrBase& root) const {
    return Walk(root.RegistryIndex());
}

std::vector<CtrBase*> ControlRegistry::Children(const CtrBase& parent) const {
    std::vector<CtrBase*> out;
    const int index = parent.RegistryIndex();
    if (index < 0 || index >= Count()) return out;
    for (int i = entries_[static_cast<size_t>(index)].firstChild; i >= 0;
         i = entries_[static_cast<size_t>(i)].next)
        out.push_back(entries_[static_cast<size_t>(i)].control);
    return out;
}

CtrBase* ControlRegistry::Find(int id) const {
    return id >= 0 && id <= kMaxId ? byId_[static_cast<size_t>(id)] : nullptr;
}

ParentScope::ParentScope(const CtrBase& parent) : parent_(parent) {
    TheRegistry().PushParent(parent);
}
ParentScope::~ParentScope() { TheRegistry().PopParent(parent_); }

}  // namespace kw
