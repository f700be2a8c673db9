// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PageDescription.h"

namespace morvela {

FontSpec defaultFont() {
    return {SongFamily, 9, false};
}

ControlSpec pictureRow(const QString &name, const QString &resource, const QString &accessibleName,
                       bool shown, int left, int top, int width, int height) {
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::Picture;
    c.font = defaultFont();
    c.shown = shown;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.picture = resource;
    c.accessibleName = accessibleName;
    return c;
}

ControlSpec backgroundRow(const QString &name, const QString &resource, const QString &accessibleName,
                          bool shown) {
    return pictureRow(name, resource, accessibleName, shown, 0, 360, 14805, 8055);
}

ControlSpec controlRow(ControlKind kind, const QString &name, const QString &text, const QString &tooltip,
                       const FontSpec &font, Colours colours, bool shown, int left, int top, int width,
                       int height, int tabIndex, const QString &accessibleName) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.tooltip = tooltip;
    c.font = font;
    c.colours = colours;
    c.shown = shown;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    c.accessibleName = accessibleName;
    return c;
}

ControlSpec buttonRow(const QString &name, const QString &text, const FontSpec &font, Colours colours,
                      bool shown, int left, int top, int width, int height, int tabIndex) {
    return controlRow(ControlKind::Button, name, text, {}, font, colours, shown, left, top, width, height,
                      tabIndex);
}

ControlSpec labelRow(const QString &name, const QString &text, const FontSpec &font, Colours colours,
                     bool shown, int left, int top, int width, int height, int tabIndex) {
    return controlRow(ControlKind::Label, name, text, {}, font, colours, shown, left, top, width, height,
                      tabIndex);
}

ControlSpec textBoxRow(const QString &name, const QString &text, const QString &tooltip, const FontSpec &font,
                       Colours colours, bool shown, int left, int top, int width, int height, int tabIndex,
                       const QString &accessibleName) {
    return controlRow(ControlKind::TextBox, name, text, tooltip, font, colours, shown, left, top, width,
                      height, tabIndex, accessibleName.isEmpty() ? tooltip : accessibleName);
}

} // namespace morvela
