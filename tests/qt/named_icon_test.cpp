#include "qt/kelvoqt.h"

#include <QTest>

namespace {

class NamedIconTest : public QObject {
    Q_OBJECT

private slots:
    void theKelvoIconIsTheCardWithItsCurve()
    {
        QImage const icon = kelvoqt::named_icon(QStringLiteral("Kelvo"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon.pixel(0, 0), QRgb{0x00000000}); // transparent outside the card
        QCOMPARE(icon.pixel(1, 1), QRgb{0xFF000000}); // its frame
        QCOMPARE(icon.pixel(3, 3), QRgb{0xFFFFFFFF});
        QCOMPARE(icon.pixel(6, 10), QRgb{0xFF808080}); // the vertical axis
    }

    void otherNamesGiveANullImage()
    {
        QVERIFY(kelvoqt::named_icon(QStringLiteral("kelvo")).isNull());
        QVERIFY(kelvoqt::named_icon(QString()).isNull());
    }
};

} // namespace

QTEST_MAIN(NamedIconTest)
#include "named_icon_test.moc"
