#include <QTest>

#include "engine/TrimmedBlanks.h"

using namespace halvex;

class tst_TrimmedBlanks : public QObject {
    Q_OBJECT

private slots:
    void trimsBlanksKeepsLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only blanks") << QStringLiteral(" \t\u00a0 ") << QString();
        QTest::newRow("spaces and tabs") << QStringLiteral("\t Notes  ") << QStringLiteral("Notes");
        QTest::newRow("no-break and em spaces")
            << QStringLiteral("\u00a0example.com\u2003") << QStringLiteral("example.com");
        QTest::newRow("inner blanks stay") << QStringLiteral(" a  b ") << QStringLiteral("a  b");
        QTest::newRow("line breaks stay")
            << QStringLiteral("\n name \r\n") << QStringLiteral("\n name \r\n");
    }
    void trimsBlanksKeepsLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimmedBlanks(text), trimmed);
    }
};

QTEST_MAIN(tst_TrimmedBlanks)
#include "tst_TrimmedBlanks.moc"
