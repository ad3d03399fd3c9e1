// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "form1_descriptions.h"

#include <QCoreApplication>
#include <QLabel>

#include "core/card_entry.h"
#include "web_links.h"

namespace tavolix::ui {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("Form1", text);
}

struct Description {
    const char* control;
    const char* name;  // nullptr: the control's own caption
    const char* description;
    const char* tooltip;
};

constexpr const char* kPadHelp =
    QT_TRANSLATE_NOOP("Form1",
                      "Clicca un simbolo o digita la carta: A, da 2 a 9, 0 o T per il 10, J, Q, K. "
                      "Backspace toglie l'ultima carta, Canc annulla la mano.");

// Tooltips belong to what a mouse user can point at: the pads, the panels and
// the lists.
constexpr Description kDescriptions[] = {
    {"Frame1", QT_TRANSLATE_NOOP("Form1", "Carte del banco"), kPadHelp, kPadHelp},
    {"Frame2", QT_TRANSLATE_NOOP("Form1", "Carte del giocatore"), kPadHelp, kPadHelp},
    {"Command1", QT_TRANSLATE_NOOP("Form1", "Annulla carte del banco"), nullptr, nullptr},
    {"Command2", QT_TRANSLATE_NOOP("Form1", "Annulla carte del giocatore"), nullptr, nullptr},
    {"Label4", QT_TRANSLATE_NOOP("Form1", "Mano del banco"), nullptr, nullptr},
    {"Label5", QT_TRANSLATE_NOOP("Form1", "Mano del giocatore"), nullptr, nullptr},
    {"Label7", QT_TRANSLATE_NOOP("Form1", "Somma del banco"), nullptr, nullptr},
    {"Label8", QT_TRANSLATE_NOOP("Form1", "Somma del giocatore"), nullptr, nullptr},
    {"Frame3", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Form1",
                       "Prima carta: come finisce il banco a seconda della sola prossima carta "
                       "che pesca.\nTutte combinazioni: come finisce il banco su tutte le "
                       "sequenze di carte che può ancora pescare.")},
    {"Frame4", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Form1",
                       "Prima carta: come finisce la tua mano a seconda della sola carta che "
                       "prendi ora.\nTutte combinazioni: come finisce su tutte le sequenze di "
                       "carte che prendi finché resti sotto la soglia.")},
    {"Combo1", QT_TRANSLATE_NOOP("Form1", "Stare a"),
     QT_TRANSLATE_NOOP("Form1", "Il totale al quale il giocatore smette di chiedere carta"),
     QT_TRANSLATE_NOOP("Form1",
                       "Il giocatore chiede carta finché il suo totale resta sotto questa "
                       "soglia.")},
    {"Combo2", QT_TRANSLATE_NOOP("Form1", "Mazzi in gioco"), nullptr,
     QT_TRANSLATE_NOOP("Form1", "Quanti mazzi da 52 carte compongono il sabot.")},
    {"Command6", nullptr,
     QT_TRANSLATE_NOOP("Form1", "Sceglie le regole del tavolo e il numero di mazzi"), nullptr},
    {"Command8", QT_TRANSLATE_NOOP("Form1", "Sabot in gioco"),
     QT_TRANSLATE_NOOP("Form1",
                       "Apre sotto la finestra le carte uscite nelle mani precedenti, il "
                       "conteggio e il valore della prossima mano"),
     nullptr},
    {"Frame6", QT_TRANSLATE_NOOP("Form1", "Carte uscite"), kPadHelp,
     QT_TRANSLATE_NOOP("Form1",
                       "Le carte già uscite dal sabot nelle mani precedenti. Clicca un simbolo "
                       "o digita la carta; Backspace rimette l'ultima, Canc annulla quelle di "
                       "questa mano.")},
    {"Command9", QT_TRANSLATE_NOOP("Form1", "Annulla carte uscite"),
     QT_TRANSLATE_NOOP("Form1", "Rimette nel sabot le carte uscite inserite dopo l'ultima mano"),
     nullptr},
    {"Command10", nullptr,
     QT_TRANSLATE_NOOP("Form1",
                       "Le carte delle due mani escono dal sabot e il tavolo si libera per la "
                       "mano seguente"),
     nullptr},
    {"Command11", nullptr, QT_TRANSLATE_NOOP("Form1", "Rimette nel sabot tutte le carte uscite"),
     nullptr},
    {"Label27", QT_TRANSLATE_NOOP("Form1", "Carte uscite per valore"), nullptr, nullptr},
    {"Label28", QT_TRANSLATE_NOOP("Form1", "Sabot e conteggio"), nullptr, nullptr},
    {"Command7", nullptr,
     QT_TRANSLATE_NOOP("Form1",
                       "Apre la tabella della strategia e il vantaggio del banco per le regole e "
                       "i mazzi del tavolo"),
     nullptr},
    {"Label17", QT_TRANSLATE_NOOP("Form1", "Sito di Tavolix"), nullptr, nullptr},
    {"Label19", QT_TRANSLATE_NOOP("Form1", "Manuale in rete"), nullptr, nullptr},
};

