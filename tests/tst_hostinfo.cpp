#include "hostinfo/HostIdentityFile.h"
#include "platform/NetworkHostIdentity.h"
#include "support/TestHelpers.h"

#include "common/TextFileWriter.h"
#include "platform/fakes/MemoryFileSystem.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;

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

} // namespace

class TestHostInfo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addressChoice_data();
    void addressChoice();
    void ipv6TextHasNoScope();
    void realSourceGivesAnAddressAndTheHostName();

    void fileLines_data();
    void fileLines();
    void fileBytesAreGbkWithCrLf();
};

void TestHostInfo::addressChoice_data() {
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

void TestHostInfo::addressChoice() {
    QFETCH(QList<InterfaceAddresses>, interfaces);
    QFETCH(QString, expected);
    QCOMPARE(chooseLocalAddress(interfaces), expected);
}

void TestHostInfo::ipv6TextHasNoScope() {
    QHostAddress linkLocal(QStringLiteral("fe80::1"));
    linkLocal.setScopeId(QStringLiteral("eth0"));
    QCOMPARE(chooseLocalAddress({InterfaceAddresses{Active, {linkLocal}}}), QStringLiteral("fe80::1"));
}

void TestHostInfo::realSourceGivesAnAddressAndTheHostName() {
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

void TestHostInfo::fileLines_data() {
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

void TestHostInfo::fileLines() {
    QFETCH(QString, ip);
    QFETCH(QString, cname);
    QFETCH(QStringList, lines);
    QCOMPARE(hostIdentityFileLines(ip, cname), lines);
    QCOMPARE(hostIdentityFilePath(), QStringLiteral("D:\\本机IP地址及计算机名.txt"));
}

void TestHostInfo::fileBytesAreGbkWithCrLf() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    QVERIFY(writer.open(hostIdentityFilePath()));
    for (const QString &line :
         hostIdentityFileLines(QStringLiteral("192.168.1.10"), QStringLiteral("OFFICE-PC")))
        QVERIFY(writer.writeLine(line));
    QVERIFY(writer.close());

    // 本机IP地址为：192.168.1.10 / 计算机名为：OFFICE-PC, in GBK, each line ending in CR LF.
    const QByteArray expected = test::hexBytes("B1 BE BB FA 49 50 B5 D8 D6 B7 CE AA A3 BA"
                                               " 31 39 32 2E 31 36 38 2E 31 2E 31 30 0D 0A"
                                               " BC C6 CB E3 BB FA C3 FB CE AA A3 BA"
                                               " 4F 46 46 49 43 45 2D 50 43 0D 0A");
    QCOMPARE(files.bytes(QStringLiteral("D:\\本机IP地址及计算机名.txt")), expected);
}

QTEST_MAIN(TestHostInfo)
#include "tst_hostinfo.moc"
