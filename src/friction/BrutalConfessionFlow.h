#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace halvex {

class DestructiveButton;
class FrictionViewModel;
class KitLabel;
class OutlinedTextEdit;
class PrimaryButton;

// The card's content in brutal mode once the user asked to open anyway: a
// countdown to wait out and a confession of at least 40 characters to type
// before the open-anyway button can be pressed; cancel goes back to the
// normal card. The countdown, the rule and the stored answer are the view
// model's; this view shows them and gates the button.
class BrutalConfessionFlow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrutalConfessionFlow)
public:
    explicit BrutalConfessionFlow(FrictionViewModel &viewModel, QWidget *parent = nullptr);

    static constexpr int padding = 24;
    static constexpr int spacing = 12;
    static constexpr int editorMinimumHeight = 100;
    static constexpr int editorPadding = 8;

    // The counter line for `remaining` characters still missing.
    static QString counterText(int remaining);

    QPlainTextEdit *editor() const { return m_editor; }
    // The counter line as shown.
    QString counterLine() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();

    FrictionViewModel &m_viewModel;
    KitLabel *m_title;
    KitLabel *m_wait;
    KitLabel *m_prompt;
    OutlinedTextEdit *m_editorFrame;
    QPlainTextEdit *m_editor;
    KitLabel *m_counter;
    PrimaryButton *m_cancel;
    DestructiveButton *m_submit;
};

} // namespace halvex
