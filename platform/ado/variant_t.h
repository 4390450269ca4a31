// _variant_t: one field value of the ADO subset. The type tag `vt` and the
// numeric members read as the modules expect (v.vt == VT_NULL, v.lVal ...);
// text and exact decimals are kept beside them. Conversions to numbers throw
// _com_error for NULL and for text that is no number, so a missing value never
// reads as 0.
//
// Text form (SafeArayToString, ExecuteString and the like rely on it):
// NULL and empty give "", dates dd.mm.yyyy, date-times dd.mm.yyyy hh:mm:ss,
// numbers with "." and no grouping, decimals with their stored scale.
#pragma once
#include "AdoTypes.h"
#include "bstr_t.h"
#include "OleDate.h"

#include <QString>

class _variant_t {
public:
    VARTYPE vt = VT_EMPTY;
    union {
        long long llVal = 0;
        long lVal;
        int intVal;
        short iVal;
        signed char cVal;
        unsigned char bVal;
        unsigned short uiVal;
        unsigned int uintVal;
        unsigned long ulVal;
        unsigned long long ullVal;
        float fltVal;
        double dblVal;
        DATE date;
        VARIANT_BOOL boolVal;
        HRESULT scode;
    };

    _variant_t() {}
    _variant_t(short v) { SetSigned(VT_I2, v); }
    _variant_t(int v) { SetSigned(VT_I4, v); }
    _variant_t(long v) { SetSigned(VT_I4, v); }
    _variant_t(long long v) { SetSigned(VT_I8, v); }
    _variant_t(unsigned char v) { SetUnsigned(VT_UI1, v); }
    _variant_t(unsigned short v) { SetUnsigned(VT_UI2, v); }
    _variant_t(unsigned int v) { SetUnsigned(VT_UI4, v); }
    _variant_t(unsigned long v) { SetUnsigned(VT_UI8, v); }
    _variant_t(unsigned long long v) { SetUnsigned(VT_UI8, v); }
    _variant_t(bool v) : vt(VT_BOOL) { boolVal = v ? VARIANT_TRUE : VARIANT_FALSE; }
    _variant_t(float v) : vt(VT_R4) { fltVal = v; }
    // VT_R8, or VT_DATE for a date number.
    _variant_t(double v, VARTYPE type = VT_R8);
    _variant_t(const char* utf8);
    _variant_t(const char16_t* text);
    _variant_t(const wchar_t* text);
    _variant_t(const _bstr_t& text);
    _variant_t(const QString& text);

    static _variant_t Null();
    static _variant_t FromDate(const vornal::ado::DateParts& parts, bool withTime);
    // An exact decimal from its text ("-12.50"); VT_R8 when it has too many digits.
    static _variant_t FromDecimalText(const QString& text);

    bool isNull() const { return vt == VT_NULL; }
    bool isEmpty() const { return vt == VT_EMPTY; }
    bool hasTimeOfDay() const { return hasTime_; }
    unsigned char decimalScale() const { return scale_; }
    void Clear();
    void SetString(const char* utf8);
    void ChangeType(VARTYPE type, const _variant_t* source = nullptr);

    QString text() const;
    long long toInt64() const;
    double toDouble() const;
    bool toBool() const;

    operator short() const { return static_cast<short>(toInt64()); }
    operator int() const { return static_cast<int>(toInt64()); }
    operator long() const { return static_cast<long>(toInt64()); }
    operator long long() const { return toInt64(); }
    operator unsigned char() const { return static_cast<unsigned char>(toInt64()); }
    operator unsigned short() const { return static_cast<unsigned short>(toInt64()); }
    operator unsigned int() const { return static_cast<unsigned int>(toInt64()); }
    operator unsigned long() const { return static_cast<unsigned long>(toInt64()); }
    operator unsigned long long() const { return static_cast<unsigned long long>(toInt64()); }
    operator float() const { return static_cast<float>(toDouble()); }
    operator double() const { return toDouble(); }
    operator bool() const { return toBool(); }
    operator _bstr_t() const { return _bstr_t(text()); }

    friend bool operator==(const _variant_t& a, const _variant_t& b);

private:
    void SetSigned(VARTYPE type, long long v)
    {
        vt = type;
        llVal = v;
    }
    void SetUnsigned(VARTYPE type, unsigned long long v)
    {
        vt = type;
        ullVal = v;
    }
    bool isInteger() const;
    bool isUnsigned() const;

    QString text_;            // VT_BSTR
    unsigned char scale_ = 0; // VT_DECIMAL: llVal is the value times 10^scale_
    bool hasTime_ = false;    // VT_DATE: shown with the time of day
};

typedef _variant_t VARIANT;

// The "argument not given" value of calls with optional variants.
extern const _variant_t vtMissing;
