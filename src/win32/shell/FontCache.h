// The fonts of one window at its DPI: one font per distinct FontSpec, made on
// first use. A window changing DPI builds a new cache, hands the new fonts to
// its controls, and only then drops the old one.
#pragma once

#include <utility>
#include <vector>

#include "win32/shell/UiFont.h"

namespace vantrel::win32 {

class FontCache {
public:
    explicit FontCache(int dpi = 96) : dpi_(dpi) {}

    int Dpi() const { return dpi_; }
    // The font for that face, size and weight (nullptr only when the system
    // cannot make one).
    HFONT Get(const FontSpec& wanted) {
        for (auto& [known, font] : fonts_)
            if (known == wanted) return font.get();
        fonts_.emplace_back(wanted, CreateLabelFont(wanted, dpi_));
        return fonts_.back().second.get();
    }
    std::size_t Size() const { return fonts_.size(); }

private:
    int dpi_;
    std::vector<std::pair<FontSpec, Font>> fonts_;
};

}  // namespace vantrel::win32
