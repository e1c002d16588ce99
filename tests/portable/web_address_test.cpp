#include "app/web_address.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

TEST(WebAddress, OnlyHttpAndHttpsAddressesAreWebAddresses) {
    for (const char* address : {"http://a.b/x", "HTTPS://a.b/x", "hTtP://x", "https://"})
        EXPECT_TRUE(is_web_address(address)) << address;
    for (const char* address : {"", "file:///C:/Windows/system32/calc.exe", "C:\\x.exe", "\\\\host\\x.exe",
                                " http://a.b", "ftp://a.b", "http:/a.b", "javascript:alert(1)", "httpx://a"})
        EXPECT_FALSE(is_web_address(address)) << address;
}

} // namespace
} // namespace pantrove
