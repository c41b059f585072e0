#include "report_file.h"

#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {
// fwrite, fflush and fclose, each checked; the stream is closed in every case.
bool writeAndClose(std::FILE* fpt, std::string_view content) {
    bool bOk = std::fwrite(content.data(), 1, content.size(), fpt) == content.size();
    bOk = std::fflush(fpt) == 0 && bOk;
    bOk = std::fclose(fpt) == 0 && bOk;
    return bOk;
}

// Creates a new, exclusively owned temporary file beside `target` ("x": never an existing one).
std::FILE* openTemporaryBeside(const fs::path& target, fs::path& tempPath) {
    // Seeded once a thread: a batch writes many reports, and a fresh seed costs more than the name.
    thread_local std::mt19937_64 random{std::random_device{}()};
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        char szSuffix[24];
        std::snprintf(szSuffix, sizeof szSuffix, ".%012llx.tmp",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        std::string strName = target.filename().string();
        strName.insert(0, 1, '.');
        strName += szSuffix;
        tempPath = folder / strName;
        if (std::FILE* fpt = std::fopen(tempPath.c_str(), "wbx")) return fpt;
    }
    return nullptr;
}
}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view content) {
    // An embedded NUL would silently cut the path short and write somewhere else.
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    fs::path target(path);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);

    if (fs::exists(status) && !fs::is_regular_file(status)) {
        if (fs::is_directory(status)) return false;
        std::FILE* fpt = std::fopen(path.c_str(), "wb");
        return fpt != nullptr && writeAndClose(fpt, content);
    }

    if (!fs::exists(status)) {
        // No earlier report to protect: write in place and take the file away again if the
        // text does not arrive whole. "x" refuses a file that appeared in the meantime.
        if (std::FILE* fpt = std::fopen(path.c_str(), "wbx")) {
            if (writeAndClose(fpt, content)) return true;
            fs::remove(target, ec);
            return false;
        }
    } else {
        // A file the user may not write is refused, as opening it for writing would be.
        std::FILE* probe = std::fopen(path.c_str(), "ab");
        if (probe == nullptr) return false;
        std::fclose(probe);
        // Replace the file a symbolic link points at, not the link.
        target = fs::canonical(target, ec);
        if (ec) return false;
    }

    // An earlier report is replaced only by a complete new one.
    fs::path tempPath;
    std::FILE* fpt = openTemporaryBeside(target, tempPath);
    if (fpt == nullptr) return false;
    if (!writeAndClose(fpt, content)) {
        fs::remove(tempPath, ec);
        return false;
    }
    if (fs::exists(status)) fs::permissions(tempPath, status.permissions(), ec);
    fs::rename(tempPath, target, ec);
    if (ec) {
        fs::remove(tempPath, ec);
        return false;
    }
    return true;
}
