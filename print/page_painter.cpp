#include "print/page_painter.h"

#include <algorithm>
#include <cmath>

#include <pango/pangocairo.h>

#include "print/fonts.h"
#include "print/pictures.h"

namespace kw {
namespace {

constexpr double kMicrometresPerInch = 25400.0;
constexpr int kDot = 300;       // side of a printed dot and width of a rule
constexpr int kDotStep = 1000;  // dots of a dotted line
constexpr int kRuleDrop = 1900;  // a rule lies this far below its y

// The guilloche covers, on a 96-dpi screen, 686 × 1009 pixels from pixel (52, 55).
constexpr double kScreenPixel = kMicrometresPerInch / 96.0;

}  // namespace

FieldLook LookOf(const wxString& value) {
    if (value.Contains("kreska") || value.empty()) return FieldLook::Rule;
    if (value.Contains("puste")) return FieldLook::Blank;
    return FieldLook::Text;
}

PagePainter::PagePainter(cairo_t* cr, PangoTextMetrics& metrics, PageMode mode, int offsetX,
                         int offsetY)
    : cr_(cr), metrics_(metrics), mode_(mode), offsetX_(offsetX), offsetY_(offsetY) {
    frame_ = Frame(FrameKind::Certificate, offsetX_, offsetY_);
    font_ = TableFont(2, certificateSize_);
    context_ = pango_cairo_create_context(cr_);
    pango_cairo_context_set_resolution(context_, kMicrometresPerInch);
    PangoTextMetrics::Configure(context_);
    layout_ = pango_layout_new(context_);
}

PagePainter::~PagePainter() {
    g_object_unref(layout_);
    g_object_unref(context_);
}

void PagePainter::SelectFont(int index) { font_ = TableFont(index, certificateSize_); }

void PagePainter::DrawText(int x, int y, const wxString& text) {
    const std::string utf8 = DrawnUtf8(text);
    if (utf8.empty()) return;
    pango_cairo_update_context(cr_, context_);
    pango_layout_context_changed(layout_);
    pango_layout_set_font_description(layout_, metrics_.Describe(font_));
    pango_layout_set_text(layout_, utf8.data(), static_cast<int>(utf8.size()));
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_);
    cairo_restore(cr_);
}

int PagePainter::TextWidth(const wxString& text) { return metrics_.Width(text, font_); }
int PagePainter::TextHeight(const wxString& text) { return metrics_.Height(text, font_); }

void PagePainter::Dot(double x, double y) {
    if (mode_.printing) {
        cairo_rectangle(cr_, x, y, kDot, kDot);
        return;
    }
    // On the screen a dot is one pixel.
    double dx = x, dy = y;
    cairo_user_to_device(cr_, &dx, &dy);
    dx = std::floor(dx);
    dy = std::floor(dy);
    double w = 1, h = 1;
    cairo_device_to_user(cr_, &dx, &dy);
    cairo_device_to_user_distance(cr_, &w, &h);
    cairo_rectangle(cr_, dx, dy, w, h);
}

void PagePainter::DottedLine(int x1, int x2, int y) {
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    for (int x = x1; x + kDot < x2; x += kDotStep) Dot(x, y);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void PagePainter::Rule(int x1, int x2, int y) {
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    double yy = y + kRuleDrop;
    double width = kDot;
    if (!mode_.printing) {
        // Whole pixels on the screen, at least one.
        double dx = 0, dy = yy, w = kDot, h = kDot;
        cairo_user_to_device(cr_, &dx, &dy);
        cairo_user_to_device_distance(cr_, &w, &h);
        const double px = std::max(1.0, std::floor(h));
        dy = std::floor(dy) + px / 2;
        cairo_device_to_user(cr_, &dx, &dy);
        double one = 0, thick = px;
        cairo_device_to_user_distance(cr_, &one, &thick);
        yy = dy;
        width = thick;
    }
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr_, x1, yy);
    cairo_line_to(cr_, x2, yy);
    cairo_stroke(cr_);
    cairo_restore(cr_);
}

void PagePainter::DottedCircle() {
    const float cx = static_cast<float>(frame_.left + 68000);
    const float cy = static_cast<float>(frame_.top + 233000);
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    // 34 steps of a turn, accumulated in single precision.
    for (float t = 0; t < 6.2831855f; t += 0.18479957f)
        Dot(std::trunc(cx + 8000 * std::sin(t)), std::trunc(cy + 8000 * std::cos(t)));
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void PagePainter::Emblem() {
    if (!(mode_.printing && mode_.guilloche)) return;
    DrawEmblem(cr_, frame_.left + 61000, frame_.top + 32000);
}

void PagePainter::GuillocheBackground() {
    if (mode_.printing) return;
    DrawGuilloche(cr_, 52 * kScreenPixel, 55 * kScreenPixel, 686 * kScreenPixel,
                  1009 * kScreenPixel);
}

void PagePainter::DrawBlock(int a, int b, int c, int y0, int e, int n,
                            const std::vector<wxString>& lines, bool strike,
                            const FormRows* rows) {
    const int J = b - a - 1000;
    const int count = static_cast<int>(lines.size());
    const int markerWidth = TextWidth(kParagraphMarker);
    for (int k = 0; k < count; ++k) {
        wxString line = lines[static_cast<size_t>(k)];
        if (k + 1 < count && line.find('\t') == wxString::npos)
            line = Justify(metrics_, font_, line, k == 0 ? J - c : J);
        line.Replace("\t", "");
        int x = a + (k == 0 ? c : 0);
        int y = y0 + e * k;
        if (rows && k < static_cast<int>(rows->at.size())) {
            x = rows->at[static_cast<size_t>(k)].x;
            y = rows->at[static_cast<size_t>(k)].y;
        }
        if (line.StartsWith(kParagraphMarker)) {
            line.Replace(kParagraphMarker, "");
            TrimSpaces(line);
            x += markerWidth;
        }
        DrawText(x, y, line);
    }
    if (!strike) return;
    // from: where the rule starts in the box; on a pre-printed form it starts skip after the
    // row's place and runs to 135 mm from it.
    auto strikeRow = [&](int k, int from, int skip) {
        if (!rows) {
            Rule(from, b - 2000, y0 + e * k - 200);
        } else if (k < rows->onForm && k < static_cast<int>(rows->at.size())) {
            const Point at = rows->at[static_cast<size_t>(k)];
            Rule(at.x + skip, at.x + 135000, at.y - 200);
        }
    };
    const int t = count > 0 ? TextWidth(lines.back()) : 0;
    if (t > 0 && t < static_cast<int>(std::trunc(0.7 * J)))
        strikeRow(count - 1, a + t + 10000 + (count == 1 ? c : 0), t + 10000);
    for (int k = count; k < n; ++k) strikeRow(k, a + 2000 + (k == 0 ? c : 0), 0);
}

}  // namespace kw
