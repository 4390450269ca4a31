// The map classes of fixed key and value types (iteration in key order, see CMap.h).
#pragma once

#include "CMap.h"
#include "CString.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
public:
    using CMap::CMap;
};
class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
public:
    using CMap::CMap;
};
class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
public:
    using CMap::CMap;
};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
public:
    using CMap::CMap;
};
class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
public:
    using CMap::CMap;
};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
public:
    using CMap::CMap;
};
