#pragma once
// What the browser opens: the help pages shipped with the program and the program's web page. A
// page that cannot be opened is reported with the program's own message.

#include <wx/string.h>

namespace kw {

// "Samouczek": the tutorial; "Pytania ?": the questions and answers.
void OpenTutorial();
void OpenQuestions();
void OpenWebPage();

}  // namespace kw
