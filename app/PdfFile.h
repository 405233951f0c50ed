#pragma once

#include <QByteArray>
#include <QString>

// Puts a finished PDF into a file and reads it back. A PDF writer reports no failed
// write, and a full disk or a device that takes nothing (/dev/full) would leave a broken
// file behind a list reported as written.
namespace PdfFile {

// A whole PDF: it begins with "%PDF-" and ends with "%%EOF".
bool isComplete(const QByteArray& pdf);

// A regular file is replaced only once the whole document is in it, and then read back
// whole; a device is written directly and every write checked. False, with a sentence
// in `error`, when the list is not in the file.
bool save(const QByteArray& pdf, const QString& path, QString* error);

}
