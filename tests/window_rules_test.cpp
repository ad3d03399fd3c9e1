// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "i18n/translation.h"
#include "model/rule_line.h"
#include "model/rules_presets.h"
#include "table_fixtures.h"
#include "ui/rules_dialog.h"
#include "ui/theme_colours.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

constexpr const char* kTableLine =
    "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .";

// The window with the rules dialog at hand: opened by its button, its
// controls by name, a pick in a list as a user makes it.
class RulesDialogTest : public Form1Test {
  protected:
    RulesDialog* open_dialog() const {
        click(control("Command6"));
        return dialog();
    }
    RulesDialog* dialog() const { return form->findChild<RulesDialog*>(); }

    template <typename Widget = QComboBox>
    Widget* setting(const char* name) const {
        return dialog()->findChild<Widget*>(QLatin1String(name));
    }
    // A list's entry picked, as the user's click in its drop-down does it.
    static void pick(QComboBox* list, int index) {
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->isEnabled());
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void pick(const char* name, int index) const { pick(setting(name), index); }
    void press(QDialogButtonBox::StandardButton which) const {
        click(setting<QDialogButtonBox>("Buttons")->button(which));
        wait_closed();
    }
    // Deleted on closing, after the event loop has run once.
    void wait_closed() const {
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString rule_line() const { return control<QLabel>("Label14")->text(); }
    static bool entry_enabled(const QComboBox* list, int index) {
        const auto* entries = qobject_cast<const QStandardItemModel*>(list->model());
        return entries == nullptr || entries->item(index)->isEnabled();
    }
    static int preset_index(const char* name) {
        const auto presets = rules_presets();
        for (std::size_t i = 0; i < presets.size(); ++i) {
            if (presets[i].name == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

TEST_F(RulesDialogTest, opens_on_the_tables_rules_with_what_the_dealer_makes_meaningless_closed) {
    RulesDialog* shown = open_dialog();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_NE(shown->windowModality(), Qt::NonModal);
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Regole del tavolo"));
    EXPECT_EQ(setting("Presets")->currentText(), QStringLiteral("Tavolo di Tavolix, 1 mazzo"));
    EXPECT_EQ(setting("Decks")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(setting("Dealer")->currentData().toInt(), static_cast<int>(DealerRule::table));
    EXPECT_FALSE(setting("HoleCard")->isEnabled());
    EXPECT_FALSE(setting("Natural")->isEnabled());
    EXPECT_TRUE(setting<QCheckBox>("ResplitAces")->isEnabled());
    EXPECT_EQ(setting<QDialogButtonBox>("Buttons")->button(QDialogButtonBox::Cancel)->text(),
              QStringLiteral("Annulla"));

    pick("Dealer", 1);  // S17
    EXPECT_TRUE(setting("HoleCard")->isEnabled());
    EXPECT_TRUE(setting("Natural")->isEnabled());
    EXPECT_EQ(setting("Presets")->currentIndex(), -1);
    EXPECT_EQ(setting("Presets")->placeholderText(), QStringLiteral("Personalizzate"));
    pick("Splits", setting("Splits")->findData(1));
    EXPECT_FALSE(setting<QCheckBox>("ResplitAces")->isEnabled());
    EXPECT_TRUE(setting<QCheckBox>("HitSplitAces")->isEnabled());
    pick("Splits", setting("Splits")->findData(0));
    EXPECT_FALSE(setting<QCheckBox>("HitSplitAces")->isEnabled());
    EXPECT_FALSE(setting<QCheckBox>("DoubleAfterSplit")->isEnabled());
}

// The post-split strategy is open with a casino dealer and splits; OPT only
// with one split, and raising the splits under OPT goes back to CDP1 and says
// so. Each strategy tells what it means; OK applies the one picked, and the
// rule line's tooltip names it.
TEST_F(RulesDialogTest, offers_the_post_split_strategy_where_it_means_something) {
    open_dialog();
    QComboBox* strategy = setting("PostSplit");
    ASSERT_NE(strategy, nullptr);
    EXPECT_FALSE(strategy->isEnabled());
    EXPECT_EQ(strategy->accessibleName(), QStringLiteral("Gioco dopo la divisione"));
    ASSERT_EQ(strategy->count(), 5);
    std::set<QString> meanings;
    for (int i = 0; i < strategy->count(); ++i) {
        meanings.insert(strategy->itemData(i, Qt::ToolTipRole).toString());
        EXPECT_TRUE(strategy->itemText(i).endsWith(QStringLiteral("(%1)").arg(QLatin1String(
            post_split_token(static_cast<PostSplit>(strategy->itemData(i).toInt()))))))
            << strategy->itemText(i).toStdString();
    }
    EXPECT_EQ(meanings.size(), 5u);
    EXPECT_FALSE(meanings.contains(QString()));
    EXPECT_EQ(strategy->currentData().toInt(), static_cast<int>(PostSplit::cdp1));

    const int optimal = strategy->findData(static_cast<int>(PostSplit::opt));
    pick("Dealer", 1);  // S17, four hands
    EXPECT_TRUE(strategy->isEnabled());
    EXPECT_FALSE(entry_enabled(strategy, optimal));
    pick("Splits", setting("Splits")->findData(1));
    ASSERT_TRUE(entry_enabled(strategy, optimal));
    pick(strategy, optimal);
    EXPECT_EQ(strategy->toolTip(), strategy->itemData(optimal, Qt::ToolTipRole).toString());
    auto* note = setting<QLabel>("Note");
    EXPECT_FALSE(note->isVisible());
    pick("Splits", setting("Splits")->findData(2));
    EXPECT_EQ(strategy->currentData().toInt(), static_cast<int>(PostSplit::cdp1));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("CDP1"))) << note->text().toStdString();
    pick("Dealer", 0);  // TABLE: no choice of strategy
    EXPECT_FALSE(strategy->isEnabled());
    EXPECT_FALSE(note->isVisible());
    pick("Dealer", 2);  // H17
    pick(strategy, strategy->findData(static_cast<int>(PostSplit::cdz_minus)));
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(rules_text(form->model().state().rules), "H17 SPL2 CDZ-");
    EXPECT_EQ(rule_line(),
              QStringLiteral("H17, 1 mazzo, blackjack 3:2, divisione fino a 3 mani, CDZ-"));
    EXPECT_TRUE(
        control("Label14")->toolTip().endsWith(QStringLiteral(", gioco dopo divisione CDZ-")))
        << control("Label14")->toolTip().toStdString();
}

// OK applies the preset's rules and decks: the list, the rule line, its
// description and the results follow.
TEST_F(RulesDialogTest, ok_applies_the_rules_and_decks_picked) {
    play_worked_example();
    const QString results = control<QLabel>("Label9")->text();
    open_dialog();
    pick("Presets", preset_index("Las Vegas Strip"));
    EXPECT_EQ(setting("Decks")->currentText(), QStringLiteral("6"));
    EXPECT_EQ(setting("Dealer")->currentData().toInt(), static_cast<int>(DealerRule::s17));
    EXPECT_TRUE(setting<QCheckBox>("DoubleAfterSplit")->isChecked());
    EXPECT_TRUE(setting<QCheckBox>("Surrender")->isChecked());
    press(QDialogButtonBox::Ok);
    wait_closed();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(rules_text(form->model().state().rules), "S17 DAS LS");
    EXPECT_EQ(form->model().state().deck_count, 6);
    EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), QStringLiteral("6"));
    EXPECT_EQ(rule_line(), QStringLiteral("S17, 6 mazzi, blackjack 3:2, raddoppio dopo divisione, "
                                          "resa"));
    // The tooltip names the default post-split strategy too.
    EXPECT_EQ(control("Label14")->toolTip(),
              rule_line() + QStringLiteral(", gioco dopo divisione CDP1"));
    EXPECT_EQ(form->model().calculations(), 2);
    EXPECT_NE(control<QLabel>("Label9")->text(), results);
}

// Annulla, or Escape, leaves everything as it was, however much was changed.
TEST_F(RulesDialogTest, annulla_and_escape_change_nothing) {
    play_worked_example();
    const QString results = control<QLabel>("Label9")->text();
    for (const bool escape : {false, true}) {
        open_dialog();
        pick("Presets", preset_index("Atlantic City"));
        pick("Double", 3);
        if (escape) {
            QTest::keyClick(dialog(), Qt::Key_Escape);
        } else {
            press(QDialogButtonBox::Cancel);
        }
        wait_closed();
        EXPECT_EQ(dialog(), nullptr);
        EXPECT_EQ(form->model().state().rules, TableRules{});
        EXPECT_EQ(form->model().state().deck_count, 1);
        EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), QStringLiteral("1"));
        EXPECT_EQ(rule_line(), QString::fromUtf8(kTableLine));
        EXPECT_EQ(control<QLabel>("Label9")->text(), results);
        EXPECT_EQ(form->model().calculations(), 1);
    }
}

