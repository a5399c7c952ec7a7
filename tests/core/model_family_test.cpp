#include "core/model_family.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(LinkKind, FollowsTheFamilysInterfaceList) {
    struct Case {
        int family, choice;
        std::optional<int> kind;
    };
    const Case cases[] = {
        {kFamily4760, 0, 0},
        {kFamily4760, 1, 1},
        {kFamily4760, 2, 2},
        {kFamily4760, 3, std::nullopt},
        {kFamilyGroup, 0, 2},
        {kFamilyGroup, 1, 2},
        {kFamilyGroup, 2, 2},
        {kFamilyGroup, 3, 3},
        {kFamilyAtStartup, 3, 3},
        {kFamilyGroup, -1, std::nullopt},
        {kFamilyGroup, 4, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(linkKindOf(c.family, c.choice), c.kind) << c.family << "/" << c.choice;
}

TEST(InterfaceList, GroupSkipsTheModem) {
    const auto group = interfaceStringIds(kFamilyAtStartup);
    EXPECT_EQ(std::vector<int>(group.begin(), group.end()), (std::vector<int>{1551, 1552, 1553, 1555}));
    EXPECT_EQ(interfaceStringIds(kFamily4760).size(), 3u);
}

}  // namespace
}  // namespace tessel
