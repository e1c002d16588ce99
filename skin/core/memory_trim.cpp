#include "skin/core/memory_trim.h"

#include "resources/embedded.h"
#include "resources/trim_helper_id.h"
#include "text/wide_text.h"

#include <atomic>
#include <string_view>
#include <vector>

namespace pantrove {
namespace {

std::atomic<long> trims_started{0};
std::atomic<long> trims_finished{0};
std::atomic<long> trims_written{0};
std::atomic<long> trims_ran{0};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The helper program as the program's resources carry it.
std::string_view helper_block() {
    const std::span<const std::uint8_t> bytes = embedded_view(IDR_TRIM_HELPER);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool write_all(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Writes the block beside the target and moves it into place, so a concurrent trim never sees half a file
// and an existing file is never replaced.
bool write_helper(const std::wstring& path, std::string_view block) {
    const std::wstring temporary =
        path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetCurrentThreadId());
    bool complete = false;
    {
        FileHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return false;
        complete = write_all(file.get(), block);
    }
    if (complete && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

bool has_exactly(HANDLE file, std::string_view block) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || static_cast<unsigned long long>(size.QuadPart) != block.size())
        return false;
    std::vector<char> content(block.size());
    DWORD read = 0;
    return ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) && read == block.size() &&
           std::string_view(content.data(), content.size()) == block;
}

bool run_hidden_and_wait(const std::wstring& path) {
    std::wstring command = L"\"" + path + L"\" " + std::to_wstring(GetCurrentProcessId());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

std::wstring trim_helper_path() {
    return environment_value(L"windir").value_or(L"") + L"\\empty.exe";
}

TrimOutcome trim_memory() {
    TrimOutcome outcome;
    const std::string_view block = helper_block();
    if (block.empty())
        return outcome;
    const std::wstring path = trim_helper_path();
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        outcome.written = write_helper(path, block);
    // Hold the file open against changes from the comparison until the helper has started.
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !has_exactly(file.get(), block))
        return outcome;
    outcome.ran = run_hidden_and_wait(path);
    return outcome;
}

DWORD WINAPI memory_trim_thread(LPVOID) {
    ++trims_started;
    const TrimOutcome outcome = trim_memory();
    trims_written += outcome.written ? 1 : 0;
    trims_ran += outcome.ran ? 1 : 0;
    ++trims_finished; // last: a reader that sees the run finished also sees what it did
    return 0;
}

TrimTally trim_tally() {
    TrimTally tally;
    tally.finished = trims_finished.load();
    tally.started = trims_started.load();
    tally.written = trims_written.load();
    tally.ran = trims_ran.load();
    return tally;
}

} // namespace pantrove
