// The first minutes with the program: "New" from a starting aircraft, undo and redo of every
// change, the recent projects, the pointer position in the status line and the standard keys.
#include "app/imagecontrol.h"
#include "app/startingaircraft.h"
#include "app/tform1.h"
#include "files/projectfile.h"
#include "files/recentprojects.h"
#include "files/user_files.h"
#include "views/pointer_position.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>

namespace {

std::string local(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString fromLocal(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }
QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string recentProjectsPath() {
    return tv::recentProjectsPath(local(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

} // namespace

// ---- Construction --------------------------------------------------------------------------------

void TForm1::buildSession() {
    const std::pair<QAction*, QList<QKeySequence>> keys[] = {
        {m_new1, {QKeySequence(QStringLiteral("Ctrl+N"))}},
        {m_open2, {QKeySequence(QStringLiteral("Ctrl+O"))}},
        {m_save3, {QKeySequence(QStringLiteral("Ctrl+S"))}},
        {m_save2, {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}},
        {m_print1, {QKeySequence(QStringLiteral("Ctrl+P"))}},
        {m_exit1, {QKeySequence(QStringLiteral("Ctrl+Q"))}},
        {m_undo1, {QKeySequence(QStringLiteral("Ctrl+Z"))}},
        {m_redo1, {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}},
        {m_calc1, {QKeySequence(QStringLiteral("F5"))}},
    };
    for (const auto& [action, sequences] : keys) action->setShortcuts(sequences);

    connect(m_new1, &QAction::triggered, this, [this] { New1Click(); });
    connect(m_undo1, &QAction::triggered, this, [this] { Undo1Click(); });
    connect(m_redo1, &QAction::triggered, this, [this] { Redo1Click(); });
    connect(m_calc1, &QAction::triggered, this, [this] { if (m_button4->isEnabled()) Button4Click(); });

    // Recording: each control's own change handler runs first (it was connected first).
    for (int w = 1; w <= tv::kWingMax; ++w) {
        for (int f = 0; f < tv::kWingFieldCount; ++f) {
            QLineEdit* e = m_fields[w][f];
            connect(e, &QLineEdit::textChanged, this, [this, w, f] { recordEdit({tv::EditKind::Field, w, f}, true); });
            connect(e, &QLineEdit::editingFinished, this, [this] { m_history.closeMerge(); });
            e->installEventFilter(this);
        }
        for (int n = 1; n <= tv::kTrapeziumMax; ++n)
            connect(m_trapButtons[w][n], &QRadioButton::toggled, this, [this, w](bool on) {
                if (on) recordEdit({tv::EditKind::TrapeziumCount, w});
            });
        m_planform[w]->installEventFilter(this);
        connect(m_planform[w], &TImage::mouseMove, this, [this, w](QPoint pos) {
            const auto p = tv::planformViewPointAt(m_planform[w]->bitmapSize(), PlanformScale[w],
                                                   Model.Wings[w].PositionX, pos);
            showPointerPosition(p ? qs(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
        });
    }
    // The group's signal comes after the buttons' own, when SetWingCount has run.
    connect(m_wingCountButtons[1]->group(), &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) recordEdit({tv::EditKind::WingCount});
    });
    connect(m_memo2, &QPlainTextEdit::textChanged, this, [this] { recordEdit({tv::EditKind::Remarks}, true); });
    m_memo2->installEventFilter(this);
    m_image2->installEventFilter(this);
    connect(m_image2, &TImage::mouseMove, this, [this](QPoint pos) {
        const auto p = tv::aircraftViewPointAt(m_geom, pos);
        showPointerPosition(p ? qs(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
    });

    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    statusBar()->addWidget(m_statusLine, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(width(), height() + statusBar()->sizeHint().height());
    setMinimumHeight(minimumHeight() + statusBar()->sizeHint().height());

    m_recent = tv::readRecentProjects(recentProjectsPath());
    rebuildRecentMenu();
}

bool TForm1::filterSessionEvent(QObject* watched, QEvent* event) {
    // Ctrl+Z and its kin belong to the window's history, not to the field's own undo.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            QKeySequence(key->keyCombination()) == QKeySequence(QStringLiteral("Ctrl+Y"))) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) m_history.closeMerge();
    if (event->type() == QEvent::Leave && qobject_cast<TImage*>(watched)) showPointerPosition(QString());
    return false;
}

void TForm1::showPointerPosition(const QString& text) {
    if (m_statusLine) m_statusLine->setText(text);
}

void TForm1::applySessionTexts(tv::UiLanguage lang) {
    // Lengths along x and where they are measured from.
    m_image2->setToolTip(qs(tv::xOriginNote(lang, 1)));
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const QString note = qs(tv::xOriginNote(lang, w));
        m_results[w].anp->setToolTip(note);
        m_results[w].r25->setToolTip(note);
    }
    updateUndoActions();
    rebuildRecentMenu();
}

// ---- History -------------------------------------------------------------------------------------

TForm1::EditScope::EditScope(TForm1& f, std::optional<tv::EditStep> s) : form(f), step(s) { ++form.m_historyHold; }

TForm1::EditScope::~EditScope() {
    if (--form.m_historyHold == 0 && step) form.recordEdit(*step);
}

void TForm1::startHistory() {
    m_historyReady = true;
    m_history.reset(fieldTexts());
    updateUndoActions();
}

void TForm1::recordEdit(const tv::EditStep& step, bool mergeable) {
    if (!m_historyReady || m_historyHold > 0 || m_building) return;
    if (m_history.record(fieldTexts(), step, mergeable)) updateUndoActions();
}

void TForm1::updateUndoActions() {
    if (!m_undo1) return;
    m_undo1->setText(qs(tv::undoText(UiLanguage, m_history.undoStep())));
    m_redo1->setText(qs(tv::redoText(UiLanguage, m_history.redoStep())));
    m_undo1->setEnabled(m_history.canUndo());
    m_redo1->setEnabled(m_history.canRedo());
}

void TForm1::Undo1Click() {
    if (const tv::AircraftTexts* t = m_history.undo()) applyHistoryTexts(*t);
    updateUndoActions();
}

void TForm1::Redo1Click() {
    if (const tv::AircraftTexts* t = m_history.redo()) applyHistoryTexts(*t);
    updateUndoActions();
}

// Undoing is an edit like any other: the texts go into the controls, whose change handlers
// recompute, and the pass clears the results.
void TForm1::applyHistoryTexts(const tv::AircraftTexts& texts) {
    const EditScope hold(*this);
    if (texts.WingCount != m_wingCount) SetWingCount(texts.WingCount);
    writeFieldTexts(texts, 1, tv::kWingMax);
    const QString comment = qs(texts.Comment);
    if (m_memo2->toPlainText() != comment) m_memo2->setPlainText(comment);
    Calc(m_undo1);
    STABIL();
}

// ---- New -------------------------------------------------------------------------------------------

void TForm1::New1Click() {
    if (!confirmLeaveAircraft()) return;
    QStringList names, details;
    for (int i = 0; i < tv::kStartingAircraftCount; ++i) {
        const tv::StartingAircraftText t = tv::startingAircraftText(UiLanguage, i);
        names << qs(t.name);
        // The line in the interface's language, then the project's own remark.
        const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(local(startingAircraftPath(i)));
        const QString remark = r.ok() ? qs(r.value.Comment.value_or(std::string())).simplified() : QString();
        details << (remark.isEmpty() ? qs(t.description) : qs(t.description) + QStringLiteral("\n\n") + remark);
    }
    const std::optional<int> choice = m_dialogs->chooseItem(this, qs(tv::newAircraftTitle(UiLanguage)),
                                                            qs(tv::newAircraftPrompt(UiLanguage)), names, details);
    if (choice) startNewAircraft(*choice);
}

void TForm1::startNewAircraft(int index) {
    const QString path = startingAircraftPath(index);
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(local(path));
    if (!r.ok()) {
        const std::string name = index >= 0 && index < tv::kStartingAircraftCount ? kStartingAircraftFiles[index] : "?";
        m_dialogs->showError(this, r.status == tv::ReadStatus::Failed ? qs(r.error.text())
                                                                      : qs(tv::startingAircraftMissingText(UiLanguage, name)));
        return;
    }
    {
        // The wings beyond the file's count keep the built-in aircraft's values, not the
        // reader's 10 mm, so that raising the count brings a sensible wing.
        const EditScope hold(*this);
        tv::AircraftTexts texts = tv::defaultAircraftTexts();
        tv::AircraftTexts read = texts;
        tv::applyProjectTable(r.value, read);
        texts.WingCount = read.WingCount;
        for (int w = 1; w <= read.WingCount; ++w) texts.wings[w] = read.wings[w];
        SetWingCount(texts.WingCount);
        writeFieldTexts(texts, 1, tv::kWingMax);
        m_memo2->setPlainText(qs(r.value.Comment.value_or(std::string())));
        Reference = {};
        uncheckPressure();
        Calc(m_new1);
        m_rb15->setChecked(true);
        RadioButton15Click();
        m_pages->setCurrentWidget(m_aircraftPage);
        STABIL();
    }
    // A new aircraft has no file yet: "Save" asks for a name.
    ProjectFileName = QStringLiteral("Unknown.tv4");
    m_labFName->setText(QString());
    setSaveEnabled(false);
    startHistory();
    markAircraftSaved(); // nothing to save yet: New after New asks nothing
}


// ---- Recent projects -----------------------------------------------------------------------------

void TForm1::noteProjectFile(bool opened) {
    const std::string path = local(QFileInfo(ProjectFileName).absoluteFilePath());
    m_recent = tv::addRecentProject(recentProjectsPath(), path);
    rebuildRecentMenu();
    if (opened) startHistory();
}

void TForm1::rebuildRecentMenu() {
    if (!m_recentMenu) return;
    m_recentMenu->clear();
    for (int i = 0; i < int(m_recent.size()); ++i) {
        const QFileInfo f(fromLocal(m_recent[i]));
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(f.fileName()));
        a->setObjectName(QStringLiteral("Recent1_%1").arg(i + 1));
        a->setToolTip(QDir::toNativeSeparators(f.absolutePath()));
        connect(a, &QAction::triggered, this, [this, i] { openRecentProject(i); });
    }
    if (m_recent.empty()) m_recentMenu->addAction(qs(tv::noRecentProjectsText(UiLanguage)))->setEnabled(false);
}

void TForm1::openRecentProject(int index) {
    if (index < 0 || index >= int(m_recent.size())) return;
    const std::string path = m_recent[index];
    if (!QFileInfo(fromLocal(path)).isFile()) {
        m_recent = tv::removeRecentProject(recentProjectsPath(), path);
        rebuildRecentMenu();
        m_dialogs->showError(this, qs(tv::recentProjectMissingText(UiLanguage, QDir::toNativeSeparators(fromLocal(path)).toStdString())));
        return;
    }
    if (!confirmLeaveAircraft()) return;
    openProject(fromLocal(path));
}
