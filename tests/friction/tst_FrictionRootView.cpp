#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "FrictionFixture.h"
#include "Screenshots.h"
#include "friction/BrutalConfessionFlow.h"
#include "friction/CountdownButton.h"
#include "friction/FrictionButtonRow.h"
#include "friction/FrictionLinkButton.h"
#include "friction/FrictionPrimaryButton.h"
#include "friction/FrictionRootView.h"
#include "friction/ResetAnimationView.h"
#include "model/Tombstone.h"
#include "model/WhyAnswer.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/DisplayNumeral.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using Content = FrictionRootView::Content;

namespace {

// One panel's view model and root view over a fixture, shown offscreen.
struct Card : frictiontest::StreakFixture {
    explicit Card(const QString &modeRaw = "gentle", qint64 days = 0, const QString &source = "app")
        : StreakFixture(modeRaw, days)
        , event(addEvent(source))
    {}
    FrictionRootView &open()
    {
        vm = std::make_unique<FrictionViewModel>(event, streak, services(), [] {});
        view = std::make_unique<FrictionRootView>(*vm);
        vm->startLockout();
        view->show();
        return *view;
    }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return view->findChild<T *>(name);
    }
    // Shown within the card (its window need not be on a screen).
    bool shows(const QString &name) const
    {
        const QWidget *w = find(name);
        return w && w->isVisibleTo(view.get());
    }
    QString text(const QString &name) const
    {
        if (auto *button = find<QAbstractButton>(name))
            return button->text();
        auto *label = find<QLabel>(name);
        return label ? label->text() : QStringLiteral("-");
    }
    void click(const QString &name)
    {
        QWidget *w = find(name);
        QVERIFY2(w, qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void endLockout() { scheduler.advance(FrictionViewModel::lockoutSeconds); }
    // Runs the layouts still pending, as the screen would before showing the card.
    void settle() const
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }
    // Every widget showing in the card that is cut: outside the card or its
    // parent, or given less height than its content needs; a button also
    // when narrower than its title on one line, unless it wraps the title
    // and has room for its longest word. Empty when all shows whole.
    QStringList cutWidgets() const
    {
        QStringList cut;
        const QRect card = view->rect();
        for (QWidget *w : view->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(view.get()))
                continue;
            const QRect r(w->mapTo(view.get(), QPoint()), w->size());
            // A widget held lower than its hint on purpose (the numeral) is not
            // cut, nor is a layout that gets less than it would like.
            const int least = !w->hasHeightForWidth() ? w->minimumSizeHint().height()
                              : w->layout() ? w->layout()->totalMinimumHeightForWidth(w->width())
                                            : w->heightForWidth(w->width());
            const int needed = qMin(least, w->maximumHeight());
            const auto *button = qobject_cast<QAbstractButton *>(w);
            const int neededWidth = !button                  ? 0
                                    : w->hasHeightForWidth() ? w->minimumSizeHint().width()
                                                             : w->sizeHint().width();
            if (!card.contains(r) || !w->parentWidget()->rect().contains(w->geometry()) ||
                w->height() < needed || w->width() < neededWidth)
                cut << QStringLiteral("%1 %2 \"%3\" at %4,%5 %6x%7, needs %8x%9")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                button ? button->text() : QString())
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height())
                           .arg(neededWidth)
                           .arg(needed);
        }
        return cut;
    }
    // The card as it looks now, light and dark, as <name>-light and <name>-dark.
    void shoot(const QString &name) const
    {
        for (const Appearance appearance : {Appearance::light, Appearance::dark}) {
            Environment::setApplicationAppearance(appearance);
            const QString shot =
                name + (appearance == Appearance::dark ? QStringLiteral("-dark") : "-light");
            QVERIFY(!testing::screenshots::save(view->grab().toImage(), shot).isEmpty());
        }
        Environment::setApplicationAppearance(Appearance::light);
    }
    // The current data tag as part of a picture's name.
    static QString tagName()
    {
        return QString(QTest::currentDataTag()).remove(u',').replace(u' ', u'-');
    }

    std::shared_ptr<TriggerEvent> event;
    std::unique_ptr<FrictionViewModel> vm;
    std::unique_ptr<FrictionRootView> view;
};

