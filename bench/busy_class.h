#pragma once
// A full class for the benchmarks: 99 pupils with 99 assessments each, every assessment with
// phrases ticked at random on every page, own texts and free texts, some in manual mode.

#include <wx/string.h>

namespace kw {
class Core;
}

namespace kwbench {

// Fills the core's open class (made new) with pupils x assessments; the same seed gives the
// same class; density is the percentage of ticked options of the check groups. The class is
// left open with its first pupil current.
void FillBusyClass(kw::Core& core, int pupils, int assessments, unsigned seed, int density);

}  // namespace kwbench
