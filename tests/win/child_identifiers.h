#pragma once

#include "window/control_ids.h"

// The child-window identifiers of the main window's controls, by which a test finds them from
// outside: they count up from 100 in creation order, the reverse of the layout order.
enum ChildIdentifier {
    k分组框1 = kFirstChildIdentifier,
    k拖放对象1 = k分组框1 + kChildIdentifierStep,
    k编辑框1 = k拖放对象1 + kChildIdentifierStep,
    k编辑框2 = k编辑框1 + kChildIdentifierStep,
    k透明标签1 = k编辑框2 + kChildIdentifierStep,
    k透明标签2 = k透明标签1 + kChildIdentifierStep,
    k超级链接框3 = k透明标签2 + kChildIdentifierStep,
    k编辑框3 = k超级链接框3 + kChildIdentifierStep,
    k标签1 = k编辑框3 + kChildIdentifierStep,
    k按钮1 = k标签1 + kChildIdentifierStep,
};
