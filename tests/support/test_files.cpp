#include "support/test_files.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace vextor::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    for (;;) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("vextor-test-" + std::to_string(::getpid()) + "-" +
                          std::to_string(counter++) + "-" + std::to_string(rd() % 100000));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string tinyRecord(int i, bool solution, const std::string& title) {
    return "#" + std::to_string(i) + "\r\n" +
           (title.empty() ? "Puzzle " + std::to_string(i) : title) + "\r\n 3, 3\r\n" +
           (solution ? "X 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n4,0 2|4,0 1 3\r\n"
                     : "X 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n");
}

std::string tinyRecords(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i)
        s += tinyRecord(i);
    return s;
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::optional<std::filesystem::path> corpusDir() {
    const std::filesystem::path dir =
        std::filesystem::path(VEXTOR_SOURCE_DIR) / ".." / "shared" / "corpus";
    if (std::filesystem::exists(dir / "published.vxt"))
        return std::filesystem::canonical(dir);
    return std::nullopt;
}

std::filesystem::path resourcesDir() {
    return std::filesystem::path(VEXTOR_SOURCE_DIR) / "resources";
}

} // namespace vextor::test
