#include "CSelectPRDDoc.h"

IMPLEMENT_DYNCREATE(CSelectPRDDoc, CderivedDocument)

CSelectPRDDoc::CSelectPRDDoc() = default;

CSelectPRDDoc::~CSelectPRDDoc() = default;
