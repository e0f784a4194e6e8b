// The project commands without a window: what they hand the window to show, as which edit, and
// when its history starts. An opened or new aircraft is no edit (undo never takes it back), an
// inserted or exchanged wing is one, and a save or an open that fails hands over nothing.
#include "app/calculation/calculation_controller.h"
#include "app/document/project_commands.h"
#include "document_view_fixture.h"
#include "window_fixture.h"

#include <QLabel>
#include <QMenu>

#include <functional>

namespace {

class ProjectCommandsTest : public WindowTest {
protected:
    /// What the commands asked of the window, in order: "write" (with the edit's name when it is
    /// one), "show" (of a project just read: "show read") and "history".
    QStringList calls;
    ProjectDocument doc;
    DocumentOnlyView view{doc};
    QWidget parent;
    QLabel label;
    QMenu menu;
    CalculationController calc{view};

    std::unique_ptr<ProjectCommands> start() {
        auto write = [this](const tv::AircraftTexts& texts, std::optional<tv::EditStep> step) {
            doc.setTexts(texts);
            calls << QString::fromStdString("write" + (step ? " " + tv::editStepName(tv::UiLanguage::English, *step) : ""));
        };
        return std::make_unique<ProjectCommands>(
            doc, view, dialogs, calc,
            ProjectCommands::Window{.parent = &parent,
                                    .fileLabel = &label,
                                    .recentMenu = &menu,
                                    .writeTexts = write,
                                    .showAircraft = [this](bool justRead) { calls << (justRead ? "show read" : "show"); },
                                    .startHistory = [this] { calls << "history"; },
                                    .updateActions = [] {},
                                    .clipboardChanged = [](bool) {},
                                    .beforeCommand = [] {}});
    }
};

TEST_F(ProjectCommandsTest, HandTheWindowTextsAsTheRightEditAndStartItsHistoryOnlyForAnotherProject) {
    QFile junk(path("junk.tv4"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a project\r\n");
    junk.close();
    struct Row {
        const char* name;
        std::function<void(ProjectCommands&)> command;
        QStringList calls;
        int errors;
    };
    const Row rows[] = {
        {"open", [&](ProjectCommands& c) { c.openProject(path("plane.tv4")); }, {"write", "history", "show read"}, 0},
        {"new", [](ProjectCommands& c) { c.startNewAircraft(0); }, {"write", "show", "history"}, 0},
        {"insert", [](ProjectCommands& c) { c.insertWing(2); }, {"write insert copied wing into wing 2"}, 0},
        {"exchange", [](ProjectCommands& c) { c.exchangeWings(3); }, {"write exchange of wings 2 and 3"}, 0},
        {"save", [](ProjectCommands& c) { c.save(SaveMode::Current); }, {}, 0},
        {"not a project", [&](ProjectCommands& c) { c.openProject(path("junk.tv4")); }, {}, 1},
        {"missing", [&](ProjectCommands& c) { c.openProject(path("none.tv4")); }, {}, 1},
        {"no such exchange", [](ProjectCommands& c) { c.exchangeWings(6); }, {}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::unique_ptr<ProjectCommands> commands = start();
        dialogs.answers = {path("plane.tv4")};
        commands->save(SaveMode::As);
        commands->copyWing(1);
        calls.clear();
        dialogs.errors.clear();
        r.command(*commands);
        EXPECT_EQ(calls, r.calls);
        EXPECT_EQ(dialogs.errors.size(), r.errors) << dialogs.errors.join('\n').toStdString();
    }
}

} // namespace
