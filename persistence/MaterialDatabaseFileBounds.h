#pragma once

#include <QDataStream>
#include <QString>

/*  Defensive reading helpers for the binary database files (material database, user materials,
    construction database). Every file is read completely into memory first and parsed from a
    QBuffer, so the number of bytes that remain is always known: a count or a string length
    read from the file is accepted only if the remaining bytes can hold what it announces. A
    damaged or hostile file therefore ends in a failed read, never in a huge allocation.
*/
namespace MaterialDatabaseFileBounds {

/*! Largest file the readers accept (bytes); the shipped database is a few ten kilobytes. */
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

/*! Bytes left on the stream's device (0 without a device). */
qint64 remaining(const QDataStream &in);

/*! Reads a length-prefixed UTF-16 string as QDataStream writes it, but only after checking that
    the announced length is even and not larger than the remaining bytes. On failure the stream
    status becomes ReadCorruptData (or ReadPastEnd) and s is cleared. */
bool readString(QDataStream &in, QString &s);

/*! Reads an int32 count and checks 0 <= count and count * minBytesPerItem <= remaining bytes.
    On failure the stream status becomes ReadCorruptData. */
bool readCount(QDataStream &in, qint32 &count, qint64 minBytesPerItem);

/*! Walks one material in the data-stream form of the given version (1..5) with checked string
    lengths, without keeping anything, and returns the device to where it was. True when the
    whole record lies within the data. Used before handing a record to MaterialStream::read, whose
    plain string reads trust the lengths they find. */
bool materialFits(QDataStream &in, int version);

/*! Smallest size of a material in the data-stream form of the given version (bytes). */
qint64 minimumMaterialSize(int version);

} // namespace MaterialDatabaseFileBounds
