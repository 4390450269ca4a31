#include "CderivedDialog.h"

IMPLEMENT_DYNAMIC(CderivedDialog, CDialog)

BEGIN_MESSAGE_MAP(CderivedDialog, CDialog)
END_MESSAGE_MAP()

CderivedDialog::CderivedDialog() = default;

CderivedDialog::CderivedDialog(UINT nIDTemplate, CWnd* pParentWnd, HINSTANCE hModule)
    : CDialog(nIDTemplate, pParentWnd, hModule)
{
}
