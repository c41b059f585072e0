#include "csv_reader.h"

#include <string_view>

CsvReader::CsvReader(std::istream& in, std::size_t nMaxRecordBytes)
    : m_buf(in.rdbuf()), m_nMaxRecordBytes(nMaxRecordBytes), m_block(1 << 16) {}

bool CsvReader::Refill() {
    if (m_buf == nullptr) return false;
    const std::streamsize nRead =
        m_buf->sgetn(m_block.data(), static_cast<std::streamsize>(m_block.size()));
    if (nRead <= 0) return false;
    m_pos = m_block.data();
    m_end = m_pos + nRead;
    return true;
}

bool CsvReader::Next(CsvRecord& record) {
    if (!m_bStarted) {
        m_bStarted = true;
        // Spreadsheets save "CSV UTF-8" with a byte order mark.
        if (Peek() != kEof && m_end - m_pos >= 3 && std::string_view(m_pos, 3) == "\xEF\xBB\xBF") {
            m_pos += 3;
        }
    }
    if (Peek() == kEof) return false;

    record.nLine = m_nLine;
    record.strError.clear();
    std::size_t nFields = 0;
    std::size_t nBytes = 0;
    bool bTooLong = false;
    std::size_t nFieldChars = 0;  // counted even when a too-long record is no longer stored
    auto startField = [&]() -> std::string* {
        nFieldChars = 0;
        if (bTooLong) return nullptr;
        if (nFields == record.fields.size()) record.fields.emplace_back();
        std::string* field = &record.fields[nFields++];
        field->clear();
        return field;
    };
    auto append = [&](std::string* field, char ch) {
        ++nFieldChars;
        if (bTooLong) return;
        if (++nBytes > m_nMaxRecordBytes) {
            bTooLong = true;
            return;
        }
        field->push_back(ch);
    };
    auto appendRange = [&](std::string* field, const char* first, const char* last) {
        const auto nLength = static_cast<std::size_t>(last - first);
        nFieldChars += nLength;
        if (bTooLong) return;
        nBytes += nLength;
        if (nBytes > m_nMaxRecordBytes) {
            bTooLong = true;
            return;
        }
        field->append(first, nLength);
    };
    auto setError = [&](std::string strError) {
        if (record.strError.empty()) record.strError = std::move(strError);
    };

    std::string* field = startField();
    for (;;) {
        int ch = Get();
        if (ch == kEof) break;
        if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && Peek() == '\n') Get();
            ++m_nLine;
            break;
        }
        if (ch == ',') {
            field = startField();
            ++nBytes;
            continue;
        }
        if (ch == '"' && nFieldChars == 0) {
            // Quoted field: runs to a quote that is not doubled.
            for (;;) {
                ch = Get();
                if (ch == kEof) {
                    setError("field " + std::to_string(nFields) + ": quote not closed");
                    break;
                }
                if (ch == '"') {
                    if (Peek() != '"') break;
                    Get();
                }
                if (ch == '\n' || (ch == '\r' && Peek() != '\n')) ++m_nLine;
                append(field, static_cast<char>(ch));
            }
            const int next = Peek();
            if (next != ',' && next != '\n' && next != '\r' && next != kEof) {
                setError("field " + std::to_string(nFields) + ": text after the closing quote");
            }
            continue;
        }
        append(field, static_cast<char>(ch));
        // The rest of a plain field in one go: up to the next comma, line end or block end.
        const char* run = m_pos;
        while (run != m_end && *run != ',' && *run != '\n' && *run != '\r') ++run;
        appendRange(field, m_pos, run);
        m_pos = run;
    }
    record.fields.resize(bTooLong ? 0 : nFields);
    if (bTooLong) {
        record.strError = "record longer than " + std::to_string(m_nMaxRecordBytes) + " bytes";
    }
    return true;
}

bool IsBlankRecord(const CsvRecord& record) {
    return record.strError.empty() && record.fields.size() == 1 && record.fields[0].empty();
}
