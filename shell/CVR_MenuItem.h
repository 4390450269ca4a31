// The record of one owner-drawn menu item (the item's data): its caption (a
// tab separates a shortcut text), its picture and its kind. Records live in
// one application-wide list and are deleted with the main frame.
#pragma once
#include "MenuMetrics.h"
#include "afx.h"

class CVR_MenuItem {
public:
    CString m_strCaption;
    HBITMAP m_hBitmap = nullptr;  // the command's picture, not owned
    int m_nKind = kMenuCommand;

    // A new record in the application's list.
    static CVR_MenuItem* Create(const CString& caption, int kind);
    // Deletes every record (the main frame's end).
    static void DeleteAll();
    static int Count();
};
