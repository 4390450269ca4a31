// CSpinButtonCtrl: the up-down control ("msctls_updown32"). An arrow press
// sends UDN_DELTAPOS (a nonzero answer keeps the position); then the position
// moves within the range (UDS_WRAP wraps round) and, with UDS_SETBUDDYINT,
// the buddy shows it. UDS_AUTOBUDDY takes the control before it in the
// template as the buddy, UDS_ALIGNRIGHT sits at its right edge. Holding an
// arrow speeds up by the acceleration table.
#pragma once
#include "wnd/CWnd.h"

struct UDACCEL {
    UINT nSec;
    UINT nInc;
};

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
typedef NMUPDOWN* LPNMUPDOWN;

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    DWORD GetRange() const;
    void GetRange32(int& lower, int& upper) const;
    int SetPos(int nPos);
    int GetPos() const;
    int SetPos32(int nPos) { return SetPos(nPos); }
    int GetPos32(LPBOOL lpbError = nullptr) const;
    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const;
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetBase(int nBase);
    // Presses an arrow as the user does (up: +1 step).
    void Step(bool up);
};

void AfxRegisterUpDownClass();
