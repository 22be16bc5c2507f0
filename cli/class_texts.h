#pragma once
// The finished texts of a class for kwerlo-cli, computed through the same walks as the program
// and written as they are computed.

#include <ostream>

#include <nlohmann/json.hpp>

namespace kw {

class Core;

// The texts of the current assessment.
nlohmann::ordered_json CurrentAssessmentTexts(Core& core);

// Every assessment of the open class as a JSON array, pupils and assessments in file order.
void WriteClassTexts(Core& core, std::ostream& out);

// For the electronic register: each pupil in register order with the newest assessment of a
// kind, as plain text (sections under headings) or as CSV (one row per pupil).
void WriteRegisterTxt(Core& core, int kind, std::ostream& out);
void WriteRegisterCsv(Core& core, int kind, std::ostream& out);

}  // namespace kw
