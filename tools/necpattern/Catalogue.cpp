#include "Catalogue.h"

#include "BuildError.h"
#include "tools/common/ToolFiles.h"

namespace necpattern {

namespace {

const QStringList directions = {"omni", "bidir", "dir"};
const QStringList polarizations = {"H", "V", "X", "C"};

CatalogueEntry entryOf(const QString& line, const QString& where) {
    const QStringList fields = line.split(';');
    if (fields.size() != 7)
        throw BuildError{where + QString::number(fields.size()) + " fields for 7"};
    CatalogueEntry entry;
    entry.where = where;
    bool ok = false;
    entry.key = fields[0].toLongLong(&ok);
    if (!ok || entry.key <= 0)
        throw BuildError{where + "\"" + fields[0] + "\" is not a key"};
    entry.type = fields[1];
    entry.remark = fields[2];
    entry.direction = fields[3];
    entry.polarization = fields[4];
    entry.frequency = fields[5];
    entry.model = fields[6].simplified().split(' ', Qt::SkipEmptyParts);
    if (entry.type.isEmpty() || entry.remark.isEmpty() || entry.frequency.isEmpty() || entry.model.isEmpty())
        throw BuildError{where + "empty field"};
    if (!directions.contains(entry.direction))
        throw BuildError{where + "DIR \"" + entry.direction + "\" is not omni, bidir or dir"};
    if (!polarizations.contains(entry.polarization))
        throw BuildError{where + "POL \"" + entry.polarization + "\" is not H, V, X or C"};
    return entry;
}

} // namespace

std::vector<CatalogueEntry> readCatalogue(const QString& path) {
    std::vector<CatalogueEntry> entries;
    const QStringList lines = kovex::toolfiles::readUtf8(path).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const QString where = path + ":" + QString::number(i + 1) + ": ";
        entries.push_back(entryOf(line, where));
        if (entries.size() > 1 && entries.back().key <= entries[entries.size() - 2].key)
            throw BuildError{where + "key " + QString::number(entries.back().key) + " does not follow key " +
                             QString::number(entries[entries.size() - 2].key)};
    }
    if (entries.empty())
        throw BuildError{path + ": no antenna"};
    return entries;
}

} // namespace necpattern
