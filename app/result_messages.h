// Texts that the handlers show in status_label.
#pragma once

#include <string_view>

namespace pantrove {

inline constexpr std::string_view kResolvedStatus =
    "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个";

inline constexpr std::string_view kNothingResolvedMessage = "请先解析地址";
inline constexpr std::string_view kCopiedStatus = "下载地址已复制";
inline constexpr std::string_view kNotWebAddressMessage =
    "这不是网页地址（http:// 或 https://），为安全起见不会打开。可右键复制后自行查看。";

} // namespace pantrove
