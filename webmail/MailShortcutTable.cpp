// SPDX-License-Identifier: GPL-3.0-or-later
#include "webmail/MailShortcutTable.h"

using namespace Qt::StringLiterals;

namespace morvela {

const QList<MailShortcut> &MailShortcutTable() {
    static const QList<MailShortcut> table{
        {"Command1", u"Hotmail/Live 邮箱"_s, 1, 1, u"http://www.msn.cn/"_s},
        {"Command2", u"QQ 邮箱"_s, 4, 2, u"http://mail.qq.com/"_s},
        {"Command3", u"TOM 邮箱"_s, 4, 1, u"http://mail.tom.com/"_s},
        {"Command4", u"21CN 邮箱"_s, 3, 4, u"http://www.21cn.com/"_s},
        {"Command5", u"搜狐邮箱"_s, 2, 3, u"http://mail.sohu.com/"_s},
        {"Command6", u"yeah 邮箱"_s, 3, 3, u"http://www.yeah.net/"_s},
        {"Command7", u"163 邮箱"_s, 3, 1, u"http://mail.163.com/"_s},
        {"Command8", u"126 邮箱"_s, 3, 2, u"http://www.126.com/"_s},
        {"Command9", u"新浪邮箱"_s, 2, 2, u"http://mail.sina.com.cn/"_s},
        {"Command10", u"雅虎邮箱"_s, 2, 1, u"http://mail.cn.yahoo.com/"_s},
        {"Command11", u"189 邮箱"_s, 1, 3, u"http://www.189.cn/webmail/"_s},
        {"Command12", u"139 邮箱"_s, 1, 4, u"http://mail.10086.cn/"_s},
        {"Command13", u"搜狗邮箱"_s, 2, 4, u"http://mail.sogou.com/"_s},
        {"Command14", u"foxmail 邮箱"_s, 4, 3, u"http://mail.foxmail.com/cgi-bin/loginpage?from=domain"_s},
        // The Gmail sign-in page, with the web client's address percent-encoded as its "continue"
        // value. Written out in full: the text is handed over exactly as it stands here.
        {"Command15", u"Gmail 邮箱"_s, 1, 2,
         u"https://www.google.com/accounts/ServiceLogin"
         "?service=mail"
         "&passive=true"
         "&rm=false"
         "&continue=http%3A%2F%2Fmail.google.com%2Fmail%2F%3Fhl%3Dzh-CN%26ui%3Dhtml%26zy%3Dl"
         "&bsv=qmfwkzrtejvd"
         "&scc=1"
         "&ltmpl=default"
         "&ltmplcache=2"
         "&hl=zh-CN"_s},
        {"Command16", u"更多……"_s, 4, 4, u"http://www.google.cn/"_s},
    };
    return table;
}

QRect mailButtonRectTwips(int row, int column) {
    return QRect(2400 + 720 * (row - 1) + 2040 * (column - 1), 2760 + 840 * (row - 1), MailButtonWidthTwips,
                 MailButtonHeightTwips);
}

QString explorerCommandLine(const QString &address) {
    return u"explorer.exe \""_s + address + QLatin1Char('"');
}

} // namespace morvela
