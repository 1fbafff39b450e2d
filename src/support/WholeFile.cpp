#include "support/WholeFile.h"

#include "support/KovexError.h"
#include "support/PendingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace kovex::wholefile {

QString plainMessage(Fault fault) {
    switch (fault) {
    case Fault::NotFound:
        return QStringLiteral("File not found");
    case Fault::ReadFailed:
        return QStringLiteral("I/O error 100");
    case Fault::WriteFailed:
        return QStringLiteral("I/O error 101");
    default:
        return QStringLiteral("File access denied");
    }
}

void failPlainly(Fault fault) {
    throw KovexError(plainMessage(fault));
}

QByteArray read(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        throw FileFault{Fault::NotFound, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw FileFault{Fault::NotReadable, file.errorString()};
    if (file.size() > maxBytes)
        throw FileFault{Fault::TooLarge, {}};
    // A file that grows while it is read is still read no further.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileFault{Fault::ReadFailed, file.errorString()};
    return bytes;
}

void save(const QString& path, const QByteArray& bytes) {
    PendingFile file(path);
    file.write(bytes);
    file.takeFinalName();
}

void saveOrFail(const QString& path, const QByteArray& bytes) {
    try {
        save(path, bytes);
    } catch (const FileFault& fault) {
        failPlainly(fault.fault);
    }
}

// Opened only for writing, Qt would truncate it; appending to a file just
// emptied writes it from its start all the same.
void openEmptied(QFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || (file.size() > 0 && !file.resize(0)))
        failPlainly(Fault::CannotCreate);
}

std::optional<QString> utf8Text(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace kovex::wholefile
