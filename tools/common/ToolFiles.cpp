#include "tools/common/ToolFiles.h"

#include "support/PendingFile.h"
#include "support/WholeFile.h"
#include "tools/common/BuildError.h"

namespace kovex::toolfiles {

namespace {

constexpr qint64 kMaxSourceBytes = 256LL * 1024 * 1024;

// The system's own words where it gives any, else the program's plain ones.
[[noreturn]] void failFile(const QString& path, const wholefile::FileFault& fault) {
    throw BuildError{path + ": " + (fault.detail.isEmpty() ? fault.text() : fault.detail)};
}

} // namespace

QByteArray readBytes(const QString& path) {
    try {
        return wholefile::read(path, kMaxSourceBytes);
    } catch (const wholefile::FileFault& fault) {
        failFile(path, fault);
    }
}

QString readUtf8(const QString& path) {
    const std::optional<QString> text = wholefile::utf8Text(readBytes(path));
    if (!text)
        throw BuildError{path + ": not valid UTF-8"};
    return *text;
}

void save(const QString& path, const QByteArray& bytes) {
    try {
        wholefile::save(path, bytes);
    } catch (const wholefile::FileFault& fault) {
        failFile(path, fault);
    }
}

void saveBy(const QString& path, const std::function<void(const QString& temporary)>& write) {
    try {
        wholefile::PendingFile file(path);
        write(file.path());
        file.takeFinalName();
    } catch (const wholefile::FileFault& fault) {
        failFile(path, fault);
    }
}

} // namespace kovex::toolfiles
