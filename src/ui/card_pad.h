// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QGroupBox>
#include <array>
#include <string>

namespace tavolix::ui {

// The face number (1 = A ... 13 = K) that a typed text stands for, or 0: the
// text of a face ("A", "2".."9", "J", "Q", "K", in either case), or "0" or "T"
// for the ten, whose text takes two keys. `face_names` holds the text of each
// face at its face number.
int face_of_key(const QString& typed, const std::array<std::string, 14>& face_names);

// A card pad: the frame that holds one hand's row of card symbols. It takes
// the keyboard focus, shows it with a focus frame, and turns the keys typed
// on it into the commands a mouse gives: a face key enters that card,
// Backspace takes the hand's last card back, Delete cancels the hand.
class CardPad : public QGroupBox {
    Q_OBJECT

  public:
    explicit CardPad(const QString& title, QWidget* parent = nullptr);

    void setFaceNames(const std::array<std::string, 14>& face_names) { face_names_ = face_names; }

  signals:
    void faceTyped(int face);
    void removeLastRequested();
    void cancelRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<std::string, 14> face_names_{};
};

}  // namespace tavolix::ui
