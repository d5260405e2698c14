#include "stats/ReviewPromptWindowController.h"

#include <QLayout>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/WindowFronting.h"
#include "kit/WindowPlacement.h"
#include "model/AppSettings.h"
#include "model/ModelContainer.h"
#include "stats/ReviewPromptView.h"
#include "ui/TitledWindow.h"
#include "ui/TranslationLoader.h"

namespace halvex {

namespace {

QString reviewWindowTitle()
{
    //% "Rate Halvex"
    return qtTrId("review_prompt.window_title");
}

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

    // Titled and closable only: it can be neither resized nor minimised.
    auto *window =
        new TitledWindow({.objectName = QStringLiteral("review_prompt.window"),
                          .title = reviewWindowTitle,
                          .didClose = [this] { windowWillClose(); },
                          .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint});
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
