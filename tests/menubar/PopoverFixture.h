#pragma once

#include <memory>

#include "EditorFixture.h"
#include "FakeMilestonePlanning.h"
#include "StoreFixture.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "model/Streak.h"

namespace popovertest {

// A store the test fills, the real engine and bypass controller over it,
// installed applications for the picker and the rows, and a milestone
// planner that only remembers.
struct PopoverFixture : testing::StoreFixture {
    editortest::InstalledAppsFixture apps;
    halvex::BypassController bypass{persistence, dayClock, testing::berlin, scheduler};
    halvex::StreakEngine engine{persistence, dayClock, &bypass, scheduler};
    testing::FakeMilestonePlanning planning;

    // A site streak started `hoursAgo` before now, saved and published.
    std::shared_ptr<halvex::Streak> addSite(const QString &name, const QStringList &domains,
                                            double hoursAgo = 0, int sortOrder = 0)
    {
        return add(name, halvex::StreakType::site, domains, hoursAgo, sortOrder);
    }
    std::shared_ptr<halvex::Streak> addApp(const QString &name, const QStringList &identifiers,
                                           double hoursAgo = 0, int sortOrder = 0)
    {
        return add(name, halvex::StreakType::app, identifiers, hoursAgo, sortOrder);
    }
    qint64 storedStreaks() { return context().fetchCount<halvex::Streak>().value(); }

private:
    std::shared_ptr<halvex::Streak> add(const QString &name, halvex::StreakType type,
                                        const QStringList &targets, double hoursAgo,
                                        int sortOrder)
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
};

} // namespace popovertest
