#include "files/safe_file.h"

#include <filesystem>
#include <system_error>

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

} // namespace

ReplacingWriter::ReplacingWriter(const std::string& target) : target_(resolveTarget(target)) {
    std::error_code ec;
    for (int k = 0; k < 1000; ++k) {
        std::string candidate = target_ + ".tmp" + std::to_string(k);
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
    std::error_code ec;
    const fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temp_, old.permissions(), ec);
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
