// The tree of keys and values of one registry file, and its text form.
//
// Key and value names keep their spelling but are found ignoring letter case,
// as in the Windows registry ("SoftWare" is "Software"); subkeys and values are
// listed in the order of their case-folded names.
//
// The text form is readable and diff-friendly:
//   ; comment
//   [Software\Kestrom1A2B\Vornal\Settings]
//   "welcome"="текст с \"кавычками\" и \\ обратной чертой\n"
//   "count"=dword:0000000f
//   "blob"=hex:01,ff
//   @="the value without a name"
// Every key is written as its own [path] line, so empty keys survive.
#pragma once

#include "afx_types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

struct RegValue {
    QString name;
    DWORD type = 0;
    QByteArray data; // REG_SZ: UTF-8 without the terminating zero; REG_DWORD: 4 bytes little-endian
};

class RegNode {
public:
    QString name;

    RegNode* child(const QString& childName) const;
    RegNode* addChild(const QString& childName);
    bool removeChild(const QString& childName);
    RegNode* find(const QStringList& path);
    const RegNode* find(const QStringList& path) const { return const_cast<RegNode*>(this)->find(path); }
    RegNode* make(const QStringList& path, bool* created = nullptr);
    bool hasChildren() const { return !m_keys.empty(); }
    // The n-th subkey or value in listing order; null past the end.
    const RegNode* childAt(size_t index) const;
    const RegValue* valueAt(size_t index) const;

    const RegValue* value(const QString& valueName) const;
    void setValue(const RegValue& v);
    bool removeValue(const QString& valueName);
    void clear();

    // Copies this key's values and subkeys into `target`, replacing what has the same name.
    void copyInto(RegNode& target) const;

    static QString fold(const QString& text) { return text.toCaseFolded(); }

private:
    std::map<QString, std::unique_ptr<RegNode>> m_keys; // by folded name
    std::map<QString, RegValue> m_values;               // by folded name

    friend QByteArray RegTreeToText(const RegNode& root);
};

// "Software\\A\\B" as its names; empty names (doubled or outer "\") are dropped.
QStringList RegSplitPath(const QString& path);

QByteArray RegTreeToText(const RegNode& root);
// Lines that cannot be read are skipped.
std::unique_ptr<RegNode> RegTreeFromText(const QByteArray& text);
