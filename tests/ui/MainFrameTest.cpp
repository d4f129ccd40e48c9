// The main window as the user meets it: menus, enabled states, tool bar,
// prompts, accelerators and the museum commands.
#include <QComboBox>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/KirokanViewBase.h"
#include "app/SearchBar.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "res/ResourceIds.h"
#include "tests/support/ResourceNames.h"
#include "tests/ui/WindowTestMain.h"

namespace {

// A view that takes one command, as the haiku list (find) and the calendar
// list (display year, tips) do, and tells the search bar when it is active.
class CTakingView : public QWidget, public CKirokanViewBase {
public:
    CTakingView(int command, std::vector<std::string>* log) : m_command(command), m_log(log) {}
    bool IsCommandEnabled(int id) const override { return id == m_command; }
    bool HandleCommand(int id) override {
        if (id != m_command) return false;
        m_log->push_back("handled " + std::to_string(id));
        return true;
    }
    void OnInitialUpdate() override { m_log->push_back("initial update " + std::to_string(m_command)); }
    void OnActivateView(bool activate) override {
        m_log->push_back((activate ? "activate " : "deactivate ") + std::to_string(m_command));
        if (m_command == res::ID_FIND) GetMainFrame()->GetSearchBar()->EnableCombo(activate);
    }

private:
    int m_command;
    std::vector<std::string>* m_log;
};

// "-" for a separator, else the item's label.
QStringList Labels(const QMenu* menu) {
    QStringList labels;
    for (const QAction* a : menu->actions()) labels << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return labels;
}

QStringList PopupTitles(const QMenuBar* bar) {
    QStringList titles;
    for (const QAction* a : bar->actions()) titles << a->text();
    return titles;
}

QMenu* Popup(const QMenuBar* bar, const QString& title) {
    for (const QAction* a : bar->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void menuBarsListTheHallsInOrder() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QMenuBar* bar = run.frame->menuBar();
        const QStringList halls = {U("ﾌｧｲﾙ(&F)"), U("表示(&V)"), U("俳句館(&B)"), U("作品館(&S)"),
                                   U("生涯館(&L)"), U("データ館(&D)"), U("暦館(&K)")};
        QCOMPARE(PopupTitles(bar), halls + QStringList{U("ﾍﾙﾌﾟ(&H)")});
        QCOMPARE(Labels(Popup(bar, U("ﾌｧｲﾙ(&F)"))), (QStringList{U("閉じる(&C)"), "-", U("Kirokanの終了(&X)")}));
        QCOMPARE(Labels(Popup(bar, U("表示(&V)"))), (QStringList{U("ﾂｰﾙ ﾊﾞｰ(&T)"), U("ｽﾃｰﾀｽ ﾊﾞｰ(&S)")}));
        const QStringList haiku = {U("登録全句"), U("キロノ全句集(桜楓社)"), U("キロノ句集(新潮社)"),
                                   U("キロノ一日一句(近代文芸社)"), U("キロノ年譜大成(角川書店)")};
        QCOMPARE(Labels(Popup(bar, U("俳句館(&B)"))), haiku);
        QCOMPARE(Labels(Popup(bar, U("作品館(&S)"))),
                 (QStringList{U("作品集"), U("おくのほそ道"), U("更科紀行"), U("野ざらし紀行"), U("鹿島詣"),
                              U("笈の小文"), U("嵯峨日記")}));
        QCOMPARE(Labels(Popup(bar, U("生涯館(&L)"))),
                 (QStringList{U("キロノの略年譜"), U("キロノの弟子・友人"), U("キロノの記念館"), U("キロノの句碑")}));
        QCOMPARE(Labels(Popup(bar, U("データ館(&D)"))),
                 (QStringList{U("キロノの俳句"), U("キロノが詠む動植物"), U("語彙"), "-", U("総合検索")}));
        QCOMPARE(Labels(Popup(bar, U("暦館(&K)"))), (QStringList{U("旧暦・西暦対照表"), "-", U("表示年の設定"), "-", U("日付の換算")}));
        const QStringList help128 = {U("目次(&I)"), "-", U("ﾊﾞｰｼﾞｮﾝ情報(Kirokan)(&A)..."), "-", U("ワンポイント(&O)")};
        QCOMPARE(Labels(Popup(bar, U("ﾍﾙﾌﾟ(&H)"))), help128);

        // A document window brings menu 129.
        run.Command(res::ID_HAIKU_REGISTER);
        QCOMPARE(PopupTitles(bar), (halls + QStringList{U("ｳｨﾝﾄﾞｳ(&W)"), U("ﾍﾙﾌﾟ(&H)")}));
        QCOMPARE(Labels(Popup(bar, U("ﾌｧｲﾙ(&F)"))), (QStringList{U("閉じる(&C)"), U("DKironoの終了(&X)")}));
        QCOMPARE(Labels(Popup(bar, U("俳句館(&B)"))), haiku);
        QCOMPARE(Labels(Popup(bar, U("ﾍﾙﾌﾟ(&H)"))), (help128 + QStringList{"-", U("検索(&F)")}));
        QMenu* window = Popup(bar, U("ｳｨﾝﾄﾞｳ(&W)"));
        emit window->aboutToShow();
        // The open windows are listed after the four commands.
        QCOMPARE(Labels(window), (QStringList{U("新しいｳｨﾝﾄﾞｳを開く(&N)"), U("重ねて表示(&C)"), U("並べて表示(&T)"),
                                              U("ｱｲｺﾝの整列(&A)"), "-", U("&1 登録全句")}));

        // Closing the last document window brings menu 128 back.
        run.Command(res::ID_FILE_CLOSE);
        QCOMPARE(PopupTitles(bar), halls + QStringList{U("ﾍﾙﾌﾟ(&H)")});
        QCOMPARE(Labels(Popup(bar, U("ﾌｧｲﾙ(&F)"))).last(), U("Kirokanの終了(&X)"));
    }

    void commandsAreEnabledExactlyOnTheirRoute() {
        CShellRun run;
        run.WriteSettings("");
        std::vector<std::string> log;
        GetWindowHooks().createHaikuListView = [&log](CKirokanDoc*) { return new CTakingView(res::ID_FIND, &log); };
        GetWindowHooks().createCalendarView = [&log](CKirokanDoc*) {
            return new CTakingView(res::ID_CALENDAR_YEAR, &log);
        };
        QVERIFY(run.Start());
        CSearchBar* bar = run.frame->GetSearchBar();

        // No document window.
        QVERIFY(!run.Action(res::ID_FILE_CLOSE)->isEnabled());
        QVERIFY(!run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
        QVERIFY(!run.Action(res::ID_FIND)->isEnabled());
        QVERIFY(!bar->IsComboEnabled());
        for (int id : {res::ID_HAIKU_REGISTER, res::ID_WORK_OKUNO, res::ID_CALENDAR_TABLE, res::ID_HELP_CONTENTS,
                       res::ID_APP_ABOUT, res::ID_ONE_POINT, res::ID_APP_EXIT, res::ID_VIEW_TOOLBAR})
            QVERIFY2(run.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {res::ID_EDIT_COPY, res::ID_EDIT_PASTE, res::ID_FILE_PRINT, res::ID_FILE_SAVE})
            QVERIFY2(!run.Action(id)->isEnabled(), qPrintable(QString::number(id)));

        // A haiku list window: find and the combo box, not the display year.
        run.Command(res::ID_HAIKU_ICHINICHI);
        QVERIFY(run.Action(res::ID_FILE_CLOSE)->isEnabled());
        QVERIFY(run.Action(res::ID_FIND)->isEnabled());
        QVERIFY(bar->IsComboEnabled());
        QVERIFY(!run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
        QTest::keyClick(run.frame, Qt::Key_F3);
        // The initial update comes before the first activation.
        const std::string find = std::to_string(res::ID_FIND), year = std::to_string(res::ID_CALENDAR_YEAR);
        QCOMPARE(log, (std::vector<std::string>{"initial update " + find, "activate " + find, "handled " + find}));
        log.clear();

        // A calendar window: the display year, not find.
        run.Command(res::ID_CALENDAR_TABLE);
        QVERIFY(run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
        QVERIFY(!run.Action(res::ID_FIND)->isEnabled());
        QVERIFY(!bar->IsComboEnabled());
        QTest::keyClick(run.frame, Qt::Key_F3);  // does nothing here
        run.Command(res::ID_CALENDAR_YEAR);
        QCOMPARE(log, (std::vector<std::string>{"initial update " + year, "deactivate " + find, "activate " + year,
                                                "handled " + year}));

        // Back to the haiku list window.
        run.frame->ActivateChildFrame(run.frame->GetChildFrames().front());
        QVERIFY(run.Action(res::ID_FIND)->isEnabled());
        QVERIFY(bar->IsComboEnabled());

        // Closing it leaves the calendar window active; closing that one too
        // disables everything that needs a window.
        run.Command(res::ID_FILE_CLOSE);
        QVERIFY(!bar->IsComboEnabled());
        QVERIFY(run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
        run.Command(res::ID_FILE_CLOSE);
        QVERIFY(run.frame->GetChildFrames().empty());
        QVERIFY(!run.Action(res::ID_FILE_CLOSE)->isEnabled());
        QVERIFY(!run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
    }

    void toolBarHoldsTheFifteenButtonsInOrder() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QStringList order;
        for (const QAction* a : run.frame->GetToolBar()->actions())
            order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        QStringList expected;
        for (const int id : std::initializer_list<int>{res::ID_WORK_COLLECTION, res::ID_WORK_OKUNO, res::ID_WORK_SARASINA, res::ID_WORK_NOZARASI,
                             res::ID_WORK_KASIMA, res::ID_WORK_KOBUMI, res::ID_WORK_SAGA, 0, res::ID_LIFE_CHRONOLOGY,
                             res::ID_LIFE_FRIENDS, res::ID_LIFE_MEMORIALS, res::ID_LIFE_MONUMENTS, 0,
                             res::ID_DATA_HAIKU_CARD, res::ID_DATA_NATURE, res::ID_DATA_GLOSSARY, 0, res::ID_ONE_POINT})
            expected << (id == 0 ? QStringLiteral("|") : testsupport::IdName(id));
        QCOMPARE(order, expected);
        QCOMPARE(run.frame->GetToolBar()->iconSize(), QSize(16, 15));
        for (const QAction* a : run.frame->GetToolBar()->actions())
            if (!a->isSeparator()) QVERIFY(!a->icon().isNull());

        // The search bar: combo box, separator, find button; its text shows 16 W
        // and twelve full-width characters.
        CSearchBar* search = run.frame->GetSearchBar();
        QCOMPARE(search->objectName(), testsupport::IdName(res::ID_SEARCH_BAR));
        QCOMPARE(search->windowTitle(), U("検索"));
        const QList<QAction*> items = search->actions();
        QCOMPARE(items.size(), 3);
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->objectName(), testsupport::IdName(res::ID_FIND));
        QCOMPARE(search->GetComboBox()->objectName(), testsupport::IdName(res::IDC_SEARCH_COMBO));
        QVERIFY(search->GetComboBox()->isEditable());
        QComboBox* combo = search->GetComboBox();
        const QFontMetrics fm(combo->font());
        QVERIFY(combo->lineEdit()->width() - 4 >= fm.horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWW")));
        QVERIFY(combo->lineEdit()->width() - 4 >= fm.horizontalAdvance(QString(CSearchBar::kFullWidthShown, QChar(0x6F22))));

        // The drop-down shows every row of a short history whole.
        combo->setEnabled(true);
        for (const char* e : {"\xE5\x8F\xA4\xE6\xB1\xA0", "\xE6\x9D\xBE\xE5\xB3\xB6", "\xE6\x9C\x88"})
            combo->addItem(QString::fromUtf8(e));
        combo->showPopup();
        QAbstractItemView* rows = combo->view();
        QVERIFY(rows->sizeHintForRow(0) >= fm.height() + 2);
        QVERIFY(rows->viewport()->height() >= combo->count() * rows->sizeHintForRow(0));
        QCOMPARE(rows->visualRect(rows->model()->index(combo->count() - 1, 0)).bottom() < rows->viewport()->height(), true);
        combo->hidePopup();

        // Floating, the bar has a caption of its own.
        emit search->topLevelChanged(true);
        QVERIFY(!(search->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(search->windowFlags() & Qt::WindowTitleHint);
        QCOMPARE(search->windowTitle(), U("検索"));
    }

    void promptsAndToolTipsComeFromTheStringTable() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        struct {
            int id;
            const char* prompt;
            const char* tip;
        } const cases[] = {
            {res::ID_HAIKU_REGISTER, "『キロノ』辞典に登録されている全句を表示します.", "登録全句"},
            {res::ID_LIFE_FRIENDS, "キロノの弟子・友人などを表示します。", "弟子・友人など"},
            {res::ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", "ﾊﾞｰｼﾞｮﾝ情報"},
            {res::ID_WINDOW_TILE_HORZ, "ｳｨﾝﾄﾞｳを上下に並べて表示", "上下に並べて表示"},
            {res::ID_HAIKU_NENPU, "キロノ年譜大成(角川書店)を表示します", "キロノ年譜大成(角川書店)"},
        };
        for (const auto& c : cases) {
            QCOMPARE(run.Action(c.id)->statusTip(), U(c.prompt));
            QCOMPARE(run.Action(c.id)->toolTip(), U(c.tip));
        }
        // Every tool bar button has a tool tip and a prompt of its own.
        for (const QAction* a : run.frame->GetToolBar()->actions())
            if (!a->isSeparator()) QVERIFY(!a->toolTip().isEmpty() && !a->statusTip().isEmpty());

        // The status bar: the idle text, the prompt while an item is
        // highlighted, the idle text again afterwards.
        QStatusBar* status = run.frame->statusBar();
        QCOMPARE(run.frame->GetIdleLabel()->text(), U("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
        QVERIFY(status->currentMessage().isEmpty());
        QMenu* works = nullptr;
        for (QAction* a : run.frame->menuBar()->actions())
            if (a->text() == U("作品館(&S)")) works = a->menu();
        QVERIFY(works);
        works->popup(QPoint(0, 0));
        works->setActiveAction(run.Action(res::ID_WORK_SAGA));
        QCOMPARE(status->currentMessage(), U("嵯峨日記の全文を表示します"));
        QVERIFY(!run.frame->GetIdleLabel()->isVisible());
        works->hide();
        status->clearMessage();
        QVERIFY(run.frame->GetIdleLabel()->isVisible());
    }

    void acceleratorsReachTheirCommands() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QCOMPARE(run.Action(res::ID_HELP_CONTENTS)->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::Key_F1)}));
        QCOMPARE(run.Action(res::ID_FIND)->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::Key_F3)}));
        QCOMPARE(run.Action(res::ID_EDIT_COPY)->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
        QCOMPARE(run.Action(res::ID_EDIT_UNDO)->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}));
        QCOMPARE(run.Action(res::ID_NEXT_PANE)->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::Key_F6)}));

        run.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.frame));
        // F1 with no Topics.txt: only the message, with the full path.
        QTest::keyClick(run.frame, Qt::Key_F1);
        QCOMPARE(run.messages.size(), size_t(1));
        const std::string path = platform::FromQString(run.DataDir()) + "/TxtData/Topics.txt";
        QCOMPARE(run.messages[0], path + "\n" + S("ファイル を読み出し出来ません."));
        QVERIFY(run.calls.empty());
        // Ctrl+N: the chooser; Ctrl+O: the file dialog (cancelled here).
        QTest::keyClick(run.frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(run.calls.size(), size_t(1));
        QCOMPARE(run.calls[0].what, std::string("modal:CNewTypeDlg"));
        bool asked = false;
        GetWindowHooks().getOpenFileName = [&asked](QWidget*) {
            asked = true;
            return QString();
        };
        QTest::keyClick(run.frame, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(asked);
        QVERIFY(run.frame->GetChildFrames().empty());
    }

    void helpContentsOpensTheBrowserWhenTopicsExist() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(QDir(run.DataDir()).mkpath(QStringLiteral("TxtData")));
        QFile topics(run.DataDir() + QStringLiteral("/TxtData/Topics.txt"));
        QVERIFY(topics.open(QIODevice::WriteOnly));
        topics.close();
        QVERIFY(run.Start());
        run.Command(res::ID_HELP_CONTENTS);
        QVERIFY(run.messages.empty());
        QCOMPARE(run.calls.size(), size_t(1));
        QCOMPARE(run.calls[0].what, std::string("help"));
        const std::string path = platform::FromQString(run.DataDir()) + "/TxtData/Topics.txt";
        QCOMPARE(run.calls[0].text, path + "|" + S("目次") + "|" + S("目次"));
    }

    void sameHaikuCommandTwiceOpensTwoWindowsWithTheSameTitle() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_HAIKU_ICHINICHI);
        run.Command(res::ID_HAIKU_ICHINICHI);
        const auto frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(2));
        QCOMPARE(frames[0]->windowTitle(), U("キロノ一日一句(近代文芸社)"));
        QCOMPARE(frames[1]->windowTitle(), U("キロノ一日一句(近代文芸社)"));
        QVERIFY(frames[0]->GetDocument() != frames[1]->GetDocument());
        QCOMPARE(std::string(run.frame->GetDocTitle()), S("キロノ一日一句(近代文芸社)"));
        QCOMPARE(run.frame->windowTitle(), U("『キロノ』博物館 V1.08 - キロノ一日一句(近代文芸社)"));
        frames[1]->showMaximized();
        run.Flush();
        QCOMPARE(run.frame->windowTitle(), U("『キロノ』博物館 V1.08 - [キロノ一日一句(近代文芸社)]"));
        // The five halls' titles are the orders' labels.
        run.Command(res::ID_HAIKU_OUFUSHA);
        QCOMPARE(run.frame->GetActiveFrame()->windowTitle(), U("キロノ全句集(桜楓社)"));
    }

    void calendarCommandNamesYear1644() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_CALENDAR_TABLE);
        run.Command(res::ID_CALENDAR_TABLE);
        const auto frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(2));
        for (CChildFrame* f : frames) QCOMPARE(f->windowTitle(), U("旧暦／西暦対照表 旧暦  1644年(正保 1年 甲申)"));
    }

    void newWindowsCascadeInsideTheClientArea() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_HAIKU_REGISTER);
        run.Command(res::ID_CALENDAR_TABLE);
        run.Command(res::ID_HAIKU_ICHINICHI);
        run.Flush();
        const QRect area = run.frame->GetMdiArea()->viewport()->rect();
        const auto frames = run.frame->GetChildFrames();
        QCOMPARE(frames.size(), size_t(3));
        for (std::size_t i = 0; i < frames.size(); ++i) {
            QVERIFY2(area.contains(frames[i]->geometry()), qPrintable(frames[i]->windowTitle()));
            if (i > 0) QVERIFY(frames[i]->y() > frames[i - 1]->y());
        }
    }

    void modalCommandsCallTheirWindows() {
        CShellRun run;
        run.WriteSettings("kironoMode=3\nkironoNo=41\n");
        QVERIFY(run.Start());
        // Text works with their kinds, in menu order.
        const int works[] = {res::ID_WORK_COLLECTION, res::ID_WORK_OKUNO,      res::ID_WORK_SARASINA,
                             res::ID_WORK_NOZARASI,   res::ID_WORK_KASIMA,     res::ID_WORK_KOBUMI,
                             res::ID_WORK_SAGA,       res::ID_LIFE_CHRONOLOGY, res::ID_LIFE_FRIENDS,
                             res::ID_LIFE_MEMORIALS,  res::ID_LIFE_MONUMENTS,  res::ID_DATA_NATURE,
                             res::ID_DATA_GLOSSARY};
        for (int id : works) run.Action(id)->trigger();
        std::vector<int> kinds;
        for (const HookCall& c : run.calls) kinds.push_back(c.what == "textWork" ? c.a : -1);
        QCOMPARE(kinds, (std::vector<int>{4, 0, 8, 9, 10, 11, 12, 2, 3, 6, 1, 5, 7}));
        run.calls.clear();
        // The card at the stored order and position; the tips.
        run.Action(res::ID_DATA_HAIKU_CARD)->trigger();
        run.Action(res::ID_ONE_POINT)->trigger();
        QCOMPARE(run.calls.size(), size_t(2));
        QCOMPARE(run.calls[0].what, std::string("card"));
        QCOMPARE(run.calls[0].a, 3);
        QCOMPARE(run.calls[0].b, 41);
        QCOMPARE(run.calls[1].what, std::string("tips"));
        QVERIFY(run.frame->GetChildFrames().empty());
    }

    void versionWindowShowsTheProgramTitle() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QString caption, title;
        QSize size;
        run.onModal = [&](QDialog* dialog) {
            caption = dialog->windowTitle();
            title = platform::ControlById<QLabel>(dialog, res::IDC_ABOUT_TITLE)->text();
            size = dialog->size();
            return int(QDialog::Accepted);
        };
        run.Command(res::ID_APP_ABOUT);
        QCOMPARE(caption, U("ﾊﾞｰｼﾞｮﾝ情報(Kirokan)"));
        QCOMPARE(title, U("『キロノ』博物館 V1.08"));
        const platform::CDialogUnits du(platform::DialogFont());
        QCOMPARE(size, du.Size(217, 55));
    }

    void barTogglesCarryCheckMarks() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QAction* tool = run.Action(res::ID_VIEW_TOOLBAR);
        QAction* status = run.Action(res::ID_VIEW_STATUS_BAR);
        QVERIFY(tool->isChecked() && status->isChecked());
        tool->trigger();
        QVERIFY(run.frame->GetToolBar()->isHidden());
        QVERIFY(!tool->isChecked());
        status->trigger();
        QVERIFY(run.frame->statusBar()->isHidden());
        QVERIFY(!status->isChecked());
        tool->trigger();
        QVERIFY(!run.frame->GetToolBar()->isHidden());
        QVERIFY(tool->isChecked());
    }
};

KIROKAN_WINDOW_TEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
