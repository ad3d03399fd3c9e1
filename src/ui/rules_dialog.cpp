// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "rules_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "i18n/translation.h"
#include "model/rule_line.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

// A list's entries with the value each stands for.
void add_choices(QComboBox* list, std::initializer_list<std::pair<QString, int>> choices) {
    for (const auto& [text, value] : choices) {
        list->addItem(text, value);
    }
}

void select(QComboBox* list, int value) {
    list->setCurrentIndex(list->findData(value));
}

int selected(const QComboBox* list) {
    return list->currentData().toInt();
}

// A post-split strategy as the list offers it: a few words and its token.
QString choice_text(PostSplit strategy) {
    switch (strategy) {
        case PostSplit::cdp1:
            break;
        case PostSplit::cdz_minus:
            return RulesDialog::tr("Come prima della divisione (CDZ-)");
        case PostSplit::cdp:
            return RulesDialog::tr("Conosce coppia e mani (CDP)");
        case PostSplit::opt:
            return RulesDialog::tr("Seconda mano ottimale (OPT)");
        case PostSplit::per_hand:
            return RulesDialog::tr("Ogni mano a sé (PERHAND)");
    }
    return RulesDialog::tr("Conosce la coppia (CDP1)");
}

template <typename Control>
Control* named(Control* control, const char* name, const QString& description) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleDescription(description);
    return control;
}

}  // namespace

RulesDialog::RulesDialog(const TableRules& rules, int decks, int fewest_decks,
                         const RuleLineWords& words, QWidget* parent)
    : QDialog(parent),
      form_{.shown = rules, .decks = decks, .fewest_decks = fewest_decks},
      words_(words) {
    setObjectName(QStringLiteral("RulesDialog"));
    setWindowTitle(tr("Regole del tavolo"));
    build(words);
    show_form();
}

