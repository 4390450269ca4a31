// The two staff modules in a small program for the tests of their forms: the
// application object and an MDI main frame, the templates of both modules
// registered by their Init as the application core does, and test forms on
// the personnel module's form base: a small one ("StaffTestForm") with the
// employee's personnel number (112) and the running number of an assignment
// (1149), which records every running number it is asked to load, and one
// with every paired field of the base, as each module builds it
// ("PersoBaseForm", "VenzBaseForm").
#pragma once
#include "CMyFormView1.h"
#include "MdiProgram.h"
#include "StaffDatabase.h"
#include "appcore.h"

#include <vector>

namespace stafftest {

class CStaffTestForm : public nperso::CMyFormView1 {
    DECLARE_DYNCREATE(CStaffTestForm)
public:
    CStaffTestForm();

    // The running numbers written into 1149, in order.
    std::vector<CString> loads;

protected:
    afx_msg void OnChangeNpp();

    DECLARE_MESSAGE_MAP()
};

class CPersoBaseForm : public nperso::CMyFormView1 {
    DECLARE_DYNCREATE(CPersoBaseForm)
public:
    CPersoBaseForm();
    using CMyFormView1::SearchBook;
};

class CVenzBaseForm : public nvenzol::CMyFormView1 {
    DECLARE_DYNCREATE(CVenzBaseForm)
public:
    CVenzBaseForm();
};

class StaffProgram : public StaffDatabase, protected afxtest::MdiProgram {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every open view of the class.
    template <class T>
    std::vector<T*> Open() const
    {
        std::vector<T*> views;
        for (CView* view : OpenViews())
            if (auto* found = dynamic_cast<T*>(view))
                views.push_back(found);
        return views;
    }
    // Opens a new test form showing the employee's personnel number.
    CStaffTestForm* OpenTestForm(const char* tn);
    // Opens a new form of the view class (one of the test forms).
    template <class T>
    T* OpenForm()
    {
        return dynamic_cast<T*>(OpenView(RUNTIME_CLASS(T)));
    }

private:
};

} // namespace stafftest
