// Documents and the plain view: new, open, save, new window, tile, print.
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QLabel>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/ChildFrame.h"
#include "app/KirokanDoc.h"
#include "app/KirokanView.h"
#include "app/NewTypeDlg.h"
#include "res/ResourceIds.h"
#include "tests/ui/WindowTestMain.h"

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void openingAFileNeverChangesIt() {
        CShellRun run;
        run.WriteSettings("");
        const QString path = run.DataDir() + QStringLiteral("/poem.txt");
        QByteArray bytes("\x8c\xc3\x92\x72\r\nline two\n\x00\xff", 16);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        QVERIFY(run.Start());
        GetWindowHooks().getOpenFileName = [path](QWidget*) { return path; };
        run.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.frame));
        QTest::keyClick(run.frame, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(run.frame->GetChildFrames().size(), size_t(1));
        CChildFrame* frame = run.frame->GetActiveFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("poem.txt"));
        QVERIFY(qobject_cast<CKirokanView*>(frame->GetViewWidget()));
        QCOMPARE(frame->GetDocument()->GetPathName(), platform::FromQString(path));

        // Ctrl+S does nothing; Ctrl+O on the same path activates the window.
        QTest::keyClick(run.frame, Qt::Key_S, Qt::ControlModifier);
        run.app->OpenDocumentFile("other");
        QTest::keyClick(run.frame, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(run.frame->GetChildFrames().size(), size_t(2));
        QCOMPARE(run.frame->GetActiveFrame(), frame);
        run.Command(res::ID_FILE_CLOSE);
        run.Exit();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(run.messages.empty());
    }

    void newCommandOffersTheThreeTemplates() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QStringList offered;
        int choice = 0;
        run.onModal = [&](QDialog* dialog) {
            auto* chooser = qobject_cast<CNewTypeDlg*>(dialog);
            // The label's "&" is its mnemonic, which leads to the list.
            auto* label = chooser->findChild<QLabel*>();
            offered.clear();
            if (!label || label->buddy() != chooser->GetList()) offered << QStringLiteral("label without its mnemonic");
            for (int i = 0; i < chooser->GetList()->count(); ++i) offered << chooser->GetList()->item(i)->text();
            chooser->GetList()->setCurrentRow(choice);
            return int(QDialog::Accepted);
        };
        run.Command(res::ID_FILE_NEW);
        QCOMPARE(offered, (QStringList{"Kiroka", "Kiroka", "Kiroka"}));
        run.Command(res::ID_FILE_NEW);
        const auto frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(2));
        QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Kiroka1"));
        QCOMPARE(frames[1]->windowTitle(), QStringLiteral("Kiroka2"));
        QVERIFY(qobject_cast<CKirokanView*>(frames[0]->GetViewWidget()));
        // An untitled document has no path and never entered the recent list.
        QVERIFY(frames[0]->GetDocument()->GetPathName().empty());
        QVERIFY(run.app->GetRecentFileList().Entries().empty());
        // Cancelling the chooser opens nothing.
        run.onModal = [](QDialog*) { return int(QDialog::Rejected); };
        run.Command(res::ID_FILE_NEW);
        QCOMPARE(run.frame->GetChildFrames().size(), size_t(2));
    }

    void newWindowSharesTheDocument() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_HAIKU_SHINCHOSHA);
        run.Command(res::ID_WINDOW_NEW);
        auto frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(2));
        QCOMPARE(frames[0]->GetDocument(), frames[1]->GetDocument());
        QCOMPARE(frames[0]->windowTitle(), U("キロノ句集(新潮社):1"));
        QCOMPARE(frames[1]->windowTitle(), U("キロノ句集(新潮社):2"));
        QCOMPARE(run.frame->windowTitle(), U("『キロノ』博物館 V1.08 - キロノ句集(新潮社):2"));
        // Tiled one above the other, full width.
        run.Command(res::ID_WINDOW_TILE_HORZ);
        const QRect a = frames[0]->geometry(), b = frames[1]->geometry();
        QCOMPARE(a.x(), b.x());
        QCOMPARE(a.width(), b.width());
        QCOMPARE(a.width(), run.frame->GetMdiArea()->viewport()->width());
        QVERIFY(a.bottom() < b.top() || b.bottom() < a.top());
        // The document stays while one window shows it.
        run.Command(res::ID_FILE_CLOSE);
        frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(1));
        QCOMPARE(frames[0]->windowTitle(), U("キロノ句集(新潮社)"));
        QCOMPARE(frames[0]->GetDocument()->GetTitle(), S("キロノ句集(新潮社)"));
        // A view that renames its document renames its window and the caption.
        frames[0]->GetDocument()->SetPathName(S("旧暦／西暦対照表 旧暦  1689年"), false);
        QCOMPARE(frames[0]->windowTitle(), U("旧暦／西暦対照表 旧暦  1689年"));
        QCOMPARE(run.frame->windowTitle(), U("『キロノ』博物館 V1.08 - 旧暦／西暦対照表 旧暦  1689年"));
    }

    void printingThePlainViewGivesOneBlankPage() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        const QString pdf = run.DataDir() + QStringLiteral("/print.pdf");
        run.onModal = [pdf](QDialog* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            if (!print) return int(QDialog::Rejected);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        // Printing needs the plain view.
        QVERIFY(!run.Action(res::ID_FILE_PRINT)->isEnabled());
        run.Command(res::ID_HAIKU_REGISTER);
        QVERIFY(!run.Action(res::ID_FILE_PRINT)->isEnabled());
        run.app->OpenDocumentFile("blank");
        QVERIFY(run.Action(res::ID_FILE_PRINT)->isEnabled());
        run.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.frame));
        QTest::keyClick(run.frame, Qt::Key_P, Qt::ControlModifier);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        QCOMPARE(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page>") +
                     data.count("/Type /Page "),
                 1);
        // Nothing is printed when the dialog is cancelled.
        QFile::remove(pdf);
        run.onModal = [](QDialog*) { return int(QDialog::Rejected); };
        run.Command(res::ID_FILE_PRINT);
        QVERIFY(!QFile::exists(pdf));
    }

    void closingTheProgramAsksNothing() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_HAIKU_REGISTER);
        run.Command(res::ID_CALENDAR_TABLE);
        run.app->OpenDocumentFile("plain");
        const size_t modalsBefore = run.calls.size();
        run.frame->OnCommand(res::ID_APP_EXIT);
        QVERIFY(!run.frame->isVisible());
        QVERIFY(run.frame->GetChildFrames().empty());
        QCOMPARE(run.calls.size(), modalsBefore);
        // The closed windows may still wait for deletion when the program
        // ends; the frame's destruction takes them along.
        run.app->ExitInstance();
        QCOMPARE(run.app->GetMainFrame(), nullptr);
    }
};

KIROKAN_WINDOW_TEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
