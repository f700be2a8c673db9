// SPDX-License-Identifier: GPL-3.0-or-later
// The irregular verb table and the search over it, without a window.

#include "verbs/IrregularVerbTable.h"
#include "verbs/VerbSearch.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTest>

using namespace morvela;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(morvela::VerbSearchOutcome::Kind)

namespace {

QString text(std::u16string_view view) {
    return textView(view).toString();
}

// The expected table: one line per entry, "No.<TAB>key<TAB>forms<TAB>meaning", UTF-8.
QString fixturePath() {
    return QString::fromUtf8(MORVELA_TEST_DATA_DIR "/verbs.tsv");
}

bool isLowerAsciiWord(const QString &s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'a' || c > u'z')
            return false;
    return true;
}

} // namespace

class VerbsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableMatchesExpectedTable_data();
    void tableMatchesExpectedTable();
    void keysAreUniqueAndWellFormed();
    void formsStartWithKeyAndHaveThreeSlots();
    void punctuationIsAsciiInFormsAndFullWidthInMeanings();
    void sharedMeanings_data();
    void sharedMeanings();
    void lookup_data();
    void lookup();
    void lookupSurvivesAnyText_data();
    void lookupSurvivesAnyText();
    void search_data();
    void search();
    void notFoundTextIsSevenLinesJoinedByCrLf();
};

void VerbsTest::tableMatchesExpectedTable_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QString>("meaning");

    QFile file(fixturePath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(fixturePath()));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), qsizetype(IrregularVerbTable.size()));
    for (const QString &line : lines) {
        const QStringList cells = line.split(u'\t');
        QCOMPARE(cells.size(), qsizetype(4));
        QTest::newRow(qPrintable(cells[1])) << cells[0].toInt() << cells[1] << cells[2] << cells[3];
    }
}

void VerbsTest::tableMatchesExpectedTable() {
    QFETCH(int, row);
    QFETCH(QString, key);
    QFETCH(QString, forms);
    QFETCH(QString, meaning);

    QVERIFY(row >= 1 && row <= int(IrregularVerbTable.size()));
    const VerbEntry &entry = IrregularVerbTable[std::size_t(row - 1)];
    QCOMPARE(text(entry.key), key);
    QCOMPARE(text(entry.forms), forms);
    QCOMPARE(text(entry.meaning), meaning);
    // Each key finds its own row.
    QCOMPARE(lookupVerb(key), &entry);
}

void VerbsTest::keysAreUniqueAndWellFormed() {
    const QStringList slashKeys{u"am/is"_s, u"do/does"_s, u"have/has"_s};
    QSet<QString> seen;
    for (const VerbEntry &entry : IrregularVerbTable) {
        const QString key = text(entry.key);
        QVERIFY2(isLowerAsciiWord(key) || slashKeys.contains(key), qPrintable(key));
        QVERIFY2(!seen.contains(key), qPrintable(key));
        seen.insert(key);
    }
    QCOMPARE(seen.size(), qsizetype(IrregularVerbTable.size()));
    for (const QString &key : slashKeys)
        QVERIFY(seen.contains(key));
}

void VerbsTest::formsStartWithKeyAndHaveThreeSlots() {
    for (const VerbEntry &entry : IrregularVerbTable) {
        const QString key = text(entry.key);
        const QString forms = text(entry.forms);
        if (key == u"be")
            QCOMPARE(forms, u"am/is/are-was/were-been"_s);
        else
            QVERIFY2(forms.startsWith(key + u'-'), qPrintable(forms));
        const QStringList slots = forms.split(u'-');
        QCOMPARE(slots.size(), qsizetype(3));
        for (const QString &slot : slots)
            QVERIFY2(!slot.isEmpty() && !slot.contains(u' '), qPrintable(forms));
        QVERIFY2(!text(entry.meaning).isEmpty(), qPrintable(key));
    }
}

void VerbsTest::punctuationIsAsciiInFormsAndFullWidthInMeanings() {
    const QString noPerfect = u"(无完成时)"_s;
    int modals = 0;
    for (const VerbEntry &entry : IrregularVerbTable) {
        QString forms = text(entry.forms);
        if (forms.endsWith(noPerfect)) {
            ++modals;
            forms.chop(noPerfect.size());
        }
        // Apart from the modal marker, forms are plain ASCII letters joined by "-", "," and "/".
        for (QChar c : forms)
            QVERIFY2((c >= u'a' && c <= u'z') || c == u'-' || c == u',' || c == u'/', qPrintable(forms));
        const QString meaning = text(entry.meaning);
        for (QChar c : {u';', u'(', u')', u',', u' '})
            QVERIFY2(!meaning.contains(c), qPrintable(meaning));
    }
    QCOMPARE(modals, 4);
}

