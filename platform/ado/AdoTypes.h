// The plain types and constants of the ADO subset: result codes, the variant
// type tags, the date number and the ADO enumerations the modules pass.
#pragma once
#include <cstdint>

// Shared with the MFC subset: whichever header comes first defines them.
#ifndef VORNAL_COM_BASE_TYPES
#define VORNAL_COM_BASE_TYPES
typedef std::int32_t HRESULT;  // negative on failure
typedef double DATE;            // days since 30.12.1899, the fraction is the time of day
typedef short VARIANT_BOOL;
typedef unsigned short VARTYPE;
#endif

#ifndef VARIANT_TRUE
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)
#endif

#ifndef S_OK
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_FAIL (static_cast<HRESULT>(0x80004005u))
#define E_POINTER (static_cast<HRESULT>(0x80004003u))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057u))
#define DISP_E_TYPEMISMATCH (static_cast<HRESULT>(0x80020005u))
#define DISP_E_OVERFLOW (static_cast<HRESULT>(0x8002000Au))
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif

// The class ids of CreateInstance are not needed here: one implementation each.
#ifndef __uuidof
#define __uuidof(x) 0
#endif

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
};

// Error codes of the recordset and connection, as the modules may compare them.
enum ErrorValueEnum : HRESULT {
    adErrItemNotFound = static_cast<HRESULT>(0x800A0CC1u),
    adErrNoCurrentRecord = static_cast<HRESULT>(0x800A0BCDu),
    adErrObjectClosed = static_cast<HRESULT>(0x800A0E78u),
    adErrObjectOpen = static_cast<HRESULT>(0x800A0E79u),
    adErrFeatureNotAvailable = static_cast<HRESULT>(0x800A0CB3u),
    adErrProviderNotFound = static_cast<HRESULT>(0x800A0E7Au),
};

enum ObjectStateEnum : long { adStateClosed = 0, adStateOpen = 1 };

enum CursorTypeEnum : long {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : long {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

enum CursorLocationEnum : long { adUseServer = 2, adUseClient = 3 };

enum CommandTypeEnum : long {
    adCmdUnspecified = -1,
    adCmdUnknown = 8,
    adCmdText = 1,
    adCmdTable = 2,
    adCmdStoredProc = 4,
};

enum ExecuteOptionEnum : long {
    adOptionUnspecified = -1,
    adAsyncExecute = 0x10,
    adExecuteNoRecords = 0x80,
};

enum PositionEnum : long { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

enum DataTypeEnum : long {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adDate = 7,
    adBoolean = 11,
    adTinyInt = 16,
    adBigInt = 20,
    adBinary = 128,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
};
