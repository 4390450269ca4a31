#include "CRegisterUser.h"

#include "CLoginArguments.h"
#include "CLoginProfile.h"
#include "CSqlServerParamsDlg.h"
#include "LoginQueries.h"
#include "SplashScreen.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

const char* const kWrongUser = "Имя пользователя или пароль неверны";
const char* const kNoWorkplace = "Для Вас не определены рабочие места";
constexpr int kAttempts = 3;

} // namespace

BEGIN_MESSAGE_MAP(CRegisterUser, CderivedDialog)
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_LOGIN_CONNECTION, OnConnectionSettings)
END_MESSAGE_MAP()

CRegisterUser::CRegisterUser(CWnd* pParent)
    : CderivedDialog(IDD_REGISTER_USER, pParent)
    , m_selectArm(this)
{
    m_bRemember = CLoginProfile().Remember();
    m_edTn.SetType(0);
    m_hIcon = LoadIcon(AFX_CALLER_MODULE, MAKEINTRESOURCE(IDR_MAINFRAME));
}

void CRegisterUser::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_TN, m_edTn);
    DDX_Control(pDX, IDC_LOGIN_PASSWORD, m_edPassword);
    DDX_Text(pDX, IDC_LOGIN_TN, m_strTn);
    DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_strPassword);
    DDX_Check(pDX, IDC_LOGIN_REMEMBER, m_bRemember);
}

BOOL CRegisterUser::OnInitDialog()
{
    const CLoginProfile profile;
    if (m_bRemember) {
        m_strTn = profile.Tn();
        m_strPassword = profile.Password();
    }
    CderivedDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

HCURSOR CRegisterUser::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

// Tab in the password field with both fields filled submits the login.
BOOL CRegisterUser::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && pMsg->hwnd == m_edPassword.GetSafeHwnd() &&
        m_edTn.GetWindowTextLength() > 0 && m_edPassword.GetWindowTextLength() > 0)
        PostMessage(WM_COMMAND, IDOK);
    return CderivedDialog::PreTranslateMessage(pMsg);
}

void CRegisterUser::OnConnectionSettings()
{
    CSqlServerParamsDlg settings(this);
    if (settings.DoModal() != IDOK)
        return;
    UnInitDll();
    InitDll();
}

void CRegisterUser::Refuse()
{
    AfxMessageBox(kWrongUser);
    MSG msg;
    while (PeekMessage(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    m_edTn.SetFocus();
    m_edTn.SetSel(0, -1);
    if (++m_nFailed >= kAttempts)
        EndDialog(IDCANCEL);
}

void CRegisterUser::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strTn.IsEmpty() || m_strPassword.IsEmpty()) {
        m_edTn.SetFocus();
        return;
    }
    if (!IsUserPassword(m_strTn, m_strPassword)) {
        Refuse();
        return;
    }
    CLoginProfile().Store(m_bRemember, m_strTn, m_strPassword);
    m_strLogin = CLoginArguments::LoginString(m_strTn, m_strPassword);
    EndDialog(ChooseWorkplace(ParsePersonnelNumber(m_strTn)));
}

int CRegisterUser::ChooseWorkplace(long tn)
{
    const long count = CountUserArms(tn);
    if (count == 0) {
        AfxMessageBox(kNoWorkplace);
        return IDCANCEL;
    }
    if (count == 1) {
        const CString arm = FirstUserArm(tn);
        if (arm.IsEmpty()) {
            AfxMessageBox(kNoWorkplace);
            return IDCANCEL;
        }
        const CDataArchive* archive = GetDataArchive();
        for (int i = 0; i < archive->GetArmCount(); ++i)
            if (archive->GetArm(i)->m_strId == arm)
                m_strLogin = CLoginArguments::WithArm(m_strLogin, i);
        return IDOK;
    }
    m_selectArm.m_strTn = m_strTn;
    m_selectArm.m_strPassword = m_strPassword;
    m_selectArm.m_strLogin = m_strLogin;
    SetSplashText("Выбор рабочего места");
    if (m_selectArm.DoModal() != IDOK)
        return IDCANCEL;
    m_strLogin = m_selectArm.m_strLogin;
    return IDOK;
}
