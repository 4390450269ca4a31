// Image lists: pictures of one size kept in order (toolbar buttons, menu
// pictures), with the comctl32 calls and CImageList over them. Adding a strip
// cuts it into pictures of the list's width; the mask colour of AddMasked
// becomes transparent.
#pragma once
#include "gdi/AfxGdi.h"

struct _IMAGELIST;
typedef struct _IMAGELIST* HIMAGELIST;

#define ILC_MASK 0x00000001
#define ILC_COLOR 0x00000000
#define ILC_COLORDDB 0x000000FE
#define ILC_COLOR4 0x00000004
#define ILC_COLOR8 0x00000008
#define ILC_COLOR16 0x00000010
#define ILC_COLOR24 0x00000018
#define ILC_COLOR32 0x00000020
#define ILD_NORMAL 0x00000000
#define ILD_TRANSPARENT 0x00000001
#define ILD_BLEND25 0x00000002
#define ILD_BLEND50 0x00000004
#define ILD_MASK 0x00000010
#define ILD_FOCUS ILD_BLEND25
#define ILD_SELECTED ILD_BLEND50
#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL ImageList_Destroy(HIMAGELIST himl);
int ImageList_GetImageCount(HIMAGELIST himl);
// Removes picture i, or every picture with -1.
BOOL ImageList_Remove(HIMAGELIST himl, int i);
int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
BOOL ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP hbmMask);
int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon);
#define ImageList_AddIcon(himl, hicon) ImageList_ReplaceIcon(himl, -1, hicon)
BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);
HICON ImageList_GetIcon(HIMAGELIST himl, int i, UINT flags);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk);

// Picture i of the list, and a number that changes with every change of the
// list (so a toolbar knows to take its pictures again).
QPixmap AfxImageListPicture(HIMAGELIST himl, int i);
int AfxImageListVersion(HIMAGELIST himl);

class CImageList : public CObject {
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const;
    static CImageList* FromHandle(HIMAGELIST h);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    int GetImageCount() const;
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    HICON ExtractIcon(int nImage);
    COLORREF SetBkColor(COLORREF cr);
};
