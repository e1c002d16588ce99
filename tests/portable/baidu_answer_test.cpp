#include "app/baidu_answer.h"

#include "app/result_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pantrove {
namespace {

// The resolver answers in UTF-8; u8 literals keep these bytes whatever the narrow literal encoding.
ByteArray utf8_body(std::u8string_view text) {
    return ByteArray(text.begin(), text.end());
}

ByteArray bytes(std::string_view text) {
    return ByteArray(text.begin(), text.end());
}

struct UrlCase {
    const char* name;
    TextValue link;
    TextValue password;
    const char* url;
};

void PrintTo(const UrlCase& c, std::ostream* out) {
    *out << c.name;
}

class BaiduRequestUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(BaiduRequestUrlTest, EncodesTheLinkAndAppendsThePasswordAsItIs) {
    EXPECT_EQ(baidu_request_url("127.0.0.1:8080", GetParam().link, GetParam().password), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BaiduRequestUrlTest,
    testing::Values(UrlCase{"EveryByteOfTheLinkEscaped", "https://pan.example/s/1a", "ab12",
                            "http://127.0.0.1:8080/sharelinks?shareurl=%68%74%74%70%73%3A%2F%2F%70%61%6E%2E%65%78%61%6D"
                            "%70%6C%65%2F%73%2F%31%61&pass=ab12"},
                    UrlCase{"LeadingBlanksSentEncoded", "  x", "p",
                            "http://127.0.0.1:8080/sharelinks?shareurl=%20%20%78&pass=p"},
                    UrlCase{"ChineseSentAsUtf8", "中", "", "http://127.0.0.1:8080/sharelinks?shareurl=%E4%B8%AD&pass="},
                    UrlCase{"AmpersandInPasswordSplitsTheQuery", "", "a&b=c d",
                            "http://127.0.0.1:8080/sharelinks?shareurl=&pass=a&b=c d"}),
    [](const testing::TestParamInfo<UrlCase>& info) { return std::string(info.param.name); });

struct AnswerCase {
    const char* name;
    ByteArray body;
    std::string_view status;
    std::vector<TextValue> links;
};

void PrintTo(const AnswerCase& c, std::ostream* out) {
    *out << c.name;
}

class BaiduAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(BaiduAnswerTest, GivesTheStatusAndTheLinksInOrder) {
    const BaiduAnswer answer = read_baidu_answer(GetParam().body);
    EXPECT_EQ(answer.status, GetParam().status);
    EXPECT_EQ(answer.links, GetParam().links);
}

INSTANTIATE_TEST_SUITE_P(
    FailureTable, BaiduAnswerTest,
    testing::Values(
        AnswerCase{"NoAnswerAtAll", {}, kFailedStatus, {}},
        AnswerCase{"Refusal", utf8_body(u8"<p>处理请求时遇到错误</p>{\"list\":[\"http://a\"]}}"), kRefusedStatus, {}},
        AnswerCase{"NoListPart", bytes("{\"list\":\"none\"}"), kFailedStatus, {}},
        AnswerCase{"ListWithoutQuotedStrings", bytes("{\"list\":[1,2]}}"), kResolvedStatus, {}}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Answers, BaiduAnswerTest,
    testing::Values(
        AnswerCase{"TwoQuotedStringsTwoRows", bytes("{\"list\":[\"a\",\"b\"]}}"), kResolvedStatus, {"a", "b"}},
        AnswerCase{"Utf8ChineseAroundTheList",
                   utf8_body(u8"{\"标题\":\"中文\",\"list\":[\"http://x/中.zip\",\"y\"]}},\"说明\":\"完\"}"),
                   kResolvedStatus,
                   {"http://x/中.zip", "y"}},
        AnswerCase{"PercentEscapesDecoded", bytes("{\"l\":[\"a%2Fb%E4%B8%AD\"]}}"), kResolvedStatus, {"a/b中"}},
        AnswerCase{"BackslashEscapesKept", bytes("{\"l\":[\"http:\\/\\/x\"]}}"), kResolvedStatus, {"http:\\/\\/x"}},
        AnswerCase{"OnlyTheFirstListCounts", bytes(":[\"a\"]}} :[\"b\"]}}"), kResolvedStatus, {"a"}},
        AnswerCase{"AnUnclosedQuoteEndsTheList", bytes(":[\"a\",\"b]}}"), kResolvedStatus, {"a"}},
        AnswerCase{"TheBodyEndsAtAZeroByte", bytes(std::string_view("x\0:[\"a\"]}}", 10)), kFailedStatus, {}},
        AnswerCase{"RefusalFoundAnywhereAfterDecoding",
                   bytes("%E5%A4%84%E7%90%86%E8%AF%B7%E6%B1%82%E6%97%B6%E9%81%87%E5%88%B0%E9%94%99%E8%AF%AF"),
                   kRefusedStatus,
                   {}}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(BaiduAnswer, FourMegabytesWithAnUnmatchedQuoteListNothing) {
    std::string body = "{\"list\":[\"";
    body.append(4 * 1024 * 1024, 'a');
    body += "]}}";
    const BaiduAnswer answer = read_baidu_answer(bytes(body));
    EXPECT_EQ(answer.status, kResolvedStatus);
    EXPECT_TRUE(answer.links.empty());
}

TEST(BaiduAnswer, FourMegabytesOfLinksListEveryOne) {
    std::string body = "{\"list\":[";
    int count = 0;
    while (body.size() < 4 * 1024 * 1024) {
        body += "\"http://h/" + std::to_string(count++) + "\",";
    }
    body += "\"last\"]}}";
    const BaiduAnswer answer = read_baidu_answer(bytes(body));
    ASSERT_EQ(answer.links.size(), static_cast<size_t>(count) + 1);
    EXPECT_EQ(answer.links.front(), "http://h/0");
    EXPECT_EQ(answer.links[static_cast<size_t>(count) - 1], "http://h/" + std::to_string(count - 1));
    EXPECT_EQ(answer.links.back(), "last");
}

} // namespace
} // namespace pantrove
