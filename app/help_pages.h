#pragma once
// The program folder and what the browser opens from it: the help pages shipped next to the
// program and the program's web page. A page that cannot be opened is reported with the
// program's own message.

#include <wx/string.h>

namespace kw {

// The folder of the running executable, where the help pages and the uninstall script lie.
wxString ProgramFolder();

// "Samouczek": the tutorial; "Pytania ?": the questions and answers.
void OpenTutorial();
void OpenQuestions();
void OpenWebPage();

}  // namespace kw
