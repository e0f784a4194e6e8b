// Exports of a calculation (AVL geometry deck, strip loads as CSV), the span-loading window, and
// projects handed over by the desktop: a file dropped on the window opens as "Open" opens it.
#include "app/span_loading_window.h"
#include "app/tform1.h"
#include "exports/lattice_export.h"
#include "i18n/export_texts.h"
#include "model/planform.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

// The name as chosen, with the export's extension added when it has none.
QString withSuffix(const QString& name, const char* suffix) {
    return QFileInfo(name).suffix().isEmpty() ? name + QLatin1Char('.') + QLatin1String(suffix) : name;
}

std::string local(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The project file among dropped data: the first local file whose extension a project has.
std::optional<QString> droppedProject(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
        if (suffix == QLatin1String("tv4") || suffix == QLatin1String("da4")) return url.toLocalFile();
    }
    return std::nullopt;
}

} // namespace

void TForm1::buildExportMenus() {
    connect(m_exportAvl1, &QAction::triggered, this, [this] { ExportAvl1Click(); });
    connect(m_exportCsv1, &QAction::triggered, this, [this] { ExportCsv1Click(); });
    connect(m_spanLoading1, &QAction::triggered, this, [this] { SpanLoading1Click(); });
    m_spanLoading = new TSpanLoadingWindow([this] { return spanLoadingScene(); }, this);
    setAcceptDrops(true);
}

void TForm1::applyExportLanguage(tv::UiLanguage lang) {
    if (m_spanLoading) {
        m_spanLoading->setWindowTitle(QString::fromUtf8(tv::spanLoadingTexts(lang).title));
        m_spanLoading->update();
    }
}

// ---- Span loading ----------------------------------------------------------------------------

tv::SpanLoadingScene TForm1::spanLoadingScene() const {
    if (!LatticeKnown || !m_workspace) {
        tv::SpanLoadingScene none;
        none.lang = UiLanguage;
        return none;
    }
    return tv::spanLoadingScene(m_wingCount, *m_workspace, UiLanguage);
}

void TForm1::SpanLoading1Click() {
    m_spanLoading->show();
    m_spanLoading->raise();
    m_spanLoading->activateWindow();
}

void TForm1::spanLoadingChanged() {
    if (m_spanLoading) m_spanLoading->update();
}

// ---- Exports -----------------------------------------------------------------------------------

bool TForm1::ensureLattice() {
    if (!LatticeKnown || !m_workspace) Button4Click();
    return LatticeKnown && m_workspace;
}

void TForm1::ExportAvl1Click() {
    const auto name = m_dialogs->saveFileName(this, QString::fromUtf8(tv::avlFileFilter(UiLanguage)), dialogFolder());
    if (!name || !ensureLattice()) return;
    const QString path = withSuffix(*name, "avl");
    const tv::AvlDeck deck =
        tv::avlDeckFromLattice(tv::computeAircraft(fieldTexts()), *m_workspace,
                               QFileInfo(ProjectFileName).completeBaseName().toStdString(),
                               tv::exportWingNames(UiLanguage), NeutralPointKnown);
    if (auto error = tv::writeAvlDeck(local(path), deck))
        m_dialogs->showError(this, QString::fromStdString(error->text()));
}

void TForm1::ExportCsv1Click() {
    const auto name = m_dialogs->saveFileName(this, QString::fromUtf8(tv::csvFileFilter(UiLanguage)), dialogFolder());
    if (!name || !ensureLattice()) return;
    const QString path = withSuffix(*name, "csv");
    const auto rows = tv::loadRows(tv::stripLoads(m_wingCount, *m_workspace), tv::exportWingNames(UiLanguage));
    if (auto error = tv::writeLoadTable(local(path), rows))
        m_dialogs->showError(this, QString::fromStdString(error->text()));
}

// ---- Files from the desktop ----------------------------------------------------------------------

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedProject(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const auto name = droppedProject(event->mimeData());
    if (!name) return;
    event->acceptProposedAction();
    openProject(*name);
}
