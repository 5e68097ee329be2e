#include "persistence/MaterialDatabaseFileBounds.h"

#include <QIODevice>

namespace MaterialDatabaseFileBounds {

qint64 remaining(const QDataStream &in)
{
    const QIODevice *d = in.device();
    return d ? d->bytesAvailable() : 0;
}

bool readString(QDataStream &in, QString &s)
{
    s.clear();
    quint32 bytes = 0;
    in >> bytes;
    if (in.status() != QDataStream::Ok)
        return false;
    if (bytes == 0xffffffffu) // the null string
        return true;
    if ((bytes & 1u) != 0 || qint64(bytes) > remaining(in)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    QByteArray raw(int(bytes), Qt::Uninitialized);
    if (in.readRawData(raw.data(), int(bytes)) != int(bytes)) {
        in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    const int n = int(bytes / 2);
    s.resize(n);
    const uchar *p = reinterpret_cast<const uchar *>(raw.constData());
    const bool bigEndian = in.byteOrder() == QDataStream::BigEndian;
    for (int i = 0; i < n; ++i) {
        const ushort hi = bigEndian ? p[2 * i] : p[2 * i + 1];
        const ushort lo = bigEndian ? p[2 * i + 1] : p[2 * i];
        s[i] = QChar(ushort((hi << 8) | lo));
    }
    return true;
}

bool readCount(QDataStream &in, qint32 &count, qint64 minBytesPerItem)
{
    in >> count;
    if (in.status() != QDataStream::Ok)
        return false;
    if (count < 0 || qint64(count) * minBytesPerItem > remaining(in)) {
        in.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

qint64 minimumMaterialSize(int version)
{
    // 5 strings (4 bytes each when empty), category, colour (3 int32), doubles, bools
    qint64 size = 5 * 4 + 4 + 6 * 8 + 3 * 4;
    if (version > 1)
        size += 3 * 8;
    if (version > 2)
        size += 3;
    if (version >= 4)
        size += 1;
    if (version >= 5)
        size += 8;
    return size;
}

bool materialFits(QDataStream &in, int version)
{
    QIODevice *d = in.device();
    if (!d || version < 1 || version > 5)
        return false;
    const qint64 start = d->pos();
    const QDataStream::Status statusBefore = in.status();
    QString s;
    bool ok = readString(in, s); // name
    qint32 i = 0;
    in >> i; // category
    for (int k = 0; ok && k < 4; ++k)
        ok = readString(in, s); // notes, product name, producer, data source
    const qint64 rest = minimumMaterialSize(version) - 5 * 4 - 4;
    ok = ok && in.status() == QDataStream::Ok && remaining(in) >= rest;
    d->seek(start);
    in.resetStatus();
    if (statusBefore != QDataStream::Ok)
        in.setStatus(statusBefore);
    return ok;
}

} // namespace MaterialDatabaseFileBounds
