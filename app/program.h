#pragma once

// Title of the three windows and first part of every message caption.
#define KWERLO_TITLE "Kwerlo 6.1.0.0"

namespace kw {
// The class-file version this program writes and the newest it can read.
constexpr int kProgramVersion = 4000;
}
