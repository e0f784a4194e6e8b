// Edit -> "Copy results": the results of the last calculation as the batch calculator reports them.
#include "app/tform1.h"
#include "report/text_report.h"
#include "solver/workspace.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>

std::string TForm1::resultsReport() const {
    if (!NeutralPointKnown || !LatticeKnown || !m_workspace) return {};
    tv::BatchResult r;
    // The built-in default aircraft has no file; a project is named as its window shows it.
    r.file = m_labFName->text().isEmpty() ? std::string() : QFileInfo(ProjectFileName).fileName().toStdString();
    r.aircraft = Model;
    for (int w = 1; w <= tv::kWingMax; ++w) r.planform[w] = Model.Wings[w].planform;
    r.stability = m_numbers;
    r.calculated = true;
    return tv::textReport(r, *m_workspace, UiLanguage);
}

void TForm1::CopyResults1Click() {
    const std::string report = resultsReport();
    if (report.empty()) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}
