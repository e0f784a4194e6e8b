#include "app/document/project_document.h"
#include "app/dialogs.h"
#include "files/projectfile.h"
#include "files/recentprojects.h"
#include "files/user_files.h"
#include "i18n/document_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

std::string localFileName(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString fromLocalFileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

void ProjectDocument::setTexts(const tv::AircraftTexts& texts) {
    if (tv::sameTexts(texts, m_texts)) return;
    m_texts = texts;
    m_aircraft = tv::computeAircraft(m_texts);
}

void ProjectDocument::setWingCount(int n) {
    tv::AircraftTexts t = m_texts;
    t.WingCount = n;
    setTexts(t);
}

void ProjectDocument::setBalance(const tv::BalanceTexts& balance) {
    tv::AircraftTexts t = m_texts;
    t.Balance = balance;
    setTexts(t);
}

void ProjectDocument::setTrim(const tv::TrimTexts& trim) {
    tv::AircraftTexts t = m_texts;
    t.Trim = trim;
    setTexts(t);
}

std::string ProjectDocument::reportName(tv::UiLanguage lang) const {
    switch (m_origin) {
    case Origin::BuiltIn: return {};
    case Origin::Template: return tv::untitledProjectName(lang);
    case Origin::File: break;
    }
    return QFileInfo(m_fileName).fileName().toStdString();
}

QString ProjectDocument::shortName() const { return QFileInfo(m_fileName).fileName(); }

void ProjectDocument::startUnnamed(Origin origin) {
    m_fileName = QString::fromLatin1(kUnnamed);
    m_origin = origin;
    m_saveOffered = false;
}

void ProjectDocument::adoptFile(const QString& name) {
    m_fileName = name;
    m_origin = Origin::File;
    m_saveOffered = true;
}

QString ProjectDocument::openFolder() const {
    return dialogStartFolder(m_fileName, m_origin == Origin::File, exampleFolders());
}

QString ProjectDocument::saveFolder() const {
    if (m_origin == Origin::File) return QFileInfo(m_fileName).absolutePath();
    // The examples may lie in a folder the user cannot write (an installed package).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<tv::FileError> ProjectDocument::save(const QString& name, const tv::Aircraft& aircraft,
                                                   const std::optional<tv::ReferenceValues>& reference,
                                                   const std::string& fingerprint) {
    const QString normalised = QString::fromStdString(tv::normaliseProjectFileName(name.toStdString()));
    if (auto error = tv::writeProjectFile(localFileName(normalised), aircraft, reference)) return error;
    adoptFile(normalised);
    markSaved(fingerprint);
    noteRecent(normalised);
    return std::nullopt;
}

void ProjectDocument::loadRecent(const std::string& settingsPath) {
    m_recentPath = tv::recentProjectsPathBeside(settingsPath);
    m_recent = tv::readRecentProjects(m_recentPath);
}

void ProjectDocument::noteRecent(const QString& name) {
    m_recent = tv::addRecentProject(m_recentPath, m_recent, localFileName(QFileInfo(name).absoluteFilePath()));
}

void ProjectDocument::forgetRecent(const std::string& path) {
    m_recent = tv::removeRecentProject(m_recentPath, m_recent, path);
}
