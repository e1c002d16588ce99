#include "app/weiyun_links.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

struct WeiyunCase {
    const char* link;
    const char* suffix;
    const char* query; // what follows the host in both addresses
};

void PrintTo(const WeiyunCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.link)) << " + " << c.suffix;
}

class WeiyunLinksTest : public testing::TestWithParam<WeiyunCase> {};

TEST_P(WeiyunLinksTest, BuildsBothAddressesFromTheKey) {
    const WeiyunCase& c = GetParam();
    const WeiyunAddresses addresses = weiyun_addresses(c.link, c.suffix, "one.test", "two.test:8080");
    EXPECT_EQ(addresses.first, std::string("https://one.test") + c.query);
    EXPECT_EQ(addresses.second, std::string("http://two.test:8080") + c.query);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeiyunLinksTest,
    testing::Values(WeiyunCase{"https://share.example.com/abc", ".mp4", "/weiyun/down.php?u=abc.undefined.mp4"},
                    WeiyunCase{"a.com/x.com/key", ".rar", "/weiyun/down.php?u=key.undefined.rar"},
                    WeiyunCase{"https://SHARE.EXAMPLE.COM/abc", ".mp4", "/weiyun/down.php?u=.undefined.mp4"},
                    WeiyunCase{"", "", "/weiyun/down.php?u=.undefined"},
                    WeiyunCase{"x.com/a b\xD6\xD0", ".7z", "/weiyun/down.php?u=a b\xD6\xD0.undefined.7z"}));

} // namespace
} // namespace pantrove
