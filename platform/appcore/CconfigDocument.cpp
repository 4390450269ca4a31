#include "CconfigDocument.h"

#include "OpenRequest.h"

IMPLEMENT_DYNCREATE(CconfigDocument, CderivedDocument)

CconfigDocument::CconfigDocument() = default;

void CconfigDocument::TakeRequest(const appcore::OpenRequest& request)
{
    CderivedDocument::TakeRequest(request);
    real_id = request.realId;
}
