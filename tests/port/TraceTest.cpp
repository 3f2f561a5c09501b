// Exceptions caught where the system called us are traced, never lost.
#include <gtest/gtest.h>

#include <stdexcept>

#include "DebugOutput.h"
#include "win32/port/Trace.h"

namespace vantrel::win32 {
namespace {

TEST(Trace, CaughtExceptionIsWrittenWithWhereAndWhat) {
    test::DebugOutput output;
    try {
        throw std::runtime_error("disk on fire");
    } catch (...) {
        TraceCaughtException(L"saving");
    }
    try {
        throw 42;
    } catch (...) {
        TraceCaughtException(L"elsewhere");
    }
    EXPECT_EQ(output.Text(), L"Vantrel: saving: disk on fire\nVantrel: elsewhere: unknown exception\n");
}

}  // namespace
}  // namespace vantrel::win32
