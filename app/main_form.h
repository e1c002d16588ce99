// The form of MainWindow: its geometry, caption and controls, in the order the form stores them.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

namespace pantrove {

// Handles of MainWindow's controls once the form is loaded.
struct MainForm {
    HWND skin_button = nullptr;
    HWND weiyun_link_label = nullptr;
    HWND weiyun_resolve_button = nullptr;
    HWND suffix_combo = nullptr;
    HWND weiyun_link_edit = nullptr;
    HWND suffix_label = nullptr;
    HWND usage_label = nullptr;
    HWND status_label = nullptr;
    HWND password_label = nullptr;
    HWND baidu_link_label = nullptr;
    HWND result_list = nullptr;
    HWND baidu_resolve_button = nullptr;
    HWND baidu_password_edit = nullptr;
    HWND baidu_link_edit = nullptr;
};

enum class ControlKind { PushButton, TransparentLabel, ComboBox, EditBox, ReportListView };

struct FormControl {
    HWND MainForm::*slot;
    ControlKind kind;
    int x, y, width, height; // client coordinates
    std::string_view text;
};

inline constexpr std::string_view kMainCaption = " PantroveV1.1     By：Quillon";
inline constexpr int kMainX = 50, kMainY = 50, kMainWidth = 577, kMainHeight = 344;

inline constexpr std::string_view kInitialStatus = "双击直接下载  右键可复制下载地址  部分链接无法下载 多试两个";

inline constexpr std::array<FormControl, 14> kMainControls{{
    {&MainForm::skin_button, ControlKind::PushButton, 480, 0, 32, 17, "换肤"},
    {&MainForm::weiyun_link_label, ControlKind::TransparentLabel, 10, 65, 88, 24, "微  云网盘："},
    {&MainForm::weiyun_resolve_button, ControlKind::PushButton, 488, 64, 80, 26, "微  云解析"},
    {&MainForm::suffix_combo, ControlKind::ComboBox, 425, 66, 48, 20, ""},
    {&MainForm::weiyun_link_edit, ControlKind::EditBox, 80, 65, 304, 24, ""},
    {&MainForm::suffix_label, ControlKind::TransparentLabel, 391, 65, 32, 24, "后缀："},
    {&MainForm::usage_label, ControlKind::TransparentLabel, 433, 323, 143, 16, "使用人数统计："},
    {&MainForm::status_label, ControlKind::TransparentLabel, 8, 88, 568, 24, kInitialStatus},
    {&MainForm::password_label, ControlKind::TransparentLabel, 392, 32, 32, 24, "密码："},
    {&MainForm::baidu_link_label, ControlKind::TransparentLabel, 10, 32, 88, 24, "百度云网盘："},
    {&MainForm::result_list, ControlKind::ReportListView, 0, 112, 577, 232, ""},
    {&MainForm::baidu_resolve_button, ControlKind::PushButton, 488, 31, 80, 26, "百度云解析"},
    {&MainForm::baidu_password_edit, ControlKind::EditBox, 424, 32, 48, 24, ""},
    {&MainForm::baidu_link_edit, ControlKind::EditBox, 80, 32, 304, 24, ""},
}};

inline constexpr std::array<std::string_view, 13> kSuffixItems{".mp3", ".mp4", ".flv", ".rar", ".zip", ".7z", ".exe",
                                                               ".jpg", ".gif", ".doc", ".xls", ".ppt", ".txt"};

struct ListColumn {
    std::string_view title;
    int width;
};
inline constexpr std::array<ListColumn, 2> kResultColumns{{{"序号", 45}, {"网址", 500}}};

} // namespace pantrove
