#include "print/print_options.h"

namespace kw {

PrintOptions::PrintOptions() {
    noChart_ = std::make_unique<CtrCheck>(1000, kLevelClass | kStored, "Bez wykresu",
                                          Rect{356, 40, 90, 15});
    fontSize_ = std::make_unique<CtrChoice>(1001, kLevelClass | kStored, Rect{440, 65, 45, 15},
                                            Phrases{"9", "10", "11", "12", "13"});
}

}  // namespace kw
