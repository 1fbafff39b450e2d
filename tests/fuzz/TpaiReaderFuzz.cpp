// The TPAI reader on any bytes: it returns or throws KovexError, and a file
// saved from what it read reads back into the same file.

#include "FuzzCheck.h"

#include "model/MainForm.h"
#include "records/TpaiFile.h"
#include "support/KovexError.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using kovex::KovexError;
using kovex::MainForm;

// A wall type that is no whole number stops the reader, leaving what was
// read: the round trip starts from that.
void readLeniently(MainForm& form, const QByteArray& bytes) {
    try {
        kovex::tpai::readBytes(form, bytes);
    } catch (const KovexError&) {
    }
}

// Nothing when the save is refused, as it is for a value holding another
// field's key or a character the code page lacks.
std::optional<QByteArray> savedBytes(const MainForm& form) {
    try {
        return kovex::tpai::fileBytes(kovex::tpai::fileLines(form, QStringLiteral("07/12/2026 21:05")));
    } catch (const KovexError&) {
        return std::nullopt;
    }
}

// A window model is costly to build and cheap to copy.
MainForm freshForm() {
    static const MainForm pristine;
    return pristine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MainForm form = freshForm();
    readLeniently(form, bytes);

    const std::optional<QByteArray> saved = savedBytes(form);
    if (!saved)
        return 0;
    MainForm again = freshForm();
    try {
        kovex::tpai::readBytes(again, *saved);
    } catch (const KovexError& error) {
        require(false, "a saved TPAI file reads back without a failure", error.text());
    }
    const std::optional<QByteArray> savedAgain = savedBytes(again);
    require(savedAgain && *savedAgain == *saved, "a saved TPAI file, read back and saved, stays the same",
            QString::fromLatin1(saved->toPercentEncoding()));
    return 0;
}
