// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebate/RebatePage.h"
#include "support/WindowFixture.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;
using namespace morvela::rebatepage;

namespace {

const QString Warning = u"返卷规则包含的两个数据都不能小于或等于0！"_s;

} // namespace

class RebatePageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void converts_data();
    void converts();
    void warnsAboutAnInvalidRule_data();
    void warnsAboutAnInvalidRule();
    void aTypedDiscountStaysUntilTheNextConversion();
    void anOverflowingRuleChangesNothing_data();
    void anOverflowingRuleChangesNothing();
    void clearCancelled();
    void clearConfirmed();

private:
    QLineEdit *box(QLatin1String name) { return m_fixture->control<QLineEdit>(name); }
    void press(QLatin1String name) { m_fixture->press(name); }
    void fill(const QString &spend, const QString &rebate) {
        m_fixture->type(SpendBox, spend);
        m_fixture->type(RebateBox, rebate);
    }

    std::unique_ptr<WindowFixture> m_fixture;
};

void RebatePageTest::init() {
    m_fixture = std::make_unique<WindowFixture>();
    QVERIFY(m_fixture->showPage(Page));
}

void RebatePageTest::cleanup() {
    m_fixture.reset();
}

void RebatePageTest::converts_data() {
    QTest::addColumn<QString>("spend");
    QTest::addColumn<QString>("rebate");
    QTest::addColumn<QString>("discount");

    const auto row = [](const char *spend, const char *rebate, const char *discount) {
        QTest::addRow("%s/%s", spend, rebate)
            << QString::fromUtf8(spend) << QString::fromUtf8(rebate) << QString::fromUtf8(discount);
    };
    row("100", "50", "6.66666666666667");
    row("300", "100", "7.5");
    row("200", "50", "8");
    row("100", "100", "5");
    row("1000", "300", "7.69230769230769");
    row("100", "20", "8.33333333333333");
    row("99", "1", "9.9");
    // Lenient reading: the leading number counts.
    row("100元", "50元", "6.66666666666667");
    row("1,000", "1", "5");
    row(" 1 00", "5 0", "6.66666666666667");
    row("1e2", "&H32", "6.66666666666667");
    // Typed with an input method in full-width mode.
    row("１００", "５０", "6.66666666666667");
    row("１００元", "５０元", "6.66666666666667");
    row("\u3000３００．０", "１Ｅ２", "7.5");
}

void RebatePageTest::converts() {
    QFETCH(QString, spend);
    QFETCH(QString, rebate);
    QFETCH(QString, discount);
    fill(spend, rebate);
    press(ConvertButton);
    QCOMPARE(box(DiscountBox)->text(), discount);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
}

void RebatePageTest::warnsAboutAnInvalidRule_data() {
    QTest::addColumn<QString>("spend");
    QTest::addColumn<QString>("rebate");

    const auto row = [](const char *spend, const char *rebate) {
        QTest::addRow("'%s'/'%s'", spend, rebate) << QString::fromUtf8(spend) << QString::fromUtf8(rebate);
    };
    for (const char *bad : {"", "0", "-50", "abc"})
        row("100", bad);
    for (const char *bad : {"", "0", "-100", "abc"})
        row(bad, "50");
    row("", "");
    row("-1e999", "50");
}

void RebatePageTest::warnsAboutAnInvalidRule() {
    QFETCH(QString, spend);
    QFETCH(QString, rebate);
    m_fixture->type(DiscountBox, u"7"_s);
    fill(spend, rebate);
    press(ConvertButton);

    QCOMPARE(m_fixture->platform.dialogs.shown().size(), 1);
    const FakeDialogs::Shown &told = m_fixture->platform.dialogs.shown().first();
    QCOMPARE(told.kind, FakeDialogs::Kind::Info);
    QCOMPARE(told.prompt, Warning);
    QCOMPARE(told.icon, InfoIcon::Warning);
    QCOMPARE(box(DiscountBox)->text(), u"7"_s);
    QCOMPARE(box(SpendBox)->text(), spend);
    QCOMPARE(box(RebateBox)->text(), rebate);
}

void RebatePageTest::aTypedDiscountStaysUntilTheNextConversion() {
    m_fixture->type(DiscountBox, u"九"_s);
    fill(u"0"_s, u"50"_s);
    press(ConvertButton);
    QCOMPARE(box(DiscountBox)->text(), u"九"_s);
    fill(u"300"_s, u"100"_s);
    press(ConvertButton);
    QCOMPARE(box(DiscountBox)->text(), u"7.5"_s);
}

void RebatePageTest::anOverflowingRuleChangesNothing_data() {
    QTest::addColumn<QString>("spend");
    QTest::addColumn<QString>("rebate");
    QTest::newRow("sum overflows") << u"1e308"_s << u"1e308"_s;
    QTest::newRow("spend overflows while read") << u"1e999"_s << u"50"_s;
    QTest::newRow("radix beyond 32 bits") << u"&H100000000"_s << u"50"_s;
}

// A valid rule whose numbers are too large to work with has no discount: zhe keeps its text, and the rule
// is not reported as invalid (its numbers are above 0).
void RebatePageTest::anOverflowingRuleChangesNothing() {
    QFETCH(QString, spend);
    QFETCH(QString, rebate);
    fill(u"300"_s, u"100"_s);
    press(ConvertButton);
    fill(spend, rebate);
    press(ConvertButton);
    QCOMPARE(box(DiscountBox)->text(), u"7.5"_s);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
}

void RebatePageTest::clearCancelled() {
    fill(u"100"_s, u"50"_s);
    press(ConvertButton);
    m_fixture->platform.dialogs.answer(DialogAnswer::Cancel);
    press(ClearButton);

    QCOMPARE(m_fixture->platform.dialogs.prompts(), QStringList{u"您确定要清空数据吗？"_s});
    QCOMPARE(m_fixture->platform.dialogs.shown().first().kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(m_fixture->platform.dialogs.shown().first().form, ConfirmForm::OkCancel);
    QCOMPARE(box(SpendBox)->text(), u"100"_s);
    QCOMPARE(box(RebateBox)->text(), u"50"_s);
    QCOMPARE(box(DiscountBox)->text(), u"6.66666666666667"_s);
}

void RebatePageTest::clearConfirmed() {
    fill(u"100"_s, u"50"_s);
    press(ConvertButton);
    QStringList emptied;
    for (QLatin1String name : {SpendBox, RebateBox, DiscountBox}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_fixture->platform.dialogs.answer(DialogAnswer::Ok);
    press(ClearButton);

    QCOMPARE(emptied, QStringList({u"mai"_s, u"fan"_s, u"zhe"_s}));
    QVERIFY(box(SpendBox)->text().isEmpty());
    QVERIFY(box(RebateBox)->text().isEmpty());
    QVERIFY(box(DiscountBox)->text().isEmpty());
    QCOMPARE(m_fixture->platform.dialogs.shown().size(), 1);
}

QTEST_MAIN(RebatePageTest)
#include "tst_rebatepage.moc"
