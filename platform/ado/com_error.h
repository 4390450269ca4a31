// _com_error: the failure of every call of the ADO subset. Besides the result
// code it carries the driver's diagnostics (SQLSTATE, native code, text) and
// what the program was doing, so a report can say both to the bookkeeper and
// to the administrator.
#pragma once
#include "AdoTypes.h"
#include "bstr_t.h"

#include <QString>
#include <exception>
#include <vector>

struct DbDiagnostic {
    QString sqlState;       // five characters, e.g. "23000"
    long nativeError = 0;   // the server's own error number
    QString message;        // the driver's text
};

// The few kinds a user message is chosen by.
enum class DbErrorKind { ConnectionLost, Constraint, NoData, Other };

class _com_error : public std::exception {
public:
    explicit _com_error(HRESULT hr);
    _com_error(HRESULT hr, const QString& description, const QString& doing = QString(),
               std::vector<DbDiagnostic> diagnostics = {});
    // The same failure told with what we were doing (filled in where the work is known).
    _com_error(const _com_error& other, const QString& doing);

    HRESULT Error() const { return hr_; }
    // The whole text in UTF-8: the description, then what we were doing.
    const char* ErrorMessage() const;
    const char* what() const noexcept override { return ErrorMessage(); }
    // The driver's first text, or the layer's own description.
    _bstr_t Description() const { return _bstr_t(description_); }
    _bstr_t Source() const { return _bstr_t("ADO"); }

    const QString& Doing() const { return doing_; }
    const std::vector<DbDiagnostic>& Diagnostics() const { return diagnostics_; }
    QString SqlState() const;
    long NativeError() const;
    DbErrorKind Kind() const;

private:
    HRESULT hr_;
    QString description_;
    QString doing_;
    std::vector<DbDiagnostic> diagnostics_;
    QByteArray message_;
};
