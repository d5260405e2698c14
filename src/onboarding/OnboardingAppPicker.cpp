#include "onboarding/OnboardingAppPicker.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/AppPicker.h"
#include "editor/ApplicationChooser.h"
#include "platform/DesktopEntry.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

QString chooseTitle()
{
    //% "Choose app…"
    return qtTrId("onboarding.firstStreak.custom.app.choose");
}

} // namespace

OnboardingAppPicker::OnboardingAppPicker(const platform::DesktopEntryIndex &index, QWidget *parent)
    : QWidget(parent)
    , m_applications(index)
    , m_choose(new SecondaryButton({.action = [this] { chooseApplication(); }}, this))
    , m_row(new QWidget(this))
{
    m_choose->setObjectName(QStringLiteral("onboarding.firstStreak.custom.app.choose"));
    m_row->setObjectName(QStringLiteral("onboarding.firstStreak.custom.app.selection"));
    auto *row = new QHBoxLayout(m_row);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_choose, 0, Qt::AlignLeft);
    column->addWidget(m_row);
    m_row->hide();
    retranslate();
}

void OnboardingAppPicker::setSelection(const std::optional<OnboardingAppSelection> &selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    showSelection();
}

void OnboardingAppPicker::chooseApplication()
{
    ApplicationChooser::choose(
        m_applications,
        {.multipleSelection = false,
         .title =
             [] {
                 //% "Choose an application"
                 return qtTrId("onboarding.firstStreak.custom.app.chooserTitle");
             },
         .confirmTitle = chooseTitle},
        this, [this](const QStringList &chosen) {
            if (chosen.isEmpty())
                return;
            // What cannot be read leaves the earlier choice as it was, silently.
            const std::optional<OnboardingAppSelection> read = readAppSelection(chosen.first());
            if (!read || read == m_selection)
                return;
            m_selection = read;
            showSelection();
            emit selectionEdited(m_selection);
        });
}

std::optional<OnboardingAppSelection>
OnboardingAppPicker::readAppSelection(const QString &identifier) const
{
    const std::optional<InstalledApplications::Application> application =
        m_applications.find(identifier);
    if (!application)
        return std::nullopt;
    return OnboardingAppSelection{application->identifier, application->name, application->path};
}

QIcon OnboardingAppPicker::appIcon(const OnboardingAppSelection &selection)
{
    if (!selection.iconPath || !QFileInfo::exists(*selection.iconPath))
        return {};
    const QFileInfo file(*selection.iconPath);
    const std::optional<platform::DesktopEntry> entry =
        platform::DesktopEntry::load(file.filePath(), file.completeBaseName());
    return entry ? InstalledApplications::icon(entry->icon()) : QIcon();
}

void OnboardingAppPicker::showSelection()
{
    auto *row = static_cast<QHBoxLayout *>(m_row->layout());
    while (QLayoutItem *item = row->takeAt(0)) {
        if (QLayout *inner = item->layout()) {
            while (QLayoutItem *innerItem = inner->takeAt(0)) {
                delete innerItem->widget();
                delete innerItem;
            }
        }
        delete item->widget();
        delete item;
    }
    m_row->setVisible(m_selection.has_value());
    if (!m_selection)
        return;
    QWidget *iconView = AppPicker::iconView(
        appIcon(*m_selection), QStringLiteral("onboarding.firstStreak.custom.app.icon"), m_row);
    auto *name =
        new KitLabel(m_selection->displayName, Typography::body13Medium(), Color::ink(), m_row);
    name->setObjectName(QStringLiteral("onboarding.firstStreak.custom.app.selection.name"));
    auto *identifier =
        new KitLabel(m_selection->bundleId, Typography::caption11Mono(), Color::inkMuted(), m_row);
    identifier->setObjectName(
        QStringLiteral("onboarding.firstStreak.custom.app.selection.identifier"));
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(name);
    texts->addWidget(identifier);

    row->addWidget(iconView, 0, Qt::AlignVCenter);
    row->addLayout(texts, 1);
}

void OnboardingAppPicker::retranslate()
{
    m_choose->setText(chooseTitle());
}

void OnboardingAppPicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
