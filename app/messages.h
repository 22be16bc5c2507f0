#pragma once
// The one way the core talks to the teacher. The GUI shows wx dialogs, kwerlo-cli writes to
// stderr, tests script the answers. No core code includes a dialog header.

#include <wx/string.h>

namespace kw {

// The NoDefault kinds have No as the default button (questions that delete, or print despite
// problems).
enum class Buttons { Ok, YesNo, YesNoNoDefault, YesNoCancel, YesNoCancelNoDefault };
enum class Answer { Ok, Yes, No, Cancel };
enum class Icon { None, Information, Warning, Error, Question };

class Messages {
public:
    virtual ~Messages() = default;
    // Shows a message and returns the button the teacher chose.
    virtual Answer Show(const wxString& text, const wxString& caption, Buttons buttons,
                        Icon icon) = 0;
};

// Writes "caption: text" to stderr; questions are answered with their default (Yes, or Ok).
class StderrMessages : public Messages {
public:
    Answer Show(const wxString& text, const wxString& caption, Buttons buttons,
                Icon icon) override;
};

// The front end installs its implementation; until then messages go to stderr.
Messages& TheMessages();
void SetMessages(Messages* messages);  // nullptr restores stderr

}  // namespace kw
