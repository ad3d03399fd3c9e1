#include "form1.h"

#include <QMessageBox>

#include "display_text.h"
#include "form1_layout.h"
#include "window_fonts.h"

namespace tavolix::ui {

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    setFixedSize(to_pixels(kClientWidth), to_pixels(kClientHeight));
    setFont(make_font(kWindowFont));
    notify_open_failure_ = [this](const QString& message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    controls_ = build_form1_controls(*this);
    controls_.Label17->setText(home_page_address());
    controls_.Label19->setText(manual_page_address());
    bind_events();
    set_tab_order();
    Form_Load();
    controls_.Command1->setFocus();
}

void Form1::bind_events() {
    for (int index = 0; index < kPadLabelCount; ++index) {
        connect(controls_.Label3.at(static_cast<std::size_t>(index)), &ClickLabel::clicked, this,
                [this, index] { Label3_Click(index); });
    }
    connect(controls_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(controls_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(controls_.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(controls_.Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    // Only a pick by the user: selecting "17" at load is not one, so it
    // neither calculates a second time nor repaints the panels.
    connect(controls_.Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(controls_.Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(controls_.Label17, &ClickLabel::clicked, this, &Form1::Label17_Click);
    connect(controls_.Label19, &ClickLabel::clicked, this, &Form1::Label19_Click);
}

void Form1::set_tab_order() {
    setTabOrder(controls_.Command1, controls_.Command2);
    setTabOrder(controls_.Command2, controls_.Combo1);
    setTabOrder(controls_.Combo1, controls_.Combo2);
    setTabOrder(controls_.Combo2, controls_.Command4);
}

void Form1::Form_Load() {
    controls_.Label17->setCursor(Qt::PointingHandCursor);
    controls_.Label19->setCursor(Qt::PointingHandCursor);
    model_.Form_Load();
    controls_.Combo1->clear();
    for (const std::string& item : model_.combo_items()) {
        controls_.Combo1->addItem(QString::fromStdString(item));
    }
    controls_.Combo1->setCurrentIndex(model_.combo_list_index());
    controls_.Combo2->clear();
    for (const std::string& item : model_.deck_items()) {
        controls_.Combo2->addItem(QString::fromStdString(item));
    }
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    show_captions();
}

void Form1::Label3_Click(int Index) {
    model_.Label3_Click(Index);
    show_captions();
}

void Form1::Command1_Click() {
    model_.Command1_Click();
    show_captions();
}

void Form1::Command2_Click() {
    model_.Command2_Click();
    show_captions();
}

void Form1::Command3_Click() {
    model_.Command3_Click();
    show_captions();
}

void Form1::Command4_Click() {
    model_.Command4_Click();
    show_captions();
}

void Form1::Combo1_Click(int ListIndex) {
    model_.Combo1_Click(ListIndex);
    show_captions();
}

void Form1::Combo2_Click(int ListIndex) {
    model_.Combo2_Click(ListIndex);
    // A count the hands do not fit is refused: the list goes back.
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    show_captions();
}

void Form1::Label17_Click() {
    open_link(controls_.Label17->text());
}

void Form1::Label19_Click() {
    open_link(controls_.Label19->text());
}

void Form1::open_link(const QString& address) {
    if (!open_url_(QUrl(address, QUrl::StrictMode))) {
        notify_open_failure_(tr("Impossibile avviare il browser per aprire %1.").arg(address));
    }
}

void Form1::show_captions() {
    const Form1Captions& captions = model_.captions();
    // QLabel repaints only when a text changes, so unchanged panels stay put.
    const auto show = [](QLabel* label, const std::string& caption) {
        label->setText(display_text(caption));
    };
    show(controls_.Label4, captions.Label4);
    show(controls_.Label5, captions.Label5);
    show(controls_.Label7, captions.Label7);
    show(controls_.Label8, captions.Label8);
    show(controls_.Label9, captions.Label9);
    show(controls_.Label10, captions.Label10);
    show(controls_.Label12, captions.Label12);
    show(controls_.Label13, captions.Label13);
    show(controls_.Label14, captions.Label14);
}

}  // namespace tavolix::ui
