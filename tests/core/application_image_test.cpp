#include "core/application_image.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/project_file.h"
#include "support/projects.h"

namespace tessel {
namespace {

constexpr std::size_t kImageTexts = 16039;
constexpr std::size_t kImageSettings = 18887;

ApplicationImage imageOf(Project& project) {
    prepareForDownload(project.definition);
    return buildImage(project.definition, project.defaults);
}

std::string textAt(const ApplicationImage& image, std::size_t offset, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(image.data() + offset), size);
}

TEST(ApplicationImage, NewDefinitionGoldenBytes) {
    for (const int family : {kFamily4760, kFamilyGroup}) {
        Project project = test::newProject(family);
        const auto image = imageOf(project);
        const std::string blankLine = std::string(20, ' ') + '\0';
        EXPECT_EQ(textAt(image, kImageTexts, 84), blankLine + blankLine + blankLine + blankLine);
        EXPECT_EQ(textAt(image, kImageTexts + 84, 21), std::string("1. Collect data     ") + '\0');
        EXPECT_TRUE(std::all_of(image.begin() + kImageEnd, image.end(), [](Byte b) { return b == 0; }));
        EXPECT_EQ(image[0], 0x9B);      // symbology block first
        EXPECT_EQ(image[19155], 0xDA);  // weight code last
        // Settings as the terminal takes them.
        EXPECT_EQ(image[kImageSettings + 1], 1);      // program start: form 1
        EXPECT_EQ(image[kImageSettings + 30], '2');   // idle time as a digit
        EXPECT_EQ(image[kImageSettings + 32], 2);     // entry options, 1-based
        EXPECT_EQ(image[kImageSettings + 137], 3);    // key click, 1-based
        EXPECT_EQ(image[kImageSettings + 150], '8');  // no lookup in use
    }
}

TEST(ApplicationImage, SettingsAreConvertedOnlyInTheImage) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.settings.backlightIdle = 5;
    project.definition.settings.programStart = 1;
    project.definition.settings.uploadPort = 3;
    const auto image = imageOf(project);
    EXPECT_EQ(image[kImageSettings + 30], '5');
    EXPECT_EQ(image[kImageSettings + 1], 11);
    EXPECT_EQ(image[kImageSettings + 5], 4);
    EXPECT_EQ(project.definition.settings.backlightIdle, 5);
    EXPECT_EQ(project.definition.settings.uploadPort, 3);
}

TEST(ApplicationImage, PortScreensComeFromTheFamilysDefaults) {
    Project project = test::newProject(kFamily4760);
    setCellText(project.definition.texts.block(kUploadPortBlock)[1], "edited");
    const auto image4760 = imageOf(project);
    const std::size_t uploadLine1 = kImageTexts + kTextBlocks[kUploadPortBlock - 1].firstLine * 21 + 21;
    EXPECT_EQ(textAt(image4760, uploadLine1, 20), "1. Cradle-IR        ");

    project.defaults = loadDefaultTexts(test::builtinStrings(), kFamilyGroup);
    EXPECT_EQ(textAt(imageOf(project), uploadLine1, 20), "1. Cable RS-232     ");
}

TEST(PrepareForDownload, CountsMenuItemsAndPadsLines) {
    Definition d{};
    MenuRecord& menu = d.menus[0];
    menu.captionOn = 1;
    setCellText(menu.caption, "Stock");
    setCellText(menu.itemName[0], "   ");
    setCellText(menu.itemName[1], "1");
    setCellText(menu.itemName[4], "Receive");
    prepareForDownload(d);
    EXPECT_EQ(menu.itemCount, 2);
    EXPECT_EQ(std::string(cellText(menu.caption)), "Stock               ");
    EXPECT_EQ(std::string(cellText(menu.itemName[9])), std::string(20, ' '));
    EXPECT_EQ(d.menus[1].itemCount, 0);
    EXPECT_EQ(std::string(cellText(d.menus[1].caption)), "");  // caption off: not padded
}

TEST(PrepareForDownload, FieldCountsAndClearedFields) {
    struct Case {
        std::vector<Byte> types;
        Byte fieldCount;
    };
    const Case cases[] = {
        {{1, 7, 0, 3}, 4}, {{9}, 0}, {{}, 0}, {{12, 13}, 2}, {{8, 10, 11, 14}, 4}, {{0, 0, 0, 0, 0, 0, 0, 6}, 8},
    };
    for (const auto& c : cases) {
        Definition d{};
        std::copy(c.types.begin(), c.types.end(), d.forms[3].fieldType.begin());
        prepareForDownload(d);
        EXPECT_EQ(d.forms[3].fieldCount, c.fieldCount);
    }

    Definition d{};
    FormRecord& form = d.forms[0];
    form.fieldType = {0, 12, 9, 7, 1, 0, 0, 0};
    for (std::size_t i = 0; i < 8; ++i) {
        setCellText(form.fieldPrompt[i], "prompt");
        form.fieldLink[i] = 3;
    }
    prepareForDownload(d);
    EXPECT_EQ(form.fieldPrompt[0][0], 0);
    EXPECT_EQ(form.fieldPrompt[1][0], 0);
    EXPECT_EQ(std::string(cellText(form.fieldPrompt[2])), "prompt");
    EXPECT_EQ(std::vector<Byte>(form.fieldLink.begin(), form.fieldLink.begin() + 5),
              (std::vector<Byte>{0, 0, 0, 3, 3}));
}

TEST(ApplicationImage, IsTheSameAfterADownloadOrAReopen) {
    Project project = test::newProject(kFamilyGroup);
    project.definition.menus[2].captionOn = 1;
    setCellText(project.definition.menus[2].itemName[0], "x");
    project.definition.forms[1].fieldType[0] = 2;
    const auto file = projectFileBytes(project.definition, project.family);
    const auto first = imageOf(project);
    const auto second = imageOf(project);
    Project reopened = test::newProject(kFamilyGroup);
    ASSERT_TRUE(readProjectBytes(file, reopened.definition, test::builtinStrings()));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, imageOf(reopened));
}

TEST(ApplicationFrame, CarriesDataSumHighThenLowAndNumber) {
    ApplicationImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<Byte>(i * 7);
    for (const std::size_t n : {std::size_t{0}, std::size_t{57}, std::size_t{199}}) {
        const auto frame = applicationFrame(image, n);
        const unsigned sum = std::accumulate(image.begin() + n * 100, image.begin() + n * 100 + 100, 0u);
        EXPECT_TRUE(std::equal(frame.begin(), frame.begin() + 100, image.begin() + n * 100));
        EXPECT_EQ(frame[100], (sum >> 8) & 0xFF);
        EXPECT_EQ(frame[101], sum & 0xFF);
        EXPECT_EQ(frame[102], n);
    }
}

}  // namespace
}  // namespace tessel
