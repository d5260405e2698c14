#include "editor/StreakNameEditField.h"

#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "engine/StreakEngine.h"
#include "engine/TrimmedBlanks.h"
#include "ui/KitLabel.h"
#include "ui/TextInputField.h"

namespace halvex {

StreakNameEditField::StreakNameEditField(const std::shared_ptr<Streak> &streak,
                                         StreakEngine &engine, QWidget *parent)
    : QWidget(parent)
    , m_field(new TextInputField({.title = QString(),
                                  .text = streak->name(),
                                  .accessibilityID = QStringLiteral("streakEditor.field.name")}))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_field);
    connect(m_field, &TextInputField::textChanged, this,
            [&engine, streak](const QString &text) { commit(engine, streak, text); });
    // Showing the stored name counts as a change: a stored name with blanks
    // around it is trimmed now.
    commit(engine, streak, m_field->text());
    // A long name shows its start.
    m_field->input()->setCursorPosition(0);
    retranslate();
}

void StreakNameEditField::commit(StreakEngine &engine, const std::shared_ptr<Streak> &streak,
                                 const QString &text)
{
    const QString name = trimmedBlanks(text);
    if (name.isEmpty() || name == streak->name())
        return;
    // The binding refuses a streak deleted meanwhile.
    engine.setName(streak, name);
}

void StreakNameEditField::retranslate()
{
    //% "Name"
    const QString title = qtTrId("streakEditor.new.name.title");
    if (auto *label = m_field->findChild<KitLabel *>())
        label->setText(title);
    //% "e.g. Social media"
    m_field->input()->setPlaceholderText(qtTrId("streakEditor.new.name.placeholder"));
}

void StreakNameEditField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
