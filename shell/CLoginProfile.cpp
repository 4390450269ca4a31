#include "CLoginProfile.h"

#include "appcore.h"
#include "ndbcore.h"

#include <vector>

namespace {

// The key of the remembered password's cipher.
const char* const kCipherKey = "mera_lo tusk.";

CString Cipher(const CString& text, bool encipher)
{
    const QByteArray bytes = text.ToQString().toUtf8();
    std::vector<char> out(size_t(bytes.size()) + 1, '\0');
    if (encipher)
        EncryptString(bytes.constData(), out.data(), kCipherKey);
    else
        DecryptString(bytes.constData(), out.data(), kCipherKey);
    return CString(QString::fromUtf8(out.data()));
}

} // namespace

CLoginProfile::CLoginProfile()
{
    m_strSection.Format("Settings%d%s%s", GetDriverId(-1), GetServerName(NULL), GetDataBaseName(NULL));
}

int CLoginProfile::Remember() const
{
    return int(AfxGetApp()->GetProfileInt(m_strSection, "bRemember", 1));
}

CString CLoginProfile::Tn() const
{
    return AfxGetApp()->GetProfileString(m_strSection, "tn", "1");
}

CString CLoginProfile::Password() const
{
    const CString stored = AfxGetApp()->GetProfileString(m_strSection, "pass", "");
    if (stored.IsEmpty())
        return stored;
    const bool enciphered = AfxGetApp()->GetProfileInt(m_strSection, "intr_bCryptoClientOK", 1) != 0;
    return enciphered ? Cipher(stored, false) : stored;
}

void CLoginProfile::Store(int remember, const CString& tn, const CString& password) const
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(m_strSection, "bRemember", remember);
    if (!remember) {
        app->WriteProfileString(m_strSection, "pass", nullptr);
        return;
    }
    app->WriteProfileInt(m_strSection, "intr_bCryptoClientOK", intr_bCryptoClientOK ? 1 : 0);
    app->WriteProfileString(m_strSection, "tn", tn);
    app->WriteProfileString(m_strSection, "pass", intr_bCryptoClientOK ? Cipher(password, true) : password);
}
