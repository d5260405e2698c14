#include "editor/NewStreakFormContent.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/AllowanceInput.h"
#include "editor/AppPicker.h"
#include "editor/DividerLine.h"
#include "editor/DomainListInput.h"
#include "editor/ModeSelector.h"
#include "editor/PopoverFormBox.h"
#include "editor/SeededDomainsRow.h"
#include "editor/SegmentedControl.h"
#include "editor/SheetFooter.h"
#include "engine/MilestonePlanning.h"
#include "engine/StreakEngine.h"
#include "engine/TrimmedBlanks.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "platform/Log.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/TextInputField.h"
#include "ui/ToggleRow.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

QStringList typeTitles()
{
    //% "Sites"
    const QString sites = qtTrId("streakEditor.new.type.site");
    //% "Apps"
    const QString apps = qtTrId("streakEditor.new.type.app");
    return {sites, apps};
}

} // namespace

QString NewStreakFormContent::domainDisplayName(const QString &entry)
{
    QString text = trimmedBlanks(entry).toLower();
    const qsizetype slash = text.indexOf(u'/');
    if (slash >= 0)
        text.truncate(slash);
    if (text.startsWith(u"www."))
        text.remove(0, 4);
    const QStringList pieces = text.split(u'.', Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return {};
    // The label before the last suffix: mail.example.com gives example.
    const QString piece = pieces.size() == 1 ? pieces.first() : pieces.at(pieces.size() - 2);
    return piece.left(1).toUpper() + piece.mid(1);
}

NewStreakFormContent::NewStreakFormContent(PersistenceController &persistence, StreakEngine &engine,
                                           MilestonePlanning &milestonePlanning,
                                           const platform::DesktopEntryIndex &applications,
                                           Options options, QWidget *parent)
    : QWidget(parent)
    , m_persistence(persistence)
    , m_engine(engine)
    , m_milestonePlanning(milestonePlanning)
    , m_options(std::move(options))
    , m_scroll(new KitScrollArea(this))
    , m_typeTitle(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_typePicker(new SegmentedControl(typeTitles()))
    , m_domainList(new DomainListInput(m_domains))
    , m_appPicker(new AppPicker(applications))
    , m_nameField(
          new TextInputField({.title = QString(),
                              .autoFocus = m_options.autoFocusName,
                              .accessibilityID = QStringLiteral("streakEditor.field.name")}))
    , m_modeSelector(new ModeSelector(m_mode, true,
                                      m_options.compact ? ModeSelector::Style::compact
                                                        : ModeSelector::Style::stacked))
    , m_freePass(new ToggleRow({.isOn = m_allowDailyFreePass,
                                .accessibilityID = QStringLiteral("streakEditor.toggle.freePass")}))
    , m_externalLink(
          new ToggleRow({.isOn = m_allowExternalLinkBypass,
                         .accessibilityID = QStringLiteral("streakEditor.toggle.externalLink")}))
    , m_notifications(
          new ToggleRow({.isOn = m_notificationsEnabled,
                         .accessibilityID = QStringLiteral("streakEditor.toggle.notifications")}))
    , m_error(new KitLabel({}, Typography::caption11(), Color::destructive()))
    , m_cancel(new SecondaryButton({.action = [this] { emit dismissed(); }}))
    , m_save(new PrimaryButton({.action = [this] { attemptSave(); }}))
{
    const int padding = m_options.horizontalPadding;
    m_typePicker->setObjectName(QStringLiteral("streakEditor.picker.type"));
    m_typePicker->setSelectedIndex(0);
    m_error->setObjectName(QStringLiteral("streakEditor.error"));
    m_error->setWordWrap(true);
    m_error->hide();
    m_cancel->setObjectName(QStringLiteral("streakEditor.button.cancel"));
    m_save->setObjectName(QStringLiteral("streakEditor.button.save"));

    if (m_options.seed) {
        m_seededRow = new SeededDomainsRow(*m_options.seed, 0);
        connect(m_seededRow, &SeededDomainsRow::expandRequested, this, [this] {
            m_seedCollapsed = false;
            showTargets();
        });
    }

    auto *type = new QWidget;
    auto *typeColumn = new QVBoxLayout(type);
    typeColumn->setContentsMargins(0, 0, 0, 0);
    typeColumn->setSpacing(8);
    typeColumn->addWidget(m_typeTitle);
    typeColumn->addWidget(m_typePicker);

    auto *targets = new QWidget;
    auto *targetColumn = new QVBoxLayout(targets);
    targetColumn->setContentsMargins(0, 0, 0, 0);
    if (m_seededRow)
        targetColumn->addWidget(m_seededRow);
    targetColumn->addWidget(m_domainList);
    targetColumn->addWidget(m_appPicker);

    auto *activeWindow = new ActiveWindowInput(m_activeWindow);
    auto *allowance = new AllowanceInput(m_allowanceEnabled, m_allowanceMinutes);

    auto *toggles = new QWidget;
    auto *toggleColumn = new QVBoxLayout(toggles);
    toggleColumn->setContentsMargins(0, 0, 0, 0);
    toggleColumn->setSpacing(0);
    for (ToggleRow *row : {m_freePass, m_externalLink, m_notifications}) {
        if (m_options.compact && row != m_freePass)
            toggleColumn->addWidget(new DividerLine);
        toggleColumn->addWidget(row);
    }

    auto *body = new QWidget;
    auto *sections = new QVBoxLayout(body);
    sections->setContentsMargins(padding, 0, padding, 16);
    sections->setSpacing(16);
    sections->addWidget(type);
    sections->addWidget(targets);
    sections->addWidget(m_nameField);
    sections->addWidget(m_modeSelector);
    sections->addWidget(boxed(activeWindow));
    sections->addWidget(boxed(allowance));
    sections->addWidget(toggles);
    sections->addWidget(m_error);
    sections->addStretch(1);

    body->setAutoFillBackground(false);
    m_scroll->setWidget(body);

    auto *footer = new SheetFooter;
    auto *buttons = new QHBoxLayout(footer);
    buttons->setContentsMargins(padding, 16, padding, 16);
    buttons->setSpacing(12);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_save);
    buttons->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_scroll, 1);
    column->addWidget(footer);

    connect(m_typePicker, &SegmentedControl::segmentActivated, this,
            [this](int index) { setStreakType(index == 1 ? StreakType::app : StreakType::site); });
    connect(m_domainList, &DomainListInput::domainsEdited, this, [this](const QStringList &list) {
        m_domains = list;
        if (m_seededRow)
            m_seededRow->setCount(m_domains.size());
        refreshAutoName();
    });
    connect(m_appPicker, &AppPicker::bundleIdentifiersEdited, this,
            [this](const QStringList &list) {
                m_bundleIdentifiers = list;
                refreshAutoName();
            });
    connect(m_nameField, &TextInputField::textChanged, this,
            [this](const QString &text) { m_name = text; });
    // Only the user's own typing counts; clearing the name to blank hands
    // naming back to the targets.
    connect(m_nameField->input(), &QLineEdit::textEdited, this,
            [this](const QString &text) { m_nameManuallyEdited = !trimmedBlanks(text).isEmpty(); });
    connect(m_modeSelector, &ModeSelector::modeEdited, this,
            [this](StrictnessMode mode) { m_mode = mode; });
    connect(activeWindow, &ActiveWindowInput::enabledEdited, this,
            [this](bool on) { m_activeWindow.enabled = on; });
    connect(activeWindow, &ActiveWindowInput::startMinutesEdited, this,
            [this](int minutes) { m_activeWindow.startMinutes = minutes; });
    connect(activeWindow, &ActiveWindowInput::endMinutesEdited, this,
            [this](int minutes) { m_activeWindow.endMinutes = minutes; });
    connect(activeWindow, &ActiveWindowInput::weekdaysMaskEdited, this,
            [this](int mask) { m_activeWindow.weekdaysMask = mask; });
    connect(allowance, &AllowanceInput::enabledEdited, this,
            [this](bool on) { m_allowanceEnabled = on; });
    connect(allowance, &AllowanceInput::minutesEdited, this,
            [this](int minutes) { m_allowanceMinutes = minutes; });
    connect(m_freePass, &ToggleRow::toggled, this, [this](bool on) { m_allowDailyFreePass = on; });
    connect(m_externalLink, &ToggleRow::toggled, this,
            [this](bool on) { m_allowExternalLinkBypass = on; });
    connect(m_notifications, &ToggleRow::toggled, this,
            [this](bool on) { m_notificationsEnabled = on; });

    retranslate();
    applySeed();
    showTargets();
}

