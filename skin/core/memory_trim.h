// Trims the program's working set when the application loses activation, by running the small helper
// program that the program carries (empty.exe) on its own process id.
#pragma once

#include <windows.h>

#include <string>

namespace pantrove {

struct TrimOutcome {
    bool written = false; // the helper file was written by this call
    bool ran = false;     // the helper ran to its end
};

// Where the helper lives: the Windows directory (environment variable "windir") followed by "\empty.exe".
std::wstring trim_helper_path();

// Writes the helper when no file stands at its path, then runs it hidden on this process and waits for it.
// A file at that path whose bytes are not exactly the helper's is never run. Failures are ignored.
TrimOutcome trim_memory();

// Thread routine for SHCreateThread: runs trim_memory.
DWORD WINAPI memory_trim_thread(LPVOID);

// What the runs of memory_trim_thread have done so far in this process: how many began and ended, and in how
// many the helper was written or ran. Nothing else observes a trim that was started without waiting for it.
struct TrimTally {
    long started = 0;
    long finished = 0;
    long written = 0;
    long ran = 0;
};
TrimTally trim_tally();

} // namespace pantrove
