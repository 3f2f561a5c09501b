// The contract between the single-instance tests and the child process they start.
#pragma once

namespace vantrel::test {

constexpr wchar_t kChildInstanceFlag[] = L"--child-instance-check";
constexpr int kChildSawNone = 10;
constexpr int kChildSawAnother = 11;

}  // namespace vantrel::test
