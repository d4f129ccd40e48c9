// The haiku list as the main window opens it: the haiku command's document
// window, the search bar's text found with F3, and the card hook reached by
// a double-click on a sorted list.
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/SearchBar.h"
#include "haiku/HaikuListView.h"
#include "res/ResourceIds.h"
#include "HaikuTestData.h"
#include "tests/ui/WindowTestMain.h"

class HaikuHallShellTest : public QObject {
    Q_OBJECT
private slots:
    void haikuCommandOpensAWorkingList() {
        CShellRun run;
        run.WriteSettings("");
        QDir(run.DataDir()).mkpath(QStringLiteral("TxtData"));
        QFile notes(run.DataDir() + QStringLiteral("/TxtData/kirono.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        for (int n = 1; n <= 1017; ++n) notes.write(halltest::Sjis((halltest::Section(n) + "\n").c_str()).c_str());
        notes.close();
        QVERIFY(run.Start());

        run.Command(res::ID_HAIKU_ICHINICHI);
        auto* view = run.frame->findChild<CHaikuListView*>();
        QVERIFY(view);
        QCOMPARE(view->model()->rowCount(), 365);
        QCOMPARE(view->model()->data(view->model()->index(34, 4)).toString(), U("春"));  // notes read
        CSearchBar* bar = run.frame->GetSearchBar();
        QVERIFY(bar->IsComboEnabled());

        bar->GetComboBox()->setEditText(U("年や行き"));
        QTest::keyClick(run.frame, Qt::Key_F3);
        QCOMPARE(view->rowAt(0), 34);
        QVERIFY(bar->GetComboBox()->findText(U("年や行き")) >= 0);  // filed in the history
        QVERIFY(run.messages.empty());

        QHeaderView* header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(8) + 4, header->height() / 2));
        view->scrollToTop();
        int row = 0;
        while (view->List().GetSlot(row) == row) ++row;
        QVERIFY(view->visualRect(view->model()->index(row, 1)).bottom() < view->viewport()->height());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                           view->visualRect(view->model()->index(row, 1)).center());
        QCOMPARE(run.calls.size(), size_t(1));
        QCOMPARE(run.calls[0].what, std::string("card"));
        QCOMPARE(run.calls[0].a, 3);
        QCOMPARE(run.calls[0].b, view->List().GetSlot(row));
    }
};

KIROKAN_WINDOW_TEST_MAIN(HaikuHallShellTest)
#include "HaikuHallShellTest.moc"
