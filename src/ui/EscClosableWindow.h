#pragma once

#include <QWidget>

namespace halvex {

// A top-level window that closes on Esc (and Ctrl+Period) exactly as its
// close button would: close() runs, so a close-event veto still holds.
// A child that uses Esc itself (an open popup, an editor) keeps it.
class EscClosableWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EscClosableWindow)
public:
    explicit EscClosableWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Window);

public slots:
    // Asks the window to close, as a click on its close button does.
    void cancelOperation();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace halvex
