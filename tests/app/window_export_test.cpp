// The window's exports (AVL deck, strip loads), the span-loading window and a project dropped on
// the window.
#include "app/span_loading_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QDropEvent>

TEST_F(WindowTest, ExportsCalculateFirstAndNameAFailedWrite) {
    struct Row {
        const char* action;
        const char* chosen;  // the name answered in the save dialog
        const char* written; // the file that appears
        const char* start;   // its first bytes
    } rows[] = {
        {"ExportAvl1", "plane", "plane.avl", "Unknown\n"},
        {"ExportCsv1", "loads.txt", "loads.txt", "wing,strip,y_mm,width_mm,chord_mm,cl,load\r\nWing-1,1,"},
    };
    for (const Row& r : rows) {
        TForm1& f = make();
        EXPECT_FALSE(f.latticeKnown());
        dialogs.answers.push_back(path(r.chosen));
        trigger(r.action);
        EXPECT_TRUE(f.latticeKnown()) << r.action << ": the calculation runs first";
        EXPECT_TRUE(readAll(path(r.written)).startsWith(r.start)) << r.action;
        EXPECT_TRUE(dialogs.errors.isEmpty());

        // A cancelled dialog writes nothing and does not calculate.
        setText("Edit_x2", "1000");
        trigger(r.action);
        EXPECT_FALSE(f.latticeKnown()) << r.action;

        // A folder that is not there: one error naming the file and the reason.
        dialogs.answers.push_back(path("missing/out.file"));
        trigger(r.action);
        ASSERT_EQ(dialogs.errors.size(), 1) << r.action;
        EXPECT_TRUE(dialogs.errors[0].startsWith(path("missing/out.file") + ": ")) << dialogs.errors[0].toStdString();
        EXPECT_TRUE(dialogs.errors[0].contains("No such file")) << dialogs.errors[0].toStdString();
        dialogs.errors.clear();
    }
}

TEST_F(WindowTest, ExportsAddTheirExtensionAndNeverReplaceAProject) {
    struct Row {
        const char* action; // the report is offered only with results: calculated first
        const char* chosen; // the name answered in the save dialog
        const char* written; // the file that appears; nullptr: refused with one message
    } rows[] = {
        {"ExportPdf1", "report.txt", "report.txt.pdf"}, // the report's extension goes after any other
        {"ExportPdf1", "Report.PDF", "Report.PDF"},
        {"ExportAvl1", "deck.txt", "deck.txt"}, // a deck or a table keeps the extension it was given
        {"ExportAvl1", "other.tv4", nullptr},   // another project, not the open one
        {"ExportCsv1", "other.tv4", nullptr},
        {"ExportPdf1", "other.tv4", "other.tv4.pdf"}, // beside the project, not over it
        {"ExportAvl1", "d/", nullptr}, // a folder's name: no hidden ".avl" inside
        {"ExportCsv1", "d/", nullptr},
        {"ExportPdf1", "d/", nullptr},
    };
    for (const Row& r : rows) {
        TForm1& f = make();
        QFile::remove(path("other.tv4"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/two-wing.tv4"), path("other.tv4")));
        const QByteArray project = readAll(path("other.tv4"));
        QDir(dir.path()).mkpath(QStringLiteral("d"));
        const bool report = QString(r.action) == "ExportPdf1";
        if (report) click("SpeedButton4");
        dialogs.errors.clear();
        dialogs.answers = {path(r.chosen)};
        trigger(r.action);
        EXPECT_TRUE(dialogs.answers.empty()) << r.action << " asks for a name";
        EXPECT_EQ(readAll(path("other.tv4")), project) << r.action << " " << r.chosen;
        if (r.written) {
            EXPECT_TRUE(dialogs.errors.isEmpty()) << r.action << " " << r.chosen;
            EXPECT_FALSE(readAll(path(r.written)).isEmpty()) << r.action << " " << r.written;
        } else {
            EXPECT_EQ(dialogs.errors.size(), 1) << r.action << " " << r.chosen;
            EXPECT_EQ(f.latticeKnown(), report) << r.action << ": a refused export calculates nothing";
        }
        for (const char* name : {"report.txt", "Report.PDF.pdf", "deck.txt.avl", "d/.avl", "d/.csv", "d/.pdf"})
            EXPECT_FALSE(QFile::exists(path(name))) << r.action << " " << name;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            if (name != "other.tv4" && name != r.written) QFile::remove(path(name));
    }
}

TEST_F(WindowTest, SpanLoadingShowsTheLoadsOfTheCurrentModelOnly) {
    TForm1& f = make();
    trigger("SpanLoading1");
    ASSERT_NE(f.spanLoadingWindow(), nullptr);
    EXPECT_TRUE(f.spanLoadingWindow()->isVisible());
    EXPECT_TRUE(f.spanLoadingScene().wings.empty());
    click("SpeedButton4");
    EXPECT_EQ(int(f.spanLoadingScene().wings.size()), f.wingCount());
    setText("Edit_x2", "1000");
    EXPECT_TRUE(f.spanLoadingScene().wings.empty()) << "an edit discards the loads";

    trigger("german1");
    EXPECT_EQ(f.spanLoadingWindow()->windowTitle(), "Auftriebsverteilung");
    EXPECT_EQ(get<QAction>("ExportAvl1")->text(), "AVL-Geometrie exportieren…");
    EXPECT_EQ(get<QAction>("SpanLoading1")->text(), "Auftriebsverteilung");
    f.close();
    EXPECT_FALSE(f.spanLoadingWindow()->isVisible()) << "it closes with the main window";
}

namespace {
/// Drags file over the window and, when the window takes it, drops it there; whether it was taken.
bool dropFile(TForm1& f, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &enter);
    const bool accepted = enter.isAccepted();
    if (accepted) {
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f, &dropped);
    }
    return accepted;
}
} // namespace

