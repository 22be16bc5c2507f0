#pragma once
// The windows are laid out in pixels for compact controls; GTK's theme makes entries, choices and
// buttons taller and wider than that. A style sheet for the whole program brings them back to
// the sizes the layout was made for.

namespace kw {
void InstallCompactStyle();
}
