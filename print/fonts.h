#pragma once
// The font table of the printed documents, chosen by index, and the certificate's font size.

#include "print/text_metrics.h"

namespace kw {

class PrintOptions;

// Indices 1-7, 9, 10 and 12-16.
bool IsTableFont(int index);
// The font of an index; font 6 has the certificate's font size. Any other index is an internal
// error (reported), answered with font 2.
FontSpec TableFont(int index, int certificateSize);

// The certificate's assessment text size from the stored choice "9" ... "13". A class that never
// had it set is told so ("Informacja") and gets 10, which the choice then shows.
int CertificateFontSize(PrintOptions& options);

}  // namespace kw