TEST_F(WindowTest, DroppedProjectOpensAndOtherFilesAreRefused) {
    TForm1& f = make();
    QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/two-wing.tv4"), path("two-wing.tv4"));
    QFile other(path("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    const auto drop = [&](const QString& file) { return dropFile(f, file); };
    EXPECT_FALSE(drop(path("notes.txt")));
    EXPECT_EQ(f.wingCount(), 5);
    EXPECT_TRUE(drop(path("two-wing.tv4")));
    EXPECT_EQ(f.projectFileName(), path("two-wing.tv4"));
    EXPECT_EQ(f.wingCount(), 2);
    EXPECT_EQ(pages()->currentWidget(), get("TabSheet5"));
}

// A project dropped on the window leaves the aircraft as "Open" does: unsaved edits are asked
// about first, and a cancel keeps them.
TEST_F(WindowTest, DroppingAProjectOnUnsavedEditsAsksFirst) {
    using A = TDialogs::Answer;
    struct Row {
        const char* name;
        A answer;
        bool opens;
        bool saved;
    };
    const Row rows[] = {
        {"cancel", A::Cancel, false, false}, {"discard", A::Discard, true, false}, {"save", A::Save, true, true}};
    QFile::copy(QStringLiteral(TV_TEST_DATA "/../../examples/two-wing.tv4"), path("two-wing.tv4"));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TForm1& f = make();
        dialogs.answers = {path("mine.tv4")};
        trigger("Save2");
        dialogs.questions.clear();
        setText("Edit2", "333");
        dialogs.saveAnswers = {r.answer};
        EXPECT_TRUE(dropFile(f, path("two-wing.tv4")));
        EXPECT_EQ(dialogs.questions, QStringList{"Save changes to mine.tv4?"});
        EXPECT_EQ(f.projectFileName(), r.opens ? path("two-wing.tv4") : path("mine.tv4"));
        EXPECT_EQ(readAll(path("mine.tv4")).contains("333"), r.saved);
        if (!r.opens) {
            EXPECT_EQ(text("Edit2"), "333") << "nothing of the edit is lost";
        }
    }
}
