#pragma once

#include <set>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace testing {

// Where a gallery leaves what it draws, for people to look at:
// $HALVEX_SCREENSHOT_DIR when set, else a temporary folder that goes with
// this object.
class ScreenshotFolder {
public:
    ScreenshotFolder()
        : m_path(qEnvironmentVariable("HALVEX_SCREENSHOT_DIR"))
    {
        if (m_path.isEmpty())
            m_path = m_temp.path();
    }

    // Makes the folder where it is missing; false when it cannot be made.
    bool make() const { return QDir().mkpath(m_path); }
    const QString &path() const { return m_path; }

    // How many colours differ among every `step`th pixel of every `step`th
    // row: a drawn screen shows more than a handful.
    static int distinctColours(const QImage &image, int step = 2)
    {
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += step)
            for (int x = 0; x < image.width(); x += step)
                colours.insert(image.pixel(x, y));
        return static_cast<int>(colours.size());
    }

private:
    QTemporaryDir m_temp;
    QString m_path;
};

} // namespace testing
