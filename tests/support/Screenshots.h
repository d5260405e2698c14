#pragma once

#include <QImage>
#include <QString>

namespace testing::screenshots {

// Where tests leave pictures for people to look at: $HALVEX_SCREENSHOT_DIR
// when set, else "halvex-screenshots" in the temporary folder.
QString directory();

// Saves `image` as <name>.png in directory(), making the folder first: no
// run may depend on an earlier one having made it. The path, empty on failure.
QString save(const QImage &image, const QString &name);

// How many colours differ among every `step`th pixel of every `step`th row:
// a drawn screen shows more than a handful.
int distinctColours(const QImage &image, int step = 2);

} // namespace testing::screenshots
