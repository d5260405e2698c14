#include <optional>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include "editor/SeededDomainsRow.h"
#include "ui/KitLabel.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_SeededDomainsRow : public QObject {
    Q_OBJECT

    std::optional<TranslationLoader> m_translations;

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("preset");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("countLine");
        QTest::newRow("one") << "en" << int(DomainPreset::games) << qint64(1) << "Games"
                             << "1 site";
        QTest::newRow("the form's count, not the set's")
            << "en" << int(DomainPreset::video) << qint64(8) << "Video"
            << "8 sites";
        QTest::newRow("German") << "de" << int(DomainPreset::social) << qint64(10)
                                << "Soziale Medien"
                                << "10 Websites";
        QTest::newRow("Turkish, one form")
            << "tr" << int(DomainPreset::news) << qint64(1) << "Haberler"
            << "1 site";
    }
    void texts()
    {
        QFETCH(QString, language);
        QFETCH(int, preset);
        QFETCH(qint64, count);
        QFETCH(QString, title);
        QFETCH(QString, countLine);
        m_translations.emplace();
        QVERIFY(m_translations->load(language));
        SeededDomainsRow row(DomainPreset(preset), count);
        QCOMPARE(row.titleLabel()->text(), title);
        QCOMPARE(row.countLabel()->text(), countLine);
        QCOMPARE(row.objectName(), "streakEditor.domains.seeded");
    }

    void editSitesExpands()
    {
        m_translations.emplace();
        QVERIFY(m_translations->load("en"));
        SeededDomainsRow row(DomainPreset::social, 10);
        row.show();
        QSignalSpy expand(&row, &SeededDomainsRow::expandRequested);
        auto *button = row.findChild<QAbstractButton *>("streakEditor.domains.showAll");
        QCOMPARE(button->text(), "Edit sites");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(expand.count(), 1);
        row.setCount(11);
        QCOMPARE(row.countLabel()->text(), "11 sites");
    }
};

QTEST_MAIN(tst_SeededDomainsRow)
#include "tst_SeededDomainsRow.moc"
