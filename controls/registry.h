#pragma once
// The control registry: a tree of every registered control mirroring the pages, and the table of
// used ids. Walks list a subtree depth first, in registration order.

#include <vector>

namespace kw {

class CtrBase;

class ControlRegistry {
public:
    static constexpr int kMaxId = 30000;

    ControlRegistry();

    // Called by every control's constructor; returns the control's registry index.
    int Register(CtrBase* control, int id);
    void PushParent(const CtrBase& control);
    void PopParent(const CtrBase& control);

    // Every control below the entry (0 = the root), depth first, pre-order.
    std::vector<CtrBase*> Walk(int root) const;
    std::vector<CtrBase*> Walk(const CtrBase& root) const;
    std::vector<CtrBase*> All() const { return Walk(0); }
    CtrBase* Find(int id) const;  // the control registered under id, or nullptr
    // The controls registered directly under a control, in registration order.
    std::vector<CtrBase*> Children(const CtrBase& parent) const;

    int Count() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        int next = -1, firstChild = -1, parent = 0;
        CtrBase* control = nullptr;
    };
    void List(int first, std::vector<CtrBase*>& out) const;

    std::vector<Entry> entries_;
    std::vector<bool> used_;
    std::vector<CtrBase*> byId_;
    std::vector<int> parents_;
};

// The registry of the running program (the core installs its own, tests a fresh one).
ControlRegistry& TheRegistry();
void SetRegistry(ControlRegistry* registry);

// Pushes a control as parent for its lifetime.
class ParentScope {
public:
    explicit ParentScope(const CtrBase& parent);
    ~ParentScope();
    ParentScope(const ParentScope&) = delete;
    ParentScope& operator=(const ParentScope&) = delete;

private:
    const CtrBase& parent_;
};

}  // namespace kw
