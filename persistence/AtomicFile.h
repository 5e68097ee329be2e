#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

/*  Writing a whole file so that it is either replaced completely or not at all: the data go into
    a temporary file beside the target, which takes the target's place by a rename only after
    every byte was accepted by the system. A full disk, a write error or a crash in between
    leaves the previous file as it was. Every writer of user data (projects, the user's
    materials and constructions, material database files) goes through here.

    The failure texts are translated (context "Project") and end with the system's reason.
*/
namespace AtomicFile {

/*! Writes all of data to an open file. On failure returns false with the system's reason in
    reason ("No space left on device"), also where the device itself keeps none: a write that
    the system accepted in part and then refused leaves QFileDevice with its generic "Unknown
    error". */
bool writeAll(QFileDevice &file, const QByteArray &data, QString *reason);

/*! Replaces fileName by data. Refuses to replace anything that is not a regular file or a link
    to one (a directory, a device, a FIFO): a rename would put a plain file in its place. On
    failure the previous file is untouched, no temporary file is left, false is returned and
    message (if given) names the file and the reason. text opens the file in text mode. */
bool write(const QString &fileName, const QByteArray &data, QString *message = nullptr,
           bool text = false);

/*! The reason of a failed file operation: the device's own text, unless it has none (it then
    says "Unknown error"), where the system's text for systemError is more use to the user. */
QString failureReason(const QFileDevice &file, int systemError);

} // namespace AtomicFile
