// Temporary folders and test data lookup.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vextor::test {

// A fresh folder under the system temp folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the program keeps it: ending in the separator.
    std::string folder() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path);
// Record i of a test file: a 3 x 3 puzzle titled "Puzzle i" (or title), with
// its solution (2 1 / 1 3) when asked; tinyRecords(n) are records 1 to n.
std::string tinyRecord(int i, bool solution = false, const std::string& title = "");
std::string tinyRecords(int n);
void writeFile(const std::string& path, const std::string& content);

// The shared corpus of published puzzles, when present beside the checkout.
std::optional<std::filesystem::path> corpusDir();
// The shipped resources folder of the source tree.
std::filesystem::path resourcesDir();

} // namespace vextor::test
