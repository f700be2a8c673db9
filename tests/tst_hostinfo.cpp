// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFileWriter.h"
#include "hostinfo/HostIdentityFile.h"
#include "hostinfo/HostInfoPage.h"
#include "platform/NetworkHostIdentity.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"
#include "support/WindowFixture.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;

namespace {

using Flags = QNetworkInterface::InterfaceFlags;

const Flags Active = Flags(QNetworkInterface::IsUp) | QNetworkInterface::IsRunning;
const Flags Loopback = Active | QNetworkInterface::IsLoopBack;
const Flags UpNotRunning = Flags(QNetworkInterface::IsUp);
const Flags Down = Flags();

InterfaceAddresses iface(Flags flags, std::initializer_list<const char *> addresses) {
    InterfaceAddresses result{flags, {}};
    for (const char *a : addresses)
        result.addresses.append(QHostAddress(QString::fromLatin1(a)));
    return result;
}

const QString FilePath = u"D:\\本机IP地址及计算机名.txt"_s;

// The page of the real window with its two boxes and two buttons.
struct Page {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QLineEdit *ip = f.find<QLineEdit>(hostinfopage::AddressBox);
    QLineEdit *cname = f.find<QLineEdit>(hostinfopage::NameBox);
    QPushButton *fetch = f.find<QPushButton>(hostinfopage::FetchButton);
    QPushButton *save = f.find<QPushButton>(hostinfopage::SaveButton);

    bool ready() const { return ip && cname && fetch && save; }
};

} // namespace

class HostInfoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addressChoice_data();
    void addressChoice();
    void ipv6TextHasNoScope();
    void realSourceGivesAnAddressAndTheHostName();

    void fileLines_data();
    void fileLines();
    void fileBytesAreGbkWithCrLf();

    // The handlers on the real window.
    void fetchFillsBothBoxes();
    void fetchReplacesTypedText();
    void failingReadKeepsItsBox_data();
    void failingReadKeepsItsBox();
    void saveCancelledRefreshesNothingWritesNothing();
    void saveFillsBoxesAfreshAndWritesThem();
    void saveWithFailingReadWritesTheTypedText();
    void saveTwiceOverwrites();
    void saveThatCannotWriteWarns();
};

