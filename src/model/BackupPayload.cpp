#include "model/BackupPayload.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <variant>

#include <QHash>
#include <QVarLengthArray>

#include "model/AppSettings.h"
#include "model/BypassUsage.h"
#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/Tombstone.h"
#include "model/TriggerEvent.h"
#include "model/WhyAnswer.h"

namespace halvex {

namespace {

std::optional<QUuid> link(const QUuid &id)
{
    return id.isNull() ? std::nullopt : std::optional<QUuid>(id);
}

class JsonWriter;
using Nested = std::function<void(JsonWriter &)>;

// One member of an object about to be written. Values are borrowed from the
// record being written, which outlives the write.
struct Member {
    const char *key;
    std::variant<bool, qint64, QUuid, const QString *, const QDateTime *, const QStringList *,
                 const Nested *>
        value;
};

// An append-only byte buffer written in place: a backup of a large history
// is tens of megabytes, appended a few bytes at a time.
class Buffer final {
public:
    explicit Buffer(size_t expectedSize) { grow(expectedSize); }

    Buffer &operator+=(char c)
    {
        if (m_pos == m_end)
            grow(1);
        *m_pos++ = c;
        return *this;
    }
    Buffer &operator+=(const char *text) { return append(text, std::strlen(text)); }
    Buffer &append(const char *data, size_t n)
    {
        if (size_t(m_end - m_pos) < n)
            grow(n);
        std::memcpy(m_pos, data, n);
        m_pos += n;
        return *this;
    }
    Buffer &append(size_t n, char c)
    {
        if (size_t(m_end - m_pos) < n)
            grow(n);
        std::memset(m_pos, c, n);
        m_pos += n;
        return *this;
    }

    QByteArray take()
    {
        m_bytes.truncate(m_pos - m_begin);
        m_begin = m_pos = m_end = nullptr;
        return std::move(m_bytes);
    }

private:
    void grow(size_t n)
    {
        const qsizetype used = m_pos - m_begin;
        m_bytes.resize(qMax(2 * m_bytes.size(), used + qsizetype(n))); // left uninitialised
        m_begin = m_bytes.data();
        m_pos = m_begin + used;
        m_end = m_begin + m_bytes.size();
    }

    QByteArray m_bytes;
    char *m_begin = nullptr;
    char *m_pos = nullptr;
    char *m_end = nullptr;
};

// The one layout of a backup file: two spaces per level, one member or
// element per line, `"key" : value`, empty containers as [] and {}.
// QJsonDocument can neither sort keys in a fixed order nor escape "/", so
// the file is written by hand.
class JsonWriter final {
public:
    explicit JsonWriter(size_t expectedSize, QStringList *fallbacks)
        : m_out(expectedSize)
        , m_fallbacks(fallbacks)
    {}

    QByteArray take() { return m_out.take(); }
    void newline() { m_out += '\n'; }

    void object(QVarLengthArray<Member, 24> &members)
    {
        // A date that cannot be written has no fallback value of its own: it
        // is left out, as an absent optional date is.
        members.removeIf([this](const Member &member) {
            const auto *date = std::get_if<const QDateTime *>(&member.value);
            if (!date || writable(**date))
                return false;
            noteFallback(member.key);
            return true;
        });
        if (members.isEmpty()) {
            m_out += "{}";
            return;
        }
        std::sort(members.begin(), members.end(),
                  [](const Member &a, const Member &b) { return std::strcmp(a.key, b.key) < 0; });
        m_out += '{';
        ++m_depth;
        for (qsizetype i = 0; i < members.size(); ++i) {
            m_out += i == 0 ? "\n" : ",\n";
            indent();
            m_out += '"';
            m_out += members[i].key;
            m_out += "\" : ";
            m_path.push_back(QString::fromLatin1(members[i].key));
            std::visit([this](const auto &v) { write(v); }, members[i].value);
            m_path.pop_back();
        }
        --m_depth;
        m_out += '\n';
        indent();
        m_out += '}';
    }

    template <class Each> void array(qsizetype count, Each &&each)
    {
        if (count == 0) {
            m_out += "[]";
            return;
        }
        m_out += '[';
        ++m_depth;
        for (qsizetype i = 0; i < count; ++i) {
            m_out += i == 0 ? "\n" : ",\n";
            indent();
            m_path.push_back(u'[' + QString::number(i) + u']');
            each(i);
            m_path.pop_back();
        }
        --m_depth;
        m_out += '\n';
        indent();
        m_out += ']';
    }

