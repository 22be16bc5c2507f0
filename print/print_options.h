#pragma once
// The print preview's two options stored with the class: "Bez wykresu" and the certificate's font
// size.

#include <memory>

#include "controls/phrase_controls.h"

namespace kw {

class PrintOptions {
public:
    PrintOptions();
    CtrCheck& NoChart() { return *noChart_; }    // 1000
    CtrChoice& FontSize() { return *fontSize_; }  // 1001: "9" ... "13"

private:
    std::unique_ptr<CtrCheck> noChart_;
    std::unique_ptr<CtrChoice> fontSize_;
};

}  // namespace kw
