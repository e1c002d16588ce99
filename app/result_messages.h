// Texts that the handlers show in status_label.
#pragma once

#include <string_view>

namespace pantrove {

inline constexpr std::string_view kResolvedStatus =
    "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个";

} // namespace pantrove
