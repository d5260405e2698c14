#pragma once

#include <QWidget>

namespace halvex {

class SymbolButton;

// The fixed bar above the popover's streak list: the brand mark and name,
// the statistics and settings buttons, and the quit button. They only emit
// openStatsRequested(), openSettingsRequested() and quitRequested(): closing
// the popover first, and quitting through the application's one quit path,
// are the host's business. The power symbol turns to the destructive colour
// while hovered.
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
    void quitRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    SymbolButton *m_stats;
    SymbolButton *m_settings;
    SymbolButton *m_quit;
};

} // namespace halvex
