// Developer tool for the shell: times the start-up to a shown main window,
// or takes a screenshot of the main window with a haiku list and a calendar
// window open.
//   kirokan_showcase timing <data dir> [runs]
//   kirokan_showcase screenshot <data dir> <png file> [card]
//   kirokan_showcase card <data dir> <png file> <register number>
// The data directory holds TxtData; the tool's own settings file
// (kirokan_showcase.INI) is written there with the start-up windows off.
#include <QApplication>
#include <QPainter>
#include <QElapsedTimer>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "haiku/HaikuCardDlg.h"
#include "app/ChildFrame.h"
#include "app/KirokanApp.h"
#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "res/ResourceIds.h"

namespace {

void PrepareSettings(const std::string& dir) {
    CSettingsStore& store = CSettingsStore::Instance();
    store.Init(dir, "kirokan_showcase");
    store.SetOnePointView(0);
    store.SetKironoView(0);
    store.SetWindowPos("");
}

// Milliseconds from InitInstance to the main window exposed and painted.
double TimeOneStart(const std::string& dir) {
    PrepareSettings(dir);
    QElapsedTimer timer;
    timer.start();
    CKirokanApp app;
    app.SetSettingsInit([dir] { CSettingsStore::Instance().Init(dir, "kirokan_showcase"); });
    if (!app.InitInstance()) return -1;
    QWindow* window = app.GetMainFrame()->windowHandle();
    while (!window || !window->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        window = app.GetMainFrame()->windowHandle();
        if (timer.elapsed() > 10000) return -1;
    }
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    app.GetMainFrame()->close();
    app.ExitInstance();
    return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer process;
    process.start();
    QApplication qapp(argc, argv);
    const double appMs = process.nsecsElapsed() / 1e6;
    if (argc < 3) {
        std::fprintf(stderr, "usage: kirokan_showcase timing <data dir> [runs] | screenshot <data dir> <png>\n");
        return 2;
    }
    const std::string dir = argv[2];
    if (std::strcmp(argv[1], "timing") == 0) {
        const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) times.push_back(TimeOneStart(dir));
        const double first = times.front();
        std::sort(times.begin(), times.end());
        std::printf("platform %s; QApplication %.1f ms; first start %.1f ms (main() to shown window %.1f ms); "
                    "median of %d starts %.1f ms\n",
                    qPrintable(qapp.platformName()), appMs, first, appMs + first, runs, times[times.size() / 2]);
        return 0;
    }
    if (std::strcmp(argv[1], "screenshot") == 0 && argc > 3) {
        PrepareSettings(dir);
        CKirokanApp app;
        app.SetSettingsInit([dir] { CSettingsStore::Instance().Init(dir, "kirokan_showcase"); });
        if (!app.InitInstance()) return 1;
        CMainFrame* frame = app.GetMainFrame();
        frame->resize(1180, 780);
        frame->move(40, 30);
        frame->OnCommand(res::ID_HAIKU_ICHINICHI);
        frame->OnCommand(res::ID_CALENDAR_TABLE);
        frame->OnCommand(res::ID_WINDOW_TILE_HORZ);
        // Let the windows lay out and paint.
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 1500) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        frame->OnCommand(res::ID_WINDOW_TILE_HORZ);
        // The haiku list active: the search bar is usable.
        frame->ActivateChildFrame(frame->GetChildFrames().front());
        QCoreApplication::processEvents();
        QPixmap shot = frame->grab();
        // With "card": the haiku card open over the list, as a reader sees it.
        if (argc > 4 && std::strcmp(argv[4], "card") == 0) {
            CHaikuCardDlg card(frame);
            card.SetOrder(0);
            card.SetPosition(141);  // register number 142
            card.show();
            QCoreApplication::processEvents();
            QPainter painter(&shot);
            const QPoint at((frame->width() - card.width()) * 3 / 4, (frame->height() - card.height()) / 2);
            painter.drawPixmap(at, card.grab());
            painter.end();
            card.done(QDialog::Rejected);
        }
        const bool ok = shot.save(QString::fromLocal8Bit(argv[3]));
        frame->close();
        app.ExitInstance();
        return ok ? 0 : 1;
    }
    // The haiku card alone, at one haiku of the register.
    if (std::strcmp(argv[1], "card") == 0 && argc > 4) {
        CSettingsStore::Instance().Init(dir, "kirokan_showcase");
        CHaikuCardDlg card;
        card.SetOrder(0);
        card.SetPosition(std::max(1, std::atoi(argv[4])) - 1);
        card.show();
        QCoreApplication::processEvents();
        const bool ok = card.grab().save(QString::fromLocal8Bit(argv[3]));
        card.done(QDialog::Rejected);
        return ok ? 0 : 1;
    }
    return 2;
}