void HostInfoTest::addressChoice_data() {
    QTest::addColumn<QList<InterfaceAddresses>>("interfaces");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no interfaces") << QList<InterfaceAddresses>{} << u"127.0.0.1"_s;
    QTest::newRow("only loopback") << QList<InterfaceAddresses>{iface(Loopback, {"127.0.0.1", "::1"})}
                                   << u"127.0.0.1"_s;
    QTest::newRow("loopback listed first is skipped")
        << QList<InterfaceAddresses>{iface(Loopback, {"127.0.0.1"}), iface(Active, {"192.168.1.10"})}
        << u"192.168.1.10"_s;
    QTest::newRow("down interface is skipped")
        << QList<InterfaceAddresses>{iface(Down, {"10.0.0.5"}), iface(Active, {"192.168.1.10"})}
        << u"192.168.1.10"_s;
    QTest::newRow("up but not running is skipped")
        << QList<InterfaceAddresses>{iface(UpNotRunning, {"10.0.0.5"}), iface(Active, {"192.168.1.10"})}
        << u"192.168.1.10"_s;
    QTest::newRow("first interface wins")
        << QList<InterfaceAddresses>{iface(Active, {"10.0.0.5"}), iface(Active, {"192.168.1.10"})}
        << u"10.0.0.5"_s;
    QTest::newRow("first IPv4 address of the interface")
        << QList<InterfaceAddresses>{iface(Active, {"10.0.0.5", "10.0.0.6"})} << u"10.0.0.5"_s;
    QTest::newRow("IPv4 before IPv6 listed earlier")
        << QList<InterfaceAddresses>{iface(Active, {"2001:db8::1", "fe80::1"}),
                                     iface(Active, {"192.168.1.10"})}
        << u"192.168.1.10"_s;
    QTest::newRow("IPv4 after IPv6 on one interface")
        << QList<InterfaceAddresses>{iface(Active, {"2001:db8::1", "192.168.1.10"})} << u"192.168.1.10"_s;
    QTest::newRow("routable IPv4 before link-local IPv4")
        << QList<InterfaceAddresses>{iface(Active, {"169.254.3.4"}), iface(Active, {"192.168.1.10"})}
        << u"192.168.1.10"_s;
    QTest::newRow("link-local IPv4 before any IPv6")
        << QList<InterfaceAddresses>{iface(Active, {"2001:db8::1", "169.254.3.4"})} << u"169.254.3.4"_s;
    QTest::newRow("IPv6 when no IPv4")
        << QList<InterfaceAddresses>{iface(Down, {"192.168.1.10"}), iface(Active, {"2001:db8::7"})}
        << u"2001:db8::7"_s;
    QTest::newRow("global IPv6 before link-local IPv6")
        << QList<InterfaceAddresses>{iface(Active, {"fe80::1"}), iface(Active, {"2001:db8::7"})}
        << u"2001:db8::7"_s;
    QTest::newRow("link-local IPv6 as the last real choice")
        << QList<InterfaceAddresses>{iface(Loopback, {"127.0.0.1"}), iface(Active, {"fe80::1"})}
        << u"fe80::1"_s;
    QTest::newRow("loopback address on an ordinary interface is skipped")
        << QList<InterfaceAddresses>{iface(Active, {"127.0.0.2", "::1"})} << u"127.0.0.1"_s;
    QTest::newRow("unspecified address is skipped")
        << QList<InterfaceAddresses>{iface(Active, {"0.0.0.0", "10.1.2.3"})} << u"10.1.2.3"_s;
    QTest::newRow("interface without addresses")
        << QList<InterfaceAddresses>{iface(Active, {}), iface(Active, {"10.1.2.3"})} << u"10.1.2.3"_s;
    QTest::newRow("only down interfaces")
        << QList<InterfaceAddresses>{iface(Down, {"192.168.1.10", "2001:db8::1"})} << u"127.0.0.1"_s;
}

void HostInfoTest::addressChoice() {
    QFETCH(QList<InterfaceAddresses>, interfaces);
    QFETCH(QString, expected);
    QCOMPARE(chooseLocalAddress(interfaces), expected);
}

void HostInfoTest::ipv6TextHasNoScope() {
    QHostAddress linkLocal(u"fe80::1"_s);
    linkLocal.setScopeId(u"eth0"_s);
    QCOMPARE(chooseLocalAddress({InterfaceAddresses{Active, {linkLocal}}}), u"fe80::1"_s);
}

void HostInfoTest::realSourceGivesAnAddressAndTheHostName() {
    NetworkHostIdentity source;
    const std::optional<QString> address = source.localIP();
    QVERIFY(address.has_value());
    QVERIFY2(!QHostAddress(*address).isNull(), qPrintable(*address));
    QVERIFY(!address->contains(QLatin1Char('%')));

    const std::optional<QString> name = source.localHostName();
    if (QHostInfo::localHostName().isEmpty())
        QVERIFY(!name.has_value());
    else
        QCOMPARE(name, std::optional<QString>(QHostInfo::localHostName()));
}

void HostInfoTest::fileLines_data() {
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("cname");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("address and name")
        << u"192.168.1.10"_s << u"OFFICE-PC"_s
        << QStringList{u"本机IP地址为：192.168.1.10"_s, u"计算机名为：OFFICE-PC"_s};
    QTest::newRow("empty boxes") << u""_s << u""_s << QStringList{u"本机IP地址为："_s, u"计算机名为："_s};
    QTest::newRow("texts kept as typed, blanks included")
        << u" 10.0.0.1 "_s << u"我的电脑"_s
        << QStringList{u"本机IP地址为： 10.0.0.1 "_s, u"计算机名为：我的电脑"_s};
}

