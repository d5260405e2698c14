#include "onboarding/FirstStreakScreen.h"

#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "engine/DomainEntry.h"
#include "engine/TrimmedBlanks.h"
#include "onboarding/FirstStreakRow.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/PrimaryButton.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

QString presetSymbol(OnboardingPreset preset)
{
    switch (preset) {
    case OnboardingPreset::twitter:
        return QStringLiteral("bird");
    case OnboardingPreset::instagram:
        return QStringLiteral("camera.aperture");
    case OnboardingPreset::reddit:
        return QStringLiteral("person.3");
    case OnboardingPreset::youtube:
        return QStringLiteral("play.rectangle");
    case OnboardingPreset::tiktok:
        return QStringLiteral("music.note");
    case OnboardingPreset::slack:
        return QStringLiteral("number.square");
    case OnboardingPreset::discord:
        break;
    }
    return QStringLiteral("bubble.left.and.bubble.right");
}

} // namespace

bool FirstStreakScreen::isValidDomain(const QString &text)
{
    // The judgement the streak editor's site list shares.
    return isSiteDomain(text);
}

FirstStreakScreen::FirstStreakScreen(OnboardingCoordinator &coordinator,
                                     const platform::DesktopEntryIndex &index, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_title(new KitLabel({}, Typography::title22Semibold(), Color::ink()))
    , m_helper(new KitLabel({}, Typography::caption11(), Color::inkSubtle()))
    , m_scroll(new KitScrollArea)
    , m_continue(new PrimaryButton({.action = [this] {
        commitSelection();
        m_coordinator.advance();
    }}))
{
    setObjectName(QStringLiteral("onboarding.firstStreak"));
    auto *rows = new QWidget;
    auto *list = new QVBoxLayout(rows);
    list->setContentsMargins(0, 0, 0, 8);
    list->setSpacing(8);

    for (const OnboardingPreset preset : allOnboardingPresets()) {
        auto *row = new FirstStreakRow(presetSymbol(preset), nullptr, rows);
        row->button()->setObjectName(QStringLiteral("onboarding.firstStreak.preset"));
        row->button()->setProperty("preset", raw(preset));
        connect(row, &FirstStreakRow::clicked, this,
                [this, preset] { select(FirstStreakSelection::ofPreset(preset)); });
        list->addWidget(row);
        m_presetRows.emplace_back(preset, row);
    }

    auto *website = new QWidget;
    auto *websiteColumn = new QVBoxLayout(website);
    websiteColumn->setContentsMargins(0, 0, 0, 8);
    websiteColumn->setSpacing(4);
    m_websiteField = new TextInputField({.autoFocus = true}, website);
    m_invalid = new KitLabel({}, Typography::caption11(), Color::destructive(), website);
    m_invalid->setObjectName(QStringLiteral("onboarding.firstStreak.custom.website.invalid"));
    m_invalid->setWordWrap(true);
    m_invalid->hide();
    // It appears as the site is typed, under the field: keep it readable.
    KitScrollArea::revealWhenShown(m_invalid);
    websiteColumn->addWidget(m_websiteField);
    websiteColumn->addWidget(m_invalid);
    m_websiteRow = new FirstStreakRow(QStringLiteral("globe"), website, rows);
    m_websiteRow->button()->setObjectName(QStringLiteral("onboarding.firstStreak.custom.website"));
    connect(m_websiteRow, &FirstStreakRow::clicked, this,
            [this] { select(FirstStreakSelection::customDomain()); });
    connect(m_websiteField, &TextInputField::textChanged, this, [this](const QString &text) {
        m_customDomainText = text;
        refresh(true);
    });
    list->addWidget(m_websiteRow);

    auto *app = new QWidget;
    auto *appColumn = new QVBoxLayout(app);
    appColumn->setContentsMargins(0, 0, 0, 8);
    appColumn->setSpacing(0);
    m_appPicker = new OnboardingAppPicker(index, app);
    appColumn->addWidget(m_appPicker);
    m_appRow = new FirstStreakRow(QStringLiteral("app.dashed"), app, rows);
    m_appRow->button()->setObjectName(QStringLiteral("onboarding.firstStreak.custom.app"));
    connect(m_appRow, &FirstStreakRow::clicked, this,
            [this] { select(FirstStreakSelection::customApp()); });
    connect(m_appPicker, &OnboardingAppPicker::selectionEdited, this,
            [this](const std::optional<OnboardingAppSelection> &selection) {
                m_appSelection = selection;
                refresh(true);
                revealSelectedRow();
            });
    list->addWidget(m_appRow);
    list->addStretch(1);

    m_scroll->setObjectName(QStringLiteral("onboarding.firstStreak.list"));
    m_scroll->setWidget(rows);
    rows->setAutoFillBackground(false);

    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 32, 0, 0);
    column->setSpacing(16);
    column->addWidget(m_title);
    column->addWidget(m_helper);
    column->addWidget(m_scroll, 1);

    m_continue->setObjectName(QStringLiteral("onboarding.firstStreak.continue"));
    m_layout = new OnboardingScreenLayout(
        raw(OnboardingStep::firstStreak), [this] { m_coordinator.goBack(); }, content, m_continue,
        this);
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_layout);

    retranslate();
    // Built afresh each time the step is shown: start from the last commit.
    restoreFromCoordinator();
    refresh(false);
}

