#pragma once

// The program's own fixed texts. The source is UTF-8; the build stores narrow literals in
// code page 936, so they read correctly through the ANSI window functions on a Chinese system.

inline constexpr char kMainWindowTitle[] = "VantorelQ群转换链接工具";
inline constexpr char kConvertButtonCaption[] = "转换";
inline constexpr char kHintLabelText[] = "把群号码输入，回车转换成加\r\n群链接，可以用此方法来打开群窗口";

inline constexpr char kWelcomeText[] = "欢迎来到Vantorel";
inline constexpr char kWelcomeCaption[] = "信息：";

inline constexpr char kErrorCaption[] = "错误";
inline constexpr char kWindowCreationFailedText[] = "无法创建程序窗口，程序将退出。";
inline constexpr char kOutOfMemoryText[] = "内存不足，程序将退出。";
