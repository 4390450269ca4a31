#include "CNipListDoc.h"

#include <cstdlib>

namespace nvenzol {

IMPLEMENT_DYNCREATE(CNipListDoc, CderivedDocument)

CNipListDoc::CNipListDoc() = default;

CNipListDoc::~CNipListDoc() = default;

void CNipListDoc::TakeCaller(const char* text)
{
    const long handle = text ? atol(text) : 0;
    SetParentWnd(handle ? CWnd::FromHandle(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle))) : nullptr);
}

} // namespace nvenzol
