#pragma once

#include <functional>

#include <QObject>

class QAction;

namespace halvex {

// The application menu's About and Help commands. This desktop gives a
// status-item application no menu bar, so both become actions of every
// window of ours, Help on F1; both open the settings window on its About tab.
// Main thread only.
class AppMenuCommands final : public QObject {
    Q_OBJECT
public:
    // `showAbout` opens the About tab; empty, the commands do nothing.
    explicit AppMenuCommands(std::function<void()> showAbout, QObject *parent = nullptr);
    ~AppMenuCommands() override;
    Q_DISABLE_COPY_MOVE(AppMenuCommands)

    // From now on each window of the application gets the commands when it shows.
    void install();

    QAction *aboutAction() const { return m_about; }
    QAction *helpAction() const { return m_help; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    std::function<void()> m_showAbout;
    QAction *m_about;
    QAction *m_help;
};

} // namespace halvex
