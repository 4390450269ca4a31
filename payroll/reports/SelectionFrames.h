// The documents and frames of the payroll's report selection forms: each fixes
// its form's title whatever an opener passes, and each frame its window's
// first size. The department-and-category frame is a plain MDI child.
#pragma once
#include "appcore.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSelectYearDoc : public CderivedDocument {
    DECLARE_DYNCREATE(CSelectYearDoc)
public:
    CSelectYearDoc();
    ~CSelectYearDoc() override;
    // "Выбор месяцев", whatever is passed.
    void SetTitle(LPCTSTR title) override;
    BOOL OnNewDocument() override;
};

class __attribute__((visibility("default"))) CSelectYearFrame : public CderivedFrame {
    DECLARE_DYNCREATE(CSelectYearFrame)
public:
    CSelectYearFrame();
    ~CSelectYearFrame() override;
    // 320 by 320.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

class __attribute__((visibility("default"))) CSelectPrdKatDoc : public CderivedDocument {
    DECLARE_DYNCREATE(CSelectPrdKatDoc)
public:
    CSelectPrdKatDoc();
    ~CSelectPrdKatDoc() override;
    // "Выбор подразделения и категории работников", whatever is passed.
    void SetTitle(LPCTSTR title) override;
    BOOL OnNewDocument() override;
};

class __attribute__((visibility("default"))) CSelectPrdKatFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CSelectPrdKatFrame)
public:
    CSelectPrdKatFrame();
    ~CSelectPrdKatFrame() override;
    // 700 by 270.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

} // namespace npaymar
