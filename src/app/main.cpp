#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Program program(app);
    return QApplication::exec();
}
