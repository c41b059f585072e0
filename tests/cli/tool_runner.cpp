#include "tool_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

ToolRun RunTool(const std::vector<std::string>& args, const fs::path& workDir) {
    const fs::path outPath = workDir / ".tool-stdout";
    const fs::path errPath = workDir / ".tool-stderr";
    std::vector<std::string> argv = {QUENMAR_CHECK_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& arg : argv) cargv.push_back(arg.data());
    cargv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(workDir.c_str()) != 0) _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(cargv[0], cargv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ToolRun run;
    run.nExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.strOut = ReadFile(outPath);
    run.strErr = ReadFile(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

TempDir::TempDir() {
    std::string strTemplate = (fs::temp_directory_path() / "quenmar-cli-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = strTemplate;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> ListDir(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
