#include "files/puzzle_reader.h"

#include "base/text.h"
#include "files/puzzle_file.h"
#include "model/grid.h"

#include <utility>

namespace vextor {

PuzzleFileReader::PuzzleFileReader(std::string file)
    : file_(std::move(file)), in_(file_, std::ios::binary) {
    if (!in_)
        return;
    std::streamoff start = 0;
    std::string line;
    while (std::getline(in_, line)) {
        const std::streamoff here = start;
        start += static_cast<std::streamoff>(line.size()) + 1; // the LF
        // Only the first character matters here, and a byte-order mark
        // stands before the first line's.
        if (here == 0 && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        if (line.empty() || line[0] != '#')
            continue;
        headers_.push_back(here);
        if (leadingNumber(std::string_view(line).substr(1)) > 0.0)
            ++count_;
    }
    ok_ = !in_.bad();
    in_.clear();
}

std::optional<RecordLines> PuzzleFileReader::record(int n) {
    if (!ok_ || headers_.empty() || n > headers())
        return std::nullopt;
    const std::size_t k = n < 1 ? 0 : static_cast<std::size_t>(n - 1);
    in_.clear();
    in_.seekg(headers_[k]);
    std::string line;
    if (!in_ || !readRecordLine(in_, line))
        return std::nullopt;
    RecordLines record;
    record.number = leadingInt(std::string_view(line).substr(1));
    // The title line is taken whatever it holds; from the size line on, a
    // header line is the next record's.
    constexpr std::size_t kMostLines = 2 + kMaxRows;
    while (record.lines.size() < kMostLines && readRecordLine(in_, line)) {
        if (!record.lines.empty() && !line.empty() && line[0] == '#')
            break;
        record.lines.push_back(std::move(line));
    }
    if (in_.bad())
        return std::nullopt;
    return record;
}

} // namespace vextor
