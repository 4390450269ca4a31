// Reads the configuration sources of config/ (JSON files and Lua scripts,
// config/README.md describes them) into the contents of an archive, checking
// everything that can be checked before the program runs: unknown keys,
// missing values, duplicate ids, menu items naming unknown commands, the
// syntax of every script.
#pragma once

#include "CDataArchive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

// A fault of the sources; the text names the file and what is wrong.
class ConfigSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JsonFields;

// The syntax error of a Lua text (`name` names it in the message); "" when
// the text is a valid chunk.
QString ScriptSyntaxError(const QByteArray& text, const QString& name);

class CConfigSourceReader {
public:
    // Reads the configuration whose main file is <folder>/config.json.
    CConfigContents Read(const std::string& folder);
    // Every file read, for the build's dependency list.
    const std::vector<std::string>& FilesRead() const { return m_files; }

private:
    QJsonDocument ReadJson(const QString& file);
    QJsonObject ReadObject(const QString& file);
    QJsonArray ReadArray(const QString& file);
    QByteArray ReadBytes(const QString& file);
    void ReadCommands(const QString& file, CConfigContents& c);
    void ReadWorkplace(const QString& file, CConfigContents& c);
    void ReadBooks(const QString& file, CConfigContents& c);
    void ReadDocuments(const QString& file, CConfigContents& c);
    void ReadForms(const QString& file, CConfigContents& c);
    void AddScript(const QString& file, const QString& context, CConfigContents& c);
    QJsonArray SubmenuItems(JsonFields& f);
    short AddMenuList(const QString& file, const QJsonArray& items, CArmRecord& arm, const CConfigContents& c);
    CMunuItem MenuItem(const QString& file, const QJsonObject& item, CArmRecord& arm, const CConfigContents& c);
    [[noreturn]] void Fail(const QString& file, const QString& problem) const;

    QString m_folder;
    std::vector<std::string> m_files;
};
