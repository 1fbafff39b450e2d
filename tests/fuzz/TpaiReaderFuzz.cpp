// The TPAI reader on any bytes: it returns or throws KovexError, a file saved
// from what it read reads back into the same file, and that file reads the
// same whichever of CR LF, LF or CR ends its lines.

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

// A window model is costly to build and cheap to copy.
MainForm freshForm() {
    static const MainForm pristine;
    return pristine;
}

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

QString shown(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toPercentEncoding());
}

// A saved file, with the line ends given, read into a new form and saved
// again, gives the saved file back.
void checkReadsBack(const QByteArray& saved, const QByteArray& lineEnd) {
    const QByteArray file = QByteArray(saved).replace("\r\n", lineEnd);
    MainForm again = freshForm();
    try {
        kovex::tpai::readBytes(again, file);
    } catch (const KovexError& error) {
        require(false, "a saved TPAI file reads back without a failure", error.text() + "\n  " + shown(file));
    }
    const std::optional<QByteArray> savedAgain = savedBytes(again);
    require(savedAgain && *savedAgain == saved, "a saved TPAI file, read back and saved, stays the same",
            shown(file));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    MainForm form = freshForm();
    readLeniently(form, bytes);

    const std::optional<QByteArray> saved = savedBytes(form);
    if (!saved)
        return 0;
    const QByteArray withoutLineEnds = QByteArray(*saved).replace("\r\n", "");
    require(saved->endsWith("\r\n") && !withoutLineEnds.contains('\r') && !withoutLineEnds.contains('\n'),
            "a saved file ends every line with CR LF, and has no other CR or LF", shown(*saved));
    checkReadsBack(*saved, "\r\n");
    checkReadsBack(*saved, "\n");
    checkReadsBack(*saved, "\r");
    return 0;
}
