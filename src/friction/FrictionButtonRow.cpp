#include "friction/FrictionButtonRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "friction/CountdownButton.h"
#include "friction/FrictionLinkButton.h"
#include "friction/FrictionPrimaryButton.h"
#include "friction/FrictionRootView.h"
#include "friction/FrictionSecondaryButton.h"
#include "friction/FrictionViewModel.h"
#include "friction/MoreOptionsLine.h"
#include "ui/Color.h"

namespace halvex {

FrictionButtonRow::FrictionButtonRow(FrictionViewModel &viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
{
    FrictionViewModel *vm = &viewModel;
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    // The firm arrangement.
    m_firm = new QWidget(this);
    auto *firm = new QHBoxLayout(m_firm);
    firm->setContentsMargins(0, 0, 0, 0);
    firm->setSpacing(12);
    m_countdown = new CountdownButton(
        vm->countdownRemaining(), vm->countdownDuration(), true, [vm] { vm->requestOpenAnyway(); },
        m_firm);
    m_countdown->setObjectName(QStringLiteral("friction.button.firmCountdown"));
    m_cancel = new FrictionSecondaryButton(
        {}, [vm] { vm->cancelFirmCountdown(); }, m_firm);
    m_cancel->setObjectName(QStringLiteral("friction.button.firmCancel"));
    firm->addWidget(m_countdown, 1);
    firm->addWidget(m_cancel);
    m_firm->setMaximumWidth(FrictionRootView::columnWidth);
    column->addLayout(FrictionRootView::centred(m_firm));

    // The normal arrangement.
    m_normal = new QWidget(this);
    auto *normal = new QVBoxLayout(m_normal);
    normal->setContentsMargins(0, 0, 0, 0);
    normal->setSpacing(8);
    m_stepBack = new FrictionPrimaryButton(
        {}, QStringLiteral("arrow.uturn.backward"), [vm] { vm->stepBack(); }, m_normal);
    m_stepBack->setObjectName(QStringLiteral("friction.button.stepBack"));
    m_stepBack->setMaximumWidth(stepBackMaximumWidth);
    m_openAnyway = new FrictionLinkButton(
        {}, Color::destructive(), std::nullopt, [vm] { vm->requestOpenAnyway(); }, m_normal);
    m_openAnyway->setObjectName(QStringLiteral("friction.button.openAnyway"));
    m_moreOptions = new FrictionLinkButton(
        {}, Color::inkMuted(), false, [this] { setShowMoreOptions(!m_showMoreOptions); }, m_normal);
    m_moreOptions->setObjectName(QStringLiteral("friction.button.moreOptions"));
    m_moreLine = new MoreOptionsLine(m_normal);
    m_pause = new FrictionSecondaryButton({}, [vm] { vm->pauseOneHour(); });
    m_pause->setObjectName(QStringLiteral("friction.button.pause"));
    m_freePass = new FrictionSecondaryButton({}, [vm] { vm->useFreePass(); });
    m_freePass->setObjectName(QStringLiteral("friction.button.freePass"));
    m_externalBypass = new FrictionSecondaryButton({}, [vm] { vm->openWithoutCounting(); });
    m_externalBypass->setObjectName(QStringLiteral("friction.button.externalBypass"));
    m_moreLine->addButton(m_pause);
    m_moreLine->addButton(m_freePass);
    m_moreLine->addButton(m_externalBypass);
    // Fixed for this panel: both are decided when it opens.
    m_freePass->setVisible(vm->canUseFreePass());
    m_externalBypass->setVisible(vm->canUseExternalLink());

    normal->addLayout(FrictionRootView::centred(m_stepBack));
    normal->addWidget(m_openAnyway, 0, Qt::AlignHCenter);
    normal->addWidget(m_moreOptions, 0, Qt::AlignHCenter);
    normal->addWidget(m_moreLine);
    column->addWidget(m_normal);

    connect(vm, &FrictionViewModel::isFirmActiveChanged, this,
            &FrictionButtonRow::refreshArrangement);
    connect(vm, &FrictionViewModel::countdownRemainingChanged, this, [this] {
        m_countdown->setState(m_viewModel.countdownRemaining(), m_viewModel.countdownDuration(),
                              true);
    });
    retranslate();
    refreshArrangement();
}

QString FrictionButtonRow::openAnywayLabel(int days)
{
    if (days < 1)
        //% "Open anyway"
        return qtTrId("friction.button.openAnyway");
    //% "Open anyway (your %n\u2011day streak resets)"
    return qtTrId("friction.button.openAnywayCost", days);
}

void FrictionButtonRow::setShowMoreOptions(bool show)
{
    if (show == m_showMoreOptions)
        return;
    m_showMoreOptions = show;
    m_moreOptions->setTrailingChevronExpanded(show);
    m_moreLine->setShown(show);
}

void FrictionButtonRow::refreshArrangement()
{
    const bool firm = m_viewModel.isFirmActive();
    m_firm->setVisible(firm);
    m_normal->setVisible(!firm);
    m_countdown->setState(m_viewModel.countdownRemaining(), m_viewModel.countdownDuration(), true);
}

void FrictionButtonRow::retranslate()
{
    //% "Cancel"
    m_cancel->setText(qtTrId("friction.button.cancel"));
    //% "Step back"
    m_stepBack->setText(qtTrId("friction.button.stepBack"));
    m_openAnyway->setText(openAnywayLabel(m_viewModel.days()));
    //% "More options"
    m_moreOptions->setText(qtTrId("friction.button.moreOptions"));
    //% "Pause for an hour"
    m_pause->setText(qtTrId("friction.button.pauseOneHour"));
    //% "Use today's free pass"
    m_freePass->setText(qtTrId("friction.button.useFreePass"));
    //% "Open without counting"
    m_externalBypass->setText(qtTrId("friction.button.openDontCount"));
}

void FrictionButtonRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
