// What one resource script holds once parsed. Keys are the ids as decimal
// text, or the upper-case name of a resource named by a word.
#pragma once
#include "res/AfxResources.h"
#include "res/RcTokenizer.h"
#include <QHash>
#include <QMap>

struct RcScript {
    QHash<QString, std::vector<RcToken>> defines;
    QMap<QString, AfxDlgTemplate> dialogs;
    QMap<UINT, CString> strings;
    QMap<QString, AfxMenuTemplate> menus;
    QMap<QString, AfxToolbarTemplate> toolbars;
    QMap<QString, QString> pictures;           // key -> file path (as embedded)
    QMap<QString, AfxCustomResource> custom;   // "TYPE/key" -> resource
    QMap<QString, QString> customFiles;        // "TYPE/key" -> file path, read into custom
};
