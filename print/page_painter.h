#pragma once
// Drawing a page in micrometres on any cairo context: a PDF surface, an image for the screen, a
// printer's context. The primitives and text blocks every document layout uses.

#include <vector>

#include <cairo.h>
#include <pango/pango.h>

#include "print/fitting.h"
#include "print/page_frames.h"
#include "print/pango_metrics.h"

namespace kw {

struct PageMode {
    bool printing = false;   // paper (a printer or a PDF); otherwise the screen
    bool guilloche = false;  // paper: blank guilloche paper rather than a pre-printed form
    // Only the data, at the calibrated places: the form carries everything else.
    bool PreprintedForm() const { return printing && !guilloche; }
    bool FullForm() const { return !PreprintedForm(); }
};

struct Point {
    int x = 0, y = 0;
};

// Where the lines of a text box go on a pre-printed form: one place per line of the box. Only
// the first onForm are rows of the form; the others continue below them and are never struck
// out (there is nothing printed there to strike).
struct FormRows {
    std::vector<Point> at;
    int onForm = 0;
};

// How a field that may be "kreska" or "puste" is drawn.
enum class FieldLook { Text, Rule, Blank };
// A value containing "kreska", or an empty one, is a rule; one containing "puste" is left blank.
FieldLook LookOf(const wxString& value);

class PagePainter {
public:
    // cr's user space must be micrometres from the device's origin, which on a printer is the
    // corner of the printable area, (offsetX, offsetY) µm from the paper's edge.
    PagePainter(cairo_t* cr, PangoTextMetrics& metrics, PageMode mode, int offsetX = 0,
                int offsetY = 0);
    ~PagePainter();
    PagePainter(const PagePainter&) = delete;
    PagePainter& operator=(const PagePainter&) = delete;

    const PageMode& Mode() const { return mode_; }
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    PangoTextMetrics& Metrics() { return metrics_; }

    void SetFrame(FrameKind kind) { frame_ = Frame(kind, offsetX_, offsetY_); }
    const PageFrame& CurrentFrame() const { return frame_; }
    void SetCertificateSize(int points) { certificateSize_ = points; }
    void SelectFont(int index);
    const FontSpec& CurrentFont() const { return font_; }

    // Text with its top-left corner at (x, y).
    void DrawText(int x, int y, const wxString& text);
    int TextWidth(const wxString& text);
    int TextHeight(const wxString& text);
    // The x that centres a text of width w in the frame.
    int Centred(int w) const { return frame_.left + ((frame_.right - frame_.left) - w) / 2; }

    // Dots of 0.3 mm, 1 mm apart, from x1 towards x2.
    void DottedLine(int x1, int x2, int y);
    // A 0.3 mm line from x1 to x2, 1.9 mm below y.
    void Rule(int x1, int x2, int y);
    // The dotted circle of the official stamp on the certificate front.
    void DottedCircle();
    // The emblem, on blank guilloche paper only (the screen and pre-printed forms have their own).
    void Emblem();
    // The guilloche pattern behind the page, on the screen only (the paper carries it).
    void GuillocheBackground();

    // Draws fitted lines into a box from a to b, the first line indented by c and at y0, lines e
    // apart, the box n lines high: lines that do not end a paragraph are justified, a paragraph's
    // first line is indented by the marker's width. strike: the rest of a short last line and
    // every empty line are ruled out. rows: on a pre-printed form, where each line of the box goes.
    void DrawBlock(int a, int b, int c, int y0, int e, int n, const std::vector<wxString>& lines,
                   bool strike, const FormRows* rows = nullptr);

private:
    void Dot(double x, double y);

    cairo_t* cr_;
    PangoTextMetrics& metrics_;
    PageMode mode_;
    int offsetX_, offsetY_;
    PageFrame frame_;
    int certificateSize_ = 10;
    FontSpec font_;
    PangoContext* context_ = nullptr;
    PangoLayout* layout_ = nullptr;
};

}  // namespace kw
