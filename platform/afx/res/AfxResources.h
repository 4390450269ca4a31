// Resources: dialog templates, string tables, menus, toolbars and pictures
// from the resource scripts (.rc) of the deliverables.
//
// Each deliverable embeds its script, its resource.h and its pictures with
// suite_add_resources() (cmake/SuiteResources.cmake). The generated source
// registers them when the library loads, under a tag that only that library
// sees (AFX_CALLER_MODULE). A script is parsed the first time it is asked.
// A lookup searches the module it is given first (the caller's module, or
// the resource handle that was set) and then every registered module in load
// order, so ids that cross module borders are found and a module's own id
// wins over a neighbour's.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

struct AfxDlgItemTemplate {
    CString text;          // caption, or the resource name of an icon or bitmap
    int id = 0;
    CString className;     // "Button", "Edit", "Static", "ComboBox", ..., or a custom class
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

struct AfxDlgTemplate {
    QString name;          // the id as written ("910", or a name)
    CString caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    CString fontFace;
    int fontSize = 8;
    int fontWeight = 400;
    bool fontItalic = false;
    CString menu;
    std::vector<AfxDlgItemTemplate> items;
};

#define MF_STRING 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#define MF_CHECKED 0x0008
#define MF_POPUP 0x0010
#define MF_MENUBARBREAK 0x0020
#define MF_MENUBREAK 0x0040
#define MF_OWNERDRAW 0x0100
#define MF_SEPARATOR 0x0800
#define MF_HELP 0x4000

struct AfxMenuTemplateItem {
    CString text;
    UINT id = 0;
    UINT flags = 0;        // MF_ flags: MF_POPUP with items, MF_SEPARATOR, MF_GRAYED...
    std::vector<AfxMenuTemplateItem> items;
};

struct AfxMenuTemplate {
    std::vector<AfxMenuTemplateItem> items;
};

struct AfxToolbarTemplate {
    int cx = 16, cy = 15;
    std::vector<UINT> buttons;  // 0 = separator
};

// A resource of a type of its own: a file's bytes, or the items of a block.
struct AfxCustomResource {
    QByteArray data;
    QStringList items;
};

// One embedded file of a deliverable (made by the generated source).
struct AfxEmbeddedFile {
    const char* path;      // relative to the script's folder, "/" separated
    const unsigned char* data;
    unsigned long size;
};

// Called by the generated source of each deliverable.
void AfxRegisterResources(const char* moduleName, const void* tag, const AfxEmbeddedFile* files, int count);
void AfxUnregisterResources(const void* tag);
HINSTANCE AfxModuleOfTag(const void* tag);
QString AfxModuleName(HINSTANCE hModule);

// The tag of the module whose code names it. A default argument
// `HINSTANCE hModule = AFX_CALLER_MODULE` is evaluated in the caller's
// library, so the call finds the caller's own resources first.
extern "C" __attribute__((weak, visibility("hidden"))) const char afx_module_resource_tag;
#define AFX_CALLER_MODULE (::AfxModuleOfTag(&afx_module_resource_tag))

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
HINSTANCE AfxGetInstanceHandle();
// The module holding a resource of that type ("DIALOG", "STRING", "BITMAP",
// "ICON", "MENU", "TOOLBAR" or a custom type), or NULL.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Lookups; hPreferred is searched first. A name is an id (MAKEINTRESOURCE)
// or a text.
const AfxDlgTemplate* AfxFindDialogTemplate(LPCTSTR lpszName, HINSTANCE hPreferred, HINSTANCE* phFound = nullptr);
BOOL AfxLoadString(UINT nID, CString& rString, HINSTANCE hPreferred = AFX_CALLER_MODULE);
QPixmap AfxLoadPicture(LPCTSTR lpszName, HINSTANCE hPreferred);
const AfxMenuTemplate* AfxFindMenuTemplate(LPCTSTR lpszName, HINSTANCE hPreferred);
const AfxToolbarTemplate* AfxFindToolbarTemplate(LPCTSTR lpszName, HINSTANCE hPreferred);
const AfxCustomResource* AfxFindCustomResource(LPCTSTR lpszType, LPCTSTR lpszName, HINSTANCE hPreferred);
// The value of a #define of a module's scripts (for the grid's column data).
bool AfxLookupResourceSymbol(HINSTANCE hModule, const QString& name, long* value);

// Parse errors of the registered scripts, "file:line: text" (empty when all
// parsed); a test of each deliverable checks it.
QStringList AfxResourceErrors();