// Random picks on whatever is enabled never make rules that parse_rules
// refuses, and OK applies exactly what the dialog says.
TEST_F(RulesDialogTest, never_gives_rules_that_the_shorthand_refuses) {
    open_dialog();
    std::mt19937 random(20260512);
    const char* lists[] = {"Presets", "Dealer", "HoleCard",  "Natural",
                           "Double",  "Splits", "PostSplit", "Decks"};
    const char* boxes[] = {"DoubleAfterSplit", "ResplitAces", "HitSplitAces", "Surrender"};
    std::set<std::string> seen;
    for (int step = 0; step < 400; ++step) {
        const auto which = std::uniform_int_distribution<std::size_t>(0, 11)(random);
        if (which < std::size(lists)) {
            QComboBox* list = setting(lists[which]);
            const int entry = std::uniform_int_distribution<int>(0, list->count() - 1)(random);
            // A greyed entry cannot be picked, as for the user.
            if (list->isEnabled() && entry_enabled(list, entry)) {
                pick(list, entry);
            }
        } else {
            // A click on a disabled box does nothing, as for the user.
            click(setting<QCheckBox>(boxes[which - std::size(lists)]));
        }
        const TableRules rules = dialog()->rules();
        const auto parsed = parse_rules(rules_text(rules));
        ASSERT_TRUE(std::holds_alternative<TableRules>(parsed)) << rules_text(rules);
        ASSERT_EQ(std::get<TableRules>(parsed), rules) << rules_text(rules);
        seen.insert(rules_text(rules));
    }
    EXPECT_GT(seen.size(), 50u);
    const TableRules picked = dialog()->rules();
    const int decks = dialog()->decks();
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(form->model().state().rules, picked);
    EXPECT_EQ(form->model().state().deck_count, decks);
}

