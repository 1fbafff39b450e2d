// The line a failing scenario reports, run end to end on lines that need
// no program started.
#include "FailureText.h"
#include "ScenarioRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kovex::scenario;

namespace {

Outcome runText(const QByteArray& text) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("case.scn");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {false, -1, "a written scenario file"};
    file.close();
    // No data folder: nothing here reads the shipped databases.
    return runScenarioFile(path, folder.path());
}

} // namespace

TEST(RunScenarioFile, PassesWhenEveryLineHolds) {
    const Outcome outcome = runText("# only set-up\nclock 2026-03-04 08:30\nfile a.txt\n| x\nend\n"
                                    "expect-file a.txt\n| x\nend\n");
    EXPECT_TRUE(outcome.passed) << outcome.failure.toStdString();
}

TEST(RunScenarioFile, FailureNamesTheCommandsLine) {
    const Outcome outcome = runText("# comment\n\nfrobnicate now\nclock 2026-03-04 08:30\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 3);
    EXPECT_EQ(outcome.failure, "a known command, found frobnicate");
}

TEST(RunScenarioFile, FailureInABlockNamesItsCommandsLine) {
    const Outcome outcome = runText("file a.txt\n| one\n| two\nend\nexpect-file a.txt\n| one\n| 2\nend\n");
    EXPECT_EQ(outcome.line, 5);
    EXPECT_EQ(outcome.failure, R"(line 2 of a.txt: "2", found "two")");
}

TEST(RunScenarioFile, AnOpenQuoteFailsItsLine) {
    const Outcome outcome = runText("clock 2026-03-04 08:30\nsql a.db \"SELECT 1\n");
    EXPECT_EQ(outcome.line, 2);
    EXPECT_EQ(outcome.failure, "a closing quote");
}

TEST(RunScenarioFile, UnusedAnswerFailsAtTheEnd) {
    const Outcome outcome = runText("answer yes\r\n# nothing asks\r\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 3);
    EXPECT_EQ(outcome.failure, "every queued answer used by a question box, found one left");
}

TEST(RunScenarioFile, ACommandOnAControlNeedsTheProgram) {
    EXPECT_EQ(runText("click btnClose\n").failure, "start before this line");
}

TEST(RunScenarioFile, MissingFileFails) {
    const Outcome outcome = runScenarioFile("/nonexistent/case.scn", ".");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.failure, "a readable scenario file");
}
