#include "shell_open_log.h"

#include "text/runtime_text.h"
#include "text/text_encoding.h"
#include "text/wide_text.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pantrove::testing_support {

std::string read_file(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

std::wstring unix_to_windows_path(const std::string& unix_path) {
    std::wstring path = L"Z:" + widen(unix_path);
    for (wchar_t& ch : path) {
        if (ch == L'/')
            ch = L'\\';
    }
    return path;
}

ShellOpenLog::ShellOpenLog(const std::string& name)
    : marker_(name + "x" + std::to_string(GetCurrentProcessId()) + "x" + std::to_string(GetTickCount64())) {}

std::vector<TextValue> ShellOpenLog::opened(size_t expected, int wait_ms) const {
    wchar_t log_path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"PANTROVE_SHELL_OPEN_LOG", log_path, MAX_PATH);
    const std::wstring path = unix_to_windows_path(narrow(log_path));
    std::vector<TextValue> lines;
    for (int waited = 0;; waited += 50) {
        lines.clear();
        // The script writes what wine handed it, which is UTF-8.
        for (const TextValue& line : rt::split(read_file(path), "\n")) {
            if (line.find(marker_) != std::string::npos)
                lines.push_back(utf8_to_gbk(line));
        }
        if (lines.size() >= expected || waited >= wait_ms)
            return lines;
        Sleep(50);
    }
}

} // namespace pantrove::testing_support
