// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace morvela {

// What assistive tools (screen readers, test robots) see of the window: the main window is a frame
// named by its title; on the pages and in the status bar, pictures that only decorate (they have no
// accessible name) and labels without text are left out, so nothing is announced as an empty text or an
// unnamed picture. A label that gets a text takes its place among its page's controls again.
// Installs the interfaces that do this; called once, before the window is first queried.
void installAccessibleInterfaces();

// Whether a control is left out of what assistive tools see.
bool isSilentToAssistiveTools(const QWidget *control);

} // namespace morvela