// Five aces with the dealer need two decks: the dialog refuses one, as the
// list does, says why, and keeps a preset's other rules.
TEST_F(RulesDialogTest, refuses_a_deck_count_the_hands_do_not_fit_and_says_so) {
    QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Down);
    ASSERT_EQ(form->model().state().deck_count, 2);
    for (int i = 0; i < 5; ++i) {
        click_card(true, QStringLiteral("A"));
    }
    click_card(false, QStringLiteral("10"));
    click_card(false, QStringLiteral("7"));
    const int calculations = form->model().calculations();
    open_dialog();
    auto* note = setting<QLabel>("Note");
    EXPECT_FALSE(note->isVisible());
    pick("Decks", 0);
    EXPECT_EQ(setting("Decks")->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("almeno 2 mazzi")))
        << note->text().toStdString();
    pick("Decks", 2);
    EXPECT_FALSE(note->isVisible());
    pick("Presets", preset_index("Mazzo singolo H17"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(setting("Decks")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(setting("Dealer")->currentData().toInt(), static_cast<int>(DealerRule::h17));
    EXPECT_EQ(setting("Double")->currentData().toInt(),
              static_cast<int>(DoubleRule::hard_10_to_11));
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(rules_text(form->model().state().rules), "H17 D10");
    EXPECT_EQ(form->model().state().deck_count, 3);
    EXPECT_EQ(rule_line(), QStringLiteral("H17, 3 mazzi, blackjack 3:2, raddoppio 10-11"));
    EXPECT_EQ(form->model().calculations(), calculations + 1);
}

TEST_F(RulesDialogTest, opens_from_the_keyboard_and_names_every_control_for_a_screen_reader) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    control("Command6")->setFocus();
    QTest::keyClick(control("Command6"), Qt::Key_Space);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    std::map<QString, int> names;
    int focusable = 0;
    for (QWidget* widget : dialog()->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible()) {
            continue;
        }
        ++focusable;
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(item, nullptr);
        const QString name = item->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << widget->objectName().toStdString();
        ++names[name];
    }
    // Eight lists, four boxes and two buttons.
    EXPECT_GE(focusable, 14);
    for (const auto& [name, count] : names) {
        EXPECT_EQ(count, 1) << name.toStdString();
    }
    // Tab goes down the dialog, past what is greyed out.
    QApplication::setActiveWindow(dialog());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog()));
    setting("Presets")->setFocus();
    const std::vector<QWidget*> order{
        setting("Presets"),
        setting("Dealer"),
        setting("Double"),
        setting<QCheckBox>("DoubleAfterSplit"),
        setting("Splits"),
        setting<QCheckBox>("ResplitAces"),
        setting<QCheckBox>("HitSplitAces"),
        setting<QCheckBox>("Surrender"),
        setting("Decks"),
        setting<QDialogButtonBox>("Buttons")->button(QDialogButtonBox::Ok),
        setting<QDialogButtonBox>("Buttons")->button(QDialogButtonBox::Cancel)};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i])
            << "after " << order[i - 1]->objectName().toStdString() << ": "
            << QApplication::focusWidget()->objectName().toStdString();
    }
    QTest::keyClick(dialog(), Qt::Key_Escape);
    wait_closed();
    EXPECT_EQ(dialog(), nullptr);
}

