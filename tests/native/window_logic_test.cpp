#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "window/focus_order.h"
#include "window/geometry.h"
#include "window/layout_check.h"
#include "window/window_layout.h"

namespace {

using namespace controls;

bool AllResolve(Handler) {
    return true;
}

TEST(Centring, TruncatesTowardZero) {
    EXPECT_EQ(CentredStart(1024, 419), 302);
    EXPECT_EQ(CentredStart(768, 209), 279);
    EXPECT_EQ(CentredStart(1366, 419), 473);
    EXPECT_EQ(CentredStart(400, 419), -9);  // -19 / 2, not floor's -10
}

TEST(OneLineEditBox, TextLineSitsInTheMiddle) {
    EXPECT_EQ(CentredTextLine(2, 30, 13).top, 9);
    EXPECT_EQ(CentredTextLine(2, 30, 13).bottom, 22);
    EXPECT_EQ(CentredTextLine(2, 22, 13).top, 5);  // an odd remainder leaves the larger band below
}

TEST(TabOrder, OfTheMainWindowCyclesThroughTheThreeBoxesAndTheButton) {
    std::vector<TabStopCandidate> candidates;
    for (const ControlLayout& c : kMainWindowLayout.controls)
        candidates.push_back({c.number, c.focus_rank, c.tab_stop && c.visible});
    const std::vector<ControlNumber> order = TabOrder(candidates);
    EXPECT_EQ(order, (std::vector<ControlNumber>{编辑框1, 编辑框2, 编辑框3, 按钮1}));

    EXPECT_EQ(NextTabStop(order, 按钮1, true), 编辑框1);
    EXPECT_EQ(NextTabStop(order, 编辑框1, false), 按钮1);
    EXPECT_EQ(NextTabStop(order, 编辑框2, true), 编辑框3);
    EXPECT_EQ(NextTabStop(order, kWindowItself, true), 编辑框1);
    EXPECT_EQ(NextTabStop(order, kWindowItself, false), 按钮1);
    EXPECT_EQ(NextTabStop({}, 编辑框1, true), 0u);
}

TEST(TabOrder, LowerRankFirstAndSkipsWhatCannotTakeTheFocus) {
    const TabStopCandidate candidates[] = {{1, 2, true}, {2, 1, true}, {3, 1, false}, {4, 1, true}};
    EXPECT_EQ(TabOrder(candidates), (std::vector<ControlNumber>{4, 2, 1}));
}

// Copies of the real layout, each with one fault.
class DamagedLayout : public testing::Test {
protected:
    std::vector<ControlLayout> controls{kMainWindowLayout.controls.begin(),
                                        kMainWindowLayout.controls.end()};
    ControlLayout& Control(ControlNumber number) {
        for (ControlLayout& c : controls)
            if (c.number == number) return c;
        throw std::logic_error("no such control");
    }
    bool Sound(bool (*resolves)(Handler) = AllResolve) {
        const WindowLayout layout = {kMainWindowLayout.window_number, kMainWindowLayout.window,
                                     controls};
        return IsLayoutSound(layout, resolves);
    }
};

TEST_F(DamagedLayout, TheRealLayoutIsSound) {
    EXPECT_TRUE(Sound());
}

TEST_F(DamagedLayout, TwoControlsWithOneNumber) {
    Control(编辑框2).number = 编辑框1;
    EXPECT_FALSE(Sound());
}

TEST_F(DamagedLayout, ParentThatDoesNotExist) {
    Control(按钮1).parent = 0x16019999;
    EXPECT_FALSE(Sound());
}

TEST_F(DamagedLayout, ParentThatIsNoGroupBox) {
    Control(按钮1).parent = 编辑框1;
    EXPECT_FALSE(Sound());
}

TEST_F(DamagedLayout, SettingsOfAnotherKind) {
    Control(标签1).settings = EditBoxSettings{};
    EXPECT_FALSE(Sound());
}

TEST_F(DamagedLayout, UnknownKind) {
    Control(标签1).kind = static_cast<Kind>(42);
    EXPECT_FALSE(Sound());
}

TEST_F(DamagedLayout, BindingWithoutHandler) {
    EXPECT_FALSE(Sound([](Handler h) { return h != Handler::CopyLinkPressed; }));
}

}  // namespace
