// Test program under wine: GDI+ and the common controls are started once, as the program does.
#include "app/startup.h"
#include "skin/core/skin_object.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A skinned window that loses activation runs the memory-trim helper on its process. Under wine a helper run
// whose target process exits meanwhile never ends, and it holds CTest's output pipe open. So in the tests,
// and in the programs they start (which inherit the environment), "windir" names a directory whose empty.exe
// is not the helper: a trim then runs nothing. The trim tests point "windir" elsewhere themselves.
std::filesystem::path keep_trims_idle() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path directory =
        std::filesystem::path(temp) / (L"pantrove-tests-windir-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(directory);
    std::ofstream(directory / L"empty.exe", std::ios::binary) << "not the trim helper";
    SetEnvironmentVariableW(L"windir", directory.wstring().c_str());
    return directory;
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::filesystem::path idle_windir = keep_trims_idle();
    pantrove::create_skin();
    pantrove::create_skin_lists();
    pantrove::init_skin_globals();
    const int result = RUN_ALL_TESTS();
    pantrove::on_program_exit();
    std::error_code ignored;
    std::filesystem::remove_all(idle_windir, ignored);
    return result;
}
