// What the windows half installs when the library loads: the control classes
// of the dialog templates, the string tables behind CString::LoadString and
// the message box behind CException::ReportError.
#include "ctl/CButton.h"
#include "ctl/CComboBox.h"
#include "ctl/CDateTimeCtrl.h"
#include "ctl/CEdit.h"
#include "ctl/CListBox.h"
#include "ctl/CProgressCtrl.h"
#include "ctl/CSpinButtonCtrl.h"
#include "ctl/CStatic.h"
#include "ctl/CTabCtrl.h"
#include "dlg/AfxMessageBox.h"
#include "res/AfxResources.h"

namespace {

struct GuiInit {
    GuiInit()
    {
        AfxRegisterEditClass();
        AfxRegisterButtonClass();
        AfxRegisterStaticClass();
        AfxRegisterComboBoxClass();
        AfxRegisterListBoxClass();
        AfxRegisterDateTimeClass();
        AfxRegisterUpDownClass();
        AfxRegisterProgressClass();
        AfxRegisterTabClass();
        CString::SetResourceLoader([](UINT id, QString& text) {
            CString s;
            if (!AfxLoadString(id, s, AfxGetResourceHandle()))
                return false;
            text = s.ToQString();
            return true;
        });
        CException::SetReporter([](const CString& message, UINT type) {
            return AfxMessageBox(message, type ? type : MB_OK | MB_ICONEXCLAMATION);
        });
    }
};

const GuiInit g_init;

} // namespace
