// The program's resource script parses whole and holds what start-up and the
// period views look up by id.
#include "afx.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourcesTest, ScriptParsesAndHoldsTheWindows)
{
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join(QLatin1Char('\n')).toStdString();
    for (UINT id : {IDD_ABOUTBOX, IDD_SELECT_ARM, IDD_SQL_PARAMS, IDD_OTP_FROM_TO, IDD_OTP_KIND, IDD_OTP_MONTH,
                    IDD_REGISTER_USER, IDD_WELCOME, IDD_WELCOME_SETTINGS})
        EXPECT_NE(AfxFindDialogTemplate(MAKEINTRESOURCE(id), AFX_CALLER_MODULE), nullptr) << id;
    CString document;
    ASSERT_TRUE(AfxLoadString(IDD_OTP_MONTH, document));
    EXPECT_EQ(document, CString("\nOtpView\nOtpVie\nOtpVie Files (*.otp)\n.otp\nOtpView.Document\nOtpVie Document"));
    EXPECT_FALSE(AfxLoadPicture(MAKEINTRESOURCE(IDB_SPLASH_WINTER), AFX_CALLER_MODULE).isNull());
    EXPECT_FALSE(AfxLoadPicture(MAKEINTRESOURCE(IDR_MAINFRAME), AFX_CALLER_MODULE).isNull());
    EXPECT_NE(AfxFindMenuTemplate(MAKEINTRESOURCE(IDR_MAINFRAME), AFX_CALLER_MODULE), nullptr);
}

} // namespace