    void write(bool v) { m_out += v ? "true" : "false"; }
    void write(qint64 v)
    {
        char text[24];
        const auto end = std::to_chars(text, text + sizeof text, v).ptr;
        m_out.append(text, size_t(end - text));
    }
    void write(const Nested *nested) { (*nested)(*this); }
    void write(const QStringList *list)
    {
        array(list->size(), [&](qsizetype i) { write(&list->at(i)); });
    }

    void write(const QUuid &id)
    {
        static const char digits[] = "0123456789ABCDEF";
        const quint8 bytes[16] = {quint8(id.data1 >> 24),
                                  quint8(id.data1 >> 16),
                                  quint8(id.data1 >> 8),
                                  quint8(id.data1),
                                  quint8(id.data2 >> 8),
                                  quint8(id.data2),
                                  quint8(id.data3 >> 8),
                                  quint8(id.data3),
                                  id.data4[0],
                                  id.data4[1],
                                  id.data4[2],
                                  id.data4[3],
                                  id.data4[4],
                                  id.data4[5],
                                  id.data4[6],
                                  id.data4[7]};
        char text[38];
        size_t n = 0;
        text[n++] = '"';
        for (int i = 0; i < 16; ++i) {
            if (i == 4 || i == 6 || i == 8 || i == 10)
                text[n++] = '-';
            const quint8 byte = bytes[i];
            text[n++] = digits[byte >> 4];
            text[n++] = digits[byte & 0xF];
        }
        text[n++] = '"';
        m_out.append(text, n);
    }

    // Valid, and within the four-digit years that RFC 3339 allows.
    static bool writable(const QDateTime &date)
    {
        if (!date.isValid())
            return false;
        const int year = date.toUTC().date().year();
        return year >= 0 && year <= 9999;
    }

    void write(const QDateTime *date)
    {
        // Whole seconds, rounded down so that a sub-second part is dropped
        // before 1970 as well as after.
        const qint64 ms = date->toMSecsSinceEpoch();
        const qint64 seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
        qint64 days = seconds / 86400;
        qint64 secondOfDay = seconds % 86400;
        if (secondOfDay < 0) {
            secondOfDay += 86400;
            --days;
        }
        // Civil date from days since 1970-01-01 (proleptic Gregorian).
        const qint64 z = days + 719468;
        const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
        const qint64 dayOfEra = z - era * 146097;
        const qint64 yearOfEra =
            (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        const qint64 mp = (5 * dayOfYear + 2) / 153;
        const qint64 day = dayOfYear - (153 * mp + 2) / 5 + 1;
        const qint64 month = mp < 10 ? mp + 3 : mp - 9;
        const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
        char text[23];
        auto put = [&text](int at, qint64 value, int width) {
            for (int i = width - 1; i >= 0; --i, value /= 10)
                text[at + i] = char('0' + value % 10);
        };
        std::memcpy(text, "\"0000-00-00T00:00:00Z\"", 22);
        put(1, year, 4);
        put(6, month, 2);
        put(9, day, 2);
        put(12, secondOfDay / 3600, 2);
        put(15, secondOfDay / 60 % 60, 2);
        put(18, secondOfDay % 60, 2);
        m_out.append(text, 22);
    }

    void write(const QString *string)
    {
        static const char hex[] = "0123456789abcdef";
        m_out += '"';
        const QChar *chars = string->constData();
        const qsizetype size = string->size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = chars[i].unicode();
            if (c < 0x80) {
                switch (c) {
                case u'"':
                    m_out += "\\\"";
                    break;
                case u'\\':
                    m_out += "\\\\";
                    break;
                case u'/':
                    m_out += "\\/";
                    break;
                case u'\b':
                    m_out += "\\b";
                    break;
                case u'\f':
                    m_out += "\\f";
                    break;
                case u'\n':
                    m_out += "\\n";
                    break;
                case u'\r':
                    m_out += "\\r";
                    break;
                case u'\t':
                    m_out += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
                        m_out.append(escape, 6);
                    } else {
                        m_out += char(c);
                    }
                }
            } else if (c < 0x800) {
                m_out += char(0xC0 | (c >> 6));
                m_out += char(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && i + 1 < size &&
                       QChar::isLowSurrogate(chars[i + 1].unicode())) {
                const char32_t u = QChar::surrogateToUcs4(c, chars[++i].unicode());
                m_out += char(0xF0 | (u >> 18));
                m_out += char(0x80 | ((u >> 12) & 0x3F));
                m_out += char(0x80 | ((u >> 6) & 0x3F));
                m_out += char(0x80 | (u & 0x3F));
            } else if (QChar::isSurrogate(c)) {
                // A lone surrogate has no UTF-8 form: the replacement character stands in.
                m_out += "\xEF\xBF\xBD";
                noteFallback(nullptr);
            } else {
                m_out += char(0xE0 | (c >> 12));
                m_out += char(0x80 | ((c >> 6) & 0x3F));
                m_out += char(0x80 | (c & 0x3F));
            }
        }
        m_out += '"';
    }

private:
    void indent() { m_out.append(size_t(2 * m_depth), ' '); }

