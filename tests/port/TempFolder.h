// A fresh folder under the temporary directory for one test, removed with
// everything in it afterwards, and raw byte access to files in it.
#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Names of everything in the folder, sorted.
    std::vector<std::wstring> List() const;

private:
    std::wstring path_;
};

// The file's bytes, exactly; throws when it cannot be read.
std::string ReadRaw(const std::wstring& path);
// Creates or truncates the file with exactly these bytes; throws on failure.
void WriteRaw(const std::wstring& path, const std::string& bytes);

}  // namespace vantrel::test
