// The endurance run's figures as a table, and the bounds they are held to:
// measured against the row after the warm-up, every later row must show
// exactly one icon in the notification area, one tray window, and GDI
// objects, USER objects, private bytes and heap bytes within a fixed slack
// (the bytes plus what the system itself keeps, see StaticControlLeakBytes).
// Phase by phase (the rows of one stage, from the row before them), the heap's
// growth is split into the program's own and the host library's: the
// program's own may not grow past a few first-use bytes.
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
// Heap pages and Wine's own caches settle late; a leak of 512 bytes per
// cycle or save is 1 MiB over 1,000 of each. On top of it goes what the
// system itself keeps per static control destroyed (StaticControlLeakBytes,
// counted twice in committed pages: a small heap block costs at least its
// size again in header and alignment).
constexpr std::size_t kPrivateSlackBytes = 1u << 20;
// The heap's blocks in use are counted exactly: 128 bytes per cycle or save
// is 256 KiB over 1,000 of each.
constexpr std::size_t kHeapSlackBytes = 256u << 10;
// The program's own bytes are counted apart from the host library's, so the
// bound is tight: a few first-use bytes and 16 per step. A leak of 100 bytes
// per save is 10,000 bytes over the short run's 100 saves, against 5,696.
constexpr std::size_t kOwnHeapSlackBytes = 4096;
constexpr std::size_t kOwnHeapBytesPerStep = 16;

class Report {
public:
    struct Row {
        std::wstring stage;
        int cycles;
        int saves;
        Figures figures;
        long staticsDestroyed;
        bool startsPhase = false;
    };

    explicit Report(std::size_t staticLeakBytes) : staticLeakBytes_(staticLeakBytes) {}
    std::size_t Add(std::wstring stage, int cycles, int saves, const Figures& figures,
                    long staticsDestroyed);
    // A row the next phase grows from, not a phase of its own: the main
    // window opened again builds what its window keeps (fonts, pictures)
    // once, which the saves after it must not count as their growth.
    void Mark(std::wstring stage, int cycles, int saves, const Figures& figures, long staticsDestroyed);
    void SetBaseline(std::size_t row) { baseline_ = row; }

    void Print() const;
    // One line for each bound a row after the baseline breaks.
    std::vector<std::wstring> Failures() const;

private:
    // The phases after the baseline: [first, last] row of one stage and the
    // row it grows from.
    struct Phase {
        std::size_t from, first, last;
    };
    std::vector<Phase> Phases() const;
    // The system's own bytes for the static controls destroyed since the baseline.
    std::size_t SystemBytesSinceBaseline(const Row& row) const;

    std::size_t staticLeakBytes_;
    std::vector<Row> rows_;
    std::size_t baseline_ = static_cast<std::size_t>(-1);
};

}  // namespace vantrel::endurance
