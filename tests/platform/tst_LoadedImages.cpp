#include <elf.h>

#include <QtEndian>
#include <QTest>

#include "platform/LoadedImages.h"

namespace {

// One ELF note: header, name padded to 4, descriptor padded to 4.
QByteArray note(quint32 type, const QByteArray &name, const QByteArray &desc)
{
    QByteArray bytes;
    const auto word = [&bytes](quint32 value) {
        bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
    };
    word(quint32(name.size()));
    word(quint32(desc.size()));
    word(type);
    const auto padded = [](QByteArray b) {
        while (b.size() % 4)
            b.append('\0');
        return b;
    };
    bytes += padded(name) + padded(desc);
    return bytes;
}

const QByteArray gnu("GNU\0", 4);
const QByteArray id20 = QByteArray::fromHex("00112233445566778899aabbccddeeff01234567");

} // namespace

class tst_LoadedImages : public QObject {
    Q_OBJECT
private slots:
    void readsBuildIdFromNotes_data();
    void readsBuildIdFromNotes();
};

void tst_LoadedImages::readsBuildIdFromNotes_data()
{
    QTest::addColumn<QByteArray>("notes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("after another note")
        << note(NT_GNU_ABI_TAG, gnu, QByteArray(16, '\1')) + note(NT_GNU_BUILD_ID, gnu, id20)
        << id20.toHex();
    QTest::newRow("unpadded name before it")
        << note(1, QByteArray("Go\0", 3), QByteArray(5, 'x')) + note(NT_GNU_BUILD_ID, gnu, id20)
        << id20.toHex();
    QTest::newRow("8-byte id") << note(NT_GNU_BUILD_ID, gnu,
                                       QByteArray::fromHex("0102030405060708"))
                               << QByteArray("0102030405060708");
    QTest::newRow("other owner") << note(NT_GNU_BUILD_ID, QByteArray("XYZ\0", 4), id20)
                                 << QByteArray();
    QTest::newRow("descriptor past the end")
        << note(NT_GNU_BUILD_ID, gnu, id20).chopped(4) << QByteArray();
    QByteArray huge = note(NT_GNU_BUILD_ID, gnu, id20);
    qToLittleEndian<quint32>(0xfffffff0u, huge.data() + 4);
    QTest::newRow("size overflowing") << huge << QByteArray();
}

void tst_LoadedImages::readsBuildIdFromNotes()
{
    QFETCH(QByteArray, notes);
    QFETCH(QByteArray, expected);
    QCOMPARE(platform::buildIdFromNotes(notes.constData(), std::size_t(notes.size())), expected);
}

QTEST_GUILESS_MAIN(tst_LoadedImages)
#include "tst_LoadedImages.moc"