QWidget *NewStreakFormContent::boxed(QWidget *section)
{
    return m_options.compact ? new PopoverFormBox(section) : section;
}

void NewStreakFormContent::applySeed()
{
    if (!m_options.seed || m_didApplySeed)
        return;
    m_didApplySeed = true;
    const DomainPreset preset = *m_options.seed;
    setName(DomainListInput::presetTitle(preset));
    m_nameManuallyEdited = true;
    m_streakType = StreakType::site;
    m_typePicker->setSelectedIndex(0);
    m_domains = halvex::domains(preset);
    m_domainList->setDomains(m_domains);
    m_seededRow->setCount(m_domains.size());
    m_seedCollapsed = m_options.compact;
}

void NewStreakFormContent::showTargets()
{
    const bool site = m_streakType == StreakType::site;
    const bool collapsed = site && m_seedCollapsed && m_seededRow;
    if (m_seededRow)
        m_seededRow->setVisible(collapsed);
    m_domainList->setVisible(site && !collapsed);
    m_appPicker->setVisible(!site);
}

void NewStreakFormContent::setStreakType(StreakType type)
{
    if (type == m_streakType)
        return;
    m_streakType = type;
    m_typePicker->setSelectedIndex(type == StreakType::app ? 1 : 0);
    showTargets();
    refreshAutoName();
}

