// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemShell.h"
#include "support/WindowFixture.h"
#include "webmail/MailShortcutTable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;

namespace {

const MailShortcut *rowNamed(const QString &name) {
    for (const MailShortcut &row : MailShortcutTable())
        if (QLatin1String(row.name) == name)
            return &row;
    return nullptr;
}

// The "key=value" pairs of an address's query, in order.
QList<QPair<QString, QString>> queryPairs(const QString &address) {
    QList<QPair<QString, QString>> pairs;
    const qsizetype mark = address.indexOf(QLatin1Char('?'));
    if (mark < 0)
        return pairs;
    const QStringList parts = address.mid(mark + 1).split(QLatin1Char('&'));
    for (const QString &part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        pairs.append({part.left(eq), eq < 0 ? QString() : part.mid(eq + 1)});
    }
    return pairs;
}

// Everything a handler could have changed about the window's controls, one line per named widget.
QStringList controlSnapshot(const QWidget &window) {
    QStringList lines;
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        if (w->objectName().isEmpty())
            continue;
        QString text;
        if (const auto *box = qobject_cast<const QLineEdit *>(w))
            text = box->text();
        else if (const auto *multi = qobject_cast<const QPlainTextEdit *>(w))
            text = multi->toPlainText();
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            text = QString::number(tabs->currentIndex());
        const QRect g = w->geometry();
        lines.append(u"%1 %2 %3,%4 %5x%6 hidden=%7 enabled=%8 [%9]"_s
                         .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height())
                         .arg(w->isHidden())
                         .arg(w->isEnabled())
                         .arg(text));
    }
    lines.sort();
    return lines;
}

// The sixteen rows written out by hand: each button's name, caption, place in the grid (row, column)
// and the full address it opens (scheme, host, path and query).
void addHandWrittenRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("address");
    const auto add = [](const char *name, const QString &caption, int row, int column,
                        const QString &address) {
        QTest::newRow(name) << QString::fromLatin1(name) << caption << row << column << address;
    };
    add("Command1", u"Hotmail/Live 邮箱"_s, 1, 1, u"http://www.msn.cn/"_s);
    add("Command2", u"QQ 邮箱"_s, 4, 2, u"http://mail.qq.com/"_s);
    add("Command3", u"TOM 邮箱"_s, 4, 1, u"http://mail.tom.com/"_s);
    add("Command4", u"21CN 邮箱"_s, 3, 4, u"http://www.21cn.com/"_s);
    add("Command5", u"搜狐邮箱"_s, 2, 3, u"http://mail.sohu.com/"_s);
    add("Command6", u"yeah 邮箱"_s, 3, 3, u"http://www.yeah.net/"_s);
    add("Command7", u"163 邮箱"_s, 3, 1, u"http://mail.163.com/"_s);
    add("Command8", u"126 邮箱"_s, 3, 2, u"http://www.126.com/"_s);
    add("Command9", u"新浪邮箱"_s, 2, 2, u"http://mail.sina.com.cn/"_s);
    add("Command10", u"雅虎邮箱"_s, 2, 1, u"http://mail.cn.yahoo.com/"_s);
    add("Command11", u"189 邮箱"_s, 1, 3, u"http://www.189.cn/webmail/"_s);
    add("Command12", u"139 邮箱"_s, 1, 4, u"http://mail.10086.cn/"_s);
    add("Command13", u"搜狗邮箱"_s, 2, 4, u"http://mail.sogou.com/"_s);
    add("Command14", u"foxmail 邮箱"_s, 4, 3, u"http://mail.foxmail.com/cgi-bin/loginpage?from=domain"_s);
    add("Command15", u"Gmail 邮箱"_s, 1, 2,
        u"https://www.google.com/accounts/ServiceLogin?service=mail&passive=true&rm=false&continue="
        "http%3A%2F%2Fmail.google.com%2Fmail%2F%3Fhl%3Dzh-CN%26ui%3Dhtml%26zy%3Dl"
        "&bsv=qmfwkzrtejvd&scc=1&ltmpl=default&ltmplcache=2&hl=zh-CN"_s);
    add("Command16", u"更多……"_s, 4, 4, u"http://www.google.cn/"_s);
}

} // namespace

class WebmailTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rows_data();
    void rows();
    void namesAndGridPlacesAreUnique();
    void addressesSurviveUrlParsingUnchanged();

    void gmailQueryKeysInOrder();
    void gmailContinueValue();

    void gridFormula_data();
    void gridFormula();

    void commandLine_data();
    void commandLine();
    void quotedArgument_data();
    void quotedArgument();
    void everyCommandLineGivesBackItsAddress();

    // The buttons of the real window.
    void buttonSitsOnItsGridPlace_data() { addHandWrittenRows(); }
    void buttonSitsOnItsGridPlace();
    void clickLaunchesItsAddressMinimized_data() { addHandWrittenRows(); }
    void clickLaunchesItsAddressMinimized();
    void twoClicksLaunchTwice();
    void clickChangesNoControl_data();
    void clickChangesNoControl();
};

