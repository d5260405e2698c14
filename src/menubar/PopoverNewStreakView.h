#pragma once

#include <optional>

#include <QWidget>

#include "engine/DomainPreset.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class MilestonePlanning;
class NewStreakFormContent;
class PersistenceController;
class PopoverBackHeader;
class StreakEngine;

// The popover's new-streak screen: a back header titled "New streak" above
// the new-streak form in its compact layout, started from `seed` when one is
// given. The back button, Cancel and a successful save all emit dismissed().
//
// Identifier: "popover.new.back" (the back button).
class PopoverNewStreakView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverNewStreakView)
public:
    PopoverNewStreakView(PersistenceController &persistence, StreakEngine &engine,
                         MilestonePlanning &milestonePlanning,
                         const platform::DesktopEntryIndex &applications,
                         std::optional<DomainPreset> seed, QWidget *parent = nullptr);

    PopoverBackHeader *header() const { return m_header; }
    NewStreakFormContent *form() const { return m_form; }

signals:
    void dismissed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    PopoverBackHeader *m_header;
    NewStreakFormContent *m_form;
};

} // namespace halvex