// The button stands in the footer's free space, over nothing else, and leaves
// the room on its right for one more button.
TEST_F(Form1Test, places_the_rules_button_over_no_other_control) {
    QWidget* button = control("Command6");
    QWidget* strategy = control("Command7");
    ASSERT_NE(strategy, nullptr);
    EXPECT_EQ(strategy->geometry(), QRect(6195 / 15, 4680 / 15, 1185 / 15, 360 / 15));
    for (QWidget* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == button || other == strategy || !other->isVisible()) {
            continue;
        }
        EXPECT_FALSE(button->geometry().intersects(other->geometry()))
            << other->objectName().toStdString();
        EXPECT_FALSE(strategy->geometry().intersects(other->geometry()))
            << other->objectName().toStdString();
    }
    EXPECT_FALSE(button->geometry().intersects(strategy->geometry()));
}

// The longest line of every rule set at every deck count fits Label14.
TEST_P(Form1InLanguage, fits_the_rule_line_of_every_rule_set_into_its_box) {
    auto* label = control<QLabel>("Label14");
    const QFontMetrics metrics(label->font());
    int widest = 0;
    std::string widest_line;
    for (const TableRules& rules : tavolix::testing::every_valid_rules()) {
        for (int decks = kMinDecks; decks <= kMaxDecks; ++decks) {
            const std::string line = tavolix::rule_line(rules, decks, form->model().words());
            const int width = metrics.horizontalAdvance(QString::fromStdString(line));
            if (width > widest) {
                widest = width;
                widest_line = line;
            }
        }
    }
    EXPECT_LE(widest, label->width()) << widest_line;
    EXPECT_LE(metrics.height(), label->height());
}

