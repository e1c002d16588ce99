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

// Baidu resolution: the resolver refused the link; its answer holds no link list.
inline constexpr std::string_view kRefusedStatus = "处理请求时遇到错误  该网址无法解析";
inline constexpr std::string_view kFailedStatus = "解析失败  点击此处查看说明";

} // namespace pantrove
