#include "ctl/AfxListSearch.h"

int AfxFindListItem(int count, const std::function<QString(int)>& textAt, int start, const QString& text, bool exact)
{
    for (int k = 1; k <= count; ++k) {
        int i = start < 0 || start >= count ? k - 1 : (start + k) % count;
        QString t = textAt(i);
        if (exact ? t.compare(text, Qt::CaseInsensitive) == 0 : t.startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}
