// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QList>
#include <QString>

class QWidget;

namespace morvela {

struct Services;

// A page as data: a table of control rows, and how the page's handlers attach. Each feature folder
// describes its own page(s); the window (app/) builds every page from these descriptions. Positions and
// sizes are in twips; 15 twips are one logical pixel.
inline constexpr int TwipsPerPixel = 15;
inline int pixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

enum class ControlKind { Button, TextBox, MultiLineTextBox, Label, Picture };

// A font as the tables declare it: family (宋体, 楷体_GB2312, 黑体), size in points, weight.
struct FontSpec {
    QString family;
    qreal points = 9;
    bool bold = false;
};

// The system's default dialog font (宋体 9 pt), used by every control without a font of its own.
FontSpec defaultFont();

// The fonts the pages declare.
inline const QString SongFamily = QStringLiteral("宋体");
inline const QString KaiFamily = QStringLiteral("楷体_GB2312");
inline const QString HeiFamily = QStringLiteral("黑体");
inline const FontSpec Song12{SongFamily, 12, false};
inline const FontSpec Song105{SongFamily, 10.5, false};
inline const FontSpec Song14Bold{SongFamily, 14.25, true};
inline const FontSpec Kai14Bold{KaiFamily, 14.25, true};
inline const FontSpec Kai15Bold{KaiFamily, 15.75, true};
inline const FontSpec Kai48Bold{KaiFamily, 48, true};
inline const FontSpec Hei18Bold{HeiFamily, 18, true};

enum class Colours {
    System,               // the system's colours
    BlackOnWhite,         // black text on a white background, set explicitly
    Transparent,          // a label that draws only its text, in the system's text colour
    TransparentBlackText, // a label that draws only its text, in black
    TransparentWhiteText, // a label that draws only its text, in white
    ButtonFace            // a push button with the face colour C0C0C0
};

struct ControlSpec {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text; // caption of a label or button, starting text of a text box
    QString tooltip;
    FontSpec font;
    Colours colours = Colours::System;
    bool shown = true;
    int left = 0, top = 0, width = 0, height = 0; // twips, from the tab control's top-left corner
    int tabIndex = -1;                            // place in the keyboard order; -1 for pictures
    int tabOrderWithin = 0; // order among controls that share one tab index (the mail buttons)
    QString picture;        // a picture's resource
    QString
        accessibleName; // for controls whose text does not name them; none on a picture that only decorates
};

// Wires a page's handlers to its controls. It runs once, right after the page's controls are built,
// with the page itself: handlers look up only the controls of that page.
using AttachHandlers = void (*)(QWidget *page, Services &services);

struct TabControlSpec;

// One tab of a tab control: its caption, the object name of the page, what lies on it, and how its
// handlers attach (none for a page that does not react).
struct PageSpec {
    QString caption;
    QString name;
    QList<ControlSpec> controls;
    const TabControlSpec *nested = nullptr; // a tab control lying on this page
    AttachHandlers attach = nullptr;
};

struct TabControlSpec {
    QString name;
    int left = 0, top = 0, width = 0, height = 0; // twips, from the container's top-left corner
    int tabIndex = 0;
    QList<PageSpec> pages;
};

// Row builders, in the column order of the page tables: name, caption or text, (tooltip,) font,
// colours, shown at start, left, top, width, height, tab index.
ControlSpec pictureRow(const QString &name, const QString &resource, const QString &accessibleName,
                       bool shown, int left, int top, int width, int height);
// A full-page background picture of an inner tab page. Without an accessible name a picture only
// decorates, and assistive tools leave it out.
ControlSpec backgroundRow(const QString &name, const QString &resource, const QString &accessibleName,
                          bool shown = true);
ControlSpec controlRow(ControlKind kind, const QString &name, const QString &text, const QString &tooltip,
                       const FontSpec &font, Colours colours, bool shown, int left, int top, int width,
                       int height, int tabIndex, const QString &accessibleName = {});
ControlSpec buttonRow(const QString &name, const QString &text, const FontSpec &font, Colours colours,
                      bool shown, int left, int top, int width, int height, int tabIndex);
ControlSpec labelRow(const QString &name, const QString &text, const FontSpec &font, Colours colours,
                     bool shown, int left, int top, int width, int height, int tabIndex);
// A one-line text box; its accessible name is the given one, else its tooltip.
ControlSpec textBoxRow(const QString &name, const QString &text, const QString &tooltip, const FontSpec &font,
                       Colours colours, bool shown, int left, int top, int width, int height, int tabIndex,
                       const QString &accessibleName);

} // namespace morvela
