// The arguments of vextor-cli's commands. Each command declares its positional
// words and options as a list of `Arg`; one parser checks a command line
// against that list before the command runs, and the usage line is made from
// it too.
//
// A word that starts with "-" and a character other than a digit is an option
// ("-1" and "-99999999999" are numbers, right or wrong, for the number's own
// check). An option with a value takes the next word, or the text after "="
// ("--by=rows").
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vextor::cli {

enum class ArgKind {
    Flag,        // an option without a value
    Text,        // any word: a file name, a title
    Record,      // a record number: 1 or more (also -1, the empty 9 x 9 grid, with orEmptyGrid)
    RecordOrAll, // an optional last word: a record number, -1 or "all" (also: none, all)
    Number,      // a whole number from low to high
    Seed,        // a whole number from 0 to 2^64 - 1
    Size,        // RxC: rows and columns as whole numbers
    Word,        // one of the words of meta ("number|rows|title")
    FileRecord,  // FILE:M, record M (1 or more) of FILE
};

struct Arg {
    static constexpr int kNoLow = std::numeric_limits<int>::min();
    static constexpr int kNoHigh = std::numeric_limits<int>::max();

    std::string_view name; // "FILE" for a positional word, "--seed" for an option
    ArgKind kind = ArgKind::Text;
    std::string_view meta;    // an option's value in the usage line ("S", "RxC")
    int low = kNoLow;         // Number: the range
    int high = kNoHigh;       //
    bool emptyGrid = false;   // Record: -1 names the empty grid
    bool mandatory = false;   // an option that must be given
    bool alternative = false; // exactly one of a command's alternatives must be given

    constexpr bool positional() const { return !name.starts_with("-"); }
    constexpr Arg orEmptyGrid() const { return with(&Arg::emptyGrid); }
    constexpr Arg required() const { return with(&Arg::mandatory); }
    constexpr Arg oneOf() const { return with(&Arg::alternative); }

private:
    constexpr Arg with(bool Arg::*field) const {
        Arg a = *this;
        a.*field = true;
        return a;
    }
};

// The declarations, e.g. {arg::text("FILE"), arg::record("N").orEmptyGrid(),
// arg::flag("--solution")} for "FILE N [--solution]".
namespace arg {
constexpr Arg text(std::string_view name, std::string_view meta = {}) {
    return {name, ArgKind::Text, meta};
}
constexpr Arg flag(std::string_view name) {
    return {name, ArgKind::Flag, {}};
}
constexpr Arg record(std::string_view name, std::string_view meta = {}) {
    return {name, ArgKind::Record, meta};
}
// "[N|all]": -1 is the empty grid.
constexpr Arg recordOrAll() {
    return Arg{"N", ArgKind::RecordOrAll, {}}.orEmptyGrid();
}
constexpr Arg number(std::string_view name, std::string_view meta, int low = Arg::kNoLow,
                     int high = Arg::kNoHigh) {
    return {name, ArgKind::Number, meta, low, high};
}
constexpr Arg seed() {
    return {"--seed", ArgKind::Seed, "S"};
}
constexpr Arg size(std::string_view name) {
    return {name, ArgKind::Size, "RxC"};
}
constexpr Arg fileRecord(std::string_view name) {
    return {name, ArgKind::FileRecord, "FILE:M"};
}
// words: the choices, separated by "|".
constexpr Arg word(std::string_view name, std::string_view words) {
    return {name, ArgKind::Word, words};
}
} // namespace arg

// The checked words of a command line, by their declared names.
class Arguments {
public:
    // Whether a flag, option or positional word was given.
    bool has(std::string_view name) const { return values_.find(name) != values_.end(); }
    // The word as given; FILE of FILE:M; empty when not given.
    const std::string& text(std::string_view name) const;
    // A Record or Number, the rows of RxC, M of FILE:M, the place of a Word in
    // its list; nullopt when not given or "all".
    std::optional<int> number(std::string_view name) const;
    // The columns of RxC.
    int columns(std::string_view name) const;
    std::optional<std::uint64_t> seed() const;

    struct Value {
        std::string text;
        std::optional<int> number;
        int columns = 0;
        std::uint64_t seed = 0;
    };

private:
    friend std::optional<Arguments> parseArguments(std::span<const Arg>,
                                                   const std::vector<std::string>&, std::string&);
    std::map<std::string, Value, std::less<>> values_;
};

// Checks words (those after the command name) against the declarations;
// nullopt with the problem ("unknown option '-x'", "missing arguments", ...)
// when they do not fit.
std::optional<Arguments> parseArguments(std::span<const Arg> declared,
                                        const std::vector<std::string>& words,
                                        std::string& problem);

// "FILE N [--solution]": the usage line of the declarations.
std::string usageLine(std::span<const Arg> declared);

// The one rule for record numbers: 1 or more, or -1 when the empty grid is
// allowed; nullopt otherwise.
std::optional<int> recordNumber(std::string_view text, bool emptyGrid);
// "N must be a record number (1 or more) or -1 for the empty grid, not 'x'".
std::string recordProblem(std::string_view name, bool emptyGrid, std::string_view text);

} // namespace vextor::cli
