// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_grid.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include "strategy_colours.h"

namespace tavolix::ui {

namespace {

enum Role {
    kPlayRole = Qt::UserRole + 1,  // the play as an int, none without one
    kMarkedRole,
    kDiffersRole,
    kSectionStartRole,
};

constexpr std::array kKinds{RowKind::hard, RowKind::soft, RowKind::pair};

// The thick frame of a cell with an index, two pixels in from its edges and
// three wide, and a pixel of air on either side of the text within it.
constexpr int kFramedTextMargin = 2 * (2 + 3 + 1);

// Draws every cell itself, so that its colour, code and marks look the same
// under every style.
class CellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const QRect box = option.rect;
        const QVariant play = index.data(kPlayRole);
        const CellColours colours =
            play.isValid() ? play_colours(static_cast<analysis::Play>(play.toInt()), option.palette)
                           : empty_cell_colours(option.palette);
        painter->fillRect(box, colours.background);
        const bool differs = index.data(kDiffersRole).toBool();
        QFont font = option.font;
        font.setBold(differs);
        painter->setFont(font);
        painter->setPen(colours.text);
        painter->drawText(box, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        if (index.data(kMarkedRole).toBool()) {
            painter->setPen(QPen(colours.text, 1, Qt::DotLine));
            painter->drawRect(box.adjusted(2, 2, -3, -3));
        }
        if (differs) {
            painter->setPen(QPen(colours.text, 3));
            painter->drawRect(box.adjusted(2, 2, -2, -2));
        }
        if (index.data(kSectionStartRole).toBool()) {
            painter->setPen(QPen(option.palette.color(QPalette::WindowText), 2));
            painter->drawLine(box.topLeft(), box.topRight());
        }
        if ((option.state & QStyle::State_HasFocus) != 0 ||
            (option.state & QStyle::State_Selected) != 0) {
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2, Qt::DashLine));
            painter->drawRect(box.adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }
};

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

StrategyGrid::StrategyGrid(QWidget* parent, const QString& widest_cell)
    : QTableWidget(parent), layout_(chart_layout()) {
    int rows = 0;
    for (const RowKind kind : kKinds) {
        rows += static_cast<int>(chart_rows(layout_, kind).size());
    }
    setRowCount(rows);
    setColumnCount(static_cast<int>(strategy::kChartUps.size()));
    QStringList ups;
    for (const int up : strategy::kChartUps) {
        ups << text_of(value_text(up));
    }
    setHorizontalHeaderLabels(ups);
    QStringList captions;
    for (const RowKind kind : kKinds) {
        for (const ChartRow& row : chart_rows(layout_, kind)) {
            captions << text_of(row_caption(row));
        }
    }
    setVerticalHeaderLabels(captions);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            setItem(row, column, item);
        }
    }
    for (const RowKind kind : {RowKind::soft, RowKind::pair}) {
        for (int column = 0; column < columnCount(); ++column) {
            item(table_row(kind, 0), column)->setData(kSectionStartRole, true);
        }
    }
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrows move among the cells; Tab goes on to the next control.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setWordWrap(false);
    const QFontMetrics metrics(font());
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Bold, as a marked cell's text is drawn.
    QFont bold = font();
    bold.setBold(true);
    // A play's code with room around it; the widest cell just inside the
    // thick frame of a cell with an index.
    horizontalHeader()->setDefaultSectionSize(
        std::max(metrics.horizontalAdvance(QStringLiteral("Dh*")) + metrics.averageCharWidth() * 3,
                 QFontMetrics(bold).horizontalAdvance(widest_cell) + kFramedTextMargin + 2));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QTableWidget::currentCellChanged, this, &StrategyGrid::show_details_of_current);
    clear_strategy();
}

QSize StrategyGrid::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {frame + verticalHeader()->sizeHint().width() + horizontalHeader()->length(),
            frame + horizontalHeader()->sizeHint().height() + verticalHeader()->length()};
}

int StrategyGrid::table_row(RowKind kind, std::size_t row) const {
    int offset = 0;
    for (const RowKind before : kKinds) {
        if (before == kind) {
            break;
        }
        offset += static_cast<int>(chart_rows(layout_, before).size());
    }
    return offset + static_cast<int>(row);
}