void NewStreakFormContent::setName(const QString &name)
{
    m_name = name;
    if (m_nameField->text() != name)
        m_nameField->setText(name);
}

void NewStreakFormContent::refreshAutoName()
{
    if (m_nameManuallyEdited)
        return;
    if (m_streakType == StreakType::app) {
        setName(m_bundleIdentifiers.isEmpty()
                    ? QString()
                    : m_appPicker->applications().displayName(m_bundleIdentifiers.first()));
        return;
    }
    const auto first = std::find_if(m_domains.cbegin(), m_domains.cend(),
                                    [](const QString &d) { return !trimmedBlanks(d).isEmpty(); });
    setName(first == m_domains.cend() ? QString() : domainDisplayName(*first));
}

bool NewStreakFormContent::hasTriggers() const
{
    if (m_streakType == StreakType::app)
        return !m_bundleIdentifiers.isEmpty();
    return std::any_of(m_domains.cbegin(), m_domains.cend(),
                       [](const QString &d) { return !trimmedBlanks(d).isEmpty(); });
}

std::optional<QString> NewStreakFormContent::validate()
{
    if (trimmedBlanks(m_name).isEmpty()) {
        //% "Give the streak a name."
        return qtTrId("streakEditor.new.error.name");
    }
    // Text in the list that is no site stores nothing: saving past it would
    // leave the user thinking it is blocked.
    if (m_streakType == StreakType::site && m_domainList->hasUnusableEntry()) {
        //% "An entry in the list is not a site and would block nothing. Correct it or remove it."
        return qtTrId("streakEditor.new.error.site");
    }
    if (!hasTriggers()) {
        //% "Add at least one site or app to block."
        return qtTrId("streakEditor.new.error.triggers");
    }
    // A count the store cannot give does not stand in the way.
    const auto count = m_persistence.mainContext().fetchCount<Streak>();
    if (count && *count >= streakLimit) {
        //% "You can keep up to 5 streaks. Delete one to start another."
        return qtTrId("streakEditor.new.error.limit");
    }
    return std::nullopt;
}

void NewStreakFormContent::attemptSave()
{
    if (m_isSaving)
        return;
    // Save may be pressed with the caret still in a site: that row is done.
    m_domainList->finishEditing();
    if (const auto message = validate()) {
        setErrorMessage(message);
        return;
    }
    setErrorMessage(std::nullopt);
    m_isSaving = true;
    m_save->setLoading(true);
    m_save->setEnabled(false);
    save();
}

