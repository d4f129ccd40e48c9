#include <QtTest>

#include "platform/QtCodec.h"
#include "tests/ui/WindowTestMain.h"

class QtCodecTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip() {
        // This file is UTF-8 (the Qt layer's own encoding).
        const QString texts[] = {QStringLiteral("～"), QStringLiteral("黑"), QStringLiteral("ｷｬﾝｾﾙ"),
                                 QStringLiteral("表ソ"), QStringLiteral("『キロノ』博物館 V1.08")};
        for (const QString& t : texts) QCOMPARE(platform::ToQString(platform::FromQString(t)), t);
        QCOMPARE(platform::FromQString(QStringLiteral("表")), std::string("\x95\x5C"));
    }
    void invalidBytesShowAsReplacementCharacter() {
        QCOMPARE(platform::ToQString(std::string("A\x81")), QString::fromUtf8("A\uFFFD"));
    }
};

KIROKAN_WINDOW_TEST_MAIN(QtCodecTest)
#include "QtCodecTest.moc"
