#include "kit/CrashReporter.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <exception>
#include <typeinfo>

#include <QFile>
#include <QUuid>

#include "kit/CrashFacts.h"
#include "kit/CrashJsonWriter.h"
#include "platform/FatalSignals.h"
#include "platform/StackTrace.h"
#include "platform/SystemFacts.h"

namespace fennimar {

namespace {

std::unique_ptr<CrashReporter> currentReporter;

// One crash leaves one record: an uncaught exception ends in abort(), whose
// SIGABRT must not write a second record, and a second thread crashing at
// the same moment must not write one either.
std::atomic<bool> crashRecorded{false};

bool claimRecord()
{
    return !crashRecorded.exchange(true);
}

// Everything the signal handler writes that is known before the crash,
// copied into static storage, so that the handler neither allocates nor
// reads Qt objects.
constexpr std::size_t textCapacity = 512;
constexpr std::size_t pathCapacity = 4096;

struct PreparedText {
    char data[textCapacity];
    std::size_t size = 0;
    bool present = false;

    void set(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        // Cut on a character boundary so the JSON stays valid UTF-8.
        std::size_t n = std::min<std::size_t>(std::size_t(utf8.size()), textCapacity);
        while (n > 0 && n < std::size_t(utf8.size()) && (uchar(utf8[qsizetype(n)]) & 0xC0) == 0x80)
            --n;
        std::memcpy(data, utf8.constData(), n);
        size = n;
        present = true;
    }
    void set(const std::optional<QString> &text)
    {
        if (text)
            set(*text);
        else
            present = false;
    }
};

struct PreparedPath {
    char data[pathCapacity];
    bool set(const QString &path)
    {
        const QByteArray bytes = QFile::encodeName(path);
        if (std::size_t(bytes.size()) >= pathCapacity)
            return false;
        std::memcpy(data, bytes.constData(), std::size_t(bytes.size()) + 1);
        return true;
    }
};

struct Prepared {
    std::atomic<bool> ready{false};
    PreparedText slug, version, build, osVersion;
    // The identity may come from the keychain after the handler is in
    // place: it is written into the slot the handler does not read, then
    // switched to, so a crash meanwhile never sees half of it.
    PreparedText installIds[2];
    std::atomic<int> installId{0};
    PreparedText buildUuid, deviceModel, osBuild;
    double uptimeAtCapture = 0.0;
    PreparedPath queueDir;
    PreparedPath stagingDir;
    char uuid[40] = {};
};

Prepared prepared;

// The handler's working storage: frames are cut to 64 lines, each line
// escaped at most sixfold; this holds them with room to spare.
constexpr int signalBacktraceLimit = 128;
quint64 signalAddresses[signalBacktraceLimit];
char signalSymbols[64 * 1024];
char signalJson[512 * 1024];
char stagingPath[pathCapacity + 128];
char finalPath[pathCapacity + 128];

// Appends to a fixed buffer, keeping it NUL-terminated; false when it would not fit.
bool append(char *buffer, std::size_t capacity, const char *text)
{
    const std::size_t used = std::strlen(buffer);
    const std::size_t length = std::strlen(text);
    if (used + length + 1 > capacity)
        return false;
    std::memcpy(buffer + used, text, length + 1);
    return true;
}

void decimal(qint64 value, char (&out)[24])
{
    char digits[24];
    int n = 0;
    quint64 v = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    int i = 0;
    if (value < 0)
        out[i++] = '-';
    while (n)
        out[i++] = digits[--n];
    out[i] = '\0';
}

void writeText(CrashJsonWriter &json, const char *key, const PreparedText &text)
{
    if (!text.present)
        return;
    json.key(key);
    json.string(text.data, text.size);
}

void writeSignalRecord(int signal)
{
    const qint64 occurredAt = platform::FatalSignals::wallClockMilliseconds();
    const double uptime = platform::SystemFacts::uptimeSeconds();
    const int count = platform::StackTrace::capture(signalAddresses, signalBacktraceLimit);
    const std::size_t symbolsSize =
        platform::StackTrace::symbolize(signalAddresses, std::min(count, CrashPayload::maxFrames),
                                        signalSymbols, sizeof signalSymbols);

    CrashJsonWriter json(signalJson, sizeof signalJson);
    json.beginObject();
    writeText(json, "slug", prepared.slug);
    writeText(json, "version", prepared.version);
    writeText(json, "build", prepared.build);
    writeText(json, "osVersion", prepared.osVersion);
    writeText(json, "installId", prepared.installIds[prepared.installId.load()]);
    json.key("kind");
    json.string("signal");
    json.key("signal");
    json.number(signal);
    json.key("frames");
    json.beginArray();
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < symbolsSize; ++i) {
        if (signalSymbols[i] == '\n') {
            json.string(signalSymbols + lineStart, i - lineStart);
            lineStart = i + 1;
        }
    }
    json.endArray();
    json.key("occurredAt");
    json.number(occurredAt);
    json.key("returnAddresses");
    json.beginArray();
    for (int i = 0; i < count; ++i)
        json.unsignedNumber(signalAddresses[i]);
    json.endArray();
    writeText(json, "buildUuid", prepared.buildUuid);
    json.key("appUptimeMs");
    json.number(qint64(std::max(0.0, uptime - prepared.uptimeAtCapture) * 1000.0));
    writeText(json, "deviceModel", prepared.deviceModel);
    writeText(json, "osBuild", prepared.osBuild);
    json.endObject();
    if (!json.ok())
        return;

