// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/StickyNotePage.h"

#include "note/NoteHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec stickyNotePage() {
    using namespace stickynotepage;
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    // The pictures in drawing order: the note card ybzt lies above the plain sky wbzt.
    return {u"便纸条"_s,
            Page,
            {
                backgroundRow(EmptyPicture, u":/pictures/note.bmp"_s, {}),
                backgroundRow(CardPicture, u":/pictures/note-card.bmp"_s, {}, false),
                controlRow(ControlKind::MultiLineTextBox, NoteBox, {}, {}, Song105, none, false, 5400, 2400,
                           4095, 3375, 142, u"便纸条"_s),
                buttonRow(NewButton, u"新建一个便纸条"_s, def, none, true, 5760, 3840, 3375, 375, 141),
                buttonRow(DeleteButton, u"删除便纸条"_s, def, none, false, 2880, 7320, 3375, 375, 144),
                buttonRow(SaveButton, u"保存为文本文件"_s, def, none, false, 8520, 7320, 3375, 375, 143),
            },
            nullptr,
            [](QWidget *page, Services &services) { new NoteHandlers(page, services); }};
}

} // namespace morvela
