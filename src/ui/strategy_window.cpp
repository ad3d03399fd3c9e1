// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_window.h"

#include <QAction>
#include <QBuffer>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "file_export.h"
#include "i18n/translation.h"
#include "model/rule_line.h"
#include "strategy_colours.h"

namespace tavolix::ui {

namespace {

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

StrategyWindow::StrategyWindow(const ModelWords& words, QWidget* parent)
    : QWidget(parent, Qt::Window),
      words_(words),
      strategy_words_(i18n::translated_strategy_words()) {
    setObjectName(QStringLiteral("StrategyWindow"));
    setWindowTitle(text_of(strategy_words_.title));
    choose_path_ = [this](const QString& title, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(this, title, suggested, filter);
    };
    notify_ = [this](const QString& message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    full_.runner = new StrategyRunner(
        [this](int done, int total) {
            full_.progress->setMaximum(total);
            full_.progress->setValue(done);
        },
        [this](const std::optional<Strategy>& strategy) { finished(full_, strategy); }, this);
    in_play_.runner = new StrategyRunner(
        [this](int done, int total) {
            in_play_.progress->setMaximum(total);
            in_play_.progress->setValue(done);
        },
        [this](const std::optional<Strategy>& strategy) { finished(in_play_, strategy); }, this);
    build();
}

void StrategyWindow::build_panel(Panel& panel, const char* name) {
    panel.box = named(new QWidget, name);
    auto* column = new QVBoxLayout(panel.box);
    column->setContentsMargins(0, 0, 0, 0);
    panel.caption = new QLabel;
    QFont bold = panel.caption->font();
    bold.setBold(true);
    panel.caption->setFont(bold);
    panel.figures = new QLabel;
    panel.progress = new QProgressBar;
    panel.progress->setRange(0, 1);
    panel.progress->setFormat(tr("In calcolo... %p%"));
    panel.progress->setAccessibleName(tr("Avanzamento del calcolo"));
    panel.grid = named(new StrategyGrid, "Grid");
    // The bar takes the figures' place while they are worked out, so the
    // grid stays where it is.
    auto* figures = new QStackedLayout;
    figures->setStackingMode(QStackedLayout::StackOne);
    figures->addWidget(panel.figures);
    figures->addWidget(panel.progress);
    panel.figures_or_progress = figures;
    column->addWidget(panel.caption);
    column->addLayout(figures);
    column->addWidget(panel.grid);
    column->addStretch();
}

QWidget* StrategyWindow::build_legend() {
    auto* legend = named(new QGroupBox(tr("Legenda")), "Legend");
    auto* rows = new QGridLayout(legend);
    for (std::size_t i = 0; i < analysis::kPlays.size(); ++i) {
        auto* swatch = new QLabel(text_of(strategy::play_letter(analysis::kPlays[i])));
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setAutoFillBackground(true);
        swatch->setMinimumWidth(swatch->fontMetrics().horizontalAdvance(QStringLiteral("Dh*")) + 8);
        swatches_.push_back(swatch);
        const int row = static_cast<int>(i);
        rows->addWidget(swatch, row, 0);
        rows->addWidget(new QLabel(text_of(strategy_words_.legend[i])), row, 1);
    }
    colour_swatches();
    int row = static_cast<int>(analysis::kPlays.size());
    for (const QString& note : {text_of(strategy_words_.fallback),
                                tr("*, bordo punteggiato: una mano della riga gioca diversamente"),
                                tr("Bordo spesso, grassetto: l'altro sabot gioca diversamente"),
                                tr("Il suggerimento di una cella dà l'EV di ogni giocata")}) {
        auto* label = new QLabel(note);
        label->setWordWrap(true);
        rows->addWidget(label, row++, 0, 1, 2);
    }
    legend->setAccessibleDescription(
        text_of(strategy_words_.legend[0] + ", " + strategy_words_.legend[1] + ", " +
                strategy_words_.legend[2] + ", " + strategy_words_.legend[3] + ", " +
                strategy_words_.legend[4] + ". " + strategy_words_.fallback));
    return legend;
}

void StrategyWindow::colour_swatches() {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        const CellColours colours = play_colours(analysis::kPlays[i], palette());
        QPalette shown = swatches_[i]->palette();
        shown.setColor(QPalette::Window, colours.background);
        shown.setColor(QPalette::WindowText, colours.text);
        swatches_[i]->setPalette(shown);
    }
}

void StrategyWindow::build() {
    rules_ = named(new QLabel, "Rules");
    shoe_in_play_ = named(new QCheckBox(tr("Mostra accanto il sabot in gioco")), "ShoeInPlay");
    shoe_in_play_->setAccessibleDescription(
        tr("Affianca la strategia del sabot rimasto, senza le carte uscite e quelle sul tavolo, "
           "e segna le celle che cambiano"));
    connect(shoe_in_play_, &QCheckBox::toggled, this, [this] {
        follow_shoe_in_play();
        show_panels();
    });

    build_panel(full_, "FullShoe");
    build_panel(in_play_, "ShoeInPlayChart");
    full_.grid->setAccessibleName(tr("Strategia del sabot completo"));
    in_play_.grid->setAccessibleName(tr("Strategia del sabot in gioco"));
    in_play_.box->hide();

    stand_at_title_ = new QLabel(text_of(strategy_words_.stand_at));
    stand_at_title_->setWordWrap(true);
    stand_at_ = named(new StandAtChart, "StandAt");
    stand_at_->setAccessibleName(text_of(strategy_words_.stand_at));
    auto* side = new QVBoxLayout;
    side->addWidget(build_legend());
    side->addWidget(stand_at_title_);
    side->addWidget(stand_at_);
    side->addStretch();
    QWidget* legend = side->itemAt(0)->widget();
    legend->setFixedWidth(stand_at_->sizeHint().width());
    stand_at_title_->setFixedWidth(stand_at_->sizeHint().width());

    charts_ = named(new QWidget, "Charts");
    // The exported picture has the window's background, not a transparent one.
    charts_->setAutoFillBackground(true);
    auto* charts = new QHBoxLayout(charts_);
    charts->addWidget(full_.box, 0, Qt::AlignTop);
    charts->addWidget(in_play_.box, 0, Qt::AlignTop);
    charts->addLayout(side);

    export_png_ = named(new QPushButton(tr("Esporta PNG...")), "ExportPng");
    export_png_->setAccessibleDescription(tr("Salva la tabella come immagine PNG"));
    export_csv_ = named(new QPushButton(tr("Esporta CSV...")), "ExportCsv");
    export_csv_->setAccessibleDescription(
        tr("Salva ogni mano iniziale con l'EV di ogni giocata in un file CSV"));
    count_ = named(new QPushButton(tr("&Conteggio...")), "Count");
    count_->setAccessibleDescription(
        tr("Apre il conteggio: effetti di rimozione, correlazioni e indici"));
    connect(count_, &QPushButton::clicked, this, &StrategyWindow::open_count_window);
    simulate_ = named(new QPushButton(tr("&Simulazione...")), "Simulate");
    simulate_->setAccessibleDescription(
        tr("Gioca il tavolo giro dopo giro con un conteggio, i suoi indici e una rampa di "
           "puntate"));
    close_ = named(new QPushButton(tr("Chiudi")), "Close");
    connect(simulate_, &QPushButton::clicked, this, &StrategyWindow::open_simulation);
    connect(export_png_, &QPushButton::clicked, this, &StrategyWindow::export_png);
    connect(export_csv_, &QPushButton::clicked, this, &StrategyWindow::export_csv);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_png_);
    buttons->addWidget(export_csv_);
    buttons->addWidget(count_);
    buttons->addWidget(simulate_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rules_);
    layout->addWidget(shoe_in_play_);
    layout->addWidget(charts_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(shoe_in_play_, full_.grid);
    setTabOrder(full_.grid, in_play_.grid);
    setTabOrder(in_play_.grid, stand_at_);
    setTabOrder(stand_at_, export_png_);
    setTabOrder(export_png_, export_csv_);
    setTabOrder(export_csv_, count_);
    setTabOrder(count_, simulate_);
    setTabOrder(simulate_, close_);
    shoe_in_play_->setFocus();
    show_panels();
}

void StrategyWindow::follow(const StrategyRequest& full_shoe, const StrategyRequest& shoe_in_play) {
    full_wanted_ = full_shoe;
    in_play_wanted_ = shoe_in_play;
    if (!full_.request || !(*full_.request == full_shoe)) {
        compute(full_, full_shoe);
    }
    follow_shoe_in_play();
    show_panels();
    if (count_window_ != nullptr) {
        count_window_->follow(full_shoe.rules, full_shoe.decks);
    }
}

// The shoe in play is worked out only while it is shown; while it is the
// full shoe itself, the full shoe's strategy serves for both.
void StrategyWindow::follow_shoe_in_play() {
    if (!shoe_in_play_->isChecked()) {
        in_play_.runner->cancel();
        in_play_.request.reset();
        in_play_.strategy.reset();
        return;
    }
    if (in_play_.request && *in_play_.request == in_play_wanted_) {
        return;
    }
    if (in_play_wanted_ == full_wanted_) {
        in_play_.runner->cancel();
        in_play_.request = in_play_wanted_;
        in_play_.strategy = full_.strategy;
        in_play_.failed = full_.failed;
        return;
    }
    compute(in_play_, in_play_wanted_);
}

void StrategyWindow::compute(Panel& panel, const StrategyRequest& request) {
    panel.request = request;
    panel.strategy.reset();
    panel.failed = false;
    panel.progress->setRange(0, 1);
    panel.progress->setValue(0);
    panel.runner->start(request);
}

void StrategyWindow::finished(Panel& panel, const std::optional<Strategy>& strategy) {
    panel.strategy = strategy;
    panel.failed = !strategy;
    if (&panel == &full_ && shoe_in_play_->isChecked() && in_play_.request &&
        *in_play_.request == *full_.request) {
        in_play_.strategy = strategy;
        in_play_.failed = panel.failed;
    }
    show_panels();
    emit strategyShown();
}

bool StrategyWindow::computing() const {
    return full_.runner->running() || in_play_.runner->running();
}

void StrategyWindow::show_panel(Panel& panel, const QString& caption, const Panel& other,
                                const QString& other_plays) {
    panel.caption->setText(caption);
    const bool running = panel.runner->running() || (!panel.strategy && !panel.failed);
    panel.figures_or_progress->setCurrentWidget(running ? static_cast<QWidget*>(panel.progress)
                                                        : panel.figures);
    if (panel.strategy) {
        panel.figures->setText(text_of(round_ev_line(*panel.strategy, strategy_words_) + "   " +
                                       house_edge_line(*panel.strategy, strategy_words_) + "   " +
                                       variance_line(*panel.strategy, strategy_words_)));
        const bool compare = shoe_in_play_->isChecked() && other.strategy;
        panel.grid->show_strategy(*panel.strategy, strategy_words_,
                                  compare ? &*other.strategy : nullptr, other_plays.toStdString());
    } else {
        panel.figures->setText(panel.failed ? tr("Il sabot non basta per un giro.")
                                            : tr("In calcolo..."));
        panel.grid->clear_strategy();
    }
    panel.figures->setAccessibleName(panel.figures->text());
}

void StrategyWindow::show_panels() {
    if (full_.request) {
        const StrategyRequest& full = *full_.request;
        rules_->setText(text_of(rule_line(full.rules, full.decks, words_)));
        rules_->setToolTip(text_of(rules_description(full.rules, full.decks, words_)));
        rules_->setAccessibleDescription(rules_->toolTip());
    }
    show_panel(full_, tr("Sabot completo: %1 carte").arg(full_wanted_.decks * 52), in_play_,
               tr("Sabot in gioco: %1"));
    in_play_.box->setVisible(shoe_in_play_->isChecked());
    if (shoe_in_play_->isChecked()) {
        show_panel(in_play_,
                   tr("Sabot in gioco: %1 carte su %2")
                       .arg(cards_in(in_play_wanted_.shoe))
                       .arg(in_play_wanted_.decks * 52),
                   full_, tr("Sabot completo: %1"));
    }
    if (full_.strategy) {
        stand_at_->show_strategy(*full_.strategy, strategy_words_);
    } else {
        stand_at_->clear();
    }
    export_png_->setEnabled(exported().strategy.has_value());
    export_csv_->setEnabled(exported().strategy.has_value());
}

// The chart of the shoe in play while it is shown beside, the full shoe's
// otherwise.
const StrategyWindow::Panel& StrategyWindow::exported() const {
    return shoe_in_play_->isChecked() ? in_play_ : full_;
}

// The simulation plays the table this window follows; a run in progress
// keeps the table it started with.
void StrategyWindow::open_simulation() {
    if (simulation_ == nullptr) {
        simulation_ = new SimulationWindow(words_, full_wanted_.rules, full_wanted_.decks, this);
    } else if (!simulation_->running()) {
        simulation_->set_table(full_wanted_.rules, full_wanted_.decks);
    }
    simulation_->show();
    simulation_->raise();
    simulation_->activateWindow();
}

void StrategyWindow::export_png() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    charts_->grab().save(&buffer, "PNG");
    save(tr("Esporta la tabella come PNG"),
         shoe_in_play_->isChecked() ? tr("strategia-sabot-in-gioco.png") : tr("strategia.png"),
         tr("Immagini PNG (*.png)"), bytes);
}

void StrategyWindow::export_csv() {
    const Panel& panel = exported();
    if (!panel.strategy) {
        return;
    }
    save(tr("Esporta le mani come CSV"),
         shoe_in_play_->isChecked() ? tr("strategia-sabot-in-gioco.csv") : tr("strategia.csv"),
         tr("File CSV (*.csv)"), QByteArray::fromStdString(strategy_csv(*panel.strategy)));
}

void StrategyWindow::save(const QString& title, const QString& suggested, const QString& filter,
                          const QByteArray& bytes) {
    export_file(choose_path_, notify_, title, suggested, filter, bytes);
}

// A window of its own, closed with the strategy window that follows the
// table for it.
void StrategyWindow::open_count_window() {
    if (count_window_ == nullptr) {
        count_window_ = new CountWindow(words_, count_link_ ? count_link_() : CountLink{}, this);
        count_window_->setAttribute(Qt::WA_DeleteOnClose);
        if (full_.request) {
            count_window_->follow(full_wanted_.rules, full_wanted_.decks);
        }
    }
    count_window_->show();
    count_window_->raise();
    count_window_->activateWindow();
}

void StrategyWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colour_swatches();
    }
}

}  // namespace tavolix::ui
