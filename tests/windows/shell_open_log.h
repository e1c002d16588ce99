// Records what the program opens with the shell during a test. The wine prefix of the test build hands web
// addresses to a script that appends them to the file named by PANTROVE_SHELL_OPEN_LOG, which CTest sets for
// every test. Tests running at the same time share that file, so each looks only for the addresses that carry
// a marker of its own, made unique for every run.
#pragma once

#include "text/text_types.h"

#include <string>
#include <vector>

namespace pantrove::testing_support {

class ShellOpenLog {
public:
    explicit ShellOpenLog(const std::string& name);

    // Text to put into the addresses the test opens, so that they can be told from all others. Letters and
    // digits only, so it fits into a host name and survives being cut at a "-".
    const std::string& marker() const { return marker_; }

    // The logged addresses that contain the marker. Waits up to `wait_ms` for at least `expected` of them,
    // since the shell starts the browser script in a process of its own.
    std::vector<TextValue> opened(size_t expected = 1, int wait_ms = 10000) const;

private:
    std::string marker_;
};

// The whole content of a file; empty when it cannot be read.
std::string read_file(const std::wstring& path);

// A Unix path of this machine as wine's Z: drive shows it.
std::wstring unix_to_windows_path(const std::string& unix_path);

} // namespace pantrove::testing_support
