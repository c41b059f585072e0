#include "case_name.h"

namespace {

bool IsSafeAscii(unsigned char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '-' || ch == '_' || ch == '.';
}

// Length of the well-formed UTF-8 sequence (2 to 4 bytes, no overlong form, no surrogate, at most
// U+10FFFF) that starts at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t nLength = 0;
    unsigned char lowest = 0x80;
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        nLength = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        nLength = 3;
        if (lead == 0xE0) lowest = 0xA0;
        if (lead == 0xED) highest = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        nLength = 4;
        if (lead == 0xF0) lowest = 0x90;
        if (lead == 0xF4) highest = 0x8F;
    } else {
        return 0;
    }
    if (i + nLength > text.size()) return 0;
    if (byte(i + 1) < lowest || byte(i + 1) > highest) return 0;
    for (std::size_t k = 2; k < nLength; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return nLength;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any extension, name devices on
// Windows; a report folder copied there must not hold such a file.
bool IsWindowsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    for (char& ch : stem) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

std::uint64_t HashFoldedName(const std::string& strName) {
    // FNV-1a over the name with ASCII letters folded to lower case.
    std::uint64_t nHash = 14695981039346656037ull;
    for (const char ch : strName) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        nHash = (nHash ^ c) * 1099511628211ull;
    }
    return nHash == 0 ? 1 : nHash;
}

}  // namespace

std::string SanitiseCaseName(std::string_view name, std::string_view fallback) {
    std::string strSafe;
    strSafe.reserve(std::min(name.size(), kMaxCaseFileNameBytes));
    for (std::size_t i = 0; i < name.size();) {
        const auto ch = static_cast<unsigned char>(name[i]);
        std::size_t nLength = 1;
        std::string_view piece = "_";
        if (IsSafeAscii(ch)) {
            piece = name.substr(i, 1);
            if (ch == '.' && (strSafe.empty() || strSafe.back() == '.')) piece = "_";
            // A leading dash would read as an option to the next command given the file.
            if (ch == '-' && strSafe.empty()) piece = "_";
        } else if (ch >= 0x80) {
            if (const std::size_t nSeq = Utf8SequenceLength(name, i); nSeq > 0) {
                nLength = nSeq;
                piece = name.substr(i, nSeq);
            }
        }
        if (strSafe.size() + piece.size() > kMaxCaseFileNameBytes) break;
        strSafe += piece;
        i += nLength;
    }
    if (IsWindowsDeviceName(strSafe)) {
        strSafe.insert(strSafe.begin(), '_');
        while (strSafe.size() > kMaxCaseFileNameBytes) {  // drop whole characters from the end
            while ((static_cast<unsigned char>(strSafe.back()) & 0xC0) == 0x80) strSafe.pop_back();
            strSafe.pop_back();
        }
    }
    // "name." would become "name..txt"; Windows drops trailing dots as well.
    if (!strSafe.empty() && strSafe.back() == '.') strSafe.back() = '_';
    return strSafe.empty() ? std::string(fallback) : strSafe;
}

std::string UniqueNames::Claim(const std::string& strName) {
    if (Insert(HashFoldedName(strName))) return strName;
    for (unsigned nSuffix = 2;; ++nSuffix) {
        std::string strCandidate = strName + "~" + std::to_string(nSuffix);
        if (Insert(HashFoldedName(strCandidate))) return strCandidate;
    }
}

bool UniqueNames::Insert(std::uint64_t nHash) {
    if ((m_nUsed + 1) * 2 > m_slots.size()) Grow();
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t i = nHash & nMask;; i = (i + 1) & nMask) {
        if (m_slots[i] == nHash) return false;
        if (m_slots[i] == 0) {
            m_slots[i] = nHash;
            ++m_nUsed;
            return true;
        }
    }
}

void UniqueNames::Grow() {
    std::vector<std::uint64_t> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 1024 : old.size() * 2, 0);
    const std::size_t nMask = m_slots.size() - 1;
    for (const std::uint64_t nHash : old) {
        if (nHash == 0) continue;
        std::size_t i = nHash & nMask;
        while (m_slots[i] != 0) i = (i + 1) & nMask;
        m_slots[i] = nHash;
    }
}
