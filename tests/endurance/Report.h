// The endurance run's figures as a table, and the bounds they are held to:
// measured against the row after the warm-up, every later row must show
// exactly one icon in the notification area, one tray window, and GDI
// objects, USER objects and private bytes within a fixed slack.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Figures.h"

namespace vantrel::endurance {

// Objects made on first use after the warm-up (a cached font, brush or
// picture for a state not met before) may stay: a few, never one per step.
// A leak of one object per cycle or save shows as hundreds.
constexpr long kGdiSlack = 8;
constexpr long kUserSlack = 4;
// Heap pages and Wine's own caches settle late; a leak of 2 KiB per cycle
// or save (the smallest window or bitmap) is 2 MB over 1,000.
constexpr std::size_t kPrivateSlackBytes = 2u << 20;

class Report {
public:
    struct Row {
        std::wstring stage;
        int cycles;
        int saves;
        Figures figures;
    };

    std::size_t Add(std::wstring stage, int cycles, int saves, const Figures& figures);
    void SetBaseline(std::size_t row) { baseline_ = row; }

    void Print() const;
    // One line for each bound a row after the baseline breaks.
    std::vector<std::wstring> Failures() const;

private:
    std::vector<Row> rows_;
    std::size_t baseline_ = static_cast<std::size_t>(-1);
};

}  // namespace vantrel::endurance
