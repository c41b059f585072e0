#pragma once
// File names for batch reports: a case name may come from anyone's spreadsheet, so it is made
// safe before it touches the file system.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A file name (without ".txt") that stays inside the output folder: ASCII letters, digits, '-',
// '_', '.' and well-formed non-ASCII UTF-8 are kept, every other byte becomes '_'. No leading,
// trailing or doubled dot, so neither "." nor ".." nor a hidden file can come out, and no leading
// dash, and no device name of Windows (CON, NUL, COM1, ...). At most kMaxCaseFileNameBytes bytes,
// cut on a character boundary. An empty result becomes `fallback`.
std::string SanitiseCaseName(std::string_view name, std::string_view fallback);

inline constexpr std::size_t kMaxCaseFileNameBytes = 120;

// Hands out report file names so that no two cases of a batch share a file: a name already given
// gets "~2", "~3", ... Names that differ only in ASCII letter case count as the same, so that the
// reports stay apart when the folder is copied to a case-insensitive file system. Only a 64-bit
// hash of each name is kept (8 bytes a case, in an open-addressing table), so a million cases
// cost a few megabytes; a hash collision merely gives a name a suffix it did not need.
class UniqueNames {
  public:
    std::string Claim(const std::string& strName);

  private:
    bool Insert(std::uint64_t nHash);  // false when already present
    void Grow();

    std::vector<std::uint64_t> m_slots;  // 0 = empty slot; hashes are never 0
    std::size_t m_nUsed = 0;
};
