#pragma once

#include <QList>
#include <QString>

namespace morvela {

// The window's controls as data: every page is a table of controls, and the window is built from these
// tables. Positions and sizes are in twips; 15 twips are one logical pixel.
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
    QString picture;                              // a picture's resource
    QString
        accessibleName; // for controls whose text does not name them; none on a picture that only decorates
};

struct TabControlSpec;

// One tab of a tab control: its caption, the object name of the page, and what lies on it.
struct PageSpec {
    QString caption;
    QString name;
    QList<ControlSpec> controls;
    const TabControlSpec *nested = nullptr; // a tab control lying on this page
};

struct TabControlSpec {
    QString name;
    int left = 0, top = 0, width = 0, height = 0; // twips, from the container's top-left corner
    int tabIndex = 0;
    QList<PageSpec> pages;
};

// The outer tab control SSTab2 with everything on its pages (SSTab1 and SSTab3 are nested in it).
const TabControlSpec &outerTabControl();

// The status bar StatusBar1: geometry in the window and its panels' widths (the last panel takes the rest).
struct StatusBarSpec {
    QString name;
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    QList<int> panelWidths; // twips
};
const StatusBarSpec &statusBarSpec();

// The window's client area in twips.
inline constexpr int WindowWidthTwips = 14895;
inline constexpr int WindowHeightTwips = 9150;

} // namespace morvela
