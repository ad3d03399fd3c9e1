// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QTableWidget>
#include <string>

#include "model/count_window_text.h"
#include "model/strategy_cells.h"

namespace tavolix::ui {

// A strategy chart as a grid: a row per hard total, soft total and pair, a
// column per up card, each cell in its play's colour with its code. A
// marked cell (a hand of its row plays otherwise) carries a star and a thin
// frame; a cell that the compared chart plays otherwise is bold in a thick
// frame. Every cell's tooltip and accessible description give its hands'
// EVs. The grid is as large as its cells: it never scrolls.
class StrategyGrid : public QTableWidget {
  public:
    // Its columns as wide as the code of a play, "Dh*", or `widest_cell`
    // in a cell with an index when that is wider.
    explicit StrategyGrid(QWidget* parent = nullptr, const QString& widest_cell = {});

    // Shows the chart of `strategy`; the cells that `compared` plays
    // otherwise are marked, its plays told in `compared_plays` ("Sabot
    // completo: %1").
    void show_strategy(const Strategy& strategy, const StrategyWords& words,
                       const Strategy* compared = nullptr, const std::string& compared_plays = {});
    // An index chart: each cell's text on its play's colour, a cell with an
    // index bold in a thick frame, its details as its tooltip. A text wider
    // than its column gives way to its short form; returns how many did.
    int show_index_cells(const std::vector<IndexChartCell>& cells);
    // Every cell empty, as while a strategy is worked out.
    void clear_strategy();

    // The cell of a chart's row and column.
    QTableWidgetItem* cell(RowKind kind, std::size_t row, std::size_t column) const;
    bool marked(const QTableWidgetItem* cell) const;
    bool differs(const QTableWidgetItem* cell) const;

    // Every row and column with its headers, from the headers' own hints:
    // right before the grid is first laid out, when its headers have no
    // size yet.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    int table_row(RowKind kind, std::size_t row) const;
    void show_details_of_current();

    strategy::Chart layout_;
};

}  // namespace tavolix::ui
