// The exception classes are thrown as pointers (`throw new CFileException(...)`,
// `catch (CException* e) { ...; e->Delete(); }`), as the modules expect.
// GetErrorMessage gives a Russian text for the user.
#pragma once

#include "CObject.h"
#include "CString.h"

#include <functional>

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}

    // Frees a heap exception once it has been handled.
    void Delete();
    // Copies the message into `buffer` (UTF-8, cut at a whole character, always
    // terminated); FALSE when there is no message.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxBytes, UINT* helpContext = nullptr) const;
    // Shows the message through the reporter the windows half installs (the
    // message box of the interaction point); answers what the reporter answers.
    virtual int ReportError(UINT type = 0, UINT messageId = 0) const;

    using Reporter = std::function<int(const CString& message, UINT type)>;
    static void SetReporter(Reporter reporter);

    BOOL m_bAutoDelete;

protected:
    // The message of this exception; empty when it has none.
    virtual CString ErrorText() const { return CString(); }
};
