// Start-up and exit of the process.
#pragma once

#include <windows.h>

#include <optional>

namespace pantrove {

// Starts GDI+ (version 1 unless told) and returns its token, whatever the outcome: 0 when it failed.
ULONG_PTR start_gdiplus(std::optional<UINT32> version = std::nullopt);

// GDI+, the program icon (resource 129, else the group "DEFAULT_ICON") and the skin settings. Returns 0.
int init_skin_globals();

// Empties the table of skinned windows and the DC registry.
void create_skin_lists();

// Destroys the skin object (which gives back the icon and shuts GDI+ down), then frees the skin's lists.
void on_program_exit();

// Creates the skin object and its lists, starts GDI+, loads MainWindow, shows it and runs the message loop;
// returns the loop's exit code.
int program_entry(HINSTANCE instance);

} // namespace pantrove
