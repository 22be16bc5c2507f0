#pragma once
// A class file as JSON and back, every list in file order:
// {"version":4000,"class":{"num":[[key,internal,value],...],"txt":[[key,internal,"text"],...]},
//  "pupils":[{"num":[...],"txt":[...],"assessments":[{"state":[...],"num":[...],"txt":[...]}]}]}

#include <string>

#include <nlohmann/json.hpp>

namespace kw {

class Klasa;

nlohmann::ordered_json ClassToJson(const Klasa& klasa);

// Fills an empty class from JSON. On failure error names what is wrong (with its place in the
// document) and the class may hold part of the data.
bool ClassFromJson(const nlohmann::json& doc, Klasa& klasa, std::string& error);

}  // namespace kw
