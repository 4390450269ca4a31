// CProgressCtrl: the progress bar ("msctls_progress32").
#pragma once
#include "wnd/CWnd.h"

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int SetPos(int nPos);
    int GetPos() const;
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();

private:
    int m_nStep = 10;
};

void AfxRegisterProgressClass();