void WebmailTest::rows_data() {
    addHandWrittenRows();
}

void WebmailTest::rows() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, address);

    const MailShortcut *shortcut = rowNamed(name);
    QVERIFY(shortcut);
    QCOMPARE(shortcut->caption, caption);
    QCOMPARE(shortcut->row, row);
    QCOMPARE(shortcut->column, column);
    QCOMPARE(shortcut->address, address);
}

void WebmailTest::namesAndGridPlacesAreUnique() {
    const QList<MailShortcut> &table = MailShortcutTable();
    QCOMPARE(table.size(), 16);
    QSet<int> places;
    for (qsizetype i = 0; i < table.size(); ++i) {
        // Command1 to Command16 in order: the handlers rely on it.
        QCOMPARE(QLatin1String(table[i].name), u"Command%1"_s.arg(i + 1));
        QVERIFY(table[i].row >= 1 && table[i].row <= 4);
        QVERIFY(table[i].column >= 1 && table[i].column <= 4);
        places.insert(table[i].row * 10 + table[i].column);
    }
    QCOMPARE(places.size(), 16);
}

void WebmailTest::addressesSurviveUrlParsingUnchanged() {
    // Where the browser is reached through QUrl, the address must come out byte for byte as written.
    for (const MailShortcut &row : MailShortcutTable()) {
        const QUrl url = QUrl::fromEncoded(row.address.toUtf8(), QUrl::StrictMode);
        QVERIFY2(url.isValid(), row.name);
        QCOMPARE(QString::fromUtf8(url.toEncoded()), row.address);
    }
}

void WebmailTest::gmailQueryKeysInOrder() {
    const MailShortcut *gmail = rowNamed(u"Command15"_s);
    QVERIFY(gmail);
    const QList<QPair<QString, QString>> pairs = queryPairs(gmail->address);
    QStringList keys;
    for (const auto &pair : pairs)
        keys.append(pair.first);
    QCOMPARE(keys, (QStringList{u"service"_s, u"passive"_s, u"rm"_s, u"continue"_s, u"bsv"_s, u"scc"_s,
                                u"ltmpl"_s, u"ltmplcache"_s, u"hl"_s}));
    const QStringList fixed{u"mail"_s, u"true"_s,    u"false"_s, QString(), QString(),
                            u"1"_s,    u"default"_s, u"2"_s,     u"zh-CN"_s};
    for (qsizetype i = 0; i < pairs.size(); ++i)
        if (!fixed[i].isNull())
            QCOMPARE(pairs[i].second, fixed[i]);
    QVERIFY(QRegularExpression(u"^[a-z]{12}$"_s).match(pairs[4].second).hasMatch());
}

void WebmailTest::gmailContinueValue() {
    const MailShortcut *gmail = rowNamed(u"Command15"_s);
    QVERIFY(gmail);
    const QString value = queryPairs(gmail->address).value(3).second;
    QCOMPARE(value, u"http%3A%2F%2Fmail.google.com%2Fmail%2F%3Fhl%3Dzh-CN%26ui%3Dhtml%26zy%3Dl"_s);
    // Decoded, it is the web client's address with its own three query keys.
    const QUrl client(QUrl::fromPercentEncoding(value.toUtf8()));
    QCOMPARE(client.scheme(), u"http"_s);
    QCOMPARE(client.host(), u"mail.google.com"_s);
    QCOMPARE(client.path(), u"/mail/"_s);
    QCOMPARE(client.query(), u"hl=zh-CN&ui=html&zy=l"_s);
    QCOMPARE(QUrl(gmail->address).host(), u"www.google.com"_s);
}

void WebmailTest::gridFormula_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QRect>("rect");
    // The corners and a middle cell of the slanted grid.
    QTest::newRow("1,1") << 1 << 1 << QRect(2400, 2760, 1695, 375);
    QTest::newRow("1,4") << 1 << 4 << QRect(8520, 2760, 1695, 375);
    QTest::newRow("2,3") << 2 << 3 << QRect(7200, 3600, 1695, 375);
    QTest::newRow("4,1") << 4 << 1 << QRect(4560, 5280, 1695, 375);
    QTest::newRow("4,4") << 4 << 4 << QRect(10680, 5280, 1695, 375);
}

void WebmailTest::gridFormula() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QRect, rect);
    QCOMPARE(mailButtonRectTwips(row, column), rect);
}

void WebmailTest::commandLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("Command11 ends in /webmail/")
        << u"Command11"_s << u"explorer.exe \"http://"_s << u"/webmail/\""_s;
    QTest::newRow("Command14 carries from=domain")
        << u"Command14"_s << u"explorer.exe \"http://"_s << u"/cgi-bin/loginpage?from=domain\""_s;
    QTest::newRow("Command15 opens the sign-in page")
        << u"Command15"_s << u"explorer.exe \"https://www.google.com/accounts/ServiceLogin?service=mail&"_s
        << u"&hl=zh-CN\""_s;
    QTest::newRow("Command7 plain start page") << u"Command7"_s << u"explorer.exe \"http://"_s << u"/\""_s;
}