void VerbsTest::sharedMeanings_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("be") << QStringList{u"am"_s, u"am/is"_s, u"are"_s, u"be"_s} << u"是"_s;
    QTest::newRow("do") << QStringList{u"do"_s, u"do/does"_s, u"does"_s} << u"做"_s;
    QTest::newRow("have") << QStringList{u"have"_s, u"have/has"_s, u"has"_s} << u"拥有"_s;
    QTest::newRow("spend") << QStringList{u"cost"_s, u"spend"_s} << u"花费"_s;
}

void VerbsTest::sharedMeanings() {
    QFETCH(QStringList, keys);
    QFETCH(QString, meaning);
    for (const QString &key : keys) {
        const VerbEntry *entry = lookupVerb(key);
        QVERIFY2(entry, qPrintable(key));
        QCOMPARE(text(entry->meaning), meaning);
    }
    int holders = 0;
    for (const VerbEntry &entry : IrregularVerbTable)
        holders += text(entry.meaning) == meaning ? 1 : 0;
    QCOMPARE(holders, int(keys.size()));
}

void VerbsTest::lookup_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("forms");
    QTest::addColumn<QString>("meaning");

    auto hit = [](const char *name, const QString &input, const QString &forms, const QString &meaning) {
        QTest::newRow(name) << input << true << forms << meaning;
    };
    auto miss = [](const char *name, const QString &input) {
        QTest::newRow(name) << input << false << QString() << QString();
    };

    hit("go", u"go"_s, u"go-went-gone"_s, u"走"_s);
    miss("Go", u"Go"_s);
    miss("GO", u"GO"_s);
    miss("leading blank", u" go"_s);
    miss("trailing blank", u"go "_s);
    miss("trailing tab", u"go\t"_s);
    miss("trailing CR LF", u"go\r\n"_s);
    miss("full-width go", u"ｇｏ"_s);
    miss("embedded NUL", u"go"_s + QChar(0));
    miss("prefix of a key", u"g"_s);
    miss("key as prefix", u"goes"_s);

    for (const char *inflected : {"is", "was", "were", "been", "did", "done", "had", "went", "gone"})
        miss(inflected, QString::fromLatin1(inflected));
    hit("does", u"does"_s, u"does-did-done"_s, u"做"_s);
    hit("has", u"has"_s, u"has-had-had"_s, u"拥有"_s);
    hit("am/is", u"am/is"_s, u"am/is-was-been"_s, u"是"_s);
    miss("am/is/are", u"am/is/are"_s);
    miss("is/am", u"is/am"_s);
    miss("am/is with full-width slash", u"am／is"_s);
    hit("be", u"be"_s, u"am/is/are-was/were-been"_s, u"是"_s);

    hit("can", u"can"_s, u"can-could-(无完成时)"_s, u"能够"_s);
    hit("may", u"may"_s, u"may-might-(无完成时)"_s, u"可能"_s);
    hit("shall", u"shall"_s, u"shall-should-(无完成时)"_s, u"将要；必须"_s);
    hit("will", u"will"_s, u"will-would-(无完成时)"_s, u"将要"_s);

    hit("lay", u"lay"_s, u"lay-laid-laid"_s, u"放；lie的过去式"_s);
    hit("lie", u"lie"_s, u"lie-lay,lied-lain,lied"_s, u"躺"_s);
    hit("put", u"put"_s, u"put-put-put"_s, u"放；击打（高尔夫球）"_s);
    hit("hold", u"hold"_s, u"hold-held-held"_s, u"握住；举行"_s);
    hit("cost", u"cost"_s, u"cost-cost-cost"_s, u"花费"_s);
    hit("spend", u"spend"_s, u"spend-spent-spent"_s, u"花费"_s);
    hit("first row", u"am"_s, u"am-was-been"_s, u"是"_s);
    hit("last row", u"write"_s, u"write-wrote-written"_s, u"写"_s);

    miss("empty", QString());
    miss("empty but not null", u""_s);
    miss("one blank", u" "_s);
}

