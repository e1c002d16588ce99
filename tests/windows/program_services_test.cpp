// The real program against the fake web services on 127.0.0.1, driven from this process as a user would.
#include "clipboard_support.h"
#include "fake_services.h"
#include "message_box_watcher.h"
#include "program_driver.h"
#include "shell_open_log.h"
#include "text/text_encoding.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

using testing_support::MessageBoxWatcher;
using testing_support::ProgramDriver;
using testing_support::ShellOpenLog;

constexpr std::string_view kResolved =
    "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个";
constexpr std::string_view kFailed = "解析失败  点击此处查看说明";

// The program with all its services in one session of the fake services.
std::vector<std::pair<std::wstring, std::wstring>> services_of(const test::FakeSession& session) {
    const std::wstring host = widen(session.host());
    return {{L"PANTROVE_RESOLVER_HOST", host},
            {L"PANTROVE_COUNTER_HOST", host},
            {L"PANTROVE_COUNTER_ID", L"pantrove-test"},
            {L"PANTROVE_HELP_URL", L"http://" + host + L"/version.html"}};
}

std::string utf8(std::string_view gbk) {
    return gbk_to_utf8(gbk);
}

// A resolver answer in UTF-8 with Chinese text around the list.
std::string answer_with(std::string_view list) {
    return utf8("{\"状态\":\"成功\",\"列表\":{\"urls\":[") + std::string(list) + utf8("]}},\"说明\":\"完\"}");
}

// A hostile answer part: the prefix and then 4 MB of one letter.
std::string four_megabytes_after(std::string_view prefix, char letter) {
    std::string text(prefix);
    text.append(std::size_t{4} << 20, letter);
    return text;
}

void resolve(ProgramDriver& program, std::string_view link, std::string_view password) {
    program.type(&MainForm::baidu_link_edit, link);
    program.type(&MainForm::baidu_password_edit, password);
    program.click(&MainForm::baidu_resolve_button);
}

TEST(ProgramServices, BaiduLinksAreListedFromTheExactDocumentedRequest) {
    test::FakeSession session;
    session.set_answer("/sharelinks", answer_with(utf8("\"http://a.test/1.rar\",\"http:\\/\\/b.test\\/文件.zip\"")));
    ProgramDriver program(services_of(session));
    ASSERT_TRUE(program.running());
    resolve(program, " https://pan.baidu.com/s/1x", "ab&c");

    ASSERT_EQ(program.row_count(), 2);
    EXPECT_EQ(program.cell(0, 0), "1");
    EXPECT_EQ(program.cell(0, 1), "http://a.test/1.rar");
    EXPECT_EQ(program.cell(1, 0), "2");
    EXPECT_EQ(program.cell(1, 1), "http:\\/\\/b.test\\/文件.zip"); // escapes are left as the answer spells them
    EXPECT_EQ(program.text(&MainForm::status_label), kResolved);
    EXPECT_FALSE(IsWindowVisible(program.control(&MainForm::weiyun_link_label)));

    std::vector<test::LoggedRequest> requests;
    for (const test::LoggedRequest& request : session.log()) {
        if (request.request_line.find("/sharelinks") != std::string::npos)
            requests.push_back(request);
    }
    ASSERT_EQ(requests.size(), 1u);
    // Every UTF-8 byte of the link escaped, the leading blank as %20; the password as typed, so "&" splits it.
    EXPECT_EQ(requests[0].request_line, "GET " + session.path("sharelinks") +
                                            "?shareurl=" + url_encode(" https://pan.baidu.com/s/1x", false, true) +
                                            "&pass=ab&c HTTP/1.1");
    const std::string url = "http://" + session.host() +
                            "/sharelinks?shareurl=" + url_encode(" https://pan.baidu.com/s/1x", false, true) +
                            "&pass=ab&c";
    const std::vector<std::string> expected_headers{
        "Host: " + session.host().substr(0, session.host().find('/')),
        "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; KX7TL; .NET CLR 2.0.50727; .NET CLR "
        "3.0.04506.648; .NET CLR 3.5.21022)",
        "Referer: " + url,
        "Accept: */*",
        "Accept-Language: zh-cn",
        "Content-Type: application/x-www-form-urlencoded"};
    EXPECT_EQ(requests[0].header_lines, expected_headers);
}

