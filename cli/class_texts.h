#pragma once
// The finished texts of every assessment of a class, computed through the same walks as the
// program: pupils in file order, each pupil's assessments in file order.

#include <nlohmann/json.hpp>

namespace kw {

class Core;

// The texts of the current assessment.
nlohmann::ordered_json CurrentAssessmentTexts(Core& core);
// Every assessment of the open class (the core has read it).
nlohmann::ordered_json ClassTexts(Core& core);

}  // namespace kw
