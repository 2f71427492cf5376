#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

namespace vextor::cli {

namespace {

bool isOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

// The whole text as a number of type T (an optional "-" and digits only).
template <typename T> std::optional<T> wholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> digitsOnly(std::string_view text) {
    return !text.empty() && text[0] != '-' ? wholeNumber<int>(text) : std::nullopt;
}

// "a, b and c": the words of a list.
std::string listed(const std::vector<std::string_view>& words, std::string_view last) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i)
        out += std::string(i == 0                  ? ""
                           : i + 1 == words.size() ? last
                                                   : ", ") +
               std::string(words[i]);
    return out;
}

std::vector<std::string_view> wordsOf(std::string_view list) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0;;) {
        const std::size_t bar = list.find('|', start);
        words.push_back(list.substr(start, bar - start));
        if (bar == std::string_view::npos)
            return words;
        start = bar + 1;
    }
}

std::string quoted(std::string_view text) {
    return ", not '" + std::string(text) + "'";
}

// Checks the word given for `a` and fills its value; the problem, or "".
std::string take(const Arg& a, const std::string& word, Arguments::Value& v) {
    const std::string name(a.name);
    v.text = word;
    switch (a.kind) {
    case ArgKind::Flag:
    case ArgKind::Text:
        return {};
    case ArgKind::RecordOrAll:
        if (word == "all")
            return {};
        [[fallthrough]];
    case ArgKind::Record:
        v.number = recordNumber(word, a.emptyGrid);
        return v.number ? "" : recordProblem(a.meta.empty() ? a.name : a.meta, a.emptyGrid, word);
    case ArgKind::Number: {
        v.number = wholeNumber<int>(word);
        if (v.number && *v.number >= a.low && *v.number <= a.high)
            return {};
        std::string range;
        if (a.low != Arg::kNoLow)
            range = " from " + std::to_string(a.low) +
                    (a.high != Arg::kNoHigh ? " to " + std::to_string(a.high) : " up");
        return name + " needs a whole number" + range + quoted(word);
    }
    case ArgKind::Seed: {
        const auto seed = wholeNumber<std::uint64_t>(word); // no "-" for unsigned
        v.seed = seed.value_or(0);
        return seed ? "" : name + " needs a whole number from 0 up" + quoted(word);
    }
    case ArgKind::Size: {
        const std::size_t x = word.find_first_of("xX");
        const auto rows = digitsOnly(std::string_view(word).substr(0, x));
        const auto cols = x == std::string::npos ? std::nullopt : digitsOnly(word.substr(x + 1));
        v.number = rows;
        v.columns = cols.value_or(0);
        return rows && cols ? "" : name + " needs RxC" + quoted(word);
    }
    case ArgKind::Word: {
        const auto words = wordsOf(a.meta);
        const auto it = std::find(words.begin(), words.end(), word);
        if (it != words.end()) {
            v.number = static_cast<int>(it - words.begin());
            return {};
        }
        return name + " needs " + listed(words, " or ") + quoted(word);
    }
    case ArgKind::FileRecord: {
        const std::size_t colon = word.rfind(':');
        if (colon == std::string::npos)
            return name + " needs " + std::string(a.meta) + quoted(word);
        v.text = word.substr(0, colon);
        v.number = recordNumber(word.substr(colon + 1), false);
        return v.number ? "" : recordProblem("M", false, word.substr(colon + 1));
    }
    }
    return {};
}

const Arg* findOption(std::span<const Arg> declared, std::string_view name) {
    for (const Arg& a : declared)
        if (!a.positional() && a.name == name)
            return &a;
    return nullptr;
}

} // namespace

std::optional<int> recordNumber(std::string_view text, bool emptyGrid) {
    // "-0" reads as 0 and is refused with it; "+1" is no whole number.
    const auto n = wholeNumber<int>(text);
    return n && (*n >= 1 || (emptyGrid && *n == -1)) ? n : std::nullopt;
}

