#include "app/start_up_pages.h"

#include "text/runtime_text.h"
#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

// The version page arrives as UTF-8.
ByteArray utf8_page(std::string_view gbk_text) {
    return rt::text_to_bytes(gbk_to_utf8(gbk_text));
}

struct VersionCase {
    const char* page;
    std::optional<TextValue> opened;
};

void PrintTo(const VersionCase& c, std::ostream* out) {
    *out << testing::PrintToString(gbk_to_utf8(c.page).substr(0, 40));
}

class UpdateCheckTest : public testing::TestWithParam<VersionCase> {};

TEST_P(UpdateCheckTest, OpensTheDownloadAddressOnlyWhenTheVersionsDiffer) {
    EXPECT_EQ(update_address(read_version_fields(utf8_page(GetParam().page))), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateCheckTest,
    testing::Values(
        VersionCase{"当前版本V1.1- 最新版本V1.1- 下载地址http://d.test/a-", std::nullopt},
        VersionCase{"当前版本V1.1- 最新版本V1.2- 下载地址http://d.test/new.zip-", "http://d.test/new.zip"},
        VersionCase{"", std::nullopt},
        // Only the latest version: it differs from the empty current one, the address is empty.
        VersionCase{"最新版本V1.2-", ""},
        // A value is cut at its first "-".
        VersionCase{"当前版本V1.1- 最新版本V1.2- 下载地址http://d.test/pan-trove.zip-", "http://d.test/pan"},
        VersionCase{"当前版本V1.1-最新版本%56%31%2E%32-下载地址http%3A%2F%2Fd.test%2Fx-", "http://d.test/x"}));

TEST(UsageCounter, ShowsTheTotalAfterTheMarker) {
    EXPECT_EQ(usage_label_text(rt::text_to_bytes("document.write('累计访问：123&#10今日：4')")), "使用人数统计：123");
    EXPECT_EQ(usage_label_text(rt::text_to_bytes("no marker")), "使用人数统计：");
    EXPECT_EQ(usage_label_text({}), "使用人数统计：");
    EXPECT_EQ(counter_url("127.0.0.1:8080", "42"), "http://127.0.0.1:8080/count1/count.asp?id=42&sx=1&ys=9");
}

} // namespace
} // namespace pantrove
