// The maker's messages and the names of what it writes.
#pragma once

#ifndef MAKER_VENDOR_CONTACT
#error "MAKER_VENDOR_CONTACT (the vendor's QQ number) comes from the build"
#endif

namespace maker {

inline constexpr const char* kErrorTitle = "错误";
inline constexpr const char* kCreationFailed = "创建失败，请联系QQ：" MAKER_VENDOR_CONTACT;

inline constexpr const char* kCalculatorFile = "Zavo计算器.exe";
inline constexpr const char* kShortcutFile = "Zavo计算器.lnk";

}  // namespace maker
