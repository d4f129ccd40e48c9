#pragma once
// Support for the shell's window tests: a fresh settings directory per test,
// recording hooks in place of the modal windows, and the running program.
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/KirokanApp.h"
#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "app/WindowHooks.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"

struct HookCall {
    std::string what;  // "textWork", "card", "tips", "help", "modal:<class>"
    int a = 0, b = 0;
    std::string text;
};

// One run of the program in its own data directory.
class CShellRun {
public:
    CShellRun() {
        QVERIFY(m_dir.isValid());
        m_oldCwd = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        GetWindowHooks().showTextWork = [this](QWidget*, int kind, int) { calls.push_back({"textWork", kind, 0, {}}); };
        GetWindowHooks().showHaikuCard = [this](QWidget*, int order, int position) {
            calls.push_back({"card", order, position, {}});
        };
        GetWindowHooks().showOnePointTips = [this](QWidget*) { calls.push_back({"tips", 0, 0, {}}); };
        GetWindowHooks().runHelpBrowser = [this](QWidget*, const std::string& path, const std::string& suffix,
                                                 const std::string& topic) {
            calls.push_back({"help", 0, 0, path + "|" + suffix + "|" + topic});
        };
        GetWindowHooks().runModal = [this](QDialog* dialog) {
            calls.push_back({std::string("modal:") + dialog->metaObject()->className(), 0, 0, {}});
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        };
        platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            messages.push_back(text);
            return platform::kIdOk;
        });
    }

    ~CShellRun() {
        Exit();
        ResetWindowHooks();
        platform::SetMessageBoxHandler({});
        QDir::setCurrent(m_oldCwd);
    }

    // The settings file of this run.
    QString SettingsPath() const { return m_dir.filePath(QStringLiteral("kirokan.INI")); }
    QString DataDir() const { return m_dir.path(); }

    void InitSettings() { CSettingsStore::Instance().Init(platform::FromQString(m_dir.path()), "kirokan"); }

    // Settings written before start-up; the start-up windows off unless
    // asked for.
    void WriteSettings(const std::string& extra, bool startupWindows = false) {
        InitSettings();
        QFile f(SettingsPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        std::string text = "[Settings]\n";
        if (!startupWindows) text += "onepointview=0\nkironoView=0\n";
        text += extra;
        f.write(text.data(), qint64(text.size()));
    }

    bool Start() {
        app = std::make_unique<CKirokanApp>();
        const std::string dir = platform::FromQString(m_dir.path());
        app->SetSettingsInit([dir] { CSettingsStore::Instance().Init(dir, "kirokan"); });
        const bool ok = app->InitInstance();
        frame = app->GetMainFrame();
        return ok;
    }

    // Closes the main window as the user does and ends the program.
    void Exit() {
        if (!app) return;
        if (frame && frame->isVisible()) frame->close();
        Flush();
        app->ExitInstance();
        app.reset();
        frame = nullptr;
    }

    void Command(int id) { frame->OnCommand(id); Flush(); }

    QAction* Action(int id) const { return frame->GetCommandAction(id); }

    static void Flush() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    std::vector<HookCall> calls;
    std::vector<std::string> messages;
    std::function<int(QDialog*)> onModal;
    std::unique_ptr<CKirokanApp> app;
    CMainFrame* frame = nullptr;

private:
    QTemporaryDir m_dir;
    QString m_oldCwd;
};

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }
// Shift-JIS of a UTF-8 literal.
inline std::string S(const char* utf8) { return platform::FromQString(QString::fromUtf8(utf8)); }
