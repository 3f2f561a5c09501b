// A group frame of the main window: thin silver lines with small rounded
// corner pictures around a section.
#pragma once

#include <array>

#include "ui/forms/Form.h"
#include "ui/forms/Pictures.h"

namespace vantrel {

struct GroupFrame {
    static constexpr int kCorner = 45;  // 3 pixels
    static constexpr int kLine = 15;    // 1 pixel
    static constexpr Colour kSilver{192, 192, 192};

    explicit GroupFrame(Rect r)
        : topLeft{L"FrameCorner", {r.left, r.top, kCorner, kCorner}, &pictures::FrameTopLeft},
          topRight{L"FrameCorner", {r.left + r.width - kCorner, r.top, kCorner, kCorner}, &pictures::FrameTopRight},
          bottomLeft{L"FrameCorner", {r.left, r.top + r.height - kCorner, kCorner, kCorner}, &pictures::FrameBottomLeft},
          bottomRight{L"FrameCorner", {r.left + r.width - kCorner, r.top + r.height - kCorner, kCorner, kCorner}, &pictures::FrameBottomRight},
          top{L"FrameLine", L"", {r.left + kCorner, r.top, r.width - 2 * kCorner, kLine}},
          bottom{L"FrameLine", L"", {r.left + kCorner, r.top + r.height - kLine, r.width - 2 * kCorner, kLine}},
          left{L"FrameLine", L"", {r.left, r.top + kCorner, kLine, r.height - 2 * kCorner}},
          right{L"FrameLine", L"", {r.left + r.width - kLine, r.top + kCorner, kLine, r.height - 2 * kCorner}} {
        for (Label* line : {&top, &bottom, &left, &right}) {
            line->SetBackColor(kSilver);
            line->SetOpaque(true);
        }
    }

    std::array<Control*, 8> Parts() {
        return {&topLeft, &topRight, &bottomLeft, &bottomRight, &top, &bottom, &left, &right};
    }

    Image topLeft, topRight, bottomLeft, bottomRight;
    Label top, bottom, left, right;
};

}  // namespace vantrel
