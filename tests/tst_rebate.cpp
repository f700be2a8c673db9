// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberForms.h"
#include "rebate/RebateDiscount.h"

#include <QTest>

#include <limits>

using namespace morvela;
using namespace Qt::StringLiterals;

class RebateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void discount_data();
    void discount();
    void invalidRule_data();
    void invalidRule();
};

void RebateTest::discount_data() {
    QTest::addColumn<double>("spend");
    QTest::addColumn<double>("rebate");
    QTest::addColumn<QString>("expected"); // "-": a valid rule without a value

    QTest::newRow("100/50") << 100.0 << 50.0 << u"6.66666666666667"_s;
    QTest::newRow("300/100") << 300.0 << 100.0 << u"7.5"_s;
    QTest::newRow("200/50") << 200.0 << 50.0 << u"8"_s;
    QTest::newRow("100/100") << 100.0 << 100.0 << u"5"_s;
    QTest::newRow("1000/300") << 1000.0 << 300.0 << u"7.69230769230769"_s;
    QTest::newRow("100/20") << 100.0 << 20.0 << u"8.33333333333333"_s;
    QTest::newRow("99/1") << 99.0 << 1.0 << u"9.9"_s;
    QTest::newRow("fractions") << 0.5 << 0.25 << u"6.66666666666667"_s;
    QTest::newRow("smallest doubles")
        << std::numeric_limits<double>::denorm_min() << std::numeric_limits<double>::denorm_min() << u"5"_s;
    QTest::newRow("largest that still add") << 8e307 << 8e307 << u"5"_s;
    QTest::newRow("a voucher too small to count") << 1e300 << 1e-300 << u"10"_s;
    // The sum overflows: 1e308/inf would be 0, a plainly wrong "pay nothing".
    QTest::newRow("sum overflows") << 1e308 << 1e308 << u"-"_s;
    QTest::newRow("spend overflowed while read") << std::numeric_limits<double>::infinity() << 50.0 << u"-"_s;
}

void RebateTest::discount() {
    QFETCH(double, spend);
    QFETCH(double, rebate);
    QFETCH(QString, expected);
    const RebateDiscount result = RebateToDiscount(spend, rebate);
    QVERIFY(!result.invalidRule);
    QCOMPARE(result.discount ? NumberText(*result.discount) : u"-"_s, expected);
}

void RebateTest::invalidRule_data() {
    QTest::addColumn<double>("spend");
    QTest::addColumn<double>("rebate");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("spend 0") << 0.0 << 50.0;
    QTest::newRow("rebate 0") << 100.0 << 0.0;
    QTest::newRow("both 0") << 0.0 << 0.0;
    QTest::newRow("spend negative") << -100.0 << 50.0;
    QTest::newRow("rebate negative") << 100.0 << -50.0;
    QTest::newRow("negative zero") << -0.0 << 50.0;
    QTest::newRow("spend negative infinity") << -inf << 50.0;
    QTest::newRow("rebate NaN") << 100.0 << std::numeric_limits<double>::quiet_NaN();
}

void RebateTest::invalidRule() {
    QFETCH(double, spend);
    QFETCH(double, rebate);
    const RebateDiscount result = RebateToDiscount(spend, rebate);
    QVERIFY(result.invalidRule);
    QVERIFY(!result.discount);
}

QTEST_MAIN(RebateTest)
#include "tst_rebate.moc"
