// Test program under wine: GDI+ and the common controls are started once, as the program does.
#include "app/startup.h"
#include "skin/core/skin_object.h"

#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    pantrove::create_skin();
    pantrove::create_skin_lists();
    pantrove::init_skin_globals();
    const int result = RUN_ALL_TESTS();
    pantrove::on_program_exit();
    return result;
}
