#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    // The window takes no arguments of its own; Qt reads its platform options.
    QApplication app(argc, argv);
    tavolix::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
