#include "cli/cli.h"

#include "cli/command.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"

#include <algorithm>

namespace vextor::cli {

#define VEXTOR_CLI_COMMAND(name) extern const Command name##Command;
#include "cli/command_list.inc"
#undef VEXTOR_CLI_COMMAND

namespace {

void printToolHelp(std::ostream& out) {
    out << "Usage: vextor-cli [--yes] COMMAND [ARGS]\n"
           "Work on Vextor puzzle files from the command line.\n"
           "\n"
           "Commands:\n";
    // Usages are long: each command's summary goes on the line below it.
    for (const Command* cmd : commands())
        out << "  " << cmd->name << " " << cmd->usage() << "\n      " << cmd->summary << "\n";
    out << "\n"
           "Options:\n"
           "  --yes    answer Yes to every question the command asks (default: No)\n"
           "  --help   show this help; 'vextor-cli help COMMAND' or 'COMMAND --help'\n"
           "           shows the help of a command\n"
           "\n"
           "Exit status: 0 done, 1 the command failed, 2 wrong usage.\n";
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

const std::vector<const Command*>& commands() {
    static const std::vector<const Command*> table = {
#define VEXTOR_CLI_COMMAND(name) &name##Command,
#include "cli/command_list.inc"
#undef VEXTOR_CLI_COMMAND
    };
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const Command* cmd : commands())
        if (cmd->name == name)
            return cmd;
    return nullptr;
}

void printCommandHelp(const Command& cmd, std::ostream& out) {
    out << "Usage: vextor-cli " << cmd.name << " " << cmd.usage() << "\n" << cmd.summary << "\n";
    if (!cmd.details.empty())
        out << "\n" << cmd.details << "\n";
}

int usageError(const Command& cmd, const std::string& problem, Context& ctx) {
    ctx.err << "vextor-cli " << cmd.name << ": " << problem << "\n"
            << "Usage: vextor-cli " << cmd.name << " " << cmd.usage() << "\n";
    return kUsage;
}

bool loadPuzzle(AppState& st, Context& ctx, const std::string& file, int n) {
    st.puzfile = file;
    return ReadPuzzle(st, ctx.ui, file, n);
}

int forEachChosenRecord(const Command& cmd, const Arguments& args, Context& ctx, AppState& st,
                        const std::function<void(int n, bool loaded)>& perRecord) {
    const std::optional<int> record = args.number("N");
    const std::string& file = args.text("FILE");
    // One pass over the file finds every record.
    PuzzleFileReader reader(file);
    if (!record && reader.count() == 0) {
        ctx.err << "vextor-cli " << cmd.name << ": no puzzle records in " << file << "\n";
        return kFailed;
    }
    const int first = record ? *record : 1;
    const int last = record ? *record : reader.count();
    // Counted wide: a last record of INT_MAX must not overflow the counter.
    for (long long k = first; k <= last; ++k) {
        const int n = static_cast<int>(k);
        st.puzfile = file;
        ctx.out << "#" << n << "\t";
        perRecord(n, ReadPuzzle(st, ctx.ui, reader, n));
    }
    return kOk;
}

int run(const std::vector<std::string>& argsIn, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args;
    bool yes = false;
    for (const std::string& arg : argsIn) {
        if (arg == "--yes")
            yes = true;
        else
            args.push_back(arg);
    }
    if (args.empty()) {
        printToolHelp(err);
        return kUsage;
    }
    if (isHelp(args[0])) {
        printToolHelp(out);
        return kOk;
    }
    if (args[0] == "help") {
        if (args.size() == 1) {
            printToolHelp(out);
            return kOk;
        }
        if (const Command* cmd = findCommand(args[1]); cmd && args.size() == 2) {
            printCommandHelp(*cmd, out);
            return kOk;
        }
        err << "vextor-cli help: no command '" << args[1] << "'\n";
        return kUsage;
    }
    const Command* cmd = findCommand(args[0]);
    if (!cmd) {
        err << "vextor-cli: unknown command '" << args[0] << "'\n";
        printToolHelp(err);
        return kUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        printCommandHelp(*cmd, out);
        return kOk;
    }
    ConsoleUserInterface ui(err, yes);
    Context ctx{out, err, ui};
    std::string problem;
    const auto checked = parseArguments(cmd->args, rest, problem);
    return checked ? cmd->run(*cmd, *checked, ctx) : usageError(*cmd, problem, ctx);
}

} // namespace vextor::cli
