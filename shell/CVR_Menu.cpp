#include "CVR_Menu.h"

#include "dlgkit.h"
#include "gridbase.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace {

// The application core's check mark, drawn in place of a checked item's picture.
constexpr UINT kCheckMarkBitmap = 578;

bool HasTab(const CString& caption)
{
    return caption.Find('\t') >= 0;
}

COLORREF Background(int kind, bool selected, bool disabled)
{
    if (kind == kMenuBarItem) {
        if (!selected)
            return GetSysColor(COLOR_BTNFACE);
        return disabled ? GetSysColor(COLOR_MENU) : MenuBarSelectionColour();
    }
    return selected && !disabled ? kMenuSelectionColour : GetSysColor(COLOR_MENU);
}

// The stripe, column by column from its right edge leftwards, grey to white.
void DrawStripe(CDC* dc, const CRect& stripe)
{
    for (int i = 0; i < stripe.Width(); ++i) {
        const int grey = MenuStripeGrey(i);
        dc->FillSolidRect(stripe.right - 1 - i, stripe.top, 1, stripe.Height(), RGB(grey, grey, grey));
    }
}

void DrawSeparator(CDC* dc, const CRect& rect, const CRect& stripe, COLORREF background, CPen& highlight, CPen& shadow)
{
    dc->FillSolidRect(CRect(stripe.right, rect.top, rect.right, rect.bottom), background);
    const int middle = rect.top + rect.Height() / 2;
    CPen* old = dc->SelectObject(&highlight);
    dc->MoveTo(stripe.right + 4, middle);
    dc->LineTo(rect.right, middle);
    dc->SelectObject(&shadow);
    dc->MoveTo(stripe.right + 4, middle - 1);
    dc->LineTo(rect.right, middle - 1);
    dc->SelectObject(old);
}

void DrawCaption(CDC* dc, const CVR_MenuItem* record, CRect text, bool disabled)
{
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(disabled ? kMenuDisabledTextColour : kMenuTextColour);
    const CString& caption = record->m_strCaption;
    const int tab = caption.Find('\t');
    const CString command = tab >= 0 ? caption.Left(tab) : caption;
    const CString shortcut = tab >= 0 ? caption.Mid(tab + 1) : CString();
    if (!shortcut.IsEmpty())
        dc->DrawText(shortcut, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    const UINT align = record->m_nKind == kMenuBarItem ? DT_CENTER : DT_LEFT;
    dc->DrawText(command, &text, align | DT_VCENTER | DT_SINGLELINE);
}

// Lays a picture on white: transparent pixels become white, half-transparent
// ones their blend with it.
void FillTransparentWhite(HBITMAP bitmap)
{
    QPixmap* picture = AfxBitmapPixmapRef(bitmap);
    if (!picture || !picture->hasAlphaChannel())
        return;
    QImage image(picture->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, *picture);
    }
    *picture = QPixmap::fromImage(image);
}

// The picture: a copy with its background made white, greyed for a disabled
// item, combined 16x16 into the item. The background is the grey 192 of a
// picture that carries one, or the transparent pixels of one that does not;
// white combines as the item's own background in both states.
void DrawPicture(CDC* dc, HBITMAP source, const CRect& rect, bool disabled)
{
    HBITMAP copy = CBitmapToIcon::Clone(source);
    if (!copy)
        return;
    FillTransparentWhite(copy);
    ChangeColor(copy, kMenuPictureMask, RGB(255, 255, 255));
    CBitmap picture;
    picture.Attach(copy);
    if (disabled)
        CVR_Menu::GreyBitmap(dc, picture, 0);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* old = memory.SelectObject(&picture);
    dc->BitBlt(rect.left + kMenuPictureLeft, rect.top + kMenuPictureTop, 16, 16, &memory, 0, 0, SRCAND);
    memory.SelectObject(old);
    picture.DeleteObject();
}

std::vector<std::unique_ptr<CVR_Menu>>& Submenus()
{
    static std::vector<std::unique_ptr<CVR_Menu>> submenus;
    return submenus;
}

} // namespace

CVR_Menu* CVR_Menu::CreateSubmenu()
{
    auto menu = std::make_unique<CVR_Menu>();
    if (!menu->CreatePopupMenu())
        return nullptr;
    Submenus().push_back(std::move(menu));
    return Submenus().back().get();
}

void CVR_Menu::DeleteSubmenus()
{
    Submenus().clear();
}

int CVR_Menu::SubmenuCount()
{
    return int(Submenus().size());
}

CVR_Menu::~CVR_Menu()
{
    Detach();
}

BOOL CVR_Menu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, CVR_MenuItem* record)
{
    return CMenu::InsertMenu(nPosition, nFlags | MF_OWNERDRAW, nIDNewItem, reinterpret_cast<LPCTSTR>(record));
}

BOOL CVR_Menu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, CVR_MenuItem* record)
{
    return CMenu::AppendMenu(nFlags | MF_OWNERDRAW, nIDNewItem, reinterpret_cast<LPCTSTR>(record));
}

void CVR_Menu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    MeasureRecord(reinterpret_cast<const CVR_MenuItem*>(lpMIS->itemData), lpMIS);
}

