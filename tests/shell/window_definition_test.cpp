#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "caption/trans_label.h"
#include "picture/drop_target.h"
#include "picture/picture_box.h"
#include "shell/edit_box.h"
#include "shell/group_box.h"
#include "shell/main_window.h"
#include "shell/program_state.h"
#include "shell/slider_bar.h"
#include "test_app.h"

namespace qc {
namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* parent;  // nullptr: the window
    QRect geometry;
    bool tabStop;
    const char* text;
};

// The window as a user sees it after start-up, one row per visible control.
const Expected kControls[] = {
    {"选择框1", "QCheckBox", "分组框1", {134, 93, 48, 24}, true, "粗体"},
    {"标签5", "qc::LegendLabel", "分组框1", {192, 18, 16, 96}, false, "↑\n\n字\n体\n大\n小\n\n↓"},
    {"滑块条3", "qc::SliderBar", "分组框1", {209, 8, 24, 115}, true, nullptr},
    {"标签1", "QLabel", nullptr, {10, 403, 99, 24}, false, "图片宽度："},
    {"标签4", "QLabel", nullptr, {10, 427, 100, 24}, false, "图片高度："},
    {"按钮4", "QPushButton", nullptr, {122, 408, 127, 40}, true, "放大+"},
    {"按钮5", "QPushButton", nullptr, {256, 408, 127, 40}, true, "缩小-"},
    {"透明标签1", "qc::TransLabel", nullptr, {32, 216, 336, 168}, false, nullptr},
    {"编辑框3", "qc::EditBox", nullptr, {457, 362, 32, 32}, true, "40"},
    {"编辑框2", "qc::EditBox", nullptr, {457, 324, 32, 32}, true, "192"},
    {"按钮3", "QPushButton", nullptr, {515, 396, 106, 43}, true, "保存到桌面"},
    {"滑块条2", "qc::SliderBar", nullptr, {482, 362, 143, 24}, true, nullptr},
    {"滑块条1", "qc::SliderBar", nullptr, {482, 328, 143, 24}, true, nullptr},
    {"颜色选择器1", "qc::ColorPicker", nullptr, {476, 92, 47, 28}, true, nullptr},
    {"标签3", "QLabel", nullptr, {408, 361, 48, 32}, false, "文字高度"},
    {"标签2", "QLabel", nullptr, {408, 324, 48, 32}, false, "文字宽度"},
    {"按钮2", "QPushButton", nullptr, {407, 92, 65, 29}, true, "字体修改"},
    {"编辑框1", "qc::CaptionEditor", nullptr, {406, 21, 170, 67}, true, nullptr},
    {"列表框1", "qc::ListBox", nullptr, {404, 144, 220, 168}, true, nullptr},
    {"按钮1", "QPushButton", nullptr, {404, 396, 106, 43}, true, "复制图片"},
    {"图片框1", "qc::PictureBox", nullptr, {5, 16, 379, 384}, false, nullptr},
    {"分组框1", "qc::GroupBox", nullptr, {394, 3, 241, 125}, false, "修改文字在此"},
    {"分组框2", "qc::GroupBox", nullptr, {395, 128, 240, 319}, false, "属性修改"},
    {"分组框3",
     "qc::GroupBox",
     nullptr,
     {0, 3, 392, 400},
     false,
     "可直接拖入照片到此处，可缩放；文字显示需在图片范围内。"},
};

QString TextOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* g = qobject_cast<GroupBox*>(w)) return g->title();
    if (auto* l = qobject_cast<LegendLabel*>(w)) return l->text();
    return {};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApp();
        window = std::make_unique<MainWindow>(state);
    }
    ProgramState state;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, EveryControlHasItsKindParentPlaceTabStopAndText) {
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        auto* w = window->findChild<QWidget*>(QString::fromUtf8(e.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), e.className);
        const QString parent = e.parent ? QString::fromUtf8(e.parent) : QString();
        if (e.parent) {
            EXPECT_EQ(w->parentWidget()->objectName(), parent);
        } else {
            EXPECT_EQ(w->parentWidget(), window.get());
        }
        EXPECT_EQ(w->geometry(), e.geometry);
        EXPECT_EQ(w->focusPolicy() == Qt::StrongFocus, e.tabStop);
        if (e.text) {
            EXPECT_EQ(TextOf(w), QString::fromUtf8(e.text));
        }
    }
    EXPECT_NE(window->findChild<DropTarget*>(QStringLiteral("拖放对象1")), nullptr);
    EXPECT_NE(window->findChild<QObject*>(QStringLiteral("通用对话框1")), nullptr);
}

TEST_F(MainWindowTest, WindowIsFixedAtItsClientSizeWithoutMaximise) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quipcanvas"));
    EXPECT_EQ(window->size(), QSize(636, 450));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowTest, StackingOrderPutsEarlierEntriesOnTop) {
    // Later children paint above earlier ones; the caption must lie above the picture box,
    // and the picture box above the group boxes.
    const QObjectList& kids = window->children();
    auto indexOf = [&](const char* name) {
        for (int i = 0; i < kids.size(); ++i)
            if (kids[i]->objectName() == QString::fromUtf8(name)) return i;
        return -1;
    };
    EXPECT_GT(indexOf("透明标签1"), indexOf("图片框1"));
    EXPECT_GT(indexOf("图片框1"), indexOf("分组框3"));
    EXPECT_GT(indexOf("按钮1"), indexOf("图片框1"));
    EXPECT_GT(indexOf("标签1"), indexOf("按钮1"));
    EXPECT_GT(indexOf("分组框1"), indexOf("分组框2"));
}

TEST_F(MainWindowTest, InitialisationRunsBeforeTheFirstShow) {
    Controls& c = window->controls();
    EXPECT_EQ(c.captionWidthEdit->text(), QStringLiteral("192"));
    EXPECT_EQ(c.captionHeightEdit->text(), QStringLiteral("40"));
    EXPECT_EQ(c.captionWidthSlider->value(), 192);
    EXPECT_EQ(c.captionHeightSlider->value(), 40);
    EXPECT_EQ(c.fontSizeSlider->value(), 100);
    EXPECT_TRUE(c.boldCheck->isChecked());
    EXPECT_EQ(c.caption->geometry(), QRect(32, 216, 336, 168));
    EXPECT_EQ(c.caption->captionText(), QStringLiteral("这里显示文字,可拖动"));
    EXPECT_EQ(c.captionEdit->captionText(), QStringLiteral("这里修改文字,可拖动"));
    EXPECT_EQ(c.templateList->count(), 38);
    EXPECT_EQ(c.templateList->currentRow(), -1);
    EXPECT_EQ(c.templateList->item(10)->text(), QStringLiteral("路人甲"));
    EXPECT_EQ(c.templateList->item(11)->text(), QStringLiteral("老先生"));
    EXPECT_FALSE(c.pictureBox->hasPicture());
    EXPECT_EQ(c.dropTarget->boundWidget(), c.pictureBox);
    EXPECT_FALSE(c.dropTarget->bind(c.pictureBox));
}

TEST_F(MainWindowTest, ProgramStateStartsAtItsStartValues) {
    const CaptionFont& f = state.captionFont;
    EXPECT_EQ(f.angle, 0);
    EXPECT_EQ(f.bold, 0);
    EXPECT_EQ(f.size, 9);
    ASSERT_TRUE(f.name.has_value());
    EXPECT_EQ(*f.name, std::string("\xCB\xCE\xCC\xE5"));
    EXPECT_FALSE(state.dragState.dragging);
    EXPECT_EQ(state.dragState.pressX, 0);
}

}  // namespace
}  // namespace qc