void RulesDialog::build(const RuleLineWords& words) {
    presets_ = named(new QComboBox, "Presets",
                     tr("Regole e mazzi di un tavolo comune, scelti tutti insieme"));
    presets_->setPlaceholderText(tr("Personalizzate"));
    for (const RulesPreset& preset : rules_presets()) {
        const std::string name =
            i18n::translated_preset_name(preset.name).value_or(std::string(preset.name));
        presets_->addItem(QString::fromStdString(preset_label(name, preset, words)));
    }

    dealer_ = named(new QComboBox, "Dealer", tr("Come pesca il banco"));
    add_choices(dealer_, {{tr("Tavolo di Tavolix (TABLE)"), static_cast<int>(DealerRule::table)},
                          {tr("Sta su ogni 17 (S17)"), static_cast<int>(DealerRule::s17)},
                          {tr("Pesca sul 17 soffice (H17)"), static_cast<int>(DealerRule::h17)}});
    hole_card_ = named(new QComboBox, "HoleCard",
                       tr("Se il banco guarda la carta coperta per il blackjack prima che il "
                          "giocatore giochi"));
    add_choices(hole_card_,
                {{tr("Controllata per il blackjack (PEEK)"), static_cast<int>(HoleCard::peek)},
                 {tr("Nessuna carta coperta (ENHC)"), static_cast<int>(HoleCard::enhc)}});
    natural_ = named(new QComboBox, "Natural", tr("Quanto paga il blackjack del giocatore"));
    add_choices(natural_, {{QStringLiteral("3:2"), static_cast<int>(NaturalPays::three_to_two)},
                           {QStringLiteral("6:5"), static_cast<int>(NaturalPays::six_to_five)},
                           {QStringLiteral("1:1"), static_cast<int>(NaturalPays::one_to_one)}});

    double_down_ = named(new QComboBox, "Double", tr("Su quali due carte si può raddoppiare"));
    add_choices(double_down_,
                {{tr("Su due carte qualsiasi (DOA)"), static_cast<int>(DoubleRule::any)},
                 {tr("Solo su 9, 10 e 11 (D9)"), static_cast<int>(DoubleRule::hard_9_to_11)},
                 {tr("Solo su 10 e 11 (D10)"), static_cast<int>(DoubleRule::hard_10_to_11)},
                 {tr("Mai (NODBL)"), static_cast<int>(DoubleRule::none)}});
    double_after_split_ =
        named(new QCheckBox(tr("Raddoppio dopo la divisione (DAS)")), "DoubleAfterSplit",
              tr("Se si può raddoppiare una mano nata da una divisione"));
    splits_ = named(new QComboBox, "Splits", tr("Quante volte si può dividere una coppia"));
    add_choices(splits_, {{tr("Fino a 4 mani (SPL3)"), 3},
                          {tr("Fino a 3 mani (SPL2)"), 2},
                          {tr("Fino a 2 mani (SPL1)"), 1},
                          {tr("Nessuna divisione (SPL0)"), 0}});
    resplit_aces_ = named(new QCheckBox(tr("Ridivisione degli assi (RSA)")), "ResplitAces",
                          tr("Se un asso ricevuto su un asso diviso si può dividere di nuovo"));
    hit_split_aces_ = named(new QCheckBox(tr("Carte sugli assi divisi (HSA)")), "HitSplitAces",
                            tr("Se gli assi divisi possono prendere più di una carta"));
    post_split_ = named(new QComboBox, "PostSplit",
                        tr("Come si giocano le mani nate da una divisione: ne dipendono le cifre "
                           "di ogni divisione"));
    for (const PostSplit strategy : kPostSplitChoices) {
        post_split_->addItem(choice_text(strategy), static_cast<int>(strategy));
        post_split_->setItemData(post_split_->count() - 1,
                                 QString::fromStdString(post_split_meaning(strategy, words)),
                                 Qt::ToolTipRole);
    }
    surrender_ = named(new QCheckBox(tr("Resa (LS)")), "Surrender",
                       tr("Se si può lasciare la mano perdendo metà della puntata"));

    decks_ = named(new QComboBox, "Decks", tr("Quanti mazzi da 52 carte compongono il sabot"));
    for (int count = kMinDecks; count <= kMaxDecks; ++count) {
        decks_->addItem(QString::number(count), count);
    }
    note_ = named(new QLabel, "Note", QString());
    note_->setWordWrap(true);
    note_->hide();
    // A warning in the designed dark red, readable on a dark theme too.
    QPalette note_palette = note_->palette();
    note_palette.setColor(QPalette::WindowText,
                          readable_colour(QColor(128, 0, 0), note_->palette()));
    note_->setPalette(note_palette);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons_->setObjectName(QStringLiteral("Buttons"));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* dealer_box = new QGroupBox(tr("Banco"));
    auto* dealer_rows = new QFormLayout(dealer_box);
    dealer_rows->addRow(tr("Regola:"), dealer_);
    dealer_rows->addRow(tr("Carta coperta:"), hole_card_);
    dealer_rows->addRow(tr("Blackjack paga:"), natural_);
    auto* player_box = new QGroupBox(tr("Giocatore"));
    auto* player_rows = new QFormLayout(player_box);
    player_rows->addRow(tr("Raddoppio:"), double_down_);
    player_rows->addRow(double_after_split_);
    player_rows->addRow(tr("Divisione:"), splits_);
    player_rows->addRow(resplit_aces_);
    player_rows->addRow(hit_split_aces_);
    player_rows->addRow(tr("Gioco dopo la divisione:"), post_split_);
    player_rows->addRow(surrender_);
    auto* top_rows = new QFormLayout;
    top_rows->addRow(tr("Preimpostazioni:"), presets_);
    auto* deck_rows = new QFormLayout;
    deck_rows->addRow(tr("Mazzi:"), decks_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_rows);
    layout->addWidget(dealer_box);
    layout->addWidget(player_box);
    layout->addLayout(deck_rows);
    layout->addWidget(note_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The lists' names for a screen reader are their captions, without the colon.
    for (QFormLayout* rows : {top_rows, dealer_rows, player_rows, deck_rows}) {
        for (int row = 0; row < rows->rowCount(); ++row) {
            auto* caption =
                qobject_cast<QLabel*>(rows->itemAt(row, QFormLayout::LabelRole) != nullptr
                                          ? rows->itemAt(row, QFormLayout::LabelRole)->widget()
                                          : nullptr);
            QWidget* field = rows->itemAt(row, QFormLayout::FieldRole) != nullptr
                                 ? rows->itemAt(row, QFormLayout::FieldRole)->widget()
                                 : nullptr;
            if (caption != nullptr && field != nullptr) {
                field->setAccessibleName(caption->text().remove(QLatin1Char(':')));
            }
        }
    }

    // Top to bottom, as the dialog reads, whatever the order the layouts took
    // their controls in.
    QWidget* previous = presets_;
    for (QWidget* next : std::initializer_list<QWidget*>{
             dealer_, hole_card_, natural_, double_down_, double_after_split_, splits_,
             resplit_aces_, hit_split_aces_, post_split_, surrender_, decks_,
             buttons_->button(QDialogButtonBox::Ok), buttons_->button(QDialogButtonBox::Cancel)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    for (QComboBox* setting : {dealer_, hole_card_, natural_, double_down_, splits_, post_split_}) {
        connect(setting, &QComboBox::activated, this, &RulesDialog::read_settings);
    }
    for (QCheckBox* setting : {double_after_split_, resplit_aces_, hit_split_aces_, surrender_}) {
        connect(setting, &QCheckBox::toggled, this, &RulesDialog::read_settings);
    }
    connect(presets_, &QComboBox::activated, this, &RulesDialog::pick_preset);
    connect(decks_, &QComboBox::activated, this, &RulesDialog::pick_decks);
}

// Every control from the form, with no signal of its own: what is shown, what
// may be changed, and the preset that it all is.
void RulesDialog::show_form() {
    const QSignalBlocker blocks[] = {
        QSignalBlocker(presets_),        QSignalBlocker(dealer_),
        QSignalBlocker(hole_card_),      QSignalBlocker(natural_),
        QSignalBlocker(double_down_),    QSignalBlocker(double_after_split_),
        QSignalBlocker(splits_),         QSignalBlocker(resplit_aces_),
        QSignalBlocker(hit_split_aces_), QSignalBlocker(post_split_),
        QSignalBlocker(surrender_),      QSignalBlocker(decks_)};
    const TableRules& shown = form_.shown;
    select(dealer_, static_cast<int>(shown.dealer));
    select(hole_card_, static_cast<int>(shown.hole_card));
    select(natural_, static_cast<int>(shown.natural));
    select(double_down_, static_cast<int>(shown.double_down));
    double_after_split_->setChecked(shown.double_after_split);
    select(splits_, shown.splits);
    resplit_aces_->setChecked(shown.resplit_aces);
    hit_split_aces_->setChecked(shown.hit_split_aces);
    select(post_split_, static_cast<int>(shown.post_split));
    surrender_->setChecked(shown.surrender);
    select(decks_, form_.decks);

    const OpenSettings open = open_settings(shown);
    hole_card_->setEnabled(open.hole_card);
    natural_->setEnabled(open.natural);
    double_after_split_->setEnabled(open.double_after_split);
    resplit_aces_->setEnabled(open.resplit_aces);
    hit_split_aces_->setEnabled(open.hit_split_aces);
    post_split_->setEnabled(open.post_split);
    // OPT stays in the list, greyed, while more than one split is allowed.
    if (auto* choices = qobject_cast<QStandardItemModel*>(post_split_->model())) {
        choices->item(post_split_->findData(static_cast<int>(PostSplit::opt)))
            ->setEnabled(open.optimal_post_split);
    }
    post_split_->setToolTip(QString::fromStdString(post_split_meaning(shown.post_split, words_)));

    const auto preset = shown_preset(form_);
    presets_->setCurrentIndex(preset ? static_cast<int>(*preset) : -1);
    show_note();
}

void RulesDialog::read_settings() {
    TableRules shown = form_.shown;
    shown.dealer = static_cast<DealerRule>(selected(dealer_));
    shown.hole_card = static_cast<HoleCard>(selected(hole_card_));
    shown.natural = static_cast<NaturalPays>(selected(natural_));
    shown.double_down = static_cast<DoubleRule>(selected(double_down_));
    shown.double_after_split = double_after_split_->isChecked();
    shown.splits = selected(splits_);
    shown.resplit_aces = resplit_aces_->isChecked();
    shown.hit_split_aces = hit_split_aces_->isChecked();
    shown.post_split = static_cast<PostSplit>(selected(post_split_));
    shown.surrender = surrender_->isChecked();
    take_settings(form_, shown);
    show_form();
}

void RulesDialog::pick_preset(int index) {
    const auto presets = rules_presets();
    if (index < 0 || index >= static_cast<int>(presets.size())) {
        return;
    }
    tell_decks(tavolix::pick_preset(form_, presets[static_cast<std::size_t>(index)]));
    show_form();
}

void RulesDialog::pick_decks(int index) {
    tell_decks(tavolix::pick_decks(form_, decks_->itemData(index).toInt()));
    show_form();
}

// A refused deck count is told until a count is taken.
void RulesDialog::tell_decks(bool taken) {
    decks_note_ = taken ? QString()
                        : tr("Le carte sul tavolo richiedono almeno %1: il numero di mazzi non "
                             "è cambiato.")
                              .arg(QString::fromStdString(deck_words(form_.fewest_decks, words_)));
    show_note();
}

// What the last pick could not do as asked: the decks refused, and what it
// did to OPT, which plays two hands only.
void RulesDialog::show_note() {
    QStringList lines;
    if (!decks_note_.isEmpty()) {
        lines << decks_note_;
    }
    switch (form_.strategy_note) {
        case StrategyNote::none:
            break;
        case StrategyNote::optimal_refused:
            lines << tr(
                "OPT gioca due mani soltanto: si può scegliere solo con una divisione "
                "(fino a 2 mani).");
            break;
        case StrategyNote::optimal_gave_way:
            lines << tr(
                "OPT gioca due mani soltanto: con più di una divisione si torna a "
                "CDP1, il gioco della sua prima mano.");
            break;
    }
    note_->setText(lines.join(QLatin1Char('\n')));
    note_->setAccessibleDescription(note_->text());
    note_->setVisible(!lines.isEmpty());
}

}  // namespace tavolix::ui
