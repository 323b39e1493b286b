#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startProgram(app);
    const int code = QApplication::exec();
    finishProgram();
    return code;
}
