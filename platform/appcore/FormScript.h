// The script of a form: every form has a script context of its own,
// "Form." followed by its document name (a form of the configuration by its
// name, a module's view by its template's document name), and its reports
// 1, 2... the contexts "Form.<name>:1", "Form.<name>:2". The configuration
// holds them (forms.json: kind "report" for a module view's reports).
#pragma once

#include "afx.h"

class CView;

namespace appcore {

// The context of report `report` (0 = the form's own script) of a form.
CString FormContext(const CString& documentName, int report);
// The document name of a view's form: the configuration form's name, else
// the document name of its template.
CString ViewDocumentName(const CView* view);

// Runs a call text in a form's context and shows its answer, an HTML page, in
// the report window under `title` (nothing when it answers nothing: the
// script may have shown its pages itself). Non-zero when the call ran.
int ShowFormReport(const CString& context, const char* call, const CString& title);

} // namespace appcore
