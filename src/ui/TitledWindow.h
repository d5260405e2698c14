#pragma once

#include <functional>

#include <QString>

#include "ui/EscClosableWindow.h"

namespace halvex {

// A top-level window whose title follows the interface language and which
// tells its owner each time a close goes through (one not vetoed). Esc and
// Ctrl+Period close it unless `closesOnEscape` is off, when keys go on to
// the plain widget handling.
class TitledWindow final : public EscClosableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TitledWindow)
public:
    struct Options {
        QString objectName{};
        // Asked again on each language change.
        std::function<QString()> title{};
        std::function<void()> didClose{};
        Qt::WindowFlags flags = Qt::Window;
        bool closesOnEscape = true;
    };

    explicit TitledWindow(Options options, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Options m_options;
};

} // namespace halvex
