#pragma once

#include <memory>

#include <QWidget>

namespace halvex {

class Streak;
class StreakEngine;
class TextInputField;

// Renames a stored streak as the user types: every change of the text is
// stored at once through the engine's name binding (which stamps, saves,
// reloads the list and plans the milestones again), trimmed of blanks and
// tabs at both ends. A blank text, or the stored name again, stores
// nothing; the field keeps showing what was typed. The field starts with
// the stored name and then follows only the user's typing.
//
// Identifier: "streakEditor.field.name".
class StreakNameEditField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakNameEditField)
public:
    StreakNameEditField(const std::shared_ptr<Streak> &streak, StreakEngine &engine,
                        QWidget *parent = nullptr);

    // Stores `text` as the streak's name, as a change of the field does.
    static void commit(StreakEngine &engine, const std::shared_ptr<Streak> &streak,
                       const QString &text);

    TextInputField *field() const { return m_field; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    TextInputField *m_field;
};

} // namespace halvex
