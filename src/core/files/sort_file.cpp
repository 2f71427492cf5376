#include "files/sort_file.h"

#include "base/text.h"
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "files/safe_file.h"

#include <algorithm>
#include <fstream>

namespace vextor {

namespace {

bool isHeader(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

bool isBlank(const std::string& line) {
    return trim(line).empty();
}

// n with at least `digits` digits, zero-padded; a minus sign before them.
std::string padded(long long n, std::size_t digits) {
    std::string s = std::to_string(n < 0 ? -n : n);
    if (s.size() < digits)
        s.insert(0, digits - s.size(), '0');
    return n < 0 ? "-" + s : s;
}

int firstField(const std::string& size) {
    return leadingInt(size.substr(0, size.find(',')));
}

std::string lowered(const std::string& text) {
    std::string s = text;
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

// Reads every line of a file; false on a read error.
bool readLines(const std::string& file, std::vector<std::string>& lines) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (readRecordLine(in, line))
        lines.push_back(line);
    return !in.bad();
}

bool sameName(const std::string& a, const std::string& b) {
    return upper(a) == upper(b) || SameFile(a, b);
}

} // namespace

std::string SortKeyText(SortKey key, const std::string& header, const std::string& title,
                        const std::string& size) {
    switch (key) {
    case SortKey::Number:
        return padded(leadingInt(std::string_view(header).substr(header.empty() ? 0 : 1)), 5);
    case SortKey::Rows:
        return padded(firstField(size), 2);
    case SortKey::Header:
        break;
    }
    return title;
}

std::optional<std::vector<SortRecord>> ReadSortRecords(const std::vector<std::string>& lines,
                                                       SortKey key) {
    std::vector<SortRecord> records;
    std::size_t i = 0;
    const std::size_t n = lines.size();
    while (true) {
        // Only blank lines stand between records; any other line would be lost.
        while (i < n && isBlank(lines[i]))
            ++i;
        if (i == n)
            break;
        if (!isHeader(lines[i]))
            return std::nullopt;
        SortRecord r;
        r.lines.push_back(lines[i++]); // header
        if (i + 2 > n || isHeader(lines[i + 1]))
            return std::nullopt;
        r.lines.push_back(lines[i++]); // title
        r.lines.push_back(lines[i++]); // size
        const int rows = firstField(r.lines[2]);
        if (rows < 1)
            return std::nullopt;
        for (int k = 0; k < rows; ++k) {
            if (i == n || isHeader(lines[i]))
                return std::nullopt;
            r.lines.push_back(lines[i++]);
        }
        r.item = SortKeyText(key, r.lines[0], r.lines[1], r.lines[2]);
        for (const std::string& line : r.lines) {
            r.item += '\r';
            r.item += line;
        }
        records.push_back(std::move(r));
    }
    return records;
}

void OrderSortRecords(std::vector<SortRecord>& records) {
    std::vector<std::pair<std::string, std::size_t>> order;
    order.reserve(records.size());
    for (std::size_t k = 0; k < records.size(); ++k)
        order.emplace_back(lowered(records[k].item), k);
    // std::string compares char_traits<char>, which orders bytes as unsigned
    // character codes.
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SortRecord> sorted;
    sorted.reserve(records.size());
    for (const auto& [text, k] : order)
        sorted.push_back(std::move(records[k]));
    records = std::move(sorted);
}

std::optional<int> SortPuzzleFile(UserInterface& ui, SortOptions& o) {
    if (trim(o.output).empty()) {
        ui.message("Specify output file name");
        return std::nullopt;
    }
    if (!ConfirmOverwrite(ui, o.output))
        return std::nullopt;
    if (sameName(o.output, o.input)) {
        ui.message("Input and output files cannot be same");
        return std::nullopt;
    }
    if (RefusedReadOnly(ui, o.output))
        return std::nullopt;
    const std::string failed = "Unable to sort file:\r\n" + o.input;
    std::vector<SortRecord> records;
    {
        BusyPointer busy(ui);
        std::vector<std::string> lines;
        if (!readLines(o.input, lines)) {
            ui.message(failed);
            return std::nullopt;
        }
        if (std::none_of(lines.begin(), lines.end(), isHeader)) {
            ui.message("There are no puzzles in this file");
            return std::nullopt;
        }
        auto read = ReadSortRecords(lines, o.key);
        if (!read) {
            ui.message(failed);
            return std::nullopt;
        }
        records = std::move(*read);
        OrderSortRecords(records);
        if (o.descending)
            std::reverse(records.begin(), records.end());

        long long n = 0;
        if (o.resequence) {
            if (leadingNumber(o.start) < 1)
                o.start = "1";
            n = leadingInt(o.start) - 1LL;
        }
        ReplacingWriter out(o.output);
        for (SortRecord& r : records) {
            if (o.resequence)
                r.lines[0] = r.lines[0].substr(0, 1) + plainNumber(++n);
            for (const std::string& line : r.lines)
                out.line(line);
            ui.pumpEvents();
        }
        if (!out.commit()) {
            ui.message(failed);
            return std::nullopt;
        }
    }
    const int written = static_cast<int>(records.size());
    ui.message(plainNumber(written) + " puzzles sorted to file:\r\n" + o.output);
    return written;
}

bool ConvertPuzzleFile(UserInterface& ui, const std::string& input, const std::string& output) {
    if (trim(output).empty()) {
        ui.message("Specify output file name");
        return false;
    }
    if (sameName(output, input)) {
        ui.message("Input and output files cannot be same");
        return false;
    }
    if (!ConfirmOverwrite(ui, output) || RefusedReadOnly(ui, output))
        return false;
    BusyPointer busy(ui);
    const std::string failed = "Unable to convert file:\r\n" + input;
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        ui.message(failed);
        return false;
    }
    ReplacingWriter out(output);
    if (!out.good()) {
        ui.message("Unable to write file:\r\n" + output);
        return false;
    }
    // A record cut short: the output stays as it was.
    auto next = [&in](std::string& line) { return readRecordLine(in, line); };
    int counter = 0;
    std::string line;
    while (true) {
        bool more = next(line);
        while (more && isBlank(line))
            more = next(line);
        if (!more)
            break;
        if (!isHeader(line)) {
            // The records converted so far stay in the output.
            if (!out.commit()) {
                ui.message("Unable to write file:\r\n" + output);
                return false;
            }
            ui.message("error:" + line);
            return false;
        }
        std::string title, size;
        if (!next(title) || !next(size)) {
            ui.message(failed);
            return false;
        }
        const int rows = std::max(firstField(size), 0);
        std::vector<std::string> layout, solution;
        std::string skipped;
        bool whole = true;
        for (int k = 0; k < rows && whole; ++k)
            whole = next(line) && (layout.push_back(line), true);
        for (int k = 0; k < 3 && whole; ++k)
            whole = next(skipped);
        for (int k = 0; k < rows && whole; ++k)
            whole = next(line) && (solution.push_back(line), true);
        if (!whole) {
            ui.message(failed);
            return false;
        }
        out.line("#" + plainNumber(++counter));
        out.line(title);
        out.line(size);
        for (int k = 0; k < rows; ++k)
            out.line(trim(layout[static_cast<std::size_t>(k)]) + "|" +
                     trim(solution[static_cast<std::size_t>(k)]));
    }
    if (in.bad()) {
        ui.message(failed);
        return false;
    }
    if (!out.commit()) {
        ui.message("Unable to write file:\r\n" + output);
        return false;
    }
    ui.message("done");
    return true;
}

bool ConvertCommand(UserInterface& ui, const std::string& input, const std::string& output) {
    if (!ui.askYesNo("This option will convert old format puzzle file containing solutions as "
                     "well\r\nNo conversion is required if there are only puzzles stored in a "
                     "file\r\nProceed?"))
        return false;
    return ConvertPuzzleFile(ui, input, output);
}

} // namespace vextor
