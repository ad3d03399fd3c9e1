// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "count_window.h"

#include <QAction>
#include <QBuffer>
#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/translation.h"
#include "model/rule_line.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

// The whole work in thousandths, the effects of removal taking its first
// part when both are worked out: they are ten rounds against the index
// table's twenty-one compositions.
constexpr int kWhole = 1000;
constexpr int kEffectsShare = 300;

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* bold_label(const std::string& text) {
    auto* label = new QLabel(text_of(text));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

CountWindow::CountWindow(const ModelWords& words, CountLink link, QWidget* parent)
    : QWidget(parent, Qt::Window),
      words_(words),
      count_words_(i18n::translated_count_window_words()),
      link_(std::move(link)),
      count_(link_.count) {
    setObjectName(QStringLiteral("CountWindow"));
    setWindowTitle(text_of(count_words_.title));
    choose_path_ = [this](const QString& title, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(this, title, suggested, filter);
    };
    notify_ = [this](const QString& message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    runner_ = new WorkRunner(
        [this](int done, int total) {
            progress_->setMaximum(total);
            progress_->setValue(done);
        },
        this);
    build();
}

QWidget* CountWindow::build_picker() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    picker_ = named(new QComboBox, "CountPicker");
    for (const std::string& choice : count_choices(count_words_)) {
        picker_->addItem(text_of(choice));
    }
    tags_ = named(new QLineEdit, "CountTags");
    tags_->setPlaceholderText(QStringLiteral("-1,1,1,1,1,1,0,0,0,-1"));
    tags_->setMinimumWidth(
        tags_->fontMetrics().horizontalAdvance(QStringLiteral("-1,0.5,1,1,1.5,1,0.5,0,-0.5,-1")) +
        16);
    tags_error_ = named(new QLabel, "CountTagsError");
    tags_error_->setWordWrap(true);
    colour_error();
    bankroll_ = named(new QDoubleSpinBox, "Bankroll");
    bankroll_->setDecimals(0);
    bankroll_->setRange(1, 1e9);
    bankroll_->setValue(link_.bankroll);
    bankroll_->setAccessibleName(text_of(count_words_.bankroll));
    auto* count_label = new QLabel(text_of(count_words_.count));
    count_label->setBuddy(picker_);
    auto* tags_label = new QLabel(text_of(count_words_.tags));
    tags_label->setBuddy(tags_);
    auto* bankroll_label = new QLabel(text_of(count_words_.bankroll));
    bankroll_label->setBuddy(bankroll_);
    grid->addWidget(count_label, 0, 0);
    grid->addWidget(picker_, 0, 1);
    grid->addWidget(tags_label, 0, 2);
    grid->addWidget(tags_, 0, 3);
    grid->addWidget(bankroll_label, 0, 4);
    grid->addWidget(bankroll_, 0, 5);
    grid->addWidget(tags_error_, 1, 2, 1, 4);
    grid->setColumnStretch(3, 1);
    connect(picker_, &QComboBox::activated, this, &CountWindow::pick);
    connect(tags_, &QLineEdit::textEdited, this, &CountWindow::tags_edited);
    connect(bankroll_, &QDoubleSpinBox::valueChanged, this, [this](double bankroll) {
        if (link_.bankroll_chosen) {
            link_.bankroll_chosen(bankroll);
        }
    });
    return box;
}

QWidget* CountWindow::build_effects() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* effects = named(new QGroupBox(text_of(count_words_.effects)), "Effects");
    auto* charts = new QVBoxLayout(effects);
    round_effects_ = named(new EffectsChart(12), "RoundEffects");
    round_effects_->setAccessibleName(text_of(count_words_.round));
    insurance_effects_ = named(new EffectsChart(8), "InsuranceEffects");
    insurance_effects_->setAccessibleName(text_of(count_words_.insurance));
    charts->addWidget(new QLabel(text_of(count_words_.round)));
    charts->addWidget(round_effects_);
    charts->addWidget(new QLabel(text_of(count_words_.insurance)));
    charts->addWidget(insurance_effects_);
    effects->setFixedWidth(round_effects_->sizeHint().width() + 24);

    auto* correlations = new QGroupBox(text_of(count_words_.correlations));
    auto* table = new QVBoxLayout(correlations);
    correlations_ = named(new QTableWidget(0, 3), "Correlations");
    correlations_->setHorizontalHeaderLabels({text_of(count_words_.title),
                                              text_of(count_words_.betting),
                                              text_of(count_words_.insurance)});
    correlations_->verticalHeader()->hide();
    correlations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    correlations_->setSelectionMode(QAbstractItemView::NoSelection);
    correlations_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    correlations_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    correlations_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    correlations_->verticalHeader()->setDefaultSectionSize(correlations_->fontMetrics().height() +
                                                           4);
    correlations_->setAccessibleName(text_of(count_words_.correlations));
    table->addWidget(correlations_);
    layout->addWidget(effects);
    layout->addWidget(correlations);
    return column;
}