void WebmailTest::commandLine() {
    QFETCH(QString, name);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    const MailShortcut *row = rowNamed(name);
    QVERIFY(row);
    const QString line = explorerCommandLine(row->address);
    QCOMPARE(line, u"explorer.exe \""_s + row->address + u"\""_s);
    QVERIFY2(line.startsWith(prefix), qPrintable(line));
    QVERIFY2(line.endsWith(suffix), qPrintable(line));
    QCOMPARE(line.count(QLatin1Char('"')), 2);
    QCOMPARE(line.count(QLatin1Char(' ')), 1);
}

void WebmailTest::quotedArgument_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("expected"); // null: nothing
    QTest::newRow("explorer line") << u"explorer.exe \"http://mail.163.com/\""_s << u"http://mail.163.com/"_s;
    QTest::newRow("query kept verbatim")
        << u"explorer.exe \"https://h.example/p?a=b%3A%2F&c=d\""_s << u"https://h.example/p?a=b%3A%2F&c=d"_s;
    QTest::newRow("no quotes") << u"explorer.exe http://mail.163.com/"_s << QString();
    QTest::newRow("one quote") << u"explorer.exe \"http://mail.163.com/"_s << QString();
    QTest::newRow("empty quotes") << u"explorer.exe \"\""_s << QString();
    QTest::newRow("empty line") << u""_s << QString();
}

void WebmailTest::quotedArgument() {
    QFETCH(QString, commandLine);
    QFETCH(QString, expected);
    const std::optional<QString> got = morvela::quotedArgument(commandLine);
    if (expected.isNull())
        QVERIFY(!got.has_value());
    else
        QCOMPARE(got.value_or(QString()), expected);
}

void WebmailTest::everyCommandLineGivesBackItsAddress() {
    for (const MailShortcut &row : MailShortcutTable())
        QCOMPARE(morvela::quotedArgument(explorerCommandLine(row.address)).value_or(QString()), row.address);
}

void WebmailTest::buttonSitsOnItsGridPlace() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, row);
    QFETCH(int, column);
    WindowFixture f;
    auto *tabs = f.find<QTabWidget>(u"SSTab1"_s);
    auto *button = f.find<QPushButton>(name);
    QVERIFY(tabs && button);
    QVERIFY(tabs->isAncestorOf(button));
    QCOMPARE(button->text(), caption);

    // The grid in twips (each row 720 further right than the one above), on the screen in pixels (15
    // twips each), counted from the tab control.
    const int left = 2400 + 720 * (row - 1) + 2040 * (column - 1);
    const int top = 2760 + 840 * (row - 1);
    QCOMPARE(button->mapTo(tabs, QPoint(0, 0)), QPoint(left / 15, top / 15));
    QCOMPARE(button->size(), QSize(1695 / 15, 375 / 15));
    QVERIFY(!button->isHidden());
    QVERIFY(button->isEnabled());
}

void WebmailTest::clickLaunchesItsAddressMinimized() {
    QFETCH(QString, name);
    QFETCH(QString, address);
    WindowFixture f;
    FakePlatform &p = f.platform;
    f.find<QPushButton>(name)->click();

    QCOMPARE(p.shell.launches().size(), 1);
    QCOMPARE(p.shell.launches().at(0).commandLine, u"explorer.exe \""_s + address + u"\""_s);
    QCOMPARE(p.shell.launches().at(0).windowStyle, 2);
    QVERIFY(p.dialogs.shown().isEmpty());
}

void WebmailTest::twoClicksLaunchTwice() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    auto *button = f.find<QPushButton>(u"Command11"_s);
    button->click();
    button->click();
    QCOMPARE(p.shell.launches().size(), 2);
    QCOMPARE(p.shell.launches().at(0).commandLine, p.shell.launches().at(1).commandLine);
    QVERIFY(p.shell.launches().at(1).commandLine.endsWith(u"/webmail/\""_s));
}

void WebmailTest::clickChangesNoControl_data() {
    QTest::addColumn<bool>("launchFails");
    QTest::newRow("launch succeeds") << false;
    QTest::newRow("launch fails") << true;
}

void WebmailTest::clickChangesNoControl() {
    QFETCH(bool, launchFails);
    WindowFixture f;
    FakePlatform &p = f.platform;
    p.shell.setFailing(launchFails);
    const QStringList before = controlSnapshot(f.window);
    QVERIFY(before.size() > 16);

    for (const MailShortcut &row : MailShortcutTable())
        f.find<QPushButton>(QString::fromLatin1(row.name))->click();

    QCOMPARE(p.shell.launches().size(), 16);
    QCOMPARE(controlSnapshot(f.window), before);
    // A failed launch is swallowed: no dialog of any kind.
    QVERIFY(p.dialogs.shown().isEmpty());
}

QTEST_MAIN(WebmailTest)
#include "tst_webmail.moc"
