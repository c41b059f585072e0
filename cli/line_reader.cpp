#include "line_reader.h"

LineReader::LineReader(std::istream& in, std::size_t nMaxLineBytes)
    : m_buf(in.rdbuf()), m_nMaxLineBytes(nMaxLineBytes) {}

bool LineReader::Next(std::string& strLine, bool& bTooLong) {
    constexpr int kEof = std::char_traits<char>::eof();
    strLine.clear();
    bTooLong = false;
    if (m_buf == nullptr || m_buf->sgetc() == kEof) return false;
    ++m_nLine;
    for (int ch = m_buf->sbumpc(); ch != kEof && ch != '\n'; ch = m_buf->sbumpc()) {
        if (strLine.size() >= m_nMaxLineBytes) {
            bTooLong = true;
            continue;
        }
        strLine.push_back(static_cast<char>(ch));
    }
    if (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
    if (bTooLong) strLine.clear();
    if (m_nLine == 1 && strLine.starts_with("\xEF\xBB\xBF")) strLine.erase(0, 3);
    return true;
}
