#include "simulator/keypad.h"

#include <gtest/gtest.h>

#include "core/model_family.h"

namespace tessel::sim {
namespace {

TEST(Keypad, HitTestsOfBothFamilies) {
    struct Case {
        int family, x, y;
        std::optional<int> code;
        int originX, originY;
    };
    const Case cases[] = {
        {tessel::kFamily4760, 56, 301, 42, 56, 301},        {tessel::kFamily4760, 55, 301, std::nullopt, 0, 0},
        {tessel::kFamily4760, 98, 340, 42, 56, 301},        {tessel::kFamily4760, 204, 320, 43, 162, 301},
        {tessel::kFamily4760, 130, 370, 32, 105, 361},      {tessel::kFamily4760, 130, 400, 33, 105, 387},
        {tessel::kFamily4760, 70, 360, 34, 65, 353},        {tessel::kFamily4760, 170, 400, 37, 162, 386},
        {tessel::kFamily4760, 62, 416, 1, 62, 416},         {tessel::kFamily4760, 198, 510, 16, 167, 490},
        {tessel::kFamily4760, 95, 420, std::nullopt, 0, 0}, {tessel::kFamily4760, 120, 570, 29, 118, 565},
        {tessel::kFamily4760, 186, 604, 41, 158, 586},      {tessel::kFamily4760, 80, 590, 38, 77, 588},
        {tessel::kFamily4760, 10, 10, std::nullopt, 0, 0},  {tessel::kFamilyGroup, 43, 284, 36, 45, 289},
        {tessel::kFamilyGroup, 100, 300, 44, 99, 289},      {tessel::kFamilyGroup, 60, 330, 34, 49, 327},
        {tessel::kFamilyGroup, 130, 330, 33, 126, 327},     {tessel::kFamilyGroup, 170, 360, 30, 164, 353},
        {tessel::kFamilyGroup, 125, 530, 4, 125, 524},      {tessel::kFamilyGroup, 188, 540, 37, 165, 524},
        {tessel::kFamilyGroup, 180, 550, 41, 173, 541},     {tessel::kFamilyGroup, 80, 550, std::nullopt, 0, 0},
        {tessel::kFamilyAtStartup, 90, 450, 14, 88, 445},
    };
    for (const auto& c : cases) {
        const auto hit = hitTestKey(c.family, c.x, c.y);
        ASSERT_EQ(hit.has_value(), c.code.has_value()) << c.family << " (" << c.x << ", " << c.y << ")";
        if (!hit) continue;
        EXPECT_EQ(hit->code, *c.code) << c.x << ", " << c.y;
        EXPECT_EQ(hit->originX, c.originX) << c.x << ", " << c.y;
        EXPECT_EQ(hit->originY, c.originY) << c.x << ", " << c.y;
    }
}

TEST(Keypad, KeyAreasByCode) {
    struct Case {
        int family, code;
        std::optional<int> left, top;
    };
    const Case cases[] = {
        {tessel::kFamily4760, 41, 158, 586},
        {tessel::kFamily4760, 44, std::nullopt, std::nullopt},
        {tessel::kFamilyGroup, 44, 95, 284},
        {tessel::kFamilyGroup, 13, 163, 382},
        {tessel::kFamilyGroup, 8, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto key = findKeyArea(c.family, c.code);
        ASSERT_EQ(key.has_value(), c.left.has_value()) << c.family << " " << c.code;
        if (!key) continue;
        EXPECT_EQ(key->code, c.code);
        EXPECT_EQ(key->left, *c.left) << c.code;
        EXPECT_EQ(key->top, *c.top) << c.code;
    }
}

TEST(Keypad, GroupPressedImages) {
    const std::pair<int, int> cases[] = {{1, 9},   {4, 35},  {12, 24}, {17, 25}, {26, 34}, {29, 23}, {36, 2},
                                         {37, 36}, {41, 40}, {42, 4},  {44, 3},  {8, 0},   {99, 0},  {-1, 0}};
    for (const auto& [code, image] : cases) EXPECT_EQ(groupPressedImage(code), image) << code;
}

}  // namespace
}  // namespace tessel::sim
