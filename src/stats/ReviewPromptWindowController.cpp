#include "stats/ReviewPromptWindowController.h"

#include <QCloseEvent>
#include <QLayout>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/AppSettings.h"
#include "model/ModelContainer.h"
#include "stats/ReviewPromptView.h"
#include "ui/EscClosableWindow.h"
#include "ui/TranslationLoader.h"

namespace halvex {

namespace {

QString reviewWindowTitle()
{
    //% "Rate Halvex"
    return qtTrId("review_prompt.window_title");
}

// Titled and closable only: it can be neither resized nor minimised. Tells
// its controller when it has closed, and follows the interface language in
// its title.
class ReviewWindow final : public EscClosableWindow {
public:
    explicit ReviewWindow(std::function<void()> didClose)
        : EscClosableWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
        , m_didClose(std::move(didClose))
    {
        setObjectName(QStringLiteral("review_prompt.window"));
        setWindowTitle(reviewWindowTitle());
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        EscClosableWindow::closeEvent(event);
        if (event->isAccepted() && m_didClose)
            m_didClose();
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            setWindowTitle(reviewWindowTitle());
        EscClosableWindow::changeEvent(event);
    }

private:
    std::function<void()> m_didClose;
};

} // namespace

ReviewPromptWindowController::ReviewPromptWindowController(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{}

ReviewPromptWindowController::~ReviewPromptWindowController()
{
    // Gone with its controller: the window would otherwise outlive it with
    // a close that calls back into nothing.
    if (m_window) {
        delete m_window;
        if (m_holdsDockPolicy)
            m_services.activationPolicy.release();
    }
}

QWidget *ReviewPromptWindowController::window() const
{
    return m_window;
}

ReviewPromptView *ReviewPromptWindowController::view() const
{
    return m_view;
}

void ReviewPromptWindowController::show(ModelContainer &container)
{
    if (!AppSettings::fetchOrCreate(container.mainContext())->firstLaunchCompleted())
        return;
    if (m_window)
        return;
    m_services.activationPolicy.acquire();
    m_holdsDockPolicy = true;

    auto *window = new ReviewWindow([this] { windowWillClose(); });
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *root = new HalvexLocalizedRoot(container.mainContext(), m_services.theme,
                                         m_services.translations, window);
    // The content fills the window, not the other way round.
    root->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    TranslationLoader &translations = m_services.translations;
    const QPointer<ReviewPromptWindowController> self(this);
    auto *view = new ReviewPromptView({m_services.workspace, m_services.reviewPrompt,
                                       [&translations] { return translations.languageCode(); }},
                                      [self] {
                                          if (self && self->m_window)
                                              self->m_window->close();
                                      });
    root->setContent(view);
    layout->addWidget(root);
    window->setFixedSize(contentSize);

    fennimar::WindowPlacement::centerOnActiveScreen(window);
    m_window = window;
    m_view = view;
    fennimar::WindowFronting(m_services.workspace).bringToFront(window);
}

void ReviewPromptWindowController::windowWillClose()
{
    EscClosableWindow *window = m_window;
    m_window = nullptr;
    m_view = nullptr;
    if (m_holdsDockPolicy) {
        m_services.activationPolicy.release();
        m_holdsDockPolicy = false;
    }
    if (window)
        window->deleteLater();
}

} // namespace halvex
