#pragma once
// RFC 4180 records read one at a time, so that a batch of any length keeps memory flat.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

struct CsvRecord {
    std::vector<std::string> fields;
    std::size_t nLine = 0;  // physical line (1-based) where the record starts
    std::string strError;   // why the record is malformed; empty when it is well formed
};

class CsvReader {
  public:
    // Records longer than nMaxRecordBytes are read to their end but not kept (strError says so):
    // one runaway quote must not pull the rest of a large file into memory.
    explicit CsvReader(std::istream& in, std::size_t nMaxRecordBytes = 64 * 1024);

    // Reads the next record into `record`, reusing its storage; false at the end of the input.
    // Fields are separated by commas; a field in double quotes may hold commas, line breaks and
    // doubled quotes. Records end at LF, CR LF or CR. A UTF-8 byte order mark at the very start is
    // skipped.
    bool Next(CsvRecord& record);

  private:
    static constexpr int kEof = -1;
    // Bytes come from a block of our own: going through the stream buffer byte by byte cost more
    // than everything else a summary-only batch does with a row.
    int Get() { return m_pos != m_end || Refill() ? static_cast<unsigned char>(*m_pos++) : kEof; }
    int Peek() { return m_pos != m_end || Refill() ? static_cast<unsigned char>(*m_pos) : kEof; }
    bool Refill();

    std::streambuf* m_buf;
    std::size_t m_nMaxRecordBytes;
    std::size_t m_nLine = 1;
    bool m_bStarted = false;
    std::vector<char> m_block;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
};

// True for a record that stands for an empty line (one empty field), which a batch skips.
bool IsBlankRecord(const CsvRecord& record);
