#include "app/MainWindow.h"
#include "platform/fakes/FakePlatform.h"
#include "support/UserActions.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace morvela;
using morvela::test::bringUp;
using morvela::test::type;

namespace {

const QString Warning = QStringLiteral("返卷规则包含的两个数据都不能小于或等于0！");

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
    QLineEdit *box(const char *name) {
        auto *found = m_window->findChild<QLineEdit *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no text box %s", name);
        return found;
    }
    void press(const char *name) {
        auto *button = m_window->findChild<QPushButton *>(QString::fromLatin1(name));
        if (!button)
            qFatal("no button %s", name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void fill(const QString &spend, const QString &rebate) {
        type(box("mai"), spend);
        type(box("fan"), rebate);
    }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void RebatePageTest::init() {
    m_platform = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_platform->services);
    bringUp(m_window->findChild<QWidget *>(QStringLiteral("RebatePage")));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void RebatePageTest::cleanup() {
    m_window.reset();
    m_platform.reset();
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
    press("Command31");
    QCOMPARE(box("zhe")->text(), discount);
    QVERIFY(m_platform->dialogs.shown().isEmpty());
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
    type(box("zhe"), QStringLiteral("7"));
    fill(spend, rebate);
    press("Command31");

    QCOMPARE(m_platform->dialogs.shown().size(), 1);
    const FakeDialogs::Shown &told = m_platform->dialogs.shown().first();
    QCOMPARE(told.kind, FakeDialogs::Kind::Info);
    QCOMPARE(told.prompt, Warning);
    QCOMPARE(told.icon, InfoIcon::Warning);
    QCOMPARE(box("zhe")->text(), QStringLiteral("7"));
    QCOMPARE(box("mai")->text(), spend);
    QCOMPARE(box("fan")->text(), rebate);
}

void RebatePageTest::aTypedDiscountStaysUntilTheNextConversion() {
    type(box("zhe"), QStringLiteral("九"));
    fill(QStringLiteral("0"), QStringLiteral("50"));
    press("Command31");
    QCOMPARE(box("zhe")->text(), QStringLiteral("九"));
    fill(QStringLiteral("300"), QStringLiteral("100"));
    press("Command31");
    QCOMPARE(box("zhe")->text(), QStringLiteral("7.5"));
}

void RebatePageTest::anOverflowingRuleChangesNothing_data() {
    QTest::addColumn<QString>("spend");
    QTest::addColumn<QString>("rebate");
    QTest::newRow("sum overflows") << QStringLiteral("1e308") << QStringLiteral("1e308");
    QTest::newRow("spend overflows while read") << QStringLiteral("1e999") << QStringLiteral("50");
    QTest::newRow("radix beyond 32 bits") << QStringLiteral("&H100000000") << QStringLiteral("50");
}

// A valid rule whose numbers are too large to work with has no discount: zhe keeps its text, and the rule
// is not reported as invalid (its numbers are above 0).
void RebatePageTest::anOverflowingRuleChangesNothing() {
    QFETCH(QString, spend);
    QFETCH(QString, rebate);
    fill(QStringLiteral("300"), QStringLiteral("100"));
    press("Command31");
    fill(spend, rebate);
    press("Command31");
    QCOMPARE(box("zhe")->text(), QStringLiteral("7.5"));
    QVERIFY(m_platform->dialogs.shown().isEmpty());
}

void RebatePageTest::clearCancelled() {
    fill(QStringLiteral("100"), QStringLiteral("50"));
    press("Command31");
    m_platform->dialogs.answer(DialogAnswer::Cancel);
    press("Command30");

    QCOMPARE(m_platform->dialogs.prompts(), QStringList{QStringLiteral("您确定要清空数据吗？")});
    QCOMPARE(m_platform->dialogs.shown().first().kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(m_platform->dialogs.shown().first().form, ConfirmForm::OkCancel);
    QCOMPARE(box("mai")->text(), QStringLiteral("100"));
    QCOMPARE(box("fan")->text(), QStringLiteral("50"));
    QCOMPARE(box("zhe")->text(), QStringLiteral("6.66666666666667"));
}

void RebatePageTest::clearConfirmed() {
    fill(QStringLiteral("100"), QStringLiteral("50"));
    press("Command31");
    QStringList emptied;
    for (const char *name : {"mai", "fan", "zhe"}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_platform->dialogs.answer(DialogAnswer::Ok);
    press("Command30");

    QCOMPARE(emptied, QStringList({QStringLiteral("mai"), QStringLiteral("fan"), QStringLiteral("zhe")}));
    QVERIFY(box("mai")->text().isEmpty());
    QVERIFY(box("fan")->text().isEmpty());
    QVERIFY(box("zhe")->text().isEmpty());
    QCOMPARE(m_platform->dialogs.shown().size(), 1);
}

QTEST_MAIN(RebatePageTest)
#include "tst_rebatepage.moc"
