// The personal card: fields, names of codes, the load and the photo.
#include "CLichKartView.h"

#include "LichKartRecord.h"
#include "PhotoStore.h"
#include "StaffNumbers.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <iterator>
#include <type_traits>

namespace nperso {

namespace {

// The edit fields bound to members, in the order of the members.
const int kEditIds[] = {
    IDC_PRD,     IDC_LK_DNBS, IDC_LK_SNO,  IDC_LK_INN,   IDC_LK_DU,    IDC_LK_DVPUS, IDC_LK_INV,  IDC_LK_DRB,
    IDC_LK_NS,   IDC_LK_SRPS, IDC_LK_SRPD, IDC_SPL,      IDC_LK_PU,    IDC_LK_PMR1,  IDC_LK_PENS, IDC_LK_OS,
    IDC_LK_OPR,  IDC_LK_OT,   IDC_LK_NO,   IDC_LK_KV,    IDC_LK_SP,    IDC_LK_GO,    IDC_LK_FAK,  IDC_LK_UZ1,
    IDC_OB,      IDC_LK_TEL,  IDC_NN,      IDC_LK_MR1,   IDC_LK_SERP,  IDC_LK_NOP,   IDC_LK_NSR,  IDC_LK_KV1,
    IDC_LK_DAYL, IDC_DAREG,   IDC_DARAYON, IDC_DANP,     IDC_LK_DAKV,  IDC_LK_DAKOR, IDC_LK_DAD,  IDC_DA2,
    IDC_LK_DA1,  IDC_DOL,     IDC_TN,      IDC_LK_O,     IDC_LK_I,     IDC_LK_F,     IDC_LK_DR,   IDC_LK_NSR_U,
    IDC_LK_DNBS_U,
};
static_assert(std::size(kEditIds) == std::extent_v<decltype(CLichKartView::m_edits)>);

// The fields that take dates.
const int kDateIds[] = {IDC_LK_DR,  IDC_LK_OT,  IDC_LK_OS,  IDC_LK_NS,    IDC_LK_SRPS, IDC_LK_SRPD,
                        IDC_LK_DRB, IDC_LK_DVPUS, IDC_LK_DU, IDC_LK_NSR, IDC_LK_NSR_U};

// The photo is shown this many pixels wide.
constexpr int kPhotoWidth = 200;

} // namespace

IMPLEMENT_DYNCREATE(CLichKartView, CMyFormView1)

BEGIN_MESSAGE_MAP(CLichKartView, CMyFormView1)
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_DOL, OnChangeDol)
    ON_BN_CLICKED(IDC_LK_DOL_BTN, OnDOLZHbtn)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_EN_CHANGE(IDC_DAREG, OnChangeReg)
    ON_EN_CHANGE(IDC_DARAYON, OnChangeRayon)
    ON_EN_CHANGE(IDC_DA2, OnChangeGorodSelo)
    ON_EN_CHANGE(IDC_DANP, OnChangeGorodSelo)
    ON_BN_CLICKED(IDC_NN_BTN, OnNASHbtn)
    ON_BN_CLICKED(IDC_OB_BTN, OnOBbtn)
    ON_BN_CLICKED(IDC_SPL_BTN, OnSPLbtn)
    ON_EN_CHANGE(IDC_SPL, OnChangeSpl)
    ON_EN_CHANGE(IDC_NN, OnChangeNash)
    ON_EN_CHANGE(IDC_OB, OnChangeOb)
    ON_BN_CLICKED(IDC_DAREG_BTN, OnREGbtn)
    ON_BN_CLICKED(IDC_DARAYON_BTN, OnRAYONbtn)
    ON_BN_CLICKED(IDC_DA2_BTN, OnGORODbtn)
    ON_BN_CLICKED(IDC_DANP_BTN, OnSELObtn)
    ON_BN_CLICKED(IDC_LK_ELEM_BTN, OnELEMbtn)
    ON_EN_KILLFOCUS(IDC_LK_F, OnKillFocusF)
    ON_EN_KILLFOCUS(IDC_LK_I, OnKillFocusI)
    ON_EN_KILLFOCUS(IDC_LK_O, OnKillFocusO)
    ON_BN_CLICKED(IDC_LK_PHOTO_SELECT, OnPhotoSelect)
    ON_BN_CLICKED(IDC_PRD_BTN, OnPRDbtn)
    ON_EN_CHANGE(IDC_PRD, OnChangePrd)
    ON_MESSAGE(WM_LK_ELEM_PICKED, OnElemAdrPicked)
    ON_BN_CLICKED(IDC_LK_PHOTO_CLEAR, OnPhotoClear)
END_MESSAGE_MAP()

CLichKartView::CLichKartView() : CMyFormView1(IDD_LICH_KART)
{
    for (size_t i = 0; i < std::size(kEditIds); ++i)
        for (int date : kDateIds)
            if (kEditIds[i] == date)
                m_edits[i].SetType(EDIT_KIND_DATE);
}

CLichKartView::~CLichKartView()
{
    if (m_hShownPhoto)
        DeleteObject(m_hShownPhoto);
}

void CLichKartView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, kEditIds[0], m_edits[0]);
    DDX_Control(pDX, kEditIds[1], m_edits[1]);
    DDX_Control(pDX, IDC_LK_PHOTO, m_photoFrame);
    for (size_t i = 2; i + 2 < std::size(kEditIds); ++i)
        DDX_Control(pDX, kEditIds[i], m_edits[i]);
    DDX_Check(pDX, IDC_LK_MROSN, m_nMainPlace);
    DDX_CBString(pDX, IDC_LK_POL, m_strSex);
    for (size_t i = std::size(kEditIds) - 2; i < std::size(kEditIds); ++i)
        DDX_Control(pDX, kEditIds[i], m_edits[i]);
}

