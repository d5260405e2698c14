#pragma once

#include <functional>

#include <QString>
#include <QTest>

namespace testing {

// Waits until `read` gives `expected`, judging each read once. A value read
// from a live program (an address over the accessibility bus) can be empty
// for a moment; QTRY_COMPARE reads once more after its wait and can fail on
// that moment though the wait succeeded. `last` gets the final read.
inline bool waitForValue(const std::function<QString()> &read, const QString &expected,
                         int timeoutMs, QString *last = nullptr)
{
    QString seen;
    const bool reached = QTest::qWaitFor(
        [&] {
            seen = read();
            return seen == expected;
        },
        timeoutMs);
    if (last)
        *last = seen;
    return reached;
}

} // namespace testing

// QTRY_COMPARE_WITH_TIMEOUT for a live read.
#define COMPARE_LIVE_READ(read, expected, timeoutMs)                                              \
    do {                                                                                           \
        const QString wanted_ = (expected);                                                        \
        QString seen_;                                                                             \
        QVERIFY2(testing::waitForValue([&] { return QString(read); }, wanted_, timeoutMs, &seen_), \
                 qPrintable(QStringLiteral("read \"%1\", expected \"%2\"").arg(seen_, wanted_)));  \
    } while (false)
