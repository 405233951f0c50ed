#include "app/PdfFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PdfFile {

namespace {

bool failed(QString* error, const QString& path, const QString& why)
{
    if (error)
        *error = QStringLiteral("Não foi possível gravar a lista em “%1”: %2.").arg(QDir::toNativeSeparators(path), why);
    return false;
}

QString openProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("é uma pasta");
    if (!info.absoluteDir().exists())
        return QStringLiteral("a pasta “%1” não existe").arg(QDir::toNativeSeparators(info.absolutePath()));
    return QStringLiteral("o arquivo não pôde ser aberto para escrita (falta permissão?)");
}

const QString writeProblem = QStringLiteral("a gravação falhou (o disco pode estar cheio)");

// A device (a pipe, /dev/full) cannot be replaced: every byte is written to it and flushed.
bool writeDirectly(const QByteArray& pdf, const QString& path, QString* error)
{
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly))
        return failed(error, path, openProblem(path));
    const bool written = device.write(pdf) == pdf.size() && device.flush();
    device.close();
    if (!written || device.error() != QFileDevice::NoError)
        return failed(error, path, writeProblem);
    return true;
}

}

bool isComplete(const QByteArray& pdf)
{
    return pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
}

bool save(const QByteArray& pdf, const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return writeDirectly(pdf, path, error);
    QSaveFile file(path);
    // A folder where no temporary file may be made still takes the file itself; reading
    // it back below catches what that way may lose.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return failed(error, path, openProblem(path));
    if (file.write(pdf) != pdf.size() || !file.commit())
        return failed(error, path, writeProblem);
    QFile back(path);
    if (!back.open(QIODevice::ReadOnly) || back.readAll() != pdf)
        return failed(error, path, QStringLiteral("o arquivo gravado não confere com a lista"));
    return true;
}

}
