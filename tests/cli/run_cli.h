// vextor-cli run in-process, and puzzle files drawn for it.
#pragma once

#include "base/text.h"
#include "cli/cli.h"
#include "files/puzzle_file.h"
#include "support/grid_builder.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace vextor::test {

struct CliRun {
    int status;
    std::string out, err;
    std::string said() const { return std::to_string(status) + " " + err; } // status and err
};

inline CliRun runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

// Appends the drawn `rows` as record n, with their candidates as its solution
// when asked.
inline void append(const std::string& file, const std::vector<std::string>& rows, int n,
                   const std::string& title = "Drawn", bool withSolution = false) {
    AppState st(1);
    makeGrid(st, rows);
    ASSERT_TRUE(AppendPuzzle(st, title, n, withSolution, file));
}

// The non-empty output lines without the timing column.
inline std::vector<std::string> withoutTimes(const std::string& out) {
    std::vector<std::string> lines;
    for (const auto& line : split(out, '\n'))
        if (!line.empty())
            lines.push_back(line.substr(0, line.rfind('\t')));
    return lines;
}

// Output of a shell command, and its exit status.
inline std::pair<int, std::string> shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {-1, out};
    std::array<char, 4096> buf{};
    while (std::fgets(buf.data(), buf.size(), pipe))
        out += buf.data();
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

} // namespace vextor::test
