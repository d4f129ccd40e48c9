#pragma once
// A temporary data directory with TxtData for the window tests: files are
// written from UTF-8 text as Shift-JIS; message boxes and beeps are recorded.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWidget>
#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"

class CTextWindowFixture {
public:
    CTextWindowFixture() {
        QDir(m_dir.path()).mkpath(QStringLiteral("TxtData"));
        CSettingsStore::Instance().Init(m_dir.path().toStdString(), "kirokan");
        platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            messages << platform::ToQString(text);
            return platform::kIdOk;
        });
        platform::SetBeepHandler([this] { ++beeps; });
    }
    ~CTextWindowFixture() {
        platform::SetMessageBoxHandler({});
        platform::SetBeepHandler({});
    }

    QString Write(const QString& name, const QStringList& lines) {
        const QString path = m_dir.path() + QStringLiteral("/TxtData/") + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        const std::string bytes = platform::FromQString(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    QString Path(const QString& name) const { return m_dir.path() + QStringLiteral("/TxtData/") + name; }

    QStringList messages;
    int beeps = 0;

private:
    QTemporaryDir m_dir;
};

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)), button,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// One notch of the mouse wheel towards the user over w.
inline void SendWheelDown(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Pixels inside r of an image close to colour c (text is anti-aliased:
// every channel within 80 of c's).
inline int CountColour(const QImage& image, const QRect& r, QColor c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!image.valid(x, y)) continue;
            const QColor p(image.pixel(x, y));
            if (std::abs(p.red() - c.red()) < 80 && std::abs(p.green() - c.green()) < 80 &&
                std::abs(p.blue() - c.blue()) < 80)
                ++n;
        }
    return n;
}
