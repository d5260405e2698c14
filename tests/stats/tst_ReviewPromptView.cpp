#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrlQuery>

#include "ReviewFixture.h"
#include "kit/TipJar.h"
#include "stats/GraphemeText.h"
#include "ui/PrimaryButton.h"

using halvex::ReviewPromptView;
using reviewtest::find;
using testing::LoopbackBackend;

namespace {

// One form on screen over the review fixture, sending in German.
struct FormFixture : reviewtest::ReviewFixture {
    FormFixture()
        : view({workspace, [this] { return libraryStarted ? prompt.get() : nullptr; },
                [] { return QStringLiteral("de"); }},
               [this] { ++closeRequests; })
    {
        view.resize(halvex::ReviewPromptWindowController::contentSize);
        view.show();
    }

    QAbstractButton *button(const QString &name) const { return find(&view, name); }
    halvex::PrimaryButton *send() const
    {
        return find<halvex::PrimaryButton>(&view, "review_prompt.send");
    }
    QWidget *errorLine() const { return find<QWidget>(&view, "review_prompt.error"); }
    void click(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void type(const QString &name, const QString &comment)
    {
        find<QLineEdit>(&view, "review_prompt.name")->insert(name);
        find<QPlainTextEdit>(&view, "review_prompt.comment")->insertPlainText(comment);
    }
    QList<int> checkedStars() const
    {
        QList<int> checked;
        for (int i = 1; i <= 5; ++i) {
            if (button(u"review_prompt.star." + QString::number(i))->isChecked())
                checked << i;
        }
        return checked;
    }

    int closeRequests = 0;
    ReviewPromptView view;
};

} // namespace

class tst_ReviewPromptView : public QObject {
    Q_OBJECT
private slots:
    void starsChooseTheRating();
    void limitsCountWhatPeopleSeeAsCharacters_data();
    void limitsCountWhatPeopleSeeAsCharacters();
    void sendPostsTheReviewAndThanks_data();
    void sendPostsTheReviewAndThanks();
    void failedSendKeepsEverythingAsTyped_data();
    void failedSendKeepsEverythingAsTyped();
    void linksAndWaysOut();
};

void tst_ReviewPromptView::starsChooseTheRating()
{
    FormFixture f;
    QVERIFY(!f.send()->isEnabled());
    QCOMPARE(f.checkedStars(), QList<int>{});
    f.click("review_prompt.star.3");
    QCOMPARE(f.view.rating(), 3);
    QVERIFY(f.send()->isEnabled());
    QCOMPARE(f.checkedStars(), QList<int>{3});
    // Choosing the chosen star again keeps it; there is no way back to none.
    f.click("review_prompt.star.3");
    QCOMPARE(f.checkedStars(), QList<int>{3});
    f.click("review_prompt.star.1");
    QCOMPARE(f.view.rating(), 1);
    QCOMPARE(f.checkedStars(), QList<int>{1});
    QCOMPARE(f.button("review_prompt.star.5")->accessibleName(), QStringLiteral("5 stars"));

    // Without the library's component, send does nothing.
    f.libraryStarted = false;
    f.click("review_prompt.send");
    QVERIFY(!f.view.isSending());
    QCOMPARE(f.view.step(), ReviewPromptView::Step::form);
}

void tst_ReviewPromptView::limitsCountWhatPeopleSeeAsCharacters_data()
{
    QTest::addColumn<bool>("comment");
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    const QString flag = QStringLiteral("\U0001F1F9\U0001F1F7");
    const QString thumbsUpMediumSkin = QStringLiteral("\U0001F44D\U0001F3FD");
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString accented = QStringLiteral("e\u0301\u0323");
    QTest::newRow("name, letters") << false << "a" << 61 << 60;
    QTest::newRow("name, exactly at the limit") << false << flag << 60 << 60;
    QTest::newRow("name, flags") << false << flag << 61 << 60;
    QTest::newRow("name, emoji with skin tone") << false << thumbsUpMediumSkin << 75 << 60;
    QTest::newRow("name, joined emoji") << false << family << 61 << 60;
    QTest::newRow("name, combining marks") << false << accented << 70 << 60;
    QTest::newRow("comment, pasted letters") << true << "a" << 2500 << 2000;
    QTest::newRow("comment, exactly at the limit") << true << accented << 2000 << 2000;
    QTest::newRow("comment, flags") << true << flag << 2001 << 2000;
    QTest::newRow("comment, joined emoji") << true << family << 2001 << 2000;
    QTest::newRow("comment, combining marks") << true << accented << 2100 << 2000;
}

void tst_ReviewPromptView::limitsCountWhatPeopleSeeAsCharacters()
{
    QFETCH(bool, comment);
    QFETCH(QString, character);
    QFETCH(int, typed);
    QFETCH(int, kept);
    QCOMPARE(halvex::GraphemeText::count(character), 1);
    FormFixture f;
    const QString text = character.repeated(typed);
    f.type(comment ? QString() : text, comment ? text : QString());
    QCOMPARE(comment ? f.view.comment() : f.view.name(), character.repeated(kept));
    QCOMPARE(comment ? f.view.name() : f.view.comment(), QString());
}

void tst_ReviewPromptView::sendPostsTheReviewAndThanks_data()
{
    QTest::addColumn<int>("rating");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QJsonObject>("written");
    QTest::newRow("rating only") << 5 << ""
                                 << "" << QJsonObject{};
    QTest::newRow("with review and name")
        << 4 << " Ada "
        << "  Calmer evenings.\n\n"
        << QJsonObject{{"body", "Calmer evenings."}, {"authorName", "Ada"}};
}

void tst_ReviewPromptView::sendPostsTheReviewAndThanks()
{
    QFETCH(int, rating);
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(QJsonObject, written);
    FormFixture f;
    f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(201)});
    f.type(name, comment);
    f.click(u"review_prompt.star." + QString::number(rating));
    f.click("review_prompt.send");
    QVERIFY(f.view.isSending());
    QVERIFY(f.send()->isLoading());
    QCOMPARE(f.send()->text(), QStringLiteral("Sending…"));
    // A second press while it sends is ignored.
    f.view.submit();

    QTRY_COMPARE(f.view.step(), ReviewPromptView::Step::thanks);
    QVERIFY(!f.view.isSending());
    QVERIFY(find<QWidget>(&f.view, "review_prompt.thanks")->isVisible());
    QVERIFY(f.prompt->usage().completed);
    const auto requests = f.backend.requests("POST", "/api/reviews/app");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().header("Content-Type"),
             std::optional<QByteArray>("application/json"));
    QJsonObject expected{
        {"slug", "halvex"}, {"installId", "install-1"}, {"rating", rating}, {"locale", "de"}};
    for (auto it = written.begin(); it != written.end(); ++it)
        expected.insert(it.key(), it.value());
    QCOMPARE(QJsonDocument::fromJson(requests.first().body).object(), expected);
}

