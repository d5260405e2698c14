#include "stats/WhyAnswerGrouping.h"

#include <algorithm>

#include <QHash>
#include <QSet>

#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/WhyAnswer.h"

namespace halvex {

namespace {

QString composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

// A group while answers are counted: which answers belong to it, so that
// their streaks are looked up only for the groups kept.
struct Group {
    WhyEntry entry;
    std::vector<qsizetype> answers;
    // The text in code points, the tie-breaker of equal counts.
    std::u32string order;
};

std::u32string codePoints(const QString &text)
{
    const QList<uint> ucs4 = composed(text).toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

} // namespace

QString WhyAnswerGrouping::key(const QString &text)
{
    // Lower case without the user's locale, so a Turkish "I" groups as anywhere.
    return composed(text.trimmed().toLower());
}

std::vector<WhyEntry> WhyAnswerGrouping::group(const QStringList &texts,
                                               const StreakNames &streakNames, size_t limit)
{
    std::vector<Group> groups;
    QHash<QString, size_t> byKey;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QString groupKey = key(texts[i]);
        if (groupKey.isEmpty())
            continue;
        const auto found = byKey.constFind(groupKey);
        if (found != byKey.constEnd()) {
            Group &g = groups[*found];
            ++g.entry.count;
            g.answers.push_back(i);
            continue;
        }
        byKey.insert(groupKey, groups.size());
        const QString text = texts[i].trimmed();
        groups.push_back({WhyEntry{std::move(groupKey), text, 1, {}}, {i}, codePoints(text)});
    }

    std::stable_sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) {
        if (a.entry.count != b.entry.count)
            return a.entry.count > b.entry.count;
        return a.order < b.order;
    });
    if (groups.size() > limit)
        groups.resize(limit);

    std::vector<WhyEntry> entries;
    entries.reserve(groups.size());
    for (Group &g : groups) {
        QSet<QString> seen;
        // Most groups have their names within the first few answers.
        size_t batch = 4;
        for (size_t next = 0;
             streakNames && next < g.answers.size() && g.entry.streakNames.size() < streakNamesKept;
             next += batch, batch = std::min<size_t>(batch * 4, 512)) {
            const std::vector<qsizetype> asked(
                g.answers.begin() + qsizetype(next),
                g.answers.begin() + qsizetype(std::min(next + batch, g.answers.size())));
            for (const std::optional<QString> &name : streakNames(asked)) {
                if (!name || seen.contains(composed(*name)))
                    continue;
                seen.insert(composed(*name));
                g.entry.streakNames << *name;
                if (g.entry.streakNames.size() == streakNamesKept)
                    break;
            }
        }
        entries.push_back(std::move(g.entry));
    }
    return entries;
}

FetchDescriptor<WhyAnswer> WhyAnswerGrouping::answersFetch()
{
    return {Predicate(), {{QStringLiteral("createdAt"), true}}};
}

std::vector<WhyEntry> WhyAnswerGrouping::fromStore(ModelContext &context, size_t limit)
{
    const auto answers = context.fetch<WhyAnswer>(answersFetch());
    if (!answers)
        return {};
    QStringList texts;
    texts.reserve(qsizetype(answers->size()));
    for (const auto &answer : *answers)
        texts << answer->text();
    return group(
        texts,
        [&](const std::vector<qsizetype> &asked) {
            // One fetch for the events of a batch: a lookup per answer is
            // what makes a long history slow.
            QVariantList ids;
            for (qsizetype i : asked)
                if (const QUuid &id = (*answers)[size_t(i)]->triggerEventId(); !id.isNull())
                    ids << id;
            QHash<QUuid, std::shared_ptr<TriggerEvent>> events;
            if (const auto fetched = context.fetch<TriggerEvent>(
                    FetchDescriptor<TriggerEvent>(Predicate::in(QStringLiteral("id"), ids)))) {
                for (const auto &event : *fetched)
                    events.insert(event->id(), event);
            }
            std::vector<std::optional<QString>> names;
            names.reserve(asked.size());
            for (qsizetype i : asked) {
                const auto event = events.value((*answers)[size_t(i)]->triggerEventId());
                const auto streak = event ? event->streak() : nullptr;
                names.push_back(streak ? std::optional(streak->name()) : std::nullopt);
            }
            return names;
        },
        limit);
}

} // namespace halvex
