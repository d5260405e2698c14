#include <QTest>

#include "StatsFixture.h"
#include "stats/WhyAnswerGrouping.h"

using namespace halvex;

namespace {

constexpr int noEvent = -1;
constexpr int noStreak = -2;

struct Typed {
    QString text;
    int streak = noEvent; // index into the fixture's streaks, or one of the above
};
using Answers = QList<Typed>;

// "text×count names…"
QStringList describe(const std::vector<WhyEntry> &entries)
{
    QStringList out;
    for (const WhyEntry &e : entries)
        out << (e.text + u'×' + QString::number(e.count) +
                (e.streakNames.isEmpty() ? QString() : u' ' + e.streakNames.join(u", ")));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Answers)

class tst_WhyAnswerGrouping : public QObject {
    Q_OBJECT
private slots:
    void groupsTheStoredAnswers_data()
    {
        QTest::addColumn<Answers>("answers"); // oldest first
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("none") << Answers{} << QStringList{};
        QTest::newRow("only blank ones") << Answers{{"  "}, {"\n\t "}} << QStringList{};
        QTest::newRow("case and surrounding blanks")
            << Answers{{"Bored", 0}, {"  bored\n", 0}} << QStringList{"Bored×2 Social"};
        QTest::newRow("the oldest answer's case")
            << Answers{{"bored"}, {"Bored"}} << QStringList{"bored×2"};
        QTest::newRow("canonically equivalent texts")
            << Answers{{"Caf\u00e9", 1}, {"cafe\u0301", 1}} << QStringList{"Caf\u00e9×2 News"};
        QTest::newRow("the first two streaks in the order of their answers")
            << Answers{{"x", 1}, {"X", 1}, {"x", 0}, {"x", 2}} << QStringList{"x×4 News, Social"};
        QTest::newRow("no event, or an event without a streak")
            << Answers{{"tired", noEvent}, {"tired", noStreak}} << QStringList{"tired×2"};
        QTest::newRow("higher counts first, then by code point")
            << Answers{{"apple"}, {"Zoo"}, {"fig"}, {"e\u0301clair"}, {"fig"}}
            << QStringList{"fig×2", "Zoo×1", "apple×1", "e\u0301clair×1"};
    }
    void groupsTheStoredAnswers()
    {
        QFETCH(Answers, answers);
        testing::StatsFixture f;
        const std::vector<std::shared_ptr<Streak>> streaks{
            f.streak("Social", 0), f.streak("News", 0), f.streak("Games", 0)};
        int order = 0;
        for (const Typed &a : answers) {
            std::shared_ptr<TriggerEvent> event;
            if (a.streak != noEvent)
                event = f.event(f.now, a.streak >= 0 ? streaks[size_t(a.streak)] : nullptr);
            f.answer(a.text, order++, event);
        }
        QVERIFY(f.save());
        QTEST(describe(WhyAnswerGrouping::fromStore(f.context())), "entries");
    }

    void keepsTheTwentyMostFrequent()
    {
        // Answer i given 1 + i % 3 times: eight groups of 3, eight of 2, nine of 1.
        QStringList texts;
        for (int i = 0; i < 25; ++i)
            for (int n = 0; n <= i % 3; ++n)
                texts << QStringLiteral("answer %1").arg(i, 2, 10, QLatin1Char('0'));
        QList<qsizetype> asked;
        const auto entries =
            WhyAnswerGrouping::group(texts, [&](const std::vector<qsizetype> &answers) {
                asked.append(QList<qsizetype>(answers.begin(), answers.end()));
                return std::vector<std::optional<QString>>(answers.size());
            });
        QCOMPARE(entries.size(), size_t(20));
        QCOMPARE(entries.front().text, QString("answer 02"));
        QCOMPARE(entries.back().text, QString("answer 09")); // the fourth of the ones
        QCOMPARE(entries[16].count, 1);
        QVERIFY(std::is_sorted(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
            return a.count > b.count || (a.count == b.count && a.text < b.text);
        }));
        // Streaks are looked up for the answers of the groups kept, and only for them.
        qsizetype keptAnswers = 0;
        QStringList kept;
        for (const WhyEntry &e : entries) {
            keptAnswers += e.count;
            kept << e.text;
        }
        QCOMPARE(asked.size(), keptAnswers);
        for (qsizetype i : asked)
            QVERIFY2(kept.contains(texts[i]), qPrintable(texts[i]));
    }

    void stopsLookingOnceTwoStreaksAreNamed()
    {
        // A hundred times the same answer, for three streaks in turn.
        const QStringList texts(100, QStringLiteral("bored"));
        qsizetype asked = 0;
        const auto entries =
            WhyAnswerGrouping::group(texts, [&](const std::vector<qsizetype> &answers) {
                asked += qsizetype(answers.size());
                std::vector<std::optional<QString>> names;
                for (qsizetype i : answers)
                    names.push_back(i < 2 ? std::nullopt
                                          : std::optional(QString("S%1").arg(i % 3)));
                return names;
            });
        QCOMPARE(describe(entries), QStringList{"bored×100 S2, S0"});
        QCOMPARE(asked, 4); // the first batch named two
    }
};

QTEST_GUILESS_MAIN(tst_WhyAnswerGrouping)
#include "tst_WhyAnswerGrouping.moc"
