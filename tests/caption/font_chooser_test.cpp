#include "caption/font_chooser.h"

#include <gtest/gtest.h>

#include <vector>

namespace qc {
namespace {

// Answers the chooser's dialog from a script and records what it was opened on.
struct ScriptedDialog {
    std::vector<std::optional<FontPick>> answers;
    std::vector<FontPick> openedOn;

    FontDialogHook hook() {
        return [this](const FontPick& initial, QWidget*) {
            openedOn.push_back(initial);
            std::optional<FontPick> answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
};

FontPick Pick(std::string face, int points, std::int32_t weight) {
    FontPick pick;
    pick.description.faceName = std::move(face);
    pick.description.height = PointsToHeight(points, ScreenDotsPerInch());
    pick.description.weight = weight;
    pick.colour = 0x123456;
    return pick;
}

TEST(FontChooser, CancelBeforeAnyChoiceKeepsTheStartValues) {
    FontChooser chooser;
    ScriptedDialog dialog{{std::nullopt}, {}};
    chooser.setDialogHook(dialog.hook());
    EXPECT_FALSE(chooser.open(nullptr));
    EXPECT_EQ(dialog.openedOn.at(0).description, FontDescription{});
    EXPECT_EQ(chooser.colour(), 0u);
    EXPECT_FALSE(chooser.bold() || chooser.italic() || chooser.strikeout() || chooser.underline());
    EXPECT_EQ(chooser.fontName(), "");
    EXPECT_EQ(chooser.fontSize(), 0);
}

TEST(FontChooser, ReopensOnTheLastConfirmedChoice) {
    FontChooser chooser;
    FontPick chosen = Pick("Noto Sans CJK SC", 12, 700);
    chosen.description.underline = 1;
    chosen.description.strikeout = 1;
    ScriptedDialog dialog{{chosen, std::nullopt, std::nullopt}, {}};
    chooser.setDialogHook(dialog.hook());

    EXPECT_TRUE(chooser.open(nullptr));
    EXPECT_TRUE(chooser.bold());
    EXPECT_TRUE(chooser.underline());
    EXPECT_TRUE(chooser.strikeout());
    EXPECT_FALSE(chooser.italic());
    EXPECT_EQ(chooser.fontName(), "Noto Sans CJK SC");
    EXPECT_EQ(chooser.fontSize(), 12);
    EXPECT_EQ(chooser.colour(), 0x123456u);

    EXPECT_FALSE(chooser.open(nullptr));  // a cancel changes nothing
    EXPECT_FALSE(chooser.open(nullptr));
    const FontDescription& reopened = dialog.openedOn.at(2).description;
    EXPECT_EQ(reopened.faceName, "Noto Sans CJK SC");
    EXPECT_EQ(reopened.weight, 700);
    EXPECT_EQ(reopened.height, PointsToHeight(12, ScreenDotsPerInch()));
    EXPECT_EQ(reopened.underline, 1);
    EXPECT_EQ(reopened.strikeout, 1);
    EXPECT_EQ(dialog.openedOn.at(2).colour, 0x123456u);
}

TEST(FontChooser, ReadsBackBoldSizeAndName) {
    struct Case {
        std::int32_t weight;
        std::int32_t height;
        std::string face;
        bool bold;
        int size;
        std::string name;
    };
    const int dpi = ScreenDotsPerInch();
    const Case cases[] = {
        {600, PointsToHeight(12, dpi), "A", false, 12, "A"},
        {700, PointsToHeight(9, dpi), "A", true, 9, "A"},
        {800, -PointsToHeight(20, dpi), "A", true, 20, "A"},  // a cell height counts by size too
        {400, 0, std::string(40, 'x'), false, 0, std::string(31, 'x')},
    };
    for (const Case& c : cases) {
        FontChooser chooser;
        FontPick pick;
        pick.description.weight = c.weight;
        pick.description.height = c.height;
        pick.description.faceName = c.face;
        ScriptedDialog dialog{{pick}, {}};
        chooser.setDialogHook(dialog.hook());
        ASSERT_TRUE(chooser.open(nullptr));
        EXPECT_EQ(chooser.bold(), c.bold) << c.weight;
        EXPECT_EQ(chooser.fontSize(), c.size) << c.height;
        EXPECT_EQ(chooser.fontName(), c.name);
    }
}

}  // namespace
}  // namespace qc
