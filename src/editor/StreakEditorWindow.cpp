#include "editor/StreakEditorWindow.h"

#include <QCloseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "editor/NewStreakSheet.h"
#include "editor/DeleteConfirmContent.h"
#include "editor/StreakDetailSheet.h"
#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"

namespace halvex {

namespace {

QPointer<StreakEditorWindow> &currentSlot()
{
    static QPointer<StreakEditorWindow> slot;
    return slot;
}

// The top-level window; it tells its controller when it closes.
class EditorWindowFrame final : public QWidget {
public:
    EditorWindowFrame(StreakEditorMode mode, std::function<void()> willClose)
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint)
        , m_mode(mode)
        , m_willClose(std::move(willClose))
    {
        setObjectName(QStringLiteral("streakEditor.window"));
        setWindowTitle(StreakEditorWindow::title(mode));
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QWidget::closeEvent(event);
        if (event->isAccepted() && m_willClose)
            std::exchange(m_willClose, nullptr)();
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            setWindowTitle(StreakEditorWindow::title(m_mode));
        QWidget::changeEvent(event);
    }

private:
    StreakEditorMode m_mode;
    std::function<void()> m_willClose;
};

} // namespace

StreakEditorWindow *StreakEditorWindow::current()
{
    return currentSlot();
}

QString StreakEditorWindow::title(const StreakEditorMode &mode)
{
    if (mode.kind() == StreakEditorMode::Kind::newStreak) {
        //% "New streak"
        return qtTrId("streakEditor.new.title");
    }
    //% "Streak"
    return qtTrId("streakEditor.detail.title");
}

StreakEditorWindow *StreakEditorWindow::open(const StreakEditorMode &mode, Services services)
{
    QPointer<StreakEditorWindow> previous = currentSlot();
    auto *controller = new StreakEditorWindow(mode, services);
    currentSlot() = controller;
    controller->show();
    // Closed only once the new window shows, so the policy hold goes from
    // one to two and back to one.
    if (previous)
        previous->window()->close();
    return controller;
}

StreakEditorWindow::StreakEditorWindow(const StreakEditorMode &mode, Services services)
    : m_mode(mode)
    , m_services(services)
    , m_window(std::make_unique<EditorWindowFrame>(mode, [this] { windowWillClose(); }))
{
    const bool detail = mode.kind() == StreakEditorMode::Kind::detail;
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The language and theme first, so the content comes up in them.
    m_localizedRoot =
        new HalvexLocalizedRoot(m_services.persistence.mainContext(), m_services.themeController,
                                m_services.translationLoader);
    m_localizedRoot->setFollowsWindowSize(true);
    m_window->setWindowTitle(title(mode));

    // Closing through the content goes through the window's own close, once.
    QPointer<QWidget> window = m_window.get();
    const auto dismiss = [window] {
        if (window)
            window->close();
    };
    if (detail) {
        auto *sheet =
            new StreakDetailSheet(mode.streakId(), {m_services.persistence, m_services.streakEngine,
                                                    m_services.milestonePlanning,
                                                    m_services.applications, m_services.scheduler});
        connect(sheet, &StreakDetailSheet::dismissed, m_window.get(), dismiss);
        m_content = sheet;
    } else {
        auto *sheet = new NewStreakSheet(m_services.persistence, m_services.streakEngine,
                                         m_services.milestonePlanning, m_services.applications);
        connect(sheet, &NewStreakSheet::dismissed, m_window.get(), dismiss);
        m_content = sheet;
    }
    m_localizedRoot->setContent(m_content);
    layout->addWidget(m_localizedRoot);
    m_window->setMinimumSize(minimumContentSize);
    m_window->setMaximumSize(maximumContentSize);
    m_window->resize(detail ? detailContentSize : newStreakContentSize);
    fennimar::WindowPlacement::centerOnActiveScreen(m_window.get());
}

StreakEditorWindow::~StreakEditorWindow()
{
    if (m_holdsDockPolicy)
        m_services.activationPolicy.release();
}

void StreakEditorWindow::show()
{
    if (!m_holdsDockPolicy) {
        m_services.activationPolicy.acquire();
        m_holdsDockPolicy = true;
    }
    if (m_services.fronting) {
        m_services.fronting->activateAndMakeKey(m_window.get());
        return;
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void StreakEditorWindow::windowWillClose()
{
    // A replaced controller leaves the slot to its successor.
    if (currentSlot() == this)
        currentSlot() = nullptr;
    if (m_holdsDockPolicy) {
        m_services.activationPolicy.release();
        m_holdsDockPolicy = false;
    }
    // A closed editor is never shown again: it goes once the close has run.
    deleteLater();
}

} // namespace halvex
