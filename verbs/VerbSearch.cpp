// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/VerbSearch.h"

#include "verbs/IrregularVerbTable.h"

using namespace Qt::StringLiterals;

namespace morvela {

const QString VerbNotFoundText = u"抱歉，未找到对应结果。请检查是否有以下错误：  \r\n"
                                 "①单词输入错误；\r\n"
                                 "②输入了包含大写字母的单词；\r\n"
                                 "③误输入空格；\r\n"
                                 "④输入了非英文单词；\r\n"
                                 "⑤输入了非原形动词；\r\n"
                                 "⑥输入了规则变化动词或不常用动词。"_s;

VerbSearchOutcome searchVerb(QStringView input) {
    if (input.isEmpty())
        return {VerbSearchOutcome::Kind::Nothing, nullptr};
    if (const VerbEntry *entry = lookupVerb(input))
        return {VerbSearchOutcome::Kind::Show, entry};
    return {VerbSearchOutcome::Kind::NotFound, nullptr};
}

} // namespace morvela