void VerbsTest::lookup() {
    QFETCH(QString, input);
    QFETCH(bool, found);
    QFETCH(QString, forms);
    QFETCH(QString, meaning);

    const VerbEntry *entry = lookupVerb(input);
    QCOMPARE(entry != nullptr, found);
    if (!found)
        return;
    QCOMPARE(text(entry->key), input);
    QCOMPARE(text(entry->forms), forms);
    QCOMPARE(text(entry->meaning), meaning);
}

void VerbsTest::lookupSurvivesAnyText_data() {
    QTest::addColumn<QString>("input");
    const QChar high(char16_t(0xD800));
    const QChar low(char16_t(0xDC00));
    QTest::newRow("lone high surrogate") << QString(high);
    QTest::newRow("lone low surrogate") << QString(low);
    QTest::newRow("key then lone high surrogate") << QString(u"go"_s + high);
    QTest::newRow("reversed pair") << QString(QString(low) + high);
    QTest::newRow("non-character") << QString(QChar(char16_t(0xFFFF)));
    QTest::newRow("1 MB of letters") << QString(1 << 20, u'a');
    QTest::newRow("1 MB of surrogates") << QString(1 << 20, high);
    QTest::newRow("1 MB after a key") << QString(u"go"_s + QString(1 << 20, u' '));
}

void VerbsTest::lookupSurvivesAnyText() {
    QFETCH(QString, input);
    QCOMPARE(lookupVerb(input), nullptr);
    QCOMPARE(searchVerb(input).kind, VerbSearchOutcome::Kind::NotFound);
}

void VerbsTest::search_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<VerbSearchOutcome::Kind>("kind");
    QTest::addColumn<QString>("forms");

    QTest::newRow("null") << QString() << VerbSearchOutcome::Kind::Nothing << QString();
    QTest::newRow("empty") << u""_s << VerbSearchOutcome::Kind::Nothing << QString();
    QTest::newRow("one blank") << u" "_s << VerbSearchOutcome::Kind::NotFound << QString();
    QTest::newRow("go") << u"go"_s << VerbSearchOutcome::Kind::Show << u"go-went-gone"_s;
    QTest::newRow("Go") << u"Go"_s << VerbSearchOutcome::Kind::NotFound << QString();
    QTest::newRow("go with blank") << u"go "_s << VerbSearchOutcome::Kind::NotFound << QString();
    QTest::newRow("am/is") << u"am/is"_s << VerbSearchOutcome::Kind::Show << u"am/is-was-been"_s;
    QTest::newRow("is") << u"is"_s << VerbSearchOutcome::Kind::NotFound << QString();
    QTest::newRow("xyz") << u"xyz"_s << VerbSearchOutcome::Kind::NotFound << QString();
}

void VerbsTest::search() {
    QFETCH(QString, input);
    QFETCH(VerbSearchOutcome::Kind, kind);
    QFETCH(QString, forms);

    const VerbSearchOutcome outcome = searchVerb(input);
    QCOMPARE(outcome.kind, kind);
    if (kind == VerbSearchOutcome::Kind::Show) {
        QVERIFY(outcome.entry);
        QCOMPARE(text(outcome.entry->forms), forms);
    } else {
        QCOMPARE(outcome.entry, nullptr);
    }
}

void VerbsTest::notFoundTextIsSevenLinesJoinedByCrLf() {
    const QStringList expected{
        u"抱歉，未找到对应结果。请检查是否有以下错误：  "_s,
        u"①单词输入错误；"_s,
        u"②输入了包含大写字母的单词；"_s,
        u"③误输入空格；"_s,
        u"④输入了非英文单词；"_s,
        u"⑤输入了非原形动词；"_s,
        u"⑥输入了规则变化动词或不常用动词。"_s,
    };
    QCOMPARE(VerbNotFoundText, expected.join(u"\r\n"));
    // No stray line breaks: exactly six CR LF pairs and nothing after the last hint.
    QCOMPARE(VerbNotFoundText.count(u'\r'), qsizetype(6));
    QCOMPARE(VerbNotFoundText.count(u'\n'), qsizetype(6));
    QVERIFY(VerbNotFoundText.endsWith(u"。"));
    QVERIFY(VerbNotFoundText.split(u"\r\n"_s).first().endsWith(u"：  "));
}

QTEST_MAIN(VerbsTest)
#include "tst_verbs.moc"
