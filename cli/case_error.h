#pragma once
// Why a case could not be read: the field it concerns and what is wrong with it.

#include <string>

struct CaseError {
    std::string strField;   // "suction.applied[2]", "FxSA", ... ; empty when no field is at fault
    std::string strReason;  // one line, no trailing full stop

    // "field: reason", or the reason alone when no field is named.
    std::string Describe() const {
        return strField.empty() ? strReason : strField + ": " + strReason;
    }
};