QWidget* CountWindow::build_indices() {
    index_box_ = named(new QWidget, "Indices");
    // The exported picture has the window's background, not a transparent one.
    index_box_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(index_box_);
    auto* title = bold_label(count_words_.indices);
    title->setWordWrap(true);
    insurance_ = named(new QLabel, "InsuranceIndex");
    // Two indices read whole in a cell; more take their short form.
    grid_ = named(new StrategyGrid(nullptr, QStringLiteral("\u221210/\u221210")), "IndexGrid");
    grid_->setAccessibleName(text_of(count_words_.indices));
    index_note_ = named(new QLabel, "IndexNote");
    index_note_->setWordWrap(true);
    title->setFixedWidth(grid_->sizeHint().width());
    index_note_->setFixedWidth(grid_->sizeHint().width());
    layout->addWidget(title);
    layout->addWidget(insurance_);
    layout->addWidget(grid_);
    layout->addWidget(index_note_);
    layout->addStretch();
    return index_box_;
}

void CountWindow::build() {
    rules_ = named(new QLabel, "Rules");
    progress_ = named(new QProgressBar, "Progress");
    progress_->setRange(0, kWhole);
    progress_->setFormat(tr("In calcolo... %p%"));
    progress_->setAccessibleName(tr("Avanzamento del calcolo"));
    status_ = named(new QLabel, "Status");
    cancel_or_compute_ = named(new QPushButton, "CancelOrCompute");
    connect(cancel_or_compute_, &QPushButton::clicked, this, [this] {
        if (computing()) {
            cancel();
        } else {
            compute();
        }
    });
    auto* work = new QHBoxLayout;
    work->addWidget(progress_, 1);
    work->addWidget(status_, 1);
    work->addWidget(cancel_or_compute_);

    auto* body = new QHBoxLayout;
    body->addWidget(build_effects(), 0, Qt::AlignTop);
    body->addWidget(build_indices(), 0, Qt::AlignTop);

    export_png_ = named(new QPushButton(tr("Esporta PNG...")), "ExportPng");
    export_png_->setAccessibleDescription(tr("Salva la tabella degli indici come immagine PNG"));
    export_csv_ = named(new QPushButton(tr("Esporta CSV...")), "ExportCsv");
    export_csv_->setAccessibleDescription(
        tr("Salva ogni indice con le due giocate e i loro EV in un file CSV"));
    auto* close = named(new QPushButton(tr("Chiudi")), "Close");
    connect(export_png_, &QPushButton::clicked, this, &CountWindow::export_png);
    connect(export_csv_, &QPushButton::clicked, this, &CountWindow::export_csv);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_png_);
    buttons->addWidget(export_csv_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_picker());
    layout->addWidget(rules_);
    layout->addLayout(work);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const std::size_t choice = count_choice(count_);
    picker_->setCurrentIndex(static_cast<int>(choice));
    tags_->setText(text_of(counting::tags_text(count_)));
    tags_->setEnabled(choice == counting::built_in_counts().size());
    picker_->setFocus();
    show_results();
}

void CountWindow::pick(int choice) {
    const std::vector<counting::Count>& built_in = counting::built_in_counts();
    const bool custom = static_cast<std::size_t>(choice) >= built_in.size();
    tags_->setEnabled(custom);
    if (custom) {
        tags_->setFocus();
        tags_edited(tags_->text());
        return;
    }
    tags_error_->clear();
    const counting::Count& count = built_in[static_cast<std::size_t>(choice)];
    tags_->setText(text_of(counting::tags_text(count)));
    choose(count);
}

// A wrong text is told at once and leaves the last good count in use.
void CountWindow::tags_edited(const QString& text) {
    const auto parsed = counting::parse_count(text.toStdString());
    if (const auto* error = std::get_if<counting::CountError>(&parsed)) {
        std::string line = count_words_.bad_tags;
        line.replace(line.find("%1"), 2, error->message);
        tags_error_->setText(text_of(line));
        tags_error_->setAccessibleName(tags_error_->text());
        return;
    }
    tags_error_->clear();
    choose(std::get<counting::Count>(parsed));
}

void CountWindow::choose(const counting::Count& count) {
    if (count == count_) {
        return;
    }
    count_ = count;
    if (link_.count_chosen) {
        link_.count_chosen(count_);
    }
    compute();
}

void CountWindow::follow(const TableRules& rules, int decks) {
    const Table table{rules, decks};
    if (table_ && *table_ == table) {
        return;
    }
    table_ = table;
    rules_->setText(text_of(rule_line(rules, decks, words_)));
    rules_->setToolTip(text_of(rules_description(rules, decks, words_)));
    compute();
}

bool CountWindow::effects_current() const {
    return effects_ && effects_for_ && table_ && *effects_for_ == *table_;
}

bool CountWindow::indices_current() const {
    return indices_ && table_ && indices_->count == count_ && indices_->rules == table_->rules &&
           indices_->shoe == strategy::full_shoe(table_->decks);
}

