// SPDX-License-Identifier: GPL-3.0-or-later
// The application's name, its desktop entry and its icon, as main() sets them before the window.

#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;

class ApplicationIdentityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesTheApplicationAfterItsDesktopEntry();
};

void ApplicationIdentityTest::namesTheApplicationAfterItsDesktopEntry() {
    applyApplicationIdentity();
    QCOMPARE(QCoreApplication::applicationName(), u"Morvela"_s);
    QCOMPARE(QGuiApplication::desktopFileName(), u"org.morvela.Morvela"_s);
    // Dialogs and any other window show the program's icon too.
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));

    // The desktop entry that is installed has that name and names the icon so.
    QFile entry(QStringLiteral(MORVELA_TEST_DATA_DIR) + u"/../../packaging/"_s + DesktopFileName +
                u".desktop"_s);
    QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(entry.fileName()));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY(text.contains(u"\nIcon="_s + DesktopFileName + u"\n"_s));
    QVERIFY(text.contains(u"\nName=Morvela\n"_s));
}

QTEST_MAIN(ApplicationIdentityTest)
#include "tst_applicationidentity.moc"
