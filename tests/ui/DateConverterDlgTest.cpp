// The date converter window: both sides' fields and the result rows, the
// message for input that names no day, the calendar hall button inside the
// running program, and a layout whose texts fit.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/ChildFrame.h"
#include "calendar/DateConverterDlg.h"
#include "calendar/DayCount.h"
#include "platform/QtCodec.h"
#include "res/ResourceIds.h"
#include "tests/support/ResourceNames.h"
#include "tests/ui/WindowTestMain.h"

using testsupport::FindById;

namespace {

// The window's controls by id.
struct Controls {
    explicit Controls(const QWidget* dlg)
        : era(FindById<QComboBox>(dlg, res::IDC_CONV_ERA)),
          eraYear(FindById<QLineEdit>(dlg, res::IDC_CONV_ERA_YEAR)),
          oldMonth(FindById<QLineEdit>(dlg, res::IDC_CONV_OLD_MONTH)),
          leap(FindById<QCheckBox>(dlg, res::IDC_CONV_LEAP)),
          oldDay(FindById<QLineEdit>(dlg, res::IDC_CONV_OLD_DAY)),
          toWestern(FindById<QPushButton>(dlg, res::IDC_CONV_TO_WESTERN)),
          westernYear(FindById<QLineEdit>(dlg, res::IDC_CONV_WESTERN_YEAR)),
          westernMonth(FindById<QLineEdit>(dlg, res::IDC_CONV_WESTERN_MONTH)),
          westernDay(FindById<QLineEdit>(dlg, res::IDC_CONV_WESTERN_DAY)),
          julian(FindById<QCheckBox>(dlg, res::IDC_CONV_JULIAN)),
          toOld(FindById<QPushButton>(dlg, res::IDC_CONV_TO_OLD)),
          message(FindById<QLabel>(dlg, res::IDC_CONV_MESSAGE)),
          calendar(FindById<QPushButton>(dlg, res::IDC_CONV_CALENDAR)) {
        for (int row = 0; row < CDateConverter::kRowCount; ++row) {
            labels[row] = FindById<QLabel>(dlg, res::IDC_CONV_ROW_LABEL + row);
            values[row] = FindById<QLabel>(dlg, res::IDC_CONV_ROW_VALUE + row);
        }
    }
    bool Complete() const {
        for (int row = 0; row < CDateConverter::kRowCount; ++row)
            if (!labels[row] || !values[row]) return false;
        return era && eraYear && oldMonth && leap && oldDay && toWestern && westernYear && westernMonth &&
               westernDay && julian && toOld && message && calendar;
    }
    void TypeOld(const QString& eraText, const QString& year, const QString& month, bool leapMonth,
                 const QString& day) const {
        era->setEditText(eraText);
        eraYear->setText(year);
        oldMonth->setText(month);
        leap->setChecked(leapMonth);
        oldDay->setText(day);
    }
    void TypeWestern(int year, int month, int day, bool julianDate = false) const {
        westernYear->setText(QString::number(year));
        westernMonth->setText(QString::number(month));
        westernDay->setText(QString::number(day));
        julian->setChecked(julianDate);
    }
    // The value of the row with that label; a null string when none has it.
    QString Value(const char* label) const {
        for (int slot = 0; slot < CDateConverter::kRowCount; ++slot)
            if (labels[slot]->text() == U(label)) return values[slot]->text();
        return QString();
    }
    // Everything shown but the message.
    QStringList Shown() const {
        QStringList s{era->currentText(), eraYear->text(), oldMonth->text(), oldDay->text(), westernYear->text(),
                      westernMonth->text(), westernDay->text()};
        s << QString::number(leap->isChecked()) << QString::number(julian->isChecked())
          << QString::number(calendar->isEnabled());
        for (int row = 0; row < CDateConverter::kRowCount; ++row) s << labels[row]->text() << values[row]->text();
        return s;
    }

    QComboBox* era;
    QLineEdit *eraYear, *oldMonth;
    QCheckBox* leap;
    QLineEdit* oldDay;
    QPushButton* toWestern;
    QLineEdit *westernYear, *westernMonth, *westernDay;
    QCheckBox* julian;
    QPushButton* toOld;
    QLabel* message;
    QPushButton* calendar;
    QLabel* labels[CDateConverter::kRowCount];
    QLabel* values[CDateConverter::kRowCount];
};

}  // namespace

class DateConverterDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTodayWithEveryEraToChoose() {
        CDateConverterDlg dlg;
        const Controls c(&dlg);
        QVERIFY(c.Complete());
        QCOMPARE(dlg.windowTitle(), U("日付の換算"));
        const QDate today = QDate::currentDate();
        QCOMPARE(c.westernYear->text(), QString::number(today.year()));
        QCOMPARE(c.westernMonth->text(), QString::number(today.month()));
        QCOMPARE(c.westernDay->text(), QString::number(today.day()));
        QVERIFY(!c.Value("和暦").isEmpty());
        QVERIFY(!c.calendar->isEnabled());
        QCOMPARE(c.era->count(), static_cast<int>(dlg.Converter().GetEraItems().size()));
        QCOMPARE(c.era->itemText(0), U("西暦"));
        QVERIFY(c.era->findText(U("元禄 1688")) > 0);
        QVERIFY(c.era->findText(U("暦応 1338 北朝")) > 0);
    }

    void convertsBothWaysAndFillsTheOtherSide() {
        CDateConverterDlg dlg;
        dlg.show();
        const Controls c(&dlg);
        c.TypeOld(U("元禄"), QStringLiteral("7"), QStringLiteral("10"), false, QStringLiteral("12"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QCOMPARE(c.message->text(), QString());
        QCOMPARE(c.westernYear->text(), QStringLiteral("1694"));
        QCOMPARE(c.westernMonth->text(), QStringLiteral("11"));
        QCOMPARE(c.westernDay->text(), QStringLiteral("28"));
        QCOMPARE(c.Value("旧暦"), U("元禄7年10月12日"));
        QCOMPARE(c.Value("西暦"), U("1694年11月28日(日曜日)"));
        QCOMPARE(c.Value("キロノ"), U("数え年51歳"));
        QCOMPARE(c.era->currentText(), U("元禄 1688"));
        QVERIFY(c.calendar->isEnabled());

        // Enter in a Western field converts that side.
        c.TypeWestern(1350, 5, 10);
        c.westernDay->setFocus();
        QTest::keyClick(c.westernDay, Qt::Key_Return);
                QVERIFY(c.Value("旧暦").startsWith(U("正平5年")));
        QVERIFY(c.Value("北朝").startsWith(U("観応元年")));
        QVERIFY(!c.Value("ユリウス暦").isEmpty());
        QCOMPARE(c.era->currentText(), U("正平 1346"));
        QCOMPARE(c.eraYear->text(), QStringLiteral("5"));
        QVERIFY(!c.calendar->isEnabled());
        QVERIFY(c.Value("キロノ").isNull());
        // The rows that apply are listed one under the other.
        QCOMPARE(c.labels[1]->text(), U("北朝"));
        QCOMPARE(c.labels[6]->text(), QString());

        // A Julian date, and Enter in the era's own field for the old side.
        c.TypeWestern(1582, 10, 4, true);
        QTest::mouseClick(c.toOld, Qt::LeftButton);
        QCOMPARE(c.Value("西暦").left(11), U("1582年10月14日"));
        QVERIFY(c.julian->isChecked());
        c.TypeOld(U("亨保"), U("元"), QStringLiteral("6"), false, QStringLiteral("22"));
        c.era->lineEdit()->setFocus();
        QTest::keyClick(c.era->lineEdit(), Qt::Key_Return);
        QCOMPARE(c.Value("旧暦"), U("享保元年6月22日"));
        QCOMPARE(c.era->currentText(), U("享保 1716"));
        QVERIFY(!c.julian->isChecked());
    }

    void inputThatNamesNoDayOnlyShowsAMessage() {
        CDateConverterDlg dlg;
        dlg.show();
        const Controls c(&dlg);
        c.TypeOld(U("元禄"), QStringLiteral("2"), QStringLiteral("3"), false, QStringLiteral("27"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        const QStringList before = c.Shown();

        c.oldMonth->setText(QStringLiteral("12"));
        c.oldDay->setText(QStringLiteral("30"));  // 元禄2年12月 has 29 days
        QStringList typed = before;
        typed[2] = QStringLiteral("12");
        typed[3] = QStringLiteral("30");
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QCOMPARE(c.message->text(), U("元禄2年12月は29日までです。"));
        QCOMPARE(c.Shown(), typed);
        QVERIFY(c.message->isVisible());

        c.TypeWestern(2052, 2, 1);
        typed[4] = QStringLiteral("2052");
        typed[5] = QStringLiteral("2");
        typed[6] = QStringLiteral("1");
        QTest::mouseClick(c.toOld, Qt::LeftButton);
        QCOMPARE(c.message->text(), U("換算できるのは西暦593年2月9日から2052年1月31日までです。"));
        QCOMPARE(c.Shown(), typed);

        // A day that exists clears the message.
        c.oldDay->setText(QStringLiteral("29"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QCOMPARE(c.message->text(), QString());
        QCOMPARE(c.Value("西暦"), U("1690年2月8日(水曜日)"));
    }

    // Inside the program the button opens the calendar hall's list at the
    // day's old-calendar year.
    void calendarButtonOpensTheHallAtTheYear() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_CALENDAR_CONVERT);
        CDateConverterDlg* dlg = run.frame->GetDateConverter();
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());
        const Controls c(dlg);
        c.TypeOld(U("元禄"), QStringLiteral("2"), QStringLiteral("3"), false, QStringLiteral("27"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QVERIFY(c.calendar->isEnabled());
        QTest::mouseClick(c.calendar, Qt::LeftButton);
        run.Flush();
        CChildFrame* frame = run.frame->GetActiveFrame();
        QVERIFY(frame);
        QVERIFY(frame->windowTitle().contains(U("1689年(元禄 2年 己巳)")));
        // A year the list does not have leaves the button off.
        c.TypeWestern(1700, 1, 1);
        QTest::mouseClick(c.toOld, Qt::LeftButton);
        QVERIFY(!c.calendar->isEnabled());
        // The command shows the same window again.
        dlg->hide();
        run.Command(res::ID_CALENDAR_CONVERT);
        QCOMPARE(run.frame->GetDateConverter(), dlg);
        QVERIFY(dlg->isVisible());
        QCOMPARE(c.westernYear->text(), QStringLiteral("1700"));
        QVERIFY(run.messages.empty());
    }

    // The longest texts fit their controls, and no two controls overlap.
    void textsFitAndControlsDoNotOverlap() {
        CDateConverterDlg dlg;
        dlg.show();
        const Controls c(&dlg);
        auto fits = [](QWidget* w, const QString& text) {
            return w->fontMetrics().horizontalAdvance(text) <= w->width();
        };
        // A leap month on a day of both courts, with a long reading.
        c.TypeOld(U("観応"), QStringLiteral("2"), QStringLiteral("12"), false, QStringLiteral("29"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QCOMPARE(c.message->text(), QString());
        for (int row = 0; row < CDateConverter::kRowCount; ++row) {
            QVERIFY2(fits(c.labels[row], c.labels[row]->text()), qPrintable(c.labels[row]->text()));
            QVERIFY2(fits(c.values[row], c.values[row]->text()), qPrintable(c.values[row]->text()));
        }
        QVERIFY(fits(c.values[0], U("元中9年閏10月30日(南朝)")));
        QVERIFY(fits(c.values[0], U("己未(つちのと・ひつじ)")));
        QVERIFY(fits(c.labels[0], U("ユリウス暦")));
        QVERIFY(fits(c.era, U("天平勝宝 749 ")));
        QVERIFY(fits(c.eraYear, QStringLiteral("2051")));
        // The longest message fits in two lines.
        c.TypeOld(U("元禄"), QStringLiteral("7"), QStringLiteral("4"), true, QStringLiteral("1"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QVERIFY(c.message->heightForWidth(c.message->width()) <= c.message->height());
        c.TypeOld(QString(), QStringLiteral("1"), QStringLiteral("1"), false, QStringLiteral("1"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QVERIFY(c.message->heightForWidth(c.message->width()) <= c.message->height());

        const QList<QWidget*> children = dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* a : children) {
            if (qobject_cast<QAbstractButton*>(a) || qobject_cast<QLineEdit*>(a) || qobject_cast<QComboBox*>(a))
                QVERIFY2(a->sizeHint().height() <= a->height() + 4 || qobject_cast<QComboBox*>(a),
                         qPrintable(a->objectName()));
            if (qobject_cast<QGroupBox*>(a)) continue;
            for (QWidget* b : children) {
                if (a == b || qobject_cast<QGroupBox*>(b)) continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QStringLiteral(" / ") + b->objectName()));
            }
            QVERIFY2(dlg.rect().contains(a->geometry()), qPrintable(a->objectName()));
        }
        for (QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) {
            const int indicator = qobject_cast<QCheckBox*>(b) ? 20 : 8;
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + indicator <= b->width(),
                     qPrintable(b->text()));
        }
    }

    // With KIROKAN_SCREENSHOT_DIR set, saves the window on the day of the
    // northern journey's departure as date-converter.png there.
    void screenshot() {
        const QString dir = qEnvironmentVariable("KIROKAN_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("KIROKAN_SCREENSHOT_DIR not set");
        CDateConverterDlg dlg;
        dlg.show();
        const Controls c(&dlg);
        c.TypeOld(U("元禄"), QStringLiteral("2"), QStringLiteral("3"), false, QStringLiteral("27"));
        QTest::mouseClick(c.toWestern, Qt::LeftButton);
        QVERIFY(dlg.grab().save(dir + QStringLiteral("/date-converter.png")));
    }
};

KIROKAN_WINDOW_TEST_MAIN(DateConverterDlgTest)
#include "DateConverterDlgTest.moc"
