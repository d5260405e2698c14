#include <functional>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include "ReviewFixture.h"
#include "Screenshots.h"
#include "UiTestSupport.h"
#include "ui/Color.h"

using fennimar::ActivationPolicy;
using halvex::ReviewPromptView;
using reviewtest::find;
using reviewtest::ReviewFixture;
using testing::LoopbackBackend;

namespace {

struct WindowFixture : ReviewFixture {
    QWidget *show()
    {
        window.show(store.persistence.container());
        return window.window();
    }
};

using Action = std::function<void(WindowFixture &, QWidget *window)>;

void typeInto(QWidget *window, const QString &name, const QString &comment)
{
    find<QLineEdit>(window, "review_prompt.name")->insert(name);
    find<QPlainTextEdit>(window, "review_prompt.comment")->insertPlainText(comment);
}

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_ReviewPromptWindowController : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyOnceTheFirstLaunchIsComplete();
    void aSecondShowChangesNothing();
    void everyCloseGivesTheHoldBackOnce_data();
    void everyCloseGivesTheHoldBackOnce();
    void closingWhileSendingStillSends();
    void gallery_data();
    void gallery();
};

void tst_ReviewPromptWindowController::opensOnlyOnceTheFirstLaunchIsComplete()
{
    WindowFixture f;
    f.settings()->setFirstLaunchCompleted(false);
    QVERIFY(!f.show());
    QCOMPARE(f.activation.refCount(), 0);
    QVERIFY(f.policy->changes.isEmpty());

    f.settings()->setFirstLaunchCompleted(true);
    QWidget *window = f.show();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Rate Halvex"));
    QCOMPARE(window->size(), halvex::ReviewPromptWindowController::contentSize);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    // It is a titled window of ours: it holds back the next prompt itself.
    QVERIFY(fennimar::ReviewPrompt::isRegularWindowVisible());
    QVERIFY(f.window.holdsDockPolicy());
    QCOMPARE(f.activation.refCount(), 1);
    QCOMPARE(f.policy->policy, ActivationPolicy::regular);
}

void tst_ReviewPromptWindowController::aSecondShowChangesNothing()
{
    WindowFixture f;
    QWidget *first = f.show();
    ReviewPromptView *view = f.window.view();
    view->setRating(2);
    typeInto(first, QStringLiteral("Ada"), QStringLiteral("So far so good."));
    first->move(first->pos() + QPoint(30, 20));
    const QPoint placed = first->pos();

    QCOMPARE(f.show(), first);
    QCOMPARE(f.window.view(), view);
    QCOMPARE(view->rating(), 2);
    QCOMPARE(view->name(), QStringLiteral("Ada"));
    QCOMPARE(view->comment(), QStringLiteral("So far so good."));
    QCOMPARE(first->pos(), placed);
    QCOMPARE(f.activation.refCount(), 1);
    QCOMPARE(f.policy->changes.size(), 1);
}

void tst_ReviewPromptWindowController::everyCloseGivesTheHoldBackOnce_data()
{
    QTest::addColumn<Action>("close");
    QTest::newRow("Esc in the review box") << Action([](auto &, QWidget *window) {
        QTest::keyClick(find<QPlainTextEdit>(window, "review_prompt.comment"), Qt::Key_Escape);
    });
    QTest::newRow("close button") << Action([](auto &, QWidget *window) { window->close(); });
    QTest::newRow("not now") << Action([](auto &, QWidget *window) {
        QTest::mouseClick(find(window, "review_prompt.not_now"), Qt::LeftButton);
    });
    QTest::newRow("close after thanks") << Action([](auto &f, QWidget *window) {
        f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(201)});
        f.window.view()->setRating(5);
        f.window.view()->submit();
        QTRY_COMPARE(f.window.view()->step(), ReviewPromptView::Step::thanks);
        QTest::mouseClick(find(window, "review_prompt.close"), Qt::LeftButton);
    });
}

