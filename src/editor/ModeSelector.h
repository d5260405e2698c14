#pragma once

#include <memory>

#include <QWidget>

#include "model/Streak.h"

namespace halvex {

class KitLabel;
class StreakEngine;

// The form section that chooses a streak's strictness mode: a column of
// three rows with a description under each name (stacked), or a row of
// three cards with the chosen mode's description below them (compact).
//
// Bind it to a value: setMode() shows a mode and emits nothing; a click on a
// card or row emits modeEdited() with its mode (the chosen one too) and
// shows it. bindTo() edits a stored streak instead: the engine's setter
// writes and saves each click, and edits made elsewhere are shown.
//
// Identifiers: "streakEditor.mode.gentle", ".firm", ".brutal" on the cards
// or rows (checkable cards carry the selection; rows show a checkmark).
class ModeSelector final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModeSelector)
public:
    enum class Style { stacked, compact };

    explicit ModeSelector(StrictnessMode mode, bool showsTitle = true, Style style = Style::stacked,
                          QWidget *parent = nullptr);

    static constexpr int spacing = 8;
    static constexpr int cardSpacing = 6;

    StrictnessMode mode() const { return m_mode; }
    void setMode(StrictnessMode mode);
    bool showsTitle() const { return m_title != nullptr; }
    Style style() const { return m_style; }

    // Reads and writes the streak's mode through the engine; call once.
    void bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak);

    // The choice of each mode, in the order gentle, firm, brutal.
    QWidget *choice(StrictnessMode mode) const;
    // The compact style's description line; null in the stacked style.
    KitLabel *descriptionLabel() const { return m_description; }

signals:
    void modeEdited(halvex::StrictnessMode mode);

protected:
    void changeEvent(QEvent *event) override;

private:
    void select(StrictnessMode mode);
    void refresh(bool animated = true);
    void retranslate();

    StrictnessMode m_mode;
    Style m_style;
    KitLabel *m_title = nullptr;
    KitLabel *m_description = nullptr;
    QList<QWidget *> m_choices;
};

} // namespace halvex
