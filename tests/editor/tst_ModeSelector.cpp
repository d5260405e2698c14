#include <optional>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixture.h"
#include "editor/ModeChip.h"
#include "editor/ModeSelector.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/Symbol.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using Style = ModeSelector::Style;

Q_DECLARE_METATYPE(halvex::StrictnessMode)

namespace {

const QStringList ids{"streakEditor.mode.gentle", "streakEditor.mode.firm",
                      "streakEditor.mode.brutal"};

// What each choice shows as selected: a card's checked trait, a row's checkmark.
QList<bool> selection(const ModeSelector &selector)
{
    QList<bool> shown;
    for (const QString &id : ids) {
        auto *choice = selector.findChild<QAbstractButton *>(id);
        bool selected = choice->isChecked();
        if (selector.style() == Style::stacked) {
            selected = false;
            for (auto *symbol : choice->findChildren<SymbolView *>())
                selected = selected || (symbol->name() == u"checkmark" && !symbol->isHidden());
        }
        shown << selected;
    }
    return shown;
}

QStringList labelTexts(const QWidget &widget)
{
    QStringList texts;
    for (auto *label : widget.findChildren<KitLabel *>())
        texts << label->text();
    return texts;
}

} // namespace

class tst_ModeSelector : public QObject {
    Q_OBJECT

    std::optional<TranslationLoader> m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        m_translations.emplace();
        QVERIFY(m_translations->load("en"));
    }

    void clickSelects_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<StrictnessMode>("bound");
        QTest::addColumn<StrictnessMode>("clicked");
        QTest::newRow("compact: firm, then brutal")
            << int(Style::compact) << StrictnessMode::firm << StrictnessMode::brutal;
        QTest::newRow("compact: the chosen one again")
            << int(Style::compact) << StrictnessMode::firm << StrictnessMode::firm;
        QTest::newRow("stacked: gentle, then firm")
            << int(Style::stacked) << StrictnessMode::gentle << StrictnessMode::firm;
    }
    void clickSelects()
    {
        QFETCH(int, style);
        QFETCH(StrictnessMode, bound);
        QFETCH(StrictnessMode, clicked);
        ModeSelector selector(bound, true, Style(style));
        selector.resize(360, selector.sizeHint().height());
        selector.show();
        QList<bool> expected{false, false, false};
        expected[int(bound)] = true;
        QCOMPARE(selection(selector), expected);

        QSignalSpy edited(&selector, &ModeSelector::modeEdited);
        auto *choice = selector.findChild<QAbstractButton *>(ids[int(clicked)]);
        // Anywhere in the card or row, not only on its text.
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(choice->width() - 3, 3));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).value<StrictnessMode>(), clicked);
        QCOMPARE(selector.mode(), clicked);
        expected = {false, false, false};
        expected[int(clicked)] = true;
        QCOMPARE(selection(selector), expected);
        if (Style(style) == Style::compact)
            QCOMPARE(selector.descriptionLabel()->text(), modeDescription(clicked));
        else
            QVERIFY(!selector.descriptionLabel());

        // The host's value shows, and is not echoed back.
        selector.setMode(StrictnessMode::gentle);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(selection(selector), (QList<bool>{true, false, false}));
    }

    void titleOnlyWhenAsked()
    {
        ModeSelector with(StrictnessMode::firm, true, Style::compact);
        ModeSelector without(StrictnessMode::firm, false, Style::compact);
        QVERIFY(labelTexts(with).contains("Strictness"));
        QVERIFY(!labelTexts(without).contains("Strictness"));
        // And no gap left for it: the cards come first.
        without.resize(360, without.sizeHint().height());
        without.show();
        QCOMPARE(without.findChild<QWidget *>(ids[0])->y(), 0);
    }

    void namesWithAndWithoutTable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("chipNames");
        QTest::addColumn<QStringList>("selectorNames");
        QTest::newRow("no table") << QString() << QStringList{"Gentle", "Firm", "Brutal"} << ids;
        QTest::newRow("German") << "de" << QStringList{"Sanft", "Bestimmt", "Brutal"}
                                << QStringList{"Sanft", "Bestimmt", "Brutal"};
    }
    void namesWithAndWithoutTable()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, chipNames);
        QFETCH(QStringList, selectorNames);
        m_translations.reset();
        if (!language.isEmpty()) {
            m_translations.emplace();
            QVERIFY(m_translations->load(language));
        }
        ModeSelector selector(StrictnessMode::firm, false, Style::compact);
        for (int i = 0; i < 3; ++i) {
            const auto mode = StrictnessMode(i);
            QCOMPARE(ModeChip(mode).text(), chipNames[i]);
            QCOMPARE(selector.findChild<QAbstractButton *>(ids[i])->text(), selectorNames[i]);
        }
        m_translations.emplace();
        QVERIFY(m_translations->load("en"));
    }

    void boundToStoredStreak()
    {
        editortest::EngineFixture f;
        f.streak->setModeRaw("strict"); // no such mode: reads as firm
        QVERIFY(f.save());
        ModeSelector selector(StrictnessMode::gentle, false, Style::compact);
        selector.bindTo(f.engine, f.streak);
        QCOMPARE(selector.mode(), StrictnessMode::firm);
        ModeChip chip(f.streak->mode());
        QCOMPARE(chip.text(), "Firm");

        QSignalSpy reloads(&f.engine, &StreakEngine::streaksChanged);
        const QDateTime stamped = f.streak->updatedAt();
        selector.findChild<QAbstractButton *>(ids[2])->click();
        QCOMPARE(f.streak->modeRaw(), "brutal");
        QVERIFY(f.streak->updatedAt() > stamped);
        QVERIFY(!f.context().hasChanges());
        QCOMPARE(reloads.count(), 1);

        // An edit made elsewhere shows here.
        f.engine.setMode(f.streak, StrictnessMode::gentle);
        QCOMPARE(selector.mode(), StrictnessMode::gentle);
        QCOMPARE(selection(selector), (QList<bool>{true, false, false}));
    }
};

QTEST_MAIN(tst_ModeSelector)
#include "tst_ModeSelector.moc"
