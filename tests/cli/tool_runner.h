#pragma once
// Runs the built quenmar-check as a subprocess, as a script or a pipeline would.

#include <filesystem>
#include <string>
#include <vector>

struct ToolRun {
    int nExit = -1;  // exit status; -1 when the process did not exit normally
    std::string strOut;
    std::string strErr;
};

// Runs quenmar-check with `args` in the folder `workDir` (relative report paths land there).
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& workDir);

// A fresh, empty folder under the system's temporary folder, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);
// Names of the entries of a folder, sorted.
std::vector<std::string> ListDir(const std::filesystem::path& dir);
