#pragma once

#include <cstddef>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// One ELF object mapped into this process: the executable, a shared library
// or the kernel's vDSO.
struct LoadedImage {
    // Full path; the executable's is read from /proc/self/exe.
    QString path;
    // Where the ELF header is mapped: the object's base plus the virtual
    // address of its loadable segment at file offset 0.
    quint64 loadAddress = 0;
    // The GNU build id as lower-case hex (20 bytes of SHA-1 from the usual
    // linkers, so 40 digits; it is not a UUID), or empty when the object has none.
    QByteArray buildId;
    // e_machine of the ELF header; nothing when the header is not mapped.
    std::optional<quint16> machine;
};

// The objects the dynamic loader has mapped, in the loader's order (the
// executable first), at most `limit` of them.
QList<LoadedImage> loadedImages(int limit);

// The build id of the executable itself (empty without one). Reads the
// loader's list, so call it outside signal handlers.
QByteArray executableBuildId();

// The build id carried by a block of ELF notes (a PT_NOTE segment): the
// descriptor of the first note named "GNU" of type NT_GNU_BUILD_ID, as
// lower-case hex. Empty when there is none or the block is malformed.
QByteArray buildIdFromNotes(const void *notes, std::size_t size);

} // namespace platform