void HostInfoTest::fileLines() {
    QFETCH(QString, ip);
    QFETCH(QString, cname);
    QFETCH(QStringList, lines);
    QCOMPARE(hostIdentityFileLines(ip, cname), lines);
    QCOMPARE(hostIdentityFilePath(), u"D:\\本机IP地址及计算机名.txt"_s);
}

void HostInfoTest::fileBytesAreGbkWithCrLf() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    QVERIFY(writer.open(hostIdentityFilePath()));
    for (const QString &line : hostIdentityFileLines(u"192.168.1.10"_s, u"OFFICE-PC"_s))
        QVERIFY(writer.writeLine(line));
    QVERIFY(writer.close());

    // 本机IP地址为：192.168.1.10 / 计算机名为：OFFICE-PC, in GBK, each line ending in CR LF.
    const QByteArray expected = test::hexBytes("B1 BE BB FA 49 50 B5 D8 D6 B7 CE AA A3 BA"
                                               " 31 39 32 2E 31 36 38 2E 31 2E 31 30 0D 0A"
                                               " BC C6 CB E3 BB FA C3 FB CE AA A3 BA"
                                               " 4F 46 46 49 43 45 2D 50 43 0D 0A");
    QCOMPARE(files.bytes(u"D:\\本机IP地址及计算机名.txt"_s), expected);
}

void HostInfoTest::fetchFillsBothBoxes() {
    Page page;
    QVERIFY(page.ready());
    QCOMPARE(page.ip->text(), QString());
    QCOMPARE(page.cname->text(), QString());

    page.fetch->click();
    QCOMPARE(page.ip->text(), u"192.168.1.10"_s);
    QCOMPARE(page.cname->text(), u"OFFICE-PC"_s);
    QCOMPARE(page.p.host.ipReads, 1);
    QCOMPARE(page.p.host.nameReads, 1);
    QVERIFY(page.p.dialogs.shown().isEmpty());
    QVERIFY(page.p.files.log().isEmpty());
}

void HostInfoTest::fetchReplacesTypedText() {
    Page page;
    QVERIFY(page.ready());
    page.fetch->click();
    page.ip->setText(u"typed address"_s);
    page.cname->setText(u"typed name"_s);
    page.p.host.ip = u"10.0.0.7"_s;

    page.fetch->click();
    QCOMPARE(page.ip->text(), u"10.0.0.7"_s);
    QCOMPARE(page.cname->text(), u"OFFICE-PC"_s);
    QCOMPARE(page.p.host.ipReads, 2);
}

void HostInfoTest::failingReadKeepsItsBox_data() {
    QTest::addColumn<bool>("ipFails");
    QTest::addColumn<bool>("nameFails");
    QTest::newRow("address fails") << true << false;
    QTest::newRow("name fails") << false << true;
    QTest::newRow("both fail") << true << true;
}

void HostInfoTest::failingReadKeepsItsBox() {
    QFETCH(bool, ipFails);
    QFETCH(bool, nameFails);
    Page page;
    QVERIFY(page.ready());
    page.ip->setText(u"typed address"_s);
    page.cname->setText(u"typed name"_s);
    if (ipFails)
        page.p.host.ip.reset();
    if (nameFails)
        page.p.host.hostName.reset();

    page.fetch->click();
    QCOMPARE(page.ip->text(), ipFails ? u"typed address"_s : u"192.168.1.10"_s);
    QCOMPARE(page.cname->text(), nameFails ? u"typed name"_s : u"OFFICE-PC"_s);
    // The second read is made even when the first one failed, and no message is shown.
    QCOMPARE(page.p.host.ipReads, 1);
    QCOMPARE(page.p.host.nameReads, 1);
    QVERIFY(page.p.dialogs.shown().isEmpty());
}

