#pragma once
// A walk over the assessments of the open class for the work that needs every pupil at once
// (texts for the register, whole-class printing, the progress of the class). Each visited
// pupil and assessment is made current and loaded into the controls, so the callback reads them
// as the editor would; afterwards the current pupil and assessment, every control's value, the
// composed texts and the modified flag are as they were, and no record has changed.

#include <functional>
#include <vector>

namespace kw {

class Core;
class Ocena;
class Uczen;

enum class WalkPick {
    Every,         // each pupil's assessments in file order
    NewestOfKind,  // only the pupil's newest assessment (highest number) of one kind
};

struct WalkPlan {
    // The pupils in the order to visit them: the class's file order when empty (see also
    // Core::PupilsByRegisterNumber).
    std::vector<Uczen*> pupils;
    WalkPick pick = WalkPick::Every;
    int kind = 0;  // for NewestOfKind: 0 certificate, 1 periodic, 2 letter
    // Also visit a pupil who has no assessment to visit, with no assessment current.
    bool pupilsWithout = false;
};

struct WalkItem {
    Uczen* pupil;
    int pupilIndex;      // in file order
    Ocena* assessment;   // nullptr for a pupil without one (pupilsWithout)
    int assessmentIndex; // in the pupil's file order, -1 without one
};

// Called with the item's pupil and assessment current and loaded, to read them (texts, pages,
// scores); it must not make another pupil or assessment current. False stops the walk.
using WalkVisit = std::function<bool(const WalkItem&)>;
// Called before the first item and after each one with the items done and their total; false
// cancels the walk.
using WalkProgress = std::function<bool(int done, int total)>;

enum class WalkEnd { Finished, Stopped };

// Visits the plan's items of the open class (none without a class).
WalkEnd WalkClass(Core& core, const WalkPlan& plan, const WalkVisit& visit,
                  const WalkProgress& progress = {});

}  // namespace kw
