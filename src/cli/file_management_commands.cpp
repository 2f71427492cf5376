// sort, convert, delete and backup: maintaining puzzle files.
#include "base/text.h"
#include "cli/command.h"
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "files/sort_file.h"

#include <fstream>

namespace vextor::cli {

namespace {

int runSort(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    SortOptions o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg.resize(eq);
            hasValue = true;
        }
        const bool takesValue = arg == "--by" || arg == "--renumber";
        if (takesValue && !hasValue) {
            if (i + 1 == args.size())
                return usageError(self, arg + " needs a value", ctx);
            value = args[++i];
        }
        if (arg == "--by") {
            if (value == "number")
                o.key = SortKey::Number;
            else if (value == "rows")
                o.key = SortKey::Rows;
            else if (value == "title")
                o.key = SortKey::Header;
            else
                return usageError(self, "--by takes number, rows or title, not '" + value + "'",
                                  ctx);
        } else if (arg == "--renumber") {
            if (!parseInteger(value))
                return usageError(self, "START must be a whole number, not '" + value + "'", ctx);
            o.resequence = true;
            o.start = value;
        } else if (arg == "--descending" && !hasValue) {
            o.descending = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(self, "unknown option '" + args[i] + "'", ctx);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return usageError(self, files.size() < 2 ? "missing arguments" : "too many arguments", ctx);
    o.input = files[0];
    o.output = files[1];
    return SortPuzzleFile(ctx.ui, o) ? kOk : kFailed;
}

int runConvert(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto line = parseCommandLine(self, args, 2, {}, ctx);
    if (!line)
        return kUsage;
    return ConvertPuzzleFile(ctx.ui, line->positional[0], line->positional[1]) ? kOk : kFailed;
}

int runDelete(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto line = parseCommandLine(self, args, 2, {}, ctx);
    if (!line)
        return kUsage;
    const auto n = parseInteger(line->positional[1]);
    if (!n)
        return usageError(self, "N must be a whole number, not '" + line->positional[1] + "'", ctx);
    const std::string& file = line->positional[0];
    // The program deletes the record it shows; here a missing record is named.
    if (std::ifstream in(file, std::ios::binary); in && (*n < 1 || !FindPuzzle(in, *n))) {
        ctx.ui.message(spacedNumber(*n) + " Not found");
        return kFailed;
    }
    if (!DeletePuzzleRecord(ctx.ui, file, *n))
        return kFailed;
    ctx.ui.message("Done");
    return kOk;
}

int runBackup(const Command& self, const std::vector<std::string>& args, Context& ctx) {
    const auto line = parseCommandLine(self, args, 1, {}, ctx);
    if (!line)
        return kUsage;
    const auto made = BackupPuzzleFile(ctx.ui, line->positional[0]);
    if (!made)
        return kFailed;
    ctx.out << *made << "\n";
    return kOk;
}

} // namespace

extern const Command sortCommand;
const Command sortCommand{
    "sort", "IN OUT [--by number|rows|title] [--descending] [--renumber START] [--yes]",
    "Write the records of IN to OUT in sorted order.",
    "Sorts by the number in the header line (default), the number of rows or\n"
    "the title line, as text ignoring case; records with equal keys are\n"
    "ordered by the rest of their text. --renumber numbers the records from\n"
    "START on (a START below 1 counts as 1). Blank lines and notes between\n"
    "records are left out. A non-empty OUT is only replaced with --yes; OUT is\n"
    "written whole or not at all.",
    runSort};

extern const Command convertCommand;
const Command convertCommand{
    "convert", "IN OUT [--yes]", "Convert a file of the old record layout into OUT.",
    "The old layout holds the row lines of the layout, three further lines and\n"
    "the row lines of the solution; OUT gets each record renumbered from 1 with\n"
    "the solution after \"|\" on each row line. A line where a header belongs\n"
    "that does not start with \"#\" ends the conversion (status 1), keeping the\n"
    "records before it. A non-empty OUT is only replaced with --yes.",
    runConvert};

extern const Command deleteCommand;
const Command deleteCommand{
    "delete", "FILE N", "Delete record N (the N-th header line) from FILE.",
    "The record's lines up to the next header line are removed; the other\n"
    "lines stay as they are, with CRLF line ends. The new content replaces\n"
    "FILE in one step, so a failure leaves FILE as it was.",
    runDelete};

extern const Command backupCommand;
const Command backupCommand{
    "backup", "FILE", "Copy FILE to its next free backup name and print that name.",
    "The backup of name.vxt is name;01.vxt, then name;02.vxt and so on; the\n"
    "backup of name;07.vxt is name;08.vxt. Fails when all 99 names exist.",
    runBackup};

} // namespace vextor::cli
