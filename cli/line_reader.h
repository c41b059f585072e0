#pragma once
// Lines of a JSON Lines batch, read one at a time with a bound on their length.

#include <cstddef>
#include <istream>
#include <string>

class LineReader {
  public:
    // A line longer than nMaxLineBytes is read to its end but not kept (bTooLong).
    explicit LineReader(std::istream& in, std::size_t nMaxLineBytes = 64 * 1024);

    // Reads the next line without its LF or CR LF; false at the end of the input. A UTF-8 byte
    // order mark at the very start is skipped.
    bool Next(std::string& strLine, bool& bTooLong);
    std::size_t LineNumber() const { return m_nLine; }  // of the line last read, 1-based

  private:
    std::streambuf* m_buf;
    std::size_t m_nMaxLineBytes;
    std::size_t m_nLine = 0;
};
