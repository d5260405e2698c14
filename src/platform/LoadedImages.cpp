#include "platform/LoadedImages.h"

#include <cstring>

#include <elf.h>
#include <link.h>

#include <QFileInfo>

namespace platform {

namespace {

struct Collector {
    int limit = 0;
    int index = 0;
    QList<LoadedImage> images;
};

QByteArray buildIdOf(const dl_phdr_info &info)
{
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const ElfW(Phdr) &segment = info.dlpi_phdr[i];
        if (segment.p_type != PT_NOTE)
            continue;
        const auto *notes = reinterpret_cast<const void *>(info.dlpi_addr + segment.p_vaddr);
        const QByteArray id = buildIdFromNotes(notes, segment.p_memsz);
        if (!id.isEmpty())
            return id;
    }
    return {};
}

std::optional<quint64> headerAddress(const dl_phdr_info &info)
{
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const ElfW(Phdr) &segment = info.dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && segment.p_offset == 0)
            return quint64(info.dlpi_addr + segment.p_vaddr);
    }
    return std::nullopt;
}

int collect(dl_phdr_info *info, size_t, void *data)
{
    auto *collector = static_cast<Collector *>(data);
    const int index = collector->index++;
    if (collector->images.size() >= collector->limit)
        return 1;
    QString path = QString::fromLocal8Bit(info->dlpi_name ? info->dlpi_name : "");
    // The loader names the executable with an empty string.
    if (path.isEmpty() && index == 0)
        path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const std::optional<quint64> header = headerAddress(*info);
    if (path.isEmpty() || !header)
        return 0;
    LoadedImage image;
    image.path = path;
    image.loadAddress = *header;
    image.buildId = buildIdOf(*info);
    const auto *ehdr = reinterpret_cast<const ElfW(Ehdr) *>(*header);
    if (std::memcmp(ehdr->e_ident, ELFMAG, SELFMAG) == 0)
        image.machine = ehdr->e_machine;
    collector->images << image;
    return 0;
}

} // namespace

QList<LoadedImage> loadedImages(int limit)
{
    Collector collector;
    collector.limit = limit;
    if (limit > 0)
        dl_iterate_phdr(collect, &collector);
    return collector.images;
}

QByteArray executableBuildId()
{
    const QList<LoadedImage> images = loadedImages(1);
    return images.isEmpty() ? QByteArray() : images.first().buildId;
}

QByteArray buildIdFromNotes(const void *notes, std::size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(notes);
    const auto align4 = [](std::size_t n) { return (n + 3) & ~std::size_t(3); };
    std::size_t offset = 0;
    while (offset + sizeof(ElfW(Nhdr)) <= size) {
        ElfW(Nhdr) header;
        std::memcpy(&header, bytes + offset, sizeof header);
        const std::size_t nameAt = offset + sizeof header;
        const std::size_t descAt = nameAt + align4(header.n_namesz);
        const std::size_t next = descAt + align4(header.n_descsz);
        if (descAt < nameAt || next < descAt || descAt + header.n_descsz > size)
            return {};
        // The name "GNU" with its terminating NUL.
        if (header.n_type == NT_GNU_BUILD_ID && header.n_namesz == 4 &&
            std::memcmp(bytes + nameAt, "GNU", 4) == 0 && header.n_descsz > 0) {
            return QByteArray(reinterpret_cast<const char *>(bytes + descAt),
                              qsizetype(header.n_descsz))
                .toHex();
        }
        offset = next;
    }
    return {};
}

} // namespace platform