std::string recordProblem(std::string_view name, bool emptyGrid, std::string_view text) {
    return std::string(name) + " must be a record number (1 or more)" +
           (emptyGrid ? " or -1 for the empty grid" : "") + quoted(text);
}

const std::string& Arguments::text(std::string_view name) const {
    static const std::string none;
    const auto it = values_.find(name);
    return it == values_.end() ? none : it->second.text;
}

std::optional<int> Arguments::number(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? std::nullopt : it->second.number;
}

int Arguments::columns(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? 0 : it->second.columns;
}

std::optional<std::uint64_t> Arguments::seed() const {
    const auto it = values_.find("--seed");
    return it == values_.end() ? std::nullopt : std::optional(it->second.seed);
}

std::optional<Arguments> parseArguments(std::span<const Arg> declared,
                                        const std::vector<std::string>& words,
                                        std::string& problem) {
    Arguments out;
    const auto fail = [&](std::string text) {
        problem = std::move(text);
        return std::nullopt;
    };
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!isOptionWord(word)) {
            positional.push_back(word);
            continue;
        }
        const Arg* option = findOption(declared, word);
        std::string value;
        if (const std::size_t eq = word.find('='); !option && eq != std::string::npos) {
            option = findOption(declared, std::string_view(word).substr(0, eq));
            if (option && option->kind == ArgKind::Flag)
                option = nullptr;
            value = word.substr(eq + 1);
        } else if (option && option->kind != ArgKind::Flag) {
            if (i + 1 == words.size())
                return fail(word + " needs a value");
            value = words[++i];
        }
        if (!option)
            return fail("unknown option '" + word + "'");
        Arguments::Value& v = out.values_[std::string(option->name)];
        if (std::string p = take(*option, value, v); !p.empty())
            return fail(p);
    }

    std::size_t least = 0, most = 0;
    for (const Arg& a : declared)
        if (a.positional()) {
            ++most;
            least += a.kind == ArgKind::RecordOrAll ? 0 : 1;
        }
    if (positional.size() < least || positional.size() > most)
        return fail(positional.size() < least ? "missing arguments" : "too many arguments");
    std::size_t k = 0;
    std::vector<std::string_view> alternatives;
    int chosen = 0;
    for (const Arg& a : declared) {
        if (a.positional() && k < positional.size()) {
            if (std::string p = take(a, positional[k++], out.values_[std::string(a.name)]);
                !p.empty())
                return fail(p);
        } else if (a.mandatory && !out.has(a.name)) {
            return fail(std::string(a.name) + " " + std::string(a.meta) + " is required");
        } else if (a.alternative) {
            alternatives.push_back(a.name);
            chosen += out.has(a.name) ? 1 : 0;
        }
    }
    if (!alternatives.empty() && chosen != 1)
        return fail("give one of " + listed(alternatives, " and "));
    return out;
}

std::string usageLine(std::span<const Arg> declared) {
    std::string line;
    const auto add = [&line](const std::string& piece) {
        line += (line.empty() ? "" : " ") + piece;
    };
    const auto shown = [](const Arg& a) {
        return std::string(a.name) + (a.kind == ArgKind::Flag ? "" : " " + std::string(a.meta));
    };
    bool alternativesShown = false;
    for (const Arg& a : declared) {
        if (a.positional()) {
            add(a.kind == ArgKind::RecordOrAll ? "[" + std::string(a.name) + "|all]"
                                               : std::string(a.name));
        } else if (!a.alternative) {
            add(a.mandatory ? shown(a) : "[" + shown(a) + "]");
        } else if (!alternativesShown) {
            // All alternatives stand together where the first one is declared.
            std::string group;
            for (const Arg& b : declared)
                if (b.alternative)
                    group += (group.empty() ? "(" : " | ") + shown(b);
            add(group + ")");
            alternativesShown = true;
        }
    }
    return line;
}

} // namespace vextor::cli
