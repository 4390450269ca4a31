#include "ChoiceDelivery.h"

#include <cstdlib>
#include <string>

namespace appcore {

ChoiceTarget::ChoiceTarget(CWnd* parent, int ctrlId, UINT msg)
    : m_parent(parent ? parent->GetSafeHwnd() : nullptr), m_ctrlId(ctrlId), m_msg(msg)
{
}

bool ChoiceTarget::HasMessage() const
{
    return m_ctrlId <= 0 && m_msg != 0 && m_msg != UINT(-1);
}

CWnd* ChoiceTarget::Parent() const
{
    return m_parent ? CWnd::FromHandle(m_parent) : nullptr;
}

void ChoiceTarget::Deliver(const CString& answer, bool asText) const
{
    CWnd* parent = Parent();
    if (!parent)
        return;
    if (m_ctrlId > 0) {
        if (CWnd* control = parent->GetDlgItem(m_ctrlId))
            control->SetWindowText(answer);
        return;
    }
    if (!HasMessage())
        return;
    if (asText) {
        std::string text = answer.ToStdString();
        WPARAM value = reinterpret_cast<WPARAM>(text.c_str());
        parent->SendMessage(m_msg, value, static_cast<LPARAM>(value));
    } else {
        long id = std::atol(answer.ToStdString().c_str());
        parent->SendMessage(m_msg, static_cast<WPARAM>(id), static_cast<LPARAM>(id));
    }
}

CString JoinKeys(const std::vector<CString>& keys)
{
    CString joined;
    for (const CString& key : keys) {
        if (!joined.IsEmpty())
            joined += ",";
        joined += key;
    }
    return joined;
}

} // namespace appcore
