// The Jet database reader on any input: it reads a database or refuses it
// with KovexError (any other exception, a crash or a hang is a failure).
// What it reads is consistent: the file's bytes are given back unchanged,
// every table's rows read, and rows written back into a table read back
// the same, with the structural check finding nothing wrong.
//
// An input whose first byte is odd is no file but a recipe: a small random
// database from the seed in the next four bytes, then patches of the rest
// (three bytes of offset, one byte of value each), so that short inputs
// reach the deep parts of the reader through damaged but plausible files.

#include "FuzzCheck.h"

#include "SampleFiles.h"

#include "jet/JetCheck.h"
#include "jet/JetDatabase.h"
#include "support/KovexError.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace {

using namespace kovex::jet;
using kovex::KovexError;

QByteArray recipe(const uint8_t* data, size_t size) {
    if (size < 5)
        return {};
    std::mt19937 random(uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16 |
                        uint32_t(data[4]) << 24);
    QByteArray file;
    try {
        file = samples::build(samples::randomSample(random, 12)).bytes();
    } catch (const KovexError&) {
        return {}; // a random schema the library refuses
    }
    for (size_t at = 5; at + 4 <= size; at += 4) {
        const size_t offset =
            (size_t(data[at]) | size_t(data[at + 1]) << 8 | size_t(data[at + 2]) << 16) % size_t(file.size());
        file[qsizetype(offset)] = char(data[at + 3]);
    }
    return file;
}

// Doubles compare by their bits: a NaN read back must be the same NaN.
bool sameRows(const std::vector<Row>& a, const std::vector<Row>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t r = 0; r < a.size(); ++r) {
        if (a[r].size() != b[r].size())
            return false;
        for (size_t c = 0; c < a[r].size(); ++c) {
            const auto* x = std::get_if<double>(&a[r][c]);
            const auto* y = std::get_if<double>(&b[r][c]);
            if (x && y ? std::bit_cast<std::uint64_t>(*x) != std::bit_cast<std::uint64_t>(*y)
                       : a[r][c] != b[r][c])
                return false;
        }
    }
    return true;
}

// Writes a table's own rows back; a refusal (rows the writer would not
// write, maps it cannot describe) is fine, a success must read back.
void checkRewrite(const Database& db, const TableDef& table) {
    const std::vector<Row> rows = db.rows(table.name);
    Database copy = db;
    try {
        copy.replaceRows(table.name, rows);
    } catch (const KovexError&) {
        require(copy.bytes() == db.bytes(), "a refused rewrite leaves the database unchanged", table.name);
        return;
    }
    const Database again = Database::read(copy.bytes());
    require(sameRows(again.rows(table.name), rows), "rows written back read back the same", table.name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = size > 0 && (data[0] & 1)
                                 ? recipe(data, size)
                                 : QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    structuralFaults(bytes);
    std::optional<Database> db;
    try {
        db = Database::read(bytes);
    } catch (const KovexError&) {
        return 0;
    }
    require(db->bytes() == bytes, "the bytes read are given back unchanged");
    for (const TableDef& table : db->tables()) {
        require(db->table(table.name.toLower()).has_value(), "a table is found by its name in any case",
                table.name);
        try {
            checkRewrite(*db, table);
        } catch (const KovexError& error) {
            require(false, "a table read reads again", error.text());
        }
    }
    return 0;
}