void tst_ReviewPromptWindowController::everyCloseGivesTheHoldBackOnce()
{
    QFETCH(Action, close);
    WindowFixture f;
    QPointer<QWidget> window = f.show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    f.window.view()->setRating(3);
    close(f, window);
    QVERIFY(!f.window.window());
    QVERIFY(!f.window.holdsDockPolicy());
    QCOMPARE(f.activation.refCount(), 0);
    QCOMPARE(f.policy->changes,
             (QList<ActivationPolicy>{ActivationPolicy::regular, ActivationPolicy::accessory}));
    QTRY_VERIFY(!window);

    // The next one starts empty.
    QVERIFY(f.show());
    QCOMPARE(f.window.view()->rating(), 0);
    QCOMPARE(f.window.view()->step(), ReviewPromptView::Step::form);
    QCOMPARE(f.activation.refCount(), 1);
}

void tst_ReviewPromptWindowController::closingWhileSendingStillSends()
{
    WindowFixture f;
    f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(201)});
    QPointer<QWidget> window = f.show();
    f.window.view()->setRating(4);
    typeInto(window, QString(), QStringLiteral("Quiet evenings."));
    f.window.view()->submit();
    window->close();
    QTRY_VERIFY(!window);
    QTRY_VERIFY(f.prompt->usage().completed);
    QCOMPARE(f.reviewBodies().size(), 1);
    QCOMPARE(f.reviewBodies().first().value("body").toString(), QStringLiteral("Quiet evenings."));
    QCOMPARE(f.activation.refCount(), 0);
}

void tst_ReviewPromptWindowController::gallery_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Action>("setup");
    const Action nothing = [](auto &, QWidget *) {};
    const Action filled = [](auto &f, QWidget *window) {
        f.window.view()->setRating(4);
        typeInto(window, QStringLiteral("Ada"),
                 QStringLiteral("Evenings are calmer since I started. The panel's question "
                                "makes me stop and think."));
    };
    const Action failed = [filled](auto &f, QWidget *window) {
        filled(f, window);
        f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(503)});
        f.window.view()->submit();
        QTRY_VERIFY(f.window.view()->failed());
    };
    const Action thanks = [](auto &f, QWidget *) {
        f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(201)});
        f.window.view()->setRating(5);
        f.window.view()->submit();
        QTRY_COMPARE(f.window.view()->step(), ReviewPromptView::Step::thanks);
    };
    QTest::newRow("form") << "en" << nothing;
    QTest::newRow("form-failed") << "en" << failed;
    QTest::newRow("thanks") << "en" << thanks;
    QTest::newRow("form-de") << "de" << failed;
    QTest::newRow("form-ja") << "ja" << filled;
    QTest::newRow("thanks-fr") << "fr" << thanks;
    QTest::newRow("form-fr") << "fr" << nothing;
    QTest::newRow("form-failed-fr") << "fr" << failed;
}

void tst_ReviewPromptWindowController::gallery()
{
    QFETCH(QString, language);
    QFETCH(Action, setup);
    WindowFixture f;
    f.settings()->setLanguageRaw(language);
    QWidget *window = f.show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    setup(f, window);
    QCoreApplication::processEvents();

    const QImage light = window->grab().toImage();
    f.settings()->setThemeRaw(QStringLiteral("dark"));
    const QImage dark = window->grab().toImage();
    for (const auto &[name, image] :
         {std::pair{QStringLiteral("light"), light}, std::pair{QStringLiteral("dark"), dark}}) {
        QVERIFY(!testing::screenshots::save(
                     image, u"review-" + QString::fromLatin1(QTest::currentDataTag()) + u'-' + name)
                     .isEmpty());
    }
    QCOMPARE_COLOR(light.pixelColor(2, light.height() - 2), halvex::Color::background().light());
    QCOMPARE_COLOR(dark.pixelColor(2, dark.height() - 2), halvex::Color::background().dark());
    // Every text is the table's, none a bare key.
    for (const QLabel *label : window->findChildren<QLabel *>())
        QVERIFY2(!label->text().startsWith(u"review_prompt."), qPrintable(label->text()));
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        QVERIFY2(!button->text().startsWith(u"review_prompt.") &&
                     !button->text().startsWith(u"settings."),
                 qPrintable(button->text()));
}

QTEST_MAIN(tst_ReviewPromptWindowController)
#include "tst_ReviewPromptWindowController.moc"
