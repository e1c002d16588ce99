#include "gdiplus/memory_stream.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

namespace pantrove::gdiplus {

namespace {
std::atomic<long> open_streams{0};
} // namespace

long live_streams() {
    return open_streams.load();
}

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)), stream_(std::exchange(other.stream_, nullptr)),
      owns_memory_(std::exchange(other.owns_memory_, false)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        close();
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
        owns_memory_ = std::exchange(other.owns_memory_, false);
    }
    return *this;
}

IStream* MemoryStream::open(const ByteArray& bytes, std::optional<std::size_t> size) {
    close();
    const std::size_t length = size.value_or(bytes.size());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
    if (!memory)
        return nullptr;
    // Never more than bytes holds: a larger block stays zero beyond them.
    const std::size_t copied = std::min(length, bytes.size());
    if (copied > 0) {
        void* data = GlobalLock(memory);
        if (!data) {
            GlobalFree(memory);
            return nullptr;
        }
        std::memcpy(data, bytes.data(), copied);
        GlobalUnlock(memory);
    }
    // The stream does not free the block: close() does, after releasing the stream.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    memory_ = memory;
    stream_ = stream;
    owns_memory_ = true;
    ++open_streams;
    return stream_;
}

void MemoryStream::close() {
    if (!stream_)
        return;
    std::exchange(stream_, nullptr)->Release();
    if (owns_memory_)
        GlobalFree(memory_);
    memory_ = nullptr;
    owns_memory_ = false;
    --open_streams;
}

std::size_t MemoryStream::size() const {
    if (!stream_)
        return 0;
    // The stream's own length: a block grown by writing may be larger than what was written.
    STATSTG status{};
    if (FAILED(stream_->Stat(&status, STATFLAG_NONAME)))
        return 0;
    return std::min<std::size_t>(status.cbSize.QuadPart, GlobalSize(memory_));
}

bool MemoryStream::attach(IStream* stream) {
    close();
    HGLOBAL memory = nullptr;
    if (!stream || FAILED(GetHGlobalFromStream(stream, &memory)) || !memory)
        return false;
    stream->AddRef();
    stream_ = stream;
    memory_ = memory;
    owns_memory_ = false;
    ++open_streams;
    return true;
}

ByteArray MemoryStream::bytes() const {
    const std::size_t length = size();
    if (length == 0)
        return {};
    const void* data = GlobalLock(memory_);
    if (!data)
        return {};
    ByteArray copy(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + length);
    GlobalUnlock(memory_);
    return copy;
}

} // namespace pantrove::gdiplus
