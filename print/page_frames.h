#pragma once
// Page geometry shared by every document: the A4 sheet and the page frames, in micrometres from
// the sheet's top-left corner.

namespace kw {

constexpr int kA4Width = 210000;
constexpr int kA4Height = 297000;

struct PageFrame {
    int left = 0, right = 0, top = 0;
};

enum class FrameKind { Certificate, Letter, Report, GradeSheet };

// The frame of a layout. A printer's unprintable margin (offsets in µm) is taken off, so that
// positions stay measured from the paper's edge.
constexpr PageFrame Frame(FrameKind kind, int offsetX = 0, int offsetY = 0) {
    switch (kind) {
        case FrameKind::Certificate: return {37500 - offsetX, 172500 - offsetX, 4000 - offsetY};
        case FrameKind::Letter: return {20000 - offsetX, 190000 - offsetX, 15000 - offsetY};
        case FrameKind::Report: return {15000 - offsetX, 195000 - offsetX, 15000 - offsetY};
        case FrameKind::GradeSheet: return {15000 - offsetX, 195000 - offsetX, 10000 - offsetY};
    }
    return {};
}

}  // namespace kw
