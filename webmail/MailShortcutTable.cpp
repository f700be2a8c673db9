#include "webmail/MailShortcutTable.h"

namespace morvela {

const QList<MailShortcut> &MailShortcutTable() {
    static const QList<MailShortcut> table{
        {"Command1", QStringLiteral("Hotmail/Live 邮箱"), 1, 1, QStringLiteral("http://www.msn.cn/")},
        {"Command2", QStringLiteral("QQ 邮箱"), 4, 2, QStringLiteral("http://mail.qq.com/")},
        {"Command3", QStringLiteral("TOM 邮箱"), 4, 1, QStringLiteral("http://mail.tom.com/")},
        {"Command4", QStringLiteral("21CN 邮箱"), 3, 4, QStringLiteral("http://www.21cn.com/")},
        {"Command5", QStringLiteral("搜狐邮箱"), 2, 3, QStringLiteral("http://mail.sohu.com/")},
        {"Command6", QStringLiteral("yeah 邮箱"), 3, 3, QStringLiteral("http://www.yeah.net/")},
        {"Command7", QStringLiteral("163 邮箱"), 3, 1, QStringLiteral("http://mail.163.com/")},
        {"Command8", QStringLiteral("126 邮箱"), 3, 2, QStringLiteral("http://www.126.com/")},
        {"Command9", QStringLiteral("新浪邮箱"), 2, 2, QStringLiteral("http://mail.sina.com.cn/")},
        {"Command10", QStringLiteral("雅虎邮箱"), 2, 1, QStringLiteral("http://mail.cn.yahoo.com/")},
        {"Command11", QStringLiteral("189 邮箱"), 1, 3, QStringLiteral("http://www.189.cn/webmail/")},
        {"Command12", QStringLiteral("139 邮箱"), 1, 4, QStringLiteral("http://mail.10086.cn/")},
        {"Command13", QStringLiteral("搜狗邮箱"), 2, 4, QStringLiteral("http://mail.sogou.com/")},
        {"Command14", QStringLiteral("foxmail 邮箱"), 4, 3,
         QStringLiteral("http://mail.foxmail.com/cgi-bin/loginpage?from=domain")},
        // The Gmail sign-in page, with the web client's address percent-encoded as its "continue"
        // value. Written out in full: the text is handed over exactly as it stands here.
        {"Command15", QStringLiteral("Gmail 邮箱"), 1, 2,
         QStringLiteral("https://www.google.com/accounts/ServiceLogin"
                        "?service=mail"
                        "&passive=true"
                        "&rm=false"
                        "&continue=http%3A%2F%2Fmail.google.com%2Fmail%2F%3Fhl%3Dzh-CN%26ui%3Dhtml%26zy%3Dl"
                        "&bsv=qmfwkzrtejvd"
                        "&scc=1"
                        "&ltmpl=default"
                        "&ltmplcache=2"
                        "&hl=zh-CN")},
        {"Command16", QStringLiteral("更多……"), 4, 4, QStringLiteral("http://www.google.cn/")},
    };
    return table;
}

QRect mailButtonRectTwips(int row, int column) {
    return QRect(2400 + 720 * (row - 1) + 2040 * (column - 1), 2760 + 840 * (row - 1), MailButtonWidthTwips,
                 MailButtonHeightTwips);
}

QString explorerCommandLine(const QString &address) {
    return QStringLiteral("explorer.exe \"") + address + QLatin1Char('"');
}

} // namespace morvela
