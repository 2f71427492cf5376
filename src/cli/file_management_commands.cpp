// sort, convert, delete and backup: maintaining puzzle files.
#include "base/text.h"
#include "cli/command.h"
#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "files/sort_file.h"

#include <array>
#include <fstream>

namespace vextor::cli {

namespace {

int runSort(const Command&, const Arguments& args, Context& ctx) {
    SortOptions o;
    if (const auto by = args.number("--by")) // in the order of the declared words
        o.key = std::array{SortKey::Number, SortKey::Rows, SortKey::Header}[*by];
    o.descending = args.has("--descending");
    o.resequence = args.has("--renumber");
    if (o.resequence)
        o.start = args.text("--renumber");
    o.input = args.text("IN");
    o.output = args.text("OUT");
    return SortPuzzleFile(ctx.ui, o) ? kOk : kFailed;
}

int runConvert(const Command&, const Arguments& args, Context& ctx) {
    return ConvertPuzzleFile(ctx.ui, args.text("IN"), args.text("OUT")) ? kOk : kFailed;
}

int runDelete(const Command&, const Arguments& args, Context& ctx) {
    const int n = *args.number("N");
    const std::string& file = args.text("FILE");
    // The program deletes the record it shows; here a missing record is named.
    if (std::ifstream in(file, std::ios::binary); in && !FindPuzzle(in, n)) {
        ctx.ui.message(spacedNumber(n) + " Not found");
        return kFailed;
    }
    if (!DeletePuzzleRecord(ctx.ui, file, n))
        return kFailed;
    ctx.ui.message("Done");
    return kOk;
}

int runBackup(const Command&, const Arguments& args, Context& ctx) {
    const auto made = BackupPuzzleFile(ctx.ui, args.text("FILE"));
    if (!made)
        return kFailed;
    ctx.out << *made << "\n";
    return kOk;
}

} // namespace

extern const Command sortCommand;
const Command sortCommand{
    "sort",
    {arg::text("IN"), arg::text("OUT"), arg::word("--by", "number|rows|title"),
     arg::flag("--descending"), arg::number("--renumber", "START")},
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
    "convert",
    {arg::text("IN"), arg::text("OUT")},
    "Convert a file of the old record layout into OUT.",
    "The old layout holds the row lines of the layout, three further lines and\n"
    "the row lines of the solution; OUT gets each record renumbered from 1 with\n"
    "the solution after \"|\" on each row line. A line where a header belongs\n"
    "that does not start with \"#\" ends the conversion (status 1), keeping the\n"
    "records before it. A non-empty OUT is only replaced with --yes.",
    runConvert};

extern const Command deleteCommand;
const Command deleteCommand{
    "delete",
    {arg::text("FILE"), arg::record("N")},
    "Delete record N (the N-th header line) from FILE.",
    "The record's lines up to the next header line are removed; the other\n"
    "lines stay as they are, with CRLF line ends. The new content replaces\n"
    "FILE in one step, so a failure leaves FILE as it was.",
    runDelete};

extern const Command backupCommand;
const Command backupCommand{
    "backup",
    {arg::text("FILE")},
    "Copy FILE to its next free backup name and print that name.",
    "The backup of name.vxt is name;01.vxt, then name;02.vxt and so on; the\n"
    "backup of name;07.vxt is name;08.vxt. Fails when all 99 names exist.",
    runBackup};

} // namespace vextor::cli