void tst_ReviewPromptView::failedSendKeepsEverythingAsTyped_data()
{
    QTest::addColumn<LoopbackBackend::Answer>("answer");
    QTest::newRow("server error") << LoopbackBackend::Answer::with(500);
    QTest::newRow("connection lost") << LoopbackBackend::Answer::dropping();
}

void tst_ReviewPromptView::failedSendKeepsEverythingAsTyped()
{
    QFETCH(LoopbackBackend::Answer, answer);
    FormFixture f;
    f.backend.script("POST", "/api/reviews/app", {answer});
    QVERIFY(!f.errorLine()->isVisible());
    f.type(QStringLiteral("Ada"), QStringLiteral("Calmer evenings."));
    f.click("review_prompt.star.4");
    f.click("review_prompt.send");
    QTRY_VERIFY(!f.view.isSending());

    QVERIFY(f.view.failed());
    QVERIFY(f.errorLine()->isVisible());
    QCOMPARE(f.view.step(), ReviewPromptView::Step::form);
    QCOMPARE(f.view.rating(), 4);
    QCOMPARE(f.view.name(), QStringLiteral("Ada"));
    QCOMPARE(f.view.comment(), QStringLiteral("Calmer evenings."));
    QCOMPARE(f.send()->text(), QStringLiteral("Send"));
    QVERIFY(!f.prompt->usage().completed);

    // Sending again hides the line at once.
    f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(200)});
    f.click("review_prompt.send");
    QVERIFY(!f.errorLine()->isVisible());
    QTRY_COMPARE(f.view.step(), ReviewPromptView::Step::thanks);
}

void tst_ReviewPromptView::linksAndWaysOut()
{
    FormFixture f;
    f.click("review_prompt.link.tip");
    f.click("review_prompt.link.feedback");
    QCOMPARE(f.workspace.openedUrls.size(), 2);
    QCOMPARE(f.workspace.openedUrls[0], fennimar::TipJar::url());
    const QUrl feedback = f.workspace.openedUrls[1];
    QCOMPARE(feedback.path(), QStringLiteral("/feedback"));
    QCOMPARE(QUrlQuery(feedback).queryItemValue("app"), QStringLiteral("halvex"));
    QCOMPARE(f.closeRequests, 0);
    f.click("review_prompt.not_now");
    QCOMPARE(f.closeRequests, 1);

    f.backend.script("POST", "/api/reviews/app", {LoopbackBackend::Answer::with(201)});
    f.click("review_prompt.star.5");
    f.click("review_prompt.send");
    QTRY_COMPARE(f.view.step(), ReviewPromptView::Step::thanks);
    // The tip page opens with the form staying.
    f.click("review_prompt.thanks.tip");
    QCOMPARE(f.workspace.openedUrls.size(), 3);
    QCOMPARE(f.workspace.openedUrls[2], fennimar::TipJar::url());
    QCOMPARE(f.closeRequests, 1);
    f.click("review_prompt.close");
    QCOMPARE(f.closeRequests, 2);
}

QTEST_MAIN(tst_ReviewPromptView)
#include "tst_ReviewPromptView.moc"
