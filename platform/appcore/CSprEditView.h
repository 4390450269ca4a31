// The reference-book editor of the application core, opened by a book's
// table name: the book's rows (key first, then the book's columns), rows
// added (where the workplace lets books be extended), changed and deleted
// ("Удалить запись ?"; a table that keeps deleted rows marks them in
// dt_del), all written by "Записать" as one transaction: a failure writes
// nothing and the edits stay on the form. Closing with edits asks
// "Записать изменения ? ".
#pragma once

#include "CderivedFormview.h"
#include "SprEditRows.h"
#include "gridbase.h"

class CSprEditView : public CderivedFormview {
    DECLARE_DYNCREATE(CSprEditView)
public:
    CSprEditView();
    ~CSprEditView() override;

    void OnInitialUpdate() override;
    void OnCancel() override;
    int Write(int ask) override;

    BOOL IsEdited() const { return !m_deleted.empty() || m_bEdited; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void Load();
    std::vector<CString> RowValues(long row) const;

    CCellwork m_grid;
    appcore::SprEditLayout m_layout;
    std::vector<CString> m_deleted;   // keys of the stored rows deleted on the form
    BOOL m_bEdited = FALSE;
    BOOL m_bFilling = FALSE;

    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnWriteCommand();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGridCellChanged(short col, short row, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

namespace appcore {

// The template of the book editor (added on first use).
CDocTemplate* SprEditTemplate();

} // namespace appcore
