#include "skin/core/memory_trim.h"
#include "skinned_frame_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pantrove {
namespace {

namespace fs = std::filesystem;

// Threads of this process now.
int thread_count() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

// A skinned window, never shown, with "windir" pointing at a directory of the test's own.
class DeactivationTrim : public testing_support::SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        directory_ =
            fs::path(temp) / (L"pantrove-deactivation-" + std::to_wstring(GetCurrentProcessId()) + L"-" + widen(test));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        wchar_t windir[MAX_PATH] = {};
        GetEnvironmentVariableW(L"windir", windir, MAX_PATH);
        saved_windir_ = windir;
        SetEnvironmentVariableW(L"windir", directory_.wstring().c_str());
        window_ = handle(skinned(300, 200));
        // Trims started by earlier tests of this process (their windows lost activation) end first.
        for (int waited = 0; trim_tally().finished < trim_tally().started && waited < 60000; waited += 20)
            Sleep(20);
        start_ = trim_tally();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"windir", saved_windir_.c_str());
        // The helper's image may stay mapped a moment after its process has ended.
        std::error_code error;
        fs::remove_all(directory_, error);
        for (int tries = 0; error && tries < 100; ++tries) {
            Sleep(20);
            fs::remove_all(directory_, error);
        }
        SkinnedFrameTest::TearDown();
    }

    void deactivate() { SendMessageW(window_, WM_ACTIVATEAPP, FALSE, 0); }
    void activate() { SendMessageW(window_, WM_ACTIVATEAPP, TRUE, 0); }

    // Waits for `runs` more trim threads to end; what they did, counted from the test's start.
    TrimTally after_runs(long runs) const {
        for (int waited = 0; trim_tally().finished < start_.finished + runs && waited < 60000; waited += 20)
            Sleep(20);
        const TrimTally now = trim_tally();
        return {now.started - start_.started, now.finished - start_.finished, now.written - start_.written,
                now.ran - start_.ran};
    }

    fs::path helper() const { return directory_ / L"empty.exe"; }
    long files() const { return std::distance(fs::directory_iterator(directory_), fs::directory_iterator()); }

    fs::path directory_;
    std::wstring saved_windir_;
    HWND window_ = nullptr;
    TrimTally start_;
};

TEST_F(DeactivationTrim, EachDeactivationRunsTheHelperWhichIsWrittenOnce) {
    activate(); // starts nothing
    deactivate();
    const TrimTally once = after_runs(1);
    EXPECT_EQ(once.finished, 1);
    EXPECT_EQ(once.written, 1);
    EXPECT_EQ(once.ran, 1);
    EXPECT_TRUE(fs::exists(helper()));
    deactivate();
    const TrimTally twice = after_runs(2);
    EXPECT_EQ(twice.finished, 2);
    EXPECT_EQ(twice.written, 1);
    EXPECT_EQ(twice.ran, 2);
    EXPECT_EQ(files(), 1);
}

TEST_F(DeactivationTrim, ActivationStartsNoThread) {
    // A trim thread is running when SHCreateThread returns, and a helper run outlasts these two calls.
    const int threads = thread_count();
    activate();
    activate();
    EXPECT_EQ(thread_count(), threads);
    EXPECT_EQ(trim_tally().finished, start_.finished);
    EXPECT_FALSE(fs::exists(helper()));
}

TEST_F(DeactivationTrim, AForeignFileAtTheHelperPathIsNeverRun) {
    const std::string foreign = "MZ not the helper";
    std::ofstream(helper(), std::ios::binary) << foreign;
    deactivate();
    const TrimTally runs = after_runs(1);
    EXPECT_EQ(runs.finished, 1);
    EXPECT_EQ(runs.written, 0);
    EXPECT_EQ(runs.ran, 0);
    std::ifstream file(helper(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), foreign);
}

} // namespace
} // namespace pantrove
