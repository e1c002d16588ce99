#include "shell_open_log.h"
#include "skin/core/memory_trim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pantrove {
namespace {

namespace fs = std::filesystem;

struct ConsoleRun {
    DWORD exit_code = 0;
    std::string output;
};

// Runs a console program and collects what it prints.
ConsoleRun run_console(const std::wstring& program, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    CreatePipe(&read_end, &write_end, &inherit, 0);
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\" " + arguments;
    ConsoleRun run;
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(write_end);
        write_end = nullptr;
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(read_end, buffer, sizeof buffer, &read, nullptr) && read > 0)
            run.output.append(buffer, read);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &run.exit_code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (write_end)
        CloseHandle(write_end);
    CloseHandle(read_end);
    return run;
}

std::wstring helper_program() {
    return testing_support::unix_to_windows_path(PANTROVE_TRIM_HELPER_PATH);
}

TEST(TrimHelperProgram, PrintsItsUsageWithoutAnArgument) {
    const ConsoleRun run = run_console(helper_program(), L"");
    EXPECT_EQ(run.output, "USAGE: empty.exe {pid | task-name}\r\n");
    EXPECT_NE(run.exit_code, 0u);
}

TEST(TrimHelperProgram, TrimsAProcessByIdOrByName) {
    EXPECT_EQ(run_console(helper_program(), std::to_wstring(GetCurrentProcessId())).exit_code, 0u);
    EXPECT_EQ(run_console(helper_program(), L"windows_tests.exe").exit_code, 0u);
    EXPECT_EQ(run_console(helper_program(), L"windows_tests").exit_code, 0u);
    EXPECT_NE(run_console(helper_program(), L"no-such-program.exe").exit_code, 0u);
}

// Points "windir" at a directory of the test's own.
class TrimMemoryTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        directory_ = fs::path(temp) / (L"pantrove-trim-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        wchar_t windir[MAX_PATH] = {};
        GetEnvironmentVariableW(L"windir", windir, MAX_PATH);
        saved_windir_ = windir;
        SetEnvironmentVariableW(L"windir", directory_.wstring().c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"windir", saved_windir_.c_str());
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    fs::path helper() const { return directory_ / L"empty.exe"; }

    fs::path directory_;
    std::wstring saved_windir_;
};

std::string file_bytes(const fs::path& path) {
    return testing_support::read_file(path.wstring());
}

TEST_F(TrimMemoryTest, WritesTheHelperOnceAndRunsItEveryTime) {
    EXPECT_EQ(trim_helper_path(), helper().wstring());
    const TrimOutcome first = trim_memory();
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.ran);
    EXPECT_EQ(file_bytes(helper()), testing_support::read_file(helper_program()));
    const TrimOutcome second = trim_memory();
    EXPECT_FALSE(second.written);
    EXPECT_TRUE(second.ran);
    // Nothing is left behind but the helper itself.
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

TEST_F(TrimMemoryTest, NeverRunsAForeignFileAtTheHelperPath) {
    // A working program, but not byte for byte the helper: it stays as it is and is not run.
    const std::string foreign = testing_support::read_file(helper_program()) + "x";
    std::ofstream(helper(), std::ios::binary) << foreign;
    const TrimOutcome outcome = trim_memory();
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(outcome.ran);
    EXPECT_EQ(file_bytes(helper()), foreign);
}

TEST_F(TrimMemoryTest, AnUnwritableDirectoryIsIgnored) {
    SetEnvironmentVariableW(L"windir", (directory_ / L"missing" / L"deeper").wstring().c_str());
    const TrimOutcome outcome = trim_memory();
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(outcome.ran);
}

} // namespace
} // namespace pantrove
