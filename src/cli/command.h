// The commands of vextor-cli and what they share.
//
// To add a command: define `const Command <name>Command` with its declared
// arguments in its own file (src/cli/<name>_command.cpp) and add one line to
// command_list.inc, e.g.
//
//   extern const Command showCommand;
//   const Command showCommand{
//       "show", {arg::text("FILE"), arg::record("N").orEmptyGrid(), arg::flag("--solution")},
//       "One line for the command list.", "Further help.", runShow};
//
// The command runs only when its words fit the declarations.
#pragma once

#include "cli/arguments.h"
#include "cli/console_ui.h"
#include "state/app_state.h"

#include <functional>
#include <optional>
#include <ostream>
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
using CommandFunction = int (*)(const Command& self, const Arguments& args, Context& ctx);

struct Command {
    std::string_view name;
    std::vector<Arg> args;    // positional words and options
    std::string_view summary; // one line for the command list
    std::string_view details; // further help text, may be empty
    CommandFunction run;      // args: the checked words after the command name

    std::string usage() const { return usageLine(args); } // e.g. "FILE N [--solution]"
};

// Every command, in the order of the help text.
const std::vector<const Command*>& commands();
const Command* findCommand(std::string_view name);

void printCommandHelp(const Command& cmd, std::ostream& out);

// Prints "vextor-cli CMD: problem" and the command's usage line; returns kUsage.
int usageError(const Command& cmd, const std::string& problem, Context& ctx);

// Loads record n of file into st as the program does (puzfile = file); a
// failure has shown the read-error message. Returns true when loaded.
bool loadPuzzle(AppState& st, Context& ctx, const std::string& file, int n);

// The "FILE [N|all]" commands that print one line per record: reads the file
// once and, for each chosen record (all by default),
// prints "#N\t" and calls perRecord(n, loaded) with the record loaded into st
// (loaded false when it could not be read). Exit status: kOk, or kFailed when
// FILE holds no records and no N was given.
int forEachChosenRecord(const Command& cmd, const Arguments& args, Context& ctx, AppState& st,
                        const std::function<void(int n, bool loaded)>& perRecord);

} // namespace vextor::cli