void CountWindow::compute() {
    cancelled_ = false;
    const bool need_effects = table_ && !effects_current();
    const bool need_indices = table_ && count_.balanced() && !indices_current();
    if (!need_effects && !need_indices) {
        runner_->cancel();
        show_results();
        return;
    }
    progress_->setRange(0, kWhole);
    progress_->setValue(0);
    const int effects_share = need_effects ? (need_indices ? kEffectsShare : kWhole) : 0;
    runner_->start([this, table = *table_, count = count_, need_effects, need_indices,
                    effects_share](const WorkRunner::Progress& progress,
                                   std::stop_token stop) -> WorkRunner::Delivery {
        const DeckCounts shoe = strategy::full_shoe(table.decks);
        const auto part = [&progress](int from, int share) {
            return [&progress, from, share](int done, int total) {
                progress(from + share * done / std::max(total, 1), kWhole);
            };
        };
        Results results;
        if (need_effects) {
            results.effects =
                counting::compute_removal_effects(shoe, table.rules, part(0, effects_share), stop);
        }
        if (need_indices && !stop.stop_requested()) {
            results.indices = counting::compute_indices(
                shoe, table.rules, count, part(effects_share, kWhole - effects_share), stop);
        }
        if (stop.stop_requested()) {
            return {};
        }
        return [this, results = std::move(results), table, need_effects] {
            if (need_effects) {
                effects_for_ = table;
                effects_ = results.effects;
            }
            if (results.indices) {
                indices_ = results.indices;
            }
            finished();
        };
    });
    show_results();
}

void CountWindow::cancel() {
    runner_->cancel();
    cancelled_ = true;
    show_results();
}

void CountWindow::finished() {
    show_results();
    emit resultsShown();
}

void CountWindow::show_status() {
    const bool running = computing();
    progress_->setVisible(running);
    status_->setVisible(!running);
    cancel_or_compute_->setText(running ? tr("Annulla") : tr("Calcola"));
    const bool stale = table_ && (!effects_current() || (count_.balanced() && !indices_current()));
    cancel_or_compute_->setEnabled(running || stale);
    status_->setText(cancelled_ && stale ? tr("Calcolo annullato.") : QString());
}

void CountWindow::show_results() {
    show_status();
    correlations_->setRowCount(0);
    if (effects_current()) {
        round_effects_->show_effects(effects_->round);
        insurance_effects_->show_effects(effects_->insurance);
        const std::vector<CorrelationRow> rows = correlation_rows(*effects_, count_, count_words_);
        correlations_->setRowCount(static_cast<int>(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i);
            const std::array<std::string, 3> texts{rows[i].title, rows[i].betting,
                                                   rows[i].insurance};
            for (int column = 0; column < 3; ++column) {
                auto* item = new QTableWidgetItem(text_of(texts[static_cast<std::size_t>(column)]));
                item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
                if (rows[i].chosen) {
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                    item->setBackground(palette().color(QPalette::Highlight));
                    item->setForeground(palette().color(QPalette::HighlightedText));
                }
                correlations_->setItem(row, column, item);
            }
        }
    } else {
        round_effects_->clear();
        insurance_effects_->clear();
    }
    // As tall as its rows: the table never scrolls.
    correlations_->setFixedHeight(correlations_->horizontalHeader()->sizeHint().height() +
                                  8 * correlations_->verticalHeader()->defaultSectionSize() + 4);
    const bool shown = count_.balanced() && indices_current();
    if (shown) {
        const int shortened = grid_->show_index_cells(index_chart_cells(*indices_, count_words_));
        insurance_->setText(text_of(insurance_line(*indices_, count_words_)));
        index_note_->setText(
            tr("Bordo spesso: la cella ha un indice. Il suggerimento di una "
               "cella dà le due giocate e i loro EV all'indice.") +
            (shortened > 0 ? QLatin1Char(' ') + tr("«/…»: la cella ha altri indici, tutti nel "
                                                   "suo suggerimento.")
                           : QString()));
    } else {
        grid_->clear_strategy();
        insurance_->clear();
        index_note_->setText(count_.balanced() ? QString() : text_of(count_words_.unbalanced));
    }
    export_png_->setEnabled(shown);
    export_csv_->setEnabled(shown);
}

void CountWindow::export_png() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    index_box_->grab().save(&buffer, "PNG");
    export_file(choose_path_, notify_, tr("Esporta gli indici come PNG"), tr("indici.png"),
                tr("Immagini PNG (*.png)"), bytes);
}

void CountWindow::export_csv() {
    if (!indices_current()) {
        return;
    }
    export_file(choose_path_, notify_, tr("Esporta gli indici come CSV"), tr("indici.csv"),
                tr("File CSV (*.csv)"), QByteArray::fromStdString(index_csv(*indices_)));
}

// The work stops with the window, not when its thread next looks.
void CountWindow::closeEvent(QCloseEvent* event) {
    runner_->cancel();
    QWidget::closeEvent(event);
}

// Reopened after a close stopped its work, it takes the work up again.
void CountWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!computing()) {
        compute();
    }
}

void CountWindow::colour_error() {
    QPalette shown = tags_error_->palette();
    shown.setColor(QPalette::WindowText, readable_colour(QColor(192, 0, 0), palette()));
    tags_error_->setPalette(shown);
}

void CountWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colour_error();
        show_results();
    }
}

}  // namespace tavolix::ui