// How a screen reader should say a face; the pips are said as their number.
QString spoken_face(Integer face, const std::string& name) {
    switch (face) {
        case 1:
            return translated(QT_TRANSLATE_NOOP("Form1", "Asso"));
        case 11:
            return translated(QT_TRANSLATE_NOOP("Form1", "Fante"));
        case 12:
            return translated(QT_TRANSLATE_NOOP("Form1", "Donna"));
        case 13:
            return translated(QT_TRANSLATE_NOOP("Form1", "Re"));
        default:
            return QString::fromStdString(name);
    }
}

}  // namespace

void describe_controls(QWidget& form, const Form1Controls& controls,
                       const std::array<std::string, 14>& face_names) {
    for (const Description& row : kDescriptions) {
        auto* widget = form.findChild<QWidget*>(QLatin1String(row.control));
        if (widget == nullptr) {
            continue;
        }
        if (row.name != nullptr) {
            widget->setAccessibleName(translated(row.name));
        }
        if (row.description != nullptr) {
            widget->setAccessibleDescription(translated(row.description));
        }
        if (row.tooltip != nullptr) {
            widget->setToolTip(translated(row.tooltip));
        }
    }
    for (int index = 0; index < kPadLabelCount; ++index) {
        const PadCard card = pad_card(index);
        const QString face =
            spoken_face(card.face, face_names[static_cast<std::size_t>(card.face)]);
        controls.Label3.at(static_cast<std::size_t>(index))
            ->setAccessibleName(
                card.side == Side::Banco
                    ? translated(QT_TRANSLATE_NOOP("Form1", "%1 al banco")).arg(face)
                    : translated(QT_TRANSLATE_NOOP("Form1", "%1 al giocatore")).arg(face));
    }
    for (auto* label : form.findChildren<QLabel*>(QStringLiteral("Label29"))) {
        const auto face = static_cast<Integer>(label->property("Index").toInt());
        label->setAccessibleName(
            translated(QT_TRANSLATE_NOOP("Form1", "%1 fuori dal sabot"))
                .arg(spoken_face(face, face_names[static_cast<std::size_t>(face)])));
    }
    controls.Label17->setAccessibleDescription(controls.Label17->text());
    controls.Label19->setAccessibleDescription(controls.Label19->text());
    describe_captions(controls);
}

void describe_captions(const Form1Controls& controls) {
    for (QLabel* label : {controls.Label4, controls.Label5, controls.Label7, controls.Label8}) {
        label->setAccessibleDescription(label->text());
    }
    // A panel is read as a whole: its first-card column, then the other.
    const auto panel_text = [](QLabel* left, QLabel* right) {
        return (left->text() + QLatin1Char('\n') + right->text()).trimmed();
    };
    controls.Label12->parentWidget()->setAccessibleDescription(
        panel_text(controls.Label12, controls.Label9));
    controls.Label13->parentWidget()->setAccessibleDescription(
        panel_text(controls.Label13, controls.Label10));
}

QString about_text() {
    return translated(
               QT_TRANSLATE_NOOP("Form1",
                                 "Tavolix %1\n"
                                 "Probabilità del blackjack per un mazzo da 52 carte.\n\n"
                                 "Licenza: GNU General Public License, versione 3 o successiva "
                                 "(GPL-3.0-or-later).\n\n%2"))
        .arg(QStringLiteral(TAVOLIX_VERSION), home_page_address());
}

}  // namespace tavolix::ui