void FirstStreakScreen::select(const FirstStreakSelection &selection)
{
    if (m_selection == selection)
        return;
    m_selection = selection;
    refresh(true);
    revealSelectedRow();
}

void FirstStreakScreen::revealSelectedRow()
{
    // A custom row grows below itself: once laid out, bring all of it into view.
    if (!m_selection || m_selection->kind == FirstStreakSelection::Kind::preset)
        return;
    m_scroll->reveal(m_selection->kind == FirstStreakSelection::Kind::customDomain ? m_websiteRow
                                                                                   : m_appRow);
}

bool FirstStreakScreen::canContinue() const
{
    if (!m_selection)
        return false;
    switch (m_selection->kind) {
    case FirstStreakSelection::Kind::preset:
        return true;
    case FirstStreakSelection::Kind::customDomain:
        return isValidDomain(m_customDomainText);
    case FirstStreakSelection::Kind::customApp:
        break;
    }
    return m_appSelection.has_value();
}

void FirstStreakScreen::commitSelection()
{
    if (!m_selection)
        return;
    std::optional<OnboardingPreset> preset;
    std::optional<QString> domain;
    std::optional<QString> bundleId;
    std::optional<QString> appName;
    switch (m_selection->kind) {
    case FirstStreakSelection::Kind::preset:
        preset = m_selection->preset;
        break;
    case FirstStreakSelection::Kind::customDomain:
        domain = trimmedBlanks(m_customDomainText);
        break;
    case FirstStreakSelection::Kind::customApp:
        if (m_appSelection) {
            bundleId = m_appSelection->bundleId;
            appName = m_appSelection->displayName;
        }
        break;
    }
    m_coordinator.setSelectedPreset(preset);
    m_coordinator.setCustomDomain(domain);
    m_coordinator.setCustomBundleId(bundleId);
    m_coordinator.setCustomAppName(appName);
}

void FirstStreakScreen::restoreFromCoordinator()
{
    if (const auto &preset = m_coordinator.selectedPreset()) {
        m_selection = FirstStreakSelection::ofPreset(*preset);
    } else if (const auto &domain = m_coordinator.customDomain(); domain && !domain->isEmpty()) {
        m_selection = FirstStreakSelection::customDomain();
        m_customDomainText = *domain;
        m_websiteField->setText(*domain);
    } else if (const auto &bundleId = m_coordinator.customBundleId()) {
        m_selection = FirstStreakSelection::customApp();
        m_appSelection = OnboardingAppSelection{
            *bundleId, m_coordinator.customAppName().value_or(*bundleId), std::nullopt};
        m_appPicker->setSelection(m_appSelection);
    }
}

void FirstStreakScreen::refresh(bool animated)
{
    const auto selected = [this](const FirstStreakSelection &kind) {
        return m_selection && *m_selection == kind;
    };
    for (const auto &[preset, row] : m_presetRows)
        row->setSelected(selected(FirstStreakSelection::ofPreset(preset)), animated);
    m_websiteRow->setSelected(selected(FirstStreakSelection::customDomain()), animated);
    m_appRow->setSelected(selected(FirstStreakSelection::customApp()), animated);
    // As typed: a field of spaces alone is already wrong.
    m_invalid->setVisible(!m_customDomainText.isEmpty() && !isValidDomain(m_customDomainText));
    m_continue->setEnabled(canContinue());
}

void FirstStreakScreen::retranslate()
{
    //% "What pulls you in the most?"
    m_title->setText(qtTrId("onboarding.firstStreak.title"));
    //% "Pick one to start with. You can add more streaks later."
    m_helper->setText(qtTrId("onboarding.firstStreak.helper.addMoreLater"));
    for (const auto &[preset, row] : m_presetRows)
        row->setTitle(title(preset));
    //% "A website"
    m_websiteRow->setTitle(qtTrId("onboarding.firstStreak.custom.website"));
    //% "example.com"
    const QString placeholder = qtTrId("onboarding.firstStreak.custom.website.placeholder");
    m_websiteField->input()->setPlaceholderText(placeholder);
    //% "Enter a site like example.com, without http:// or a path."
    m_invalid->setText(qtTrId("onboarding.firstStreak.custom.website.invalid"));
    //% "An application"
    m_appRow->setTitle(qtTrId("onboarding.firstStreak.custom.app"));
    //% "Continue"
    m_continue->setText(qtTrId("onboarding.cta.continue"));
}

void FirstStreakScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