    // Where the value being written sits, as "streaks[2].startedAt".
    void noteFallback(const char *key)
    {
        if (!m_fallbacks)
            return;
        QString where;
        for (const QString &part : std::as_const(m_path))
            where +=
                (part.startsWith(u'[') || where.isEmpty() ? QString() : QStringLiteral(".")) + part;
        if (key)
            where += (where.isEmpty() ? QString() : QStringLiteral(".")) + QLatin1String(key);
        if (m_fallbacks->isEmpty() || m_fallbacks->last() != where)
            m_fallbacks->append(where);
    }

    Buffer m_out;
    int m_depth = 0;
    QStringList *m_fallbacks;
    QStringList m_path;
};

// Collects an object's members in any order; the writer sorts them.
class ObjectBuilder final {
public:
    ObjectBuilder &add(const char *key, bool v) { return put(key, v); }
    ObjectBuilder &add(const char *key, int v) { return put(key, qint64(v)); }
    ObjectBuilder &add(const char *key, qint64 v) { return put(key, v); }
    ObjectBuilder &add(const char *key, const QUuid &v) { return put(key, v); }
    ObjectBuilder &add(const char *key, const QString &v) { return put(key, &v); }
    ObjectBuilder &add(const char *key, const QDateTime &v) { return put(key, &v); }
    ObjectBuilder &add(const char *key, const QStringList &v) { return put(key, &v); }
    ObjectBuilder &add(const char *key, const Nested &v) { return put(key, &v); }
    template <class T> ObjectBuilder &add(const char *key, const std::optional<T> &v)
    {
        return v ? add(key, *v) : *this;
    }

    void writeTo(JsonWriter &writer) { writer.object(m_members); }

private:
    template <class V> ObjectBuilder &put(const char *key, V value)
    {
        m_members.append(Member{key, value});
        return *this;
    }

