#include "editor/AppPicker.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/ApplicationChooser.h"
#include "editor/StreakFollower.h"
#include "ui/SymbolButton.h"
#include "engine/StreakEngine.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

QWidget *AppPicker::iconView(const QIcon &icon, const QString &objectName, QWidget *parent)
{
    if (icon.isNull()) {
        auto *symbol = new SymbolView(QStringLiteral("app"), iconSize, Color::inkMuted(), parent);
        symbol->setObjectName(objectName);
        return symbol;
    }
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFixedSize(iconSize, iconSize);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(icon.pixmap(QSize(iconSize, iconSize), parent->devicePixelRatioF()));
    return label;
}

AppPicker::AppPicker(const platform::DesktopEntryIndex &index, const QStringList &bundleIdentifiers,
                     QWidget *parent)
    : QWidget(parent)
    , m_applications(index)
    , m_identifiers(bundleIdentifiers)
    , m_title(new KitLabel({}, Typography::caption11(), Color::inkMuted(), this))
    , m_rows(new QWidget(this))
    , m_choose(new SecondaryButton({.action = [this] { choose(); }}, this))
{
    m_choose->setObjectName(QStringLiteral("streakEditor.apps.choose"));
    auto *rows = new QVBoxLayout(m_rows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_title);
    column->addWidget(m_rows);
    column->addWidget(m_choose, 0, Qt::AlignLeft);
    retranslate();
}

void AppPicker::setBundleIdentifiers(const QStringList &identifiers)
{
    if (identifiers == m_identifiers)
        return;
    m_identifiers = identifiers;
    rebuildRows();
}

void AppPicker::bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak)
{
    followStreak(this, streak, {QStringLiteral("bundleIdentifiers")}, [this, streak] {
        setBundleIdentifiers(StreakEngine::bundleIdentifiersBindingGet(streak));
    });
    connect(this, &AppPicker::bundleIdentifiersEdited, &engine,
            [&engine, streak](const QStringList &identifiers) {
                engine.bundleIdentifiersBindingSet(streak, identifiers);
            });
}

void AppPicker::choose()
{
    ApplicationChooser::choose(m_applications, {}, this,
                               [this](const QStringList &chosen) { append(chosen); });
}

void AppPicker::append(const QStringList &identifiers)
{
    bool changed = false;
    for (const QString &identifier : identifiers) {
        if (identifier.isEmpty() || m_identifiers.contains(identifier))
            continue;
        m_identifiers.append(identifier);
        changed = true;
    }
    if (!changed)
        return;
    rebuildRows();
    emit bundleIdentifiersEdited(m_identifiers);
}

void AppPicker::remove(const QString &identifier)
{
    if (m_identifiers.removeAll(identifier) == 0)
        return;
    rebuildRows();
    emit bundleIdentifiersEdited(m_identifiers);
}

void AppPicker::rebuildRows()
{
    // The clicked remove button may be among them: let it return first.
    for (QWidget *row : m_rows->findChildren<QWidget *>(QStringLiteral("streakEditor.apps.row"),
                                                        Qt::FindDirectChildrenOnly)) {
        row->hide();
        row->setParent(nullptr);
        row->deleteLater();
    }
    for (const QString &identifier : std::as_const(m_identifiers)) {
        const std::optional<InstalledApplications::Application> application =
            m_applications.find(identifier);
        auto *row = new QWidget(m_rows);
        row->setObjectName(QStringLiteral("streakEditor.apps.row"));
        row->setProperty("bundleIdentifier", identifier);

        auto *name =
            new KitLabel(application ? application->name : m_applications.nameOf(identifier),
                         Typography::body13Medium(), Color::ink(), row);
        name->setObjectName(QStringLiteral("streakEditor.apps.name"));
        auto *id = new KitLabel(identifier, Typography::caption11Mono(), Color::inkMuted(), row);
        id->setObjectName(QStringLiteral("streakEditor.apps.identifier"));
        id->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *texts = new QVBoxLayout;
        texts->setContentsMargins(0, 0, 0, 0);
        texts->setSpacing(2);
        texts->addWidget(name);
        texts->addWidget(id);

        auto *removeButton = new SymbolButton(QStringLiteral("xmark.circle.fill"),
                                              Symbol::sizeForFont(14), 22, Color::inkMuted(), row);
        removeButton->setObjectName(QStringLiteral("streakEditor.apps.remove"));
        //% "Remove"
        removeButton->setAccessibleName(qtTrId("streakEditor.apps.remove"));
        connect(removeButton, &QAbstractButton::clicked, this,
                [this, identifier] { remove(identifier); });

        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 4, 0, 4);
        line->setSpacing(8);
        line->addWidget(
            iconView(application ? InstalledApplications::icon(application->icon) : QIcon(),
                     QStringLiteral("streakEditor.apps.icon"), row),
            0, Qt::AlignVCenter);
        line->addLayout(texts, 1);
        line->addSpacing(8);
        line->addWidget(removeButton, 0, Qt::AlignVCenter);
        m_rows->layout()->addWidget(row);
        row->show();
    }
}

void AppPicker::retranslate()
{
    //% "Applications"
    m_title->setText(qtTrId("streakEditor.apps.title"));
    //% "Choose apps"
    m_choose->setText(qtTrId("streakEditor.apps.choose"));
    rebuildRows();
}

void AppPicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