    char millis[24];
    decimal(occurredAt, millis);
    stagingPath[0] = finalPath[0] = '\0';
    const bool named = append(stagingPath, sizeof stagingPath, prepared.stagingDir.data) &&
                       append(stagingPath, sizeof stagingPath, "/.crash-") &&
                       append(stagingPath, sizeof stagingPath, prepared.uuid) &&
                       append(stagingPath, sizeof stagingPath, ".partial") &&
                       append(finalPath, sizeof finalPath, prepared.queueDir.data) &&
                       append(finalPath, sizeof finalPath, "/") &&
                       append(finalPath, sizeof finalPath, millis) &&
                       append(finalPath, sizeof finalPath, "-") &&
                       append(finalPath, sizeof finalPath, prepared.uuid) &&
                       append(finalPath, sizeof finalPath, ".json");
    if (named)
        platform::FatalSignals::writeFileAtomically(stagingPath, finalPath, json.data(),
                                                    json.size());
}

void prepareInstallId(const QString &installId)
{
    const int next = 1 - prepared.installId.load();
    prepared.installIds[next].set(installId);
    prepared.installId.store(next);
}

std::terminate_handler previousTerminate = nullptr;

QString demangled(const char *name)
{
    int status = 0;
    char *readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    const QString text = QString::fromUtf8(status == 0 && readable ? readable : name);
    std::free(readable);
    return text;
}

[[noreturn]] void onTerminate()
{
    // Only an uncaught exception makes an exception record; a bare
    // std::terminate() goes on to abort() and its signal record.
    const std::type_info *type = abi::__cxa_current_exception_type();
    if (type && CrashReporter::current()) {
        QString reason;
        try {
            std::rethrow_exception(std::current_exception());
        } catch (const std::exception &exception) {
            reason = QString::fromUtf8(exception.what());
        } catch (...) {
        }
        // The unwinder has not left the throwing frames: an exception no
        // handler catches ends here with them still on the stack.
        CrashReporter::handleException(demangled(type->name()), reason, CrashFacts::backtrace(512));
    }
    if (previousTerminate)
        previousTerminate();
    std::abort();
}

} // namespace

CrashReporter::CrashReporter(const AppConfig &config, std::unique_ptr<CrashUploader> uploader,
                             const QString &installId)
    : m_config(config)
    , m_uploader(std::move(uploader))
    , m_installId(installId)
{}

QString CrashReporter::installId() const
{
    const QMutexLocker lock(&m_installIdMutex);
    return m_installId;
}

void CrashReporter::setInstallId(const QString &installId)
{
    {
        const QMutexLocker lock(&m_installIdMutex);
        m_installId = installId;
    }
    if (current() == this)
        prepareInstallId(installId);
}

CrashReporter &CrashReporter::makeCurrent(std::unique_ptr<CrashReporter> reporter)
{
    prepared.ready = false;
    currentReporter = std::move(reporter);
    return *currentReporter;
}

CrashReporter *CrashReporter::current()
{
    return currentReporter.get();
}

void CrashReporter::installExceptionHandler()
{
    const std::terminate_handler previous = std::set_terminate(onTerminate);
    if (previous != onTerminate)
        previousTerminate = previous;
}

void CrashReporter::installSignalHandlers()
{
    if (const CrashReporter *reporter = current()) {
        prepared.ready = false;
        const AppConfig &config = reporter->config();
        prepared.slug.set(config.slug);
        prepared.version.set(config.version);
        prepared.build.set(config.build);
        prepareInstallId(reporter->installId());
        prepared.osVersion.set(platform::SystemFacts::operatingSystemVersion());
        const CrashFacts::LaunchFacts &facts = CrashFacts::launchFacts();
        prepared.buildUuid.set(facts.executableBuildId);
        prepared.deviceModel.set(facts.deviceModel);
        prepared.osBuild.set(facts.osBuild);
        prepared.uptimeAtCapture = facts.uptimeAtCapture;
        const QByteArray uuid =
            QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toLatin1();
        std::memcpy(prepared.uuid, uuid.constData(), std::size_t(uuid.size()) + 1);
        prepared.ready = prepared.queueDir.set(reporter->uploader().queueDir()) &&
                         prepared.stagingDir.set(reporter->uploader().stagingDir());
    }
    platform::StackTrace::prepare();
    platform::FatalSignals::install({SIGABRT, SIGILL, SIGSEGV, SIGFPE, SIGBUS, SIGPIPE},
                                    &CrashReporter::handleSignal);
}

CrashPayload CrashReporter::exceptionRecord(const QString &name, const QString &reason,
                                            const QList<quint64> &returnAddresses) const
{
    CrashPayload payload;
    payload.slug = m_config.slug;
    payload.version = m_config.version;
    payload.build = m_config.build;
    payload.osVersion = platform::SystemFacts::operatingSystemVersion();
    payload.installId = installId();
    payload.kind = CrashPayload::Kind::exception;
    payload.exception = name + QStringLiteral(": ") + reason;
    payload.frames = CrashPayload::cutFrames(platform::StackTrace::symbols(returnAddresses));
    payload.occurredAt = platform::FatalSignals::wallClockMilliseconds();
    CrashFacts::applyLaunchFacts(payload);
    CrashFacts::enrich(payload);
    payload.returnAddresses = returnAddresses;
    return payload;
}

void CrashReporter::handleException(const QString &name, const QString &reason,
                                    const QList<quint64> &returnAddresses)
{
    const CrashReporter *reporter = current();
    if (!reporter || !claimRecord())
        return;
    reporter->uploader().write(reporter->exceptionRecord(name, reason, returnAddresses));
}

void CrashReporter::handleSignal(int signal)
{
    if (prepared.ready && claimRecord())
        writeSignalRecord(signal);
    platform::FatalSignals::restoreDefaultAndRaise(signal);
}

} // namespace fennimar
