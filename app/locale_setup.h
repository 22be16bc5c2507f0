#pragma once
// The locale the program runs in: UTF-8 file names whatever the environment says, and the
// toolkit's own captions in Polish.

namespace kw {

// Before the toolkit starts: a UTF-8 locale (C.UTF-8 when the environment names none), so that
// the command line and file names are read as the UTF-8 bytes they are.
void UseUtf8Locale();

// The buttons of message boxes and the stock captions from wxWidgets' Polish catalogue, the
// file dialogs from GTK's, whatever language the locale has. A missing catalogue leaves those
// captions in English.
void UsePolishToolkitCaptions();

}  // namespace kw
