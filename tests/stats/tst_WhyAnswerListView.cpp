#include <QLabel>
#include <QTest>

#include "StatsFixture.h"
#include "stats/WhyAnswerListView.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

struct Card : testing::StatsFixture {
    void open()
    {
        QVERIFY(save());
        view = std::make_unique<WhyAnswerListView>(context());
        view->resize(536, 600);
        view->show();
    }
    // Each row as its parts read: "quote | streaks | count".
    QStringList rows() const
    {
        QStringList out;
        for (QWidget *row : view->findChildren<QWidget *>("stats.whyAnswers.row")) {
            if (!row->isVisibleTo(view.get()))
                continue;
            QStringList parts{
                row->findChild<QWidget *>("stats.whyAnswers.quote")->accessibleName()};
            if (auto *names = row->findChild<QLabel *>("stats.whyAnswers.streaks"))
                parts << names->text();
            parts << row->findChild<QWidget *>("stats.whyAnswers.count")->accessibleName();
            out << parts.join(" | ");
        }
        return out;
    }
    bool showsEmpty() const
    {
        auto *empty = view->findChild<QLabel *>("stats.whyAnswers.empty");
        return empty && empty->isVisibleTo(view.get()) && empty->text() == u"No answers yet.";
    }
    std::unique_ptr<WhyAnswerListView> view;
};

} // namespace

class tst_WhyAnswerListView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void emptyWithoutAnswersWorthShowing_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("no answers") << QStringList{};
        QTest::newRow("only blank answers") << QStringList{" ", "\n"};
    }
    void emptyWithoutAnswersWorthShowing()
    {
        QFETCH(QStringList, answers);
        Card c;
        auto streak = c.streak("Social", 0);
        int order = 0;
        for (int i = 0; i < 3; ++i) {
            auto event = c.event(c.now, streak);
            if (i < answers.size())
                c.answer(answers[i], order++, event);
        }
        c.open();
        QVERIFY(c.showsEmpty());
        QCOMPARE(c.rows(), QStringList{});
        QCOMPARE(c.view->findChild<QLabel *>("stats.whyAnswers.subtitle")->text(),
                 QString("Answers to \"Why are you here?\""));
    }

    void listsTheGroupsMostFrequentFirst()
    {
        Card c;
        auto social = c.streak("Social", 0), news = c.streak("News", 0),
             games = c.streak("Games", 0);
        c.answer("Bored", 0, c.event(c.now, news));
        c.answer("just checking", 1);
        c.answer("  bored\n", 2, c.event(c.now, social));
        c.answer("BORED", 3, c.event(c.now, games));
        c.answer("Avoiding work", 4, c.event(c.now, social));
        c.open();
        QCOMPARE(c.rows(), (QStringList{"“Bored” | News, Social | 3",
                                        "“Avoiding work” | Social | 1", "“just checking” | 1"}));
        QVERIFY(!c.showsEmpty());

        // New answers and renamed streaks show without reopening.
        c.answer("just checking", 5, c.event(c.now, games));
        news->setName("Headlines");
        QVERIFY(c.save());
        QTRY_COMPARE(c.rows(),
                     (QStringList{"“Bored” | Headlines, Social | 3", "“just checking” | Games | 2",
                                  "“Avoiding work” | Social | 1"}));
    }
};

QTEST_MAIN(tst_WhyAnswerListView)
#include "tst_WhyAnswerListView.moc"
