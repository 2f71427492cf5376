#include "cli/option_values.h"

#include <algorithm>
#include <charconv>

namespace vextor::cli {

std::optional<OptionValues>
parseOptionValues(const Command& cmd, const std::vector<std::string>& args, std::size_t positionals,
                  std::initializer_list<std::string_view> flags,
                  std::initializer_list<std::string_view> valued, Context& ctx) {
    OptionValues out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool option = arg.size() > 1 && arg[0] == '-' && !parseInteger(arg);
        if (!option) {
            out.positional.push_back(arg);
        } else if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
            out.flags.insert(arg);
        } else if (std::find(valued.begin(), valued.end(), arg) != valued.end()) {
            if (i + 1 >= args.size()) {
                usageError(cmd, arg + " needs a value", ctx);
                return std::nullopt;
            }
            out.values[arg] = args[++i];
        } else {
            usageError(cmd, "unknown option '" + arg + "'", ctx);
            return std::nullopt;
        }
    }
    if (out.positional.size() != positionals) {
        usageError(cmd,
                   out.positional.size() < positionals ? "missing arguments" : "too many arguments",
                   ctx);
        return std::nullopt;
    }
    return out;
}

std::optional<std::uint64_t> seedValue(const Command& cmd, const std::string& text, Context& ctx) {
    std::uint64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) {
        usageError(cmd, "bad value '" + text + "' for --seed", ctx);
        return std::nullopt;
    }
    return v;
}

} // namespace vextor::cli
