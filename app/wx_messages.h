#pragma once
// The message interface shown as wx message boxes.

#include "app/messages.h"

namespace kw {

class WxMessages : public Messages {
public:
    Answer Show(const wxString& text, const wxString& caption, Buttons buttons,
                Icon icon) override;
};

}  // namespace kw
