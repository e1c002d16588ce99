// The two value types every module passes around.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pantrove {

// Text in code page 936, the program's own encoding. Positions into it are 1-based byte positions.
using TextValue = std::string;

// A block of raw bytes: embedded pictures, request and response bodies.
using ByteArray = std::vector<std::uint8_t>;

} // namespace pantrove
