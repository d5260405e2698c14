#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "AccessibleUi.h"
#include "DesktopHarness.h"

// Steps a user takes with the real halvex binary on the test desktop, read
// from what the accessibility bus shows and done with the real pointer.
// Each answers false when the state it waits for did not come in time; the
// caller says what the screen showed instead.
namespace testing::halvexSteps {

// A home past onboarding, with one site streak ("Feeds", on these domains,
// three days in), in the theme given by its raw value ("light", "dark") or
// the default; false when the store could not be written.
bool writeHomePastOnboarding(const QString &home, const QString &language = {},
                             const QStringList &domains = {QStringLiteral("example.com")},
                             const QString &theme = {});
// A home past onboarding whose one streak ("Distraction", three days in)
// blocks the application of this desktop-file id; false when the store
// could not be written.
bool writeHomeBlockingApplication(const QString &home, const QString &applicationId);

// Clicks the element once it takes input, is scrolled into view (a notch of
// the wheel at a time) and stays put: windows slide in, and a friction
// panel locks its buttons for a moment. `scale` is the one the process
// draws at: Qt gives accessible extents in its logical pixels.
bool clickOn(const DesktopHarness &desktop, AccessibleUi &ui, const AccessibleUi::Match &match,
             int timeoutMs, qreal scale = 1);
// Keys through xdotool to the focused window: key names between spaces
// ("Down Return", "ctrl+a").
bool press(const DesktopHarness &desktop, const QString &keys);
// Saves the whole screen as <name>.png among the screenshots once it has
// stopped changing (windows slide, fade and paint): `settledGrabs` grabs in
// a row alike. One still moving after `timeoutMs` is worth a look, not a
// failure: it is saved all the same, with a warning. The path, empty on failure.
QString screenshotOnceSettled(const DesktopHarness &desktop, const QString &name, int settledGrabs,
                              int timeoutMs);
// One notch of the wheel over the area.
void scroll(const DesktopHarness &desktop, const QRect &area, bool down);

// As the X server sees it: a window of the process at the popover's size is mapped.
bool popoverIsOpen(const DesktopHarness &desktop, qint64 processIdentifier);
// Opens the popover from the icon and waits until its quit button (named
// in the language shown) can be read. The application may reveal the
// popover by itself at any moment, so the icon is clicked only while the X
// server shows it closed, and each click is given time to map it: a click
// that closed what a reveal had just opened is followed by another.
bool openPopover(const DesktopHarness &desktop, AccessibleUi &ui, qint64 processIdentifier,
                 const QPoint &iconCentre, const QString &quitName, int timeoutMs);

} // namespace testing::halvexSteps