struct FailureCase {
    const char* name;
    std::string answer; // empty: no resolver at all
    std::string_view status;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgramBaiduOutcomes : public testing::TestWithParam<FailureCase> {};

TEST_P(ProgramBaiduOutcomes, StatusTellsTheOutcomeAndNoRowIsListed) {
    test::FakeSession session;
    auto environment = services_of(session);
    if (GetParam().answer.empty())
        environment[0].second = L"127.0.0.1:" + std::to_wstring(test::unused_port());
    else
        session.set_answer("/sharelinks", GetParam().answer);
    ProgramDriver program(environment);
    ASSERT_TRUE(program.running());
    program.click(&MainForm::weiyun_resolve_button); // rows of an earlier resolution go away
    resolve(program, "https://pan.baidu.com/s/1x", "abcd");
    EXPECT_EQ(program.row_count(), 0);
    EXPECT_EQ(program.text(&MainForm::status_label), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramBaiduOutcomes,
    testing::Values(FailureCase{"no_service", "", kFailed},
                    FailureCase{"refused", utf8("<p>处理请求时遇到错误</p>:[\"http://x\"]}}"),
                                "处理请求时遇到错误  该网址无法解析"},
                    FailureCase{"no_list", utf8("{\"消息\":\"没有\"}"), kFailed},
                    FailureCase{"list_without_quotes", answer_with("1,2"), kResolved},
                    // 4 MB after an unmatched quote: the engine finds nothing, the cut is not empty.
                    FailureCase{"hostile_unmatched_quote", answer_with(four_megabytes_after("\"", 'x')), kResolved},
                    FailureCase{"hostile_no_end", four_megabytes_after(":[\"", 'y'), kFailed}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ProgramServices, ManyLinksKeepTheWindowResponsiveWhileTheListFills) {
    test::FakeSession session;
    std::string list;
    for (int i = 0; i < 300; ++i)
        list += (i ? ",\"http://a.test/" : "\"http://a.test/") + std::to_string(i) + "\"";
    session.set_answer("/sharelinks", answer_with(list));
    ProgramDriver program(services_of(session));
    ASSERT_TRUE(program.running());
    program.type(&MainForm::baidu_link_edit, "x");
    PostMessageW(program.control(&MainForm::baidu_resolve_button), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.wait_for([&] { return program.row_count() > 0; }));
    EXPECT_TRUE(program.responsive());
    EXPECT_TRUE(program.wait_for([&] { return program.text(&MainForm::status_label) == kResolved; }));
    EXPECT_EQ(program.row_count(), 300);
    EXPECT_EQ(program.cell(299, 1), "http://a.test/299");
}

TEST(ProgramServices, RightClickCopiesARowAndDoubleClickRefusesAnythingButAWebAddress) {
    test::FakeSession session;
    session.set_answer("/sharelinks", answer_with("\"http://a.test/1.rar\",\"file:///C:/windows/notepad.exe\""));
    ProgramDriver program(services_of(session));
    ASSERT_TRUE(program.running());
    resolve(program, "x", "y");
    ASSERT_EQ(program.row_count(), 2);
    {
        testing_support::ClipboardLock clipboard;
        program.select_row(0);
        program.click_row(0, WM_RBUTTONDOWN);
        EXPECT_TRUE(program.wait_for([&] { return program.text(&MainForm::status_label) == "下载地址已复制"; }));
        EXPECT_EQ(testing_support::clipboard_text(), "http://a.test/1.rar");
    }
    ShellOpenLog shell("never-opened");
    MessageBoxWatcher boxes(program.process_id());
    program.select_row(1);
    program.click_row(1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(program.wait_for([&] { return !boxes.texts().empty(); }));
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_NE(boxes.texts()[0].find("http://"), std::string::npos);
    EXPECT_TRUE(program.responsive());
}

TEST(ProgramServices, UsageCounterShowsTheCount) {
    test::FakeSession session;
    session.set_answer("/count1/count.asp", "document.write('累计访问：123&#10今日访问：4');");
    ProgramDriver program(services_of(session));
    ASSERT_TRUE(program.running());
    EXPECT_TRUE(program.wait_for([&] { return program.text(&MainForm::usage_label) == "使用人数统计：123"; }))
        << program.text(&MainForm::usage_label);
    bool counted = false;
    for (const test::LoggedRequest& request : session.log())
        counted |=
            request.request_line == "GET " + session.path("count1/count.asp") + "?id=pantrove-test&sx=1&ys=9 HTTP/1.1";
    EXPECT_TRUE(counted);
}

TEST(ProgramServices, UpdateCheckOpensTheAnnouncedDownloadPage) {
    test::FakeSession session;
    ShellOpenLog shell("update");
    const std::string address = "http://" + shell.marker() + "/pantrove_1.2.zip";
    session.set_answer("/version.html",
                       utf8("<p>当前版本V1.1-</p><p>最新版本V1.2-</p><p>下载地址") + address + "-</p>");
    ProgramDriver program(services_of(session));
    ASSERT_TRUE(program.running());
    EXPECT_EQ(shell.opened(), std::vector<TextValue>{address});
}

TEST(ProgramServices, UpdateCheckOpensNothingForTheSameVersionOrAForeignAddress) {
    for (const bool same_version : {true, false}) {
        test::FakeSession session;
        ShellOpenLog shell("no-update");
        const std::string page =
            same_version ? utf8("当前版本V1.1- 最新版本V1.1- 下载地址http://") + shell.marker() + "/x-"
                         : utf8("当前版本V1.1- 最新版本V1.2- 下载地址file:///C:/") + shell.marker() + ".exe-";
        session.set_answer("/version.html", page);
        ProgramDriver program(services_of(session));
        ASSERT_TRUE(program.running());
        // The check is done once the page was asked for; give the shell time it would need to record.
        EXPECT_TRUE(program.wait_for([&] {
            for (const test::LoggedRequest& request : session.log()) {
                if (request.request_line.find("/version.html") != std::string::npos)
                    return true;
            }
            return false;
        }));
        EXPECT_TRUE(shell.opened(1, 3000).empty());
    }
}

} // namespace
} // namespace pantrove
