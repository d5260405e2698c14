#include "editor/DomainListInput.h"

#include <algorithm>

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
#include "ui/KitScrollArea.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"
#include "ui/WrappingRowLayout.h"

namespace halvex {

namespace {

const QString rowName = QStringLiteral("streakEditor.domains.row");

// Text that means something, but no site: it stores the empty entry.
bool isUnusable(const QString &text)
{
    const QString entry = normalizedDomainEntry(text);
    return !entry.isEmpty() && !isSiteEntry(entry);
}

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

    // The two actions share a line where they fit; in a narrow column or a
    // wordy language the second goes below the first.
    auto *controls = new WrappingRowLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(16);
    controls->setLineSpacing(spacing);
    controls->addWidget(m_add);
    controls->addWidget(m_addSet);

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

DomainListInput::~DomainListInput()
{
    // A focused field still finishes its editing as the window closes, after
    // this part of the input has gone.
    for (const Row &row : std::as_const(m_rowViews))
        row.field->input()->disconnect(this);
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
    // What the user types next belongs in the row just added.
    if (!m_rowViews.isEmpty())
        m_rowViews.last().field->input()->setFocus(Qt::OtherFocusReason);
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
    next[index] = storedDomainEntry(text);
    if (next != m_domains)
        commit(next);
}

void DomainListInput::removeRow(int index)
{
    if (index < 0 || index >= m_domains.size())
        return;
    QStringList next = m_domains;
    next.removeAt(index);
    // The rows below move up with their text, half-typed or refused as it
    // may be, not only with what they store.
    for (int i = index; i + 1 < m_rowViews.size(); ++i) {
        m_rowViews[i].field->setText(m_rowViews[i + 1].field->text());
        m_rowViews[i].typing = m_rowViews[i + 1].typing;
    }
    commit(next);
}

void DomainListInput::finishEditing()
{
    for (int i = 0; i < m_rowViews.size(); ++i)
        finishRow(i);
}

bool DomainListInput::hasUnusableEntry() const
{
    return std::any_of(m_rowViews.cbegin(), m_rowViews.cend(),
                       [](const Row &row) { return isUnusable(row.field->text()); });
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
    // Rows go by index: the last ones go (or come) and the rest keep their
    // field, so the one being typed in keeps its focus.
    while (m_rowViews.size() > m_domains.size()) {
        QWidget *row = m_rowViews.takeLast().widget;
        row->hide();
        row->setParent(nullptr);
        row->deleteLater(); // its remove button may be the one being clicked
    }
    while (m_rowViews.size() < m_domains.size()) {
        const int index = int(m_rowViews.size());
        auto *row = new QWidget(m_rows);
        row->setObjectName(rowName);
        auto *field = new TextInputField(
            {.accessibilityID = QStringLiteral("streakEditor.domains.field")}, row);
        auto *remove = new SymbolButton(QStringLiteral("xmark.circle.fill"),
                                        Symbol::sizeForFont(14), 22, Color::inkMuted(), row);
        remove->setObjectName(QStringLiteral("streakEditor.domains.remove"));
        auto *problem = new KitLabel({}, Typography::caption11(), Color::destructive(), row);
        problem->setObjectName(QStringLiteral("streakEditor.domains.invalid"));
        problem->setWordWrap(true);
        problem->hide();
        KitScrollArea::revealWhenShown(problem);
        auto *line = new QHBoxLayout;
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(8);
        line->addWidget(field, 1);
        line->addWidget(remove, 0, Qt::AlignVCenter);
        auto *column = new QVBoxLayout(row);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(4);
        column->addLayout(line);
        column->addWidget(problem);
        // A row that has gone may still hear from its field as it hides.
        connect(field->input(), &QLineEdit::textEdited, this, [this, index](const QString &text) {
            if (index >= m_rowViews.size())
                return;
            m_rowViews[index].typing = true;
            showProblem(m_rowViews[index]);
            editRow(index, text);
        });
        connect(field->input(), &QLineEdit::editingFinished, this,
                [this, index] { finishRow(index); });
        connect(remove, &QAbstractButton::clicked, this, [this, index] { removeRow(index); });
        layout->addWidget(row);
        row->show();
        m_rowViews.append({row, field, problem, remove});
    }
    //% "example.com"
    const QString placeholder = qtTrId("streakEditor.domains.placeholder");
    //% "Remove"
    const QString removeLabel = qtTrId("streakEditor.domains.remove");
    //% "Not a site, so it blocks nothing. Enter one like example.com or reddit.com/r/all."
    const QString problemText = qtTrId("streakEditor.domains.invalid");
    for (int i = 0; i < m_rowViews.size(); ++i) {
        Row &row = m_rowViews[i];
        QLineEdit *input = row.field->input();
        const QString shown = input->text();
        // A field already saying what its row stores is left as typed; one
        // whose entry changed elsewhere shows the entry.
        if (shown != m_domains[i] && storedDomainEntry(shown) != m_domains[i]) {
            const int caret = input->cursorPosition();
            row.field->setText(m_domains[i]);
            row.typing = false;
            if (input->hasFocus())
                input->setCursorPosition(qMin(caret, int(m_domains[i].size())));
        }
        input->setPlaceholderText(placeholder);
        row.remove->setAccessibleName(removeLabel);
        row.problem->setText(problemText);
        showProblem(row);
    }
}

void DomainListInput::finishRow(int index)
{
    if (index < 0 || index >= m_rowViews.size())
        return;
    Row &row = m_rowViews[index];
    row.typing = false;
    // Done typing: the field shows the stored form of what it says, so
    // "HTTPS://Example.com:8080/a?b" becomes "example.com/a". Text that is
    // no site stays for the user to mend.
    if (normalizedDomainEntry(row.field->text()) == m_domains[index])
        row.field->setText(m_domains[index]);
    showProblem(row);
}

void DomainListInput::showProblem(Row &row)
{
    // Not while the letters are still coming: "ex" on the way to
    // "example.com" is no fault.
    row.problem->setVisible(!row.typing && isUnusable(row.field->text()));
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
