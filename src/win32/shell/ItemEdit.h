// How to turn the item lines a list shows into the lines its control now
// holds with the fewest inserts and deletes: keep the common head and tail,
// replace the middle. Adding, removing one line and clearing then cost only
// what changed, which keeps a list of 100,000 lines fast. Plain C++, so it
// can be tested without a window.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace vantrel::win32 {

struct ItemEdit {
    std::size_t at = 0;      // first line that differs
    std::size_t remove = 0;  // lines to delete from `at` on
    std::size_t insert = 0;  // lines of the new list to insert at `at`
    bool None() const { return remove == 0 && insert == 0; }
};

inline ItemEdit PlanItemEdit(const std::vector<std::wstring>& shown,
                             const std::vector<std::wstring>& wanted) {
    const std::size_t shorter = std::min(shown.size(), wanted.size());
    std::size_t head = 0;
    while (head < shorter && shown[head] == wanted[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           shown[shown.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;
    return {head, shown.size() - head - tail, wanted.size() - head - tail};
}

}  // namespace vantrel::win32
