#include <gtest/gtest.h>

#include "desktop/drop_effect.h"
#include "desktop/dropped_names.h"

namespace {

constexpr std::uint32_t kCopy = kDropEffectCopy, kMove = kDropEffectMove, kLink = kDropEffectLink,
                        kNone = kDropEffectNone;
constexpr std::uint32_t kAll = kCopy | kMove | kLink;
constexpr std::uint32_t kLeftButton = 1, kAltKey = 0x20;  // MK_LBUTTON, MK_ALT

TEST(DropEffect, FollowsTheKeysAmongTheAllowedEffects) {
    const struct {
        std::uint32_t keys, allowed, expected;
    } cases[] = {
        {0, kAll, kCopy},
        {0, kMove | kLink, kMove},
        {0, kLink, kLink},
        {0, kNone, kNone},
        {kKeyShift, kAll, kMove},
        {kKeyShift, kCopy | kLink, kNone},
        {kKeyControl, kAll, kCopy},
        {kKeyControl, kMove, kNone},
        {kKeyControl | kKeyShift, kAll, kNone},
        {kLeftButton | kAltKey, kAll, kCopy},  // other bits do not count
        {kLeftButton | kKeyShift, kMove, kMove},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseDropEffect(true, c.keys, c.allowed), c.expected)
            << "keys " << c.keys << ", allowed " << c.allowed;
}

TEST(DropEffect, NothingForDataThatCannotBeTaken) {
    EXPECT_EQ(ChooseDropEffect(false, 0, kAll), kNone);
}

TEST(DropEffect, AMoveIsNeverReportedAfterTheDrop) {
    EXPECT_EQ(EffectAfterDrop(kMove), kNone);
    EXPECT_EQ(EffectAfterDrop(kCopy), kCopy);
    EXPECT_EQ(EffectAfterDrop(kLink), kLink);
}

TEST(DroppedNames, OneAloneSeveralEachFollowedByCrLf) {
    EXPECT_EQ(JoinDroppedNames({}), "");
    EXPECT_EQ(JoinDroppedNames({"C:\\a.txt"}), "C:\\a.txt");
    EXPECT_EQ(JoinDroppedNames({"C:\\a.txt", "C:\\b.txt"}), "C:\\a.txt\r\nC:\\b.txt\r\n");
    EXPECT_EQ(JoinDroppedNames({"C:\\a.txt", "C:\\b.txt"}).size(), 20u);
}

}  // namespace
