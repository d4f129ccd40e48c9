// Qt's own dialogs: under a Japanese locale they speak Japanese (under
// another nothing is installed), and the open dialog's columns show whole.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include "app/WindowHooks.h"
#include "platform/QtTranslations.h"
#include "tests/ui/WindowTestMain.h"

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void onlyAJapaneseLocaleInstallsQtsTranslations() {
        QVERIFY(!platform::InstallQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
        QDialogButtonBox before(QDialogButtonBox::Cancel);
        const QString english = before.button(QDialogButtonBox::Cancel)->text();

        QVERIFY2(platform::InstallQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan)),
                 "Qt's Japanese translations (qtbase_ja.qm) are installed by the set-up script");
        QDialogButtonBox after(QDialogButtonBox::Cancel);
        const QString japanese = after.button(QDialogButtonBox::Cancel)->text();
        QVERIFY(japanese != english);
        QVERIFY(japanese.contains(QChar(0x30AD)));  // キ of キャンセル
    }

    void theOpenDialogsColumnsFitTheirEntries() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        FitFileDialogColumns(&dialog);
        const auto trees = dialog.findChildren<QTreeView*>();
        QVERIFY(!trees.isEmpty());
        for (QTreeView* tree : trees) {
            QVERIFY(!tree->header()->stretchLastSection());
            for (int c = 0; c < tree->header()->count(); ++c)
                QCOMPARE(tree->header()->sectionResizeMode(c), QHeaderView::ResizeToContents);
        }
    }
};

KIROKAN_WINDOW_TEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