TEST_P(Form1InLanguage, fits_every_text_of_the_rules_dialog) {
    click(control("Command6"));
    auto* shown = form->findChild<RulesDialog*>();
    ASSERT_NE(shown, nullptr);
    if (QLatin1String(GetParam()) == QLatin1String("en")) {
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("Table rules"));
    }
    // The note shown too, at its longest.
    auto* decks = shown->findChild<QComboBox*>(QStringLiteral("Decks"));
    for (QComboBox* list : shown->findChildren<QComboBox*>()) {
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_LE(metrics.horizontalAdvance(list->itemText(i)) + 24, list->width())
                << list->itemText(i).toStdString();
        }
    }
    for (QWidget* widget : shown->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget != decks) {
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width())
                << widget->objectName().toStdString();
        }
    }
    EXPECT_LE(shown->height(), 800 - 60);
    EXPECT_LE(shown->width(), 1280);
}

// Whoever tabs through the window meets the button after "Nuova partita".
TEST_F(Form1Test, names_the_rules_button_for_a_screen_reader) {
    QWidget* button = control("Command6");
    EXPECT_EQ(qobject_cast<QPushButton*>(button)->text(), QStringLiteral("Regole..."));
    EXPECT_FALSE(button->accessibleDescription().isEmpty());
    EXPECT_NE(button->focusPolicy(), Qt::NoFocus);
}

// A note in dark red stays readable on a dark palette.
TEST_F(RulesDialogTest, writes_its_note_readably_on_a_dark_palette) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(group, QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    }
    QApplication::setPalette(dark);
    QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Down);
    for (int i = 0; i < 5; ++i) {
        click_card(true, QStringLiteral("A"));
    }
    open_dialog();
    pick("Decks", 0);
    auto* note = setting<QLabel>("Note");
    EXPECT_TRUE(note->isVisible());
    EXPECT_GE(contrast_ratio(note->palette().color(QPalette::WindowText),
                             note->palette().color(QPalette::Window)),
              4.5);
    QApplication::setPalette(light);
}

// The dialog names each preset in the user's language; a preset added to the
// model without its name in the translations would show in Italian.
TEST(RulesPresetNames, are_all_in_the_english_translation) {
    QTranslator english;
    ASSERT_EQ(i18n::load_translation(english, {QStringLiteral("en")}), QStringLiteral("en"));
    std::set<QString> names;
    for (const RulesPreset& preset : rules_presets()) {
        EXPECT_TRUE(i18n::translated_preset_name(preset.name).has_value()) << preset.name;
        const QString name = english.translate("RulesPresets", std::string(preset.name).c_str());
        EXPECT_FALSE(name.isEmpty()) << preset.name;
        EXPECT_TRUE(names.insert(name).second) << preset.name;
    }
}

// The window given a settings file of its own in a scratch directory, and
// started again on the same file.
class RememberedRules : public RulesDialogTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        path = directory.filePath(QStringLiteral("tavolix.conf"));
        RulesDialogTest::SetUp();
    }
    void use_file() const {
        form->use_settings(std::make_unique<QSettings>(path, QSettings::NativeFormat));
    }
    void restart() {
        form.reset();
        notices.clear();
        RulesDialogTest::SetUp();
        use_file();
    }
    void write_file(const QByteArray& content) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void expect_defaults() const {
        EXPECT_EQ(form->model().state().rules, TableRules{});
        EXPECT_EQ(form->model().state().deck_count, 1);
        EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), QStringLiteral("1"));
        EXPECT_EQ(rule_line(), QString::fromUtf8(kTableLine));
    }

    QTemporaryDir directory;
    QString path;
};

TEST_F(RememberedRules, starts_the_first_time_as_the_window_always_did_and_writes_nothing) {
    use_file();
    expect_defaults();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(form->model().calculations(), 0);
}

