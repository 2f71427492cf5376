// The commands of vextor-cli and what they share.
//
// To add a command: define `const Command <name>Command` in its own file
// (src/cli/<name>_command.cpp) and add one line to command_list.inc.
#pragma once

#include "cli/console_ui.h"
#include "state/app_state.h"

#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vextor::cli {

// Exit statuses.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

struct Context {
    std::ostream& out;
    std::ostream& err;
    ConsoleUserInterface& ui;
};

struct Command;
using CommandFunction = int (*)(const Command& self, const std::vector<std::string>& args,
                                Context& ctx);

struct Command {
    std::string_view name;
    std::string_view usage;   // arguments, e.g. "FILE N [--solution]"
    std::string_view summary; // one line for the command list
    std::string_view details; // further help text, may be empty
    CommandFunction run;      // args: the words after the command name
};

// Every command, in the order of the help text.
const std::vector<const Command*>& commands();
const Command* findCommand(std::string_view name);

void printCommandHelp(const Command& cmd, std::ostream& out);

// The arguments of a command: positional words and the flags given.
struct CommandLine {
    std::vector<std::string> positional;
    std::set<std::string> flags;
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
};
// Splits args into positional words and flags; exactly `positionals` words and
// only the given flags are accepted. Reports a usage error and returns nullopt
// otherwise.
std::optional<CommandLine>
parseCommandLine(const Command& cmd, const std::vector<std::string>& args, std::size_t positionals,
                 std::initializer_list<std::string_view> flags, Context& ctx);
// Prints "vextor-cli CMD: problem" and the command's usage line; returns kUsage.
int usageError(const Command& cmd, const std::string& problem, Context& ctx);

// A whole decimal number, optionally negative, and nothing else.
std::optional<int> parseInteger(std::string_view text);

// Whether a word is an option: it starts with "-" and is not "-" followed by
// digits only (those are numbers, right or wrong, for the number's own check).
bool isOptionWord(std::string_view arg);

// The record number N of every command: 1 or more names a record, -1 the empty
// 9 x 9 grid. Anything else is a usage error with one message for every
// command (printed here); nullopt then.
std::optional<int> parseRecordNumber(const Command& cmd, const std::string& text, Context& ctx);

// Loads record n of file into st as the program does (puzfile = file); a
// failure has shown the read-error message. Returns true when loaded.
bool loadPuzzle(AppState& st, Context& ctx, const std::string& file, int n);

// The "FILE [N|all]" commands that print one line per record: checks the
// arguments, reads the file once and, for each chosen record (all by default),
// prints "#N\t" and calls perRecord(n, loaded) with the record loaded into st
// (loaded false when it could not be read). Exit status: kOk, kUsage, or
// kFailed when FILE holds no records and no N was given.
int forEachChosenRecord(const Command& cmd, const std::vector<std::string>& args, Context& ctx,
                        AppState& st, const std::function<void(int n, bool loaded)>& perRecord);

} // namespace vextor::cli
