#include "gui/startup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (!RunApplication())
        return 1;
    return QApplication::exec();
}
