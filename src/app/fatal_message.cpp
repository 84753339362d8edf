#include "app/fatal_message.h"

std::string ComposeFatalText(std::string_view message, std::int32_t code) {
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0) text.append("错误代码：").append(std::to_string(code)).append("\r\n\r\n");
    if (!message.empty()) text.append("错误信息：").append(message).append("\r\n");
    return text;
}

std::string AllocationFailureMessage(std::size_t bytes) {
    return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}
