#include "files/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vextor {

namespace {

std::string resolveTarget(const std::string& target) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec)
            return real.string();
    }
    return target;
}

// The process id in a temporary file name "NAME.tmpPID-K" of the target
// NAME; 0 when the name is not of that form.
pid_t temporaryOwner(const std::string& name, const std::string& targetName) {
    const std::string head = targetName + ".tmp";
    if (name.size() <= head.size() || name.compare(0, head.size(), head) != 0)
        return 0;
    const std::string rest = name.substr(head.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == rest.size() || dash > 9 ||
        rest.find_first_not_of("0123456789-") != std::string::npos ||
        rest.find('-', dash + 1) != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
}

// Removes the target's temporary files whose process no longer runs (a
// writer that was killed before it could remove its own).
void removeStaleTemporaries(const std::string& target) {
    const fs::path t(target);
    const fs::path folder = t.parent_path().empty() ? fs::path(".") : t.parent_path();
    const std::string name = t.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t pid = temporaryOwner(it->path().filename().string(), name);
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code removeError;
            fs::remove(it->path(), removeError);
        }
    }
}

bool writeAllAt(int fd, const char* data, std::size_t size, off_t at) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        at += n;
    }
    return true;
}

// Writes the content of source into target itself (same file, same links).
// The part beyond the old length goes first: when that fails the old content
// is still whole, and what was written of the new part is cut off again.
bool overwriteWith(const std::string& source, const std::string& target) {
    std::ifstream in(source, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0)
        return false;
    std::string data(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (size > 0 && !in.read(data.data(), size))
        return false;
    const int fd = ::open(target.c_str(), O_WRONLY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    const std::size_t old = static_cast<std::size_t>(st.st_size);
    if (data.size() > old &&
        !writeAllAt(fd, data.data() + old, data.size() - old, static_cast<off_t>(old))) {
        [[maybe_unused]] const int cut = ::ftruncate(fd, static_cast<off_t>(old));
        ::close(fd);
        return false;
    }
    const bool ok = writeAllAt(fd, data.data(), std::min(old, data.size()), 0) &&
                    ::ftruncate(fd, static_cast<off_t>(data.size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

ReplacingWriter::ReplacingWriter(const std::string& target) : target_(resolveTarget(target)) {
    if (!MayWrite(target_))
        return;
    removeStaleTemporaries(target_);
    std::error_code ec;
    const std::string stem = target_ + ".tmp" + std::to_string(::getpid()) + "-";
    for (int k = 0; k < 1000; ++k) {
        std::string candidate = stem + std::to_string(k);
        if (fs::exists(fs::symlink_status(candidate, ec)))
            continue;
        out_.open(candidate, std::ios::binary | std::ios::trunc);
        if (out_.is_open())
            temp_ = std::move(candidate);
        break;
    }
}

ReplacingWriter::~ReplacingWriter() {
    if (out_.is_open())
        out_.close();
    if (!committed_ && !temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
    }
}

bool ReplacingWriter::commit() {
    if (!out_.is_open())
        return false;
    out_.flush();
    const bool written = out_.good();
    out_.close();
    if (!written || out_.fail())
        return false;
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // The owner first: a change of owner may clear the set-id bits.
        const bool ownerKept = ::chown(temp_.c_str(), old.st_uid, old.st_gid) == 0;
        if (old.st_nlink > 1 || !ownerKept) {
            if (!overwriteWith(temp_, target_))
                return false;
            std::error_code ec;
            fs::remove(temp_, ec);
            committed_ = true;
            return true;
        }
        if (::chmod(temp_.c_str(), old.st_mode & 07777) != 0)
            return false;
    }
    std::error_code ec;
    fs::rename(temp_, target_, ec);
    if (ec)
        return false;
    committed_ = true;
    return true;
}

bool CopyFileReplacing(const std::string& source, const std::string& target) {
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    ReplacingWriter w(target);
    if (!w.good())
        return false;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        if (in.gcount() > 0)
            w.out().write(buffer, in.gcount());
        if (!w.good())
            return false;
    }
    if (in.bad())
        return false;
    return w.commit();
}

bool MayWrite(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

bool RefusedReadOnly(UserInterface& ui, const std::string& target) {
    if (MayWrite(target))
        return false;
    ui.message("Cannot write to file:\r\n" + target);
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec) && !ec)
        return true;
    const fs::path ra = fs::weakly_canonical(fs::absolute(a, ec), ec);
    const fs::path rb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return !ra.empty() && ra == rb;
}

long long FileLength(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return -1;
    const auto size = fs::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(size);
}

} // namespace vextor
