#include "app/startup.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return pantrove::program_entry(instance);
}
