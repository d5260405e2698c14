#pragma once

#include <QWidget>

namespace halvex {

class SymbolButton;

// The fixed bar above the popover's streak list: the brand mark and name,
// the statistics and settings buttons, and the quit button. The first two
// only emit openStatsRequested() and openSettingsRequested(): closing the
// popover first is the host's business. The quit button asks the
// application to quit (QCoreApplication::quit), which runs the normal quit
// path; its power symbol turns to the destructive colour while hovered.
//
// Identifiers: "popover.footer.stats", "popover.footer.settings",
// "popover.header.quit".
class PopoverListHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverListHeader)
public:
    explicit PopoverListHeader(QWidget *parent = nullptr);

    static constexpr int spacing = 8;
    static constexpr int logoHeight = 28;
    static constexpr int buttonFrame = 28;

    SymbolButton *quitButton() const { return m_quit; }

signals:
    void openStatsRequested();
    void openSettingsRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    SymbolButton *m_stats;
    SymbolButton *m_settings;
    SymbolButton *m_quit;
};

} // namespace halvex
