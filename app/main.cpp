#include "app/CTolvaneAVConverterApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korbanix");
    QStringList files = QApplication::arguments();
    files.removeFirst();
    CTolvaneAVConverterApp program(files);
    program.InitInstance();
    return program.ExitInstance();
}
