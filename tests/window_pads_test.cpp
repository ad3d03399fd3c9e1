// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QTest>
#include <string>
#include <tuple>
#include <vector>

#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

// The card pads left to right, in twips, with the face each card stands for
// (1 = A ... 13 = K) and the Label3 index it carries in each pad.
struct PadRow {
    int left;
    int width;
    const char* caption;
    int face;
    int dealer_index;
    int player_index;
};

constexpr PadRow kPad[] = {
    {120, 255, "2", 2, 1, 24},    {360, 255, "3", 3, 2, 23},    {600, 255, "4", 4, 3, 22},
    {840, 255, "5", 5, 4, 21},    {1080, 255, "6", 6, 5, 20},   {1320, 255, "7", 7, 6, 19},
    {1560, 255, "8", 8, 7, 18},   {1800, 255, "9", 9, 8, 17},   {2040, 375, "10", 10, 9, 16},
    {2400, 255, "J", 11, 10, 15}, {2640, 255, "Q", 12, 11, 14}, {2880, 255, "K", 13, 12, 13},
    {3120, 255, "A", 1, 0, 25},
};

struct PadCase {
    bool dealer;
    PadRow row;
};

std::vector<PadCase> all_pad_cases() {
    std::vector<PadCase> cases;
    for (const bool dealer : {true, false}) {
        for (const PadRow& row : kPad) {
            cases.push_back({dealer, row});
        }
    }
    return cases;
}

void PrintTo(const PadCase& c, std::ostream* out) {
    *out << (c.dealer ? "dealer " : "player ") << c.row.caption;
}

class PadCard : public Form1Test, public ::testing::WithParamInterface<PadCase> {
  protected:
    // The label found where the card should stand, by position alone.
    QLabel* label_at_its_place() const {
        const PadCase& c = GetParam();
        QWidget* pad = control(c.dealer ? "Frame1" : "Frame2");
        const QRect box(c.row.left / 15, 240 / 15, c.row.width / 15, 255 / 15);
        return qobject_cast<QLabel*>(pad->childAt(box.center()));
    }
    int index() const {
        return GetParam().dealer ? GetParam().row.dealer_index : GetParam().row.player_index;
    }
};

TEST_P(PadCard, stands_at_its_place_with_its_caption_and_index) {
    const PadCase& c = GetParam();
    QLabel* label = label_at_its_place();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->objectName(), QStringLiteral("Label3"));
    EXPECT_EQ(label->property("Index").toInt(), index());
    EXPECT_EQ(label->text(), QString::fromLatin1(c.row.caption));
    EXPECT_EQ(label->geometry(), QRect(c.row.left / 15, 16, c.row.width / 15, 17));
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12);
    EXPECT_TRUE(label->font().bold());
}

// A click in the far corner of the box, away from the text, still enters the
// card into that pad's hand and nothing into the other.
TEST_P(PadCard, enters_its_face_into_its_own_hand_on_a_click_anywhere_in_its_box) {
    const PadCase& c = GetParam();
    QLabel* label = label_at_its_place();
    ASSERT_NE(label, nullptr);
    click(label, label->rect().bottomRight());

    const TableState& state = form->model().state();
    const auto& [count, faces, other_count] =
        c.dealer ? std::tie(state.banco_count, state.banco_faces, state.player_count)
                 : std::tie(state.player_count, state.player_faces, state.banco_count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(faces[1], c.row.face);
    EXPECT_EQ(other_count, 0);
    const QString hand = QStringLiteral(" ") + QString::fromLatin1(c.row.caption);
    EXPECT_EQ(control<QLabel>(c.dealer ? "Label4" : "Label5")->text(), hand);
    EXPECT_EQ(control<QLabel>(c.dealer ? "Label5" : "Label4")->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Form1, PadCard, ::testing::ValuesIn(all_pad_cases()),
                         [](const auto& row_info) {
                             const PadCase& c = row_info.param;
                             const std::string caption = c.row.caption;
                             return std::string(c.dealer ? "dealer_" : "player_") +
                                    (caption == "10" ? "ten" : caption);
                         });

TEST_F(Form1Test, numbers_the_array_of_26_card_labels_once_each) {
    const auto labels = form->findChildren<QLabel*>(QStringLiteral("Label3"));
    ASSERT_EQ(labels.size(), 26);
    std::vector<int> seen(26, 0);
    for (const QLabel* label : labels) {
        const int index = label->property("Index").toInt();
        ASSERT_TRUE(index >= 0 && index < 26) << index;
        ++seen[static_cast<std::size_t>(index)];
    }
    EXPECT_EQ(seen, std::vector<int>(26, 1));
}

TEST_F(Form1Test, takes_a_card_only_when_the_button_is_released_inside_its_box) {
    QLabel* ace = pad_label(true, QStringLiteral("A"));
    ASSERT_NE(ace, nullptr);
    QTest::mousePress(ace, Qt::LeftButton, {}, ace->rect().center());
    QTest::mouseRelease(ace, Qt::LeftButton, {}, ace->rect().bottomRight() + QPoint(5, 5));
    EXPECT_EQ(form->model().state().banco_count, 0);
    QTest::mouseClick(ace, Qt::RightButton, {}, ace->rect().center());
    EXPECT_EQ(form->model().state().banco_count, 0);
}

}  // namespace
}  // namespace tavolix::ui::testing
