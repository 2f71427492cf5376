// One pass over a puzzle file: where its records start, then any record's
// lines without searching the file again.
//
// Work over many records of a file (solving all records, sorting, printing,
// counting solutions, the record count of batch creation) opens one
// PuzzleFileReader and asks it for each record: ReadPuzzle by file name counts
// and searches the whole file on every call, which makes such work quadratic
// in the number of records. The program's own navigation keeps ReadPuzzle by
// file name, one record per command.
#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace vextor {

// The lines of one record as the file holds them (line ends and a byte-order
// mark removed): the header number and the lines after the header line, up
// to the next header line or the end of the file, at most the title, the size
// and the largest grid's row lines.
struct RecordLines {
    int number = 0;                 // the number written after "#"
    std::vector<std::string> lines; // title, size, row lines, ... (any may be missing)
};

class PuzzleFileReader {
public:
    // Reads the file once, noting every line that starts with "#". The file
    // stays open for the records asked for later.
    explicit PuzzleFileReader(std::string file);

    const std::string& file() const { return file_; }
    // The file could be opened and read to its end.
    bool ok() const { return ok_; }
    // Records as CountPuzzles counts them: header lines whose number is above 0.
    int count() const { return count_; }
    // Header lines of any number: record n is the n-th of them.
    int headers() const { return static_cast<int>(headers_.size()); }

    // Record n: the n-th line starting with "#" (n < 1: the first), as
    // FindPuzzle finds it. nullopt when there is no such line or the file
    // cannot be read.
    std::optional<RecordLines> record(int n);

private:
    std::string file_;
    std::ifstream in_;
    std::vector<std::streamoff> headers_; // where each header line starts
    int count_ = 0;
    bool ok_ = false;
};

} // namespace vextor