void CVR_Menu::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    DrawRecord(reinterpret_cast<const CVR_MenuItem*>(lpDIS->itemData), lpDIS);
}

void CVR_Menu::MeasureRecord(const CVR_MenuItem* record, LPMEASUREITEMSTRUCT lpMIS)
{
    if (!record)
        return;
    CString caption = record->m_strCaption;
    caption.Trim();
    CString measured = caption;
    measured.Replace('\t', ' ');
    CClientDC dc(AfxGetMainWnd());
    const CSize size = MeasureMenuItem(record->m_nKind, dc.GetTextExtent(measured), HasTab(caption));
    lpMIS->itemWidth = UINT(std::max(0L, long(size.cx)));
    lpMIS->itemHeight = UINT(std::max(0L, long(size.cy)));
}

void CVR_Menu::DrawRecord(const CVR_MenuItem* record, LPDRAWITEMSTRUCT lpDIS)
{
    if (!record)
        return;
    CDC* dc = CDC::FromHandle(lpDIS->hDC);
    const bool selected = lpDIS->itemState & ODS_SELECTED;
    const bool disabled = lpDIS->itemState & (ODS_DISABLED | ODS_GRAYED);
    const bool checked = lpDIS->itemState & ODS_CHECKED;
    const bool hot = lpDIS->itemState & ODS_HOTLIGHT;
    const bool bar = record->m_nKind == kMenuBarItem;
    CPen highlight(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    const CRect rect(lpDIS->rcItem);
    const CRect stripe(rect.left, rect.top, rect.left + kMenuStripeWidth, rect.bottom);
    const COLORREF background = Background(record->m_nKind, selected, disabled);
    const COLORREF oldText = dc->GetTextColor();
    const COLORREF oldBk = dc->SetBkColor(background);
    if (!bar)
        DrawStripe(dc, stripe);
    if (record->m_nKind == kMenuSeparator) {
        DrawSeparator(dc, rect, stripe, background, highlight, shadow);
        dc->SetBkColor(oldBk);
        return;
    }
    CRect fill = rect;
    if (!bar)
        fill.right -= 1;
    if (selected && !disabled) {
        dc->FillSolidRect(&fill, background);
        dc->Draw3dRect(&fill, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    } else {
        CRect plain = fill;
        if (!bar)
            plain.left = stripe.right;
        dc->FillSolidRect(&plain, background);
        if (hot)
            dc->Draw3dRect(&fill, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }
    CRect text = rect;
    if (!bar) {
        text.left = stripe.right + kMenuTextIndent;
        text.right -= kMenuRightMargin;
    } else if (selected) {
        text.OffsetRect(1, 1);
    }
    DrawCaption(dc, record, text, disabled);
    HBITMAP check = checked ? LoadBitmap(GetDLL_Appcore(), MAKEINTRESOURCE(kCheckMarkBitmap)) : nullptr;
    if (HBITMAP picture = checked ? check : record->m_hBitmap)
        DrawPicture(dc, picture, rect, disabled);
    if (check)
        DeleteObject(check);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBk);
}

void CVR_Menu::MakeOwnerDrawn(CMenu* menu, int menuBar)
{
    if (!menu || !menu->GetSafeHmenu())
        return;
    const UINT count = menu->GetMenuItemCount();
    for (UINT pos = 0; pos < count; ++pos) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
        if (!menu->GetMenuItemInfo(pos, &info, TRUE) || (info.fType & MFT_OWNERDRAW))
            continue;
        CString text;
        menu->GetMenuString(pos, text, MF_BYPOSITION);
        const bool separator = info.fType & MFT_SEPARATOR;
        const int kind = info.hSubMenu ? (menuBar ? kMenuBarItem : kMenuSubmenu) : separator ? kMenuSeparator : kMenuCommand;
        CVR_MenuItem* record = CVR_MenuItem::Create(text, kind);
        UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (info.fState & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
        if (info.hSubMenu)
            flags |= MF_POPUP;
        if (separator)
            flags |= MF_SEPARATOR;
        const UINT_PTR item = info.hSubMenu ? reinterpret_cast<UINT_PTR>(info.hSubMenu) : info.wID;
        menu->ModifyMenu(pos, flags, item, reinterpret_cast<LPCTSTR>(record));
    }
}

void CVR_Menu::GreyBitmap(CDC* pDC, CBitmap& bitmap, COLORREF background)
{
    CDC probe;
    probe.CreateCompatibleDC(pDC);
    CBitmap one;
    one.CreateCompatibleBitmap(pDC, 1, 1);
    CBitmap* oldProbe = probe.SelectObject(&one);
    probe.FillSolidRect(0, 0, 1, 1, GetSysColor(COLOR_BTNFACE));
    const COLORREF face = probe.GetPixel(0, 0);
    probe.SelectObject(oldProbe);

    BITMAP info = {};
    bitmap.GetBitmap(&info);
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap* old = memory.SelectObject(&bitmap);
    const COLORREF shade = GetSysColor(COLOR_BTNSHADOW);
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            memory.SetPixelV(x, y, GreyPixel(memory.GetPixel(x, y), face, shade, background));
    memory.SelectObject(old);
}
