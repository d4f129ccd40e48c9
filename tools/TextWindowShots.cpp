// Pictures of the text-work window, the tips window and the help browser on
// a data directory: text_window_shots <data dir> <output dir>. Each window is
// opened as the museum opens it, a row or link is hovered, and the window is
// grabbed (offscreen is enough: QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "app/SettingsStore.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "res/TextWindowTexts.h"
#include "text/DrawnPane.h"
#include "text/OnePointDlg.h"
#include "text/SimpleHelpDlg.h"
#include "text/TextWorkDlg.h"

namespace {

void Hover(QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

bool Save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    const bool ok = w.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.toLocal8Bit().constData());
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: text_window_shots <data dir> <output dir>\n");
        return 2;
    }
    platform::SetMessageBoxHandler([](const std::string& text, const std::string&) {
        std::fprintf(stderr, "%s\n", platform::ToQString(text).toLocal8Bit().constData());
        return platform::kIdOk;
    });
    CSettingsStore::Instance().Init(argv[1], "shots");
    const QString out = QString::fromLocal8Bit(argv[2]);
    int failures = 0;

    CTextWorkDlg work;
    if (work.SetKind(0) == 1) {
        Hover(work.IndexPane(), QPoint(40, 2 + 12 * 3 + 6));
        failures += !Save(work, out + QStringLiteral("/text-work.png"));
    } else {
        ++failures;
    }

    CSettingsStore::Instance().SetOnePoint(1);
    COnePointDlg tips;
    if (tips.InitDialog())
        failures += !Save(tips, out + QStringLiteral("/tips.png"));
    else
        ++failures;

    CSimpleHelpDlg help;
    help.SetFilePath(CSettingsStore::Instance().GetDataFilePath(res::kHelpTopicsFile));
    help.SetCaptionSuffix(res::kHelpContentsTopic);
    help.SetStartTopic(res::kHelpContentsTopic);
    if (help.Create()) {
        // Preview the first link of the contents.
        for (const auto& row : help.Browser().RowLinks())
            if (!row.empty()) {
                const text::PixelRect r = row.front().rect;
                Hover(help.TopicPane(), QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
                break;
            }
        failures += !Save(help, out + QStringLiteral("/help.png"));
    } else {
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
