#include <QApplication>
#include <QMainWindow>

#include "platform/QtCodec.h"
#include "res/Strings.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(platform::ToQString(res::LoadString(res::IDR_MAINFRAME)));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
