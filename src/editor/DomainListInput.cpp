#include "editor/DomainListInput.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

#include "editor/PlainTextButton.h"
#include "editor/StreakFollower.h"
#include "ui/SymbolButton.h"
#include "engine/DomainEntry.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QString rowName = QStringLiteral("streakEditor.domains.row");

PlainTextButton *linkButton(const QString &symbol, QWidget *parent)
{
    return new PlainTextButton({.symbol = symbol,
                                .symbolSize = Symbol::sizeForFont(11),
                                .font = Typography::body13Medium(),
                                .color = Color::ink()},
                               parent);
}

} // namespace

QString DomainListInput::presetTitle(DomainPreset preset)
{
    switch (preset) {
    case DomainPreset::social:
        //% "Social media"
        return qtTrId("streakEditor.domains.set.social");
    case DomainPreset::video:
        //% "Video"
        return qtTrId("streakEditor.domains.set.video");
    case DomainPreset::news:
        //% "News"
        return qtTrId("streakEditor.domains.set.news");
    case DomainPreset::shopping:
        //% "Shopping"
        return qtTrId("streakEditor.domains.set.shopping");
    case DomainPreset::games:
        //% "Games"
        return qtTrId("streakEditor.domains.set.games");
    }
    return {};
}

DomainListInput::DomainListInput(const QStringList &domains, QWidget *parent)
    : QWidget(parent)
    , m_domains(domains)
    , m_title(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_pathHint(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_rows(new QWidget(this))
    , m_add(linkButton(QStringLiteral("plus"), this))
    , m_addSet(linkButton(QStringLiteral("square.stack"), this))
    , m_presetMenu(new QMenu(m_addSet))
{
    m_pathHint->setObjectName(QStringLiteral("streakEditor.domains.pathHint"));
    m_pathHint->setWordWrap(true);
    m_add->setObjectName(QStringLiteral("streakEditor.domains.add"));
    m_addSet->setObjectName(QStringLiteral("streakEditor.domains.addSet"));
    m_presetMenu->setObjectName(QStringLiteral("streakEditor.domains.addSet.menu"));
    for (DomainPreset preset : allDomainPresets()) {
        QAction *action = m_presetMenu->addAction(QString());
        action->setObjectName(labelKey(preset));
        connect(action, &QAction::triggered, this, [this, preset] { addPreset(preset); });
    }

    auto *rows = new QVBoxLayout(m_rows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(spacing);

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(16);
    controls->addWidget(m_add, 0, Qt::AlignVCenter);
    controls->addWidget(m_addSet, 0, Qt::AlignVCenter);
    controls->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    column->addWidget(m_title);
    column->addWidget(m_pathHint);
    column->addWidget(m_rows);
    column->addLayout(controls);

    connect(m_add, &QAbstractButton::clicked, this, &DomainListInput::addEmptyRow);
    connect(m_addSet, &QAbstractButton::clicked, this, &DomainListInput::showPresetMenu);
    retranslate();
    syncRows();
}

void DomainListInput::setDomains(const QStringList &domains)
{
    if (domains == m_domains)
        return;
    m_domains = domains;
    syncRows();
}

void DomainListInput::bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak)
{
    followStreak(this, streak, {QStringLiteral("domains")},
                 [this, streak] { setDomains(StreakEngine::domainsBindingGet(streak)); });
    connect(this, &DomainListInput::domainsEdited, &engine,
            [&engine, streak](const QStringList &domains) {
                engine.domainsBindingSet(streak, domains);
            });
}

void DomainListInput::addEmptyRow()
{
    commit(m_domains + QStringList{QString()});
}

void DomainListInput::addPreset(DomainPreset preset)
{
    const QStringList next = merged(preset, m_domains);
    if (next != m_domains)
        commit(next);
}

void DomainListInput::editRow(int index, const QString &text)
{
    if (index < 0 || index >= m_domains.size())
        return;
    QStringList next = m_domains;
    next[index] = normalizedDomainEntry(text);
    if (next == m_domains) {
        // The field may still hold what normalising took away.
        syncRows();
        return;
    }
    commit(next);
}

void DomainListInput::removeRow(int index)
{
    if (index < 0 || index >= m_domains.size())
        return;
    QStringList next = m_domains;
    next.removeAt(index);
    commit(next);
}

void DomainListInput::commit(const QStringList &domains)
{
    m_domains = domains;
    syncRows();
    emit domainsEdited(m_domains);
}

void DomainListInput::syncRows()
{
    auto *layout = static_cast<QVBoxLayout *>(m_rows->layout());
    QList<QWidget *> rows = m_rows->findChildren<QWidget *>(rowName, Qt::FindDirectChildrenOnly);
    // Rows go by index: the last ones go (or come) and the rest keep their
    // field, so the one being typed in keeps its focus.
    while (rows.size() > m_domains.size()) {
        QWidget *row = rows.takeLast();
        row->hide();
        row->setParent(nullptr);
        row->deleteLater(); // its remove button may be the one being clicked
    }
    while (rows.size() < m_domains.size()) {
        const int index = int(rows.size());
        auto *row = new QWidget(m_rows);
        row->setObjectName(rowName);
        auto *field = new TextInputField(
            {.accessibilityID = QStringLiteral("streakEditor.domains.field")}, row);
        auto *remove = new SymbolButton(QStringLiteral("xmark.circle.fill"),
                                        Symbol::sizeForFont(14), 22, Color::inkMuted(), row);
        remove->setObjectName(QStringLiteral("streakEditor.domains.remove"));
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(8);
        line->addWidget(field, 1);
        line->addWidget(remove, 0, Qt::AlignVCenter);
        connect(field->input(), &QLineEdit::textEdited, this,
                [this, index](const QString &text) { editRow(index, text); });
        connect(remove, &QAbstractButton::clicked, this, [this, index] { removeRow(index); });
        layout->addWidget(row);
        row->show();
        rows.append(row);
    }
    //% "example.com"
    const QString placeholder = qtTrId("streakEditor.domains.placeholder");
    //% "Remove"
    const QString removeLabel = qtTrId("streakEditor.domains.remove");
    for (int i = 0; i < rows.size(); ++i) {
        auto *field = rows[i]->findChild<TextInputField *>();
        QLineEdit *input = field->input();
        if (input->text() != m_domains[i]) {
            // While typing, the caret stays where it was, as far as the text allows.
            const int caret = input->cursorPosition();
            field->setText(m_domains[i]);
            if (input->hasFocus())
                input->setCursorPosition(qMin(caret, int(m_domains[i].size())));
        }
        input->setPlaceholderText(placeholder);
        rows[i]->findChild<SymbolButton *>()->setAccessibleName(removeLabel);
    }
}

void DomainListInput::showPresetMenu()
{
    m_presetMenu->popup(m_addSet->mapToGlobal(QPoint(0, m_addSet->height())));
}

void DomainListInput::retranslate()
{
    //% "Websites"
    m_title->setText(qtTrId("streakEditor.domains.title"));
    //% "Add a path to block only part of a site, like reddit.com/r/all."
    m_pathHint->setText(qtTrId("streakEditor.domains.pathHint"));
    //% "Add site"
    m_add->setText(qtTrId("streakEditor.domains.add"));
    //% "Add a set"
    m_addSet->setText(qtTrId("streakEditor.domains.addSet"));
    const QList<QAction *> actions = m_presetMenu->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setText(presetTitle(allDomainPresets().at(i)));
    syncRows();
}

void DomainListInput::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
