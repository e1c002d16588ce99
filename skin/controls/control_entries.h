// The records of skinned controls, one type per family. Every entry begins with the control and the window
// procedure its registration replaced.
#pragma once

#include <windows.h>

namespace pantrove {

struct ControlEntryBase {
    HWND handle = nullptr;
    WNDPROC previous_proc = nullptr;
};

struct ButtonEntry : ControlEntryBase {};
struct EditEntry : ControlEntryBase {};
struct ComboEntry : ControlEntryBase {};
struct ListControlEntry : ControlEntryBase {};
struct HeaderEntry : ControlEntryBase {};
struct TrackbarEntry : ControlEntryBase {};
struct ProgressEntry : ControlEntryBase {};
struct UpDownEntry : ControlEntryBase {};
struct PanelEntry : ControlEntryBase {};

} // namespace pantrove
