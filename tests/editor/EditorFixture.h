#pragma once

#include <memory>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "FakeMilestonePlanning.h"
#include "StoreFixture.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "platform/DesktopEntryIndex.h"

namespace editortest {

// Installed applications for the picker: desktop files in a temporary
// $XDG_DATA_HOME/applications (and no system folders), read through the
// standard XDG lookup as the program does.
struct InstalledAppsFixture {
    InstalledAppsFixture()
    {
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_DIRS", (home.path() + u"/none").toUtf8());
        QDir().mkpath(folder());
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(QColor(0xE6, 0x5C, 0x2E));
        icon.save(iconPath());
        write("org.gnome.TextEditor",
              "Name=Text Editor\nExec=gnome-text-editor\nIcon=" + iconPath().toUtf8() + '\n');
        write("firefox-esr", "Name=Firefox ESR\nExec=firefox-esr %u\nIcon=firefox-esr\n");
        write("code", "Name=Visual Editor\nExec=/usr/bin/code %F\nIcon=com.example.code\n");
        write("org.example.Mail", "Name=mail\nExec=mail\n");
        write("helper", "Name=Settings Helper\nExec=helper\nNoDisplay=true\n");
    }
    ~InstalledAppsFixture()
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
    QString folder() const { return home.path() + u"/applications"; }
    QString iconPath() const { return home.path() + u"/text-editor.png"; }
    void write(const QString &id, const QByteArray &body) const
    {
        QFile file(folder() + u'/' + id + u".desktop");
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("[Desktop Entry]\nType=Application\n" + body) <= 0)
            qFatal("cannot write a desktop file");
    }
    // Built after the files: the index reads its folders once.
    platform::DesktopEntryIndex &index()
    {
        if (!m_index)
            m_index = std::make_unique<platform::DesktopEntryIndex>();
        return *m_index;
    }

    QTemporaryDir home;

private:
    std::unique_ptr<platform::DesktopEntryIndex> m_index;
};

// A store with one application streak, and the real engine over it.
struct EngineFixture : testing::StoreFixture {
    EngineFixture()
        : streak(addStreak())
    {
        save();
        engine.reload();
    }
    halvex::BypassController bypass{persistence, dayClock, testing::berlin, scheduler};
    halvex::StreakEngine engine{persistence, dayClock, &bypass, scheduler};
    std::shared_ptr<halvex::Streak> streak;
};

// The screens that create and list streaks: a store the test fills, the
// real engine over it, installed applications, and a milestone planner
// that only remembers.
struct ScreensFixture : testing::StoreFixture {
    InstalledAppsFixture apps;
    halvex::BypassController bypass{persistence, dayClock, testing::berlin, scheduler};
    halvex::StreakEngine engine{persistence, dayClock, &bypass, scheduler};
    testing::FakeMilestonePlanning planning;

    // A streak started `hoursAgo` before now, saved and published.
    std::shared_ptr<halvex::Streak> add(const QString &name, const QStringList &targets,
                                        double hoursAgo = 0, int sortOrder = 0,
                                        halvex::StreakType type = halvex::StreakType::site)
    {
        const bool site = type == halvex::StreakType::site;
        auto s = std::make_shared<halvex::Streak>(
            QUuid::createUuid(), name, type, halvex::StrictnessMode::firm,
            site ? targets : QStringList(), QStringList(), site ? QStringList() : targets,
            now.addMSecs(-qint64(hoursAgo * 3600 * 1000)));
        s->setSortOrder(sortOrder);
        context().insert(s);
        save();
        engine.reload();
        return s;
    }
    qint64 stored() { return context().fetchCount<halvex::Streak>().value(); }
};

} // namespace editortest
