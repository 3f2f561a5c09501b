// UTF-8 output for the e2e tools: stdout is usually a pipe read by bash,
// where WriteConsoleW does not apply, so text is converted and written as bytes.
#pragma once

#include <string>

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// Writes the text as UTF-8 to stdout (no newline added) and flushes.
void PrintUtf8(const std::wstring& text);

// The same for stderr.
void PrintErrorUtf8(const std::wstring& text);
