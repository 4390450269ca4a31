// The list classes of fixed element types.
#pragma once

#include "CList.h"
#include "CString.h"

class CStringList : public CList<CString, const CString&> {
public:
    using CList::CList;
};
class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};
class CObList : public CList<CObject*, CObject*> {
public:
    using CList::CList;
};
