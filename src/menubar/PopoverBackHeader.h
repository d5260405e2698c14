#pragma once

#include <QWidget>

namespace halvex {

class ClampedLabel;
class SymbolButton;

// The header row of every popover screen below the list: a back chevron
// (which emits backRequested()) and a one-line title, shown as given.
// The screen names the back button's identifier.
class PopoverBackHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverBackHeader)
public:
    PopoverBackHeader(const QString &title, const QString &backAccessibilityId,
                      QWidget *parent = nullptr);

    static constexpr int buttonFrame = 28;

    void setTitle(const QString &title);
    ClampedLabel *titleLabel() const { return m_title; }
    SymbolButton *backButton() const { return m_back; }

signals:
    void backRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    SymbolButton *m_back;
    ClampedLabel *m_title;
};

} // namespace halvex
