#pragma once

#include <memory>

#include <QWidget>

namespace halvex {

class Streak;
class StreakEngine;
class ToggleRow;

// The two bypass switches of a stored streak, the daily free pass and links
// from other applications, each written through the engine's binding at
// once (stamped and saved; no reload, no rule change). Separated draws a
// divider between them, as the popover's boxed rows are. Edits made
// elsewhere are shown.
//
// Identifiers: "streakEditor.toggle.freePass", "streakEditor.toggle.externalLink".
class StreakBypassEditToggles final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakBypassEditToggles)
public:
    StreakBypassEditToggles(const std::shared_ptr<Streak> &streak, StreakEngine &engine,
                            bool separated, QWidget *parent = nullptr);

    ToggleRow *freePass() const { return m_freePass; }
    ToggleRow *externalLink() const { return m_externalLink; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    ToggleRow *m_freePass;
    ToggleRow *m_externalLink;
};

} // namespace halvex
