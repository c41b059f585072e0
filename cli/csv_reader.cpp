#include "csv_reader.h"

namespace {
constexpr int kEof = std::char_traits<char>::eof();
}

CsvReader::CsvReader(std::istream& in, std::size_t nMaxRecordBytes)
    : m_buf(in.rdbuf()), m_nMaxRecordBytes(nMaxRecordBytes) {}

int CsvReader::Get() { return m_buf ? m_buf->sbumpc() : kEof; }
int CsvReader::Peek() { return m_buf ? m_buf->sgetc() : kEof; }

bool CsvReader::Next(CsvRecord& record) {
    if (!m_bStarted) {
        m_bStarted = true;
        // Spreadsheets save "CSV UTF-8" with a byte order mark.
        static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
        if (Peek() == kBom[0]) {
            Get();
            if (Peek() == kBom[1]) {
                Get();
                if (Peek() == kBom[2]) Get();
            }
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
                setError("field " + std::to_string(nFields) +
                         ": text after the closing quote");
            }
            continue;
        }
        append(field, static_cast<char>(ch));
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
