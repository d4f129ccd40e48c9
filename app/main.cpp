#include <QApplication>

#include "app/KirokanApp.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CKirokanApp theApp;
    if (!theApp.InitInstance()) return 1;
    const int result = app.exec();
    theApp.ExitInstance();
    return result;
}
