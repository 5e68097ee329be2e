#include "persistence/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace AtomicFile {

QString failureReason(const QFileDevice &file, int systemError)
{
    const QString own = file.errorString();
    const bool generic = file.error() == QFileDevice::NoError ||
                         own == QCoreApplication::translate("QIODevice", "Unknown error");
    if (generic && systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return own;
}

bool writeAll(QFileDevice &file, const QByteArray &data, QString *reason)
{
    // A full disk often takes part of a write and refuses only the rest; the refusal then
    // leaves no reason in the device. Writing on after a short write asks the system again,
    // and its refusal of the next bytes carries the reason.
    qint64 written = 0;
    int systemError = 0;
    while (written < data.size()) {
        errno = 0;
        const qint64 n = file.write(data.constData() + written, data.size() - written);
        systemError = errno;
        if (n <= 0)
            break;
        written += n;
    }
    if (written == data.size()) {
        errno = 0;
        if (file.flush())
            return true;
        systemError = errno;
    }
    if (reason)
        *reason = failureReason(file, systemError);
    return false;
}

bool write(const QString &fileName, const QByteArray &data, QString *message, bool text)
{
    auto fail = [&](const QString &reason) {
        if (message)
            *message = QCoreApplication::translate("Project", "Error writing file '%1': %2")
                           .arg(fileName, reason);
        return false;
    };
    // The rename that completes the write would replace a device or a FIFO by a plain file and
    // cannot replace a directory; none of them is the user's file.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return fail(QCoreApplication::translate("Project", "it is not a regular file."));

    // Unbuffered, every write reaches the system at once: an error that only showed when a
    // buffer is flushed inside commit() would not stop the rename of an incomplete file.
    QSaveFile file(fileName);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (text)
        mode |= QIODevice::Text;
    errno = 0;
    if (!file.open(mode)) {
        if (message)
            *message =
                QCoreApplication::translate("Project", "Cannot open file '%1' for writing: %2")
                    .arg(fileName, failureReason(file, errno));
        return false;
    }
    QString reason;
    if (!writeAll(file, data, &reason)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return fail(reason);
    }
    errno = 0;
    if (!file.commit())
        return fail(failureReason(file, errno));
    return true;
}

} // namespace AtomicFile