const QStringList normalButtons{"friction.button.stepBack", "friction.button.openAnyway",
                                "friction.button.moreOptions"};
const QStringList firmButtons{"friction.button.firmCountdown", "friction.button.firmCancel"};

} // namespace

class tst_FrictionRootView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void arrangementOfEachMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("tapOpenAnyway");
        QTest::addColumn<int>("content");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QStringList>("recorded");
        const QString reflection = "friction.panel.reflectionField";
        const int normal = int(Content::normal), brutal = int(Content::brutal),
                  reset = int(Content::reset);
        for (const QString mode : {"gentle", "firm", "brutal"})
            QTest::addRow("%s at rest", qPrintable(mode))
                << mode << false << normal << normalButtons << firmButtons + QStringList{reflection}
                << QStringList{};
        QTest::newRow("gentle opens at once") << "gentle" << true << reset << QStringList{}
                                              << QStringList{} << QStringList{"openAnyway"};
        QTest::newRow("firm counts down")
            << "firm" << true << normal << firmButtons + QStringList{reflection} << normalButtons
            << QStringList{};
        QTest::newRow("brutal asks for a confession")
            << "brutal" << true << brutal
            << QStringList{"friction.brutal.confession", "friction.brutal.countdown",
                           "friction.brutal.submit", "friction.brutal.cancel"}
            << QStringList{} << QStringList{};
    }
    void arrangementOfEachMode()
    {
        QFETCH(QString, mode);
        QFETCH(bool, tapOpenAnyway);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        Card card(mode, 3);
        card.open();
        card.endLockout();
        if (tapOpenAnyway)
            card.click("friction.button.openAnyway");
        QTEST(int(card.view->content()), "content");
        for (const QString &name : shown)
            QVERIFY2(card.shows(name), qPrintable(name));
        for (const QString &name : hidden)
            QVERIFY2(!card.shows(name), qPrintable(name));
        QTEST(card.recorded, "recorded");
        QCOMPARE(card.view->size(), QSize(520, 420));
        QCOMPARE(card.view->objectName(), QString("friction.panel.root"));
    }

    void headerAndOpenAnywayLabel_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<bool>("allowance");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("spoken"); // numeral and title, as one phrase
        QTest::addColumn<QString>("openAnyway");
        QTest::addColumn<QString>("allowanceNotice");
        // clang-format off
        QTest::newRow("day 0") << "en" << 0LL << false << "days without Reddit"
                               << "0\u00a0days without Reddit" << "Open anyway" << "-";
        QTest::newRow("day 1") << "en" << 1LL << true << "day without Reddit"
                               << "1\u00a0day without Reddit"
                               << "Open anyway (your 1\u2011day streak resets)"
                               << "Today's 15\u2011minute allowance is used up.";
        QTest::newRow("day 12") << "en" << 12LL << false << "days without Reddit"
                                << "12\u00a0days without Reddit"
                                << "Open anyway (your 12\u2011day streak resets)" << "-";
        // Each language counts in its own way: French says "0 jour", Japanese has one form.
        QTest::newRow("German, day 1") << "de" << 1LL << false << "Tag ohne Reddit"
            << "1\u00a0Tag ohne Reddit"
            << "Trotzdem öffnen (deine Serie von 1\u00a0Tag beginnt von vorn)" << "-";
        QTest::newRow("German, day 2") << "de" << 2LL << false << "Tage ohne Reddit"
            << "2\u00a0Tage ohne Reddit"
            << "Trotzdem öffnen (deine Serie von 2\u00a0Tagen beginnt von vorn)" << "-";
        QTest::newRow("French, day 0") << "fr" << 0LL << false << "jour sans Reddit"
                                       << "0\u00a0jour sans Reddit" << "Ouvrir quand même" << "-";
        QTest::newRow("French, day 2") << "fr" << 2LL << false << "jours sans Reddit"
            << "2\u00a0jours sans Reddit"
            << "Ouvrir quand même (votre série de 2\u00a0jours repart à zéro)" << "-";
        QTest::newRow("Spanish, day 1") << "es" << 1LL << false << "día sin Reddit"
            << "1\u00a0día sin Reddit"
            << "Abrir igualmente (tu racha de 1\u00a0día vuelve a cero)" << "-";
        QTest::newRow("Japanese, day 1") << "ja" << 1LL << false << "Reddit なしの日数"
            << "Reddit なしで 1\u00a0日"
            << "それでも開く（1\u00a0日の連続記録がリセットされます）" << "-";
        QTest::newRow("Turkish, day 3") << "tr" << 3LL << false << "Reddit olmadan geçen gün"
            << "Reddit olmadan geçen 3\u00a0gün"
            << "Yine de aç (3\u00a0günlük serin sıfırlanır)" << "-";
        // clang-format on
    }
    void headerAndOpenAnywayLabel()
    {
        QFETCH(QString, language);
        QFETCH(qint64, days);
        QFETCH(bool, allowance);
        QFETCH(QString, title);
        QVERIFY(m_translations.load(language));
        Card card("firm", days);
        card.streak->setAllowanceEnabled(allowance);
        card.streak->setAllowanceMinutes(15);
        card.open();
        QTEST(card.text("friction.button.openAnyway"), "openAnyway");
        QTEST(card.text("friction.panel.allowanceSpent"), "allowanceNotice");
        auto *numeral = card.view->findChild<DisplayNumeral *>();
        QVERIFY(numeral);
        QCOMPARE(numeral->value(), int(days));
        QCOMPARE(numeral->accessibleName(), QString());
        QStringList texts;
        KitLabel *titleLabel = nullptr;
        for (KitLabel *label : card.view->findChildren<KitLabel *>()) {
            texts << label->text();
            if (label->text() == title)
                titleLabel = label;
        }
        QVERIFY2(titleLabel, qPrintable(texts.join(u" | ")));
        QTEST(titleLabel->accessibleName(), "spoken");
        QVERIFY(m_translations.load("en"));
    }

    // A clock set back behind the start: the panel counts day 0 from the
    // numeral to the confession and the reset, and breaks a 0-day run.
    void startAheadIsDayZero()
    {
        Card card("brutal");
        card.streak->setStartedAt(card.now.addSecs(3600));
        card.streak->setBestDays(4);
        card.open();
        QCOMPARE(card.view->findChild<DisplayNumeral *>()->value(), 0);
        QStringList texts;
        for (KitLabel *label : card.view->findChildren<KitLabel *>())
            texts << label->text();
        QVERIFY2(texts.contains("days without Reddit"), qPrintable(texts.join(u" | ")));
        QCOMPARE(card.text("friction.button.openAnyway"), QString("Open anyway"));

        card.endLockout();
        card.click("friction.button.openAnyway");
        const auto labels = card.view->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel *l) {
            return l->text() == "Break your 0\u2011day streak?";
        }));
        card.find<QPlainTextEdit>("friction.brutal.confession")->setPlainText(QString(40, u'x'));
        card.scheduler.advance(card.vm->countdownDuration());
        card.click("friction.brutal.submit");
        QCOMPARE(card.view->content(), Content::reset);
        QCOMPARE(card.view->findChild<ResetAnimationView *>()->value(), 0);
        QCOMPARE(card.streak->tombstones().size(), size_t(1));
        QCOMPARE(card.streak->tombstones().front()->days(), 0);
        QCOMPARE(card.streak->bestDays(), 4);
    }

    void moreOptions_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("allowFreePass");
        QTest::addColumn<bool>("usedToday");
        QTest::addColumn<bool>("allowLink");
        QTest::addColumn<QStringList>("offered");
        const QString pause = "friction.button.pause", pass = "friction.button.freePass",
                      link = "friction.button.externalBypass";
        QTest::newRow("pause only") << "app" << false << false << false << QStringList{pause};
        QTest::newRow("free pass") << "app" << true << false << true << QStringList{pause, pass};
        QTest::newRow("free pass used today")
            << "app" << true << true << false << QStringList{pause};
        QTest::newRow("app trigger, link allowed")
            << "app" << false << false << true << QStringList{pause};
        QTest::newRow("external link")
            << "externalLink" << true << false << true << QStringList{pause, pass, link};
        QTest::newRow("external link not allowed")
            << "externalLink" << false << false << false << QStringList{pause};
    }
    void moreOptions()
    {
        QFETCH(QString, source);
        QFETCH(bool, allowFreePass);
        QFETCH(bool, usedToday);
        QFETCH(bool, allowLink);
        QFETCH(QStringList, offered);
        Card card("brutal", 2, source);
        card.streak->setAllowDailyFreePass(allowFreePass);
        card.streak->setAllowExternalLinkBypass(allowLink);
        if (usedToday)
            QVERIFY(card.bypass.useFreePass(card.streak->id()));
        card.open();
        card.endLockout();
        const QStringList all{"friction.button.pause", "friction.button.freePass",
                              "friction.button.externalBypass"};
        for (const QString &name : all)
            QVERIFY(!card.shows(name));
        auto *more = card.find<FrictionLinkButton>("friction.button.moreOptions");
        QCOMPARE(more->trailingChevronExpanded(), std::optional(false));
        card.click("friction.button.moreOptions");
        QCOMPARE(more->trailingChevronExpanded(), std::optional(true));
        for (const QString &name : all)
            QCOMPARE(card.shows(name), offered.contains(name));
        card.click("friction.button.moreOptions");
        for (const QString &name : all)
            QVERIFY(!card.shows(name));

        // The last one offered is the one taken.
        card.click("friction.button.moreOptions");
        card.click(offered.last());
        const QMap<QString, QString> outcomes{
            {"friction.button.pause", "pause"},
            {"friction.button.freePass", "bypassFreePass"},
            {"friction.button.externalBypass", "bypassExternalLink"}};
        QCOMPARE(card.recorded, QStringList{outcomes[offered.last()]});
    }

    void firmCountdownRowAndCancel()
    {
        Card card("firm", 4);
        card.open();
        card.endLockout();
        card.click("friction.button.moreOptions");
        card.click("friction.button.openAnyway");
        auto *countdown = card.find<CountdownButton>("friction.button.firmCountdown");
        QCOMPARE(countdown->label(), QString("Open anyway in 30\u00a0s"));
        QVERIFY(!countdown->isEnabled());
        QCOMPARE(card.text("friction.button.firmCancel"), QString("Cancel"));

        card.find<QLineEdit>("friction.panel.reflectionField")->setText("bored");
        card.scheduler.advance(10);
        QCOMPARE(countdown->label(), QString("Open anyway in 20\u00a0s"));
        QCOMPARE(countdown->shownProgress(), 1.0 / 3.0);
        QVERIFY(!countdown->isEnabled());
        QTest::mouseClick(countdown, Qt::LeftButton);
        QCOMPARE(card.recorded, QStringList{});

        card.click("friction.button.firmCancel");
        for (const QString &name : normalButtons)
            QVERIFY(card.shows(name));
        QVERIFY(!card.shows("friction.panel.reflectionField"));
        QVERIFY2(card.shows("friction.button.pause"), "more options stay as they were");
        QCOMPARE(card.vm->reflectionText(), QString("bored"));
        QCOMPARE(card.vm->countdownRemaining(), 30);

        // Again, to the end: the panel opens by itself and the reset plays.
        card.click("friction.button.openAnyway");
        card.scheduler.advance(30);
        QCOMPARE(card.recorded, QStringList{"openAnyway"});
        QCOMPARE(card.view->content(), Content::reset);
        QCOMPARE(card.event->whyAnswer() ? card.event->whyAnswer()->text() : QString(),
                 QString("bored"));
    }

    void brutalGate_data()
    {
        QTest::addColumn<QString>("confession");
        QTest::addColumn<double>("waited");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("waitLine");
        QTest::addColumn<bool>("submitEnabled");
        const QString forty(40, u'x'), thirtyNine(39, u'x');
        QTest::newRow("39 and blanks") << " \n" + thirtyNine + "  \n\n"
                                       << 30.0 << "Characters still needed: 1" << false << false;
        QTest::newRow("exactly 40") << forty << 30.0 << "That's enough." << false << true;
        QTest::newRow("40 while waiting") << forty << 10.0 << "That's enough." << true << false;
        QTest::newRow("emoji is one character")
            << thirtyNine + QString::fromUtf8("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7")
            << 30.0 << "That's enough." << false << true;
        QTest::newRow("nothing yet") << "" << 0.0 << "Characters still needed: 40" << true << false;
    }
    void brutalGate()
    {
        QFETCH(QString, confession);
        QFETCH(double, waited);
        QFETCH(bool, submitEnabled);
        Card card("brutal", 5);
        card.open();
        card.endLockout();
        card.click("friction.button.openAnyway");
        QCOMPARE(card.view->content(), Content::brutal);
        const auto labels = card.view->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel *l) {
            return l->text() == "Break your 5\u2011day streak?";
        }));
        card.find<QPlainTextEdit>("friction.brutal.confession")->setPlainText(confession);
        card.scheduler.advance(waited);
        auto *flow = card.view->findChild<BrutalConfessionFlow *>();
        QTEST(flow->counterLine(), "counter");
        QTEST(card.shows("friction.brutal.countdown"), "waitLine");
        auto *submit = card.find<DestructiveButton>("friction.brutal.submit");
        QCOMPARE(submit->isEnabled(), submitEnabled);

        card.click("friction.brutal.submit");
        if (!submitEnabled) {
            QCOMPARE(card.recorded, QStringList{});
            card.click("friction.brutal.cancel");
            QCOMPARE(card.view->content(), Content::normal);
            QCOMPARE(card.vm->brutalConfession(), QString());
            return;
        }
        // The reset plays over the flow; the streak is broken into a tombstone.
        QCOMPARE(card.recorded, QStringList{"openAnyway"});
        QCOMPARE(card.view->content(), Content::reset);
        QCOMPARE(card.streak->tombstones().size(), size_t(1));
        QVERIFY(card.event->whyAnswer());
    }

    void failureLine()
    {
        Card card("gentle");
        card.workspace.running.clear(); // nothing to hide: the step back fails
        card.open();
        QVERIFY(!card.shows("friction.panel.feedback"));
        card.endLockout();
        card.click("friction.button.stepBack");
        QCOMPARE(card.recorded, QStringList{"stepBack"});
        QVERIFY(card.shows("friction.panel.feedback"));
        auto *line = card.find<KitLabel>("friction.panel.feedback");
        QCOMPARE(line->text(), QString("Couldn't step back. Please close it yourself."));
        QCOMPARE(line->color(), Color::warning());
        QVERIFY(line->y() >
                card.find("friction.button.moreOptions")->mapTo(card.view.get(), QPoint()).y());
        card.scheduler.advance(FrictionViewModel::failureLineSeconds);
        QVERIFY(!card.shows("friction.panel.feedback"));
    }

    // The failure line comes under whatever the card shows at that moment,
    // in the card's fixed size: it and everything above it show whole.
    void failureLineShowsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("moreOptions");
        QTest::addColumn<bool>("countingDown");
        struct Arrangement {
            const char *name, *mode, *source;
            bool moreOptions, countingDown;
        };
        const Arrangement arrangements[] = {
            {"gentle", "gentle", "app", false, false},
            {"firm", "firm", "app", false, false},
            {"brutal, more options", "brutal", "app", true, false},
            {"brutal, link, every option", "brutal", "externalLink", true, false},
            // Step back is hidden while the countdown runs; the view model
            // is asked directly, for the fullest column there is.
            {"firm counting down, reflection", "firm", "app", false, true},
        };
        for (const QString language : {"en", "tr", "de", "es", "fr", "ja"}) {
            for (const Arrangement &a : arrangements)
                QTest::addRow("%s, %s", qPrintable(language), a.name)
                    << language << QString::fromLatin1(a.mode) << QString::fromLatin1(a.source)
                    << a.moreOptions << a.countingDown;
        }
    }
    void failureLineShowsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, mode);
        QFETCH(QString, source);
        QFETCH(bool, moreOptions);
        QFETCH(bool, countingDown);
        QVERIFY(m_translations.load(language));
        Card card(mode, 12, source);
        card.streak->setAllowanceEnabled(true);
        card.streak->setAllowanceMinutes(15);
        card.streak->setAllowDailyFreePass(true);
        card.streak->setAllowExternalLinkBypass(true);
        card.workspace.running.clear(); // nothing to hide: the step back fails
        card.open();
        card.view->setLocale(QLocale(language));
        card.endLockout();
        if (moreOptions)
            card.click("friction.button.moreOptions");
        if (countingDown) {
            card.click("friction.button.openAnyway");
            card.vm->stepBack();
        } else {
            card.click("friction.button.stepBack");
        }
        card.settle();
        auto *line = card.find<KitLabel>("friction.panel.feedback");
        QVERIFY(card.shows("friction.panel.feedback"));
        QCOMPARE(line->text(), qtTrId("friction.feedback.stepBackFailed"));
        QCOMPARE(card.shows("friction.panel.reflectionField"), countingDown);
        QCOMPARE(card.shows("friction.button.externalBypass"), moreOptions && source != "app");

        QVERIFY2(line->height() >= line->heightForWidth(line->width()),
                 qPrintable(QStringLiteral("%1 high, needs %2 at %3 wide")
                                .arg(line->height())
                                .arg(line->heightForWidth(line->width()))
                                .arg(line->width())));
        const QStringList cut = card.cutWidgets();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));

        if (language == "en" || language == "de" || language == "fr")
            card.shoot("friction-failure-" + Card::tagName());
        QVERIFY(m_translations.load("en"));
    }

    // Every title the panel shows, in every language, shows whole in the
    // card's fixed size: with every more option offered at once, while the
    // firm countdown runs, and in the confession flow.
    void everyTitleShowsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("titled");
        const QStringList options{"friction.button.stepBack",    "friction.button.openAnyway",
                                  "friction.button.moreOptions", "friction.button.pause",
                                  "friction.button.freePass",    "friction.button.externalBypass"};
        const QStringList confession{"friction.brutal.cancel", "friction.brutal.submit"};
        for (const QString language : {"en", "tr", "de", "es", "fr", "ja"}) {
            QTest::addRow("%s, every option", qPrintable(language))
                << language << "gentle" << options;
            QTest::addRow("%s, counting down", qPrintable(language))
                << language << "firm" << firmButtons;
            QTest::addRow("%s, confession", qPrintable(language))
                << language << "brutal" << confession;
        }
    }
    void everyTitleShowsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, mode);
        QFETCH(QStringList, titled);
        QVERIFY(m_translations.load(language));
        Card card(mode, 12, "externalLink");
        card.streak->setAllowDailyFreePass(true);
        card.streak->setAllowExternalLinkBypass(true);
        card.open();
        card.view->setLocale(QLocale(language));
        card.endLockout();
        if (mode == "gentle")
            card.click("friction.button.moreOptions");
        else
            card.click("friction.button.openAnyway");
        card.settle();
        for (const QString &name : titled)
            QVERIFY2(card.shows(name), qPrintable(name));
        const QStringList cut = card.cutWidgets();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        if (language == "de" || language == "fr")
            card.shoot("friction-titles-" + Card::tagName());
        QVERIFY(m_translations.load("en"));
    }

    void wholeRowDisabledDuringLockout_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("step back") << "friction.button.stepBack";
        QTest::newRow("open anyway") << "friction.button.openAnyway";
        QTest::newRow("more options") << "friction.button.moreOptions";
    }
    void wholeRowDisabledDuringLockout()
    {
        QFETCH(QString, button);
        Card card("gentle", 2);
        card.open();
        const auto buttons = card.view->buttonRow()->findChildren<QAbstractButton *>();
        for (auto *b : buttons)
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        auto *stepBack = card.find<FrictionPrimaryButton>("friction.button.stepBack");
        QCOMPARE(stepBack->enabledLook(), 0.0);
        QCOMPARE(stepBack->currentShadowOpacity(), 0.0);
        card.click(button);
        card.scheduler.advance(0.99);
        card.click(button);
        QCOMPARE(card.recorded, QStringList{});
        QCOMPARE(card.view->content(), Content::normal);
        QVERIFY(!card.shows("friction.button.pause"));

        card.scheduler.advance(0.01);
        for (auto *b : buttons) {
            // The countdown button is disabled by itself while it counts.
            if (b->objectName() != "friction.button.firmCountdown")
                QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        }
        QCOMPARE(stepBack->enabledLook(), 1.0);
        QCOMPARE(stepBack->currentShadowOpacity(), FrictionPrimaryButton::shadowOpacity);
        card.click(button);
        QVERIFY(!card.recorded.isEmpty() || card.shows("friction.button.pause"));
    }
};

QTEST_MAIN(tst_FrictionRootView)
#include "tst_FrictionRootView.moc"
