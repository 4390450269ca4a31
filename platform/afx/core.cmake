# The values and text half of the MFC subset (types, text, dates, collections,
# run-time classes, files and archives, the profile store, C runtime helpers).
set(AFX_CORE_SOURCES
  core/AfxCalendar.cpp
  core/AfxFormat.cpp
  core/AfxPaths.cpp
  core/AfxRegistry.cpp
  core/CArchive.cpp
  core/CArchiveException.cpp
  core/CException.cpp
  core/CFile.cpp
  core/CFileException.cpp
  core/CMemoryException.cpp
  core/CObject.cpp
  core/COleDateTime.cpp
  core/COleDateTimeSpan.cpp
  core/COleDateTimeText.cpp
  core/CProfileStore.cpp
  core/CRuntimeClass.cpp
  core/CString.cpp
  core/CUserException.cpp
  core/RegistryFile.cpp
  core/RegistryTree.cpp
)
