// SPDX-License-Identifier: GPL-3.0-or-later
// The irregular verb page in the real window: "搜索" and "清空" with scripted dialogs.

#include "support/WindowFixture.h"
#include "verbs/VerbLookupPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;

Q_DECLARE_METATYPE(morvela::DialogAnswer)

namespace {

const QString NotFound =
    QStringList{
        u"抱歉，未找到对应结果。请检查是否有以下错误：  "_s,
        u"①单词输入错误；"_s,
        u"②输入了包含大写字母的单词；"_s,
        u"③误输入空格；"_s,
        u"④输入了非英文单词；"_s,
        u"⑤输入了非原形动词；"_s,
        u"⑥输入了规则变化动词或不常用动词。"_s,
    }
        .join(u"\r\n"_s);

// The window with its verb page controls at hand.
struct VerbPage {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QLineEdit *dc = f.control<QLineEdit>(verblookuppage::VerbBox);
    QLabel *st = f.control<QLabel>(verblookuppage::FormsResult);
    QLabel *zwhy = f.control<QLabel>(verblookuppage::MeaningResult);
    QPushButton *search = f.control<QPushButton>(verblookuppage::SearchButton);
    QPushButton *clear = f.control<QPushButton>(verblookuppage::ClearButton);

    void searchFor(const QString &typed) {
        dc->setText(typed);
        search->click();
    }
};

} // namespace

class VerbPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void found_data();
    void found();
    void notFound_data();
    void notFound();
    void emptyInputIsIgnored();
    void sameWordTwiceGivesSameCaptions();
    void clearNeedsOk_data();
    void clearNeedsOk();
    void clearEmptiesAllThree();
    void clearAsksAlsoOnEmptyPage();
};

void VerbPageTest::found_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("go") << u"go"_s << u"go-went-gone"_s << u"走"_s;
    QTest::newRow("am/is") << u"am/is"_s << u"am/is-was-been"_s << u"是"_s;
    QTest::newRow("be") << u"be"_s << u"am/is/are-was/were-been"_s << u"是"_s;
    QTest::newRow("can") << u"can"_s << u"can-could-(无完成时)"_s << u"能够"_s;
    QTest::newRow("put") << u"put"_s << u"put-put-put"_s << u"放；击打（高尔夫球）"_s;
    QTest::newRow("hold") << u"hold"_s << u"hold-held-held"_s << u"握住；举行"_s;
}

void VerbPageTest::found() {
    QFETCH(QString, typed);
    QFETCH(QString, forms);
    QFETCH(QString, meaning);
    VerbPage page;
    page.searchFor(typed);
    QCOMPARE(page.st->text(), forms);
    QCOMPARE(page.zwhy->text(), meaning);
    QCOMPARE(page.dc->text(), typed);
    QVERIFY(page.p.dialogs.shown().isEmpty());
}

void VerbPageTest::notFound_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("one blank") << u" "_s;
    QTest::newRow("Go") << u"Go"_s;
    QTest::newRow("go with trailing blank") << u"go "_s;
    QTest::newRow("go with leading blank") << u" go"_s;
    QTest::newRow("is") << u"is"_s;
    QTest::newRow("xyz") << u"xyz"_s;
    QTest::newRow("lone surrogate") << QString(QChar(char16_t(0xD800)));
}

// The warning is shown once and an earlier result stays beside the unmatched input.
void VerbPageTest::notFound() {
    QFETCH(QString, typed);
    VerbPage page;
    page.searchFor(u"go"_s);
    page.searchFor(typed);

    const auto &shown = page.p.dialogs.shown();
    QCOMPARE(shown.size(), qsizetype(1));
    QCOMPARE(shown[0].kind, FakeDialogs::Kind::Info);
    QCOMPARE(shown[0].icon, InfoIcon::Warning);
    QCOMPARE(shown[0].prompt, NotFound);
    QCOMPARE(page.dc->text(), typed);
    QCOMPARE(page.st->text(), u"go-went-gone"_s);
    QCOMPARE(page.zwhy->text(), u"走"_s);
}

void VerbPageTest::emptyInputIsIgnored() {
    VerbPage page;
    page.searchFor(QString());
    QVERIFY(page.p.dialogs.shown().isEmpty());
    QCOMPARE(page.st->text(), QString());
    QCOMPARE(page.zwhy->text(), QString());

    page.searchFor(u"lie"_s);
    page.searchFor(QString());
    QVERIFY(page.p.dialogs.shown().isEmpty());
    QCOMPARE(page.st->text(), u"lie-lay,lied-lain,lied"_s);
    QCOMPARE(page.zwhy->text(), u"躺"_s);
}

void VerbPageTest::sameWordTwiceGivesSameCaptions() {
    VerbPage page;
    page.searchFor(u"lay"_s);
    page.search->click();
    QCOMPARE(page.dc->text(), u"lay"_s);
    QCOMPARE(page.st->text(), u"lay-laid-laid"_s);
    QCOMPARE(page.zwhy->text(), u"放；lie的过去式"_s);
    QVERIFY(page.p.dialogs.shown().isEmpty());
}

void VerbPageTest::clearNeedsOk_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Cancel") << DialogAnswer::Cancel;
    QTest::newRow("closed") << DialogAnswer::NoAnswer;
}

void VerbPageTest::clearNeedsOk() {
    QFETCH(DialogAnswer, answer);
    VerbPage page;
    page.searchFor(u"go"_s);
    page.p.dialogs.answer(answer);
    page.clear->click();

    const auto &shown = page.p.dialogs.shown();
    QCOMPARE(shown.size(), qsizetype(1));
    QCOMPARE(shown[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(shown[0].form, ConfirmForm::OkCancel);
    QCOMPARE(shown[0].prompt, u"您确定要清空数据吗？"_s);
    QCOMPARE(page.dc->text(), u"go"_s);
    QCOMPARE(page.st->text(), u"go-went-gone"_s);
    QCOMPARE(page.zwhy->text(), u"走"_s);
}

void VerbPageTest::clearEmptiesAllThree() {
    VerbPage page;
    page.searchFor(u"go"_s);
    page.p.dialogs.answer(DialogAnswer::Ok);
    page.clear->click();
    QCOMPARE(page.p.dialogs.prompts(), QStringList{u"您确定要清空数据吗？"_s});
    QCOMPARE(page.dc->text(), QString());
    QCOMPARE(page.st->text(), QString());
    QCOMPARE(page.zwhy->text(), QString());
}

void VerbPageTest::clearAsksAlsoOnEmptyPage() {
    VerbPage page;
    page.p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Cancel});
    page.clear->click();
    page.clear->click();
    QCOMPARE(page.p.dialogs.prompts(), (QStringList{u"您确定要清空数据吗？"_s, u"您确定要清空数据吗？"_s}));
    QCOMPARE(page.p.dialogs.unansweredScript(), 0);
}

QTEST_MAIN(VerbPageTest)
#include "tst_verbpage.moc"