void NewStreakFormContent::save()
{
    ModelContext &context = m_persistence.mainContext();
    const bool site = m_streakType == StreakType::site;
    QStringList cleaned;
    for (const QString &entry : std::as_const(m_domains)) {
        const QString domain = trimmedBlanks(entry).toLower();
        if (!domain.isEmpty())
            cleaned << domain;
    }
    int sortOrder = 0;
    const auto &streaks = m_engine.streaks();
    if (!streaks.empty()) {
        const auto last = std::max_element(streaks.begin(), streaks.end(), [](auto &a, auto &b) {
            return a->sortOrder() < b->sortOrder();
        });
        sortOrder = (*last)->sortOrder() + 1;
    }

    const QDateTime now = m_engine.dayClock().now();
    auto streak =
        std::make_shared<Streak>(QUuid::createUuid(), trimmedBlanks(m_name), m_streakType, m_mode,
                                 site ? cleaned : QStringList(), site ? m_browsers : QStringList(),
                                 site ? QStringList() : m_bundleIdentifiers, now);
    streak->setCreatedAt(now);
    streak->setUpdatedAt(now);
    streak->setAllowDailyFreePass(m_allowDailyFreePass);
    streak->setAllowExternalLinkBypass(m_allowExternalLinkBypass);
    streak->setNotificationsEnabled(m_notificationsEnabled);
    streak->setActiveWindowEnabled(m_activeWindow.enabled);
    streak->setActiveWindowStartMinutes(m_activeWindow.startMinutes);
    streak->setActiveWindowEndMinutes(m_activeWindow.endMinutes);
    streak->setActiveWeekdaysMask(m_activeWindow.weekdaysMask);
    streak->setAllowanceEnabled(m_allowanceEnabled);
    streak->setAllowanceMinutes(m_allowanceMinutes);
    streak->setSortOrder(sortOrder);

    context.insert(streak);
    if (!context.saveOrLog(platform::log::persistence(), "new streak")) {
        // Nothing of a streak the user was told failed may reach a later
        // save: drop it, and leave the form as typed for another try.
        context.remove(streak);
        m_isSaving = false;
        m_save->setLoading(false);
        m_save->setEnabled(true);
        //% "The streak could not be saved. Please try again."
        setErrorMessage(qtTrId("streakEditor.new.error.saveFailed"));
        return;
    }
    m_engine.reload();
    // Planned in the background; nothing waits for it.
    m_milestonePlanning.schedule(streak);
    emit dismissed();
}

void NewStreakFormContent::setErrorMessage(const std::optional<QString> &message)
{
    m_errorMessage = message;
    m_error->setText(message.value_or(QString()));
    m_error->setVisible(message.has_value());
    // The line sits under the whole form: bring it into view.
    if (message)
        m_scroll->reveal(m_error);
}

void NewStreakFormContent::retranslate()
{
    //% "Blocks"
    m_typeTitle->setText(qtTrId("streakEditor.new.type.title"));
    m_typePicker->setTitles(typeTitles());
    //% "Name"
    const QString nameTitle = qtTrId("streakEditor.new.name.title");
    if (auto *title = m_nameField->findChild<KitLabel *>())
        title->setText(nameTitle);
    //% "e.g. Social media"
    m_nameField->input()->setPlaceholderText(qtTrId("streakEditor.new.name.placeholder"));
    //% "Daily free pass"
    m_freePass->setTitle(qtTrId("streakEditor.new.freePass.title"));
    //% "Open a blocked target once a day without breaking the streak."
    m_freePass->setSubtitle(qtTrId("streakEditor.new.freePass.subtitle"));
    //% "Links from other apps"
    m_externalLink->setTitle(qtTrId("streakEditor.new.externalLink.title"));
    //% "A link opened from another app may go through without breaking the streak."
    m_externalLink->setSubtitle(qtTrId("streakEditor.new.externalLink.subtitle"));
    //% "Milestone notifications"
    m_notifications->setTitle(qtTrId("streakEditor.new.notifications.title"));
    //% "A note when the streak reaches 7, 14, 30\u00a0days and beyond."
    m_notifications->setSubtitle(qtTrId("streakEditor.new.notifications.subtitle"));
    //% "Cancel"
    m_cancel->setText(qtTrId("streakEditor.new.cancel"));
    //% "Save"
    m_save->setText(qtTrId("streakEditor.new.save"));
}

void NewStreakFormContent::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