void CLichKartView::OnInitialUpdate()
{
    if (auto* sex = static_cast<CComboBox*>(GetDlgItem(IDC_LK_POL)); sex && sex->GetCount() == 0) {
        sex->AddString("Жен");
        sex->AddString("Муж");
    }
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Личная карточка");
    ResizeParentToFit(FALSE);
}

CString CLichKartView::Field(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

void CLichKartView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    m_strSex.Empty();
    m_nMainPlace = 0;
    m_strPhotoPath.Empty();
    const CString tn = Field(IDC_TN);
    std::vector<CString> texts;
    if (!tn.IsEmpty()) {
        m_nMainPlace = int(atol(GetTN(tn, "MRosn")));
        for (const CardColumn& column : CardColumns()) {
            const bool field = column.control && column.value != CardValue::Flag;
            texts.push_back(field ? GetTN(tn, column.name) : CString());
            if (column.value == CardValue::Sex)
                m_strSex = texts.back();
        }
        LoadPhoto(tn);
    } else {
        ClearPhoto();
    }
    UpdateData(FALSE);
    // Every field, so a number without an employee leaves the card empty;
    // the codes' names follow their fields.
    for (size_t i = 0; i < CardColumns().size(); ++i) {
        const CardColumn& column = CardColumns()[i];
        if (column.control && column.value != CardValue::Flag && column.value != CardValue::Sex)
            SetDlgItemText(column.control, i < texts.size() ? texts[i] : CString());
    }
}

void CLichKartView::ShowBookName(int code, const char* table, int name)
{
    SetDlgItemText(name, GetFromSPR(table, Field(code), nullptr));
}

void CLichKartView::OnDOLZHbtn()
{
    CHelpers::GetInSpr("ssv", this, IDC_DOL, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnNASHbtn()
{
    CHelpers::GetInSpr("nash", this, IDC_NN, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnOBbtn()
{
    CHelpers::GetInSpr("ob", this, IDC_OB, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnSPLbtn()
{
    CHelpers::GetInSpr("spl", this, IDC_SPL, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnREGbtn()
{
    CHelpers::GetInSpr("kreg", this, IDC_DAREG, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CLichKartView::OnChangeSpl() { ShowBookName(IDC_SPL, "spl", IDC_LK_SPL_NAME); }
void CLichKartView::OnChangeNash() { ShowBookName(IDC_NN, "nash", IDC_LK_NN_NAME); }
void CLichKartView::OnChangeOb() { ShowBookName(IDC_OB, "ob", IDC_LK_OB_NAME); }

// The district's name is the region's too: it follows with the city and the settlement.
void CLichKartView::OnChangeReg()
{
    ShowBookName(IDC_DAREG, "kreg", IDC_LK_DAREG_NAME);
    OnChangeRayon();
}

void CLichKartView::KeepFullName(int id)
{
    const CString text = Field(id);
    const CString normal = FIOP(text);
    if (normal != text)
        SetDlgItemText(id, normal);
}

void CLichKartView::OnKillFocusF() { KeepFullName(IDC_LK_F); }
void CLichKartView::OnKillFocusI() { KeepFullName(IDC_LK_I); }
void CLichKartView::OnKillFocusO() { KeepFullName(IDC_LK_O); }

void CLichKartView::LoadPhoto(const CString& tn)
{
    ClearPhoto();
    CString number;
    if (!nvenzol::CheckedNumber(tn, number))
        return;
    m_strPhotoPath = ExecuteString("select image_path as str from tn where tn=" + number);
    if (!m_strPhotoPath.IsEmpty() && m_picture.Load(CString(PhotoFile(m_strPhotoPath))))
        ShowPhoto();
}

// The picture 200 pixels wide, its height in proportion; nothing for an
// empty picture.
void CLichKartView::ShowPhoto()
{
    const int width = m_picture.GetWidth();
    const int height = m_picture.GetHeight();
    if (width <= 0 || height <= 0 || !m_picture.GetBitmap())
        return;
    HBITMAP scaled = ShrinkBitmap0(&m_photoFrame, m_picture.GetBitmap(), width, height, kPhotoWidth,
                                   height * kPhotoWidth / width);
    if (!scaled)
        return;
    m_photoFrame.SetBitmap(scaled);
    if (m_hShownPhoto)
        DeleteObject(m_hShownPhoto);
    m_hShownPhoto = scaled;
}

void CLichKartView::ClearPhoto()
{
    m_photoFrame.SetBitmap(nullptr);
    if (m_hShownPhoto)
        DeleteObject(m_hShownPhoto);
    m_hShownPhoto = nullptr;
}

void CLichKartView::OnPhotoSelect()
{
    if (!m_picture.SelectFileAndLoad(this))
        return;
    m_strPhotoPath = m_picture.GetPath();
    ShowPhoto();
}

void CLichKartView::OnPhotoClear()
{
    if (AfxMessageBox("Очистить снимок? ", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    ClearPhoto();
    m_strPhotoPath.Empty();
    m_picture.m_strPath.Empty();
    if (CWnd* tn = GetDlgItem(IDC_TN))
        tn->SetFocus();
}

} // namespace nperso