QTableWidgetItem* StrategyGrid::cell(RowKind kind, std::size_t row, std::size_t column) const {
    return item(table_row(kind, row), static_cast<int>(column));
}

bool StrategyGrid::marked(const QTableWidgetItem* cell) const {
    return cell->data(kMarkedRole).toBool();
}

bool StrategyGrid::differs(const QTableWidgetItem* cell) const {
    return cell->data(kDiffersRole).toBool();
}

void StrategyGrid::clear_strategy() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem* cell = item(row, column);
            cell->setText(QString());
            cell->setData(kPlayRole, QVariant());
            cell->setData(kMarkedRole, false);
            cell->setData(kDiffersRole, false);
            cell->setToolTip(QString());
            cell->setData(Qt::AccessibleTextRole, QString());
            cell->setData(Qt::AccessibleDescriptionRole, QString());
        }
    }
}

void StrategyGrid::show_strategy(const Strategy& strategy, const StrategyWords& words,
                                 const Strategy* compared, const std::string& compared_plays) {
    std::vector<ChartCellAt> differing;
    if (compared != nullptr) {
        differing = differing_cells(strategy.chart, compared->chart);
    }
    for (const RowKind kind : kKinds) {
        const std::vector<ChartRow>& rows = chart_rows(strategy.chart, kind);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
                const strategy::ChartCell& shown = rows[row].cells[column];
                QTableWidgetItem* item = cell(kind, row, column);
                item->setText(shown.code.empty()
                                  ? QStringLiteral("-")
                                  : text_of(shown.code) +
                                        (shown.marked ? QStringLiteral("*") : QString()));
                item->setData(kPlayRole,
                              shown.play ? QVariant(static_cast<int>(*shown.play)) : QVariant());
                item->setData(kMarkedRole, shown.marked);
                std::string details = cell_details(strategy, rows[row], column, words);
                const bool differs = std::find(differing.begin(), differing.end(),
                                               ChartCellAt{kind, row, column}) != differing.end();
                if (differs) {
                    const std::string& other =
                        chart_rows(compared->chart, kind)[row].cells[column].code;
                    std::string line = compared_plays;
                    const auto mark = line.find("%1");
                    if (mark != std::string::npos) {
                        line.replace(mark, 2, other.empty() ? "-" : other);
                    }
                    details += '\n' + line;
                }
                item->setData(kDiffersRole, differs);
                item->setToolTip(text_of(details));
                item->setData(Qt::AccessibleTextRole,
                              text_of(details.substr(0, details.find('\n'))));
                item->setData(Qt::AccessibleDescriptionRole, text_of(details));
            }
        }
    }
    viewport()->update();
}

int StrategyGrid::show_index_cells(const std::vector<IndexChartCell>& cells) {
    clear_strategy();
    // A cell with an index is drawn bold inside a thick frame.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int shortened = 0;
    for (const IndexChartCell& shown : cells) {
        QTableWidgetItem* item = cell(shown.at.kind, shown.at.row, shown.at.column);
        const QString text = text_of(shown.text);
        const bool fits = metrics.horizontalAdvance(text) + kFramedTextMargin <=
                          columnWidth(static_cast<int>(shown.at.column));
        item->setText(fits ? text : text_of(shown.short_text));
        shortened += fits ? 0 : 1;
        item->setData(kPlayRole, shown.play ? QVariant(static_cast<int>(*shown.play)) : QVariant());
        item->setData(kDiffersRole, shown.has_index);
        item->setToolTip(text_of(shown.details));
        item->setData(Qt::AccessibleTextRole,
                      text_of(shown.details.substr(0, shown.details.find('\n'))));
        item->setData(Qt::AccessibleDescriptionRole, text_of(shown.details));
    }
    viewport()->update();
    return shortened;
}

// A keyboard user sees what a mouse user's pointer shows.
void StrategyGrid::show_details_of_current() {
    const QTableWidgetItem* current = currentItem();
    if (current == nullptr || !hasFocus() || current->toolTip().isEmpty()) {
        return;
    }
    const QRect box = visualItemRect(current);
    QToolTip::showText(viewport()->mapToGlobal(box.bottomRight()), current->toolTip(), viewport(),
                       box);
}

void StrategyGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        // The cells take their colours from the palette as they are drawn.
        viewport()->update();
    }
}

}  // namespace tavolix::ui
