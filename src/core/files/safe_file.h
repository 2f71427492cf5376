// Writing files so that a failure leaves what was on disk before: new content
// goes to a temporary file beside the target, which replaces the target in one
// step (a rename) only when everything was written.
#pragma once

#include "base/user_interface.h"

#include <fstream>
#include <string>

namespace vextor {

class ReplacingWriter {
public:
    // Opens a fresh temporary file in the target's folder, named after the
    // target and this process ("TARGET.tmpPID-K"); temporary files of the same
    // target left by processes that no longer run are removed first. A target
    // that is a symbolic link is resolved, so the file it names is the one
    // replaced. A target the person may not write (MayWrite) gets no
    // temporary file: the writer is not good.
    explicit ReplacingWriter(const std::string& target);
    // Removes the temporary file unless commit() succeeded.
    ~ReplacingWriter();
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;

    // False when the temporary file could not be created or a write failed.
    bool good() const { return out_.is_open() && out_.good(); }
    std::ostream& out() { return out_; }
    // Writes the line and CRLF.
    void line(const std::string& text) { out_ << text << "\r\n"; }

    // Closes the temporary file and puts its content in place of the target,
    // keeping the target's mode, owner and group: the temporary file is
    // renamed over the target, or, when the target has several hard links or
    // its owner or group cannot be given to the new file, the finished
    // content is written into the target itself (growth first, so a full disk
    // leaves the old content whole). False, with the target untouched, when
    // any write, the close or the rename failed.
    bool commit();

private:
    std::string target_;
    std::string temp_;
    std::ofstream out_;
    bool committed_ = false;
};

// Copies source onto target through a ReplacingWriter. False when the source
// cannot be read or the target cannot be written; the target is then as before.
bool CopyFileReplacing(const std::string& source, const std::string& target);

// Whether the person running the program may write the file at path, judged
// by its permissions for the effective user and group as opening it would be;
// true when nothing exists there yet.
bool MayWrite(const std::string& path);
// Shows "Cannot write to file:" and the path and returns true when the target
// exists but may not be written (MayWrite).
bool RefusedReadOnly(UserInterface& ui, const std::string& target);

// Whether two paths name the same file: resolved paths (links, "..", case as
// the file system keeps it) are compared, not only the texts.
bool SameFile(const std::string& a, const std::string& b);

// The size of a regular file; -1 when it does not exist or is no file.
long long FileLength(const std::string& path);

} // namespace vextor
