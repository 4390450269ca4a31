# The values and text half of the MFC subset (types, text, dates, collections,
# run-time classes, files and archives, the profile store, C runtime helpers).
set(AFX_CORE_SOURCES
  core/AfxFormat.cpp
  core/CString.cpp
)
