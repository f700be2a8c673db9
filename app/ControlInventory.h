// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

#include <QList>
#include <QString>

namespace morvela {

// The window's own layout: the outer tab control SSTab2 with the inner ones (SSTab1, SSTab3) and every
// page on them, and the status bar. The feature pages come from their folders; the welcome and about
// pages are the window's own.
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
