#include "gdiplus/memory_stream.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

namespace pantrove::gdiplus {
namespace {

ByteArray pattern(std::size_t length) {
    std::mt19937 generator(static_cast<unsigned>(length));
    ByteArray bytes(length);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(generator());
    return bytes;
}

ByteArray read_all(IStream* stream, std::size_t expected) {
    ByteArray bytes(expected + 16);
    ULONG read = 0;
    EXPECT_TRUE(SUCCEEDED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)));
    bytes.resize(read);
    return bytes;
}

struct OpenCase {
    const char* name;
    ByteArray bytes;
};

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class MemoryStreamOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(MemoryStreamOpen, BytesGiveBackExactlyWhatWasOpenedAndReadingStartsAtTheFirstByte) {
    const ByteArray& bytes = GetParam().bytes;
    MemoryStream stream;
    IStream* opened = stream.open(bytes);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(stream.stream(), opened);
    EXPECT_NE(stream.memory(), nullptr);
    EXPECT_EQ(stream.size(), bytes.size());
    EXPECT_EQ(stream.bytes(), bytes);
    EXPECT_EQ(read_all(opened, bytes.size()), bytes);
}

INSTANTIATE_TEST_SUITE_P(Streams, MemoryStreamOpen,
                         testing::Values(OpenCase{"one_byte", {0x42}}, OpenCase{"zeros", ByteArray(300, 0)},
                                         OpenCase{"every_byte_value", pattern(256)},
                                         OpenCase{"large", pattern(300000)}));

TEST(MemoryStreamSize, AShorterSizeTakesThePrefixAndALongerOneEndsInZeros) {
    const ByteArray bytes = pattern(100);
    MemoryStream stream;
    ASSERT_NE(stream.open(bytes, 40), nullptr);
    EXPECT_EQ(stream.bytes(), ByteArray(bytes.begin(), bytes.begin() + 40));

    ASSERT_NE(stream.open(bytes, 150), nullptr);
    ByteArray expected = bytes;
    expected.resize(150, 0);
    EXPECT_EQ(stream.bytes(), expected);
}

TEST(MemoryStreamSize, AStreamOpenedEmptyGrowsByWhatIsWritten) {
    MemoryStream stream;
    IStream* opened = stream.open({});
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(stream.bytes().empty());
    const ByteArray written = pattern(1001);
    ULONG count = 0;
    ASSERT_EQ(opened->Write(written.data(), static_cast<ULONG>(written.size()), &count), S_OK);
    EXPECT_EQ(stream.size(), written.size());
    EXPECT_EQ(stream.bytes(), written);
}

TEST(MemoryStreamLife, CloseTwiceDoesNothingTheSecondTime) {
    const long before = live_streams();
    MemoryStream stream;
    ASSERT_NE(stream.open(pattern(10)), nullptr);
    EXPECT_EQ(live_streams(), before + 1);
    stream.close();
    EXPECT_EQ(live_streams(), before);
    EXPECT_EQ(stream.stream(), nullptr);
    EXPECT_EQ(stream.memory(), nullptr);
    stream.close();
    EXPECT_EQ(live_streams(), before);
    EXPECT_TRUE(stream.bytes().empty());
    EXPECT_EQ(stream.size(), 0u);
}

TEST(MemoryStreamLife, OpeningAgainReplacesAndMovingHandsOver) {
    const long before = live_streams();
    MemoryStream stream;
    ASSERT_NE(stream.open(pattern(10)), nullptr);
    ASSERT_NE(stream.open(pattern(20)), nullptr);
    EXPECT_EQ(live_streams(), before + 1);
    EXPECT_EQ(stream.bytes(), pattern(20));

    MemoryStream moved(std::move(stream));
    EXPECT_EQ(stream.stream(), nullptr);
    EXPECT_EQ(moved.bytes(), pattern(20));
    MemoryStream other;
    ASSERT_NE(other.open(pattern(5)), nullptr);
    other = std::move(moved);
    EXPECT_EQ(other.bytes(), pattern(20));
    EXPECT_EQ(live_streams(), before + 1);
    other.close();
    EXPECT_EQ(live_streams(), before);
}

TEST(MemoryStreamAttach, TakesTheMemoryOfAGlobalStreamAndLeavesItToItsCreator) {
    IStream* created = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &created), S_OK);
    const ByteArray written = pattern(64);
    ASSERT_EQ(created->Write(written.data(), static_cast<ULONG>(written.size()), nullptr), S_OK);
    HGLOBAL memory = nullptr;
    ASSERT_EQ(GetHGlobalFromStream(created, &memory), S_OK);
    {
        MemoryStream stream;
        ASSERT_TRUE(stream.attach(created));
        EXPECT_EQ(stream.memory(), memory);
        EXPECT_EQ(stream.stream(), created);
        EXPECT_EQ(stream.bytes(), written);
    }
    // The creator's stream and its memory are still whole.
    LARGE_INTEGER start{};
    ASSERT_EQ(created->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    EXPECT_EQ(read_all(created, written.size()), written);
    EXPECT_EQ(GlobalSize(memory), written.size());
    EXPECT_EQ(created->Release(), 0u);
}

TEST(MemoryStreamAttach, AStreamOverOtherMemoryIsRefused) {
    ILockBytes* lock_bytes = nullptr;
    ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, &lock_bytes), S_OK);
    IStorage* storage = nullptr;
    ASSERT_EQ(
        StgCreateDocfileOnILockBytes(lock_bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &storage),
        S_OK);
    IStream* other = nullptr;
    ASSERT_EQ(storage->CreateStream(L"part", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &other), S_OK);

    const long before = live_streams();
    MemoryStream stream;
    ASSERT_NE(stream.open(pattern(8)), nullptr);
    EXPECT_FALSE(stream.attach(other));
    EXPECT_EQ(stream.stream(), nullptr);
    EXPECT_EQ(live_streams(), before);
    EXPECT_FALSE(stream.attach(nullptr));

    other->Release();
    storage->Release();
    lock_bytes->Release();
}

} // namespace
} // namespace pantrove::gdiplus
