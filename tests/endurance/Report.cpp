#include "Report.h"

#include <cstdio>

namespace vantrel::endurance {
namespace {

std::wstring ApiFigure(long value) { return value < 0 ? L"n/a" : std::to_wstring(value); }

std::wstring Grown(const wchar_t* what, long now, long base, long slack) {
    return std::wstring(what) + L" " + std::to_wstring(base) + L" -> " + std::to_wstring(now) +
           L" (more than " + std::to_wstring(slack) + L" up)";
}

std::wstring GrownBytes(const wchar_t* what, std::size_t now, std::size_t base, std::size_t bound) {
    return std::wstring(what) + L" " + std::to_wstring(base) + L" -> " + std::to_wstring(now) +
           L" (more than " + std::to_wstring(bound) + L" up)";
}

}  // namespace

std::size_t Report::Add(std::wstring stage, int cycles, int saves, const Figures& figures,
                        long staticsDestroyed) {
    rows_.push_back({std::move(stage), cycles, saves, figures, staticsDestroyed});
    return rows_.size() - 1;
}

void Report::Mark(std::wstring stage, int cycles, int saves, const Figures& figures,
                  long staticsDestroyed) {
    rows_[Add(std::move(stage), cycles, saves, figures, staticsDestroyed)].startsPhase = true;
}

std::vector<Report::Phase> Report::Phases() const {
    std::vector<Phase> phases;
    for (std::size_t i = baseline_ + 1; i < rows_.size(); ++i) {
        if (rows_[i].startsPhase) continue;
        if (phases.empty() || rows_[i].stage != rows_[i - 1].stage || rows_[i - 1].startsPhase)
            phases.push_back({i - 1, i, i});
        else
            phases.back().last = i;
    }
    return phases;
}

std::size_t Report::SystemBytesSinceBaseline(const Row& row) const {
    const long statics = row.staticsDestroyed - rows_[baseline_].staticsDestroyed;
    return statics > 0 ? staticLeakBytes_ * static_cast<std::size_t>(statics) : 0;
}

void Report::Print() const {
    std::wprintf(L"%-13ls %6ls %5ls | %6ls %7ls | %5ls %7ls %5ls %5ls %5ls | %11ls %11ls %11ls %9ls | "
                 L"%4ls %5ls\n",
                 L"stage", L"cycles", L"saves", L"GR_GDI", L"GR_USER", L"GDI", L"windows",
                 L"menus", L"icons", L"USER", L"PrivUsage", L"private B", L"heap B", L"own B",
                 L"tray", L"trayw");
    for (const Row& r : rows_) {
        const Figures& f = r.figures;
        std::wprintf(L"%-13ls %6d %5d | %6ls %7ls | %5ld %7ld %5ld %5ld %5ld | %11zu %11zu %11zu %9zu | "
                     L"%4ld %5ld\n",
                     r.stage.c_str(), r.cycles, r.saves, ApiFigure(f.gdiApi).c_str(),
                     ApiFigure(f.userApi).c_str(), f.gdiObjects, f.windows, f.menus, f.icons,
                     f.UserObjects(), f.privateUsage, f.privateBytes, f.heapBytes, f.ownHeapBytes,
                     f.trayIcons, f.trayWindows);
    }
    if (baseline_ < rows_.size() && !rows_.empty()) {
        const Figures& b = rows_[baseline_].figures;
        const Figures& e = rows_.back().figures;
        const long statics = rows_.back().staticsDestroyed - rows_[baseline_].staticsDestroyed;
        std::wprintf(L"system's own bytes per static control destroyed: %zu; static controls "
                     L"destroyed after the warm-up: %ld; allowance %zu bytes\n",
                     staticLeakBytes_, statics, SystemBytesSinceBaseline(rows_.back()));
        std::wprintf(L"growth warm-up -> end: GDI %+ld (bound %ld), USER %+ld (bound %ld), "
                     L"private bytes %+lld (bound %zu + 2 x allowance), heap bytes %+lld (bound %zu + "
                     L"allowance)\n",
                     e.gdiObjects - b.gdiObjects, kGdiSlack, e.UserObjects() - b.UserObjects(),
                     kUserSlack,
                     static_cast<long long>(e.privateBytes) - static_cast<long long>(b.privateBytes),
                     kPrivateSlackBytes,
                     static_cast<long long>(e.heapBytes) - static_cast<long long>(b.heapBytes),
                     kHeapSlackBytes);
        for (const Phase& phase : Phases()) {
            const Row& from = rows_[phase.from];
            const Row& to = rows_[phase.last];
            const long long own = static_cast<long long>(to.figures.ownHeapBytes) -
                                  static_cast<long long>(from.figures.ownHeapBytes);
            const long long heap = static_cast<long long>(to.figures.heapBytes) -
                                   static_cast<long long>(from.figures.heapBytes);
            const long steps = (to.cycles - from.cycles) + (to.saves - from.saves);
            std::wprintf(L"phase %-13ls %5ld steps: heap %+lld bytes = program's own %+lld (bound %zu) "
                         L"+ host library's %+lld (%+lld per step)\n",
                         to.stage.c_str(), steps, heap, own,
                         kOwnHeapSlackBytes + kOwnHeapBytesPerStep * static_cast<std::size_t>(steps),
                         heap - own, steps > 0 ? (heap - own) / steps : 0);
        }
    }
    std::fflush(stdout);
}

std::vector<std::wstring> Report::Failures() const {
    std::vector<std::wstring> failures;
    if (baseline_ >= rows_.size()) return {L"no baseline row"};
    const Figures& b = rows_[baseline_].figures;
    for (std::size_t i = baseline_; i < rows_.size(); ++i) {
        const Row& r = rows_[i];
        const Figures& f = r.figures;
        const std::wstring at = r.stage + L" (" + std::to_wstring(r.cycles) + L" cycles, " +
                                std::to_wstring(r.saves) + L" saves): ";
        if (f.trayIcons != 1)
            failures.push_back(at + std::to_wstring(f.trayIcons) + L" icons in the notification area");
        if (f.trayWindows != 1)
            failures.push_back(at + std::to_wstring(f.trayWindows) + L" tray windows");
        if (f.gdiObjects - b.gdiObjects > kGdiSlack)
            failures.push_back(at + Grown(L"GDI objects", f.gdiObjects, b.gdiObjects, kGdiSlack));
        if (f.UserObjects() - b.UserObjects() > kUserSlack)
            failures.push_back(at + Grown(L"USER objects", f.UserObjects(), b.UserObjects(), kUserSlack));
        if (f.gdiApi >= 0 && b.gdiApi >= 0 && f.gdiApi - b.gdiApi > kGdiSlack)
            failures.push_back(at + Grown(L"GR_GDIOBJECTS", f.gdiApi, b.gdiApi, kGdiSlack));
        if (f.userApi >= 0 && b.userApi >= 0 && f.userApi - b.userApi > kUserSlack)
            failures.push_back(at + Grown(L"GR_USEROBJECTS", f.userApi, b.userApi, kUserSlack));
        const std::size_t system = SystemBytesSinceBaseline(r);
        if (f.privateBytes > b.privateBytes + kPrivateSlackBytes + 2 * system)
            failures.push_back(at + GrownBytes(L"private bytes", f.privateBytes, b.privateBytes,
                                               kPrivateSlackBytes + 2 * system));
        if (f.heapBytes > b.heapBytes + kHeapSlackBytes + system)
            failures.push_back(at + GrownBytes(L"heap bytes", f.heapBytes, b.heapBytes,
                                               kHeapSlackBytes + system));
    }
    for (const Phase& phase : Phases()) {
        const Row& start = rows_[phase.from];
        for (std::size_t i = phase.first; i <= phase.last; ++i) {
            const Row& r = rows_[i];
            const auto steps = static_cast<std::size_t>((r.cycles - start.cycles) + (r.saves - start.saves));
            const std::size_t bound = kOwnHeapSlackBytes + kOwnHeapBytesPerStep * steps;
            if (r.figures.ownHeapBytes > start.figures.ownHeapBytes + bound)
                failures.push_back(r.stage + L" (" + std::to_wstring(r.cycles) + L" cycles, " +
                                   std::to_wstring(r.saves) + L" saves): " +
                                   GrownBytes(L"the program's own heap bytes", r.figures.ownHeapBytes,
                                              start.figures.ownHeapBytes, bound));
        }
    }
    return failures;
}

}  // namespace vantrel::endurance
