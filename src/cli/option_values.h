// Options with values for the commands that take them (--seed S, --count N).
#pragma once

#include "cli/command.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vextor::cli {

// The words of a command line: positional words, flags without a value and
// options followed by their value.
struct OptionValues {
    std::vector<std::string> positional;
    std::set<std::string> flags;
    std::map<std::string, std::string> values;
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
};

// Splits args; `flags` take no value, `valued` take the next word. Unknown
// options, a missing value or a wrong number of positional words are usage
// errors (reported, nullopt).
std::optional<OptionValues>
parseOptionValues(const Command& cmd, const std::vector<std::string>& args, std::size_t positionals,
                  std::initializer_list<std::string_view> flags,
                  std::initializer_list<std::string_view> valued, Context& ctx);

// The value of --seed as a seed; nullopt (after a usage error) when it is not
// a whole number from 0 up.
std::optional<std::uint64_t> seedValue(const Command& cmd, const std::string& text, Context& ctx);

} // namespace vextor::cli
