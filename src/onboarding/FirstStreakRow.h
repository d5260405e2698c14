#pragma once

#include <QWidget>

#include "onboarding/OnboardingChoiceButton.h"

namespace halvex {

// The clickable part of a first-streak row: the symbol, the title, and a
// radio mark at the trailing edge, filled while selected.
class FirstStreakRowButton final : public OnboardingChoiceButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstStreakRowButton)
public:
    static constexpr int symbolWidth = 18;
    static constexpr int radioSize = 14;
    static constexpr int dotSize = 6;
    static constexpr int spacing = 12;
    static constexpr int horizontalPadding = 16;
    static constexpr int verticalPadding = 12;

    FirstStreakRowButton(QString systemImage, QWidget *parent = nullptr);

    const QString &systemImage() const { return m_systemImage; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_systemImage;
};

// One choice of the first-streak screen: the row button, and below it, only
// while selected, the row's own extra content (the site field, the
// application picker), 16 in from the sides. Clicking the row asks to select
// it; whether it is selected is the owner's to say.
class FirstStreakRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstStreakRow)
public:
    // Takes `trailing` in; none for a row without extra content.
    FirstStreakRow(const QString &systemImage, QWidget *trailing = nullptr,
                   QWidget *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);

    bool isSelected() const;
    void setSelected(bool selected, bool animated = true);

    FirstStreakRowButton *button() const { return m_button; }
    QWidget *trailing() const { return m_trailing; }

signals:
    void clicked();

private:
    FirstStreakRowButton *m_button;
    QWidget *m_trailing;
    QWidget *m_trailingBox = nullptr;
};

} // namespace halvex
