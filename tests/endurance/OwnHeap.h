// The bytes the program itself holds on the heap. This executable replaces
// the global operator new and delete, so every allocation of the program's
// C++ code (linked in whole) is counted, while the host library (Windows' or
// Wine's DLLs) allocates from its heaps without passing here. The growth of
// this figure over a phase is the program's own leak; the rest of the heap's
// growth is the host library's.
#pragma once

#include <cstddef>

namespace vantrel::endurance {

std::size_t OwnHeapBytes();

}  // namespace vantrel::endurance
