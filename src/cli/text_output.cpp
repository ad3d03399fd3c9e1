#include "text_output.h"

#include <QString>
#include <QStringList>
#include <algorithm>

namespace tavolix::cli {

namespace {

constexpr int kHeadingWidth = 11;  // "GIOCATORE" and a gap
constexpr int kHandWidth = 24;     // the longest hand text, eleven cards
constexpr int kColumnWidth = 22;   // the longest panel line and a gap

// The lines of a label's text; each line of a panel ends with LF then CR.
QStringList label_lines(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split(QLatin1String(kPanelLineEnd));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString hand_line(const char* heading, const SideOutcome& side) {
    return QString::fromLatin1(heading).leftJustified(kHeadingWidth) +
           QString::fromStdString(side.text).trimmed().leftJustified(kHandWidth) +
           QString::fromStdString(side.total_caption) + QLatin1Char('\n');
}

QString panel_block(const QString& frame, const PanelTexts& panel) {
    const QStringList left = label_lines(panel.prima_carta);
    const QStringList right = label_lines(panel.tutte_combinazioni);
    QString block = frame + QLatin1Char('\n');
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const QString left_line = i < left.size() ? left[i] : QString();
        const QString right_line = i < right.size() ? right[i] : QString();
        QString line = left_line.leftJustified(kColumnWidth) + right_line;
        // An empty line of the right column leaves no blanks at the end.
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        block += line + QLatin1Char('\n');
    }
    return block;
}

}  // namespace

std::string table_text(const TableOutcome& outcome) {
    QString text = hand_line("BANCO", outcome.banco) + hand_line("GIOCATORE", outcome.player) +
                   QString::fromLatin1("Stare a =>").leftJustified(kHeadingWidth) +
                   QString::number(outcome.stand_at) + QLatin1Char('\n');
    text +=
        QLatin1Char('\n') + panel_block(QStringLiteral("Probabilità Banco"), outcome.banco.panel);
    text += QLatin1Char('\n') +
            panel_block(QStringLiteral("Probabilità Giocatore"), outcome.player.panel);
    return text.toStdString();
}

}  // namespace tavolix::cli
