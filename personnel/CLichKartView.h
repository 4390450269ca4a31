// CLichKartView: the employee's personal card ("Личная карточка", dialog 307),
// one row of tn. The personnel number (112) is the card's state: every change
// of it loads the employee, an empty number empties the card for a new one.
// Codes show their names as they change; the address is picked from region,
// district, city or settlement and the street's element; the photo is chosen
// from a file and shown scaled. The save (LichKartSave.cpp) writes the row and
// the employee's counterparty row and copies the photo into the photo folder.
#pragma once
#include "CMyFormView1.h"
#include "appcore.h"
#include "dlgkit.h"

namespace nperso {

struct CardRecord;

// True when the word is the id of a street's address element (level 5).
bool IsStreetElement(const CString& word);
// The street's last blank-separated word; "" for an empty street.
CString StreetElement(const CString& street);

class CLichKartView : public CMyFormView1 {
    DECLARE_DYNCREATE(CLichKartView)
public:
    CLichKartView();
    ~CLichKartView() override;

    void OnInitialUpdate() override;
    // Loads the employee of 112 (every field empty when there is none).
    void OnChangeTn() override;

    // The path of the photo chosen or loaded ("" for none); saved with the card.
    CString m_strPhotoPath;
    CclassPicture m_picture;
    // The edit fields, in the order of kEditIds (CLichKartView.cpp), and the photo's frame.
    CderivedEdit m_edits[49];
    CStatic m_photoFrame;
    int m_nMainPlace = 0;  // 1218
    CString m_strSex;      // 1020

    // Writes the card (validation, the rows, the photo) and reloads it.
    afx_msg void OnOK();
    // The picture in the photo's frame, 200 pixels wide; nothing for an empty one.
    void ShowPhoto();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnDOLZHbtn();
    afx_msg void OnChangeReg();
    afx_msg void OnChangeRayon();
    afx_msg void OnChangeGorodSelo();
    afx_msg void OnNASHbtn();
    afx_msg void OnOBbtn();
    afx_msg void OnSPLbtn();
    afx_msg void OnChangeSpl();
    afx_msg void OnChangeNash();
    afx_msg void OnChangeOb();
    afx_msg void OnREGbtn();
    afx_msg void OnRAYONbtn();
    afx_msg void OnGORODbtn();
    afx_msg void OnSELObtn();
    afx_msg void OnELEMbtn();
    afx_msg LRESULT OnElemAdrPicked(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKillFocusF();
    afx_msg void OnKillFocusI();
    afx_msg void OnKillFocusO();
    afx_msg void OnPhotoSelect();
    afx_msg void OnPhotoClear();

private:
    CString Field(int id) const;
    // The name of a code of a book into its name field.
    void ShowBookName(int code, const char* table, int name);
    // The names of the city and the settlement by region and district.
    void RefreshGorodSelo();
    // The region (and district) the address pickers need; false after telling.
    bool NeedRegion(CString& region);
    bool NeedDistrict(CString& district);
    void KeepFullName(int id);

    HBITMAP m_hShownPhoto = nullptr;  // the scaled picture in the frame, the view's own

    void LoadPhoto(const CString& tn);
    void ClearPhoto();

    // The save's steps (LichKartSave.cpp).
    void ReadCard(CardRecord& record);
    bool CheckCard(CardRecord& record);
    bool CheckDates(CardRecord& record);
    bool CheckNumbers(const CardRecord& record);
    bool Refuse(const char* message, int field, bool select);
    void SavePhoto(const CString& tn);
    void ShowNumber(const CString& tn);

    DECLARE_MESSAGE_MAP()
};

} // namespace nperso
