// Sorting a puzzle file's records into a new file, optionally renumbering
// them, and converting files of the older record layout (the solution rows
// after the layout rows) into the current one.
#pragma once

#include "base/user_interface.h"

#include <optional>
#include <string>
#include <vector>

namespace vextor {

enum class SortKey {
    Number, // "Puzzle Number": the number after "#", five digits at least (00012)
    Rows,   // "No of Rows": the first field of the size line, two digits at least (09)
    Header, // "Header": the title line unchanged
};

// The settings of the Sort dialog.
struct SortOptions {
    std::string input;
    std::string output;
    SortKey key = SortKey::Number;
    bool descending = false;
    bool resequence = false;
    std::string start = "1"; // the Start# box; a value below 1 is replaced by "1"
};

// One record as the sort reads it: header, title, size and row lines, and
// its sort item (the key and those lines joined by carriage returns).
struct SortRecord {
    std::string item;
    std::vector<std::string> lines;
};

// The key of a record for the criterion.
std::string SortKeyText(SortKey key, const std::string& header, const std::string& title,
                        const std::string& size);

// The records of a file's lines, in file order: blank lines between records
// are skipped; after a header come the title, the size line and as many row
// lines as the size line's first field says (1 or more). nullopt when a
// record is cut short (the input ends, or a header stands where its size or
// a row line belongs), when its size line gives no rows, or when a line that
// is neither blank nor a header follows a record's last row line (a line the
// sort would lose).
std::optional<std::vector<SortRecord>> ReadSortRecords(const std::vector<std::string>& lines,
                                                       SortKey key);

// Orders records by their items as text, ignoring case: the items, lower-cased,
// compared by character code; fully equal items keep their order.
void OrderSortRecords(std::vector<SortRecord>& records);

// Sort: checks the names, asks before overwriting a non-empty output, reads
// every record of the input once and writes them in order through a
// temporary file that replaces the output at the end. Tells the user of a
// missing output name, the same file twice, an unreadable input and the
// number of records sorted. Returns the number of records written, or nullopt when nothing
// was written. options.start becomes "1" when it was below 1 and used.
std::optional<int> SortPuzzleFile(UserInterface& ui, SortOptions& options);

// Convert without the opening question: the old layout of input written in
// the current layout to output (asking before overwriting a non-empty one).
// A line where a header belongs that does not start with "#" ends it with
// "error:" and that line, keeping the records converted so far. True after
// "done".
bool ConvertPuzzleFile(UserInterface& ui, const std::string& input, const std::string& output);
// The Convert button: asks whether to proceed first.
bool ConvertCommand(UserInterface& ui, const std::string& input, const std::string& output);

} // namespace vextor