TEST_F(RememberedRules, keeps_the_rules_and_decks_picked_for_the_next_start) {
    use_file();
    open_dialog();
    pick("Presets", preset_index("Europeo senza carta coperta"));
    press(QDialogButtonBox::Ok);
    QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Down);
    ASSERT_EQ(form->model().state().deck_count, 7);
    const QString line = rule_line();

    restart();
    EXPECT_TRUE(notices.isEmpty()) << notices.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rules_text(form->model().state().rules), "S17 ENHC D9 DAS");
    EXPECT_EQ(form->model().state().deck_count, 7);
    EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), QStringLiteral("7"));
    EXPECT_EQ(rule_line(), line);
    EXPECT_TRUE(line.startsWith(QStringLiteral("S17, 7 mazzi, blackjack 3:2, senza carta")));

    // Annulla stores nothing.
    open_dialog();
    pick("Presets", preset_index("Mazzo singolo 6:5"));
    press(QDialogButtonBox::Cancel);
    restart();
    EXPECT_EQ(rules_text(form->model().state().rules), "S17 ENHC D9 DAS");

    // The post-split strategy is kept with the rules, the preset still found.
    open_dialog();
    pick("PostSplit", setting("PostSplit")->findData(static_cast<int>(PostSplit::per_hand)));
    press(QDialogButtonBox::Ok);
    restart();
    EXPECT_EQ(rules_text(form->model().state().rules), "S17 ENHC D9 DAS PERHAND");
    open_dialog();
    EXPECT_EQ(setting("PostSplit")->currentData().toInt(), static_cast<int>(PostSplit::per_hand));
    press(QDialogButtonBox::Cancel);
}

struct DamagedCase {
    const char* name;
    QByteArray content;
    int notices;    // at the first start
    bool repaired;  // the defaults stand in the file afterwards
};

void PrintTo(const DamagedCase& c, std::ostream* out) {
    *out << c.name;
}

// Zero bytes inside, so not a C string.
constexpr char kGarbage[] = "\x01\xff[\0\0=\xfe\n]]";

class DamagedSettings : public RememberedRules,
                        public ::testing::WithParamInterface<DamagedCase> {};

// Nonsense gives the defaults, never a crash, and is told once; a setting
// that no longer parses is replaced, so the next start says nothing. A file
// that is no settings file is left as the user made it (Qt keeps a file read
// once for the process, so only a new process would read it again). Bytes in
// which the settings file finds no setting at all are a first start.
TEST_P(DamagedSettings, give_the_defaults_and_one_notice) {
    write_file(GetParam().content);
    use_file();
    expect_defaults();
    ASSERT_EQ(notices.size(), GetParam().notices) << notices.join(QLatin1Char('\n')).toStdString();
    for (const QString& notice : notices) {
        EXPECT_FALSE(notice.isEmpty());
    }
    if (GetParam().repaired) {
        restart();
        expect_defaults();
        EXPECT_TRUE(notices.isEmpty()) << notices.join(QLatin1Char('\n')).toStdString();
    } else {
        form.reset();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), GetParam().content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DamagedSettings,
    ::testing::Values(
        DamagedCase{"unknown_rules_and_decks", "[table]\nrules=S17 XYZ\ndecks=banana\n", 1, true},
        DamagedCase{"casino_option_at_the_table", "[table]\nrules=TABLE ENHC\n", 1, true},
        DamagedCase{"too_many_decks", "[table]\ndecks=12\n", 1, true},
        DamagedCase{"a_value_of_another_type", "[table]\nrules=@Rect(1 2 3 4)\n", 1, true},
        DamagedCase{"not_a_settings_file", "[table\nrules=S17\n", 1, false},
        DamagedCase{"binary_garbage", QByteArray(kGarbage, sizeof kGarbage - 1), 0, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RememberedRules, says_once_that_the_rules_cannot_be_stored) {
    // A plain file where the file's directory should be: nothing can be
    // written there, and there is nothing to read.
    QFile blocker(directory.filePath(QStringLiteral("settings")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    path = directory.filePath(QStringLiteral("settings/tavolix.conf"));
    use_file();
    EXPECT_TRUE(notices.isEmpty());
    open_dialog();
    pick("Presets", preset_index("Las Vegas Strip"));
    press(QDialogButtonBox::Ok);
    EXPECT_EQ(rules_text(form->model().state().rules), "S17 DAS LS");
    QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Down);
    ASSERT_EQ(notices.size(), 1) << notices.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(notices.front().contains(path)) << notices.front().toStdString();
}

}  // namespace
}  // namespace tavolix::ui::testing
