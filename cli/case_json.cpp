#include "case_json.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "utf8.h"

using nlohmann::json;

namespace {

// Short, printable echo of an offending value for an error line.
std::string Echo(const json& value) {
    std::string text = value.dump(-1, ' ', true, json::error_handler_t::replace);
    if (text.size() > 40) text = text.substr(0, 37) + "...";
    return text;
}

std::optional<CaseError> ReadInt(const json& value, const std::string& strField, int& nOut) {
    constexpr std::int64_t kMin = std::numeric_limits<int>::min();
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    if (value.is_number_unsigned()) {
        const auto uVal = value.get<std::uint64_t>();
        if (uVal > static_cast<std::uint64_t>(kMax)) {
            return CaseError{strField, Echo(value) + " is beyond the signed 32-bit range"};
        }
        nOut = static_cast<int>(uVal);
        return std::nullopt;
    }
    if (value.is_number_integer()) {
        const auto nVal = value.get<std::int64_t>();
        if (nVal < kMin || nVal > kMax) {
            return CaseError{strField, Echo(value) + " is beyond the signed 32-bit range"};
        }
        nOut = static_cast<int>(nVal);
        return std::nullopt;
    }
    if (value.is_number_float()) {
        return CaseError{
            strField, "expected a whole number in the signed 32-bit range, found " + Echo(value)};
    }
    return CaseError{strField, "expected an integer, found " + Echo(value)};
}

// A size or allowable: an integer n stands for the text "n", a string for itself.
std::optional<CaseError> ReadText(const json& value, const std::string& strField,
                                  std::wstring& strOut) {
    if (value.is_string()) {
        strOut = fromUtf8(value.get_ref<const std::string&>());
        return std::nullopt;
    }
    int nVal = 0;
    if (value.is_number()) {
        if (auto error = ReadInt(value, strField, nVal)) return error;
        strOut = std::to_wstring(nVal);
        return std::nullopt;
    }
    return CaseError{strField, "expected an integer or a string, found " + Echo(value)};
}

std::optional<CaseError> ExpectArray(const json& value, const std::string& strField,
                                     std::size_t nLength) {
    if (!value.is_array()) {
        return CaseError{strField, "expected an array of " + std::to_string(nLength) +
                                       " values, found " + Echo(value)};
    }
    if (value.size() != nLength) {
        return CaseError{strField, "expected " + std::to_string(nLength) + " values, found " +
                                       std::to_string(value.size())};
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<CaseError> ReadIntArray(const json& value, const std::string& strField,
                                      std::array<int, N>& nOut) {
    if (auto error = ExpectArray(value, strField, N)) return error;
    for (std::size_t i = 0; i < N; ++i) {
        if (auto error = ReadInt(value[i], strField + "[" + std::to_string(i) + "]", nOut[i])) {
            return error;
        }
    }
    return std::nullopt;
}

std::optional<CaseError> ReadNozzle(const json& value, const std::string& strField,
                                    NozzleCase& nozzle) {
    if (!value.is_object()) return CaseError{strField, "expected an object, found " + Echo(value)};
    for (const auto& [key, item] : value.items()) {
        const std::string strItemField = strField + "." + key;
        if (key == "size") {
            std::wstring strSize;
            if (auto error = ReadText(item, strItemField, strSize)) return error;
            nozzle.strSize = std::move(strSize);
        } else if (key == "position_mm") {
            if (auto error = ReadIntArray(item, strItemField, nozzle.nPosition)) return error;
        } else if (key == "applied") {
            if (auto error = ReadIntArray(item, strItemField, nozzle.nApplied)) return error;
        } else if (key == "allowable") {
            if (auto error = ExpectArray(item, strItemField, 6)) return error;
            for (std::size_t i = 0; i < 6; ++i) {
                std::wstring strText;
                const std::string strElement = strItemField + "[" + std::to_string(i) + "]";
                if (auto error = ReadText(item[i], strElement, strText)) return error;
                nozzle.strAllowable[i] = std::move(strText);
            }
        } else {
            return CaseError{strItemField, "unknown key (size, position_mm, applied, allowable)"};
        }
    }
    return std::nullopt;
}

std::optional<CaseError> ReadCase(const json& value, CaseJsonUse use, CheckCase& out) {
    if (!value.is_object()) return CaseError{"", "expected a JSON object, found " + Echo(value)};
    for (const auto& [key, item] : value.items()) {
        if (key == "pump_type" || key == "unit" || key == "case" || key == "output") {
            if (!item.is_string()) {
                return CaseError{key, "expected a string, found " + Echo(item)};
            }
        }
        if (key == "pump_type") {
            const auto nType = PumpTypeFromName(item.get_ref<const std::string&>());
            if (!nType) {
                return CaseError{key, UnknownPumpType(Echo(item))};
            }
            out.nPumpType = *nType;
        } else if (key == "unit") {
            const auto nUnit = LoadUnitFromName(item.get_ref<const std::string&>());
            if (!nUnit) return CaseError{key, UnknownUnit(Echo(item))};
            out.nUnit = *nUnit;
        } else if (key == "suction") {
            if (auto error = ReadNozzle(item, key, out.suction)) return error;
        } else if (key == "discharge") {
            if (auto error = ReadNozzle(item, key, out.discharge)) return error;
        } else if (key == "case") {
            // A single case file may carry its name too, so that a batch line can be saved as one.
            out.strName = item.get<std::string>();
        } else if (key == "output" && use == CaseJsonUse::SingleCase) {
            out.strOutput = fromUtf8(item.get_ref<const std::string&>());
        } else if (key == "output") {
            return CaseError{key, "not used in a batch: each report goes to the --out-dir folder"};
        } else {
            return CaseError{key,
                             "unknown key (pump_type, unit, suction, discharge, case, output)"};
        }
    }
    return std::nullopt;
}

// nlohmann keeps the last of two equal keys without a word; a case with two "applied" arrays is
// more likely a slip than an intent, so the parse callback looks for them.
class DuplicateKeyFinder {
  public:
    bool operator()(int depth, json::parse_event_t event, json& parsed) {
        const auto nDepth = static_cast<std::size_t>(depth);
        switch (event) {
            case json::parse_event_t::object_start:
                m_keys.resize(nDepth + 1);
                m_keys[nDepth].clear();
                m_path.resize(nDepth + 1);
                break;
            case json::parse_event_t::key: {
                // Keys are reported one level deeper than the object that holds them.
                const std::size_t nObject = nDepth - 1;
                const auto& key = parsed.get_ref<const std::string&>();
                if (nObject < m_keys.size()) {
                    if (!m_keys[nObject].insert(key).second && m_strDuplicate.empty()) {
                        m_strDuplicate = PathTo(nObject, key);
                    }
                    m_path[nObject] = key;
                }
                break;
            }
            default:
                break;
        }
        return true;
    }
    const std::string& Duplicate() const { return m_strDuplicate; }

  private:
    std::string PathTo(std::size_t nObject, const std::string& key) const {
        std::string strPath;
        for (std::size_t i = 0; i < nObject; ++i) strPath += m_path[i] + ".";
        return strPath + key;
    }
    std::vector<std::set<std::string>> m_keys;
    std::vector<std::string> m_path;
    std::string m_strDuplicate;
};

CaseError SyntaxError(std::string_view text, std::size_t nByte) {
    // nlohmann counts the byte after the offending one; show the line and column a person sees.
    std::size_t nLine = 1;
    std::size_t nColumn = 1;
    const std::size_t nEnd = nByte == 0 ? 0 : std::min(nByte - 1, text.size());
    for (std::size_t i = 0; i < nEnd; ++i) {
        if (text[i] == '\n') {
            ++nLine;
            nColumn = 1;
        } else {
            ++nColumn;
        }
    }
    return CaseError{"", "not valid JSON at line " + std::to_string(nLine) + ", column " +
                             std::to_string(nColumn)};
}

}  // namespace

std::optional<CaseError> ParseCaseJson(std::string_view text, CaseJsonUse use, CheckCase& out) {
    DuplicateKeyFinder finder;
    json value;
    try {
        value = json::parse(text.begin(), text.end(), std::ref(finder));
    } catch (const json::parse_error& e) {
        return SyntaxError(text, e.byte);
    } catch (const json::out_of_range&) {
        // Thrown for a number such as 1e400 that no double holds.
        return CaseError{"", "not valid JSON: a number beyond the range of a double"};
    }
    if (!finder.Duplicate().empty()) return CaseError{finder.Duplicate(), "key given twice"};
    return ReadCase(value, use, out);
}
