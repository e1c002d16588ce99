#include "program_driver.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

using testing_support::ProgramDriver;

// The real program, driven from this process: a Weiyun link typed in, ".mp4" chosen, the button pressed.
TEST(ProgramWeiyun, ListsBothAddressesAndHidesTheLabel) {
    ProgramDriver program(
        {{L"PANTROVE_WEIYUN_HOST_1", L"127.0.0.1:8443"}, {L"PANTROVE_WEIYUN_HOST_2", L"127.0.0.1:8080"}});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.text(&MainForm::skin_button), "换肤");
    program.type(&MainForm::weiyun_link_edit, "https://share.example.com/abc");
    SendMessageW(program.control(&MainForm::suffix_combo), CB_SETCURSEL, 1, 0);
    program.click(&MainForm::weiyun_resolve_button);
    ASSERT_EQ(program.row_count(), 2);
    EXPECT_EQ(program.cell(0, 0), "1");
    EXPECT_EQ(program.cell(0, 1), "https://127.0.0.1:8443/weiyun/down.php?u=abc.undefined.mp4");
    EXPECT_EQ(program.cell(1, 0), "2");
    EXPECT_EQ(program.cell(1, 1), "http://127.0.0.1:8080/weiyun/down.php?u=abc.undefined.mp4");
    EXPECT_EQ(program.text(&MainForm::status_label),
              "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个");
    EXPECT_FALSE(IsWindowVisible(program.control(&MainForm::weiyun_link_label)));
}

} // namespace
} // namespace pantrove