void HostInfoTest::saveCancelledRefreshesNothingWritesNothing() {
    Page page;
    QVERIFY(page.ready());
    page.ip->setText(u"typed address"_s);
    page.p.files.put(FilePath, "earlier");
    page.p.dialogs.answer(DialogAnswer::Cancel);

    page.save->click();
    QCOMPARE(page.p.dialogs.prompts(), QStringList{u"您确定要保存数据吗？"_s});
    QCOMPARE(page.p.dialogs.shown().at(0).form, ConfirmForm::OkCancel);
    QCOMPARE(page.p.host.ipReads, 0);
    QCOMPARE(page.p.host.nameReads, 0);
    QCOMPARE(page.ip->text(), u"typed address"_s);
    QCOMPARE(page.cname->text(), QString());
    QVERIFY(page.p.files.log().isEmpty());
    QCOMPARE(page.p.files.bytes(FilePath), QByteArray("earlier"));
}

void HostInfoTest::saveFillsBoxesAfreshAndWritesThem() {
    Page page;
    QVERIFY(page.ready());
    page.ip->setText(u"typed address"_s); // replaced before the file is written
    page.p.dialogs.answer(DialogAnswer::Ok);

    page.save->click();
    QCOMPARE(page.ip->text(), u"192.168.1.10"_s);
    QCOMPARE(page.cname->text(), u"OFFICE-PC"_s);
    QCOMPARE(page.p.host.ipReads, 1);
    QCOMPARE(page.p.host.nameReads, 1);
    QCOMPARE(page.p.files.paths(), QStringList{FilePath});
    QCOMPARE(page.p.files.bytes(FilePath),
             test::gbkLines({u"本机IP地址为：192.168.1.10"_s, u"计算机名为：OFFICE-PC"_s}));

    const QList<FakeDialogs::Shown> &shown = page.p.dialogs.shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(shown.at(0).prompt, u"您确定要保存数据吗？"_s);
    QCOMPARE(shown.at(1).kind, FakeDialogs::Kind::Info);
    QCOMPARE(shown.at(1).prompt, u"资料已成功保存到D盘根目录！"_s);
    QCOMPARE(shown.at(1).icon, InfoIcon::Information);
}

void HostInfoTest::saveWithFailingReadWritesTheTypedText() {
    Page page;
    QVERIFY(page.ready());
    page.ip->setText(u"10.9.8.7"_s);
    page.p.host.ip.reset();
    page.p.host.hostName = u"NEW-NAME"_s;
    page.p.dialogs.answer(DialogAnswer::Ok);

    page.save->click();
    QCOMPARE(page.ip->text(), u"10.9.8.7"_s);
    QCOMPARE(page.cname->text(), u"NEW-NAME"_s);
    QCOMPARE(page.p.files.bytes(FilePath),
             test::gbkLines({u"本机IP地址为：10.9.8.7"_s, u"计算机名为：NEW-NAME"_s}));
    QCOMPARE(page.p.dialogs.messages(), QStringList{u"资料已成功保存到D盘根目录！"_s});
}

void HostInfoTest::saveTwiceOverwrites() {
    Page page;
    QVERIFY(page.ready());
    page.p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    page.save->click();
    page.p.host.ip = u"10.0.0.2"_s;
    page.p.host.hostName = u"其他电脑"_s;
    page.save->click();

    QCOMPARE(page.p.files.paths(), QStringList{FilePath});
    QCOMPARE(page.p.files.bytes(FilePath),
             test::gbkLines({u"本机IP地址为：10.0.0.2"_s, u"计算机名为：其他电脑"_s}));
}

void HostInfoTest::saveThatCannotWriteWarns() {
    Page page;
    QVERIFY(page.ready());
    page.p.files.failAt(MemoryFileSystem::FailAt::Create, FileFailure::NoDrive);
    page.p.dialogs.answer(DialogAnswer::Ok);

    page.save->click();
    // The boxes are filled before the file is created; the failure is a warning, never the success text.
    QCOMPARE(page.ip->text(), u"192.168.1.10"_s);
    QCOMPARE(page.cname->text(), u"OFFICE-PC"_s);
    QVERIFY(!page.p.files.contains(FilePath));
    const QList<FakeDialogs::Shown> &shown = page.p.dialogs.shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(1).icon, InfoIcon::Warning);
    QVERIFY(shown.at(1).prompt != u"资料已成功保存到D盘根目录！"_s);
}

QTEST_MAIN(HostInfoTest)
#include "tst_hostinfo.moc"
