// MemoryStream: a COM stream over movable global memory, so that GDI+ can read pictures held in memory and
// write pictures into memory.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <objidl.h>

#include <optional>

namespace pantrove::gdiplus {

// Streams currently open in MemoryStream objects, across all threads.
long live_streams();

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    ~MemoryStream() { close(); }

    // Closes what was open, then opens a stream positioned at 0 on a new block of size bytes (default the
    // length of bytes) holding the first bytes; a block longer than bytes is zero beyond them. Returns the
    // stream, owned by this object; null when memory or the stream cannot be had.
    IStream* open(const ByteArray& bytes, std::optional<std::size_t> size = std::nullopt);
    // Releases the stream and frees the block this object allocated. Does nothing when closed.
    void close();

    // The stream's length in bytes (what bytes() returns); 0 when closed.
    [[nodiscard]] std::size_t size() const;
    [[nodiscard]] IStream* stream() const { return stream_; }
    [[nodiscard]] HGLOBAL memory() const { return memory_; }

    // Closes, then keeps a reference to an existing stream over global memory. The memory stays the
    // stream's: close() releases the reference and frees nothing. False, holding nothing, for a stream that
    // is not over global memory.
    bool attach(IStream* stream);

    // A copy of the stream's contents; empty when closed.
    [[nodiscard]] ByteArray bytes() const;

private:
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
    bool owns_memory_ = false;
};

} // namespace pantrove::gdiplus