    QVarLengthArray<Member, 24> m_members;
};

void write(JsonWriter &w, const StreakBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("name", r.name)
        .add("type", r.type)
        .add("mode", r.mode)
        .add("domains", r.domains)
        .add("browsers", r.browsers)
        .add("bundleIdentifiers", r.bundleIdentifiers)
        .add("startedAt", r.startedAt)
        .add("bestDays", r.bestDays)
        .add("isPaused", r.isPaused)
        .add("pausedUntil", r.pausedUntil)
        .add("allowDailyFreePass", r.allowDailyFreePass)
        .add("allowExternalLinkBypass", r.allowExternalLinkBypass)
        .add("activeWindowEnabled", r.activeWindowEnabled)
        .add("activeWindowStartMinutes", r.activeWindowStartMinutes)
        .add("activeWindowEndMinutes", r.activeWindowEndMinutes)
        .add("activeWeekdaysMask", r.activeWeekdaysMask)
        .add("allowanceEnabled", r.allowanceEnabled)
        .add("allowanceMinutes", r.allowanceMinutes)
        .add("sortOrder", r.sortOrder)
        .add("isPrimary", r.isPrimary)
        .add("createdAt", r.createdAt)
        .add("updatedAt", r.updatedAt)
        .writeTo(w);
}

void write(JsonWriter &w, const TombstoneBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("streakId", r.streakId)
        .add("days", r.days)
        .add("startedAt", r.startedAt)
        .add("brokenAt", r.brokenAt)
        .add("lastWhyAnswer", r.lastWhyAnswer)
        .add("modeAtBreak", r.modeAtBreak)
        .writeTo(w);
}

void write(JsonWriter &w, const TriggerEventBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("streakId", r.streakId)
        .add("firedAt", r.firedAt)
        .add("triggerSource", r.triggerSource)
        .add("matchedDomain", r.matchedDomain)
        .add("matchedBundleId", r.matchedBundleId)
        .add("outcome", r.outcome)
        .add("whyAnswerId", r.whyAnswerId)
        .writeTo(w);
}

void write(JsonWriter &w, const WhyAnswerBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("triggerEventId", r.triggerEventId)
        .add("text", r.text)
        .add("createdAt", r.createdAt)
        .writeTo(w);
}

void write(JsonWriter &w, const BypassUsageBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("streakId", r.streakId)
        .add("kind", r.kind)
        .add("usedAt", r.usedAt)
        .add("expiresAt", r.expiresAt)
        .writeTo(w);
}

void write(JsonWriter &w, const AppSettingsBackup &r)
{
    ObjectBuilder()
        .add("id", r.id)
        .add("loginItemEnabled", r.loginItemEnabled)
        .add("theme", r.theme)
        .add("primaryStreakId", r.primaryStreakId)
        .add("lastBackupAt", r.lastBackupAt)
        .add("firstLaunchCompleted", r.firstLaunchCompleted)
        .add("limitedMode", r.limitedMode)
        .add("weeklyDigestEnabled", r.weeklyDigestEnabled)
        .writeTo(w);
}

template <class R> Nested arrayOf(const std::vector<R> &records)
{
    return [&records](JsonWriter &w) {
        w.array(qsizetype(records.size()), [&](qsizetype i) { write(w, records[size_t(i)]); });
    };
}

template <class Backup, class T>
std::vector<Backup> convert(const std::vector<std::shared_ptr<T>> &records)
{
    std::vector<Backup> out;
    out.reserve(records.size());
    for (const auto &record : records)
        out.emplace_back(*record);
    return out;
}

} // namespace

StreakBackup::StreakBackup(const Streak &s)
    : id(s.id())
    , name(s.name())
    , type(s.typeRaw())
    , mode(s.modeRaw())
    , domains(s.domains())
    , browsers(s.browsers())
    , bundleIdentifiers(s.bundleIdentifiers())
    , startedAt(s.startedAt())
    , bestDays(s.bestDays())
    , isPaused(s.isPaused())
    , pausedUntil(s.pausedUntil())
    , allowDailyFreePass(s.allowDailyFreePass())
    , allowExternalLinkBypass(s.allowExternalLinkBypass())
    , activeWindowEnabled(s.activeWindowEnabled())
    , activeWindowStartMinutes(s.activeWindowStartMinutes())
    , activeWindowEndMinutes(s.activeWindowEndMinutes())
    , activeWeekdaysMask(s.activeWeekdaysMask())
    , allowanceEnabled(s.allowanceEnabled())
    , allowanceMinutes(s.allowanceMinutes())
    , sortOrder(s.sortOrder())
    , isPrimary(s.isPrimary())
    , createdAt(s.createdAt())
    , updatedAt(s.updatedAt())
{}

TombstoneBackup::TombstoneBackup(const Tombstone &t)
    : id(t.id())
    , streakId(link(t.streakId()))
    , days(t.days())
    , startedAt(t.startedAt())
    , brokenAt(t.brokenAt())
    , lastWhyAnswer(t.lastWhyAnswer())
    , modeAtBreak(t.modeAtBreak())
{}

TriggerEventBackup::TriggerEventBackup(const TriggerEvent &e, std::optional<QUuid> answerId)
    : id(e.id())
    , streakId(link(e.streakId()))
    , firedAt(e.firedAt())
    , triggerSource(e.triggerSourceRaw())
    , matchedDomain(e.matchedDomain())
    , matchedBundleId(e.matchedBundleId())
    , outcome(e.outcomeRaw())
    , whyAnswerId(std::move(answerId))
{}

WhyAnswerBackup::WhyAnswerBackup(const WhyAnswer &a)
    : id(a.id())
    , triggerEventId(link(a.triggerEventId()))
    , text(a.text())
    , createdAt(a.createdAt())
{}

BypassUsageBackup::BypassUsageBackup(const BypassUsage &u)
    : id(u.id())
    , streakId(link(u.streakId()))
    , kind(u.kindRaw())
    , usedAt(u.usedAt())
    , expiresAt(u.expiresAt())
{}

AppSettingsBackup::AppSettingsBackup(const AppSettings &s)
    : id(s.id())
    , loginItemEnabled(s.loginItemEnabled())
    , theme(s.themeRaw())
    , primaryStreakId(s.primaryStreakId())
    , lastBackupAt(s.lastBackupAt())
    , firstLaunchCompleted(s.firstLaunchCompleted())
    , limitedMode(s.limitedMode())
    , weeklyDigestEnabled(s.weeklyDigestEnabled())
{}

QByteArray BackupPayload::encoded(QStringList *fallbacks) const
{
    const Nested streakArray = arrayOf(streaks);
    const Nested tombstoneArray = arrayOf(tombstones);
    const Nested eventArray = arrayOf(triggerEvents);
    const Nested answerArray = arrayOf(whyAnswers);
    const Nested usageArray = arrayOf(bypassUsages);
    std::optional<Nested> settingsObject;
    if (appSettings)
        settingsObject = [this](JsonWriter &w) { write(w, *appSettings); };

    // About 400 bytes per event or answer, the bulk of any real store.
    JsonWriter writer(4096 + 400 * (triggerEvents.size() + whyAnswers.size()), fallbacks);
    ObjectBuilder()
        .add("schemaVersion", schemaVersion)
        .add("exportedAt", exportedAt)
        .add("streaks", streakArray)
        .add("tombstones", tombstoneArray)
        .add("triggerEvents", eventArray)
        .add("whyAnswers", answerArray)
        .add("bypassUsages", usageArray)
        .add("appSettings", settingsObject)
        .writeTo(writer);
    writer.newline();
    return writer.take();
}

platform::Expected<BackupPayload, StoreError> makePayload(ModelContext &context,
                                                          const std::function<QDateTime()> &clock)
{
    auto streaks = context.fetch<Streak>();
    if (!streaks)
        return platform::unexpected(streaks.error());
    auto tombstones = context.fetch<Tombstone>();
    if (!tombstones)
        return platform::unexpected(tombstones.error());
    auto events = context.fetch<TriggerEvent>();
    if (!events)
        return platform::unexpected(events.error());
    auto answers = context.fetch<WhyAnswer>();
    if (!answers)
        return platform::unexpected(answers.error());
    auto usages = context.fetch<BypassUsage>();
    if (!usages)
        return platform::unexpected(usages.error());
    auto settings = context.fetch<AppSettings>();
    if (!settings)
        return platform::unexpected(settings.error());

    BackupPayload payload;
    payload.exportedAt = clock();
    payload.schemaVersion = 1;
    payload.streaks = convert<StreakBackup>(*streaks);
    payload.tombstones = convert<TombstoneBackup>(*tombstones);
    payload.whyAnswers = convert<WhyAnswerBackup>(*answers);
    payload.bypassUsages = convert<BypassUsageBackup>(*usages);

    // Each event's answer comes from the answers already fetched: asking the
    // store once per event would make a large history take minutes. Should
    // two answers name one event, the first the store gives wins, as it does
    // when an event looks its answer up.
    QHash<QUuid, QUuid> answerOfEvent;
    answerOfEvent.reserve(qsizetype(answers->size()));
    for (const auto &answer : *answers) {
        if (!answer->triggerEventId().isNull() && !answerOfEvent.contains(answer->triggerEventId()))
            answerOfEvent.insert(answer->triggerEventId(), answer->id());
    }
    payload.triggerEvents.reserve(events->size());
    for (const auto &event : *events) {
        const auto found = answerOfEvent.constFind(event->id());
        payload.triggerEvents.emplace_back(*event, found == answerOfEvent.constEnd()
                                                       ? std::nullopt
                                                       : std::optional<QUuid>(*found));
    }

    if (!settings->empty())
        payload.appSettings.emplace(*settings->front());
    return payload;
}

} // namespace halvex
