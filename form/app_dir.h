#pragma once
// The folder of the running executable, where the output folder "QuenmarOutp" lives.

#include <string>
#include <string_view>

// The executable's folder, ending with its separator; found anew on every call.
std::wstring GetAppDir();

// strModulePath up to and including its last '/': the folder whatever the length of the path.
// A path without a separator gives an empty text.
std::wstring AppDirOfModulePath(std::wstring_view strModulePath);
