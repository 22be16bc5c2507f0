#pragma once
// How much of its printed box each text of the assessment fills, 0..100, as the editor's gauges
// show it: red when the text fills its box completely, blue otherwise.

namespace kw {

struct SpaceGauges {
    int behaviour = 0;     // certificate: behaviour box
    int education = 0;     // certificate: compulsory education box
    int achievements = 0;  // certificate: special achievements box
    int letterReport = 0;  // the letter's or the report's one box
};

inline bool GaugeRed(int percent) { return percent >= 100; }

}  // namespace kw
