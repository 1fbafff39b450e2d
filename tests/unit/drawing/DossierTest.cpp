#include "drawing/Dossier.h"

#include "FakePlatform.h"
#include "app/DossierExport.h"
#include "app/Program.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kovex;

namespace {

// The document written to a file of its own, and read back as a reader's
// viewer would.
class DossierDocument : public testing::Test {
  protected:
    QString written(const dossier::Content& content) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(dossier::write(buffer, content));
        QString path = folder.filePath("dossier.pdf");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(buffer.data());
        file.close();
        return path;
    }
    static QString tool(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QString text(const QString& path, int page) {
        return tool("pdftotext",
                    {"-layout", "-f", QString::number(page), "-l", QString::number(page), path, "-"})
            .replace(QRegularExpression("[ \\t]+"), " ");
    }
    static dossier::Content content() {
        dossier::Content c;
        c.callsign = "ON4XX";
        c.date = "04/03/2026";
        c.pageOfPages = "page %1 of %2";
        c.title = "Dossier";
        c.cover = {{"Applicant", QString::fromUtf8("ÉLODIE Ø ß")}};
        c.summary.resize(1);
        c.summary[0].headings = {"RESULTS", "1"};
        c.limits.headings = {"Antenna"};
        return c;
    }

    QTemporaryDir folder;
};

// A table longer than a page runs onto the next ones with its heading row
// on each, every row once, and every page numbered among all of them.
TEST_F(DossierDocument, LongTableRunsOverPagesWithItsHeadings) {
    dossier::Content c = content();
    for (int r = 1; r <= 150; ++r)
        c.summary[0].rows.push_back({{QString("row%1").arg(r)}, {QString("value%1").arg(r)}});
    const QString path = written(c);

    const QString info = tool("pdfinfo", {path});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595.* x 842.* pts \\(A4\\)")))
        << info.toStdString();
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    ASSERT_GE(pages, 4);
    QString all;
    for (int page = 1; page <= pages; ++page) {
        const QString onPage = text(path, page);
        EXPECT_TRUE(onPage.contains(QString("page %1 of %2").arg(page).arg(pages))) << page;
        EXPECT_TRUE(onPage.contains("ON4XX") && onPage.contains("04/03/2026")) << page;
        if (page > 2) {
            EXPECT_TRUE(onPage.contains("RESULTS 1")) << "the heading row on page " << page;
        }
        all += onPage;
    }
    EXPECT_TRUE(all.contains(QString::fromUtf8("Applicant ÉLODIE Ø ß")));
    for (int r = 1; r <= 150; ++r)
        EXPECT_EQ(all.count(QRegularExpression(QString("\\brow%1 value%1\\b").arg(r))), 1) << r;
}

// A table far wider than the page is shrunk and wrapped, never cut: every
// cell's text is still on the page.
TEST_F(DossierDocument, WideTableKeepsEveryCell) {
    dossier::Content c = content();
    c.summary[0].headings.clear();
    dossier::Row row;
    for (int column = 1; column <= 18; ++column) {
        c.summary[0].headings << QString("head%1").arg(column);
        row.push_back({QString("cell%1").arg(column)});
    }
    c.summary[0].rows = {row};
    const QString page = text(written(c), 2).remove(' ').remove('\n');
    for (int column = 1; column <= 18; ++column) {
        EXPECT_TRUE(page.contains(QString("head%1").arg(column))) << column;
        EXPECT_TRUE(page.contains(QString("cell%1").arg(column))) << column;
    }
}

// The dialog starts in the working folder at the callsign's dossier; a
// callsign that would lead out of the folder or that a file system refuses
// gives a plain name there.
TEST(DossierName, CallsignInTheWorkingFolder) {
    test::FakePlatform fake;
    Program program(fake.platform());
    program.mainForm.setText("edtCallsign", "ON4XX_01");
    EXPECT_EQ(suggestedDossierPath(program), QDir::current().filePath("ON4XX_01_dossier.pdf"));
    for (const char* callsign : {"../ON4XX", "ON4/XX", "ON4XX:"}) {
        program.mainForm.setText("edtCallsign", callsign);
        EXPECT_EQ(suggestedDossierPath(program), QDir::current().filePath("dossier.pdf")) << callsign;
    }
}

} // namespace
