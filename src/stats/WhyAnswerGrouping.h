#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QStringList>

#include "model/Predicate.h"

namespace halvex {

class ModelContext;
class WhyAnswer;

// One group of equal answers to the panel's question.
struct WhyEntry {
    // The grouping key: the trimmed answer in lower case, canonically composed.
    QString key;
    // The oldest answer of the group, trimmed, with its case as typed.
    QString text;
    qint64 count = 0;
    // The first streaks (at most WhyAnswerGrouping::streakNamesKept) the
    // group's answers were given for, in the order of their first answer,
    // each once.
    QStringList streakNames;

    friend bool operator==(const WhyEntry &, const WhyEntry &) = default;
};

// Groups the typed answers regardless of case and surrounding blanks, most
// frequent first. Canonically equivalent texts (a precomposed "é" and "e"
// with a combining accent) are the same answer.
class WhyAnswerGrouping final {
public:
    static constexpr size_t maximumEntries = 20;
    // A group names no more streaks than its row shows.
    static constexpr qsizetype streakNamesKept = 2;

    // Names the streak each of the given answers (indices into the texts)
    // was given for, if any, in the same order.
    using StreakNames =
        std::function<std::vector<std::optional<QString>>(const std::vector<qsizetype> &answers)>;

    // The grouping key of a typed answer; empty for a blank one.
    static QString key(const QString &text);

    // `texts` oldest first. Blank answers are ignored. Higher counts first,
    // then texts in ascending order of their code points; at most `limit`
    // groups. `streakNames` is asked, in growing batches, only about the
    // answers of the groups kept and only until a group has its names, so
    // a long history costs few lookups.
    static std::vector<WhyEntry> group(const QStringList &texts, const StreakNames &streakNames,
                                       size_t limit = maximumEntries);

    // Every stored answer, oldest first.
    static FetchDescriptor<WhyAnswer> answersFetch();

    // The groups of every answer in the store, each answer named after the
    // streak of its trigger event. A failed fetch gives no groups.
    static std::vector<WhyEntry> fromStore(ModelContext &context, size_t limit = maximumEntries);
};

} // namespace halvex
