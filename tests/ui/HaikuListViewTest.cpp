#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "haiku/HaikuListView.h"
#include "haiku/HaikuOrders.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "HaikuTestData.h"
#include "tests/ui/WindowTestMain.h"

using platform::ToQString;

class HaikuListViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<halltest::DataDir> data;
    std::vector<QString> messages;
    int beeps = 0;

    std::unique_ptr<CHaikuListView> Open(int order, const std::string& title = {}) {
        auto view = std::make_unique<CHaikuListView>();
        view->resize(1400, 500);
        view->show();
        view->OnInitialUpdate(title.empty() ? haiku::GetOrderLabel(order) : title);
        return view;
    }
    static QString Cell(const CHaikuListView& v, int row, int column) {
        return v.model()->data(v.model()->index(row, column)).toString();
    }
    static void ClickHeader(CHaikuListView& v, int column) {
        QHeaderView* header = v.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    }

private slots:
    void initTestCase() {
        data = std::make_unique<halltest::DataDir>();
        platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            messages.push_back(ToQString(text));
            return platform::kIdOk;
        });
        platform::SetBeepHandler([this] { ++beeps; });
    }
    void init() { messages.clear(); }

    void rowsAndCellsOfTheOrders() {
        auto reg = Open(0);
        QCOMPARE(reg->model()->rowCount(), 1017);
        QCOMPARE(reg->model()->columnCount(), 9);
        QCOMPARE(reg->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("第ニ句"));
        auto daily = Open(3);
        QCOMPARE(daily->model()->rowCount(), 365);
        QCOMPARE(Cell(*daily, 34, 0), QStringLiteral("  35"));
        QCOMPARE(Cell(*daily, 34, 1), QStringLiteral("春や来し"));
        QCOMPARE(Cell(*daily, 34, 2), QStringLiteral("年や行きけん"));
        QCOMPARE(Cell(*daily, 34, 3), QStringLiteral("小晦日"));
        QCOMPARE(Cell(*daily, 34, 7), QStringLiteral("寛文 2年壬寅(1662)(19才)"));
        // Notes columns come from the notes file (registered number 1).
        QCOMPARE(Cell(*daily, 34, 4), QStringLiteral("春"));
        QCOMPARE(Cell(*daily, 34, 6), QStringLiteral("出典1"));
        QVERIFY(messages.empty());
    }

    void titleNamingNoOrderShowsAnEmptyList() {
        auto view = Open(0, halltest::Sjis("Kiroka1"));
        QCOMPARE(view->model()->rowCount(), 0);
        ClickHeader(*view, 1);
        view->FindText("x");
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(view->model()->rowCount(), 0);
        QCOMPARE(messages.size(), size_t(1));  // only the not-found message of the find
    }

    void numberColumnRestoresTheOrdersNumbering() {
        auto view = Open(0);
        ClickHeader(*view, 1);
        QVERIFY(Cell(*view, 0, 0) != QStringLiteral("   1") || Cell(*view, 1, 0) != QStringLiteral("   2"));
        ClickHeader(*view, 0);
        for (int r = 0; r < 1017; ++r) QCOMPARE(Cell(*view, r, 0).trimmed().toInt(), r + 1);
    }

    void seasonWordSortPutsRowsWithoutOneLastInNumberOrder() {
        auto view = Open(0);
        ClickHeader(*view, 5);
        const int n = view->model()->rowCount();
        int first = n;
        for (int r = 0; r < n; ++r)
            if (Cell(*view, r, 5).isEmpty()) { first = r; break; }
        QCOMPARE(n - first, 1017 / 5);  // every fifth section has no season word
        for (int r = first + 1; r < n; ++r) {
            QVERIFY(Cell(*view, r, 5).isEmpty());
            QVERIFY(Cell(*view, r, 0).trimmed().toInt() > Cell(*view, r - 1, 0).trimmed().toInt());
        }
    }

    void yearSortPutsSpansAfterTheirEndYear() {
        auto view = Open(1);
        ClickHeader(*view, 7);
        const int n = view->model()->rowCount();
        int last1662 = -1, first1663 = n, last1672 = -1, span = -1;
        for (int r = 0; r < n; ++r) {
            const QString y = Cell(*view, r, 7);
            if (y.endsWith(QStringLiteral("(1662)(19才)"))) last1662 = r;
            if (y.endsWith(QStringLiteral("(1663)(20才)"))) first1663 = std::min(first1663, r);
            if (y == QStringLiteral("寛文 12年壬子(1672)(29才)")) last1672 = r;
            if (y == QStringLiteral("寛文 1年辛丑(1661)(18才)～寛文 12年壬子(1672)(29才)")) span = r;
        }
        QVERIFY(last1662 >= 0);
        QVERIFY(last1662 < first1663);
        QVERIFY(last1672 >= 0);
        QVERIFY(span > last1672);
        QCOMPARE(Cell(*view, span, 0).trimmed(), QStringLiteral("40"));
    }

    void creatureSortGroupsByClass() {
        auto view = Open(0);
        ClickHeader(*view, 8);
        const int n = view->model()->rowCount();
        QCOMPARE(view->List().GetRowRecord(0).creatureClass, 1);
        QCOMPARE(view->List().GetRowRecord(n - 1).creatureClass, 99);
        QVERIFY(Cell(*view, n - 1, 8).isEmpty());
        QVERIFY(!Cell(*view, 0, 8).isEmpty());
    }

    void findScrollsTheFirstMatchToTheTop() {
        auto view = Open(0);
        std::string searched;
        CHaikuListView::DocumentHooks hooks;
        hooks.takeSearchText = [&searched] { return searched; };
        view->SetDocumentHooks(hooks);
        const int selected = 5;
        view->selectRow(selected);

        searched = halltest::Sjis("存在しない句");
        view->OnFind();
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0], QStringLiteral("検索文字列 : 存在しない句 が見つかりません."));
        QCOMPARE(view->rowAt(0), 0);

        searched = halltest::Sjis("此道帰る");  // number 1017's second phrase
        view->OnFind();
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
        QVERIFY(view->rowAt(view->viewport()->height() - 2) >= 1016 - 1);

        searched = halltest::Sjis("月ぞしるべ");  // number 2
        view->OnFind();
        QCOMPARE(view->rowAt(0), 1);
        searched.clear();
        view->OnFind();
        QCOMPARE(view->rowAt(0), 0);
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view->selectionModel()->selectedRows().front().row(), selected);

        // After a sort the first match in the sorted order is found.
        ClickHeader(*view, 8);
        searched = halltest::Sjis("の");
        view->OnFind();
        const int found = view->rowAt(0);
        QVERIFY(found >= 0);
        const QString no = QStringLiteral("の");
        QVERIFY(Cell(*view, found, 1).contains(no) || Cell(*view, found, 2).contains(no) ||
                Cell(*view, found, 3).contains(no));
        for (int r = 0; r < found; ++r)
            QVERIFY(!Cell(*view, r, 1).contains(no) && !Cell(*view, r, 2).contains(no) &&
                    !Cell(*view, r, 3).contains(no));
        QCOMPARE(messages.size(), size_t(1));
    }

    void widthsReturnToTheirDefaultsAfterASort() {
        auto view = Open(3);
        QHeaderView* header = view->horizontalHeader();
        const int avg = QFontMetrics(view->font()).averageCharWidth();
        QVERIFY(header->sectionSize(0) >= 4 * avg);  // wider where the digits are (see below)
        QCOMPARE(header->sectionSize(7), 18 * avg);
        header->resizeSection(1, 333);
        header->resizeSection(7, 20);
        ClickHeader(*view, 3);
        QCOMPARE(header->sectionSize(1), 10 * avg);
        QCOMPARE(header->sectionSize(7), 18 * avg);
    }

    void numberColumnShowsFourDigitsWhole() {
        // Numbers 1000 to 1017 fill the four places of "%4d"; where the
        // font's digits are wider than its average character the column
        // still shows them whole, before and after a sort.
        auto view = Open(0);
        const QFontMetrics fm(view->font());
        const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view.get()) + 1);
        for (int pass = 0; pass < 2; ++pass) {
            QVERIFY(view->horizontalHeader()->sectionSize(0) >= 4 * fm.averageCharWidth());
            for (int row = 999; row < 1017; ++row) {
                const QString number = Cell(*view, row, 0);
                QCOMPARE(number.size(), 4);
                QVERIFY2(fm.horizontalAdvance(number) + margins <= view->horizontalHeader()->sectionSize(0),
                         qPrintable(number));
            }
            ClickHeader(*view, 0);
        }
    }

    void twoWindowsOfOneOrderSortIndependently() {
        auto a = Open(3);
        auto b = Open(3);
        ClickHeader(*a, 8);
        QCOMPARE(Cell(*b, 0, 0), QStringLiteral("   1"));
        ClickHeader(*b, 5);
        QCOMPARE(a->List().GetRowRecord(0).creatureClass, 1);
        QVERIFY(Cell(*a, 0, 0) != Cell(*b, 0, 0));
        ClickHeader(*a, 0);
        QCOMPARE(Cell(*a, 0, 0), QStringLiteral("   1"));
        QVERIFY(Cell(*b, 0, 0) != QStringLiteral("   1") || Cell(*b, 1, 0) != QStringLiteral("   2"));
    }

    void doubleClickOpensTheCardOnTheRowsSlotAndBeepsBesideTheRows() {
        auto view = Open(3);
        ClickHeader(*view, 1);
        std::vector<std::pair<int, int>> opened;
        view->openCard = [&opened](int order, int slot) { opened.emplace_back(order, slot); };
        const int row = 3;
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(opened.size(), size_t(1));
        QCOMPARE(opened[0].first, 3);
        QCOMPARE(opened[0].second + 1, Cell(*view, row, 0).trimmed().toInt());
        const int before = beeps;
        const int right = view->horizontalHeader()->length() + 20;
        QVERIFY(right < view->viewport()->width());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(right, cell.center().y()));
        QCOMPARE(beeps, before + 1);
        QCOMPARE(opened.size(), size_t(1));
    }

    void activationAndThePathFollowTheDocument() {
        auto view = std::make_unique<CHaikuListView>();
        std::vector<bool> enabled;
        std::string path;
        CHaikuListView::DocumentHooks hooks;
        hooks.enableSearchCombo = [&enabled](bool on) { enabled.push_back(on); };
        hooks.setPathName = [&path](const std::string& p) { path = p; };
        view->SetDocumentHooks(hooks);
        view->OnInitialUpdate(haiku::GetOrderLabel(4));
        QCOMPARE(path, std::string(haiku::GetOrderLabel(4)));
        view->OnActivateView(true);
        view->OnActivateView(false);
        QCOMPARE(enabled, (std::vector<bool>{true, false}));
    }
};

KIROKAN_WINDOW_TEST_MAIN(HaikuListViewTest)
#include "HaikuListViewTest.moc"
