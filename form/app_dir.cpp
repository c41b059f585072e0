#include "app_dir.h"

#include "app_info.h"

std::wstring GetAppDir() { return AppDirOfModulePath(AfxGetModuleFileName().toStdWString()); }

std::wstring AppDirOfModulePath(std::wstring_view strModulePath) {
    const std::size_t nLastSeparator = strModulePath.rfind(L'/');
    if (nLastSeparator == std::wstring_view::npos) return {};
    return std::wstring(strModulePath.substr(0, nLastSeparator + 1));
}
