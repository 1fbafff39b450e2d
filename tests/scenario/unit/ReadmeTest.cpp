// The scenario language's README is its reference: every command the runner
// knows has a section of its own, headed "### `command ...`", and no section
// names a command the runner does not know.
#include "FailureText.h"
#include "ModelCommands.h"
#include "ScenarioRunner.h"
#include "ScenarioScript.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace kovex::scenario;

namespace {

QString readme() {
    QFile file(QStringLiteral(KOVEX_SCENARIO_README));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> documentedCommands() {
    static const QRegularExpression heading(R"(^### `([a-z-]+)[ `])", QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (const auto& match : heading.globalMatch(readme()))
        names << match.captured(1);
    return names;
}

} // namespace

TEST(Readme, DocumentsEveryCommand) {
    const QSet<QString> documented = documentedCommands();
    for (const QString& command : commandNames())
        EXPECT_TRUE(documented.contains(command)) << command.toStdString() << " has no section";
}

TEST(Readme, DocumentsNoOtherCommand) {
    const QStringList known = commandNames();
    ASSERT_FALSE(documentedCommands().isEmpty());
    for (const QString& command : documentedCommands())
        EXPECT_TRUE(known.contains(command)) << command.toStdString() << " is no command";
}

// The examples after the commands' headings are lines a scenario could hold.
TEST(Readme, ExamplesUseKnownCommands) {
    const QString commandsPart = readme().section("## Commands", 1).section("## The runner's parts", 0, 0);
    static const QRegularExpression example("```\n(.*?)```", QRegularExpression::DotMatchesEverythingOption);
    int examples = 0;
    for (const auto& match : example.globalMatch(commandsPart))
        for (const QString& line : match.captured(1).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith('|') || line == "end")
                continue;
            ++examples;
            EXPECT_TRUE(commandNames().contains(splitWords(line).value(0))) << line.toStdString();
        }
    EXPECT_GT(examples, 50);
}

TEST(Readme, NamesEveryCaseValue) {
    const QString text = readme();
    for (const QString& name : caseValueNames())
        EXPECT_TRUE(text.contains('`' + name + '`')) << name.toStdString() << " is not named";
}
